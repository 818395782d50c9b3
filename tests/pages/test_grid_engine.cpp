// What the grid engine does the same way on every page, on the real pages:
// open and commit by mouse and by keys, one open list and one red cell at a
// time, the list placement, greyed cells that take no click, painting that
// settles, and messages that stay with the page. (The arrows' limits and held
// repeat are the channel table's and the repeater page's tests; each row's
// commit is the grid contract's.)
#include "pages/groups/conv_basic_page.h"
#include "pages/trunk/repeater_page.h"
#include "pages/trunk/zone_overview_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace zone_ids;

class GridEngineTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Prepare(kKindSetups[0]);
  }
};

TEST_F(GridEngineTest, OpenAndCommitByMouseAndByKeysGiveTheSameResult) {
  auto& page = Show<grid::CGridPage>(IDD_ZONE_OVERVIEW);
  ClickCell(kTimeout[1]);
  EXPECT_TRUE(ListShown(kPopupList));
  EXPECT_TRUE(IsRed(kTimeout[1]));
  DoubleClickItem(kPopupList, "1.0min");
  EXPECT_FALSE(ListShown(kPopupList));
  EXPECT_FALSE(IsRed(kTimeout[1]));
  EXPECT_EQ(Text(kTimeout[1]), "1.0min");
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_EQ(prompts.Beeps(), 2);

  // Enter on the cell opens, the arrow keys only move the selection, Enter commits.
  g_bModified = 0;
  const std::uint8_t kept = S().zoneTxTimeout[2];
  FocusOn(kTimeout[2]);
  Key(Qt::Key_Return);
  ASSERT_TRUE(ListShown(kPopupList));
  EXPECT_EQ(page.ActiveColumn(), 3);
  Key(Qt::Key_Home);
  Key(Qt::Key_Down);
  List(kPopupList)->setCurrentRow(0);  // a selection the program makes commits nothing either
  List(kPopupList)->setCurrentRow(List(kPopupList)->row(List(kPopupList)->findItems("1.0min", Qt::MatchExactly)[0]));
  EXPECT_EQ(S().zoneTxTimeout[2], kept);
  EXPECT_EQ(g_bModified, 0u);
  Key(Qt::Key_Return);
  EXPECT_EQ(S().zoneTxTimeout[2] & 0xF0, S().zoneTxTimeout[1] & 0xF0);
  EXPECT_NE(FocusedId(), kTimeout[2]);  // the focus moved on
}

TEST_F(GridEngineTest, ASecondCellHidesTheFirstListAndOnlyOneCellIsRed) {
  auto& page = Show<grid::CGridPage>(IDD_CONV_GROUP_BASIC);
  const auto before = Packed();
  ClickCell(conv_basic_ids::kMonitor[0]);
  ClickCell(group_ids::kTxInhibit[1]);
  EXPECT_FALSE(ListShown(conv_basic_ids::kMonitorList));
  EXPECT_TRUE(ListShown(group_ids::kTxInhibitList));
  int red = 0;
  for (const grid::Row& row : page.Rows()) {
    for (int c = 0; c <= page.GetAxis().columns; ++c) red += page.CellId(row, c) && IsRed(page.CellId(row, c));
  }
  EXPECT_EQ(red, 1);
  ExpectImageDiff(before, {});  // opening stores nothing
  EXPECT_EQ(g_bModified, 0u);
}

// Top T - 10, width widthFactor x W + 5, height heightFactor x H, left R - 5
// (a list of the last columns of a block opens to the left: the repeater
// page's test).
TEST_F(GridEngineTest, ListsOpenBesideTheCellByTheOneFormula) {
  const struct {
    UINT idd;
    int cell, list, widthFactor, heightFactor;
  } cases[] = {
      {IDD_CONV_GROUP_BASIC, conv_basic_ids::kRxType[0], conv_basic_ids::kRxTypeList, 1, 4},
      {IDD_REPEATERS, repeater_ids::kChannel[0], repeater_ids::kChannelList, 3, 4},
  };
  for (const auto& c : cases) {
    auto& page = Show<grid::CGridPage>(c.idd);
    ClickCell(c.cell);
    ASSERT_TRUE(ListShown(c.list)) << c.cell;
    CRect cell, list;
    page.GetDlgItem(c.cell)->GetWindowRect(&cell);
    page.GetDlgItem(c.list)->GetWindowRect(&list);
    EXPECT_EQ(list.left, cell.right - 5);
    EXPECT_EQ(list.top, cell.top - 10);
    // The formula's width, or more for entries that need it (the repeater's channels, checked on their page).
    if (c.idd == IDD_REPEATERS) EXPECT_GT(list.Width(), c.widthFactor * cell.Width() + 5);
    else EXPECT_EQ(list.Width(), c.widthFactor * cell.Width() + 5);
    EXPECT_EQ(list.Height(), c.heightFactor * cell.Height());
  }
}

TEST_F(GridEngineTest, GreyCellsTakeNoInputPaintingSettlesAndMessagesStayWithThePage) {
  S().zoneFlags[3] = 0;  // column 4's zone is not in use
  auto& page = Show<grid::CGridPage>(IDD_ZONE_OVERVIEW);
  EXPECT_EQ(StateOf(kTimeout[3]), grid::State::Inactive);
  ClickCell(kTimeout[3]);
  EXPECT_EQ(prompts.Beeps(), 0);
  EXPECT_FALSE(ListShown(kPopupList));
  // Every cell is enabled exactly when its state takes input.
  for (const grid::Row& row : page.Rows()) {
    for (int c = 0; c <= page.GetAxis().columns; ++c) {
      if (const int id = page.CellId(row, c); id && Visible(page, id)) {
        EXPECT_EQ(Enabled(id), StateOf(id) != grid::State::Inactive) << id;
      }
    }
  }

  PaintCounter paints(page.GetDlgItem(kTimeout[3])->GetSafeHwnd());
  page.RedrawWindow();
  Pump(50);
  const int settled = paints.paints;
  Pump(100);
  EXPECT_EQ(paints.paints, settled);

  for (UINT message : {WM_PAGEEDIT_ENTER, WM_BUTTON_ENTER, WM_LABEL_ENTER, WM_NUMEDIT_CHANGE, WM_REPEAT_STEP,
                       WM_SHOWPAGE_ZONE, WM_USER + 0x77}) {
    page.SendMessage(message, 4242, 0);
  }
  page.SendMessage(WM_COMMAND, MAKEWPARAM(4242, BN_CLICKED), 0);
  EXPECT_TRUE(host.sent.empty());
}

}  // namespace
}  // namespace grid_test
