// One fixed script of real keys and clicks over every registered grid page, on
// a conventional, an LTR and a PassPort radio of each band, and the data file
// it saves (which loads again to the same image). Each page starts from the
// radio as prepared, so that what one page switches off (a zone, a group) does
// not hide the next page's cells. The bytes the script changes are compared,
// page by page, with those recorded from a known-good build
// (tests/pages/golden/grid/<radio>/; test_golden_support.h says how they are
// recorded): a change of any page, hook or field that alters what the same
// input saves shows there, offset by offset. The script also checks that it
// stored a new value in every list row.
#include <algorithm>
#include <map>
#include <set>

#include "model/dtmf_ani.h"
#include "model/group_fields.h"
#include "test_golden_support.h"

namespace grid_test {
namespace {

using page_test::Band;
// A list row: its page and its place in the page's table.
using RowKey = std::pair<UINT, std::size_t>;

class GridGolden : public GoldenTest {
 protected:
  // The radio of the setup, with what lets the features the script sets be
  // saved: an ANI code, and every group of zones 1-3 receiving and sending
  // DCS (which the horn alert, call alert and TPAC need). The -m mode on VHF
  // radios shows the rows only that mode has.
  void PrepareRadio(const RadioSetup& s) {
    Prepare(s);
    CEditModel& m = TheModel();
    df::kAniCode.set(m, 0, "123");
    df::kAniCodePttOff.set(m, 0, "456");
    for (int g = 0; g < 9; ++g) {
      if (s.kind == kSystemConventional) {
        SetRxToneType(m, g, 2);
        SetTxToneType(m, g, 2);
      } else {  // bytes 4 and 5 hold IDs: the types only
        grp::kRxToneType.Set(m, g, 2);
        grp::kTxToneType.Set(m, g, 2);
      }
    }
    hooks.modeM = s.band == Band::Vhf;
    g_bModified = 0;
  }

  // Over the whole text of the focused edit, then Tab.
  void TypeOver(const std::string& text) {
    Pump();  // the select-all posted on focus
    Type(text.c_str());
    Tab();
    Pump();
  }
  // A cell a person can reach: shown and enabled, and not one that only shows.
  static bool Reachable(grid::CGridPage& page, int id) {
    int column = 0;
    const grid::Row* row = page.RowOfCell(id, &column);
    const CWnd* cell = page.Item(id);
    return row && cell && row->kind != grid::Cell::Static && cell->IsWindowVisible() && cell->IsWindowEnabled();
  }
  // The value a row stands for in an entity (grid::kDefaultEntity: the
  // Default column): its field's code, or the text it shows where the row has
  // no field there.
  static std::string ValueOf(grid::CGridPage& page, const grid::Row& row, int entity) {
    const Field& field = entity == grid::kDefaultEntity ? row.defaultField : row.field;
    if (field.IsSet()) return std::to_string(RowValue::Get(page, row, entity));
    return page.CellText(row, entity);
  }
  // A row's value in an entity, by the row's place in the page's table.
  using Values = std::map<std::pair<std::size_t, int>, std::string>;
  // The values of every row in the Default column and the entities the page
  // shows now and after one step of its arrows.
  static Values ValuesOf(grid::CGridPage& page) {
    Values values;
    const grid::Axis& axis = page.GetAxis();
    const int end = std::min(page.First() + axis.columns + axis.step, axis.entities);
    for (const grid::Row& row : page.Rows()) {
      values[{RowIndex(page, row), grid::kDefaultEntity}] = ValueOf(page, row, grid::kDefaultEntity);
      for (int entity = page.First(); entity < end; ++entity) {
        values[{RowIndex(page, row), entity}] = ValueOf(page, row, entity);
      }
    }
    return values;
  }

  // One cell, from the values the page opened with: a list cell or check box
  // whose value a commit of another cell (the Default column's) has moved
  // already is left as it is. Else a list cell is set to the entry after the
  // one its list opens on, and on to the next while the entry stores the
  // value the cell had; a number or text is typed and left with Tab; a check
  // box is clicked. What is typed follows from the row, the column and the
  // salt: a row's numbers are higher than those of the rows above it (a first
  // ID below a last ID). False when the cell took no new value.
  bool DriveCell(grid::CGridPage& page, int id, int salt, Band band, const Values& start) {
    int column = 0;
    const grid::Row* row = page.RowOfCell(id, &column);
    const int entity = page.EntityOf(column);
    const auto opened = start.find({RowIndex(page, *row), entity});
    const bool moved = opened != start.end() && ValueOf(page, *row, entity) != opened->second;
    if (moved && (row->kind == grid::Cell::List || row->kind == grid::Cell::Check)) {
      if (row->kind == grid::Cell::List) changed.insert(RowKey{idd, RowIndex(page, *row)});
      return true;
    }
    const int pick = static_cast<int>(RowIndex(page, *row)) * 2 + (column + salt) % 2;
    if (row->kind != grid::Cell::List && row->kind != grid::Cell::Check && !TryFocus(id)) return false;
    switch (row->kind) {
      case grid::Cell::List: {
        const std::string before = ValueOf(page, *row, entity);
        int openedOn = 0;
        if (!ChooseByKeys(id, -1, &openedOn)) return false;
        const QListWidget* list = row->listId ? List(row->listId) : nullptr;
        for (int more = 2; list && more < list->count() && ValueOf(page, *row, entity) == before; ++more) {
          ChooseByKeys(id, (openedOn + more) % list->count());
        }
        if (ValueOf(page, *row, entity) == before) return false;
        changed.insert(RowKey{idd, RowIndex(page, *row)});
        break;
      }
      case grid::Cell::Number:
        if (row->edit.decimals > 0) {
          TypeOver((band == Band::Uhf ? "45" : "15") + std::to_string(pick % 10) + ".0125");
        } else {
          TypeOver(std::to_string(1 + pick));
        }
        break;
      case grid::Cell::Text:
        TypeOver("K" + std::to_string((id + salt) % 100));
        break;
      case grid::Cell::Hex:
        TypeOver(std::to_string(10 + (id + salt) % 80));
        break;
      case grid::Cell::Check:
        Click(page.Item(id));
        Pump();
        break;
      case grid::Cell::Static:
        break;
    }
    return true;
  }
  // Every cell of the page, in the order of their ids.
  static std::vector<int> CellIds(grid::CGridPage& page) {
    std::set<int> ids;
    for (const grid::Row& row : page.Rows()) {
      for (int c = 0; c <= page.GetAxis().columns; ++c) {
        if (const int id = page.CellId(row, c)) ids.insert(id);
      }
    }
    return {ids.begin(), ids.end()};
  }
  static std::size_t RowIndex(grid::CGridPage& page, const grid::Row& row) {
    return static_cast<std::size_t>(&row - page.Rows().data());
  }

  // Every cell of the page a person can reach (DriveInOrder), the cells in
  // `last` after the others. Returns the cell that closed others, or 0.
  int Drive(grid::CGridPage& page, int salt, Band band, const std::set<int>& last, const Values& start) {
    return DriveInOrder(CellIds(page), last, [&](int id) { return Reachable(page, id); },
                        [&](int id) {
                          const bool stored = DriveCell(page, id, salt, band, start);
                          // Back to the cell: what the focus leaving it stores is its own.
                          if (Reachable(page, id)) TryFocus(id);
                          return stored;
                        });
  }

  // The page from zone 1 (its first zone or its zone) on the radio as
  // prepared, which opens without marking a change: the script, one step of
  // the next arrow, the script again with another salt. A cell that switches
  // others off is put among the page's last cells, and the page starts again.
  void RunPage(const RadioSetup& s) {
    std::set<int>& last = lastCells[idd];
    for (;;) {
      changed.clear();
      PrepareRadio(s);
      pageIndex = 0;
      auto& page = dynamic_cast<grid::CGridPage&>(Open(idd));
      EXPECT_EQ(g_bModified, 0u);
      for (const grid::Row& row : page.Rows()) {
        if (row.kind == grid::Cell::List) listRows[RowKey{idd, RowIndex(page, row)}] = row.ids[0];
      }
      const Values start = ValuesOf(page);
      int closer = Drive(page, 0, s.band, last, start);
      if (const int next = page.GetAxis().nextId; !closer && next && Enabled(next)) {
        ClickButton(next);
        Pump();
        closer = Drive(page, 3, s.band, last, start);
      }
      Close();
      if (!closer) break;
      last.insert(closer);
    }
    changedRows.insert(changed.begin(), changed.end());
  }

  // The cells the template keeps hidden, which no key reaches: on the page
  // opened again, each shown and driven in the order of their ids. False when
  // the page hides none.
  bool DriveHidden(Band band) {
    pageIndex = 0;
    auto& page = dynamic_cast<grid::CGridPage&>(Open(idd));
    std::vector<int> hidden;
    for (int id : CellIds(page)) {
      if (!page.Item(id)->IsWindowVisible()) hidden.push_back(id);
    }
    for (int id : hidden) page.Item(id)->ShowWindow(SW_SHOW);
    Pump();
    changed.clear();
    const Values start = ValuesOf(page);
    for (int id : hidden) {
      if (Reachable(page, id)) DriveCell(page, id, 0, band, start);
    }
    changedRows.insert(changed.begin(), changed.end());
    Close();
    return !hidden.empty();
  }

  // Every grid page, each checked against its record.
  void Run(const RadioSetup& s) {
    const std::string script = "grid/" + RecordPath("", s.name).stem().string();
    for (UINT id : RegisteredPageIds()) {
      if (!dynamic_cast<grid::CGridPage*>(MakeRegisteredPage(id).get())) continue;
      SCOPED_TRACE("page " + std::to_string(id));
      idd = id;
      const FileBytes before = SavedBefore([&] { PrepareRadio(s); });
      RunPage(s);
      const std::string name = "page " + std::to_string(id);
      const FileBytes after = SavedAfter();
      ExpectRecorded(script, name, before, after);
      if (DriveHidden(s.band)) ExpectRecorded(script, name + ", hidden cells shown", after, SavedAfter());
    }
  }

  UINT idd = 0;                            // the page being driven
  std::map<UINT, std::set<int>> lastCells;  // by page: the cells that switch others off
  std::set<RowKey> changed;                // the list rows the page's script changed
  std::set<RowKey> changedRows;            // ... over every page and radio
  std::map<RowKey, int> listRows;          // every list row met: its first cell
};

TEST_F(GridGolden, TheSameInputSavesTheSameBytes) {
  for (const RadioSetup& c : kGoldenRadios) {
    SCOPED_TRACE(c.name);
    Run(c);
  }
  // A list row the script never changed is one no record covers.
  for (const auto& [key, cell] : listRows) {
    EXPECT_TRUE(changedRows.count(key)) << "page " << key.first << ": the list row of cell " << cell
                                        << " never stored a new value";
  }
}

}  // namespace
}  // namespace grid_test
