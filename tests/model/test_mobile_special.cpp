#include <gtest/gtest.h>

#include <random>

#include "model/mobile_special.h"
#include "model/global_fields.h"
#include "test_support.h"

namespace {

TEST(MobileSpecial, RandomPortChoicesKeepThePortsApart) {
  TestModel m;
  CGlobalSettings& g = m->global;
  std::mt19937 random(232);
  for (int step = 0; step < 3000; ++step) {
    const PortSide side = random() % 2 ? PortSide::kInput : PortSide::kOutput;
    const int port = int(random() % kAccPortCount);
    const OfferedList before = PortChoices(g, side, port);
    const int position = int(random() % std::uint32_t(before.size() + 2));
    ASSERT_EQ(ChoosePortFunction(g, side, port, position), before.size() > 0);
    if (before.size() > 0) {
      ASSERT_EQ(*PortField(g, side, port), before.CodeAt(position).value_or(0));
    }
    for (PortSide s : {PortSide::kInput, PortSide::kOutput}) {
      for (int p = 0; p < kAccPortCount; ++p) {
        const std::uint8_t* field = PortField(g, s, p);
        if (!field) continue;
        const OfferedList list = PortChoices(g, s, p);
        ASSERT_EQ(list.CodeAt(list.selected), *field) << "port " << p;
        for (int q = p + 1; q < kAccPortCount; ++q) {
          const std::uint8_t* other = PortField(g, s, q);
          ASSERT_TRUE(!other || *field == 0 || *other != *field) << "ports " << p << ", " << q;
        }
      }
    }
    for (std::size_t p = 0; p < 4; ++p) ASSERT_TRUE(g.accInputFunction[p] == 0 || g.accOutputFunction[p] == 0);
  }
}

TEST(MobileSpecial, PortRulesAndFieldTexts) {
  TestModel m;
  CGlobalSettings& g = m->global;
  g.accInputFunction = {0, 25, 0, 0, 25};
  g.accOutputFunction = {1, 0, 0, 0, 14};
  EXPECT_EQ(PortChoices(g, PortSide::kInput, 0).Find(kDataModeInput), -1);  // ACC6's only
  EXPECT_TRUE(ChoosePortFunction(g, PortSide::kInput, 0, 0));               // "None" keeps the output
  EXPECT_EQ(g.accOutputFunction[0], 1);
  EXPECT_TRUE(ChoosePortFunction(g, PortSide::kInput, 0, 1));  // "MON" clears it
  EXPECT_EQ(g.accOutputFunction[0], 0);
  EXPECT_EQ(PortFunctionText(g, 0), "MON");
  EXPECT_EQ(PortDirectionText(g, 2) + PortFunctionText(g, 2), "------");
  EXPECT_EQ(PortFunctionText(g, 5), "Data mode");
  EXPECT_EQ(PortFunctionText(g, 1), "None");  // a code its list does not have, as the page shows it
  EXPECT_EQ(PortDirectionText(g, 4) + " " + PortFunctionText(g, 4), "Output Short cut GP1");

  m->global.extMicSense = 99;  // a code outside the list: the page and the sheet show the same entry
  EXPECT_EQ(ChoiceText(*m, gf::kExtMicSense, ms::kExtMicSenseList), ms::kExtMicSenseList.PrintText(99));
  for (auto [typed, level] : {std::pair{"", 0}, {"31", 31}, {"32", -1}, {"1a", -1}}) {
    const auto parsed = ParseAfMinVrLevel(typed);
    EXPECT_EQ(parsed ? int(*parsed) : -1, level) << typed;
  }
}

TEST(MobileSpecial, RandomSwitchTableChoices) {
  TestModel m;
  CChannelStore& s = m->store;  // zone 0: groups 0..2; zone 1: groups 3..6 (5 not in use)
  s.zoneFlags[1] |= kZoneInUse;
  s.groupCount[0] = 3;
  s.groupCount[1] = 4;
  for (int g = 0; g < 7; ++g) s.groups[g].flags = g == 5 ? 0 : kGroupInUse;
  CGlobalSettings& g = m->global;
  std::mt19937 random(731);
  for (int step = 0; step < 3000; ++step) {
    if (random() % 20 == 0) {
      const std::uint8_t zone = g.groupSwitchZone;
      const OfferedList zones = SwitchZoneChoices(*m);
      const int position = int(random() % std::uint32_t(zones.size()));
      ASSERT_TRUE(ChooseSwitchZone(*m, position));
      for (std::uint8_t slot : g.groupSwitchGroup) ASSERT_TRUE(slot == 255 || *zones.CodeAt(position) == zone);
      continue;
    }
    const int slot = int(random() % kSwitchPositions);
    const OfferedList before = SwitchGroupChoices(*m, slot);
    const int position = int(random() % std::uint32_t(before.size() + 1));
    ASSERT_TRUE(ChooseSwitchGroup(*m, slot, position));
    ASSERT_EQ(g.groupSwitchGroup[std::size_t(slot)], before.CodeAt(position).value_or(255));
    for (int p = 0; p < kSwitchPositions; ++p) {
      const std::uint8_t group = g.groupSwitchGroup[std::size_t(p)];
      const OfferedList list = SwitchGroupChoices(*m, p);
      ASSERT_EQ(list.CodeAt(list.selected), group);
      ASSERT_EQ(SwitchGroupText(*m, p), list.entries[std::size_t(list.selected)].text);
      for (int q = p + 1; q < kSwitchPositions; ++q)
        ASSERT_TRUE(group == 255 || g.groupSwitchGroup[std::size_t(q)] != group) << p << ", " << q;
    }
  }
  // What the pack writes: only in-use groups of the switch zone; a zone of 32 or more is none.
  g.groupSwitchZone = 1;
  g.groupSwitchGroup = {4, 5, 0, 6, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 7};
  EXPECT_EQ(SwitchZoneText(*m) + SwitchGroupText(*m, 0) + SwitchGroupText(*m, 1), "Zone  2Grp  5None");
  EXPECT_TRUE(NormaliseSwitchTable(*m));
  EXPECT_EQ(g.groupSwitchGroup,
            (std::array<std::uint8_t, 16>{4, 255, 255, 6, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}));
  g.groupSwitchZone = 40;
  g.groupSwitchGroup.fill(0);
  EXPECT_EQ(SwitchZoneText(*m), "None");
  EXPECT_EQ(SwitchZoneChoices(*m).selected, 0);
  EXPECT_TRUE(NormaliseSwitchTable(*m));
  EXPECT_EQ(g.groupSwitchZone, 255);
  EXPECT_EQ(g.groupSwitchGroup[15], 255);
}

}  // namespace
