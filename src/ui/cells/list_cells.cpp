#include "ui/cells/list_cells.h"

#include "ui/messages.h"

BOOL CRestrictEdit::PreTranslateMessage(MSG* pMsg) {
  if (!m_nLettersAllowed && pMsg->message == WM_KEYDOWN && pMsg->wParam >= 'A' && pMsg->wParam <= 'Z') {
    return TRUE;
  }
  return CComboBox::PreTranslateMessage(pMsg);
}

BOOL CEnterComboBox::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) pMsg->wParam = VK_F4;
  return CComboBox::PreTranslateMessage(pMsg);
}

BOOL CPageEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_TAB || pMsg->wParam == VK_RETURN)) {
    if (CWnd* parent = GetParent()) {
      parent->SendMessage(pMsg->wParam == VK_TAB ? WM_PAGEEDIT_TAB : WM_PAGEEDIT_ENTER,
                          static_cast<WPARAM>(GetDlgCtrlID()), 0);
    }
    return TRUE;
  }
  return CListBox::PreTranslateMessage(pMsg);
}
