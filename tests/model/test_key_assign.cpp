#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/key_assign.h"
#include "test_support.h"

namespace {

std::vector<std::string> Texts(const OfferedList& list) {
  std::vector<std::string> texts;
  for (const OfferedEntry& e : list.entries) texts.push_back(e.text);
  return texts;
}

std::set<std::uint32_t> Codes(const OfferedList& list) {
  std::set<std::uint32_t> codes;
  for (const OfferedEntry& e : list.entries) codes.insert(e.code);
  return codes;
}

void ClearSlots(CKeyAssignSection& keys) {
  for (std::uint8_t& c : keys.keyFunctionCodes) c = 0;
  keys.RebuildPresenceMap();
}

TEST(KeyAssign, ListsFollowTheLayoutsOrderAndRules) {
  TestModel m;
  CKeyAssignSection& keys = m->keys;
  ClearSlots(keys);
  // The side layout's press slot, every function free.
  EXPECT_EQ(Texts(KeyFunctionChoices(keys, KeyLayout::kSide, 2, 0)),
            (std::vector<std::string>{"None", "Monitor", "Zone Up", "Zone Down", "Group Up", "Group Down", "Scan",
                                      "Home Zone", "TX Low Power", "Talk Around", "PP_Interconnect", "KeyLock",
                                      "Lighting", "PP_Roam Request", "PP_Home Site Revert", "PP_Roam Lock",
                                      "PP_Site Information", "PP_Selective Call", "PP_Disconnect Sele Call",
                                      "PP_Disconnect Interconnect"}));
  const std::set<std::uint32_t> sideHold = Codes(KeyFunctionChoices(keys, KeyLayout::kSide, 8, 0));
  for (std::uint32_t c : {14u, 17u, 25u, 64u, 82u}) EXPECT_TRUE(sideHold.count(c)) << c;
  for (std::uint32_t c : {65u, 81u, 89u, 20u}) EXPECT_FALSE(sideHold.count(c)) << c;

  // The panel layout: the full press list, then what differs on a hold slot and with the board.
  const OfferedList press = KeyFunctionChoices(keys, KeyLayout::kPanel, 0, 0);
  const std::vector<std::uint32_t> pressOrder = {0,  1,  10, 11, 12, 13, 3,  14, 19, 25, 26, 27, 28, 29, 5,  6,
                                                 15, 16, 17, 20, 23, 2,  8,  69, 70, 71, 72, 73, 74, 75, 76, 77,
                                                 81, 83, 84, 86, 87, 88, 90, 91};
  ASSERT_EQ(press.size(), int(pressOrder.size()));
  for (int i = 0; i < press.size(); ++i) EXPECT_EQ(press.entries[std::size_t(i)].code, pressOrder[std::size_t(i)]);
  EXPECT_EQ(press.entries[17].text, "PP interconnect");
  const std::set<std::uint32_t> hold = Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 6, 3));
  for (std::uint32_t c : {64u, 65u, 68u, 78u, 82u}) EXPECT_TRUE(hold.count(c)) << c;
  for (std::uint32_t c : {81u, 89u, 4u, 7u}) EXPECT_FALSE(hold.count(c)) << c;

  // A slot's own function is offered to it, a slot rule drops it even so.
  keys.keyFunctionCodes[6] = 81;  // PP_Roam Request on a hold slot, from a file
  keys.keyFunctionCodes[3] = 4;
  keys.RebuildPresenceMap();
  EXPECT_FALSE(Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 6, 0)).count(81));
  EXPECT_FALSE(Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 0, 0)).count(81));  // held elsewhere
  const OfferedList own = KeyFunctionChoices(keys, KeyLayout::kPanel, 3, 0);
  EXPECT_EQ(own.entries[std::size_t(own.selected)].text, "Dual Watch");
}

TEST(KeyAssign, EmergencyOnAPanelPressSlotTakesBothSlotsOfTheKey) {
  TestModel m;
  CKeyAssignSection& keys = m->keys;
  ClearSlots(keys);
  keys.keyFunctionCodes[7] = 5;  // P2 hold
  keys.RebuildPresenceMap();
  AssignKeyFunction(keys, KeyLayout::kPanel, 1, 17);
  EXPECT_EQ(keys.keyFunctionCodes[1], 17);
  EXPECT_EQ(keys.keyFunctionCodes[7], 17);
  EXPECT_FALSE(keys.IsFunctionAssigned(5));
  EXPECT_FALSE(IsHoldButtonEnabled(keys, KeyLayout::kPanel, 1));
  EXPECT_TRUE(IsHoldButtonEnabled(keys, KeyLayout::kSide, 1));

  AssignKeyFunction(keys, KeyLayout::kPanel, 1, 1);  // Monitor
  EXPECT_EQ(keys.keyFunctionCodes[7], 17);
  EXPECT_TRUE(IsHoldButtonEnabled(keys, KeyLayout::kPanel, 1));
  EXPECT_TRUE(Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 7, 0)).count(17));
  EXPECT_FALSE(Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 1, 0)).count(17));

  // On the side layout Emergency is a function of one slot.
  ClearSlots(keys);
  AssignKeyFunction(keys, KeyLayout::kSide, 7, 17);
  EXPECT_EQ(keys.keyFunctionCodes[1], 0);
}

TEST(KeyAssign, AnyByteFromAFileAndAChoiceWithoutSelection) {
  TestModel m;
  CKeyAssignSection& keys = m->keys;
  std::vector<std::uint8_t> image(kImageBufferSize, 0);
  image[189] = 200;  // slot 0
  keys.UnpackFromImage(image.data());
  EXPECT_EQ(KeyFunctionName(KeyLayout::kPanel, 200), "");
  EXPECT_EQ(KeyFunctionName(KeyLayout::kSide, 75), "");
  EXPECT_EQ(KeyFunctionName(KeyLayout::kSide, 8), "Encryption Disable");
  const OfferedList list = KeyFunctionChoices(keys, KeyLayout::kPanel, 0, 0);
  EXPECT_EQ(list.selected, 0);
  EXPECT_FALSE(ChooseKeyFunction(keys, KeyLayout::kPanel, 0, list, -1));
  EXPECT_FALSE(ChooseKeyFunction(keys, KeyLayout::kPanel, 0, list, list.size()));
  EXPECT_EQ(keys.keyFunctionCodes[0], 200);
  EXPECT_TRUE(ChooseKeyFunction(keys, KeyLayout::kPanel, 0, list, 1));
  EXPECT_EQ(keys.keyFunctionCodes[0], 1);
  EXPECT_FALSE(keys.IsFunctionAssigned(200));
}

// Random choices through the lists keep each function on one slot (the panel's
// pair codes on both slots of one key at most) and the flags equal to the held codes.
TEST(KeyAssign, RandomChoicesKeepTheInvariants) {
  for (KeyLayout layout : {KeyLayout::kPanel, KeyLayout::kSide}) {
    TestModel m;
    CKeyAssignSection& keys = m->keys;
    std::mt19937 random(layout == KeyLayout::kPanel ? 11u : 215u);
    for (int step = 0; step < 4000; ++step) {
      const int slot = int(random() % kKeySlotCount);
      const OfferedList list = KeyFunctionChoices(keys, layout, slot, std::uint8_t(random() % 2 ? 3 : 0));
      ASSERT_TRUE(ChooseKeyFunction(keys, layout, slot, list, int(random() % std::uint32_t(list.size()))));

      std::set<int> held;
      for (int s = 0; s < kKeySlotCount; ++s) {
        const int c = keys.keyFunctionCodes[s];
        if (c == 0) continue;
        held.insert(c);
        for (int t = s + 1; t < kKeySlotCount; ++t) {
          const bool pair = layout == KeyLayout::kPanel && (c == 17 || c == 75 || c == 78) && t == PartnerSlot(s);
          ASSERT_TRUE(keys.keyFunctionCodes[t] != c || pair) << "code " << c << " on slots " << s << ", " << t;
        }
      }
      for (int c = 0; c < 256; ++c) ASSERT_EQ(keys.IsFunctionAssigned(c), held.count(c) == 1) << c;
    }
  }
}

}  // namespace
