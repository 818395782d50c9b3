// The Key Assignment tab: a radio function for the short press and for the
// press and hold of each programmable key, one page class for each key layout
// (the front panel of a production-type-11 radio, the side switches and keys
// of the others). A key button opens the list of the functions its slot may
// take under it; a double click or Enter stores the choice in the model (the
// model keeps each function on one slot and the presence flags), Esc, Tab or
// a click on the page closes the list and stores nothing. The captions are
// refreshed when the page is shown and after each choice; the page takes the
// first key's button as its focus once, when its window is made. The key
// sheet is a picture of this page, grabbed from its widgets by the print.
#pragma once

#include "model/key_assign.h"
#include "res/page_key_assign.h"
#include "ui/cells/buttons.h"
#include "ui/page/popup_list.h"
#include "ui/page/scroll_page.h"

class CKeyAssignPage : public CScrollPage {
 public:
  // The buttons of slots 0..11; the list drops under a button at twice its
  // width and listHeight times its height.
  CKeyAssignPage(UINT nIDD, KeyLayout layout, const int (&buttons)[kKeySlotCount], double listHeight);

  BOOL OnInitDialog() override;

  // Every button's caption from its slot's function; on the panel the hold
  // buttons enabled as the model says.
  void RefreshKeys();
  KeyLayout Layout() const { return m_layout; }
  int ButtonOf(int slot) const { return m_buttons[slot]; }
  const CPopupList& FunctionList() const { return m_list; }

 protected:
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnKeyButton(UINT nID);
  LRESULT OnButtonEnter(WPARAM wParam, LPARAM lParam);
  void OnLButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  int SlotOf(int id) const;
  void OnFunctionChosen(int buttonId, const OfferedList& offered, int position);

  KeyLayout m_layout;
  const int (&m_buttons)[kKeySlotCount];
  double m_listHeight;
  CNotifyButton m_keyButtons[kKeySlotCount];
  CPopupList m_list;
};

class CKeyAssignPanelPage : public CKeyAssignPage {
 public:
  enum { IDD = IDD_KEY_ASSIGN_PANEL };
  CKeyAssignPanelPage();
};

class CKeyAssignSidePage : public CKeyAssignPage {
 public:
  enum { IDD = IDD_KEY_ASSIGN_SIDE };
  CKeyAssignSidePage();
};
