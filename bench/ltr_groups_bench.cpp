// The LTR group grid and the channel table in the optimised build: a commit
// with its refresh on the basic view of an LTR zone, a Default commit into a
// zone of 250 groups, paging that zone by one column, and opening the channel
// table with every channel in use. Each includes the paint that follows (the
// pending events are processed).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>

#include <cstdlib>

#include "model/channel_store.h"
#include "model/edit_model.h"
#include "model/zone_model.h"
#include "pages/groups/channel_table_page.h"
#include "pages/groups/ltr_group_pages.h"
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

// Zone 0 holds all 250 groups, in use; every channel is in use.
void FullRadio() {
  CEditModel& m = TheModel();
  m.ResetEditModel();
  m.store.SetSystemDefaults(0, kSystemLtr);
  m.store.zoneRepeaters[0][0] = 0;
  ApplyGroupCount(m, 0, kGroupCount);
  for (CGroupRecord& g : m.store.groups) g.flags |= 1;
  for (int c = 0; c < kChannelCount; ++c) {
    CChannelData& ch = m.store.channels[c];
    ch.programmed |= 1;
    ch.rxFreq = CChannelData::MHzToUnits(450.0 + c * 0.025);
    ch.txFreq = CChannelData::MHzToUnits(455.0 + c * 0.025);
  }
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

void BM_LtrCommitWithRefresh(benchmark::State& state) {
  Fixture<CLtrGroupBasicPage> f;
  f.Open();
  int item = 0;
  for (auto _ : state) {
    f.Commit(ltr_group_ids::kTxInhibit[2], item++ % 2);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_LtrCommitWithRefresh)->Unit(benchmark::kMillisecond);

void BM_LtrDefaultCommitInto250Groups(benchmark::State& state) {
  Fixture<CLtrGroupBasicPage> f;
  f.Open();
  int item = 0;
  for (auto _ : state) {
    f.Commit(ltr_group_ids::kTxInhibitDefault, item++ % 2);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_LtrDefaultCommitInto250Groups)->Unit(benchmark::kMillisecond);

void BM_LtrPageByOneColumn(benchmark::State& state) {
  Fixture<CLtrGroupBasicPage> f;
  f.Open();
  int step = 0;
  for (auto _ : state) {
    f.Click(step++ % 80 < 40 ? ltr_group_ids::kNext : ltr_group_ids::kPrev);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_LtrPageByOneColumn)->Unit(benchmark::kMillisecond);

void BM_OpenChannelTable(benchmark::State& state) {
  Fixture<CChannelTablePage> f;
  for (auto _ : state) {
    f.Open();
    state.PauseTiming();
    f.page.DestroyWindow();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenChannelTable)->Unit(benchmark::kMillisecond);

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
