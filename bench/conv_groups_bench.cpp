// The conventional group pages' own work in the optimised build, on a
// Conventional zone of 250 groups: scrolling the group grid by one column, a
// commit with its refresh, a Default-column commit into all 250 groups, and
// opening the basic view (which binds the zone's groups to their channels).
// Each includes the paint that follows (the pending events are processed).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>

#include <cstdlib>

#include "model/edit_model.h"
#include "model/group_model.h"
#include "model/zone_model.h"
#include "pages/groups/conv_advanced_page.h"
#include "pages/groups/conv_basic_page.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/prompt.h"

namespace {

constexpr UINT kHostId = 9991;

class CQuiet : public IBeepSink {
 public:
  void MessageBeep(UINT) override {}
};

class CHost : public CDialog {
 public:
  CHost() : CDialog(kHostId) {}
};

// Zone 1 holds every group record, each enabled.
void ZoneOfAllGroups() {
  CEditModel& m = TheModel();
  m.ResetEditModel();
  m.store.SetSystemDefaults(0, kSystemConventional);
  ApplyGroupCount(m, 0, kGroupCount);
  for (int g = 0; g < kGroupCount; ++g) SetGroupEnabled(m, g, true);
}

template <class Page>
struct Fixture {
  CQuiet quiet;
  CHost host;
  Page page;
  Fixture() {
    SetBeepSink(&quiet);
    DialogTemplate t;
    t.id = kHostId;
    t.caption = "Host";
    t.style |= WS_VISIBLE;
    t.cx = 420;
    t.cy = 340;
    RegisterDialogTemplate(t);
    ZoneOfAllGroups();
    host.Create(kHostId);
    host.ShowWindow(SW_SHOW);
    page.SetPageIndex(0);
  }
  ~Fixture() {
    if (page.GetSafeHwnd()) page.DestroyWindow();
    host.DestroyWindow();
    SetBeepSink(nullptr);
  }
  void Open() {
    page.Create(Page::IDD, &host);
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

void BM_ScrollByOneColumn(benchmark::State& state) {
  Fixture<CConvGroupBasicPage> f;
  f.Open();
  int step = 0;
  for (auto _ : state) {
    f.Click(step++ % 488 < 244 ? group_ids::kNext : group_ids::kPrev);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_ScrollByOneColumn)->Unit(benchmark::kMillisecond);

void BM_CommitWithRefresh(benchmark::State& state) {
  Fixture<CConvGroupBasicPage> f;
  f.Open();
  int item = 0;
  for (auto _ : state) {
    f.Commit(group_ids::kBusyLockOut[2], item++ % 2);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_CommitWithRefresh)->Unit(benchmark::kMillisecond);

void BM_DefaultCommitInto250Groups(benchmark::State& state) {
  Fixture<CConvGroupBasicPage> f;
  f.Open();
  int item = 0;
  for (auto _ : state) {
    f.Commit(conv_basic_ids::kMonitorDefault, item++ % 2);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_DefaultCommitInto250Groups)->Unit(benchmark::kMillisecond);

void BM_AdvancedDefaultSignalingInto250Groups(benchmark::State& state) {
  Fixture<CConvGroupAdvancedPage> f;
  f.Open();
  int item = 0;
  for (auto _ : state) {
    f.Commit(conv_advanced_ids::kSignalingFunctionDefault, item++ % 3);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_AdvancedDefaultSignalingInto250Groups)->Unit(benchmark::kMillisecond);

void BM_OpenBasicView(benchmark::State& state) {
  Fixture<CConvGroupBasicPage> f;
  for (auto _ : state) {
    f.Open();
    state.PauseTiming();
    f.page.DestroyWindow();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenBasicView)->Unit(benchmark::kMillisecond);

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
