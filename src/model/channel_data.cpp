#include "model/channel_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/conversions.h"
#include "model/edit_model.h"
#include "model/global_fields.h"
#include "model/tuning_data.h"

namespace {


// Channel steps in 10 Hz units: [step set][step index].
constexpr int kStepTable[4][4] = {
    {500, 500, 500, 1000},
    {625, 625, 625, 1250},
    {250, 250, 250, 250},
    {125, 125, 125, 125},
};
// One unit of offset k in the image, in 10 Hz units (0.005, 0.00625, 0.0025, 0.00125 MHz).
constexpr int kOffsetScale[4] = {500, 625, 250, 125};
// Reference values of the four groups at 293, 301, 309, 317: reference (MHz) x 1000 x factor.
constexpr double kReferenceFactor[4] = {0.025, 0.02, 0.05, 0.1};
constexpr std::uint8_t kFixed257[4] = {18, 128, 132, 42};  // nine times over 257..292
constexpr std::uint8_t kFixed335[40] = {22,  27,  15,  19,  9,   13,  242, 234, 229, 223, 217, 209, 186, 145,
                                        83,  66,  43,  34,  31,  25,  21,  15,  140, 132, 124, 119, 114, 105,
                                        114, 124, 135, 138, 138, 126, 119, 107, 103, 61,  188, 180};

// Frequency limits in 10 Hz units.
constexpr std::int64_t kUhfLow = 45000000, kUhfHigh = 51200000, kUhfHomeHigh = 51198750;
constexpr std::int64_t kType11Low = 13400000, kVhfHigh = 17400000;
constexpr std::int64_t kKind2Low = 14600000;
constexpr std::int64_t kVhfLow = 15077500, kVhfNarrowHigh = 17339625;

// Default frequencies an unpack gives a channel whose tune word is 0.
constexpr std::int32_t kUhfUnpackDefault = 45000000;
constexpr std::int32_t kVhfUnpackDefault = 15000000;

// Subtrahends of the tune word.
constexpr std::int64_t kUhfTuneBase = 40960;
constexpr std::int64_t kVhfTuneBaseStep2 = 32768;
constexpr std::int64_t kVhfRxTuneBaseStep3 = 131072;
constexpr std::int64_t kVhfTxTuneBaseStep3 = 81920;

bool IsUhf(const CEditModel& m) { return m.global.bandFlag == kUhfBandFlag; }

// A frequency in MHz as 10 Hz units the way its five-decimal text reads.
std::int64_t FiveDecimalUnits(double f) {
  char text[64];
  std::snprintf(text, sizeof text, "%.5f", f);
  std::int64_t n = 0;
  bool negative = false;
  for (const char* c = text; *c; ++c) {
    if (*c == '-') negative = true;
    if (*c >= '0' && *c <= '9') n = n * 10 + (*c - '0');
  }
  return negative ? -n : n;
}

// A frequency in MHz as 10 Hz units, rounded; 0 for a value that is no number.
std::int64_t RoundedUnits(double f) {
  if (!std::isfinite(f) || std::fabs(f) > 1e6) return 0;
  return std::llround(f * 100000.0);
}

std::int32_t ClampToInt32(std::int64_t v) {
  return std::int32_t(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// The 19-bit synthesizer divider of image bytes 1..3 (or 9..11).
std::int64_t ReadDivider(const std::uint8_t* b) {
  return ((std::int64_t((b[0] & 0x1F) << 8) | b[1]) << 6) + (b[2] >> 2);
}

void WriteDivider(std::int64_t n, std::uint16_t& word, std::uint8_t& fraction, std::uint8_t* b) {
  const std::uint32_t u = std::uint32_t(n);
  word = std::uint16_t(0x2000 | ((u >> 6) & 0x1FFF));
  fraction = std::uint8_t(((u & 63) << 2) | 1);
  b[0] = std::uint8_t(word >> 8);
  b[1] = std::uint8_t(word);
  b[2] = fraction;
}

// A packed zero frequency: divider bytes 0 (a real divider always has bit 13 and
// the fraction's bit 0 set) and the tune word 0xFFFF.
bool IsPackedZero(const std::uint8_t* divider, const std::uint8_t* tune) {
  return divider[0] == 0 && divider[1] == 0 && divider[2] == 0 && tune[0] == 0xFF && tune[1] == 0xFF;
}

// The value the tune word subtracts from the divider: one for UHF, by the side's
// step set for VHF (step3Base for set 3; none for sets 0 and 1).
std::int64_t TuneBase(bool uhf, int stepSet, std::int64_t step3Base) {
  if (uhf) return kUhfTuneBase;
  if (stepSet == 2) return kVhfTuneBaseStep2;
  return stepSet == 3 ? step3Base : 0;
}

// One side's frequency (10 Hz units) from its divider bytes and tune word: the
// band's default for a tune word of 0, 0 for a packed zero, else divider x step
// + offset. A divider whose own tune word is 0 (a damaged record: its tune word
// says otherwise) gives the band's default too, as the record saved from it
// would give again, so that a file opens as it was saved.
std::int32_t ReadSide(const std::uint8_t* divider, const std::uint8_t* tune, int step, std::int64_t offset,
                      std::int64_t tuneBase, std::int32_t bandDefault) {
  if (tune[0] == 0 && tune[1] == 0) return bandDefault;
  if (IsPackedZero(divider, tune)) return 0;
  const std::int64_t n = ReadDivider(divider);
  if (std::uint16_t(n - tuneBase) == 0) return bandDefault;
  return ClampToInt32(n * step + offset);
}

// Writes one side: divider n into its three bytes, word and fraction, and the
// tune word n - base (low 16 bits).
void WriteSide(std::int64_t n, std::int64_t tuneBase, std::uint16_t& word, std::uint8_t& fraction,
               std::uint8_t* divider, std::uint8_t* tune) {
  WriteDivider(n, word, fraction, divider);
  SetBE16(tune, std::uint16_t(n - tuneBase));
}

// A tuning-data byte moved by a signed adjustment (bit 7 the sign), kept within 0..255.
std::uint8_t Limit(std::uint8_t base, std::uint8_t adjustment) {
  return std::uint8_t(std::clamp(int(base) + int(std::int8_t(adjustment)), 0, 255));
}

// Option word bits 12..3 from a row byte's two 3-bit fields and a nibble; bits
// 15..14 and 2 set; bits 13, 1 and 0 kept.
std::uint16_t TuningOptionWord(std::uint16_t word, std::uint8_t fields, std::uint8_t nibble) {
  return std::uint16_t((word & 0x2003) | 0xC000 | ((fields & 0x3F) << 7) | ((nibble & 0x0F) << 3) | 0x0004);
}

}  // namespace

// ---------------------------------------------------------------- CChannelData

std::int32_t CChannelData::MHzToUnits(double mhz) {
  if (!std::isfinite(mhz)) return 0;
  std::int64_t n = std::int64_t(std::clamp(std::trunc(mhz * 100000.0), double(INT32_MIN), double(INT32_MAX)));
  if (n % 5 != 0) n += 1;
  return ClampToInt32(n);
}

void CChannelData::SetDefaults(const CEditModel& model) {
  const CFreqRangeSection& range = model.freqRange;
  const CTuningData& tuningData = model.store.tuning;
  const bool uhf = IsUhf(model);

  rxWord = txWord = 0x6FFF;
  rxFraction = txFraction = 0xFD;
  optionWordA = optionWordB = 0xDFFC;
  optionByteA = optionByteB = 0xFF;
  std::fill(std::begin(tuning), std::end(tuning), std::uint8_t(0));
  modeByte = kSpacingWide;

  double rx = uhf ? 450.0 : 134.0;
  modeByte |= std::uint8_t((range.CheckFrequency(rx, 4) & 3) << 2);
  if (IsNearWholeMHz(rx)) tuning[1] |= kFlagNearWholeMHz;
  if (CFreqRangeSection::IsNear921600Multiple(rx)) tuning[1] |= kFlagNear921600;
  InterpolateTuning(rx, tuningData);

  // Transmit on the checked receive frequency plus the split; with no split the
  // channel transmits where it receives, inside the band.
  double tx = rx + model.message.GetDefaultSplit();
  modeByte |= std::uint8_t(range.CheckFrequency(tx, 4) & 3);
  if (!uhf && CFreqRangeSection::IsNear80139Multiple(tx)) tuning[1] |= kFlagNear80139;
  SetTuningForFrequency(tx, tuningData);

  rxFreq = MHzToUnits(rx);
  txFreq = MHzToUnits(tx);
  std::memset(name, 0, sizeof name);
  std::memset(name, ' ', 8);
  programmed &= std::uint8_t(~1u);
}

void CChannelData::UnpackFromImage(const std::uint8_t* p, const CEditModel& model) {
  // The image gives nothing of a channel that is not programmed but that: it
  // holds the channel defaults, whatever the record held before.
  if (p[1] == 0xFF) {
    SetDefaults(model);
    return;
  }
  const CFreqRangeSection& range = model.freqRange;
  const std::int32_t bandDefault = IsUhf(model) ? kUhfUnpackDefault : kVhfUnpackDefault;

  // Bits 5..4 are not read: they hold their reset value, 0.
  modeByte = std::uint8_t(p[0] & 0xCF);

  const bool uhf = IsUhf(model);
  rxFreq = ReadSide(p + 1, p + 7, range.StepUnits(RxStepSet()), range.OffsetUnits(RxStepSet()),
                    TuneBase(uhf, RxStepSet(), kVhfRxTuneBaseStep3), bandDefault);
  txFreq = ReadSide(p + 9, p + 15, range.StepUnits(TxStepSet()), 0, TuneBase(uhf, TxStepSet(), kVhfTxTuneBaseStep3),
                    bandDefault);

  programmed |= 1;
  rxWord = GetBE16(p + 1);
  rxFraction = p[3];
  optionWordA = GetBE16(p + 4);
  optionByteA = p[6];
  txWord = GetBE16(p + 9);
  txFraction = p[11];
  optionWordB = GetBE16(p + 12);
  optionByteB = p[14];
  std::memcpy(tuning, p + 17, sizeof tuning);
}

void CChannelData::PackToImage(std::uint8_t* p, const CEditModel& model) {
  std::memset(p, 0, img::kChannelSize);
  if (!IsProgrammed()) {
    rxWord = kEmptyRxWord;
    p[1] = 0xFF;
    p[2] = 0x2E;
    return;
  }
  const CFreqRangeSection& range = model.freqRange;
  const CTuningData& tuningData = model.store.tuning;
  const bool uhf = IsUhf(model);

  if (rxFreq == 0) {
    p[7] = p[8] = 0xFF;
  } else {
    const int set = RxStepSet();
    std::int64_t v = std::int64_t(rxFreq) - range.OffsetUnits(set);
    if (v % 10 == 9) v += 1;
    WriteSide(v / range.StepUnits(set), TuneBase(uhf, set, kVhfRxTuneBaseStep3), rxWord, rxFraction, p + 1, p + 7);
    InterpolateTuning(rxFreq / 100000.0, tuningData);
  }

  if (txFreq == 0) {
    p[15] = p[16] = 0xFF;
  } else {
    const int set = TxStepSet();
    std::int64_t v = txFreq;
    if (v % 5 == 4) v += 1;
    // Keyed on the transmit step set, like the receive side on its own.
    WriteSide(v / range.StepUnits(set), TuneBase(uhf, set, kVhfTxTuneBaseStep3), txWord, txFraction, p + 9, p + 15);
    SetTuningForFrequency(txFreq / 100000.0, tuningData);
  }

  p[0] = modeByte;
  SetBE16(p + 4, optionWordA);
  p[6] = optionByteA;
  SetBE16(p + 12, optionWordB);
  p[14] = optionByteB;
  std::memcpy(p + 17, tuning, sizeof tuning);
}

void CChannelData::InterpolateTuning(double rxMHz, const CTuningData& tuningData) {
  const std::uint8_t* r = tuningData.Row(rxMHz);
  tuning[0] = std::uint8_t(tuningData.Interpolate(rxMHz));
  optionWordA = TuningOptionWord(optionWordA, r[0], std::uint8_t(r[2] >> 4));
  optionByteA = r[3];
}

void CChannelData::SetTuningForFrequency(double txMHz, const CTuningData& tuningData) {
  const std::uint8_t* r = tuningData.Row(txMHz);
  optionWordB = TuningOptionWord(optionWordB, r[1], r[2]);
  optionByteB = r[5];
  tuning[1] &= kFrequencyFlagMask;  // the frequency flags are the pages' and the defaults'
  tuning[2] = r[4];
  tuning[3] = Limit(tuningData.imageBytes[0], r[6]);
  tuning[4] = Limit(tuningData.imageBytes[1], r[7]);
  const bool wide = IsWide();
  tuning[5] = wide ? r[9] : r[10];
  tuning[6] = wide ? r[11] : r[12];
  tuning[7] = r[13];
}

// ----------------------------------------------------------- CFreqRangeSection

void CFreqRangeSection::SetBandDefaults() {
  const bool uhf = Model().global.bandFlag == kUhfBandFlag;
  const double offset = uhf ? 44.25 : 22.05;
  std::fill(std::begin(offsets), std::end(offsets), offset);
  referenceMHz = uhf ? 14.6 : 21.6;
  stepIndex = uhf ? 0 : 2;
  signBits = uhf ? 0x08 : 0x00;
  byte333 = 47;
  Model().message.SetDefaultSplit(CMessageSection::BandDefaultSplit(Model().global.bandFlag));
}

void CFreqRangeSection::Reset() {
  SetBandDefaults();
  flag = 0;
  value5 = 13;
  optionByte = 16;
  nibbleHigh = 2;
  nibbleLow = 8;
  byte375 = 132;
}

void CFreqRangeSection::UnpackFromImage(const std::uint8_t* image) {
  stepIndex = std::uint8_t(image[256] >> 6);
  flag = std::uint8_t((image[256] >> 5) & 1);
  value5 = std::uint8_t(image[256] & 0x1F);
  referenceMHz = double(((image[293] & 0x0F) << 8) | image[294]) * 0.04;
  signBits = 0;
  for (int k = 0; k < 4; ++k) {
    const std::uint8_t* b = image + 325 + 2 * k;
    if (b[0] & 0x80) signBits |= std::uint8_t(1 << k);
    offsets[k] = double(((b[0] & 0x7F) << 8) | b[1]) * kOffsetScale[k] / 100000.0;
  }
  optionByte = std::uint8_t((((image[333] >> 7) & 1) << 4) | ((image[333] >> 6) & 1));
  byte333 = std::uint8_t(image[333] & 0x3F);
  nibbleHigh = std::uint8_t(image[334] >> 4);
  nibbleLow = std::uint8_t(image[334] & 0x0F);
  byte375 = image[375];
}

int CFreqRangeSection::PackToImage(std::uint8_t* image) {
  image[256] = std::uint8_t(((stepIndex & 3) << 6) | ((flag & 1) << 5) | (value5 & 0x1F));
  for (int g = 0; g < 9; ++g) std::memcpy(image + 257 + 4 * g, kFixed257, 4);
  for (int g = 0; g < 4; ++g) {
    const double scaled = referenceMHz * 1000.0 * kReferenceFactor[g] + 1e-6;  // a hair up: 14.6 x 25 is 365
    const int value = std::isfinite(scaled) ? int(std::clamp(scaled, 0.0, 4095.0)) : 0;
    std::uint8_t* b = image + 293 + 8 * g;
    b[0] = b[4] = std::uint8_t(((value >> 8) & 0x0F) | 0xA0);
    b[1] = b[5] = std::uint8_t(value & 0xFF);
    b[2] = 0x22;
    b[3] = 0;
    b[6] = 2;
    b[7] = 0;
  }
  for (int k = 0; k < 4; ++k) {
    // The magnitude in the low 15 bits, the sign in bit 15 (a magnitude of 2^15 or
    // more loses its top bit, as the radio's layout has no room for it).
    const std::int64_t units = RoundedUnits(offsets[k]);
    const std::int64_t raw = std::clamp<std::int64_t>((units + kOffsetScale[k] / 2) / kOffsetScale[k], 0, 0xFFFF);
    const std::uint16_t word = std::uint16_t((raw & 0x7FFF) | (((signBits >> k) & 1) ? 0x8000 : 0));
    SetBE16(image + 325 + 2 * k, word);
  }
  image[333] = std::uint8_t((((optionByte >> 4) & 1) << 7) | ((optionByte & 1) << 6) | (byte333 & 0x3F));
  image[334] = std::uint8_t(((nibbleHigh & 0x0F) << 4) | (nibbleLow & 0x0F));
  std::memcpy(image + 335, kFixed335, sizeof kFixed335);
  image[375] = byte375;
  return 1;
}

int CFreqRangeSection::StepUnits(int stepSet) const { return kStepTable[stepSet & 3][stepIndex & 3]; }

std::int64_t CFreqRangeSection::OffsetUnits(int k) const {
  k &= 3;
  const std::int64_t units = RoundedUnits(offsets[k]);
  return ((signBits >> k) & 1) ? -units : units;
}

int CFreqRangeSection::CheckFrequency(double& f, int kind) const {
  const CEditModel& m = Model();
  const bool uhf = m.global.bandFlag == kUhfBandFlag;
  double low, high;
  if (m.global.hardwareByte == kUhfHardware) {
    low = 450.0;
    high = 512.0;
  } else if (IsProductionType11(m.store.ProductionType())) {
    low = 134.0;
    high = 174.0;
  } else if (kind == 2) {
    low = 146.0;
    high = 174.0;
  } else {
    low = 150.775;
    high = 173.39625;
  }
  // 0 and any value below the band are raised to its lower edge: the pages rely
  // on a checked frequency never being 0.
  if (!std::isfinite(f)) f = low;
  f = std::clamp(f, low, high);
  if (!uhf && kind != 2) return 0;

  const std::int64_t n = FiveDecimalUnits(f);
  const std::int64_t a = StepUnits(1);  // 6.25 kHz raster
  const std::int64_t b = StepUnits(0);  // 5 kHz raster
  if (n % a == 0) return 1;
  if (n % b == 0) return 0;
  if (!uhf && n % 250 == 0) return 2;

  // The nearest point of either raster, below or above. The band edges lie on
  // both rasters, so the point stays in range. A tie goes to the 5 kHz raster,
  // then to the point above.
  const std::int64_t bUp = (n / b + 1) * b, bDown = (n / b) * b;
  const std::int64_t aUp = (n / a + 1) * a, aDown = (n / a) * a;
  std::int64_t best = bUp;
  int result = 0;
  auto consider = [&](std::int64_t candidate, int r) {
    if (std::llabs(candidate - n) < std::llabs(best - n)) {
      best = candidate;
      result = r;
    }
  };
  consider(bDown, 0);
  consider(aUp, 1);
  consider(aDown, 1);
  f = double(best) * 0.00001;
  return result;
}

bool CFreqRangeSection::IsFrequencyValid(double f, int allowZero, int kind, std::int64_t uhfTop) const {
  if (allowZero && f == 0.0) return true;
  if (!std::isfinite(f)) return false;
  const std::int64_t n = RoundedUnits(f);
  const CGlobalSettings& g = Model().global;
  if (g.hardwareByte == kUhfHardware) return n >= kUhfLow && n <= uhfTop;
  if (!gf::kLtrCaptions.Get(Model())) {  // PassPort
    if (kind == 2) return n >= kKind2Low && n <= kVhfHigh;
    return n >= kVhfLow && n <= kVhfNarrowHigh;
  }
  return n >= kType11Low && n <= kVhfHigh;  // LTR
}

bool CFreqRangeSection::IsSeedFrequencyValid(double f, int allowZero, int kind) const {
  return IsFrequencyValid(f, allowZero, kind, kUhfHigh);
}

bool CFreqRangeSection::IsHomeFrequencyValid(double f, int allowZero, int kind) const {
  return IsFrequencyValid(f, allowZero, kind, kUhfHomeHigh);
}

bool CFreqRangeSection::IsNearWholeMHz(double f) {
  if (!std::isfinite(f) || std::fabs(f) > 1e6) return false;
  std::int64_t rest = std::llround(f * 1000000.0) % 1000000;  // to the hertz, so 150.01 is 10,000 Hz
  if (rest < 0) rest += 1000000;
  return rest > 990000 || rest < 10000;
}

namespace {
bool IsNearMultiple(double f, double spacingHz, double windowHz, double widening) {
  if (f == 0.0 || !std::isfinite(f)) return false;
  const double h = f * 1000000.0;
  const double m = std::round(h / spacingHz) * spacingHz;
  return (h - windowHz) * (1.0 - widening) <= m && m <= (h + windowHz) * (1.0 + widening);
}
}  // namespace

bool CFreqRangeSection::IsNear921600Multiple(double f) { return IsNearMultiple(f, 921600.0, 15000.0, 0.0001); }

bool CFreqRangeSection::IsNear80139Multiple(double f) {
  return IsNearMultiple(f, 80139.13043478261, 10000.0, 0.00005);
}
