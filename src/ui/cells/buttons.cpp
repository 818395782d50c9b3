#include "ui/cells/buttons.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QTimer>

#include <algorithm>

#include "ui/messages.h"
#include "ui/wnd/message_loop.h"

namespace {

void SendToParent(CWnd& wnd, UINT message) {
  if (CWnd* parent = wnd.GetParent()) parent->SendMessage(message, static_cast<WPARAM>(wnd.GetDlgCtrlID()), 0);
}

bool IsEnterDown(const MSG* pMsg) { return pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN; }

// 25 ms ticks from a Qt timer; the mouse state as the window system reports it.
class CTimerTickSource : public IRepeatTickSource {
 public:
  CTimerTickSource() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      // A copy, because the tick may stop the source.
      const std::function<void()> tick = tick_;
      if (tick) tick();
    });
  }
  void Start(int intervalMs, std::function<void()> tick) override {
    tick_ = std::move(tick);
    timer_.start(intervalMs);
  }
  void Stop() override {
    timer_.stop();
    tick_ = nullptr;
  }
  bool LeftButtonDown() const override { return QGuiApplication::mouseButtons() & Qt::LeftButton; }

 private:
  QTimer timer_;
  std::function<void()> tick_;
};

IRepeatTickSource*& DefaultTickSource() {
  static IRepeatTickSource* source = nullptr;
  return source;
}

// The ticks between two steps, by the number of steps made so far.
int TicksPerStep(int stepsMade) {
  if (stepsMade < 10) return 8;
  if (stepsMade < 20) return 5;
  if (stepsMade < 30) return 4;
  return 2;
}

}  // namespace

// ---- CNotifyButton ------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CNotifyButton, CButton)
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BOOL CNotifyButton::PreTranslateMessage(MSG* pMsg) {
  if (IsEnterDown(pMsg)) {
    SendToParent(*this, WM_BUTTON_ENTER);
    return TRUE;
  }
  return CButton::PreTranslateMessage(pMsg);
}

void CNotifyButton::OnKillFocus(CWnd*) {
  Default();
  SendToParent(*this, WM_BUTTON_KILLFOCUS);
}

// ---- CRepeatButton -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CRepeatButton, CButton)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CRepeatButton::CRepeatButton() = default;

CRepeatButton::~CRepeatButton() { StopHolding(); }

void CRepeatButton::SetDefaultTickSource(IRepeatTickSource* pSource) { DefaultTickSource() = pSource; }

void CRepeatButton::Setup(HWND hNotify, int* pValue, int nInitial, int bDown, int nStep, int nMin, int nMax) {
  m_hNotify = hNotify;
  m_pValue = pValue;
  if (m_pValue) *m_pValue = nInitial;
  m_bDown = bDown;
  m_nStep = nStep;
  m_nMin = nMin;
  m_nMax = std::max(nMax, nMin);
}

IRepeatTickSource& CRepeatButton::TickSource() {
  if (m_pTickSource) return *m_pTickSource;
  if (IRepeatTickSource* shared = DefaultTickSource()) return *shared;
  if (!m_pTimer) m_pTimer = std::make_unique<CTimerTickSource>();
  return *m_pTimer;
}

BOOL CRepeatButton::PreTranslateMessage(MSG* pMsg) {
  if (IsEnterDown(pMsg)) {
    SendToParent(*this, WM_BUTTON_ENTER);
    return TRUE;
  }
  return CButton::PreTranslateMessage(pMsg);
}

void CRepeatButton::OnLButtonDown(UINT, CPoint) {
  Default();  // the button shows pressed
  if (!m_hWnd) return;
  StopHolding();
  m_bHolding = true;
  m_nTicks = 0;
  m_nSteps = 0;
  m_pActiveSource = &TickSource();
  m_pActiveSource->Start(kTickMs, [this] { OnTick(); });
}

void CRepeatButton::OnLButtonUp(UINT, CPoint) {
  StopHolding();
  Default();  // released: BN_CLICKED when over the button
}

void CRepeatButton::OnKillFocus(CWnd*) {
  StopHolding();
  Default();
}

bool CRepeatButton::StillHeld() const {
  return m_hWnd && m_hWnd->isVisible() && m_hWnd->isEnabled() && m_pActiveSource &&
         m_pActiveSource->LeftButtonDown();
}

void CRepeatButton::StopHolding() {
  if (!m_bHolding) return;
  m_bHolding = false;
  if (m_pActiveSource) m_pActiveSource->Stop();
  m_pActiveSource = nullptr;
}

void CRepeatButton::OnTick() {
  if (!m_bHolding) return;
  if (!StillHeld()) {
    StopHolding();
    return;
  }
  ++m_nTicks;
  if (m_nTicks >= TicksPerStep(m_nSteps)) Step();
}

void CRepeatButton::Step() {
  m_nTicks = 0;
  ++m_nSteps;
  if (!m_pValue) return;
  long long value = static_cast<long long>(*m_pValue) + (m_bDown ? -static_cast<long long>(m_nStep) : m_nStep);
  value = std::max<long long>(value, m_nMin);
  value = std::min<long long>(value, m_nMax);
  *m_pValue = static_cast<int>(value);
  // The notify window set up, else the parent of the window the button has now.
  HWND target = m_hNotify ? m_hNotify.data() : (m_hWnd ? m_hWnd->parentWidget() : nullptr);
  if (target) ::SendMessage(target, WM_REPEAT_STEP, static_cast<WPARAM>(GetDlgCtrlID()), *m_pValue);
}
