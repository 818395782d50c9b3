// What the templates of the four group pages (conventional and LTR zones, each
// in a basic and an advanced view) share: the header with the zone's number,
// alias and format, the arrows and "Close", the "Default" caption and the six
// column captions, the rows every view has (enable, Tag) and the layout of the
// label column, the Default column and the six group columns.
#pragma once

#include <string>
#include <vector>

#include "res/page_zone_grid.h"
#include "ui/wnd/dlg_template.h"

namespace group_ids {

// Header and navigation.
inline constexpr int kZoneNumber = 1212;
inline constexpr int kZoneAlias = 1418;
inline constexpr int kZoneFormat = 1419;
inline constexpr int kClose = 1211;
inline constexpr int kPrev = 1270;
inline constexpr int kNext = 1271;
inline constexpr int kAdvancedFeatures = 1269;  // basic views
inline constexpr int kBasicFeatures = 1350;     // advanced views
// Captions.
inline constexpr int kDefaultCaption = 1213;
inline constexpr int kCaptions[6] = {1215, 1216, 1217, 1218, 1219, 1220};
// Rows of every view (cells of group columns 1..6).
inline constexpr int kEnable[6] = {1337, 1338, 1339, 1340, 1341, 1342};
inline constexpr int kTag[6] = {12312, 12380, 12450, 12520, 12590, 12660};
inline constexpr int kEnableList = 1510;
// Rows of both basic views: the Default cell, the group cells, the list.
inline constexpr int kTxInhibitDefault = 12140;
inline constexpr int kTxInhibit[6] = {12271, 12341, 12410, 12481, 12550, 1262};
inline constexpr int kTxInhibitList = 1413;
inline constexpr int kTimeOutTimerDefault = 12210;
inline constexpr int kTimeOutTimer[6] = {12281, 12350, 12420, 12490, 12560, 1263};
inline constexpr int kTimeOutTimerList = 1414;
inline constexpr int kBusyLockOutDefault = 1035;
inline constexpr int kBusyLockOut[6] = {10361, 10372, 10381, 10391, 10401, 1041};
inline constexpr int kBusyLockOutList = 1415;
inline constexpr int kCompanderDefault = 12230;
inline constexpr int kCompander[6] = {12291, 12360, 12431, 12501, 12570, 1264};
inline constexpr int kCompanderList = 1416;
inline constexpr int kScanMemoryDefault = 12240;
inline constexpr int kScanMemory[6] = {12300, 12370, 12441, 12511, 12580, 1265};
inline constexpr int kScanMemoryList = 1417;

}  // namespace group_ids

namespace group_res {

// Layout in dialog units.
inline constexpr int kLabelX = 2;
inline constexpr int kDefaultX = 73;
inline constexpr int kGroupX = 115;  // column 1; the columns are kGroupPitch apart
inline constexpr int kGroupPitch = 42;
inline constexpr int kCellWidth = 41;  // the widest cell text, "Busy Lockout", has to fit
inline constexpr int kCellHeight = 11;
inline constexpr int kPitch = 13;
// The first row under the captions.
inline constexpr int kFirstRowY = 44;

constexpr int GroupX(int column) { return kGroupX + kGroupPitch * (column - 1); }

// A group page of the main dialog's tab: the header (zone number, alias,
// format) and the caption row ("Group #", "Default" and the six captions).
DialogTemplate GroupPageTemplate(UINT id);
// The arrows over the grid with "Close" between them; added after the cells,
// so that they come last in the tab order.
void AddArrowsAndClose(std::vector<DlgItemTemplate>& items);
// The cells in the tab order of a group page, one group at a time
// (grid_res::OrderByColumns): the Default column, then group columns 1 to 6,
// each top to bottom.
void OrderGroupCells(std::vector<DlgItemTemplate>& items);

// One row at y: its bold label (none for a null text; it runs over the Default
// column on rows without a Default cell), the Default cell (0: none) and the
// six group cells. A hidden row is in the template without the visible style.
struct GroupRow {
  const char* label;
  grid_res::Kind kind;
  int defaultId;
  const int (&ids)[6];
  bool hidden = false;
};
void AddGroupRow(std::vector<DlgItemTemplate>& items, const GroupRow& row, int y);
// A full-width button under the grid ("Advanced Features", "Basic Features").
DlgItemTemplate WideButton(std::string text, int id, int y);

}  // namespace group_res
