#include "ui/wnd/ext/updown.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <string>

#include "ui/wnd/controls.h"
#include "ui/wnd/ext/control_factory.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 100;

std::string PositionText(int pos, bool thousands) {
  std::string digits = std::to_string(pos < 0 ? -static_cast<long long>(pos) : static_cast<long long>(pos));
  std::string text = pos < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (thousands && i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

class WndUpDown : public QWidget {
 public:
  WndUpDown(QWidget* parent, DWORD style) : QWidget(parent), style_(style) {
    setFocusPolicy(Qt::NoFocus);
    repeat_.setSingleShot(false);
    QObject::connect(&repeat_, &QTimer::timeout, this, [this] {
      repeat_.setInterval(kRepeatMs);
      if (pressed_) Step(pressed_);
    });
  }

  int lower = 100;  // the original control's default range runs from 100 down to 0
  int upper = 0;
  int pos = 0;

  bool Horizontal() const { return style_ & UDS_HORZ; }
  int Clamp(int p) const { return std::clamp(p, std::min(lower, upper), std::max(lower, upper)); }

  QWidget* Buddy() {
    if (!buddyResolved_) {
      buddyResolved_ = true;
      if ((style_ & UDS_AUTOBUDDY) && parentWidget()) {
        // The control made just before this one.
        QWidget* previous = nullptr;
        for (QObject* o : parentWidget()->children()) {
          if (o == this) break;
          if (o->isWidgetType() && !static_cast<QWidget*>(o)->isWindow() && !IsDead(static_cast<QWidget*>(o))) {
            previous = static_cast<QWidget*>(o);
          }
        }
        SetBuddy(previous);
      }
    }
    return buddy_;
  }

  QWidget* SetBuddy(QWidget* buddy) {
    buddyResolved_ = true;
    QWidget* old = buddy_;
    buddy_ = buddy;
    if (buddy && (style_ & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT))) {
      // The arrows sit against the buddy's edge, inside its old width.
      const QRect b = buddy->geometry();
      const int w = std::min(width(), b.width());
      if (style_ & UDS_ALIGNRIGHT) {
        buddy->setGeometry(b.x(), b.y(), b.width() - w, b.height());
        setGeometry(b.x() + b.width() - w, b.y(), w, b.height());
      } else {
        buddy->setGeometry(b.x() + w, b.y(), b.width() - w, b.height());
        setGeometry(b.x(), b.y(), w, b.height());
      }
    }
    return old;
  }

  void ShowInBuddy() {
    if (!(style_ & UDS_SETBUDDYINT)) return;
    if (QWidget* b = Buddy(); b && !IsDead(b)) SetWidgetText(b, PositionText(pos, !(style_ & UDS_NOTHOUSANDS)));
  }

  void SetPos(int p) {
    pos = Clamp(p);
    ShowInBuddy();
  }

  // One step of an arrow: +1 the up (or right) arrow, -1 the other.
  void Step(int arrow) {
    const int delta = upper >= lower ? arrow : -arrow;
    NMUPDOWN nm;
    nm.iPos = pos;
    nm.iDelta = delta;
    QPointer<WndUpDown> guard(this);
    if (SendNotify(this, UDN_DELTAPOS, &nm.hdr) != 0) return;  // the parent refused the step
    if (!guard) return;
    const int lo = std::min(lower, upper);
    const int hi = std::max(lower, upper);
    int next = pos + delta;
    if (next > hi) next = (style_ & UDS_WRAP) ? lo : hi;
    if (next < lo) next = (style_ & UDS_WRAP) ? hi : lo;
    pos = next;
    ShowInBuddy();
    SendScrollNotification(this, !Horizontal(), SB_THUMBPOSITION, pos);
  }

 protected:
  // The up (or right) arrow's half, and the other.
  QRect Half(int arrow) const {
    if (Horizontal()) {
      const int half = width() / 2;
      return arrow > 0 ? QRect(half, 0, width() - half, height()) : QRect(0, 0, half, height());
    }
    const int half = height() / 2;
    return arrow > 0 ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (int arrow : {1, -1}) {
      QStyleOptionButton button;
      button.initFrom(this);
      button.rect = Half(arrow);
      button.state |= (pressed_ == arrow) ? QStyle::State_Sunken : QStyle::State_Raised;
      style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);
      QStyleOption mark;
      mark.initFrom(this);
      mark.rect = Half(arrow).adjusted(2, 2, -2, -2);
      QStyle::PrimitiveElement element = QStyle::PE_IndicatorArrowUp;
      if (Horizontal()) element = arrow > 0 ? QStyle::PE_IndicatorArrowRight : QStyle::PE_IndicatorArrowLeft;
      else if (arrow < 0) element = QStyle::PE_IndicatorArrowDown;
      style()->drawPrimitive(element, &mark, &painter, this);
    }
  }

  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton || pressed_) return;
    const int arrow = Half(1).contains(e->position().toPoint()) ? 1 : -1;
    pressed_ = arrow;
    update();
    QPointer<WndUpDown> guard(this);
    Step(arrow);
    if (guard && pressed_) repeat_.start(kFirstRepeatMs);
  }

  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = 0;
    repeat_.stop();
    update();
    SendScrollNotification(this, !Horizontal(), SB_ENDSCROLL, pos);
  }

 private:
  DWORD style_;
  QPointer<QWidget> buddy_;
  bool buddyResolved_ = false;
  int pressed_ = 0;
  QTimer repeat_;
};

short LowShort(LPARAM l) { return static_cast<short>(LOWORD(static_cast<std::uintptr_t>(l))); }
short HighShort(LPARAM l) { return static_cast<short>(HIWORD(static_cast<std::uintptr_t>(l))); }

LRESULT UpDownProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  auto* u = dynamic_cast<WndUpDown*>(wnd->GetSafeHwnd());
  if (!u) return 0;
  *handled = true;
  switch (message) {
    case UDM_SETRANGE:
      u->upper = LowShort(lParam);
      u->lower = HighShort(lParam);
      u->pos = u->Clamp(u->pos);
      return 0;
    case UDM_SETRANGE32:
      u->lower = static_cast<int>(wParam);
      u->upper = static_cast<int>(lParam);
      u->pos = u->Clamp(u->pos);
      return 0;
    case UDM_GETRANGE:
      return static_cast<LRESULT>(MAKELPARAM(static_cast<unsigned>(u->upper), static_cast<unsigned>(u->lower)));
    case UDM_GETRANGE32:
      if (wParam) *reinterpret_cast<int*>(wParam) = u->lower;
      if (lParam) *reinterpret_cast<int*>(lParam) = u->upper;
      return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
      const int old = u->pos;
      u->SetPos(message == UDM_SETPOS ? LowShort(lParam) : static_cast<int>(lParam));
      return old;
    }
    case UDM_GETPOS:
      return static_cast<LRESULT>(MAKELPARAM(static_cast<unsigned>(u->pos), 0));
    case UDM_GETPOS32:
      if (lParam) *reinterpret_cast<BOOL*>(lParam) = FALSE;
      return u->pos;
    case UDM_SETBUDDY:
      return reinterpret_cast<LRESULT>(u->SetBuddy(reinterpret_cast<HWND>(wParam)));
    case UDM_GETBUDDY:
      return reinterpret_cast<LRESULT>(u->Buddy());
    default:
      *handled = false;
      return 0;
  }
}

}  // namespace

namespace wnd_detail {

MadeControl MakeUpDown(QWidget* parent, const DlgItemTemplate& item) {
  RegisterWindowClassOnce<&UpDownProc>(UPDOWN_CLASS);
  auto* updown = new WndUpDown(parent, item.style);
  return TagControl<CSpinButtonCtrl>(updown, UPDOWN_CLASS);
}

}  // namespace wnd_detail

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  if (!CreateControlWindow(*this, CtlKind::Custom, UPDOWN_CLASS, dwStyle, rect, pParentWnd, nID)) return FALSE;
  SetOwnsWindow(true);
  return TRUE;
}
void CSpinButtonCtrl::SetRange(short nLower, short nUpper) {
  SendMessage(UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(nUpper), static_cast<WORD>(nLower)));
}
void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) {
  SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(nLower), static_cast<LPARAM>(nUpper));
}
void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const {
  const auto r = static_cast<std::uintptr_t>(Send(this, UDM_GETRANGE));
  nUpper = static_cast<short>(LOWORD(r));
  nLower = static_cast<short>(HIWORD(r));
}
void CSpinButtonCtrl::GetRange32(int& nLower, int& nUpper) const {
  Send(this, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower), reinterpret_cast<LPARAM>(&nUpper));
}
int CSpinButtonCtrl::SetPos(int nPos) {
  return static_cast<short>(SendMessage(UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(nPos), 0)));
}
int CSpinButtonCtrl::SetPos32(int nPos) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, nPos)); }
int CSpinButtonCtrl::GetPos() const { return static_cast<short>(LOWORD(static_cast<std::uintptr_t>(Send(this, UDM_GETPOS)))); }
int CSpinButtonCtrl::GetPos32(BOOL* lpbError) const {
  return static_cast<int>(Send(this, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError)));
}
CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
  HWND old = reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy ? pWndBuddy->GetSafeHwnd() : nullptr)));
  return old ? CWnd::FromHandle(old) : nullptr;
}
CWnd* CSpinButtonCtrl::GetBuddy() const {
  HWND b = reinterpret_cast<HWND>(Send(this, UDM_GETBUDDY));
  return b ? CWnd::FromHandle(b) : nullptr;
}
