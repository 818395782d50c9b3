#include "link/dialogs/clone_dlg.h"

#include <cstdio>

#include "link/read_radio.h"
#include "link/send_radio.h"

BYTE g_bTransferDone = 0;

namespace {

constexpr UINT_PTR kTransferTimer = 1;
constexpr UINT kTransferDelayMs = 100;
constexpr int kSerialDigits = 4;

}  // namespace

BEGIN_MESSAGE_MAP(CCloneDlg, CDialog)
  ON_WM_TIMER()
  ON_BN_CLICKED(IDC_LINK_START, OnStart)
  ON_BN_CLICKED(IDC_CLONE_ONE_BLOCK, OnOneBlock)
  ON_WM_SHOWWINDOW()
  ON_BN_CLICKED(IDC_LINK_OK, OnOkButton)
  ON_BN_CLICKED(IDC_CLONE_NEXT_RADIO, OnNextRadio)
  ON_BN_CLICKED(IDC_LINK_CONTINUE, OnContinue)
END_MESSAGE_MAP()

CCloneDlg::CCloneDlg(CEditModel& model, const TransferSettings& settings, CWnd* pParent)
    : CDialog(IDD, pParent), m_model(model), m_settings(settings), m_pPort(&TheComPort()), m_ui(*this, m_progress) {
  RegisterLinkDialogTemplates();
  m_ui.SetSerialPrompt([this](const std::string& initial) { return AskSerialNumber(initial); });
  // A close during the serial prompt ends the prompt as Continue; the send goes on.
  m_ui.SetClosing([this] { return m_bCloseRequested; }, false);
}

CCloneDlg::~CCloneDlg() { m_pPort->ClosePort(); }

void CCloneDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LINK_SERIAL, m_editSerial);
  DDX_Control(pDX, IDC_LINK_PROGRESS, m_progress);
}

BOOL CCloneDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_nMode == kModeRead) {
    SetDlgItemText(IDC_LINK_HEADING, "R e a d   f r o m   R a d i o");
  } else {
    SetDlgItemText(IDC_LINK_HEADING, "S e n d    t o    R a d i o");
    if (m_settings.romEditorTransfer) GetDlgItem(IDC_CLONE_ONE_BLOCK)->ShowWindow(SW_SHOW);
  }
  GotoDlgCtrl(GetDlgItem(IDC_LINK_START));
  return FALSE;  // the focus is set
}

BOOL CCloneDlg::PreTranslateMessage(MSG* pMsg) {
  // Enter and Esc do nothing here; during a transfer the Esc check takes Esc first.
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return TRUE;
  return CDialog::PreTranslateMessage(pMsg);
}

void CCloneDlg::OnCancel() {
  m_bCloseRequested = true;
  CDialog::OnCancel();
}

void CCloneDlg::OnShowWindow(BOOL bShow, UINT nStatus) {
  CDialog::OnShowWindow(bShow, nStatus);
  char range[32];
  std::snprintf(range, sizeof range, "H(0-%.2xH)", unsigned(m_settings.blockCount - 1));
  SetDlgItemText(IDC_CLONE_BLOCK_RANGE, range);
}

void CCloneDlg::OnStart() {
  ::MessageBeep(0);
  for (int id : {IDC_LINK_START, int(IDCANCEL), IDC_CLONE_ONE_BLOCK, IDC_CLONE_BLOCK_NUMBER, IDC_CLONE_BLOCK_RANGE})
    GetDlgItem(id)->ShowWindow(SW_HIDE);
  SetTimer(kTransferTimer, kTransferDelayMs);
}

void CCloneDlg::OnOneBlock() {
  ::MessageBeep(0);
  const bool on = SendDlgItemMessage(IDC_CLONE_ONE_BLOCK, BM_GETCHECK) == BST_CHECKED;
  GetDlgItem(IDC_CLONE_BLOCK_NUMBER)->ShowWindow(on ? SW_SHOW : SW_HIDE);
  GetDlgItem(IDC_CLONE_BLOCK_RANGE)->ShowWindow(on ? SW_SHOW : SW_HIDE);
  if (on) GotoDlgCtrl(GetDlgItem(IDC_CLONE_BLOCK_NUMBER));
  m_bOneBlock = on ? 1 : 0;
}

int CCloneDlg::RunTransfer() {
  if (m_nMode == kModeRead) return ReadFromRadio(*m_pPort, m_ui, m_settings, m_model);
  SendOptions options;
  if (m_bOneBlock) options.oneBlock = GetDlgItemText(IDC_CLONE_BLOCK_NUMBER);
  return SendToRadio(*m_pPort, m_ui, m_settings, m_model, options);
}

void CCloneDlg::OnTimer(UINT_PTR nIDEvent) {
  KillTimer(kTransferTimer);
  const int result = m_ui.RunTransfer([this] { return RunTransfer(); });
  if (result == kTransferDone) {
    CWnd* ok = GetDlgItem(IDC_LINK_OK);
    if (m_nMode == kModeRead) {
      SetDlgItemText(IDC_LINK_LINE1, "Upload is completed");
    } else {
      SetDlgItemText(IDC_LINK_LINE1, "Download is completed");
      char esn[32];
      std::snprintf(esn, sizeof esn, "ESN %u", unsigned(m_model.identity.Esn()));
      SetDlgItemText(IDC_CLONE_ESN, esn);
    }
    ok->ShowWindow(SW_SHOW);
    GotoDlgCtrl(ok);
    g_bTransferDone = 1;
    if (m_settings.modeS && m_nMode != kModeRead) {
      CWnd* next = GetDlgItem(IDC_CLONE_NEXT_RADIO);
      next->ShowWindow(SW_SHOW);
      GotoDlgCtrl(next);
    }
    if (m_nMode == kModeRead) GotoDlgCtrl(ok);
  } else if (result == kTransferFailed) {
    m_ui.ShowFailureBox();  // a reason on the lines is read before they go
    EndDialog(0);
  }
  // Aborted: the close the Esc check posted ends the dialog.
  CDialog::OnTimer(nIDEvent);
}

void CCloneDlg::OnOkButton() {
  ::MessageBeep(0);
  EndDialog(0);
}

void CCloneDlg::OnNextRadio() {
  SetDlgItemText(IDC_LINK_LINE1, "");
  SetDlgItemText(IDC_LINK_BLOCK, "");
  GetDlgItem(IDC_LINK_OK)->ShowWindow(SW_HIDE);
  GetDlgItem(IDC_CLONE_NEXT_RADIO)->ShowWindow(SW_HIDE);
  m_pPort->CloseHandle();
  GetDlgItem(IDC_LINK_START)->ShowWindow(SW_SHOW);
  GetDlgItem(IDCANCEL)->ShowWindow(SW_SHOW);
  GotoDlgCtrl(GetDlgItem(IDC_LINK_START));
  m_progress.SetPos(0);
}

void CCloneDlg::OnContinue() {
  ::MessageBeep(0);
  g_bContinue = 1;
}

std::string CCloneDlg::AskSerialNumber(const std::string& initial) {
  m_editSerial.SetFilterMode(7);  // digits: the count-up reads them as a number
  m_editSerial.LimitText(kSerialDigits);
  m_ui.ShowEscHint(false);  // Esc does not end this prompt
  RunSerialPrompt(*this, m_editSerial, initial, [this] { return m_bCloseRequested; });
  m_ui.ShowEscHint(true);
  // Only digits are handed on, whatever reached the edit by other ways than typing.
  std::string digits;
  for (char c : m_editSerial.GetWindowText())
    if (c >= '0' && c <= '9') digits += c;
  return digits;
}
