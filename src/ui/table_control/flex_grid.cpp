#include "ui/table_control/flex_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/wnd/ext/common_controls.h"
#include "ui/wnd/ext/control_factory.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

constexpr int kPictureRole = Qt::UserRole + 1;

Qt::Alignment QtAlignment(short value) {
  // 0-2 left, 3-5 centre, 6-8 right; within each: top, centre, bottom.
  if (value < 0 || value > 8) return Qt::AlignLeft | Qt::AlignVCenter;
  const Qt::Alignment h[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  const Qt::Alignment v[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  return h[value / 3] | v[value % 3];
}

std::size_t At(long i) { return static_cast<std::size_t>(i); }

class GridWidget;

// Paints fixed cells on the button face, aligns every cell by its column and
// draws a cell's picture in its middle.
class GridDelegate : public QStyledItemDelegate {
 public:
  explicit GridDelegate(GridWidget* grid);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  GridWidget* m_grid;
};

// The fixed cells stand where the table's headers stand: the horizontal
// header holds the fixed rows over the scrolling columns, the vertical header
// the fixed columns beside the scrolling rows, and the table keeps them in
// step with its scrolling. They draw the grid's cells, not section captions.
class FixedPane : public QHeaderView {
 public:
  FixedPane(Qt::Orientation orientation, GridWidget* grid);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  GridWidget* m_grid;
};

// A row or column as drawn: its index, where it starts and its size, in pixels.
struct Line {
  long index;
  int pos;
  int size;
};

class GridWidget : public QTableWidget {
 public:
  explicit GridWidget(QWidget* parent) : QTableWidget(parent) {
    setHorizontalHeader(new FixedPane(Qt::Horizontal, this));
    setVerticalHeader(new FixedPane(Qt::Vertical, this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    setItemDelegate(new GridDelegate(this));
    viewport()->setMouseTracking(true);
    viewport()->installEventFilter(this);
    // The corner over both kinds of fixed cells draws them.
    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner) m_corner->installEventFilter(this);
    SizeRows();
    ApplyFixed();
  }

  long fixedRows = 0;
  long fixedCols = 0;
  long row = 0;
  long col = 0;
  std::vector<long> colTwips;  // the widths set
  std::vector<int> colPixels;  // the widths drawn: the set ones, widened to the texts
  std::vector<short> colAlign;
  std::vector<short> fixedAlign;
  std::vector<bool> mergeRows;
  QPoint mouse{-1, -1};  // in the grid's coordinates

  bool IsFixed(long r, long c) const { return r < fixedRows || c < fixedCols; }
  int RowHeight() const { return verticalHeader()->defaultSectionSize(); }

  short AlignmentOf(long r, long c) const {
    const auto& table = r < fixedRows ? fixedAlign : colAlign;
    return c >= 0 && At(c) < table.size() ? table[At(c)] : 9;
  }

  void SetCounts(long rows, long cols) {
    setRowCount(static_cast<int>(std::max(0L, rows)));
    setColumnCount(static_cast<int>(std::max(0L, cols)));
    colTwips.resize(At(columnCount()), 0);
    colPixels.resize(At(columnCount()), 0);
    colAlign.resize(At(columnCount()), 9);
    fixedAlign.resize(At(columnCount()), 9);
    mergeRows.resize(At(rowCount()), false);
    fixedRows = std::min<long>(fixedRows, rowCount());
    fixedCols = std::min<long>(fixedCols, columnCount());
    row = std::clamp<long>(row, 0, std::max(0, rowCount() - 1));
    col = std::clamp<long>(col, 0, std::max(0, columnCount() - 1));
    ApplyFixed();
  }

  // The table shows the cells that scroll; the fixed ones are hidden from it
  // and drawn by the panes, sized to hold them.
  void ApplyFixed() {
    for (int r = 0; r < rowCount(); ++r) setRowHidden(r, r < fixedRows);
    for (int c = 0; c < columnCount(); ++c) setColumnHidden(c, c < fixedCols);
    int width = 0;
    for (long c = 0; c < fixedCols; ++c) width += colPixels[At(c)];
    verticalHeader()->setFixedWidth(width);
    verticalHeader()->setVisible(fixedCols > 0);
    horizontalHeader()->setFixedHeight(static_cast<int>(fixedRows) * RowHeight());
    horizontalHeader()->setVisible(fixedRows > 0);
    updateGeometries();
    NameSections();
    ShowCurrent();
    UpdatePanes();
  }

  // ---- header names --------------------------------------------------------------------

  // Accessibility tools name a row or column header by its header item, else
  // by its number. A column's header is named by the texts the fixed rows show
  // in it, a row's by the texts of the fixed columns, top to bottom or left to
  // right, the empty ones left out and the others joined by a blank.
  QString SectionName(Qt::Orientation o, long section) const {
    QStringList texts;
    const long count = o == Qt::Horizontal ? fixedRows : fixedCols;
    for (long i = 0; i < count; ++i) {
      const QString text = o == Qt::Horizontal ? TextAt(i, section) : TextAt(section, i);
      if (!text.isEmpty()) texts << text;
    }
    return texts.join(QLatin1Char(' '));
  }
  void NameSection(Qt::Orientation o, long section) {
    const int s = static_cast<int>(section);
    QTableWidgetItem* it = o == Qt::Horizontal ? horizontalHeaderItem(s) : verticalHeaderItem(s);
    if (!it) {
      it = new QTableWidgetItem;
      if (o == Qt::Horizontal) setHorizontalHeaderItem(s, it);
      else setVerticalHeaderItem(s, it);
    }
    const QString name = SectionName(o, section);
    if (it->text() != name) it->setText(name);
  }
  void NameSections() {
    for (long c = 0; c < columnCount(); ++c) NameSection(Qt::Horizontal, c);
    for (long r = 0; r < rowCount(); ++r) NameSection(Qt::Vertical, r);
  }
  // A fixed cell's text changed: the headers it stands in are named again.
  void NameSectionsOf(long r, long c) {
    if (r < fixedRows) NameSection(Qt::Horizontal, c);
    if (c < fixedCols) NameSection(Qt::Vertical, r);
  }

  void UpdatePanes() {
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    if (m_corner) m_corner->update();
  }

  QTableWidgetItem* Item(long r, long c) {
    if (r < 0 || c < 0 || r >= rowCount() || c >= columnCount()) return nullptr;
    QTableWidgetItem* it = item(static_cast<int>(r), static_cast<int>(c));
    if (!it) {
      it = new QTableWidgetItem;
      it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      setItem(static_cast<int>(r), static_cast<int>(c), it);
    }
    return it;
  }
  QString TextAt(long r, long c) const {
    const QTableWidgetItem* it = item(static_cast<int>(r), static_cast<int>(c));
    return it ? it->text() : QString();
  }

  // The current cell as the view shows it: selected when it is not fixed.
  void ShowCurrent() {
    if (rowCount() == 0 || columnCount() == 0) return;
    const QModelIndex index = model()->index(static_cast<int>(row), static_cast<int>(col));
    selectionModel()->setCurrentIndex(index, IsFixed(row, col) ? QItemSelectionModel::Clear
                                                               : QItemSelectionModel::ClearAndSelect);
  }

  // ---- widths --------------------------------------------------------------------------

  // Pixels a cell needs for the text: the text, the cell's margins on both sides and the grid line.
  int TextPixels(const QString& text) const {
    if (text.isEmpty()) return 0;
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return fontMetrics().horizontalAdvance(text) + 2 * margin + 1;
  }
  int CellPixels(long r, long c) const {
    const QTableWidgetItem* it = item(static_cast<int>(r), static_cast<int>(c));
    if (!it) return 0;
    const QPixmap picture = it->data(kPictureRole).value<QPixmap>();
    return std::max(TextPixels(it->text()), picture.isNull() ? 0 : picture.width() + 3);
  }
  // The end (one past) of the merged run of fixed row r that starts at column c.
  long RunEnd(long r, long c) const {
    long end = c + 1;
    if (r >= fixedRows || !mergeRows[At(r)] || TextAt(r, c).isEmpty()) return end;
    const long limit = c < fixedCols ? fixedCols : columnCount();
    while (end < limit && TextAt(r, end) == TextAt(r, c)) ++end;
    return end;
  }

  // Every column as wide as its width set and as its widest cell; a merged
  // heading wider than its run widens the run's last column.
  void FitColumns() {
    for (long c = 0; c < columnCount(); ++c) colPixels[At(c)] = static_cast<int>(colTwips[At(c)] / kTwipsPerPixel);
    for (long r = 0; r < rowCount(); ++r) {
      for (long c = 0; c < columnCount();) {
        const long end = RunEnd(r, c);
        int have = 0;
        for (long k = c; k < end; ++k) have += colPixels[At(k)];
        colPixels[At(end - 1)] += std::max(0, CellPixels(r, c) - have);
        c = end;
      }
    }
    for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, colPixels[At(c)]);
    ApplyFixed();
  }
  // A text set while drawing is on widens its column where it must.
  void Widen(long r, long c) {
    if (RunEnd(r, c) > c + 1 || (c > 0 && RunEnd(r, c - 1) > c)) {
      FitColumns();
    } else if (CellPixels(r, c) > colPixels[At(c)]) {
      colPixels[At(c)] = CellPixels(r, c);
      setColumnWidth(static_cast<int>(c), colPixels[At(c)]);
      if (c < fixedCols) ApplyFixed();
    }
  }

  // ---- where the cells stand -------------------------------------------------------------

  // The fixed rows or columns, from the pane's edge.
  std::vector<Line> FixedLines(bool rows) const {
    std::vector<Line> lines;
    int pos = 0;
    for (long i = 0; i < (rows ? fixedRows : fixedCols); ++i) {
      const int size = rows ? RowHeight() : colPixels[At(i)];
      lines.push_back({i, pos, size});
      pos += size;
    }
    return lines;
  }
  // The scrolling rows or columns, in the viewport's coordinates (a merged
  // heading is centred over its whole run, shown or not).
  std::vector<Line> ScrollingLines(bool rows) const {
    const QHeaderView* h = rows ? verticalHeader() : horizontalHeader();
    std::vector<Line> lines;
    const long count = rows ? rowCount() : columnCount();
    for (long i = rows ? fixedRows : fixedCols; i < count; ++i) {
      lines.push_back({i, h->sectionViewportPosition(static_cast<int>(i)), h->sectionSize(static_cast<int>(i))});
    }
    return lines;
  }

  // Where the fixed panes start, in the grid's coordinates: left of and above the viewport.
  QPoint FixedOrigin() const {
    int width = 0;
    for (long c = 0; c < fixedCols; ++c) width += colPixels[At(c)];
    return viewport()->geometry().topLeft() - QPoint(width, static_cast<int>(fixedRows) * RowHeight());
  }

  QRect CellRect(long r, long c) const {
    if (r < 0 || c < 0 || r >= rowCount() || c >= columnCount()) return {};
    const QPoint origin = FixedOrigin();
    const QPoint view = viewport()->geometry().topLeft();
    int x = 0;
    for (long k = 0; k < std::min(c, fixedCols); ++k) x += colPixels[At(k)];
    const int left = c < fixedCols ? origin.x() + x : view.x() + columnViewportPosition(static_cast<int>(c));
    const int top = r < fixedRows ? origin.y() + static_cast<int>(r) * RowHeight()
                                  : view.y() + rowViewportPosition(static_cast<int>(r));
    // The cell's face: its grid lines at the right and bottom are not part of it.
    return {left, top, colPixels[At(c)] - 1, RowHeight() - 1};
  }

  // The part of the grid where a cell shows: the viewport, or the pane of its fixed kind.
  QRect PartOf(long r, long c) const {
    const QRect view = viewport()->geometry();
    const QPoint origin = FixedOrigin();
    const int left = c < fixedCols ? origin.x() : view.left();
    const int right = c < fixedCols ? view.left() - 1 : view.right();
    const int top = r < fixedRows ? origin.y() : view.top();
    const int bottom = r < fixedRows ? view.top() - 1 : view.bottom();
    return QRect(QPoint(left, top), QPoint(right, bottom));
  }

  // The cell at a point of the grid; {-1, -1} outside the cells.
  std::pair<long, long> CellAt(QPoint p) const {
    const QRect view = viewport()->geometry();
    const QPoint origin = FixedOrigin();
    long r = -1;
    long c = -1;
    if (p.y() >= view.top()) {
      r = rowAt(p.y() - view.top());
    } else if (p.y() >= origin.y()) {
      r = std::min<long>((p.y() - origin.y()) / std::max(1, RowHeight()), fixedRows - 1);
    }
    if (p.x() >= view.left()) {
      c = columnAt(p.x() - view.left());
    } else {
      for (const Line& l : FixedLines(false)) {
        if (p.x() >= origin.x() + l.pos && p.x() < origin.x() + l.pos + l.size) c = l.index;
      }
    }
    if (r < 0 || c < 0 || !PartOf(r, c).contains(p)) return {-1, -1};
    return {r, c};
  }
  // A point over the cells' part of the grid, fixed or not (not its scroll bars).
  bool InCells(QPoint p) const { return QRect(FixedOrigin(), viewport()->geometry().bottomRight()).contains(p); }

  // Scrolls the grid so that the cell's scrolling part shows; a fixed cell always shows.
  void ScrollToCell(long r, long c) {
    if (r < 0 || c < 0 || r >= rowCount() || c >= columnCount()) return;
    const long sr = r < fixedRows ? std::max<long>(rowAt(0), fixedRows) : r;
    const long sc = c < fixedCols ? std::max<long>(columnAt(0), fixedCols) : c;
    if (sr < rowCount() && sc < columnCount()) scrollTo(model()->index(static_cast<int>(sr), static_cast<int>(sc)));
  }

  // ---- drawing the fixed cells -------------------------------------------------------------

  void PaintCells(QPainter& p, const std::vector<Line>& rows, const std::vector<Line>& cols) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QColor line = QColor::fromRgba(static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    for (const Line& r : rows) {
      for (std::size_t i = 0; i < cols.size();) {
        // A merged run is one cell from its first column to its last shown.
        const long end = RunEnd(r.index, cols[i].index);
        std::size_t last = i;
        while (last + 1 < cols.size() && cols[last + 1].index < end) ++last;
        const QRect cell(cols[i].pos, r.pos, cols[last].pos + cols[last].size - cols[i].pos, r.size);
        option.rect = cell.adjusted(0, 0, -1, -1);
        itemDelegate()->paint(&p, option, model()->index(static_cast<int>(r.index), static_cast<int>(cols[i].index)));
        p.setPen(line);
        p.drawLine(cell.bottomLeft(), cell.bottomRight());
        p.drawLine(cell.topRight(), cell.bottomRight());
        i = last + 1;
      }
    }
  }

  void PaintPane(QPainter& p, const QWidget* pane, Qt::Orientation o) {
    p.fillRect(pane->rect(), palette().base());
    p.setFont(font());
    if (pane == m_corner) PaintCells(p, FixedLines(true), FixedLines(false));
    else if (o == Qt::Horizontal) PaintCells(p, FixedLines(true), ScrollingLines(false));
    else PaintCells(p, ScrollingLines(true), FixedLines(false));
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o == viewport() && e->type() == QEvent::MouseMove) {
      mouse = viewport()->mapTo(this, static_cast<QMouseEvent*>(e)->position().toPoint());
    }
    if (o == m_corner && e->type() == QEvent::Paint) {
      QPainter p(m_corner);
      PaintPane(p, m_corner, Qt::Horizontal);
      return true;
    }
    return QTableWidget::eventFilter(o, e);
  }

  void changeEvent(QEvent* e) override {
    if (e->type() == QEvent::FontChange) SizeRows();
    QTableWidget::changeEvent(e);
  }

  void scrollContentsBy(int dx, int dy) override {
    QTableWidget::scrollContentsBy(dx, dy);
    UpdatePanes();
  }

 private:
  void SizeRows() { verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4); }

  QAbstractButton* m_corner = nullptr;
};

GridDelegate::GridDelegate(GridWidget* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->displayAlignment = QtAlignment(m_grid->AlignmentOf(index.row(), index.column()));
  option->icon = QIcon();
  option->features &= ~QStyleOptionViewItem::HasDecoration;
  if (m_grid->IsFixed(index.row(), index.column())) {
    option->backgroundBrush = m_grid->palette().button();
    option->palette.setColor(QPalette::Text, m_grid->palette().color(QPalette::ButtonText));
  }
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  const QPixmap picture = index.data(kPictureRole).value<QPixmap>();
  if (picture.isNull()) return;
  const QRect r = option.rect;
  painter->drawPixmap(r.left() + (r.width() - picture.width()) / 2, r.top() + (r.height() - picture.height()) / 2,
                      picture);
}

FixedPane::FixedPane(Qt::Orientation orientation, GridWidget* grid) : QHeaderView(orientation, grid), m_grid(grid) {
  setSectionResizeMode(QHeaderView::Fixed);
  setMinimumSectionSize(0);
  setSectionsClickable(false);
  setHighlightSections(false);
  setFocusPolicy(Qt::NoFocus);
}

void FixedPane::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  m_grid->PaintPane(p, viewport(), orientation());
}

GridWidget* Grid(const CWnd* wnd) { return wnd ? dynamic_cast<GridWidget*>(wnd->GetSafeHwnd()) : nullptr; }

// The person moved the current cell: the parent hears of it.
void UserMove(GridWidget* g, long r, long c) {
  if (g->rowCount() == 0 || g->columnCount() == 0) return;
  r = std::clamp<long>(r, g->fixedRows, g->rowCount() - 1);
  c = std::clamp<long>(c, g->fixedCols, g->columnCount() - 1);
  if (g->IsFixed(r, c) || (r == g->row && c == g->col)) return;
  g->row = r;
  g->col = c;
  g->ShowCurrent();
  NMHDR header;
  SendNotify(g, GN_ROWCOLCHANGE, &header);
}

LRESULT GridProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  GridWidget* g = Grid(wnd);
  if (!g) return 0;
  switch (message) {
    case WM_GETDLGCODE:
      *handled = true;
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const QPoint at(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (!g->InCells(at)) return 0;  // the scroll bars take their own clicks
      *handled = true;
      g->mouse = at;
      if (message == WM_LBUTTONDBLCLK) return 0;
      if (!g->hasFocus()) wnd->SetFocus();
      const auto [r, c] = g->CellAt(at);
      if (r >= 0 && c >= 0 && !g->IsFixed(r, c)) UserMove(g, r, c);
      return 0;
    }
    case WM_KEYDOWN: {
      if (wParam == VK_F1) return 0;  // help, as every window gives it
      *handled = true;
      const long page = std::max(1, g->viewport()->height() / std::max(1, g->RowHeight()) - 1);
      switch (wParam) {
        case VK_UP: UserMove(g, g->row - 1, g->col); break;
        case VK_DOWN: UserMove(g, g->row + 1, g->col); break;
        case VK_LEFT: UserMove(g, g->row, g->col - 1); break;
        case VK_RIGHT: UserMove(g, g->row, g->col + 1); break;
        case VK_HOME: UserMove(g, g->row, g->fixedCols); break;
        case VK_END: UserMove(g, g->row, g->columnCount() - 1); break;
        case VK_PRIOR: UserMove(g, g->row - page, g->col); break;
        case VK_NEXT: UserMove(g, g->row + page, g->col); break;
        default: break;
      }
      return 0;
    }
    case WM_CHAR: {
      *handled = true;
      NMGRIDKEY key;
      key.keyAscii = static_cast<short>(wParam);
      SendNotify(g, GN_KEYPRESS, &key.hdr);
      return 0;
    }
    default:
      return 0;
  }
}

MadeControl MakeFlexGrid(QWidget* parent, const DlgItemTemplate&) {
  RegisterWindowClassOnce<&GridProc>(kFlexGridClass);
  return TagControl<CMSFlexGrid>(new GridWidget(parent), kFlexGridClass);
}

}  // namespace

void RegisterFlexGridControl() {
  static const bool registered = (RegisterControlFactory(CtlKind::Custom, kFlexGridClass, &MakeFlexGrid), true);
  (void)registered;
}

const QPixmap& CheckMarkBitmap() {
  static const QPixmap picture = [] {
    QPixmap p(13, 13);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    QPainterPath tick;
    tick.moveTo(2, 7);
    tick.lineTo(5, 10);
    tick.lineTo(11, 3);
    painter.drawPath(tick);
    return p;
  }();
  return picture;
}

BOOL CMSFlexGrid::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  RegisterFlexGridControl();
  if (!CreateControlWindow(*this, CtlKind::Custom, kFlexGridClass, dwStyle, rect, pParentWnd, nID)) return FALSE;
  SetOwnsWindow(true);
  return TRUE;
}

long CMSFlexGrid::GetRows() const { return Grid(this) ? Grid(this)->rowCount() : 0; }
void CMSFlexGrid::SetRows(long n) {
  if (GridWidget* g = Grid(this)) g->SetCounts(n, g->columnCount());
}
long CMSFlexGrid::GetCols() const { return Grid(this) ? Grid(this)->columnCount() : 0; }
void CMSFlexGrid::SetCols(long n) {
  if (GridWidget* g = Grid(this)) g->SetCounts(g->rowCount(), n);
}
long CMSFlexGrid::GetFixedRows() const { return Grid(this) ? Grid(this)->fixedRows : 0; }
void CMSFlexGrid::SetFixedRows(long n) {
  if (GridWidget* g = Grid(this)) {
    g->fixedRows = std::clamp<long>(n, 0, g->rowCount());
    g->ApplyFixed();
  }
}
long CMSFlexGrid::GetFixedCols() const { return Grid(this) ? Grid(this)->fixedCols : 0; }
void CMSFlexGrid::SetFixedCols(long n) {
  if (GridWidget* g = Grid(this)) {
    g->fixedCols = std::clamp<long>(n, 0, g->columnCount());
    g->ApplyFixed();
  }
}

long CMSFlexGrid::GetRow() const { return Grid(this) ? Grid(this)->row : 0; }
void CMSFlexGrid::SetRow(long row) {
  GridWidget* g = Grid(this);
  if (!g || row < 0 || row >= g->rowCount()) return;
  g->row = row;
  g->ShowCurrent();
}
long CMSFlexGrid::GetCol() const { return Grid(this) ? Grid(this)->col : 0; }
void CMSFlexGrid::SetCol(long col) {
  GridWidget* g = Grid(this);
  if (!g || col < 0 || col >= g->columnCount()) return;
  g->col = col;
  g->ShowCurrent();
}

std::string CMSFlexGrid::GetText() const { return GetTextMatrix(GetRow(), GetCol()); }
void CMSFlexGrid::SetText(const std::string& text) { SetTextMatrix(GetRow(), GetCol(), text); }

std::string CMSFlexGrid::GetTextMatrix(long row, long col) const {
  GridWidget* g = Grid(this);
  return g ? g->TextAt(row, col).toStdString() : std::string();
}

void CMSFlexGrid::SetTextMatrix(long row, long col, const std::string& text) {
  GridWidget* g = Grid(this);
  QTableWidgetItem* it = g ? g->Item(row, col) : nullptr;
  if (!it) return;
  it->setText(QString::fromStdString(text));
  g->NameSectionsOf(row, col);
  if (!g->updatesEnabled()) return;
  g->Widen(row, col);
  if (g->IsFixed(row, col)) g->UpdatePanes();
}

void CMSFlexGrid::SetCellPicture(long row, long col, const QPixmap& picture) {
  GridWidget* g = Grid(this);
  QTableWidgetItem* it = g ? g->Item(row, col) : nullptr;
  if (!it) return;
  it->setData(kPictureRole, picture.isNull() ? QVariant() : QVariant(picture));
  if (g->updatesEnabled()) g->Widen(row, col);
}

bool CMSFlexGrid::HasCellPicture(long row, long col) const {
  GridWidget* g = Grid(this);
  const QTableWidgetItem* it = g ? g->item(static_cast<int>(row), static_cast<int>(col)) : nullptr;
  return it && it->data(kPictureRole).isValid();
}

long CMSFlexGrid::GetColWidth(long col) const {
  GridWidget* g = Grid(this);
  return g && col >= 0 && At(col) < g->colPixels.size() ? g->colPixels[At(col)] * kTwipsPerPixel : 0;
}
void CMSFlexGrid::SetColWidth(long col, long twips) {
  GridWidget* g = Grid(this);
  if (!g || col < 0 || At(col) >= g->colTwips.size()) return;
  g->colTwips[At(col)] = std::max(0L, twips);
  if (g->updatesEnabled()) g->FitColumns();
}

void CMSFlexGrid::SetColAlignment(long col, short value) {
  GridWidget* g = Grid(this);
  if (!g || col < 0 || At(col) >= g->colAlign.size()) return;
  g->colAlign[At(col)] = value;
  g->UpdatePanes();
}
void CMSFlexGrid::SetFixedAlignment(long col, short value) {
  GridWidget* g = Grid(this);
  if (!g || col < 0 || At(col) >= g->fixedAlign.size()) return;
  g->fixedAlign[At(col)] = value;
  g->UpdatePanes();
}

void CMSFlexGrid::SetRedraw(BOOL bRedraw) {
  GridWidget* g = Grid(this);
  if (!g) return;
  g->setUpdatesEnabled(bRedraw != FALSE);
  if (bRedraw) g->FitColumns();
}

void CMSFlexGrid::SetMergeRow(long row, BOOL bMerge) {
  GridWidget* g = Grid(this);
  if (!g || row < 0 || row >= g->rowCount()) return;
  g->mergeRows[At(row)] = bMerge != FALSE;
  if (g->updatesEnabled()) g->FitColumns();
}

long CMSFlexGrid::GetTextWidth(const std::string& text) const {
  GridWidget* g = Grid(this);
  return g ? g->TextPixels(QString::fromStdString(text)) * kTwipsPerPixel : 0;
}

long CMSFlexGrid::GetMouseRow() const {
  GridWidget* g = Grid(this);
  return g ? g->CellAt(g->mouse).first : -1;
}
long CMSFlexGrid::GetMouseCol() const {
  GridWidget* g = Grid(this);
  return g ? g->CellAt(g->mouse).second : -1;
}

namespace {
QRect ShownCellRect(CMSFlexGrid& grid) {
  GridWidget* g = Grid(&grid);
  if (!g) return {};
  g->ScrollToCell(g->row, g->col);
  return g->CellRect(g->row, g->col);
}
}  // namespace

long CMSFlexGrid::GetCellLeft() { return ShownCellRect(*this).left() * kTwipsPerPixel; }
long CMSFlexGrid::GetCellTop() { return ShownCellRect(*this).top() * kTwipsPerPixel; }
long CMSFlexGrid::GetCellWidth() { return ShownCellRect(*this).width() * kTwipsPerPixel; }
long CMSFlexGrid::GetCellHeight() { return ShownCellRect(*this).height() * kTwipsPerPixel; }

CRect CMSFlexGrid::GetCellEditorRect(CWnd* pParent) {
  CRect grid;
  GetWindowRect(&grid);
  if (pParent) pParent->ScreenToClient(&grid);
  // Twips to pixels, truncated toward zero.
  const int left = static_cast<int>(GetCellLeft() / kTwipsPerPixel);
  const int top = static_cast<int>(GetCellTop() / kTwipsPerPixel);
  const int width = static_cast<int>(GetCellWidth() / kTwipsPerPixel);
  const int height = static_cast<int>(GetCellHeight() / kTwipsPerPixel);
  const int x = grid.left + left - 1;
  const int y = grid.top + top - 1;
  return {x, y, x + width + 2, y + height + 2};
}

CRect CMSFlexGrid::GetCellRect(long row, long col) const {
  GridWidget* g = Grid(this);
  if (!g) return {};
  const QRect r = g->CellRect(row, col);
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

bool CMSFlexGrid::IsCellShown(long row, long col) const {
  GridWidget* g = Grid(this);
  if (!g || row < 0 || col < 0 || row >= g->rowCount() || col >= g->columnCount()) return false;
  const QRect cell = g->CellRect(row, col);
  return cell.width() > 0 && g->PartOf(row, col).contains(cell);
}
