// The channel entries and the channel table: the band check, raster, split and
// rounding of both frequency entries, which of them store and report a change,
// the bits of an enable and of a clear, and the Default Split.
#include <gtest/gtest.h>

#include <string>

#include "model/channel_fields.h"
#include "model/channel_model.h"
#include "test_support.h"

namespace {

TEST(FrequencyEntry, ReceiveEntriesCheckRoundAndSetTheTransmitSide) {
  struct Case {
    bool vhf;
    double split;
    const char* text;
    std::int32_t rx, tx;
    int rxStep, txStep;
  };
  // (The split, the nearer raster point and the VHF clamp are entered through the group and channel pages.)
  const Case cases[] = {
      {false, 0.0, "453", 45300000, 45300000, 1, 1},
      {false, 5.0, "450.00625", 45000625, 45500625, 1, 1},
      {false, 5.0, "600", 51200000, 51200000, 1, 1},      // both clamped to the band
      {false, 5.0, "x", 45000000, 45500000, 1, 1},        // no number: the lower edge
      {true, 0.0, "", 15077500, 15077500, 0, 0},       // VHF: only clamped
  };
  for (const Case& c : cases) {
    TestModel m;
    if (c.vhf) MakeVhf(*m);
    m->message.SetDefaultSplit(c.split);
    CChannelData& ch = m->store.channels[12];
    ch.programmed = 0;
    const FrequencyEntry e = EnterRxFrequency(*m, 12, c.text, BlankRx::Ignore);
    EXPECT_EQ(e.outcome, FrequencyEntry::Outcome::Stored) << c.text;
    EXPECT_TRUE(e.changed) << c.text;
    EXPECT_EQ(ch.rxFreq, c.rx) << c.text;
    EXPECT_EQ(ch.txFreq, c.tx) << c.text;
    EXPECT_EQ(ch.RxStepSet(), c.rxStep) << c.text;
    EXPECT_EQ(ch.TxStepSet(), c.txStep) << c.text;
    EXPECT_TRUE(ch.IsProgrammed());
    EXPECT_EQ(ch.rxWord & 0x7000, 0x7000);
    EXPECT_EQ(e.rxText, FrequencyEditText(c.rx));
    EXPECT_EQ(e.txText, FrequencyEditText(c.tx));
    // The same entry again stores no change.
    EXPECT_FALSE(EnterRxFrequency(*m, 12, c.text, BlankRx::Ignore).changed) << c.text;
  }
  EXPECT_EQ(FrequencyEditText(45800000), " 458.00000");
  EXPECT_EQ(FrequencyCellText(45800000), "458.00000");
}

TEST(FrequencyEntry, FlagsAndTheTransmitEntry) {
  TestModel m;
  CChannelData& ch = m->store.channels[3];
  ch.FrequencyFlags() = 0;
  EnterRxFrequency(*m, 3, "453.0", BlankRx::Ignore);
  EXPECT_EQ(ch.FrequencyFlags() & CChannelData::kFrequencyFlagMask, CChannelData::kFlagNearWholeMHz);
  // The transmit entry keeps the receive side; an empty text is the lower edge.
  const FrequencyEntry tx = EnterTxFrequency(*m, 3, "");
  EXPECT_TRUE(tx.changed);
  EXPECT_EQ(tx.txText + "|" + FrequencyEditText(ch.rxFreq), " 450.00000| 453.00000");
  EXPECT_EQ(EnterRxFrequency(*m, 250, "453", BlankRx::Ignore).outcome, FrequencyEntry::Outcome::None);
  // On VHF the transmit frequency's raster flag follows it (160.03784 MHz lies on the raster).
  MakeVhf(*m);
  m->message.SetDefaultSplit(0.0);
  EnterRxFrequency(*m, 3, "160.0", BlankRx::Ignore);
  EXPECT_EQ(ch.FrequencyFlags() & CChannelData::kFlagNear80139, 0);
  EnterTxFrequency(*m, 3, "160.03784");
  EXPECT_EQ(ch.FrequencyFlags() & CChannelData::kFlagNear80139, CChannelData::kFlagNear80139);
}

// The exact bits of an enable, and clears that report a change. (Paging,
// enabling and clearing with its sweep by real keys are tested through the
// channel table page.)
TEST(ChannelTable, EnableAndClear) {
  TestModel m;
  CChannelStore& s = m->store;
  CChannelData& ch = s.channels[5];
  ch.programmed = 0, ch.modeByte = 0x45, ch.rxWord = 0xFF2E;
  const ChannelEnable enabled = EnableChannel(*m, 5);
  EXPECT_TRUE(enabled.newlyEnabled && enabled.changed);
  EXPECT_EQ(ch.rxWord | ch.modeByte << 16, 0x057F2E);  // narrow, the step codes kept
  ch.modeByte = 0x45, ch.rxWord = 0xAABC;
  EXPECT_FALSE(EnableChannel(*m, 5).newlyEnabled);  // in use: only the status bits
  EXPECT_EQ(ch.rxWord | ch.modeByte << 16, 0x457ABC);
  EXPECT_FALSE(EnableChannel(*m, 5).changed);
  EXPECT_TRUE(ClearChannel(*m, 5));
  EXPECT_FALSE(ClearChannel(*m, 5));
  s.groups[8].channelWord = 0x0405;  // a reference left to a cleared channel is still a change
  EXPECT_TRUE(ClearChannel(*m, 5));
  EXPECT_EQ(s.groups[8].channelWord, 0x07FF);  // bit 10 is no part of the channel
  // Ten blanks in the table's Rx edit clear the channel the same way.
  EnterRxFrequency(*m, 6, "455", BlankRx::Clear);
  const FrequencyEntry cleared = EnterRxFrequency(*m, 6, kBlankFrequencyText, BlankRx::Clear);
  EXPECT_TRUE(cleared.outcome == FrequencyEntry::Outcome::Cleared && cleared.changed);
}

TEST(ChannelTable, DefaultSplitWhileTypingAndOnLeaving) {
  TestModel m;
  m->message.SetDefaultSplit(5.0);
  const SplitEntry refused = SplitKeystroke(*m, "100");
  EXPECT_TRUE(refused.refused);
  EXPECT_EQ(refused.text, "5.0");
  EXPECT_TRUE(SplitKeystroke(*m, "12.37").changed);
  EXPECT_EQ(m->message.GetDefaultSplit(), 12.37);  // unrounded while typing
  const std::pair<const char*, const char*> leaves[] = {
      {"12.37", " 12.3"}, {"-5.55", " -5.5"}, {"150", " 99.9"}, {"-150", "-99.9"}, {"", "  0.0"}, {"2.3", "  2.3"}};
  for (const auto& [typed, shown] : leaves) EXPECT_EQ(LeaveSplit(*m, typed).text, shown) << typed;
  EXPECT_EQ(m->message.GetDefaultSplit(), 2.3);
}

}  // namespace
