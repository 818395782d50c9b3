#include "pages/settings/key_assign_page.h"

#include "model/edit_model.h"
#include "ui/messages.h"
#include "ui/wnd/prompt.h"

namespace {

constexpr double kListWidth = 2.0;  // times the button's width
constexpr int kFirstButtonId = 1486;
constexpr int kLastButtonId = 1503;

CKeyAssignSection& Keys() { return TheModel().keys; }

}  // namespace

BEGIN_MESSAGE_MAP(CKeyAssignPage, CScrollPage)
  ON_WM_SHOWWINDOW()
  ON_WM_LBUTTONDOWN()
  ON_CONTROL_RANGE(BN_CLICKED, kFirstButtonId, kLastButtonId, OnKeyButton)
  ON_MESSAGE(WM_BUTTON_ENTER, OnButtonEnter)
END_MESSAGE_MAP()

CKeyAssignPage::CKeyAssignPage(UINT nIDD, KeyLayout layout, const int (&buttons)[kKeySlotCount], double listHeight)
    : CScrollPage(nIDD), m_layout(layout), m_buttons(buttons), m_listHeight(listHeight) {
  RegisterKeyAssignTemplates();
}

CKeyAssignPanelPage::CKeyAssignPanelPage() : CKeyAssignPage(IDD, KeyLayout::kPanel, kPanelKeyButtons, 3.0) {}
CKeyAssignSidePage::CKeyAssignSidePage() : CKeyAssignPage(IDD, KeyLayout::kSide, kSideKeyButtons, 2.4) {}

BOOL CKeyAssignPage::OnInitDialog() {
  CScrollPage::OnInitDialog();
  for (int slot = 0; slot < kKeySlotCount; ++slot) {
    CNotifyButton& button = m_keyButtons[slot];
    if (button.GetSafeHwnd()) button.UnsubclassWindow();
    button.SubclassDlgItem(static_cast<UINT>(m_buttons[slot]), this);
  }
  m_list.Attach(*this, IDC_KEY_FUNCTION_LIST,
                [this](int buttonId, const OfferedList& offered, int position) {
                  OnFunctionChosen(buttonId, offered, position);
                });
  // The first key takes the focus, once: nothing later moves it on its own.
  GotoDlgCtrl(&m_keyButtons[0]);
  return FALSE;
}

int CKeyAssignPage::SlotOf(int id) const {
  for (int slot = 0; slot < kKeySlotCount; ++slot) {
    if (m_buttons[slot] == id) return slot;
  }
  return -1;
}

void CKeyAssignPage::RefreshKeys() {
  if (!GetSafeHwnd()) return;
  const CKeyAssignSection& keys = Keys();
  for (int slot = 0; slot < kKeySlotCount; ++slot) {
    CNotifyButton& button = m_keyButtons[slot];
    if (!button.GetSafeHwnd()) continue;
    const std::string caption(KeyFunctionName(m_layout, keys.keyFunctionCodes[slot]));
    if (button.GetWindowText() != caption) button.SetWindowText(caption);
    if (IsHoldSlot(slot)) {
      const BOOL enabled = IsHoldButtonEnabled(keys, m_layout, slot - kKeyCount) ? TRUE : FALSE;
      if (button.IsWindowEnabled() != enabled) button.EnableWindow(enabled);
    }
  }
}

void CKeyAssignPage::OnShowWindow(BOOL bShow, UINT nStatus) {
  CScrollPage::OnShowWindow(bShow, nStatus);
  if (bShow) RefreshKeys();
}

void CKeyAssignPage::OnKeyButton(UINT nID) {
  const int slot = SlotOf(static_cast<int>(nID));
  if (slot < 0) return;
  MessageBeep(0);
  m_list.Open(m_buttons[slot], BelowControl(*this, m_buttons[slot], kListWidth, m_listHeight),
              KeyFunctionChoices(Keys(), m_layout, slot, TheModel().global.optionBoardCode()));
}

LRESULT CKeyAssignPage::OnButtonEnter(WPARAM wParam, LPARAM) {
  OnKeyButton(static_cast<UINT>(wParam));
  return 0;
}

void CKeyAssignPage::OnLButtonDown(UINT nFlags, CPoint point) {
  m_list.Close();
  CScrollPage::OnLButtonDown(nFlags, point);
}

void CKeyAssignPage::OnFunctionChosen(int buttonId, const OfferedList& offered, int position) {
  MessageBeep(0);
  if (ChooseKeyFunction(Keys(), m_layout, SlotOf(buttonId), offered, position)) g_bModified = 1;
  RefreshKeys();
}
