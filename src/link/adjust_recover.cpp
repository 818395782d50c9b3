#include "link/adjust_recover.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "link/clone_protocol.h"
#include "model/conversions.h"

namespace {

constexpr int kWordErrorLimit = 10;   // bad word answers
constexpr int kBlockErrorLimit = 20;  // bad block answers
constexpr int kAdjustmentBlock = 254;  // image block; the tail holds 254..256
constexpr int kLastAdjustmentBlock = 256;
constexpr int kWordsRead = 17;          // words 0..16
constexpr int kDefaultFileWords = 128;  // the word area written by the first repair
constexpr int kTotalOtherModels = 192;
constexpr std::uint16_t kBlankWord = 0xFFFF;
constexpr const char* kNoSerial = "0B000000";  // the serial text of four zero bytes
constexpr const char* kReceiveBlock = "Receive block %i / %i";
constexpr const char* kSendBlock = "Send block %i / %i";
constexpr const char* kProductionMismatch = "Production mismatch!";
constexpr const char* kHardwareBroken = "Hardware data has been broken.Please contact to Halvard.";

std::uint16_t WordAt(const std::uint8_t* image, int i) {
  return std::uint16_t(image[2 * std::size_t(i)] | image[2 * std::size_t(i) + 1] << 8);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The last four characters of a path, upper-cased, are "X417".
bool HasDataFileExtension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  for (char& c : tail)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return tail == "X417";
}

std::string CurrentDirectory() {
  std::error_code ec;
  auto dir = std::filesystem::current_path(ec);
  return ec ? std::string() : dir.string();
}

void ChangeDirectory(const std::string& dir) {
  if (dir.empty()) return;
  std::error_code ec;
  std::filesystem::current_path(dir, ec);
}

class Recover {
 public:
  Recover(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model,
          const RecoverOptions& options)
      : m_s{port, ui, settings}, m_model(model), m_options(options), m_image(kImageSize, 0xFF) {}

  int Run() {
    if (!m_s.OpenPort()) return kTransferFailed;
    m_s.ui.SetProgressRange(0, m_s.settings.blockCount);
    // Nothing to recover with a block-push memory map; the user's image stays.
    if (m_s.settings.blockPushMode) return kTransferDone;

    // Words 0..16 as the read's word phase takes them, then image block 254.
    if (int st = m_s.ReadWordPhase(m_image.data(), kWordsRead, m_errors); st != kTransferDone) return st;
    m_s.ui.SetProgressRange(0, kAdjustmentBlock);
    std::uint8_t* adjustment = &m_image[std::size_t(kAdjustmentBlock) * kBlockSize];
    if (int st = m_s.ReadBlock(kAdjustmentBlock, adjustment, kAdjustmentBlock, kAdjustmentBlock, m_errors);
        st != kTransferDone)
      return st;
    m_s.BlockLine(kReceiveBlock, kAdjustmentBlock, kAdjustmentBlock);
    m_s.ui.SetProgressPos(kAdjustmentBlock + 1);
    m_s.Sleep(2000);
    m_s.ui.MessageBeep();

    if (m_image[img::kProductionType] != 11) return m_s.FailBox(kProductionMismatch);
    const std::uint16_t h = std::uint16_t(m_image[img::kHardware] << 8 | m_image[img::kHardware + 1]);
    const std::uint8_t cls = m_image[img::kHardware] & 0xE0;
    if (h != kBlankWord && cls != 0x60 && cls != 0) return m_s.FailBox(kProductionMismatch);
    const std::uint16_t a = AdjustmentWord(&m_image[std::size_t(kAdjustmentBlock) * kBlockSize]);

    if (h == kBlankWord) return RepairFromDefaultFile(a);
    if (a == kBlankWord) return RepairFromChosenFile();
    return RepairChecksum(cls, a);
  }

 private:
  // Words first..last of `image`, each verified and asked again until the
  // radio has it.
  int WriteWords(const std::uint8_t* image, int first, int last) {
    int errors = 0;
    for (int i = first; i <= last; ++i) {
      const int st = m_s.Retry(errors, kWordErrorLimit, " Download Error!",
                               [&] { return CloneWriteWord(m_s.port, std::uint8_t(i), WordAt(image, i), 0); });
      if (st != kTransferDone) return st;
    }
    return kTransferDone;
  }

  // Blank hardware word: the band's default file, chosen by the adjustment word.
  int RepairFromDefaultFile(std::uint16_t a) {
    if (a == kBlankWord) return m_s.FailBox(kHardwareBroken);
    const char* file = nullptr;
    if (IsUhfAdjustmentWord(a)) {
      file = kDefaultUhfFile;
    } else if (IsVhfAdjustmentWord(a)) {
      file = kDefaultVhfFile;
    } else {
      return m_s.FailBox(kProductionMismatch);
    }
    if (!m_model.LoadDataFile(file, CurrentDirectory())) return kTransferFailed;
    std::uint8_t* image = m_model.image.data();
    UpdateChecksumWord(m_s.settings, image);
    return WriteWords(image, 0, kDefaultFileWords - 1);
  }

  // Adjustment block blank: every block from a data file of this radio.
  int RepairFromChosenFile() {
    m_s.ui.MessageBeep();
    const std::string remembered = CurrentDirectory();
    std::optional<std::string> path;
    if (m_options.chooseDataFile) path = m_options.chooseDataFile();
    ChangeDirectory(remembered);
    if (!path) return kTransferFailed;
    if (!HasDataFileExtension(*path)) {
      m_s.ui.MessageBox(FormatText("Problem opening file\n    %s\n\n   Press any key", *path), std::string());
      return kTransferFailed;
    }
    m_s.ui.MessageBeep();
    // A file that cannot be loaded has said why; the radio is not touched.
    const int loaded = m_model.LoadDataFile(*path, remembered);
    ChangeDirectory(remembered);
    if (!loaded) return kTransferFailed;

    std::uint8_t* image = m_model.image.data();
    std::uint8_t* tail = m_model.tail.data();
    if (image[img::kHardware] != m_image[img::kHardware] || image[img::kHardware + 1] != m_image[img::kHardware + 1])
      return m_s.FailBox(kProductionMismatch);
    m_model.identity.UnpackFromImage(image, tail);
    if (std::strcmp(m_model.identity.SerialText(), kNoSerial) == 0) {
      if (int st = AskSerialNumber(); st != kTransferDone) return st;
    }
    if (!m_model.PackImage(image)) return kTransferFailed;
    m_model.store.PackTuning(image, tail);
    // The tail is what goes into the adjustment blocks: it carries the serial number too.
    m_model.identity.PackToImage(image, tail);
    return DownloadBlocks(m_s.port, m_s.ui, m_s.settings, image, tail) == kTransferDone ? kTransferDone
                                                                                        : kTransferFailed;
  }

  int AskSerialNumber() {
    std::memcpy(g_serialNumberBuffer, m_model.identity.SerialText(), 8);
    g_serialNumberBuffer[8] = '\0';
    m_s.ui.SetMessageLine2("Serial No.(MAX 8 fig)");
    std::string initial(g_serialNumberBuffer);
    std::string serial;
    for (;;) {
      const std::string typed = m_s.ui.AskSerialNumber(initial);
      if (m_s.ui.CheckUserAbort()) return kTransferAborted;  // the dialog was closed
      serial = typed.substr(0, 8) + std::string(8 - std::min<std::size_t>(typed.size(), 8), '0');
      if (serial.size() > 1 && serial[1] >= 'a' && serial[1] <= 'z') serial[1] = char(serial[1] - 'a' + 'A');
      // Only a text the serial bytes can hold is taken.
      if (m_model.identity.SetSerialText(serial)) break;
      m_s.ui.MessageBeep();
      initial = typed;
    }
    m_s.ui.SetMessageLine2("");
    std::memcpy(g_serialNumberBuffer, serial.data(), 8);
    g_serialNumberBuffer[8] = '\0';
    return kTransferDone;
  }

  // Both present: the adjustment checksum of the words just read.
  int RepairChecksum(std::uint8_t cls, std::uint16_t a) {
    const bool inRange = (cls == 0x60 && IsUhfAdjustmentWord(a)) || (cls == 0 && IsVhfAdjustmentWord(a));
    if (!inRange) return m_s.FailBox(std::string(kHardwareBroken) + "!");
    UpdateChecksumWord(m_s.settings, m_image.data());
    return WriteWords(m_image.data(), 2, kWordsRead - 1);
  }

  TransferSession m_s;
  CEditModel& m_model;
  const RecoverOptions& m_options;
  std::vector<std::uint8_t> m_image;  // the radio's words and adjustment block as read
  int m_errors = 0;                   // one failure counter for the reads
};

}  // namespace

int UpdateChecksumWord(const TransferSettings& settings, std::uint8_t* image) {
  std::uint16_t sum = 0;
  for (int i = settings.memMap6; i >= AdjustmentSumFirst(settings); --i) sum = std::uint16_t(sum + WordAt(image, i));
  image[2 * kAdjustmentChecksumWord] = std::uint8_t(sum);
  image[2 * kAdjustmentChecksumWord + 1] = std::uint8_t(sum >> 8);
  return 0;
}

int DownloadBlocks(CComPort& port, TransferUi& ui, const TransferSettings& settings, const std::uint8_t* image,
                   const std::uint8_t* tail) {
  TransferSession s{port, ui, settings};
  if (!s.OpenPort()) return kTransferFailed;
  const int total = IsProductionType11(image[img::kProductionType]) ? settings.blockCount : kTotalOtherModels;
  ui.SetProgressRange(0, total + 1);
  if (settings.blockPushMode) return kTransferDone;
  s.Lines("Please wait", "");

  // The memory map's blocks below the adjustment area, then the adjustment
  // blocks from the tail.
  const int lastImageBlock = std::min(settings.blockCount - 1, kAdjustmentBlock - 1);
  std::uint8_t frame[1 + kBlockSize];
  int errors = 0;
  auto skipGap = [&](int b) { return b > lastImageBlock && b < kAdjustmentBlock ? kAdjustmentBlock : b; };
  for (int b = skipGap(kWireBlockOffset); b <= kLastAdjustmentBlock; b = skipGap(b + 1)) {
    frame[0] = std::uint8_t(b - kWireBlockOffset);
    const std::uint8_t* data = b >= kAdjustmentBlock ? tail + std::size_t(b - kAdjustmentBlock) * kBlockSize
                                                     : image + std::size_t(b) * kBlockSize;
    std::memcpy(frame + 1, data, kBlockSize);
    const int st = s.Retry(errors, kBlockErrorLimit, " Download Error!", [&] {
      const int written = CloneWriteBlock(port, frame);
      const int shown = written == kCommDone ? skipGap(b + 1) : b;
      s.BlockLine(kSendBlock, shown, total + 1);
      ui.SetProgressPos(shown);
      s.Sleep(30);
      return written;
    });
    if (st != kTransferDone) return st;
    errors = 0;
  }
  ui.SetProgressPos(total + 1);
  s.Sleep(2000);
  ui.MessageBeep();
  return kTransferDone;
}

int RecoverAdjustment(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model,
                      const RecoverOptions& options) {
  Recover recover(port, ui, settings, model, options);
  return recover.Run();
}

bool IsSerialEntryValid(const std::string& text) {
  if (text.size() > 8) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool ok = i == 1 ? (c >= 'C' && c <= 'N') || (c >= 'c' && c <= 'n') : IsDigit(c);
    if (!ok) return false;
  }
  return true;
}

bool SerialEditChange(std::string& text, char (&buffer)[9]) {
  if (IsSerialEntryValid(text)) {
    std::memset(buffer, '0', 8);
    std::memcpy(buffer, text.data(), text.size());
    if (text.size() > 1 && buffer[1] >= 'c' && buffer[1] <= 'n') buffer[1] = char(buffer[1] - 'a' + 'A');
    buffer[8] = '\0';
    return true;
  }
  const std::size_t keep = text.empty() ? 0 : text.size() - 1;
  text.assign(buffer, std::min(keep, strnlen(buffer, 8)));
  return false;
}
