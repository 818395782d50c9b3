// CFilterEdit: a plain edit that passes on only the characters its mode
// accepts and drops the others silently. Backspace always passes in modes 0 to 7.
//   0, 5  printable but !,#%&.;~      1, 4  digits '.' blank
//   2     digits A-E a-e               3     digits A-F a-f
//   6     digits, letters, blank       7     digits
//   others: everything
#pragma once

#include "ui/wnd/controls.h"

class CFilterEdit : public CEdit {
 public:
  void SetFilterMode(int nMode) { m_nFilterMode = nMode; }
  int GetFilterMode() const { return m_nFilterMode; }
  // Whether a cell in the mode takes the character.
  static bool Accepts(int nMode, UINT nChar);

 protected:
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()

 private:
  int m_nFilterMode = 0;
};
