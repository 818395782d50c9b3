// The PassPort talk-group and system features pages in the main dialog,
// offscreen: the page switch from the zone overview to each page (the overview
// left, the page's window made, filled and painted), and a commit with the
// refresh that follows it on each page. All must stay well under a frame (16 ms).
#include <benchmark/benchmark.h>

#include "main_dlg_program.h"
#include "model/edit_model.h"
#include "model/zone_model.h"
#include "pages/trunk/passport_features_page.h"
#include "pages/trunk/passport_talk_group_page.h"
#include "ui/messages.h"

namespace {

constexpr int kZone = 5;

// The main dialog on the UHF default data with PassPort zones of 16 talk
// groups each (the most a zone holds), on the Zone tab.
struct Program : MainDlgProgram {
  Program() {
    CEditModel& m = TheModel();
    m.global.systemType &= std::uint8_t(~0x40);  // PassPort captions
    for (int z = 0; z < 12; ++z) {
      m.store.SetSystemDefaults(z, kSystemPassPort);
      ApplyGroupCount(m, z, 16);
      for (int row = 0; row < 16; ++row) m.store.groups[16 * z + row].flags |= kGroupInUse;
    }
    Show(PageSlot::Zone);
  }
};

Program* g_program = nullptr;

// Back to the zone overview untimed, then the switch to the page timed.
void PageSwitch(benchmark::State& state, UINT message) {
  for (auto _ : state) {
    state.PauseTiming();
    g_program->Send(WM_SHOWPAGE_ZONE, 0, 255);
    state.ResumeTiming();
    g_program->Send(message, kZone, 0);
  }
}
void BM_SwitchToTalkGroups(benchmark::State& state) { PageSwitch(state, WM_SHOWPAGE_PASSPORT_TALKGROUP); }
void BM_SwitchToSystemFeatures(benchmark::State& state) { PageSwitch(state, WM_SHOWPAGE_PASSPORT_SYSTEM); }

// A row's enable list opened and a choice committed, which refreshes all 16 rows.
void BM_TalkGroupCommitAndRefresh(benchmark::State& state) {
  g_program->Send(WM_SHOWPAGE_PASSPORT_TALKGROUP, kZone, 0);
  auto& page = dynamic_cast<CTalkGroupPage&>(g_program->dlg->Page(IDD_PASSPORT_TALK_GROUPS));
  int column = 0;
  const grid::Row* row = page.RowOfCell(talk_group_ids::kEnable[7], &column);
  int choice = 0;
  for (auto _ : state) {
    page.OpenCell(*row, column);
    page.GetDlgItem(talk_group_ids::kEnableList)->SendMessage(LB_SETCURSEL, WPARAM(choice ^= 1));
    page.CommitList(*row);
    Program::Settle();
  }
}

// "RSSI threshold" clicked (its dependants enabled or disabled), then the
// whole page refreshed as when it is shown.
void BM_FeatureCommitAndRefresh(benchmark::State& state) {
  g_program->Send(WM_SHOWPAGE_PASSPORT_SYSTEM, kZone, 0);
  auto& page = dynamic_cast<CPassPortFeaturePage&>(g_program->dlg->Page(IDD_PASSPORT_FEATURES));
  CWnd* box = page.GetDlgItem(passport_ids::kRssiThreshold);
  for (auto _ : state) {
    page.CheckDlgButton(passport_ids::kRssiThreshold, page.IsDlgButtonChecked(passport_ids::kRssiThreshold) ? 0 : 1);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(passport_ids::kRssiThreshold, BN_CLICKED),
                     reinterpret_cast<LPARAM>(box->GetSafeHwnd()));
    page.UpdateControls();
    Program::Settle();
  }
}

}  // namespace

BENCHMARK(BM_SwitchToTalkGroups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchToSystemFeatures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TalkGroupCommitAndRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FeatureCommitAndRefresh)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunPageBenchmarks(argc, argv, g_program); }
