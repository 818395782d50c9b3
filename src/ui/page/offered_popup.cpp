#include "ui/page/offered_popup.h"

#include "ui/choice/choice_lists.h"

COfferedPopup::~COfferedPopup() {
  if (m_list.GetSafeHwnd()) m_list.UnsubclassWindow();
}

void COfferedPopup::Attach(CWnd& page, int listId) {
  if (m_list.GetSafeHwnd()) m_list.UnsubclassWindow();
  m_listId = listId;
  m_offered = {};
  if (m_list.SubclassDlgItem(static_cast<UINT>(listId), &page)) m_list.ShowWindow(SW_HIDE);
}

void COfferedPopup::Open(OfferedList offered, const CRect& where) {
  if (!m_list.GetSafeHwnd()) return;
  m_offered = std::move(offered);
  m_list.ResetContent();
  for (const OfferedEntry& e : m_offered.entries) m_list.AddString(e.text);
  const std::string selected =
      m_offered.selected >= 0 && m_offered.selected < m_offered.size()
          ? m_offered.entries[static_cast<std::size_t>(m_offered.selected)].text
          : std::string();
  ShowListEditor(&m_list, where.left, where.top, where.Width(), where.Height(), selected, 1);
  // The offered position, also where two entries share a text.
  if (m_offered.selected >= 0) m_list.SetCurSel(m_offered.selected);
}

void COfferedPopup::Hide() {
  if (m_list.GetSafeHwnd()) m_list.ShowWindow(SW_HIDE);
}

bool COfferedPopup::IsOpen() const { return m_list.GetSafeHwnd() && m_list.IsWindowVisible(); }

std::optional<std::uint32_t> COfferedPopup::Chosen() const {
  if (!IsOpen()) return std::nullopt;
  return m_offered.CodeAt(m_list.GetCurSel());
}
