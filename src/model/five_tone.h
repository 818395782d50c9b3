// The 5-Tone signalling records: common/system settings, the encode and decode
// lists and the user tone table. Together they own the image's 5-Tone block
// (896 bytes from 23,680). The records keep their values across a reset of the
// edit model; their constructors set the initial values.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/image.h"
#include "model/model_part.h"

// Image positions inside the 5-Tone block.
namespace five_tone {
inline constexpr std::size_t kSystem = img::kFiveToneBlock;  // 16 bytes
inline constexpr std::size_t kEncode = 23696;                // entry i at kEncode + 18 i
inline constexpr std::size_t kEncodeSize = 18;
inline constexpr std::size_t kDecode = 23840;  // entry k at kDecode + 13 k
inline constexpr std::size_t kDecodeSize = 13;
// Three further bytes whose bits 5..4 carry the STUN/KILL/REVIVE marks.
inline constexpr std::size_t kDecodeMark5 = 23993;
inline constexpr std::size_t kDecodeMark6 = 24006;
inline constexpr std::size_t kDecodeMark7 = 24019;
inline constexpr std::size_t kToneWords = 24072;  // 16 big-endian words
inline constexpr std::size_t kPeriods = 24168;    // 5 bytes, ms
inline constexpr std::size_t kGaps = 24175;       // 5 bytes, units of 5 ms
inline constexpr std::size_t kScale = 24183;      // big-endian word
inline constexpr std::size_t kFactor = 24185;     // big-endian word
inline constexpr std::size_t kTolerance = 24187;  // byte, units of 0.1 %
inline constexpr std::size_t kLimitWords = 24444;  // tone k: two words at kLimitWords + 4 k

inline constexpr int kEntryCount = 8;
inline constexpr int kNamedDecodeCount = 5;  // decode entries 5..7 are STUN, KILL, REVIVE
inline constexpr int kToneCount = 16;
inline constexpr int kToneSetCount = 5;
inline constexpr int kCodeLength = 5;
inline constexpr int kAliasLength = 8;

static_assert(kEncode == kSystem + 16);
static_assert(kEncode + kEntryCount * kEncodeSize == kDecode);
static_assert(kLimitWords + 4 * kToneCount <= img::kFiveToneBlock + img::kFiveToneBlockSize);
}  // namespace five_tone

// Common and system settings (image 23,680..23,695).
class CFiveToneSystemData : public CModelPart {
 public:
  explicit CFiveToneSystemData(CEditModel& model);

  void UnpackFromImage(const std::uint8_t* image);
  // Rewrites the fields' bits and keeps the others (bytes 23,680 and 23,681 are
  // written whole). Always succeeds.
  int PackToImage(std::uint8_t* image);

  // Digit flags: a clear bit means the digit is used. i outside 0..4 reads 0.
  std::uint8_t GetTagDisplay() const { return tagDisplay; }
  std::uint8_t GetDisplayDigit(int i) const { return InDigits(i) ? displayDigit[i] : 0; }
  std::uint8_t GetAniDisplay() const { return aniDisplay; }
  std::uint8_t GetCompareDigit(int i) const { return InDigits(i) ? compareDigit[i] : 0; }
  std::uint8_t GetGroupTone() const { return groupTone; }
  std::uint8_t GetRepeatTone() const { return repeatTone; }
  std::uint8_t GetAutoResetBeep() const { return autoResetBeep; }
  std::uint8_t GetPttCall() const { return pttCall; }
  std::uint8_t GetCall1EncodeCode() const { return call1EncodeCode; }
  std::uint8_t GetCall2EncodeCode() const { return call2EncodeCode; }
  std::uint8_t GetExtendedFirstTone() const { return extendedFirstTone; }  // units of 10 ms
  std::uint8_t GetLeadInDelay() const { return leadInDelay; }              // units of 10 ms
  std::uint8_t GetLeadOutDelay() const { return leadOutDelay; }            // units of 10 ms
  std::uint8_t GetBeepRepeat() const { return beepRepeat; }  // the 4-bit value at 23,690
  std::uint8_t GetAutoReset() const { return autoReset; }
  std::uint8_t GetPttSwAfOpen() const { return pttSwAfOpen; }
  std::uint8_t GetMonitorSw() const { return monitorSw; }
  std::uint8_t GetChannelSw() const { return channelSw; }
  std::uint8_t GetAniTransmission() const { return aniTransmission; }
  std::uint8_t GetToneTableNo() const { return toneTableNo; }
  std::uint8_t GetCallEncodeToneNo() const { return callEncodeToneNo; }
  std::uint8_t GetDecodeCode(int i) const { return InDigits(i) ? decodeCode[i] : 0; }

  // Setters keep only the bits the field has in the image; a digit index outside
  // 0..4 is ignored. They do not touch g_bModified (the dialog decides).
  void SetTagDisplay(std::uint8_t v) { tagDisplay = v & 1; }
  void SetDisplayDigit(int i, std::uint8_t v) { if (InDigits(i)) displayDigit[i] = v & 1; }
  void SetAniDisplay(std::uint8_t v) { aniDisplay = v & 1; }
  void SetCompareDigit(int i, std::uint8_t v) { if (InDigits(i)) compareDigit[i] = v & 1; }
  void SetGroupTone(std::uint8_t v) { groupTone = v & 0x0F; }
  void SetRepeatTone(std::uint8_t v) { repeatTone = v & 0x0F; }
  void SetAutoResetBeep(std::uint8_t v) { autoResetBeep = v & 1; }
  void SetPttCall(std::uint8_t v) { pttCall = v & 1; }
  void SetCall1EncodeCode(std::uint8_t v) { call1EncodeCode = v; }
  void SetCall2EncodeCode(std::uint8_t v) { call2EncodeCode = v; }
  void SetExtendedFirstTone(std::uint8_t v) { extendedFirstTone = v; }
  void SetLeadInDelay(std::uint8_t v) { leadInDelay = v; }
  void SetLeadOutDelay(std::uint8_t v) { leadOutDelay = v; }
  void SetBeepRepeat(std::uint8_t v) { beepRepeat = v & 0x0F; }
  void SetAutoReset(std::uint8_t v) { autoReset = v & 1; }
  void SetPttSwAfOpen(std::uint8_t v) { pttSwAfOpen = v & 1; }
  void SetMonitorSw(std::uint8_t v) { monitorSw = v & 3; }
  void SetChannelSw(std::uint8_t v) { channelSw = v & 3; }
  void SetAniTransmission(std::uint8_t v) { aniTransmission = v & 3; }
  void SetToneTableNo(std::uint8_t v) { toneTableNo = v & 7; }
  void SetCallEncodeToneNo(std::uint8_t v) { callEncodeToneNo = v & 0x0F; }
  void SetDecodeCode(int i, std::uint8_t v) { if (InDigits(i)) decodeCode[i] = v & 1; }

 private:
  static bool InDigits(int i) { return i >= 0 && i < 5; }

  std::uint8_t tagDisplay;
  std::uint8_t displayDigit[5];
  std::uint8_t aniDisplay;
  std::uint8_t compareDigit[5];
  std::uint8_t groupTone;
  std::uint8_t repeatTone;
  std::uint8_t autoResetBeep;
  std::uint8_t pttCall;
  std::uint8_t call1EncodeCode;
  std::uint8_t call2EncodeCode;
  std::uint8_t extendedFirstTone;
  std::uint8_t leadInDelay;
  std::uint8_t leadOutDelay;
  std::uint8_t beepRepeat;
  std::uint8_t autoReset;
  std::uint8_t pttSwAfOpen;
  std::uint8_t monitorSw;
  std::uint8_t channelSw;
  std::uint8_t aniTransmission;
  std::uint8_t toneTableNo;
  std::uint8_t callEncodeToneNo;
  std::uint8_t decodeCode[5];
};

// One encode entry (18 image bytes, the first 13 used).
struct CFiveToneEncodeRec {
  std::uint8_t select = 1;        // byte 0 bit 7; 0 = selected
  std::uint8_t muteMode = 3;      // byte 0 bits 6..5: 0 Null, 1 Open, 2 Close
  std::uint8_t firstToneExt = 1;  // byte 0 bit 4; 0 = enabled
  std::uint8_t flag0 = 0;         // byte 0 bit 0
  // Byte 1 bits 0..7; 0..4 are the input digits 1..5 (0 = used).
  std::array<std::uint8_t, 8> digitFlags{1, 1, 1, 1, 1, 1, 1, 1};
  char code[6] = "     ";      // digits 0..9, A..E; ends at the terminator or a blank
  char alias[9] = "--------";  // 8 characters, 7 bits each in the image

  std::string FormatCode() const;   // "%-5.5s"
  std::string FormatAlias() const;  // "%-8.8s"
};

// One decode entry (13 image bytes).
struct CFiveToneDecodeRec {
  std::uint8_t beepMode = 3;  // byte 0 bits 7..6: 0 Repeat, otherwise Single
  std::uint8_t beepTone = 7;  // byte 0 bits 2..0: A..G, 7 = Disable
  std::uint8_t flag7 = 0;     // byte 1 bit 7
  std::uint8_t ledBlink = 0;  // byte 1 bit 6: 1 = enabled
  std::uint8_t ptt = 0;       // byte 1 bit 5: 0 = enabled
  char code[6] = "     ";
  char alias[9] = "--------";

  std::string FormatCode() const;   // "%-5.5s"
  std::string FormatAlias() const;  // "%-8.8s"
};

// The encode grid's columns: 1 code, 2 alias, 3 mute mode, 4 select, 5 first-tone
// extension, 6..10 input digits 1..5.
class CFiveToneEncodeList : public CModelPart {
 public:
  using CModelPart::CModelPart;

  void UnpackFromImage(const std::uint8_t* image);
  void PackToImage(std::uint8_t* image);

  // Cycles or toggles the field of a column (3..10); true and g_bModified set
  // when the cell exists.
  bool CycleField(int i, int column);
  // True for the text cells (columns 1 and 2) of an entry 0..7, with their text.
  bool GetCellText(int i, int column, std::string& text) const;
  bool GetCellText(int i, int column) const;
  // Stores a code (column 1) or alias (column 2); false, nothing changed, for any
  // other cell or a text the field cannot hold. g_bModified is set when the
  // entry's text changes.
  bool SetCellText(int i, int column, const std::string& text);

  // Entry i, 0..7 (an index outside is brought into range).
  const CFiveToneEncodeRec& GetRec(int i) const;

  // The entry the dialog's grid stands on; set to 0 by every unpack.
  int currentIndex = 0;

 private:
  std::array<CFiveToneEncodeRec, five_tone::kEntryCount> m_recs{};
};

// The decode grid's columns: 1 code, 2 alias, 3 beep tone, 4 beep mode, 5 LED
// blink, 6 PTT. Entries 5..7 (STUN, KILL, REVIVE) have the code cell only.
class CFiveToneDecodeList : public CModelPart {
 public:
  using CModelPart::CModelPart;

  void UnpackFromImage(const std::uint8_t* image);
  // Writes the 8 entries with their mark bits, the three mark bytes and the
  // aliases of entries 0..4; the alias bytes of entries 5..7 stay as they were.
  void PackToImage(std::uint8_t* image);

  bool CycleField(int i, int column);
  bool GetCellText(int i, int column, std::string& text) const;
  bool GetCellText(int i, int column) const;
  bool SetCellText(int i, int column, const std::string& text);

  const CFiveToneDecodeRec& GetRec(int i) const;

  int currentIndex = 0;

 private:
  std::array<CFiveToneDecodeRec, five_tone::kEntryCount> m_recs{};
};

// The user tone table (grid column 5 of the tone-table page) with the period and
// gap of each of the five tone sets.
class CFiveToneTableData : public CModelPart {
 public:
  explicit CFiveToneTableData(CEditModel& model);

  void UnpackFromImage(const std::uint8_t* image);
  // Writes the tone words, the limit word pairs, the periods and the gaps; the
  // scale, factor and tolerance stay as the image holds them.
  void PackToImage(std::uint8_t* image);

  // Grid cells as the page numbers them: column 5 rows 1..16 the tones ("%5d"),
  // row 17 columns 1..5 the periods ("%3d"), row 18 columns 1..5 the gaps ("%4d").
  // False for every other cell.
  bool GetCellText(int row, int column, std::string& text) const;
  bool GetCellText(int row, int column) const;
  // Stores the decimal value of the text (digits, blanks around them) when the
  // cell exists and the value is in its range: tones 300..3000, periods 1..255,
  // gaps 5..1275, a gap rounded down to a multiple of 5 ms (the image's unit).
  // g_bModified is set when the value changes; any other character stores nothing.
  bool SetCellText(int row, int column, const std::string& text);

  std::uint32_t GetTone(int k) const { return k >= 0 && k < five_tone::kToneCount ? m_tone[k] : 0; }
  std::uint8_t GetPeriod(int set) const { return InSets(set) ? m_period[set] : 0; }  // ms
  std::uint32_t GetGap(int set) const { return InSets(set) ? m_gap[set] : 0; }       // ms
  std::uint32_t GetScale() const { return m_scale; }
  std::uint32_t GetFactor() const { return m_factor; }
  std::uint8_t GetTolerance() const { return m_tolerance; }

 private:
  static bool InSets(int set) { return set >= 0 && set < five_tone::kToneSetCount; }
  // Tone and stored word by the scale, each rounded to the nearest (scale not 0).
  std::uint32_t ToneOfWord(std::uint16_t word) const;
  std::uint16_t WordOfTone(std::uint32_t tone) const;

  std::array<std::uint32_t, five_tone::kToneCount> m_tone{};  // Hz
  std::array<std::uint16_t, five_tone::kToneCount> m_word{};  // the stored words the tones came from
  std::array<std::uint8_t, five_tone::kToneSetCount> m_period{};
  std::array<std::uint32_t, five_tone::kToneSetCount> m_gap{};
  std::uint32_t m_scale;   // 10,000 = stored word equals the tone
  std::uint32_t m_factor;  // 10,000 = limits from the tone as it stands
  std::uint8_t m_tolerance;
};
