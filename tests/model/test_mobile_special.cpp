// The accessory ports' and the group switch table's irregular rules. (Random
// choices that keep the tables apart are made through the Mobile Special page.)
#include <gtest/gtest.h>

#include "model/mobile_special.h"
#include "model/global_fields.h"
#include "model/zone_model.h"
#include "test_support.h"

namespace {

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
  EXPECT_EQ(ms::kExtMicSenseList.PageText(gf::kExtMicSense.Get(*m)), ms::kExtMicSenseList.PrintText(99));
  for (auto [typed, level] : {std::pair{"", 0}, {"31", 31}, {"32", -1}, {"1a", -1}}) {
    const auto parsed = ParseAfMinVrLevel(typed);
    EXPECT_EQ(parsed ? int(*parsed) : -1, level) << typed;
  }
}

TEST(MobileSpecial, TheSwitchTableKeepsOnlyInUseGroupsOfItsZone) {
  TestModel m;
  CChannelStore& s = m->store;  // zone 0: groups 0..2; zone 1: groups 3..6 (5 not in use)
  s.zoneFlags[1] |= kZoneInUse;
  s.groupCount[0] = 3;
  s.groupCount[1] = 4;
  for (int g = 0; g < 7; ++g) s.groups[g].flags = g == 5 ? 0 : kGroupInUse;
  CGlobalSettings& g = m->global;
  // What the pack writes: only in-use groups of the switch zone; a zone of 32 or more is none.
  g.groupSwitchZone = 1;
  g.groupSwitchGroup = {4, 5, 0, 6, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 7};
  EXPECT_EQ(SwitchZoneText(*m) + SwitchGroupText(*m, 0) + SwitchGroupText(*m, 1), "Zone  2Grp  5None");
  EXPECT_TRUE(NormaliseSwitchTable(*m));
  EXPECT_EQ(g.groupSwitchGroup,
            (std::array<std::uint8_t, 16>{4, 255, 255, 6, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}));
  // The switch zone leaving use is none: the page's list opens on "None".
  CommitGroupCount(*m, 1, 0);
  EXPECT_EQ(g.groupSwitchZone, 255);
  EXPECT_EQ(SwitchZoneChoices(*m).selected, 0);
  g.groupSwitchZone = 40;
  g.groupSwitchGroup.fill(0);
  EXPECT_EQ(SwitchZoneText(*m), "None");
  EXPECT_EQ(SwitchZoneChoices(*m).selected, 0);
  EXPECT_TRUE(NormaliseSwitchTable(*m));
  EXPECT_EQ(g.groupSwitchZone, 255);
  EXPECT_EQ(g.groupSwitchGroup[15], 255);
}

}  // namespace
