#include "model/tuning_data.h"

#include <cmath>
#include <cstring>

#include "model/image.h"

namespace {

// Every row of the default tables: mid-scale tuning fields, no power adjustment.
constexpr std::uint8_t kDefaultRow[CTuningData::kRowSize] = {
    0x24, 0x24, 0x88, 0x80, 0x80, 0x80, 0x00, 0x00, 0x00, 0x80, 0x80, 0x80, 0x80, 0x80};

struct BandTables {
  std::uint16_t reference;
  std::uint16_t firstFrequency;
  std::uint16_t frequencyStep;
};
// 17 equally spaced tuning frequencies: UHF 450.0..490.0 MHz, VHF 150.0..174.0 MHz.
constexpr BandTables kUhfTables = {4700, 4500, 25};
constexpr BandTables kVhfTables = {1620, 1500, 15};
constexpr std::uint8_t kDefaultBase = 100;
constexpr std::uint8_t kDefaultSlopeAbove = 40;
constexpr std::uint8_t kDefaultSlopeBelow = 35;

}  // namespace

void CTuningData::Reset(std::uint32_t bandFlag) {
  const BandTables& t = bandFlag == kUhfBandFlag ? kUhfTables : kVhfTables;
  referenceWord = t.reference;
  base = kDefaultBase;
  slopeAbove = kDefaultSlopeAbove;
  slopeBelow = kDefaultSlopeBelow;
  for (int k = 0; k < kFrequencyCount; ++k)
    frequencies[k] = std::uint16_t(t.firstFrequency + t.frequencyStep * k);
  for (auto& row : rows) std::memcpy(row, kDefaultRow, kRowSize);
}

void CTuningData::Unpack(const std::uint8_t* image, const std::uint8_t* tail, int withTail) {
  std::memcpy(imageBytes, image + kImageFirst, kImageCount);
  if (withTail != 1) return;
  referenceWord = GetBE16(tail);
  base = tail[2];
  slopeAbove = tail[3];
  slopeBelow = tail[4];
  const std::uint8_t* p = tail + 5;
  for (int k = 0; k < kFrequencyCount; ++k) {
    frequencies[k] = GetBE16(p);
    p += 2;
    if (k < kRowCount) {
      std::memcpy(rows[k], p, kRowSize);
      p += kRowSize;
    }
  }
}

void CTuningData::Pack(std::uint8_t* tail) const {
  SetBE16(tail, referenceWord);
  tail[2] = base;
  tail[3] = slopeAbove;
  tail[4] = slopeBelow;
  std::uint8_t* p = tail + 5;
  for (int k = 0; k < kFrequencyCount; ++k) {
    SetBE16(p, frequencies[k]);
    p += 2;
    if (k < kRowCount) {
      std::memcpy(p, rows[k], kRowSize);
      p += kRowSize;
    }
  }
}

long CTuningData::TenthsOfMHz(double mhz) {
  if (!std::isfinite(mhz)) return 0;
  const double tenths = std::floor(mhz * 10.0 + 1e-7);  // a hair up: 453.7 x 10 must not give 4536
  if (tenths > 1e9) return 1000000000L;
  if (tenths < -1e9) return -1000000000L;
  return long(tenths);
}

int CTuningData::Segment(double mhz) const {
  const long f = TenthsOfMHz(mhz);
  for (int k = 0; k < kRowCount; ++k)
    if (f <= frequencies[k + 1]) return k;
  return kRowCount - 1;
}

int CTuningData::Interpolate(double mhz) const {
  const long f = TenthsOfMHz(mhz);
  const long ref = referenceWord;
  long v;
  if (f <= ref) {
    v = long(base) - (ref - f) * slopeBelow / 100;
    if (v < 0) v = 0;
  } else {
    v = long(base) + (f - ref) * slopeAbove / 100;
    if (v > 255) v = 255;
  }
  return int(v);
}
