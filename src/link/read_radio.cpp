#include "link/read_radio.h"

#include <algorithm>
#include <cstring>

#include "link/block_push.h"
#include "link/clone_protocol.h"
#include "model/conversions.h"

namespace {

constexpr int kFirstAdjustmentBlock = 254;
constexpr int kLastAdjustmentBlock = 256;
constexpr int kMaxBlockCount = 256;  // the image holds 257 blocks, the last an adjustment block
constexpr int kTotalOtherModels = 192;
constexpr std::uint32_t kDefaultFlashStart = 0x38000;
constexpr const char* kReceiveBlock = "Receive block %i / %i";

// The radio's password, image bytes 34..41, as a text up to its first zero byte.
std::string RadioPassword(const std::uint8_t* image) {
  const char* p = reinterpret_cast<const char*>(image + img::kPassword);
  return std::string(p, strnlen(p, 8));
}

class WordModeRead {
 public:
  WordModeRead(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model)
      : m_s{port, ui, settings}, m_model(model), m_scratch(model, ScratchImage::kErased) {}

  int Run() {
    const TransferSettings& cfg = m_s.settings;
    const int n = cfg.eepromSizeCode;
    if (int st = m_s.ReadWordPhase(m_scratch.image.data(), 64 * (n + 1), m_errors); st != kTransferDone) return st;
    for (int b = 0; b <= n; ++b) m_scratch.received.set(std::size_t(b));
    if (int st = IdentityChecks(); st != kTransferDone) return st;
    if (int st = BlockPhase(n); st != kTransferDone) return st;
    if (int st = AdjustmentPhase(); st != kTransferDone) return st;

    m_s.BlockLine(kReceiveBlock, kLastAdjustmentBlock, kLastAdjustmentBlock);
    m_s.ui.SetProgressPos(kLastAdjustmentBlock + 1);
    m_s.Sleep(2000);
    m_s.ui.MessageBeep();
    m_model.UnpackImage(m_model.image.data(), m_scratch.received);
    g_bModified = 0;
    return kTransferDone;
  }

 private:
  int IdentityChecks() {
    const TransferSettings& cfg = m_s.settings;
    const std::uint8_t* image = m_scratch.image.data();
    m_total = cfg.blockCount;
    if (!IsProductionType11(image[img::kProductionType])) {
      m_total = kTotalOtherModels;
      m_s.ui.SetProgressRange(0, m_total);
    }
    if (!cfg.modeM && image[img::kProductionType] != 11) return m_s.FailBox("Production type mismatch!");
    if (!cfg.modeM && image[img::kHardware] != 0x61 && image[img::kHardware] != 0x01)
      return m_s.FailBox("Hardware configuration mismatched!");
    // Nothing ever sets the program's own radio-password buffer: any password
    // that is not empty must be typed.
    if (image[img::kPassword] != 0) {
      const std::string expected = RadioPassword(image);
      const auto typed = m_s.ui.AskRadioPassword();
      if (!typed || std::string(typed->c_str()) != expected) return m_s.FailBox("Password mismatched!");
    }
    return kTransferDone;
  }

  int BlockPhase(int n) {
    const TransferSettings& cfg = m_s.settings;
    std::uint8_t* image = m_scratch.image.data();
    m_s.BlockLine(kReceiveBlock, n + 1, m_total);
    m_s.ui.SetProgressPos(n + 1);
    std::uint8_t data[kBlockSize];
    // The word area ends at block n; the first wire block is image block 2.
    const int count = std::min(cfg.blockCount, kMaxBlockCount);
    for (int b = std::max(n + 1, kWireBlockOffset); b < count; ++b) {
      if (!ReadRequestsBlock(cfg, image, b)) {
        if (m_s.ui.CheckUserAbort()) return kTransferAborted;
        m_s.BlockLine(kReceiveBlock, b + 1, m_total);
        m_s.ui.SetProgressPos(b + 1);
        m_s.Sleep(2);
        continue;
      }
      if (int st = m_s.ReadBlock(b, data, b + 1, m_total, m_errors); st != kTransferDone) return st;
      // The last block of the count is asked for but not kept.
      if (b <= cfg.memMap4 || b <= cfg.blockCount - 2) {
        std::memcpy(image + std::size_t(b) * kBlockSize, data, kBlockSize);
        m_scratch.received.set(std::size_t(b));
      }
    }
    return kTransferDone;
  }

  int AdjustmentPhase() {
    const TransferSettings& cfg = m_s.settings;
    std::uint8_t* image = m_scratch.image.data();
    std::uint8_t* tail = m_scratch.tail.data();
    m_s.ui.SetProgressRange(0, kLastAdjustmentBlock);
    for (int b = kFirstAdjustmentBlock; b <= kLastAdjustmentBlock; ++b) {
      std::uint8_t* block = tail + std::size_t(b - kFirstAdjustmentBlock) * kBlockSize;
      if (int st = m_s.ReadBlock(b, block, b, kLastAdjustmentBlock, m_errors); st != kTransferDone) return st;
      std::memcpy(image + std::size_t(b) * kBlockSize, block, kBlockSize);
      m_scratch.received.set(std::size_t(b));
    }
    // The read is complete: only now do image, tail and model change. The
    // radio's adjustment tables do not replace the model's: the tail takes the
    // model's tables again, keeping the radio's serial number.
    if (!cfg.romEditorTransfer && !cfg.modeM) m_model.store.PackTuning(image, tail);
    m_scratch.CommitTo(m_model);
    m_model.UnpackImage(m_model.image.data(), m_scratch.received);
    m_model.UnpackImageTail(m_model.image.data(), m_model.tail.data(), 0);
    return kTransferDone;
  }

  TransferSession m_s;
  CEditModel& m_model;
  ScratchImage m_scratch;  // the radio's memory as it arrives
  int m_errors = 0;        // one failure counter for the whole read
  int m_total = 0;         // shown only
};

}  // namespace

bool ReadRequestsBlock(const TransferSettings& settings, const std::uint8_t* image, int b) {
  if (settings.flashStart != kDefaultFlashStart || settings.romEditorTransfer || settings.modeM) return true;
  return b <= image[253] || (b >= 57 && b <= image[252]) || (b >= 185 && b <= 191) || b == settings.memMap7 ||
         ((image[42] & 0x80) && b >= 107 && b <= 131);
}

int ReadFromRadio(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model,
                  const BlockPushRead& blockPush) {
  TransferSession session{port, ui, settings};
  if (!session.OpenPort()) return kTransferFailed;
  ui.SetProgressRange(0, settings.blockCount);
  if (settings.blockPushMode)
    return blockPush ? blockPush(port, ui, settings, model) : ReadFromRadioBlockPush(port, ui, settings, model);
  WordModeRead read(port, ui, settings, model);
  return read.Run();
}
