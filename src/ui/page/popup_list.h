// CPopupList: the hidden list box of a page that drops down over (or under) a
// cell or a button to offer the entries of an OfferedList, the one way every
// page shows a list whose entries the model works out when it opens.
//
// The page binds its list box once (Attach), opens it for a control with the
// rectangle it should take (Open), and gets each choice through the callback,
// with the control the list was opened for, the list as it was offered and
// the position chosen (-1 when nothing is selected; the model stores nothing
// then). A double click or Enter chooses; what Esc, Tab and a click on the
// page do is the page's policy (Close, or nothing); the list closes by itself
// when the focus leaves it for another control. Moving the selection inside the
// list means nothing until a choice.
//
//   m_popup.Attach(*this, IDC_FUNCTION_LIST, [this](int anchor, const OfferedList& offered, int position) {...});
//   m_popup.Open(IDC_KEY_P1, BelowControl(*this, IDC_KEY_P1, 2.0, 3.0), KeyFunctionChoices(...));
#pragma once

#include <functional>
#include <string>

#include "model/offered_list.h"
#include "ui/wnd/controls.h"

class CPopupList : public CListBox {
 public:
  using ChooseFn = std::function<void(int anchorId, const OfferedList& offered, int position)>;
  // What Esc and Tab in the list do: close it (focus back to its control) or nothing.
  enum class KeyPolicy { kCloseOnEscAndTab, kKeepOpen };

  // Binds the page's list box; it starts hidden.
  BOOL Attach(CWnd& page, int listId, ChooseFn onChoose, KeyPolicy keys = KeyPolicy::kCloseOnEscAndTab);

  // Fills the list with the entries, selects the one it opens on, shows it at
  // the rectangle (the page's client coordinates, kept inside the page) above
  // the other controls and gives it the focus.
  void Open(int anchorId, const CRect& rect, OfferedList offered);
  // Hides the list; with refocus the focus goes back to the control it was
  // opened for (when that can take it).
  void Close(bool refocus = true);
  // Runs whenever the open list closes, whatever closed it.
  void SetCloseHook(std::function<void()> hook) { m_onClose = std::move(hook); }
  bool IsOpen() const;
  int Anchor() const { return m_anchor; }
  const OfferedList& Offered() const { return m_offered; }
  // The choice of the selected entry: the list closes and the callback runs.
  void Choose();

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnKillFocus(CWnd* pNewWnd);
  void OnReflectDblClk() { Choose(); }
  void OnReflectSelChange() {}
  DECLARE_MESSAGE_MAP()

 private:
  CWnd* m_page = nullptr;
  ChooseFn m_onChoose;
  std::function<void()> m_onClose;
  KeyPolicy m_keys = KeyPolicy::kCloseOnEscAndTab;
  OfferedList m_offered;
  int m_anchor = 0;
};

// Shows a grid page's list at (x, y) with the size given, in its parent's
// client coordinates, over the cells; selects the first entry whose text is
// exactly (also in case) the cell's text, else entry 0; when bRedraw is 1
// redraws the list's owner (its parent when it has none) at once; gives the
// list the focus.
void ShowListEditor(CWnd* list, int x, int y, int width, int height, const std::string& cellText, int bRedraw);

// The rectangle under a control of the page: its left edge, from its bottom,
// widthFactor times its width and heightFactor times its height (whole pixels,
// cut down), in the page's client coordinates.
CRect BelowControl(CWnd& page, int controlId, double widthFactor, double heightFactor);
