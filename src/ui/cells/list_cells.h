// The combo box and list box cells.
//
// CRestrictEdit: a drop-down list whose entries cannot be chosen by typing
// their first letter while letters are not allowed.
// CEnterComboBox: Enter opens or closes the drop-down list (as F4 does)
// instead of pressing the dialog's default button.
// CPageEdit: the hidden choice list that grid pages drop down over a cell;
// Enter and Tab are reported to the page (WM_PAGEEDIT_ENTER, WM_PAGEEDIT_TAB,
// control id, 0) and go no further. Arrow keys, clicks, LBN_DBLCLK and
// LBN_SELCHANGE are the list box's own.
#pragma once

#include "ui/wnd/controls.h"

class CRestrictEdit : public CComboBox {
 public:
  // The notify window is kept but not used; the value is the letters-allowed flag.
  void SetEditParams(HWND hNotify, int nLettersAllowed) {
    m_hNotify = hNotify;
    m_nLettersAllowed = nLettersAllowed;
  }
  int GetLettersAllowed() const { return m_nLettersAllowed; }
  BOOL PreTranslateMessage(MSG* pMsg) override;

 private:
  HWND m_hNotify = nullptr;
  int m_nLettersAllowed = 1;
};

class CEnterComboBox : public CComboBox {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override;
};

class CPageEdit : public CListBox {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override;
};
