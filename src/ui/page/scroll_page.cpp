#include "ui/page/scroll_page.h"

#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "ui/wnd/ext/gdi.h"

CRect g_rcPageRef;
std::uint32_t g_bTakePageRef = 0;

// The wheel turned over the page, or over a control of it that does not take
// the wheel (a list without the focus, a label, an edit), scrolls the page: a
// notch up or down moves it by kWheelRows rows, a notch sideways (or with
// Shift held) by kWheelColumns columns, through the page's own scroll handling.
class CScrollPage::CWheelFilter : public QObject {
 public:
  explicit CWheelFilter(CScrollPage& page) : QObject(page.GetSafeHwnd()), m_page(page) {}

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::Wheel) return false;
    auto* wheel = static_cast<QWheelEvent*>(e);
    QPoint delta = wheel->angleDelta();
    if (delta.x() == 0 && (wheel->modifiers() & Qt::ShiftModifier)) delta = QPoint(delta.y(), 0);
    const bool horz = delta.x() != 0;
    m_rest += horz ? delta.x() : delta.y();
    const int notches = m_rest / 120;
    m_rest %= 120;
    return m_page.ScrollByWheel(horz, -notches) || notches == 0;
  }

 private:
  CScrollPage& m_page;
  int m_rest = 0;  // the part of a notch turned so far (high-resolution wheels)
};

// ---- CSizeGrip ------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CSizeGrip, CScrollBar)
  ON_WM_NCHITTEST()
END_MESSAGE_MAP()

LRESULT CSizeGrip::OnNcHitTest(CPoint point) {
  const LRESULT hit = CScrollBar::OnNcHitTest(point);
  return hit == HTCLIENT ? HTBOTTOMRIGHT : hit;
}

// ---- CScrollPage ----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CScrollPage, CDialog)
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_SIZE()
  ON_COMMAND(ID_ROM_EDITOR, OnRomEditor)
END_MESSAGE_MAP()

CScrollPage::CScrollPage(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_hAccel(LoadPageAccelerator()) {}

CScrollPage::~CScrollPage() = default;

void CScrollPage::DoDataExchange(CDataExchange*) {}

BOOL CScrollPage::OnInitDialog() {
  CDialog::OnInitDialog();
  InitScrolling();
  return TRUE;
}

void CScrollPage::EnsureScrolling() {
  if (m_hWnd && !m_horzBar.GetSafeHwnd()) InitScrolling();
}

void CScrollPage::InitScrolling() {
  m_nHorzPos = 0;
  m_nVertPos = 0;
  m_bHorzShown = false;
  m_bVertShown = false;

  if (g_bTakePageRef == 1) {
    GetClientRect(&g_rcPageRef);
    g_bTakePageRef = 0;
  }

  CRect grip;
  GetClientRect(&grip);
  grip.left = grip.right - GetSystemMetrics(SM_CXHSCROLL);
  grip.top = grip.bottom - GetSystemMetrics(SM_CYVSCROLL);
  m_rcGrip = grip;
  m_bInitialised = TRUE;
  m_sizeGrip.Create(WS_CHILD | SBS_SIZEGRIP | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN, m_rcGrip, this,
                    IDC_PAGE_SIZEGRIP);

  // The page's own scroll bars, hidden until a range needs them.
  const CRect none(0, 0, 0, 0);
  m_horzBar.Create(WS_CHILD | SBS_HORZ, none, this, 0);
  m_vertBar.Create(WS_CHILD | SBS_VERT, none, this, 0);

  ResetScroll();
  UpdateScrollRanges();
  m_hWnd->installEventFilter(new CWheelFilter(*this));
}

bool CScrollPage::ScrollByWheel(bool horz, int notches) {
  const int max = horz ? m_nHorzMax : m_nVertMax;
  if (max <= 0 || notches == 0) return false;
  const UINT code = notches > 0 ? SB_LINEDOWN : SB_LINEUP;  // SB_LINERIGHT and SB_LINELEFT have the same codes
  const int lines = std::abs(notches) * (horz ? kWheelColumns : kWheelRows);
  for (int i = 0; i < lines; ++i) {
    if (horz) {
      OnHScroll(code, 0, nullptr);
    } else {
      OnVScroll(code, 0, nullptr);
    }
  }
  return true;
}

BOOL CScrollPage::PreTranslateMessage(MSG* pMsg) { return PagePreTranslateMessage(this, m_hAccel, pMsg); }

void CScrollPage::GetClientRect(CRect* pRect) const {
  if (pRect) *pRect = ClientWith(m_bHorzShown, m_bVertShown);
}

CRect CScrollPage::ClientWith(bool horz, bool vert) const {
  CRect client;
  CWnd::GetClientRect(&client);
  if (vert) client.right = std::max(client.left, client.right - GetSystemMetrics(SM_CXVSCROLL));
  if (horz) client.bottom = std::max(client.top, client.bottom - GetSystemMetrics(SM_CYHSCROLL));
  return client;
}

void CScrollPage::ScrollWindow(int xAmount, int yAmount) {
  if (!m_hWnd || (xAmount == 0 && yAmount == 0)) return;
  const QWidget* horz = m_horzBar.GetSafeHwnd();
  const QWidget* vert = m_vertBar.GetSafeHwnd();
  std::vector<QWidget*> children;
  for (QObject* o : m_hWnd->children()) {
    if (!o->isWidgetType()) continue;
    auto* w = static_cast<QWidget*>(o);
    if (w->isWindow() || w == horz || w == vert || w == m_corner) continue;
    children.push_back(w);
  }
  for (QWidget* w : children) w->move(w->pos() + QPoint(xAmount, yAmount));
  m_hWnd->update();
}

int CScrollPage::GetScrollPos(int nBar) const { return nBar == SB_VERT ? m_nVertPos : m_nHorzPos; }

void CScrollPage::GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const {
  if (lpMinPos) *lpMinPos = 0;
  if (lpMaxPos) *lpMaxPos = nBar == SB_VERT ? m_nVertMax : m_nHorzMax;
}

void CScrollPage::ScrollTo(int horzPos, int vertPos) {
  const int dx = horzPos - m_nHorzPos;
  const int dy = vertPos - m_nVertPos;
  m_nHorzPos = horzPos;
  m_nVertPos = vertPos;
  ScrollWindow(-dx * kColumn, 0);
  ScrollWindow(0, -dy * kRow);
}

void CScrollPage::ResetScroll() {
  ScrollWindow(m_nHorzPos * kColumn, 0);
  ScrollWindow(0, m_nVertPos * kRow);
  m_nHorzPos = 0;
  m_nVertPos = 0;
  if (m_horzBar.GetSafeHwnd()) m_horzBar.SetScrollPos(0, TRUE);
  if (m_vertBar.GetSafeHwnd()) m_vertBar.SetScrollPos(0, TRUE);
}

void CScrollPage::UpdateScrollRanges() {
  if (!m_hWnd) return;
  // Which bars show: a bar takes room from the client area, which can give
  // the other one a range. Starting with none, bars are only ever added, so
  // this settles within three rounds.
  bool horz = false;
  bool vert = false;
  for (int round = 0; round < 3; ++round) {
    const CRect client = ClientWith(horz, vert);
    m_nHorzRange = (g_rcPageRef.Width() - client.Width()) / kColumn;
    m_nVertRange = (g_rcPageRef.Height() - client.Height()) / kRow;
    const bool needHorz = m_nHorzRange > 0;
    const bool needVert = m_nVertRange > 0;
    if (needHorz == horz && needVert == vert) break;
    horz = needHorz;
    vert = needVert;
  }
  m_nHorzMax = std::max(m_nHorzRange, 0);
  m_nVertMax = std::max(m_nVertRange, 0);
  // The content follows a position that the new range cuts back.
  ScrollTo(std::min(m_nHorzMax, m_nHorzPos), std::min(m_nVertMax, m_nVertPos));
  SetBar(m_horzBar, m_bHorzShown, m_nHorzMax, m_nHorzPos);
  SetBar(m_vertBar, m_bVertShown, m_nVertMax, m_nVertPos);
  PlaceScrollBars();

  if (!IsZoomed()) {
    if (CWnd* grip = GetDlgItem(static_cast<int>(IDC_PAGE_SIZEGRIP))) {
      CRect client;
      GetClientRect(&client);
      CRect r;
      grip->GetWindowRect(&r);
      grip->MoveWindow(client.right - r.Width(), client.bottom - r.Height(), r.Width(), r.Height(), TRUE);
    }
  }
}

void CScrollPage::SetBar(CScrollBar& bar, bool& shown, int nMax, int nPos) {
  shown = nMax > 0;
  if (!bar.GetSafeHwnd()) {
    shown = false;
    return;
  }
  bar.SetScrollRange(0, nMax, FALSE);
  bar.SetScrollPos(nPos, TRUE);
  bar.ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

void CScrollPage::PlaceScrollBars() {
  CRect window;
  CWnd::GetClientRect(&window);
  const CRect client = ClientWith(m_bHorzShown, m_bVertShown);
  if (m_bHorzShown) {
    m_horzBar.MoveWindow(window.left, client.bottom, client.Width(), window.bottom - client.bottom, TRUE);
    m_horzBar.GetSafeHwnd()->raise();
  }
  if (m_bVertShown) {
    m_vertBar.MoveWindow(client.right, window.top, window.right - client.right, client.Height(), TRUE);
    m_vertBar.GetSafeHwnd()->raise();
  }
  // The corner between two bars is the page's face, not content showing through.
  if (m_bHorzShown && m_bVertShown) {
    if (!m_corner) {
      m_corner = new QWidget(m_hWnd);
      m_corner->setAutoFillBackground(true);
      m_corner->setBackgroundRole(QPalette::Window);
    }
    m_corner->setGeometry(client.right, client.bottom, window.right - client.right, window.bottom - client.bottom);
    m_corner->show();
    m_corner->raise();
  } else if (m_corner) {
    m_corner->hide();
  }
}

bool CScrollPage::IsOwnBar(const CWnd* pScrollBar) const {
  // Scroll messages of the page's own bars, or sent with no bar at all; those
  // of a scroll control on the page (a trackbar, a spin) are not for scrolling it.
  return !pScrollBar || pScrollBar == &m_horzBar || pScrollBar == &m_vertBar;
}

void CScrollPage::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  if (IsOwnBar(pScrollBar)) {
    int step = 0;
    switch (nSBCode) {
      case SB_LINELEFT: step = -1; break;
      case SB_LINERIGHT: step = 1; break;
      case SB_PAGELEFT: step = -8; break;
      case SB_PAGERIGHT: step = 8; break;
      case SB_THUMBTRACK: step = static_cast<int>(nPos) - m_nHorzPos; break;
      case SB_LEFT: step = -m_nHorzPos; break;
      case SB_RIGHT: step = m_nHorzMax - m_nHorzPos; break;
      default: break;
    }
    step = std::clamp(m_nHorzPos + step, 0, m_nHorzMax) - m_nHorzPos;
    if (step != 0) {
      m_nHorzPos += step;
      ScrollWindow(-step * kColumn, 0);
      if (m_horzBar.GetSafeHwnd()) m_horzBar.SetScrollPos(m_nHorzPos, TRUE);
    }
  }
  CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CScrollPage::OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  if (IsOwnBar(pScrollBar)) {
    // One page is the whole range: a page step goes straight to the end.
    const int page = m_nVertRange >= 1 ? m_nVertRange : 1;
    int step = 0;
    switch (nSBCode) {
      case SB_LINEUP: step = -1; break;
      case SB_LINEDOWN: step = 1; break;
      case SB_PAGEUP: step = -page; break;
      case SB_PAGEDOWN: step = page; break;
      case SB_THUMBTRACK: step = static_cast<int>(nPos) - m_nVertPos; break;
      case SB_TOP: step = -m_nVertPos; break;
      case SB_BOTTOM: step = m_nVertMax - m_nVertPos; break;
      default: break;
    }
    step = std::clamp(m_nVertPos + step, 0, m_nVertMax) - m_nVertPos;
    if (step != 0) {
      m_nVertPos += step;
      ScrollWindow(0, -step * kRow);
      if (m_vertBar.GetSafeHwnd()) m_vertBar.SetScrollPos(m_nVertPos, TRUE);
    }
  }
  CDialog::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CScrollPage::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  // The size of a new window is reported once its controls exist, before its
  // OnInitDialog: the positions then still belong to the window before it, and
  // nothing of this one has been scrolled.
  if (!m_bInitialised || !m_sizeGrip.GetSafeHwnd()) return;
  ResetScroll();
  UpdateScrollRanges();
}

void CScrollPage::OnRomEditor() { ForwardCommandToMainDialog(this, ID_ROM_EDITOR); }

LRESULT CScrollPage::OnNextField(WPARAM, LPARAM) { return PageNextField(this); }

LRESULT CScrollPage::OnPrevField(WPARAM, LPARAM) { return PagePrevField(this); }
