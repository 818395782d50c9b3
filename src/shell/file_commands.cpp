#include "shell/file_commands.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "model/edit_model.h"
#include "shell/dialogs/config_dlg.h"
#include "shell/main_dlg.h"
#include "shell/program_config.h"
#include "ui/wnd/save_prompt.h"

FileDialogRequest OpenFileRequest() {
  FileDialogRequest r;
  r.title = "Select file";
  r.filter = "PX62 Files (*.X417)|*.X417||";
  r.initialDir = "Data";
  r.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  return r;
}

FileDialogRequest SaveFileRequest() {
  FileDialogRequest r;
  r.title = "Select save file";
  r.filter = "*.X417|*.X417||";
  r.initialDir = "Data";
  // A new file must be allowed here, so the file need not exist. An existing
  // one (the band's default files live in this folder) is replaced only after
  // the question of ChooseFileToSave. No default extension: the dialog would
  // append it after it asked about the name as typed.
  r.flags = OFN_HIDEREADONLY;
  return r;
}

bool HasX417Extension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string last = path.substr(path.size() - 4);
  for (char& c : last) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return last == "X417";
}

std::string WithDefaultExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  return path.find('.', nameStart) == std::string::npos ? path + ".X417" : path;
}

std::string ProblemOpeningFileText(const std::string& path) {
  return "Problem opening file\n    " + path + "\n\n   Press any key";
}

namespace {

IRadioLinkCommands* g_pRadioLink = nullptr;

// Puts the working folder back after a file dialog or a load may have moved it.
class CWorkingFolderGuard {
 public:
  CWorkingFolderGuard() {
    std::error_code ec;
    m_folder = std::filesystem::current_path(ec);
  }
  ~CWorkingFolderGuard() {
    std::error_code ec;
    if (!m_folder.empty()) std::filesystem::current_path(m_folder, ec);
  }
  std::string Folder() const { return m_folder.string(); }

 private:
  std::filesystem::path m_folder;
};

}  // namespace

void SetRadioLinkCommands(IRadioLinkCommands* commands) { g_pRadioLink = commands; }

void CMainDlg::OnOpenFile() {
  if (!QuerySaveChanges()) return;
  MessageBeep(0);
  CWorkingFolderGuard folder;
  const auto path = GetPromptService().GetOpenFileName(this, OpenFileRequest());
  if (!path) return;
  if (!HasX417Extension(*path)) {
    AfxMessageBox(ProblemOpeningFileText(*path));
    return;
  }
  MessageBeep(0);
  TheModel().LoadDataFile(*path, folder.Folder());
  LeavePage();
  EnterPage();
}

bool CMainDlg::SaveFile() {
  MessageBeep(0);
  CWorkingFolderGuard folder;
  const std::optional<std::string> chosen = ChooseFileToSave(this, SaveFileRequest(), WithDefaultExtension);
  if (!chosen) return false;
  const std::string& path = *chosen;
  MessageBeep(0);
  if (!HasX417Extension(path)) {
    AfxMessageBox(ProblemOpeningFileText(path));
    return false;
  }
  return TheModel().SaveDataFile(path);
}

namespace {

void LinkNotAvailable() {
  MessageBeep(0);
  AfxMessageBox(kLinkNotAvailable);
}

// Runs a radio command on the link's dialogs; without them, says so.
template <class Command>
void OnRadioLink(Command&& command) {
  if (g_pRadioLink) {
    command(*g_pRadioLink);
  } else {
    LinkNotAvailable();
  }
}

}  // namespace

void CMainDlg::OnReadFromRadio() {
  TheProgramConfig().SetRomEditorTransfer(false);
  if (!g_pRadioLink) {
    LinkNotAvailable();
    return;
  }
  // The read replaces the data in hand: unsaved changes are offered for saving first.
  if (!QuerySaveChanges()) return;
  const bool done = g_pRadioLink->ReadFromRadio(this);
  // The data no longer comes from a file.
  if (done) SetFileLabel("");
  ShowReplacedData(done);
}

// The current page is not entered again before the tabs are rebuilt: on the
// Zone tab that would make the sub-page of the data before over the new data.
void CMainDlg::ShowReplacedData(bool newData) {
  ShowSerialAndEsn();
  ShowModelName(0);
  BuildTabs(newData);
}

void CMainDlg::OnSendToRadio() {
  TheProgramConfig().SetRomEditorTransfer(false);
  CEditModel& model = TheModel();
  if (model.global.bandFlag == 0) {
    // VHF radios take the frequency table of the working folder's table file.
    std::error_code ec;
    const auto path = std::filesystem::current_path(ec) / kDfaFileName;
    if (!model.dfa.LoadFromFile(path.string())) {
      ShowSerialAndEsn();
      return;
    }
  }
  OnRadioLink([this](IRadioLinkCommands& link) { link.SendToRadio(this); });
  ShowSerialAndEsn();
}

void CMainDlg::OnAlignment() {
  OnRadioLink([this](IRadioLinkCommands& link) { link.Alignment(this); });
}

void CMainDlg::OnAdjustmentRecover() {
  if (!g_pRadioLink) {
    LinkNotAvailable();
    return;
  }
  // A recovery may load a data file over the data in hand.
  if (!QuerySaveChanges()) return;
  g_pRadioLink->AdjustmentRecover(this);
  // Data a recovery brings come by a file load, which has already shown them
  // and put the Zone tab back at the overview; one that loaded nothing leaves
  // the window as it was, but for the serial number it may have read.
  ShowSerialAndEsn();
}

void CMainDlg::OpenRomEditor() {
  OnRadioLink([this](IRadioLinkCommands& link) { link.OpenRomEditor(this); });
}

void CMainDlg::OnConfigure() {
  CConfigDlg dlg(this);
  GetPromptService().RunDialog(dlg);
}

void CMainDlg::OnSerialSetFocus() { m_editSerial.PostMessage(EM_SETSEL, 0, static_cast<LPARAM>(-1)); }

LRESULT CMainDlg::OnSerialEditChange(WPARAM, LPARAM) {
  CRadioIdentity& identity = TheModel().identity;
  std::string text = m_editSerial.GetWindowText();
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::size_t n = text.size();
  if (n == 0) {
    identity.SetSerialText("00000000");
  } else {
    bool valid = std::isdigit(static_cast<unsigned char>(text[0])) != 0 && n <= 8;
    if (valid && n > 1) valid = text[1] >= 0x43 && text[1] <= 0x4E;
    for (std::size_t i = 2; valid && i < n; ++i) valid = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
    if (valid) {
      identity.SetSerialText(text + std::string(8 - n, '0'));
    } else {
      // The last keystroke is undone.
      m_editSerial.SetWindowText(std::string(identity.SerialText()).substr(0, n - 1));
    }
  }
  g_bModified = 1;
  return 0;
}

void CMainDlg::ShowSerialAndEsn() {
  const CRadioIdentity& identity = TheModel().identity;
  m_editSerial.SetWindowText(identity.SerialText());
  m_editEsn.SetWindowText(std::to_string(identity.Esn()));
}

void CMainDlg::SetFileLabel(const std::string& text) { m_labelFile.SetWindowText(text); }
std::string CMainDlg::GetFileLabel() const { return m_labelFile.GetWindowText(); }

void CMainDlg::OnFileLoaded(const std::string& fileLabel, const std::string& serialText, std::uint32_t esn) {
  SetFileLabel(fileLabel);
  m_editSerial.SetWindowText(serialText);
  m_editEsn.SetWindowText(std::to_string(esn));
  ShowModelName(0);
  if (IsWindowVisible()) BuildTabs();
}

// ---- the link's dialogs ------------------------------------------------------------------

#include "link/align_start.h"
#include "link/dialogs/align_dlg.h"
#include "link/dialogs/align_start_dlg.h"
#include "link/dialogs/clone_dlg.h"
#include "link/dialogs/recover_dlg.h"
#include "link/dialogs/rom_edit_dlg.h"
#include "link/serial_port.h"
#include "shell/dialogs/radio_password_dlg.h"

namespace {

// The memory map and modes of a transfer, from the configuration and the command line.
TransferSettings CurrentTransferSettings() {
  const CProgramConfig& c = TheProgramConfig();
  TransferSettings s;
  s.comIndex = c.GetComPort();
  s.eepromSizeCode = c.GetEepromSizeCode();
  s.blockCount = c.GetBlockCount();
  s.flashStart = c.GetFlashStart();
  s.memMap1 = c.GetMemMap1();
  s.memMap4 = c.GetMemMap4();
  s.memMap5 = c.GetMemMap5();
  s.memMap6 = c.GetMemMap6();
  s.memMap7 = c.GetMemMap7();
  s.memMap8 = c.GetMemMap8();
  s.blockPushMode = c.IsBlockPushMode();
  s.romEditorTransfer = c.IsRomEditorTransfer();
  s.modeM = g_bModeM != FALSE;
  s.modeS = g_bModeS != FALSE;
  return s;
}

void PrepareClone(CCloneDlg& dlg) {
  dlg.SetPasswordPrompt([&dlg] { return AskRadioPassword(&dlg); });
}

class CRadioLink : public IRadioLinkCommands {
 public:
  bool ReadFromRadio(CWnd* pOwner) override {
    g_bTransferDone = 0;
    CCloneDlg dlg(TheModel(), CurrentTransferSettings(), pOwner);
    dlg.SetMode(CCloneDlg::kModeRead);
    PrepareClone(dlg);
    dlg.DoModal();
    return g_bTransferDone != 0;
  }

  void SendToRadio(CWnd* pOwner) override {
    CCloneDlg dlg(TheModel(), CurrentTransferSettings(), pOwner);
    dlg.SetMode(CCloneDlg::kModeSend);
    PrepareClone(dlg);
    dlg.DoModal();
  }

  void Alignment(CWnd* pOwner) override {
    const CProgramConfig& c = TheProgramConfig();
    RunAlignment(TheComPort(), TheAlignRun(), c.GetComPort(),
                 [](CWnd* pParent) { return AskRadioPassword(pParent); }, c.GetAlignTable1(), c.GetAlignTable2(),
                 pOwner);
  }

  void AdjustmentRecover(CWnd* pOwner) override {
    CRecoverDlg dlg(TheModel(), CurrentTransferSettings(), pOwner);
    dlg.DoModal();
  }

  void OpenRomEditor(CWnd* pOwner) override {
    // An editor that is hidden or minimised is brought back, never made twice.
    if (m_pEditor && m_pEditor->GetSafeHwnd()) {
      m_pEditor->ShowWindow(SW_SHOW);
      return;
    }
    const CProgramConfig& c = TheProgramConfig();
    RomEditorMap map;
    map.eepromSizeCode = c.GetEepromSizeCode();
    map.blockCount = c.GetBlockCount();
    map.flashStart = c.GetFlashStart();
    map.memMap1 = c.GetMemMap1();
    map.memMap6 = c.GetMemMap6();
    map.blockPushMode = c.IsBlockPushMode();
    CRomEditDlg::Services services;
    services.transferSettings = CurrentTransferSettings;
    services.prepareClone = PrepareClone;
    services.setRomModified = [](bool on) { TheProgramConfig().SetRomModified(on); };
    services.querySaveChanges = [] { return g_pMainDlg == nullptr || g_pMainDlg->QuerySaveChanges(); };
    services.onDestroyed = [this] { m_pEditor = nullptr; };
    m_pEditor = new CRomEditDlg(pOwner, TheModel(), map, std::move(services));
    m_pEditor->ShowWindow(SW_SHOW);
  }

 private:
  CRomEditDlg* m_pEditor = nullptr;
};

}  // namespace

void InstallLinkDialogs() {
  static CRadioLink link;
  SetRadioLinkCommands(&link);
}

