#include "ui/wnd/ext/progress.h"

#include <QProgressBar>

#include <algorithm>

#include "ui/wnd/controls.h"
#include "ui/wnd/ext/common_controls.h"
#include "ui/wnd/ext/control_factory.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

// The bar keeps its own range and position; the widget only shows them.
class WndProgress : public QProgressBar {
 public:
  explicit WndProgress(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    setFocusPolicy(Qt::NoFocus);
    Show();
  }
  int low = 0;
  int high = 100;
  int pos = 0;
  int step = 10;

  int Clamp(int p) const { return std::clamp(p, std::min(low, high), std::max(low, high)); }
  void Show() {
    if (low == high) {
      // An empty range shows an empty bar (an equal minimum and maximum would
      // make the widget show a busy indicator).
      setRange(0, 1);
      setValue(0);
      return;
    }
    setRange(std::min(low, high), std::max(low, high));
    setValue(pos);
  }
};

LRESULT PackRange(int low, int high) {
  return static_cast<LRESULT>(MAKELPARAM(static_cast<unsigned>(low), static_cast<unsigned>(high)));
}

LRESULT ProgressProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  auto* p = dynamic_cast<WndProgress*>(wnd->GetSafeHwnd());
  if (!p) return 0;
  *handled = true;
  const int old = p->pos;
  switch (message) {
    case PBM_SETRANGE:
    case PBM_SETRANGE32: {
      const LRESULT previous = PackRange(p->low, p->high);
      if (message == PBM_SETRANGE) {
        p->low = LOWORD(static_cast<std::uintptr_t>(lParam));
        p->high = HIWORD(static_cast<std::uintptr_t>(lParam));
      } else {
        p->low = static_cast<int>(wParam);
        p->high = static_cast<int>(lParam);
      }
      p->pos = p->Clamp(p->pos);
      p->Show();
      return previous;
    }
    case PBM_GETRANGE:
      if (lParam) {
        auto* range = reinterpret_cast<PBRANGE*>(lParam);
        range->iLow = p->low;
        range->iHigh = p->high;
      }
      return wParam ? p->low : p->high;
    case PBM_SETPOS:
      p->pos = p->Clamp(static_cast<int>(wParam));
      p->Show();
      return old;
    case PBM_DELTAPOS:
      p->pos = p->Clamp(p->pos + static_cast<int>(wParam));
      p->Show();
      return old;
    case PBM_SETSTEP: {
      const int previous = p->step;
      p->step = static_cast<int>(wParam);
      return previous;
    }
    case PBM_STEPIT: {
      const long long next = static_cast<long long>(p->pos) + p->step;
      const int lo = std::min(p->low, p->high);
      const int hi = std::max(p->low, p->high);
      if (next > hi) p->pos = lo;
      else if (next < lo) p->pos = hi;
      else p->pos = static_cast<int>(next);
      p->Show();
      return old;
    }
    case PBM_GETPOS:
      return p->pos;
    default:
      *handled = false;
      return 0;
  }
}

}  // namespace

namespace wnd_detail {

MadeControl MakeProgress(QWidget* parent, const DlgItemTemplate& item) {
  RegisterWindowClassOnce<&ProgressProc>(PROGRESS_CLASS);
  auto* bar = new WndProgress(parent);
  bar->setOrientation((item.style & PBS_VERTICAL) ? Qt::Vertical : Qt::Horizontal);
  return TagControl<CProgressCtrl>(bar, PROGRESS_CLASS);
}

}  // namespace wnd_detail

BOOL CProgressCtrl::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  if (!CreateControlWindow(*this, CtlKind::Custom, PROGRESS_CLASS, dwStyle, rect, pParentWnd, nID)) return FALSE;
  SetOwnsWindow(true);
  return TRUE;
}

void CProgressCtrl::SetRange(short nLower, short nUpper) {
  SendMessage(PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(nLower), static_cast<WORD>(nUpper)));
}
void CProgressCtrl::SetRange32(int nLower, int nUpper) {
  SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(nLower), static_cast<LPARAM>(nUpper));
}
void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
  PBRANGE range;
  Send(this, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  nLower = range.iLow;
  nUpper = range.iHigh;
}
int CProgressCtrl::GetPos() const { return static_cast<int>(Send(this, PBM_GETPOS)); }
int CProgressCtrl::SetPos(int nPos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos))); }
int CProgressCtrl::OffsetPos(int nPos) { return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(nPos))); }
int CProgressCtrl::SetStep(int nStep) { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep))); }
int CProgressCtrl::StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
