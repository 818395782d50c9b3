// Dial strings: the ANI codes, the dial memories, the emergency code and the
// Connect Dial of a conventional zone. Eight bytes: byte 0 bits 7..4 hold the
// length 0..15; digit 1 lies in byte 0 bits 3..0, digit 2m in byte m bits 7..4
// and digit 2m + 1 in byte m bits 3..0 (m = 1..7). A digit is a digit code:
// 0..9, 10..13 "A".."D", 14 "*", 15 "#".
//
// The text of a dial string is exactly its stored digits, with no padding, and
// storing a text leaves nothing behind it: a field never shows a digit that is
// not dialled, and never dials one it does not show.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kDialStringBytes = 8;
inline constexpr int kDialStringDigits = 15;
inline constexpr int kDialHash = 15;  // the digit code of "#"

int DialLength(const std::uint8_t* s);
void SetDialLength(std::uint8_t* s, int length);  // the low four bits of `length`
// Digit at position 1..15; -1 outside (nothing written there).
int DialDigit(const std::uint8_t* s, int position);
void SetDialDigit(std::uint8_t* s, int position, int digit);  // the low four bits of `digit`

// The digit code of a typed character: "0".."9", "A".."D" (either case), "*"
// 14, "#" 15; -1 for any other character.
int DialCodeOfChar(char c);
// The character of a digit code (its low four bits): "0".."9", "A".."D", "*", "#".
char DialCharOfCode(int code);

// The stored digits as text: the first `length` digits, nothing after them.
std::string DialText(const std::uint8_t* s);
// Stores a text: its dial characters in order (any other character, a blank
// among them, is left out), at most fifteen; the length is their number and
// the digit places after them are cleared. True when a byte changed.
bool SetDialText(std::uint8_t* s, std::string_view text);
