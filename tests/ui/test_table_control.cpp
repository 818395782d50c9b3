// The grid control driven by real clicks and keys: the current cell never lands
// on a fixed cell by the person's hand, the parent hears of the person's moves
// and typed characters only, the headings and labels stay in view while the
// other cells scroll, every column holds its texts, and the in-place editor's
// rectangle covers the current cell, also after the grid has scrolled.
#include <QScrollBar>
#include <QTableWidget>

#include "table_control_test_support.h"
#include "ui/table_control/flex_grid.h"
#include "ui_test_support.h"

using namespace ui_test;
using grid_test::ClickCell;

namespace {

constexpr UINT kGridDialog = 9731;
constexpr int kGrid = 1589;

class CGridHost : public CDialog {
 public:
  CGridHost() : CDialog(kGridDialog) {}
  CMSFlexGrid grid;
  std::vector<std::pair<long, long>> moves;  // the current cell at each notification
  std::string typed;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kGrid, grid); }
  void OnRowColChange(NMHDR*, LRESULT*) { moves.emplace_back(grid.GetRow(), grid.GetCol()); }
  void OnKeyPress(NMHDR* header, LRESULT*) { typed += static_cast<char>(reinterpret_cast<NMGRIDKEY*>(header)->keyAscii); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CGridHost, CDialog)
  ON_NOTIFY(GN_ROWCOLCHANGE, kGrid, OnRowColChange)
  ON_NOTIFY(GN_KEYPRESS, kGrid, OnKeyPress)
END_MESSAGE_MAP()

class GridTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterFlexGridControl();
    RegisterVisibleDialog(kGridDialog, "Grid", 260, 160,
                          {dlg::PushButton("Button", 1001, 4, 4, 40, 14),
                           dlg::Control("", kGrid, kFlexGridClass, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 24, 200, 100)});
    ASSERT_TRUE(host.Create(kGridDialog));
    ASSERT_TRUE(Activate(host));
    CMSFlexGrid& g = host.grid;
    g.SetRedraw(FALSE);
    g.SetRows(40);
    g.SetCols(4);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    for (long c = 0; c < 4; ++c) g.SetColWidth(c, 900);
    for (long r = 0; r < 40; ++r)
      for (long c = 0; c < 4; ++c) g.SetTextMatrix(r, c, std::to_string(r) + "," + std::to_string(c));
    g.SetRow(1);
    g.SetCol(0);
    g.SetRedraw(TRUE);
    Pump();
  }
  void TearDown() override {
    host.DestroyWindow();
    WndTest::TearDown();
  }
  QTableWidget* Table() { return static_cast<QTableWidget*>(host.grid.GetSafeHwnd()); }
  // The cell as it lies in the dialog's client area, measured by Qt itself.
  CRect CellInDialog(int r, int c) {
    const QRect cell = Table()->visualRect(Table()->model()->index(r, c));
    const QPoint topLeft = Table()->viewport()->mapTo(host.GetSafeHwnd(), cell.topLeft());
    return {topLeft.x(), topLeft.y(), topLeft.x() + cell.width(), topLeft.y() + cell.height()};
  }

  CGridHost host;
};

TEST_F(GridTest, ClicksAndArrowsMoveOnlyOverCellsThatAreNotFixedAndTellTheParent) {
  CMSFlexGrid& g = host.grid;
  // The program's moves, even onto a fixed cell, raise nothing.
  g.SetRow(3);
  g.SetCol(2);
  g.SetRow(1);
  g.SetCol(0);
  EXPECT_TRUE(host.moves.empty());

  ClickCell(g, 0, 2);  // fixed row
  ClickCell(g, 4, 0);  // fixed column
  EXPECT_EQ(g.GetRow(), 1);
  EXPECT_EQ(g.GetCol(), 0);
  EXPECT_TRUE(host.moves.empty());
  EXPECT_EQ(CWnd::GetFocus(), &g);  // a click on the grid still takes the focus

  ClickCell(g, 2, 3);
  ClickCell(g, 2, 3);  // no move: no notification
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);  // would be the fixed row: refused
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);  // would be the fixed column
  Key(Qt::Key_End);
  Key(Qt::Key_Down);
  const std::vector<std::pair<long, long>> expected = {{2, 3}, {1, 3}, {1, 2}, {1, 1}, {1, 3}, {2, 3}};
  EXPECT_EQ(host.moves, expected);
  EXPECT_EQ(g.GetTextMatrix(g.GetRow(), g.GetCol()), "2,3");
  EXPECT_EQ(g.GetText(), "2,3");

  // Characters typed on the grid go to the parent; they move nothing.
  Type("7a#");
  Key(Qt::Key_Space);
  EXPECT_EQ(host.typed, "7a# ");
  EXPECT_EQ(host.moves.size(), expected.size());
}

TEST_F(GridTest, TheEditorRectangleCoversTheCurrentCellAlsoAfterScrolling) {
  CMSFlexGrid& g = host.grid;
  g.SetRow(2);
  g.SetCol(2);
  CRect cell = CellInDialog(2, 2);
  CRect editor = g.GetCellEditorRect(&host);
  EXPECT_EQ(editor, CRect(cell.left - 1, cell.top - 1, cell.right + 1, cell.bottom + 1));
  EXPECT_EQ(g.GetColWidth(2), 900);

  // A row far down: asking for its rectangle scrolls it into view.
  const int before = Table()->verticalScrollBar()->value();
  g.SetRow(35);
  editor = g.GetCellEditorRect(&host);
  EXPECT_GT(Table()->verticalScrollBar()->value(), before);
  cell = CellInDialog(35, 2);
  EXPECT_EQ(editor, CRect(cell.left - 1, cell.top - 1, cell.right + 1, cell.bottom + 1));
  CRect gridRect;
  g.GetWindowRect(&gridRect);
  host.ScreenToClient(&gridRect);
  EXPECT_GE(editor.top, gridRect.top);
  EXPECT_LE(editor.bottom, gridRect.bottom);

  // A click on a cell shown after scrolling makes that cell current.
  ClickCell(g, 34, 1);
  EXPECT_EQ(g.GetRow(), 34);
  EXPECT_EQ(g.GetCol(), 1);
  EXPECT_EQ(g.GetMouseRow(), 34);
  EXPECT_EQ(g.GetMouseCol(), 1);
}

TEST_F(GridTest, HeadingsAndLabelsStayInViewWhileTheOtherCellsScrollAndEveryColumnHoldsItsTexts) {
  CMSFlexGrid& g = host.grid;
  g.SetRedraw(FALSE);
  for (long c = 1; c < 4; ++c) g.SetColWidth(c, 1200);
  g.SetTextMatrix(5, 0, "Row label, long");
  g.SetTextMatrix(0, 2, "A heading wider than its two columns");
  g.SetTextMatrix(0, 3, g.GetTextMatrix(0, 2));
  g.SetMergeRow(0, TRUE);
  g.SetRedraw(TRUE);
  // Every text fits its column, a merged heading its run of columns.
  EXPECT_GE(g.GetColWidth(0), g.GetTextWidth(g.GetTextMatrix(5, 0)));
  EXPECT_GE(g.GetColWidth(2) + g.GetColWidth(3), g.GetTextWidth(g.GetTextMatrix(0, 2)));
  EXPECT_LT(g.GetColWidth(2), g.GetTextWidth(g.GetTextMatrix(0, 2)));
  g.SetTextMatrix(7, 1, "A cell text set later, wider than its column");  // drawing is on
  EXPECT_GE(g.GetColWidth(1), g.GetTextWidth(g.GetTextMatrix(7, 1)));
  Pump();

  // The last cell brought into view: the heading above it, the label beside
  // it and the corner still show; the first cells that scroll do not.
  g.SetRow(39);
  g.SetCol(3);
  g.GetCellLeft();
  EXPECT_GT(Table()->horizontalScrollBar()->value(), 0);
  EXPECT_GT(Table()->verticalScrollBar()->value(), 0);
  for (auto [r, c] : {std::pair{39L, 3L}, std::pair{0L, 3L}, std::pair{39L, 0L}, std::pair{0L, 0L}}) {
    EXPECT_TRUE(g.IsCellShown(r, c)) << r << "," << c;
  }
  EXPECT_FALSE(g.IsCellShown(1, 1));
  // The label is drawn where it stands: dark text on the button face.
  Pump();
  const QImage shot = Table()->grab().toImage();
  const CRect label = g.GetCellRect(39, 0);
  int dark = 0;
  for (int y = label.top; y < label.bottom; ++y)
    for (int x = label.left; x < label.right; ++x) dark += qGray(shot.pixel(x, y)) < 96;
  EXPECT_GT(dark, 10);
  // A click on the label moves nothing; on a cell beside it, the current cell.
  ClickCell(g, 39, 0);
  EXPECT_TRUE(host.moves.empty());
  ClickCell(g, 38, 3);
  EXPECT_EQ(host.moves, (std::vector<std::pair<long, long>>{{38, 3}}));
}

}  // namespace
