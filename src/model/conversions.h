// Shared conversions used by records, pages and print sheets: channel numbers to
// frequencies with the band plan, the CTCSS and DCS text tables, digit-code and
// hexadecimal character helpers, the production-type test and the print line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class CDfaTable;

// ---- Band plan -----------------------------------------------------------------

struct BandPlanRow {
  std::uint8_t code;  // band code of a channel word (bits 15..12)
  char name[10];
  double base;  // MHz; channel n lies at base + n x 0.0125
  double rxLow, rxHigh, txLow, txHigh;  // MHz
  // The "Band 5b" rows hold channel numbers only in a window of their own.
  bool hasWindow;
  std::uint32_t firstChannel, lastChannel;
};

inline constexpr int kBandPlanRowCount = 17;
inline constexpr double kChannelStep = 0.0125;  // MHz

extern const BandPlanRow g_bandPlan[kBandPlanRowCount];
// Row `row` of the band plan; nullptr outside 0..16.
const BandPlanRow* BandPlan(int row);

// Frequency of channel n in band-plan row `row`, x being n x 0.0125: the row's
// base + x, or -1.0 when a "Band 5b" row's window does not hold n (and for rows
// outside the plan).
double BandChannelToFrequency(std::uint32_t n, int row, double x);

// Channel number n (16 bits) of band code `bandCode` to MHz.
// - useTable set: DFA word n - 1 x 0.00001 for n in 1..1,345, else 0.0.
// - Otherwise the rows of the band code in plan order. A "Band 5b" row (code 6),
//   and with splitFlag set the "Band 5" row (code 5), delivers its frequency
//   through *out and returns -1.0; any other row returns its frequency.
// - No frequency (no row of that code, or n outside every "Band 5b" window):
//   0.0, and *out is set to 0.0 as well, so a caller never reads a stale value.
// `out` may be nullptr.
double ChannelToFrequency(const CDfaTable& table, std::uint32_t n, int bandCode, int useTable, int splitFlag,
                          double* out);

// ---- CTCSS and DCS texts -------------------------------------------------------

// A fixed table of texts indexed by a stored code. An index outside the table
// yields the empty text, so a code read from a radio or a file is always safe.
class CTextTable {
 public:
  constexpr CTextTable(const char* const* texts, std::size_t count) : m_texts(texts), m_count(count) {}
  const char* operator[](long long index) const {
    return (index >= 0 && static_cast<unsigned long long>(index) < m_count) ? m_texts[index] : "";
  }
  std::size_t size() const { return m_count; }

 private:
  const char* const* m_texts;
  std::size_t m_count;
};

inline constexpr std::size_t kCtcssCount = 50;
inline constexpr std::size_t kDcsCount = 106;
extern const CTextTable g_ctcssTexts;  // " 67.0" .. "254.1", index = stored CTCSS code
extern const CTextTable g_dcsTexts;    // "023" .. "754", index = stored DCS code

// ---- Hexadecimal characters ------------------------------------------------------
// (The digit codes of dial strings are model/dial_string.h's.)
// "0".."9", "A".."F"; "-" above 15.
char NibbleToHexChar(int v);
// "0".."9", "A".."F"; "0" above 15.
char NibbleToHexCharOrZero(int v);
// c - '0' below ':', else c - '7': exact for "0".."9" and "A".."F". Other
// characters give values outside 0..15 and no failure; callers pass accepted
// characters only or keep the low four bits.
int HexCharToValue(char c);
// Case-insensitive: "0".."9", "A".."F", "a".."f" as their values, anything else 0.
int HexCharToValueNoCase(char c);

// ---- Production type -----------------------------------------------------------

// True for production type 11 (the variant with Sel Call, seed channels and the
// panel key layout). Callers pass image byte 3 or the store's production type.
inline bool IsProductionType11(std::uint32_t code) { return code == 11; }

// ---- Print line ----------------------------------------------------------------

// What a print sheet needs of a printer context to write one line of text. The
// shell implements it over its printer; tests record the calls.
class IPrintContext {
 public:
  virtual ~IPrintContext() = default;
  // Draws `text` in full with its top-left corner at (x, y).
  virtual void TextOut(int x, int y, const std::string& text) = 0;
};

// Draws `text` at (x, *y); adds `step` to *y when `advance` is exactly 1.
void PrintLine(IPrintContext* dc, int x, int* y, int step, const std::string& text, int advance);
