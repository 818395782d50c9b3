#include "model/dial_string.h"

namespace dial {

char DigitChar(int code) {
  static constexpr char kChars[] = "0123456789ABCD*#";
  return kChars[code & 0x0F];
}

int DigitCode(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'D') return c - 'A' + 10;
  if (c >= 'a' && c <= 'd') return c - 'a' + 10;
  if (c == '*') return 14;
  if (c == '#') return 15;
  return -1;
}

int Length(const std::uint8_t* s) { return s[0] >> 4; }

int Digit(const std::uint8_t* s, int position) {
  if (position < 1 || position > kMaxDigits) return -1;
  if (position == 1) return s[0] & 0x0F;
  const std::uint8_t b = s[position / 2];
  return position % 2 == 0 ? b >> 4 : b & 0x0F;
}

void SetDigit(std::uint8_t* s, int position, int code) {
  if (position < 1 || position > kMaxDigits) return;
  const auto v = static_cast<std::uint8_t>(code & 0x0F);
  std::uint8_t& b = s[position == 1 ? 0 : position / 2];
  if (position % 2 == 0) b = static_cast<std::uint8_t>((b & 0x0F) | (v << 4));
  else b = static_cast<std::uint8_t>((b & 0xF0) | v);
}

std::string Text(const std::uint8_t* s) {
  std::string text;
  const int length = Length(s);
  for (int p = 1; p <= length; ++p) text += DigitChar(Digit(s, p));
  return text;
}

void SetText(std::uint8_t* s, std::string_view text) {
  int length = 0;
  while (length < kMaxDigits && static_cast<std::size_t>(length) < text.size() &&
         DigitCode(text[static_cast<std::size_t>(length)]) >= 0) {
    ++length;
  }
  for (int p = 1; p <= kMaxDigits; ++p) {
    SetDigit(s, p, p <= length ? DigitCode(text[static_cast<std::size_t>(p - 1)]) : 0);
  }
  s[0] = static_cast<std::uint8_t>((s[0] & 0x0F) | (length << 4));
}

}  // namespace dial
