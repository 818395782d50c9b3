// The PassPort pages' model: talk-group rows that never reach past the zone's
// own groups, the primary group, the ID limits and every talk-group bit; every
// feature check box's bit and polarity, the timer clamps, the RSSI codes and
// their normalisation, and the enable cascades.
#include <gtest/gtest.h>

#include <cstring>

#include "model/trunk_passport.h"
#include "test_support.h"
#include "test_trunk_support.h"

namespace {

std::string Snapshot(const CChannelStore& s) {
  return std::string(reinterpret_cast<const char*>(s.groups), sizeof s.groups);
}

// Every talk-group field written on every row of a zone.
void WriteEveryRow(CEditModel& m, int z) {
  for (int row = 0; row < tf::kTalkGroupRows; ++row) {
    const int key = tf::TalkGroupKey(z, row);
    for (const Field* f : {&tf::kTalkGroupInUse, &tf::kTalkGroupScan, &tf::kTalkGroupCompander, &tf::kTalkGroupDisableTx,
                           &tf::kTalkGroupEncryption, &tf::kTalkGroupTot, &tf::kTalkGroupOnOff})
      f->Set(m, key, f->Get(m, key) ? 0 : 1);
    tf::kTalkGroupId.Set(m, key, 777);
    tf::kTalkGroupAlias.set(m, key, "X");
    EnterTalkGroupId(m, z, row, "123");
  }
}

}  // namespace

TEST(TalkGroupTest, RowsReachOnlyTheZonesOwnGroupsAndThePrimaryOnlyWhenThereIsOne) {
  TestModel m;
  CChannelStore& s = m->store;
  SetGroupCounts(s, {230, 0, 3, 17});  // zone 3's groups end at record 249
  for (CGroupRecord& g : s.groups) g.flags = 0;

  // Zone 1 has no group: its first row would be zone 2's first record.
  std::string before = Snapshot(s);
  EXPECT_FALSE(OpenTalkGroups(*m, 1));
  WriteEveryRow(*m, 1);
  EXPECT_EQ(before, Snapshot(s));
  for (int row = 0; row < tf::kTalkGroupRows; ++row) {
    EXPECT_FALSE(TalkGroupRow(*m, 1, row).hasRecord);
    EXPECT_EQ("", TalkGroupEnableText(*m, 1, row) + TalkGroupIdText(*m, 1, row));
  }

  // Zone 3: 17 groups, 16 rows, the last at record 245.
  EXPECT_TRUE(OpenTalkGroups(*m, 3));
  EXPECT_TRUE(s.groups[233].InUse());
  EXPECT_FALSE(OpenTalkGroups(*m, 3));
  EXPECT_TRUE(TalkGroupRow(*m, 3, 15).hasRecord);
  EXPECT_EQ(&s.groups[248], tf::TalkGroupRecord(*m, 3, 15));

  // Zone 2: 3 groups; rows past them touch nothing (zone 3's records follow).
  before = Snapshot(s);
  WriteEveryRow(*m, 2);
  for (int g = 0; g < kGroupCount; ++g) {
    if (g >= 230 && g < 233) continue;
    EXPECT_EQ(0, std::memcmp(&s.groups[g], before.data() + sizeof(CGroupRecord) * std::size_t(g), sizeof(CGroupRecord)))
        << "record " << g;
  }
  EXPECT_EQ(123, s.groups[232].idWord);
  EXPECT_EQ(nullptr, tf::TalkGroupRecord(*m, 2, 3));
  EXPECT_EQ(nullptr, tf::TalkGroupRecord(*m, 3, 16));
}

TEST(TalkGroupTest, RowStatesTextsAndTheEnableChoice) {
  TestModel m;
  CChannelStore& s = m->store;
  SetGroupCounts(s, {1, 3});
  for (CGroupRecord& g : s.groups) g.flags = kGroupInUse;
  const int key2 = tf::TalkGroupKey(1, 1);

  EXPECT_EQ("PRIMARY", TalkGroupEnableText(*m, 1, 0));
  EXPECT_EQ("Enable", TalkGroupEnableText(*m, 1, 1));
  tf::kTalkGroupOnOff.Set(*m, key2, 1);  // "Disable"
  EXPECT_FALSE(s.groups[2].InUse());
  EXPECT_EQ("Disable", TalkGroupEnableText(*m, 1, 1));
  const TalkGroupRowState off = TalkGroupRow(*m, 1, 1);
  EXPECT_TRUE(off.hasRecord && off.enableCell);
  EXPECT_FALSE(off.editable);
  tf::kTalkGroupOnOff.Set(*m, key2, 0);
  EXPECT_TRUE(TalkGroupRow(*m, 1, 1).editable);

  tf::kTalkGroupOnOff.Set(*m, tf::TalkGroupKey(1, 0), 1);
  EXPECT_TRUE(s.groups[1].InUse()) << "the primary stays in use";
  const TalkGroupRowState primary = TalkGroupRow(*m, 1, 0);
  EXPECT_TRUE(primary.editable);
  EXPECT_FALSE(primary.enableCell);
  EXPECT_FALSE(TalkGroupRow(*m, 1, 3).hasRecord || TalkGroupRow(*m, 1, 3).enableCell);

  tf::kTalkGroupAlias.set(*m, key2, "ab1");
  EXPECT_EQ(0, std::memcmp(s.groups[2].name, "AB1     \0", 9));
  EXPECT_EQ("AB1     ", tf::kTalkGroupAlias.get(*m, key2));
}

TEST(TalkGroupTest, IdsOutsideTheirLimitsAreRefusedWithTheMessage) {
  TestModel m;
  SetGroupCounts(m->store, {2});
  const struct {
    const char* text;
    bool stored;
  } cases[] = {{"65519", true}, {"1", true}, {"65520", false}, {"0", false}, {"", false}, {"99999", false}};
  for (const auto& c : cases) {
    m->store.groups[1].idWord = 500;
    const IdEntryResult r = EnterTalkGroupId(*m, 0, 1, c.text);
    EXPECT_EQ(c.stored, r.stored) << c.text;
    EXPECT_EQ(c.stored ? "" : "Talk Group ID should be 1 to 65519.", r.message);
    EXPECT_EQ(c.stored ? std::uint32_t(std::stoul(c.text)) : 500u, r.value);
    EXPECT_EQ(r.value, m->store.groups[1].idWord);
  }
  EXPECT_EQ("500", TalkGroupIdText(*m, 0, 1));
}

TEST(TalkGroupTest, EachCheckBoxIsItsOwnBit) {
  const struct {
    const Field* field;
    std::uint8_t CGroupRecord::*byte;
    std::uint16_t CGroupRecord::*word;
    unsigned mask;
  } cases[] = {
      {&tf::kTalkGroupScan, &CGroupRecord::flags, nullptr, 0x02},
      {&tf::kTalkGroupCompander, &CGroupRecord::byte0, nullptr, 0x40},
      {&tf::kTalkGroupDisableTx, &CGroupRecord::byte0, nullptr, 0x20},
      {&tf::kTalkGroupEncryption, &CGroupRecord::byte0, nullptr, 0x10},
      {&tf::kTalkGroupTot, nullptr, &CGroupRecord::channelWord, 0x4000},
  };
  TestModel m;
  SetGroupCounts(m->store, {4});
  CGroupRecord& g = m->store.groups[2];
  const int key = tf::TalkGroupKey(0, 2);
  for (const auto& c : cases) {
    for (const unsigned start : {0x0000u, 0xFFFFu}) {
      g.flags = g.byte0 = std::uint8_t(start);
      g.channelWord = std::uint16_t(start);
      const CGroupRecord copy = g;
      c.field->Set(*m, key, start ? 0 : 1);
      const unsigned now = c.byte ? unsigned(g.*c.byte) : unsigned(g.*c.word);
      const unsigned was = c.byte ? unsigned(copy.*c.byte) : unsigned(copy.*c.word);
      EXPECT_EQ(c.mask, now ^ was) << std::hex << c.mask;
      EXPECT_EQ(start ? 0u : 1u, c.field->Get(*m, key));
      const unsigned others = unsigned(copy.byte0 ^ g.byte0) + unsigned(copy.flags ^ g.flags) +
                              unsigned(copy.channelWord ^ g.channelWord);
      EXPECT_EQ(c.mask, others) << "no other bit";
    }
  }
}

TEST(PassPortFeatureTest, EveryCheckBoxWritesItsBitWithItsPolarity) {
  using S = CChannelStore;
  const struct {
    Field checked;
    std::uint8_t (S::*array)[kZoneCount];
    std::uint8_t mask;
    bool activeLow;
  } cases[] = {
      {zf::kDisableRoam, &S::zonePassPortFlags, 0x80, false},
      {zf::kAtbRingBack, &S::zonePassPortFlags, 0x40, false},
      {zf::kPpGroupScan, &S::zonePassPortFlags, 0x20, false},
      {zf::kInterconnectCompanding, &S::zonePassPortFlags, 0x10, false},
      {zf::kDisablePrimaryPriority, &S::zonePassPortFlags, 0x08, false},
      {zf::kFixedDcc, &S::zonePassPortFlags, 0x04, false},
      {tf::kPreferLastChannel, &S::zonePassPortFlags, 0x02, true},
      {zf::kBand5b, &S::zoneFlags2, 0x01, false},
      {tf::kInvertedTxData, &S::zoneFlags2, 0x02, true},
      {zf::kRxDataInverted, &S::zoneFlags2, 0x04, false},
      {tf::kHomeLookback, &S::zonePassPortRssiFlags, 0x01, true},
      {tf::kStrongestSiteSearch, &S::zonePassPortRssiFlags, 0x02, true},
      {tf::kLookbackRssiOn, &S::zonePassPortRssiFlags, 0x04, true},
      {tf::kSingleSitePerFrequency, &S::zonePassPortRssiFlags, 0x08, true},
      {tf::kRssiAutoEnable, &S::zonePassPortRssiFlags, 0x10, true},
      {tf::kRssiDisableInThresholdArea, &S::zonePassPortRssiFlags, 0x20, true},
      {tf::kRssiDisableDuringReceive, &S::zonePassPortRssiFlags, 0x40, true},
      {tf::kRssiThreshold, &S::zonePassPortRssiFlags, 0x80, true},
  };
  TestModel m;
  for (const auto& c : cases) {
    std::uint8_t& byte = (m->store.*c.array)[9];
    for (const std::uint8_t start : {std::uint8_t(0x00), std::uint8_t(0xFF)}) {
      for (const std::uint32_t checked : {0u, 1u}) {
        byte = start;
        (m->store.*c.array)[8] = 0x5A;
        c.checked.Set(*m, 9, checked);
        const bool bitSet = (checked != 0) != c.activeLow;
        EXPECT_EQ(bitSet ? (start | c.mask) : (start & ~c.mask), byte) << std::hex << int(c.mask) << " " << checked;
        EXPECT_EQ(checked, c.checked.Get(*m, 9));
        EXPECT_EQ(0x5A, (m->store.*c.array)[8]) << "another zone";
      }
    }
  }
}

TEST(PassPortFeatureTest, TimersAreClampedToTheirRangesAndWholeUnits) {
  const struct {
    const PassPortTimer* timer;
    const char* text;
    std::uint8_t code;
    const char* shown;
  } cases[] = {
      {&kRegResumeTimer, "95", 3, "  90 sec"},       {&kRegResumeTimer, "9999", 255, "7650 sec"},
      {&kRegResumeTimer, "", 0, "   0 sec"},         {&kRegResumeTimer, "  90 sec", 3, "  90 sec"},
      {&kRegResumeTimer, "29", 0, "   0 sec"},       {&kRoamStartDelayTimer, "5", 10, "  10 sec"},
      {&kRoamStartDelayTimer, "300", 255, " 255 sec"}, {&kRoamStartDelayTimer, "", 10, "  10 sec"},
      {&kRoamSearchSpeedTimer, "0", 1, "   1 sec"},  {&kRoamSearchSpeedTimer, "45", 30, "  30 sec"},
      {&kRoamSearchSpeedTimer, "17", 17, "  17 sec"}, {&kRoamPowerUpDelayTimer, "5", 10, "  10 sec"},
      {&kRoamPowerUpDelayTimer, "200", 200, " 200 sec"},
  };
  TestModel m;
  for (const auto& c : cases) {
    const TimerEntry e = EnterPassPortTimer(*m, *c.timer, 12, c.text);
    EXPECT_EQ(c.code, c.timer->field.Get(*m, 12)) << c.text;
    EXPECT_EQ(c.shown, e.shown) << c.text;
    EXPECT_EQ(c.shown, PassPortTimerText(*c.timer, c.code));
  }
  EXPECT_EQ(200, m->store.zoneTxInhibitIdStart[12]);
  EXPECT_EQ(17, m->store.zoneRxIdStart[12]);
}

TEST(PassPortFeatureTest, RssiCodesAndTheLevelsMadeValidWhenThePageOpens) {
  const struct {
    const ChoiceList* list;
    const char* text;
    std::uint32_t code;
  } cases[] = {{&tf::kRssiLevelList, "-121dBm", 143}, {&tf::kRssiLevelList, "-99dBm", 15},
               {&tf::kRssiLevelList, "-110dBm", 0},   {&tf::kOsmLevelList, "-125dBm", 147},
               {&tf::kOsmLevelList, "-110dBm", 0},    {&tf::kOsmLevelList, "-121dBm", 143}};
  for (const auto& c : cases) {
    int at = -1;
    for (std::size_t i = 0; i < c.list->size(); ++i)
      if (c.list->choices[i].text == c.text) at = int(i);
    EXPECT_EQ(c.code, c.list->CodeAt(at)) << c.text;
  }
  EXPECT_EQ("-99dBm", tf::kRssiLevelList.PrintText(5));
  EXPECT_EQ("-121dBm", tf::kRssiLevelList.PageText(5));
  EXPECT_EQ("60min", tf::kMinutesPageList.PrintText(0));
  EXPECT_EQ(" 3min", tf::kMinutesPageList.PageText(0));

  TestModel m;
  CChannelStore& s = m->store;
  s.zoneLookbackRssi[6] = s.zoneRegisteredRssi[6] = s.zoneOsmRssi[6] = 255;
  s.zoneRssiDuration[6] = s.zoneLookbackTime[6] = 0;
  s.zoneOsmRssi[7] = 255;
  s.zoneRegisteredRssi[7] = 143;
  EXPECT_TRUE(NormalisePassPortLevels(*m, 6));
  EXPECT_EQ(0, s.zoneLookbackRssi[6] | s.zoneRegisteredRssi[6] | s.zoneOsmRssi[6]);
  EXPECT_EQ(0, s.zoneRssiDuration[6] | s.zoneLookbackTime[6]) << "minutes are not normalised";
  EXPECT_EQ(255, s.zoneOsmRssi[7]) << "another zone";
  EXPECT_FALSE(NormalisePassPortLevels(*m, 6));
  EXPECT_TRUE(NormalisePassPortLevels(*m, 7));
  EXPECT_EQ(143, s.zoneRegisteredRssi[7]);

  m->global.byte11 = 5;
  EXPECT_EQ("-105", RssiReferenceText(*m, tf::kOsmLevelList, 0));
  EXPECT_EQ("-116", RssiReferenceText(*m, tf::kRssiLevelList, 143));
}

TEST(PassPortFeatureTest, EnableCascadesFollowTheSwitchesAndTheBand) {
  const struct {
    std::uint8_t rssiFlags;
    bool threshold, lookback, lookbackRssi;
  } cases[] = {
      {0x00, true, true, true},   {0x04, true, true, false},   {0x01, true, false, false},
      {0x05, true, false, false}, {0x80, false, true, true},   {0xFF, false, false, false},
  };
  TestModel m;
  for (const auto& c : cases) {
    m->store.zonePassPortRssiFlags[20] = c.rssiFlags;
    const PassPortEnables e = PassPortEnableStates(*m, 20);
    EXPECT_EQ(c.threshold, e.rssiThreshold) << std::hex << int(c.rssiFlags);
    EXPECT_EQ(c.lookback, e.homeLookback) << std::hex << int(c.rssiFlags);
    EXPECT_EQ(c.lookbackRssi, e.lookbackRssi) << std::hex << int(c.rssiFlags);
  }
  m->global.bandFlag = kUhfBandFlag;
  EXPECT_TRUE(PassPortEnableStates(*m, 20).band5b);
  m->global.bandFlag = 0;
  EXPECT_FALSE(PassPortEnableStates(*m, 20).band5b);
}
