// The conventional group pages' own work in the optimised build, on a
// Conventional zone of 250 groups: scrolling the group grid by one column, a
// commit with its refresh, a Default-column commit into all 250 groups, and
// opening the basic view (which binds the zone's groups to their channels).
// Each includes the paint that follows (the pending events are processed).
#include "model/edit_model.h"
#include "model/group_model.h"
#include "model/zone_model.h"
#include "page_bench.h"
#include "pages/groups/conv_advanced_page.h"
#include "pages/groups/conv_basic_page.h"

namespace {

// Zone 1 holds every group record, each enabled.
void ZoneOfAllGroups() {
  CEditModel& m = TheModel();
  m.ResetEditModel();
  m.store.SetSystemDefaults(0, kSystemConventional);
  ApplyGroupCount(m, 0, kGroupCount);
  for (int g = 0; g < kGroupCount; ++g) SetGroupEnabled(m, g, true);
}

// The page over that zone.
template <class Page>
struct Fixture : HostedPage<Page> {
  Fixture() : HostedPage<Page>(ZoneOfAllGroups) { this->page.SetPageIndex(0); }
};

void BM_ScrollByOneColumn(benchmark::State& state) {
  Fixture<CConvGroupBasicPage> f;
  f.PageEach(state, group_ids::kNext, group_ids::kPrev, 244);
}
BENCHMARK(BM_ScrollByOneColumn)->Unit(benchmark::kMillisecond);

void BM_CommitWithRefresh(benchmark::State& state) {
  Fixture<CConvGroupBasicPage> f;
  f.CommitEach(state, group_ids::kBusyLockOut[2], 2);
}
BENCHMARK(BM_CommitWithRefresh)->Unit(benchmark::kMillisecond);

void BM_DefaultCommitInto250Groups(benchmark::State& state) {
  Fixture<CConvGroupBasicPage> f;
  f.CommitEach(state, conv_basic_ids::kMonitorDefault, 2);
}
BENCHMARK(BM_DefaultCommitInto250Groups)->Unit(benchmark::kMillisecond);

void BM_AdvancedDefaultSignalingInto250Groups(benchmark::State& state) {
  Fixture<CConvGroupAdvancedPage> f;
  f.CommitEach(state, conv_advanced_ids::kSignalingFunctionDefault, 3);
}
BENCHMARK(BM_AdvancedDefaultSignalingInto250Groups)->Unit(benchmark::kMillisecond);

void BM_OpenBasicView(benchmark::State& state) {
  Fixture<CConvGroupBasicPage> f;
  f.OpenEach(state);
}
BENCHMARK(BM_OpenBasicView)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
