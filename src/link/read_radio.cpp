#include "link/read_radio.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "link/clone_protocol.h"
#include "model/conversions.h"

namespace {

constexpr int kWordErrorLimit = 10;   // bad word answers of the word phase
constexpr int kBlockErrorLimit = 20;  // bad block answers
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
      : m_s{port, ui, settings},
        m_model(model),
        m_image(kImageSize, 0xFF),
        m_tail(model.tail.begin(), model.tail.end()) {}

  int Run() {
    const TransferSettings& cfg = m_s.settings;
    const int n = cfg.eepromSizeCode;
    if (int st = WordPhase(n); st != kTransferDone) return st;
    if (int st = IdentityChecks(); st != kTransferDone) return st;
    if (int st = BlockPhase(n); st != kTransferDone) return st;
    if (int st = AdjustmentPhase(); st != kTransferDone) return st;

    m_s.BlockLine(kReceiveBlock, kLastAdjustmentBlock, kLastAdjustmentBlock);
    m_s.ui.SetProgressPos(kLastAdjustmentBlock + 1);
    m_s.Sleep(2000);
    m_s.ui.MessageBeep();
    m_model.UnpackImage(m_model.image.data());
    g_bModified = 0;
    return kTransferDone;
  }

 private:
  // Words 0 .. 64 (n + 1) - 1, with the power cycle at the first failure.
  int WordPhase(int n) {
    const int words = 64 * (n + 1);
    for (int i = 0; i < words;) {
      if (m_s.ui.CheckUserAbort()) return kTransferAborted;
      std::uint16_t value = 0;
      const int st = CloneReadWord(m_s.port, std::uint8_t(i), value);
      if (st == kCommDone) {
        m_image[2 * std::size_t(i)] = std::uint8_t(value);
        m_image[2 * std::size_t(i) + 1] = std::uint8_t(value >> 8);
        ++i;
        m_s.BlockLine(kReceiveBlock, n, m_s.settings.blockCount);
        m_s.ui.SetProgressPos(n);
      } else if (m_errors == 0) {
        if (int r = m_s.PowerCycle("uploading"); r != kTransferDone) return r;
        m_s.Lines("Please wait", "");
        m_errors = 2;
      } else if (st == kCommError && ++m_errors > kWordErrorLimit) {
        return m_s.FailLine(" Upload Error!");
      }
      m_s.Sleep(3);
    }
    return kTransferDone;
  }

  int IdentityChecks() {
    const TransferSettings& cfg = m_s.settings;
    m_total = cfg.blockCount;
    if (!IsProductionType11(m_image[img::kProductionType])) {
      m_total = kTotalOtherModels;
      m_s.ui.SetProgressRange(0, m_total);
    }
    if (!cfg.modeM && m_image[img::kProductionType] != 11) return m_s.FailBox("Production type mismatch!");
    if (!cfg.modeM && m_image[img::kHardware] != 0x61 && m_image[img::kHardware] != 0x01)
      return m_s.FailBox("Hardware configuration mismatched!");
    // Nothing ever sets the program's own radio-password buffer: any password
    // that is not empty must be typed.
    if (m_image[img::kPassword] != 0) {
      const std::string expected = RadioPassword(m_image.data());
      const auto typed = m_s.ui.AskRadioPassword();
      if (!typed || std::string(typed->c_str()) != expected) return m_s.FailBox("Password mismatched!");
    }
    return kTransferDone;
  }

  // Reads image block b through wire block b - 2 until it arrives. Every
  // attempt looks for Esc first and is followed by the block line (`shown`
  // once the block is in, b while it is asked again), the progress and 2 ms.
  int ReadBlock(int b, std::uint8_t* out, int shown, int total) {
    for (;;) {
      if (m_s.ui.CheckUserAbort()) return kTransferAborted;
      const int st = CloneReadBlock(m_s.port, std::uint8_t(b - kWireBlockOffset), out);
      if (st == kCommError && ++m_errors > kBlockErrorLimit) return m_s.FailLine(" Upload Error!");
      const int position = st == kCommDone ? shown : b;
      m_s.BlockLine(kReceiveBlock, position, total);
      m_s.ui.SetProgressPos(position);
      m_s.Sleep(2);
      if (st == kCommDone) return kTransferDone;
    }
  }

  int BlockPhase(int n) {
    const TransferSettings& cfg = m_s.settings;
    m_s.BlockLine(kReceiveBlock, n + 1, m_total);
    m_s.ui.SetProgressPos(n + 1);
    std::uint8_t data[kBlockSize];
    // The word area ends at block n; the first wire block is image block 2.
    const int count = std::min(cfg.blockCount, kMaxBlockCount);
    for (int b = std::max(n + 1, kWireBlockOffset); b < count; ++b) {
      if (!ReadRequestsBlock(cfg, m_image.data(), b)) {
        if (m_s.ui.CheckUserAbort()) return kTransferAborted;
        m_s.BlockLine(kReceiveBlock, b + 1, m_total);
        m_s.ui.SetProgressPos(b + 1);
        m_s.Sleep(2);
        continue;
      }
      if (int st = ReadBlock(b, data, b + 1, m_total); st != kTransferDone) return st;
      // The last block of the count is asked for but not kept.
      if (b <= cfg.memMap4 || b <= cfg.blockCount - 2)
        std::memcpy(&m_image[std::size_t(b) * kBlockSize], data, kBlockSize);
    }
    return kTransferDone;
  }

  int AdjustmentPhase() {
    const TransferSettings& cfg = m_s.settings;
    m_s.ui.SetProgressRange(0, kLastAdjustmentBlock);
    std::uint8_t data[kBlockSize];
    for (int b = kFirstAdjustmentBlock; b <= kLastAdjustmentBlock; ++b) {
      if (int st = ReadBlock(b, data, b, kLastAdjustmentBlock); st != kTransferDone) return st;
      std::memcpy(&m_tail[std::size_t(b - kFirstAdjustmentBlock) * kBlockSize], data, kBlockSize);
      std::memcpy(&m_image[std::size_t(b) * kBlockSize], data, kBlockSize);
    }
    // The read is complete: only now do image, tail and model change. The
    // radio's adjustment tables do not replace the model's: the tail takes the
    // model's tables again, keeping the radio's serial number.
    if (!cfg.romEditorTransfer && !cfg.modeM) m_model.store.PackTuning(m_image.data(), m_tail.data());
    std::copy(m_image.begin(), m_image.end(), m_model.image.begin());
    std::copy(m_tail.begin(), m_tail.end(), m_model.tail.begin());
    m_model.UnpackImage(m_model.image.data());
    m_model.UnpackImageTail(m_model.image.data(), m_model.tail.data(), 0);
    return kTransferDone;
  }

  TransferSession m_s;
  CEditModel& m_model;
  std::vector<std::uint8_t> m_image;  // the scratch image (kImageSize bytes)
  std::vector<std::uint8_t> m_tail;   // the scratch tail
  int m_errors = 0;                   // one failure counter for the whole read
  int m_total = 0;                    // shown only
};

}  // namespace

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
  if (settings.blockPushMode) return blockPush ? blockPush(port, ui, settings, model) : kTransferFailed;
  WordModeRead read(port, ui, settings, model);
  return read.Run();
}
