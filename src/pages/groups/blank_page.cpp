#include "pages/groups/blank_page.h"


BEGIN_MESSAGE_MAP(CBlankPage, CDialog)
  ON_COMMAND(ID_ROM_EDITOR, OnRomEditor)
END_MESSAGE_MAP()

CBlankPage::CBlankPage() : CDialog(IDD_BLANK_PAGE) { RegisterBlankPageTemplate(); }

BOOL CBlankPage::OnInitDialog() {
  CDialog::OnInitDialog();
  m_hAccel = LoadPageAccelerator();
  return TRUE;
}

BOOL CBlankPage::PreTranslateMessage(MSG* pMsg) { return PagePreTranslateMessage(this, m_hAccel, pMsg); }

void CBlankPage::OnRomEditor() { ForwardCommandToMainDialog(this, ID_ROM_EDITOR); }
