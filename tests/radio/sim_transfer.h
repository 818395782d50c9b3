// What the read and send conversation tests share: a transfer dialog double
// that records everything shown and answers the prompts from scripts, and the
// memories the simulated radio starts with.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "link/transfer_ui.h"
#include "model/default_image.h"
#include "model/image.h"
#include "radio/simulated_radio.h"

namespace radiosim {

class RecordingTransferUi : public TransferUi {
 public:
  // CheckUserAbort answers 1 once after `checks` further checks (or at once).
  void PressEscAfterChecks(int checks) { m_escAt = m_checks + checks; }
  int Checks() const { return m_checks; }

  int CheckUserAbort() override {
    ++m_checks;
    if (m_escAt >= 0 && m_checks > m_escAt) {
      m_escAt = -1;
      return 1;
    }
    return 0;
  }
  void MessageBox(const std::string& text, const std::string& caption) override {
    boxes.push_back(text);
    captions.push_back(caption);
  }
  void SetMessageLine1(const std::string& text) override {
    line1 = text;
    line1History.push_back(text);
    if (onLine1) onLine1(text);
  }
  void SetMessageLine2(const std::string& text) override {
    line2 = text;
    line2History.push_back(text);
  }
  void SetBlockLine(const std::string& text) override { blockLine = text; }
  void SetProgressRange(int low, int high) override { range = {low, high}; }
  void SetProgressPos(int pos) override { progress = pos; }
  void MessageBeep() override { ++beeps; }
  std::optional<std::string> AskRadioPassword() override {
    ++passwordPrompts;
    return password;
  }
  std::string AskSerialNumber(const std::string& initial) override {
    serialPromptsShown.push_back(initial);
    serialLine2WhilePrompting = line2;
    if (onSerialPrompt) onSerialPrompt();
    if (serialAnswers.empty()) return initial;
    std::string answer = serialAnswers.front();
    serialAnswers.pop_front();
    return answer;
  }

  std::vector<std::string> boxes, captions;
  std::string line1, line2, blockLine;
  std::vector<std::string> line1History, line2History;
  std::pair<int, int> range{0, 0};
  int progress = 0;
  int beeps = 0;

  std::optional<std::string> password;  // what the password dialog returns (none: Cancel)
  int passwordPrompts = 0;
  std::deque<std::string> serialAnswers;  // answers of the serial prompt, in order
  std::vector<std::string> serialPromptsShown;
  std::string serialLine2WhilePrompting;

  // The user switches `radio` off and on each time the first line asks for it
  // (powerCycles counts the times). The program shows that line only after it
  // has given up waiting for an answer, so RADIO_READY cannot be mistaken for one.
  void SwitchOnWhenPrompted(SimulatedRadio& radio) {
    onLine1 = [this, &radio](const std::string& text) {
      if (text != "Switch radio OFF, then") return;
      ++powerCycles;
      radio.PowerOnAfter(std::chrono::milliseconds(20));
    };
  }
  int powerCycles = 0;

  // Called as things are shown, so a test can act at that moment (switch the
  // simulated radio on, press Esc).
  std::function<void(const std::string&)> onLine1;
  std::function<void()> onSerialPrompt;

 private:
  int m_checks = 0;
  int m_escAt = -1;
};

// The default data file of a band: 32,896 bytes, exactly a radio's memory.
inline std::vector<std::uint8_t> DefaultRadioMemory(bool uhf = true) {
  std::vector<std::uint8_t> file;
  BuildDefaultDataFile(uhf, file);
  return file;
}

// Radio word i of a memory.
inline std::uint16_t WordOf(const std::vector<std::uint8_t>& memory, int i) {
  return std::uint16_t(memory[2 * std::size_t(i)] | memory[2 * std::size_t(i) + 1] << 8);
}
inline void SetWordOf(std::vector<std::uint8_t>& memory, int i, std::uint16_t value) {
  memory[2 * std::size_t(i)] = std::uint8_t(value);
  memory[2 * std::size_t(i) + 1] = std::uint8_t(value >> 8);
}

// The 16-bit sum of words 3..last (16 on the default memory map).
inline std::uint16_t AdjustmentSum(const std::vector<std::uint8_t>& memory, int last = 16) {
  std::uint16_t sum = 0;
  for (int i = 3; i <= last; ++i) sum = std::uint16_t(sum + WordOf(memory, i));
  return sum;
}
// Word 2 = that sum, as a consistent radio holds it.
inline void SetAdjustmentChecksum(std::vector<std::uint8_t>& memory, int last = 16) {
  SetWordOf(memory, 2, AdjustmentSum(memory, last));
}

// Fills image block b with bytes that name the block, so a test sees where
// each block came from.
inline void StampBlock(std::vector<std::uint8_t>& memory, int b, std::uint8_t salt = 0) {
  for (std::size_t k = 0; k < kBlockSize; ++k)
    memory[std::size_t(b) * kBlockSize + k] = std::uint8_t(b * 7 + k * 13 + salt);
}

}  // namespace radiosim
