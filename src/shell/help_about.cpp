#include "shell/help_about.h"

#include <QCoreApplication>
#include <QDesktopServices>
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

HelpOpener& Opener() {
  static HelpOpener opener;
  return opener;
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

}  // namespace

std::string GetHelpFilePath() {
  if (!HelpPath().empty()) return HelpPath();
  const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString(".");
  return (dir + "/" + kHelpFileName).toStdString();
}

void SetHelpFilePath(const std::string& path) { HelpPath() = path; }
void SetHelpOpener(HelpOpener opener) { Opener() = std::move(opener); }

DWORD HelpTopicOf(DWORD contextId) {
  const auto it = TopicMap().find(contextId);
  return it == TopicMap().end() ? contextId : it->second;
}

namespace {
std::string HelpFileMessage(const char* what, const std::string& path) {
  return std::string(what) + "\n\n   File Path [ " + path + " ]";
}
}  // namespace

std::string MissingHelpFileText(const std::string& path) { return HelpFileMessage("Not Exist Html Help File", path); }

std::string UnopenedHelpFileText(const std::string& path) { return HelpFileMessage("Can't Open Html Help File", path); }

void CMainDlg::WinHelp(DWORD_PTR dwData, UINT) {
  CWaitCursor wait;
  SendMessage(WM_CANCELMODE);
  const std::string path = GetHelpFilePath();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    AfxMessageBox(MissingHelpFileText(path), MB_OK);
    return;
  }
  const DWORD topic = HelpTopicOf(static_cast<DWORD>(dwData));
  // The desktop opens the file itself; a topic cannot be handed to it.
  const bool opened = Opener() ? Opener()(path, topic)
                               : QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  if (!opened) AfxMessageBox(UnopenedHelpFileText(path), MB_OK);
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
