#include "link/align_link.h"

#include <chrono>
#include <cstring>

namespace {

// Time-outs of the exchanges, in milliseconds.
constexpr unsigned kDrainMs = 3;        // the drain before every frame
constexpr unsigned kWriteMs = 100;      // one byte written
constexpr unsigned kEchoMs = 200;       // its echo
constexpr unsigned kReplyMs = 200;      // a reply byte
constexpr unsigned kByteGapMs = 2;      // after every byte of a frame

// A radio that never falls quiet is not drained for ever: a port buffer's worth is enough.
constexpr int kDrainLimit = 4096;

// Sends a frame and reads one reply byte with the time-out t.
int SendAndReadReply(CComPort& port, std::uint8_t command, std::uint8_t length, const std::uint8_t* data,
                     unsigned t, std::uint8_t& reply) {
  const int st = AlignSendFrame(port, command, length, data);
  if (st != kAlignDone) return st;
  return AlignReadByte(port, reply, t);
}

// The commands whose radio answers ACK and which are tried `tries` times on
// any failure or refusal, draining with drainMs between the tries and pausing
// pauseMs after the ACK.
int SendUntilAck(CComPort& port, std::uint8_t command, std::uint8_t length, const std::uint8_t* data, int tries,
                 unsigned drainMs, unsigned pauseMs) {
  int st = kAlignDone;
  for (int t = 0; t < tries; ++t) {
    if (t > 0) AlignDrain(port, drainMs);
    std::uint8_t reply = 0;
    st = SendAndReadReply(port, command, length, data, kReplyMs, reply);
    if (st != kAlignDone) continue;
    if (reply != ACK) {
      st = kAlignBadReply;
      continue;
    }
    port.Sleep(pauseMs);
    return kAlignDone;
  }
  return st;
}

// The commands the radio does not answer: the status of the send, a pause after a good one.
int SendOnly(CComPort& port, std::uint8_t command, std::uint8_t length, const std::uint8_t* data) {
  const int st = AlignSendFrame(port, command, length, data);
  if (st == kAlignDone) port.Sleep(10);
  return st;
}

}  // namespace

// ---- primitives ----

int AlignReadByte(CComPort& port, std::uint8_t& out, unsigned t) {
  port.SetCommTimeouts({t, 0, t, 0, 0});
  std::uint8_t b = 0;
  std::size_t got = 0;
  if (!port.ReadFile(&b, 1, got)) return kAlignPortFailed;
  if (got != 1) return kAlignTimeout;
  out = b;
  return kAlignDone;
}

int AlignWriteByte(CComPort& port, std::uint8_t b, unsigned t) {
  port.SetCommTimeouts({t, 0, 0, 0, t});
  std::size_t written = 0;
  if (!port.WriteFile(&b, 1, written)) return kAlignPortFailed;
  return written == 1 ? kAlignDone : kAlignTimeout;
}

void AlignDrain(CComPort& port, unsigned t) {
  std::uint8_t b = 0;
  for (int n = 0; n < kDrainLimit && AlignReadByte(port, b, t) == kAlignDone; ++n) {
  }
}

int AlignSendFrame(CComPort& port, std::uint8_t command, std::uint8_t length, const std::uint8_t* data) {
  AlignDrain(port, kDrainMs);
  const auto sendByte = [&port](std::uint8_t b) {
    const int st = AlignWriteByte(port, b, kWriteMs);
    if (st != kAlignDone) return st;
    std::uint8_t echo = 0;
    AlignReadByte(port, echo, kEchoMs);  // the cable's echo; its value does not matter
    return kAlignDone;
  };
  int st = sendByte(command);
  if (st != kAlignDone) return st;
  port.Sleep(kByteGapMs);
  st = sendByte(length);
  if (st != kAlignDone) return st;
  port.Sleep(kByteGapMs);
  for (int i = 0; i + 1 < length; ++i) {
    st = sendByte(data[i]);
    if (st != kAlignDone) return st;
    port.Sleep(kByteGapMs);
  }
  port.Sleep(kByteGapMs);
  return sendByte(FrameChecksum(command, length, data));
}

int AlignReceiveFrame(CComPort& port, std::uint8_t command, std::uint8_t length, std::uint8_t* data, unsigned t) {
  std::uint8_t b = 0;
  int st = AlignReadByte(port, b, t);
  if (st != kAlignDone) return st;
  if (b != command) return kAlignBadReply;
  st = AlignReadByte(port, b, t);
  if (st != kAlignDone) return st;
  if (b != length) return kAlignBadReply;
  std::uint8_t buffer[256];
  const int n = length > 0 ? length - 1 : 0;
  for (int i = 0; i < n; ++i) {
    st = AlignReadByte(port, buffer[i], t);
    if (st != kAlignDone) return st;
  }
  st = AlignReadByte(port, b, t);
  if (st != kAlignDone) return st;
  if (b != FrameChecksum(command, length, buffer)) return kAlignBadReply;
  if (n > 0) std::memcpy(data, buffer, std::size_t(n));
  return kAlignDone;
}

int AlignExchange(CComPort& port, std::uint8_t command, std::uint8_t length, const std::uint8_t* data,
                  std::uint8_t replyLength, std::uint8_t* reply, unsigned t, int tries, unsigned drainMs,
                  const std::function<int(const std::uint8_t* reply)>& check) {
  int st = kAlignDone;
  for (int n = 0; n < tries; ++n) {
    if (n > 0) AlignDrain(port, drainMs);
    st = AlignSendFrame(port, command, length, data);
    if (st != kAlignDone) continue;
    st = AlignReceiveFrame(port, command, replyLength, reply, t);
    if (st == kAlignDone && check) st = check(reply);
    if (st == kAlignDone) return kAlignDone;
  }
  return st;
}

// ---- commands ----

int AlignSetValue(CComPort& port, std::uint16_t value) {
  const std::uint8_t data[2] = {std::uint8_t(value >> 8), std::uint8_t(value)};
  std::uint8_t reply = 0;
  const int st = SendAndReadReply(port, ALIGN_CMD_SET_VALUE, 3, data, kReplyMs, reply);
  if (st != kAlignDone) return st;
  port.Sleep(10);
  return reply == ACK ? kAlignDone : kAlignBadReply;
}

int AlignReadInfo(CComPort& port, std::uint8_t out[8]) {
  std::uint8_t readings[8];
  const int st = AlignExchange(port, ALIGN_CMD_READ_INFO, 1, nullptr, 9, readings, kReplyMs, 3, 5);
  if (st != kAlignDone) return st;
  port.Sleep(20);
  std::memcpy(out, readings, sizeof readings);
  return kAlignDone;
}

int AlignSendCmd2(CComPort& port, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  const std::uint8_t data[4] = {b0, b1, b2, b3};
  return SendUntilAck(port, ALIGN_CMD_2, 5, data, 3, 200, 10);
}

int AlignSendCmd3(CComPort& port, const std::uint8_t* record) {
  const std::uint8_t data[3] = {record[0], record[1], record[2]};
  int st = kAlignDone;
  for (int t = 0; t < 3; ++t) {
    if (t > 0) AlignDrain(port, 5);
    std::uint8_t reply = 0;
    st = SendAndReadReply(port, ALIGN_CMD_3, 4, data, 300, reply);
    if (st != kAlignDone) return st;
    if (reply == ACK) {
      port.Sleep(20);
      return kAlignDone;
    }
    st = kAlignBadReply;
  }
  return st;
}

int AlignSendCmd4(CComPort& port) {
  int st = kAlignDone;
  for (int t = 0; t < 4; ++t) {
    if (t > 0) AlignDrain(port, 20);
    std::uint8_t reply = 0;
    st = SendAndReadReply(port, ALIGN_CMD_4, 1, nullptr, kReplyMs, reply);
    if (st != kAlignDone) continue;
    port.Sleep(10);
    return reply == ACK ? kAlignDone : kAlignBadReply;
  }
  return st;
}

int AlignSendCmd5(CComPort& port) { return SendUntilAck(port, ALIGN_CMD_5, 1, nullptr, 4, 20, 10); }

int AlignSendCmd6(CComPort& port, std::uint8_t b0, std::uint8_t b1) {
  const std::uint8_t data[2] = {b0, b1};
  return SendOnly(port, ALIGN_CMD_6, 3, data);
}

int AlignSendCmd7(CComPort& port, std::uint8_t b) { return SendOnly(port, ALIGN_CMD_7, 2, &b); }

int AlignSendCmd9(CComPort& port, std::uint8_t b) { return SendOnly(port, ALIGN_CMD_9, 2, &b); }

int AlignSendCmd8(CComPort& port, int waitFlag) {
  const int st = AlignSendFrame(port, ALIGN_CMD_8, 1, nullptr);
  if (st != kAlignDone || !waitFlag) return st;
  return WaitRadioRestart(port);
}

int AlignSendCmdSemicolon(CComPort& port, const std::uint8_t* record) {
  const std::uint8_t data[3] = {record[0], record[1], record[2]};
  std::uint8_t reply = 0;
  const int st = SendAndReadReply(port, ALIGN_CMD_SEMICOLON, 4, data, kReplyMs, reply);
  if (st != kAlignDone) return st;
  return reply == ACK ? kAlignDone : kAlignBadReply;
}

int AlignSendCmdGreater(CComPort& port) {
  std::uint8_t reply = 0;
  const int st = SendAndReadReply(port, ALIGN_CMD_GREATER, 1, nullptr, kReplyMs, reply);
  if (st != kAlignDone) return st;
  port.Sleep(10);
  return reply == ACK ? kAlignDone : kAlignBadReply;
}

int AlignSendCmdQuestion(CComPort& port, int flag) {
  const std::uint8_t data = flag ? 0x37 : 0x01;
  int st = kAlignDone;
  for (int t = 0; t < 3; ++t) {
    if (t > 0) AlignDrain(port, 5);
    st = AlignSendFrame(port, ALIGN_CMD_QUESTION, 2, &data);
    if (st == kAlignDone) {
      port.Sleep(10);
      return kAlignDone;
    }
  }
  return st;  // no send went out: not done
}

int AlignSendF1(CComPort& port, std::uint8_t wordIndex, std::uint16_t value) {
  const std::uint8_t request[3] = {wordIndex, std::uint8_t(value >> 8), std::uint8_t(value)};
  std::uint8_t answer[2];
  const auto sameValue = [&](const std::uint8_t* a) {
    return a[0] == request[1] && a[1] == request[2] ? kAlignDone : kAlignOtherValue;
  };
  const int st = AlignExchange(port, CMD_WRITE_WORD, 4, request, 3, answer, kReplyMs, 6, 200, sameValue);
  if (st != kAlignDone) return st;
  port.Sleep(2);
  return kAlignDone;
}

int AlignWriteBlock(CComPort& port, std::uint8_t wireBlock, const std::uint8_t* data) {
  std::uint8_t frame[1 + kCloneBlockSize];
  frame[0] = wireBlock;
  std::memcpy(frame + 1, data, kCloneBlockSize);
  return SendUntilAck(port, CMD_WRITE_BLOCK, 0x82, frame, 6, 200, 10);
}

int AlignSendRecordSum(CComPort& port, ILinkDialog& owner, std::uint8_t* words) {
  unsigned sum = 0;
  for (int i = 3; i <= 16; ++i) sum += AlignWord(words, i);
  const auto checksum = std::uint16_t(sum);
  const int st = AlignSendF1(port, 2, checksum);
  if (st != kAlignDone) {
    owner.MessageBox("!! communication error !!\r\n", std::string());
    return st;
  }
  SetAlignWord(words, 2, checksum);
  return kAlignDone;
}

int WaitRadioRestart(CComPort& port) {
  IPacing& clock = port.Pacing();
  const auto start = clock.Now();
  while (clock.Now() - start <= std::chrono::seconds(20)) {
    std::uint8_t b = 0;
    const int st = AlignReadByte(port, b, 10);
    if (st == kAlignPortFailed) return st;  // the line is gone: no radio will come back on it
    if (st != kAlignDone) continue;
    if (b == NAK) return kAlignBadReply;
    if (b != RADIO_READY) continue;
    const int written = AlignWriteByte(port, kAlignModeByte, 100);
    if (written != kAlignDone) return written;
    port.Sleep(1500);
    int greater = kAlignDone;
    for (int t = 0; t < 5; ++t) {
      greater = AlignSendCmdGreater(port);
      if (greater == kAlignDone) return kAlignDone;
      port.Sleep(20);
    }
    return greater;
  }
  return kAlignNoRestart;
}
