// Edit cells that show a value read-only and become editable on demand.
//
// CColorEdit paints its own text and background colours. CClickEdit starts
// editing on Enter or a double click and ends it on Enter, a double click or
// the loss of the focus, noting that a value was committed. CCommitEdit adds
// undo with Esc and a character filter; an accepted character typed into the
// read-only cell starts editing and replaces the text.
#pragma once

#include <string>

#include "ui/cells/cell_colors.h"
#include "ui/wnd/controls.h"

class CColorEdit : public CEdit {
 public:
  // Stores the colours and redraws the cell at once.
  void SetColors(COLORREF crText, COLORREF crBackground);
  // Window text on the tooltip background while editing; on the window background otherwise.
  void SetEditingLook();
  void SetNormalLook();
  // Enabled and writable, editing look.
  void BeginEdit();
  // Enabled and read-only, normal look.
  void EndEdit();
  COLORREF GetTextColor() const { return m_crText; }
  COLORREF GetBkColor() const { return m_crBackground; }

 protected:
  void PreSubclassWindow() override;
  // The reflected colour request: transparent text in the cell's colour on its brush.
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  DECLARE_MESSAGE_MAP()

 private:
  COLORREF m_crText = GetSysColor(COLOR_WINDOWTEXT);
  COLORREF m_crBackground = GetSysColor(COLOR_WINDOW);
  CBrush m_brush;
};

class CClickEdit : public CColorEdit {
 public:
  // 1 while the cell shows its value, 0 while it is being edited.
  BYTE GetReadOnlyState() const { return m_bReadOnly; }
  // Set whenever an edit ends; the owner reads it and clears it.
  BYTE GetCommitted() const { return m_bCommitted; }
  void SetCommitted(BYTE bCommitted) { m_bCommitted = bCommitted; }
  // The most characters an edit may hold (0: no limit).
  void SetMaxLength(int nMaxLength) { m_nMaxLength = nMaxLength; }
  int GetMaxLength() const { return m_nMaxLength; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  // The cell shows its value read-only until an edit starts, whatever its template says.
  void PreSubclassWindow() override;
  void StartEditing();
  void StopEditing();
  void OnKillFocus(CWnd* pNewWnd);
  DECLARE_MESSAGE_MAP()

  BYTE m_bReadOnly = 1;
  BYTE m_bCommitted = 0;
  int m_nMaxLength = 0;
};

class CCommitEdit : public CClickEdit {
 public:
  // Which characters the cell takes:
  //   1 digits '.' blank            2 digits blank '-' '+'      3 digits A-D a-d '#' '*'
  //   4 printable but !"#$%&',.;<>?@^{|}~                      5 digits '.' blank '-' '+'
  //   6 digits blank                7 digits A-F a-f            8 digits
  //   9 letters C-N c-n at position 1, digits elsewhere        0 and others: everything
  void SetFilterMode(int nMode) { m_nFilterMode = nMode; }
  int GetFilterMode() const { return m_nFilterMode; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()

 private:
  std::string m_strSaved;  // the text before the current edit
  int m_nFilterMode = 0;
};
