// What every editor page does the same way, whatever its base class: the key
// filter in front of the dialog keyboard, the Shift+F9 accelerator whose command
// goes on to the main dialog, and the moves to the next and previous field that
// the grid cells ask for.
//
// The key filter: the accelerator table sees every message first (its result
// does not stop anything); a key-down of Enter or Esc is swallowed, so that
// Enter presses no default button and Esc does not close the page; F1 to F7
// are left alone, so that the main dialog, which filters the same message
// next, takes them (it swallows F1 and switches tabs with F2 to F7);
// everything else goes to the dialog's own pre-translation.
#pragma once

#include "ui/wnd/dialog.h"
#include "ui/wnd/message_loop.h"

// The accelerator table of the main dialog and the pages: one entry,
// Shift+F9 -> ID_ROM_EDITOR.
inline constexpr UINT IDR_ACCELERATOR = 138;
// The memory-editor command.
inline constexpr UINT ID_ROM_EDITOR = 32774;
// The size grip every page (and the main dialog) keeps in its bottom-right corner.
inline constexpr UINT IDC_PAGE_SIZEGRIP = 59936;
// The ids of a page's own controls lie below the command ids (the menu's and
// ID_ROM_EDITOR): its notification ranges end here, so that a plain command,
// whose code is that of BN_CLICKED and STN_CLICKED, is never taken for a click.
inline constexpr UINT kLastControlId = 0x7FFF;

// The table IDR_ACCELERATOR, registered with the window layer the first time
// it is asked for.
HACCEL LoadPageAccelerator();

enum class PageKey {
  Swallow,  // the page keeps the message from everyone
  PassUp,   // not pre-translated here: the main dialog sees it next
  Dialog,   // for the page's own key handling and then the dialog keyboard
};
// The accelerator and the keys every page filters the same way. Grid pages
// act on their cells' keys between this and the dialog's pre-translation.
PageKey FilterPageKey(CWnd* page, HACCEL hAccel, MSG* pMsg);
// The whole filter of a page: FilterPageKey, then CDialog::PreTranslateMessage.
BOOL PagePreTranslateMessage(CDialog* page, HACCEL hAccel, MSG* pMsg);

// A page's command that the main dialog carries out (ID_ROM_EDITOR): sent on
// to the top-level window the page lives in. Nothing when the page has no
// window or is a top-level window itself.
void ForwardCommandToMainDialog(CWnd* page, UINT nID);

// Focus to the next (WM_NEXTDLGCTL 0) or previous (1) tab stop of the page.
// The handlers of WM_LABEL_TAB and WM_NUMEDIT_ENTER, and of WM_LABEL_BACKTAB;
// both return 0.
LRESULT PageNextField(CWnd* page);
LRESULT PagePrevField(CWnd* page);
