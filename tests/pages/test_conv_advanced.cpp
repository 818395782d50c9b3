// The conventional group page's advanced view driven by clicks and keys: the
// lists by production type and option board with their stored values, every
// branch of the signalling function in a group and in the Default column, the
// Signaling No. reset, the greying of ANI and Encryption, the Default bits at
// their own positions, and the hidden rows' commits.
#include "model/channel_model.h"
#include "pages/groups/conv_advanced_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace group_ids;
using namespace conv_advanced_ids;

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
  std::uint8_t& Byte1(int g) { return S().groups[g].byte1; }
  group_grid::CGroupGridPage* page = nullptr;
};

TEST_F(ConvAdvancedTest, ModelElevenWithTheOptionModuleOffersOptionOnlyWithoutEncryption) {
  G().SetOptionBoardCode(4);
  S().groups[1].byte0 = (S().groups[1].byte0 & ~0x18) | 0x08;  // Encryption "Key ON"
  Byte1(0) |= 0x80;                                              // ANI on
  ShowAdvanced(0);
  ClickCell(kSignalingFunction[0]);
  EXPECT_EQ(Entries(kSignalingFunctionList), (std::vector<std::string>{"Disable", "Paging", "Option", "Signaling"}));
  DoubleClickItem(kSignalingFunctionList, "Option");
  EXPECT_EQ(Byte1(0), 0x40 | 1);  // bit 6, no bit 4, no ANI; Signaling No. 1
  EXPECT_EQ(Text(kSignalingFunction[0]), "Option");
  EXPECT_FALSE(Enabled(kAni[0]));         // the function holds bit 6
  EXPECT_FALSE(Enabled(kEncryption[0]));  // "Option" leaves no encryption
  EXPECT_TRUE(Enabled(kSignalingNo[0]));
  EXPECT_EQ(Text(kSignalingNo[0]), "GE Star");

  ClickCell(kSignalingFunction[1]);
  EXPECT_EQ(Entries(kSignalingFunctionList), (std::vector<std::string>{"Disable", "Paging", "Signaling"}));
  DoubleClickItem(kSignalingFunctionList, "Signaling");
  EXPECT_EQ(Byte1(1) & 0x50, 0x50);
  EXPECT_TRUE(Enabled(kEncryption[1]));
  EXPECT_FALSE(Enabled(kSignalingNo[1]));

  // Paging: the locations; a changed function resets the number, the same one keeps it.
  Choose(kSignalingFunction[2], kSignalingFunctionList, "Paging");
  Choose(kSignalingNo[2], kSignalingNoList, "Loc. 5");
  EXPECT_EQ(Byte1(2) & 0x0F, 4);
  EXPECT_EQ(Entries(kSignalingNoList).size(), 10u);
  Choose(kSignalingFunction[2], kSignalingFunctionList, "Signaling");
  EXPECT_EQ(Byte1(2) & 0x0F, 0);
  EXPECT_EQ(Text(kSignalingNo[2]), "Disable");
  Byte1(2) |= 3;
  Choose(kSignalingFunction[2], kSignalingFunctionList, "Signaling");
  EXPECT_EQ(Byte1(2) & 0x0F, 3);

  // 2nd Tx Power: the model's entries and their stored values.
  ClickCell(kSecondTxPower[3]);
  EXPECT_EQ(Entries(kSecondTxPowerList), (std::vector<std::string>{"Disable", "High", "Low-High", "Low-Mid"}));
  DoubleClickItem(kSecondTxPowerList, "Low-Mid");
  EXPECT_EQ(S().groups[3].byte0 & 7, 5);

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
  ClickCell(kSignalingFunction[3]);
  EXPECT_EQ(Entries(kSignalingFunctionList).size(), 3u);  // no module, no "Option"
}

TEST_F(ConvAdvancedTest, OtherModelsKeepTheHighBitInByteThreeAndTheirOwnLists) {
  SetProductionType(5);
  G().SetOptionBoardCode(4);
  S().groups[0].byte0 = (S().groups[0].byte0 & ~7) | 5;  // "Low-Mid" has no entry here
  Byte1(1) = 0x80;                                      // ANI on
  ShowAdvanced(0);
  EXPECT_EQ(Text(kSecondTxPower[0]), "Disable");
  ClickCell(kSecondTxPower[0]);
  EXPECT_EQ(Entries(kSecondTxPowerList), (std::vector<std::string>{"Disable", "High", "Low"}));
  DoubleClickItem(kSecondTxPowerList, "Low");
  EXPECT_EQ(S().groups[0].byte0 & 7, 4);

  ClickCell(kSignalingFunction[1]);
  EXPECT_EQ(Entries(kSignalingFunctionList), (std::vector<std::string>{"Disable", "Paging", "Signaling"}));
  DoubleClickItem(kSignalingFunctionList, "Signaling");
  EXPECT_EQ(Byte1(1), 0x80 | 0x10);  // bit 4; ANI and bit 6 untouched
  EXPECT_EQ(S().groups[1].byte3 & 0x80, 0x80);
  EXPECT_TRUE(Enabled(kAni[1]) && Enabled(kEncryption[1]));
  EXPECT_FALSE(Enabled(kSignalingNo[1]));

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

TEST_F(ConvAdvancedTest, TheDefaultColumnWritesItsOwnBitsAndEveryGroupOfTheZone) {
  G().SetOptionBoardCode(4);
  const CGroupRecord nextZone = S().groups[4];
  ShowAdvanced(0);
  Choose(kAniDefault, kAniList, "Enable");
  const CDefaultGroupRecord& d = S().DefaultGroupRecord;
  // Model 11, "Signaling" from the Default column: bit 4 and bit 6 of every group, ANI off.
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

}  // namespace
}  // namespace grid_test
