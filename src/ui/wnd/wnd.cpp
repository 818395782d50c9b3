#include "ui/wnd/wnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVariant>

#include <cctype>
#include <unordered_map>

#include "ui/wnd/controls.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/prompt.h"
#include "ui/wnd/wnd_internal.h"

namespace {

constexpr const char* kIdProperty = "tq_ctrlId";
constexpr const char* kStyleProperty = "tq_style";
constexpr const char* kDeadProperty = "tq_dead";
constexpr const char* kTextProperty = "tq_text";

// Window -> the object bound to it.
std::unordered_map<const QWidget*, CWnd*>& WindowObjects() {
  static std::unordered_map<const QWidget*, CWnd*> map;
  return map;
}

// The messages being handled, innermost last; Default() looks up its own.
struct Frame {
  const CWnd* wnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Frame>& Frames() {
  static std::vector<Frame> frames;
  return frames;
}
struct FrameScope {
  FrameScope(const CWnd* w, UINT m, WPARAM a, LPARAM b) { Frames().push_back({w, m, a, b}); }
  ~FrameScope() { Frames().pop_back(); }
  FrameScope(const FrameScope&) = delete;
  FrameScope& operator=(const FrameScope&) = delete;
};

const MsgMapEntry* FindEntry(const MsgMap* map, UINT message, UINT code, UINT id, bool matchCodeAndId) {
  for (; map; map = map->baseMap ? map->baseMap() : nullptr) {
    for (const MsgMapEntry* e = map->entries; e->handler; ++e) {
      if (e->message != message) continue;
      if (!matchCodeAndId) return e;
      if (e->code == code && id >= e->id && id <= e->lastId) return e;
    }
  }
  return nullptr;
}

bool IsTopLevel(const QWidget* w) { return w->isWindow(); }

// The extra size of a top-level window's frame around its client area.
QMargins FrameMargins(const QWidget* w) {
  const QRect g = w->geometry();
  const QRect f = w->frameGeometry();
  return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

}  // namespace

// ---- wnd_detail helpers -------------------------------------------------------

namespace wnd_detail {

int WidgetId(const QWidget* w) {
  const QVariant v = w->property(kIdProperty);
  return v.isValid() ? v.toInt() : 0;
}
void SetWidgetId(QWidget* w, int id) { w->setProperty(kIdProperty, id); }
DWORD WidgetStyle(const QWidget* w) {
  const QVariant v = w->property(kStyleProperty);
  return v.isValid() ? static_cast<DWORD>(v.toUInt()) : 0;
}
void SetWidgetStyle(QWidget* w, DWORD style) { w->setProperty(kStyleProperty, static_cast<uint>(style)); }
bool IsDead(const QWidget* w) { return w->property(kDeadProperty).toBool(); }
void MarkDead(QWidget* w) {
  w->setProperty(kDeadProperty, true);
  w->setProperty(kIdProperty, QVariant());
}

QString ToQString(const std::string& s) { return QString::fromStdString(s); }
std::string FromQString(const QString& s) { return s.toStdString(); }

QString StripMnemonic(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    else if (text[i] == QLatin1Char('&')) continue;
    out += text[i];
  }
  return out;
}

std::string WidgetText(const QWidget* w) {
  if (IsTopLevel(w)) return FromQString(w->windowTitle());
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return FromQString(e->text());
  if (auto* c = qobject_cast<const QComboBox*>(w)) return FromQString(c->currentText());
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return FromQString(g->title());
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return FromQString(b->text());
  return FromQString(w->property(kTextProperty).toString());
}

void SetWidgetText(QWidget* w, const std::string& text) {
  const QString q = ToQString(text);
  if (IsTopLevel(w)) {
    w->setWindowTitle(q);
    return;
  }
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    e->setText(q);
    e->setCursorPosition(0);
    return;
  }
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    if (c->isEditable()) c->setEditText(q);
    return;
  }
  if (auto* g = qobject_cast<QGroupBox*>(w)) {
    g->setTitle(q);
    return;
  }
  if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(q);
    // A caption broken over lines is one name to accessibility tools, a blank
    // for each break; any other caption is its own name.
    QString name;
    if (q.contains(QLatin1Char('\r')) || q.contains(QLatin1Char('\n'))) {
      name = StripMnemonic(q).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
      name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    b->setAccessibleName(name);
    return;
  }
  w->setProperty(kTextProperty, q);
  if (auto* l = qobject_cast<QLabel*>(w)) SetLabelText(l, (WidgetStyle(w) & SS_NOPREFIX) ? q : StripMnemonic(q));
}

CWnd* NearestWindowObject(QWidget* w) {
  for (; w; w = w->parentWidget()) {
    if (IsDead(w)) return nullptr;
    if (CWnd* p = CWnd::FromHandlePermanent(w)) return p;
    if (w->isWindow()) break;
  }
  return nullptr;
}

CWnd* WndFromHandle(HWND h) { return CWnd::FromHandlePermanent(h); }
CPoint PointFromLParam(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

}  // namespace wnd_detail

using namespace wnd_detail;

// ---- CWnd: the object and its window --------------------------------------------

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (!m_hWnd) return;
  HWND h = m_hWnd;
  Detach();
  if (m_bOwnsWindow) {
    KillAllTimers(h);
    DestroyWidgetLater(h);
  }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (!hWnd) return nullptr;
  auto it = WindowObjects().find(hWnd);
  return it == WindowObjects().end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd || IsDead(hWnd)) return nullptr;
  if (CWnd* p = FromHandlePermanent(hWnd)) return p;
  auto* temp = new CWnd;
  temp->m_bTemporary = true;
  temp->Attach(hWnd);
  return temp;
}

BOOL CWnd::Attach(HWND hWnd) {
  if (!hWnd || m_hWnd || FromHandlePermanent(hWnd)) return FALSE;
  AfxInitWindowLayer();
  m_hWnd = hWnd;
  WindowObjects()[hWnd] = this;
  m_destroyedConnection = QObject::connect(hWnd, &QObject::destroyed, [this] { OnWidgetDestroyed(); });
  ConnectWindow();
  return TRUE;
}

HWND CWnd::Detach() {
  HWND h = m_hWnd;
  if (!h) return nullptr;
  DisconnectAll();
  QObject::disconnect(m_destroyedConnection);
  auto it = WindowObjects().find(h);
  if (it != WindowObjects().end() && it->second == this) WindowObjects().erase(it);
  m_hWnd = nullptr;
  return h;
}

void CWnd::OnWidgetDestroyed() {
  // The widget went away without DestroyWindow (its parent was deleted).
  DisconnectAll();
  QObject::disconnect(m_destroyedConnection);
  WindowObjects().erase(m_hWnd);
  m_hWnd = nullptr;
  if (m_bTemporary) delete this;
}

void CWnd::DisconnectAll() {
  for (const auto& c : m_connections) QObject::disconnect(c);
  m_connections.clear();
}

void CWnd::KeepConnection(const QMetaObject::Connection& c) { m_connections.push_back(c); }

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!hWnd || m_hWnd) return FALSE;
  if (CWnd* previous = FromHandlePermanent(hWnd)) {
    // A plain object made for the window steps aside for this one.
    previous->Detach();
    if (previous->m_bTemporary) delete previous;
  }
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  if (!pParent || !pParent->m_hWnd) return FALSE;
  CWnd* item = pParent->GetDlgItem(static_cast<int>(nID));
  if (!item) return FALSE;
  return SubclassWindow(item->m_hWnd);
}

HWND CWnd::UnsubclassWindow() { return Detach(); }

void CWnd::PreSubclassWindow() {}

void CWnd::ConnectWindow() {}

// ---- identity and relations -------------------------------------------------------

int CWnd::GetDlgCtrlID() const { return m_hWnd ? WidgetId(m_hWnd) : 0; }

int CWnd::SetDlgCtrlID(int nID) {
  if (!m_hWnd) return 0;
  const int old = WidgetId(m_hWnd);
  SetWidgetId(m_hWnd, nID);
  return old;
}

CWnd* CWnd::GetParent() const {
  if (!m_hWnd) return nullptr;
  return FromHandle(m_hWnd->parentWidget());
}

CWnd* CWnd::GetOwner() const { return m_pOwner ? m_pOwner : GetParent(); }

void CWnd::SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }

CWnd* CWnd::GetParentOwner() const {
  if (!m_hWnd) return nullptr;
  return FromHandle(m_hWnd->window());
}

CWnd* CWnd::GetTopLevelParent() const {
  if (!m_hWnd) return nullptr;
  QWidget* w = m_hWnd->window();
  while (w->parentWidget()) w = w->parentWidget()->window();
  return FromHandle(w);
}

CWnd* CWnd::GetDlgItem(int nID) const {
  if (!m_hWnd) return nullptr;
  for (QObject* o : m_hWnd->children()) {
    if (!o->isWidgetType()) continue;
    auto* w = static_cast<QWidget*>(o);
    if (!IsDead(w) && w->property(kIdProperty).isValid() && WidgetId(w) == nID) return FromHandle(w);
  }
  return nullptr;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const {
  return m_hWnd && pWnd && pWnd->m_hWnd && pWnd->m_hWnd != m_hWnd && m_hWnd->isAncestorOf(pWnd->m_hWnd);
}

DWORD CWnd::GetStyle() const {
  if (!m_hWnd) return 0;
  DWORD style = WidgetStyle(m_hWnd) & ~(WS_VISIBLE | WS_DISABLED);
  if (!m_hWnd->isHidden()) style |= WS_VISIBLE;
  if (m_hWnd->testAttribute(Qt::WA_ForceDisabled)) style |= WS_DISABLED;
  if (!IsTopLevel(m_hWnd)) style |= WS_CHILD;
  if (auto* e = qobject_cast<QLineEdit*>(m_hWnd)) {
    style = e->isReadOnly() ? (style | ES_READONLY) : (style & ~ES_READONLY);
  }
  return style;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) {
  if (!m_hWnd) return FALSE;
  const DWORD before = GetStyle();
  const DWORD after = (before & ~dwRemove) | dwAdd;
  if (before == after) return FALSE;
  SetWidgetStyle(m_hWnd, after);
  if ((before ^ after) & WS_VISIBLE) m_hWnd->setVisible(after & WS_VISIBLE);
  if ((before ^ after) & WS_DISABLED) m_hWnd->setEnabled(!(after & WS_DISABLED));
  if (auto* e = qobject_cast<QLineEdit*>(m_hWnd); e && ((before ^ after) & ES_READONLY)) {
    e->setReadOnly(after & ES_READONLY);
  }
  return TRUE;
}

// ---- geometry --------------------------------------------------------------------

void CWnd::GetClientRect(CRect* pRect) const {
  if (!pRect) return;
  *pRect = m_hWnd ? CRect(0, 0, m_hWnd->width(), std::max(0, m_hWnd->height() - ClientOrigin(m_hWnd).y())) : CRect();
}

void CWnd::GetWindowRect(CRect* pRect) const {
  if (!pRect) return;
  if (!m_hWnd) {
    *pRect = CRect();
    return;
  }
  if (IsTopLevel(m_hWnd)) {
    const QRect f = m_hWnd->frameGeometry();
    *pRect = CRect(f.left(), f.top(), f.left() + f.width(), f.top() + f.height());
    return;
  }
  const QPoint p = m_hWnd->mapToGlobal(QPoint(0, 0));
  *pRect = CRect(p.x(), p.y(), p.x() + m_hWnd->width(), p.y() + m_hWnd->height());
}

void CWnd::ClientToScreen(CPoint* pPoint) const {
  if (!pPoint || !m_hWnd) return;
  const QPoint p = m_hWnd->mapToGlobal(QPoint(pPoint->x, pPoint->y) + ClientOrigin(m_hWnd));
  *pPoint = {p.x(), p.y()};
}

void CWnd::ClientToScreen(CRect* pRect) const {
  if (!pRect || !m_hWnd) return;
  const QPoint d = m_hWnd->mapToGlobal(ClientOrigin(m_hWnd));
  pRect->OffsetRect(d.x(), d.y());
}

void CWnd::ScreenToClient(CPoint* pPoint) const {
  if (!pPoint || !m_hWnd) return;
  const QPoint p = m_hWnd->mapFromGlobal(QPoint(pPoint->x, pPoint->y)) - ClientOrigin(m_hWnd);
  *pPoint = {p.x(), p.y()};
}

void CWnd::ScreenToClient(CRect* pRect) const {
  if (!pRect || !m_hWnd) return;
  const QPoint d = m_hWnd->mapFromGlobal(QPoint(0, 0)) - ClientOrigin(m_hWnd);
  pRect->OffsetRect(d.x(), d.y());
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  if (!m_hWnd) return;
  if (IsTopLevel(m_hWnd)) {
    const QMargins m = FrameMargins(m_hWnd);
    m_hWnd->setGeometry(x + m.left(), y + m.top(), std::max(0, nWidth - m.left() - m.right()),
                        std::max(0, nHeight - m.top() - m.bottom()));
  } else {
    const QPoint o = ClientOrigin(m_hWnd->parentWidget());
    m_hWnd->setGeometry(x + o.x(), y + o.y(), std::max(0, nWidth), std::max(0, nHeight));
  }
  ReportSize(this);
  if (bRepaint && m_hWnd) m_hWnd->update();
}

void CWnd::MoveWindow(const CRect& rect, BOOL bRepaint) {
  MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT nFlags) {
  if (!m_hWnd) return FALSE;
  CRect r;
  if (IsTopLevel(m_hWnd)) {
    GetWindowRect(&r);
  } else {
    const QPoint topLeft = m_hWnd->pos() - ClientOrigin(m_hWnd->parentWidget());
    r = CRect(topLeft.x(), topLeft.y(), topLeft.x() + m_hWnd->width(), topLeft.y() + m_hWnd->height());
  }
  if (!(nFlags & SWP_NOMOVE)) r = CRect(x, y, x + r.Width(), y + r.Height());
  if (!(nFlags & SWP_NOSIZE)) r = CRect(r.left, r.top, r.left + cx, r.top + cy);
  if ((nFlags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) MoveWindow(r, !(nFlags & SWP_NOREDRAW));
  if (m_hWnd && (nFlags & SWP_SHOWWINDOW)) m_hWnd->setVisible(true);
  if (m_hWnd && (nFlags & SWP_HIDEWINDOW)) m_hWnd->setVisible(false);
  return TRUE;
}

// ---- state -------------------------------------------------------------------------

BOOL CWnd::ShowWindow(int nCmdShow) {
  if (!m_hWnd) return FALSE;
  const bool wasVisible = !m_hWnd->isHidden();
  const bool show = nCmdShow != SW_HIDE;
  if (show != wasVisible) {
    QPointer<QWidget> guard(m_hWnd);
    SendMessage(WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!guard || !m_hWnd) return wasVisible;
  }
  if (!IsTopLevel(m_hWnd)) {
    m_hWnd->setVisible(show);
    return wasVisible;
  }
  switch (nCmdShow) {
    case SW_HIDE: m_hWnd->hide(); break;
    case SW_SHOWMAXIMIZED: m_hWnd->showMaximized(); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE: m_hWnd->showMinimized(); break;
    case SW_SHOWNORMAL:
    case SW_RESTORE: m_hWnd->showNormal(); m_hWnd->activateWindow(); break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA: m_hWnd->show(); break;
    default: m_hWnd->show(); m_hWnd->activateWindow(); break;
  }
  return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return m_hWnd && m_hWnd->isVisible(); }

BOOL CWnd::EnableWindow(BOOL bEnable) {
  if (!m_hWnd) return FALSE;
  const bool wasDisabled = m_hWnd->testAttribute(Qt::WA_ForceDisabled);
  m_hWnd->setEnabled(bEnable != FALSE);
  return wasDisabled ? TRUE : FALSE;
}

BOOL CWnd::IsWindowEnabled() const { return m_hWnd && !m_hWnd->testAttribute(Qt::WA_ForceDisabled); }

BOOL CWnd::IsIconic() const { return m_hWnd && m_hWnd->isMinimized(); }

BOOL CWnd::IsZoomed() const { return m_hWnd && m_hWnd->isMaximized(); }

void CWnd::SetWindowText(const std::string& text) {
  if (m_hWnd) SetWidgetText(m_hWnd, text);
}

std::string CWnd::GetWindowText() const { return m_hWnd ? WidgetText(m_hWnd) : std::string(); }

int CWnd::GetWindowTextLength() const { return static_cast<int>(GetWindowText().size()); }

void CWnd::SetDlgItemText(int nID, const std::string& text) {
  if (CWnd* item = GetDlgItem(nID)) item->SetWindowText(text);
}

std::string CWnd::GetDlgItemText(int nID) const {
  CWnd* item = GetDlgItem(nID);
  return item ? item->GetWindowText() : std::string();
}

void CWnd::SetDlgItemInt(int nID, int value, BOOL bSigned) {
  SetDlgItemText(nID, bSigned ? std::to_string(value) : std::to_string(static_cast<unsigned>(value)));
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* pTranslated, BOOL bSigned) const {
  if (pTranslated) *pTranslated = FALSE;
  CWnd* item = GetDlgItem(nID);
  if (!item) return 0;
  const std::string text = item->GetWindowText();
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (bSigned && i < text.size() && text[i] == '-') {
    negative = true;
    ++i;
  }
  const std::size_t firstDigit = i;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (!std::isdigit(c)) return 0;
    value = value * 10 + (c - '0');
    if (value > 0xFFFFFFFFLL) return 0;
  }
  if (i == firstDigit) return 0;
  if (bSigned && value > (negative ? 0x80000000LL : 0x7FFFFFFFLL)) return 0;
  if (pTranslated) *pTranslated = TRUE;
  return static_cast<UINT>(negative ? -value : value);
}

void CWnd::CheckDlgButton(int nID, UINT nCheck) { SendDlgItemMessage(nID, BM_SETCHECK, nCheck, 0); }

UINT CWnd::IsDlgButtonChecked(int nID) const {
  CWnd* item = GetDlgItem(nID);
  return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK)) : 0;
}

void CWnd::CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck) {
  for (int id = nIDFirst; id <= nIDLast; ++id) CheckDlgButton(id, id == nIDCheck ? BST_CHECKED : BST_UNCHECKED);
}

void CWnd::SetFont(const QFont& font, BOOL bRedraw) {
  if (!m_hWnd) return;
  m_hWnd->setFont(font);
  if (bRedraw) m_hWnd->update();
}

QFont CWnd::GetFont() const { return m_hWnd ? m_hWnd->font() : QFont(); }

void CWnd::Invalidate(BOOL) {
  if (m_hWnd) m_hWnd->update();
}

void CWnd::UpdateWindow() {
  if (m_hWnd && m_hWnd->isVisible()) m_hWnd->repaint();
}

CWnd* CWnd::SetFocus() {
  CWnd* previous = GetFocus();
  if (!m_hWnd) return previous;
  QWidget* top = m_hWnd->window();
  if (top->isVisible() && !top->isActiveWindow()) top->activateWindow();
  m_hWnd->setFocus(Qt::OtherFocusReason);
  return previous;
}

CWnd* CWnd::GetFocus() {
  QWidget* f = QApplication::focusWidget();
  if (!f) return nullptr;
  if (CWnd* p = NearestWindowObject(f)) return p;
  return FromHandle(f);
}

void CWnd::BeginWaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

void CWnd::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

CWaitCursor::CWaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

CWaitCursor::~CWaitCursor() { QApplication::restoreOverrideCursor(); }

int CWnd::MessageBox(const std::string& text, const char* caption, UINT nType) {
  return GetPromptService().MessageBox(this, text, caption ? std::string(caption) : AfxGetAppName(), nType);
}

// ---- messages ----------------------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_hWnd) return 0;
  return WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* item = GetDlgItem(nID);
  return item ? item->SendMessage(message, wParam, lParam) : 0;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  FrameScope frame(this, message, wParam, lParam);
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *pResult = 0;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    LRESULT r = 0;
    if (!OnNotify(wParam, lParam, &r)) return FALSE;
    *pResult = r;
    return TRUE;
  }
  const MsgMapEntry* e = FindEntry(GetMessageMap(), message, 0, 0, false);
  if (!e) return FALSE;
  *pResult = e->handler(this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  int code = HIWORD(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (!control) {
    code = 0;  // menus and accelerators both give plain commands
  } else if (CWnd* child = FromHandlePermanent(control); child && child != this) {
    LRESULT r = 0;
    if (child->OnChildNotify(WM_COMMAND, wParam, lParam, &r)) return TRUE;
  }
  return OnCmdMsg(id, code);
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode) {
  const MsgMapEntry* e = FindEntry(GetMessageMap(), WM_COMMAND, static_cast<UINT>(nCode), nID, true);
  if (!e) return FALSE;
  e->handler(this, MAKEWPARAM(nID, static_cast<unsigned>(nCode)), 0);
  return TRUE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header) return FALSE;
  if (CWnd* child = FromHandlePermanent(header->hwndFrom); child && child != this) {
    if (child->OnChildNotify(WM_NOTIFY, header->idFrom, lParam, pResult)) return TRUE;
  }
  const MsgMapEntry* e = FindEntry(GetMessageMap(), WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom), true);
  if (!e) return FALSE;
  *pResult = e->handler(this, header->idFrom, lParam);
  return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  UINT code = 0;
  if (message == WM_COMMAND) {
    code = HIWORD(wParam);
  } else if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) return FALSE;
    code = header->code;
  } else {
    return FALSE;
  }
  const MsgMapEntry* e = FindEntry(GetMessageMap(), WM_REFLECT_BASE + message, code, 0, true);
  if (!e) return FALSE;
  const LRESULT r = e->handler(this, wParam, lParam);
  if (pResult) *pResult = r;
  return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // A control's own behaviour comes first: its window class procedure.
  if (WindowClassProc proc = GetWindowClassProc(m_hWnd)) {
    bool handled = false;
    const LRESULT r = proc(this, message, wParam, lParam, &handled);
    if (handled) return r;
  }
  // F1 asks for help on the window it is pressed in (ext/help.cpp).
  if (message == WM_KEYDOWN && wParam == VK_F1 && SendHelpForKey(this)) return 0;
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      DeliverInputDefault(this, message, wParam, lParam);
      return 0;
    case WM_CLOSE:
      DestroyWindow();
      return 0;
    case WM_HELP:
      return PassHelpUp(this, lParam);
    case WM_NCHITTEST:
      return 1;  // the client area
    case WM_SETTEXT:
      SetWindowText(lParam ? std::string(reinterpret_cast<const char*>(lParam)) : std::string());
      return TRUE;
    case WM_GETTEXTLENGTH:
      return GetWindowTextLength();
    default:
      return 0;
  }
}

LRESULT CWnd::Default() {
  const auto& frames = Frames();
  for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
    if (it->wnd == this) return DefWindowProc(it->message, it->wParam, it->lParam);
  }
  return 0;
}

void CWnd::NotifyParent(UINT code) {
  if (!m_hWnd || IsTopLevel(m_hWnd)) return;
  CWnd* parent = GetParent();
  if (!parent) return;
  parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID()), code),
                      reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CWnd::NotifyParentNm(UINT code, NMHDR* pHeader) {
  if (!m_hWnd || IsTopLevel(m_hWnd)) return 0;
  CWnd* parent = GetParent();
  if (!parent) return 0;
  NMHDR own;
  NMHDR* h = pHeader ? pHeader : &own;
  h->hwndFrom = m_hWnd;
  h->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  h->code = code;
  return parent->SendMessage(WM_NOTIFY, h->idFrom, reinterpret_cast<LPARAM>(h));
}

// ---- timers ------------------------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void*) { return ::SetTimer(m_hWnd, nIDEvent, nElapse); }

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

// ---- lifetime ------------------------------------------------------------------------------

void CWnd::DestroyWidgetLater(HWND hWnd) {
  MarkDead(hWnd);
  hWnd->hide();
  hWnd->deleteLater();
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  QPointer<QWidget> self(m_hWnd);

  // Hiding first lets a control that has the focus lose it (and report that)
  // while every object is still bound to its window.
  self->hide();
  if (!self || !m_hWnd) return TRUE;

  SendMessage(WM_DESTROY);
  std::vector<QPointer<QWidget>> inner;
  if (self) {
    for (QWidget* w : self->findChildren<QWidget*>()) inner.emplace_back(w);
  }
  for (const auto& w : inner) {
    if (!w) continue;
    if (CWnd* p = FromHandlePermanent(w)) p->SendMessage(WM_DESTROY);
  }
  if (self) KillAllTimers(self);
  for (const auto& w : inner) {
    if (!w) continue;
    KillAllTimers(w);
    if (CWnd* p = FromHandlePermanent(w)) {
      p->Detach();
      p->m_defaultControls.clear();
      const bool temporary = p->m_bTemporary;
      p->PostNcDestroy();
      if (temporary) delete p;
    }
  }
  m_defaultControls.clear();
  if (self) DestroyWidgetLater(self);
  Detach();
  const bool temporary = m_bTemporary;
  PostNcDestroy();  // may delete this
  if (temporary) delete this;
  return TRUE;
}

void CWnd::PostNcDestroy() {}

// ---- standard handlers: the default processing ---------------------------------------

void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CWnd*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CWnd*) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

// ---- the root message map ------------------------------------------------------------------

const MsgMap* CWnd::GetThisMessageMap() {
  static const MsgMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
  static const MsgMap map = {nullptr, entries};
  return &map;
}

const MsgMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }
