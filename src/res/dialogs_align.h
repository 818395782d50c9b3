// The templates of the factory alignment: the alignment window (IDD 104), the
// entry dialog (IDD 105) and the welcome dialog (IDD 106). The entry and
// welcome dialogs' control ids come first, then the alignment window's.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_ALIGN_START = 105;
inline constexpr UINT IDD_ALIGN_WELCOME = 106;
inline constexpr int IDC_ALIGN_LINE1 = 1009;
inline constexpr int IDC_ALIGN_PROGRESS = 1010;
inline constexpr int IDC_ALIGN_LINE2 = 1011;
inline constexpr int IDC_ALIGN_HEADING = 1012;  // also the welcome text of IDD 106
inline constexpr int IDC_ALIGN_LINE3 = 1013;
inline constexpr int IDC_ALIGN_START = 1125;
inline constexpr int IDC_ALIGN_OK = 1506;

inline constexpr UINT IDD_ALIGN = 104;
inline constexpr int IDC_ALIGN_SERIAL = 1044;
inline constexpr int IDC_ALIGN_CPU = 1045;
inline constexpr int IDC_ALIGN_SPIN = 1046;
inline constexpr int IDC_ALIGN_RADIO_TYPE = 1047;
inline constexpr int IDC_ALIGN_IF = 1048;
inline constexpr int IDC_ALIGN_SPACING = 1050;
inline constexpr int IDC_ALIGN_RX = 1051;
inline constexpr int IDC_ALIGN_TX = 1052;
inline constexpr int IDC_ALIGN_TEXT = 1053;
inline constexpr int IDC_ALIGN_TX_GROUP = 1054;
inline constexpr int IDC_ALIGN_LEFT_VALUE = 1055;
inline constexpr int IDC_ALIGN_RX_GROUP = 1061;
inline constexpr int IDC_ALIGN_LEFT_LEVEL = 1062;
inline constexpr int IDC_ALIGN_LEFT_MAX_LABEL = 1063;
inline constexpr int IDC_ALIGN_RIGHT_LEVEL = 1064;
inline constexpr int IDC_ALIGN_RIGHT_MAX_LABEL = 1065;
inline constexpr int IDC_ALIGN_SLIDER = 1066;
inline constexpr int IDC_ALIGN_LEFT_METER = 1067;
inline constexpr int IDC_ALIGN_START_ITEM = 1068;
inline constexpr int IDC_ALIGN_RIGHT_METER = 1069;
inline constexpr int IDC_ALIGN_LEFT_MAX = 1073;
inline constexpr int IDC_ALIGN_RIGHT_VALUE = 1074;
inline constexpr int IDC_ALIGN_RIGHT_MAX = 1075;
inline constexpr int IDC_ALIGN_OK_ITEM = 1076;
inline constexpr int IDC_ALIGN_CANCEL_ITEM = 1077;
inline constexpr int IDC_ALIGN_CHANNEL = 1277;
inline constexpr int IDC_ALIGN_LEFT_HEADING = 1424;
inline constexpr int IDC_ALIGN_RIGHT_HEADING = 1426;
inline constexpr int IDC_ALIGN_EXIT = 3;
// The 17 item buttons.
inline constexpr int IDC_ITEM_TX_VCV = 3621;
inline constexpr int IDC_ITEM_POWER_HIGH = 3611;
inline constexpr int IDC_ITEM_POWER_LOW_HIGH = 3612;
inline constexpr int IDC_ITEM_POWER_LOW_MID = 3620;
inline constexpr int IDC_ITEM_MAX_DEVIATION = 3613;
inline constexpr int IDC_ITEM_MOD_BALANCE = 3614;
inline constexpr int IDC_ITEM_CTCSS = 3615;
inline constexpr int IDC_ITEM_DCS = 3616;
inline constexpr int IDC_ITEM_LTR = 3617;
inline constexpr int IDC_ITEM_REFERENCE = 3619;
inline constexpr int IDC_ITEM_SEQ_TONE = 3618;
inline constexpr int IDC_ITEM_RX_VCV = 1080;
inline constexpr int IDC_ITEM_TIGHT_SQL = 1070;
inline constexpr int IDC_ITEM_THRESHOLD_SQL = 1071;
inline constexpr int IDC_ITEM_TIGHT_RSSI = 1078;
inline constexpr int IDC_ITEM_FULL_RSSI = 1079;
inline constexpr int IDC_ITEM_RX_TUNE = 1072;

// The window classes the alignment window's meters and slider are built as.
inline constexpr const char* kAlignMeterClass = "msctls_progress32";
inline constexpr const char* kAlignSliderClass = "msctls_trackbar32";

const DialogTemplate& AlignDialogTemplate();
const DialogTemplate& AlignStartDialogTemplate();
const DialogTemplate& AlignWelcomeDialogTemplate();

// Registers the three templates by their ids; only the first call registers.
void RegisterAlignDialogTemplates();
