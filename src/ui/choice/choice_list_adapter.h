// A combo box or list box as the model's list fillers see it (IChoiceList),
// so that FillZoneCombo and its kin fill the controls of a page.
#pragma once

#include "model/channel_store.h"
#include "ui/wnd/controls.h"

class CChoiceListAdapter : public IChoiceList {
 public:
  explicit CChoiceListAdapter(CComboBox& combo) : m_wnd(combo), m_bCombo(true) {}
  explicit CChoiceListAdapter(CListBox& list) : m_wnd(list), m_bCombo(false) {}

  void ResetContent() override;
  int AddString(const std::string& text) override;
  int InsertString(int position, const std::string& text) override;
  void SetCurSel(int position) override;
  int GetCount() const override;

 private:
  CWnd& m_wnd;
  bool m_bCombo;
};
