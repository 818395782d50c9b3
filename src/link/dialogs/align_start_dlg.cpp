#include "link/dialogs/align_start_dlg.h"

// ---- the welcome dialog ----

BEGIN_MESSAGE_MAP(CAlignWelcomeDlg, CDialog)
  ON_BN_CLICKED(IDC_ALIGN_START, OnStart)
END_MESSAGE_MAP()

CAlignWelcomeDlg::CAlignWelcomeDlg(std::string text, CWnd* pParent)
    : CDialog(IDD, pParent), m_text(std::move(text)) {
  RegisterAlignDialogTemplates();
}

BOOL CAlignWelcomeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // The channel table lines up under its headings only in a fixed-pitch font.
  if (CWnd* text = GetDlgItem(IDC_ALIGN_HEADING)) {
    if (!m_tableFont.GetSafeHandle()) m_tableFont.CreatePointFont(80, "Courier New");
    text->SetFont(m_tableFont.GetQFont());
  }
  CWnd::SetDlgItemText(IDC_ALIGN_HEADING, m_text);
  if (CWnd* start = GetDlgItem(IDC_ALIGN_START)) start->ShowWindow(SW_SHOW);
  if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->ShowWindow(SW_SHOW);
  return TRUE;
}

void CAlignWelcomeDlg::OnStart() { CDialog::EndDialog(0); }

// ---- the entry dialog ----

BEGIN_MESSAGE_MAP(CAlignStartDlg, CDialog)
  ON_WM_TIMER()
  ON_BN_CLICKED(IDC_ALIGN_OK, OnOkButton)
END_MESSAGE_MAP()

CAlignStartDlg::CAlignStartDlg(CComPort& port, AlignRunState& run, int comIndex, PasswordPrompt askPassword,
                               CWnd* pParent)
    : CDialog(IDD, pParent), m_run(run), m_askPassword(std::move(askPassword)), m_start(port, run, *this, comIndex) {
  RegisterAlignDialogTemplates();
}

CAlignStartDlg::~CAlignStartDlg() = default;

void CAlignStartDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ALIGN_PROGRESS, m_progress);
}

BOOL CAlignStartDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ShowDlgItem(IDC_ALIGN_START, false);
  ShowDlgItem(IDCANCEL, false);
  SetTimer(kStartTimer, kStartDelayMs);
  // The image was filled with 0xFF when the run's start was made.
  return TRUE;
}

void CAlignStartDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kStartTimer) return;
  KillTimer(kStartTimer);
  int status = kAlignDone;
  {
    CTransferInputFilter filter(this);
    m_filter = &filter;
    status = m_start.EnterAlignmentMode();
    m_filter = nullptr;
  }
  m_lastStatus = status;
  if (status != kAlignDone) PostMessage(WM_CLOSE);
}

void CAlignStartDlg::OnOkButton() {
  // Enter reaches the default button even while it is hidden: only a finished
  // upload may lead to the alignment window.
  if (!GetDlgItem(IDC_ALIGN_OK) || !GetDlgItem(IDC_ALIGN_OK)->IsWindowVisible()) return;
  ::MessageBeep(0);
  CDialog::EndDialog(0);
}

void CAlignStartDlg::OnCancel() {
  m_run.continueFlag = 0;
  CDialog::OnCancel();
}

int CAlignStartDlg::CheckUserAbort() { return m_filter ? m_filter->CheckUserAbort() : 0; }

void CAlignStartDlg::MessageBox(const std::string& text, const std::string& caption) {
  CWnd::MessageBox(text, caption.empty() ? nullptr : caption.c_str(), MB_OK);
}

namespace {

// Draws a control at once: the upload holds the thread between its steps, so a
// change waiting for the event loop would show only when the upload is over.
void DrawNow(CWnd* control) {
  if (control) control->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace

void CAlignStartDlg::SetLineText(AlignLine line, const std::string& text) {
  static constexpr int kIds[] = {IDC_ALIGN_HEADING, IDC_ALIGN_LINE1, IDC_ALIGN_LINE2, IDC_ALIGN_LINE3};
  const int id = kIds[static_cast<int>(line)];
  CWnd::SetDlgItemText(id, text);
  DrawNow(GetDlgItem(id));
}

void CAlignStartDlg::ShowDlgItem(int id, bool show) {
  if (CWnd* w = GetDlgItem(id)) w->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CAlignStartDlg::ShowOk(bool show) { ShowDlgItem(IDC_ALIGN_OK, show); }

void CAlignStartDlg::FocusOk() {
  if (CWnd* w = GetDlgItem(IDC_ALIGN_OK)) GotoDlgCtrl(w);
}

void CAlignStartDlg::SetProgressRange(int low, int high) {
  if (m_progress.GetSafeHwnd()) m_progress.SetRange32(low, high);
}

void CAlignStartDlg::SetProgressPos(int pos) {
  if (!m_progress.GetSafeHwnd()) return;
  m_progress.SetPos(pos);
  DrawNow(&m_progress);
}

void CAlignStartDlg::MessageBeep() { ::MessageBeep(0); }

void CAlignStartDlg::EndDialog(int result) {
  // Ending without the alignment window is the Cancel path: the run stops.
  if (result == IDCANCEL) m_run.continueFlag = 0;
  CDialog::EndDialog(result);
}

std::optional<std::string> CAlignStartDlg::AskRadioPassword() {
  if (!m_askPassword) return std::nullopt;
  return m_askPassword(this);
}

bool CAlignStartDlg::RunWelcomeDialog(const std::string& text) {
  CAlignWelcomeDlg welcome(text, this);
  const INT_PTR result = GetPromptService().RunDialog(welcome);
  if (result != 0) {
    m_run.continueFlag = 0;  // the welcome dialog's Cancel is the entry dialog's
    return false;
  }
  return true;
}
