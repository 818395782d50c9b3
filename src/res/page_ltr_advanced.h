// The template of the LTR advanced features page (dialog 167): the zones five
// at a time beside a Default column, with the LTR timing and ID-block rows.
// Control ids are the ones the page binds; index k is zone column k + 1.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_LTR_ADVANCED = 167;

namespace ltr_advanced_ids {

inline constexpr int kPrev = 1079;
inline constexpr int kNext = 1080;
inline constexpr int kClose = 1211;
inline constexpr int kInterconnect = 1119;
inline constexpr int kDefaultCaption = 1542;
inline constexpr int kCaptions[5] = {1081, 1082, 1083, 1084, 1085};

// Rows shown in the M mode only.
inline constexpr int kLabelRiseTime = 1424;
inline constexpr int kRiseTimeDefault = 1123;
inline constexpr int kRiseTime[5] = {1124, 1125, 1126, 1127, 1128};
inline constexpr int kLabelPrefix = 1426;
inline constexpr int kPrefixDefault = 1130;
inline constexpr int kPrefix[5] = {1131, 1132, 1133, 1134, 1135};

inline constexpr int kHangDefault = 1137;
inline constexpr int kHang[5] = {1138, 1139, 1140, 1141, 1142};
inline constexpr int kFadeDefault = 1144;
inline constexpr int kFade[5] = {1147, 1148, 1149, 1150, 1151};
inline constexpr int kRxIdDefaults[2] = {1056, 1057};
inline constexpr int kRxIdStart[5] = {1060, 1062, 1064, 1153, 1155};
inline constexpr int kRxIdStop[5] = {1061, 1063, 1065, 1154, 1156};
inline constexpr int kDecodeResumeDefault = 1145;
inline constexpr int kDecodeResume[5] = {1159, 1160, 1161, 1162, 1163};
inline constexpr int kTxInhibitIdDefaults[2] = {1058, 1059};
inline constexpr int kTxInhibitIdStart[5] = {1165, 1318, 1172, 1171, 1173};
inline constexpr int kTxInhibitIdStop[5] = {1166, 1167, 1170, 1356, 1174};
inline constexpr int kTxInhibitResumeDefault = 1146;
inline constexpr int kTxInhibitResume[5] = {1177, 1178, 1179, 1180, 1181};

// The popup list every row drops down (filled for the row that opens it).
inline constexpr int kPopupList = 1325;

}  // namespace ltr_advanced_ids

const DialogTemplate& LtrAdvancedPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterLtrAdvancedPageTemplate();
