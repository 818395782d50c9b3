// Help requests. F1 pressed in a window (and not taken by a PreTranslateMessage
// on the way, as the main dialog takes it) sends WM_HELP with a HELPINFO to
// that window; a window whose map has no ON_WM_HELPINFO passes the request to
// its parent, and a top-level window to its owner, so the first window up the
// chain that handles it answers. lParam of WM_HELP is the HELPINFO*.
#pragma once

#include "ui/wnd/win_types.h"

inline constexpr int HELPINFO_WINDOW = 0x0001;
inline constexpr int HELPINFO_MENUITEM = 0x0002;

struct HELPINFO {
  UINT cbSize = sizeof(HELPINFO);
  int iContextType = HELPINFO_WINDOW;
  int iCtrlId = 0;  // the control id of the window F1 was pressed in
  HWND hItemHandle = nullptr;
  DWORD_PTR dwContextId = 0;
  CPoint MousePos;  // screen coordinates
};
