// The LTR system page driven by typing, clicks and Enter: the group count
// checked at each keystroke (signed), the home repeater's bits, Zone Scan by
// a click only, the format shown on grey, the trunking rows of a Conventional
// zone greyed; and where "Groups" and "Repeaters" lead.
#include "pages/trunk/ltr_system_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace ltr_system_ids;

class LtrSystemTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    UseZone(0, kSystemLtr, 2);
    UseZone(1, kSystemConventional, 3);
    UseZone(2, kSystemPassPort, 1);
  }
};

TEST_F(LtrSystemTest, TheGroupCountIsCheckedAtEachKeystroke) {
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 3, long(S().freeGroupPool), {false, zf::kLtr}).refused);
  ASSERT_EQ(S().freeGroupPool, 0u);
  Show<CLtrZonePage>(IDD_LTR_SYSTEM);
  // No record free: zone 2 keeps what it has (3 fits), 5 does not, at once.
  TypeInto(kGroupCounts[1], "5");
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kTooManyGroups});
  EXPECT_EQ(Text(kGroupCounts[1]), "3");
  EXPECT_EQ(g_bModified, 1u);
  for (int i = 0; i < 3; ++i) TypeInto(kGroupCounts[1], "9");
  Tab();
  EXPECT_EQ(S().groupCount[1], 3);
  EXPECT_EQ(S().freeGroupPool, 0u);

  // Fewer groups free records; 0 takes the zone out of use with its notices.
  TheModel().global.emergencySystem = 0;
  TheModel().global.homeSystem = 0;
  prompts.Clear();
  TypeInto(kGroupCounts[0], "0");
  Tab();
  EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{"Delete Emergency System 1", "Delete Home System 1"}));
  EXPECT_FALSE(S().IsZoneInUse(0));
  EXPECT_EQ(S().freeGroupPool, 2u);
  EXPECT_EQ(Text(kOnOff[0]), "Disable");
  EXPECT_FALSE(Enabled(kAreaCode[0]));
  // No 16-group limit on this page; new groups of an LTR zone get channel word 0x13FF.
  UseZone(4, kSystemLtr, 1);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 3, 2).refused);
  dynamic_cast<CLtrZonePage&>(Page()).Refresh();
  TypeInto(kGroupCounts[4], "20");
  Tab();
  EXPECT_EQ(S().groupCount[4], 20);
  EXPECT_EQ(S().groups[S().CountGroupsBeforeZone(4) + 19].channelWord, 0x13FF);
}

TEST_F(LtrSystemTest, TheHomeRepeaterAndItsSlotsBits) {
  S().zoneRepeaters[0][0] = 0x0004;
  S().zoneRepeaters[0][2] = 0x0005;
  S().zoneHomeRepeater[0] = 0x81;  // AREA 1, repeater 1
  Show<CLtrZonePage>(IDD_LTR_SYSTEM);
  EXPECT_EQ(Text(kHomeRepeater[0]), " 1");
  ClickCell(kHomeRepeater[0]);
  ASSERT_EQ(List(kPopupList)->count(), 3);  // "None", " 1", " 3"
  DoubleClickItem(kPopupList, " 3");
  EXPECT_EQ(S().zoneHomeRepeater[0], 0x83);
  EXPECT_EQ(S().zoneRepeaters[0][2], 0x6005);
  Choose(kHomeRepeater[0], kPopupList, " 1");
  EXPECT_EQ(S().zoneRepeaters[0][2], 0x6005);  // left set
  EXPECT_EQ(S().zoneRepeaters[0][0], 0x6004);
  Choose(kHomeRepeater[0], kPopupList, "None");
  EXPECT_EQ(S().zoneHomeRepeater[0], 0x80);
  EXPECT_EQ(S().zoneRepeaters[0][0], 0x6004);
}

TEST_F(LtrSystemTest, ZoneScanOpensOnAClickOnlyAndTheFormatShowsOnGrey) {
  Show<CLtrZonePage>(IDD_LTR_SYSTEM);
  FocusOn(kZoneScanCells[0]);
  Key(Qt::Key_Return);
  EXPECT_FALSE(ListShown(kPopupList));
  EXPECT_EQ(prompts.Beeps(), 0);

  auto& page = dynamic_cast<CLtrZonePage&>(Page());
  const char* formats[] = {"LTR", "Conventional", "PassPort"};
  for (int k = 0; k < 3; ++k) {
    int column = 0;
    const grid::Row* row = page.RowOfCell(kFormat[k], &column);
    EXPECT_EQ(Text(kFormat[k]), formats[k]);
    EXPECT_EQ(page.StateOf(*row, column), grid::State::EnabledGrey);
  }
  prompts.Clear();
  ClickCell(kFormat[0]);
  EXPECT_EQ(prompts.Beeps(), 0);
  EXPECT_FALSE(ListShown(kPopupList));
  // A Conventional zone greys the trunking rows; a PassPort zone in use does not.
  for (const int* row : {kAreaCode, kHomeRepeater, kTalkPermit, kGroupDecode, kScanWords}) {
    EXPECT_FALSE(Enabled(row[1]));
    EXPECT_TRUE(Enabled(row[2]));
  }
  EXPECT_TRUE(Enabled(kZoneScanCells[1]));
  EXPECT_FALSE(Enabled(kRepeaters[1]));
  EXPECT_TRUE(Enabled(kRepeaters[2]));
  EXPECT_FALSE(Enabled(kGroups[3]));  // not in use
}

// "Groups" of an LTR-format zone leads to the LTR group page, of any other
// zone to the conventional one; "Repeaters" serves LTR zones.
TEST_F(LtrSystemTest, GroupsAndRepeatersLeadByTheZonesFormat) {
  auto& page = Show<CLtrZonePage>(IDD_LTR_SYSTEM, 0);
  for (int id : {kGroups[0], kGroups[1], kGroups[2], kRepeaters[0], kInterconnect, kLtrAdvanced}) {
    Click(page.GetDlgItem(id));
  }
  const std::vector<Switch> fromLtrPage = {{WM_SHOWPAGE_GROUP_BASIC, 0, 0}, {WM_SHOWPAGE_CONV_BASIC, 1, 0},
                                           {WM_SHOWPAGE_CONV_BASIC, 2, 0},  {WM_SHOWPAGE_REPEATERS, 0, 0},
                                           {WM_SHOWPAGE_INTERCONNECT, 0, 0}, {WM_SHOWPAGE_LTR_ADVANCED, 0, 0}};
  EXPECT_EQ(Sent(), fromLtrPage);
}

}  // namespace
}  // namespace grid_test
