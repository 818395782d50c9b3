#include "model/seed_channel.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/conversions.h"
#include "model/edit_model.h"

namespace {

constexpr std::uint16_t kTableBandWord = 0xF000;  // VHF: band code 15, bit 11 clear
constexpr std::uint8_t kBand5bCode = 6;           // rows the seeds never use
constexpr std::int64_t kChannelUnits = 1250;      // 12.5 kHz in 10 Hz units

std::int64_t Units(double mhz) { return std::llround(mhz * 100000.0); }

bool IsUhf(const CEditModel& model) { return model.global.bandFlag == kUhfBandFlag; }

// The value of a typed text in MHz: 0 for an empty text and for one that is no number.
double ParseMHz(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0.0;
  text.remove_prefix(first);
  double f = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), f);
  if (error != std::errc() || !std::isfinite(f)) return 0.0;
  (void)end;
  return f;
}

bool StoreWords(CSeedChannelRecord& record, const std::uint16_t (&words)[3]) {
  bool changed = false;
  for (int k = 0; k < 3; ++k) {
    changed = changed || record.channelWord[k] != words[k];
    record.channelWord[k] = words[k];
  }
  return changed;
}

}  // namespace

double SeedFrequency(const CEditModel& model, int seed) {
  if (seed < 0 || seed >= kSeedChannelCount) return 0.0;
  const std::uint16_t word = model.store.seedChannels[seed].channelWord[0];
  if (IsBlankSeedWord(word)) return 0.0;
  double viaOut = 0.0;
  const double f = ChannelToFrequency(model.dfa, word & 0x7FFu, word >> 12, IsUhf(model) ? 0 : 1, 0, &viaOut);
  return f == -1.0 ? viaOut : f;
}

std::string SeedFrequencyText(const CEditModel& model, int seed) {
  char text[32];
  std::snprintf(text, sizeof text, "%10.5f", SeedFrequency(model, seed));
  return text;
}

std::string SeedNumberText(int seed) {
  char text[16];
  std::snprintf(text, sizeof text, "%.3d", seed + 1);
  return text;
}

int NearestDfaIndexAtOrAbove(const CDfaTable& table, std::uint32_t units) {
  int best = -1;
  for (int k = 0; k < kDfaEntryCount; ++k) {
    const std::uint32_t w = table.GetEntry(k);
    if (w >= units && (best < 0 || w < table.GetEntry(best))) best = k;
  }
  return best;
}

bool SeedWordsFor(const CEditModel& model, double mhz, std::uint16_t (&words)[3]) {
  words[0] = words[1] = words[2] = kBlankSeedWord;
  const std::int64_t v = Units(mhz);
  if (!IsUhf(model)) {
    if (v <= 0 || v > std::int64_t(UINT32_MAX)) return false;
    const int k = NearestDfaIndexAtOrAbove(model.dfa, std::uint32_t(v));
    if (k < 0) return false;
    words[0] = std::uint16_t(kTableBandWord + k + 1);
    return true;
  }
  int n = 0;
  for (const BandPlanRow& row : g_bandPlan) {
    if (row.code == kBand5bCode || n == 3) continue;
    if (v < Units(row.rxLow) || v > Units(row.rxHigh)) continue;
    const std::int64_t channel = (v - Units(row.base)) / kChannelUnits;
    words[n++] = std::uint16_t(((row.code & 0x0F) << 12) | (channel & 0x7FF));
  }
  return n > 0;
}

SeedEntryResult EnterSeedFrequency(CEditModel& model, int seed, std::string_view text) {
  SeedEntryResult result;
  if (seed < 0 || seed >= kSeedChannelCount) return result;
  CSeedChannelRecord& record = model.store.seedChannels[seed];
  const auto finish = [&](bool changed, bool refused) {
    result.changed = changed;
    result.refused = refused;
    result.text = SeedFrequencyText(model, seed);
    return result;
  };

  if (text == "          ") return finish(false, false);
  double f = ParseMHz(text);
  if (!model.freqRange.IsSeedFrequencyValid(f, 1, 4) && IsBlankSeedWord(record.channelWord[0]))
    return finish(false, true);
  if (f == 0.0) return finish(StoreWords(record, {kBlankSeedWord, kBlankSeedWord, kBlankSeedWord}), false);

  model.freqRange.CheckFrequency(f, 4);
  std::uint16_t words[3];
  if (!SeedWordsFor(model, f, words)) return finish(false, true);
  return finish(StoreWords(record, words), false);
}
