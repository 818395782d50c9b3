#include "link/dialogs/recover_dlg.h"

#include "link/adjust_recover.h"
#include "ui/messages.h"

namespace {

constexpr UINT_PTR kTransferTimer = 1;
constexpr UINT kTransferDelayMs = 100;
constexpr int kSerialLength = 8;

// The recover dialog's progress bar and block line stay hidden until blocks
// are written.
class CRecoverUi : public CQtTransferUi {
 public:
  using CQtTransferUi::CQtTransferUi;
  void SetBlockLine(const std::string& text) override {
    if (text.rfind("Send block", 0) == 0) {
      m_progress.ShowWindow(SW_SHOW);
      m_dialog.GetDlgItem(IDC_LINK_BLOCK)->ShowWindow(SW_SHOW);
    }
    CQtTransferUi::SetBlockLine(text);
  }
};

}  // namespace

BEGIN_MESSAGE_MAP(CRecoverDlg, CDialog)
  ON_WM_TIMER()
  ON_BN_CLICKED(IDC_LINK_START, OnStart)
  ON_BN_CLICKED(IDC_LINK_OK, OnOkButton)
  ON_BN_CLICKED(IDC_LINK_CONTINUE, OnContinue)
  ON_MESSAGE(WM_SERIALEDIT_CHANGE, OnSerialEditNotify)
END_MESSAGE_MAP()

CRecoverDlg::CRecoverDlg(CEditModel& model, const TransferSettings& settings, CWnd* pParent)
    : CDialog(IDD, pParent),
      m_model(model),
      m_settings(settings),
      m_pPort(&TheComPort()),
      m_ui(std::make_unique<CRecoverUi>(*this, m_progress)) {
  RegisterLinkDialogTemplates();
  m_ui->SetSerialPrompt([this](const std::string& initial) { return AskSerialNumber(initial); });
  // A close during the serial prompt ends the repair as Esc does.
  m_ui->SetClosing([this] { return m_bCloseRequested; }, true);
}

CRecoverDlg::~CRecoverDlg() { m_pPort->ClosePort(); }

void CRecoverDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LINK_SERIAL, m_editSerial);
  DDX_Control(pDX, IDC_LINK_PROGRESS, m_progress);
}

BOOL CRecoverDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_LINK_HEADING, "R e c o v e r");
  GotoDlgCtrl(GetDlgItem(IDC_LINK_START));
  m_progress.ShowWindow(SW_HIDE);
  GetDlgItem(IDC_LINK_BLOCK)->ShowWindow(SW_HIDE);
  return FALSE;  // the focus is set
}

void CRecoverDlg::OnCancel() {
  m_bCloseRequested = true;
  CDialog::OnCancel();
}

void CRecoverDlg::OnStart() {
  ::MessageBeep(0);
  GetDlgItem(IDC_LINK_START)->ShowWindow(SW_HIDE);
  GetDlgItem(IDCANCEL)->ShowWindow(SW_HIDE);
  SetTimer(kTransferTimer, kTransferDelayMs);
}

void CRecoverDlg::OnTimer(UINT_PTR nIDEvent) {
  KillTimer(kTransferTimer);
  RecoverOptions options;
  options.chooseDataFile = [this] { return ChooseDataFile(); };
  const int result =
      m_ui->RunTransfer([&] { return RecoverAdjustment(*m_pPort, *m_ui, m_settings, m_model, options); });
  if (result == kTransferDone) {
    SetDlgItemText(IDC_LINK_LINE1, kRecoverCompleted);
    CWnd* ok = GetDlgItem(IDC_LINK_OK);
    ok->ShowWindow(SW_SHOW);
    GotoDlgCtrl(ok);
  } else if (result == kTransferFailed) {
    m_ui->ShowFailureBox();  // a reason on the lines is read before they go
    EndDialog(0);
  }
  // Aborted: the dialog closes (Esc, or it was closed during the serial prompt).
  CDialog::OnTimer(nIDEvent);
}

void CRecoverDlg::OnOkButton() {
  ::MessageBeep(0);
  EndDialog(0);
}

void CRecoverDlg::OnContinue() {
  ::MessageBeep(0);
  g_bContinue = 1;
}

LRESULT CRecoverDlg::OnSerialEditNotify(WPARAM wParam, LPARAM) {
  const int id = static_cast<int>(wParam) ? static_cast<int>(wParam) : IDC_LINK_SERIAL;
  const std::string typed = GetDlgItemText(id);
  std::string text = typed;
  if (!SerialEditChange(text, g_serialNumberBuffer) && text != typed) {
    // The last keystroke is undone; the caret goes to the end.
    m_editSerial.SetWindowText(text);
    m_editSerial.SetSel(static_cast<int>(text.size()), static_cast<int>(text.size()));
  }
  return 0;
}

std::string CRecoverDlg::AskSerialNumber(const std::string& initial) {
  if (!m_bSerialEditSetUp) {
    m_editSerial.SetEditParams(m_hWnd, kSerialLength);
    for (char c : {' ', '+', '-'}) m_editSerial.AddRefusedChar(c);
    m_bSerialEditSetUp = true;
  }
  RunSerialPrompt(*this, m_editSerial, initial, [this] { return m_bCloseRequested; });
  return m_editSerial.GetWindowText();
}

std::optional<std::string> CRecoverDlg::ChooseDataFile() {
  FileDialogRequest request;
  request.title = kRecoverFileTitle;
  request.filter = std::string(kRecoverFileFilter) + "|" + kRecoverFilePattern + "||";
  request.initialDir = kRecoverFileFolder;
  request.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  return GetPromptService().GetOpenFileName(this, request);
}
