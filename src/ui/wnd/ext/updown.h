// The up-down control (class "msctls_updown32"): two arrows that step a
// position inside a range. The upper limit is where the up arrow leads: with a
// range of 0 to 250 the up arrow adds one, with the default range (lower 100,
// upper 0) it takes one away. A step the person makes is first offered to the
// parent as UDN_DELTAPOS (WM_NOTIFY with NMUPDOWN; a nonzero answer refuses
// it), then the position changes (clamped to the range, or wrapped with
// UDS_WRAP), the buddy shows it with UDS_SETBUDDYINT, and the parent gets
// WM_VSCROLL (WM_HSCROLL with UDS_HORZ) with SB_THUMBPOSITION and the position;
// SB_ENDSCROLL follows when the button comes up. Held down, the arrow repeats.
// Positions the program sets are not reported.
#pragma once

#include "ui/wnd/ext/common_controls.h"
#include "ui/wnd/wnd.h"

inline constexpr DWORD UDS_WRAP = 0x0001;
inline constexpr DWORD UDS_SETBUDDYINT = 0x0002;
inline constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
inline constexpr DWORD UDS_ALIGNLEFT = 0x0008;
inline constexpr DWORD UDS_AUTOBUDDY = 0x0010;
inline constexpr DWORD UDS_ARROWKEYS = 0x0020;
inline constexpr DWORD UDS_HORZ = 0x0040;
inline constexpr DWORD UDS_NOTHOUSANDS = 0x0080;

inline constexpr UINT UDM_SETRANGE = WM_USER + 101;    // lParam: MAKELPARAM(upper, lower)
inline constexpr UINT UDM_GETRANGE = WM_USER + 102;    // returns MAKELPARAM(upper, lower)
inline constexpr UINT UDM_SETPOS = WM_USER + 103;      // lParam: position (low word); returns the old one
inline constexpr UINT UDM_GETPOS = WM_USER + 104;      // position in the low word, 0 in the high word
inline constexpr UINT UDM_SETBUDDY = WM_USER + 105;    // wParam: HWND; returns the old buddy
inline constexpr UINT UDM_GETBUDDY = WM_USER + 106;
inline constexpr UINT UDM_SETRANGE32 = WM_USER + 111;  // wParam: lower, lParam: upper
inline constexpr UINT UDM_GETRANGE32 = WM_USER + 112;  // wParam: int* lower, lParam: int* upper
inline constexpr UINT UDM_SETPOS32 = WM_USER + 113;    // lParam: position; returns the old one
inline constexpr UINT UDM_GETPOS32 = WM_USER + 114;    // lParam: BOOL* error or 0

inline constexpr UINT UDN_FIRST = 0u - 721u;
inline constexpr UINT UDN_DELTAPOS = UDN_FIRST - 1u;

struct NMUPDOWN {
  NMHDR hdr;
  int iPos = 0;    // the position before the step
  int iDelta = 0;  // the step proposed: +1 or -1
};

class CSpinButtonCtrl : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  void SetRange(short nLower, short nUpper);
  void SetRange32(int nLower, int nUpper);
  void GetRange(int& nLower, int& nUpper) const;
  void GetRange32(int& nLower, int& nUpper) const;
  // Clamped to the range; not reported. Returns the previous position.
  int SetPos(int nPos);
  int SetPos32(int nPos);
  // The position (GetPos has 0 in the high word).
  int GetPos() const;
  int GetPos32(BOOL* lpbError = nullptr) const;
  CWnd* SetBuddy(CWnd* pWndBuddy);
  CWnd* GetBuddy() const;
};
