// Two keys of the dialog keyboard (used by CDialog::IsDialogMessage):
// arrows move the focus through the controls of a group (from a WS_GROUP
// control to the next one, round and round); an automatic radio button
// reached this way is clicked, as the person would. A mnemonic letter
// (Alt+letter, or the letter alone while the focus is on a control that takes
// no characters) goes to the control whose text marks it with '&': a button is
// clicked (a check box or radio button also gets the focus), and a static text
// or group box hands the focus to the next control that takes it.
#pragma once

#include "ui/wnd/win_types.h"

class CDialog;

namespace wnd_detail {
// TRUE when the arrow key moved the focus (or there was nowhere to go).
BOOL MoveInGroup(CDialog* dialog, CWnd* control, UINT vk);
// TRUE when a control has the mnemonic.
BOOL GoToMnemonic(CDialog* dialog, CWnd* focus, UINT ch);
}  // namespace wnd_detail
