// The simulated radio's block-push mode. After RADIO_READY, 0x20 puts the
// radio into block-push cloning (Mode::kBlockPush; a test may also start the
// radio there). In that mode 0x70 makes it push its blocks 0..count-1, each as
// 0x2X 0x82 k <128 bytes> sum (X = k mod 16), pushing the next on ACK and the
// same again on NAK; 0x60 makes it take blocks: frames 0x21 (or 0x25) 0x82 b
// <128 bytes> sum, each stored and answered with ACK. In the word area
// (blocks 0..n) the bytes of every word travel swapped; the radio's memory
// keeps image order (block k = image block k).
//
// After RADIO_READY, 0x30 starts the firmware check (Mode::kFirmware): the
// request F2 02 37 2B is answered F2 81 <firmware block 0x37> sum, the write
// F3 82 37 <128 bytes> sum stores that block and is answered ACK, and
// 38 01 39 restarts the radio: RADIO_READY follows after the restart delay.
//
// Word-mode style faults (SimulatedRadio::InjectFault) apply to the frames the
// radio takes: Fault::kNak or kSilence on 0x21/0x25 or 0xF3, kBadChecksum,
// kWrongLength or kSilence on the firmware answer. A radio must not carry both
// this mode and the alignment mode: both take 0x30 after RADIO_READY.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "radio/simulated_radio.h"

namespace radiosim {

enum class PushFault {
  kBadChecksum,  // the frame's sum is off by one
  kWrongLength,  // the length byte is 0x81
  kCutShort,     // only the first 40 bytes of the frame go out
  kSilent,       // nothing is pushed (the radio hangs until switched off and on)
};

struct BlockPushOptions {
  int blockCount = 58;     // blocks of the memory; the last is the adjustment block
  int eepromSizeCode = 1;  // n: blocks 0..n are the word area
  std::chrono::milliseconds restartDelay{30};
};

class BlockPushRadio {
 public:
  // Adds block-push mode to radio; the radio must outlive the conversations.
  explicit BlockPushRadio(SimulatedRadio& radio, BlockPushOptions options = {});

  // The firmware block 0x37, kept apart from the memory (0xFF at first).
  void SetFirmwareBlock(const std::vector<std::uint8_t>& block);
  std::vector<std::uint8_t> FirmwareBlock() const;

  // The next `times` pushes of block k go out damaged (times -1: every one).
  void InjectPushFault(int block, PushFault fault, int times = 1);
  // The next `times` sends of block b are answered with `bytes` and not stored.
  void AnswerBlockWith(int block, std::vector<std::uint8_t> bytes, int times = 1);

  std::vector<int> Pushed() const;  // the blocks pushed (also damaged ones), in order
  int Restarts() const;             // restarts asked for with 38 01 39

 private:
  struct State;
  std::shared_ptr<State> m_state;
};

}  // namespace radiosim
