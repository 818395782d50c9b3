// The PassPort pages: talk-group rows that never reach past the zone's own
// groups, the primary group, the ID limits, every talk-group and feature check
// box's bit and polarity, the timer clamps, the RSSI codes and their
// normalisation, and the enable cascades.
#include <gtest/gtest.h>

#include <cstring>

#include "model/trunk_passport.h"
#include "test_support.h"
#include "test_trunk_support.h"

namespace {

std::string Records(const CChannelStore& s) { return {reinterpret_cast<const char*>(s.groups), sizeof s.groups}; }

const Field* const kTalkGroupBoxes[] = {&tf::kTalkGroupOnOff, &tf::kTalkGroupScan, &tf::kTalkGroupCompander,
                                        &tf::kTalkGroupDisableTx, &tf::kTalkGroupEncryption, &tf::kTalkGroupTot};

}  // namespace

TEST(TalkGroupTest, RowsReachOnlyTheZonesOwnGroupsAndThePrimaryOnlyWhenThereIsOne) {
  TestModel m;
  CChannelStore& s = m->store;
  SetGroupCounts(s, {230, 0, 3, 17});  // zone 3's groups end at record 249
  for (CGroupRecord& g : s.groups) g.flags = 0;
  const std::string before = Records(s);
  EXPECT_FALSE(OpenTalkGroups(*m, 1)) << "zone 1 has no group: row 1 would be zone 2's";
  for (const int z : {1, 2}) {
    for (int row = 0; row < tf::kTalkGroupRows; ++row) {
      const int key = tf::TalkGroupKey(z, row);
      for (const Field* f : kTalkGroupBoxes) f->Set(*m, key, 1);
      tf::kTalkGroupAlias.set(*m, key, "X");
      EnterTalkGroupId(*m, z, row, "123");
    }
  }
  for (int g = 0; g < kGroupCount; ++g) {
    const bool own = g >= 230 && g < 233;  // zone 2's three records
    EXPECT_EQ(!own, std::memcmp(&s.groups[g], before.data() + sizeof(CGroupRecord) * std::size_t(g),
                                sizeof(CGroupRecord)) == 0) << g;
  }
  EXPECT_EQ("", TalkGroupEnableText(*m, 2, 3) + TalkGroupIdText(*m, 2, 3));
  EXPECT_EQ(123, s.groups[230].idWord);
  EXPECT_TRUE(OpenTalkGroups(*m, 3));
  EXPECT_TRUE(s.groups[233].InUse());
  EXPECT_EQ(&s.groups[248], tf::TalkGroupRecord(*m, 3, 15));
  EXPECT_EQ(nullptr, tf::TalkGroupRecord(*m, 3, 16));
}

TEST(TalkGroupTest, RowStatesTextsIdsAndEveryBit) {
  TestModel m;
  CChannelStore& s = m->store;
  SetGroupCounts(s, {1, 3});
  for (CGroupRecord& g : s.groups) g.flags = kGroupInUse;
  const int key = tf::TalkGroupKey(1, 1);  // record 2
  EXPECT_EQ("PRIMARY", TalkGroupEnableText(*m, 1, 0));
  tf::kTalkGroupOnOff.Set(*m, tf::TalkGroupKey(1, 0), 1);
  EXPECT_TRUE(s.groups[1].InUse() && !TalkGroupRow(*m, 1, 0).enableCell) << "the primary stays in use";
  tf::kTalkGroupOnOff.Set(*m, key, 1);
  EXPECT_EQ("Disable", TalkGroupEnableText(*m, 1, 1));
  const TalkGroupRowState off = TalkGroupRow(*m, 1, 1);
  EXPECT_TRUE(off.hasRecord && off.enableCell && !off.editable);
  EXPECT_FALSE(TalkGroupRow(*m, 1, 3).hasRecord);

  tf::kTalkGroupAlias.set(*m, key, "ab1");
  EXPECT_EQ(0, std::memcmp(s.groups[2].name, "AB1     \0", 9));
  const std::pair<const char*, int> ids[] = {{"65519", 65519}, {"1", 1}, {"65520", 1}, {"0", 1}, {"", 1}};
  for (const auto& [text, stored] : ids) {
    const IdEntryResult r = EnterTalkGroupId(*m, 1, 1, text);
    EXPECT_EQ(stored, s.groups[2].idWord) << text;
    EXPECT_EQ(r.stored ? "" : "Talk Group ID should be 1 to 65519.", r.message) << text;
  }
  const unsigned bits[] = {kGroupInUse, kGroupScanUser, 0x40 << 8, 0x20 << 8, 0x10 << 8, kTimeOutTimerBit << 16};
  for (std::size_t i = 0; i < std::size(bits); ++i) {
    CGroupRecord& g = s.groups[2];
    g.flags = g.byte0 = 0xFF;
    g.channelWord = 0xFFFF;
    tf::kTalkGroupInUse.Set(*m, key, 1);
    kTalkGroupBoxes[i]->Set(*m, key, i == 0 ? 1 : 0);  // unchecked (on/off: "Disable")
    const unsigned cleared = ~(unsigned(g.flags) | unsigned(g.byte0) << 8 | unsigned(g.channelWord) << 16);
    EXPECT_EQ(bits[i], cleared) << i;
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
      {zf::kDisableRoam, &S::zonePassPortFlags, 0x80, false},  {zf::kAtbRingBack, &S::zonePassPortFlags, 0x40, false},
      {zf::kPpGroupScan, &S::zonePassPortFlags, 0x20, false},  {zf::kInterconnectCompanding, &S::zonePassPortFlags, 0x10, false},
      {zf::kDisablePrimaryPriority, &S::zonePassPortFlags, 0x08, false}, {zf::kFixedDcc, &S::zonePassPortFlags, 0x04, false},
      {tf::kPreferLastChannel, &S::zonePassPortFlags, 0x02, true}, {zf::kBand5b, &S::zoneFlags2, 0x01, false},
      {tf::kInvertedTxData, &S::zoneFlags2, 0x02, true},       {zf::kRxDataInverted, &S::zoneFlags2, 0x04, false},
      {tf::kHomeLookback, &S::zonePassPortRssiFlags, 0x01, true}, {tf::kStrongestSiteSearch, &S::zonePassPortRssiFlags, 0x02, true},
      {tf::kLookbackRssiOn, &S::zonePassPortRssiFlags, 0x04, true}, {tf::kSingleSitePerFrequency, &S::zonePassPortRssiFlags, 0x08, true},
      {tf::kRssiAutoEnable, &S::zonePassPortRssiFlags, 0x10, true}, {tf::kRssiDisableInThresholdArea, &S::zonePassPortRssiFlags, 0x20, true},
      {tf::kRssiDisableDuringReceive, &S::zonePassPortRssiFlags, 0x40, true}, {tf::kRssiThreshold, &S::zonePassPortRssiFlags, 0x80, true},
  };
  TestModel m;
  for (const auto& c : cases) {
    for (const int start : {0x00, 0xFF}) {
      for (const std::uint32_t checked : {0u, 1u}) {
        (m->store.*c.array)[9] = std::uint8_t(start);
        c.checked.Set(*m, 9, checked);
        const bool bitSet = (checked != 0) != c.activeLow;
        EXPECT_EQ(bitSet ? start | c.mask : start & ~c.mask, (m->store.*c.array)[9]) << int(c.mask) << checked;
        EXPECT_EQ(checked, c.checked.Get(*m, 9));
      }
    }
  }
}

TEST(PassPortFeatureTest, TimersClampRssiCodesNormaliseAndSwitchesCascade) {
  const struct {
    const PassPortTimer* timer;
    const char* text;
    std::uint32_t code;
    const char* shown;
  } timers[] = {
      {&kRegResumeTimer, "95", 3, "  90 sec"},        {&kRegResumeTimer, "9999", 255, "7650 sec"},
      {&kRegResumeTimer, "", 0, "   0 sec"},          {&kRegResumeTimer, "  90 sec", 3, "  90 sec"},
      {&kRoamStartDelayTimer, "5", 10, "  10 sec"},   {&kRoamStartDelayTimer, "300", 255, " 255 sec"},
      {&kRoamSearchSpeedTimer, "0", 1, "   1 sec"},   {&kRoamSearchSpeedTimer, "45", 30, "  30 sec"},
      {&kRoamPowerUpDelayTimer, "", 10, "  10 sec"},
  };
  TestModel m;
  for (const auto& t : timers) {
    EXPECT_EQ(t.shown, EnterPassPortTimer(*m, *t.timer, 12, t.text).shown) << t.text;
    EXPECT_EQ(t.code, t.timer->field.Get(*m, 12)) << t.text;
  }

  EXPECT_EQ(143u, tf::kRssiLevelList.CodeAt(0));   // -121 dBm
  EXPECT_EQ(15u, tf::kRssiLevelList.CodeAt(22));   // -99 dBm
  EXPECT_EQ(147u, tf::kOsmLevelList.CodeAt(0));    // -125 dBm
  CChannelStore& s = m->store;
  s.zoneLookbackRssi[6] = s.zoneRegisteredRssi[6] = s.zoneOsmRssi[6] = 255;
  s.zoneLookbackTime[6] = 0;
  EXPECT_TRUE(NormalisePassPortLevels(*m, 6));
  EXPECT_FALSE(NormalisePassPortLevels(*m, 6));
  EXPECT_EQ(0, s.zoneLookbackRssi[6] | s.zoneRegisteredRssi[6] | s.zoneOsmRssi[6] | s.zoneLookbackTime[6]);
  m->global.byte11 = 5;
  EXPECT_EQ("-116", RssiReferenceText(*m, tf::kRssiLevelList, 143));

  // RSSI flags (active low) -> threshold group, home lookback, lookback level list.
  const std::pair<std::uint8_t, const char*> cascades[] = {{0x00, "111"}, {0x04, "110"}, {0x01, "100"}, {0x80, "011"}};
  for (const auto& [flags, expected] : cascades) {
    s.zonePassPortRssiFlags[20] = flags;
    const PassPortEnables e = PassPortEnableStates(*m, 20);
    const std::string states = {char('0' + e.rssiThreshold), char('0' + e.homeLookback), char('0' + e.lookbackRssi)};
    EXPECT_EQ(expected, states) << int(flags);
  }
  m->global.bandFlag = 0;
  EXPECT_FALSE(PassPortEnableStates(*m, 20).band5b) << "VHF";
}
