#include "shell/help_about.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <filesystem>
#include <map>

#include "shell/dialogs/help_dlg.h"
#include "shell/main_dlg.h"

namespace {

std::string& HelpPath() {
  static std::string path;
  return path;
}

// The topic map: context ids that share a topic of the help file.
const std::map<DWORD, DWORD>& TopicMap() {
  static const std::map<DWORD, DWORD> map = [] {
    std::map<DWORD, DWORD> m;
    m[1035] = 10600;
    for (DWORD id = 1045; id <= 1055; ++id) {
      if (id != 1049) m[id] = 10440;
    }
    return m;
  }();
  return map;
}

std::string HelpFileMessage(const char* what, const std::string& path) {
  return std::string(what) + "\n\n   File Path [ " + path + " ]";
}

// Runs the desktop's opener on the help file without waiting for it: its exit
// status comes through the event loop, and the person is told, while the window
// that asked is still there, when there is no opener or it did not succeed
// (no program on the desktop handles the file). The process belongs to the
// application, so it outlives the request and goes, at the latest, with it.
// The topic goes as the address's fragment: a browser shows the part of the
// file that carries it as its id, else the file's top.
void OpenWithDesktop(const std::string& path, DWORD topic, QWidget* window) {
  const std::string failed = NoHelpProgramText(path);
  const QString opener = QStandardPaths::findExecutable(kHelpOpenerProgram);
  if (opener.isEmpty()) {
    AfxMessageBox(failed, MB_OK);
    return;
  }
  auto* process = new QProcess(QCoreApplication::instance());
  auto done = [process, asker = QPointer<QWidget>(window), failed](bool succeeded) {
    process->deleteLater();
    if (!succeeded && asker) AfxMessageBox(failed, MB_OK);
  };
  QObject::connect(process, &QProcess::finished, process, [done](int code, QProcess::ExitStatus status) {
    done(status == QProcess::NormalExit && code == 0);
  });
  // A process that never started reports no finish.
  QObject::connect(process, &QProcess::errorOccurred, process, [done](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) done(false);
  });
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
  url.setFragment(QString::number(topic));
  process->start(opener, {url.toString(QUrl::FullyEncoded)});
}

}  // namespace

std::string GetHelpFilePath() {
  if (!HelpPath().empty()) return HelpPath();
  const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString(".");
  return (dir + "/" + kHelpFileName).toStdString();
}

void SetHelpFilePath(const std::string& path) { HelpPath() = path; }

DWORD HelpTopicOf(DWORD contextId) {
  const auto it = TopicMap().find(contextId);
  return it == TopicMap().end() ? contextId : it->second;
}

std::string MissingHelpFileText(const std::string& path) { return HelpFileMessage("Not Exist Html Help File", path); }

std::string NoHelpProgramText(const std::string& path) {
  return HelpFileMessage("No program to show the help file was found", path);
}

void CMainDlg::WinHelp(DWORD_PTR dwData, UINT) {
  CWaitCursor wait;
  SendMessage(WM_CANCELMODE);
  const std::string path = GetHelpFilePath();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    AfxMessageBox(MissingHelpFileText(path), MB_OK);
    return;
  }
  OpenWithDesktop(path, HelpTopicOf(static_cast<DWORD>(dwData)), GetSafeHwnd());
}

void CMainDlg::OnHelpTopics() { WinHelp(ID_FILE_OPEN_X, HELP_CONTEXT); }

void CMainDlg::OnGetStarted() {
  CHelpDlg dlg(this);
  GetPromptService().RunDialog(dlg);
}

void CMainDlg::OnAbout() {
  CAboutDlg dlg(this);
  GetPromptService().RunDialog(dlg);
}

LRESULT CMainDlg::OnHelpInfo(WPARAM, LPARAM lParam) {
  const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
  const int id = info ? info->iCtrlId : 0;
  if (id == 9 || id < 1) {
    OnHelpTopics();
  } else {
    WinHelp(static_cast<DWORD_PTR>(id), HELP_CONTEXT);
  }
  return TRUE;
}

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD, pParent) { RegisterMainDialogResources(); }

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  QFont font = GetFont();
  font.setBold(true);
  font.setPointSizeF(15.0);
  if (CWnd* title = GetDlgItem(IDC_ABOUT_TITLE)) {
    title->SetWindowText(title->GetWindowText() + "Version 1.04");
    title->SetFont(font);
  }
  font.setPointSizeF(11.0);
  if (CWnd* subtitle = GetDlgItem(IDC_ABOUT_SUBTITLE)) subtitle->SetFont(font);
  return TRUE;
}
