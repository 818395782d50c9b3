#include "ui/wnd/ext/trackbar.h"

#include <QPainter>
#include <QPointer>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

#include "ui/wnd/controls.h"
#include "ui/wnd/ext/gdi.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/ext/control_factory.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

// A QSlider that keeps the original trackbar's orientation: the minimum at the
// left or at the top.
class WndSlider : public QSlider {
 public:
  WndSlider(QWidget* parent, DWORD style) : QSlider((style & TBS_VERT) ? Qt::Vertical : Qt::Horizontal, parent) {
    const bool vertical = style & TBS_VERT;
    // A vertical QSlider has its minimum at the bottom; turned over, it has it
    // at the top, and the wheel moves the thumb the way it turns.
    setInvertedAppearance(vertical);
    setInvertedControls(vertical);
    setRange(0, 100);
    setSingleStep(1);
    setTracking(true);
    setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    if (style & TBS_NOTICKS) {
      setTickPosition(NoTicks);
    } else if (style & TBS_BOTH) {
      setTickPosition(TicksBothSides);
    } else {
      setTickPosition((style & TBS_TOP) ? TicksAbove : TicksBelow);  // left of / right of a vertical one
    }
    autoTicks = style & TBS_AUTOTICKS;
    UpdatePageAndTicks();

    QObject::connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) { OnAction(action); });
    QObject::connect(this, &QAbstractSlider::sliderReleased, this, [this] {
      if (IsQuiet(this)) return;
      Notify(TB_THUMBPOSITION, value());
      Notify(TB_ENDTRACK, 0);
      pageActive = false;
    });
  }

  bool Vertical() const { return orientation() == Qt::Vertical; }

  void Notify(UINT code, int pos) {
    SendScrollNotification(this, Vertical(), code, (code == TB_THUMBTRACK || code == TB_THUMBPOSITION) ? pos : 0);
  }

  // A move the person made: the position changes first, then the parent hears.
  void UserMove(int pos, UINT code) {
    {
      QuietScope quiet(this);
      setValue(std::clamp(pos, minimum(), maximum()));
    }
    Notify(code, value());
  }

  void OnAction(int action) {
    if (IsQuiet(this)) return;
    const int before = value();
    const int after = sliderPosition();
    UINT code = TB_THUMBTRACK;
    switch (action) {
      case SliderSingleStepAdd: code = TB_LINEDOWN; break;
      case SliderSingleStepSub: code = TB_LINEUP; break;
      case SliderPageStepAdd: code = TB_PAGEDOWN; break;
      case SliderPageStepSub: code = TB_PAGEUP; break;
      case SliderToMinimum: code = TB_TOP; break;
      case SliderToMaximum: code = TB_BOTTOM; break;
      case SliderMove: code = isSliderDown() ? TB_THUMBTRACK : (after >= before ? TB_LINEDOWN : TB_LINEUP); break;
      default: return;
    }
    {
      QuietScope quiet(this);
      setValue(after);
    }
    Notify(code, value());
    if (action == SliderMove && !isSliderDown()) {
      Notify(TB_ENDTRACK, 0);  // the wheel: each turn is a whole move
    } else if (code != TB_THUMBTRACK) {
      pageActive = true;  // ended when the button comes up
    }
  }

  void UpdatePageAndTicks() {
    const int span = std::max(1, maximum() - minimum());
    if (!pageSizeSet) setPageStep(std::max(1, span / 5));
    setTickInterval(autoTicks ? std::max(1, ticFrequency) : span);
  }

  QStyleOptionSlider Option() const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    return opt;
  }
  CRect PartRect(QStyle::SubControl part) const {
    QStyleOptionSlider opt = Option();
    const QRect r = style()->subControlRect(QStyle::CC_Slider, &opt, part, this);
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  }

  int selStart = 0;
  int selEnd = 0;
  int ticFrequency = 1;
  bool autoTicks = false;
  bool pageSizeSet = false;
  bool pageActive = false;

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (!CWnd::FromHandlePermanent(parentWidget())) {
      QSlider::paintEvent(e);
      return;
    }
    QPainter painter(this);
    CDC dc(&painter);
    NMCUSTOMDRAW nm;
    nm.dwDrawStage = CDDS_PREPAINT;
    nm.hdc = &dc;
    nm.rc = CRect(0, 0, width(), height());
    const LRESULT answer = SendNotify(this, NM_CUSTOMDRAW, &nm.hdr);
    if (answer & CDRF_SKIPDEFAULT) return;
    QStyleOptionSlider opt = Option();
    if (!(answer & CDRF_NOTIFYITEMDRAW)) {
      style()->drawComplexControl(QStyle::CC_Slider, &opt, &painter, this);
    } else {
      struct Part {
        DWORD_PTR spec;
        QStyle::SubControl control;
      };
      for (const Part part : {Part{TBCD_TICS, QStyle::SC_SliderTickmarks}, Part{TBCD_CHANNEL, QStyle::SC_SliderGroove},
                              Part{TBCD_THUMB, QStyle::SC_SliderHandle}}) {
        NMCUSTOMDRAW item;
        item.dwDrawStage = CDDS_ITEMPREPAINT;
        item.hdc = &dc;
        item.dwItemSpec = part.spec;
        item.rc = part.spec == TBCD_TICS ? CRect(0, 0, width(), height()) : PartRect(part.control);
        if (part.spec == TBCD_THUMB && isSliderDown()) item.uItemState |= CDIS_SELECTED;
        if (!isEnabled()) item.uItemState |= CDIS_DISABLED;
        if (hasFocus()) item.uItemState |= CDIS_FOCUS;
        const LRESULT itemAnswer = SendNotify(this, NM_CUSTOMDRAW, &item.hdr);
        if (!(itemAnswer & CDRF_SKIPDEFAULT)) {
          QStyleOptionSlider partOpt = Option();
          partOpt.subControls = part.control;
          style()->drawComplexControl(QStyle::CC_Slider, &partOpt, &painter, this);
        }
        if (itemAnswer & CDRF_NOTIFYPOSTPAINT) {
          item.dwDrawStage = CDDS_ITEMPOSTPAINT;
          SendNotify(this, NM_CUSTOMDRAW, &item.hdr);
        }
      }
    }
    if (answer & CDRF_NOTIFYPOSTPAINT) {
      nm.dwDrawStage = CDDS_POSTPAINT;
      SendNotify(this, NM_CUSTOMDRAW, &nm.hdr);
    }
  }
};

short LowShort(LPARAM l) { return static_cast<short>(LOWORD(static_cast<std::uintptr_t>(l))); }
short HighShort(LPARAM l) { return static_cast<short>(HIWORD(static_cast<std::uintptr_t>(l))); }

void CopyRect(LPARAM l, const CRect& r) {
  if (l) *reinterpret_cast<CRect*>(l) = r;
}

LRESULT TrackbarProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  auto* s = dynamic_cast<WndSlider*>(wnd->GetSafeHwnd());
  if (!s) return 0;
  *handled = true;
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN: {
      const int pos = s->value();
      switch (wParam) {
        case VK_LEFT:
        case VK_UP: s->UserMove(pos - s->singleStep(), TB_LINEUP); break;
        case VK_RIGHT:
        case VK_DOWN: s->UserMove(pos + s->singleStep(), TB_LINEDOWN); break;
        case VK_PRIOR: s->UserMove(pos - s->pageStep(), TB_PAGEUP); break;
        case VK_NEXT: s->UserMove(pos + s->pageStep(), TB_PAGEDOWN); break;
        case VK_HOME: s->UserMove(s->minimum(), TB_TOP); break;
        case VK_END: s->UserMove(s->maximum(), TB_BOTTOM); break;
        default: return 0;  // other keys do nothing to a trackbar
      }
      s->Notify(TB_ENDTRACK, 0);
      return 0;
    }
    case WM_LBUTTONUP: {
      QPointer<WndSlider> guard(s);
      DeliverInputDefault(wnd, message, wParam, lParam);
      if (guard && s->pageActive && !s->isSliderDown()) {
        s->pageActive = false;
        s->Notify(TB_ENDTRACK, 0);
      }
      return 0;
    }
    case TBM_GETPOS:
      return s->value();
    case TBM_GETRANGEMIN:
      return s->minimum();
    case TBM_GETRANGEMAX:
      return s->maximum();
    case TBM_SETPOS: {
      QuietScope quiet(s);
      s->setValue(std::clamp(static_cast<int>(lParam), s->minimum(), s->maximum()));
      return 0;
    }
    case TBM_SETRANGE:
    case TBM_SETRANGEMIN:
    case TBM_SETRANGEMAX: {
      QuietScope quiet(s);
      int lo = s->minimum();
      int hi = s->maximum();
      if (message == TBM_SETRANGE) {
        lo = LowShort(lParam);
        hi = HighShort(lParam);
      } else if (message == TBM_SETRANGEMIN) {
        lo = static_cast<int>(lParam);
      } else {
        hi = static_cast<int>(lParam);
      }
      s->setRange(lo, std::max(lo, hi));
      s->UpdatePageAndTicks();
      return 0;
    }
    case TBM_SETSEL:
      s->selStart = LowShort(lParam);
      s->selEnd = HighShort(lParam);
      if (wParam) s->update();
      return 0;
    case TBM_SETSELSTART:
      s->selStart = static_cast<int>(lParam);
      if (wParam) s->update();
      return 0;
    case TBM_SETSELEND:
      s->selEnd = static_cast<int>(lParam);
      if (wParam) s->update();
      return 0;
    case TBM_GETSELSTART:
      return s->selStart;
    case TBM_GETSELEND:
      return s->selEnd;
    case TBM_CLEARSEL:
      s->selStart = s->selEnd = 0;
      if (wParam) s->update();
      return 0;
    case TBM_SETTICFREQ:
      s->ticFrequency = std::max(1, static_cast<int>(wParam));
      s->UpdatePageAndTicks();
      return 0;
    case TBM_SETPAGESIZE: {
      const int old = s->pageStep();
      s->pageSizeSet = true;
      s->setPageStep(std::max(1, static_cast<int>(lParam)));
      return old;
    }
    case TBM_GETPAGESIZE:
      return s->pageStep();
    case TBM_SETLINESIZE: {
      const int old = s->singleStep();
      s->setSingleStep(std::max(1, static_cast<int>(lParam)));
      return old;
    }
    case TBM_GETLINESIZE:
      return s->singleStep();
    case TBM_GETTHUMBRECT:
      CopyRect(lParam, s->PartRect(QStyle::SC_SliderHandle));
      return 0;
    case TBM_GETCHANNELRECT:
      CopyRect(lParam, s->PartRect(QStyle::SC_SliderGroove));
      return 0;
    default:
      *handled = false;
      return 0;
  }
}

}  // namespace

namespace wnd_detail {

MadeControl MakeTrackbar(QWidget* parent, const DlgItemTemplate& item) {
  RegisterWindowClassOnce<&TrackbarProc>(TRACKBAR_CLASS);
  auto* slider = new WndSlider(parent, item.style);
  return TagControl<CSliderCtrl>(slider, TRACKBAR_CLASS);
}

}  // namespace wnd_detail

BOOL CSliderCtrl::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  if (!CreateControlWindow(*this, CtlKind::Custom, TRACKBAR_CLASS, dwStyle, rect, pParentWnd, nID)) return FALSE;
  SetOwnsWindow(true);
  return TRUE;
}
int CSliderCtrl::GetPos() const { return static_cast<int>(Send(this, TBM_GETPOS)); }
void CSliderCtrl::SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, nPos); }
void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
  SendMessage(TBM_SETRANGEMIN, FALSE, nMin);
  SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(bRedraw), nMax);
}
void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw) { SendMessage(TBM_SETRANGEMIN, static_cast<WPARAM>(bRedraw), nMin); }
void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw) { SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(bRedraw), nMax); }
void CSliderCtrl::GetRange(int& nMin, int& nMax) const {
  nMin = GetRangeMin();
  nMax = GetRangeMax();
}
int CSliderCtrl::GetRangeMin() const { return static_cast<int>(Send(this, TBM_GETRANGEMIN)); }
int CSliderCtrl::GetRangeMax() const { return static_cast<int>(Send(this, TBM_GETRANGEMAX)); }
void CSliderCtrl::SetTicFreq(int nFreq) { SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(nFreq)); }
void CSliderCtrl::SetSelection(int nMin, int nMax) {
  SendMessage(TBM_SETSELSTART, FALSE, nMin);
  SendMessage(TBM_SETSELEND, TRUE, nMax);
}
void CSliderCtrl::GetSelection(int& nMin, int& nMax) const {
  nMin = static_cast<int>(Send(this, TBM_GETSELSTART));
  nMax = static_cast<int>(Send(this, TBM_GETSELEND));
}
void CSliderCtrl::ClearSel(BOOL bRedraw) { SendMessage(TBM_CLEARSEL, static_cast<WPARAM>(bRedraw)); }
int CSliderCtrl::SetPageSize(int nSize) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, nSize)); }
int CSliderCtrl::GetPageSize() const { return static_cast<int>(Send(this, TBM_GETPAGESIZE)); }
int CSliderCtrl::SetLineSize(int nSize) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, nSize)); }
int CSliderCtrl::GetLineSize() const { return static_cast<int>(Send(this, TBM_GETLINESIZE)); }
void CSliderCtrl::GetThumbRect(CRect* pRect) const { Send(this, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(pRect)); }
void CSliderCtrl::GetChannelRect(CRect* pRect) const {
  Send(this, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(pRect));
}
