// The zone overview's own work in the optimised build, on a radio with all 32
// zones in use: paging by one zone, a commit with its refresh, opening the Zone
// tab's page, and a Default-column commit into all 32 zones. Each includes the
// paint that follows (the pending events are processed).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>

#include <cstdlib>

#include "model/edit_model.h"
#include "model/zone_model.h"
#include "pages/trunk/zone_overview_page.h"
#include "ui/messages.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/prompt.h"

namespace {

constexpr UINT kHostId = 9990;

class CQuiet : public IBeepSink {
 public:
  void MessageBeep(UINT) override {}
};

class CHost : public CDialog {
 public:
  CHost() : CDialog(kHostId) {}
};

void FullRadio() {
  CEditModel& m = TheModel();
  m.ResetEditModel();
  for (int z = 0; z < kZoneCount; ++z) {
    m.store.SetSystemDefaults(z, z % 2 ? kSystemPassPort : kSystemConventional);
    ApplyGroupCount(m, z, 1 + z % 7);
  }
}

struct Fixture {
  CQuiet quiet;
  CHost host;
  CZoneOverviewPage page;
  Fixture() {
    SetBeepSink(&quiet);
    DialogTemplate t;
    t.id = kHostId;
    t.caption = "Host";
    t.style |= WS_VISIBLE;
    t.cx = 420;
    t.cy = 340;
    RegisterDialogTemplate(t);
    FullRadio();
    host.Create(kHostId);
    host.ShowWindow(SW_SHOW);
  }
  ~Fixture() {
    if (page.GetSafeHwnd()) page.DestroyWindow();
    host.DestroyWindow();
    SetBeepSink(nullptr);
  }
  void Open() {
    page.Create(IDD_ZONE_OVERVIEW, &host);
    page.ShowWindow(SW_SHOW);
    QCoreApplication::processEvents();
  }
  void Click(int id) {
    page.SendMessage(WM_COMMAND, MAKEWPARAM(unsigned(id), BN_CLICKED), LPARAM(page.GetDlgItem(id)->GetSafeHwnd()));
  }
  // Opens a list cell and commits the list's item.
  void Commit(int cell, int item) {
    int column = 0;
    const grid::Row* row = page.RowOfCell(cell, &column);
    page.OpenCell(*row, column);
    page.GetDlgItem(row->listId)->SendMessage(LB_SETCURSEL, WPARAM(item));
    page.CommitList(*row);
  }
};

void BM_PageByOneZone(benchmark::State& state) {
  Fixture f;
  f.Open();
  int step = 0;
  for (auto _ : state) {
    f.Click(step++ % 54 < 27 ? zone_ids::kNext : zone_ids::kPrev);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_PageByOneZone)->Unit(benchmark::kMillisecond);

void BM_CommitWithRefresh(benchmark::State& state) {
  Fixture f;
  f.Open();
  int item = 0;
  for (auto _ : state) {
    f.Commit(zone_ids::kTimeout[2], item++ % 14);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_CommitWithRefresh)->Unit(benchmark::kMillisecond);

void BM_DefaultCommitIntoAllZones(benchmark::State& state) {
  Fixture f;
  f.Open();
  int item = 0;
  for (auto _ : state) {
    f.Commit(zone_ids::kTimeoutDefault, item++ % 14);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_DefaultCommitIntoAllZones)->Unit(benchmark::kMillisecond);

void BM_OpenZoneTab(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    f.Open();
    state.PauseTiming();
    f.page.DestroyWindow();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenZoneTab)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  AfxInitWindowLayer();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
