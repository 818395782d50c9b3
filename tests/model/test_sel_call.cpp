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
  const OfferedList list = SelCallZoneChoices(store, 3);
  ASSERT_EQ(list.size(), 4);
  EXPECT_EQ(list.entries[1].text, "Zone 3");
  EXPECT_EQ(list.entries[2].text, "Zone 7");
  EXPECT_EQ(list.entries[3].text, "Disable");
  EXPECT_EQ(list.CodeAt(2), 7u);
  EXPECT_EQ(list.CodeAt(3), 255u);
  EXPECT_EQ(list.selected, 1);
  // An entry whose zone is no PassPort zone keeps its text; the list opens on "Global".
  EXPECT_EQ(SelCallZoneText(10), "Zone 10");
  EXPECT_EQ(SelCallZoneChoices(store, 10).selected, 0);
  // Any code that is no zone reads "Disable", and the list opens on it.
  EXPECT_EQ(SelCallZoneText(200), "Disable");
  EXPECT_EQ(SelCallZoneText(33), "Disable");
  EXPECT_EQ(SelCallZoneChoices(store, 200).selected, 3);
  EXPECT_EQ(SelCallZoneText(0), "Global");
}

TEST(SelCall, TargetMinIsBroughtIntoItsRange) {
  struct Case {
    const char* typed;
    std::uint32_t value;
    bool clamped;
  };
  const Case cases[] = {{"70000", 65519, true}, {"0", 1, true},       {"", 1, true},
                        {"65519", 65519, false}, {"65520", 65519, true}, {"1", 1, false},
                        {"99999999999999999999", 65519, true}, {"123", 123, false}};
  for (const Case& c : cases) {
    const TargetMinEntry e = ParseTargetMin(c.typed);
    EXPECT_EQ(e.value, c.value) << c.typed;
    EXPECT_EQ(e.clamped, c.clamped) << c.typed;
  }
  TestModel m;
  sc::kTargetMinText.set(*m, 99, "70000");
  EXPECT_EQ(m->store.selCalls[99].targetMin, 65519u);
  EXPECT_EQ(sc::kTargetMinText.get(*m, 99), "65519");
  EXPECT_EQ(m->store.selCalls[98].targetMin, 1u);
}

TEST(SelCall, RowsAliasesAndZoneField) {
  EXPECT_EQ(SelCallRecordIndex(4, 20), 99);
  EXPECT_EQ(SelCallRecordIndex(0, 1), 0);
  EXPECT_EQ(SelCallRecordIndex(0, 0), -1);
  EXPECT_EQ(SelCallRecordIndex(16, 1), -1);
  EXPECT_EQ(SelCallRowCaption(0, 1), "  #1");
  EXPECT_EQ(SelCallRowCaption(0, 20), " #20");
  EXPECT_EQ(SelCallRowCaption(4, 20), "#100");
  EXPECT_EQ(SelCallRowCaption(15, 20), "#320");

  TestModel m;
  sc::kAlias.set(*m, 99, "ab\xC3\xA9" "1");
  EXPECT_STREQ(m->store.selCalls[99].alias, "AB1     ");
  sc::kZoneCode.Set(*m, 99, 7);
  EXPECT_EQ(m->store.selCalls[99].zoneCode, 7);
  EXPECT_EQ(m->store.selCalls[98].zoneCode, 255);
}

}  // namespace
