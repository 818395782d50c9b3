// The 5-Tone page driven by real keys, clicks and double-clicks: what the
// editor takes and stores, the cells that never open it, the Tab into the
// grid, the buttons, and the grid's scrolling in a small window. (The field
// golden script types into every cell; the model tests hold each cell's range.)
#include <QAccessible>

#include <array>

#include "shell/test_main_dlg_support.h"
#include "test_five_tone_support.h"

namespace five_tone_test {

BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
  ON_MESSAGE(WM_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

class FiveTonePageTest : public FiveToneTest {
 protected:
  void SetUp() override {
    FiveToneTest::SetUp();
    CreatePage();
  }
  CMSFlexGrid& Grid() { return GridOf(page, IDC_FT_TONE_GRID); }
  bool Editing() { return EditorShown(page, IDC_FT_CELL_EDIT); }
  std::string EditorText() { return page.GetDlgItemText(IDC_FT_CELL_EDIT); }
};

TEST_F(FiveTonePageTest, TypedValuesAreStoredWithinTheirRangesAndShownFromTheRecord) {
  // Tab from "Encode/Decode" makes NATEL/USER digit 0 current without a move of
  // the person's; Enter edits that row.
  page.GotoDlgCtrl(page.GetDlgItem(IDC_FT_ENCODE_DECODE));
  Key(Qt::Key_Tab);
  EXPECT_EQ(FocusedId(), IDC_FT_TONE_GRID);
  Key(Qt::Key_Return);
  ASSERT_TRUE(Editing());
  EXPECT_EQ(EditorText(), " 1000");
  Type("2999");
  Key(Qt::Key_Return);
  EXPECT_FALSE(Editing());
  EXPECT_EQ(TheModel().fiveToneTable.GetTone(0), 2999u);
  EXPECT_EQ(Grid().GetTextMatrix(1, 5), " 2999");

  struct Case {
    int row, col;
    const char* typed;  // the first character opens the editor
    const char* shown;
    bool modified;
  };
  // Each range's ends (out of range: nothing stored, the record shows again).
  const Case cases[] = {
      {4, 5, "2345", " 2345", true}, {4, 5, "3001", " 2345", false}, {4, 5, "299", " 2345", false},
      {17, 2, "1", "  1", true},     {17, 4, "255", "255", true},    {17, 4, "256", "255", false},
      {18, 3, "7", "   5", true},    {18, 1, "1275", "1275", true},  {18, 1, "4", "1275", false},
      {18, 5, "12A4", " 120", true},  // letters never reach the number; 124 is stored as 120
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " @" + std::to_string(c.row) + "," + std::to_string(c.col));
    g_bModified = 0;
    ClickCell(Grid(), c.row, c.col);
    Type(std::string(1, c.typed[0]).c_str());
    ASSERT_TRUE(Editing());
    EXPECT_EQ(EditorText(), std::string(1, c.typed[0]));  // the digit typed, the caret after it
    Type(c.typed + 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid().GetTextMatrix(c.row, c.col), c.shown);
    EXPECT_EQ(g_bModified, c.modified ? 1u : 0u);
  }
  // An emptied editor, and Esc, give the old text back and store nothing.
  g_bModified = 0;
  ClickCell(Grid(), 4, 5);
  Key(Qt::Key_Return);
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Delete);
  Key(Qt::Key_Return);
  ClickCell(Grid(), 17, 2);
  Type("9");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Editing());
  EXPECT_EQ(Grid().GetTextMatrix(4, 5), " 2345");
  EXPECT_EQ(Grid().GetTextMatrix(17, 2), "  1");
  EXPECT_EQ(g_bModified, 0u);
}

TEST_F(FiveTonePageTest, OnlyTheRecordsCellsOpenTheEditorAndTheButtonsOpenTheDialogs) {
  // The fixed tone sets, the headings: no key, Enter or double click edits them.
  for (auto [row, col] : {std::pair{3, 2}, std::pair{16, 4}}) {
    ClickCell(Grid(), row, col);
    Type("5");
    Key(Qt::Key_Return);
    DoubleClickCell(Grid(), row, col);
    EXPECT_FALSE(Editing()) << row << "," << col;
  }
  DoubleClickCell(Grid(), 0, 5);
  DoubleClickCell(Grid(), 7, 0);
  Type("a");  // a letter starts nothing either
  EXPECT_FALSE(Editing());
  EXPECT_EQ(g_bModified, 0u);

  // Rows 17 and 18 of the fixed sets, and the user tones, open on a double click.
  DoubleClickCell(Grid(), 17, 1);
  ASSERT_TRUE(Editing());
  EXPECT_EQ(EditorText(), "219");
  Key(Qt::Key_Escape);
  DoubleClickCell(Grid(), 9, 5);
  EXPECT_EQ(EditorText(), " 1008");
  // A click elsewhere commits the editor's text.
  Type("600");
  ClickCell(Grid(), 2, 5);
  EXPECT_FALSE(Editing());
  EXPECT_EQ(TheModel().fiveToneTable.GetTone(8), 600u);

  prompts.Answer(IDCANCEL);
  prompts.Answer(IDCANCEL);
  Click(page.GetDlgItem(IDC_FT_COMMON_SYSTEM));
  Click(page.GetDlgItem(IDC_FT_ENCODE_DECODE));
  ASSERT_EQ(prompts.Prompts().size(), 2u);
  EXPECT_EQ(prompts.Prompts()[0].dialogId, IDD_FIVE_TONE_SYSTEM);
  EXPECT_EQ(prompts.Prompts()[1].dialogId, IDD_FIVE_TONE_LISTS);
}

// The names accessibility tools read for a grid's column headers (left to
// right) and row headers (top to bottom), each checked against the texts of its
// fixed cells, blanks between.
using Names = std::vector<std::string>;
std::array<Names, 2> ExpectHeadersNamedAsShown(CMSFlexGrid& grid) {
  std::array<Names, 2> names;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid.GetSafeHwnd());
  for (int i = 0; table && i < table->childCount(); ++i) {
    QAccessibleInterface* child = table->child(i);
    const QAccessible::Role role = child ? child->role() : QAccessible::NoRole;
    if (role == QAccessible::ColumnHeader || role == QAccessible::RowHeader)
      names[role == QAccessible::RowHeader].push_back(child->text(QAccessible::Name).toStdString());
  }
  for (const bool rows : {false, true}) {
    EXPECT_EQ(names[rows].size(), std::size_t(rows ? grid.GetRows() : grid.GetCols()));
    for (long s = 0; s < long(names[rows].size()); ++s) {
      std::string shown;
      for (long i = 0; i < (rows ? grid.GetFixedCols() : grid.GetFixedRows()); ++i) {
        const std::string text = rows ? grid.GetTextMatrix(s, i) : grid.GetTextMatrix(i, s);
        if (!text.empty()) shown += (shown.empty() ? "" : " ") + text;
      }
      EXPECT_EQ(names[rows][std::size_t(s)], shown) << rows << ":" << s;
    }
  }
  return names;
}

// A screen reader reads every heading and label of the tone grid and of the
// encode/decode dialog's three grids by its text (two heading rows as one
// name), also a heading written later.
TEST_F(FiveTonePageTest, EveryHeaderOfEveryGridIsNamedByTheTextItShows) {
  const auto tones = ExpectHeadersNamedAsShown(Grid());
  EXPECT_EQ(tones[0], (Names{"", "ZVEI", "CCIR1", "EEA", "EIA", "NATEL/USER"}));
  EXPECT_EQ(tones[1].back(), "Gap Period Time[ms]");
  Grid().SetTextMatrix(0, 5, "USER");
  Grid().SetTextMatrix(16, 0, "F'");
  EXPECT_EQ(ExpectHeadersNamedAsShown(Grid())[1][16], "F'");
  Run<CFiveToneListDlg>([](CFiveToneListDlg& d) {
    EXPECT_EQ(ExpectHeadersNamedAsShown(GridOf(d, IDC_FT_ENCODE_GRID))[0][3], "Mute Mode");
    EXPECT_EQ(ExpectHeadersNamedAsShown(GridOf(d, IDC_FT_DECODE_GRID))[1][2], "Decode 1");
    EXPECT_EQ(ExpectHeadersNamedAsShown(GridOf(d, IDC_FT_SPECIAL_GRID))[1], (Names{"STUN", "KILL", "REVIVE"}));
    d.EndDialog(IDCANCEL);
  });
}

// The tab as the main dialog shows it: at the default window size every cell
// of the tone grid shows; in a smaller window the grid scrolls its cells (under
// the headings and beside the labels, as every grid does) and the page itself
// does not scroll (so its buttons stay in view, as every page's controls must).
class FiveToneTabTest : public main_dlg_test::MainDlgTest {};

TEST_F(FiveToneTabTest, EveryCellShowsAtTheDefaultSizeAndTheLabelsStayWhenSmaller) {
  TheModel().store.modelWord = 11u << 8;
  Start();
  dlg->SelectPage(PageSlot::FiveTone);
  Pump();
  CDialog& page = *dlg->GetCurrentPage();
  CMSFlexGrid& grid = GridOf(page, IDC_FT_TONE_GRID);
  EXPECT_TRUE(grid_test::AllCellsShown(grid));

  CRect full;
  dlg->GetWindowRect(&full);
  dlg->MoveWindow(full.left, full.top, full.Width() * 3 / 5, full.Height() / 2);
  Pump();
  EXPECT_FALSE(grid_test::AllCellsShown(grid));
  // The grid scrolls, not the page.
  auto& scrolling = dynamic_cast<CScrollPage&>(page);
  EXPECT_FALSE(scrolling.IsScrollBarShown(CScrollPage::SB_HORZ) || scrolling.IsScrollBarShown(CScrollPage::SB_VERT));
  // To the last cell by keys, as a person scrolls; then its editor.
  ClickCell(grid, 1, 1);
  Key(Qt::Key_End);
  for (int i = 0; i < 18; ++i) Key(Qt::Key_PageDown);
  ASSERT_EQ(grid.GetRow(), 18);
  ASSERT_EQ(grid.GetCol(), 5);
  Key(Qt::Key_Return);
  ASSERT_TRUE(EditorShown(page, IDC_FT_CELL_EDIT));
  EXPECT_TRUE(grid.IsCellShown(18, 5));
  CRect editor, inGrid;
  page.GetDlgItem(IDC_FT_CELL_EDIT)->GetWindowRect(&editor);
  grid.GetWindowRect(&inGrid);
  EXPECT_TRUE(inGrid.PtInRect(editor.TopLeft()) && inGrid.PtInRect(CPoint(editor.right - 1, editor.bottom - 1)));
}

}  // namespace
}  // namespace five_tone_test
