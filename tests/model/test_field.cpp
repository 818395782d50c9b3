#include <gtest/gtest.h>

#include "model/edit_model.h"
#include "model/field.h"

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
