#include "pages/fivetone/five_tone_dlg.h"

#include "model/five_tone_fields.h"
#include "ui/wnd/ext/help.h"

using namespace five_tone;

namespace {

const Binding kBindings[] = {
    // The lists, in the order the dialog fills them.
    Combo(IDC_FT_TAG_DISPLAY, kTagDisplay, kEnableDisableList),
    Combo(IDC_FT_ANI_DISPLAY, kAniDisplay, kEnableDisableList),
    Combo(IDC_FT_GROUP_TONE, kGroupTone, kGroupToneList),
    Combo(IDC_FT_REPEAT_TONE, kRepeatTone, kRepeatToneList),
    Combo(IDC_FT_AUTO_RESET_BEEP, kAutoResetBeep, kEnableDisableList),
    Combo(IDC_FT_PTT_CALL, kPttCall, kEnableDisableList),
    Combo(IDC_FT_CALL1_ENCODE, kCall1EncodeCode, kEncodeNumberList),
    Combo(IDC_FT_CALL2_ENCODE, kCall2EncodeCode, kEncodeNumberList),
    Combo(IDC_FT_BEEP_REPEAT, kBeepRepeat, kBeepRepeatList),
    Combo(IDC_FT_AUTO_RESET, kAutoReset, kEnableDisableList),
    Combo(IDC_FT_PTT_SW_AF_OPEN, kPttSwAfOpen, kEnableDisableList),
    Combo(IDC_FT_MONITOR_SW, kMonitorSw, kMonitorSwList),
    Combo(IDC_FT_CHANNEL_SW, kChannelSw, kChannelSwList),
    Combo(IDC_FT_ANI_TRANSMISSION, kAniTransmission, kAniTransmissionList),
    Combo(IDC_FT_TONE_TABLE, kToneTableNo, kToneTableList),
    Combo(IDC_FT_CALL_ENCODE_TONE, kCallEncodeToneNo, kToneNumberList),
    // The digits: checked while used.
    Check(kFtDisplayDigitIds[0], kDisplayDigitUsed[0], &kDigitMarkList),
    Check(kFtDisplayDigitIds[1], kDisplayDigitUsed[1], &kDigitMarkList),
    Check(kFtDisplayDigitIds[2], kDisplayDigitUsed[2], &kDigitMarkList),
    Check(kFtDisplayDigitIds[3], kDisplayDigitUsed[3], &kDigitMarkList),
    Check(kFtDisplayDigitIds[4], kDisplayDigitUsed[4], &kDigitMarkList),
    Check(kFtCompareDigitIds[0], kCompareDigitUsed[0], &kDigitMarkList),
    Check(kFtCompareDigitIds[1], kCompareDigitUsed[1], &kDigitMarkList),
    Check(kFtCompareDigitIds[2], kCompareDigitUsed[2], &kDigitMarkList),
    Check(kFtCompareDigitIds[3], kCompareDigitUsed[3], &kDigitMarkList),
    Check(kFtCompareDigitIds[4], kCompareDigitUsed[4], &kDigitMarkList),
    Check(kFtDecodeCodeIds[0], kDecodeDigitUsed[0], &kDigitMarkList),
    Check(kFtDecodeCodeIds[1], kDecodeDigitUsed[1], &kDigitMarkList),
    Check(kFtDecodeCodeIds[2], kDecodeDigitUsed[2], &kDigitMarkList),
    Check(kFtDecodeCodeIds[3], kDecodeDigitUsed[3], &kDigitMarkList),
    Check(kFtDecodeCodeIds[4], kDecodeDigitUsed[4], &kDigitMarkList),
};

// The delays are commit edits that take a fraction ("25.9"), which the
// table's number cell does not: the dialog stores them itself.
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

std::span<const Binding> FiveToneSystemBindings() { return kBindings; }

LRESULT ShowFiveToneHelp(CWnd* dialog) {
  // The contents of the help file, whatever control F1 was pressed in.
  HELPINFO info;
  info.iCtrlId = 0;
  CWnd* owner = dialog ? dialog->GetOwner() : nullptr;
  if (owner && owner != dialog) owner->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  return TRUE;
}

BEGIN_MESSAGE_MAP(CFiveToneDlg, CDialog)
  ON_CONTROL_RANGE(CBN_SELCHANGE, 1608, 16180, OnSelchangeList)
  ON_CONTROL_RANGE(BN_CLICKED, 1595, 16190, OnClickedCheck)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_FT_EXTENDED_FIRST_TONE, IDC_FT_LEAD_OUT_DELAY, OnKillfocusDelay)
  ON_MESSAGE(WM_HELP, OnHelpInfo)
END_MESSAGE_MAP()

CFiveToneDlg::CFiveToneDlg(CWnd* pParent) : CDialog(IDD_FIVE_TONE_SYSTEM, pParent), m_set(kBindings, {}) {
  RegisterFiveToneDialogTemplates();
}

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
  m_set.Attach(*this);
  m_set.Refresh();
  for (std::size_t i = 0; i < m_delays.size(); ++i) {
    m_delays[i].SetMaxLength(4);
    m_delays[i].SetFilterMode(1);
    m_delays[i].SetWindowText(DelayText(kDelays[i].field.Get(M())));
  }
}

void CFiveToneDlg::OnSelchangeList(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), CBN_SELCHANGE); }
void CFiveToneDlg::OnClickedCheck(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), BN_CLICKED); }

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

void CFiveToneDlg::OnOK() {
  CWnd* focus = GetFocus();
  if (!focus || focus != GetDlgItem(IDOK)) {
    // Enter on a check box toggles it, as a click does; on anything else it does nothing.
    const Binding* b = focus && IsChild(focus) ? FindBinding(kBindings, focus->GetDlgCtrlID()) : nullptr;
    if (b && b->kind == BindKind::Check) {
      focus->SendMessage(BM_SETCHECK, focus->SendMessage(BM_GETCHECK) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
      m_set.HandleCommand(b->id, BN_CLICKED);
    }
    return;
  }
  M().fiveToneSystem.PackToImage(RadioImage());
  EndDialog(IDOK);
}

void CFiveToneDlg::OnCancel() {
  M().fiveToneSystem.UnpackFromImage(RadioImage());
  g_bModified = m_modifiedAtOpen;
  EndDialog(IDCANCEL);
}

LRESULT CFiveToneDlg::OnHelpInfo(WPARAM, LPARAM) { return ShowFiveToneHelp(this); }
