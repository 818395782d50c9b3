// Help requests. A window asked for help (F1) gets WM_HELP with a HELPINFO in
// lParam; a dialog that answers it hands the context id to the application's
// help, which the main dialog installs here at start-up.
#pragma once

#include <functional>

#include "ui/wnd/ext/help.h"
#include "ui/wnd/win_types.h"

// WinHelp commands.
inline constexpr UINT HELP_CONTEXT = 0x0001;

using AppWinHelpHandler = std::function<void(DWORD_PTR dwData, UINT nCmd)>;
// Installs the application's help; an empty handler removes it.
void SetAppWinHelp(AppWinHelpHandler handler);
// Hands a help request to the application's help; without one nothing happens.
void AppWinHelp(DWORD_PTR dwData, UINT nCmd);
