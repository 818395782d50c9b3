#include "model/home_channel.h"

#include <cmath>
#include <cstdlib>

#include "model/conversions.h"
#include "model/edit_model.h"

namespace {

bool IsZone(int z) { return z >= 0 && z < kZoneCount; }
bool IsUhf(const CEditModel& m) { return m.global.bandFlag == kUhfBandFlag; }
bool Band5b(const CEditModel& m, int z) { return (m.store.zoneFlags2[z] & kZoneOptionBand5b) != 0; }
int FormatKind(const CEditModel& m, int z) { return (m.store.zoneFormat[z] & kZoneFormatMask) >> 2; }

// MHz in 10 Hz units.
long long Units(double mhz) { return std::llround(mhz * 100000.0); }

std::uint16_t Word(int code, long long channel) {
  return std::uint16_t((code << 12) | (channel & 0x7FF));
}

long long RasterChannel(double mhz, const BandPlanRow& row) { return (Units(mhz) - Units(row.base)) / 1250; }

ChannelWords Blank() { return {kBlankChannelWord, kBlankChannelWord, kBlankChannelWord}; }

ChannelWords VhfWords(const CEditModel& m, double mhz) {
  ChannelWords w = Blank();
  const long long n = Units(mhz);
  int found = -1;
  for (int i = 0; i < kDfaEntryCount && found < 0; ++i)
    if (m.dfa.GetEntry(i) == n) found = i;
  for (int i = 0; i < kDfaEntryCount && found < 0; ++i)
    if (m.dfa.GetEntry(i) >= n) found = i;
  // Above every entry: the nearest channel is the last one.
  if (found < 0) found = kDfaEntryCount - 1;
  w[0] = std::uint16_t(0xF000 + found + 1);
  return w;
}

ChannelWords UhfWords(double mhz, bool band5b) {
  ChannelWords w = Blank();
  int filled = 0;
  int rasterRow = -1;
  bool heldBy5b2 = false;  // a row 9 or 10 held the frequency
  bool held = false;
  long long nearest = 99999999;
  int nearestRow = -1;
  double nearestLimit = 0.0;
  const long long fx = Units(mhz) / 10;  // 100 Hz units
  for (int row = 0; row < kBandPlanRowCount; ++row) {
    if (band5b ? row == 5 : (row >= 6 && row <= 10)) continue;
    const BandPlanRow& r = g_bandPlan[row];
    const long long lo = Units(r.rxLow) / 10, hi = Units(r.rxHigh) / 10;
    if (fx < lo || fx > hi) {
      if (std::llabs(lo - fx) < nearest) {
        nearest = std::llabs(lo - fx);
        nearestRow = row;
        nearestLimit = r.rxLow;
      }
      if (std::llabs(fx - hi) < nearest) {
        nearest = std::llabs(fx - hi);
        nearestRow = row;
        nearestLimit = r.rxHigh;
      }
      continue;
    }
    if ((row == 4 || row == 6 || row == 7 || row == 8 || row == 12) && heldBy5b2) filled = 3;
    if (row == 9 || row == 10) heldBy5b2 = true;
    held = true;
    const long long ch = RasterChannel(mhz, r);
    if (Units(mhz) == Units(r.base) + 1250 * ch && rasterRow < 0) {
      rasterRow = row;
      if (filled == 2) w[2] = w[1];
      if (filled == 1 || filled == 2) w[1] = w[0];
      w[0] = Word(r.code, ch);
      ++filled;
    } else if (filled < 3) {
      w[static_cast<std::size_t>(filled++)] = Word(r.code, ch);
    }
  }
  if (held) {
    if ((rasterRow == 4 && band5b) || (rasterRow >= 6 && rasterRow <= 10)) w[1] = w[2] = kBlankChannelWord;
  } else if (nearestRow >= 0) {
    w[0] = Word(g_bandPlan[nearestRow].code, RasterChannel(nearestLimit, g_bandPlan[nearestRow]));
  }
  return w;
}

ChannelWords Stored(const std::uint16_t (&words)[3][kZoneCount], int z) {
  return {words[0][z], words[1][z], words[2][z]};
}

bool Store(std::uint16_t (&words)[3][kZoneCount], int z, const ChannelWords& w) {
  const bool changed = Stored(words, z) != w;
  for (std::size_t k = 0; k < 3; ++k) words[k][z] = w[k];
  return changed;
}

}  // namespace

ChannelWords HomeChannelWords(const CEditModel& model, double mhz, bool band5b) {
  return IsUhf(model) ? UhfWords(mhz, band5b) : VhfWords(model, mhz);
}

ChannelWords BackupHomeChannelWords(double mhz) {
  ChannelWords w = Blank();
  std::size_t filled = 0;
  const long long f = Units(mhz);
  for (int row = 0; row < kBandPlanRowCount && filled < 3; ++row) {
    if (row >= 6 && row <= 10) continue;
    const BandPlanRow& r = g_bandPlan[row];
    if (f < Units(r.rxLow) || f > Units(r.rxHigh)) continue;
    w[filled++] = Word(r.code, RasterChannel(mhz, r));
  }
  return w;
}

WordFrequency ChannelWordFrequency(const CEditModel& model, std::uint16_t word, bool band5b) {
  WordFrequency f;
  double second = 0.0;
  const double direct =
      ChannelToFrequency(model.dfa, word & 0x7FFu, word >> 12, IsUhf(model) ? 0 : 1, band5b ? 1 : 0, &second);
  f.indirect = direct == -1.0;
  f.mhz = f.indirect ? second : direct;
  return f;
}

double HomeChannelFrequency(const CEditModel& model, int z) {
  if (!IsZone(z)) return 0.0;
  return ChannelWordFrequency(model, model.store.zoneHomeChannelWords[0][z], Band5b(model, z)).mhz;
}

double BackupHomeChannelFrequency(const CEditModel& model, int z) {
  if (!IsZone(z)) return 0.0;
  return ChannelWordFrequency(model, model.store.zoneBackupHomeChannelWords[0][z], false).mhz;
}

std::string HomeFrequencyRangeMessage(const CEditModel& model) {
  // Ends in a full-width small z (U+FF5A).
  return IsUhf(model) ? "Home channel frequency should be 450.00000 MHz to 511.98750 MH\xEF\xBD\x9A."
                      : "Home channel frequency should be 150.77500 MHz to 173.39625 MH\xEF\xBD\x9A.";
}

HomeFrequencyEntry EnterHomeFrequency(CEditModel& model, int z, double mhz) {
  HomeFrequencyEntry e;
  if (!IsZone(z)) return e;
  const int kind = FormatKind(model, z);
  if (!std::isfinite(mhz) || !model.freqRange.IsHomeFrequencyValid(mhz, 1, kind)) {
    e.refused = true;
    e.message = HomeFrequencyRangeMessage(model);
  } else {
    double checked = mhz;
    model.freqRange.CheckFrequency(checked, kind);
    e.changed = Store(model.store.zoneHomeChannelWords, z, HomeChannelWords(model, checked, Band5b(model, z)));
  }
  e.shown = HomeChannelFrequency(model, z);
  return e;
}

HomeFrequencyEntry EnterBackupHomeFrequency(CEditModel& model, int z, double mhz) {
  HomeFrequencyEntry e;
  if (!IsZone(z)) return e;
  double checked = mhz;
  model.freqRange.CheckFrequency(checked, FormatKind(model, z));
  e.changed = Store(model.store.zoneBackupHomeChannelWords, z, BackupHomeChannelWords(checked));
  e.shown = checked;
  return e;
}

bool NormaliseHomeChannel(CEditModel& model, int z) {
  if (!IsZone(z)) return false;
  const WordFrequency f = ChannelWordFrequency(model, model.store.zoneHomeChannelWords[0][z], Band5b(model, z));
  if (!f.indirect) return false;
  const int kind = FormatKind(model, z);
  if (!model.freqRange.IsHomeFrequencyValid(f.mhz, 1, kind)) return false;
  double checked = f.mhz;
  model.freqRange.CheckFrequency(checked, kind);
  return Store(model.store.zoneHomeChannelWords, z, HomeChannelWords(model, checked, Band5b(model, z)));
}
