// The Key Assignment and Mobile Special pages on the offscreen platform: a tab
// switch to the page (its window made from the template, shown, painted, and
// destroyed again when the tab is left) and the refresh after a choice (the
// choice stored, every list or caption it changes refreshed, the page
// painted). Both must stay well under a frame (16 ms).
//
// The switch-table zone holds 16 groups, or every group of the radio (250):
// the largest lists the page can show.
#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/default_image.h"
#include "model/edit_model.h"
#include "model/key_assign.h"
#include "model/mobile_special.h"
#include "pages/register_pages.h"
#include "pages/settings/key_assign_page.h"
#include "pages/settings/mobile_special_page.h"
#include "ui/page/page_registry.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/wnd_layer.h"

namespace {

constexpr UINT kHostId = 9712;

CDialog& Host();

void LoadDefaults(std::uint8_t productionType, int switchZoneGroups = kGroupCount) {
  Host();  // the pages registered, the host shown
  std::vector<std::uint8_t> file;
  BuildDefaultDataFile(true, file);
  CEditModel& m = TheModel();
  std::copy(file.begin(), file.begin() + kFileImagePart, m.image.begin());
  m.image[3] = productionType;
  m.UnpackImage(m.image.data());
  CChannelStore& s = m.store;
  s.zoneFlags[0] |= kZoneInUse;
  s.groupCount[0] = std::uint8_t(switchZoneGroups);
  s.groupCount[1] = std::uint8_t(kGroupCount - switchZoneGroups);
  for (int z = 2; z < kZoneCount; ++z) s.groupCount[z] = 0;
  for (auto& g : s.groups) g.flags |= kGroupInUse;
  m.global.groupSwitchZone = 0;
  for (int n = 0; n < kSwitchPositions; ++n) {
    m.global.groupSwitchGroup[std::size_t(n)] = std::uint8_t(n < switchZoneGroups / 2 ? n * 2 : 255);
  }
}

// The main dialog's stand-in, shown, with the tab area's size.
CDialog& Host() {
  static CDialog* host = [] {
    DialogTemplate t;
    t.id = kHostId;
    t.style |= WS_VISIBLE;
    t.cx = 390;
    t.cy = 320;
    RegisterDialogTemplate(t);
    RegisterPagesAndSheets();
    auto* dlg = new CDialog(kHostId);
    dlg->Create(kHostId);
    dlg->ShowWindow(SW_SHOW);
    return dlg;
  }();
  return *host;
}

void Settle(CDialog& page) {
  page.GetSafeHwnd()->repaint();
  QCoreApplication::processEvents();
}

std::unique_ptr<CDialog> OpenPage(UINT idd) {
  std::unique_ptr<CDialog> page = MakeRegisteredPage(idd);
  page->Create(idd, &Host());
  page->ShowWindow(SW_SHOW);
  Settle(*page);
  return page;
}

// Arguments: the page's dialog id, the groups of the switch zone.
void BM_TabSwitchTo(benchmark::State& state) {
  const auto idd = static_cast<UINT>(state.range(0));
  LoadDefaults(idd == IDD_KEY_ASSIGN_SIDE ? 0 : 11, static_cast<int>(state.range(1)));
  std::unique_ptr<CDialog> page = MakeRegisteredPage(idd);
  for (auto _ : state) {
    page->Create(idd, &Host());
    page->ShowWindow(SW_SHOW);
    Settle(*page);
    page->DestroyWindow();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}
BENCHMARK(BM_TabSwitchTo)
    ->Args({IDD_MOBILE_SPECIAL, 16})
    ->Args({IDD_MOBILE_SPECIAL, kGroupCount})
    ->Args({IDD_KEY_ASSIGN_PANEL, 16})
    ->Args({IDD_KEY_ASSIGN_SIDE, 16})
    ->Unit(benchmark::kMillisecond);

// A choice in a list: the combo's selection as the person leaves it, and its notification.
void ChooseInList(CDialog& page, int id, int position) {
  CWnd* list = page.GetDlgItem(id);
  list->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(position));
  page.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list->GetSafeHwnd()));
  Settle(page);
}

// Arguments: what is chosen, 0 a switch position (15 other group lists
// change), 1 the zone (all 16 lists refilled), 2 a port input (the other
// inputs and its output change); the groups of the switch zone.
void BM_MobileSpecialRefreshAfterChoice(benchmark::State& state) {
  const int groups = static_cast<int>(state.range(1));
  LoadDefaults(11, groups);
  std::unique_ptr<CDialog> page = OpenPage(IDD_MOBILE_SPECIAL);
  int step = 0;
  for (auto _ : state) {
    ++step;
    switch (state.range(0)) {
      case 0: ChooseInList(*page, kMsSwitchGroups[0], 1 + step % (groups - kSwitchPositions)); break;
      case 1: ChooseInList(*page, IDC_MS_SWITCH_ZONE, step % 2); break;
      default: ChooseInList(*page, kMsPortInputs[0], 1 + step % 12); break;
    }
  }
}
BENCHMARK(BM_MobileSpecialRefreshAfterChoice)
    ->ArgsProduct({{0, 1, 2}, {32, kGroupCount}})
    ->Unit(benchmark::kMillisecond);

// A key's list opened and a function chosen from it, the captions refreshed.
void BM_KeyAssignRefreshAfterChoice(benchmark::State& state) {
  const auto idd = static_cast<UINT>(state.range(0));
  LoadDefaults(idd == IDD_KEY_ASSIGN_SIDE ? 0 : 11);
  std::unique_ptr<CDialog> page = OpenPage(idd);
  auto& keys = dynamic_cast<CKeyAssignPage&>(*page);
  int step = 0;
  for (auto _ : state) {
    ++step;
    page->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(keys.ButtonOf(step % kKeySlotCount)), BN_CLICKED),
                      0);
    CWnd* list = page->GetDlgItem(IDC_KEY_FUNCTION_LIST);
    list->SendMessage(LB_SETCURSEL, static_cast<WPARAM>(step % 5));
    page->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(IDC_KEY_FUNCTION_LIST), LBN_DBLCLK),
                      reinterpret_cast<LPARAM>(list->GetSafeHwnd()));
    Settle(*page);
  }
}
BENCHMARK(BM_KeyAssignRefreshAfterChoice)->Arg(IDD_KEY_ASSIGN_PANEL)->Arg(IDD_KEY_ASSIGN_SIDE)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
