// The home channel words of a PassPort zone: the band plan's words on a UHF
// radio (with and without Band 5b, 0.0, outside the range), the DFA table's on
// a VHF radio (between entries, above them all), the back-up words and the
// silent normalisation of a word that does not fit the zone's Band 5b flag.
#include <gtest/gtest.h>

#include "model/home_channel.h"
#include "test_support.h"

namespace {

constexpr int kZ = 4;

ChannelWords Words(CEditModel& m) {
  return {m.store.zoneHomeChannelWords[0][kZ], m.store.zoneHomeChannelWords[1][kZ],
          m.store.zoneHomeChannelWords[2][kZ]};
}

void PassPortZone(CEditModel& m, bool band5b) {
  m.store.SetSystemDefaults(kZ, kSystemPassPort);
  m.store.zoneFlags2[kZ] = band5b ? 0x23 : 0x22;
}

}  // namespace

TEST(ZoneHomeChannelTest, UhfWordsFromTheBandPlan) {
  TestModel m;
  PassPortZone(*m, false);
  HomeFrequencyEntry e = EnterHomeFrequency(*m, kZ, 460.0125);
  EXPECT_FALSE(e.refused);
  EXPECT_EQ(Words(*m), (ChannelWords{0x5321, 0x7001, 0xF7FF}));  // Band 5 ch 801, Band 6 ch 1
  EXPECT_NEAR(e.shown, 460.0125, 1e-9);

  PassPortZone(*m, true);
  e = EnterHomeFrequency(*m, kZ, 460.0125);
  EXPECT_EQ(Words(*m), (ChannelWords{0x6321, 0xF7FF, 0xF7FF}));  // only the Band 5b-1 raster word
  EXPECT_NEAR(e.shown, 460.0125, 1e-9);

  // 0.0 is allowed and checked up to the band's edge: 450.0 on Band 4, channel 800.
  PassPortZone(*m, false);
  e = EnterHomeFrequency(*m, kZ, 0.0);
  EXPECT_EQ(m->store.zoneHomeChannelWords[0][kZ], 0x4320);
  EXPECT_NEAR(e.shown, 450.0, 1e-9);

  // Outside the band: the message, nothing stored, the stored frequency shown.
  e = EnterHomeFrequency(*m, kZ, 400.0);
  EXPECT_TRUE(e.refused);
  EXPECT_EQ(e.message, "Home channel frequency should be 450.00000 MHz to 511.98750 MH\xEF\xBD\x9A.");
  EXPECT_EQ(m->store.zoneHomeChannelWords[0][kZ], 0x4320);
  EXPECT_NEAR(e.shown, 450.0, 1e-9);

  // The back-up words: every row but Band 5b that holds it.
  e = EnterBackupHomeFrequency(*m, kZ, 460.0125);
  EXPECT_EQ(m->store.zoneBackupHomeChannelWords[0][kZ], 0x5321);
  EXPECT_EQ(m->store.zoneBackupHomeChannelWords[1][kZ], 0x7001);
  EXPECT_NEAR(BackupHomeChannelFrequency(*m, kZ), 460.0125, 1e-9);
}

TEST(ZoneHomeChannelTest, VhfWordsFromTheDfaTable) {
  TestModel m;
  m->global.hardwareByte = kVhfHardware;
  m->global.bandFlag = 0;
  PassPortZone(*m, false);
  for (int i = 0; i < kDfaEntryCount; ++i) m->dfa.SetEntry(i, 15077500u + 1250u * unsigned(i));

  HomeFrequencyEntry e = EnterHomeFrequency(*m, kZ, 150.780);  // between entries 0 and 1
  EXPECT_EQ(Words(*m), (ChannelWords{0xF002, 0xF7FF, 0xF7FF}));
  EXPECT_NEAR(e.shown, 150.7875, 1e-9);

  // Above the whole table: the last entry, shown as such.
  e = EnterHomeFrequency(*m, kZ, 170.0);
  EXPECT_FALSE(e.refused);
  EXPECT_EQ(m->store.zoneHomeChannelWords[0][kZ], 0xF000 + kDfaEntryCount);
  EXPECT_NEAR(e.shown, (15077500 + 1250.0 * 1344) * 0.00001, 1e-9);

  e = EnterHomeFrequency(*m, kZ, 175.0);
  EXPECT_EQ(e.message, "Home channel frequency should be 150.77500 MHz to 173.39625 MH\xEF\xBD\x9A.");
  EnterBackupHomeFrequency(*m, kZ, 150.780);
  EXPECT_EQ(m->store.zoneBackupHomeChannelWords[0][kZ], kBlankChannelWord);
}

TEST(ZoneHomeChannelTest, AWordOffTheZonesBand5bFlagIsNormalisedOnce) {
  TestModel m;
  PassPortZone(*m, false);
  m->store.zoneHomeChannelWords[0][kZ] = 0x6321;  // a Band 5b word in a zone without Band 5b
  EXPECT_TRUE(ChannelWordFrequency(*m, 0x6321, false).indirect);
  EXPECT_TRUE(NormaliseHomeChannel(*m, kZ));
  EXPECT_EQ(Words(*m), (ChannelWords{0x5321, 0x7001, 0xF7FF}));
  EXPECT_FALSE(NormaliseHomeChannel(*m, kZ));
  EXPECT_NEAR(HomeChannelFrequency(*m, kZ), 460.0125, 1e-9);
}
