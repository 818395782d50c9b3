// The 5-Tone records: code and alias packing, the decode marks, the tone-table
// arithmetic and its guards, the grid cells, and a byte-exact block round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/five_tone.h"
#include "test_support.h"

using namespace five_tone;

namespace {

// An image whose 5-Tone block holds a recognisable pattern in every byte.
std::vector<std::uint8_t> PatternImage() {
  std::vector<std::uint8_t> img(kImageBufferSize, 0xFF);
  for (std::size_t a = img::kFiveToneBlock; a < img::kFiveToneBlock + img::kFiveToneBlockSize; ++a)
    img[a] = std::uint8_t(a * 7 + 3);
  return img;
}

std::size_t EncodeAt(int i) { return kEncode + kEncodeSize * i; }
std::size_t DecodeAt(int k) { return kDecode + kDecodeSize * k; }

void Put3(std::vector<std::uint8_t>& img, std::size_t a, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) {
  img[a] = b0;
  img[a + 1] = b1;
  img[a + 2] = b2;
}

// A table image with the given scale, factor and tolerance.
std::vector<std::uint8_t> TableImage(std::uint16_t scale, std::uint16_t factor, std::uint8_t tolerance) {
  std::vector<std::uint8_t> img(kImageBufferSize, 0xFF);
  SetBE16(&img[kScale], scale);
  SetBE16(&img[kFactor], factor);
  img[kTolerance] = tolerance;
  return img;
}

}  // namespace

TEST(FiveToneCode, PacksDigitsOneANibbleAndEndsWithF) {
  TestModel m;
  auto& enc = m->fiveToneEncode;
  std::vector<std::uint8_t> img(kImageBufferSize, 0x00);
  struct Case { const char* typed; std::uint8_t b0, b1, b2; const char* shown; };
  const Case cases[] = {
      {"12", 0x12, 0xFF, 0xFF, "12   "},
      {"123", 0x12, 0x3F, 0xFF, "123  "},     // odd length: the last digit high, 0xF low
      {"12345", 0x12, 0x34, 0x5F, "12345"},
      {"1234567", 0x12, 0x34, 0x5F, "12345"}, // cut to five, as the cell shows it
      {"abe0", 0xAB, 0xE0, 0xFF, "ABE0 "},    // lower case accepted, stored upper case
      {"", 0xFF, 0xFF, 0xFF, "     "},
      {"7  ", 0x7F, 0xFF, 0xFF, "7    "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ASSERT_TRUE(enc.SetCellText(3, 1, c.typed));
    std::string shown;
    ASSERT_TRUE(enc.GetCellText(3, 1, shown));
    EXPECT_EQ(shown, c.shown);
    enc.PackToImage(img.data());
    EXPECT_EQ(img[EncodeAt(3) + 2], c.b0);
    EXPECT_EQ(img[EncodeAt(3) + 3], c.b1);
    EXPECT_EQ(img[EncodeAt(3) + 4], c.b2);
    enc.UnpackFromImage(img.data());
    EXPECT_EQ(enc.GetRec(3).FormatCode(), c.shown);
  }
}

TEST(FiveToneCode, RefusesCharactersThatAreNoCodeDigit) {
  TestModel m;
  auto& enc = m->fiveToneEncode;
  auto& dec = m->fiveToneDecode;
  ASSERT_TRUE(enc.SetCellText(0, 1, "42"));
  ASSERT_TRUE(dec.SetCellText(6, 1, "42"));
  g_bModified = 0;
  // F is the end mark in the image; G, '#', blanks inside, lower-case f are no digits.
  for (const char* bad : {"1F3", "12G", "#1", "1 2", " 12", "f", "12\xC3\xA9"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(enc.SetCellText(0, 1, bad));
    EXPECT_FALSE(dec.SetCellText(6, 1, bad));
  }
  EXPECT_EQ(enc.GetRec(0).FormatCode(), "42   ");
  EXPECT_EQ(dec.GetRec(6).FormatCode(), "42   ");
  EXPECT_EQ(g_bModified, 0u);
}

TEST(FiveToneCode, UnpacksAtMostFiveDigitsAndStopsAtF) {
  TestModel m;
  auto& dec = m->fiveToneDecode;
  auto img = PatternImage();
  Put3(img, DecodeAt(0) + 2, 0x12, 0x34, 0x56);  // six nibbles, no end mark
  Put3(img, DecodeAt(1) + 2, 0x1F, 0x23, 0x45);  // end mark after one digit
  Put3(img, DecodeAt(2) + 2, 0xFF, 0x12, 0x34);  // empty
  Put3(img, DecodeAt(7) + 2, 0xAB, 0xCD, 0xEF);  // every letter digit, then the end mark
  dec.UnpackFromImage(img.data());
  EXPECT_EQ(dec.GetRec(0).FormatCode(), "12345");
  EXPECT_EQ(dec.GetRec(1).FormatCode(), "1    ");
  EXPECT_EQ(dec.GetRec(2).FormatCode(), "     ");
  EXPECT_EQ(dec.GetRec(7).FormatCode(), "ABCDE");
  dec.PackToImage(img.data());
  EXPECT_EQ(img[DecodeAt(0) + 4], 0x5F);  // the sixth digit has no room in the record
  EXPECT_EQ(img[DecodeAt(1) + 3], 0xFF);
  EXPECT_EQ(img[DecodeAt(1) + 4], 0xFF);
}

// An alias character is seven bits: the pack keeps the top bit of its byte and
// the unpack drops it.
TEST(FiveToneLists, EncodeAliasesAreSevenBits) {
  TestModel m;
  auto& enc = m->fiveToneEncode;
  auto img = PatternImage();
  img[EncodeAt(2) + 6] |= 0x80;
  ASSERT_TRUE(enc.SetCellText(2, 2, "ab"));
  enc.PackToImage(img.data());
  EXPECT_EQ(img[EncodeAt(2) + 6], 0x80 | 'b');
  enc.UnpackFromImage(img.data());
  EXPECT_EQ(enc.GetRec(2).FormatAlias(), "ab      ");
}

// Only the cells the grids show exist: header rows give indexes -2 and -1, and
// STUN, KILL and REVIVE have a code only. (The cycles of the cells that exist,
// by Space and double-click, are tested through the list dialog.)
TEST(FiveToneLists, OnlyTheCellsTheGridsShowExist) {
  TestModel m;
  auto& enc = m->fiveToneEncode;
  auto& dec = m->fiveToneDecode;
  g_bModified = 0;
  for (int col : {0, 1, 2, 11}) EXPECT_FALSE(enc.CycleField(0, col));
  for (int col : {0, 1, 2, 7}) EXPECT_FALSE(dec.CycleField(0, col));
  EXPECT_FALSE(enc.CycleField(-2, 3));
  EXPECT_FALSE(enc.CycleField(8, 3));
  EXPECT_FALSE(dec.CycleField(5, 3));
  EXPECT_FALSE(enc.GetCellText(0, 3));
  EXPECT_FALSE(enc.GetCellText(-1, 1));
  EXPECT_TRUE(dec.GetCellText(7, 1));
  EXPECT_FALSE(dec.GetCellText(7, 2));
  EXPECT_FALSE(dec.SetCellText(7, 2, "X"));
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_TRUE(enc.CycleField(1, 8));  // a cell that exists marks the data
  EXPECT_EQ(g_bModified, 1u);
  g_bModified = 0;
  EXPECT_TRUE(dec.CycleField(4, 6));
  EXPECT_EQ(g_bModified, 1u);

  ASSERT_TRUE(dec.SetCellText(4, 2, "B 1"));
  std::string text;
  ASSERT_TRUE(dec.GetCellText(4, 2, text));
  EXPECT_EQ(text, "B 1     ");
  EXPECT_FALSE(enc.SetCellText(5, 2, "A\tB"));
}

TEST(FiveToneTable, WordsLimitsAndGapsFromTheTones) {
  TestModel m;
  auto& t = m->fiveToneTable;
  // Scale 10,000 is the identity; factor 10,000 and tolerance 1 %.
  auto img = TableImage(10000, 10000, 10);
  t.UnpackFromImage(img.data());
  EXPECT_EQ(t.GetTone(0), 65535u);  // word 0xFFFF
  ASSERT_TRUE(t.SetCellText(1, 5, "1000"));
  ASSERT_TRUE(t.SetCellText(2, 5, "300"));
  t.PackToImage(img.data());
  EXPECT_EQ(GetBE16(&img[kToneWords]), 1000);
  EXPECT_EQ(GetBE16(&img[kToneWords + 2]), 300);
  EXPECT_EQ(GetBE16(&img[kLimitWords]), 990);  // X = 1,000,000 / 1000 = 1000
  EXPECT_EQ(GetBE16(&img[kLimitWords + 2]), 1010);
  EXPECT_EQ(GetBE16(&img[kLimitWords + 4]), 3300);  // X = 3333.3: 3300.0 and 3366.7
  EXPECT_EQ(GetBE16(&img[kLimitWords + 6]), 3367);

  // Scale 5,000 doubles the word, factor 20,000 halves X; gaps go in units of 5 ms.
  img = TableImage(5000, 20000, 0);
  t.UnpackFromImage(img.data());
  ASSERT_TRUE(t.SetCellText(1, 5, "1001"));
  ASSERT_TRUE(t.SetCellText(18, 2, "7"));
  t.PackToImage(img.data());
  EXPECT_EQ(GetBE16(&img[kToneWords]), 2002);
  EXPECT_EQ(GetBE16(&img[kLimitWords]), 500);  // 499.5, rounded
  EXPECT_EQ(GetBE16(&img[kLimitWords + 2]), 500);
  EXPECT_EQ(img[kGaps + 1], 1);
  SetBE16(&img[kToneWords + 2], 3);
  t.UnpackFromImage(img.data());
  EXPECT_EQ(t.GetTone(0), 1001u);
  EXPECT_EQ(t.GetTone(1), 2u);  // 1.5 rounded
  EXPECT_EQ(t.GetGap(1), 5u);
}

// Opening and saving again and again leaves every tone word as it was, at any
// scale: both ways round to the nearest, and a word that no whole tone gives
// back (several words to one tone) is kept while its tone is not edited. A
// tone typed in goes to the nearest word and shows the same after a reopen.
TEST(FiveToneTable, ToneWordsDoNotDriftAtAnyScale) {
  TestModel m;
  auto& t = m->fiveToneTable;
  for (const std::uint16_t scale : {1, 3333, 5000, 7500, 9999, 10001, 12345, 20000, 65535}) {
    SCOPED_TRACE(scale);
    auto img = TableImage(scale, 10000, 10);
    for (int first = 0; first < 0x10000; first += kToneCount) {
      for (int k = 0; k < kToneCount; ++k) SetBE16(&img[kToneWords + 2 * k], std::uint16_t(first + k));
      for (int cycle = 0; cycle < 3; ++cycle) {
        t.UnpackFromImage(img.data());
        t.PackToImage(img.data());
      }
      for (int k = 0; k < kToneCount; ++k) ASSERT_EQ(GetBE16(&img[kToneWords + 2 * k]), first + k);
    }
  }
  // The drift that was seen: 2400 Hz at scale 12,345 is word 1944, which must read as 2400 again.
  auto img = TableImage(12345, 10000, 10);
  t.UnpackFromImage(img.data());
  ASSERT_TRUE(t.SetCellText(1, 5, "2400"));
  ASSERT_TRUE(t.SetCellText(2, 5, "2401"));
  t.PackToImage(img.data());
  EXPECT_EQ(GetBE16(&img[kToneWords]), 1944);
  t.UnpackFromImage(img.data());
  EXPECT_EQ(t.GetTone(0), 2400u);
  EXPECT_EQ(t.GetTone(1), 2401u);
  // At scale 5,000 word 4801 reads as 2401 Hz, like 4802; an edit to 2400 gives 4800.
  img = TableImage(5000, 10000, 10);
  SetBE16(&img[kToneWords], 4801);
  t.UnpackFromImage(img.data());
  EXPECT_EQ(t.GetTone(0), 2401u);
  ASSERT_TRUE(t.SetCellText(1, 5, "2400"));
  t.PackToImage(img.data());
  EXPECT_EQ(GetBE16(&img[kToneWords]), 4800);
}

TEST(FiveToneTable, ZeroDivisorsLeaveTheWordsAndLargeResultsSaturate) {
  TestModel m;
  auto& t = m->fiveToneTable;
  // A zeroed table: scale, factor and every tone 0.
  std::vector<std::uint8_t> img(kImageBufferSize, 0x00);
  for (int k = 0; k < kToneCount; ++k) SetBE16(&img[kLimitWords + 4 * k], 0x1234);
  t.UnpackFromImage(img.data());
  EXPECT_EQ(t.GetTone(4), 0u);
  ASSERT_TRUE(t.SetCellText(5, 5, "1500"));
  t.PackToImage(img.data());  // scale 0 and factor 0: no tone or limit word is written
  for (int k = 0; k < kToneCount; ++k) {
    EXPECT_EQ(GetBE16(&img[kToneWords + 2 * k]), 0);
    EXPECT_EQ(GetBE16(&img[kLimitWords + 4 * k]), 0x1234);
  }

  // Factor set, tones 0 except one: only that tone gets limits.
  img = TableImage(10000, 10000, 255);
  SetBE16(&img[kToneWords], 0);
  SetBE16(&img[kToneWords + 2], 1);  // tone 1 Hz: X = 1,000,000 saturates
  for (int k = 2; k < kToneCount; ++k) SetBE16(&img[kToneWords + 2 * k], 0);
  SetBE16(&img[kLimitWords], 0x4321);
  t.UnpackFromImage(img.data());
  t.PackToImage(img.data());
  EXPECT_EQ(GetBE16(&img[kLimitWords]), 0x4321);
  EXPECT_EQ(GetBE16(&img[kLimitWords + 4]), 65535);
  EXPECT_EQ(GetBE16(&img[kLimitWords + 6]), 65535);

  // Scale 1: 3000 Hz would be a word of 30,000,000.
  img = TableImage(1, 10000, 10);
  t.UnpackFromImage(img.data());
  ASSERT_TRUE(t.SetCellText(1, 5, "3000"));
  t.PackToImage(img.data());
  EXPECT_EQ(GetBE16(&img[kToneWords]), 65535);
}

TEST(FiveToneTable, OnlyTheListedCellsExistAndValuesAreRangeChecked) {
  TestModel m;
  auto& t = m->fiveToneTable;
  for (int row = -1; row <= 20; ++row)
    for (int col = -1; col <= 7; ++col) {
      const bool exists = (col == 5 && row >= 1 && row <= 18) || ((row == 17 || row == 18) && col >= 1 && col <= 5);
      EXPECT_EQ(t.GetCellText(row, col), exists) << row << "," << col;
      if (!exists) {
        EXPECT_FALSE(t.SetCellText(row, col, "100")) << row << "," << col;
      }
    }

  struct Case { int row, col; const char* typed; bool stored; const char* shown; };
  // (The ends the 5-Tone page's editor takes by real keys are tested through it.)
  const Case cases[] = {
      {4, 5, " 1234", true, " 1234"}, {4, 5, "12A4", false, " 1234"}, {4, 5, "", false, " 1234"},
      {4, 5, "99999999999999999999", false, " 1234"},
      {17, 3, "1", true, "  1"},      {17, 3, "0", false, "  1"},     {17, 3, "12A4", false, "  1"},
      {18, 1, "5", true, "   5"},     {18, 1, "1276", false, "   5"}, {18, 5, "7", true, "   5"},
      {18, 5, "-10", false, "   5"},  {18, 5, "1274", true, "1270"},  {18, 5, "12 4", false, "1270"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " @" + std::to_string(c.row) + "," + std::to_string(c.col));
    g_bModified = 0;
    EXPECT_EQ(t.SetCellText(c.row, c.col, c.typed), c.stored);
    EXPECT_EQ(g_bModified, c.stored ? 1u : 0u);
    std::string shown;
    ASSERT_TRUE(t.GetCellText(c.row, c.col, shown));
    EXPECT_EQ(shown, c.shown);
  }
}

TEST(FiveToneSystem, UnpackAndPackKeepTheBitsOfNoField) {
  TestModel m;
  auto& s = m->fiveToneSystem;
  auto img = PatternImage();
  const std::uint8_t block[16] = {0x95, 0x6A, 0xAE, 0xFB, 3, 7, 12, 34, 56, 0x11, 0xC5, 0x22,
                                  0x76, 0xB9, 0xD3, 0xEA};
  std::copy(block, block + 16, img.begin() + kSystem);
  s.UnpackFromImage(img.data());
  EXPECT_EQ(s.GetTagDisplay(), 1);
  EXPECT_EQ(s.GetDisplayDigit(1), 0);
  EXPECT_EQ(s.GetDisplayDigit(5), 0);
  EXPECT_EQ(s.GetCompareDigit(3), 1);
  EXPECT_EQ(s.GetRepeatTone(), 0xE);
  EXPECT_EQ(s.GetAutoResetBeep(), 0);
  EXPECT_EQ(s.GetBeepRepeat(), 0xC);
  EXPECT_EQ(s.GetMonitorSw(), 2);
  EXPECT_EQ(s.GetAniTransmission(), 2);
  EXPECT_EQ(s.GetToneTableNo(), 5);
  EXPECT_EQ(s.GetDecodeCode(1), 1);

  s.SetMonitorSw(1);
  s.SetCallEncodeToneNo(0x17);  // masked to its four bits
  for (int i = 0; i < 5; ++i) s.SetDecodeCode(i, 0);
  EXPECT_EQ(s.PackToImage(img.data()), 1);
  EXPECT_EQ(img[kSystem + 0], 0x95 & 0x9F);  // written whole: bits 5, 6 cleared
  EXPECT_EQ(img[kSystem + 1], 0x6A & 0x9F);
  EXPECT_EQ(img[kSystem + 3], 0xFB);
  EXPECT_EQ(img[kSystem + 9], 0x11);
  EXPECT_EQ(img[kSystem + 10], 0xC5);
  EXPECT_EQ(img[kSystem + 12], 0x75);
  EXPECT_EQ(img[kSystem + 14], 0xD7);
  EXPECT_EQ(img[kSystem + 15], 0xE0);
}

// A valid block (codes ended by 0xF, no six-digit code, bits 5..6 of the first two
// bytes clear, gaps whole bytes, scale 10,000 and limits as the tones give them)
// unpacks and packs back byte for byte; nothing outside the block moves.
TEST(FiveToneBlock, ValidBlockRoundTripsByteExact) {
  TestModel m;
  auto img = PatternImage();
  img[kSystem] &= 0x9F;
  img[kSystem + 1] &= 0x9F;
  for (int i = 0; i < kEntryCount; ++i) Put3(img, EncodeAt(i) + 2, std::uint8_t(0x10 + i), 0x2F, 0xFF);
  Put3(img, EncodeAt(7) + 2, 0xFF, 0xFF, 0xFF);
  Put3(img, EncodeAt(6) + 2, 0x01, 0x23, 0x4F);
  static const std::uint8_t marks[kEntryCount] = {0x30, 0x30, 0x30, 0x30, 0x30, 0x10, 0x20, 0x00};
  for (int k = 0; k < kEntryCount; ++k) {
    img[DecodeAt(k)] = std::uint8_t((img[DecodeAt(k)] & ~0x30) | marks[k]);
    Put3(img, DecodeAt(k) + 2, std::uint8_t(0x10 * k + 1), 0xCD, 0xEF);  // five digits, then 0xF
  }
  img[DecodeAt(2) + 6] = 0x00;  // a NUL inside a decode alias survives too
  img[kDecodeMark5] = std::uint8_t((img[kDecodeMark5] & ~0x30) | 0x10);
  img[kDecodeMark6] = std::uint8_t((img[kDecodeMark6] & ~0x30) | 0x20);
  img[kDecodeMark7] = std::uint8_t(img[kDecodeMark7] & ~0x30);
  // Tones whose period in us is a multiple of 100, so the 1 % limits are whole.
  static const std::uint16_t tones[kToneCount] = {400, 500, 625, 1000, 1250, 2000, 2500, 500,
                                                  400, 625, 1000, 1250, 2000, 2500, 1000, 500};
  SetBE16(&img[kScale], 10000);
  SetBE16(&img[kFactor], 10000);
  img[kTolerance] = 10;
  for (int k = 0; k < kToneCount; ++k) {
    const int x = 1000000 / tones[k];
    SetBE16(&img[kToneWords + 2 * k], tones[k]);
    SetBE16(&img[kLimitWords + 4 * k], std::uint16_t(x - x / 100));
    SetBE16(&img[kLimitWords + 4 * k + 2], std::uint16_t(x + x / 100));
  }
  const auto before = img;

  m->fiveToneSystem.UnpackFromImage(img.data());
  m->fiveToneEncode.UnpackFromImage(img.data());
  m->fiveToneDecode.UnpackFromImage(img.data());
  m->fiveToneTable.UnpackFromImage(img.data());
  EXPECT_EQ(m->fiveToneEncode.GetRec(6).FormatCode(), "01234");
  EXPECT_EQ(m->fiveToneDecode.GetRec(3).FormatCode(), "31CDE");
  EXPECT_EQ(m->fiveToneTable.GetTone(4), 1250u);

  EXPECT_EQ(m->fiveToneSystem.PackToImage(img.data()), 1);
  m->fiveToneEncode.PackToImage(img.data());
  m->fiveToneDecode.PackToImage(img.data());
  m->fiveToneTable.PackToImage(img.data());
  for (std::size_t a = 0; a < img.size(); ++a) ASSERT_EQ(img[a], before[a]) << "image byte " << a;
}

TEST(FiveToneBlock, InitialValuesSurviveAModelReset) {
  TestModel m;
  ASSERT_TRUE(m->fiveToneEncode.SetCellText(0, 1, "123"));
  ASSERT_TRUE(m->fiveToneTable.SetCellText(1, 5, "1500"));
  m->ResetEditModel();
  EXPECT_EQ(m->fiveToneEncode.GetRec(0).FormatCode(), "123  ");
  std::string text;
  ASSERT_TRUE(m->fiveToneTable.GetCellText(1, 5, text));
  EXPECT_EQ(text, " 1500");
}
