// The key functions offered to each slot of both layouts, in their order and by
// their rules, and the panel's shared Emergency. (Random choices that keep each
// function on one slot, and bytes no function has, are tested through the Key
// Assignment page.)
#include <gtest/gtest.h>

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
  EXPECT_EQ(side, (std::vector<std::string>{
                      "None", "Monitor", "Zone Up", "Zone Down", "Group Up", "Group Down", "Scan", "Home Zone",
                      "TX Low Power", "Talk Around", "PP_Interconnect", "KeyLock", "Lighting", "PP_Roam Request",
                      "PP_Home Site Revert", "PP_Roam Lock", "PP_Site Information", "PP_Selective Call",
                      "PP_Disconnect Sele Call", "PP_Disconnect Interconnect"}));
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
  EXPECT_EQ(KeyFunctionName(KeyLayout::kPanel, 200), "");  // a byte no function has
  EXPECT_EQ(KeyFunctionName(KeyLayout::kSide, 75), "");    // a panel-only function
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

}  // namespace
