// The repeater grid, the LTR system, LTR advanced features and interconnect
// pages in the main dialog, offscreen, on a radio whose 32 zones are LTR zones
// with programmed repeaters: a page switch from the zone overview to each
// page (the overview left, the page's window made, filled and painted), and a
// list commit on each page with the refresh that follows. Both must stay well
// under a frame (16 ms).
#include <benchmark/benchmark.h>

#include "main_dlg_program.h"
#include "model/edit_model.h"
#include "model/global_fields.h"
#include "model/zone_model.h"
#include "pages/trunk/interconnect_page.h"
#include "pages/trunk/ltr_advanced_page.h"
#include "pages/trunk/ltr_system_page.h"
#include "pages/trunk/repeater_page.h"
#include "ui/messages.h"

namespace {

// The main dialog with every zone LTR with groups and twenty repeaters on
// programmed channels, on the Zone tab.
struct Program : MainDlgProgram {
  Program() {
    CEditModel& m = TheModel();
    for (int n = 0; n < kChannelCount; ++n) {
      m.store.channels[n].txFreq = 45001250 + 1250 * n;
      m.store.channels[n].rxFreq = 45501250 + 1250 * n;
      m.store.channels[n].programmed |= 1;
    }
    for (int z = 0; z < kZoneCount; ++z) {
      m.store.SetSystemDefaults(z, kSystemLtr);
      ApplyGroupCount(m, z, 1 + z % 7, {false, 1});
      for (int r = 0; r < 20; ++r) m.store.zoneRepeaters[z][r] = std::uint16_t(0x6000 | (z * 20 + r) % kChannelCount);
    }
    gf::kLtrCaptions.Set(m, 0, 1);
    Show(PageSlot::Zone);
  }
  template <class P>
  P& Page(UINT idd) {
    return dynamic_cast<P&>(dlg->Page(idd));
  }
  // The LTR system page has no message of its own: made in the Zone tab's place.
  CLtrZonePage& MakeLtrSystem() {
    auto& page = Page<CLtrZonePage>(IDD_LTR_SYSTEM);
    dlg->LeavePage();
    page.Create(IDD_LTR_SYSTEM, dlg->GetDlgItem(IDC_MAIN_TAB));
    page.ShowWindow(SW_SHOW);
    Settle();
    return page;
  }
};

Program* g_program = nullptr;

// Back to the overview untimed, to the page timed.
void PageSwitch(benchmark::State& state, UINT message, WPARAM wParam, LPARAM lParam) {
  for (auto _ : state) {
    state.PauseTiming();
    g_program->Send(WM_SHOWPAGE_ZONE, 0, 255);
    state.ResumeTiming();
    g_program->Send(message, wParam, lParam);
  }
}
void BM_SwitchToRepeaters(benchmark::State& state) { PageSwitch(state, WM_SHOWPAGE_REPEATERS, 3, 0); }
void BM_SwitchToLtrAdvanced(benchmark::State& state) { PageSwitch(state, WM_SHOWPAGE_LTR_ADVANCED, 0, 3); }
void BM_SwitchToInterconnect(benchmark::State& state) { PageSwitch(state, WM_SHOWPAGE_INTERCONNECT, 0, 3); }
void BM_SwitchToLtrSystem(benchmark::State& state) {
  auto& page = g_program->Page<CLtrZonePage>(IDD_LTR_SYSTEM);
  for (auto _ : state) {
    state.PauseTiming();
    if (page.GetSafeHwnd()) page.DestroyWindow();
    g_program->Send(WM_SHOWPAGE_ZONE, 0, 255);
    state.ResumeTiming();
    g_program->MakeLtrSystem();
  }
  page.DestroyWindow();
}

// Opens a list cell and commits an item of its list, with the refresh.
void Commit(grid::CGridPage& page, int cell, int item) {
  CommitListItem(page, cell, item);
  Program::Settle();
}

template <class P>
void CommitOn(benchmark::State& state, UINT message, WPARAM wParam, LPARAM lParam, UINT idd, int cell, int items) {
  g_program->Send(message, wParam, lParam);
  auto& page = g_program->Page<P>(idd);
  int item = 0;
  for (auto _ : state) Commit(page, cell, 1 + item++ % items);
}
// A channel for a slot: its list of 251 channels built, the slot's flags set.
void BM_RepeaterChannelCommit(benchmark::State& state) {
  CommitOn<CSystemRepeaterPage>(state, WM_SHOWPAGE_REPEATERS, 3, 0, IDD_REPEATERS, repeater_ids::kChannel[6], 200);
}
void BM_LtrAdvancedDefaultCommit(benchmark::State& state) {
  CommitOn<CLtrAdvancedFeaturesPage>(state, WM_SHOWPAGE_LTR_ADVANCED, 0, 3, IDD_LTR_ADVANCED,
                                     ltr_advanced_ids::kDecodeResumeDefault, 15);
}
void BM_InterconnectCommit(benchmark::State& state) {
  CommitOn<CInterconnectPage>(state, WM_SHOWPAGE_INTERCONNECT, 0, 3, IDD_INTERCONNECT, interconnect_ids::kTimeout[2], 13);
}
void BM_LtrSystemHomeRepeaterCommit(benchmark::State& state) {
  auto& page = g_program->MakeLtrSystem();
  int item = 0;
  for (auto _ : state) Commit(page, ltr_system_ids::kHomeRepeater[2], 1 + item++ % 19);
  page.DestroyWindow();
}

}  // namespace

BENCHMARK(BM_SwitchToRepeaters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchToLtrSystem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchToLtrAdvanced)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchToInterconnect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepeaterChannelCommit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LtrSystemHomeRepeaterCommit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LtrAdvancedDefaultCommit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InterconnectCommit)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunPageBenchmarks(argc, argv, g_program); }
