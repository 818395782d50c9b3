// The template of the zone overview page (dialog 234): five zone columns and a
// Default column over the 32 zones. Control ids are the ones the page binds.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_ZONE_OVERVIEW = 234;

namespace zone_ids {

inline constexpr int kPrev = 1079;
inline constexpr int kNext = 1080;
inline constexpr int kDefaultCaption = 1542;
inline constexpr int kCaptions[5] = {1081, 1082, 1083, 1084, 1085};

// Cells, columns 1..5; the Default cell where the row shows one.
inline constexpr int kOnOff[5] = {15110, 15120, 15130, 15140, 15150};
inline constexpr int kGroupCounts[5] = {13121, 13132, 13142, 13152, 13162};
inline constexpr int kFormat[5] = {10702, 10782, 10872, 13552, 10892};
inline constexpr int kAlias[5] = {10670, 10680, 10691, 11200, 10860};
inline constexpr int kTalkPermitDefault = 10722;
inline constexpr int kTalkPermit[5] = {10732, 10742, 10752, 10762, 10882};
inline constexpr int kTimeoutDefault = 10910;
inline constexpr int kTimeout[5] = {10920, 10930, 10940, 10950, 10960};
inline constexpr int kPowerDefault = 10980;
inline constexpr int kPower[5] = {10990, 11000, 11010, 11020, 11030};
inline constexpr int kRevertDefault = 11050;
inline constexpr int kRevert[5] = {11060, 11070, 11080, 11090, 11100};
inline constexpr int kFixedDcc[5] = {12090, 12100, 12170, 12242, 12311};
inline constexpr int kDcc[5] = {11980, 11990, 12000, 12010, 12020};
inline constexpr int kHomeSystemId[5] = {10712, 10772, 10902, 10972, 11042};
inline constexpr int kLtrTalkPermitDefault = 11120;
inline constexpr int kAffiliatedId[5] = {11180, 11210, 11220, 11231, 11241};
inline constexpr int kMobileId[5] = {11260, 11271, 11281, 11291, 11301};
inline constexpr int kHomeFreq[5] = {11361, 11372, 11382, 11392, 11402};
inline constexpr int kBackupFreq[5] = {11412, 11422, 11432, 11442, 11452};
inline constexpr int kBandwidth[5] = {11110, 11251, 11462, 11472, 11482};
// With the LTR captions the LTR settings stand in place of the three identity
// rows (the LTR system page shows the same cells).
inline constexpr int kHomeRepeaterDefault = 12030;
inline constexpr int kHomeRepeater[5] = {1204, 1205, 1206, 1207, 1208};
inline constexpr int kLtrTalkPermit[5] = {1113, 1114, 1115, 1116, 1117};
inline constexpr int kGroupDecodeDefault = 12180;
inline constexpr int kGroupDecode[5] = {1219, 1220, 1221, 1222, 1223};

// The popup list every row of the page drops down (filled for the row that opens it).
inline constexpr int kPopupList = 1307;

// Buttons.
inline constexpr int kInterconnect = 1119;
inline constexpr int kLtrAdvanced = 1184;
inline constexpr int kFeatures[5] = {1185, 1187, 1188, 1189, 1190};
inline constexpr int kGroups[5] = {1186, 1192, 1193, 1194, 1195};

// Row labels (drawn bold) and the heading.
inline constexpr int kLabelGroupCount = 1424;
inline constexpr int kLabelFormat = 1426;
inline constexpr int kLabelAlias = 1427;
inline constexpr int kLabelTalkPermit = 1428;
inline constexpr int kLabelTimeout = 1429;
inline constexpr int kLabelPower = 1430;
inline constexpr int kLabelRevert = 1431;
inline constexpr int kLabelAffiliated = 1432;
inline constexpr int kLabelDcc = 1433;
inline constexpr int kHeading = 1434;
inline constexpr int kLabelMobileId = 1436;
inline constexpr int kLabelHomeSystemId = 1438;
inline constexpr int kLabelFixedDcc = 1443;
inline constexpr int kLabelHomeFreq = 1444;
inline constexpr int kLabelBackupFreq = 1445;
inline constexpr int kLabelBandwidth = 1446;

}  // namespace zone_ids

const DialogTemplate& ZoneOverviewPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterZoneOverviewPageTemplate();
