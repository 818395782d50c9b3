#include "model/five_tone.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "model/edit_model.h"

using namespace five_tone;

namespace {

// Value of a code digit: "0".."9", "A".."E" in either case; -1 for anything else.
// F is not a digit: its nibble ends a code in the image.
int CodeDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'E') return c - 'A' + 10;
  if (c >= 'a' && c <= 'e') return c - 'a' + 10;
  return -1;
}

char NibbleChar(int v) { return char(v < 10 ? '0' + v : 'A' + v - 10); }

// Writes a code into three image bytes, one digit a nibble, high nibble first;
// the unused nibbles stay 0xF, which ends the code. At most five digits; the code
// ends at the first character that is not a digit (terminator, blank, anything
// else), so an odd last digit leaves 0xF in its low nibble.
void PackCode(const char* code, std::uint8_t* p) {
  p[0] = p[1] = p[2] = 0xFF;
  for (int n = 0; n < kCodeLength; ++n) {
    int v = CodeDigitValue(code[n]);
    if (v < 0) break;
    std::uint8_t& b = p[n / 2];
    b = (n % 2 == 0) ? std::uint8_t((v << 4) | 0x0F) : std::uint8_t((b & 0xF0) | v);
  }
}

// Reads a code from three image bytes: nibbles until 0xF, at most five digits
// (a sixth nibble has no room in the record and is dropped).
void UnpackCode(const std::uint8_t* p, char* code) {
  int n = 0;
  for (; n < kCodeLength; ++n) {
    int v = (n % 2 == 0) ? p[n / 2] >> 4 : p[n / 2] & 0x0F;
    if (v == 0x0F) break;
    code[n] = NibbleChar(v);
  }
  code[n] = '\0';
}

// "%-5.5s" / "%-8.8s": the text up to its terminator, cut and padded with blanks.
std::string FormatField(const char* text, std::size_t width) {
  std::size_t n = 0;
  while (n < width && text[n] != '\0') ++n;
  std::string s(text, n);
  s.resize(width, ' ');
  return s;
}

// A code as typed: trailing blanks dropped, cut to five characters, every
// character a digit 0..9 or A..E (stored upper-case), padded with blanks.
// False when another character remains.
bool ParseCode(const std::string& text, char* code) {
  std::string s = text.substr(0, kCodeLength);
  while (!s.empty() && s.back() == ' ') s.pop_back();
  char out[kCodeLength + 1];
  std::memset(out, ' ', kCodeLength);
  out[kCodeLength] = '\0';
  for (std::size_t n = 0; n < s.size(); ++n) {
    int v = CodeDigitValue(s[n]);
    if (v < 0) return false;
    out[n] = NibbleChar(v);
  }
  std::memcpy(code, out, sizeof out);
  return true;
}

// An alias as typed: cut to eight characters, padded with blanks; only printable
// ASCII (the encode entries keep 7 bits a character).
bool ParseAlias(const std::string& text, char* alias) {
  std::string s = text.substr(0, kAliasLength);
  for (char c : s)
    if (c < 0x20 || c > 0x7E) return false;
  s.resize(kAliasLength, ' ');
  std::memcpy(alias, s.c_str(), kAliasLength + 1);
  return true;
}

std::uint8_t Toggle(std::uint8_t v) { return v ? 0 : 1; }

// Whether an entry's code and alias are what they were.
template <class Rec>
bool SameTexts(const Rec& a, const Rec& b) {
  return std::memcmp(a.code, b.code, sizeof a.code) == 0 && std::memcmp(a.alias, b.alias, sizeof a.alias) == 0;
}

// A computed image word: truncated, kept inside 0..65,535 (NaN gives 0).
std::uint16_t ClampWord(double v) {
  if (!(v >= 0.0)) return 0;
  if (v >= 65535.0) return 65535;
  return std::uint16_t(v);
}

// A number as the tone-table cells take it: digits only, with blanks around
// them; -1 for an empty text or any other character. A long run of digits
// saturates far above every range.
long long ParseDigits(const std::string& text) {
  std::size_t i = 0;
  std::size_t end = text.size();
  while (i < end && text[i] == ' ') ++i;
  while (end > i && text[end - 1] == ' ') --end;
  if (i == end) return -1;
  long long v = 0;
  for (; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    if (v < 1000000000LL) v = v * 10 + (text[i] - '0');
  }
  return v;
}

std::string Printf(const char* format, long v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, format, int(v));
  return buf;
}

}  // namespace

// ---------------------------------------------------------------------------
// Common/system settings. The initial values are the entries the 5-Tone dialog
// shows by default: every Enable/Disable choice disabled, group tone A, repeat
// tone E, every digit used.

CFiveToneSystemData::CFiveToneSystemData(CEditModel& model)
    : CModelPart(model),
      tagDisplay(1),
      displayDigit{0, 0, 0, 0, 0},
      aniDisplay(1),
      compareDigit{0, 0, 0, 0, 0},
      groupTone(10),
      repeatTone(14),
      autoResetBeep(1),
      pttCall(1),
      call1EncodeCode(0),
      call2EncodeCode(0),
      extendedFirstTone(0),
      leadInDelay(0),
      leadOutDelay(0),
      beepRepeat(0),
      autoReset(1),
      pttSwAfOpen(1),
      monitorSw(0),
      channelSw(0),
      aniTransmission(0),
      toneTableNo(0),
      callEncodeToneNo(0),
      decodeCode{0, 0, 0, 0, 0} {}

void CFiveToneSystemData::UnpackFromImage(const std::uint8_t* image) {
  const std::uint8_t* p = image + kSystem;
  tagDisplay = p[0] >> 7;
  aniDisplay = p[1] >> 7;
  for (int i = 0; i < 5; ++i) {
    displayDigit[i] = (p[0] >> i) & 1;
    compareDigit[i] = (p[1] >> i) & 1;
    decodeCode[i] = (p[15] >> i) & 1;
  }
  groupTone = p[2] >> 4;
  repeatTone = p[2] & 0x0F;
  autoResetBeep = (p[3] >> 2) & 1;
  pttCall = p[3] & 1;
  call1EncodeCode = p[4];
  call2EncodeCode = p[5];
  extendedFirstTone = p[6];
  leadInDelay = p[7];
  leadOutDelay = p[8];
  beepRepeat = p[10] >> 4;
  autoReset = p[12] >> 7;
  pttSwAfOpen = (p[12] >> 3) & 1;
  monitorSw = p[12] & 3;
  channelSw = p[13] >> 6;
  aniTransmission = (p[13] >> 2) & 3;
  toneTableNo = (p[14] >> 4) & 7;
  callEncodeToneNo = p[14] & 0x0F;
}

int CFiveToneSystemData::PackToImage(std::uint8_t* image) {
  std::uint8_t* p = image + kSystem;
  std::uint8_t tag = std::uint8_t((tagDisplay & 1) << 7), ani = std::uint8_t((aniDisplay & 1) << 7);
  for (int i = 0; i < 5; ++i) {
    tag |= std::uint8_t((displayDigit[i] & 1) << i);
    ani |= std::uint8_t((compareDigit[i] & 1) << i);
    p[15] = WithBits(p[15], std::uint8_t(1 << i), decodeCode[i]);
  }
  p[0] = tag;
  p[1] = ani;
  p[2] = std::uint8_t((groupTone << 4) | (repeatTone & 0x0F));
  p[3] = WithBits(p[3], 0x04, autoResetBeep);
  p[3] = WithBits(p[3], 0x01, pttCall);
  p[4] = call1EncodeCode;
  p[5] = call2EncodeCode;
  p[6] = extendedFirstTone;
  p[7] = leadInDelay;
  p[8] = leadOutDelay;
  p[10] = WithBits(p[10], 0xF0, beepRepeat);
  p[12] = WithBits(p[12], 0x80, autoReset);
  p[12] = WithBits(p[12], 0x08, pttSwAfOpen);
  p[12] = WithBits(p[12], 0x03, monitorSw);
  p[13] = WithBits(p[13], 0xC0, channelSw);
  p[13] = WithBits(p[13], 0x0C, aniTransmission);
  p[14] = WithBits(p[14], 0x70, toneTableNo);
  p[14] = WithBits(p[14], 0x0F, callEncodeToneNo);
  return 1;
}

// ---------------------------------------------------------------------------
// Record formatters.

std::string CFiveToneEncodeRec::FormatCode() const { return FormatField(code, kCodeLength); }
std::string CFiveToneEncodeRec::FormatAlias() const { return FormatField(alias, kAliasLength); }
std::string CFiveToneDecodeRec::FormatCode() const { return FormatField(code, kCodeLength); }
std::string CFiveToneDecodeRec::FormatAlias() const { return FormatField(alias, kAliasLength); }

// ---------------------------------------------------------------------------
// Encode list.

void CFiveToneEncodeList::UnpackFromImage(const std::uint8_t* image) {
  for (int i = 0; i < kEntryCount; ++i) {
    const std::uint8_t* p = image + kEncode + kEncodeSize * i;
    CFiveToneEncodeRec& r = m_recs[i];
    r.select = p[0] >> 7;
    r.muteMode = (p[0] >> 5) & 3;
    r.firstToneExt = (p[0] >> 4) & 1;
    r.flag0 = p[0] & 1;
    for (int b = 0; b < 8; ++b) r.digitFlags[b] = (p[1] >> b) & 1;
    UnpackCode(p + 2, r.code);
    for (int c = 0; c < kAliasLength; ++c) r.alias[c] = char(p[5 + c] & 0x7F);
    r.alias[kAliasLength] = '\0';
  }
  currentIndex = 0;
}

void CFiveToneEncodeList::PackToImage(std::uint8_t* image) {
  for (int i = 0; i < kEntryCount; ++i) {
    std::uint8_t* p = image + kEncode + kEncodeSize * i;
    const CFiveToneEncodeRec& r = m_recs[i];
    p[0] = WithBits(p[0], 0x80, r.select);
    p[0] = WithBits(p[0], 0x60, r.muteMode);
    p[0] = WithBits(p[0], 0x10, r.firstToneExt);
    p[0] = WithBits(p[0], 0x01, r.flag0);
    std::uint8_t flags = 0;
    for (int b = 0; b < 8; ++b) flags |= std::uint8_t((r.digitFlags[b] & 1) << b);
    p[1] = flags;
    PackCode(r.code, p + 2);
  }
  // The aliases: 7 bits a character; the image's top bit is kept.
  for (int i = 0; i < kEntryCount; ++i) {
    std::uint8_t* p = image + kEncode + kEncodeSize * i + 5;
    for (int c = 0; c < kAliasLength; ++c) p[c] = std::uint8_t((p[c] & 0x80) | (m_recs[i].alias[c] & 0x7F));
  }
}

const CFiveToneEncodeRec& CFiveToneEncodeList::GetRec(int i) const {
  return m_recs[i < 0 ? 0 : i >= kEntryCount ? kEntryCount - 1 : i];
}

bool CFiveToneEncodeList::CycleField(int i, int column) {
  if (i < 0 || i >= kEntryCount) return false;
  CFiveToneEncodeRec& r = m_recs[i];
  if (column == 3)
    r.muteMode = r.muteMode >= 2 ? 0 : r.muteMode + 1;
  else if (column == 4)
    r.select = Toggle(r.select);
  else if (column == 5)
    r.firstToneExt = Toggle(r.firstToneExt);
  else if (column >= 6 && column <= 10)
    r.digitFlags[column - 6] = Toggle(r.digitFlags[column - 6]);
  else
    return false;
  g_bModified = 1;
  return true;
}

bool CFiveToneEncodeList::GetCellText(int i, int column, std::string& text) const {
  if (i < 0 || i >= kEntryCount) return false;
  if (column == 1)
    text = m_recs[i].FormatCode();
  else if (column == 2)
    text = m_recs[i].FormatAlias();
  else
    return false;
  return true;
}

bool CFiveToneEncodeList::GetCellText(int i, int column) const {
  std::string text;
  return GetCellText(i, column, text);
}

bool CFiveToneEncodeList::SetCellText(int i, int column, const std::string& text) {
  if (i < 0 || i >= kEntryCount) return false;
  const CFiveToneEncodeRec before = m_recs[i];
  bool stored = column == 1 ? ParseCode(text, m_recs[i].code) : column == 2 ? ParseAlias(text, m_recs[i].alias) : false;
  if (stored && !SameTexts(before, m_recs[i])) g_bModified = 1;
  return stored;
}

// ---------------------------------------------------------------------------
// Decode list.

void CFiveToneDecodeList::UnpackFromImage(const std::uint8_t* image) {
  for (int k = 0; k < kEntryCount; ++k) {
    const std::uint8_t* p = image + kDecode + kDecodeSize * k;
    CFiveToneDecodeRec& r = m_recs[k];
    r.beepMode = p[0] >> 6;
    r.beepTone = p[0] & 7;
    r.flag7 = p[1] >> 7;
    r.ledBlink = (p[1] >> 6) & 1;
    r.ptt = (p[1] >> 5) & 1;
    UnpackCode(p + 2, r.code);
    std::memcpy(r.alias, p + 5, kAliasLength);
    r.alias[kAliasLength] = '\0';
  }
  currentIndex = 0;
}

void CFiveToneDecodeList::PackToImage(std::uint8_t* image) {
  // Bits 5..4 of byte 0: 11 for the named entries, then 01, 10, 00 for STUN, KILL
  // and REVIVE; the three mark bytes repeat the last three.
  static constexpr std::uint8_t kMarks[kEntryCount] = {3, 3, 3, 3, 3, 1, 2, 0};
  for (int k = 0; k < kEntryCount; ++k) {
    std::uint8_t* p = image + kDecode + kDecodeSize * k;
    const CFiveToneDecodeRec& r = m_recs[k];
    p[0] = WithBits(p[0], 0xC0, r.beepMode);
    p[0] = WithBits(p[0], 0x30, kMarks[k]);
    p[0] = WithBits(p[0], 0x07, r.beepTone);
    p[1] = WithBits(p[1], 0x80, r.flag7);
    p[1] = WithBits(p[1], 0x40, r.ledBlink);
    p[1] = WithBits(p[1], 0x20, r.ptt);
    PackCode(r.code, p + 2);
  }
  image[kDecodeMark5] = WithBits(image[kDecodeMark5], 0x30, kMarks[5]);
  image[kDecodeMark6] = WithBits(image[kDecodeMark6], 0x30, kMarks[6]);
  image[kDecodeMark7] = WithBits(image[kDecodeMark7], 0x30, kMarks[7]);
  for (int k = 0; k < kNamedDecodeCount; ++k)
    std::memcpy(image + kDecode + kDecodeSize * k + 5, m_recs[k].alias, kAliasLength);
}

const CFiveToneDecodeRec& CFiveToneDecodeList::GetRec(int i) const {
  return m_recs[i < 0 ? 0 : i >= kEntryCount ? kEntryCount - 1 : i];
}

bool CFiveToneDecodeList::CycleField(int i, int column) {
  if (i < 0 || i >= kNamedDecodeCount) return false;
  CFiveToneDecodeRec& r = m_recs[i];
  if (column == 3)
    r.beepTone = r.beepTone >= 7 ? 0 : r.beepTone + 1;
  else if (column == 4)
    r.beepMode = r.beepMode == 0 ? 3 : 0;
  else if (column == 5)
    r.ledBlink = Toggle(r.ledBlink);
  else if (column == 6)
    r.ptt = Toggle(r.ptt);
  else
    return false;
  g_bModified = 1;
  return true;
}

bool CFiveToneDecodeList::GetCellText(int i, int column, std::string& text) const {
  if (i < 0 || i >= kEntryCount) return false;
  if (column == 1)
    text = m_recs[i].FormatCode();
  else if (column == 2 && i < kNamedDecodeCount)
    text = m_recs[i].FormatAlias();
  else
    return false;
  return true;
}

bool CFiveToneDecodeList::GetCellText(int i, int column) const {
  std::string text;
  return GetCellText(i, column, text);
}

bool CFiveToneDecodeList::SetCellText(int i, int column, const std::string& text) {
  if (!GetCellText(i, column)) return false;
  const CFiveToneDecodeRec before = m_recs[i];
  bool stored = column == 1 ? ParseCode(text, m_recs[i].code) : ParseAlias(text, m_recs[i].alias);
  if (stored && !SameTexts(before, m_recs[i])) g_bModified = 1;
  return stored;
}

// ---------------------------------------------------------------------------
// Tone table. Initially the user table holds the ZVEI tones, and every tone set
// its usual tone period; scale and factor are the identity and the tolerance 1 %.

namespace {
constexpr std::uint32_t kInitialTones[kToneCount] = {2400, 1060, 1160, 1270, 1400, 1530, 1670, 1830,
                                                     2000, 2200, 2800, 810,  970,  885,  2600, 680};
constexpr std::uint8_t kInitialPeriods[kToneSetCount] = {70, 100, 40, 33, 70};
constexpr std::uint32_t kInitialGaps[kToneSetCount] = {70, 100, 40, 35, 70};
}  // namespace

CFiveToneTableData::CFiveToneTableData(CEditModel& model)
    : CModelPart(model), m_scale(10000), m_factor(10000), m_tolerance(10) {
  for (int k = 0; k < kToneCount; ++k) m_tone[k] = m_word[k] = kInitialTones[k];
  for (int c = 0; c < kToneSetCount; ++c) {
    m_period[c] = kInitialPeriods[c];
    m_gap[c] = kInitialGaps[c];
  }
}

// Both directions round to the nearest, in whole numbers, so a tone written
// from a word gives that word back.
std::uint32_t CFiveToneTableData::ToneOfWord(std::uint16_t word) const {
  return std::uint32_t((std::uint64_t(word) * m_scale + 5000) / 10000);
}

std::uint16_t CFiveToneTableData::WordOfTone(std::uint32_t tone) const {
  const std::uint64_t word = (std::uint64_t(tone) * 20000 + m_scale) / (2 * std::uint64_t(m_scale));
  return std::uint16_t(std::min<std::uint64_t>(word, 65535));
}

void CFiveToneTableData::UnpackFromImage(const std::uint8_t* image) {
  m_scale = GetBE16(image + kScale);
  m_factor = GetBE16(image + kFactor);
  m_tolerance = image[kTolerance];
  for (int k = 0; k < kToneCount; ++k) {
    m_word[k] = GetBE16(image + kToneWords + 2 * k);
    m_tone[k] = ToneOfWord(m_word[k]);
  }
  for (int c = 0; c < kToneSetCount; ++c) {
    m_period[c] = image[kPeriods + c];
    m_gap[c] = image[kGaps + c] * 5u;
  }
}

void CFiveToneTableData::PackToImage(std::uint8_t* image) {
  // A zero scale, factor or tone has no word to give: the image keeps its words.
  // A tone that still shows what its stored word gives keeps that word, so a
  // scale that maps several words to one tone does not move it either.
  if (m_scale != 0) {
    for (int k = 0; k < kToneCount; ++k) {
      const std::uint16_t word = m_tone[k] == ToneOfWord(m_word[k]) ? m_word[k] : WordOfTone(m_tone[k]);
      SetBE16(image + kToneWords + 2 * k, word);
    }
  }
  const double a = m_factor * 0.0001;
  const double b = m_tolerance * 0.001;
  for (int k = 0; k < kToneCount; ++k) {
    if (m_factor == 0 || m_tone[k] == 0) continue;
    const double x = 1000000.0 / (m_tone[k] * a);
    SetBE16(image + kLimitWords + 4 * k, ClampWord(x * (1.0 - b) + 0.5));
    SetBE16(image + kLimitWords + 4 * k + 2, ClampWord(x * (1.0 + b) + 0.5));
  }
  for (int c = 0; c < kToneSetCount; ++c) {
    image[kPeriods + c] = m_period[c];
    image[kGaps + c] = std::uint8_t(m_gap[c] / 5 > 255 ? 255 : m_gap[c] / 5);
  }
}

bool CFiveToneTableData::GetCellText(int row, int column, std::string& text) const {
  if (column == 5 && row >= 1 && row <= kToneCount)
    text = Printf("%5d", m_tone[row - 1]);
  else if (row == 17 && column >= 1 && column <= kToneSetCount)
    text = Printf("%3d", m_period[column - 1]);
  else if (row == 18 && column >= 1 && column <= kToneSetCount)
    text = Printf("%4d", m_gap[column - 1]);
  else
    return false;
  return true;
}

bool CFiveToneTableData::GetCellText(int row, int column) const {
  std::string text;
  return GetCellText(row, column, text);
}

bool CFiveToneTableData::SetCellText(int row, int column, const std::string& text) {
  if (!GetCellText(row, column)) return false;
  const long long v = ParseDigits(text);
  std::uint32_t before = 0;
  std::uint32_t after = 0;
  if (row == 17) {
    if (v < 1 || v > 255) return false;
    before = std::exchange(m_period[column - 1], std::uint8_t(v));
    after = m_period[column - 1];
  } else if (row == 18) {
    // The image keeps gaps in units of 5 ms: the record holds what it will send.
    if (v < 5 || v > 1275) return false;
    before = std::exchange(m_gap[column - 1], std::uint32_t(v - v % 5));
    after = m_gap[column - 1];
  } else {
    if (v < 300 || v > 3000) return false;
    before = std::exchange(m_tone[row - 1], std::uint32_t(v));
    after = m_tone[row - 1];
  }
  if (after != before) g_bModified = 1;
  return true;
}
