// Whole radio transfers against the simulated radio over a real pseudo-terminal
// (opened through the COM mapping), at the program's own pacing: the 200
// microsecond pause after every single byte written and the pauses between
// words, blocks and frames, with their real lengths.
//
// Each transfer is measured against its wire floor: every byte that goes over
// the line, 11 bits at 9600 baud (start, 8 data, 2 stop), plus the pauses the
// conversation sleeps. The bytes are counted in the simulator's logs: what the
// computer wrote (the cable's echo travels at the same time on the other wire,
// so it adds no time) and what the radio answered. The pauses are the sleeps
// the program asked its pacing for; a clean conversation (checked: every frame
// answered, the transfer done) sleeps only the pauses its protocol mandates.
// The per-byte pauses are reported apart and are not part of the floor: on a
// real line the UART is still shifting the byte out while the program waits
// those 200 microseconds, so they hide under the byte time.
//
// A pseudo-terminal does not pace at 9600 baud: its bytes arrive at once. The
// measured time is therefore the program's pauses plus its own overhead (and
// the simulator's), not what a real cable takes, and ratio_to_floor
// (measured / floor) stays below 1 whenever the bytes' line time outweighs the
// program's overhead. overhead_s is the measured time less all pauses, and
// line_estimate_ratio = (floor + overhead) / floor estimates the ratio on a
// real line.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "link/block_push.h"
#include "link/clone_protocol.h"
#include "link/read_radio.h"
#include "link/send_radio.h"
#include "model/model_host.h"
#include "radio/link_doubles.h"
#include "radio/sim_block_push.h"
#include "radio/sim_transfer.h"
#include "radio/simulated_radio.h"

namespace {

using radiosim::Mode;

constexpr int kCom = 2;                  // COM3
constexpr double kBitsPerByte = 11.0;    // start bit, 8 data bits, 2 stop bits
constexpr double kBaud = 9600.0;
constexpr int kPushCount = 58;           // block-push memory, EEPROM end 127
constexpr int kPushWordArea = 1;

// The program's real pacing, with every pause added up.
class CountingPacing : public IPacing {
 public:
  void Sleep(unsigned milliseconds) override {
    sleepMs += milliseconds;
    IPacing::Sleep(milliseconds);
  }
  void DelayMicroseconds(unsigned microseconds) override {
    delayUs += microseconds;
    IPacing::DelayMicroseconds(microseconds);
  }
  void Reset() { sleepMs = delayUs = 0; }
  unsigned long long sleepMs = 0;
  unsigned long long delayUs = 0;
};

class QuietHost : public IModelHost {
 public:
  void ShowMessage(const std::string& text) override { ++messages; }
  int messages = 0;
};

std::filesystem::path FreshFolder(const char* name) {
  auto dir = std::filesystem::temp_directory_path() / (std::string("tq_bench_") + name + "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// A simulated radio reached as COM3, and the program's port opened on it.
struct Line {
  Line(const char* name, Mode mode) : folder(FreshFolder(name)) {
    radiosim::SimulatedRadio::Options options;
    options.mode = mode;
    radio = std::make_unique<radiosim::SimulatedRadio>(options);
    radio->LinkAsCom(folder, kCom);
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
  long long transfers = 0, fromComputer = 0, fromRadio = 0;
  unsigned long long sleepMs = 0, delayUs = 0;
  double seconds = 0;

  void Add(long long computer, long long radio, const CountingPacing& pacing, double elapsed) {
    ++transfers;
    fromComputer += computer;
    fromRadio += radio;
    sleepMs += pacing.sleepMs;
    delayUs += pacing.delayUs;
    seconds += elapsed;
  }
  void Report(benchmark::State& state) const {
    if (transfers == 0) return;
    const double n = double(transfers);
    const double wire = double(fromComputer + fromRadio) * kBitsPerByte / kBaud;
    const double floor = wire + double(sleepMs) / 1000.0;
    state.counters["bytes_to_radio"] = double(fromComputer) / n;
    state.counters["bytes_from_radio"] = double(fromRadio) / n;
    state.counters["wire_s"] = wire / n;
    state.counters["pauses_s"] = double(sleepMs) / 1000.0 / n;
    state.counters["byte_pauses_s"] = double(delayUs) / 1e6 / n;
    state.counters["floor_s"] = floor / n;
    state.counters["measured_s"] = seconds / n;
    state.counters["ratio_to_floor"] = seconds / floor;
    // What the run took beyond its pauses: the program's own work and the
    // pseudo-terminal's and the simulator's turnarounds. Added to the floor it
    // estimates the time on a real line.
    const double overhead = seconds - double(sleepMs) / 1000.0 - double(delayUs) / 1e6;
    state.counters["overhead_s"] = overhead / n;
    state.counters["line_estimate_ratio"] = (floor + overhead) / floor;
  }
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

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

// What every transfer benchmark holds: the line, the settings, the model and
// the tally.
struct Bench {
  Bench(const char* name, Mode radioMode, const TransferSettings& transferSettings)
      : line(name, radioMode), mode(radioMode), settings(transferSettings) {
    model->SetHost(&host);
  }

  Line line;
  Mode mode;
  TransferSettings settings;
  QuietHost host;
  std::unique_ptr<CEditModel> model = std::make_unique<CEditModel>();
  Tally tally;
};

TransferSettings WordModeSettings() {
  TransferSettings settings;
  settings.comIndex = kCom;
  return settings;
}

// One transfer an iteration, timed, on a radio loaded afresh with memory.
// prepare runs untimed before each transfer; check after a transfer that
// reported done with no box: it returns the bytes the radio answered, or -1
// when the run was not clean (the benchmark then stops with failure).
template <class Transfer, class Prepare, class Check>
void RunTransfers(benchmark::State& state, Bench& b, const std::vector<std::uint8_t>& memory, Transfer transfer,
                  Prepare prepare, Check check, const char* failure) {
  for (auto _ : state) {
    state.PauseTiming();
    b.line.radio->SetMode(b.mode);
    b.line.radio->SetImage(memory);
    b.line.radio->ClearLog();
    b.line.pacing.Reset();
    prepare();
    radiosim::RecordingTransferUi ui;
    state.ResumeTiming();

    const auto start = std::chrono::steady_clock::now();
    const int result = transfer(b.line.port, ui, b.settings, *b.model);
    const double elapsed = SecondsSince(start);

    state.PauseTiming();
    const long long answers = result == kTransferDone && ui.boxes.empty() ? check() : -1;
    if (answers < 0) {
      state.SkipWithError(failure);
      break;
    }
    b.tally.Add(BytesWritten(*b.line.radio), answers, b.line.pacing, elapsed);
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

// ---- word mode ----

void BM_WordModeRead(benchmark::State& state) {
  Bench bench("read", Mode::kWordMode, WordModeSettings());
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
BENCHMARK(BM_WordModeRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_WordModeSend(benchmark::State& state) {
  Bench bench("send", Mode::kWordMode, WordModeSettings());
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
BENCHMARK(BM_WordModeSend)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// ---- block push ----

TransferSettings BlockPushSettings() {
  TransferSettings settings;
  settings.comIndex = kCom;
  settings.blockPushMode = true;
  settings.flashStart = 0x1DC00;
  settings.blockCount = kPushCount;
  settings.eepromSizeCode = kPushWordArea;
  return settings;
}

void BM_BlockPushRead(benchmark::State& state) {
  Bench bench("push_read", Mode::kBlockPush, BlockPushSettings());
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
BENCHMARK(BM_BlockPushRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_BlockPushSend(benchmark::State& state) {
  Bench bench("push_send", Mode::kBlockPush, BlockPushSettings());
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
BENCHMARK(BM_BlockPushSend)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
