// The main dialog on the UHF default data, in a working folder of its own that
// goes when the program object does; for benchmarks of the pages it hosts.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "model/default_image.h"
#include "page_bench.h"
#include "shell/main_dlg.h"
#include "ui/wnd/scripted_prompt.h"

struct MainDlgProgram {
  std::filesystem::path dir;
  CScriptedPrompts prompts;
  std::unique_ptr<CMainDlg> dlg;

  MainDlgProgram() {
    namespace fs = std::filesystem;
    std::string name = (fs::temp_directory_path() / "mainbenchXXXXXX").string();
    dir = mkdtemp(name.data());
    fs::create_directory(dir / "Data");
    std::vector<std::uint8_t> file;
    BuildDefaultDataFile(true, file);
    std::ofstream(dir / "Data/DEFAULTUP.X417", std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    fs::current_path(dir);
    dlg = std::make_unique<CMainDlg>();
    dlg->Create(IDD_MAIN, nullptr);
    dlg->ShowWindow(SW_SHOW);
    Settle();
  }
  ~MainDlgProgram() {
    dlg.reset();
    Settle();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  MainDlgProgram(const MainDlgProgram&) = delete;
  MainDlgProgram& operator=(const MainDlgProgram&) = delete;

  // Lets the windows lay out and paint.
  static void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void Show(PageSlot slot) {
    dlg->SelectPage(slot);
    Settle();
  }
  void Send(UINT message, WPARAM wParam, LPARAM lParam) {
    dlg->SendMessage(message, wParam, lParam);
    Settle();
  }
};

// The benchmark program's main: the offscreen platform unless another is
// chosen, one program object (P, a MainDlgProgram) that `program` points to
// while the benchmarks run.
template <class P>
int RunPageBenchmarks(int argc, char** argv, P*& program) {
  return RunOffscreenBenchmarks(argc, argv, [&program] {
    P running;
    program = &running;
    benchmark::RunSpecifiedBenchmarks();
    program = nullptr;
  });
}
