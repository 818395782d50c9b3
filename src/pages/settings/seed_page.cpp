#include "pages/settings/seed_page.h"

#include "model/edit_model.h"
#include "model/seed_channel.h"
#include "ui/messages.h"
#include "ui/page/binding.h"
#include "ui/wnd/prompt.h"

namespace {

// The seed of an edit, or -1.
int SeedOf(UINT id) {
  for (int i = 0; i < kSeedEditCount; ++i) {
    if (IDC_SEED_FREQ[i] == static_cast<int>(id)) return i;
  }
  return -1;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSeedChannelPage, CScrollPage)
  ON_WM_SHOWWINDOW()
  ON_CONTROL_RANGE(EN_SETFOCUS, 0, kLastControlId, OnFrequencySetFocus)
  ON_CONTROL_RANGE(EN_KILLFOCUS, 0, kLastControlId, OnFrequencyKillFocus)
  ON_MESSAGE(WM_NUMEDIT_ENTER, OnNextField)
END_MESSAGE_MAP()

CSeedChannelPage::CSeedChannelPage(CWnd* pParent) : CScrollPage(IDD_SEED, pParent) { RegisterSeedPageTemplate(); }

BOOL CSeedChannelPage::OnInitDialog() {
  CScrollPage::OnInitDialog();
  m_hAccel = LoadPageAccelerator();
  const auto controls = ControlsById(*this);
  for (int i = 0; i < kSeedEditCount; ++i) {
    CNumEdit& edit = m_edits[i];
    if (edit.GetSafeHwnd()) edit.UnsubclassWindow();
    if (const auto it = controls.find(IDC_SEED_FREQ[i]); it != controls.end()) edit.SubclassWindow(it->second);
    // Four integer digits and five decimals; Enter sends WM_NUMEDIT_ENTER.
    edit.Setup(GetSafeHwnd(), 4, 5, TRUE, FALSE, FALSE, TRUE, 0, TRUE);
    for (char c : {' ', '+', '-'}) edit.AddRefusedChar(c);
  }
  RefreshSeedChannels();
  return TRUE;
}

BOOL CSeedChannelPage::PreTranslateMessage(MSG* pMsg) { return PagePreTranslateMessage(this, m_hAccel, pMsg); }

void CSeedChannelPage::RefreshSeedChannels() {
  if (!GetSafeHwnd()) return;
  for (int i = 0; i < kSeedEditCount; ++i) {
    if (m_edits[i].GetSafeHwnd()) m_edits[i].SetWindowText(SeedFrequencyText(TheModel(), i));
  }
}

void CSeedChannelPage::OnShowWindow(BOOL bShow, UINT nStatus) {
  CScrollPage::OnShowWindow(bShow, nStatus);
  if (bShow) RefreshSeedChannels();
}

void CSeedChannelPage::OnFrequencySetFocus(UINT nID) {
  // Posted, so that the click that gave the focus does not undo the selection.
  if (SeedOf(nID) >= 0) m_edits[SeedOf(nID)].PostMessage(EM_SETSEL, 0, static_cast<LPARAM>(-1));
}

void CSeedChannelPage::OnFrequencyKillFocus(UINT nID) {
  const int seed = SeedOf(nID);
  if (seed < 0 || !m_edits[seed].GetSafeHwnd()) return;
  CNumEdit& edit = m_edits[seed];
  const SeedEntryResult result = EnterSeedFrequency(TheModel(), seed, edit.GetWindowText());
  if (result.changed) g_bModified = 1;
  if (result.refused) MessageBeep(0);
  if (edit.GetWindowText() != result.text) edit.SetWindowText(result.text);
}
