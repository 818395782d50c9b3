// The word-mode clone protocol: frames of command, length, data and an 8-bit
// sum, exchanged with the radio through the programming cable, which echoes
// every byte the computer writes. Every routine answers with a status
// (kCommDone, kCommError, kCommTimeout) and shows nothing; the transfer
// procedures decide about retries and messages.
#pragma once

#include <cstddef>
#include <cstdint>

#include "link/serial_port.h"

// Control bytes.
inline constexpr std::uint8_t RADIO_READY = 0x50;  // the radio was switched on in programming mode
inline constexpr std::uint8_t ACK = 0x06;
inline constexpr std::uint8_t NAK = 0x15;
inline constexpr std::uint8_t kWordModeByte = 0x40;  // sent once after RADIO_READY

// Word-mode commands. 16-bit values go high byte first on the wire; the image
// keeps word i little-endian at bytes 2i and 2i + 1.
inline constexpr std::uint8_t CMD_READ_WORD = 0xF0;    // index -> F0 03 hi lo
inline constexpr std::uint8_t CMD_WRITE_WORD = 0xF1;   // index hi lo -> F1 03 hi lo (the value now stored)
inline constexpr std::uint8_t CMD_READ_BLOCK = 0xF2;   // wire block -> F2 81 <128 bytes>
inline constexpr std::uint8_t CMD_WRITE_BLOCK = 0xF3;  // wire block <128 bytes> -> ACK

// Wire block w is image block w + 2: the first two image blocks are reached word by word.
inline constexpr int kWireBlockOffset = 2;
inline constexpr std::size_t kCloneBlockSize = 128;

// (command + length + the length - 1 data bytes) modulo 256.
std::uint8_t FrameChecksum(std::uint8_t command, std::uint8_t length, const std::uint8_t* data);

// Sends one frame with length - 1 data bytes and reads the cable's echo:
// command and length singly, then the data in bursts of 16 (each burst's echo
// read before the next goes out), then the rest with the checksum. The echo is
// read, never compared. 0 sent, 1 a write failed.
int CloneSendFrame(CComPort& port, std::uint8_t command, std::uint8_t length, const std::uint8_t* data);
// Receives a frame that must carry command and length; data (length - 1
// bytes) is written only when the whole frame is good. After a wrong command
// or length the rest of that answer is drained, so the next request starts on
// a quiet line.
int CloneReceiveFrame(CComPort& port, std::uint8_t command, std::uint8_t length, std::uint8_t* data);

// value is written only on success.
int CloneReadWord(CComPort& port, std::uint8_t index, std::uint16_t& value);
// With noVerify 0, an answer carrying another value than the one sent is status 1.
int CloneWriteWord(CComPort& port, std::uint8_t index, std::uint16_t value, int noVerify);
// out (128 bytes) is written only on success.
int CloneReadBlock(CComPort& port, std::uint8_t wireBlock, std::uint8_t* out);
// frame: the wire block number followed by 128 data bytes. The radio answers
// one byte: ACK is 0, any other byte 1, none within 300 ms 2.
int CloneWriteBlock(CComPort& port, const std::uint8_t* frame);

// Entering word mode once the user switches the radio off and on: waits for
// RADIO_READY (other bytes are skipped) without limit. 0 ready, 1 the port
// failed, 2 Esc.
int WaitRadioReady(CComPort& port, ILinkDialog& dialog);
// Writes the word-mode byte and reads its echo; false when the write failed
// (the lead is not connected).
bool EnterWordMode(CComPort& port);
