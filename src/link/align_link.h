// The byte layer of the factory alignment: one-byte primitives with their own
// time-outs, the frame sender, and one routine per alignment command. Every
// routine answers with a status and shows nothing, except AlignSendRecordSum.
// They run on the user-interface thread and block it while they wait.
//
// Frames are laid out as the clone frames (command, length L, L - 1 data
// bytes, 8-bit sum of all of them). Every byte is written singly and its
// cable echo read and ignored. 16-bit values go high byte first, except in
// commands '3' and ';', which send two bytes of a caller's record as stored.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "link/clone_protocol.h"
#include "link/serial_port.h"

// Status of the alignment routines.
inline constexpr int kAlignDone = 0;
inline constexpr int kAlignPortFailed = 1;  // a read or write call failed
inline constexpr int kAlignTimeout = 2;     // no byte arrived, or the byte was not written, in time
inline constexpr int kAlignRefused = -1;    // identity or password refused (entry dialog)
inline constexpr int kAlignNoRestart = -2;  // the radio did not come back within 20 s
inline constexpr int kAlignBadReply = -3;   // not ACK, wrong command, length or checksum, or NAK
inline constexpr int kAlignAborted = -4;    // Esc during the upload
inline constexpr int kAlignOtherValue = -5;  // a word write was answered with another value

// Alignment commands.
inline constexpr std::uint8_t ALIGN_CMD_SET_VALUE = '0';  // the alignment channel
inline constexpr std::uint8_t ALIGN_CMD_READ_INFO = '1';  // eight live readings
inline constexpr std::uint8_t ALIGN_CMD_2 = '2';
inline constexpr std::uint8_t ALIGN_CMD_3 = '3';
inline constexpr std::uint8_t ALIGN_CMD_4 = '4';
inline constexpr std::uint8_t ALIGN_CMD_5 = '5';
inline constexpr std::uint8_t ALIGN_CMD_6 = '6';
inline constexpr std::uint8_t ALIGN_CMD_7 = '7';
inline constexpr std::uint8_t ALIGN_CMD_8 = '8';  // the radio restarts
inline constexpr std::uint8_t ALIGN_CMD_9 = '9';
inline constexpr std::uint8_t ALIGN_CMD_SEMICOLON = ';';
inline constexpr std::uint8_t ALIGN_CMD_GREATER = '>';
inline constexpr std::uint8_t ALIGN_CMD_QUESTION = '?';
// Written bare (not as a frame) after RADIO_READY: the radio enters alignment mode.
inline constexpr std::uint8_t kAlignModeByte = '0';

inline constexpr int kAlignWordCount = 128;                  // words 0..127 of the radio
inline constexpr int kAlignWordBytes = 2 * kAlignWordCount;  // the word buffer

// ---- primitives ----

// One byte under the time-outs read interval t, read constant t (ms). 1 when
// the read call failed, 2 when no byte came, else 0 with the byte in out.
int AlignReadByte(CComPort& port, std::uint8_t& out, unsigned t);
// One byte under the write time-out t (ms). 1 when the write call failed, 2
// when the byte did not go out, else 0.
int AlignWriteByte(CComPort& port, std::uint8_t b, unsigned t);
// Reads bytes under the time-out t until a read brings none. A line that
// never falls quiet is given up after a port buffer's worth of bytes.
void AlignDrain(CComPort& port, unsigned t);
// Drains (3 ms), then writes command, length, the length - 1 data bytes and
// the checksum, each followed by its echo read and 2 ms (2 ms more before the
// checksum). The status of the first write that failed, else of the checksum's.
int AlignSendFrame(CComPort& port, std::uint8_t command, std::uint8_t length, const std::uint8_t* data);
// Receives a reply frame of command and length, each byte with the time-out
// t. data (length - 1 bytes) is written only when the whole frame is good:
// 1 or 2 from a read, -3 for another command or length byte or a bad checksum.
int AlignReceiveFrame(CComPort& port, std::uint8_t command, std::uint8_t length, std::uint8_t* data, unsigned t);

// Sends a frame and receives the reply frame of the same command with
// replyLength, each reply byte with the time-out t, up to `tries` times,
// draining the line (drainMs) between the tries. `check` (optional) judges a
// good reply: a status other than 0 tries again. The status of the last try;
// reply (replyLength - 1 bytes) holds the data of a try that was done.
int AlignExchange(CComPort& port, std::uint8_t command, std::uint8_t length, const std::uint8_t* data,
                  std::uint8_t replyLength, std::uint8_t* reply, unsigned t, int tries, unsigned drainMs,
                  const std::function<int(const std::uint8_t* reply)>& check = {});

// ---- commands ----
// When a command is tried several times, the line is drained between the
// tries, and the status of the last try is returned when all are used up.

// '0' with a 16-bit value (the alignment channel): 0 on ACK, else -3.
int AlignSetValue(CComPort& port, std::uint16_t value);
// '1': the radio's eight readings, written to out only on success. Up to 3 tries.
int AlignReadInfo(CComPort& port, std::uint8_t out[8]);
// '2' with four bytes in order: 0 on ACK. Up to 3 tries.
int AlignSendCmd2(CComPort& port, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
// '3' with record bytes 0, 1 (as stored) and 2: 0 on ACK, else -3. Up to 3
// tries, a refusal only; a failed send or read returns at once.
int AlignSendCmd3(CComPort& port, const std::uint8_t* record);
// '4': 0 on ACK, -3 at once on any other byte. Up to 4 tries on send or read failures.
int AlignSendCmd4(CComPort& port);
// '5': 0 on ACK. Up to 4 tries.
int AlignSendCmd5(CComPort& port);
// '6', '7', '9': the radio does not answer; the status of the send.
int AlignSendCmd6(CComPort& port, std::uint8_t b0, std::uint8_t b1);
int AlignSendCmd7(CComPort& port, std::uint8_t b);
int AlignSendCmd9(CComPort& port, std::uint8_t b);
// '8': the radio writes its memory and restarts. With waitFlag non-zero a good
// send is followed by WaitRadioRestart, whose status is returned.
int AlignSendCmd8(CComPort& port, int waitFlag);
// ';' with record bytes 0, 1 (as stored) and 2: 0 on ACK, else -3.
int AlignSendCmdSemicolon(CComPort& port, const std::uint8_t* record);
// '>': 0 on ACK, else -3.
int AlignSendCmdGreater(CComPort& port);
// '?' with 0x37 when flag is non-zero, else 0x01; no answer. Up to 3 tries on
// a failed send: 0 once one went out, else the status of the last.
int AlignSendCmdQuestion(CComPort& port, int flag);

// 0xF1: writes a radio word; the radio answers with the value it now holds.
// Up to 6 tries. 0; -3 a bad reply; -5 another value came back.
int AlignSendF1(CComPort& port, std::uint8_t wordIndex, std::uint16_t value);
// 0xF3: writes wire block wireBlock (image block - 2) from 128 bytes: 0 on ACK. Up to 6 tries.
int AlignWriteBlock(CComPort& port, std::uint8_t wireBlock, const std::uint8_t* data);

// Word i of a word buffer (bytes 2i low, 2i + 1 high).
inline std::uint16_t AlignWord(const std::uint8_t* words, int i) {
  return std::uint16_t(words[2 * i] | words[2 * i + 1] << 8);
}
inline void SetAlignWord(std::uint8_t* words, int i, std::uint16_t value) {
  words[2 * i] = std::uint8_t(value);
  words[2 * i + 1] = std::uint8_t(value >> 8);
}

// Writes word 2 = the low 16 bits of the sum of words 3..16 of the word buffer
// (256 bytes) with AlignSendF1, and stores it in the buffer on success. A
// failure shows "!! communication error !!\r\n" in a box of owner.
int AlignSendRecordSum(CComPort& port, ILinkDialog& owner, std::uint8_t* words);

// After '8': waits up to 20 s (by the port's pacing clock) for RADIO_READY,
// answers it with the bare mode byte (its echo is left to the next drain),
// waits 1,500 ms and sends '>' up to 5 times. 0 on ACK, else the last status;
// -3 when the radio sends NAK; -2 when 20 s passed without RADIO_READY.
int WaitRadioRestart(CComPort& port);
