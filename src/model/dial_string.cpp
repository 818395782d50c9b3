#include "model/dial_string.h"

int DialLength(const std::uint8_t* s) { return s[0] >> 4; }

void SetDialLength(std::uint8_t* s, int length) { s[0] = std::uint8_t((s[0] & 0x0F) | ((length & 0x0F) << 4)); }

int DialDigit(const std::uint8_t* s, int position) {
  if (position < 1 || position > kDialStringDigits) return -1;
  const std::uint8_t b = s[position / 2];
  return position % 2 == 0 ? b >> 4 : b & 0x0F;
}

void SetDialDigit(std::uint8_t* s, int position, int digit) {
  if (position < 1 || position > kDialStringDigits) return;
  digit &= 0x0F;
  std::uint8_t& b = s[position / 2];
  b = position % 2 == 0 ? std::uint8_t((b & 0x0F) | (digit << 4)) : std::uint8_t((b & 0xF0) | digit);
}

namespace {
constexpr char kDialChars[] = "0123456789ABCD*#";
}  // namespace

int DialCodeOfChar(char c) {
  if (c >= 'a' && c <= 'd') c = char(c - 'a' + 'A');
  for (int code = 0; code < 16; ++code) {
    if (kDialChars[code] == c) return code;
  }
  return -1;
}

char DialCharOfCode(int code) { return kDialChars[code & 0x0F]; }

std::string DialText(const std::uint8_t* s) {
  std::string text;
  const int length = DialLength(s);
  for (int p = 1; p <= length; ++p) text += DialCharOfCode(DialDigit(s, p));
  return text;
}

bool SetDialText(std::uint8_t* s, std::string_view text) {
  std::uint8_t next[kDialStringBytes] = {};
  int length = 0;
  for (char c : text) {
    const int code = DialCodeOfChar(c);
    if (code < 0) continue;
    if (length == kDialStringDigits) break;
    SetDialDigit(next, ++length, code);
  }
  SetDialLength(next, length);
  bool changed = false;
  for (int i = 0; i < kDialStringBytes; ++i) {
    changed = changed || s[i] != next[i];
    s[i] = next[i];
  }
  return changed;
}
