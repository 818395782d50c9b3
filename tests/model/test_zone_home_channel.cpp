// The home channel words the zone overview's entries do not show: the back-up
// words, every row but Band 5b that holds the frequency (none on a VHF radio),
// and the UHF words of a frequency between raster points. (The home channel
// entry itself is tested through the zone overview's edits.)
#include <gtest/gtest.h>

#include "model/home_channel.h"
#include "test_support.h"

TEST(ZoneHomeChannelTest, BackUpWordsAndOffRasterRows) {
  TestModel m;
  constexpr int z = 4;
  m->store.SetSystemDefaults(z, kSystemPassPort);
  HomeFrequencyEntry e = EnterBackupHomeFrequency(*m, z, 460.0125);
  EXPECT_FALSE(e.refused);
  EXPECT_EQ(m->store.zoneBackupHomeChannelWords[0][z], 0x5321);  // Band 5 channel 801
  EXPECT_EQ(m->store.zoneBackupHomeChannelWords[1][z], 0x7001);  // Band 6 channel 1
  EXPECT_EQ(m->store.zoneBackupHomeChannelWords[2][z], kBlankChannelWord);
  EXPECT_NEAR(BackupHomeChannelFrequency(*m, z), 460.0125, 1e-9);

  // 450.00625 lies on no 12.5 kHz raster but Band 5b-2's: with the flag that row leads.
  EXPECT_EQ(HomeChannelWords(*m, 450.00625, true), (ChannelWords{0x6191, 0xF7FF, 0xF7FF}));

  m->global.hardwareByte = kVhfHardware;
  m->global.bandFlag = 0;
  EnterBackupHomeFrequency(*m, z, 150.780);
  EXPECT_EQ(m->store.zoneBackupHomeChannelWords[0][z], kBlankChannelWord);
}
