#include "link/clone_protocol.h"

#include <cstring>

namespace {

constexpr std::size_t kBurst = 16;
// A bad answer is drained until the line has been quiet this long.
constexpr unsigned kDrainQuietMs = 50;
constexpr unsigned kDrainMaxMs = 2000;

// Reads and ignores the cable's echo of n bytes written.
void ReadEcho(CComPort& port, std::size_t n) {
  std::uint8_t echo[kBurst + 1];
  std::size_t got = 0;
  port.ReadFile(echo, n, got);
}

}  // namespace

std::uint8_t FrameChecksum(std::uint8_t command, std::uint8_t length, const std::uint8_t* data) {
  unsigned sum = command + length;
  for (int i = 0; i + 1 < length; ++i) sum += data[i];
  return std::uint8_t(sum);
}

int CloneSendFrame(CComPort& port, std::uint8_t command, std::uint8_t length, const std::uint8_t* data) {
  if (!port.CommWriteByte(command) || !port.CommWriteByte(length)) return kCommError;
  ReadEcho(port, 2);
  const std::size_t n = length ? std::size_t(length) - 1 : 0;
  std::size_t start = 0;
  while (n - start >= kBurst) {
    if (!port.CommWriteBytes(data + start, kBurst)) return kCommError;
    ReadEcho(port, kBurst);
    start += kBurst;
  }
  const std::size_t rest = n - start;
  if (rest && !port.CommWriteBytes(data + start, rest)) return kCommError;
  if (!port.CommWriteByte(FrameChecksum(command, length, data))) return kCommError;
  ReadEcho(port, rest + 1);
  return kCommDone;
}

int CloneReceiveFrame(CComPort& port, std::uint8_t command, std::uint8_t length, std::uint8_t* data) {
  std::uint8_t b = 0;
  int st = port.CommReadByte(b);
  if (st != kCommDone) return st;
  if (b != command) {
    port.DrainInput(kDrainQuietMs, kDrainMaxMs);
    return kCommError;
  }
  st = port.CommReadByte(b);
  if (st != kCommDone) return st;
  if (b != length) {
    port.DrainInput(kDrainQuietMs, kDrainMaxMs);
    return kCommError;
  }
  std::uint8_t buffer[256];
  const std::size_t n = length ? std::size_t(length) - 1 : 0;
  for (std::size_t i = 0; i < n; ++i) {
    st = port.CommReadByte(buffer[i]);
    if (st != kCommDone) return st;
  }
  st = port.CommReadByte(b);
  if (st != kCommDone) return st;
  if (b != FrameChecksum(command, length, buffer)) return kCommError;
  if (n) std::memcpy(data, buffer, n);
  return kCommDone;
}

int CloneReadWord(CComPort& port, std::uint8_t index, std::uint16_t& value) {
  if (CloneSendFrame(port, CMD_READ_WORD, 2, &index) != kCommDone) return kCommError;
  std::uint8_t answer[2];
  const int st = CloneReceiveFrame(port, CMD_READ_WORD, 3, answer);
  if (st == kCommDone) value = std::uint16_t(answer[0] << 8 | answer[1]);
  return st;
}

int CloneWriteWord(CComPort& port, std::uint8_t index, std::uint16_t value, int noVerify) {
  const std::uint8_t request[3] = {index, std::uint8_t(value >> 8), std::uint8_t(value)};
  if (CloneSendFrame(port, CMD_WRITE_WORD, 4, request) != kCommDone) return kCommError;
  std::uint8_t answer[2];
  const int st = CloneReceiveFrame(port, CMD_WRITE_WORD, 3, answer);
  if (st != kCommDone) return st;
  if (!noVerify && (answer[0] != request[1] || answer[1] != request[2])) return kCommError;
  return kCommDone;
}

int CloneReadBlock(CComPort& port, std::uint8_t wireBlock, std::uint8_t* out) {
  if (CloneSendFrame(port, CMD_READ_BLOCK, 2, &wireBlock) != kCommDone) return kCommError;
  return CloneReceiveFrame(port, CMD_READ_BLOCK, 0x81, out);
}

int CloneWriteBlock(CComPort& port, const std::uint8_t* frame) {
  if (CloneSendFrame(port, CMD_WRITE_BLOCK, 0x82, frame) != kCommDone) return kCommError;
  std::uint8_t b = 0;
  const int st = port.CommReadByte(b);
  if (st != kCommDone) return st;
  return b == ACK ? kCommDone : kCommError;
}

int WaitRadioReady(CComPort& port, ILinkDialog& dialog) {
  for (;;) {
    std::uint8_t b = 0;
    const int st = port.ReadByteCancelable(dialog, b);
    if (st != kCommDone) return st;
    if (b == RADIO_READY) return kCommDone;
  }
}

bool EnterWordMode(CComPort& port) {
  if (!port.CommWriteByte(kWordModeByte)) return false;
  std::uint8_t echo = 0;
  port.CommReadByte(echo);
  return true;
}
