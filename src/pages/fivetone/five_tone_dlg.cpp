#include "pages/fivetone/five_tone_dlg.h"

#include <optional>

#include "model/five_tone_fields.h"
#include "ui/page/page_pattern.h"
#include "ui/wnd/ext/help.h"

using namespace five_tone;

namespace {

// A delay as "%4d ms"; typed, a number of ms that may have a fraction ("25.9"),
// kept within 0..2500 and stored in tens of ms.
constexpr NumberFormat kDelayFormat{&DelayText, [](const std::string& text) -> std::optional<std::uint32_t> {
                                      return DelayCodeOfText(text);
                                    }};

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
    // The delays last: the dialog's own commit edits (4 characters: digits, '.', blank).
    Number(IDC_FT_EXTENDED_FIRST_TONE, kExtendedFirstTone, kDelayFormat, 4),
    Number(IDC_FT_LEAD_IN_DELAY, kLeadInDelay, kDelayFormat, 4),
    Number(IDC_FT_LEAD_OUT_DELAY, kLeadOutDelay, kDelayFormat, 4),
};
constexpr int kDelayFilterMode = 1;

// The part of the table the binding set runs, and the delays.
std::span<const Binding> ListsAndChecks() {
  return std::span(kBindings).first(std::size(kBindings) - CFiveToneDlg::kDelayCount);
}
std::span<const Binding> Delays() { return std::span(kBindings).last(CFiveToneDlg::kDelayCount); }

bool EndsAnEdit(const MSG* pMsg) {
  return (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) || pMsg->message == WM_LBUTTONDBLCLK;
}

constexpr UINT kFirstFieldId = 1000;  // below every bound control's id

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

// The notifications of the bound controls (OK and Cancel, ids 1 and 2, keep their own).
BEGIN_MESSAGE_MAP(CFiveToneDlg, CDialog)
  ON_CONTROL_RANGE(CBN_SELCHANGE, kFirstFieldId, kLastControlId, OnBindingSelChange)
  ON_CONTROL_RANGE(BN_CLICKED, kFirstFieldId, kLastControlId, OnBindingClicked)
  ON_CONTROL_RANGE(EN_KILLFOCUS, kFirstFieldId, kLastControlId, OnBindingKillFocus)
  ON_CONTROL_RANGE(EN_SETFOCUS, kFirstFieldId, kLastControlId, OnBindingSetFocus)
  ON_MESSAGE(WM_HELP, OnHelpInfo)
END_MESSAGE_MAP()

CFiveToneDlg::CFiveToneDlg(CWnd* pParent) : CDialog(IDD_FIVE_TONE_SYSTEM, pParent), m_set(ListsAndChecks(), {}) {
  RegisterFiveToneDialogTemplates();
}

void CFiveToneDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  for (std::size_t i = 0; i < kDelayCount; ++i) DDX_Control(pDX, Delays()[i].id, m_delays[i]);
}

BOOL CFiveToneDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_modifiedAtOpen = g_bModified;
  M().fiveToneSystem.UnpackFromImage(RadioImage());
  m_set.Attach(*this);
  m_set.Refresh();
  for (std::size_t i = 0; i < kDelayCount; ++i) {
    const Binding& b = Delays()[i];
    CCommitEdit& edit = m_delays[i];
    edit.SetMaxLength(b.maxLength);
    edit.SetFilterMode(kDelayFilterMode);
    edit.SetWindowText(PageText(kBindings, b));
  }
  return TRUE;
}

BOOL CFiveToneDlg::PreTranslateMessage(MSG* pMsg) {
  // The delay's own handling of the message has run first and ended its edit.
  if (EndsAnEdit(pMsg)) {
    for (std::size_t i = 0; i < kDelayCount; ++i) {
      if (pMsg->hwnd == m_delays[i].GetSafeHwnd()) CommitDelay(i);
    }
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void CFiveToneDlg::CommitDelay(std::size_t i) {
  CCommitEdit& edit = m_delays[i];
  if (!edit.GetCommitted()) return;  // passed through, or put back with Esc
  edit.SetCommitted(0);
  const Binding& b = Delays()[i];
  // The typed text, kept within its limits; only a changed value marks the data modified.
  const std::optional<std::uint32_t> code = b.number->parse(edit.GetWindowText());
  if (code && *code != b.field.Get(M())) {
    b.field.Set(M(), 0, *code);
    g_bModified = 1;
  }
  // Shown as stored, selected: the next character starts the next value.
  edit.SetWindowText(PageText(kBindings, b));
  edit.SetSel(0, -1);
}

void CFiveToneDlg::OnBindingSelChange(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), CBN_SELCHANGE); }
void CFiveToneDlg::OnBindingClicked(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), BN_CLICKED); }
void CFiveToneDlg::OnBindingKillFocus(UINT nID) {
  // A delay that loses the focus as a cancelled dialog goes stores nothing.
  if (m_bCancelled) return;
  for (std::size_t i = 0; i < kDelayCount; ++i) {
    if (Delays()[i].id == static_cast<int>(nID)) return CommitDelay(i);
  }
  m_set.HandleCommand(static_cast<int>(nID), EN_KILLFOCUS);
}
void CFiveToneDlg::OnBindingSetFocus(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), EN_SETFOCUS); }

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
  m_bCancelled = true;
  M().fiveToneSystem.UnpackFromImage(RadioImage());
  g_bModified = m_modifiedAtOpen;
  EndDialog(IDCANCEL);
}

LRESULT CFiveToneDlg::OnHelpInfo(WPARAM, LPARAM) { return ShowFiveToneHelp(this); }
