// Help requests. A window asked for help (F1) gets WM_HELP with a HELPINFO in
// lParam; a dialog that answers it hands the context id to the application's
// help, which the main dialog installs here at start-up.
#pragma once

#include <functional>

#include "ui/wnd/win_types.h"

inline constexpr int HELPINFO_WINDOW = 0x0001;
inline constexpr int HELPINFO_MENUITEM = 0x0002;

struct HELPINFO {
  UINT cbSize = sizeof(HELPINFO);
  int iContextType = HELPINFO_WINDOW;
  int iCtrlId = 0;  // the control (or menu item) help was asked for
  HWND hItemHandle = nullptr;
  DWORD_PTR dwContextId = 0;
  CPoint MousePos;
};

// WinHelp commands.
inline constexpr UINT HELP_CONTEXT = 0x0001;

using AppWinHelpHandler = std::function<void(DWORD_PTR dwData, UINT nCmd)>;
// Installs the application's help; an empty handler removes it.
void SetAppWinHelp(AppWinHelpHandler handler);
// Hands a help request to the application's help; without one nothing happens.
void AppWinHelp(DWORD_PTR dwData, UINT nCmd);
