// The conventional group page's basic view driven by clicks, double-clicks and
// typing: columns over zones of every size with those past the zone grey and
// never written, the channel binding on opening (its rules are the model's),
// the sub-audible rows and their shared code lists, enable, Tag and the Default
// column, the frequency entries, and the view buttons.
#include "model/channel_model.h"
#include "model/group_fields.h"
#include "pages/groups/conv_advanced_page.h"
#include "pages/groups/conv_basic_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace group_ids;
using namespace conv_basic_ids;

class ConvBasicTest : public GridTest {
 protected:
  group_grid::CGroupGridPage& ShowBasic(int zone) { return *(page = &Show<CConvGroupBasicPage>(IDD_CONV_GROUP_BASIC, zone)); }
  group_grid::CGroupGridPage* page = nullptr;
};

TEST_F(ConvBasicTest, ColumnsFollowTheZoneAndThoseBeyondItAreGreyAndNeverWritten) {
  UseZone(0, kSystemConventional, 3);
  UseZone(1, kSystemLtr, 9);
  UseZone(2, kSystemConventional, 250 - 12);  // its groups end at record 249
  S().zoneFlags[3] = kZoneInUse;               // no groups: its first group is past the records
  EnableGroups(0);
  S().groups[3].channelWord = 0x1000 | 600;  // an LTR word naming no channel record
  S().channels[4].programmed |= 1;           // a channel the next zone's repeaters use
  S().zoneRepeaters[1][0] = 4;
  const CGroupRecord ltrGroup = S().groups[4];

  ShowBasic(0);
  EXPECT_EQ(Text(kCaptions[0]), "GRP.   1");
  EXPECT_EQ(Text(kCaptions[5]), "GRP.   6");  // the next zone's groups show, greyed
  EXPECT_TRUE(Enabled(kCaptions[2]));
  EXPECT_FALSE(Enabled(kCaptions[3]));
  for (int id : {kEnable[3], kTag[4], kRxFreq[5], kMonitor[3], kScanMemory[5]}) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_EQ(Text(kRxFreq[3]), "");  // channel 601 is no record: nothing to show
  ClickCell(kMonitor[3]);
  EXPECT_FALSE(ListShown(kMonitorList));
  ClickButton(kNext);
  EXPECT_EQ(page->First(), 0);
  // A Default commit reaches the zone's three groups and no other.
  Choose(kMonitorDefault, kMonitorList, "Disable");
  for (int g = 0; g < 3; ++g) EXPECT_EQ(S().groups[g].byte0 & 0x80, 0) << g;
  EXPECT_EQ(S().groups[4], ltrGroup);
  EXPECT_TRUE(S().channels[4].programmed & 1);  // refreshes leave the repeater's channel in use
  EXPECT_EQ(S().groups[3].channelWord, 0x1000 | 600);

  // More than six groups: the arrows stop at the zone's first group and at first + count - 6.
  ShowBasic(1);
  EXPECT_EQ(page->First(), 3);
  for (int i = 0; i < 4; ++i) ClickButton(kNext);
  EXPECT_EQ(page->First(), 6);
  EXPECT_EQ(Text(kCaptions[5]), "GRP.  12");
  for (int i = 0; i < 4; ++i) ClickButton(kPrev);
  EXPECT_EQ(page->First(), 3);
  EXPECT_EQ(prompts.Beeps(), 8);

  // Groups ending at record 249: a held arrow stops at 244, the last column shows group 250.
  ShowBasic(2);
  EXPECT_EQ(page->First(), 12);
  page->SendMessage(WM_REPEAT_STEP, kNext, 400);
  ClickButton(kNext);
  EXPECT_EQ(page->First(), kLastFirstVisibleGroup);
  EXPECT_EQ(Text(kCaptions[5]), "GRP. 250");
  EXPECT_TRUE(Enabled(kEnable[5]));

  // No groups and no record left: every column is past, nothing is read or written.
  const auto before = Packed();
  ShowBasic(3);
  for (int k = 0; k < 6; ++k) EXPECT_FALSE(Enabled(kCaptions[k]) || Enabled(kEnable[k]) || Enabled(kTag[k])) << k;
  Choose(kTxInhibitDefault, kTxInhibitList, "TX Disable");
  EXPECT_EQ(S().DefaultGroupRecord.byte[0] & 0x20, 0x20);
  ExpectImageDiff(before, {});
}

TEST_F(ConvBasicTest, SubAudibleTypesOpenTheSharedCodeListsByType) {
  UseZone(0, kSystemConventional, 2);
  EnableGroups(0);
  ShowBasic(0);
  EXPECT_EQ(Text(kDecode[0]), "  Off");
  EXPECT_FALSE(Enabled(kDecode[0]));  // type 0: no list

  // A receive type where there was none, on a group with no encode code: both sides follow.
  Choose(kRxType[0], kRxTypeList, "CTCSS");
  EXPECT_EQ(S().groups[0].byte2, (1 << 3) | 1);
  EXPECT_EQ(S().groups[0].byte4, 0);
  EXPECT_EQ(S().groups[0].byte5, 0);
  ClickCell(kDecode[0]);
  EXPECT_TRUE(ListShown(kCtcssList));
  EXPECT_EQ(List(kCtcssList)->count(), 50);
  const std::string second = List(kCtcssList)->item(1)->text().toStdString();
  DoubleClickItem(kCtcssList, second.c_str());
  EXPECT_EQ(S().groups[0].byte5, 1);
  EXPECT_EQ(Text(kDecode[0]), second);
  // The encode row opens the other list by its own type and writes the encode byte.
  Choose(kTxType[0], kTxTypeList, "DCS Invert");
  EXPECT_EQ(S().groups[0].byte2 & 7, 3);
  ClickCell(kEncode[0]);
  EXPECT_TRUE(ListShown(kDcsList));
  EXPECT_FALSE(ListShown(kCtcssList));
  EXPECT_EQ(List(kDcsList)->count(), 106);
  const std::string third = List(kDcsList)->item(2)->text().toStdString();
  DoubleClickItem(kDcsList, third.c_str());
  EXPECT_EQ(S().groups[0].byte4, 2);
  EXPECT_EQ(S().groups[0].byte5, 1);
  EXPECT_EQ(Text(kEncode[0]), third);
  // Back to none: that side's code is gone.
  Choose(kRxType[0], kRxTypeList, "NONE");
  EXPECT_EQ(S().groups[0].byte5, 255);
  EXPECT_EQ(S().groups[0].byte4, 2);
  EXPECT_EQ(g_bModified, 1u);
  // A receive type again, with an encode code kept: only the receive side changes.
  Choose(kRxType[0], kRxTypeList, "DCS");
  EXPECT_EQ(S().groups[0].byte2, (2 << 3) | 3);
  EXPECT_EQ(S().groups[0].byte5, 0);
  EXPECT_EQ(S().groups[0].byte4, 2);

  // A type of 4 to 7 shows "NONE" while its code cell shows a DCS code.
  S().groups[1].byte2 = 5 << 3;
  S().groups[1].byte5 = 0;
  page->Refresh();
  EXPECT_EQ(Text(kRxType[1]), "NONE");
  EXPECT_EQ(Text(kDecode[1]), grp::DcsCodeList().choices[0].text);
}

TEST_F(ConvBasicTest, OpeningBindsQuietlyAndEnableTagAndTheDefaultColumnWriteOnlyTheirBits) {
  UseZone(0, kSystemConventional, 1);
  UseZone(1, kSystemConventional, 10);
  EnableGroups(1);
  S().groups[3].channelWord = 0x4800 | 7;  // another channel; its other bits stay
  S().zoneRevertGroup[1] = 2;
  S().zoneGroupSelection[1] = 2;  // zone-relative: group 3 of the zone, record 3
  S().groups[5].channelWord |= 0x3000;  // Busy Lock Out 3: no list entry
  S().groups[5].byte2 = 0x09;           // with the tone a lock-out needs
  S().groups[5].byte4 = S().groups[5].byte5 = 0;
  for (int c = 1; c < 11; ++c) S().channels[c].modeByte &= 0x3F;  // narrow
  g_bModified = 0;
  ShowBasic(1);
  EXPECT_EQ(S().groups[3].channelWord, 0x4800 | 3);  // each group bound to its own channel
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_EQ(Text(kZoneFormat), "Conventional");
  EXPECT_EQ(Text(kBusyLockOut[4]), "Incorrect");

  // Disable: grey settings, channel out of use, revert and reference gone; enable brings them back.
  Choose(kEnable[2], kEnableList, "Disable");
  EXPECT_FALSE(S().groups[3].InUse());
  EXPECT_FALSE(S().channels[3].programmed & 1);
  EXPECT_EQ(S().zoneRevertGroup[1], 255);
  EXPECT_EQ(S().zoneGroupSelection[1], 0);
  EXPECT_TRUE(Enabled(kEnable[2]));
  EXPECT_FALSE(Enabled(kTag[2]) || Enabled(kMonitor[2]) || Enabled(kRxFreq[2]));
  EXPECT_EQ(Text(kRxFreq[2]), "");
  Choose(kEnable[2], kEnableList, "Enable");
  EXPECT_TRUE(S().groups[3].InUse());
  EXPECT_TRUE(S().channels[3].programmed & 1);
  EXPECT_TRUE(Enabled(kTag[2]));

  // The Tag: upper case, padded with blanks, stored at each key, no refresh needed.
  g_bModified = 0;
  TypeInto(kTag[0], "ab c");
  EXPECT_EQ(std::string(S().groups[1].name, 9), std::string("AB C    \0", 9));
  EXPECT_EQ(g_bModified, 1u);
  for (int i = 0; i < 4; ++i) Key(Qt::Key_Backspace);
  EXPECT_EQ(std::string(S().groups[1].name, 8), "        ");

  // Default column: every group of the zone, beyond the six shown too.
  Choose(kMonitorDefault, kMonitorList, "Disable");
  for (int g = 1; g < 11; ++g) EXPECT_EQ(S().groups[g].byte0 & 0x80, 0) << g;
  EXPECT_EQ(S().groups[0].byte0 & 0x80, 0x80);
  EXPECT_EQ(S().groups[11].byte0 & 0x80, 0x80);
  // Compander: a wide channel greys it.
  Choose(kChannelSpace[1], kChannelSpaceList, "Wide");
  EXPECT_FALSE(Enabled(kCompander[1]));
  EXPECT_TRUE(Enabled(kCompander[0]));
}

TEST_F(ConvBasicTest, FrequencyEntriesStoreBothSidesAndMarkTheChange) {
  UseZone(0, kSystemConventional, 3);
  EnableGroups(0);
  TheModel().message.SetDefaultSplit(5.0);
  ShowBasic(0);
  Enter(kRxFreq[1], "453");
  EXPECT_EQ(S().channels[1].rxFreq, 45300000);
  EXPECT_EQ(S().channels[1].txFreq, 45800000);
  EXPECT_EQ(Text(kRxFreq[1]), " 453.00000");
  EXPECT_EQ(Text(kTxFreq[1]), " 458.00000");
  EXPECT_EQ(g_bModified, 1u);  // a stored change is a change to save

  // Off the raster: the nearer point above, step code 0.
  Enter(kRxFreq[2], "450.003");
  EXPECT_EQ(S().channels[2].rxFreq, 45000500);
  EXPECT_EQ(S().channels[2].modeByte & 0x0C, 0);
  // Ten blanks store nothing; the same frequency again changes nothing and marks nothing.
  const CChannelData kept = S().channels[2];
  g_bModified = 0;
  FocusOn(kRxFreq[2]);
  page->GetDlgItem(kRxFreq[2])->SetWindowText("          ");
  Tab();
  EXPECT_EQ(S().channels[2], kept);
  Enter(kRxFreq[2], "450.005");
  EXPECT_EQ(S().channels[2], kept);
  EXPECT_EQ(g_bModified, 0u);
  // Tx alone: the receive side stays.
  Enter(kTxFreq[2], "460");
  EXPECT_EQ(S().channels[2].txFreq, 46000000);
  EXPECT_EQ(S().channels[2].rxFreq, 45000500);
  EXPECT_EQ(g_bModified, 1u);
  // A Tx entry of a channel out of use stores nothing and shows blanks.
  S().channels[0].programmed &= ~1;
  const CChannelData unused = S().channels[0];
  Enter(kTxFreq[0], "455");
  EXPECT_EQ(S().channels[0], unused);
  EXPECT_EQ(Text(kTxFreq[0]), "          ");
  Close();

  // VHF: clamped into the band.
  G().hardwareByte = kVhfHardware;
  G().bandFlag = 0;
  SetProductionType(5);
  ShowBasic(0);
  Enter(kRxFreq[0], "173.39");
  EXPECT_EQ(S().channels[0].rxFreq, 17339000);
  EXPECT_EQ(S().channels[0].txFreq, 17339625);
}

TEST_F(ConvBasicTest, TheViewButtonsKeepTheZone) {
  UseZone(0, kSystemConventional, 1);
  UseZone(1, kSystemConventional, 2);
  ShowBasic(1);
  FocusOn(kAdvancedFeatures);
  Key(Qt::Key_Return);  // Enter on a button presses it
  EXPECT_EQ(Sent(), (std::vector<Switch>{{WM_SHOWPAGE_CONV_ADVANCED, 1, 0}}));
  Show<CConvGroupAdvancedPage>(IDD_CONV_GROUP_ADVANCED, 1);
  ClickButton(kBasicFeatures);
  EXPECT_EQ(Sent(), (std::vector<Switch>{{WM_RETURN_CONV_BASIC, 1, 0}}));
  EXPECT_EQ(prompts.Beeps(), 1);
}

}  // namespace
}  // namespace grid_test
