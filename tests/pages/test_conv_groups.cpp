// The conventional group pages. The basic view: columns over zones of every
// size with those past the zone grey and never written, the channel binding on
// opening, the sub-audible types and their shared code lists, enable with its
// references, the Tag, the Default column's reach and the view buttons. The
// advanced view: the lists by production type and option board, the cells the
// signalling function and the board grey, and the Default column's signalling
// function at its own bits. The frequency cells, with the channel table's.
// (Each plain list row's commit is the grid contract's; the group commits'
// bits are the model's.)
#include "model/channel_model.h"
#include "model/group_fields.h"
#include "pages/groups/channel_table_page.h"
#include "pages/groups/conv_advanced_page.h"
#include "pages/groups/conv_basic_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace group_ids;

namespace basic {
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
  EXPECT_FALSE(Enabled(kCaptions[3]));  // the next zone's groups show, greyed
  for (int id : {kEnable[3], kTag[4], kRxFreq[5], kMonitor[3], kScanMemory[5]}) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_EQ(Text(kRxFreq[3]), "");  // channel 601 is no record: nothing to show
  ClickButton(kNext);
  EXPECT_EQ(page->First(), 0);
  // A Default commit reaches the zone's three groups and none of the columns past them.
  Choose(kMonitorDefault, kMonitorList, "Disable");
  EXPECT_EQ(S().groups[4], ltrGroup);
  EXPECT_TRUE(S().channels[4].programmed & 1);  // refreshes leave the repeater's channel in use
  EXPECT_EQ(S().groups[3].channelWord, 0x1000 | 600);

  // More than six groups: the arrows stop at the zone's first group and at first + count - 6.
  ShowBasic(1);
  EXPECT_EQ(page->First(), 3);
  for (int i = 0; i < 4; ++i) ClickButton(kNext);
  EXPECT_EQ(page->First(), 6);
  for (int i = 0; i < 4; ++i) ClickButton(kPrev);
  EXPECT_EQ(page->First(), 3);
  EXPECT_EQ(prompts.Beeps(), 8);

  // Groups ending at record 249: a held arrow stops at 244, the last column shows group 250.
  ShowBasic(2);
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

// The code cells open the CTCSS or the DCS list by their side's type; the
// receive type's side effects on the codes are the model's rule.
TEST_F(ConvBasicTest, SubAudibleTypesOpenTheSharedCodeListsByType) {
  UseZone(0, kSystemConventional, 2);
  EnableGroups(0);
  ShowBasic(0);
  EXPECT_FALSE(Enabled(kDecode[0]));  // type 0: no list
  Choose(kRxType[0], kRxTypeList, "CTCSS");
  EXPECT_EQ(S().groups[0].byte2, (1 << 3) | 1);  // no encode code: both sides follow
  ClickCell(kDecode[0]);
  EXPECT_EQ(List(kCtcssList)->count(), 50);
  const std::string second = List(kCtcssList)->item(1)->text().toStdString();
  DoubleClickItem(kCtcssList, second.c_str());
  EXPECT_EQ(S().groups[0].byte5, 1);
  EXPECT_EQ(Text(kDecode[0]), second);
  Choose(kTxType[0], kTxTypeList, "DCS Invert");
  ClickCell(kEncode[0]);
  EXPECT_TRUE(ListShown(kDcsList));
  EXPECT_FALSE(ListShown(kCtcssList));
  EXPECT_EQ(List(kDcsList)->count(), 106);
  DoubleClickItem(kDcsList, List(kDcsList)->item(2)->text().toStdString().c_str());
  EXPECT_EQ(S().groups[0].byte4, 2);
  Choose(kRxType[0], kRxTypeList, "NONE");
  EXPECT_EQ(S().groups[0].byte5, 255);
  EXPECT_EQ(g_bModified, 1u);

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
  EXPECT_FALSE(S().channels[3].programmed & 1);
  EXPECT_EQ(S().zoneRevertGroup[1], 255);
  EXPECT_EQ(S().zoneGroupSelection[1], 0);
  EXPECT_FALSE(Enabled(kTag[2]) || Enabled(kMonitor[2]) || Enabled(kRxFreq[2]));
  EXPECT_EQ(Text(kRxFreq[2]), "");
  Choose(kEnable[2], kEnableList, "Enable");
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

}  // namespace basic

namespace advanced {
using namespace conv_advanced_ids;
using Texts = std::vector<std::string>;

class ConvAdvancedTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    UseZone(0, kSystemConventional, 4);
    UseZone(1, kSystemConventional, 2);
    EnableGroups(0);
    EnableGroups(1);
  }
  void ShowAdvanced(int zone) { page = &Show<CConvGroupAdvancedPage>(IDD_CONV_GROUP_ADVANCED, zone); }
  Texts Opened(int cell, int list) {
    ClickCell(cell);
    return Entries(list);
  }
  std::uint8_t& Byte1(int g) { return S().groups[g].byte1; }
  group_grid::CGroupGridPage* page = nullptr;
};

TEST_F(ConvAdvancedTest, ModelElevenWithTheOptionModuleOffersOptionOnlyWithoutEncryption) {
  G().SetOptionBoardCode(4);
  S().groups[1].byte0 = (S().groups[1].byte0 & ~0x18) | 0x08;  // Encryption "Key ON"
  Byte1(0) |= 0x80;                                              // ANI on
  ShowAdvanced(0);
  EXPECT_EQ(Opened(kSignalingFunction[0], kSignalingFunctionList), (Texts{"Disable", "Paging", "Option", "Signaling"}));
  DoubleClickItem(kSignalingFunctionList, "Option");
  EXPECT_EQ(Text(kSignalingFunction[0]), "Option");
  EXPECT_FALSE(Enabled(kAni[0]));         // the function holds bit 6
  EXPECT_FALSE(Enabled(kEncryption[0]));  // "Option" leaves no encryption
  EXPECT_TRUE(Enabled(kSignalingNo[0]));
  EXPECT_EQ(Text(kSignalingNo[0]), "GE Star");
  EXPECT_EQ(Opened(kSignalingFunction[1], kSignalingFunctionList), (Texts{"Disable", "Paging", "Signaling"}));
  DoubleClickItem(kSignalingFunctionList, "Signaling");
  EXPECT_TRUE(Enabled(kEncryption[1]));
  EXPECT_FALSE(Enabled(kSignalingNo[1]));
  // Paging: the ten locations.
  Choose(kSignalingFunction[2], kSignalingFunctionList, "Paging");
  Choose(kSignalingNo[2], kSignalingNoList, "Loc. 5");
  EXPECT_EQ(Byte1(2) & 0x0F, 4);
  EXPECT_EQ(Entries(kSignalingNoList).size(), 10u);
  EXPECT_EQ(Opened(kSecondTxPower[3], kSecondTxPowerList), (Texts{"Disable", "High", "Low-High", "Low-Mid"}));

  // The OPB-83 board: no encryption anywhere, the Default column included.
  G().SetOptionBoardCode(3);
  page->Refresh();
  EXPECT_FALSE(Enabled(kEncryption[1]) || Enabled(kEncryption[3]) || Enabled(kEncryptionDefault));
  G().SetOptionBoardCode(0);
  page->Refresh();
  EXPECT_TRUE(Enabled(kEncryption[3]) && Enabled(kEncryptionDefault));
  // Choosable, the Default Encryption is white, unlike the other Default cells.
  EXPECT_EQ(StateOf(kEncryptionDefault), grid::State::Active);
  EXPECT_EQ(StateOf(kAniDefault), grid::State::Default);
  EXPECT_EQ(Opened(kSignalingFunction[3], kSignalingFunctionList).size(), 3u);  // no module, no "Option"
}

TEST_F(ConvAdvancedTest, OtherModelsKeepTheirOwnListsAndTheDefaultItsOwnBits) {
  SetProductionType(5);
  G().SetOptionBoardCode(4);
  S().groups[0].byte0 = (S().groups[0].byte0 & ~7) | 5;  // "Low-Mid" has no entry here
  ShowAdvanced(0);
  EXPECT_EQ(Text(kSecondTxPower[0]), "Disable");
  EXPECT_EQ(Opened(kSecondTxPower[0], kSecondTxPowerList), (Texts{"Disable", "High", "Low"}));
  DoubleClickItem(kSecondTxPowerList, "Low");
  EXPECT_EQ(S().groups[0].byte0 & 7, 4);
  EXPECT_EQ(Opened(kSignalingFunction[1], kSignalingFunctionList), (Texts{"Disable", "Paging", "Signaling"}));
  DoubleClickItem(kSignalingFunctionList, "Signaling");
  EXPECT_TRUE(Enabled(kAni[1]) && Enabled(kEncryption[1]));

  // The Default column keeps its code in bits 5-6 of byte 1 and bit 1 of byte 4.
  Choose(kSignalingFunctionDefault, kSignalingFunctionList, "Signaling");
  EXPECT_EQ(S().DefaultGroupRecord.byte[1] & 0x70, 0x20);
  EXPECT_EQ(S().DefaultGroupRecord.byte[4] & 0x02, 0x02);
  for (int g = 0; g < 4; ++g) {
    EXPECT_EQ(Byte1(g) & 0x50, 0x10) << g;
    EXPECT_EQ(S().groups[g].byte3 & 0x80, 0x80) << g;
  }
  EXPECT_EQ(Text(kSignalingFunctionDefault), "Signaling");
  EXPECT_EQ(S().groups[4].byte3 & 0x80, 0);  // the next zone's
}

TEST_F(ConvAdvancedTest, TheDefaultColumnOnModelElevenWritesEveryGroupOfTheZone) {
  G().SetOptionBoardCode(4);
  const CGroupRecord nextZone = S().groups[4];
  ShowAdvanced(0);
  Choose(kAniDefault, kAniList, "Enable");
  const CDefaultGroupRecord& d = S().DefaultGroupRecord;
  // "Signaling" from the Default column: bit 4 and bit 6 of every group, ANI off.
  Choose(kSignalingFunctionDefault, kSignalingFunctionList, "Signaling");
  EXPECT_EQ(d.byte[1] & 0x10, 0x10);
  EXPECT_EQ(d.byte[2] & 0x03, 0x03);  // the Default ANI stays
  for (int g = 0; g < 4; ++g) EXPECT_EQ(Byte1(g) & 0xD0, 0x50) << g;
  // The Default Signaling No. (kept hidden) stores its entry's value, 1..3 for the systems.
  Unhide({kSignalingNoDefault});
  Byte1(2) |= 0x0F;
  Choose(kSignalingNoDefault, kSignalingNoList, "MDC-1200");
  EXPECT_EQ(d.byte[1] & 0x0F, 2);
  for (int g = 0; g < 4; ++g) EXPECT_EQ(Byte1(g) & 0x0F, 2) << g;
  EXPECT_EQ(Text(kSignalingNoDefault), "MDC-1200");
  // "Option" from the Default column, where the Default Encryption allows it.
  Choose(kSignalingFunctionDefault, kSignalingFunctionList, "Option");
  EXPECT_EQ(d.byte[1] & 0x10, 0);
  EXPECT_EQ(Text(kSignalingFunctionDefault), "Option");
  EXPECT_FALSE(Enabled(kEncryptionDefault));
  EXPECT_EQ(S().groups[4], nextZone);
  EXPECT_EQ(Text(kAniMonitorDefault), "Disable");
}

}  // namespace advanced

namespace frequency {
using conv_basic_ids::kRxFreq;
using conv_basic_ids::kTxFreq;

// Typed and left with Tab: a receive entry sets both sides by the Default
// Split, onto the nearer raster point above; a transmit entry sets its own
// side; ten blanks, the same frequency again or a channel out of use store
// nothing and mark nothing. A VHF entry is clamped into the band.
class FrequencyCells : public GridTest {};

TEST_F(FrequencyCells, EntriesStoreTheirSidesAndMarkOnlyAChange) {
  UseZone(0, kSystemConventional, 3);
  EnableGroups(0);
  TheModel().message.SetDefaultSplit(5.0);
  constexpr const char* kBlanks = "          ";
  using namespace channel_ids;
  const struct {
    UINT idd;
    int rxCell, txCell;
    bool typedTx;  // typed into the transmit cell
    int channel;
    const char* typed;
    std::int32_t rx, tx;  // held afterwards and shown (0: no frequency shown)
    bool modified;
    bool outOfUse = false;  // the channel taken out of use first
  } cases[] = {
      {IDD_CONV_GROUP_BASIC, kRxFreq[1], kTxFreq[1], false, 1, "453", 45300000, 45800000, true},
      {IDD_CONV_GROUP_BASIC, kRxFreq[2], kTxFreq[2], false, 2, "450.003", 45000500, 45500500, true},  // off the raster
      {IDD_CONV_GROUP_BASIC, kRxFreq[2], kTxFreq[2], false, 2, kBlanks, 45000500, 45500500, false},
      {IDD_CONV_GROUP_BASIC, kRxFreq[2], kTxFreq[2], false, 2, "450.005", 45000500, 45500500, false},
      {IDD_CONV_GROUP_BASIC, kRxFreq[2], kTxFreq[2], true, 2, "460", 45000500, 46000000, true},
      {IDD_CONV_GROUP_BASIC, kRxFreq[0], kTxFreq[0], true, 0, "455", 0, 0, false, true},
      {IDD_CHANNEL_TABLE, kRx[2], kTx[2], true, 2, "466.5", 45000500, 46650000, true},
      {IDD_CHANNEL_TABLE, kRx[1], kTx[1], false, 1, "450.003", 45000500, 45500500, true},
  };
  UINT shown = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " in channel " + std::to_string(c.channel));
    if (c.idd != shown) Show(shown = c.idd);
    if (c.outOfUse) S().channels[c.channel].programmed &= ~1;
    const CChannelData before = S().channels[c.channel];
    const int cell = c.typedTx ? c.txCell : c.rxCell;
    const bool blanks = std::string(c.typed) == kBlanks;
    g_bModified = 0;
    if (blanks) {
      FocusOn(cell);
      Page().GetDlgItem(cell)->SetWindowText(kBlanks);
      Tab();
    } else {
      Enter(cell, c.typed);
    }
    if (!c.modified) {
      EXPECT_EQ(S().channels[c.channel], before);
    }
    if (c.rx) {
      EXPECT_EQ(S().channels[c.channel].rxFreq, c.rx);
      EXPECT_EQ(S().channels[c.channel].txFreq, c.tx);
      if (!blanks) {  // ten blanks are left as they are
        EXPECT_EQ(Text(c.rxCell), FrequencyEditText(c.rx));
      }
    }
    EXPECT_EQ(Text(c.txCell), c.tx ? FrequencyEditText(c.tx) : kBlanks);
    EXPECT_EQ(g_bModified, c.modified ? 1u : 0u);
  }
  EXPECT_EQ(S().channels[2].modeByte & 0x0C, 0);  // off the raster: step code 0
}

TEST_F(FrequencyCells, VhfEntriesAreClampedIntoTheBand) {
  UseZone(0, kSystemConventional, 1);
  EnableGroups(0);
  G().hardwareByte = kVhfHardware;
  G().bandFlag = 0;
  SetProductionType(5);
  Show(IDD_CONV_GROUP_BASIC);
  Enter(kRxFreq[0], "173.39");
  EXPECT_EQ(S().channels[0].rxFreq, 17339000);
  EXPECT_EQ(S().channels[0].txFreq, 17339625);
}

}  // namespace frequency

}  // namespace
}  // namespace grid_test
