#include <gtest/gtest.h>

#include "model/sel_call.h"
#include "test_support.h"

namespace {

TEST(SelCall, ZoneChooserOffersThePassPortZonesByFormatBits) {
  TestModel m;
  CChannelStore& store = m->store;
  for (std::uint8_t& f : store.zoneFormat) f = 0x88;
  store.zoneFormat[2] = 0x90;  // zone 3
  store.zoneFormat[6] = 0x91;  // zone 7: bits 0-1 are another setting
  store.zoneFormat[9] = 0x84;  // LTR
  const OfferedList list = SelCallZoneChoices(store, 7);
  ASSERT_EQ(list.size(), 4);
  EXPECT_EQ(list.entries[1].text, "Zone 3");
  EXPECT_EQ(list.CodeAt(2), 7u);
  EXPECT_EQ(list.entries[3].text, "Disable");
  EXPECT_EQ(list.selected, 2);
  // A zone that is no PassPort zone keeps its text and opens the list on "Global";
  // any code that is no zone reads "Disable".
  EXPECT_EQ(SelCallZoneText(10), "Zone 10");
  EXPECT_EQ(SelCallZoneChoices(store, 10).selected, 0);
  EXPECT_EQ(SelCallZoneText(200), "Disable");
  EXPECT_EQ(SelCallZoneChoices(store, 200).selected, 3);
}

TEST(SelCall, TargetMinRowsAndAliases) {
  struct Case {
    const char* typed;
    std::uint32_t value;
    bool clamped;
  };
  for (const Case& c : {Case{"70000", 65519, true}, Case{"0", 1, true}, Case{"", 1, true}, Case{"65519", 65519, false},
                        Case{"99999999999999999999", 65519, true}}) {
    const TargetMinEntry e = ParseTargetMin(c.typed);
    EXPECT_EQ(e.value, c.value) << c.typed;
    EXPECT_EQ(e.clamped, c.clamped) << c.typed;
  }
  // Row 20 of block "#81 - #100" is record 99 and no other.
  TestModel m;
  const int index = SelCallRecordIndex(4, 20);
  EXPECT_EQ(SelCallRowCaption(4, 20), "#100");
  EXPECT_EQ(SelCallRowCaption(0, 1), "  #1");
  EXPECT_TRUE(sc::kTargetMin.enter(*m, index, "70000").beep);
  sc::kAlias.set(*m, index,
                 "ab\xC3\xA9"
                 "1");
  EXPECT_EQ(m->store.selCalls[99].targetMin, 65519u);
  EXPECT_STREQ(m->store.selCalls[99].alias, "AB1     ");
  EXPECT_EQ(m->store.selCalls[98].targetMin, 1u);
  EXPECT_EQ(SelCallRecordIndex(16, 1), -1);
}

}  // namespace
