// A choice list that drops down over a cell or a button of a page: the page's
// hidden list box (a CPageEdit) shows the entries of an OfferedList the model
// worked out, the popup keeps that list while it is open, and a choice is
// handed back as the code of the chosen position, as it was offered.
#pragma once

#include <cstdint>
#include <optional>

#include "model/offered_list.h"
#include "ui/cells/list_cells.h"

class COfferedPopup {
 public:
  COfferedPopup() = default;
  ~COfferedPopup();
  COfferedPopup(const COfferedPopup&) = delete;
  COfferedPopup& operator=(const COfferedPopup&) = delete;

  // Binds the page's list box (from OnInitDialog); it starts hidden.
  void Attach(CWnd& page, int listId);
  // Fills the list, shows it at the rectangle (the page's client coordinates)
  // over the cells, opens it on the offered selection and gives it the focus.
  void Open(OfferedList offered, const CRect& where);
  void Hide();
  bool IsOpen() const;
  int ListId() const { return m_listId; }
  CWnd& List() { return m_list; }
  const OfferedList& Offered() const { return m_offered; }
  // The code of the selected entry; nothing when the list is not open or no
  // entry is selected.
  std::optional<std::uint32_t> Chosen() const;

 private:
  CPageEdit m_list;
  OfferedList m_offered;
  int m_listId = 0;
};
