// Dial strings, paging and pause codes and tags as texts and as stored digits.
// (Which image bits each DTMF list owns is tested through the DTMF page.)
#include <gtest/gtest.h>

#include <cstring>

#include "model/dial_string.h"
#include "model/dtmf_ani.h"
#include "model/tag_text.h"

namespace {

TEST(DialString, TextAndStoredLengthAlwaysAgree) {
  struct Case {
    const char* typed;
    const char* shown;
    std::uint8_t bytes[8];
  };
  const Case cases[] = {
      {"", "", {0, 0, 0, 0, 0, 0, 0, 0}},
      {"12*#", "12*#", {0x41, 0x2E, 0xF0, 0, 0, 0, 0, 0}},
      {"ab", "AB", {0x2A, 0xB0, 0, 0, 0, 0, 0, 0}},
      {"12 4E", "124", {0x31, 0x24, 0, 0, 0, 0, 0, 0}},  // no blank among the dialled digits
      {"0123456789ABCD*#9", "0123456789ABCD*", {0xF0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE}},
  };
  for (const Case& c : cases) {
    std::uint8_t s[8];
    std::memset(s, 0x77, sizeof s);  // old digits everywhere
    SetDialText(s, c.typed);
    EXPECT_EQ(0, std::memcmp(s, c.bytes, 8)) << c.typed;
    EXPECT_EQ(DialText(s), c.shown) << c.typed;
  }
}

TEST(DtmfCodes, PagingAndPauseCodesShowWhatIsStored) {
  struct Case {
    std::uint16_t before;
    const char* typed;
    std::uint16_t after;
    const char* shown;
  };
  const Case cases[] = {
      {0x2456, "1 3", 0x21F3, "1 3"},  // a blank inside: no digit
      {0xF000, "abc", 0xFABC, "ABC"},  // bits 15..12 stay
      {0x2000, "E#*", 0x2FFF, ""},
  };
  for (const Case& c : cases) {
    std::uint16_t code = c.before;
    SetPagingCodeText(code, c.typed);
    EXPECT_EQ(code, c.after) << c.typed;
    EXPECT_EQ(PagingCodeText(code), c.shown) << c.typed;
  }
  EXPECT_EQ(PagingCodeText(0x0123), "   ");  // decoding off

  std::uint8_t pause = 0xAE;
  EXPECT_FALSE(SetPauseCharCodeText(pause, "E"));
  EXPECT_EQ(pause, 0xAE);
}

TEST(TagText, UpperCaseLettersDigitsAndBlanksPadded) {
  char tag[9] = "DIAL   1";
  SetTagText(tag,
             "a\xE9-b\x7F"
             "c 9xyzw");  // 8-bit, punctuation and control characters refused
  EXPECT_STREQ(tag, "ABC 9XYZ");
  SetTagText(tag, "q1");
  EXPECT_STREQ(tag, "Q1      ");
  const char stored[9] = {'O', 'K', '\xC4', '\x01', 'x', '\0', 'Z', 'Z', '\0'};  // from a file
  EXPECT_EQ(TagText(stored), "OK  x");
}

}  // namespace
