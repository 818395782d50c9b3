#include "pages/fivetone/five_tone_dlg.h"

#include "model/five_tone_fields.h"
#include "ui/wnd/ext/help.h"

using namespace five_tone;

namespace {

struct ComboBinding {
  int id;
  Field field;
  const ChoiceList& list;
};
// In the order the dialog fills them.
const ComboBinding kCombos[] = {
    {IDC_FT_TAG_DISPLAY, kTagDisplay, kEnableDisableList},
    {IDC_FT_ANI_DISPLAY, kAniDisplay, kEnableDisableList},
    {IDC_FT_GROUP_TONE, kGroupTone, kGroupToneList},
    {IDC_FT_REPEAT_TONE, kRepeatTone, kRepeatToneList},
    {IDC_FT_AUTO_RESET_BEEP, kAutoResetBeep, kEnableDisableList},
    {IDC_FT_PTT_CALL, kPttCall, kEnableDisableList},
    {IDC_FT_CALL1_ENCODE, kCall1EncodeCode, kEncodeNumberList},
    {IDC_FT_CALL2_ENCODE, kCall2EncodeCode, kEncodeNumberList},
    {IDC_FT_BEEP_REPEAT, kBeepRepeat, kBeepRepeatList},
    {IDC_FT_AUTO_RESET, kAutoReset, kEnableDisableList},
    {IDC_FT_PTT_SW_AF_OPEN, kPttSwAfOpen, kEnableDisableList},
    {IDC_FT_MONITOR_SW, kMonitorSw, kMonitorSwList},
    {IDC_FT_CHANNEL_SW, kChannelSw, kChannelSwList},
    {IDC_FT_ANI_TRANSMISSION, kAniTransmission, kAniTransmissionList},
    {IDC_FT_TONE_TABLE, kToneTableNo, kToneTableList},
    {IDC_FT_CALL_ENCODE_TONE, kCallEncodeToneNo, kToneNumberList},
};

// The digit check boxes: checked while the digit's bit is clear.
struct DigitGroup {
  const int (&ids)[5];
  Field field;  // index: the digit
};
const DigitGroup kDigitGroups[] = {
    {kFtDisplayDigitIds, kDisplayDigit},
    {kFtCompareDigitIds, kCompareDigit},
    {kFtDecodeCodeIds, kDecodeDigit},
};

struct DelayBinding {
  int id;
  Field field;
};
const DelayBinding kDelays[] = {
    {IDC_FT_EXTENDED_FIRST_TONE, kExtendedFirstTone},
    {IDC_FT_LEAD_IN_DELAY, kLeadInDelay},
    {IDC_FT_LEAD_OUT_DELAY, kLeadOutDelay},
};

CEditModel& M() { return TheModel(); }

}  // namespace

LRESULT ShowFiveToneHelp(CWnd* dialog) {
  // The contents of the help file, whatever control F1 was pressed in.
  HELPINFO info;
  info.iCtrlId = 0;
  CWnd* owner = dialog ? dialog->GetOwner() : nullptr;
  if (owner && owner != dialog) owner->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  return TRUE;
}

BEGIN_MESSAGE_MAP(CFiveToneDlg, CDialog)
  ON_CONTROL_RANGE(CBN_SELCHANGE, 1608, 16180, OnSelchangeCombo)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_FT_EXTENDED_FIRST_TONE, IDC_FT_LEAD_OUT_DELAY, OnKillfocusDelay)
  ON_MESSAGE(WM_HELP, OnHelpInfo)
END_MESSAGE_MAP()

CFiveToneDlg::CFiveToneDlg(CWnd* pParent) : CDialog(IDD_FIVE_TONE_SYSTEM, pParent) { RegisterFiveToneDialogTemplates(); }

void CFiveToneDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  for (std::size_t i = 0; i < m_delays.size(); ++i) DDX_Control(pDX, kDelays[i].id, m_delays[i]);
}

BOOL CFiveToneDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_modifiedAtOpen = g_bModified;
  M().fiveToneSystem.UnpackFromImage(RadioImage());
  FillControls();
  return TRUE;
}

void CFiveToneDlg::FillControls() {
  for (const ComboBinding& b : kCombos) {
    CWnd* combo = GetDlgItem(b.id);
    if (!combo) continue;
    combo->SendMessage(CB_RESETCONTENT);
    for (std::size_t i = 0; i < b.list.size(); ++i) {
      const std::string text(b.list.TextAt(static_cast<int>(i)));
      combo->SendMessage(CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(text.c_str()));
    }
    combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(b.list.PositionOf(b.field.Get(M()))));
  }
  for (const DigitGroup& g : kDigitGroups) {
    for (int k = 0; k < 5; ++k) CheckDlgButton(g.ids[k], g.field.Get(M(), k) == 0 ? BST_CHECKED : BST_UNCHECKED);
  }
  for (std::size_t i = 0; i < m_delays.size(); ++i) {
    m_delays[i].SetMaxLength(4);
    m_delays[i].SetFilterMode(1);
    m_delays[i].SetWindowText(DelayText(kDelays[i].field.Get(M())));
  }
}

void CFiveToneDlg::OnSelchangeCombo(UINT nID) {
  for (const ComboBinding& b : kCombos) {
    if (b.id != static_cast<int>(nID)) continue;
    const int position = static_cast<int>(SendDlgItemMessage(b.id, CB_GETCURSEL));
    if (position < 0 || static_cast<std::size_t>(position) >= b.list.size()) return;
    b.field.Set(M(), 0, b.list.CodeAt(position));
    g_bModified = 1;
    return;
  }
}

void CFiveToneDlg::CommitDelay(int index) {
  CCommitEdit& edit = m_delays[static_cast<std::size_t>(index)];
  if (!edit.GetCommitted()) return;
  edit.SetCommitted(0);
  const Field& field = kDelays[index].field;
  field.Set(M(), 0, DelayCodeOfText(edit.GetWindowText()));
  g_bModified = 1;
  edit.SetWindowText(DelayText(field.Get(M())));
}

void CFiveToneDlg::OnKillfocusDelay(UINT nID) {
  for (int i = 0; i < 3; ++i) {
    if (kDelays[i].id == static_cast<int>(nID)) CommitDelay(i);
  }
}

BOOL CFiveToneDlg::PreTranslateMessage(MSG* pMsg) {
  // The edit has seen Enter or the double click first and ended its edit.
  if ((pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) || pMsg->message == WM_LBUTTONDBLCLK) {
    for (int i = 0; i < 3; ++i) {
      if (pMsg->hwnd == m_delays[static_cast<std::size_t>(i)].GetSafeHwnd()) CommitDelay(i);
    }
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void CFiveToneDlg::CollectChecks() {
  for (const DigitGroup& g : kDigitGroups) {
    for (int k = 0; k < 5; ++k) {
      const std::uint32_t bit = IsDlgButtonChecked(g.ids[k]) == BST_CHECKED ? 0 : 1;
      if (bit == g.field.Get(M(), k)) continue;
      g.field.Set(M(), k, bit);
      g_bModified = 1;
    }
  }
}

void CFiveToneDlg::OnOK() {
  CWnd* focus = GetFocus();
  CWnd* ok = GetDlgItem(IDOK);
  if (!focus || focus != ok) {
    // Enter on a check box toggles it; on anything else it does nothing.
    if (focus && IsChild(focus) && (focus->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON) &&
        !(focus->SendMessage(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
      focus->SendMessage(BM_SETCHECK, focus->SendMessage(BM_GETCHECK) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    }
    return;
  }
  CollectChecks();
  M().fiveToneSystem.PackToImage(RadioImage());
  EndDialog(IDOK);
}

void CFiveToneDlg::OnCancel() {
  M().fiveToneSystem.UnpackFromImage(RadioImage());
  g_bModified = m_modifiedAtOpen;
  EndDialog(IDCANCEL);
}

LRESULT CFiveToneDlg::OnHelpInfo(WPARAM, LPARAM) { return ShowFiveToneHelp(this); }
