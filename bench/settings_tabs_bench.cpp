// The DTMF ANI, Sel Call and Seed channel pages in the main dialog, offscreen:
// a tab switch to each page (its window made, filled and painted), and each
// page's refresh after a choice. Both must stay well under a frame (16 ms).
#include <benchmark/benchmark.h>

#include "main_dlg_program.h"
#include "model/edit_model.h"
#include "model/sel_call.h"
#include "pages/settings/dtmf_page.h"
#include "pages/settings/seed_page.h"
#include "pages/settings/sel_call_page.h"
#include "ui/messages.h"

namespace {

using Program = MainDlgProgram;

Program* g_program = nullptr;

// Away to an empty tab untimed, back to the page timed: the empty page left,
// the page's window made, filled and painted.
void TabSwitch(benchmark::State& state, PageSlot slot) {
  for (auto _ : state) {
    state.PauseTiming();
    g_program->Show(PageSlot::FiveTone);
    state.ResumeTiming();
    g_program->Show(slot);
  }
}
void BM_TabSwitchToDtmf(benchmark::State& state) { TabSwitch(state, PageSlot::Dtmf); }
void BM_TabSwitchToSelCall(benchmark::State& state) { TabSwitch(state, PageSlot::SelCall); }
void BM_TabSwitchToSeed(benchmark::State& state) { TabSwitch(state, PageSlot::Seed); }

// A choice in a list as its notification brings it.
void Choose(CWnd& page, int id, int index) {
  CWnd* list = page.GetDlgItem(id);
  list->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
  page.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list->GetSafeHwnd()));
}

// A decoding switched (its code shown anew, enabled or disabled), then the
// whole page refreshed as when it is shown.
void BM_DtmfChoiceAndRefresh(benchmark::State& state) {
  g_program->Show(PageSlot::Dtmf);
  auto& page = dynamic_cast<CDtmfAniPage&>(g_program->dlg->Page(IDD_DTMF));
  int on = 0;
  for (auto _ : state) {
    Choose(page, IDC_DT_DECODING[3], on ^= 1);
    page.UpdateControls();
    Program::Settle();
  }
}

// A zone chosen from the chooser over a cell, and a block switch.
void BM_SelCallChoiceAndRefresh(benchmark::State& state) {
  g_program->Show(PageSlot::SelCall);
  auto& entries = dynamic_cast<CSelCallPage&>(g_program->dlg->Page(IDD_SEL_CALL));
  int block = 0;
  for (auto _ : state) {
    entries.SendMessage(WM_LABEL_ENTER, IDC_SC_ZONE[5], 0);
    entries.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SC_CHOOSER, LBN_DBLCLK),
                        reinterpret_cast<LPARAM>(entries.GetDlgItem(IDC_SC_CHOOSER)->GetSafeHwnd()));
    entries.SetBlock(block = (block + 1) % kSelCallBlocks);
    Program::Settle();
  }
}

// A frequency committed (the words worked out, the field shown anew), then
// the page refreshed.
void BM_SeedCommitAndRefresh(benchmark::State& state) {
  g_program->Show(PageSlot::Seed);
  auto& page = dynamic_cast<CSeedChannelPage&>(g_program->dlg->Page(IDD_SEED));
  CWnd* edit = page.GetDlgItem(IDC_SEED_FREQ[7]);
  bool high = false;
  for (auto _ : state) {
    edit->SetWindowText((high = !high) ? "455" : "460.5");
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEED_FREQ[7], EN_KILLFOCUS),
                     reinterpret_cast<LPARAM>(edit->GetSafeHwnd()));
    page.UpdateControls();
    Program::Settle();
  }
}

}  // namespace

BENCHMARK(BM_TabSwitchToDtmf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabSwitchToSelCall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabSwitchToSeed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DtmfChoiceAndRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelCallChoiceAndRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeedCommitAndRefresh)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunPageBenchmarks(argc, argv, g_program); }
