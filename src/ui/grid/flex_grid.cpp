#include "ui/grid/flex_grid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>
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

class GridWidget : public QTableWidget {
 public:
  GridWidget(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
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
    SizeRows();
  }

  long fixedRows = 0;
  long fixedCols = 0;
  long row = 0;
  long col = 0;
  std::vector<long> colTwips;
  std::vector<short> colAlign;
  std::vector<short> fixedAlign;
  std::vector<bool> mergeRows;
  QPoint mouse{-1, -1};  // in viewport coordinates

  bool IsFixed(long r, long c) const { return r < fixedRows || c < fixedCols; }

  short AlignmentOf(long r, long c) const {
    const auto& table = r < fixedRows ? fixedAlign : colAlign;
    return c >= 0 && static_cast<std::size_t>(c) < table.size() ? table[static_cast<std::size_t>(c)] : 9;
  }

  void SetCounts(long rows, long cols) {
    setRowCount(static_cast<int>(std::max(0L, rows)));
    setColumnCount(static_cast<int>(std::max(0L, cols)));
    colTwips.resize(static_cast<std::size_t>(columnCount()), 0);
    colAlign.resize(static_cast<std::size_t>(columnCount()), 9);
    fixedAlign.resize(static_cast<std::size_t>(columnCount()), 9);
    mergeRows.resize(static_cast<std::size_t>(rowCount()), false);
    fixedRows = std::min<long>(fixedRows, rowCount());
    fixedCols = std::min<long>(fixedCols, columnCount());
    row = std::clamp<long>(row, 0, std::max(0, rowCount() - 1));
    col = std::clamp<long>(col, 0, std::max(0, columnCount() - 1));
    ShowCurrent();
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

  // The current cell as the view shows it: selected when it is not fixed.
  void ShowCurrent() {
    if (rowCount() == 0 || columnCount() == 0) return;
    const QModelIndex index = model()->index(static_cast<int>(row), static_cast<int>(col));
    selectionModel()->setCurrentIndex(index, IsFixed(row, col) ? QItemSelectionModel::Clear
                                                               : QItemSelectionModel::ClearAndSelect);
  }

  // Runs of equal texts in the rows marked for merging become one cell each.
  void Merge() {
    clearSpans();
    for (int r = 0; r < rowCount(); ++r) {
      if (!mergeRows[static_cast<std::size_t>(r)]) continue;
      int start = 0;
      for (int c = 1; c <= columnCount(); ++c) {
        const QString first = item(r, start) ? item(r, start)->text() : QString();
        const QString here = c < columnCount() && item(r, c) ? item(r, c)->text() : QString();
        if (c < columnCount() && !first.isEmpty() && here == first) continue;
        if (c - start > 1) setSpan(r, start, 1, c - start);
        start = c;
      }
    }
  }

  QRect CellRect() {
    const QModelIndex index = model()->index(static_cast<int>(row), static_cast<int>(col));
    if (!index.isValid()) return {};
    scrollTo(index);
    return visualRect(index).translated(viewport()->pos());
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o == viewport() && e->type() == QEvent::MouseMove) mouse = static_cast<QMouseEvent*>(e)->position().toPoint();
    return QTableWidget::eventFilter(o, e);
  }

  void changeEvent(QEvent* e) override {
    if (e->type() == QEvent::FontChange) SizeRows();
    QTableWidget::changeEvent(e);
  }

 public:
  void SizeColumn(int c) {
    if (c < 0 || static_cast<std::size_t>(c) >= colTwips.size()) return;
    setColumnWidth(c, static_cast<int>(colTwips[static_cast<std::size_t>(c)] / kTwipsPerPixel));
  }

 private:
  void SizeRows() { verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4); }
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
      const QPoint at = QPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)) - g->viewport()->pos();
      if (!g->viewport()->rect().contains(at)) return 0;  // the scroll bars take their own clicks
      *handled = true;
      g->mouse = at;
      if (message == WM_LBUTTONDBLCLK) return 0;
      if (!g->hasFocus()) wnd->SetFocus();
      const int r = g->rowAt(at.y());
      const int c = g->columnAt(at.x());
      if (r >= 0 && c >= 0 && !g->IsFixed(r, c)) UserMove(g, r, c);
      return 0;
    }
    case WM_KEYDOWN: {
      if (wParam == VK_F1) return 0;  // help, as every window gives it
      *handled = true;
      const long page = std::max(1, g->viewport()->height() / std::max(1, g->rowHeight(0)) - 1);
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
    g->ShowCurrent();
    g->viewport()->update();
  }
}
long CMSFlexGrid::GetFixedCols() const { return Grid(this) ? Grid(this)->fixedCols : 0; }
void CMSFlexGrid::SetFixedCols(long n) {
  if (GridWidget* g = Grid(this)) {
    g->fixedCols = std::clamp<long>(n, 0, g->columnCount());
    g->ShowCurrent();
    g->viewport()->update();
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
  if (!g) return {};
  const QTableWidgetItem* it = g->item(static_cast<int>(row), static_cast<int>(col));
  return it ? it->text().toStdString() : std::string();
}

void CMSFlexGrid::SetTextMatrix(long row, long col, const std::string& text) {
  GridWidget* g = Grid(this);
  if (!g) return;
  if (QTableWidgetItem* it = g->Item(row, col)) it->setText(QString::fromStdString(text));
  if (g->updatesEnabled() && row < g->rowCount() && g->mergeRows[static_cast<std::size_t>(row)]) g->Merge();
}

void CMSFlexGrid::SetCellPicture(long row, long col, const QPixmap& picture) {
  GridWidget* g = Grid(this);
  if (!g) return;
  if (QTableWidgetItem* it = g->Item(row, col)) it->setData(kPictureRole, picture.isNull() ? QVariant() : QVariant(picture));
}

bool CMSFlexGrid::HasCellPicture(long row, long col) const {
  GridWidget* g = Grid(this);
  const QTableWidgetItem* it = g ? g->item(static_cast<int>(row), static_cast<int>(col)) : nullptr;
  return it && it->data(kPictureRole).isValid();
}

long CMSFlexGrid::GetColWidth(long col) const {
  GridWidget* g = Grid(this);
  return g && col >= 0 && static_cast<std::size_t>(col) < g->colTwips.size() ? g->colTwips[static_cast<std::size_t>(col)]
                                                                            : 0;
}
void CMSFlexGrid::SetColWidth(long col, long twips) {
  GridWidget* g = Grid(this);
  if (!g || col < 0 || static_cast<std::size_t>(col) >= g->colTwips.size()) return;
  g->colTwips[static_cast<std::size_t>(col)] = std::max(0L, twips);
  g->SizeColumn(static_cast<int>(col));
}

short CMSFlexGrid::GetColAlignment(long col) const {
  GridWidget* g = Grid(this);
  return g && col >= 0 && static_cast<std::size_t>(col) < g->colAlign.size() ? g->colAlign[static_cast<std::size_t>(col)]
                                                                            : 0;
}
void CMSFlexGrid::SetColAlignment(long col, short value) {
  GridWidget* g = Grid(this);
  if (!g || col < 0 || static_cast<std::size_t>(col) >= g->colAlign.size()) return;
  g->colAlign[static_cast<std::size_t>(col)] = value;
  g->viewport()->update();
}
short CMSFlexGrid::GetFixedAlignment(long col) const {
  GridWidget* g = Grid(this);
  return g && col >= 0 && static_cast<std::size_t>(col) < g->fixedAlign.size()
             ? g->fixedAlign[static_cast<std::size_t>(col)]
             : 0;
}
void CMSFlexGrid::SetFixedAlignment(long col, short value) {
  GridWidget* g = Grid(this);
  if (!g || col < 0 || static_cast<std::size_t>(col) >= g->fixedAlign.size()) return;
  g->fixedAlign[static_cast<std::size_t>(col)] = value;
  g->viewport()->update();
}

BOOL CMSFlexGrid::GetRedraw() const { return Grid(this) && Grid(this)->updatesEnabled(); }
void CMSFlexGrid::SetRedraw(BOOL bRedraw) {
  GridWidget* g = Grid(this);
  if (!g) return;
  if (bRedraw) g->Merge();
  g->setUpdatesEnabled(bRedraw != FALSE);
}

void CMSFlexGrid::SetMergeRow(long row, BOOL bMerge) {
  GridWidget* g = Grid(this);
  if (!g || row < 0 || row >= g->rowCount()) return;
  g->mergeRows[static_cast<std::size_t>(row)] = bMerge != FALSE;
  if (g->updatesEnabled()) g->Merge();
}

long CMSFlexGrid::GetTextWidth(const std::string& text) const {
  GridWidget* g = Grid(this);
  if (!g) return 0;
  // The text, the cell's margins on both sides and the grid line.
  const int margin = g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1;
  return (g->fontMetrics().horizontalAdvance(QString::fromStdString(text)) + 2 * margin + 1) * kTwipsPerPixel;
}

long CMSFlexGrid::GetMouseRow() const {
  GridWidget* g = Grid(this);
  return g && g->viewport()->rect().contains(g->mouse) ? g->rowAt(g->mouse.y()) : -1;
}
long CMSFlexGrid::GetMouseCol() const {
  GridWidget* g = Grid(this);
  return g && g->viewport()->rect().contains(g->mouse) ? g->columnAt(g->mouse.x()) : -1;
}

long CMSFlexGrid::GetCellLeft() { return Grid(this) ? Grid(this)->CellRect().left() * kTwipsPerPixel : 0; }
long CMSFlexGrid::GetCellTop() { return Grid(this) ? Grid(this)->CellRect().top() * kTwipsPerPixel : 0; }
long CMSFlexGrid::GetCellWidth() { return Grid(this) ? Grid(this)->CellRect().width() * kTwipsPerPixel : 0; }
long CMSFlexGrid::GetCellHeight() { return Grid(this) ? Grid(this)->CellRect().height() * kTwipsPerPixel : 0; }

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
