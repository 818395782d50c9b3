// The whole-model pack: its order, where a refusal stops it, and what each of
// the two pack variants writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/default_image.h"
#include "test_support.h"

namespace {

using Image = std::array<std::uint8_t, kImageBufferSize>;

Image Blank() {
  Image image{};
  std::fill(image.begin(), image.begin() + kImageSize, 0xFF);
  return image;
}

TEST(Dispatch, ResetModelPacksWithoutRefusal) {
  TestModel m;
  Image image = Blank();
  EXPECT_EQ(1, m->PackImageDefaults(image.data()));
  image = Blank();
  EXPECT_EQ(1, m->PackImage(image.data()));
  EXPECT_TRUE(m.host.messages.empty());
}

TEST(Dispatch, RefusalStopsThePackAfterTheRecordsBeforeIt) {
  // The key check refuses: a type-11 radio with a Phone Interconnect key and no
  // Individual Dial memory #0.
  TestModel m;
  m->store.modelWord = 11 << 8;
  m->keys.keyFunctionCodes[0] = CKeyAssignSection::kPhoneInterconnect;
  Image image = Blank();
  EXPECT_EQ(0, m->PackImage(image.data()));
  ASSERT_EQ(1u, m.host.messages.size());
  EXPECT_EQ("Please set up the Individual Dial memory #0 or disable the Phone Interconnect function.",
            m.host.messages[0]);
  // Global settings, store and DTMF were written before the refusal ...
  EXPECT_EQ(0x88, image[42]);
  EXPECT_EQ(1, image[44]);     // zone 0's group count
  EXPECT_EQ(0xAD, image[384]);  // DTMF pause byte
  // ... the keys, groups, channels and everything after were not.
  for (std::size_t i = 188; i < 200; ++i) EXPECT_EQ(0xFF, image[i]);
  for (std::size_t i = GroupOffset(0); i < GroupOffset(1); ++i) EXPECT_EQ(0xFF, image[i]);
  for (std::size_t i = ChannelOffset(0); i < ChannelOffset(1); ++i) EXPECT_EQ(0xFF, image[i]);
  EXPECT_EQ(0xFF, image[252]);
}

TEST(Dispatch, GroupsBeyondTheZonesCountsLoseTheirInUseBit) {
  TestModel m;
  m->store.groupCount[0] = 4;
  m->store.groupCount[1] = 6;
  for (int g = 0; g < kGroupCount; ++g) m->store.groups[g].flags |= kGroupInUse;
  Image image = Blank();
  m->PackImage(image.data());
  for (int g = 0; g < 10; ++g) EXPECT_TRUE(m->store.groups[g].InUse()) << g;
  for (int g = 10; g < kGroupCount; ++g) ASSERT_FALSE(m->store.groups[g].InUse()) << g;
}

TEST(Dispatch, OnlyTheDefaultsPackWritesTheBandParameters) {
  TestModel m;
  Image image = Blank();
  ASSERT_EQ(1, m->PackImage(image.data()));
  for (std::size_t i = 256; i < 376; ++i) ASSERT_EQ(0xFF, image[i]) << i;
  ASSERT_EQ(1, m->PackImageDefaults(image.data()));
  int written = 0;
  for (std::size_t i = 256; i < 376; ++i) written += image[i] != 0xFF;
  EXPECT_GT(written, 0);
}

TEST(Dispatch, DfaTableWinsOverTheSelCallEntriesItOverlaps) {
  TestModel m;
  Image image = Blank();
  m->dfa.SetEntry(0, 0x00E4E1C0);
  m->store.selCalls[104].targetMin = 0x1234;
  m->store.selCalls[104].zoneCode = 0;
  ASSERT_EQ(1, m->PackImage(image.data()));
  EXPECT_EQ(0x00E4E1C0u, GetBE32(image.data() + 16896));
}

TEST(Dispatch, ARefusedSaveLeavesTheFileAsItWas) {
  TestModel m;
  const auto dir = std::filesystem::temp_directory_path() / "tq_dispatch_save";
  std::filesystem::create_directories(dir);
  const auto path = dir / "kept.X417";
  {
    std::ofstream(path, std::ios::binary) << "old contents";
  }
  m->store.modelWord = 11 << 8;
  m->keys.keyFunctionCodes[0] = CKeyAssignSection::kPhoneInterconnect;
  g_bModified = 1;
  EXPECT_FALSE(m->SaveDataFile(path.string()));
  EXPECT_EQ(12u, std::filesystem::file_size(path));
  EXPECT_EQ(1u, g_bModified);
  EXPECT_TRUE(m.host.savedLabels.empty());
  std::filesystem::remove_all(dir);
}

}  // namespace
