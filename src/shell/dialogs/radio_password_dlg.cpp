#include "shell/dialogs/radio_password_dlg.h"

#include "ui/messages.h"

BEGIN_MESSAGE_MAP(CRadioPasswordDlg, CDialog)
  ON_MESSAGE(WM_SERIALEDIT_CHANGE, OnSerialEditChange)
END_MESSAGE_MAP()

CRadioPasswordDlg::CRadioPasswordDlg(CWnd* pParent) : CDialog(IDD, pParent) { RegisterSmallDialogTemplates(); }

void CRadioPasswordDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RADIO_PASSWORD_EDIT, m_editPassword);
}

BOOL CRadioPasswordDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // Letters and digits, upper-cased, at most eight; changes come back as WM_SERIALEDIT_CHANGE.
  m_editPassword.SetEditParams(nullptr, kPasswordLength);
  return TRUE;
}

LRESULT CRadioPasswordDlg::OnSerialEditChange(WPARAM wParam, LPARAM) {
  m_strPassword = GetDlgItemText(static_cast<int>(wParam));
  if (m_strPassword.size() < static_cast<std::size_t>(kPasswordLength)) m_strPassword.resize(kPasswordLength, ' ');
  return 0;
}

void CRadioPasswordDlg::OnOK() { EndDialog(IDOK); }

std::optional<std::string> AskRadioPassword(CWnd* pParent) {
  CRadioPasswordDlg dlg(pParent);
  if (GetPromptService().RunDialog(dlg) != IDOK) return std::nullopt;
  return dlg.m_strPassword;
}
