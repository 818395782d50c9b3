// The grid engine on a small page of three zone columns and a Default column:
// open and commit by mouse and by keys, selection changes, one open list at a
// time, the Default column's scope, list placement, the arrows, disabled
// cells, painting and messages that stay with the page.
#include <cstdio>

#include "model/zone_fields.h"
#include "pages/grid/zone_columns_page.h"
#include "res/page_zone_grid.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

constexpr UINT kPageId = 9791;
constexpr int kPrev = 900, kNext = 901;
constexpr int kTimer = 1000, kPower = 1010, kDcc = 1020, kId = 1030, kAlias = 1040, kRevert = 1050;
constexpr int kTimerList = 1100, kPowerList = 1101, kDccList = 1102, kRevertList = 1103;

// Cell of row `base` in column c (0: Default).
constexpr int C(int base, int c) { return base + c; }

std::string RevertText(grid::CGridPage&, const grid::Row&, int z) {
  if (z < 0 || TheModel().store.zoneRevertGroup[z] == 255) return "None";
  char text[16];
  std::snprintf(text, sizeof text, "Grp %2d", TheModel().store.CountGroupsBeforeZone(z) + TheModel().store.zoneRevertGroup[z] + 1);
  return text;
}

void RevertEntries(grid::CGridPage&, const grid::Row&, int z, std::vector<grid::Entry>& entries) {
  grid::EntriesOf(entries, [z](IChoiceList& list, ListIndexMap& map) { TheModel().store.FillGroupList(list, map, 255, z); });
}

grid::State InUseOnly(grid::CGridPage&, const grid::Row&, int, int z) {
  return TheModel().store.IsZoneInUse(z) ? grid::State::Active : grid::State::Inactive;
}

const grid::Row kRows[] = {
    {.ids = {C(kTimer, 1), C(kTimer, 2), C(kTimer, 3)}, .defaultId = kTimer, .listId = kTimerList,
     .choices = zf::kTimerList, .field = zf::kTxTimeout, .pageDefault = {0, 0xF0},
     .scope = grid::Scope::Entities, .heightFactor = 4},
    {.ids = {C(kPower, 1), C(kPower, 2), C(kPower, 3)}, .listId = kPowerList, .choices = zf::kTxPowerList,
     .field = zf::kTxPower, .widthFactor = 2},
    {.ids = {C(kDcc, 1), C(kDcc, 2), C(kDcc, 3)}, .listId = kDccList, .choices = zf::kDccList, .field = zf::kDcc,
     .trigger = grid::Trigger::SelChange, .heightFactor = 3, .movesFocus = false, .setsModified = false},
    {.kind = grid::Cell::Number, .ids = {C(kId, 1), C(kId, 2), C(kId, 3)}, .field = zf::kAffiliatedSystemId,
     .trigger = grid::Trigger::KillFocus, .edit = {.intDigits = 3}},
    {.kind = grid::Cell::Text, .ids = {C(kAlias, 1), C(kAlias, 2), C(kAlias, 3)}, .text = zf::kAlias,
     .trigger = grid::Trigger::Keystroke},
    {.ids = {C(kRevert, 1), C(kRevert, 2), C(kRevert, 3)}, .listId = kRevertList, .field = zf::kRevertGroup,
     .show = &RevertText, .state = &InUseOnly, .fill = &RevertEntries},
};

constexpr grid::Axis kAxis{.columns = 3, .block = 3, .entities = 32, .prevId = kPrev, .nextId = kNext,
                           .defaultCaptionId = 902, .captionIds = {903, 904, 905}};

class CTestGridPage : public grid::CGridPage {
 public:
  CTestGridPage() : CGridPage(kPageId, kAxis, kRows) { Defaults()[0] = 0x60; }
  int FirstMax() const override { return 29; }

 protected:
  void OnClose() { grid::OnClosePage(*this); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestGridPage, grid::CGridPage)
  ON_BN_CLICKED(906, OnClose)
END_MESSAGE_MAP()

void RegisterTestPage() {
  using namespace grid_res;
  DialogTemplate d;
  d.id = kPageId;
  d.cx = 380;
  d.cy = 300;
  d.style = WS_CHILD | DS_CONTROL;
  auto& items = d.items;
  items.push_back(dlg::PushButton("<", kPrev, 90, 2, 20, 12));
  items.push_back(dlg::PushButton(">", kNext, 220, 2, 20, 12));
  items.push_back(dlg::PushButton("Close", 906, 150, 2, 40, 12));
  const Columns columns{40, {90, 140, 190}, 46, 11};
  items.push_back(Caption("", 902, 40, 16, 46, 11));
  for (int c = 0; c < 3; ++c) items.push_back(Caption("", 903 + c, columns.x[std::size_t(c)], 16, 46, 11));
  int y = 30;
  for (const grid::Row& row : kRows) {
    const Kind kind = row.kind == grid::Cell::List ? Kind::List : Kind::Edit;
    AddRow(items, columns, y, kind, row.defaultId, std::span<const int>(row.ids.data(), 3));
    y += 14;
  }
  for (int id : {kTimerList, kPowerList, kDccList, kRevertList}) items.push_back(PopupList(id));
  RegisterDialogTemplate(d);
}

class GridEngineTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    RegisterTestPage();
    RegisterPage(kPageId, [] { return std::unique_ptr<CDialog>(new CTestGridPage); });
    for (int z = 0; z < kZoneCount; ++z) {
      TheModel().store.zoneTxTimeout[z] = 0x6A;
      TheModel().store.zoneFlags[z] = kZoneInUse;
    }
    grid = &OpenAs<CTestGridPage>(kPageId);
    prompts.Clear();
  }
  void TearDown() override {
    GridTest::TearDown();
    RegisterPage(kPageId, nullptr);
  }
  CChannelStore& S() { return TheModel().store; }
  CTestGridPage* grid = nullptr;
};

TEST_F(GridEngineTest, OpenAndCommitByMouseAndByKeysGiveTheSameResult) {
  grid->SetFirst(4);
  grid->Refresh();
  EXPECT_EQ(Text(903), "5");
  ClickCell(C(kTimer, 1));
  EXPECT_TRUE(ListShown(kTimerList));
  EXPECT_TRUE(IsRed(C(kTimer, 1)));
  DoubleClickItem(kTimerList, "1.0min");
  EXPECT_EQ(S().zoneTxTimeout[4], 0x2A);  // bits 4-7 only
  EXPECT_FALSE(ListShown(kTimerList));
  EXPECT_EQ(Text(C(kTimer, 1)), "1.0min");
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_EQ(prompts.Beeps(), 2);

  // Enter on the cell opens, the arrow keys only move the selection, Enter commits.
  g_bModified = 0;
  FocusOn(C(kTimer, 2));
  Key(Qt::Key_Return);
  ASSERT_TRUE(ListShown(kTimerList));
  EXPECT_EQ(grid->ActiveColumn(), 2);
  for (int i = 0; i < 4; ++i) Key(Qt::Key_Up);  // from "3.0min" to "1.0min"
  EXPECT_EQ(S().zoneTxTimeout[5], 0x6A);
  List(kTimerList)->setCurrentRow(0);  // a selection the program makes commits nothing either
  List(kTimerList)->setCurrentRow(1);
  EXPECT_EQ(g_bModified, 0u);
  Key(Qt::Key_Return);
  EXPECT_EQ(S().zoneTxTimeout[5], S().zoneTxTimeout[4]);
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_NE(FocusedId(), C(kTimer, 2));  // the focus moved on

  // A row that commits on the selection: the first change writes, quietly.
  g_bModified = 0;
  ClickCell(C(kDcc, 3));
  Key(Qt::Key_Down);
  EXPECT_EQ(S().zoneFormat[6] & 0x03, 1);
  EXPECT_FALSE(ListShown(kDccList));
  EXPECT_EQ(g_bModified, 0u);
}

TEST_F(GridEngineTest, ASecondCellHidesTheFirstListAndOnlyOneCellIsRed) {
  ClickCell(C(kTimer, 1));
  ClickCell(C(kPower, 2));
  EXPECT_FALSE(ListShown(kTimerList));
  EXPECT_TRUE(ListShown(kPowerList));
  int red = 0;
  for (int base : {kTimer, kPower, kDcc, kRevert}) {
    for (int c = 0; c <= 3; ++c) red += Page().GetDlgItem(C(base, c)) && IsRed(C(base, c));
  }
  EXPECT_EQ(red, 1);
  EXPECT_TRUE(IsRed(C(kPower, 2)));
  EXPECT_EQ(S().zoneTxTimeout[0], 0x6A);
  EXPECT_EQ(g_bModified, 0u);
}

TEST_F(GridEngineTest, TheDefaultColumnWritesTheRowsBitsOfEveryEntityInScope) {
  EXPECT_EQ(Text(kTimer), "3.0min");
  ClickCell(kTimer);
  DoubleClickItem(kTimerList, "5.0min");
  for (int z = 0; z < kZoneCount; ++z) ASSERT_EQ(S().zoneTxTimeout[z], 0xAA) << z;
  EXPECT_EQ(grid->Defaults()[0], 0xA0);
  EXPECT_EQ(Text(kTimer), "5.0min");
  // A column commit leaves the Default cell as it was.
  ClickCell(C(kTimer, 2));
  DoubleClickItem(kTimerList, "0.5min");
  EXPECT_EQ(S().zoneTxTimeout[1], 0x1A);
  EXPECT_EQ(Text(kTimer), "5.0min");
}

TEST_F(GridEngineTest, ListsOpenBesideTheCellByTheOneFormula) {
  CRect page, cell, list;
  grid->GetWindowRect(&page);
  for (int c = 1; c <= 3; ++c) {
    ClickCell(C(kPower, c));
    grid->GetDlgItem(C(kPower, c))->GetWindowRect(&cell);
    grid->GetDlgItem(kPowerList)->GetWindowRect(&list);
    const int w = cell.Width(), h = cell.Height();
    const int left = c == 1 ? cell.right - 5 : cell.left - 2 * w - 5;  // the last two of the block open left
    EXPECT_EQ(list.left, left) << c;
    EXPECT_EQ(list.top, cell.top - 10) << c;
    EXPECT_EQ(list.Width(), 2 * w + 5);
    EXPECT_EQ(list.Height(), 2 * h);
  }
  ClickCell(C(kTimer, 3));
  grid->GetDlgItem(C(kTimer, 3))->GetWindowRect(&cell);
  grid->GetDlgItem(kTimerList)->GetWindowRect(&list);
  EXPECT_EQ(list.left, cell.left - cell.Width() - 5);
  EXPECT_EQ(list.Height(), 4 * cell.Height());
  ClickCell(C(kTimer, 2));
  grid->GetDlgItem(kTimerList)->GetWindowRect(&list);
  grid->GetDlgItem(C(kTimer, 2))->GetWindowRect(&cell);
  EXPECT_EQ(list.left, cell.right - 5);
}

TEST_F(GridEngineTest, ArrowsBeepAndStopAtTheirLimitsAndAHeldArrowStepsWithinThem) {
  Click(grid->GetDlgItem(kPrev));
  EXPECT_EQ(grid->First(), 0);
  EXPECT_EQ(prompts.Beeps(), 1);
  Click(grid->GetDlgItem(kNext));
  EXPECT_EQ(grid->First(), 1);
  EXPECT_EQ(Text(903), "2");
  grid->SetFirst(29);
  Click(grid->GetDlgItem(kNext));
  EXPECT_EQ(grid->First(), 29);
  EXPECT_EQ(Text(905), "32");
  EXPECT_EQ(prompts.Beeps(), 3);

  CHandTicks ticks;
  CRepeatButton::SetDefaultTickSource(&ticks);
  grid->SetFirst(2);
  QTest::mousePress(grid->GetDlgItem(kPrev)->GetSafeHwnd(), Qt::LeftButton);
  ticks.Tick(8 * 5);
  EXPECT_EQ(grid->First(), 0);
  EXPECT_EQ(Text(903), "1");
  QTest::mouseRelease(grid->GetDlgItem(kPrev)->GetSafeHwnd(), Qt::LeftButton);
  CRepeatButton::SetDefaultTickSource(nullptr);
  EXPECT_EQ(grid->First(), 0);
}

TEST_F(GridEngineTest, ADisabledCellIsSkippedByTabAndTakesNoClick) {
  S().zoneFlags[1] = 0;  // column 2's zone is not in use
  grid->Refresh();
  EXPECT_FALSE(Enabled(C(kRevert, 2)));
  FocusOn(C(kRevert, 1));
  Key(Qt::Key_Tab);
  EXPECT_EQ(FocusedId(), C(kRevert, 3));
  prompts.Clear();
  ClickCell(C(kRevert, 2));
  EXPECT_EQ(prompts.Beeps(), 0);
  EXPECT_FALSE(ListShown(kRevertList));
  // A list a hook builds: "None" and the zone's groups in use, mapped to their number in the zone.
  S().groups[0].flags |= kGroupInUse;
  ClickCell(C(kRevert, 1));
  ASSERT_EQ(List(kRevertList)->count(), 2);
  DoubleClickItem(kRevertList, "Grp  1");
  EXPECT_EQ(S().zoneRevertGroup[0], 0);
  EXPECT_EQ(Text(C(kRevert, 1)), "Grp  1");
}

TEST_F(GridEngineTest, PaintingSettlesAndMessagesStayWithThePage) {
  S().zoneFlags[2] = 0;
  grid->Refresh();
  PaintCounter paints(grid->GetDlgItem(C(kRevert, 3))->GetSafeHwnd());
  grid->RedrawWindow();
  Pump(50);
  const int settled = paints.paints;
  Pump(100);
  EXPECT_EQ(paints.paints, settled);
  EXPECT_FALSE(Enabled(C(kRevert, 3)));

  host.sent.clear();
  for (UINT message : {WM_PAGEEDIT_ENTER, WM_BUTTON_ENTER, WM_LABEL_ENTER, WM_NUMEDIT_CHANGE, WM_REPEAT_STEP,
                       WM_SHOWPAGE_ZONE, WM_USER + 0x77}) {
    grid->SendMessage(message, 4242, 0);
  }
  grid->SendMessage(WM_COMMAND, MAKEWPARAM(4242, BN_CLICKED), 0);
  EXPECT_TRUE(host.sent.empty());
  // Enter on a push button clicks it: "Close" asks the main dialog for the zone overview.
  FocusOn(906);
  Key(Qt::Key_Return);
  ASSERT_EQ(Sent().size(), 1u);
  EXPECT_EQ(Sent()[0], (Switch{WM_SHOWPAGE_ZONE, 0, 255}));
}

TEST_F(GridEngineTest, EditsCommitOnTheirOwnColumn) {
  // Typed into column 2, then a list of column 3 opened: the edit's commit goes to its own zone.
  TypeInto(C(kId, 2), "45");
  ClickCell(C(kTimer, 3));
  EXPECT_EQ(S().zoneAffiliatedSystemId[1], 45);
  EXPECT_EQ(grid->ActiveColumn(), 3);
  DoubleClickItem(kTimerList, "7.0min");
  EXPECT_EQ(S().zoneTxTimeout[2], 0xEA);
  EXPECT_EQ(S().zoneTxTimeout[1], 0x6A);

  // A text row commits every keystroke.
  g_bModified = 0;
  TypeInto(C(kAlias, 1), "ab");
  EXPECT_STREQ(S().systemNames[0], "AB      ");
  EXPECT_EQ(g_bModified, 1u);
}

}  // namespace
}  // namespace grid_test
