// The templates of the LTR group pages (dialogs 171 and 172): the group grid of
// res/page_group_grid.h with the rows of an LTR zone's groups, in the basic and
// the advanced view. Control ids are the ones the pages bind.
#pragma once

#include "res/page_group_grid.h"
#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_LTR_GROUP_BASIC = 171;
inline constexpr UINT IDD_LTR_GROUP_ADVANCED = 172;

namespace ltr_group_ids {

using namespace group_ids;

// Both views: the IDs of each group column (right-aligned numbers).
inline constexpr int kTxId[6] = {1232, 1239, 1246, 1253, 1260, 1267};
inline constexpr int kRxId[6] = {1233, 1240, 1247, 1254, 1261, 1268};

// The advanced view: its way back, and its rows (Default cell, group cells, list).
inline constexpr int kLtrBasicFeatures = 1322;
inline constexpr int kCallAlertDefault = 1272;
inline constexpr int kCallAlert[6] = {12730, 12740, 12780, 12890, 13000, 1311};
inline constexpr int kCallAlertList = 1420;
inline constexpr int kAniDefault = 12241;
inline constexpr int kAni[6] = {12430, 12620, 12810, 14390, 13030, 1447};
inline constexpr int kAniList = 1423;
inline constexpr int kTalkAroundUserDefault = 12280;
inline constexpr int kTalkAroundUser[6] = {12480, 12640, 14360, 12940, 14430, 1316};
inline constexpr int kTalkAroundUserList = 1425;
inline constexpr int kTalkAroundFixedDefault = 12301;
inline constexpr int kTalkAroundFixed[6] = {12500, 12690, 12850, 14380, 13070, 1318};
inline constexpr int kTalkAroundFixedList = 1427;
inline constexpr int kSecondTxPowerDefault = 12340;
inline constexpr int kSecondTxPower[6] = {12510, 12750, 14340, 14350, 13080, 1400};
inline constexpr int kSecondTxPowerList = 1428;
inline constexpr int kFlatAfDefault = 1642;
inline constexpr int kFlatAf[6] = {16430, 1644, 1645, 1646, 1647, 1648};
inline constexpr int kFlatAfList = 1649;
inline constexpr int kSignalingFunctionDefault = 1610;
inline constexpr int kSignalingFunction[6] = {1611, 1612, 1613, 1614, 1615, 1616};
inline constexpr int kSignalingFunctionList = 1429;
inline constexpr int kEncryptionDefault = 12270;
inline constexpr int kEncryption[6] = {12440, 12630, 12820, 12930, 14440, 14370};
inline constexpr int kEncryptionList = 1424;

}  // namespace ltr_group_ids

const DialogTemplate& LtrGroupBasicTemplate();
const DialogTemplate& LtrGroupAdvancedTemplate();
// Registers both templates with the window layer; only the first call does.
void RegisterLtrGroupTemplates();
