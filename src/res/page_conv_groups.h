// The templates of the conventional group pages: the basic view (dialog 169)
// and the advanced view (dialog 170) of one Conventional zone's groups. The
// ids every group page shares are in res/page_group_grid.h.
#pragma once

#include "res/page_group_grid.h"
#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_CONV_GROUP_BASIC = 169;
inline constexpr UINT IDD_CONV_GROUP_ADVANCED = 170;

// The basic view: cells of group columns 1..6, Default cells, popup lists.
namespace conv_basic_ids {
inline constexpr int kRxFreq[6] = {16501, 16511, 16521, 16531, 16541, 16551};
inline constexpr int kTxFreq[6] = {16611, 16601, 16591, 16581, 16571, 16561};
inline constexpr int kChannelSpace[6] = {16626, 16636, 16646, 16656, 16666, 16676};
inline constexpr int kRxType[6] = {12891, 12980, 13072, 13160, 13250, 1334};
inline constexpr int kDecode[6] = {12840, 12932, 13020, 13110, 13200, 1329};
inline constexpr int kTxType[6] = {12900, 12990, 13081, 13170, 13260, 1335};
inline constexpr int kEncode[6] = {12851, 12942, 13032, 13120, 13210, 1330};
inline constexpr int kMonitorDefault = 12821;
inline constexpr int kMonitor[6] = {12910, 13001, 13090, 13180, 13270, 1336};

inline constexpr int kChannelSpaceList = 1511;
inline constexpr int kRxTypeList = 1422;
inline constexpr int kTxTypeList = 1421;
inline constexpr int kCtcssList = 1425;  // the decode and encode cells share the two code lists
inline constexpr int kDcsList = 1442;
inline constexpr int kMonitorList = 1420;
}  // namespace conv_basic_ids

// The advanced view.
namespace conv_advanced_ids {
inline constexpr int kRxFreq[6] = {12870, 12960, 13050, 13140, 13230, 13320};
inline constexpr int kTxFreq[6] = {12860, 12950, 13040, 13130, 13220, 13310};
inline constexpr int kChannelSpace[6] = {12880, 12970, 13060, 13150, 13240, 13330};
inline constexpr int kHeading = 1453;
inline constexpr int kCallAlert[6] = {12730, 12740, 12780, 12890, 13000, 1311};
inline constexpr int kAniMonitorDefault = 12250;
inline constexpr int kAniMonitor[6] = {12571, 12650, 12841, 14420, 13172, 14650};
inline constexpr int kAniDefault = 12241;
inline constexpr int kAni[6] = {12430, 12620, 12810, 14390, 13030, 1447};
inline constexpr int kTalkAroundUserDefault = 12280;
inline constexpr int kTalkAroundUser[6] = {12480, 12640, 14360, 12940, 14430, 1316};
inline constexpr int kTalkAroundFixedDefault = 12301;
inline constexpr int kTalkAroundFixed[6] = {12500, 12690, 12850, 14380, 13070, 1318};
inline constexpr int kSecondTxPowerDefault = 12340;
inline constexpr int kSecondTxPower[6] = {12510, 12750, 14340, 14350, 13080, 1400};
inline constexpr int kTpacDefault = 12390;
inline constexpr int kTpac[6] = {12400, 12460, 12470, 12491, 12530, 12540};
inline constexpr int kFlatAfDefault = 1642;
inline constexpr int kFlatAf[6] = {16430, 1644, 1645, 1646, 1647, 1648};
inline constexpr int kSignalingFunctionDefault = 1235;
inline constexpr int kSignalingFunction[6] = {12551, 12760, 14330, 12982, 13092, 13201};
inline constexpr int kSignalingNoDefault = 12361;  // hidden
inline constexpr int kSignalingNo[6] = {11592, 11611, 11691, 11711, 11731, 11751};
inline constexpr int kEncryptionDefault = 12270;
inline constexpr int kEncryption[6] = {12440, 12630, 12820, 12930, 14440, 14370};
// Hidden rows under "Basic Features".
inline constexpr int kExtMicDefault = 1633;
inline constexpr int kExtMic[6] = {1635, 1636, 1637, 1638, 1639, 1640};
inline constexpr int kCallVerify[6] = {1241, 1256, 1279, 1290, 1441, 1312};
inline constexpr int kDataGroup[6] = {1242, 1258, 1280, 1291, 1302, 1446};

inline constexpr int kCallAlertList = 1420;
inline constexpr int kAniMonitorList = 1470;
inline constexpr int kAniList = 1423;
inline constexpr int kTalkAroundUserList = 1425;
inline constexpr int kTalkAroundFixedList = 1427;
inline constexpr int kSecondTxPowerList = 1428;
inline constexpr int kTpacList = 1440;
inline constexpr int kFlatAfList = 1649;
inline constexpr int kSignalingFunctionList = 1429;
inline constexpr int kSignalingNoList = 1430;
inline constexpr int kEncryptionList = 1424;
inline constexpr int kExtMicList = 1641;
inline constexpr int kDataGroupList = 1422;
}  // namespace conv_advanced_ids

const DialogTemplate& ConvGroupBasicPageTemplate();
const DialogTemplate& ConvGroupAdvancedPageTemplate();
// Registers both templates with the window layer; only the first call does.
void RegisterConvGroupPageTemplates();
