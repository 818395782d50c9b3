// The trackbar (class "msctls_trackbar32"), as the original platform has it:
// positions run from the range minimum at the left, or at the TOP of a
// vertical trackbar (TBS_VERT), to the maximum at the right or bottom. The keys
// move it as there: Left/Up a line towards the minimum, Right/Down towards the
// maximum, Page Up/Down a page, Home/End to the ends. Every move the person
// makes (keys, clicks, dragging the thumb, the wheel) is reported to the parent
// as WM_HSCROLL or WM_VSCROLL with a TB_ code and the trackbar as lParam,
// after the position has changed, and ended with TB_ENDTRACK; positions the
// program sets are not reported.
//
// Custom drawing: before painting, the trackbar sends NM_CUSTOMDRAW
// (NMCUSTOMDRAW, stage CDDS_PREPAINT) to its parent, which hands it back to the
// trackbar's own ON_NOTIFY_REFLECT handler unless it answers itself. With
// CDRF_NOTIFYITEMDRAW each part follows (CDDS_ITEMPREPAINT with dwItemSpec
// TBCD_TICS, TBCD_CHANNEL, TBCD_THUMB and the part's rectangle); CDRF_SKIPDEFAULT
// leaves out the standard drawing of the part (or of everything).
#pragma once

#include "ui/wnd/ext/common_controls.h"
#include "ui/wnd/wnd.h"

inline constexpr DWORD TBS_AUTOTICKS = 0x0001;
inline constexpr DWORD TBS_VERT = 0x0002;
inline constexpr DWORD TBS_HORZ = 0x0000;
inline constexpr DWORD TBS_TOP = 0x0004;
inline constexpr DWORD TBS_BOTTOM = 0x0000;
inline constexpr DWORD TBS_LEFT = 0x0004;
inline constexpr DWORD TBS_RIGHT = 0x0000;
inline constexpr DWORD TBS_BOTH = 0x0008;
inline constexpr DWORD TBS_NOTICKS = 0x0010;
inline constexpr DWORD TBS_ENABLESELRANGE = 0x0020;
inline constexpr DWORD TBS_FIXEDLENGTH = 0x0040;
inline constexpr DWORD TBS_NOTHUMB = 0x0080;

inline constexpr UINT TBM_GETPOS = WM_USER;
inline constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
inline constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
inline constexpr UINT TBM_SETPOS = WM_USER + 5;       // wParam: redraw; lParam: position
inline constexpr UINT TBM_SETRANGE = WM_USER + 6;     // wParam: redraw; lParam: MAKELPARAM(min, max)
inline constexpr UINT TBM_SETRANGEMIN = WM_USER + 7;  // wParam: redraw; lParam: minimum
inline constexpr UINT TBM_SETRANGEMAX = WM_USER + 8;  // wParam: redraw; lParam: maximum
inline constexpr UINT TBM_SETSEL = WM_USER + 10;      // wParam: redraw; lParam: MAKELPARAM(start, end)
inline constexpr UINT TBM_SETSELSTART = WM_USER + 11;
inline constexpr UINT TBM_SETSELEND = WM_USER + 12;
inline constexpr UINT TBM_GETSELSTART = WM_USER + 17;
inline constexpr UINT TBM_GETSELEND = WM_USER + 18;
inline constexpr UINT TBM_CLEARSEL = WM_USER + 19;
inline constexpr UINT TBM_SETTICFREQ = WM_USER + 20;  // wParam: frequency
inline constexpr UINT TBM_SETPAGESIZE = WM_USER + 21;  // lParam: size; returns the old one
inline constexpr UINT TBM_GETPAGESIZE = WM_USER + 22;
inline constexpr UINT TBM_SETLINESIZE = WM_USER + 23;
inline constexpr UINT TBM_GETLINESIZE = WM_USER + 24;
inline constexpr UINT TBM_GETTHUMBRECT = WM_USER + 25;    // lParam: CRect*
inline constexpr UINT TBM_GETCHANNELRECT = WM_USER + 26;  // lParam: CRect*

inline constexpr UINT TB_LINEUP = 0;
inline constexpr UINT TB_LINEDOWN = 1;
inline constexpr UINT TB_PAGEUP = 2;
inline constexpr UINT TB_PAGEDOWN = 3;
inline constexpr UINT TB_THUMBPOSITION = 4;
inline constexpr UINT TB_THUMBTRACK = 5;
inline constexpr UINT TB_TOP = 6;
inline constexpr UINT TB_BOTTOM = 7;
inline constexpr UINT TB_ENDTRACK = 8;

// ---- custom drawing ----------------------------------------------------------------
inline constexpr DWORD CDDS_PREPAINT = 0x00000001;
inline constexpr DWORD CDDS_POSTPAINT = 0x00000002;
inline constexpr DWORD CDDS_ITEM = 0x00010000;
inline constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
inline constexpr DWORD CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;

inline constexpr LRESULT CDRF_DODEFAULT = 0x00;
inline constexpr LRESULT CDRF_SKIPDEFAULT = 0x04;
inline constexpr LRESULT CDRF_NOTIFYPOSTPAINT = 0x10;
inline constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x20;

inline constexpr UINT CDIS_SELECTED = 0x0001;
inline constexpr UINT CDIS_DISABLED = 0x0004;
inline constexpr UINT CDIS_FOCUS = 0x0010;

inline constexpr DWORD_PTR TBCD_TICS = 1;
inline constexpr DWORD_PTR TBCD_THUMB = 2;
inline constexpr DWORD_PTR TBCD_CHANNEL = 3;

class CDC;

struct NMCUSTOMDRAW {
  NMHDR hdr;
  DWORD dwDrawStage = 0;
  CDC* hdc = nullptr;  // draws on the control while it paints
  CRect rc;
  DWORD_PTR dwItemSpec = 0;
  UINT uItemState = 0;
  LPARAM lItemlParam = 0;
};

class CSliderCtrl : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  int GetPos() const;
  // Clamped to the range; not reported to the parent.
  void SetPos(int nPos);
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
  void SetRangeMin(int nMin, BOOL bRedraw = FALSE);
  void SetRangeMax(int nMax, BOOL bRedraw = FALSE);
  void GetRange(int& nMin, int& nMax) const;
  int GetRangeMin() const;
  int GetRangeMax() const;
  void SetTicFreq(int nFreq);
  void SetSelection(int nMin, int nMax);
  void GetSelection(int& nMin, int& nMax) const;
  void ClearSel(BOOL bRedraw = FALSE);
  int SetPageSize(int nSize);
  int GetPageSize() const;
  int SetLineSize(int nSize);
  int GetLineSize() const;
  void GetThumbRect(CRect* pRect) const;
  void GetChannelRect(CRect* pRect) const;
};
