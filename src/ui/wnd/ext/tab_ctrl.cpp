#include "ui/wnd/ext/tab_ctrl.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "ui/wnd/controls.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/ext/control_factory.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

constexpr int kFrame = 2;  // the display area's border on each side

// Tabs as wide as their text and as high as a line of it, with the small
// padding of the original platform's tabs, so that the row of tabs fits the
// width the dialog was laid out for and the display area starts where the
// templates expect it.
class WndTabBar : public QTabBar {
 public:
  explicit WndTabBar(QWidget* parent = nullptr) : QTabBar(parent) { setElideMode(Qt::ElideNone); }

 protected:
  QSize tabSizeHint(int index) const override {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(tabText(index)) + 2 * kTabPaddingX, fm.height() + 2 * kTabPaddingY};
  }
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

  // The style draws each tab's shape; the text is centred in it here, as the
  // style's own label would want more padding than these tabs have.
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    const int current = currentIndex();
    auto draw = [&](int i) {
      QStyleOptionTab option;
      initStyleOption(&option, i);
      const QString text = option.text;
      option.text.clear();
      painter.drawControl(QStyle::CE_TabBarTabShape, option);
      painter.drawItemText(option.rect, Qt::AlignCenter, option.palette, isTabEnabled(i), text,
                           QPalette::WindowText);
    };
    for (int i = 0; i < count(); ++i) {
      if (i != current) draw(i);
    }
    if (current >= 0) draw(current);  // the current tab overlaps its neighbours
  }

 private:
  static constexpr int kTabPaddingX = 6;
  static constexpr int kTabPaddingY = 4;
};

// The tab row and the frame of the display area; the pages are the program's
// child windows placed over it.
class WndTabHost : public QWidget {
 public:
  WndTabHost(QWidget* parent, DWORD style) : QWidget(parent) {
    bar = new WndTabBar(this);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setExpanding(false);
    bar->setUsesScrollButtons(true);
    bar->setDrawBase(false);
    bar->installEventFilter(this);
    setFocusPolicy((style & WS_TABSTOP) ? Qt::TabFocus : Qt::NoFocus);
    MeasureRow();
  }

  QTabBar* bar = nullptr;
  int rowHeight = 0;
  bool takesWindowKeys = false;

  // The person picked a tab: the parent may keep the old one.
  void UserSelect(int index) {
    if (index < 0 || index >= bar->count() || index == bar->currentIndex()) return;
    QPointer<WndTabHost> guard(this);
    NMHDR changing;
    if (SendNotify(this, TCN_SELCHANGING, &changing) != 0) return;
    if (!guard || index >= bar->count()) return;
    bar->setCurrentIndex(index);
    NMHDR changed;
    SendNotify(this, TCN_SELCHANGE, &changed);
  }

  // The next (+1) or previous (-1) tab, round from one end to the other.
  void UserStep(int step) {
    const int n = bar->count();
    if (n > 1) UserSelect(((bar->currentIndex() + step) % n + n) % n);
  }

  CRect DisplayRect(const CRect& window) const {
    return {window.left + kFrame, window.top + rowHeight + kFrame, window.right - kFrame, window.bottom - kFrame};
  }
  CRect WindowRect(const CRect& display) const {
    return {display.left - kFrame, display.top - rowHeight - kFrame, display.right + kFrame, display.bottom + kFrame};
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    // The wheel does not change tabs here; only a click or the arrow keys do.
    return o == bar && e->type() == QEvent::Wheel;
  }

  void changeEvent(QEvent* e) override {
    if (e->type() == QEvent::FontChange) MeasureRow();
    QWidget::changeEvent(e);
  }

  void resizeEvent(QResizeEvent*) override { bar->setGeometry(0, 0, width(), rowHeight); }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, rowHeight, width(), std::max(0, height() - rowHeight));
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = bar->sizeHint();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
  }

 private:
  void MeasureRow() {
    // The row keeps one height whether or not it has tabs yet.
    WndTabBar probe;
    probe.setFont(font());
    probe.addTab(QStringLiteral("Tab"));
    rowHeight = probe.sizeHint().height();
    bar->setGeometry(0, 0, width(), rowHeight);
  }
};

std::vector<QPointer<WndTabHost>>& WindowKeyTakers() {
  static std::vector<QPointer<WndTabHost>> hosts;
  return hosts;
}

// +1 for the keys of the next tab, -1 for those of the previous one, 0 for any other key.
int TabKeyStep(const QKeyEvent* key) {
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  const bool shift = mods == (Qt::ControlModifier | Qt::ShiftModifier);
  if (mods != Qt::ControlModifier && !shift) return 0;
  switch (key->key()) {
    case Qt::Key_Tab: return shift ? -1 : 1;
    case Qt::Key_Backtab: return shift ? -1 : 0;
    case Qt::Key_PageDown: return shift ? 0 : 1;
    case Qt::Key_PageUp: return shift ? 0 : -1;
    default: return 0;
  }
}

QString TextOf(const TCITEM* item) {
  return (item && (item->mask & TCIF_TEXT) && item->pszText) ? QString::fromStdString(*item->pszText) : QString();
}

LRESULT TabProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  auto* t = dynamic_cast<WndTabHost*>(wnd->GetSafeHwnd());
  if (!t) return 0;
  *handled = true;
  QTabBar* bar = t->bar;
  const int index = static_cast<int>(wParam);
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const QPoint at(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      t->UserSelect(bar->tabAt(at - bar->pos()));
      return 0;
    }
    case WM_KEYDOWN:
      // The arrows are the control's; F1 and the other keys go on as in any window.
      if (wParam == VK_LEFT) {
        t->UserSelect(bar->currentIndex() - 1);
      } else if (wParam == VK_RIGHT) {
        t->UserSelect(bar->currentIndex() + 1);
      } else {
        *handled = false;
      }
      return 0;
    case TCM_GETITEMCOUNT:
      return bar->count();
    case TCM_INSERTITEM: {
      if (index < 0 || !lParam) return -1;
      const auto* item = reinterpret_cast<const TCITEM*>(lParam);
      const int at = bar->insertTab(std::min(index, bar->count()), TextOf(item));
      if (item->mask & TCIF_PARAM) bar->setTabData(at, QVariant::fromValue<qlonglong>(item->lParam));
      return at;
    }
    case TCM_SETITEM: {
      if (index < 0 || index >= bar->count() || !lParam) return FALSE;
      const auto* item = reinterpret_cast<const TCITEM*>(lParam);
      if (item->mask & TCIF_TEXT) bar->setTabText(index, TextOf(item));
      if (item->mask & TCIF_PARAM) bar->setTabData(index, QVariant::fromValue<qlonglong>(item->lParam));
      return TRUE;
    }
    case TCM_GETITEM: {
      if (index < 0 || index >= bar->count() || !lParam) return FALSE;
      auto* item = reinterpret_cast<TCITEM*>(lParam);
      if ((item->mask & TCIF_TEXT) && item->pszText) *item->pszText = bar->tabText(index).toStdString();
      if (item->mask & TCIF_PARAM) item->lParam = static_cast<LPARAM>(bar->tabData(index).toLongLong());
      return TRUE;
    }
    case TCM_DELETEITEM:
      if (index < 0 || index >= bar->count()) return FALSE;
      bar->removeTab(index);
      return TRUE;
    case TCM_DELETEALLITEMS:
      while (bar->count() > 0) bar->removeTab(bar->count() - 1);
      return TRUE;
    case TCM_GETCURSEL:
      return bar->count() > 0 ? bar->currentIndex() : -1;
    case TCM_SETCURSEL: {
      if (index < 0 || index >= bar->count()) return -1;
      const int old = bar->currentIndex();
      bar->setCurrentIndex(index);
      return old;
    }
    case TCM_GETITEMRECT: {
      if (index < 0 || index >= bar->count() || !lParam) return FALSE;
      const QRect r = bar->tabRect(index).translated(bar->pos());
      *reinterpret_cast<CRect*>(lParam) = CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
      return TRUE;
    }
    case TCM_ADJUSTRECT: {
      if (!lParam) return 0;
      auto* r = reinterpret_cast<CRect*>(lParam);
      *r = wParam ? t->WindowRect(*r) : t->DisplayRect(*r);
      return 0;
    }
    case TCM_GETROWCOUNT:
      return 1;
    default:
      *handled = false;
      return 0;
  }
}

}  // namespace

namespace wnd_detail {

bool TakeWindowTabKey(QWidget* receiver, const QKeyEvent* key) {
  const int step = TabKeyStep(key);
  if (!step || !receiver) return false;
  auto& hosts = WindowKeyTakers();
  std::erase_if(hosts, [](const QPointer<WndTabHost>& h) { return !h || IsDead(h); });
  for (const QPointer<WndTabHost>& host : hosts) {
    if (host->window() != receiver->window() || !host->isVisible() || !host->isEnabled()) continue;
    host->UserStep(step);
    return true;
  }
  return false;
}

MadeControl MakeTabControl(QWidget* parent, const DlgItemTemplate& item) {
  RegisterWindowClassOnce<&TabProc>(WC_TABCONTROL);
  auto* host = new WndTabHost(parent, item.style);
  return TagControl<CTabCtrl>(host, WC_TABCONTROL);
}

}  // namespace wnd_detail

BOOL CTabCtrl::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  if (!CreateControlWindow(*this, CtlKind::Custom, WC_TABCONTROL, dwStyle, rect, pParentWnd, nID)) return FALSE;
  SetOwnsWindow(true);
  return TRUE;
}
void CTabCtrl::TakeWindowTabKeys() {
  auto* host = dynamic_cast<WndTabHost*>(m_hWnd);
  if (!host || host->takesWindowKeys) return;
  host->takesWindowKeys = true;
  WindowKeyTakers().emplace_back(host);
}
int CTabCtrl::InsertItem(int nItem, const std::string& text) {
  std::string copy = text;
  TCITEM item;
  item.mask = TCIF_TEXT;
  item.pszText = &copy;
  return InsertItem(nItem, &item);
}
int CTabCtrl::InsertItem(int nItem, const TCITEM* pTabCtrlItem) {
  if (!m_hWnd) return -1;
  return static_cast<int>(SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}
BOOL CTabCtrl::DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(nItem))); }
BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
int CTabCtrl::GetItemCount() const { return static_cast<int>(Send(this, TCM_GETITEMCOUNT)); }
BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const {
  return static_cast<BOOL>(Send(this, TCM_GETITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}
BOOL CTabCtrl::SetItem(int nItem, const TCITEM* pTabCtrlItem) {
  return static_cast<BOOL>(SendMessage(TCM_SETITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}
int CTabCtrl::GetCurSel() const { return m_hWnd ? static_cast<int>(Send(this, TCM_GETCURSEL)) : -1; }
int CTabCtrl::SetCurSel(int nItem) {
  return m_hWnd ? static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(nItem))) : -1;
}
BOOL CTabCtrl::GetItemRect(int nItem, CRect* lpRect) const {
  return static_cast<BOOL>(Send(this, TCM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)));
}
int CTabCtrl::GetRowCount() const { return static_cast<int>(Send(this, TCM_GETROWCOUNT)); }
void CTabCtrl::AdjustRect(BOOL bLarger, CRect* lpRect) const {
  Send(this, TCM_ADJUSTRECT, static_cast<WPARAM>(bLarger), reinterpret_cast<LPARAM>(lpRect));
}
void CTabCtrl::OnParentNotify(UINT, LPARAM) { Default(); }
