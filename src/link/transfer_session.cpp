#include <algorithm>

#include "link/clone_protocol.h"
#include "link/transfer_ui.h"

namespace {

constexpr int kWordErrorLimit = 10;   // bad word answers of a word phase
constexpr int kBlockErrorLimit = 20;  // bad block answers
constexpr const char* kReceiveBlock = "Receive block %i / %i";

}  // namespace

ScratchImage::ScratchImage(const CEditModel& model, Kind kind)
    : image(kind == kErased ? std::vector<std::uint8_t>(kImageSize, 0xFF)
                            : std::vector<std::uint8_t>(model.image.begin(), model.image.begin() + kImageSize)),
      tail(model.tail.begin(), model.tail.end()),
      received(kind == kErased ? ImageBlocks() : AllImageBlocks()) {}

void ScratchImage::CommitTo(CEditModel& model) const {
  std::copy(image.begin(), image.end(), model.image.begin());
  std::copy(tail.begin(), tail.end(), model.tail.begin());
}

int TransferSession::PowerCycle(const char* action) {
  Lines("Switch radio OFF, then", std::string("back ON to start ") + action);
  const int st = WaitRadioReady(port, ui);
  if (st == kCommTimeout) return kTransferAborted;  // Esc
  // A port that fails while waiting has lost its lead; the word-mode byte
  // cannot go out either.
  if (st != kCommDone || !EnterWordMode(port)) return LeadError();
  Lines("", "");
  return kTransferDone;
}

int TransferSession::ReadWordPhase(std::uint8_t* image, int words, int& errors) {
  const int n = settings.eepromSizeCode;
  for (int i = 0; i < words;) {
    if (ui.CheckUserAbort()) return kTransferAborted;
    std::uint16_t value = 0;
    const int st = CloneReadWord(port, std::uint8_t(i), value);
    if (st == kCommDone) {
      image[2 * std::size_t(i)] = std::uint8_t(value);
      image[2 * std::size_t(i) + 1] = std::uint8_t(value >> 8);
      ++i;
      BlockLine(kReceiveBlock, n, settings.blockCount);
      ui.SetProgressPos(n);
    } else if (errors == 0) {
      if (int r = PowerCycle("uploading"); r != kTransferDone) return r;
      Lines("Please wait", "");
      errors = 2;
    } else if (st == kCommError && ++errors > kWordErrorLimit) {
      return FailLine(" Upload Error!");
    }
    Sleep(3);
  }
  return kTransferDone;
}

int TransferSession::ReadBlock(int b, std::uint8_t* out, int shown, int total, int& errors) {
  return Retry(errors, kBlockErrorLimit, " Upload Error!", [&] {
    const int st = CloneReadBlock(port, std::uint8_t(b - kWireBlockOffset), out);
    const int position = st == kCommDone ? shown : b;
    BlockLine(kReceiveBlock, position, total);
    ui.SetProgressPos(position);
    Sleep(2);
    return st;
  });
}
