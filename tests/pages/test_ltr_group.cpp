// The LTR group pages driven by clicks, double-clicks and typing: scrolling
// within the zone and the columns past it, the enable rules, the Default
// column, the ID rule of each view with the TX to RX copy of the edit's own
// group, the advanced view's signalling and Encryption by model and option
// board, and the page switches.
#include <functional>

#include "model/group_model.h"
#include "model/zone_model.h"
#include "pages/groups/ltr_group_pages.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace ltr_group_ids;

class LtrGroupTest : public GridTest {
 protected:
  static void EnableGroups(int first, int end) {
    for (int g = first; g < end; ++g) S().groups[g].flags |= 1;
  }
};

TEST_F(LtrGroupTest, EnableRulesAndTheTag) {
  UseZone(0, kSystemLtr, 2);  // 0..1
  UseZone(1, kSystemLtr, 3);  // 2..4
  EnableGroups(0, 5);
  S().zoneGroupSelection[1] = 2;  // names group 4 (zone-relative, as stored)
  S().zoneRevertGroup[1] = 1;
  Show(IDD_LTR_GROUP_BASIC, 1);

  Choose(kEnable[1], kEnableList, "Disable");
  EXPECT_FALSE(S().groups[3].InUse());
  EXPECT_EQ(S().zoneGroupSelection[1], 2);
  EXPECT_EQ(S().zoneRevertGroup[1], 255);
  EXPECT_FALSE(Enabled(kTag[1]) || Enabled(kTxId[1]) || Enabled(kScanMemory[1]));
  EXPECT_TRUE(Enabled(kEnable[1]));
  Choose(kEnable[2], kEnableList, "Disable");
  EXPECT_EQ(S().zoneGroupSelection[1], 0);
  Choose(kEnable[1], kEnableList, "Enable");
  EXPECT_TRUE(S().groups[3].InUse() && Enabled(kTag[1]));

  TypeInto(kTag[0], "ab c");
  EXPECT_EQ(std::string(S().groups[2].name, 8), "AB C    ");
}

TEST_F(LtrGroupTest, IdsAreCheckedAtEachKeystrokeAndTheRxIdFollowsTheEditsOwnGroup) {
  UseZone(0, kSystemLtr, 6);
  EnableGroups(0, 6);
  Show(IDD_LTR_GROUP_BASIC, 0);
  TypeInto(kTxId[0], "0");  // refused at once: the stored none comes back
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kLtrIdMessage});
  EXPECT_EQ(Text(kTxId[0]), "");
  EXPECT_EQ(S().groups[0].byte4, 255);
  EXPECT_EQ(g_bModified, 1u);  // the basic view counts a refusal as an edit
  prompts.Clear();
  TypeInto(kTxId[0], "251");
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kLtrIdMessage});
  EXPECT_EQ(Text(kTxId[0]), "25");
  EXPECT_EQ(S().groups[0].byte4, 25);

  // TX ID 12 in column 3, then a list opened in column 1: the copy goes to
  // column 3's group, whatever column the list made current.
  TypeInto(kTxId[2], "12");
  EXPECT_EQ(S().groups[0].byte5, 25);  // column 1's TX ID edit was left
  Choose(kTxInhibit[0], kTxInhibitList, "TX Disable");
  EXPECT_EQ(S().groups[2].byte5, 12);
  EXPECT_EQ(Text(kRxId[2]), "12");
  EXPECT_EQ(S().groups[0].byte5, 25);
  EXPECT_EQ(S().groups[0].byte0 & 0x20, 0x20);
  TypeInto(kRxId[2], "40");
  Tab();
  EXPECT_EQ(S().groups[2].byte5, 40);

  // The advanced view stores the same way but counts only what it stored.
  Show(IDD_LTR_GROUP_ADVANCED, 0);
  g_bModified = 0;
  TypeInto(kRxId[1], "0");
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kLtrIdMessage});
  EXPECT_EQ(g_bModified, 0u);
  TypeInto(kTxId[1], "7");
  Tab();
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_EQ(S().groups[1].byte4, 7);
  EXPECT_EQ(S().groups[1].byte5, 7);
}

// Only a TX ID changed in the edit goes on to the RX ID: one passed through
// (walking back with Shift+Tab, a click in and out, paging away and back),
// typed again as it was or refused leaves the RX ID typed before, in each view.
TEST_F(LtrGroupTest, AnRxIdStaysWhenTheTxIdIsLeftUnchanged) {
  UseZone(0, kSystemLtr, 8);
  EnableGroups(0, 8);
  const auto backTab = [this] { Key(Qt::Key_Tab, Qt::ShiftModifier); };
  const struct {
    const char* walk;
    std::function<void()> keys;
    int rx;
  } cases[] = {
      {"TX, Tab, RX, Tab, Shift+Tab twice, Tab",
       [&] { Enter(kTxId[1], "25"); Type("40"); Tab(); backTab(); backTab(); Tab(); }, 40},
      {"a click in and out", [&] { ClickCell(kTxId[1]); ClickCell(kTag[3]); }, 30},
      {"the arrows, then in and out",
       [&] { ClickCell(kTxId[1]); ClickButton(kNext); ClickButton(kPrev); ClickCell(kTxId[1]); Tab(); }, 30},
      {"typed as it was", [&] { Enter(kTxId[1], "21"); }, 30},
      {"refused", [&] { Enter(kTxId[1], "0"); }, 30},
  };
  for (UINT idd : {IDD_LTR_GROUP_BASIC, IDD_LTR_GROUP_ADVANCED}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::to_string(idd) + ": " + c.walk);
      S().groups[1].byte4 = 21;
      S().groups[1].byte5 = 30;
      Show(idd, 0);
      c.keys();
      EXPECT_EQ(S().groups[1].byte5, c.rx);
      EXPECT_EQ(Text(kRxId[1]), std::to_string(c.rx));
    }
  }
}

TEST_F(LtrGroupTest, AdvancedViewSignallingAndEncryptionByModelAndOptionBoard) {
  UseZone(0, kSystemLtr, 2);  // 0..1
  UseZone(1, kSystemLtr, 3);  // 2..4
  EnableGroups(0, 5);
  SetProductionType(11);
  S().groups[3].byte1 = 0x40;  // function value 2: shown "Disable", Encryption closed
  Show(IDD_LTR_GROUP_ADVANCED, 1);
  EXPECT_EQ(Text(kSignalingFunction[1]), "Disable");
  EXPECT_FALSE(Enabled(kEncryption[1]));
  EXPECT_TRUE(Enabled(kEncryption[0]) && Enabled(kEncryptionDefault));
  // Choosable, the Default Encryption is white, unlike the other Default cells.
  EXPECT_EQ(StateOf(kEncryptionDefault), grid::State::Active);
  EXPECT_EQ(StateOf(kAniDefault), grid::State::Default);
  Choose(kSignalingFunction[0], kSignalingFunctionList, "Signaling");
  EXPECT_EQ(S().groups[2].byte1 & 0x50, 0x50);
  ClickCell(kSecondTxPower[0]);
  EXPECT_EQ(List(kSecondTxPowerList)->count(), 4);
  DoubleClickItem(kSecondTxPowerList, "Low-Mid");
  EXPECT_EQ(S().groups[2].byte0 & 0x07, 5);
  S().DefaultGroupRecord.byte[2] |= 0x01;  // Default function value 2
  static_cast<grid::CGridPage&>(Page()).Refresh();
  EXPECT_FALSE(Enabled(kEncryptionDefault));
  // The OPB-83 board closes every Encryption cell of a type-11 radio.
  S().DefaultGroupRecord.byte[2] &= std::uint8_t(~0x01);
  TheModel().global.SetOptionBoardCode(3);
  static_cast<grid::CGridPage&>(Page()).Refresh();
  EXPECT_FALSE(Enabled(kEncryption[0]) || Enabled(kEncryption[2]) || Enabled(kEncryptionDefault));

  // Other production types: bit 7 of byte 3, and the Default's code 1 in bits 5-6.
  TheModel().global.SetOptionBoardCode(0);
  SetProductionType(1);
  S().groups[2].byte0 = (S().groups[2].byte0 & 0xF8) | 1;  // a 2nd Tx Power code the list lacks
  Show(IDD_LTR_GROUP_ADVANCED, 1);
  EXPECT_EQ(Text(kSecondTxPower[0]), "Disable");
  EXPECT_TRUE(Enabled(kEncryption[1]));
  EXPECT_EQ(StateOf(kEncryptionDefault), grid::State::Active);
  ClickCell(kSecondTxPower[0]);
  EXPECT_EQ(List(kSecondTxPowerList)->count(), 3);
  DoubleClickItem(kSecondTxPowerList, "Low");
  EXPECT_EQ(S().groups[2].byte0 & 0x07, 4);
  Choose(kSignalingFunction[2], kSignalingFunctionList, "Signaling");
  EXPECT_EQ(S().groups[4].byte1 & 0x50, 0x10);
  EXPECT_EQ(S().groups[4].byte3 & 0x80, 0x80);
  const auto before = Packed();
  Choose(kSignalingFunctionDefault, kSignalingFunctionList, "Signaling");
  EXPECT_EQ(S().DefaultGroupRecord.byte[1] & 0x60, 0x20);
  EXPECT_EQ(S().DefaultGroupRecord.byte[4] & 0x02, 0x02);
  EXPECT_EQ(Text(kSignalingFunctionDefault), "Signaling");
  EXPECT_EQ(Text(kSignalingFunction[0]), "Signaling");
  ExpectImageDiff(before, {{GroupOffset(2) + 1, 0x10}, {GroupOffset(2) + 3, 0x80}, {GroupOffset(3) + 1, 0x10},
                           {GroupOffset(3) + 3, 0x80}});
}

TEST_F(LtrGroupTest, PageSwitchesKeepTheZoneAndTheHeaderTellsAConventionalZone) {
  UseZone(0, kSystemLtr, 2);
  UseZone(1, kSystemLtr, 2);
  UseZone(2, kSystemConventional, 1);
  Show(IDD_LTR_GROUP_BASIC, 1);
  FocusOn(kAdvancedFeatures);
  Key(Qt::Key_Return);  // Enter on a button presses it
  EXPECT_EQ(Sent(), (std::vector<Switch>{{WM_SHOWPAGE_GROUP_ADVANCED, 1, 0}}));
  Show(IDD_LTR_GROUP_ADVANCED, 1);
  ClickButton(kLtrBasicFeatures);
  EXPECT_EQ(Sent(), (std::vector<Switch>{{WM_RETURN_GROUP_BASIC, 1, 0}}));
  EXPECT_EQ(prompts.Beeps(), 1);
  Show(IDD_LTR_GROUP_BASIC, 2);
  EXPECT_EQ(Text(kZoneFormat), "Conv");
}

}  // namespace
}  // namespace grid_test
