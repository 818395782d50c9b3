// What the channel table and the conventional group page do to the channel
// records: the frequency entries (band check, raster, split, tuning and flag
// bits), enabling and clearing a channel with the sweep of its references, the
// Default Split, the table's paging and the sheet's lines. Each operation takes
// the channel index explicitly (0..249; any other index stores nothing) and says
// whether a stored byte changed, so that the page sets g_bModified; none of
// them sets the flag itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CEditModel;

// ---- texts ------------------------------------------------------------------------------

// "%10.5f" (edits) and "%9.5f" (cells) of a frequency in 10 Hz units.
std::string FrequencyEditText(std::int32_t units);
std::string FrequencyCellText(std::int32_t units);
inline constexpr char kBlankFrequencyText[] = "          ";  // ten blanks
// The number at the start of an edit's text, in MHz: blanks skipped, digits and
// one decimal point; 0 when there is none.
double ParseMHz(const std::string& text);

// ---- frequency entries -------------------------------------------------------------------

enum class BlankRx {
  Ignore,  // the group page: ten blanks store nothing
  Clear,   // the channel table: ten blanks clear the channel
};

struct FrequencyEntry {
  enum class Outcome { None, Stored, Cleared };
  Outcome outcome = Outcome::None;
  bool changed = false;   // a stored byte changed (references included)
  std::string rxText;     // what the Rx edit shows afterwards (empty: leave it)
  std::string txText;     // what the Tx edit shows afterwards
};

// A receive frequency typed for channel c: the channel in use, the receive
// divider's status bits 12-14 set, the receive frequency brought into the band
// and onto the raster (its step code in mode bits 2-3, its flag bits 7 and 5),
// its tuning; the transmit frequency := the receive one plus the Default Split,
// checked the same way (mode bits 0-1, on VHF flag bit 6, its tuning); both
// stored in 10 Hz units and shown "%10.5f". Ten blanks: nothing (Ignore), or
// ClearChannel (Clear).
FrequencyEntry EnterRxFrequency(CEditModel& model, int c, const std::string& text, BlankRx blank);
// A transmit frequency typed for channel c: nothing for a channel not in use
// (the edit shows ten blanks); else checked (an empty text is 0: the band's
// lower edge), stored and shown. The receive side stays.
FrequencyEntry EnterTxFrequency(CEditModel& model, int c, const std::string& text);

// ---- the channel table -------------------------------------------------------------------

inline constexpr int kChannelTableColumns = 14;
inline constexpr int kChannelTableStep = 7;
inline constexpr int kChannelTableFirstMax = 236;  // column 14 then shows channel 250

struct ChannelColumnTexts {
  bool inUse = false;
  std::string enable;  // "Enable" / "Disable"
  std::string rx, tx;  // "%10.5f", or ten blanks for a channel not in use
  std::string space;   // "Narrow" / "Wide" ("Narrow" for the codes 2 and 3)
};
ChannelColumnTexts ChannelTableTexts(const CEditModel& model, int c);

struct ChannelEnable {
  bool changed = false;
  bool newlyEnabled = false;  // it was not in use: the page blanks its Rx edit and goes there
};
// "Enable": the receive divider's bits 12-15 := 0111, the channel in use; a
// channel that was not in use also becomes narrow.
ChannelEnable EnableChannel(CEditModel& model, int c);
// "Disable" (and ten blanks in the table's Rx edit): not in use, the receive
// divider's high byte 0xFF, and every group word and repeater word that named
// the channel names none (their other bits stay). True when anything changed.
bool ClearChannel(CEditModel& model, int c);

// The Default Split edit. A keystroke stores the text's value unrounded when it
// lies in -99.9..99.9, else refuses it (the edit shows the stored value "%3.1f").
// Leaving the edit clamps into -99.9..99.9 and truncates toward zero to 0.1 MHz
// (the edit shows "%5.1f").
struct SplitEntry {
  bool refused = false;
  bool changed = false;
  std::string text;  // what the edit shows afterwards (empty: leave it)
};
SplitEntry SplitKeystroke(CEditModel& model, const std::string& text);
SplitEntry LeaveSplit(CEditModel& model, const std::string& text);
std::string SplitText(const CEditModel& model);  // "%5.1f"

// ---- the channel table sheet --------------------------------------------------------------

// One line of the sheet for every channel in use, in channel order: "%.3d" of
// its number, the frequencies "%10.5f" and the spacing ("Wide" for every code
// but 0).
struct ChannelSheetLine {
  std::string number, rx, tx, space;
};
std::vector<ChannelSheetLine> ChannelSheetLines(const CEditModel& model);
