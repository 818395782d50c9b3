// The home channel of a PassPort zone as the radio stores it: three channel
// words for the home channel and three for the back-up home channel, each word
// bits 0-10 a channel number and bits 12-15 a band code (0xF7FF blank). On a
// UHF radio the band plan turns a frequency into up to three words (the rows
// that hold it, the row whose 12.5 kHz raster it lies on first); on a VHF radio
// word 0 is the 1-based index of the frequency in the DFA table.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class CEditModel;

inline constexpr std::uint16_t kBlankChannelWord = 0xF7FF;
using ChannelWords = std::array<std::uint16_t, 3>;

// The home channel words of a frequency (MHz) that the frequency check has
// already normalised; band5b is the zone's "Enable UHF Band 5b" flag. A UHF
// frequency no row holds takes the nearest row limit; a VHF frequency above
// every table entry takes the last entry.
ChannelWords HomeChannelWords(const CEditModel& model, double mhz, bool band5b);
// The back-up words: the rows (Band 5b rows left out) whose receive range holds it.
ChannelWords BackupHomeChannelWords(double mhz);

// What a channel word stands for, in MHz (0.0 for none); `indirect` when the
// band plan delivers it the second way (a Band 5b row, or Band 5 with the flag
// set): the word does not fit the zone's Band 5b flag.
struct WordFrequency {
  double mhz = 0.0;
  bool indirect = false;
};
WordFrequency ChannelWordFrequency(const CEditModel& model, std::uint16_t word, bool band5b);

// Word 0 of the home channel with the zone's flag, and of the back-up with flag 0.
double HomeChannelFrequency(const CEditModel& model, int z);
double BackupHomeChannelFrequency(const CEditModel& model, int z);

struct HomeFrequencyEntry {
  bool refused = false;
  std::string message;  // the range message when refused
  double shown = 0.0;   // what the edit shows afterwards
  bool changed = false; // the words changed
};
// The Home Channel Frequency entry of zone z: refused with the band's message
// outside the radio's range (0.0 allowed); otherwise normalised by the frequency
// check and stored as words. The edit then shows word 0's frequency.
HomeFrequencyEntry EnterHomeFrequency(CEditModel& model, int z, double mhz);
// The back-up entry: normalised and stored without a check; shows the
// normalised frequency.
HomeFrequencyEntry EnterBackupHomeFrequency(CEditModel& model, int z, double mhz);
// Word 0 that converts only the second way is stored again from its frequency,
// silently; true when the words changed.
bool NormaliseHomeChannel(CEditModel& model, int z);

// "Home channel frequency should be ... MHｚ." for the radio's band.
std::string HomeFrequencyRangeMessage(const CEditModel& model);
// An edit text of exactly ten blanks stores nothing.
inline bool IsBlankFrequencyText(const std::string& text) { return text == "          "; }
