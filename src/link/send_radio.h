// Send to radio, word mode: checks the radio against the model, takes the
// radio's adjustment data and identity, packs the model and writes the words
// and blocks between the two marker values.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "link/transfer_ui.h"
#include "model/edit_model.h"

// The block-push form of the send, run after the common start steps (port
// open, total and start block chosen, progress range set) when the memory map
// is a block-push one; SendToRadioBlockPush unless another is given.
// startBlock is 0 for a whole send.
using BlockPushSend = std::function<int(CComPort& port, TransferUi& ui, const TransferSettings& settings,
                                        CEditModel& model, int startBlock, int total)>;

struct SendOptions {
  // One-block mode: the hexadecimal block number as typed in the dialog. None
  // for a whole send.
  std::optional<std::string> oneBlock = {};
  BlockPushSend blockPush = {};
};

// Sends the model to the radio: kTransferDone, kTransferAborted (Esc) or
// kTransferFailed (refused or failed; the user has been told why).
//
// The send works on copies: the image it packs and sends replaces model.image
// only when the send is done, and the radio's tuning tables and identity,
// which the model takes before packing, stay in the model only then (and set
// g_bModified when they changed it). A refused or failed send leaves image and
// model as they were; the radio keeps the "send in progress" marker.
// In "-s" mode the radio is stamped with the serial number of the
// serial-number buffer and the buffer is counted up for the next radio.
int SendToRadio(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model,
                const SendOptions& options = {});

// The block number of one-block mode: hexadecimal digits only, at most eight
// significant ones; -1 for anything else (also for an empty text).
long ParseBlockNumber(const std::string& text);

// True when a word-mode send without "-m" at flash start 0x38000 writes image
// block b of the packed `image` (its bytes 42, 252 and 253 and the band flag
// decide).
bool SendWritesBlock(const std::uint8_t* image, std::uint32_t bandFlag, int b);
