// The seed channels as the Seed channel page and its sheet see them: a
// frequency typed in MHz becomes the channel words the radio stores, and word 0
// is shown back as a frequency.
//
// UHF radios (band flag 96): the words hold the frequency once for each
// band-plan row (the "Band 5b" rows left out) whose receive range holds it, in
// plan order, at most three; the others are blank. VHF radios (band flag 0):
// word 0 holds band code 15 and the 1-based index of a DFA table word; words 1
// and 2 are blank.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/field.h"

class CDfaTable;
class CEditModel;

inline constexpr std::uint16_t kBlankSeedWord = 0xF7FF;
// 0xF7FF, and 0xFFFF as well.
constexpr bool IsBlankSeedWord(std::uint16_t word) { return word == kBlankSeedWord || word == 0xFFFF; }

// The frequency of seed `seed` (0..19) in MHz, decoded from word 0: 0.0 for a
// blank word.
double SeedFrequency(const CEditModel& model, int seed);
// That frequency as the page and the sheet show it: "%10.5f".
std::string SeedFrequencyText(const CEditModel& model, int seed);
// The seed number on the sheet: "%.3d" of seed + 1.
std::string SeedNumberText(int seed);

// The index of the smallest DFA table word at or above `units` (10 Hz units),
// over the whole table (which need not be sorted); the first such index when
// several words are equal. -1 when every word lies below.
int NearestDfaIndexAtOrAbove(const CDfaTable& table, std::uint32_t units);

// The words a frequency (MHz, inside the band and on its raster) is stored as;
// false when no band-plan row (UHF) or table word (VHF) holds it.
bool SeedWordsFor(const CEditModel& model, double mhz, std::uint16_t (&words)[3]);

// A frequency typed into seed `seed`'s field, committed when the field loses
// the focus.
//  - Exactly ten blanks: nothing is stored.
//  - 0, an empty text or a text that is no number: the seed is cleared.
//  - Outside the band: refused for a blank seed; a programmed seed takes the
//    band's nearest frequency.
//  - Otherwise the frequency is brought onto the raster (UHF) and stored when a
//    band-plan row or table word holds it; when none does, the words stay and
//    the entry is refused.
// `text` is what the field shows afterwards: always the frequency of word 0.
struct SeedEntryResult {
  bool changed = false;  // a stored word changed: the page sets the modified flag
  bool refused = false;  // nothing stored for a frequency: the page beeps
  std::string text;
};
SeedEntryResult EnterSeedFrequency(CEditModel& model, int seed, std::string_view text);

namespace seed {
// The frequency of seed `index` (0..19) as its cell shows it and takes it.
inline constexpr TypedField kFrequency{
    [](CEditModel& m, int i) { return SeedFrequencyText(m, i); },
    [](CEditModel& m, int i, std::string_view text) {
      const SeedEntryResult r = EnterSeedFrequency(m, i, text);
      return TypedEntry{r.changed, r.refused};
    }};
}  // namespace seed
