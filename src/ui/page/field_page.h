// CFieldPage: a settings page that is its template and a table of bindings.
// It makes the cells of the bound controls when its window is made, refreshes
// them from the model then and whenever the page is shown, stores every edit by
// the one route of the binding table (which sets g_bModified), and applies the
// table's enable rules at each refresh. A page with list cells (Chooser
// bindings) names its hidden list box: a click or Enter on such a cell beeps,
// turns its text red and drops the list beside it; a double click or Enter in
// the list beeps, stores the entry and moves on to the next control; the cells
// are white and turn black again when the list closes. A page class adds
// handlers only for what its table cannot say: it maps them in its own message
// map, which is looked at before this one, and it may extend the refresh and
// the commit through the two hooks.
#pragma once

#include <span>

#include "ui/page/binding.h"
#include "ui/page/popup_list.h"
#include "ui/page/scroll_page.h"
#include "ui/wnd/ext/gdi.h"

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
  bool IsChooserOpen() const { return m_chooser.IsOpen(); }

 protected:
  // The list box the Chooser cells drop down, and what Esc and Tab in it do.
  void SetChooserList(int listId, CPopupList::KeyPolicy keys) {
    m_chooserId = listId;
    m_chooserKeys = keys;
  }
  // Where a Chooser's list drops, in the page's client coordinates, for the
  // cell's rectangle there: beside the cell, a little above it, five cells high.
  virtual CRect ChooserRect(const Binding& b, const CRect& cell);
  // Closes the list (the cells turn black).
  void CloseChooser() { m_chooser.Close(false); }

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
  LRESULT OnLabelEnter(WPARAM wParam, LPARAM lParam);
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

  DECLARE_MESSAGE_MAP()

 private:
  void OpenChooser(const Binding& b);
  void OnChosen(int cellId, const OfferedList& offered, int position);
  void ChooserCellsBlack();

  CBindingSet m_set;
  CPopupList m_chooser;
  int m_chooserId = 0;
  CPopupList::KeyPolicy m_chooserKeys = CPopupList::KeyPolicy::kCloseOnEscAndTab;
  CBrush m_white;
};
