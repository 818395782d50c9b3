// CScrollPage: the base class of the editor pages, modeless child dialogs that
// the main dialog creates inside its tab control and destroys when the page is
// left (the page object itself lives on).
//
// A page scrolls when the window is made smaller than the page was designed:
// the first page initialised after start-up fixes the reference size
// (g_rcPageRef), and every page's scroll ranges are the columns of 8 pixels
// and rows of 4 pixels by which that reference is wider and taller than the
// page's client area now. The page's own scroll bars show only while their
// range is above 0 and, like a window's scroll bars, take their room from the
// client area. Any resize brings the content back to its origin before the
// new ranges apply. The mouse wheel over the page scrolls it, unless the
// control under the mouse takes the wheel itself (a list takes it only while
// it has the keyboard focus). A size grip (IDC_PAGE_SIZEGRIP) is kept, hidden, in the bottom-right
// corner of the client area.
//
// The page pattern lives here as well: the key filter (page_pattern.h) with
// accelerator table 138, command 32774 passed on to the main dialog, and the
// OnNextField / OnPrevField handlers for the pages that map the grid cells'
// WM_LABEL_TAB, WM_NUMEDIT_ENTER and WM_LABEL_BACKTAB to them.
#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>

#include "ui/page/page_pattern.h"
#include "ui/wnd/dialog.h"
#include "ui/wnd/ext/scrollbar.h"

// The client rectangle of the first page ever initialised; every page's scroll
// ranges are measured against it.
extern CRect g_rcPageRef;
// Set to 1 by the main dialog during its own initialisation; the first page
// initialised after that takes g_rcPageRef and clears it.
extern std::uint32_t g_bTakePageRef;

// The page's size grip: a size box whose client area counts as the
// bottom-right corner of the window.
class CSizeGrip : public CScrollBar {
 protected:
  LRESULT OnNcHitTest(CPoint point);
  DECLARE_MESSAGE_MAP()
};

class CScrollPage : public CDialog {
 public:
  static constexpr int SB_HORZ = 0;
  static constexpr int SB_VERT = 1;
  static constexpr int kColumn = 8;  // pixels per horizontal scroll step
  static constexpr int kRow = 4;     // pixels per vertical scroll step
  // What one notch of the mouse wheel scrolls: about three lines of text.
  static constexpr int kWheelRows = 10;
  static constexpr int kWheelColumns = 5;

  // No window is made here; Create makes it from the template.
  explicit CScrollPage(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CScrollPage() override;

  // Pages call this first in their own OnInitDialog: scroll positions 0, the
  // reference size (once), the size grip, the ranges. Returns TRUE.
  BOOL OnInitDialog() override;
  // Gives the page's window its scrolling when its OnInitDialog called the
  // dialog's own instead of this class's (the page would otherwise never
  // scroll, and a smaller window would hide part of it for good). The main
  // dialog calls it for every page it places.
  void EnsureScrolling();
  // The page key filter, with the dialog keyboard behind it.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // Scrolls the content back to the origin; both positions become 0.
  void ResetScroll();
  // Recomputes the ranges against g_rcPageRef, keeps the positions within
  // them, shows or hides the scroll bars and puts the size grip in the corner.
  void UpdateScrollRanges();

  // The client area: the window less the page's scroll bars while they show.
  void GetClientRect(CRect* pRect) const;
  // Moves every child window by the offset (the scroll bars stay) and repaints.
  void ScrollWindow(int xAmount, int yAmount);
  // The position and range (0 to the maximum) of the page's scroll bar.
  int GetScrollPos(int nBar) const;
  void GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const;
  BOOL IsScrollBarShown(int nBar) const { return nBar == SB_VERT ? m_bVertShown : m_bHorzShown; }
  // The ranges as computed, negative when the page is larger than the reference.
  int GetHorzRange() const { return m_nHorzRange; }
  int GetVertRange() const { return m_nVertRange; }
  BOOL IsInitialised() const { return m_bInitialised; }
  // Scrolls by wheel notches (positive: down or right); false when that way
  // has nothing to scroll.
  bool ScrollByWheel(bool horz, int notches);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
  void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
  void OnSize(UINT nType, int cx, int cy);

  // The shared handlers of the page pattern. OnRomEditor (command 32774, in
  // this map) hands the command to the main dialog; the other two are mapped
  // by the pages whose cells ask for them.
  void OnRomEditor();
  LRESULT OnNextField(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrevField(WPARAM wParam, LPARAM lParam);

  HACCEL m_hAccel = nullptr;  // table 138
  CSizeGrip m_sizeGrip;

  DECLARE_MESSAGE_MAP()

 private:
  class CWheelFilter;
  // Scroll positions 0, the reference size (once), the size grip, the bars,
  // the ranges and the wheel.
  void InitScrolling();
  // The client area with the given bars showing.
  CRect ClientWith(bool horz, bool vert) const;
  void SetBar(CScrollBar& bar, bool& shown, int nMax, int nPos);
  void PlaceScrollBars();
  // Moves the content to the given positions (columns, rows).
  void ScrollTo(int horzPos, int vertPos);
  bool IsOwnBar(const CWnd* pScrollBar) const;

  int m_nHorzRange = 0;  // columns of 8 px by which the reference is wider than the client area
  int m_nVertRange = 0;  // rows of 4 px by which it is taller
  int m_nVertMax = 0;    // the vertical range, or 0 when that is negative
  int m_nHorzMax = 0;
  int m_nVertPos = 0;    // rows scrolled, 0 to the vertical maximum
  int m_nHorzPos = 0;    // columns scrolled
  CRect m_rcGrip;        // where the size grip was made
  BOOL m_bInitialised = FALSE;

  CScrollBar m_horzBar;
  CScrollBar m_vertBar;
  bool m_bHorzShown = false;
  bool m_bVertShown = false;
  QPointer<QWidget> m_corner;  // fills the corner between the two bars (made with them, goes with the window)
};
