// The Mobile Special page by keys: random port and switch-table choices that
// keep the tables apart, a zone change and stray switch zones from a file.
#include <algorithm>
#include <random>
#include <set>

#include "model/global_fields.h"
#include "model/mobile_special.h"
#include "page_harness.h"
#include "pages/settings/mobile_special_page.h"

namespace page_test {
namespace {

CGlobalSettings& G() { return TheModel().global; }

class MobileSpecial : public PageHarness {
 protected:
  // Zones 1 to 3 in use: groups 1-6, groups 7-10 (9 not in use), groups 11-12.
  void SetUp() override {
    PageHarness::SetUp();
    CChannelStore& s = TheModel().store;
    for (int z = 0; z < 3; ++z) {
      s.zoneFlags[z] |= kZoneInUse;
      s.groupCount[z] = std::uint8_t(z == 0 ? 6 : z == 1 ? 4 : 2);
    }
    for (int g = 0; g < 12; ++g) s.groups[g].flags = std::uint8_t(g == 8 ? 0 : kGroupInUse);
    OpenAs<CMobileSpecialPage>(IDD_MOBILE_SPECIAL);
  }
  // The tables' rules, and every list showing its own stored value.
  void CheckTables() {
    std::set<int> taken[2];
    for (int port = 0; port < kAccPortCount; ++port) {
      for (PortSide side : {PortSide::kInput, PortSide::kOutput}) {
        const std::uint8_t* code = PortField(G(), side, port);
        const bool in = side == PortSide::kInput;
        if (!code) continue;
        EXPECT_EQ(Shown(in ? kMsPortInputs[port] : kMsPortOutputs[port]),
                  (in ? ms::kInputFunctionList : ms::kOutputFunctionList).PageText(*code));
        EXPECT_TRUE(*code == 0 || taken[in].insert(*code).second) << port;
      }
      EXPECT_TRUE(port >= 4 || G().accInputFunction[port] == 0 || G().accOutputFunction[port] == 0) << port;
    }
    EXPECT_EQ(Shown(IDC_MS_SWITCH_ZONE), SwitchZoneText(TheModel()));
    std::set<int> groups;
    for (int n = 0; n < kSwitchPositions; ++n) {
      const int group = G().groupSwitchGroup[n];
      EXPECT_TRUE(group == 255 || (IsSwitchZoneGroup(TheModel(), group) && groups.insert(group).second)) << n;
      EXPECT_EQ(Shown(kMsSwitchGroups[n]), SwitchGroupText(TheModel(), n));
    }
  }
};

// Position p of a list is the p-th entry it shows, and after every choice no
// function is on two ports of a side, no port is both, no group in two
// positions, and every list shows what is stored.
TEST_F(MobileSpecial, RandomPortAndSwitchChoicesKeepTheTablesApart) {
  std::vector<int> ids(std::begin(kMsSwitchGroups), std::end(kMsSwitchGroups));
  for (int port = 0; port < kAccPortCount; ++port) {
    for (int id : {kMsPortInputs[port], kMsPortOutputs[port]}) {
      if (id) ids.push_back(id);
    }
  }
  std::mt19937 random(232);
  for (int step = 0; step < 150 && !HasFailure(); ++step) {
    const int id = random() % 12 == 0 ? IDC_MS_SWITCH_ZONE : ids[random() % ids.size()];
    const auto entries = Entries(id);
    const int position = int(random() % entries.size());
    Choose(id, position);
    ASSERT_EQ(Shown(id), entries[std::size_t(position)]) << id;
    CheckTables();
  }
}

TEST_F(MobileSpecial, AnotherZoneEmptiesTheTableAndStrayZonesFromAFileAreNone) {
  Choose(IDC_MS_SWITCH_ZONE, 2);  // "Zone  2"
  Choose(kMsSwitchGroups[0], 2);  // its second group in use, "Grp  8"
  EXPECT_EQ(G().groupSwitchGroup[0], 7);
  EXPECT_EQ(Entries(kMsSwitchGroups[1]), (std::vector<std::string>{"None", "Grp  7", "Grp 10"}));
  Choose(IDC_MS_SWITCH_ZONE, 3);
  for (int n = 0; n < kSwitchPositions; ++n) {
    EXPECT_EQ(G().groupSwitchGroup[n], 255);
    EXPECT_EQ(Entries(kMsSwitchGroups[n]), (std::vector<std::string>{"None", "Grp 11", "Grp 12"}));
  }

  for (std::uint8_t zone : {255, 40}) {
    auto& image = TheModel().image;
    image[731] = zone;
    std::fill(image.begin() + 732, image.begin() + 748, 3);
    TheModel().UnpackImage(image.data());
    OpenAs<CMobileSpecialPage>(IDD_MOBILE_SPECIAL);
    EXPECT_EQ(Shown(IDC_MS_SWITCH_ZONE), "None");
    EXPECT_EQ(Shown(kMsSwitchGroups[5]), "None");
    const auto packed = Packed();
    EXPECT_TRUE(std::all_of(packed.begin() + 731, packed.begin() + 748, [](std::uint8_t b) { return b == 255; }));
  }
}

}  // namespace
}  // namespace page_test
