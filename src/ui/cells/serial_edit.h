// CSerialEdit: letters and digits, upper-cased, and the allowed extra
// characters, up to the maximum length; refused characters beep. Backspace
// takes the last character; Enter moves on like Tab; Esc and Delete do
// nothing. After every key it sends WM_SERIALEDIT_CHANGE (control id, 0) to
// its notify window. Set up with SetEditParams, AddAllowedChar, AddRefusedChar.
#pragma once

#include "ui/cells/hex_edit.h"

class CSerialEdit : public CCharListEdit {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()
};
