#include "model/default_image.h"

#include <algorithm>
#include <cstddef>
#include <memory>

#include "model/edit_model.h"

namespace {

constexpr std::uint8_t kVersion[2] = {0x21, 0x01};  // shown as "01.21"
constexpr std::uint8_t kProductionType = 11;       // the model offered by the MODEL list
// DFA table of the VHF file: rising frequencies from 150.0 MHz in 12.5 kHz steps (10 Hz units).
constexpr std::uint32_t kDfaStart = 15000000;
constexpr std::uint32_t kDfaStep = 1250;
constexpr int kDfaWords = 1345;
constexpr std::size_t kTuningTailSize = 263;  // tail bytes the tuning tables use
constexpr std::size_t kSerialInTail = 380;
constexpr std::uint8_t kSerial[4] = {0x0C, 0x01, 0x00, 0x00};

}  // namespace

bool BuildDefaultDataFile(bool uhf, std::vector<std::uint8_t>& file) {
  auto model = std::make_unique<CEditModel>();
  CEditModel& m = *model;
  if (!uhf) {
    m.global.hardwareByte = 0x01;
    m.global.bandFlag = 0;
    m.freqRange.SetBandDefaults();
  }
  m.ResetEditModel();

  std::vector<std::uint8_t> image(kImageBufferSize, 0);
  std::fill(image.begin(), image.begin() + kImageSize, 0xFF);
  std::uint8_t* img = image.data();

  // Bytes the defaults pack never writes.
  img[0] = kVersion[0];
  img[1] = kVersion[1];
  img[img::kModelWordLow] = 0;
  img[img::kProductionType] = kProductionType;
  img[img::kHardware] = std::uint8_t(m.global.hardwareByte);
  m.store.modelWord = std::uint32_t(kProductionType) << 8;

  if (!m.PackImageDefaults(img)) return false;

  // The tail past the tuning tables, and a serial number ("0N010000").
  std::fill(m.tail.begin() + kTuningTailSize, m.tail.begin() + kSerialInTail, 0);
  std::copy(std::begin(kSerial), std::end(kSerial), m.tail.begin() + kSerialInTail);

  // The 5-Tone lists and tone table as the records start, and the DFA table. The
  // tone table's scale, factor and tolerance are the radio's own and never packed.
  SetBE16(img + five_tone::kScale, m.fiveToneTable.GetScale());
  SetBE16(img + five_tone::kFactor, m.fiveToneTable.GetFactor());
  img[five_tone::kTolerance] = std::uint8_t(m.fiveToneTable.GetTolerance());
  m.fiveToneEncode.PackToImage(img);
  m.fiveToneDecode.PackToImage(img);
  m.fiveToneTable.PackToImage(img);
  if (!uhf) {
    for (int k = 0; k < kDfaWords; ++k) m.dfa.SetEntry(k, kDfaStart + kDfaStep * std::uint32_t(k));
    m.dfa.PackToImage(img);
  }

  // A pack of the whole model settles every byte a record owns the way a later
  // load and save will, so the file round-trips as it is.
  m.UnpackImage(img);
  m.UnpackImageTail(img, m.tail.data(), 1);
  if (!m.PackImage(img)) return false;

  file.assign(image.begin(), image.begin() + kFileImagePart);
  file.insert(file.end(), m.tail.begin(), m.tail.end());
  return true;
}

std::vector<std::uint8_t> DataFileToQ58(const std::vector<std::uint8_t>& file) {
  constexpr std::size_t kSkip = 21504;
  // The skipped part, then the data file from its 5-Tone block on.
  const std::size_t rest = file.size() > img::kFiveToneBlock ? file.size() - img::kFiveToneBlock : 0;
  std::vector<std::uint8_t> q58(kSkip + rest, 0xFF);
  std::copy(file.end() - std::ptrdiff_t(rest), file.end(), q58.begin() + std::ptrdiff_t(kSkip));
  return q58;
}

void CEditModel::UseBuiltInDefaults(bool uhf) {
  std::vector<std::uint8_t> file;
  // The defaults of a model just built always pack; a refusal would be a fault of the model itself.
  if (!BuildDefaultDataFile(uhf, file)) return;
  TakeDataFile(file.data(), kFileImagePart, file.data() + kFileImagePart);
}
