// The zone overview's own work in the optimised build, on a radio with all 32
// zones in use: paging by one zone, a commit with its refresh, opening the Zone
// tab's page, and a Default-column commit into all 32 zones. Each includes the
// paint that follows (the pending events are processed).
#include "model/edit_model.h"
#include "model/zone_model.h"
#include "page_bench.h"
#include "pages/trunk/zone_overview_page.h"

namespace {

void FullRadio() {
  CEditModel& m = TheModel();
  m.ResetEditModel();
  for (int z = 0; z < kZoneCount; ++z) {
    m.store.SetSystemDefaults(z, z % 2 ? kSystemPassPort : kSystemConventional);
    ApplyGroupCount(m, z, 1 + z % 7);
  }
}

struct Fixture : HostedPage<CZoneOverviewPage> {
  Fixture() : HostedPage(FullRadio) {}
};

void BM_PageByOneZone(benchmark::State& state) {
  Fixture f;
  f.PageEach(state, zone_ids::kNext, zone_ids::kPrev, 27);
}
BENCHMARK(BM_PageByOneZone)->Unit(benchmark::kMillisecond);

void BM_CommitWithRefresh(benchmark::State& state) {
  Fixture f;
  f.CommitEach(state, zone_ids::kTimeout[2], 14);
}
BENCHMARK(BM_CommitWithRefresh)->Unit(benchmark::kMillisecond);

void BM_DefaultCommitIntoAllZones(benchmark::State& state) {
  Fixture f;
  f.CommitEach(state, zone_ids::kTimeoutDefault, 14);
}
BENCHMARK(BM_DefaultCommitIntoAllZones)->Unit(benchmark::kMillisecond);

void BM_OpenZoneTab(benchmark::State& state) {
  Fixture f;
  f.OpenEach(state);
}
BENCHMARK(BM_OpenZoneTab)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
