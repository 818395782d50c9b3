#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "model/conversions.h"
#include "model/dial_string.h"
#include "test_support.h"

namespace {

// The whole tables in code order, as published.
std::string Joined(const CTextTable& table) {
  std::ostringstream out;
  for (std::size_t i = 0; i < table.size(); ++i) out << (i ? "," : "") << table[static_cast<long long>(i)];
  return out.str();
}

TEST(Conversions, CtcssTableMatchesCodesAndIsSafeOutside) {
  ASSERT_EQ(g_ctcssTexts.size(), 50u);
  EXPECT_EQ(
      " 67.0, 69.3, 71.9, 74.4, 77.0, 79.7, 82.5, 85.4, 88.5, 91.5, 94.8, 97.4,100.0,103.5,107.2,110.9,114.8,"
      "118.8,123.0,127.3,131.8,136.5,141.3,146.2,151.4,156.7,162.2,167.9,173.8,179.9,186.2,192.8,203.5,210.7,"
      "218.1,225.7,233.6,241.8,250.3,159.8,165.5,171.3,177.3,183.5,189.9,196.6,199.5,206.5,229.1,254.1",
      Joined(g_ctcssTexts));
  EXPECT_STREQ(g_ctcssTexts[50], "");
  EXPECT_STREQ(g_ctcssTexts[255], "");
  EXPECT_STREQ(g_ctcssTexts[-1], "");
}

TEST(Conversions, DcsTableMatchesCodesAndIsSafeOutside) {
  ASSERT_EQ(g_dcsTexts.size(), 106u);
  EXPECT_EQ(
      "023,025,026,031,032,036,043,047,051,053,054,065,071,072,073,074,114,115,116,122,125,131,132,134,143,145,"
      "152,155,156,162,165,172,174,205,212,223,225,226,243,244,245,246,250,251,252,255,261,263,265,266,271,274,"
      "306,311,315,325,331,332,343,346,351,356,364,365,371,411,412,413,423,431,432,435,445,446,452,454,455,462,"
      "464,465,466,503,506,516,523,526,532,546,565,606,612,624,627,631,632,654,662,664,703,712,723,731,732,734,"
      "743,754",
      Joined(g_dcsTexts));
  EXPECT_STREQ(g_dcsTexts[106], "");
  EXPECT_STREQ(g_dcsTexts[std::uint8_t(255)], "");
}

TEST(Conversions, ChannelToFrequencyRowsAndBand5bWindows) {
  const TestModel m;
  const CDfaTable& table = m.model->dfa;
  double out = 123.0;
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 1, 5, 0, 0, &out), 450.0125);
  EXPECT_DOUBLE_EQ(out, 123.0);  // a direct result leaves out alone
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 100, 0, 0, 0, &out), 1.25);  // base 0.0 rows
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 0x10001, 5, 0, 0, &out), 450.0125);  // 16 bits count
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 400, 6, 0, 0, &out), -1.0);
  EXPECT_DOUBLE_EQ(out, 455.0);
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 401, 6, 0, 0, &out), -1.0);
  EXPECT_DOUBLE_EQ(out, 444.99375 + 401 * 0.0125);  // 450.00625 on the offset raster
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 801, 6, 0, 0, &out), -1.0);
  EXPECT_DOUBLE_EQ(out, 460.0125);
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 1600, 6, 0, 0, &out), -1.0);
  EXPECT_DOUBLE_EQ(out, 444.99375 + 20.0);
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 1789, 6, 0, 0, &out), -1.0);
  EXPECT_DOUBLE_EQ(out, 472.3625);
  // With the split flag the "Band 5" row answers through out as well.
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 1, 5, 0, 1, &out), -1.0);
  EXPECT_DOUBLE_EQ(out, 450.0125);
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 400, 6, 0, 1, &out), -1.0);
  EXPECT_DOUBLE_EQ(out, 455.0);
}

TEST(Conversions, ChannelToFrequencyWithoutAFrequencyIsZeroEverywhere) {
  const TestModel m;
  const CDfaTable& table = m.model->dfa;
  for (std::uint32_t n : {1790u, 1800u, 5000u, 65535u}) {
    double out = 777.0;
    EXPECT_DOUBLE_EQ(ChannelToFrequency(table, n, 6, 0, 0, &out), 0.0) << n;
    EXPECT_DOUBLE_EQ(out, 0.0) << n;  // never a stale value
    EXPECT_DOUBLE_EQ(ChannelToFrequency(table, n, 6, 0, 1, &out), 0.0) << n;
  }
  double out = 777.0;
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 1, 13, 0, 0, &out), 0.0);  // no row of that code
  EXPECT_DOUBLE_EQ(out, 0.0);
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 1, 6, 0, 0, nullptr), -1.0);  // out may be absent
  EXPECT_DOUBLE_EQ(ChannelToFrequency(table, 2000, 6, 0, 0, nullptr), 0.0);
}

TEST(Conversions, ChannelToFrequencyThroughTheDfaTable) {
  TestModel m;
  m->dfa.SetEntry(0, 15000000);
  m->dfa.SetEntry(kDfaEntryCount - 1, 17400000);
  double out = 5.0;
  EXPECT_DOUBLE_EQ(ChannelToFrequency(m->dfa, 1, 6, 1, 0, &out), 150.0);
  EXPECT_DOUBLE_EQ(ChannelToFrequency(m->dfa, kDfaEntryCount, 0, 1, 1, &out), 174.0);
  EXPECT_DOUBLE_EQ(ChannelToFrequency(m->dfa, 0, 5, 1, 0, &out), 0.0);
  EXPECT_DOUBLE_EQ(ChannelToFrequency(m->dfa, kDfaEntryCount + 1, 5, 1, 0, &out), 0.0);
  EXPECT_DOUBLE_EQ(out, 5.0);
}

TEST(Conversions, BandPlanLimitsFollowTheChannelWindows) {
  EXPECT_DOUBLE_EQ(BandChannelToFrequency(99999, 3, 1.0), 421.0);  // no window outside "Band 5b"
  EXPECT_DOUBLE_EQ(BandChannelToFrequency(800, 7, 0.0), -1.0);
  EXPECT_DOUBLE_EQ(BandChannelToFrequency(1, 17, 1.0), -1.0);
  EXPECT_DOUBLE_EQ(BandChannelToFrequency(1, -1, 1.0), -1.0);
  // Each windowed row's limits are exactly what its channels give.
  for (int row = 0; row < kBandPlanRowCount; ++row) {
    const BandPlanRow* r = BandPlan(row);
    ASSERT_NE(r, nullptr);
    EXPECT_LT(r->rxLow, r->rxHigh) << row;
    EXPECT_LT(r->txLow, r->txHigh) << row;
    if (!r->hasWindow) continue;
    const std::uint32_t first = std::max<std::uint32_t>(r->firstChannel, 1);
    EXPECT_DOUBLE_EQ(r->base + first * kChannelStep, r->rxLow) << row;
    EXPECT_DOUBLE_EQ(r->base + r->lastChannel * kChannelStep, r->rxHigh) << row;
    EXPECT_DOUBLE_EQ(r->txLow - r->rxLow, 5.0) << row;
  }
  EXPECT_EQ(BandPlan(17), nullptr);
  EXPECT_STREQ(BandPlan(9)->name, "Band 5b-2");
}

TEST(Conversions, DialDigitAndHexCharacters) {
  const std::string digits = "0123456789ABCD*#";
  for (int v = 0; v < 16; ++v) {
    EXPECT_EQ(DialCharOfCode(v), digits[std::size_t(v)]);
    EXPECT_EQ(DialCharOfCode(v + 16), digits[std::size_t(v)]);  // the low four bits
    EXPECT_EQ(DialCodeOfChar(digits[std::size_t(v)]), v);
    EXPECT_EQ(NibbleToHexChar(v), "0123456789ABCDEF"[v]);
    EXPECT_EQ(NibbleToHexCharOrZero(v), "0123456789ABCDEF"[v]);
    EXPECT_EQ(HexCharToValue("0123456789ABCDEF"[v]), v);
    EXPECT_EQ(HexCharToValueNoCase("0123456789abcdef"[v]), v);
  }
  for (int v : {16, 255, -1}) {
    EXPECT_EQ(NibbleToHexChar(v), '-');
    EXPECT_EQ(NibbleToHexCharOrZero(v), '0');
  }
  EXPECT_EQ(DialCodeOfChar('E'), -1);
  EXPECT_EQ(DialCodeOfChar('a'), 10);  // typed dial characters are taken in either case
  // Outside its characters HexCharToValue keeps its formula; the low four bits of
  // a lower-case letter still name the digit.
  EXPECT_EQ(HexCharToValue('a') & 0x0F, 10);
  EXPECT_GT(HexCharToValue('G'), 15);
  EXPECT_EQ(HexCharToValueNoCase('G'), 0);
  EXPECT_EQ(HexCharToValueNoCase('*'), 0);
  EXPECT_TRUE(IsProductionType11(11));
  EXPECT_FALSE(IsProductionType11(0x10B));
}

struct RecordingPrinter : IPrintContext {
  struct Call {
    int x, y;
    std::string text;
  };
  std::vector<Call> calls;
  void TextOut(int x, int y, const std::string& text) override { calls.push_back({x, y, text}); }
};

TEST(Conversions, PrintLineAdvancesOnlyForFlagOne) {
  RecordingPrinter dc;
  int y = 100;
  PrintLine(&dc, 40, &y, 25, "Zone  1", 0);
  PrintLine(&dc, 200, &y, 25, "LTR", 1);
  PrintLine(&dc, 40, &y, 25, "next row", 2);
  PrintLine(&dc, 40, &y, 25, "", -1);
  ASSERT_EQ(dc.calls.size(), 4u);
  EXPECT_EQ(dc.calls[0].y, 100);
  EXPECT_EQ(dc.calls[1].x, 200);
  EXPECT_EQ(dc.calls[1].y, 100);
  EXPECT_EQ(dc.calls[2].y, 125);
  EXPECT_EQ(dc.calls[2].text, "next row");
  EXPECT_EQ(y, 125);
  PrintLine(nullptr, 0, &y, 25, "x", 1);  // no context: only the advance
  EXPECT_EQ(y, 150);
}

}  // namespace
