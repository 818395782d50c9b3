#include "model/channel_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/channel_fields.h"
#include "model/edit_model.h"
#include "model/home_channel.h"
#include "model/references.h"

namespace {

// Bits 12-14 (and 15) of the receive divider word that the pages set.
constexpr std::uint16_t kRxStatusBits = 0x7000;
constexpr std::uint16_t kRxStatusMask = 0xF000;
constexpr double kSplitLimit = 99.9;

std::string Printed(const char* format, double value) {
  char text[48];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

bool IsVhf(const CEditModel& m) { return m.global.bandFlag != kUhfBandFlag; }

void SetFlag(CChannelData& ch, std::uint8_t bit, bool on) {
  std::uint8_t& flags = ch.FrequencyFlags();
  flags = on ? std::uint8_t(flags | bit) : std::uint8_t(flags & ~bit);
}

// The transmit side of both entries: band check, step code, the VHF raster flag,
// tuning and the stored value.
void StoreTx(const CEditModel& model, CChannelData& ch, double tx) {
  const int code = model.freqRange.CheckFrequency(tx, 4);
  ch.modeByte = WithBits(ch.modeByte, CChannelData::kTxStepMask, unsigned(code & 3));
  if (IsVhf(model)) SetFlag(ch, CChannelData::kFlagNear80139, CFreqRangeSection::IsNear80139Multiple(tx));
  ch.SetTuningForFrequency(tx, model.store.tuning);
  ch.txFreq = CChannelData::MHzToUnits(tx);
}

}  // namespace

std::string FrequencyEditText(std::int32_t units) { return Printed("%10.5f", units * 0.00001); }
std::string FrequencyCellText(std::int32_t units) { return Printed("%9.5f", units * 0.00001); }

double ParseMHz(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string number;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      number += c;
    } else if (c == '.' && !point) {
      point = true;
      number += c;
    } else {
      break;
    }
  }
  if (number.find_first_of("0123456789") == std::string::npos) return 0.0;
  // At most a few hundred digits: far beyond any band, clamped by the check.
  const double v = std::strtod(number.c_str(), nullptr);
  return std::isfinite(v) ? v : 0.0;
}

FrequencyEntry EnterRxFrequency(CEditModel& model, int c, const std::string& text, BlankRx blank) {
  FrequencyEntry e;
  CChannelData* ch = model.store.Channel(c);
  if (!ch) return e;
  if (IsBlankFrequencyText(text)) {
    if (blank == BlankRx::Clear) {
      e.outcome = FrequencyEntry::Outcome::Cleared;
      e.changed = ClearChannel(model, c);
      e.rxText = e.txText = kBlankFrequencyText;
    }
    return e;
  }
  const CChannelData before = *ch;
  double f = ParseMHz(text);
  ch->programmed |= 1;
  ch->rxWord |= kRxStatusBits;
  const int code = model.freqRange.CheckFrequency(f, 4);
  ch->modeByte = WithBits(ch->modeByte, CChannelData::kRxStepMask, unsigned(code & 3));
  SetFlag(*ch, CChannelData::kFlagNearWholeMHz, CFreqRangeSection::IsNearWholeMHz(f));
  SetFlag(*ch, CChannelData::kFlagNear921600, CFreqRangeSection::IsNear921600Multiple(f));
  ch->InterpolateTuning(f, model.store.tuning);
  StoreTx(model, *ch, f + model.message.GetDefaultSplit());
  ch->rxFreq = CChannelData::MHzToUnits(f);
  e.outcome = FrequencyEntry::Outcome::Stored;
  e.changed = !(*ch == before);
  e.rxText = FrequencyEditText(ch->rxFreq);
  e.txText = FrequencyEditText(ch->txFreq);
  return e;
}

FrequencyEntry EnterTxFrequency(CEditModel& model, int c, const std::string& text) {
  FrequencyEntry e;
  CChannelData* ch = model.store.Channel(c);
  if (!ch) return e;
  if (!ch->IsProgrammed()) {
    e.txText = kBlankFrequencyText;
    return e;
  }
  const CChannelData before = *ch;
  StoreTx(model, *ch, ParseMHz(text));
  e.outcome = FrequencyEntry::Outcome::Stored;
  e.changed = !(*ch == before);
  e.txText = FrequencyEditText(ch->txFreq);
  return e;
}

ChannelColumnTexts ChannelTableTexts(const CEditModel& model, int c) {
  ChannelColumnTexts t;
  const CChannelData* ch = model.store.Channel(c);
  if (!ch) return t;
  t.inUse = ch->IsProgrammed();
  t.enable = std::string(cf::kEnableList.PageText(t.inUse ? 0 : 1));
  t.rx = t.inUse ? FrequencyEditText(ch->rxFreq) : kBlankFrequencyText;
  t.tx = t.inUse ? FrequencyEditText(ch->txFreq) : kBlankFrequencyText;
  t.space = std::string(cf::kSpacingList.PageText(cf::SpacingCode(*ch)));
  return t;
}

ChannelEnable EnableChannel(CEditModel& model, int c) {
  ChannelEnable r;
  CChannelData* ch = model.store.Channel(c);
  if (!ch) return r;
  const CChannelData before = *ch;
  ch->rxWord = std::uint16_t((ch->rxWord & ~kRxStatusMask) | kRxStatusBits);
  r.newlyEnabled = !ch->IsProgrammed();
  ch->programmed |= 1;
  if (r.newlyEnabled) ch->modeByte &= std::uint8_t(~CChannelData::kSpacingMask);
  r.changed = !(*ch == before);
  return r;
}

bool ClearChannel(CEditModel& model, int c) {
  CChannelData* ch = model.store.Channel(c);
  if (!ch) return false;
  const CChannelData before = *ch;
  ch->rxWord = std::uint16_t(ch->rxWord | 0xFF00);
  ch->programmed &= std::uint8_t(~1u);
  const bool referenced = ChannelReferenceCount(model, c) > 0;
  model.store.ClearChannelReferences(c);
  return referenced || !(*ch == before);
}

SplitEntry SplitKeystroke(CEditModel& model, const std::string& text) {
  SplitEntry r;
  const double v = std::strtod(text.c_str(), nullptr);
  const double stored = model.message.GetDefaultSplit();
  if (!std::isfinite(v) || v < -kSplitLimit || v > kSplitLimit) {
    r.refused = true;
    r.text = Printed("%3.1f", stored);
    return r;
  }
  r.changed = v != stored;
  model.message.SetDefaultSplit(v);
  return r;
}

SplitEntry LeaveSplit(CEditModel& model, const std::string& text) {
  SplitEntry r;
  double v = std::strtod(text.c_str(), nullptr);
  if (std::isnan(v)) v = 0.0;
  if (v < -kSplitLimit) {
    v = -kSplitLimit;
  } else if (v > kSplitLimit) {
    v = kSplitLimit;
  } else {
    // Toward zero to 0.1 MHz (divided, not multiplied by 0.1: 2.3 stays the double 2.3).
    v = std::trunc(v * 10.0) / 10.0;
  }
  r.changed = v != model.message.GetDefaultSplit();
  model.message.SetDefaultSplit(v);
  r.text = SplitText(model);
  return r;
}

std::string SplitText(const CEditModel& model) { return Printed("%5.1f", model.message.GetDefaultSplit()); }

std::vector<ChannelSheetLine> ChannelSheetLines(const CEditModel& model) {
  std::vector<ChannelSheetLine> lines;
  for (int c = 0; c < kChannelCount; ++c) {
    const CChannelData& ch = model.store.channels[c];
    if (!ch.IsProgrammed()) continue;
    char number[16];
    std::snprintf(number, sizeof number, "%.3d", c + 1);
    lines.push_back({number, FrequencyEditText(ch.rxFreq), FrequencyEditText(ch.txFreq),
                     std::string(cf::kSpacingList.PrintText(cf::SpacingCode(ch)))});
  }
  return lines;
}
