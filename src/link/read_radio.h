// Read from radio, word mode: the radio's memory into the image and its tail,
// and from there into the edit model.
#pragma once

#include <functional>

#include "link/transfer_ui.h"
#include "model/edit_model.h"

// The block-push form of the read, run after the common start steps (port open,
// progress range 0..count) when the memory map is a block-push one;
// ReadFromRadioBlockPush unless another is given.
using BlockPushRead =
    std::function<int(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model)>;

// Reads the radio: kTransferDone, kTransferAborted (Esc) or kTransferFailed
// (the user has been told why). The radio's data go to a scratch image first;
// only a completed read replaces model.image and model.tail and unpacks them,
// so a failed, refused or aborted read leaves image, tail and model as they
// were. Blocks the skip rule passes over hold 0xFF afterwards. The model's
// tuning tables are kept (the tail's tuning part is rewritten from them unless
// the read is the memory editor's or in "-m" mode). A completed read clears
// g_bModified; the caller then clears the data-file name.
int ReadFromRadio(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model,
                  const BlockPushRead& blockPush = {});

// True when the word-mode read requests image block b of `image` (the bytes
// read so far: 42, 252 and 253 decide).
bool ReadRequestsBlock(const TransferSettings& settings, const std::uint8_t* image, int b);
