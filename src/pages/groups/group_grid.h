// The group grid that the four group pages (conventional and LTR zones, each in
// a basic and an advanced view) stand on: the grid engine (pages/column_pages) with a
// Default column over the store's DefaultGroupRecord and six group columns that
// scroll over one zone's groups.
//
// Column k shows group First() + k - 1; the arrows stay within the zone's first
// group and first + count - 6 (at most 244); a column past the zone's groups is
// greyed and takes no input; a Default commit writes every group of the zone.
// The main dialog hands the page its zone (SetPageIndex) before it makes the
// window, and each window starts at the zone's first group. The header shows
// the zone's number, alias and format. A page is CGroupGridPage with its rows;
// the rows every view shares and the usual cell states are below.
#pragma once

#include <span>
#include <string>

#include "model/group_fields.h"
#include "model/group_model.h"
#include "pages/column_pages/grid_page.h"
#include "res/page_group_grid.h"
#include "ui/page/page_registry.h"

namespace group_grid {

class CGroupGridPage : public grid::CGridPage, public IZoneSubPage {
 public:
  // ltrPage: the header's format text of the LTR pages ("LTR" / "Conv").
  CGroupGridPage(UINT nIDTemplate, std::span<const grid::Row> rows, bool ltrPage);

  // IZoneSubPage: the zone, before the window is made; the group of the active
  // column (-1 for the Default column).
  void SetPageIndex(int zone) override { m_zone = zone; }
  int GetCurrentIndex() const override;

  int Zone() const { return m_zone; }
  ZoneGroupRun Groups() const;

 protected:
  BOOL OnInitDialog() override;
  int FirstMin() const override;
  int FirstMax() const override;
  bool IsPastEnd(int column) const override;
  int ScopeBegin() const override { return Groups().first; }
  int ScopeEnd() const override { return Groups().End(); }
  std::string ColumnCaption(int column) const override;
  void OnRefreshed() override;
  // "Advanced Features" / "Basic Features": a beep, then the page switch with the zone.
  void SwitchView(UINT message);
  // "Close": the zone overview, which keeps its own first zone.
  void OnClose();
  DECLARE_MESSAGE_MAP()

 private:
  int m_zone = 0;
  bool m_ltrPage = false;
};

// ---- cell states --------------------------------------------------------------------------
// Active for a group in use, else Inactive (columns past the zone are the engine's).
grid::State InUseActive(grid::CGridPage& page, const grid::Row& row, int column, int g);
// Shown grey for a group in use (read-only values), else Inactive.
grid::State InUseGrey(grid::CGridPage& page, const grid::Row& row, int column, int g);
grid::State AlwaysActive(grid::CGridPage& page, const grid::Row& row, int column, int g);
// The Default Encryption cell: white where the Default's Encryption can be
// chosen (unlike the other Default cells, which are Default grey), else Inactive.
grid::State DefaultEncryptionState(grid::CGridPage& page, const grid::Row& row, int column, int g);

// ---- cell texts ---------------------------------------------------------------------------
// Scan Memory of a group or of the Default column: "Enable", "Disable", "User", "Dealer".
std::string ScanMemoryShow(grid::CGridPage& page, const grid::Row& row, int g);

// ---- rows every view has ------------------------------------------------------------------
// (constexpr, so that a page's table may copy them whatever the order of initialisation)
// The enable row ("Enable" / "Disable", no Default cell; active in every column of the zone).
inline constexpr grid::Row kEnableRow{.ids = grid::Ids(group_ids::kEnable),
                                      .listId = group_ids::kEnableList, .choices = grp::kEnableList,
                                      .field = grp::kEnable, .state = &AlwaysActive};
// The Tag: upper-case letters, digits and blanks, stored at each keystroke, no refresh.
constexpr grid::Row TagRow(grid::StateFn state) {
  return {.kind = grid::Cell::Text, .ids = grid::Ids(group_ids::kTag),
          .text = grp::kTag, .trigger = grid::Trigger::Keystroke, .edit = {.maxLength = 8, .extraChar = ' '},
          .state = state};
}
// A list row of the basic views with a Default cell whose commit reaches every group of the zone.
constexpr grid::Row DefaultRow(int defaultId, const int (&ids)[6], int listId, ChoiceList choices, Field field,
                               Field defaultField, int heightFactor = 2) {
  return {.ids = grid::Ids(ids), .defaultId = defaultId, .listId = listId,
          .choices = choices, .field = field, .defaultField = defaultField, .scope = grid::Scope::Entities,
          .heightFactor = heightFactor, .state = &InUseActive};
}
inline constexpr grid::Row kTxInhibitRow =
    DefaultRow(group_ids::kTxInhibitDefault, group_ids::kTxInhibit, group_ids::kTxInhibitList, grp::kTxInhibitList,
               grp::kTxInhibit, grp::def::kTxInhibit);
inline constexpr grid::Row kTimeOutTimerRow =
    DefaultRow(group_ids::kTimeOutTimerDefault, group_ids::kTimeOutTimer, group_ids::kTimeOutTimerList,
               grp::kTimeOutTimerList, grp::kTimeOutTimer, grp::def::kTimeOutTimer);
inline constexpr grid::Row kScanMemoryRow = [] {
  grid::Row row = DefaultRow(group_ids::kScanMemoryDefault, group_ids::kScanMemory, group_ids::kScanMemoryList,
                             grp::kScanMemoryList, grp::kScanMemory, grp::def::kScanMemory);
  row.show = &ScanMemoryShow;
  return row;
}();

}  // namespace group_grid
