// The simulated radio's alignment mode. After RADIO_READY a bare '0' puts the
// radio into alignment mode, where it answers the alignment commands: ACK for
// '0' (unless the channel is refused), '2', '3', '4', '5', ';' and '>'; eight
// readings for '1'; nothing for '6', '7', '9' and '?'; the word and block
// frames 0xF0..0xF3 as in word mode. '8' makes it restart: silent, then
// RADIO_READY (or NAK, or nothing) after a delay, then the bare '0' again.
// Faults are injected with SimulatedRadio::InjectFault as for word mode.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "radio/simulated_radio.h"

namespace radiosim {

using Readings = std::array<std::uint8_t, 8>;

class AlignmentRadio {
 public:
  enum class RestartAnswer { kReady, kNak, kNothing };

  // Adds the alignment mode to radio; the radio must outlive the conversations.
  explicit AlignmentRadio(SimulatedRadio& radio);

  // The user switches the radio off and on: RADIO_READY after delay, or NAK
  // when the radio refuses.
  void PowerOnAfter(std::chrono::milliseconds delay);
  void PowerOnRefusingAfter(std::chrono::milliseconds delay);
  // How the radio comes back after '8'.
  void SetRestart(std::chrono::milliseconds delay, RestartAnswer answer = RestartAnswer::kReady);
  // '1' answers these in order, then repeats the last.
  void QueueReadings(const std::vector<Readings>& readings);
  // '0' with this value is answered NAK.
  void RefuseChannel(std::uint16_t channel);

  std::uint16_t Channel() const;  // the value of the last accepted '0'
  int Restarts() const;
  // The commands the radio received in alignment mode, in order.
  std::vector<std::uint8_t> Commands() const;
  // The data bytes of the alignment-mode frames with this command, in order.
  std::vector<std::vector<std::uint8_t>> DataOf(std::uint8_t command) const;

 private:
  struct State;
  SimulatedRadio& m_radio;
  std::shared_ptr<State> m_state;
};

// A radio memory for the alignment tests. Every block other than the words
// carries a pattern that names it.
struct AlignMemoryOptions {
  std::uint8_t modelCode = 11;
  std::uint8_t hardware = 97;      // 1 VHF, 97 UHF
  std::uint8_t production = 0x20;  // byte 249: bits 4..6 must be 2
  std::string password = {};       // up to eight characters; empty: none
  std::uint8_t channelBlockLimit = 60;  // word 126 low byte
  std::uint8_t stepSelect = 0;          // top two bits of image block 2's first byte
  std::array<std::int16_t, 4> offsets{0, 0, 0, 0};
};
std::vector<std::uint8_t> AlignmentMemory(const AlignMemoryOptions& options = {});

}  // namespace radiosim
