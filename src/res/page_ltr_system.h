// The template of the LTR system page (dialog 163): the zones five at a time
// with the rows an LTR trunked zone needs. Control ids are the ones the page
// binds; index k is zone column k + 1.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_LTR_SYSTEM = 163;

namespace ltr_system_ids {

inline constexpr int kPrev = 1079;
inline constexpr int kNext = 1080;
inline constexpr int kDefaultCaption = 1542;
inline constexpr int kCaptions[5] = {1081, 1082, 1083, 1084, 1085};

inline constexpr int kOnOff[5] = {15110, 15120, 15130, 15140, 15150};
inline constexpr int kGroupCounts[5] = {13121, 13132, 13142, 13152, 13162};
inline constexpr int kFormat[5] = {10702, 10782, 10872, 13552, 10892};
inline constexpr int kAlias[5] = {10670, 10680, 10691, 11200, 10860};
inline constexpr int kTimeoutDefault = 10910;
inline constexpr int kTimeout[5] = {10920, 10930, 10940, 10950, 10960};
inline constexpr int kPowerDefault = 10980;
inline constexpr int kPower[5] = {10990, 11000, 11010, 11020, 11030};
inline constexpr int kRevertDefault = 11050;
inline constexpr int kRevert[5] = {11060, 11070, 11080, 11090, 11100};
inline constexpr int kZoneScanCells[5] = {1118, 1121, 1122, 1123, 1124};
inline constexpr int kAreaCode[5] = {11980, 11990, 12000, 12010, 12020};
inline constexpr int kHomeRepeater[5] = {1204, 1205, 1206, 1207, 1208};
inline constexpr int kTalkPermit[5] = {1113, 1114, 1115, 1116, 1117};
inline constexpr int kGroupDecode[5] = {1219, 1220, 1221, 1222, 1223};
inline constexpr int kScanWords[5] = {1226, 1227, 1228, 1229, 1230};

// The popup list every row drops down (filled for the row that opens it).
inline constexpr int kPopupList = 1307;

// Buttons.
inline constexpr int kInterconnect = 1119;
inline constexpr int kLtrAdvanced = 1184;
inline constexpr int kRepeaters[5] = {1185, 1187, 1188, 1189, 1190};
inline constexpr int kGroups[5] = {1186, 1192, 1193, 1194, 1195};

inline constexpr int kHeading = 1434;

}  // namespace ltr_system_ids

const DialogTemplate& LtrSystemPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterLtrSystemPageTemplate();
