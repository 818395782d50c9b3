#include "ui/wnd/message_loop.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimerEvent>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <unordered_set>

#include "ui/wnd/ext/color_pass.h"
#include "ui/wnd/ext/tab_ctrl.h"
#include "ui/wnd/wnd.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

// What the loop knows about the Qt event it is routing as a message.
struct InputContext {
  enum class Kind { Key, Mouse, Focus };
  Kind kind;
  QPointer<QWidget> receiver;  // the widget Qt addressed
  HWND hwnd = nullptr;         // the window of the message
  QEvent* event = nullptr;
  UINT message = 0;            // the first message made of it
  Qt::KeyboardModifiers modifiers;
  UINT vk = 0;                 // key events: the virtual key
  UINT ch = 0;                 // key events: the character typed, 0 for none
  bool delivered = false;      // the Qt event has gone to the widget
  // The WM_CHAR arranged by TranslateMessage.
  bool charPending = false;
  UINT charMessage = WM_CHAR;
  UINT pendingChar = 0;
  QPointer<QWidget> charHwnd;
};

std::vector<InputContext*>& Contexts() {
  static std::vector<InputContext*> contexts;
  return contexts;
}

struct ContextScope {
  explicit ContextScope(InputContext* c) { Contexts().push_back(c); }
  ~ContextScope() { Contexts().pop_back(); }
  ContextScope(const ContextScope&) = delete;
  ContextScope& operator=(const ContextScope&) = delete;
};

// The innermost routed event whose message is for the window.
InputContext* ContextFor(HWND hwnd) {
  auto& contexts = Contexts();
  for (auto it = contexts.rbegin(); it != contexts.rend(); ++it) {
    if ((*it)->hwnd == hwnd) return *it;
  }
  return nullptr;
}

// Events the layer itself hands to widgets; the filter lets them pass.
std::unordered_set<const QEvent*>& LayerEvents() {
  static std::unordered_set<const QEvent*> events;
  return events;
}

void SendToWidget(QWidget* w, QEvent* e) {
  if (!w) return;
  LayerEvents().insert(e);
  QCoreApplication::sendEvent(w, e);
  LayerEvents().erase(e);
}

void SendCopyToWidget(QWidget* w, const QEvent* e) {
  std::unique_ptr<QEvent> copy(e->clone());
  SendToWidget(w, copy.get());
}

std::set<UINT>& KeysDown() {
  static std::set<UINT> keys;
  return keys;
}

std::map<UINT, AcceleratorTable>& AcceleratorTables() {
  static std::map<UINT, AcceleratorTable> tables;
  return tables;
}

struct TimerEntry {
  QPointer<QWidget> hwnd;
  UINT_PTR id = 0;
  bool running = false;
};

Qt::KeyboardModifiers CurrentModifiers() {
  auto& contexts = Contexts();
  for (auto it = contexts.rbegin(); it != contexts.rend(); ++it) {
    if ((*it)->kind != InputContext::Kind::Focus) return (*it)->modifiers;
  }
  return QGuiApplication::keyboardModifiers();
}

// Ctrl+A in an edit selects its whole text: the edit does that on the
// key-down, and the key types no character for the cells to refuse.
bool IsSelectAllInEdit(const QWidget* w, const QKeyEvent* ke) {
  return ke->key() == Qt::Key_A && (ke->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier &&
         (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w));
}

// The character a key event types, as the keyboard driver would: none for
// Delete, control characters for Ctrl+letter.
UINT CharOfKeyEvent(const QWidget* w, const QKeyEvent* ke) {
  if (IsSelectAllInEdit(w, ke)) return 0;
  const QString text = ke->text();
  const bool ctrl = ke->modifiers() & Qt::ControlModifier;
  if (ctrl && ke->key() >= Qt::Key_A && ke->key() <= Qt::Key_Z) {
    return static_cast<UINT>(ke->key() - Qt::Key_A + 1);
  }
  if (text.isEmpty()) return 0;
  const UINT c = text.at(0).unicode();
  if (c == 0x7F) return 0;
  return c;
}

// The character of a virtual key made by a program (a key turned into another).
UINT CharOfVirtualKey(UINT vk, bool shift) {
  switch (vk) {
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    case VK_SPACE: return ' ';
    default: break;
  }
  if (vk >= '0' && vk <= '9') return vk;
  if (vk >= 'A' && vk <= 'Z') return shift ? vk : vk - 'A' + 'a';
  return 0;
}

LPARAM KeyLParam(const QKeyEvent* ke) {
  std::uint32_t l = 1;                                           // repeat count
  if (ke->modifiers() & Qt::AltModifier) l |= (1u << 29);        // context code
  if (ke->isAutoRepeat()) l |= (1u << 30);                       // previous key state
  return static_cast<LPARAM>(static_cast<std::int32_t>(l));
}

WPARAM MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  WPARAM w = 0;
  if (buttons & Qt::LeftButton) w |= MK_LBUTTON;
  if (buttons & Qt::RightButton) w |= MK_RBUTTON;
  if (mods & Qt::ShiftModifier) w |= MK_SHIFT;
  if (mods & Qt::ControlModifier) w |= MK_CONTROL;
  return w;
}

// The application event filter, the queue of posted messages and the timers.
class CMessageLoop : public QObject {
 public:
  static CMessageLoop* Instance() {
    static CMessageLoop* loop = nullptr;
    if (!loop && QCoreApplication::instance()) {
      loop = new CMessageLoop;
      QCoreApplication::instance()->installEventFilter(loop);
      // The loop goes with the application.
      loop->setParent(QCoreApplication::instance());
      QObject::connect(loop, &QObject::destroyed, [] { loop = nullptr; });
    }
    return loop;
  }

  static QEvent::Type PostedType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }

  struct PostedEvent : QEvent {
    PostedEvent(HWND h, UINT m, WPARAM w, LPARAM l) : QEvent(PostedType()), hwnd(h), message(m), wParam(w), lParam(l) {}
    QPointer<QWidget> hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };

  UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse) {
    KillTimer(hwnd, id);
    const int qtId = startTimer(static_cast<int>(std::clamp<UINT>(elapse, 1, 0x7FFFFFFF)), Qt::PreciseTimer);
    if (qtId == 0) return 0;
    timers_[qtId] = TimerEntry{hwnd, id, false};
    return id;
  }

  BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
      if (it->second.hwnd == hwnd && it->second.id == id) {
        killTimer(it->first);
        timers_.erase(it);
        return TRUE;
      }
    }
    return FALSE;
  }

  void KillAll(HWND hwnd) {
    for (auto it = timers_.begin(); it != timers_.end();) {
      if (it->second.hwnd == hwnd || !it->second.hwnd) {
        killTimer(it->first);
        it = timers_.erase(it);
      } else {
        ++it;
      }
    }
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (!o->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(o);
    switch (e->type()) {
      case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (!e->spontaneous() || LayerEvents().count(e)) return false;
        if (const UINT vk = VirtualKeyFromQtKey(ke->key(), ke->modifiers())) KeysDown().insert(vk);
        return RouteKey(w, ke);
      }
      case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (e->spontaneous() && !ke->isAutoRepeat()) KeysDown().erase(VirtualKeyFromQtKey(ke->key(), ke->modifiers()));
        return false;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        if (!e->spontaneous() || LayerEvents().count(e)) return false;
        return RouteMouse(w, static_cast<QMouseEvent*>(e));
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        if (LayerEvents().count(e)) return false;
        return RouteFocus(w, static_cast<QFocusEvent*>(e));
      case QEvent::Close:
        if (LayerEvents().count(e)) return false;
        return RouteClose(w, e);
      case QEvent::Resize:
        if (CWnd* p = CWnd::FromHandlePermanent(w); p && !IsDead(w)) ReportSize(p);
        return false;
      default:
        return false;
    }
  }

  void customEvent(QEvent* e) override {
    if (e->type() == FlushType()) {
      // The hold has ended: the messages it kept, in the order they were posted.
      while (holdDepth_ == 0 && !held_.empty()) {
        HeldMessage m = held_.front();
        held_.erase(held_.begin());
        if (!m.hwnd || IsDead(m.hwnd)) continue;
        MSG msg{m.hwnd, m.message, m.wParam, m.lParam};
        PumpMessage(&msg);
      }
      return;
    }
    if (e->type() != PostedType()) return;
    auto* pe = static_cast<PostedEvent*>(e);
    if (!pe->hwnd || IsDead(pe->hwnd)) return;  // the window is gone: the message goes with it
    if (holdDepth_ > 0 || !held_.empty()) {
      held_.push_back({pe->hwnd, pe->message, pe->wParam, pe->lParam});
      return;
    }
    MSG msg{pe->hwnd, pe->message, pe->wParam, pe->lParam};
    PumpMessage(&msg);
  }

 public:
  // While held, posted messages wait and window timers do not tick.
  void Hold(bool hold) {
    if (hold) {
      ++holdDepth_;
      return;
    }
    if (holdDepth_ > 0 && --holdDepth_ == 0 && !held_.empty()) {
      QCoreApplication::postEvent(this, new QEvent(FlushType()));
    }
  }

  static QEvent::Type FlushType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }

 protected:

  void timerEvent(QTimerEvent* te) override {
    const int qtId = te->timerId();
    auto it = timers_.find(qtId);
    if (it == timers_.end()) {
      killTimer(qtId);
      return;
    }
    if (!it->second.hwnd || IsDead(it->second.hwnd)) {
      killTimer(qtId);
      timers_.erase(it);
      return;
    }
    if (it->second.running) return;  // the last tick's handler is still at work
    if (holdDepth_ > 0) return;         // a transfer is looking at its input: no foreign ticks
    it->second.running = true;
    MSG msg{it->second.hwnd, WM_TIMER, it->second.id, 0};
    PumpMessage(&msg);
    if (auto again = timers_.find(qtId); again != timers_.end()) again->second.running = false;
  }

 private:
  bool RouteKey(QWidget* w, QKeyEvent* ke) {
    CWnd* target = NearestWindowObject(w);
    if (!target || !target->GetSafeHwnd()->isEnabled()) return false;
    // The keys of a tab set come before the control with the focus.
    if (TakeWindowTabKey(w, ke)) {
      ke->accept();
      return true;
    }
    InputContext ctx;
    ctx.kind = InputContext::Kind::Key;
    ctx.receiver = w;
    ctx.hwnd = target->GetSafeHwnd();
    ctx.event = ke;
    ctx.modifiers = ke->modifiers();
    ctx.vk = VirtualKeyFromQtKey(ke->key(), ke->modifiers());
    ctx.ch = CharOfKeyEvent(w, ke);
    const bool alt = (ke->modifiers() & Qt::AltModifier) || ctx.vk == VK_F10;
    ctx.message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    ContextScope scope(&ctx);

    MSG msg{ctx.hwnd, ctx.message, ctx.vk, KeyLParam(ke)};
    PumpMessage(&msg);
    if (ctx.charPending && ctx.charHwnd && !IsDead(ctx.charHwnd)) {
      MSG chr{ctx.charHwnd, ctx.charMessage, ctx.pendingChar, KeyLParam(ke)};
      ctx.charPending = false;
      PumpMessage(&chr);
    }
    ke->accept();
    return true;
  }

  bool RouteMouse(QWidget* w, QMouseEvent* me) {
    UINT message = 0;
    const bool left = me->button() == Qt::LeftButton;
    const bool right = me->button() == Qt::RightButton;
    if (!left && !right) return false;
    switch (me->type()) {
      case QEvent::MouseButtonPress: message = left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN; break;
      case QEvent::MouseButtonRelease: message = left ? WM_LBUTTONUP : WM_RBUTTONUP; break;
      case QEvent::MouseButtonDblClick: message = left ? WM_LBUTTONDBLCLK : WM_RBUTTONDBLCLK; break;
      default: return false;
    }
    CWnd* target = NearestWindowObject(w);
    if (!target || !target->GetSafeHwnd()->isEnabled()) return false;
    HWND hwnd = target->GetSafeHwnd();
    const QPoint pos = (w == hwnd ? me->position().toPoint() : w->mapTo(hwnd, me->position().toPoint())) -
                       ClientOrigin(hwnd);
    InputContext ctx;
    ctx.kind = InputContext::Kind::Mouse;
    ctx.receiver = w;
    ctx.hwnd = hwnd;
    ctx.event = me;
    ctx.message = message;
    ctx.modifiers = me->modifiers();
    ContextScope scope(&ctx);
    MSG msg{hwnd, message, MouseKeyFlags(me->buttons(), me->modifiers()),
            MAKELPARAM(static_cast<unsigned>(pos.x()), static_cast<unsigned>(pos.y()))};
    PumpMessage(&msg);
    me->accept();
    return true;
  }

  bool RouteFocus(QWidget* w, QFocusEvent* fe) {
    CWnd* target = CWnd::FromHandlePermanent(w);
    if (!target || IsDead(w)) {
      if (fe->type() == QEvent::FocusIn) lastFocus_ = w;
      return false;
    }
    InputContext ctx;
    ctx.kind = InputContext::Kind::Focus;
    ctx.receiver = w;
    ctx.hwnd = w;
    ctx.event = fe;
    ctx.message = fe->type() == QEvent::FocusIn ? WM_SETFOCUS : WM_KILLFOCUS;
    ContextScope scope(&ctx);
    if (fe->type() == QEvent::FocusIn) {
      QWidget* previous = lastFocus_;
      lastFocus_ = w;
      target->SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(previous == w ? nullptr : previous), 0);
    } else {
      QWidget* next = QApplication::focusWidget();
      target->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(next == w ? nullptr : next), 0);
    }
    return true;
  }

  bool RouteClose(QWidget* w, QEvent* e) {
    CWnd* target = CWnd::FromHandlePermanent(w);
    if (!target || !w->isWindow() || IsDead(w)) return false;
    e->ignore();
    target->SendMessage(WM_CLOSE);
    return true;
  }

  std::map<int, TimerEntry> timers_;
  QPointer<QWidget> lastFocus_;
  struct HeldMessage {
    QPointer<QWidget> hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  std::vector<HeldMessage> held_;
  int holdDepth_ = 0;
};

}  // namespace

void AfxInitWindowLayer() {
  CMessageLoop::Instance();
  InitPaintFilter();
}

void wnd_detail::HoldPostedMessages(bool hold) {
  if (CMessageLoop* loop = CMessageLoop::Instance()) loop->Hold(hold);
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* p = CWnd::FromHandlePermanent(hWnd);
  return p ? p->SendMessage(message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!hWnd || IsDead(hWnd)) return FALSE;
  CMessageLoop* loop = CMessageLoop::Instance();
  if (!loop) return FALSE;
  QCoreApplication::postEvent(loop, new CMessageLoop::PostedEvent(hWnd, message, wParam, lParam));
  return TRUE;
}

BOOL WalkPreTranslateTree(MSG* pMsg) {
  QPointer<QWidget> w = pMsg->hwnd;
  while (w && !IsDead(w)) {
    QPointer<QWidget> parent = w->isWindow() ? nullptr : w->parentWidget();
    if (CWnd* p = CWnd::FromHandlePermanent(w); p && p->PreTranslateMessage(pMsg)) return TRUE;
    if (!parent) break;
    w = parent;
  }
  return FALSE;
}

BOOL TranslateMessage(const MSG* pMsg) {
  if (!pMsg || (pMsg->message != WM_KEYDOWN && pMsg->message != WM_SYSKEYDOWN)) return FALSE;
  InputContext* ctx = ContextFor(pMsg->hwnd);
  if (ctx && ctx->kind != InputContext::Kind::Key) ctx = nullptr;
  UINT ch = 0;
  if (ctx && pMsg->wParam == ctx->vk) ch = ctx->ch;
  else ch = CharOfVirtualKey(static_cast<UINT>(pMsg->wParam), GetKeyState(VK_SHIFT) < 0);
  if (!ch) return FALSE;
  const UINT charMessage = pMsg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  if (ctx) {
    ctx->charPending = true;
    ctx->charMessage = charMessage;
    ctx->pendingChar = ch;
    ctx->charHwnd = pMsg->hwnd;
  } else {
    PostMessage(pMsg->hwnd, charMessage, ch, pMsg->lParam);
  }
  return TRUE;
}

LRESULT DispatchMessage(const MSG* pMsg) {
  if (!pMsg) return 0;
  return SendMessage(pMsg->hwnd, pMsg->message, pMsg->wParam, pMsg->lParam);
}

void PumpMessage(MSG* pMsg) {
  if (WalkPreTranslateTree(pMsg)) return;
  TranslateMessage(pMsg);
  DispatchMessage(pMsg);
}

SHORT GetKeyState(int nVirtKey) {
  constexpr SHORT kDown = static_cast<SHORT>(-0x8000);
  const auto vk = static_cast<UINT>(nVirtKey);
  if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) {
    const Qt::KeyboardModifiers mods = CurrentModifiers();
    const Qt::KeyboardModifier m = vk == VK_SHIFT     ? Qt::ShiftModifier
                                   : vk == VK_CONTROL ? Qt::ControlModifier
                                                      : Qt::AltModifier;
    return (mods & m) ? kDown : 0;
  }
  return KeysDown().count(vk) ? kDown : 0;
}

void RegisterAcceleratorTable(UINT nID, std::vector<ACCEL> entries) {
  AcceleratorTables()[nID] = AcceleratorTable{std::move(entries)};
}

HACCEL LoadAccelerators(UINT nID) {
  auto it = AcceleratorTables().find(nID);
  return it == AcceleratorTables().end() ? nullptr : &it->second;
}

int TranslateAccelerator(HWND hWnd, HACCEL hAccel, MSG* pMsg) {
  if (!hWnd || !hAccel || !pMsg) return 0;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0;
  const bool keyDown = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN;
  const bool character = pMsg->message == WM_CHAR || pMsg->message == WM_SYSCHAR;
  for (const ACCEL& a : hAccel->entries) {
    bool match = false;
    if (a.fVirt & FVIRTKEY) {
      match = keyDown && a.key == pMsg->wParam && shift == ((a.fVirt & FSHIFT) != 0) &&
              ctrl == ((a.fVirt & FCONTROL) != 0) && alt == ((a.fVirt & FALT) != 0);
    } else {
      match = character && a.key == pMsg->wParam && alt == ((a.fVirt & FALT) != 0);
    }
    if (match) {
      SendMessage(hWnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
      return 1;
    }
  }
  return 0;
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse) {
  if (!hWnd || IsDead(hWnd)) return 0;
  CMessageLoop* loop = CMessageLoop::Instance();
  return loop ? loop->SetTimer(hWnd, nIDEvent, nElapse) : 0;
}

BOOL KillTimer(HWND hWnd, UINT_PTR nIDEvent) {
  CMessageLoop* loop = CMessageLoop::Instance();
  return loop && hWnd ? loop->KillTimer(hWnd, nIDEvent) : FALSE;
}

void KillAllTimers(HWND hWnd) {
  if (CMessageLoop* loop = CMessageLoop::Instance()) loop->KillAll(hWnd);
}

UINT VirtualKeyFromQtKey(int qtKey, unsigned qtModifiers) {
  const bool keypad = qtModifiers & Qt::KeypadModifier;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<UINT>('A' + (qtKey - Qt::Key_A));
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    return keypad ? VK_NUMPAD0 + static_cast<UINT>(qtKey - Qt::Key_0) : static_cast<UINT>('0' + (qtKey - Qt::Key_0));
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return VK_F1 + static_cast<UINT>(qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return VK_MENU;
    case Qt::Key_Meta: return VK_LWIN;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_NumLock: return VK_NUMLOCK;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_Clear: return VK_CLEAR;
    case Qt::Key_Help: return VK_HELP;
    default: break;
  }
  if (keypad) {
    switch (qtKey) {
      case Qt::Key_Asterisk: return VK_MULTIPLY;
      case Qt::Key_Plus: return VK_ADD;
      case Qt::Key_Minus: return VK_SUBTRACT;
      case Qt::Key_Period: return VK_DECIMAL;
      case Qt::Key_Slash: return VK_DIVIDE;
      default: break;
    }
  }
  switch (qtKey) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return VK_OEM_1;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return VK_OEM_PLUS;
    case Qt::Key_Comma:
    case Qt::Key_Less: return VK_OEM_COMMA;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return VK_OEM_MINUS;
    case Qt::Key_Period:
    case Qt::Key_Greater: return VK_OEM_PERIOD;
    case Qt::Key_Slash:
    case Qt::Key_Question: return VK_OEM_2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return VK_OEM_4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return VK_OEM_5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return VK_OEM_6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return VK_OEM_7;
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    default: return 0;
  }
}

int QtKeyFromVirtualKey(UINT vk) {
  if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + static_cast<int>(vk - 'A');
  if (vk >= '0' && vk <= '9') return Qt::Key_0 + static_cast<int>(vk - '0');
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) return Qt::Key_0 + static_cast<int>(vk - VK_NUMPAD0);
  if (vk >= VK_F1 && vk <= VK_F1 + 23) return Qt::Key_F1 + static_cast<int>(vk - VK_F1);
  switch (vk) {
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_TAB: return Qt::Key_Tab;
    case VK_BACK: return Qt::Key_Backspace;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_INSERT: return Qt::Key_Insert;
    case VK_HOME: return Qt::Key_Home;
    case VK_END: return Qt::Key_End;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_LEFT: return Qt::Key_Left;
    case VK_UP: return Qt::Key_Up;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_DOWN: return Qt::Key_Down;
    case VK_SPACE: return Qt::Key_Space;
    case VK_SHIFT: return Qt::Key_Shift;
    case VK_CONTROL: return Qt::Key_Control;
    case VK_MENU: return Qt::Key_Alt;
    case VK_OEM_1: return Qt::Key_Semicolon;
    case VK_OEM_PLUS: return Qt::Key_Equal;
    case VK_OEM_COMMA: return Qt::Key_Comma;
    case VK_OEM_MINUS: return Qt::Key_Minus;
    case VK_OEM_PERIOD: return Qt::Key_Period;
    case VK_OEM_2: return Qt::Key_Slash;
    case VK_OEM_3: return Qt::Key_QuoteLeft;
    case VK_OEM_4: return Qt::Key_BracketLeft;
    case VK_OEM_5: return Qt::Key_Backslash;
    case VK_OEM_6: return Qt::Key_BracketRight;
    case VK_OEM_7: return Qt::Key_Apostrophe;
    case VK_MULTIPLY: return Qt::Key_Asterisk;
    case VK_ADD: return Qt::Key_Plus;
    case VK_SUBTRACT: return Qt::Key_Minus;
    case VK_DECIMAL: return Qt::Key_Period;
    case VK_DIVIDE: return Qt::Key_Slash;
    default: return 0;
  }
}

namespace wnd_detail {

namespace {

int QtKeyOfChar(UINT ch) {
  if (ch >= 'a' && ch <= 'z') return Qt::Key_A + static_cast<int>(ch - 'a');
  if (ch >= 'A' && ch <= 'Z') return Qt::Key_A + static_cast<int>(ch - 'A');
  switch (ch) {
    case 8: return Qt::Key_Backspace;
    case 9: return Qt::Key_Tab;
    case 13: return Qt::Key_Return;
    case 27: return Qt::Key_Escape;
    default: break;
  }
  if (ch >= 1 && ch <= 26) return Qt::Key_A + static_cast<int>(ch - 1);  // Ctrl+letter
  if (ch >= 0x20 && ch < 0x7F) return static_cast<int>(ch);              // Qt's codes of printable ASCII
  return Qt::Key_unknown;
}

}  // namespace

void DeliverInputDefault(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = wnd->GetSafeHwnd();
  if (!hwnd) return;
  InputContext* ctx = ContextFor(hwnd);
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      if (ctx && ctx->kind == InputContext::Kind::Key && !ctx->delivered && wParam == ctx->vk) {
        // A key that types a character reaches the widget with its WM_CHAR.
        if (ctx->ch) return;
        ctx->delivered = true;
        SendCopyToWidget(ctx->receiver, ctx->event);
        return;
      }
      const UINT vk = static_cast<UINT>(wParam);
      if (CharOfVirtualKey(vk, false)) return;
      const int key = QtKeyFromVirtualKey(vk);
      if (!key) return;
      QKeyEvent ev(QEvent::KeyPress, key, CurrentModifiers(), QString());
      SendToWidget(ctx && ctx->receiver ? ctx->receiver.data() : hwnd, &ev);
      return;
    }
    case WM_CHAR:
    case WM_SYSCHAR: {
      if (ctx && ctx->kind == InputContext::Kind::Key && !ctx->delivered && wParam == ctx->ch) {
        ctx->delivered = true;
        SendCopyToWidget(ctx->receiver, ctx->event);
        return;
      }
      const UINT ch = static_cast<UINT>(wParam);
      Qt::KeyboardModifiers mods = CurrentModifiers();
      if (ch >= 'A' && ch <= 'Z') mods |= Qt::ShiftModifier;
      if (ch >= 'a' && ch <= 'z') mods &= ~Qt::ShiftModifier;
      QKeyEvent ev(QEvent::KeyPress, QtKeyOfChar(ch), mods, QString(QChar(static_cast<char16_t>(ch))));
      SendToWidget(ctx && ctx->receiver ? ctx->receiver.data() : hwnd, &ev);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: {
      if (ctx && ctx->kind == InputContext::Kind::Mouse && !ctx->delivered && ctx->message == message) {
        ctx->delivered = true;
        SendCopyToWidget(ctx->receiver, ctx->event);
        return;
      }
      const bool left = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK;
      const Qt::MouseButton button = left ? Qt::LeftButton : Qt::RightButton;
      QEvent::Type type = QEvent::MouseButtonPress;
      if (message == WM_LBUTTONUP || message == WM_RBUTTONUP) type = QEvent::MouseButtonRelease;
      if (message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK) type = QEvent::MouseButtonDblClick;
      const QPointF pos = QPointF(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)) + QPointF(ClientOrigin(hwnd));
      Qt::MouseButtons buttons;
      if (wParam & MK_LBUTTON) buttons |= Qt::LeftButton;
      if (wParam & MK_RBUTTON) buttons |= Qt::RightButton;
      Qt::KeyboardModifiers mods;
      if (wParam & MK_SHIFT) mods |= Qt::ShiftModifier;
      if (wParam & MK_CONTROL) mods |= Qt::ControlModifier;
      QMouseEvent ev(type, pos, hwnd->mapToGlobal(pos), button, buttons, mods);
      SendToWidget(hwnd, &ev);
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (ctx && ctx->kind == InputContext::Kind::Focus && !ctx->delivered && ctx->message == message) {
        ctx->delivered = true;
        SendCopyToWidget(ctx->receiver, ctx->event);
      }
      return;
    default:
      return;
  }
}

void ReportSize(CWnd* wnd) {
  HWND h = wnd->GetSafeHwnd();
  if (!h) return;
  const QSize size = h->size();
  const QVariant last = h->property("tq_lastSize");
  if (last.isValid() && last.toSize() == size) return;
  h->setProperty("tq_lastSize", size);
  UINT type = SIZE_RESTORED;
  if (h->isWindow() && h->isMaximized()) type = SIZE_MAXIMIZED;
  if (h->isWindow() && h->isMinimized()) type = SIZE_MINIMIZED;
  const int clientHeight = std::max(0, size.height() - ClientOrigin(h).y());
  wnd->SendMessage(WM_SIZE, type, MAKELPARAM(static_cast<unsigned>(size.width()), static_cast<unsigned>(clientHeight)));
}

}  // namespace wnd_detail
