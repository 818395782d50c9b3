// Tags and aliases (the DTMF dial tags, the Sel Call aliases): eight characters
// of upper-case letters, digits and blanks, padded with blanks, held in a
// record buffer of nine with a NUL after them. The image carries the eight.
#pragma once

#include <string>
#include <string_view>

inline constexpr int kTagLength = 8;

// The character a tag stores for a typed one: "A".."Z" and "0".."9" and the
// blank as they are, "a".."z" upper-cased; 0 for any other character, which a
// tag refuses.
char TagChar(char c);
// The text a tag field shows: the stored characters up to the NUL, at most
// eight; a byte that is not printable ASCII (from a radio or a file) shows as a
// blank.
std::string TagText(const char* stored);
// Stores a text: its accepted characters in order (refused ones left out), the
// first eight, padded with blanks, then the NUL. True when a byte changed.
bool SetTagText(char* stored, std::string_view text);
