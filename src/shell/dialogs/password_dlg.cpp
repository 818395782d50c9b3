#include "shell/dialogs/password_dlg.h"

CPasswordDlg::CPasswordDlg(CWnd* pParent) : CDialog(IDD, pParent) { RegisterSmallDialogTemplates(); }

void CPasswordDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_PASSWORD_EDIT, m_strPassword);
}

int AskAccessCode(AccessMode mode, CWnd* pParent) {
  CPasswordDlg dlg(pParent);
  if (GetPromptService().RunDialog(dlg) != IDOK) return -1;
  return CheckAccessCode(mode, dlg.m_strPassword) ? 0 : -1;
}
