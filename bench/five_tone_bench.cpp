// Opening the 5-Tone dialogs (and the 5-Tone page) with their grids filled from
// the records, as the person sees it: the window built from its template, its
// OnInitDialog (records reloaded from the image, lists and grids filled) and its
// first paint, on the offscreen platform. The target is under 16 ms each.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "model/default_image.h"
#include "model/edit_model.h"
#include "pages/fivetone/five_tone_dlg.h"
#include "pages/fivetone/five_tone_list_dlg.h"
#include "pages/fivetone/five_tone_page.h"
#include "ui/wnd/wnd_layer.h"

namespace {

constexpr UINT kHostId = 9799;

// The application, a shown host window standing for the main dialog, and the
// UHF default data as the records.
CDialog& Host() {
  static CDialog* host = [] {
    static int argc = 1;
    static char arg0[] = "five_tone_bench";
    static char* argv[] = {arg0, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
    std::vector<std::uint8_t> file;
    BuildDefaultDataFile(true, file);
    std::copy(file.begin(), file.begin() + kFileImagePart, TheModel().image.begin());
    TheModel().UnpackImage(TheModel().image.data());
    DialogTemplate t;
    t.id = kHostId;
    t.caption = "Host";
    t.style |= WS_VISIBLE;
    t.cx = 390;
    t.cy = 320;
    RegisterDialogTemplate(t);
    auto* dlg = new CDialog(kHostId);
    dlg->Create(kHostId);
    QCoreApplication::processEvents();
    return dlg;
  }();
  return *host;
}

template <class Dlg>
void OpenAndClose(benchmark::State& state, UINT idd) {
  CDialog& host = Host();
  for (auto _ : state) {
    Dlg dlg;
    dlg.Create(idd, &host);
    dlg.ShowWindow(SW_SHOW);
    QCoreApplication::processEvents();  // the first paint
    state.PauseTiming();
    dlg.DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}

void BM_OpenCommonSystemDialog(benchmark::State& state) { OpenAndClose<CFiveToneDlg>(state, IDD_FIVE_TONE_SYSTEM); }
void BM_OpenEncodeDecodeDialog(benchmark::State& state) { OpenAndClose<CFiveToneListDlg>(state, IDD_FIVE_TONE_LISTS); }
void BM_OpenToneTablePage(benchmark::State& state) { OpenAndClose<CFiveToneTablePage>(state, IDD_FIVE_TONE_PAGE); }

}  // namespace

BENCHMARK(BM_OpenCommonSystemDialog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenEncodeDecodeDialog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenToneTablePage)->Unit(benchmark::kMillisecond);
