// The whole-model pack trims the groups to the zones' counts. (A reset model
// packing without refusal is checked with the image map, a refused save with
// the data file's tests.)
#include <gtest/gtest.h>

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

}  // namespace
