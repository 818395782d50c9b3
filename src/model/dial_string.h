// Dial strings: up to 15 digit codes in 8 bytes. Byte 0 holds the length in
// bits 7..4 and digit 1 in bits 3..0; byte m (1..7) holds digit 2m in bits 7..4
// and digit 2m + 1 in bits 3..0. A digit code is 0..9, 10..13 for "A".."D",
// 14 for "*" and 15 for "#".
//
// As text, a dial string is exactly its stored digits, one character each, with
// no padding: the text and the stored length always agree.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dial {

inline constexpr int kMaxDigits = 15;
inline constexpr int kBytes = 8;

// The character of a digit code.
char DigitChar(int code);
// The code of a dial character ('0'-'9', 'A'-'D' in either case, '*', '#'); -1 otherwise.
int DigitCode(char c);

int Length(const std::uint8_t* s);
// Digit `position` (1..15); -1 outside.
int Digit(const std::uint8_t* s, int position);
// Writes the low four bits of the code at `position` (1..15); nothing outside.
void SetDigit(std::uint8_t* s, int position, int code);

// The stored digits as text.
std::string Text(const std::uint8_t* s);
// Stores the text's leading dial characters (at most 15) as the string: the
// length is their number, and every digit place past it holds 0.
void SetText(std::uint8_t* s, std::string_view text);

}  // namespace dial
