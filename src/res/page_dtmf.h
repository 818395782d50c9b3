// The template of the DTMF ANI page (dialog 162): the global DTMF options, the
// ten dial memories with their tags, the paging parameters with the ten paging
// codes, and the ANI settings. The ids are the ones CDtmfAniPage binds.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_DTMF = 162;

// Global options.
inline constexpr int IDC_DT_MONITOR = 10341;
inline constexpr int IDC_DT_PAUSE_CHAR = 11292;
inline constexpr int IDC_DT_PAUSE_CODE = 11302;
inline constexpr int IDC_DT_PAUSE_TIME = 11310;
inline constexpr int IDC_DT_SPEED = 11320;
inline constexpr int IDC_DT_KEYPAD = 11330;
// Paging parameters.
inline constexpr int IDC_DT_CALLING_TIMES = 11561;
inline constexpr int IDC_DT_ANSWER_BACK = 1154;  // hidden
inline constexpr int IDC_DT_AUTO_RESET = 1157;   // hidden
// ANI settings.
inline constexpr int IDC_DT_ANI_TRANSMISSION = 11840;
inline constexpr int IDC_DT_ANI_CODE = 11850;
inline constexpr int IDC_DT_ANI_CODE_PTT_OFF = 1186;  // hidden, disabled
inline constexpr int IDC_DT_ANI_SPEED = 11870;
inline constexpr int IDC_DT_FIRST_DIGIT_DELAY = 11880;

// The dial memory rows, top to bottom: "Location #0" (record 9), then
// "Location #1" .. "Location #9" (records 0..8).
inline constexpr int kDtmfRows = 10;
inline constexpr int IDC_DT_DIAL_TAG[kDtmfRows] = {1152, 11340, 11360, 11381, 11401, 11420, 11441, 11461, 11480, 1150};
inline constexpr int IDC_DT_DIAL[kDtmfRows] = {1153, 11350, 11371, 11391, 11411, 11431, 11451, 11471, 1149, 1151};
// The paging code rows, top to bottom: codes 0..9, shown as "1" .. "9", "0".
inline constexpr int IDC_DT_PAGING_CODE[kDtmfRows] = {11592, 11611, 11691, 11711, 11731,
                                                       11751, 1177,  1179,  1181,  1183};
inline constexpr int IDC_DT_DECODING[kDtmfRows] = {1158, 1160, 1168, 1170, 1172, 1174, 1176, 1178, 1180, 1182};

// Group captions, drawn in bold.
inline constexpr int IDC_DT_GRP_GLOBAL = 1424;
inline constexpr int IDC_DT_GRP_DIAL = 1426;
inline constexpr int IDC_DT_GRP_PAGING = 1427;
inline constexpr int IDC_DT_GRP_PAGING_CODE = 1428;
inline constexpr int IDC_DT_GRP_ANI = 1429;

const DialogTemplate& DtmfPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterDtmfPageTemplate();
