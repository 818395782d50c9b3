// The LTR advanced features and interconnect pages' model: the ID rule of each
// keystroke, the Connect Dial of Conventional zones only, and the revert group's
// text. (The Default column reaching only the zones whose bytes mean the same
// is tested through the LTR advanced features page.)
#include <gtest/gtest.h>

#include <array>

#include "model/trunk_ltr.h"
#include "test_support.h"

namespace {

// Zones take the formats LTR, Conventional, PassPort in turn; zone 31 format 0.
void MixFormats(CEditModel& m) {
  constexpr int kKinds[] = {kSystemLtr, kSystemConventional, kSystemPassPort};
  for (int z = 0; z < kZoneCount; ++z) {
    m.store.SetSystemDefaults(z, kKinds[z % 3]);
    m.store.zoneFlags[z] = kZoneInUse;
  }
  m.store.zoneFormat[31] &= std::uint8_t(~kZoneFormatMask);
}

// The sixteen bytes of a zone's record that the pages write.
std::array<std::uint8_t, 16> ZoneBytes(const CChannelStore& s, int z) {
  return {s.zoneTxPower[z],       s.zoneTxTimeout[z],       s.zoneHomeRepeater[z],     s.zoneInterconnectLtrId[z],
          s.zoneRxIdStart[z],     s.zoneRxIdStop[z],        s.zoneTxInhibitIdStart[z], s.zoneTxInhibitIdStop[z],
          s.zonePassPortFlags[z], s.zoneScanWords[z],       s.zoneRevertGroup[z],      s.zoneDisconnectDial[z],
          s.zoneFormat[z],        s.zoneChannelHangTime[z], s.zoneChannelFadeTime[z],  s.zonePrefixCode[z]};
}

}  // namespace

TEST(LtrIdTest, EachKeystrokeStoresAValidIdOrRestoresTheStoredOne) {
  const std::pair<const char*, int> ids[] = {{"", 255}, {" ", 255}, {"1", 1}, {"250", 250}, {"0", -1}, {"251", -1}};
  for (const auto& [text, id] : ids) {
    const auto parsed = ParseLtrId(text);
    EXPECT_EQ(id, parsed ? int(*parsed) : -1) << text;
  }
  TestModel m;
  MixFormats(*m);
  EXPECT_TRUE(EnterLtrId(*m, ltradv::kRxIdStart, 3, "2").stored);
  EXPECT_TRUE(EnterLtrId(*m, ltradv::kRxIdStart, 3, "25").stored);
  const LtrIdEntry refused = EnterLtrId(*m, ltradv::kRxIdStart, 3, "251");
  EXPECT_EQ("The code you set up is wrong.\nYou can set up between 1 to 250.", refused.message);
  EXPECT_EQ("25", refused.text);
  EXPECT_EQ(25, m->store.zoneRxIdStart[3]);
  EXPECT_EQ(255, m->store.zoneRxIdStart[0]) << "its own zone only";
  // Zone 4 is Conventional: the byte is Connect Dial byte 2 and takes no ID.
  for (const char* text : {"7", "0"}) {
    const LtrIdEntry conventional = EnterLtrId(*m, ltradv::kRxIdStart, 4, text);
    EXPECT_FALSE(conventional.stored || !conventional.message.empty()) << text;
  }
  EXPECT_EQ(0, m->store.zoneRxIdStart[4]);
}

// (The dial strings' digits and the Disconnect Dial by real keys are tested
// through the interconnect page.)
TEST(InterconnectTest, TheConnectDialReachesOnlyConventionalZones) {
  TestModel m;
  MixFormats(*m);
  CChannelStore& s = m->store;
  tf::kConnectDial.set(*m, 1, "12#");
  EXPECT_EQ((std::array<std::uint8_t, 16>{0, 0x66, 0x31, 0x2F, 0, 0, 0, 0, 0, 0, 255, 0xF0, 0x88, 0, 0, 0}),
            ZoneBytes(s, 1));
  const std::array<std::uint8_t, 16> ltr = ZoneBytes(s, 0), passPort = ZoneBytes(s, 2);
  tf::kConnectDial.set(*m, 0, "1");
  tf::kConnectDial.set(*m, 2, "1");
  EXPECT_TRUE(ltr == ZoneBytes(s, 0) && passPort == ZoneBytes(s, 2));
}

TEST(RevertGroupTest, AValueShowsAsTheGroupsNumberInTheRadio) {
  TestModel m;
  ASSERT_FALSE(ApplyGroupCount(*m, 0, 3).refused);
  ASSERT_FALSE(ApplyGroupCount(*m, 2, 2).refused);
  EXPECT_EQ("None", RevertGroupText(*m, 2, 255));
  EXPECT_EQ("Grp  5", RevertGroupText(*m, 2, 1));  // after zone 0's three groups
  EXPECT_EQ("Grp  2", RevertGroupText(*m, 0, 1));
  EXPECT_EQ("Grp 12", RevertGroupText(*m, -1, 11));  // the Default column: the value itself
}
