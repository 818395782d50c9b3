#include "shell/help_about.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <filesystem>
#include <map>

#include "link/dialogs/clone_dlg.h"
#include "res/dialogs_align.h"
#include "res/dialogs_five_tone.h"
#include "res/dialogs_link.h"
#include "res/dialogs_rom_edit.h"
#include "res/dialogs_small.h"
#include "res/page_blank.h"
#include "res/page_channel_table.h"
#include "res/page_conv_groups.h"
#include "res/page_dtmf.h"
#include "res/page_five_tone.h"
#include "res/page_global1.h"
#include "res/page_global2.h"
#include "res/page_interconnect.h"
#include "res/page_key_assign.h"
#include "res/page_ltr_advanced.h"
#include "res/page_ltr_group.h"
#include "res/page_ltr_system.h"
#include "res/page_mobile_special.h"
#include "res/page_passport_features.h"
#include "res/page_passport_talk_groups.h"
#include "res/page_repeater.h"
#include "res/page_seed.h"
#include "res/page_sel_call.h"
#include "res/page_zone_overview.h"
#include "shell/dialogs/help_dlg.h"
#include "shell/main_dlg.h"

namespace {

std::string& HelpPath() {
  static std::string path;
  return path;
}

// The sections of the topics that have one, with the page a topic belongs to
// (0: none). Topic 10440 is Mobile Special's group switch table, whose
// positions #1 to #10 fold into it; 10600 is Global 2's emergency group, with
// the emergency lock-out 1035.
struct TopicSection {
  DWORD topic;
  UINT page;
  const char* section;
};
constexpr TopicSection kTopicSections[] = {
    {ID_FILE_OPEN_X, 0, kHelpContents},  // Help Topics
    {ID_HELP_TOPICS_ALT, 0, kHelpContents},
    {10440, IDD_MOBILE_SPECIAL, "mobile-special-switch"},
    {10600, IDD_GLOBAL2, "global2-emergency"},
};

// The section of every page and dialog.
const std::map<UINT, const char*>& TemplateSections() {
  static const std::map<UINT, const char*> sections = {
      {IDD_ABOUT, kHelpContents},
      {IDD_MAIN, "pages"},
      {IDD_HELP, kHelpContents},
      {IDD_CONFIG, "cable"},
      {IDD_PASSWORD, "passwords"},
      {IDD_RADIO_PASSWORD, "passwords"},
      {IDD_CLONE, "read"},  // a send's window: see HelpSectionOfDialog
      {IDD_RECOVER, "recover"},
      {IDD_ROM_EDIT, "memory-editor"},
      {IDD_ALIGN_START, "align"},
      {IDD_ALIGN_WELCOME, "align"},
      {IDD_ALIGN, "align"},
      {IDD_GLOBAL1, "global1"},
      {IDD_GLOBAL2, "global2"},
      {IDD_MOBILE_SPECIAL, "mobile-special"},
      {IDD_KEY_ASSIGN_PANEL, "keys"},
      {IDD_KEY_ASSIGN_SIDE, "keys"},
      {IDD_ZONE_OVERVIEW, "zone"},
      {IDD_PASSPORT_FEATURES, "zone-passport-features"},
      {IDD_PASSPORT_TALK_GROUPS, "zone-passport-talk-groups"},
      {IDD_REPEATERS, "zone-repeaters"},
      {IDD_LTR_SYSTEM, "zone-ltr-advanced"},
      {IDD_LTR_ADVANCED, "zone-ltr-advanced"},
      {IDD_INTERCONNECT, "zone-interconnect"},
      {IDD_SYSTEM_COPY, "zone"},
      {IDD_CONV_GROUP_BASIC, "groups-conventional"},
      {IDD_CONV_GROUP_ADVANCED, "groups-conventional"},
      {IDD_CHANNEL_TABLE, "groups-conventional"},
      {IDD_LTR_GROUP_BASIC, "groups-ltr"},
      {IDD_LTR_GROUP_ADVANCED, "groups-ltr"},
      {IDD_BLANK_PAGE, "pages"},
      {IDD_SEL_CALL, "sel-call"},
      {IDD_SEED, "seed"},
      {IDD_DTMF, "dtmf"},
      {IDD_FIVE_TONE_PAGE, "five-tone"},
      {IDD_FIVE_TONE_SYSTEM, "five-tone-common"},
      {IDD_FIVE_TONE_LISTS, "five-tone-encode"},
  };
  return sections;
}

const TopicSection* TopicSectionRow(DWORD topic) {
  for (const TopicSection& row : kTopicSections) {
    if (row.topic == topic) return &row;
  }
  return nullptr;
}

// The page or dialog a window is on: the nearest dialog with a template, up to
// the window's top-level window.
CDialog* HelpDialogOf(HWND window) {
  for (QWidget* w = window; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(w));
    if (dialog && dialog->GetTemplateID() != 0) return dialog;
  }
  return nullptr;
}

const char* HelpSectionOfDialog(const CDialog& dialog) {
  // One window runs both a read and a send.
  if (const auto* clone = dynamic_cast<const CCloneDlg*>(&dialog); clone && clone->GetMode() != CCloneDlg::kModeRead) {
    return "send";
  }
  return HelpSectionOfTemplate(dialog.GetTemplateID());
}

std::string HelpFileMessage(const char* what, const std::string& path) {
  return std::string(what) + "\n\n   File Path [ " + path + " ]";
}

// Runs the desktop's opener on the help file without waiting for it: its exit
// status comes through the event loop, and the person is told, while the window
// that asked is still there, when there is no opener or it did not succeed
// (no program on the desktop handles the file). The process belongs to the
// application, so it outlives the request and goes, at the latest, with it.
// The section goes as the address's fragment: a browser shows the part of the
// file that carries it as its id.
void OpenWithDesktop(const std::string& path, const std::string& section, QWidget* window) {
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
  url.setFragment(QString::fromStdString(section));
  process->start(opener, {url.toString(QUrl::FullyEncoded)});
}

void OpenHelpAt(CMainDlg& main, const std::string& section) {
  CWaitCursor wait;
  main.SendMessage(WM_CANCELMODE);
  const std::string path = GetHelpFilePath();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    AfxMessageBox(MissingHelpFileText(path), MB_OK);
    return;
  }
  OpenWithDesktop(path, section, main.GetSafeHwnd());
}

}  // namespace

std::string GetHelpFilePath() {
  if (!HelpPath().empty()) return HelpPath();
  const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString(".");
  return (dir + "/" + kHelpFileName).toStdString();
}

void SetHelpFilePath(const std::string& path) { HelpPath() = path; }

const std::map<DWORD, DWORD>& HelpTopicMap() {
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

DWORD HelpTopicOf(DWORD contextId) {
  const auto it = HelpTopicMap().find(contextId);
  return it == HelpTopicMap().end() ? contextId : it->second;
}

const char* HelpSectionOfTopic(DWORD topic) {
  const TopicSection* row = TopicSectionRow(topic);
  return row ? row->section : nullptr;
}

const char* HelpSectionOfTemplate(UINT templateId) {
  const auto it = TemplateSections().find(templateId);
  return it == TemplateSections().end() ? nullptr : it->second;
}

std::string HelpSectionFor(DWORD contextId, HWND asker) {
  const CDialog* dialog = HelpDialogOf(asker);
  const TopicSection* topic = TopicSectionRow(HelpTopicOf(contextId));
  if (topic && (topic->page == 0 || !dialog || dialog->GetTemplateID() == topic->page)) return topic->section;
  const char* section = dialog ? HelpSectionOfDialog(*dialog) : nullptr;
  return section ? section : kHelpContents;
}

std::string MissingHelpFileText(const std::string& path) { return HelpFileMessage("Not Exist Html Help File", path); }

std::string NoHelpProgramText(const std::string& path) {
  return HelpFileMessage("No program to show the help file was found", path);
}

// A request that names no window (a dialog's own help handler) was asked from
// the window that has the focus.
void CMainDlg::WinHelp(DWORD_PTR dwData, UINT) {
  const CWnd* focus = CWnd::GetFocus();
  OpenHelpAt(*this, HelpSectionFor(static_cast<DWORD>(dwData), focus ? focus->GetSafeHwnd() : nullptr));
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
    OpenHelpAt(*this, HelpSectionFor(static_cast<DWORD>(id), info->hItemHandle));
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
