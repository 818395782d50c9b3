#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "model/dial_string.h"
#include "model/dtmf_ani.h"
#include "model/global_fields.h"
#include "model/tag_text.h"
#include "test_support.h"

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
  // "12", Backspace, "3": the field shows and dials 1, 3.
  TestModel m;
  df::kDialMemory.set(*m, 9, "12");
  df::kDialMemory.set(*m, 9, df::kDialMemory.get(*m, 9).substr(0, 1) + "3");
  EXPECT_EQ(df::kDialMemory.get(*m, 9), "13");
  EXPECT_EQ(m->dtmf.DialMemoryLength(9), 2);
}

TEST(DtmfCodes, PagingAndPauseCodesShowWhatIsStored) {
  struct Case {
    std::uint16_t before;
    const char* typed;
    std::uint16_t after;
    const char* shown;
  };
  const Case cases[] = {
      {0x2456, "1", 0x21FF, "1"},  // past the end of the text: no digit, not the old 5 and 6
      {0x2456, "1 3", 0x21F3, "1 3"},
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

  std::uint8_t pause = 0xA5;
  SetPauseCharCodeText(pause, "*");
  EXPECT_EQ(pause, 0xAE);
  EXPECT_FALSE(SetPauseCharCodeText(pause, "E"));
  SetPauseCharCodeText(pause, "");
  EXPECT_EQ(PauseCharCodeText(pause), "0");
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

TEST(DtmfFields, EachChoiceWritesOnlyItsBitsAndPacksThere) {
  struct Case {
    BitField field;
    ChoiceList list;
    int imageByte;
    std::uint8_t mask;
  };
  const Case cases[] = {
      {gf::kAniTransmission, df::kAniTransmissionList, 202, 0x01},
      {gf::kDtmfMonitor, df::kMonitorList, 209, 0x01},
      {gf::kAniSpeed, df::kAniSpeedList, 212, 0xC0},
      {gf::kFirstDigitDelay, df::kFirstDigitDelayList, 213, 0x70},
      {df::kPauseCharacter, df::kPauseCharacterList, 384, 0x80},
      {df::kPauseTime, df::kPauseTimeList, 384, 0x70},
      {df::kSpeed, df::kSpeedList, 385, 0x10},
      {df::kKeypad, df::kKeypadList, 385, 0x20},
      {df::kCallingTimes, df::kCallingTimesList, 385, 0x03},
  };
  TestModel m;
  std::vector<std::uint8_t> before(kImageBufferSize), after(kImageBufferSize);
  for (const Case& c : cases) {
    for (int p = 0; p < int(c.list.size()); ++p) {
      ASSERT_EQ(m->PackImage(before.data()), 1);
      c.field.Set(*m, 0, c.list.CodeAt(p));
      ASSERT_EQ(m->PackImage(after.data()), 1);
      for (std::size_t i = 0; i < kImageSize; ++i) {
        const std::uint8_t owned = int(i) == c.imageByte ? c.mask : 0;
        ASSERT_EQ(before[i] & ~owned, after[i] & ~owned) << c.imageByte << " byte " << i;
      }
      EXPECT_EQ((after[std::size_t(c.imageByte)] & c.mask) >> std::countr_zero(unsigned(c.mask)), c.list.CodeAt(p));
      EXPECT_EQ(ChoiceText(*m, c.field, c.list), c.list.TextAt(p));
    }
  }
  // Answer Back and Auto Reset go out off and on whatever the record holds.
  df::kAnswerBack.Set(*m, 0, 1);
  df::kAutoReset.Set(*m, 0, 0);
  m->PackImage(after.data());
  EXPECT_EQ(after[385] & 0xC0, 0x40);
  // A code outside a list: the page and the sheet show its default entry.
  m->global.byte213 = 0x00;
  EXPECT_EQ(ChoiceText(*m, gf::kFirstDigitDelay, df::kFirstDigitDelayList), "300msec");
  EXPECT_EQ(df::kFirstDigitDelayList.PrintText(0), "300msec");
  // The KeyPad choice is locked for production type 11 with image 251 bit 3 only.
  m->global.byte251 = 0x08;
  EXPECT_FALSE(IsDtmfKeypadLocked(*m));
  m->store.modelWord = 0x0B00;
  EXPECT_TRUE(IsDtmfKeypadLocked(*m));
}

}  // namespace
