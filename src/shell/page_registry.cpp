#include "shell/page_registry.h"

#include "res/main_dialog.h"

std::unique_ptr<CDialog> CreatePageObject(UINT nIDD) {
  if (auto page = MakeRegisteredPage(nIDD)) return page;
  return std::make_unique<CPlaceholderPage>(nIDD);
}

BOOL CreatePageWindow(CDialog& page, UINT nIDD, CWnd* pParent) {
  if (auto* placeholder = dynamic_cast<CPlaceholderPage*>(&page)) return placeholder->CreatePage(pParent);
  return page.Create(nIDD, pParent);
}

CPlaceholderPage::CPlaceholderPage(UINT nIDD) : CScrollPage(nIDD), m_nPageId(nIDD) {
  // The display area of the main dialog's tab control.
  m_template.id = nIDD;
  m_template.x = 4;
  m_template.y = 16;
  m_template.cx = 372;
  m_template.cy = 302;
  m_template.style = WS_CHILD | DS_SETFONT | DS_CONTROL;
  m_template.font = DlgFont{8, "MS Sans Serif", 400};
}

BOOL CPlaceholderPage::CreatePage(CWnd* pParent) { return CreateIndirect(&m_template, pParent); }
