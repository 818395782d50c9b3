#include "model/small_records.h"

#include <cstring>

#include "model/image.h"
#include "model/tuning_data.h"

namespace {

// VHF test frequencies (receive = transmit) of tuning points 0..14, 10 Hz units.
constexpr std::int32_t kVhfTestFrequencies[] = {
    15077500, 15350750, 15625000, 15900000, 16175000, 16450000, 16725000, 17000000,
    17250000, 17339625, 15200000, 15500000, 16000000, 16500000, 17050000};
constexpr int kVhfTestCount = int(sizeof kVhfTestFrequencies / sizeof kVhfTestFrequencies[0]);

// UHF: eight points per group, group n (0..10) tagged with band code n + 2 and
// starting at that band's lower edge, 2 MHz apart.
constexpr std::int32_t kUhfGroupStart[11] = {
    40001250,  // band code 2
    42001250,  // 3
    44001250,  // 4
    45001250,  // 5
    44501250,  // 6
    46001250,  // 7
    47001250,  // 8
    48001250,  // 9
    49001250,  // 10
    40901250,  // 11
    40001250,  // 12
};
constexpr std::int32_t kUhfPointSpacing = 200000;
// Transmit 5 MHz above receive below 470 MHz, 3 MHz above from there on.
constexpr std::int32_t kUhfSplitLow = 500000, kUhfSplitHigh = 300000, kUhfSplitEdge = 47000000;

bool InRange(int index, int count) { return index >= 0 && index < count; }

}  // namespace

// ---------------------------------------------------------------- Sel Call

void CSelCallRecord::UnpackFromImage(const std::uint8_t* image, int e) {
  if (!InRange(e, kSelCallCount)) return;
  const std::uint8_t* p = image + img::kSelCalls + img::kSelCallSize * std::size_t(e);
  targetMin = GetBE16(p);
  zoneCode = p[2];
  std::memcpy(code, p + 3, sizeof code);
  GetText(p + 8, alias, 8);
}

void CSelCallRecord::PackToImage(std::uint8_t* image, int e) const {
  if (!InRange(e, kSelCallCount)) return;
  std::uint8_t* p = image + img::kSelCalls + img::kSelCallSize * std::size_t(e);
  SetBE16(p, std::uint16_t(targetMin));
  p[2] = zoneCode;
  std::memcpy(p + 3, code, sizeof code);
  SetText(p + 8, alias, 8);
}

// ---------------------------------------------------------------- seed channel

void CSeedChannelRecord::UnpackFromImage(const std::uint8_t* image, int s) {
  if (!InRange(s, kSeedChannelCount)) return;
  const std::uint8_t* p = image + img::kSeedChannels + img::kSeedChannelSize * std::size_t(s);
  for (int k = 0; k < 3; ++k) channelWord[k] = GetBE16(p + 2 * k);
}

void CSeedChannelRecord::PackToImage(std::uint8_t* image, int s) const {
  if (!InRange(s, kSeedChannelCount)) return;
  std::uint8_t* p = image + img::kSeedChannels + img::kSeedChannelSize * std::size_t(s);
  for (int k = 0; k < 3; ++k) SetBE16(p + 2 * k, channelWord[k]);
}

// ---------------------------------------------------------------- tuning point

bool CTuningPointRecord::TestPair(int t, std::uint32_t bandFlag, std::int32_t& rx, std::int32_t& tx) {
  if (bandFlag != kUhfBandFlag) {
    if (!InRange(t, kVhfTestCount)) return false;
    rx = tx = kVhfTestFrequencies[t];
    return true;
  }
  if (!InRange(t, kTuningPointCount)) return false;
  rx = kUhfGroupStart[t / 8] + kUhfPointSpacing * (t % 8);
  tx = rx + (rx < kUhfSplitEdge ? kUhfSplitLow : kUhfSplitHigh);
  return true;
}

void CTuningPointRecord::UnpackFromImage(const std::uint8_t* image, int t) {
  if (!InRange(t, kTuningPointCount)) return;
  std::memcpy(b, image + img::kTuningPoints + img::kTuningPointSize * std::size_t(t), sizeof b);
}

void CTuningPointRecord::PackToImage(std::uint8_t* image, int t, std::uint32_t bandFlag,
                                     const CTuningData& tuning) {
  if (!InRange(t, kTuningPointCount)) return;
  std::int32_t rxUnits = 0, txUnits = 0;
  if (TestPair(t, bandFlag, rxUnits, txUnits)) {
    const double rx = rxUnits / 100000.0, tx = txUnits / 100000.0;
    const std::uint8_t* r = tuning.Row(rx);
    const std::uint8_t* x = tuning.Row(tx);
    b[0] = bandFlag == kUhfBandFlag ? std::uint8_t(t / 8 + 2) : 0;
    b[1] = r[0];
    b[2] = x[1];
    b[3] = std::uint8_t((r[2] & 0xF0) | (x[2] & 0x0F));
    b[4] = r[3];
    b[5] = x[5];
    b[6] = x[6];
    b[7] = x[7];
    for (int k = 0; k < 5; ++k) b[8 + k] = x[9 + k];
    b[13] = std::uint8_t(tuning.Interpolate(rx));
    b[14] = 0x70;
    b[15] = 0;
  }
  std::memcpy(image + img::kTuningPoints + img::kTuningPointSize * std::size_t(t), b, sizeof b);
}
