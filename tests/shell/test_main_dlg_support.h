// The main dialog in an offscreen window, in a temporary working folder, with
// the prompts scripted and the model back at its defaults for every test.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "link/dialogs/rom_edit_dlg.h"
#include "model/edit_model.h"
#include "res/page_global1.h"
#include "shell/help_about.h"
#include "shell/main_dlg.h"
#include "shell/page_registry.h"
#include "shell/program_config.h"
#include "ui/ui_test_support.h"

namespace main_dlg_test {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// The process end of a usage message, caught.
struct UsageExit {
  int code;
};

inline Bytes ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The memory editor window, when one is up.
inline CDialog* FindRomEditor() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* editor = dynamic_cast<CRomEditDlg*>(CWnd::FromHandlePermanent(w)); editor && w->isVisible()) {
      return editor;
    }
  }
  return nullptr;
}

class MainDlgTest : public ui_test::WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    std::string name = (fs::temp_directory_path() / "maindlgXXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    dir = name;
    oldCwd = fs::current_path();
    fs::current_path(dir);
    fs::create_directory(dir / "Data");
    TheProgramConfig() = CProgramConfig();
    TheModel().ResetEditModel();
    TheModel().store.modelWord = 0;
    g_bModified = 0;
    g_bModeM = g_bModeS = FALSE;
    g_strDataFile = kDefaultDataFile;
    g_rcPage = CRect();
    SetProcessExitHandler([](int code) { throw UsageExit{code}; });
    SetHelpFilePath((dir / kHelpFileName).string());
    oldPath = qgetenv("PATH");
  }
  void TearDown() override {
    dlg.reset();
    ui_test::Pump();
    SetProcessExitHandler(nullptr);
    qputenv("PATH", oldPath);
    SetHelpFilePath("");
    fs::current_path(oldCwd);
    std::error_code ec;
    fs::remove_all(dir, ec);
    WndTest::TearDown();
  }

  // Programs are looked up in the test's own folder only, so that help runs
  // the opener the test puts there, never the desktop's own.
  fs::path OnlyTestPrograms() {
    fs::create_directories(dir / "bin");
    qputenv("PATH", (dir / "bin").c_str());
    return dir / "bin";
  }

  // A data file of the model's defaults (UHF unless told), written as the
  // program writes it.
  void WriteDataFile(const fs::path& path, bool vhf = false) {
    CEditModel& model = TheModel();
    model.ResetEditModel();
    model.image.fill(0xFF);
    model.PackImageDefaults(model.image.data());
    model.image[img::kHardware] = vhf ? kVhfHardware : kUhfHardware;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(model.image.data()), std::streamsize(kFileImagePart));
    out.write(reinterpret_cast<const char*>(model.tail.data()), std::streamsize(kTailSize));
  }

  // Makes the main dialog with the command line and shows it.
  CMainDlg& Start(std::vector<std::string> words = {}) {
    dlg = std::make_unique<CMainDlg>(std::move(words));
    EXPECT_TRUE(dlg->Create(IDD_MAIN, nullptr));
    EXPECT_TRUE(ui_test::Activate(*dlg));
    ui_test::Pump();
    return *dlg;
  }

  // Sends a menu command as the menu does.
  void Command(UINT id) { dlg->SendMessage(WM_COMMAND, id, 0); }

  // The MODEL list's one entry chosen on the Global 1 page.
  void ChooseModel() {
    Command(ID_PAGE_GLOBAL1);
    CDialog* page = dlg->GetCurrentPage();
    ASSERT_NE(page, nullptr);
    CWnd* list = page->GetDlgItem(IDC_G1_MODEL);
    list->SendMessage(CB_SETCURSEL, 0);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_G1_MODEL, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list->GetSafeHwnd()));
  }

  CWnd* PageWindow(UINT id) {
    CDialog& page = dlg->Page(id);
    return page.GetSafeHwnd() ? &page : nullptr;
  }

  std::vector<std::string> TabLabels() {
    std::vector<std::string> labels;
    CTabCtrl& tab = dlg->GetTabCtrl();
    for (int i = 0; i < tab.GetItemCount(); ++i) {
      std::string text;
      TCITEM item;
      item.pszText = &text;
      tab.GetItem(i, &item);
      labels.push_back(text);
    }
    return labels;
  }

  fs::path dir;
  fs::path oldCwd;
  QByteArray oldPath;
  std::unique_ptr<CMainDlg> dlg;
};

}  // namespace main_dlg_test
