// The contract every grid page keeps, checked over the rows of each registered
// grid page on a conventional, an LTR and a PassPort radio: every entry of a
// list row, chosen by keys in one column, stores its code into that column's
// entity and changes nothing else (putting the old code back gives the image
// back, byte for byte); a Default-column choice stores the Default value and,
// for a row whose scope is the entities, the same code into every entity of the
// page's scope, and nothing else; the cell then shows the entry chosen, and
// the data are marked changed unless the row commits quietly. A choice, or a
// number typed, in a cell the page shows for a zone it serves reaches the
// saved image (on a radio of each kind, and with PassPort zones on an LTR
// radio): no cell takes what the save drops. Tab walks one
// entity at a time: the cells of the Default column, then of each column in
// turn, each top to bottom, where the template had the first of them; and
// Shift+Tab walks back.
// Rows whose commit does more by design are listed below with the reason.
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "res/page_channel_table.h"
#include "res/page_conv_groups.h"
#include "res/page_interconnect.h"
#include "res/page_ltr_advanced.h"
#include "res/page_ltr_group.h"
#include "res/page_ltr_system.h"
#include "res/page_passport_talk_groups.h"
#include "res/page_repeater.h"
#include "res/page_zone_overview.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

// Rows (by page and a cell of the row) whose commit is not the plain store of
// one code, and why; their pages' tests cover them.
const std::map<std::pair<UINT, int>, const char*> kIrregular = {
    {{IDD_ZONE_OVERVIEW, zone_ids::kOnOff[0]}, "puts the zone in or out of use with its groups"},
    {{IDD_ZONE_OVERVIEW, zone_ids::kFormat[0]}, "a new format gives the zone that format's defaults"},
    {{IDD_LTR_SYSTEM, ltr_system_ids::kOnOff[0]}, "puts the zone in or out of use with its groups"},
    {{IDD_LTR_SYSTEM, ltr_system_ids::kHomeRepeater[0]}, "also sets the Dispatch and Interconnect bits of the slot"},
    {{IDD_ZONE_OVERVIEW, zone_ids::kHomeRepeater[0]}, "also sets the Dispatch and Interconnect bits of the slot"},
    {{IDD_CONV_GROUP_BASIC, conv_basic_ids::kRxType[0]}, "a type set or cleared sets or clears the codes as well"},
    {{IDD_CHANNEL_TABLE, channel_ids::kEnable[0]}, "programs or clears the channel and its references"},
    {{IDD_REPEATERS, repeater_ids::kChannel[0]}, "a channel sets the slot's flags; the cell shows its number only"},
    {{IDD_CONV_GROUP_ADVANCED, conv_advanced_ids::kSignalingFunctionDefault},
     "the Default keeps its code in bits of its own; the groups take the function's bits"},
    {{IDD_LTR_GROUP_ADVANCED, ltr_group_ids::kSignalingFunctionDefault},
     "the Default keeps its code in bits of its own; the groups take the function's bits"},
};

// The zones a page serves, where the zone overview opens it for one format
// only; a page not listed serves every zone.
const std::map<UINT, int> kServes = {{IDD_CONV_GROUP_BASIC, kSystemConventional},
                                     {IDD_CONV_GROUP_ADVANCED, kSystemConventional}, {IDD_LTR_GROUP_BASIC, kSystemLtr},
                                     {IDD_LTR_GROUP_ADVANCED, kSystemLtr}, {IDD_REPEATERS, kSystemLtr},
                                     {IDD_PASSPORT_TALK_GROUPS, kSystemPassPort}};

// Pages whose template puts a tab stop of its own before the cells: that stop.
const std::map<UINT, int> kBeforeTheCells = {{IDD_CHANNEL_TABLE, channel_ids::kSplit}};

// Default cells whose commit reaches only the LTR zones: their bytes are the
// Connect Dial of a Conventional zone and the roaming timers and flags of a
// PassPort zone (the home repeater's: every zone but a Conventional one).
// Every other Default cell of the zone pages reaches every zone.
const std::set<int> kLtrZonesOnly = {ltr_advanced_ids::kRiseTimeDefault, ltr_advanced_ids::kDecodeResumeDefault,
                                     ltr_advanced_ids::kTxInhibitResumeDefault};
const std::set<int> kTrunkedZonesOnly = {zone_ids::kHomeRepeaterDefault};

class GridContract : public GridTest {
 protected:
  // Whether a Default commit of the row writes the entity: the page's scope for
  // a row over the entities; every zone, or the LTR zones, for the zone pages'
  // own Default values.
  static bool DefaultReaches(grid::CGridPage& page, const grid::Row& row, int e) {
    if (kTrunkedZonesOnly.count(row.defaultId)) return zf::kFormat.Get(TheModel(), e) != zf::kConventional;
    if (row.writeDefault) return !kLtrZonesOnly.count(row.defaultId) || TheModel().store.IsZoneLtr(e);
    const auto [begin, end] = RowValue::Scope(page, row);
    return e >= begin && e < end;
  }
  static bool Irregular(UINT idd, const grid::Row& row, int column) {
    return kIrregular.count({idd, column == 0 ? row.defaultId : row.ids[0]}) != 0;
  }
  bool Reachable(int id) {
    CWnd* w = Page().GetDlgItem(id);
    return w && w->IsWindowVisible() && w->IsWindowEnabled();
  }
  // The codes and texts of the list a row opens for an entity.
  std::vector<grid::Entry> EntriesOf(grid::CGridPage& page, const grid::Row& row, int entity) {
    std::vector<grid::Entry> entries;
    if (row.fill) row.fill(page, row, entity, entries);
    else {
      for (const Choice& c : row.choices.choices) entries.push_back({std::string(c.text), c.code});
    }
    return entries;
  }

  // Every entry of the row's list in one column (0: the Default column).
  void CheckColumn(grid::CGridPage& page, const grid::Row& row, int column) {
    const int id = page.CellId(row, column);
    const int entity = page.EntityOf(column);
    SCOPED_TRACE("cell " + std::to_string(id));
    const auto entries = EntriesOf(page, row, entity);
    for (int k = int(entries.size()) - 1; k >= 0; --k) {
      SCOPED_TRACE("entry " + std::to_string(k) + " \"" + entries[std::size_t(k)].text + "\"");
      const std::uint32_t code = entries[std::size_t(k)].code;
      std::vector<std::uint32_t> old(std::size_t(page.GetAxis().entities));
      for (int e = 0; e < page.GetAxis().entities; ++e) old[std::size_t(e)] = RowValue::Get(page, row, e);
      const std::uint32_t oldDefault = column == 0 && !row.writeDefault ? RowValue::Get(page, row, grid::kDefaultEntity) : 0;
      const auto before = Packed();
      g_bModified = 0;
      ASSERT_TRUE(ChooseByKeys(id, k));
      EXPECT_EQ(page.OpenRow(), nullptr);
      EXPECT_EQ(g_bModified != 0, row.setsModified);
      EXPECT_EQ(Text(id), entries[std::size_t(k)].text);
      if (column > 0) {
        EXPECT_EQ(RowValue::Get(page, row, entity), RowValue::Kept(row, entity, code));
        if (RowValue::Get(page, row, entity) != old[std::size_t(entity)]) ExpectSaved(id, before);
      }
      // Undone field by field, the image is what it was.
      if (column == 0) {
        if (!row.writeDefault) {
          EXPECT_EQ(RowValue::Get(page, row, grid::kDefaultEntity), RowValue::Kept(row, grid::kDefaultEntity, code));
          RowValue::Set(page, row, grid::kDefaultEntity, oldDefault);
        }
        for (int e = 0; e < page.GetAxis().entities; ++e) {
          const std::uint32_t now = RowValue::Get(page, row, e);
          if (DefaultReaches(page, row, e)) EXPECT_EQ(now, RowValue::Kept(row, e, code)) << "entity " << e;
          else EXPECT_EQ(now, old[std::size_t(e)]) << "entity " << e;
          RowValue::Set(page, row, e, old[std::size_t(e)]);
        }
      } else {
        RowValue::Set(page, row, entity, old[std::size_t(entity)]);
      }
      ExpectImageDiff(before, {});
      page.Refresh();
    }
  }

  // The cells' tab stops as they stand, column by column (the Default column
  // first), each top to bottom and left to right: Tab walks them one after
  // the other and Shift+Tab back. Shift+Tab from the first reaches the stop
  // the template has before them: the page's last (the cells lead its tab
  // order), or the one kBeforeTheCells names.
  void CheckTabWalk(grid::CGridPage& page, UINT idd) {
    std::vector<int> cells;
    for (int c = page.GetAxis().hasDefault ? 0 : 1; c <= page.GetAxis().columns; ++c) {
      std::vector<std::tuple<int, int, int>> column;  // top, left, cell
      for (const grid::Row& row : page.Rows()) {
        const int id = page.CellId(row, c);
        CRect rc;
        if (!id || !Reachable(id) || !(page.Item(id)->GetStyle() & WS_TABSTOP)) continue;
        page.Item(id)->GetWindowRect(&rc);
        column.emplace_back(rc.top, rc.left, id);
      }
      std::sort(column.begin(), column.end());
      for (const auto& stop : column) cells.push_back(std::get<2>(stop));
    }
    if (cells.empty()) return;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
      if (FocusedId() != cells[i] && !TryFocus(cells[i])) continue;
      Tab();
      EXPECT_EQ(FocusedId(), cells[i + 1]) << "Tab from cell " << cells[i];
    }
    for (std::size_t i = cells.size() - 1; i > 0; --i) {
      if (FocusedId() != cells[i] && !TryFocus(cells[i])) continue;
      Key(Qt::Key_Tab, Qt::ShiftModifier);
      EXPECT_EQ(FocusedId(), cells[i - 1]) << "Shift+Tab from cell " << cells[i];
    }
    int before = 0;
    for (const DlgItemTemplate& item : FindDialogTemplate(idd)->items) {
      if (item.id > 0 && (item.style & WS_TABSTOP) && Reachable(item.id)) before = item.id;
    }
    if (const auto it = kBeforeTheCells.find(idd); it != kBeforeTheCells.end()) before = it->second;
    if (FocusedId() != cells[0] && !TryFocus(cells[0])) return;
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(FocusedId(), before) << "Shift+Tab from the first cell " << cells[0];
  }

  std::set<int> m_shown;  // the cells the page shows enabled, for a zone it serves

  // A cell the person sees takes only what the save keeps, or refuses with its message.
  void ExpectSaved(int id, const std::vector<std::uint8_t>& before) {
    std::vector<std::uint8_t> saved(TheModel().image.begin(), TheModel().image.end());
    if (m_shown.count(id) && TheModel().PackImage(saved.data())) {
      EXPECT_NE(saved, before) << "the save drops " << id;
    }
  }
  // A number typed into such a cell; then the data as the save had them (the
  // pack leaves the system type byte as loaded).
  void CheckNumber(grid::CGridPage& page, int id) {
    const double shown = std::atof(Text(id).c_str());
    auto before = Packed();
    Enter(id, shown == 1 ? "2" : "1");
    if (std::atof(Text(id).c_str()) != shown) ExpectSaved(id, before);
    before[img::kSystemType] = std::uint8_t(TheModel().global.systemType);
    TheModel().UnpackImage(before.data());
    page.Refresh();
  }

  void CheckPage(UINT idd) {
    pageIndex = 0;
    auto* page = dynamic_cast<grid::CGridPage*>(&Open(idd));
    if (!page) return;
    SCOPED_TRACE("page " + std::to_string(idd));
    prompts.Clear();
    CheckTabWalk(*page, idd);
    m_shown.clear();
    const CChannelStore& store = TheModel().store;
    const int kind = store.IsZonePassPort(0) ? kSystemPassPort : store.IsZoneLtr(0) ? kSystemLtr : kSystemConventional;
    for (const grid::Row& row : page->Rows()) {
      for (int c = 1; c <= page->GetAxis().columns && (!kServes.count(idd) || kServes.at(idd) == kind); ++c)
        if (const int id = page->CellId(row, c); id && Reachable(id)) m_shown.insert(id);
    }
    // Rows the template keeps hidden are shown, so that they are reached too.
    for (const grid::Row& row : page->Rows()) {
      bool shown = false;
      for (int c = 0; c <= page->GetAxis().columns; ++c) shown |= page->CellId(row, c) && Visible(*page, page->CellId(row, c));
      for (int c = 0; c <= page->GetAxis().columns && !shown; ++c) {
        if (CWnd* cell = page->CellWnd(row, c)) cell->ShowWindow(SW_SHOW);
      }
    }
    Pump();
    for (const grid::Row& row : page->Rows()) {
      const auto c = std::ranges::find_if(row.ids, [&](int id) { return m_shown.count(id) != 0; });
      if (row.kind == grid::Cell::Number && !Irregular(idd, row, 1) && c != row.ids.end()) CheckNumber(*page, *c);
    }
    for (const grid::Row& row : page->Rows()) {
      if (row.kind != grid::Cell::List) continue;
      // The first column whose cell takes input, and the Default cell.
      for (int c = 1; c <= page->GetAxis().columns && !Irregular(idd, row, 1); ++c) {
        if (const int id = page->CellId(row, c); id && Reachable(id)) {
          CheckColumn(*page, row, c);
          break;
        }
      }
      if (row.defaultId && !Irregular(idd, row, 0) && Reachable(row.defaultId)) CheckColumn(*page, row, 0);
    }
  }
};

TEST_F(GridContract, EveryListRowOfEveryGridPage) {
  std::vector<RadioSetup> setups(std::begin(kKindSetups), std::end(kKindSetups));
  setups.push_back({"PassPort zones on an LTR radio", kSystemPassPort, page_test::Band::Uhf, true});
  for (const RadioSetup& s : setups) {
    SCOPED_TRACE(s.name);
    for (UINT idd : RegisteredPageIds()) {
      Prepare(s, -1, 5);  // every zone column of the zone pages in use
      hooks.modeM = true;  // the rows only mode M shows
      CheckPage(idd);
    }
  }
}

}  // namespace
}  // namespace grid_test
