// Character tests of the cells. The classification is ASCII-only: a character
// at or above 0x80 is neither a letter, a digit nor printable, so no cell lets
// one into a field that ends up as bytes in the radio.
#pragma once

#include "ui/wnd/win_types.h"

namespace cell_chars {

constexpr bool IsDigit(UINT c) { return c >= '0' && c <= '9'; }
// IsCharAlpha of the system, on ASCII.
constexpr bool IsCharAlpha(UINT c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
// IsCharAlphaNumeric of the system, on ASCII.
constexpr bool IsCharAlphaNumeric(UINT c) { return IsCharAlpha(c) || IsDigit(c); }
constexpr bool IsPrint(UINT c) { return c >= 0x20 && c < 0x7F; }
constexpr bool IsHexDigit(UINT c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
constexpr UINT ToUpper(UINT c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }
// Whether c is one of the characters of the NUL-terminated list.
constexpr bool IsOneOf(UINT c, const char* list) {
  for (; *list; ++list) {
    if (static_cast<unsigned char>(*list) == c) return true;
  }
  return false;
}

}  // namespace cell_chars
