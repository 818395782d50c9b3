// The interconnect page driven by typing and clicks: dial strings typed and
// read back, the Disconnect Dial's nibble (the Default one in every zone),
// which of its format cells each zone column shows, the LTR ID, and the
// Default values the page object keeps.
#include "pages/trunk/interconnect_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace interconnect_ids;

class InterconnectTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    UseZone(0, kSystemLtr);
    UseZone(1, kSystemConventional);
    UseZone(2, kSystemPassPort);
    for (int z = 0; z < kZoneCount; ++z) S().zoneDisconnectDial[z] = std::uint8_t(0xF0 | (z & 0x0F));
  }
  CInterconnectPage& ShowPage(int first = 0) { return Show<CInterconnectPage>(IDD_INTERCONNECT, first); }
};

TEST_F(InterconnectTest, DialStringsAreTypedAndReadBack) {
  auto& page = ShowPage();
  TypeInto(kConnectDial[1], "12#e");  // "e" is no dial character
  // The Connect Dial of zone 2: length 3, digits 1, 2 and 15, the rest 0.
  EXPECT_EQ(S().zoneHomeRepeater[1], 0x31);
  EXPECT_EQ(S().zoneInterconnectLtrId[1], 0x2F);
  for (const std::uint8_t* b : {S().zoneRxIdStart, S().zoneRxIdStop, S().zoneTxInhibitIdStart,
                                S().zoneTxInhibitIdStop, S().zonePassPortFlags, S().zoneScanWords}) {
    EXPECT_EQ(b[1], 0);
  }
  EXPECT_EQ(g_bModified, 1u);
  page.Refresh();
  EXPECT_EQ(Text(kConnectDial[1]), "12#");
  // A text with blanks behind its digits (as a padded display leaves): Backspace
  // over one of them stores the digits alone.
  page.GetDlgItem(kConnectDial[1])->SetWindowText("12   ");
  FocusOn(kConnectDial[1]);
  Key(Qt::Key_End);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(S().zoneHomeRepeater[1], 0x21);
  EXPECT_EQ(S().zoneInterconnectLtrId[1], 0x20);

  // The Disconnect Dial: one digit in bits 4-7, bits 0-3 kept; cleared it is 0.
  TypeInto(kDisconnect[1], "*");
  EXPECT_EQ(S().zoneDisconnectDial[1], 0xE1);
  FocusOn(kDisconnect[1]);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(S().zoneDisconnectDial[1], 0x01);
  page.Refresh();
  EXPECT_EQ(Text(kDisconnect[1]), "0");
  // The Default digit: every zone's bits 4-7, their bits 0-3 kept.
  TypeInto(kDisconnectDefault, "b");
  for (int z = 0; z < kZoneCount; ++z) EXPECT_EQ(S().zoneDisconnectDial[z], 0xB0 | (z & 0x0F)) << z;
  EXPECT_EQ(Text(kDisconnect[4]), "B");
  EXPECT_EQ(Text(kDisconnectDefault), "B");
}

TEST_F(InterconnectTest, EachZoneColumnShowsTheCellsOfItsFormat) {
  auto& page = ShowPage();
  // LTR: the LTR ID; Conventional: the Connect Dial and Only Rx; PassPort: neither.
  const bool shown[3][3] = {{true, false, false}, {false, true, true}, {false, false, false}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(Visible(page, kLtrId[k]), shown[k][0]) << k;
    EXPECT_EQ(Visible(page, kConnectDial[k]), shown[k][1]) << k;
    EXPECT_EQ(Visible(page, kOnlyRx[k]), shown[k][2]) << k;
    EXPECT_TRUE(Visible(page, kDisconnect[k]) && Visible(page, kAuto[k]));
  }
  Click(page.GetDlgItem(kNext));  // the cells follow their zones
  EXPECT_TRUE(Visible(page, kConnectDial[0]));
  EXPECT_FALSE(Visible(page, kLtrId[0]));
  Click(page.GetDlgItem(kPrev));

  TypeInto(kLtrId[0], "251");
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kLtrIdMessage});
  EXPECT_EQ(S().zoneInterconnectLtrId[0], 25);
  EXPECT_EQ(Text(kLtrId[0]), "25");
  Choose(kTimeoutDefault, kPopupList, "7.0min");
  EXPECT_FALSE(Enabled(kPhone[3]));  // a zone not in use

  Reopen(IDD_INTERCONNECT, 5);
  EXPECT_EQ(Text(kCaptions[0]), "Zone  6");
  EXPECT_EQ(Text(kTimeoutDefault), "7.0min");  // the Default values live with the page object
}

}  // namespace
}  // namespace grid_test
