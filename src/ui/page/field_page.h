// CFieldPage: a settings page that is its template and a table of bindings.
// It makes the cells of the bound controls when its window is made, refreshes
// them from the model then and whenever the page is shown, stores every edit by
// the one route of the binding table (which sets g_bModified), and applies the
// table's enable rules at each refresh. A page class adds handlers only for
// what its table cannot say: it maps them in its own message map, which is
// looked at before this one, and it may extend the refresh and the commit
// through the two hooks.
#pragma once

#include <span>

#include "ui/page/binding.h"
#include "ui/page/scroll_page.h"

class CFieldPage : public CScrollPage {
 public:
  CFieldPage(UINT nIDTemplate, std::span<const Binding> bindings, std::span<const EnableRule> rules = {},
             CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // Every control from the model, then the page's own refresh, then the enable rules.
  void UpdateControls();

  std::span<const Binding> Bindings() const { return m_set.Bindings(); }
  CBindingSet& BindingSet() { return m_set; }

 protected:
  // The page's own part of the refresh (before the enable rules).
  virtual void OnRefresh() {}
  // After a binding stored an edit.
  virtual void OnCommitted(const Binding& b) {}

  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnBindingSelChange(UINT nID);
  void OnBindingClicked(UINT nID);
  void OnBindingKillFocus(UINT nID);
  void OnBindingSetFocus(UINT nID);
  LRESULT OnSerialChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnHexChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnNumChange(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  CBindingSet m_set;
};
