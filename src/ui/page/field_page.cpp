#include "ui/page/field_page.h"

#include "ui/messages.h"

BEGIN_MESSAGE_MAP(CFieldPage, CScrollPage)
  ON_WM_SHOWWINDOW()
  ON_CONTROL_RANGE(CBN_SELCHANGE, 0, kLastControlId, OnBindingSelChange)
  ON_CONTROL_RANGE(BN_CLICKED, 0, kLastControlId, OnBindingClicked)
  ON_CONTROL_RANGE(EN_KILLFOCUS, 0, kLastControlId, OnBindingKillFocus)
  ON_CONTROL_RANGE(EN_SETFOCUS, 0, kLastControlId, OnBindingSetFocus)
  ON_MESSAGE(WM_SERIALEDIT_CHANGE, OnSerialChange)
  ON_MESSAGE(WM_HEXEDIT_CHANGE, OnHexChange)
  ON_MESSAGE(WM_NUMEDIT_CHANGE, OnNumChange)
  ON_MESSAGE(WM_NUMEDIT_ENTER, OnNextField)
END_MESSAGE_MAP()

CFieldPage::CFieldPage(UINT nIDTemplate, std::span<const Binding> bindings, std::span<const EnableRule> rules,
                       CWnd* pParent)
    : CScrollPage(nIDTemplate, pParent), m_set(bindings, rules) {
  m_set.SetCommitHook([this](const Binding& b) { OnCommitted(b); });
}

BOOL CFieldPage::OnInitDialog() {
  CScrollPage::OnInitDialog();
  m_hAccel = LoadPageAccelerator();
  m_set.Attach(*this);
  UpdateControls();
  return TRUE;
}

BOOL CFieldPage::PreTranslateMessage(MSG* pMsg) { return PagePreTranslateMessage(this, m_hAccel, pMsg); }

void CFieldPage::UpdateControls() {
  if (!GetSafeHwnd()) return;
  for (const Binding& b : m_set.Bindings()) m_set.RefreshBinding(b);
  OnRefresh();
  m_set.ApplyEnableRules();
}

void CFieldPage::OnShowWindow(BOOL bShow, UINT nStatus) {
  CScrollPage::OnShowWindow(bShow, nStatus);
  UpdateControls();
}

void CFieldPage::OnBindingSelChange(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), CBN_SELCHANGE); }
void CFieldPage::OnBindingClicked(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), BN_CLICKED); }
void CFieldPage::OnBindingKillFocus(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), EN_KILLFOCUS); }
void CFieldPage::OnBindingSetFocus(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), EN_SETFOCUS); }

LRESULT CFieldPage::OnSerialChange(WPARAM wParam, LPARAM) {
  m_set.HandleCellMessage(WM_SERIALEDIT_CHANGE, static_cast<int>(wParam));
  return 0;
}
LRESULT CFieldPage::OnHexChange(WPARAM wParam, LPARAM) {
  m_set.HandleCellMessage(WM_HEXEDIT_CHANGE, static_cast<int>(wParam));
  return 0;
}
LRESULT CFieldPage::OnNumChange(WPARAM wParam, LPARAM) {
  m_set.HandleCellMessage(WM_NUMEDIT_CHANGE, static_cast<int>(wParam));
  return 0;
}
