#include "link/send_radio.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "link/block_push.h"
#include "link/clone_protocol.h"
#include "model/conversions.h"

char g_serialNumberBuffer[9] = {};

namespace {

constexpr int kWordErrorLimit = 10;   // bad answers to word reads and writes
constexpr int kBlockErrorLimit = 20;  // bad answers to block transfers
constexpr int kReadyErrorLimit = 20;  // bad answers while the radio comes up
constexpr int kTotalOtherModels = 192;
constexpr std::uint32_t kDefaultFlashStart = 0x38000;
constexpr std::uint16_t kMarkerSending = 0xFFFF;
constexpr std::uint16_t kMarkerDone = 0xA55A;
constexpr int kAdjustmentBytes = 3 * int(kBlockSize);
constexpr int kMaxBlockCount = 256;  // the image holds 257 blocks, the last an adjustment block
constexpr const char* kSendBlock = "Send block %i / %i";

// What the send takes into the model from the radio before packing: the
// tuning tables and the identity. Kept so that a send that does not complete
// can put the model back.
struct ModelSnapshot {
  CTuningData tuning;
  std::uint32_t field0 = 0;
  char version[6] = {};
  char serial[9] = {};
  std::uint32_t esnWord1 = 0, esnWord2 = 0;

  explicit ModelSnapshot(const CEditModel& model) : tuning(model.store.tuning) {
    const CRadioIdentity& id = model.identity;
    field0 = id.field0;
    std::memcpy(version, id.version, sizeof version);
    std::memcpy(serial, id.serial, sizeof serial);
    esnWord1 = id.esnWord1;
    esnWord2 = id.esnWord2;
  }
  void Restore(CEditModel& model) const {
    model.store.tuning = tuning;
    CRadioIdentity& id = model.identity;
    id.field0 = field0;
    std::memcpy(id.version, version, sizeof version);
    std::memcpy(id.serial, serial, sizeof serial);
    id.esnWord1 = esnWord1;
    id.esnWord2 = esnWord2;
  }
  bool Differs(const CEditModel& model) const {
    const CTuningData& t = model.store.tuning;
    const CRadioIdentity& id = model.identity;
    return std::memcmp(t.imageBytes, tuning.imageBytes, sizeof t.imageBytes) != 0 ||
           t.referenceWord != tuning.referenceWord || t.base != tuning.base || t.slopeAbove != tuning.slopeAbove ||
           t.slopeBelow != tuning.slopeBelow ||
           !std::equal(std::begin(t.frequencies), std::end(t.frequencies), std::begin(tuning.frequencies)) ||
           std::memcmp(t.rows, tuning.rows, sizeof t.rows) != 0 || id.field0 != field0 ||
           std::strncmp(id.version, version, sizeof version) != 0 ||
           std::strncmp(id.serial, serial, sizeof serial) != 0 || id.esnWord1 != esnWord1 || id.esnWord2 != esnWord2;
  }
};

bool AllDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class WordModeSend {
 public:
  WordModeSend(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model, int start,
               int total, bool oneBlock)
      : m_s{port, ui, settings},
        m_model(model),
        m_scratch(model, ScratchImage::kCopy),
        m_t(kAdjustmentBytes, 0xFF),
        m_start(start),
        m_total(total),
        m_oneBlock(oneBlock) {}

  int Run() {
    if (int st = Checks(); st != kTransferDone) return st;
    if (int st = AdjustmentChecksum(); st != kTransferDone) return st;
    if (int st = AdjustmentBlocksAndModel(); st != kTransferDone) return st;
    if (m_s.settings.modeS) {
      if (int st = SerialStamp(); st != kTransferDone) return st;
    }
    if (int st = WordWrites(); st != kTransferDone) return st;
    if (int st = BlockWrites(); st != kTransferDone) return st;

    // Without the marker the radio keeps "send in progress": it is written
    // until it takes, like any verified word.
    if (int st = WriteWord(m_s.settings.memMap8, kMarkerDone, false); st != kTransferDone) return st;
    m_s.BlockLine(kSendBlock, m_total, m_total);
    m_s.ui.SetProgressPos(m_total);
    m_s.Sleep(2000);
    m_s.ui.MessageBeep();
    m_scratch.CommitTo(m_model);
    return kTransferDone;
  }

 private:
  bool Type11() const { return IsProductionType11(m_model.store.ProductionType()); }
  void StoreWord(int i, std::uint16_t value) {
    m_image[2 * std::size_t(i)] = std::uint8_t(value);
    m_image[2 * std::size_t(i) + 1] = std::uint8_t(value >> 8);
  }

  // Asks for word i until it arrives: Esc is looked for before each attempt,
  // 3 ms pass after it, a bad answer counts against the word limit and a
  // silent radio is simply asked again.
  int ReadWordRetrying(int i, std::uint16_t& value) {
    return m_s.Retry(m_errors, kWordErrorLimit, " Download Error!", [&] {
      const int st = CloneReadWord(m_s.port, std::uint8_t(i), value);
      m_s.Sleep(3);
      return st;
    });
  }

  int Checks() {
    const TransferSettings& cfg = m_s.settings;
    const CEditModel& model = m_model;
    const bool programmed = std::any_of(std::begin(model.store.channels), std::end(model.store.channels),
                                        [](const CChannelData& c) { return c.IsProgrammed(); });
    if (!programmed) return m_s.FailBox("RF Ch. #1 has not been programmed.");

    std::uint16_t value = 0;
    int st = CloneReadWord(m_s.port, 16, value);
    m_s.Sleep(50);
    if (st != kCommDone) {
      if (int r = m_s.PowerCycle("downloading"); r != kTransferDone) return r;
      st = m_s.Retry(m_errors, kReadyErrorLimit, " Download Error!",
                     [&] { return CloneReadWord(m_s.port, 16, value); });
      if (st != kTransferDone) return st;
    }

    if (CloneReadWord(m_s.port, 1, value) != kCommDone) return m_s.FailBox("Download Error!");
    if (!cfg.modeM && (value >> 8) != 11) return m_s.FailBox("Production type mismatch!");

    if (CloneReadWord(m_s.port, 16, value) != kCommDone) return m_s.FailBox("Download Error!");
    if (!cfg.modeM && (value & 0x60u) != model.global.bandFlag)
      return m_s.FailBox("Hardware configuration mismatched!");

    // A link test: wire block 0 must come through.
    std::uint8_t data[kBlockSize];
    st = m_s.Retry(m_errors, kBlockErrorLimit, " Download Error!", [&] {
      const int read = CloneReadBlock(m_s.port, 0, data);
      if (read != kCommDone) m_s.Sleep(5);
      return read;
    });
    if (st != kTransferDone) return st;

    if (CloneReadWord(m_s.port, 124, value) != kCommDone) return m_s.FailBox("Download Error!");
    if (!cfg.modeM && ((value >> 8) & 0x40) != (model.global.systemType & 0x40))
      return m_s.FailBox("Hardware configuration mismatched!");
    return kTransferDone;
  }

  // The adjustment words from the last down to the first, summed, and the
  // radio's checksum word compared with the sum.
  int AdjustmentChecksum() {
    const TransferSettings& cfg = m_s.settings;
    std::uint16_t sum = 0, value = 0;
    for (int i = cfg.memMap6; i >= AdjustmentSumFirst(cfg); --i) {
      if (int st = ReadWordRetrying(i, value); st != kTransferDone) return st;
      if (!cfg.modeM) StoreWord(i, value);
      sum = std::uint16_t(sum + value);
    }
    // The checksum word is read like the others, so only a value that arrived
    // is compared.
    if (int st = ReadWordRetrying(kAdjustmentChecksumWord, value); st != kTransferDone) return st;
    if (value != sum) {
      m_s.FailBox("Adjustment Data Checksum mismatched!");
      StoreWord(kAdjustmentChecksumWord, sum);
      CloneWriteWord(m_s.port, kAdjustmentChecksumWord, sum, 0);
    }
    return kTransferDone;
  }

  int AdjustmentBlocksAndModel() {
    const TransferSettings& cfg = m_s.settings;
    const int m7 = cfg.memMap7;
    for (int b = m7; b < m7 + 3; ++b) {
      const int st = m_s.Retry(m_errors, kBlockErrorLimit, " Upload Error!", [&] {
        const int read =
            CloneReadBlock(m_s.port, std::uint8_t(b - kWireBlockOffset), &m_t[std::size_t(b - m7) * kBlockSize]);
        if (read != kCommDone) m_s.Sleep(10);
        return read;
      });
      if (st != kTransferDone) return st;
    }

    if (cfg.modeM) return m_model.PackImage(m_image.data()) ? kTransferDone : kTransferFailed;
    if (cfg.romEditorTransfer) return kTransferDone;  // sent as the editor left it

    // FF FF 59 63 in the adjustment data: the radio keeps the model's tables.
    static constexpr std::uint8_t kKeepModelTuning[4] = {0xFF, 0xFF, 0x59, 0x63};
    if (std::memcmp(&m_t[123], kKeepModelTuning, sizeof kKeepModelTuning) == 0) {
      m_model.store.UnpackTuning(m_image.data(), &m_image[std::size_t(m7) * kBlockSize], 0);
    } else {
      m_model.store.UnpackTuning(m_image.data(), m_t.data(), 1);
    }
    std::uint16_t version = 0;
    if (CloneReadWord(m_s.port, 0, version) != kCommDone) return m_s.FailLine(" Upload Error!");
    StoreWord(0, version);
    FillSerialBuffer();
    m_model.identity.UnpackFromImage(m_image.data(), m_t.data());
    return m_model.PackImage(m_image.data()) ? kTransferDone : kTransferFailed;
  }

  // An empty serial-number buffer takes the model's serial number.
  void FillSerialBuffer() {
    if (g_serialNumberBuffer[4] == '\0') {
      std::memcpy(g_serialNumberBuffer, m_model.identity.SerialText(), 8);
      g_serialNumberBuffer[8] = '\0';
    }
  }

  int SerialStamp() {
    FillSerialBuffer();  // also in "-m" mode, which skips the identity step
    m_s.ui.SetMessageLine2("Serial No.(MAX 4 fig)");
    // The count-up reads the four characters as a decimal number: only digits
    // are taken. The edit starts with the buffer's last four characters when
    // they are digits (a serial number ending in hexadecimal letters starts it
    // empty), so a prompt ended without typing always gives a number.
    std::string initial(g_serialNumberBuffer + 4, strnlen(g_serialNumberBuffer + 4, 4));
    if (!AllDigits(initial)) initial.clear();
    std::string typed = m_s.ui.AskSerialNumber(initial);
    while (!AllDigits(typed)) {
      m_s.ui.MessageBeep();
      typed = m_s.ui.AskSerialNumber(initial);
    }
    m_s.ui.SetMessageLine2("");
    if (typed.size() > 4) typed.resize(4);
    const std::string digits = std::string(4 - typed.size(), '0') + typed;
    std::memcpy(g_serialNumberBuffer + 4, digits.data(), 4);
    g_serialNumberBuffer[8] = '\0';
    m_model.identity.SetSerialText(g_serialNumberBuffer);
    m_model.identity.PackToImage(m_image.data(), m_t.data());

    // The third adjustment block carries the serial number.
    std::uint8_t frame[1 + kBlockSize];
    frame[0] = std::uint8_t(m_s.settings.memMap7);
    std::memcpy(frame + 1, &m_t[2 * kBlockSize], kBlockSize);
    m_errors = 0;
    const int st = m_s.Retry(m_errors, kBlockErrorLimit, " Download Error!", [&] {
      const int written = CloneWriteBlock(m_s.port, frame);
      if (written == kCommError) m_s.Sleep(30);  // a silent radio is asked again at once
      return written;
    });
    if (st != kTransferDone) return st;

    // The next radio gets the next number.
    int number = std::stoi(std::string(g_serialNumberBuffer + 4, 4));
    number = (number + 1) % 10000;
    char next[12];
    std::snprintf(next, sizeof next, "%04d", number);
    std::memcpy(g_serialNumberBuffer + 4, next, 4);
    std::memcpy(m_model.identity.serial + 4, next, 4);
    return kTransferDone;
  }

  // One word of the word area, written until the radio has it.
  int WriteWord(int i) {
    const bool noVerify = i == 15 || (i >= 54 && i <= 58);
    return WriteWord(i, std::uint16_t(m_image[2 * std::size_t(i)] | m_image[2 * std::size_t(i) + 1] << 8), noVerify);
  }
  int WriteWord(int i, std::uint16_t value, bool noVerify) {
    return m_s.Retry(m_errors, kWordErrorLimit, " Download Error!", [&] {
      const int st = CloneWriteWord(m_s.port, std::uint8_t(i), value, noVerify ? 1 : 0);
      m_s.Sleep(30);
      return st;
    });
  }

  bool SkipsWord(int i) const {
    if (i == 118) return true;
    if (Type11()) return i > 124;
    return i < 17 || i == 111 || i > 125;
  }

  // A corrected word, written once: a silent radio is passed over.
  int WriteCorrectedWord(int i) {
    if (m_s.ui.CheckUserAbort()) return kTransferAborted;
    const std::uint16_t value = std::uint16_t(m_image[2 * std::size_t(i)] | m_image[2 * std::size_t(i) + 1] << 8);
    const int st = CloneWriteWord(m_s.port, std::uint8_t(i), value, 0);
    m_s.Sleep(30);
    if (st == kCommError && ++m_errors > kWordErrorLimit) return m_s.FailLine(" Download Error!");
    return kTransferDone;
  }

  // The option bytes the radio needs whatever the model holds, changed in the
  // image before their word goes out.
  void Correct(int word, bool type11) {
    auto& m = m_image;
    const std::uint32_t e1 = m_model.identity.esnWord1, e2 = m_model.identity.esnWord2;
    switch (word) {
      case 21:
        m[42] |= 0x08;
        break;
      case 91:
        m[182] &= 0x7F;
        break;
      case 92:
        m[185] = std::uint8_t((m[185] & 0xFC) | 0x04);
        break;
      case 93:
        m[186] &= 0x38;
        break;
      case 101:
        m[203] = 0;
        m[202] &= 0x0F;
        break;
      case 102:
        m[205] = std::uint8_t((m[205] & 0x7D) | 0x20);
        break;
      case 104:
        m[209] = std::uint8_t((m[209] & 0xEF) | 0x08);
        m[208] &= 0xF9;
        break;
      case 106:
        m[213] = std::uint8_t((m[213] & 0xF1) | 0x09);
        break;
      case 112:
        m[224] = 0xFF;
        m[225] = 0xFF;
        break;
      case 113:
        m[227] = 0xFE;
        break;
      case 114:
        m[228] = 0xFF;
        m[229] = 0xFF;
        break;
      case 115:
        m[230] = 0x33;
        m[231] = 0xFE;
        break;
      case 116:
        m[233] = type11 ? std::uint8_t((m[233] & 0xE0) | 0x05) : std::uint8_t((m[233] & 0x80) | 0x25);
        m[232] |= 0x0F;
        break;
      case 120:
        m[241] = std::uint8_t((m[241] & 0xF8) | ((e1 >> 5) & 3));
        m[240] = std::uint8_t(((e1 & 0x1F) << 3) + ((e2 >> 8) & 7));
        break;
      case 121:
        m[243] = std::uint8_t(e2 & 0xFF);
        break;
      case 123:
        m[246] &= 0x20;
        break;
      case 125:
        if (type11) {
          m[251] |= 0xC0;
        } else {
          m[250] = 0xFF;
          m[251] = 0xF8;
        }
        break;
      default:
        break;  // 122 and 126 go as they are
    }
  }

  int CorrectedWords() {
    if (int st = WriteCorrectedWord(122); st != kTransferDone) return st;
    if (m_s.settings.flashStart != kDefaultFlashStart) return kTransferDone;
    static constexpr int kWords[] = {126, 21,  91,  92,  93,  101, 102, 104, 106,
                                     112, 113, 114, 115, 116, 120, 121, 123, 125};
    const bool type11 = Type11();
    for (int word : kWords) {
      if ((word == 91 || word == 93) && !type11) continue;
      Correct(word, type11);
      if (int st = WriteCorrectedWord(word); st != kTransferDone) return st;
    }
    return kTransferDone;
  }

  int WordWrites() {
    const TransferSettings& cfg = m_s.settings;
    const int n = cfg.eepromSizeCode;
    std::uint16_t value = 0;
    if (CloneReadWord(m_s.port, 16, value) != kCommDone) return m_s.FailLine(" Upload Error!");
    if (!cfg.modeM) StoreWord(16, value);
    CloneWriteWord(m_s.port, std::uint8_t(cfg.memMap8), kMarkerSending, 0);
    m_s.Sleep(5);
    m_s.Lines("Please wait", "");
    if (m_start > n) return kTransferDone;

    int first = 0, last = 0;
    if (m_oneBlock && m_start == 0) {
      first = cfg.modeM ? 0 : cfg.memMap6 + 1;
      last = 63;
      m_shown = 0;
    } else if (m_oneBlock) {
      first = 64;
      last = cfg.memMap1;
      m_shown = 1;
    } else if (cfg.modeM) {
      first = 0;
      last = 127;
      m_shown = n + 1;
    } else {
      first = cfg.memMap6 + 1;
      last = cfg.memMap1;
      m_shown = n + 2;
    }
    m_s.BlockLine(kSendBlock, m_shown, m_total);
    m_s.ui.SetProgressPos(m_shown);
    for (int i = first; i <= last; ++i) {
      if (SkipsWord(i)) {
        if (m_s.ui.CheckUserAbort()) return kTransferAborted;
        m_s.Sleep(30);
        continue;
      }
      if (int st = WriteWord(i); st != kTransferDone) return st;
    }
    return CorrectedWords();
  }

  int BlockWrites() {
    const TransferSettings& cfg = m_s.settings;
    if (m_oneBlock && m_start <= cfg.eepromSizeCode) return kTransferDone;
    const bool filtered = cfg.flashStart == kDefaultFlashStart && !cfg.modeM;
    // Wire blocks start at image block 2.
    const int first = std::max(m_oneBlock ? m_start : m_shown, kWireBlockOffset);
    const int count = std::min(cfg.blockCount, kMaxBlockCount);
    const int end = m_oneBlock ? std::min(m_start + 1, count) : count;
    m_errors = 0;
    std::uint8_t frame[1 + kBlockSize];
    for (int b = first; b < end; ++b) {
      if (filtered && !SendWritesBlock(m_image.data(), m_model.global.bandFlag, b)) {
        if (m_s.ui.CheckUserAbort()) return kTransferAborted;
        m_s.BlockLine(kSendBlock, b + 1, m_total);
        m_s.ui.SetProgressPos(b + 1);
        continue;
      }
      frame[0] = std::uint8_t(b - kWireBlockOffset);
      std::memcpy(frame + 1, &m_image[std::size_t(b) * kBlockSize], kBlockSize);
      if (filtered && b == 3) frame[2] = std::uint8_t((frame[2] & 0x3F) | 0x40);
      const int st = m_s.Retry(m_errors, kBlockErrorLimit, " Download Error!", [&] {
        const int written = CloneWriteBlock(m_s.port, frame);
        const int shown = written == kCommDone ? b + 1 : b;
        m_s.BlockLine(kSendBlock, shown, m_total);
        m_s.ui.SetProgressPos(shown);
        m_s.Sleep(30);
        return written;
      });
      if (st != kTransferDone) return st;
      m_errors = 0;
    }
    return kTransferDone;
  }

  TransferSession m_s;
  CEditModel& m_model;
  ScratchImage m_scratch;                               // the image as it is packed and sent
  std::vector<std::uint8_t>& m_image = m_scratch.image;
  std::vector<std::uint8_t> m_t;  // the radio's three adjustment blocks
  int m_start;                        // s
  int m_total;                        // shown only
  bool m_oneBlock;
  int m_shown = 0;   // the block shown during the word writes; normal block writes start there
  int m_errors = 0;  // one failure counter for the send
};

}  // namespace

long ParseBlockNumber(const std::string& text) {
  if (text.empty()) return -1;
  long value = 0;
  int significant = 0;
  for (char c : text) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (digit < 0) return -1;
    if (value != 0 || digit != 0) ++significant;
    if (significant > 8) return -1;
    value = value * 16 + digit;
  }
  return value;
}

bool SendWritesBlock(const std::uint8_t* image, std::uint32_t bandFlag, int b) {
  return b <= image[253] || (b >= 57 && b <= image[252]) || ((image[42] & 0x80) && b >= 107 && b <= 131) ||
         (bandFlag == 0 && b >= 132 && b <= 175) || (b >= 185 && b <= 191);
}

int SendToRadio(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model,
                const SendOptions& options) {
  TransferSession session{port, ui, settings};
  if (!session.OpenPort()) return kTransferFailed;

  int start = 0;
  int total = settings.blockCount;
  if (!IsProductionType11(model.image[img::kProductionType])) total = kTotalOtherModels;
  if (options.oneBlock) {
    if (options.oneBlock->empty()) return session.FailLine(" No input address ");
    const long v = ParseBlockNumber(*options.oneBlock);
    if (v < 0 || v + 1 > settings.blockCount) return session.FailLine("Parameter Error");
    // In word mode a block is either in the word area (0..n) or a wire block
    // (from 2); with a word area of block 0 only, block 1 is neither.
    if (!settings.blockPushMode && v > settings.eepromSizeCode && v < kWireBlockOffset)
      return session.FailLine("Parameter Error");
    start = int(v);
    total = start + 1;
    ui.SetProgressRange(start, start + 1);
  } else {
    ui.SetProgressRange(0, total);
  }
  if (settings.blockPushMode) {
    if (options.blockPush) return options.blockPush(port, ui, settings, model, start, total);
    return SendToRadioBlockPush(port, ui, settings, model, start, total);
  }

  const ModelSnapshot before(model);
  WordModeSend send(port, ui, settings, model, start, total, options.oneBlock.has_value());
  const int result = send.Run();
  if (result != kTransferDone) {
    before.Restore(model);
  } else if (before.Differs(model)) {
    g_bModified = 1;
  }
  return result;
}
