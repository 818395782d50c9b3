// One fixed script of real keys and clicks over every registered grid page, on
// a conventional, an LTR and a PassPort radio of each band, and the data file
// it saves (which loads again to the same image). The bytes it changes are
// compared with those recorded from a known-good build (tests/pages/golden/grid;
// test_golden_support.h says how they are recorded): a change of any page, hook
// or field that alters what the same input saves shows there, offset by offset.
#include <set>

#include "test_golden_support.h"

namespace grid_test {
namespace {

class GridGolden : public GoldenTest {
 protected:
  // Over the whole text of the focused edit, then Tab.
  void TypeOver(const std::string& text) {
    Pump();  // the select-all posted on focus
    Type(text.c_str());
    Tab();
    Pump();
  }
  // Every cell of the page a person can reach, in the order of their ids: a
  // list cell set to the entry after the one it shows; a number or text typed
  // and left with Tab; a check box clicked. What is typed follows from the id
  // and the salt.
  void Drive(grid::CGridPage& page, int salt, page_test::Band band) {
    std::set<int> ids;
    for (const grid::Row& row : page.Rows()) {
      for (int c = 0; c <= page.GetAxis().columns; ++c) {
        if (const int id = page.CellId(row, c)) ids.insert(id);
      }
    }
    for (int id : ids) {
      int column = 0;
      const grid::Row* row = page.RowOfCell(id, &column);
      CWnd* cell = page.Item(id);
      if (!row || !cell || !cell->IsWindowVisible() || !cell->IsWindowEnabled() || row->kind == grid::Cell::Static) continue;
      const int pick = id + salt;
      if (row->kind != grid::Cell::List && row->kind != grid::Cell::Check && !TryFocus(id)) continue;
      switch (row->kind) {
        case grid::Cell::List:
          ChooseByKeys(id, -1);
          break;
        case grid::Cell::Number:
          if (row->edit.decimals > 0) {
            TypeOver((band == page_test::Band::Uhf ? "45" : "15") + std::to_string(pick % 10) + ".0125");
          } else {
            TypeOver(std::to_string(1 + pick % 7));
          }
          break;
        case grid::Cell::Text:
          TypeOver("K" + std::to_string(pick % 100));
          break;
        case grid::Cell::Hex:
          TypeOver(std::to_string(10 + pick % 80));
          break;
        case grid::Cell::Check:
          Click(cell);
          Pump();
          break;
        case grid::Cell::Static:
          break;
      }
    }
  }

  // Every grid page from zone 1 (its first zone or its zone), which opens
  // without marking a change: the script, one step of the next arrow, the
  // script again with another salt.
  // The files saved before and after the script.
  std::pair<FileBytes, FileBytes> Run(const RadioSetup& s) {
    FileBytes before = SavedBefore([&] { Prepare(s); });
    for (UINT idd : RegisteredPageIds()) {
      pageIndex = 0;
      g_bModified = 0;
      auto* page = dynamic_cast<grid::CGridPage*>(&Open(idd));
      if (!page) continue;
      SCOPED_TRACE("page " + std::to_string(idd));
      EXPECT_EQ(g_bModified, 0u);
      Drive(*page, 0, s.band);
      if (const int next = page->GetAxis().nextId; next && Enabled(next)) {
        ClickButton(next);
        Pump();
        Drive(*page, 3, s.band);
      }
      Close();
    }
    return {std::move(before), SavedAfter()};
  }
};

TEST_F(GridGolden, TheSameInputSavesTheSameBytes) {
  using page_test::Band;
  const RadioSetup cases[] = {
      {"conventional UHF", kSystemConventional, Band::Uhf},
      {"conventional VHF", kSystemConventional, Band::Vhf},
      {"LTR UHF", kSystemLtr, Band::Uhf},
      {"LTR VHF", kSystemLtr, Band::Vhf},
      {"PassPort UHF", kSystemPassPort, Band::Uhf},
      {"PassPort VHF", kSystemPassPort, Band::Vhf},
  };
  for (const RadioSetup& c : cases) {
    SCOPED_TRACE(c.name);
    const auto [before, after] = Run(c);
    ExpectRecorded("grid", c.name, before, after);
  }
}

}  // namespace
}  // namespace grid_test
