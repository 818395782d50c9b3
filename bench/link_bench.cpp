// Whole radio transfers against the simulated radio over a real pseudo-terminal
// (opened through the COM mapping), at the program's own pacing, run as the
// clone dialog runs them: inside its transfer UI, with the Esc check's event
// processing between the steps.
//
// The simulated radio runs in line-rate mode: every byte takes 11 bit times at
// 9600 baud (start, 8 data, 2 stop bits) on its wire, the cable's echo runs
// alongside the byte it echoes, and the radio's answer follows on the same
// wire to the computer. The USB adapter holds received bytes until its next
// tick: latency_ms is 1 for a driver in low-latency mode (what the program
// asks for) and 16 for the adapter's default.
//
// Each transfer is measured against its floor: the wire time of every byte the
// computer wrote and the radio answered (an echo adds none: it runs alongside)
// plus the pauses the conversation sleeps on an idle wire. The bytes are
// counted in the simulator's logs; the pauses are the sleeps the program asked
// its pacing for, less any part that passed while its bytes were still going
// out, and a clean conversation (checked: every frame answered, the transfer
// done, no box) sleeps only the pauses its protocol mandates. The 200
// microsecond pause after every single byte written hides under the byte's
// own wire time and is not part of the floor.
//
// ratio_to_floor is measured / floor; abort_check_share is the time spent in
// the Esc checks as a share of the floor (the dialog's event processing there
// is time the line stands idle).
#include <QApplication>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/block_push.h"
#include "link/clone_protocol.h"
#include "link/dialogs/qt_transfer_ui.h"
#include "link/read_radio.h"
#include "link/send_radio.h"
#include "model/model_host.h"
#include "radio/link_doubles.h"
#include "radio/sim_block_push.h"
#include "radio/sim_transfer.h"
#include "radio/simulated_radio.h"
#include "res/dialogs_link.h"

namespace {

using radiosim::Mode;
using Clock = std::chrono::steady_clock;

constexpr int kCom = 2;                // COM3
constexpr double kBitsPerByte = 11.0;  // start bit, 8 data bits, 2 stop bits
constexpr int kBaud = 9600;
constexpr int kPushCount = 58;  // block-push memory, EEPROM end 127
constexpr int kPushWordArea = 1;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void EnsureApp() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char arg0[] = "link_bench";
  static char* argv[] = {arg0, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

// The program's real pacing, with its pauses added up. Part of a pause can
// pass while bytes written before it are still going out to the radio (the
// block-push send pauses between a block's data and its sum while the data
// are on the wire): only the part with an idle wire adds to the floor.
class CountingPacing : public IPacing {
 public:
  void Sleep(unsigned milliseconds) override {
    const auto now = Clock::now();
    const double busy = radio ? std::chrono::duration<double>(radio->WireToRadioFree() - now).count() : 0.0;
    pauseSeconds += std::max(0.0, milliseconds / 1000.0 - std::max(0.0, busy));
    IPacing::Sleep(milliseconds);
  }
  void Reset() { pauseSeconds = 0; }
  const radiosim::SimulatedRadio* radio = nullptr;
  double pauseSeconds = 0;  // on an idle wire
};

class QuietHost : public IModelHost {
 public:
  void ShowMessage(const std::string&) override { ++messages; }
  int messages = 0;
};

// The clone dialog's transfer UI on a shown dialog of its template. The Esc
// checks are timed; boxes are counted, not shown (a clean run has none).
class DialogUi : public TransferUi {
 public:
  DialogUi() : m_ui(m_dialog, m_progress) {
    RegisterLinkDialogTemplates();
    m_dialog.Create(IDD_CLONE);
    m_progress.SubclassDlgItem(IDC_LINK_PROGRESS, &m_dialog);
    m_dialog.ShowWindow(SW_SHOW);
  }
  ~DialogUi() override {
    m_progress.UnsubclassWindow();
    m_dialog.DestroyWindow();
  }

  int Run(const std::function<int()>& transfer) {
    boxes = 0;
    line1.clear();
    checks = 0;
    checkSeconds = 0;
    return m_ui.RunTransfer(transfer);
  }

  int CheckUserAbort() override {
    const auto start = Clock::now();
    const int r = m_ui.CheckUserAbort();
    checkSeconds += SecondsSince(start);
    ++checks;
    return r;
  }
  void MessageBox(const std::string&, const std::string&) override { ++boxes; }
  void SetMessageLine1(const std::string& text) override {
    line1 = text;
    m_ui.SetMessageLine1(text);
  }
  void SetMessageLine2(const std::string& text) override { m_ui.SetMessageLine2(text); }
  void SetBlockLine(const std::string& text) override { m_ui.SetBlockLine(text); }
  void SetProgressRange(int low, int high) override { m_ui.SetProgressRange(low, high); }
  void SetProgressPos(int pos) override { m_ui.SetProgressPos(pos); }
  void MessageBeep() override {}
  std::optional<std::string> AskRadioPassword() override { return std::nullopt; }
  std::string AskSerialNumber(const std::string& initial) override { return initial; }

  int boxes = 0;
  std::string line1;
  long long checks = 0;
  double checkSeconds = 0;

 private:
  CDialog m_dialog;
  CProgressCtrl m_progress;
  CQtTransferUi m_ui;
};

std::filesystem::path FreshFolder(const char* name) {
  auto dir =
      std::filesystem::temp_directory_path() / (std::string("tq_bench_") + name + "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// A simulated radio at line rate behind an adapter of the given latency,
// reached as COM3, and the program's port opened on it.
struct Line {
  Line(const char* name, Mode mode, int latencyMs) : folder(FreshFolder(name)) {
    radiosim::SimulatedRadio::Options options;
    options.mode = mode;
    options.baud = kBaud;
    options.adapterLatency = std::chrono::milliseconds(latencyMs);
    radio = std::make_unique<radiosim::SimulatedRadio>(options);
    radio->LinkAsCom(folder, kCom);
    pacing.radio = radio.get();
    port.SetDeviceFolder(folder);
    port.SetPacing(&pacing);
    opened = port.OpenComPort(kCom, dialog) == 1;
  }
  ~Line() {
    port.ClosePort();
    radio.reset();
    std::filesystem::remove_all(folder);
  }

  std::filesystem::path folder;
  std::unique_ptr<radiosim::SimulatedRadio> radio;
  CountingPacing pacing;
  radiosim::RecordingDialog dialog;
  CComPort port;
  bool opened = false;
};

long long BytesWritten(const radiosim::SimulatedRadio& radio) {
  long long n = 0;
  for (const auto& chunk : radio.Chunks()) n += static_cast<long long>(chunk.size());
  return n;
}

// The bytes a word-mode radio answers to the frames it logged. False when a
// frame went unanswered or wrong: the run was not clean.
bool WordModeAnswers(const radiosim::SimulatedRadio& radio, long long& bytes) {
  bytes = 0;
  for (const auto& f : radio.Frames()) {
    if (!f.checksumOk || f.fault) return false;
    switch (f.command) {
      case CMD_READ_WORD:
      case CMD_WRITE_WORD:
        bytes += 5;  // Fx 03 hi lo cs
        break;
      case CMD_READ_BLOCK:
        bytes += 3 + kBlockSize;  // F2 81 <128> cs
        break;
      case CMD_WRITE_BLOCK:
        bytes += 1;  // ACK
        break;
      default:
        return false;
    }
  }
  return true;
}

// Figures of a series of transfers, set as per-transfer counters.
struct Tally {
  long long transfers = 0, fromComputer = 0, fromRadio = 0, checks = 0;
  double seconds = 0, pauseSeconds = 0, checkSeconds = 0;

  void Add(long long computer, long long radio, const CountingPacing& pacing, const DialogUi& ui, double elapsed) {
    ++transfers;
    fromComputer += computer;
    fromRadio += radio;
    pauseSeconds += pacing.pauseSeconds;
    checks += ui.checks;
    checkSeconds += ui.checkSeconds;
    seconds += elapsed;
  }
  void Report(benchmark::State& state) const {
    if (transfers == 0) return;
    const double n = double(transfers);
    const double wire = double(fromComputer + fromRadio) * kBitsPerByte / kBaud;
    const double floor = wire + pauseSeconds;
    state.counters["bytes_to_radio"] = double(fromComputer) / n;
    state.counters["bytes_from_radio"] = double(fromRadio) / n;
    state.counters["wire_s"] = wire / n;
    state.counters["pauses_s"] = pauseSeconds / n;
    state.counters["floor_s"] = floor / n;
    state.counters["measured_s"] = seconds / n;
    state.counters["ratio_to_floor"] = seconds / floor;
    state.counters["abort_checks"] = double(checks) / n;
    state.counters["abort_check_s"] = checkSeconds / n;
    state.counters["abort_check_share"] = checkSeconds / floor;
  }
};

// A radio full of data: group blocks up to 56, channel blocks up to 184, so a
// word-mode read asks for every block a normal read can ask for.
std::vector<std::uint8_t> FullRadioMemory() {
  auto memory = radiosim::DefaultRadioMemory();
  memory[252] = 184;  // last channel block
  memory[253] = 56;   // last group block
  memory[42] &= 0x7F;
  for (int b = 9; b < 254; ++b) radiosim::StampBlock(memory, b);
  radiosim::SetAdjustmentChecksum(memory);
  return memory;
}

// The model as a default data file loads it, with one channel in use.
void LoadDefaultModel(CEditModel& model) {
  const auto file = radiosim::DefaultRadioMemory();
  std::copy(file.begin(), file.begin() + kFileImagePart, model.image.begin());
  std::copy(file.begin() + kFileImagePart, file.end(), model.tail.begin());
  model.UnpackImage(model.image.data());
  model.UnpackImageTail(model.image.data(), model.tail.data(), 1);
  model.store.channels[0].programmed = 1;
}

// What every transfer benchmark holds: the line, the dialog, the settings,
// the model and the tally.
struct Bench {
  Bench(const char* name, Mode radioMode, int latencyMs, const TransferSettings& transferSettings)
      : line(name, radioMode, latencyMs), mode(radioMode), settings(transferSettings) {
    model->SetHost(&host);
  }

  Line line;
  Mode mode;
  TransferSettings settings;
  DialogUi ui;
  QuietHost host;
  std::unique_ptr<CEditModel> model = std::make_unique<CEditModel>();
  Tally tally;
};

using Transfer = int (*)(CComPort&, TransferUi&, const TransferSettings&, CEditModel&);

// One transfer an iteration, timed, on a radio loaded afresh with memory.
// prepare runs untimed before each transfer; check after a transfer that
// reported done with no box: it returns the bytes the radio answered, or -1
// when the run was not clean (the benchmark then stops with failure).
template <class Prepare, class Check>
void RunTransfers(benchmark::State& state, Bench& b, const std::vector<std::uint8_t>& memory, Transfer transfer,
                  Prepare prepare, Check check, const char* failure) {
  for (auto _ : state) {
    state.PauseTiming();
    b.line.radio->SetMode(b.mode);
    b.line.radio->SetImage(memory);
    b.line.radio->ClearLog();
    b.line.pacing.Reset();
    prepare();
    state.ResumeTiming();

    const auto start = Clock::now();
    const int result = b.ui.Run([&] { return transfer(b.line.port, b.ui, b.settings, *b.model); });
    const double elapsed = SecondsSince(start);

    state.PauseTiming();
    const long long answers = result == kTransferDone && b.ui.boxes == 0 && b.host.messages == 0 ? check() : -1;
    if (answers < 0) {
      // What went wrong, for a run that fails now and then.
      int bad = 0;
      for (const auto& f : b.line.radio->Frames()) bad += !f.checksumOk || f.fault;
      const std::string why = std::string(failure) + " (result " + std::to_string(result) + ", " +
                              std::to_string(b.ui.boxes) + " boxes, first line \"" + b.ui.line1 + "\", " +
                              std::to_string(bad) + " bad frames)";
      state.SkipWithError(why.c_str());
      break;
    }
    b.tally.Add(BytesWritten(*b.line.radio), answers, b.line.pacing, b.ui, elapsed);
    state.ResumeTiming();
  }
  b.tally.Report(state);
}

// The program's read and send, as RunTransfers calls them.
int Read(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model) {
  return ReadFromRadio(port, ui, settings, model);
}
int Send(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model) {
  return SendToRadio(port, ui, settings, model);
}

TransferSettings Settings(bool blockPush) {
  TransferSettings settings;
  settings.comIndex = kCom;
  if (blockPush) {
    settings.blockPushMode = true;
    settings.flashStart = 0x1DC00;
    settings.blockCount = kPushCount;
    settings.eepromSizeCode = kPushWordArea;
  }
  return settings;
}

// ---- word mode ----

void BM_WordModeRead(benchmark::State& state) {
  EnsureApp();
  Bench bench("read", Mode::kWordMode, int(state.range(0)), Settings(false));
  if (!bench.line.opened) return state.SkipWithError("cannot open the simulated radio's port");
  const auto memory = FullRadioMemory();
  long long blocks = 0;
  RunTransfers(
      state, bench, memory, Read, [] {},
      [&] {
        long long answers = 0;
        if (!WordModeAnswers(*bench.line.radio, answers)) return -1LL;
        for (const auto& f : bench.line.radio->Frames()) blocks += f.command == CMD_READ_BLOCK;
        return answers;
      },
      "the read did not complete cleanly");
  if (bench.tally.transfers) state.counters["blocks"] = double(blocks) / double(bench.tally.transfers);
}
BENCHMARK(BM_WordModeRead)->ArgName("latency_ms")->Arg(1)->Arg(16)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

void BM_WordModeSend(benchmark::State& state) {
  EnsureApp();
  Bench bench("send", Mode::kWordMode, int(state.range(0)), Settings(false));
  if (!bench.line.opened) return state.SkipWithError("cannot open the simulated radio's port");
  auto memory = radiosim::DefaultRadioMemory();
  radiosim::SetAdjustmentChecksum(memory);
  long long words = 0, blocks = 0;
  RunTransfers(
      state, bench, memory, Send, [&] { LoadDefaultModel(*bench.model); },
      [&] {
        long long answers = 0;
        if (!WordModeAnswers(*bench.line.radio, answers)) return -1LL;
        for (const auto& f : bench.line.radio->Frames()) {
          words += f.command == CMD_WRITE_WORD;
          blocks += f.command == CMD_WRITE_BLOCK;
        }
        return answers;
      },
      "the send did not complete cleanly");
  if (bench.tally.transfers) {
    state.counters["words_written"] = double(words) / double(bench.tally.transfers);
    state.counters["blocks_written"] = double(blocks) / double(bench.tally.transfers);
  }
}
BENCHMARK(BM_WordModeSend)->ArgName("latency_ms")->Arg(1)->Arg(16)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

// ---- block push ----

void BM_BlockPushRead(benchmark::State& state) {
  EnsureApp();
  Bench bench("push_read", Mode::kBlockPush, int(state.range(0)), Settings(true));
  if (!bench.line.opened) return state.SkipWithError("cannot open the simulated radio's port");
  radiosim::BlockPushRadio sim(*bench.line.radio, radiosim::BlockPushOptions{kPushCount, kPushWordArea});
  auto memory = radiosim::DefaultRadioMemory();
  for (int b = 2; b < kPushCount; ++b) radiosim::StampBlock(memory, b, 0x31);
  std::size_t pushedBefore = 0;
  RunTransfers(
      state, bench, memory, Read, [&] { pushedBefore = sim.Pushed().size(); },
      [&] {
        const long long pushed = static_cast<long long>(sim.Pushed().size() - pushedBefore);
        // Each pushed frame: start byte, 0x82, block number, 128 data bytes, sum.
        return pushed == kPushCount ? pushed * (4 + kBlockSize) : -1LL;
      },
      "the block-push read did not complete cleanly");
}
BENCHMARK(BM_BlockPushRead)->ArgName("latency_ms")->Arg(1)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

void BM_BlockPushSend(benchmark::State& state) {
  EnsureApp();
  Bench bench("push_send", Mode::kBlockPush, int(state.range(0)), Settings(true));
  if (!bench.line.opened) return state.SkipWithError("cannot open the simulated radio's port");
  radiosim::BlockPushRadio sim(*bench.line.radio, radiosim::BlockPushOptions{kPushCount, kPushWordArea});
  auto memory = radiosim::DefaultRadioMemory();
  for (int b = 0; b < kPushCount; ++b) radiosim::StampBlock(memory, b, 0x77);
  RunTransfers(
      state, bench, memory, Send, [&] { LoadDefaultModel(*bench.model); },
      [&] {
        long long acks = 0;
        bool clean = true;
        for (const auto& f : bench.line.radio->Frames()) {
          if (f.mode != Mode::kBlockPush || !f.checksumOk || f.fault) clean = false;
          ++acks;  // every block frame is answered with one ACK
        }
        return clean && acks == kPushCount ? acks : -1LL;
      },
      "the block-push send did not complete cleanly");
}
BENCHMARK(BM_BlockPushSend)->ArgName("latency_ms")->Arg(1)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace
