// The PassPort talk groups: rows that never reach past the zone's own groups,
// and a primary group that stays in use. (The check boxes, IDs, timers, levels
// and enable cascades are tested through the PassPort pages.)
#include <gtest/gtest.h>

#include <cstring>
#include <string>

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
  tf::kTalkGroupOnOff.Set(*m, tf::TalkGroupKey(3, 0), 1);  // "Disable"
  EXPECT_TRUE(s.groups[233].InUse()) << "the primary stays in use";
  EXPECT_EQ(&s.groups[248], tf::TalkGroupRecord(*m, 3, 15));
  EXPECT_EQ(nullptr, tf::TalkGroupRecord(*m, 3, 16));
}
