#include <gtest/gtest.h>

#include "model/edit_model.h"
#include "model/field.h"
#include "model/group_fields.h"
#include "model/zone_defaults.h"

#include <cstring>
#include <set>

namespace {

constexpr BitField kHigh = Bits<&CEditModel::global, &CGlobalSettings::byte185>(0x30);
constexpr BitField kZoneFormat = ArrayBits<&CEditModel::store, &CChannelStore::zoneFormat>(0x1C);

constexpr Choice kChoices[] = {{"Low", 32}, {"Middle", 64}, {"High", 160}};
constexpr ChoiceList kList{kChoices, 1};
constexpr ChoiceList kListWithOther{kChoices, 0, "High"};

TEST(Field, StoresOnlyTheBitsUnderItsMaskAndReadsThemBack) {
  CEditModel& m = TheModel();
  m.global.byte185 = 0x85;
  kHigh.Set(m, 0, 7);  // a code wider than its field keeps the other bits
  EXPECT_EQ(m.global.byte185, 0xB5);
  EXPECT_EQ(kHigh.Get(m), 3u);
  EXPECT_EQ(kHigh.MaxCode(), 3u);

  m.store.zoneFormat[5] = 0xE3;
  Field(kZoneFormat).Set(m, 5, 4);
  EXPECT_EQ(m.store.zoneFormat[5], 0xF3);
  EXPECT_EQ(Field(kZoneFormat).Get(m, 5), 4u);
  m.ResetEditModel();
}

TEST(Field, ABitFieldOfAWordOrAByteOfAnIndexedRecordTakesOnlyItsBits) {
  CEditModel& m = TheModel();
  CGroupRecord& g = m.store.groups[3];
  g.channelWord = 0x1234;
  g.byte0 = 0xE7;
  struct Case {
    const BitField& field;
    std::uint32_t code;
    std::uint16_t word;
    std::uint8_t byte0;
    std::uint32_t reads;
  };
  const Case cases[] = {
      {grp::kChannel.bits, 0x3FF, 0x13FF, 0xE7, 0x3FF},
      {grp::kTpac.bits, 1, 0x93FF, 0xE7, 1},
      {grp::kTpac.bits, 2, 0x13FF, 0xE7, 0},  // only the code's bits that fit
      {grp::kBusyLockOutBits, 2, 0x23FF, 0xE7, 2},
      {grp::kEncryption, 2, 0x23FF, 0xF7, 2},
  };
  for (const Case& c : cases) {
    c.field.Set(m, 3, c.code);
    EXPECT_EQ(g.channelWord, c.word) << c.code;
    EXPECT_EQ(g.byte0, c.byte0) << c.code;
    EXPECT_EQ(c.field.Get(m, 3), c.reads) << c.code;
  }
  // An index that names no record reads 0 and writes no record, however often.
  std::array<CGroupRecord, kGroupCount> before;
  std::copy(std::begin(m.store.groups), std::end(m.store.groups), before.begin());
  for (const int index : {-1, kGroupCount, kGroupCount + 5}) {
    for (const Case& c : cases) {
      c.field.Set(m, index, 0xFFFF);
      EXPECT_EQ(c.field.Get(m, index), 0u) << index;
    }
  }
  EXPECT_TRUE(std::equal(before.begin(), before.end(), std::begin(m.store.groups)));
  // Fields overlap only over the same member and a shared bit.
  EXPECT_TRUE(grp::kChannel.bits.Overlaps(grp::kChannel.bits));
  EXPECT_FALSE(grp::kChannel.bits.Overlaps(grp::kTpac.bits));
  EXPECT_FALSE(grp::kEncryption.Overlaps(grp::def::kEncryption));
  EXPECT_FALSE(grp::kTimeOutTimer.bits.Overlaps(grp::def::kTimeOutTimer.bits));
  m.ResetEditModel();
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

TEST(ChoiceList, PageAndPrintTextsOfKnownAndUnknownCodes) {
  static_assert(kList.PageText(64) == "Middle");
  static_assert(kList.PageText(7) == "Middle");        // unknown: the default entry
  static_assert(kList.PrintText(7) == "Middle");       // and the sheet says the same
  static_assert(kListWithOther.PrintText(7) == "High");  // unless the list says otherwise
  static_assert(kListWithOther.PrintText(32) == "Low");
  static_assert(kList.TextAt(3).empty() && kList.TextAt(-1).empty());
  static_assert(kList.CodeAt(5, 99) == 99);
  EXPECT_EQ(kList.Find(160), 2);
}

}  // namespace
