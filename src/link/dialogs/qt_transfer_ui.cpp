#include "link/dialogs/qt_transfer_ui.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

#include "res/dialogs_link.h"

BYTE g_bContinue = 0;

namespace {

constexpr const char* kEscCancels = "Esc cancels";

// The text without the blanks around it (some message lines carry them).
std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Takes the Enter key-down that ends a serial-number prompt.
class EnterWatcher : public QObject {
 public:
  explicit EnterWatcher(bool* enter) : enter_(enter) {}

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    *enter_ = true;
    return true;
  }

 private:
  bool* enter_;
};

}  // namespace

void RunContinueLoop(const std::function<bool()>& closing) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  // The layer's filter goes in first, so the watcher sees the key before it.
  AfxInitWindowLayer();
  bool enter = false;
  EnterWatcher watcher(&enter);
  app->installEventFilter(&watcher);
  while (!enter && !g_bContinue && !(closing && closing()))
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  app->removeEventFilter(&watcher);
}

void RunSerialPrompt(CDialog& dialog, CWnd& edit, const std::string& initial, const std::function<bool()>& closing) {
  edit.SetWindowText(initial);
  edit.ShowWindow(SW_SHOW);
  CWnd* proceed = dialog.GetDlgItem(IDC_LINK_CONTINUE);
  proceed->ShowWindow(SW_SHOW);
  g_bContinue = 0;
  dialog.GotoDlgCtrl(proceed);
  RunContinueLoop(closing);
  edit.ShowWindow(SW_HIDE);
  proceed->ShowWindow(SW_HIDE);
}

CQtTransferUi::CQtTransferUi(CDialog& dialog, CProgressCtrl& progress) : m_dialog(dialog), m_progress(progress) {}

CQtTransferUi::~CQtTransferUi() = default;

int CQtTransferUi::RunTransfer(const std::function<int()>& transfer) {
  m_failureOnLines = false;
  m_lastLook = {};
  ShowEscHint(true);
  m_filter = std::make_unique<CTransferInputFilter>(&m_dialog);
  const int result = transfer();
  m_filter.reset();  // input that came after the last check is dropped too
  ShowEscHint(false);
  return result;
}

void CQtTransferUi::ShowEscHint(bool show) {
  CWnd* status = m_dialog.GetDlgItem(IDC_LINK_STATUS);
  if (!status) return;
  status->SetWindowText(show ? kEscCancels : "");
  status->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CQtTransferUi::ShowFailureBox() {
  if (!m_failureOnLines) return;
  m_failureOnLines = false;
  std::string text = Trimmed(m_dialog.GetDlgItemText(IDC_LINK_LINE1));
  const std::string second = Trimmed(m_dialog.GetDlgItemText(IDC_LINK_LINE2));
  if (!second.empty()) text += (text.empty() ? "" : "\n") + second;
  if (!text.empty()) MessageBox(text, std::string());
}

int CQtTransferUi::CheckUserAbort() {
  if (m_abortWhenClosed && m_closing && m_closing()) return 1;
  if (!m_filter) return 0;
  // A look at the window's events (paint, Esc) costs the idle line up to a
  // millisecond on a real display, and a transfer checks before every
  // request: one look in kLookInterval keeps the dialog current and Esc
  // prompt while the line stays busy. Esc pressed in between waits there.
  const auto now = std::chrono::steady_clock::now();
  if (now - m_lastLook < kLookInterval) return 0;
  m_lastLook = now;
  return m_filter->CheckUserAbort();
}

void CQtTransferUi::MessageBox(const std::string& text, const std::string& caption) {
  GetPromptService().MessageBox(&m_dialog, text, caption.empty() ? AfxGetAppName() : caption, MB_OK);
}

void CQtTransferUi::SetMessageLine1(const std::string& text) { m_dialog.SetDlgItemText(IDC_LINK_LINE1, text); }

void CQtTransferUi::SetMessageLine2(const std::string& text) { m_dialog.SetDlgItemText(IDC_LINK_LINE2, text); }

void CQtTransferUi::SetBlockLine(const std::string& text) { m_dialog.SetDlgItemText(IDC_LINK_BLOCK, text); }

void CQtTransferUi::SetProgressRange(int low, int high) {
  if (m_progress.GetSafeHwnd()) m_progress.SetRange32(low, high);
}

void CQtTransferUi::SetProgressPos(int pos) {
  if (m_progress.GetSafeHwnd()) m_progress.SetPos(pos);
}

void CQtTransferUi::MessageBeep() { ::MessageBeep(0); }

std::optional<std::string> CQtTransferUi::AskRadioPassword() {
  if (!m_passwordPrompt) return std::nullopt;
  return m_passwordPrompt();
}

std::string CQtTransferUi::AskSerialNumber(const std::string& initial) {
  return m_serialPrompt ? m_serialPrompt(initial) : initial;
}
