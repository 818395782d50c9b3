#include "radio/sim_block_push.h"

#include <algorithm>
#include <mutex>

#include "model/image.h"

namespace radiosim {

namespace {

constexpr std::uint8_t kReady = 0x50;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kFirmwareBlock = 0x37;

std::uint8_t Sum(const std::vector<std::uint8_t>& bytes) {
  unsigned s = 0;
  for (auto b : bytes) s += b;
  return std::uint8_t(s);
}

void Swap(std::uint8_t* p) {
  for (std::size_t i = 0; i + 1 < kBlockSize; i += 2) std::swap(p[i], p[i + 1]);
}

}  // namespace

struct BlockPushRadio::State {
  struct PushRule {
    int block;
    PushFault fault;
    int times;
  };
  struct AnswerRule {
    int block;
    std::vector<std::uint8_t> bytes;
    int times;
  };

  std::mutex mutex;
  BlockPushOptions options;
  bool pushing = false;
  int next = 0;  // the block being pushed
  std::vector<PushRule> pushFaults;
  std::vector<AnswerRule> answers;
  std::vector<int> pushed;
  std::vector<std::uint8_t> firmware = std::vector<std::uint8_t>(kBlockSize, 0xFF);
  int restarts = 0;

  // Takes one use of the first rule for block b, if any.
  template <typename Rule>
  static const Rule* Take(std::vector<Rule>& rules, int b) {
    for (auto& r : rules) {
      if (r.block != b || r.times == 0) continue;
      if (r.times > 0) --r.times;
      return &r;
    }
    return nullptr;
  }

  // The frame of block k as the radio pushes it.
  void Push(SimulatedRadio::Context& c, int k) {
    pushed.push_back(k);
    std::vector<std::uint8_t> data(c.image.begin() + std::ptrdiff_t(k) * std::ptrdiff_t(kBlockSize),
                                   c.image.begin() + std::ptrdiff_t(k + 1) * std::ptrdiff_t(kBlockSize));
    if (k <= options.eepromSizeCode) Swap(data.data());
    std::vector<std::uint8_t> frame{std::uint8_t(0x20 | (k & 0x0F)), 0x82, std::uint8_t(k)};
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(Sum(frame));
    if (const PushRule* rule = Take(pushFaults, k)) {
      switch (rule->fault) {
        case PushFault::kBadChecksum:
          frame.back() = std::uint8_t(frame.back() + 1);
          break;
        case PushFault::kWrongLength:
          frame[1] = 0x81;
          break;
        case PushFault::kCutShort:
          frame.resize(40);
          break;
        case PushFault::kSilent:
          frame.clear();
          break;
      }
    }
    c.reply = std::move(frame);
  }
};

BlockPushRadio::BlockPushRadio(SimulatedRadio& radio, BlockPushOptions options) : m_state(std::make_shared<State>()) {
  auto state = m_state;
  state->options = options;

  radio.AddControlByte(Mode::kReady, 0x20, [state](SimulatedRadio::Context& c) {
    std::lock_guard lock(state->mutex);
    state->pushing = false;
    c.mode = Mode::kBlockPush;
  });
  radio.AddControlByte(Mode::kReady, 0x30, [](SimulatedRadio::Context& c) { c.mode = Mode::kFirmware; });

  // Pushing.
  radio.AddControlByte(Mode::kBlockPush, 0x70, [state](SimulatedRadio::Context& c) {
    std::lock_guard lock(state->mutex);
    if (state->pushing) return;  // already under way
    state->pushing = true;
    state->next = 0;
    state->Push(c, 0);
  });
  radio.AddControlByte(Mode::kBlockPush, kAck, [state](SimulatedRadio::Context& c) {
    std::lock_guard lock(state->mutex);
    if (!state->pushing) return;
    if (++state->next >= state->options.blockCount) {
      state->pushing = false;
      return;
    }
    state->Push(c, state->next);
  });
  radio.AddControlByte(Mode::kBlockPush, kNak, [state](SimulatedRadio::Context& c) {
    std::lock_guard lock(state->mutex);
    if (state->pushing) state->Push(c, state->next);
  });

  // Taking blocks.
  radio.AddControlByte(Mode::kBlockPush, 0x60, [state](SimulatedRadio::Context&) {
    std::lock_guard lock(state->mutex);
    state->pushing = false;
  });
  const auto take = [state](SimulatedRadio::Context& c, const LoggedFrame& r) {
    std::lock_guard lock(state->mutex);
    if (c.fault) return;  // a refused block is not stored (the fault gives the answer)
    const int b = r.data[0];
    if (const State::AnswerRule* rule = State::Take(state->answers, b)) {
      c.reply = rule->bytes;
      return;
    }
    if (b < state->options.blockCount) {
      std::uint8_t* to = c.image.data() + std::size_t(b) * kBlockSize;
      std::copy_n(r.data.begin() + 1, kBlockSize, to);
      if (b <= state->options.eepromSizeCode) Swap(to);
    }
    c.reply = {kAck};
  };
  radio.AddFrameCommand(Mode::kBlockPush, 0x21, 0x82, take);
  radio.AddFrameCommand(Mode::kBlockPush, 0x25, 0x82, take);

  // The firmware check.
  radio.AddFrameCommand(Mode::kFirmware, 0xF2, 2, [state](SimulatedRadio::Context& c, const LoggedFrame& r) {
    std::lock_guard lock(state->mutex);
    if (r.data[0] != kFirmwareBlock) return;
    std::vector<std::uint8_t> frame{0xF2, 0x81};
    frame.insert(frame.end(), state->firmware.begin(), state->firmware.end());
    frame.push_back(Sum(frame));
    c.reply = std::move(frame);
  });
  radio.AddFrameCommand(Mode::kFirmware, 0xF3, 0x82, [state](SimulatedRadio::Context& c, const LoggedFrame& r) {
    std::lock_guard lock(state->mutex);
    if (c.fault || r.data[0] != kFirmwareBlock) return;
    state->firmware.assign(r.data.begin() + 1, r.data.end());
    c.reply = {kAck};
  });
  radio.AddFrameCommand(Mode::kFirmware, 0x38, 1, [state](SimulatedRadio::Context& c, const LoggedFrame&) {
    std::lock_guard lock(state->mutex);
    ++state->restarts;
    c.mode = Mode::kOff;  // restarting: deaf and silent
    c.later.emplace_back(state->options.restartDelay, [](SimulatedRadio::Context& later) {
      later.reply = {kReady};
      later.mode = Mode::kReady;
    });
  });
}

void BlockPushRadio::SetFirmwareBlock(const std::vector<std::uint8_t>& block) {
  std::lock_guard lock(m_state->mutex);
  m_state->firmware.assign(kBlockSize, 0xFF);
  std::copy_n(block.begin(), std::min(block.size(), kBlockSize), m_state->firmware.begin());
}

std::vector<std::uint8_t> BlockPushRadio::FirmwareBlock() const {
  std::lock_guard lock(m_state->mutex);
  return m_state->firmware;
}

void BlockPushRadio::InjectPushFault(int block, PushFault fault, int times) {
  std::lock_guard lock(m_state->mutex);
  m_state->pushFaults.push_back({block, fault, times});
}

void BlockPushRadio::AnswerBlockWith(int block, std::vector<std::uint8_t> bytes, int times) {
  std::lock_guard lock(m_state->mutex);
  m_state->answers.push_back({block, std::move(bytes), times});
}

std::vector<int> BlockPushRadio::Pushed() const {
  std::lock_guard lock(m_state->mutex);
  return m_state->pushed;
}

int BlockPushRadio::Restarts() const {
  std::lock_guard lock(m_state->mutex);
  return m_state->restarts;
}

}  // namespace radiosim
