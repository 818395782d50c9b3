// CHexEdit: hexadecimal digits ('a' to 'f' upper-cased) and a few extra
// characters, up to a maximum length; sends WM_HEXEDIT_CHANGE (control id, 0)
// to its notify window after each key. CCharListEdit holds what it shares with
// CSerialEdit: the notify window, the maximum length and the two lists.
#pragma once

#include "ui/cells/notifying_edit.h"

class CCharListEdit : public CNotifyingEdit {
 public:
  // The notify window (null: the parent) and the most characters of the text.
  void SetEditParams(HWND hNotify, int nMaxLength) {
    SetNotifyWindow(hNotify);
    m_nMaxLength = nMaxLength;
  }
  // At most ten of each; an eleventh is ignored.
  void AddAllowedChar(char c) { m_allowed.Add(c); }
  void AddRefusedChar(char c) { m_refused.Add(c); }
  int GetMaxLength() const { return m_nMaxLength; }

 protected:
  // Backspace: the last character goes, wherever the caret is; the selection
  // stays where it was.
  void RemoveLastCharacter();
  // Enter becomes Tab; Esc and Delete are swallowed. False in *handled for other keys.
  static BOOL TranslateCellKey(MSG* pMsg, bool* handled);

  int m_nMaxLength = 0;
  CCellCharList m_allowed;
  CCellCharList m_refused;
};

class CHexEdit : public CCharListEdit {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()
};
