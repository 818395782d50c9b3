// The tab control (class "SysTabControl32"): a row of tabs over a display area
// in which the program places its pages as child windows, in the tab control's
// client coordinates. Items carry a text (and a number for the program); the
// current selection changes by a click on a tab, or by Left and Right while
// the control has the focus: the parent is asked first (TCN_SELCHANGING; a
// nonzero answer keeps the selection) and told afterwards (TCN_SELCHANGE).
// TCM_SETCURSEL, inserting and deleting items raise no notification.
//
// A tab control may also take the tab keys of its whole window, as a tab set
// does on the desktop (TakeWindowTabKeys): Ctrl+Tab and Ctrl+PageDown select
// the next tab, Ctrl+Shift+Tab and Ctrl+PageUp the previous one (round from
// the last to the first), wherever the focus is in the window and before the
// control with the focus sees the key, with the notifications of a click.
#pragma once

#include <string>

#include "ui/wnd/ext/common_controls.h"
#include "ui/wnd/wnd.h"

inline constexpr UINT TCM_FIRST = 0x1300;
inline constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
inline constexpr UINT TCM_GETITEM = TCM_FIRST + 5;     // wParam: index; lParam: TCITEM*
inline constexpr UINT TCM_SETITEM = TCM_FIRST + 6;     // wParam: index; lParam: const TCITEM*
inline constexpr UINT TCM_INSERTITEM = TCM_FIRST + 7;  // wParam: index; lParam: const TCITEM*; returns the index or -1
inline constexpr UINT TCM_DELETEITEM = TCM_FIRST + 8;
inline constexpr UINT TCM_DELETEALLITEMS = TCM_FIRST + 9;
inline constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;  // wParam: index; lParam: CRect*
inline constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
inline constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;    // returns the previous selection, -1 for none or a bad index
inline constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;   // wParam: TRUE window from display rect; lParam: CRect*
inline constexpr UINT TCM_GETROWCOUNT = TCM_FIRST + 44;

inline constexpr UINT TCIF_TEXT = 0x0001;
inline constexpr UINT TCIF_PARAM = 0x0008;

inline constexpr UINT TCN_FIRST = 0u - 550u;
inline constexpr UINT TCN_KEYDOWN = TCN_FIRST;
inline constexpr UINT TCN_SELCHANGE = TCN_FIRST - 1u;
inline constexpr UINT TCN_SELCHANGING = TCN_FIRST - 2u;

struct TCITEM {
  UINT mask = TCIF_TEXT;
  DWORD dwState = 0;
  DWORD dwStateMask = 0;
  std::string* pszText = nullptr;  // TCM_GETITEM fills it; the setters read it
  int cchTextMax = 0;
  int iImage = -1;
  LPARAM lParam = 0;
};

class QKeyEvent;
class QWidget;

class CTabCtrl : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  // From now on the control takes the tab keys of its window (see above).
  void TakeWindowTabKeys();
  // Returns the index of the new item, or -1.
  int InsertItem(int nItem, const std::string& text);
  int InsertItem(int nItem, const TCITEM* pTabCtrlItem);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
  BOOL SetItem(int nItem, const TCITEM* pTabCtrlItem);
  int GetCurSel() const;
  // Returns the previous selection; raises no notification.
  int SetCurSel(int nItem);
  BOOL GetItemRect(int nItem, CRect* lpRect) const;
  int GetRowCount() const;
  // FALSE: the display area of a window rectangle; TRUE: the window rectangle
  // of a display area.
  void AdjustRect(BOOL bLarger, CRect* lpRect) const;

 protected:
  // WM_PARENTNOTIFY: a child window was created in the control, or is going.
  void OnParentNotify(UINT message, LPARAM lParam);
};

namespace wnd_detail {
// For the message loop: true when a tab control that takes the tab keys of the
// key's window took the key.
bool TakeWindowTabKey(QWidget* receiver, const QKeyEvent* key);

template <class T, auto F>
LRESULT ParentNotifyThunk(CWnd* w, WPARAM a, LPARAM b) {
  (static_cast<T*>(w)->*F)(static_cast<UINT>(a), b);
  return 0;
}
}  // namespace wnd_detail

// void OnParentNotify(UINT message, LPARAM lParam): LOWORD(message) is the
// event (WM_CREATE), lParam the child window.
#define ON_WM_PARENTNOTIFY() \
  {WM_PARENTNOTIFY, 0, 0, 0, &::wnd_detail::ParentNotifyThunk<ThisClass, &ThisClass::OnParentNotify>},
