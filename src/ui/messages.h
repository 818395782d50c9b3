// The program's own window messages. Cells report to their page, and pages to
// the main dialog, with these; all are sent synchronously and their handlers
// return 0. For the cell messages wParam is the sending control's id and the
// receiver reads the control's text or state itself.
//
// 0x40A serves two messages: WM_REPEAT_STEP goes from a repeat button to its
// page (or the memory editor), WM_SHOWPAGE_INTERCONNECT from a zone page to the
// main dialog; each receiver maps only the one meant for it. Nothing uses
// 0x400 to 0x409.
#pragma once

#include "ui/wnd/win_types.h"

// wParam: control id; lParam: the bound value after the step.
inline constexpr UINT WM_REPEAT_STEP = 0x40A;
// wParam: 0; lParam: zone or system index to select on the interconnect page.
inline constexpr UINT WM_SHOWPAGE_INTERCONNECT = 0x40A;
// wParam: 0; lParam: index to select, or 255 to keep the current selection.
inline constexpr UINT WM_SHOWPAGE_ZONE = 0x40B;
// wParam: 0; lParam: index.
inline constexpr UINT WM_SHOWPAGE_LTR_ADVANCED = 0x40C;
// wParam: index; lParam: 0 (the same for the page switches below).
inline constexpr UINT WM_SHOWPAGE_REPEATERS = 0x40D;
inline constexpr UINT WM_SHOWPAGE_GROUP_BASIC = 0x40E;
inline constexpr UINT WM_SHOWPAGE_GROUP_ADVANCED = 0x40F;
inline constexpr UINT WM_RETURN_GROUP_BASIC = 0x410;
inline constexpr UINT WM_SHOWPAGE_CONV_BASIC = 0x411;
inline constexpr UINT WM_SHOWPAGE_CONV_ADVANCED = 0x412;
inline constexpr UINT WM_RETURN_CONV_BASIC = 0x413;
// wParam: control id; lParam: 0. Re-read and store the hex or digit text.
inline constexpr UINT WM_HEXEDIT_CHANGE = 0x414;
// wParam: control id; lParam: the number the cell's text read as (receivers
// read the text itself).
inline constexpr UINT WM_NUMEDIT_CHANGE = 0x415;
// wParam: control id; lParam: 0. Re-read and store the text.
inline constexpr UINT WM_SERIALEDIT_CHANGE = 0x416;
// wParam: channel number; lParam: 0. Every reference to the channel becomes 1023 (none).
inline constexpr UINT WM_CHANNEL_CLEARED = 0x417;
// wParam: 0; lParam: model index. Show the model string with that index.
inline constexpr UINT WM_MODEL_CHANGED = 0x418;
// wParam: control id; lParam: 0 (the same for the cell messages below).
inline constexpr UINT WM_LABEL_ENTER = 0x419;
inline constexpr UINT WM_LABEL_TAB = 0x41A;
inline constexpr UINT WM_NUMEDIT_ENTER = 0x41B;
inline constexpr UINT WM_PAGEEDIT_ENTER = 0x41C;
inline constexpr UINT WM_BUTTON_ENTER = 0x41D;
inline constexpr UINT WM_LABEL_BACKTAB = 0x41E;
inline constexpr UINT WM_BUTTON_KILLFOCUS = 0x41F;
inline constexpr UINT WM_PAGEEDIT_TAB = 0x420;
// wParam: index; lParam: 0.
inline constexpr UINT WM_SHOWPAGE_PASSPORT_SYSTEM = 0x421;
inline constexpr UINT WM_SHOWPAGE_PASSPORT_TALKGROUP = 0x422;

static_assert(WM_REPEAT_STEP == WM_USER + 10 && WM_SHOWPAGE_PASSPORT_TALKGROUP == WM_USER + 0x22);
