#include <gtest/gtest.h>

#include <random>

#include "model/mobile_special.h"
#include "model/settings_fields.h"
#include "test_support.h"

namespace {

// Zone 0: groups 0..2; zone 1: groups 3..6, group 5 not in use; zone 2 not in use.
void TwoZones(CEditModel& m) {
  CChannelStore& s = m.store;
  s.zoneFlags[0] |= kZoneInUse;
  s.zoneFlags[1] |= kZoneInUse;
  s.groupCount[0] = 3;
  s.groupCount[1] = 4;
  s.UpdateGroupTotals();
  for (int g = 0; g < 7; ++g) s.groups[g].flags = g == 5 ? 0 : kGroupInUse;
}

TEST(MobileSpecial, RandomPortChoicesKeepThePortsApart) {
  TestModel m;
  CGlobalSettings& g = m->global;
  g.accInputFunction.fill(0);
  g.accOutputFunction.fill(0);
  std::mt19937 random(232);
  for (int step = 0; step < 3000; ++step) {
    const PortSide side = random() % 2 ? PortSide::kInput : PortSide::kOutput;
    const int port = int(random() % kAccPortCount);
    const OfferedList before = PortChoices(g, side, port);
    const int position = int(random() % std::uint32_t(before.size() + 2));
    const bool stored = ChoosePortFunction(g, side, port, position);
    ASSERT_EQ(stored, before.size() > 0);
    if (stored) {
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
    for (int p = 0; p < 4; ++p) ASSERT_TRUE(g.accInputFunction[std::size_t(p)] == 0 || g.accOutputFunction[std::size_t(p)] == 0);
  }
}

TEST(MobileSpecial, PortListsAndTheirTexts) {
  TestModel m;
  CGlobalSettings& g = m->global;
  g.accInputFunction = {0, 0, 0, 0, 0};
  g.accOutputFunction = {1, 0, 0, 0, 0};
  EXPECT_EQ(PortChoices(g, PortSide::kInput, 5).Find(kDataModeInput), 17);
  EXPECT_EQ(PortChoices(g, PortSide::kInput, 0).Find(kDataModeInput), -1);
  EXPECT_EQ(PortChoices(g, PortSide::kInput, 4).size(), 0);
  EXPECT_EQ(PortChoices(g, PortSide::kOutput, 5).size(), 0);
  EXPECT_FALSE(ChoosePortFunction(g, PortSide::kOutput, 5, 1));
  EXPECT_EQ(PortChoices(g, PortSide::kOutput, 1).Find(1), -1);  // "Busy" is ACC1's

  EXPECT_TRUE(ChoosePortFunction(g, PortSide::kInput, 0, 0));  // "None" keeps the output
  EXPECT_EQ(g.accOutputFunction[0], 1);
  EXPECT_TRUE(ChoosePortFunction(g, PortSide::kInput, 0, 1));  // "MON"
  EXPECT_EQ(g.accInputFunction[0], 1);
  EXPECT_EQ(g.accOutputFunction[0], 0);
  EXPECT_EQ(PortChoices(g, PortSide::kOutput, 1).Find(1), 1);

  EXPECT_EQ(PortDirectionText(g, 0), "Input");
  EXPECT_EQ(PortFunctionText(g, 0), "MON");
  EXPECT_EQ(PortDirectionText(g, 1), "---");
  EXPECT_EQ(PortFunctionText(g, 1), "---");
  g.accInputFunction[4] = 25;
  EXPECT_EQ(PortFunctionText(g, 5), "Data mode");
  g.accInputFunction[1] = 25;  // not in ACC2's list: the page and the sheet show "None"
  EXPECT_EQ(PortFunctionText(g, 1), "None");
  g.accOutputFunction[4] = 14;
  EXPECT_EQ(PortDirectionText(g, 4), "Output");
  EXPECT_EQ(PortFunctionText(g, 4), "Short cut GP1");
}

TEST(MobileSpecial, RandomSwitchTableChoices) {
  TestModel m;
  TwoZones(*m);
  CGlobalSettings& g = m->global;
  std::mt19937 random(731);
  for (int step = 0; step < 3000; ++step) {
    if (random() % 20 == 0) {
      const std::uint8_t zone = g.groupSwitchZone;
      const OfferedList zones = SwitchZoneChoices(*m);
      const int position = int(random() % std::uint32_t(zones.size()));
      ASSERT_TRUE(ChooseSwitchZone(*m, position));
      if (*zones.CodeAt(position) != zone) {
        for (std::uint8_t slot : g.groupSwitchGroup) ASSERT_EQ(slot, 255);
      }
      continue;
    }
    const int slot = int(random() % kSwitchPositions);
    const OfferedList before = SwitchGroupChoices(*m, slot);
    const int position = int(random() % std::uint32_t(before.size() + 1));
    ASSERT_TRUE(ChooseSwitchGroup(*m, slot, position));
    ASSERT_EQ(g.groupSwitchGroup[std::size_t(slot)], before.CodeAt(position).value_or(255));
    for (int s = 0; s < kSwitchPositions; ++s) {
      const std::uint8_t group = g.groupSwitchGroup[std::size_t(s)];
      const OfferedList list = SwitchGroupChoices(*m, s);
      ASSERT_EQ(list.CodeAt(list.selected), group);
      ASSERT_EQ(SwitchGroupText(*m, s), list.entries[std::size_t(list.selected)].text);
      for (int t = s + 1; t < kSwitchPositions; ++t)
        ASSERT_TRUE(group == 255 || g.groupSwitchGroup[std::size_t(t)] != group);
    }
  }
}

TEST(MobileSpecial, SwitchZonesOutsideTheZonesAndSlotsOutsideTheZone) {
  TestModel m;
  TwoZones(*m);
  CGlobalSettings& g = m->global;
  g.groupSwitchZone = 1;
  g.groupSwitchGroup = {4, 5, 0, 6, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 7};
  EXPECT_EQ(SwitchZoneText(*m), "Zone  2");
  EXPECT_EQ(SwitchGroupText(*m, 0), "Grp  5");
  EXPECT_EQ(SwitchGroupText(*m, 1), "None");  // not in use
  EXPECT_EQ(SwitchGroupText(*m, 2), "None");  // another zone's group
  EXPECT_TRUE(NormaliseSwitchTable(*m));
  EXPECT_EQ(g.groupSwitchGroup[0], 4);
  EXPECT_EQ(g.groupSwitchGroup[1], 255);
  EXPECT_EQ(g.groupSwitchGroup[2], 255);
  EXPECT_EQ(g.groupSwitchGroup[3], 6);
  EXPECT_EQ(g.groupSwitchGroup[15], 255);
  EXPECT_FALSE(NormaliseSwitchTable(*m));

  for (std::uint8_t zone : {40, 254, 255}) {
    g.groupSwitchZone = zone;
    g.groupSwitchGroup.fill(0);
    EXPECT_EQ(SwitchZoneText(*m), "None");
    EXPECT_EQ(SwitchZoneChoices(*m).selected, 0);
    EXPECT_EQ(SwitchGroupChoices(*m, 3).size(), 1);
    EXPECT_TRUE(NormaliseSwitchTable(*m));
    EXPECT_EQ(g.groupSwitchZone, 255);
    for (std::uint8_t slot : g.groupSwitchGroup) EXPECT_EQ(slot, 255);
  }
  g.groupSwitchZone = 2;  // a zone not in use: no entry of the zone list
  EXPECT_EQ(SwitchZoneChoices(*m).selected, -1);
  EXPECT_FALSE(ChooseSwitchZone(*m, 9));
  EXPECT_FALSE(ChooseSwitchGroup(*m, 16, 0));
}

TEST(MobileSpecial, PlainFieldsAndTheLevel) {
  TestModel m;
  m->global.byte704 = 0x80;
  sf::kHornAlertTime.Set(*m, 0, 7);
  sf::kExternalPtt.Set(*m, 0, 1);
  EXPECT_EQ(m->global.byte704, 0xF8);
  m->global.byte748 = 0xFD;
  sf::kIgnitionSense.Set(*m, 0, 1);
  EXPECT_EQ(m->global.byte748, 0xFF);
  m->global.extMicSense = 80;
  EXPECT_EQ(ChoiceText(*m, sf::kExtMicSense, ms::kExtMicSenseList), "Standard");
  m->global.extMicSense = 99;  // the page and the sheet show the same entry
  EXPECT_EQ(ChoiceText(*m, sf::kExtMicSense, ms::kExtMicSenseList), ms::kExtMicSenseList.PrintText(99));
  m->global.byte704 = 0x00;
  EXPECT_EQ(ChoiceText(*m, sf::kHornAlertTime, ms::kHornAlertTimeList), "No Limited");

  struct Case {
    const char* typed;
    int level;  // -1: refused
  };
  for (const Case c : {Case{"", 0}, Case{"0", 0}, Case{"31", 31}, Case{"32", -1}, Case{"99", -1}, Case{"1a", -1}}) {
    const auto level = ParseAfMinVrLevel(c.typed);
    EXPECT_EQ(level ? int(*level) : -1, c.level) << c.typed;
  }
}

}  // namespace
