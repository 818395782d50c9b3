// The scroll bar control (class "ScrollBar") and the size box.
//
// As on the original platform, a scroll bar does not move by itself: a click on
// an arrow or the shaft is reported to the parent (WM_HSCROLL, or WM_VSCROLL
// with SBS_VERT; the code and the scroll bar as lParam) and the parent sets the
// new position. Dragging the thumb reports SB_THUMBTRACK with the track
// position while it moves and SB_THUMBPOSITION when it is let go; a thumb the
// parent does not then move goes back. SB_ENDSCROLL follows when the button
// comes up. Positions the program sets are not reported.
//
// With SBS_SIZEGRIP or SBS_SIZEBOX the control is a size box instead: dragging
// it resizes the top-level window, and it reports itself as the bottom-right
// corner of the window (WM_NCHITTEST gives HTBOTTOMRIGHT).
#pragma once

#include "ui/wnd/ext/common_controls.h"
#include "ui/wnd/wnd.h"

inline constexpr DWORD SBS_SIZEBOXTOPLEFTALIGN = 0x0002;
inline constexpr DWORD SBS_SIZEBOXBOTTOMRIGHTALIGN = 0x0004;
inline constexpr DWORD SBS_SIZEBOX = 0x0008;
inline constexpr DWORD SBS_SIZEGRIP = 0x0010;

inline constexpr UINT SBM_SETPOS = 0x00E0;           // wParam: position, lParam: redraw; returns the old one
inline constexpr UINT SBM_GETPOS = 0x00E1;
inline constexpr UINT SBM_SETRANGE = 0x00E2;         // wParam: minimum, lParam: maximum
inline constexpr UINT SBM_GETRANGE = 0x00E3;         // wParam: int* minimum, lParam: int* maximum
inline constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
inline constexpr UINT SBM_SETSCROLLINFO = 0x00E9;    // lParam: SCROLLINFO*; returns the position
inline constexpr UINT SBM_GETSCROLLINFO = 0x00EA;    // lParam: SCROLLINFO*

inline constexpr UINT SIF_RANGE = 0x0001;
inline constexpr UINT SIF_PAGE = 0x0002;
inline constexpr UINT SIF_POS = 0x0004;
inline constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
inline constexpr UINT SIF_TRACKPOS = 0x0010;
inline constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

inline constexpr LRESULT HTCLIENT = 1;
inline constexpr LRESULT HTBOTTOMRIGHT = 17;

struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

class CScrollBar : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  int GetScrollPos() const;
  // Returns the previous position.
  int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
  void GetScrollRange(int* lpMinPos, int* lpMaxPos) const;
  void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  BOOL SetScrollInfo(const SCROLLINFO* lpScrollInfo, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(SCROLLINFO* lpScrollInfo, UINT nMask = SIF_ALL) const;
};
