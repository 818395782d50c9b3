#include "ui/choice/choice_list_adapter.h"

void CChoiceListAdapter::ResetContent() { m_wnd.SendMessage(m_bCombo ? CB_RESETCONTENT : LB_RESETCONTENT); }

int CChoiceListAdapter::AddString(const std::string& text) {
  return static_cast<int>(
      m_wnd.SendMessage(m_bCombo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CChoiceListAdapter::InsertString(int position, const std::string& text) {
  return static_cast<int>(m_wnd.SendMessage(m_bCombo ? CB_INSERTSTRING : LB_INSERTSTRING,
                                            static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.c_str())));
}

void CChoiceListAdapter::SetCurSel(int position) {
  m_wnd.SendMessage(m_bCombo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(position));
}

int CChoiceListAdapter::GetCount() const {
  return static_cast<int>(m_wnd.SendMessage(m_bCombo ? CB_GETCOUNT : LB_GETCOUNT));
}
