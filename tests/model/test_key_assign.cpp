#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/key_assign.h"
#include "test_support.h"

namespace {

std::set<std::uint32_t> Codes(const OfferedList& list) {
  std::set<std::uint32_t> codes;
  for (const OfferedEntry& e : list.entries) codes.insert(e.code);
  return codes;
}

void SetSlots(CKeyAssignSection& keys, std::initializer_list<std::pair<int, std::uint8_t>> slots) {
  for (std::uint8_t& c : keys.keyFunctionCodes) c = 0;
  for (auto [slot, code] : slots) keys.keyFunctionCodes[slot] = code;
  keys.RebuildPresenceMap();
}

TEST(KeyAssign, ListsFollowTheLayoutsOrderAndRules) {
  TestModel m;
  CKeyAssignSection& keys = m->keys;
  SetSlots(keys, {});
  std::vector<std::string> side;
  for (const OfferedEntry& e : KeyFunctionChoices(keys, KeyLayout::kSide, 2, 0).entries) side.push_back(e.text);
  EXPECT_EQ(side, (std::vector<std::string>{"None",
                                            "Monitor",
                                            "Zone Up",
                                            "Zone Down",
                                            "Group Up",
                                            "Group Down",
                                            "Scan",
                                            "Home Zone",
                                            "TX Low Power",
                                            "Talk Around",
                                            "PP_Interconnect",
                                            "KeyLock",
                                            "Lighting",
                                            "PP_Roam Request",
                                            "PP_Home Site Revert",
                                            "PP_Roam Lock",
                                            "PP_Site Information",
                                            "PP_Selective Call",
                                            "PP_Disconnect Sele Call",
                                            "PP_Disconnect Interconnect"}));
  const OfferedList press = KeyFunctionChoices(keys, KeyLayout::kPanel, 0, 0);
  const std::uint32_t order[] = {0,  1, 10, 11, 12, 13, 3,  14, 19, 25, 26, 27, 28, 29, 5,  6,  15, 16, 17, 20,
                                 23, 2, 8,  69, 70, 71, 72, 73, 74, 75, 76, 77, 81, 83, 84, 86, 87, 88, 90, 91};
  ASSERT_EQ(press.size(), int(std::size(order)));
  for (int i = 0; i < press.size(); ++i) EXPECT_EQ(press.CodeAt(i), order[i]);
  // Hold slots: NSQ and Continuous, Cancel Roam; Option SW with the board only.
  const std::set<std::uint32_t> panelHold = Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 6, 3));
  const std::set<std::uint32_t> sideHold = Codes(KeyFunctionChoices(keys, KeyLayout::kSide, 8, 0));
  for (std::uint32_t c : {64u, 68u, 78u, 82u}) EXPECT_TRUE(panelHold.count(c)) << c;
  for (std::uint32_t c : {14u, 17u, 64u, 82u}) EXPECT_TRUE(sideHold.count(c)) << c;
  EXPECT_FALSE(sideHold.count(65) || sideHold.count(81) || panelHold.count(81) || panelHold.count(89));
  EXPECT_FALSE(Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 6, 0)).count(78));

  // A slot's own function is offered to it unless a slot rule drops it.
  SetSlots(keys, {{6, 81}, {3, 4}});
  EXPECT_FALSE(Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 6, 0)).count(81));
  EXPECT_FALSE(Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 0, 0)).count(81));  // held elsewhere
  const OfferedList own = KeyFunctionChoices(keys, KeyLayout::kPanel, 3, 0);
  EXPECT_EQ(own.entries[std::size_t(own.selected)].text, "Dual Watch");
}

TEST(KeyAssign, EmergencyOnAPanelPressSlotTakesBothSlotsOfTheKey) {
  TestModel m;
  CKeyAssignSection& keys = m->keys;
  SetSlots(keys, {{7, 5}});
  AssignKeyFunction(keys, KeyLayout::kPanel, 1, 17);
  EXPECT_EQ(keys.keyFunctionCodes[7], 17);
  EXPECT_FALSE(keys.IsFunctionAssigned(5));
  EXPECT_FALSE(IsHoldButtonEnabled(keys, KeyLayout::kPanel, 1));
  AssignKeyFunction(keys, KeyLayout::kPanel, 1, 1);  // Monitor
  EXPECT_EQ(keys.keyFunctionCodes[7], 17);
  EXPECT_TRUE(IsHoldButtonEnabled(keys, KeyLayout::kPanel, 1));
  EXPECT_TRUE(Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 7, 0)).count(17));
  EXPECT_FALSE(Codes(KeyFunctionChoices(keys, KeyLayout::kPanel, 1, 0)).count(17));
  SetSlots(keys, {});
  AssignKeyFunction(keys, KeyLayout::kSide, 7, 17);  // one slot on the side layout
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
  const OfferedList list = KeyFunctionChoices(keys, KeyLayout::kPanel, 0, 0);
  EXPECT_EQ(list.selected, 0);
  EXPECT_FALSE(ChooseKeyFunction(keys, KeyLayout::kPanel, 0, list, -1));
  EXPECT_EQ(keys.keyFunctionCodes[0], 200);
  EXPECT_TRUE(ChooseKeyFunction(keys, KeyLayout::kPanel, 0, list, 1));
  EXPECT_FALSE(keys.IsFunctionAssigned(200));
}

// Random choices through the lists keep each function on one slot (a panel pair
// code on both slots of one key at most) and the flags equal to the held codes.
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
        if (c != 0) held.insert(c);
        for (int t = s + 1; t < kKeySlotCount && c != 0; ++t) {
          const bool pair = layout == KeyLayout::kPanel && (c == 17 || c == 75 || c == 78) && t == PartnerSlot(s);
          ASSERT_TRUE(keys.keyFunctionCodes[t] != c || pair) << "code " << c << " on slots " << s << ", " << t;
        }
      }
      for (int c = 0; c < 256; ++c) ASSERT_EQ(keys.IsFunctionAssigned(c), held.count(c) == 1) << c;
    }
  }
}

}  // namespace
