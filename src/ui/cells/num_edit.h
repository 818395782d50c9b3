// CNumEdit: a numeric cell. It takes digits and, as its set-up allows, one
// decimal point, a sign and blanks, up to a length of the integer digits plus
// the decimals and the point, and optionally up to a maximum value. After each
// change of its text it sends WM_NUMEDIT_CHANGE (control id, the value its text
// read as before the change) to its notify window. Enter sends
// WM_NUMEDIT_CHANGE or WM_NUMEDIT_ENTER when set up so, else moves on like Tab.
#pragma once

#include "ui/cells/notifying_edit.h"

class CNumEdit : public CNotifyingEdit {
 public:
  // The tenth value has no effect.
  void Setup(HWND hNotify, int nIntDigits, int nDecimals, BOOL bInsertMode, BOOL bEnterSendsChange,
             BOOL bSignAllowed, BOOL bBlankAllowed, int nMaxValue, BOOL bEnterSendsNext, int nUnused = 0);
  // One more character that is dropped silently (at most ten).
  void AddRefusedChar(char c) { m_refused.Add(c); }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()

 private:
  // The most characters the text may hold.
  int LengthLimit() const;
  // Puts the character into the text; false when it is refused.
  bool Insert(QString& text, int pos, QChar c) const;
  bool Overwrite(QString& text, int pos, QChar c) const;

  int m_nIntDigits = 0;
  int m_nDecimals = 0;
  bool m_bInsertMode = false;
  bool m_bHasPoint = false;
  bool m_bEnterSendsChange = false;
  bool m_bSignAllowed = false;
  bool m_bBlankAllowed = false;
  int m_nMaxValue = 0;
  bool m_bEnterSendsNext = false;
  CCellCharList m_refused;
};
