// The progress bar (class "msctls_progress32"): a range, a position always
// kept inside it (a position past either end is clamped), a step. PBS_VERTICAL
// fills from the bottom. It takes no input and sends no notifications.
#pragma once

#include "ui/wnd/wnd.h"

inline constexpr DWORD PBS_SMOOTH = 0x01;
inline constexpr DWORD PBS_VERTICAL = 0x04;

inline constexpr UINT PBM_SETRANGE = WM_USER + 1;    // lParam: MAKELPARAM(low, high); returns the old range so packed
inline constexpr UINT PBM_SETPOS = WM_USER + 2;      // wParam: position; returns the old one
inline constexpr UINT PBM_DELTAPOS = WM_USER + 3;    // wParam: increment; returns the old position
inline constexpr UINT PBM_SETSTEP = WM_USER + 4;     // wParam: step; returns the old one
inline constexpr UINT PBM_STEPIT = WM_USER + 5;      // returns the old position
inline constexpr UINT PBM_SETRANGE32 = WM_USER + 6;  // wParam: low, lParam: high
inline constexpr UINT PBM_GETRANGE = WM_USER + 7;    // wParam: TRUE for the low end; lParam: PBRANGE* or 0
inline constexpr UINT PBM_GETPOS = WM_USER + 8;

struct PBRANGE {
  int iLow = 0;
  int iHigh = 0;
};

class CProgressCtrl : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  void SetRange(short nLower, short nUpper);
  void SetRange32(int nLower, int nUpper);
  void GetRange(int& nLower, int& nUpper) const;
  int GetPos() const;
  // Both return the previous position.
  int SetPos(int nPos);
  int OffsetPos(int nPos);
  int SetStep(int nStep);
  // Moves one step on; past the upper end it starts again from the lower end.
  int StepIt();
};
