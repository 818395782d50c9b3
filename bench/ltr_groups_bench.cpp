// The LTR group grid and the channel table in the optimised build: a commit
// with its refresh on the basic view of an LTR zone, a Default commit into a
// zone of 250 groups, paging that zone by one column, and opening the channel
// table with every channel in use. Each includes the paint that follows (the
// pending events are processed).
#include "model/channel_store.h"
#include "model/edit_model.h"
#include "model/zone_model.h"
#include "page_bench.h"
#include "pages/groups/channel_table_page.h"
#include "pages/groups/ltr_group_pages.h"

namespace {

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
struct Fixture : HostedPage<Page> {
  Fixture() : HostedPage<Page>(FullRadio) {}
};

void BM_LtrCommitWithRefresh(benchmark::State& state) {
  Fixture<CLtrGroupBasicPage> f;
  f.CommitEach(state, ltr_group_ids::kTxInhibit[2], 2);
}
BENCHMARK(BM_LtrCommitWithRefresh)->Unit(benchmark::kMillisecond);

void BM_LtrDefaultCommitInto250Groups(benchmark::State& state) {
  Fixture<CLtrGroupBasicPage> f;
  f.CommitEach(state, ltr_group_ids::kTxInhibitDefault, 2);
}
BENCHMARK(BM_LtrDefaultCommitInto250Groups)->Unit(benchmark::kMillisecond);

void BM_LtrPageByOneColumn(benchmark::State& state) {
  Fixture<CLtrGroupBasicPage> f;
  f.PageEach(state, ltr_group_ids::kNext, ltr_group_ids::kPrev, 40);
}
BENCHMARK(BM_LtrPageByOneColumn)->Unit(benchmark::kMillisecond);

void BM_OpenChannelTable(benchmark::State& state) {
  Fixture<CChannelTablePage> f;
  f.OpenEach(state);
}
BENCHMARK(BM_OpenChannelTable)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
