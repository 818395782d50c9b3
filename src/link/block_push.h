// Block-push transfers: radios with the block-push memory map push their
// blocks to the computer one after another on a read and take numbered blocks
// on a send, each answered with ACK or NAK. Block k of such a radio is image
// block k; in the word area (blocks 0..n) the two bytes of every word travel
// swapped. The radio's last block (count - 1) is its adjustment block and
// belongs to the image's tail.
//
// The two engines plug into ReadFromRadio and SendToRadio, which do the common
// start steps (port, progress range, total and start block) and hand over:
//
//   ReadFromRadio(port, ui, settings, model, ReadFromRadioBlockPush);
//   SendToRadio(port, ui, settings, model, SendOptions{oneBlock, SendToRadioBlockPush});
#pragma once

#include <array>
#include <cstdint>

#include "link/transfer_ui.h"
#include "model/edit_model.h"

// Control bytes of block-push mode, computer to radio.
inline constexpr std::uint8_t kPushRequestByte = 0x70;   // "push your blocks"
inline constexpr std::uint8_t kPushCloneByte = 0x20;     // after RADIO_READY: enter block-push cloning
inline constexpr std::uint8_t kPushReceiveByte = 0x60;   // "take my blocks"
inline constexpr std::uint8_t kFirmwareModeByte = 0x30;  // after RADIO_READY: the firmware check
inline constexpr std::uint8_t kPushFrameLength = 0x82;   // start, 0x82, block number, 128 data bytes, sum
inline constexpr std::uint8_t kPushSendCommand = 0x21;
inline constexpr std::uint8_t kPushSendCommandModeM = 0x25;

// The firmware block the send examines after a power cycle, and the bytes
// that replace its data bytes 5..116 when bytes 5 and 6 are 05 3C.
inline constexpr std::uint8_t kFirmwareBlock = 0x37;
inline constexpr std::size_t kFirmwarePatchOffset = 5;
extern const std::array<std::uint8_t, 112> kFirmwarePatch;

// True for a byte that starts a pushed frame (0x20..0x2F).
constexpr bool IsPushFrameStart(std::uint8_t b) { return (b & 0xF0) == 0x20; }

// Swaps the two bytes of every word of a 128-byte block (wire <-> image order).
void SwapWordBytes(const std::uint8_t* from, std::uint8_t* to);

// The send's checksum in image bytes 2 (low) and 3 (high): the sum of image
// bytes 4..2k+1, k = 14 at flash start 0x38000, else 12.
void StoreBlockPushChecksum(std::uint8_t* image, std::uint32_t flashStart);

// The block-push read: kTransferDone, kTransferAborted (Esc) or
// kTransferFailed (the user has been told why). The pushed blocks go to a
// scratch image (0xFF where nothing came) and the last one to a scratch copy
// of the tail; only a completed read replaces model.image and the tail's first
// block, unpacks the image (not the tail) and clears g_bModified. A failed or
// aborted read changes nothing. The caller keeps the data-file name as it was.
int ReadFromRadioBlockPush(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model);

// The block-push send of blocks startBlock..total - 1 (never beyond the
// memory map's count): packs a copy of the image (not for a memory-editor
// transfer; a refused pack ends the send), stores the checksum in it and sends
// it, the last block from the tail. The copy replaces model.image only when the
// send is done. When the radio cannot be told to receive, the user switches it
// off and on; a VHF radio then has its firmware block checked and patched, and
// the send starts again at block 0.
int SendToRadioBlockPush(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model,
                         int startBlock, int total);
