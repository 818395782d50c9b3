// Push buttons that report to their page.
//
// CNotifyButton: Enter sends WM_BUTTON_ENTER and the loss of the focus
// WM_BUTTON_KILLFOCUS (control id, 0) to the parent; Enter never presses the
// dialog's default button.
//
// CRepeatButton: while the left mouse button holds it down, it steps a bound
// integer of its page and reports each step as WM_REPEAT_STEP (control id, the
// new value) to its notify window. Ticks come every 25 ms; the first step
// comes after 8 ticks (200 ms), steps 2 to 10 every 8 ticks, 11 to 20 every 5,
// 21 to 30 every 4 and from then on every 2 (50 ms). Each value is clamped to
// the minimum and then the maximum. The holding ends when the button is
// released, when the mouse button is found up, or when the button loses the
// focus, is hidden, disabled or destroyed; the interface keeps running in
// between. Releasing it over the button then gives the normal BN_CLICKED.
// Enter sends WM_BUTTON_ENTER to the parent.
#pragma once

#include <functional>
#include <memory>

#include "ui/wnd/controls.h"

class CNotifyButton : public CButton {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnKillFocus(CWnd* pNewWnd);
  DECLARE_MESSAGE_MAP()
};

// Where a repeat button's ticks come from, and whether the mouse button is
// still held. The program uses a 25 ms timer and the mouse state; tests put
// their own in place to tick by hand.
class IRepeatTickSource {
 public:
  virtual ~IRepeatTickSource() = default;
  // Calls tick every intervalMs milliseconds until Stop.
  virtual void Start(int intervalMs, std::function<void()> tick) = 0;
  virtual void Stop() = 0;
  virtual bool LeftButtonDown() const = 0;
};

class CRepeatButton : public CButton {
 public:
  static constexpr int kTickMs = 25;

  CRepeatButton();
  ~CRepeatButton() override;

  // hNotify null: the parent. pValue is set to the initial value; a maximum
  // below the minimum is raised to it.
  // bDown nonzero: each step subtracts the step.
  void Setup(HWND hNotify, int* pValue, int nInitial, int bDown, int nStep, int nMin, int nMax);
  // The tick source of this button (null: the process-wide one). Not owned.
  void SetTickSource(IRepeatTickSource* pSource) { m_pTickSource = pSource; }
  // The tick source of every button without its own (null: the timer). Not owned.
  static void SetDefaultTickSource(IRepeatTickSource* pSource);
  BOOL IsRepeating() const { return m_bHolding; }
  int GetMinimum() const { return m_nMin; }
  int GetMaximum() const { return m_nMax; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnKillFocus(CWnd* pNewWnd);
  DECLARE_MESSAGE_MAP()

 private:
  IRepeatTickSource& TickSource();
  void OnTick();
  void Step();
  void StopHolding();
  bool StillHeld() const;

  QPointer<QWidget> m_hNotify;
  int* m_pValue = nullptr;
  int m_bDown = 0;
  int m_nStep = 0;
  int m_nMin = 0;
  int m_nMax = 0;

  bool m_bHolding = false;
  int m_nTicks = 0;  // since the last step
  int m_nSteps = 0;  // since the press
  IRepeatTickSource* m_pTickSource = nullptr;
  IRepeatTickSource* m_pActiveSource = nullptr;
  std::unique_ptr<IRepeatTickSource> m_pTimer;
};
