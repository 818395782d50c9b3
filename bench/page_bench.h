// What the page benchmarks share: the program's main on the offscreen
// platform, a list commit on a grid page, and a page made alone in a plain
// host dialog on a radio the benchmark fills, with the timed loops that page
// it, commit into it and open it. Every loop includes the paint that follows
// (the pending events are processed).
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>

#include <cstdlib>

#include "pages/column_pages/grid_page.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/prompt.h"

// The benchmark program's main: the offscreen platform unless another is
// chosen; run() runs the benchmarks while the application lives.
template <class Run>
int RunOffscreenBenchmarks(int argc, char** argv, Run run) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  AfxInitWindowLayer();
  benchmark::Initialize(&argc, argv);
  run();
  benchmark::Shutdown();
  return 0;
}
inline int RunOffscreenBenchmarks(int argc, char** argv) {
  return RunOffscreenBenchmarks(argc, argv, [] { benchmark::RunSpecifiedBenchmarks(); });
}

// Opens a list cell and commits the list's item.
inline void CommitListItem(grid::CGridPage& page, int cell, int item) {
  int column = 0;
  const grid::Row* row = page.RowOfCell(cell, &column);
  page.OpenCell(*row, column);
  page.GetDlgItem(row->listId)->SendMessage(LB_SETCURSEL, WPARAM(item));
  page.CommitList(*row);
}

// A page (a grid page with an IDD) made in a visible host dialog, beeps
// silenced, on the radio fillRadio() leaves in the model.
template <class Page>
struct HostedPage {
  static constexpr UINT kHostId = 9990;

  class CQuiet : public IBeepSink {
   public:
    void MessageBeep(UINT) override {}
  };
  class CHost : public CDialog {
   public:
    CHost() : CDialog(kHostId) {}
  };

  CQuiet quiet;
  CHost host;
  Page page;

  explicit HostedPage(void (*fillRadio)()) {
    SetBeepSink(&quiet);
    DialogTemplate t;
    t.id = kHostId;
    t.caption = "Host";
    t.style |= WS_VISIBLE;
    t.cx = 420;
    t.cy = 340;
    RegisterDialogTemplate(t);
    fillRadio();
    host.Create(kHostId);
    host.ShowWindow(SW_SHOW);
  }
  ~HostedPage() {
    if (page.GetSafeHwnd()) page.DestroyWindow();
    host.DestroyWindow();
    SetBeepSink(nullptr);
  }
  HostedPage(const HostedPage&) = delete;
  HostedPage& operator=(const HostedPage&) = delete;

  void Open() {
    page.Create(Page::IDD, &host);
    page.ShowWindow(SW_SHOW);
    QCoreApplication::processEvents();
  }
  void Click(int id) {
    page.SendMessage(WM_COMMAND, MAKEWPARAM(unsigned(id), BN_CLICKED), LPARAM(page.GetDlgItem(id)->GetSafeHwnd()));
  }

  // The page opened, then the arrows clicked: `half` steps by next, as many
  // back by prev, and again.
  void PageEach(benchmark::State& state, int next, int prev, int half) {
    Open();
    int step = 0;
    for (auto _ : state) {
      Click(step++ % (2 * half) < half ? next : prev);
      QCoreApplication::processEvents();
    }
  }
  // The page opened, then the list cell's items 0..items-1 committed in turn.
  void CommitEach(benchmark::State& state, int cell, int items) {
    Open();
    int item = 0;
    for (auto _ : state) {
      CommitListItem(page, cell, item++ % items);
      QCoreApplication::processEvents();
    }
  }
  // The page's window made, timed, and destroyed again, untimed.
  void OpenEach(benchmark::State& state) {
    for (auto _ : state) {
      Open();
      state.PauseTiming();
      page.DestroyWindow();
      QCoreApplication::processEvents();
      state.ResumeTiming();
    }
  }
};
