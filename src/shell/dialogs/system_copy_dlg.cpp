#include "shell/dialogs/system_copy_dlg.h"

#include <cstdio>
#include <string>

namespace {
std::string SystemName(int system) {
  char text[24];
  std::snprintf(text, sizeof text, "System%2d", system + 1);
  return text;
}
}  // namespace

CSystemCopyDlg::CSystemCopyDlg(CWnd* pParent, int nSourceSystem)
    : CDialog(IDD, pParent), m_nSourceSystem(nSourceSystem) {
  RegisterSmallDialogTemplates();
}

void CSystemCopyDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_COPY_DEST_LIST, m_listDest);
}

BOOL CSystemCopyDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_COPY_SOURCE_TEXT, SystemName(m_nSourceSystem));
  for (int i = 0; i < kSystemCount; ++i) {
    if (i != m_nSourceSystem) m_listDest.InsertString(-1, SystemName(i));
  }
  m_listDest.SetCurSel(0);
  return TRUE;
}

void CSystemCopyDlg::OnOK() {
  // Text typed into the list's edit field leaves no entry selected: that
  // names no system, and nothing is copied.
  const int p = m_listDest.GetCurSel();
  const int system = p < 0 ? kNoSystem : (p < m_nSourceSystem ? p : p + 1);
  if (system < 0 || system >= kSystemCount || system == m_nSourceSystem) {
    m_nDestSystem = kNoSystem;
    EndDialog(IDCANCEL);
    return;
  }
  m_nDestSystem = system;
  EndDialog(IDOK);
}

void CSystemCopyDlg::OnCancel() {
  m_nDestSystem = kNoSystem;
  EndDialog(IDCANCEL);
}

int AskCopyDestination(CWnd* pParent, int nSourceSystem) {
  CSystemCopyDlg dlg(pParent, nSourceSystem);
  GetPromptService().RunDialog(dlg);
  return dlg.m_nDestSystem;
}
