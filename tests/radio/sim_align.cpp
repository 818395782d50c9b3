#include "radio/sim_align.h"

#include <algorithm>
#include <mutex>
#include <set>

#include "model/image.h"

namespace radiosim {

namespace {

constexpr std::uint8_t kReady = 0x50;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;

std::vector<std::uint8_t> MakeFrame(std::uint8_t command, const std::vector<std::uint8_t>& data) {
  // Sized once and filled in place (an insert behind a two-byte start draws a
  // false -Warray-bounds from GCC 12 in optimised builds).
  std::vector<std::uint8_t> f(data.size() + 2);
  f[0] = command;
  f[1] = std::uint8_t(data.size() + 1);
  std::copy(data.begin(), data.end(), f.begin() + 2);
  unsigned sum = 0;
  for (auto b : f) sum += b;
  f.push_back(std::uint8_t(sum));
  return f;
}

}  // namespace

struct AlignmentRadio::State {
  std::mutex mutex;
  std::chrono::milliseconds restartDelay{50};
  RestartAnswer restartAnswer = RestartAnswer::kReady;
  std::vector<Readings> readings{Readings{}};
  std::size_t nextReading = 0;
  std::set<std::uint16_t> refused;
  std::uint16_t channel = 0;
  int restarts = 0;
};

AlignmentRadio::AlignmentRadio(SimulatedRadio& radio) : m_radio(radio), m_state(std::make_shared<State>()) {
  auto state = m_state;
  m_radio.AddControlByte(Mode::kReady, '0', [](SimulatedRadio::Context& c) { c.mode = Mode::kAlignment; });

  const auto ack = [](SimulatedRadio::Context& c, const LoggedFrame&) { c.reply = {kAck}; };
  const auto silent = [](SimulatedRadio::Context&, const LoggedFrame&) {};
  for (std::uint8_t cmd : {'2', '3', '4', '5', ';', '>'}) {
    const std::uint8_t length = cmd == '2' ? 5 : (cmd == '3' || cmd == ';') ? 4 : 1;
    m_radio.AddFrameCommand(Mode::kAlignment, cmd, length, ack);
  }
  m_radio.AddFrameCommand(Mode::kAlignment, '6', 3, silent);
  m_radio.AddFrameCommand(Mode::kAlignment, '7', 2, silent);
  m_radio.AddFrameCommand(Mode::kAlignment, '9', 2, silent);
  m_radio.AddFrameCommand(Mode::kAlignment, '?', 2, silent);

  m_radio.AddFrameCommand(Mode::kAlignment, '0', 3, [state](SimulatedRadio::Context& c, const LoggedFrame& r) {
    std::lock_guard lock(state->mutex);
    const auto value = std::uint16_t(r.data[0] << 8 | r.data[1]);
    if (c.fault) return;  // a request that meets a fault is not taken
    if (state->refused.count(value)) {
      c.reply = {kNak};
      return;
    }
    state->channel = value;
    c.reply = {kAck};
  });
  m_radio.AddFrameCommand(Mode::kAlignment, '1', 1, [state](SimulatedRadio::Context& c, const LoggedFrame&) {
    std::lock_guard lock(state->mutex);
    const Readings& r = state->readings[std::min(state->nextReading, state->readings.size() - 1)];
    if (state->nextReading < state->readings.size()) ++state->nextReading;
    c.reply = MakeFrame('1', {r.begin(), r.end()});
  });
  m_radio.AddFrameCommand(Mode::kAlignment, '8', 1, [state](SimulatedRadio::Context& c, const LoggedFrame&) {
    std::lock_guard lock(state->mutex);
    ++state->restarts;
    c.mode = Mode::kOff;  // writing its memory and restarting: deaf and silent
    const RestartAnswer answer = state->restartAnswer;
    if (answer == RestartAnswer::kNothing) return;
    c.later.emplace_back(state->restartDelay, [answer](SimulatedRadio::Context& later) {
      later.reply = {answer == RestartAnswer::kReady ? kReady : kNak};
      if (answer == RestartAnswer::kReady) later.mode = Mode::kReady;
    });
  });

  // The word and block frames, as in word mode.
  m_radio.AddFrameCommand(Mode::kAlignment, 0xF0, 2, [](SimulatedRadio::Context& c, const LoggedFrame& r) {
    const std::size_t at = 2 * std::size_t(r.data[0]);
    c.reply = MakeFrame(0xF0, {c.image[at + 1], c.image[at]});
  });
  m_radio.AddFrameCommand(Mode::kAlignment, 0xF1, 4, [](SimulatedRadio::Context& c, const LoggedFrame& r) {
    const std::size_t at = 2 * std::size_t(r.data[0]);
    std::uint8_t hi = r.data[1], lo = r.data[2];
    if (c.fault && c.fault->fault == Fault::kChangedValue) {
      hi = std::uint8_t(c.fault->value >> 8);
      lo = std::uint8_t(c.fault->value);
    }
    if (!(c.fault && c.fault->fault == Fault::kStuck)) {
      c.image[at] = lo;
      c.image[at + 1] = hi;
    }
    c.reply = MakeFrame(0xF1, {c.image[at + 1], c.image[at]});
  });
  m_radio.AddFrameCommand(Mode::kAlignment, 0xF2, 2, [](SimulatedRadio::Context& c, const LoggedFrame& r) {
    const std::size_t at = (std::size_t(r.data[0]) + 2) * kBlockSize;
    std::vector<std::uint8_t> data(kBlockSize, 0xFF);
    if (at + kBlockSize <= c.image.size()) std::copy_n(c.image.begin() + std::ptrdiff_t(at), kBlockSize, data.begin());
    c.reply = MakeFrame(0xF2, data);
  });
  m_radio.AddFrameCommand(Mode::kAlignment, 0xF3, 0x82, [](SimulatedRadio::Context& c, const LoggedFrame& r) {
    if (c.fault && c.fault->fault == Fault::kNak) return;  // refused: nothing is stored
    const std::size_t at = (std::size_t(r.data[0]) + 2) * kBlockSize;
    if (at + kBlockSize <= c.image.size())
      std::copy_n(r.data.begin() + 1, kBlockSize, c.image.begin() + std::ptrdiff_t(at));
    c.reply = {kAck};
  });
}

void AlignmentRadio::PowerOnAfter(std::chrono::milliseconds delay) { m_radio.PowerOnAfter(delay); }

void AlignmentRadio::PowerOnRefusingAfter(std::chrono::milliseconds delay) {
  m_radio.After(delay, [](SimulatedRadio::Context& c) { c.reply = {kNak}; });
}

void AlignmentRadio::SetRestart(std::chrono::milliseconds delay, RestartAnswer answer) {
  std::lock_guard lock(m_state->mutex);
  m_state->restartDelay = delay;
  m_state->restartAnswer = answer;
}

void AlignmentRadio::QueueReadings(const std::vector<Readings>& readings) {
  if (readings.empty()) return;
  std::lock_guard lock(m_state->mutex);
  m_state->readings = readings;
  m_state->nextReading = 0;
}

void AlignmentRadio::RefuseChannel(std::uint16_t channel) {
  std::lock_guard lock(m_state->mutex);
  m_state->refused.insert(channel);
}

std::uint16_t AlignmentRadio::Channel() const {
  std::lock_guard lock(m_state->mutex);
  return m_state->channel;
}

int AlignmentRadio::Restarts() const {
  std::lock_guard lock(m_state->mutex);
  return m_state->restarts;
}

std::vector<std::uint8_t> AlignmentRadio::Commands() const {
  std::vector<std::uint8_t> commands;
  for (const auto& f : m_radio.Frames())
    if (f.mode == Mode::kAlignment) commands.push_back(f.command);
  return commands;
}

std::vector<std::vector<std::uint8_t>> AlignmentRadio::DataOf(std::uint8_t command) const {
  std::vector<std::vector<std::uint8_t>> data;
  for (const auto& f : m_radio.Frames())
    if (f.mode == Mode::kAlignment && f.command == command) data.push_back(f.data);
  return data;
}

std::vector<std::uint8_t> AlignmentMemory(const AlignMemoryOptions& o) {
  std::vector<std::uint8_t> m(kImageSize);
  for (std::size_t i = 0; i < m.size(); ++i) m[i] = std::uint8_t(i / kBlockSize * 7 + i % kBlockSize * 13);
  m[3] = o.modelCode;
  m[32] = o.hardware;
  m[33] = 0;
  std::fill_n(m.begin() + 34, 8, 0);
  std::copy_n(o.password.begin(), std::min<std::size_t>(o.password.size(), 8), m.begin() + 34);
  m[249] = o.production;
  m[252] = o.channelBlockLimit;
  std::uint8_t* block2 = m.data() + 2 * kBlockSize;
  block2[0] = std::uint8_t((o.stepSelect << 6) | (block2[0] & 0x3F));
  for (int k = 0; k < 4; ++k) {
    const int v = o.offsets[std::size_t(k)];
    const int magnitude = v < 0 ? -v : v;
    block2[69 + 2 * k] = std::uint8_t(((magnitude >> 8) & 0x7F) | (v < 0 ? 0x80 : 0));
    block2[70 + 2 * k] = std::uint8_t(magnitude);
  }
  // Word 2 holds the sum of words 3..16, as in a radio that was aligned before.
  unsigned sum = 0;
  for (int i = 3; i <= 16; ++i) sum += unsigned(m[2 * std::size_t(i)] | m[2 * std::size_t(i) + 1] << 8);
  m[4] = std::uint8_t(sum);
  m[5] = std::uint8_t(sum >> 8);
  return m;
}

}  // namespace radiosim
