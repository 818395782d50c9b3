// The lists the store fills: the entries no page test reaches (a map entry past
// the list left alone, a list the caller has not emptied, zones that are no
// zone, a zone's run past the last record, the channel list's texts and a full
// map). (The zone and group lists of the Global 2 page are tested through it.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/channel_store.h"
#include "test_support.h"

namespace {

class FakeList : public IChoiceList {
 public:
  std::vector<std::string> items;
  int selection = -1;
  int selectCalls = 0;

  void ResetContent() override {
    items.clear();
    selection = -1;
  }
  int AddString(const std::string& text) override {
    items.push_back(text);
    return int(items.size()) - 1;
  }
  int InsertString(int position, const std::string& text) override {
    if (position < 0 || position > int(items.size())) position = int(items.size());
    items.insert(items.begin() + position, text);
    return position;
  }
  void SetCurSel(int position) override {
    selection = position;
    ++selectCalls;
  }
  int GetCount() const override { return int(items.size()); }
};

ListIndexMap FreshMap() {
  ListIndexMap map;
  map.fill(0xABCD);
  return map;
}

// Zones 0, 2 and 5 in use, zone 5 a PassPort zone; zone 2 owns groups 3..6 of
// which 4 is not in use.
void Arrange(CChannelStore& s) {
  s.groupCount[0] = 3;
  s.groupCount[2] = 4;
  s.groupCount[5] = 2;
  s.UpdateGroupTotals();
  s.zoneFlags[0] = s.zoneFlags[2] = s.zoneFlags[5] = kZoneInUse;
  s.SetSystemDefaults(5, kSystemPassPort);
  for (int g = 0; g < 9; ++g) s.groups[g].flags = kGroupInUse;
  s.groups[4].flags = 0;
}

}  // namespace

TEST(ChoiceFillersTest, ZoneAndGroupListsAtTheirEdges) {
  TestModel m;
  Arrange(m->store);
  FakeList combo;
  ListIndexMap map = FreshMap();
  m->store.FillZoneCombo(combo, map, 2);
  EXPECT_EQ(map[3], 5u);
  EXPECT_EQ(map[4], 0xABCDu);  // past the list: left alone
  EXPECT_EQ(combo.selection, 2);
  combo.ResetContent();
  m->store.FillNonPassPortZoneCombo(combo, map, 5);  // its zone is not listed: selection left alone
  EXPECT_EQ(combo.selection, -1);
  EXPECT_EQ(combo.selectCalls, 1);
  // It does not empty the list: the caller does.
  combo.ResetContent();
  combo.AddString("old");
  m->store.FillZoneCombo(combo, map, 255);
  EXPECT_EQ(combo.items.front(), "None");
  EXPECT_EQ(combo.items.back(), "old");
  EXPECT_EQ(combo.selection, 0);

  for (int zone : {255, 32, -1}) {
    combo.ResetContent();
    m->store.FillGroupCombo(combo, map, 3, zone);
    EXPECT_EQ(combo.items, (std::vector<std::string>{"None"})) << zone;
    EXPECT_EQ(combo.selection, 0);
    EXPECT_EQ(map[0], 255u);
  }
  // The list maps the groups' numbers within the zone and selects only a match.
  FakeList list;
  m->store.FillGroupList(list, map, 2, 2);
  EXPECT_EQ(list.items, (std::vector<std::string>{"None", "Grp  4", "Grp  6", "Grp  7"}));
  EXPECT_EQ(map[3], 3u);
  EXPECT_EQ(list.selection, 2);
  m->store.FillGroupList(list, map, 1, 2);
  EXPECT_EQ(list.selection, -1);

  // A zone whose run reaches past the last record lists the records that exist.
  m->store.groupCount[0] = 245;
  m->store.groupCount[2] = 10;
  for (CGroupRecord& g : m->store.groups) g.flags = kGroupInUse;
  combo.ResetContent();
  m->store.FillGroupCombo(combo, map, 255, 2);
  ASSERT_EQ(combo.items.size(), 6u);
  EXPECT_EQ(combo.items.back(), "Grp 250");
  EXPECT_EQ(map[5], 249u);

  EXPECT_EQ(m->store.FormatZoneName(31), "Zone 32");  // also for a zone not in use
  EXPECT_EQ(m->store.FormatZoneName(32) + m->store.FormatZoneName(-1), "NoneNone");
}

TEST(ChoiceFillersTest, ChannelList) {
  TestModel m;
  CChannelStore& s = m->store;
  for (CChannelData& c : s.channels) c.programmed = 0;
  s.channels[0].programmed = 1;
  s.channels[0].rxFreq = 45000000;
  s.channels[0].txFreq = 45500000;
  s.channels[0].modeByte = 0x40;
  s.channels[249].programmed = 1;
  s.channels[249].rxFreq = 46012500;
  s.channels[249].txFreq = 46512500;
  s.channels[249].modeByte = 0xC0;  // only 01 is wide

  FakeList list;
  ListIndexMap map = FreshMap();
  s.FillChannelList(list, map, 249);
  EXPECT_EQ(list.items, (std::vector<std::string>{"None TX       RX", "  1   455.00000 450.00000 Wide",
                                                  "250   465.12500 460.12500 Narrow"}));
  EXPECT_EQ(map[0], 1023u);
  EXPECT_EQ(map[1], 0u);
  EXPECT_EQ(map[2], 249u);
  EXPECT_EQ(list.selection, 2);
  s.FillChannelList(list, map, 1023);
  EXPECT_EQ(list.selection, 0);
  s.FillChannelList(list, map, 17);  // not programmed: nothing selected
  EXPECT_EQ(list.selection, -1);

  // All 250 channels fit the map after the "None" entry.
  for (CChannelData& c : s.channels) c.programmed = 1;
  s.FillChannelList(list, map, 249);
  EXPECT_EQ(list.GetCount(), 251);
  EXPECT_EQ(map[250], 249u);
  EXPECT_EQ(list.selection, 250);
}
