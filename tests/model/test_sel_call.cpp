// The Sel Call entries' irregular texts: zone codes that name no zone, Target
// MIN texts that are no number or overflow, characters a tag cannot hold, and
// rows of no block. (The chooser, the rows of a block and the clamps by real
// keys are tested through the Sel Call page.)
#include <gtest/gtest.h>

#include "model/sel_call.h"
#include "test_support.h"

namespace {

TEST(SelCall, CodesAndTextsNoEntryHolds) {
  TestModel m;
  EXPECT_EQ(SelCallZoneText(200), "Disable");
  const OfferedList zones = SelCallZoneChoices(m->store, 200);
  EXPECT_EQ(zones.entries[std::size_t(zones.selected)].text, "Disable");
  for (const char* typed : {"", "99999999999999999999"}) {
    const TargetMinEntry e = ParseTargetMin(typed);
    EXPECT_EQ(e.value, *typed ? 65519u : 1u) << typed;
    EXPECT_TRUE(e.clamped) << typed;
  }
  EXPECT_FALSE(ParseTargetMin("65519").clamped);
  sc::kAlias.set(*m, 99,
                 "ab\xC3\xA9"
                 "1");
  EXPECT_STREQ(m->store.selCalls[99].alias, "AB1     ");
  EXPECT_EQ(SelCallRecordIndex(16, 1), -1);
  EXPECT_EQ(SelCallRowCaption(0, 1), "  #1");
}

}  // namespace
