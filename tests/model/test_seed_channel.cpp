#include <gtest/gtest.h>

#include "model/seed_channel.h"
#include "test_support.h"

namespace {

constexpr std::uint16_t B = kBlankSeedWord;

struct SeedCase {
  std::uint16_t before[3];
  const char* typed;
  std::uint16_t after[3];
  bool changed, refused;
  const char* shown;
};

void EnterAndCheck(CEditModel& m, const SeedCase& c) {
  CSeedChannelRecord& seed = m.store.seedChannels[4];
  for (int k = 0; k < 3; ++k) seed.channelWord[k] = c.before[k];
  const SeedEntryResult r = EnterSeedFrequency(m, 4, c.typed);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(seed.channelWord[k], c.after[k]) << c.typed << " word " << k;
  EXPECT_EQ(r.changed, c.changed) << c.typed;
  EXPECT_EQ(r.refused, c.refused) << c.typed;
  EXPECT_EQ(r.text, c.shown) << c.typed;
  EXPECT_EQ(SeedFrequencyText(m, 4), c.shown) << c.typed;
}

TEST(SeedChannel, UhfEntriesThatStoreNothingOrEveryWord) {
  TestModel m;
  // (The band edges, a blank seed and the rows of the band plan are entered through the Seed page.)
  const SeedCase cases[] = {
      {{B, B, B}, "455.0125", {0x44B1, 0x5191, B}, true, false, " 455.01250"},
      {{0x44B0, 0x5190, B}, "          ", {0x44B0, 0x5190, B}, false, false, " 455.00000"},
      {{0x44B0, 0x5190, B}, "455.00000", {0x44B0, 0x5190, B}, false, false, " 455.00000"},
      {{0xFFFF, 0x5190, 0x44B0}, "0", {B, B, B}, true, false, "   0.00000"},
  };
  for (const SeedCase& c : cases) EnterAndCheck(*m, c);
  EXPECT_EQ(SeedNumberText(0), "001");
  EXPECT_EQ(SeedNumberText(19), "020");
}

TEST(SeedChannel, VhfTakesTheNearestTableWordAtOrAbove) {
  TestModel m;
  m->global.bandFlag = 0;
  m->global.hardwareByte = kVhfHardware;
  // Not sorted; 153.0 twice.
  const std::uint32_t words[] = {15500000, 15300000, 16000000, 15250000, 15300000};
  for (int k = 0; k < 5; ++k) m->dfa.SetEntry(k, words[k]);
  EXPECT_EQ(NearestDfaIndexAtOrAbove(m->dfa, 15100000), 3);
  EXPECT_EQ(NearestDfaIndexAtOrAbove(m->dfa, 15260000), 1);
  EXPECT_EQ(NearestDfaIndexAtOrAbove(m->dfa, 16000001), -1);
  const SeedCase cases[] = {
      {{B, B, B}, "152.5", {0xF004, B, B}, true, false, " 152.50000"},
      {{B, B, B}, "151", {0xF004, B, B}, true, false, " 152.50000"},
      {{0xF004, 0x1234, B}, "153", {0xF002, B, B}, true, false, " 153.00000"},
      {{0xF002, B, B}, "161", {0xF002, B, B}, false, true, " 153.00000"},
  };
  for (const SeedCase& c : cases) EnterAndCheck(*m, c);
}

}  // namespace
