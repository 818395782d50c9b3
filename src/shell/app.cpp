#include "shell/app.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "shell/main_dlg.h"

CInstanceLock::CInstanceLock(std::string name) : m_name(std::move(name)) {}

CInstanceLock::~CInstanceLock() {
  if (m_fd >= 0) close(m_fd);
}

std::filesystem::path CInstanceLock::Folder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return runtime;
  std::error_code ec;
  const auto temp = std::filesystem::temp_directory_path(ec);
  return ec ? std::filesystem::path("/tmp") : temp;
}

std::filesystem::path CInstanceLock::Path() const {
  // Outside the per-user runtime folder the name carries the user, so that
  // two people on one machine do not shut each other out.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return Folder() / (m_name + ".lock");
  return Folder() / (m_name + "." + std::to_string(getuid()) + ".lock");
}

bool CInstanceLock::Acquire() {
  if (m_fd >= 0) return true;
  const int fd = open(Path().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  m_fd = fd;
  return true;
}

BOOL CMainApp::InitInstance() {
  if (!m_lock.Acquire()) {
    m_bSecondInstance = true;
    return FALSE;
  }
  CMainDlg dlg(m_commandLine);
  dlg.DoModal();
  return FALSE;
}

namespace {

int g_closePipe[2] = {-1, -1};
// A close request is waiting for the modal windows in its way to go.
bool g_bClosePending = false;

void OnTerminateSignal(int) {
  const char byte = 1;
  // Nothing can be done here when the pipe is full: a request is already waiting.
  [[maybe_unused]] const ssize_t n = write(g_closePipe[1], &byte, 1);
}

// Answers each open message box as Cancel would (OK where that is its only
// button), cancels each modal dialog of the program as its Cancel button does,
// and each file or print dialog, so that nothing waits for a person.
void CancelOpenPrompts() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
      QAbstractButton* answer = box->button(QMessageBox::Cancel);
      if (!answer && box->buttons().size() == 1) answer = box->buttons().front();
      if (!answer) answer = box->button(QMessageBox::No);
      if (answer) {
        answer->click();
      } else {
        box->reject();
      }
    } else if (auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(window))) {
      // Posted: a transfer that holds the messages finishes its step first.
      if (dialog != g_pMainDlg && window->isModal()) dialog->PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    } else if (auto* system = qobject_cast<QDialog*>(window)) {
      system->reject();  // the system's file and print dialogs
    }
  }
}

// Another window holds the person: the main window cannot end before its modal
// loop has.
bool ModalWindowOpen() {
  const QWidget* modal = QApplication::activeModalWidget();
  return modal && !(g_pMainDlg && modal == g_pMainDlg->GetSafeHwnd());
}

void PostCloseWhenFree() {
  if (ModalWindowOpen()) {
    QTimer::singleShot(20, PostCloseWhenFree);
    return;
  }
  g_bClosePending = false;
  if (g_pMainDlg && g_pMainDlg->GetSafeHwnd()) g_pMainDlg->PostMessage(WM_CLOSE);
}

// The close box's request, once the prompts and dialogs in its way are
// cancelled. Closing still asks about unsaved changes, and nothing is saved
// without that answer; while that question is open, a request changes nothing.
void RequestClose() {
  if (g_pMainDlg && g_pMainDlg->IsAskingToSave()) return;
  CancelOpenPrompts();
  if (g_bClosePending) return;
  g_bClosePending = true;
  PostCloseWhenFree();
}

}  // namespace

void InstallCloseRequests() {
  if (g_closePipe[0] < 0 && socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_closePipe) == 0) {
    auto* notifier = new QSocketNotifier(g_closePipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
      char buffer[16];
      while (read(g_closePipe[0], buffer, sizeof buffer) > 0) {
      }
      RequestClose();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminateSignal;
    // Every signal is a close request: none ends the program behind the save question.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
  }
  const char* after = std::getenv("PX417_CLOSE_AFTER_MS");
  if (after && *after) {
    char* end = nullptr;
    const long ms = std::strtol(after, &end, 10);
    if (end && *end == '\0' && ms >= 0) {
      QTimer::singleShot(static_cast<int>(ms), [] {
        if (g_pMainDlg && g_pMainDlg->GetSafeHwnd()) {
          std::printf("%s\n%s\n", g_pMainDlg->GetWindowText().c_str(), g_pMainDlg->GetFileLabel().c_str());
          std::fflush(stdout);
        }
        RequestClose();
      });
    }
  }
}
