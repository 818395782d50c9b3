#include <gtest/gtest.h>

#include "model/edit_model.h"
#include "model/field.h"
#include "model/group_fields.h"
#include "model/zone_defaults.h"

#include <set>

namespace {

// Two fields share bits only over the same member and a shared bit: a page
// refreshes the other controls of a field by this rule.
TEST(Field, FieldsOverlapOnlyOverTheSameMemberAndASharedBit) {
  EXPECT_TRUE(grp::kChannel.bits.Overlaps(grp::kChannel.bits));
  EXPECT_FALSE(grp::kChannel.bits.Overlaps(grp::kTpac.bits));
  EXPECT_FALSE(grp::kEncryption.Overlaps(grp::def::kEncryption));
  EXPECT_FALSE(grp::kTimeOutTimer.bits.Overlaps(grp::def::kTimeOutTimer.bits));
}

TEST(Field, EveryZoneDefaultValueHasASlotOfItsOwnAndStartsAtItsInitialCode) {
  CEditModel& m = TheModel();
  const std::span<const ZoneDefault> pages[] = {overview::kValues, ltrsystem::kValues, ltradv::kValues,
                                                interconnect::kValues};
  std::set<const void*> slots;
  std::size_t count = 0;
  m.zoneDefaults.code.fill(0xAB);
  for (const auto& values : pages) {
    ResetZoneDefaults(m, values);
    for (const ZoneDefault& v : values) {
      slots.insert(&v.value.byte(m, 0));
      ++count;
      EXPECT_EQ(v.value.Get(m), v.initial) << count;
      EXPECT_LE(v.initial, v.zones.MaxCode()) << count;  // the zones can take it
    }
  }
  EXPECT_EQ(slots.size(), count);
  EXPECT_EQ(count, std::size_t(kZoneDefaultSlots));  // every slot belongs to a value
}

}  // namespace
