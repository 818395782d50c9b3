#include "ui/wnd/ext/scrollbar.h"

#include <QPointer>
#include <QScrollBar>
#include <QSizeGrip>

#include <algorithm>

#include "ui/wnd/controls.h"
#include "ui/wnd/ext/gdi.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/ext/control_factory.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

constexpr const char* kScrollBarClass = "ScrollBar";

// A scroll bar that leaves its position to the parent.
class WndScrollBar : public QScrollBar {
 public:
  WndScrollBar(QWidget* parent, DWORD style) : QScrollBar((style & SBS_VERT) ? Qt::Vertical : Qt::Horizontal, parent) {
    setTracking(false);
    setFocusPolicy(Qt::NoFocus);
    Apply();
    QObject::connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) { OnAction(action); });
    QObject::connect(this, &QAbstractSlider::sliderMoved, this, [this](int pos) {
      if (!IsQuiet(this)) Notify(SB_THUMBTRACK, pos);
    });
    QObject::connect(this, &QAbstractSlider::sliderReleased, this, [this] {
      if (IsQuiet(this)) return;
      justReleased = true;
      active = true;
      Notify(SB_THUMBPOSITION, sliderPosition());
    });
  }

  int minPos = 0;
  int maxPos = 100;
  int page = 0;
  bool active = false;
  bool justReleased = false;

  void Apply() {
    QuietScope quiet(this);
    const int top = std::max(minPos, page > 0 ? maxPos - page + 1 : maxPos);
    setRange(minPos, top);
    setPageStep(page > 0 ? page : std::max(1, (maxPos - minPos) / 10));
  }

  void Notify(UINT code, int pos) {
    SendScrollNotification(this, orientation() == Qt::Vertical, code,
                           (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) ? pos : 0);
  }

  void SetPosQuietly(int pos) {
    QuietScope quiet(this);
    setValue(pos);
    setSliderPosition(value());
  }

 private:
  void OnAction(int action) {
    const int proposed = sliderPosition();
    // The position stays; the parent decides where the bar goes.
    setSliderPosition(value());
    if (IsQuiet(this)) return;
    UINT code = SB_ENDSCROLL;
    switch (action) {
      case SliderSingleStepAdd: code = SB_LINEDOWN; break;
      case SliderSingleStepSub: code = SB_LINEUP; break;
      case SliderPageStepAdd: code = SB_PAGEDOWN; break;
      case SliderPageStepSub: code = SB_PAGEUP; break;
      case SliderToMinimum: code = SB_TOP; break;
      case SliderToMaximum: code = SB_BOTTOM; break;
      case SliderMove:
        if (justReleased) {  // the thumb let go where the parent did not put it: it goes back
          justReleased = false;
          return;
        }
        code = proposed >= value() ? SB_LINEDOWN : SB_LINEUP;  // the wheel
        Notify(code, 0);
        Notify(SB_ENDSCROLL, 0);
        return;
      default:
        return;
    }
    active = true;
    Notify(code, 0);
  }
};

class WndSizeGrip : public QSizeGrip {
 public:
  explicit WndSizeGrip(QWidget* parent) : QSizeGrip(parent) {}
};

LRESULT ScrollBarProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  QWidget* w = wnd->GetSafeHwnd();
  if (dynamic_cast<WndSizeGrip*>(w)) {
    if (message != WM_NCHITTEST) return 0;
    *handled = true;
    return HTBOTTOMRIGHT;
  }
  auto* s = dynamic_cast<WndScrollBar*>(w);
  if (!s) return 0;
  *handled = true;
  switch (message) {
    case WM_LBUTTONUP: {
      QPointer<WndScrollBar> guard(s);
      DeliverInputDefault(wnd, message, wParam, lParam);
      if (guard && s->active) {
        s->active = false;
        s->justReleased = false;
        s->Notify(SB_ENDSCROLL, 0);
      }
      return 0;
    }
    case SBM_SETPOS: {
      const int old = s->value();
      s->SetPosQuietly(static_cast<int>(wParam));
      return old;
    }
    case SBM_GETPOS:
      return s->value();
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
      const int old = s->value();
      s->minPos = static_cast<int>(wParam);
      s->maxPos = std::max(s->minPos, static_cast<int>(lParam));
      s->Apply();
      return old;
    }
    case SBM_GETRANGE:
      if (wParam) *reinterpret_cast<int*>(wParam) = s->minPos;
      if (lParam) *reinterpret_cast<int*>(lParam) = s->maxPos;
      return 0;
    case SBM_SETSCROLLINFO: {
      const auto* info = reinterpret_cast<const SCROLLINFO*>(lParam);
      if (!info) return s->value();
      if (info->fMask & SIF_RANGE) {
        s->minPos = info->nMin;
        s->maxPos = std::max(info->nMin, info->nMax);
      }
      if (info->fMask & SIF_PAGE) s->page = static_cast<int>(std::min<UINT>(info->nPage, 0x7FFFFFFF));
      if (info->fMask & (SIF_RANGE | SIF_PAGE)) s->Apply();
      if (info->fMask & SIF_POS) s->SetPosQuietly(info->nPos);
      return s->value();
    }
    case SBM_GETSCROLLINFO: {
      auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
      if (!info) return FALSE;
      if (info->fMask & SIF_RANGE) {
        info->nMin = s->minPos;
        info->nMax = s->maxPos;
      }
      if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(s->page);
      if (info->fMask & SIF_POS) info->nPos = s->value();
      if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->sliderPosition();
      return TRUE;
    }
    default:
      *handled = false;
      return 0;
  }
}

}  // namespace

namespace wnd_detail {

MadeControl MakeScrollBar(QWidget* parent, const DlgItemTemplate& item) {
  RegisterWindowClassOnce<&ScrollBarProc>(kScrollBarClass);
  QWidget* w = nullptr;
  if (item.style & (SBS_SIZEGRIP | SBS_SIZEBOX)) w = new WndSizeGrip(parent);
  else w = new WndScrollBar(parent, item.style);
  return TagControl<CScrollBar>(w, kScrollBarClass);
}

}  // namespace wnd_detail

BOOL CScrollBar::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  CRect r = rect;
  if ((dwStyle & (SBS_SIZEGRIP | SBS_SIZEBOX)) && (dwStyle & SBS_SIZEBOXBOTTOMRIGHTALIGN)) {
    // A size box of the standard size in the bottom-right corner of the rectangle.
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    const int cy = GetSystemMetrics(SM_CYHSCROLL);
    r = CRect(rect.right - cx, rect.bottom - cy, rect.right, rect.bottom);
  }
  if (!CreateControlWindow(*this, CtlKind::ScrollBar, "ScrollBar", dwStyle, r, pParentWnd, nID)) return FALSE;
  SetOwnsWindow(true);
  return TRUE;
}
int CScrollBar::GetScrollPos() const { return static_cast<int>(Send(this, SBM_GETPOS)); }
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) {
  return static_cast<int>(SendMessage(SBM_SETPOS, static_cast<WPARAM>(nPos), bRedraw));
}
void CScrollBar::GetScrollRange(int* lpMinPos, int* lpMaxPos) const {
  Send(this, SBM_GETRANGE, reinterpret_cast<WPARAM>(lpMinPos), reinterpret_cast<LPARAM>(lpMaxPos));
}
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw) {
  SendMessage(bRedraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(nMinPos), nMaxPos);
}
BOOL CScrollBar::SetScrollInfo(const SCROLLINFO* lpScrollInfo, BOOL) {
  if (!lpScrollInfo || !m_hWnd) return FALSE;
  SendMessage(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(lpScrollInfo));
  return TRUE;
}
BOOL CScrollBar::GetScrollInfo(SCROLLINFO* lpScrollInfo, UINT nMask) const {
  if (!lpScrollInfo || !m_hWnd) return FALSE;
  lpScrollInfo->fMask = nMask;
  return static_cast<BOOL>(Send(this, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpScrollInfo)));
}
