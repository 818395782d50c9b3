// The whole-model pack: group trimming, a refused save. (A reset model packing
// without refusal is checked with the image map.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "test_support.h"

namespace {

TEST(Dispatch, GroupsBeyondTheZonesCountsLoseTheirInUseBit) {
  TestModel m;
  m->store.groupCount[0] = 4;
  m->store.groupCount[1] = 6;
  for (int g = 0; g < kGroupCount; ++g) m->store.groups[g].flags |= kGroupInUse;
  auto image = BlankImage();
  m->PackImage(image.data());
  for (int g = 0; g < 10; ++g) EXPECT_TRUE(m->store.groups[g].InUse()) << g;
  for (int g = 10; g < kGroupCount; ++g) ASSERT_FALSE(m->store.groups[g].InUse()) << g;
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
