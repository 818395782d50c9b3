// The zone overview page driven by clicks, double-clicks and typing: both
// caption modes, the buttons' page switches, the format and on/off commits with
// the pool's fixes, greying, and the ID and home frequency entries.
#include <QAccessible>

#include "model/home_channel.h"
#include "model/zone_model.h"
#include "pages/trunk/zone_overview_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace zone_ids;

class ZoneOverviewTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    G().systemType &= std::uint8_t(~0x40);  // PassPort captions
  }
  void Show() {
    overview = &OpenAs<CZoneOverviewPage>(IDD_ZONE_OVERVIEW);
    prompts.Clear();
  }
  CZoneOverviewPage* overview = nullptr;
};

// Zones 2-6 in view: an LTR, a Conventional and a PassPort zone, then zones not
// in use. Each column's buttons lead by the zone's format and the caption mode
// to that column's zone; "Interconnect" and "LTR Advanced" hand on zone 2.
TEST_F(ZoneOverviewTest, CaptionModesAndWhereTheButtonsLead) {
  UseZone(1, kSystemLtr);
  UseZone(2, kSystemConventional);
  UseZone(3, kSystemPassPort);
  for (const bool ltr : {false, true}) {
    SCOPED_TRACE(ltr);
    G().systemType = std::uint8_t(ltr ? G().systemType | 0x40 : G().systemType & ~0x40);
    Show();
    Click(Page().GetDlgItem(kNext));
    host.sent.clear();
    EXPECT_EQ(Text(kCaptions[0]), ltr ? "SYS.  2" : "Zone  2");
    EXPECT_EQ(Text(kLabelFormat), ltr ? "System Type" : "Zone Format");
    EXPECT_EQ(Text(ltr ? kLabelHomeSystemId : kLabelAffiliated), ltr ? "Home Channel Number" : "Affiliated System ID ");
    EXPECT_EQ(Visible(*overview, kHomeFreq[0]), !ltr);
    EXPECT_EQ(Visible(*overview, kMobileId[0]), !ltr);
    EXPECT_EQ(Visible(*overview, kGroupDecode[0]), ltr);
    EXPECT_EQ(Visible(*overview, kBandwidth[0]), !ltr);
    EXPECT_EQ(Visible(*overview, kRevert[0]), ltr);
    EXPECT_EQ(Visible(*overview, kLtrAdvanced), ltr);
    EXPECT_EQ(Text(kGroups[1]), "Groups");
    EXPECT_EQ(Text(kGroups[2]), ltr ? "Groups" : "Group\r\nIDs");
    // Read out on one line.
    auto name = [&](int id) {
      return QAccessible::queryAccessibleInterface(Page().GetDlgItem(id)->GetSafeHwnd())->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(name(kGroups[2]), ltr ? "Groups" : "Group IDs");
    EXPECT_EQ(Text(kFeatures[0]) == "Repeaters", ltr);
    for (int k = 0; k < 4; ++k) Click(Page().GetDlgItem(kGroups[k]));
    for (int k = 0; k < 4; ++k) Click(Page().GetDlgItem(kFeatures[k]));
    Click(Page().GetDlgItem(ltr ? kLtrAdvanced : kInterconnect));
    std::vector<Switch> expected = {{WM_SHOWPAGE_GROUP_BASIC, 1, 0}, {WM_SHOWPAGE_CONV_BASIC, 2, 0}};
    if (ltr) {
      expected.insert(expected.end(), {{WM_SHOWPAGE_CONV_BASIC, 3, 0}, {WM_SHOWPAGE_REPEATERS, 1, 0},
                                       {WM_SHOWPAGE_REPEATERS, 3, 0}, {WM_SHOWPAGE_LTR_ADVANCED, 0, 1}});
    } else {
      expected.insert(expected.end(), {{WM_SHOWPAGE_PASSPORT_TALKGROUP, 3, 0}, {WM_SHOWPAGE_PASSPORT_SYSTEM, 3, 0},
                                       {WM_SHOWPAGE_INTERCONNECT, 0, 1}});
    }
    EXPECT_EQ(Sent(), expected);
    EXPECT_EQ(prompts.Beeps(), int(expected.size()) + 1);
    // One zone on, the PassPort zone's button is the next one over.
    Click(Page().GetDlgItem(kNext));
    EXPECT_EQ(name(kGroups[2]), "Groups");
    EXPECT_EQ(name(kGroups[1]), ltr ? "Groups" : "Group IDs");
    Close();
  }
}

// With the LTR captions the identity rows edit the LTR settings their labels
// name, grey where a zone keeps none; the home repeater chosen there lets the
// pack pass and comes back, and the Default "None" spares a Conventional zone's dial.
TEST_F(ZoneOverviewTest, LtrCaptionsEditTheSettingsTheLabelsName) {
  LoadRadio();
  G().systemType |= 0x40;
  UseZone(0, kSystemLtr);
  UseZone(1, kSystemConventional);
  UseZone(2, kSystemPassPort);
  S().zoneRepeaters[0][0] = kNoChannel;  // RPT#1 none, the zone's home repeater
  S().zoneRepeaters[0][2] = 5;
  S().zoneHomeRepeater[1] = 0x41;  // a Connect Dial of four digits
  Show();
  for (const int* row : {kHomeRepeater, kLtrTalkPermit, kGroupDecode}) {
    EXPECT_TRUE(Enabled(row[0]) && !Enabled(row[1]) && Enabled(row[2]) && !Enabled(row[3])) << row[0];
  }
  std::vector<std::uint8_t> image(TheModel().image.begin(), TheModel().image.end());
  EXPECT_EQ(TheModel().PackImage(image.data()), 0);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Home Channel of SYS # 1 has not been programmed"});
  Choose(kHomeRepeater[0], kPopupList, " 3");
  image = Packed();
  S().zoneHomeRepeater[0] = 0;
  TheModel().UnpackImage(image.data());
  overview->Refresh();
  EXPECT_EQ(Text(kHomeRepeater[0]), " 3");
  EXPECT_EQ(S().zoneRepeaters[0][2], 0x6005);  // Dispatch and Interconnect
  Choose(kHomeRepeaterDefault, kPopupList, "None");
  EXPECT_EQ(std::vector<int>({S().zoneHomeRepeater[0], S().zoneHomeRepeater[1], S().zoneHomeRepeater[2]}),
            std::vector<int>({0, 0x41, 0x80}));
}

TEST_F(ZoneOverviewTest, FormatChangesResetTheZoneAndAnLtrZoneShowsAnEmptyFormat) {
  UseZone(1, kSystemConventional, 3);
  S().groups[1].byte0 = 0x11;
  S().zoneTxPower[1] = 4;
  S().zoneFlags[2] = kZoneInUse;
  S().zoneFormat[2] = 0x84;  // LTR
  Show();
  EXPECT_EQ(Text(kFormat[2]), "");
  EXPECT_EQ(Text(kFormat[1]), "Conventional");

  Choose(kFormat[1], kPopupList, "Conventional");  // the same format: nothing else changes
  EXPECT_EQ(S().zoneTxPower[1], 4);
  EXPECT_EQ(S().groups[1].byte0, 0x11);
  EXPECT_EQ(g_bModified, 1u);

  Choose(kFormat[1], kPopupList, "PassPort");
  EXPECT_EQ(S().zoneFormat[1], 0x90);
  EXPECT_EQ(S().zoneTxPower[1], 0);
  EXPECT_EQ(S().groups[1].byte0, 0x87);
  EXPECT_TRUE(Enabled(kFixedDcc[1]));  // PassPort rows open for the zone
  EXPECT_FALSE(Enabled(kFixedDcc[0]));
}

TEST_F(ZoneOverviewTest, ZoneOnAndOffWithTheirNoticesAndThePoolsFixes) {
  UseZone(3, kSystemConventional, 2);
  G().homeSystem = 3;
  G().emergencySystem = 3;
  Show();
  Choose(kOnOff[3], kPopupList, "Disable");
  EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{"Delete Emergency Zone 4", "Delete Home Zone 4"}));
  EXPECT_FALSE(S().IsZoneInUse(3));
  EXPECT_EQ(Text(kGroupCounts[3]), "0");
  EXPECT_EQ(Text(kOnOff[3]), "Disable");
  EXPECT_EQ(g_bModified, 1u);

  g_bModified = 0;
  Choose(kOnOff[4], kPopupList, "Enable");
  EXPECT_TRUE(S().IsZoneInUse(4));
  EXPECT_EQ(Text(kGroupCounts[4]), "1");
  EXPECT_EQ(g_bModified, 1u);

  // No record free: "Too many groups" and the zone stays off.
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 0, 1 + long(S().freeGroupPool)).refused);
  overview->Refresh();  // the count edits show the model again
  prompts.Clear();
  Choose(kOnOff[2], kPopupList, "Enable");
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kTooManyGroups});
  EXPECT_FALSE(S().IsZoneInUse(2));
  EXPECT_EQ(Text(kOnOff[2]), "Disable");

  // Off for the only zone with groups: it keeps one and its references.
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 4, 0).refused);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 0, 3).refused);
  overview->Refresh();
  G().homeSystem = 0;
  prompts.Clear();
  Choose(kOnOff[0], kPopupList, "Disable");
  EXPECT_TRUE(prompts.MessageTexts().empty());
  EXPECT_TRUE(S().IsZoneInUse(0));
  EXPECT_EQ(S().groupCount[0], 1);
  EXPECT_EQ(G().homeSystem, 0);
}

TEST_F(ZoneOverviewTest, GroupCountsTypedInAColumnApplyToThatColumnsZone) {
  UseZone(1, kSystemConventional, 2);
  UseZone(3, kSystemPassPort, 1);
  G().emergencySystem = 1;
  Show();
  // Typed into column 2, then column 4's list opened and committed: zone 4 changes.
  TypeInto(kGroupCounts[1], "5");
  EXPECT_EQ(g_bModified, 1u);  // every keystroke marks the data
  Choose(kTimeout[3], kPopupList, "7.0min");
  EXPECT_EQ(S().groupCount[1], 5);
  EXPECT_EQ(S().zoneTxTimeout[3] >> 4, 14);
  EXPECT_EQ(S().zoneTxTimeout[1] >> 4, 6);

  g_bModified = 0;
  Enter(kGroupCounts[3], "17");  // a PassPort zone takes 16 at most
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kTooManyGroups});
  EXPECT_EQ(Text(kGroupCounts[3]), "1");
  EXPECT_EQ(g_bModified, 0u);  // refused: nothing changed
  prompts.Clear();
  Enter(kGroupCounts[1], "0");
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Delete Emergency System 2"});
  EXPECT_EQ(Text(kOnOff[1]), "Disable");
}

TEST_F(ZoneOverviewTest, IdEntriesKeepTheirRanges) {
  UseZone(0, kSystemPassPort, 1);
  Show();
  const struct {
    int edit;
    const char* typed;
    const char* message;
    const char* shown;
  } cases[] = {
      {kHomeSystemId[0], "65535", nullptr, "65535"},
      {kHomeSystemId[0], "0", "Home system ID should be 1 to 65535.", "65535"},
      {kAffiliatedId[0], "128", "Affiliated system ID should be 1 to 127.", "1"},
      {kMobileId[0], "65520", "Mobile Identity Number should be 1 to 65519.", "1"},
  };
  for (const auto& c : cases) {
    prompts.Clear();
    g_bModified = 0;
    Enter(c.edit, c.typed);
    EXPECT_EQ(prompts.MessageTexts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
        << c.typed;
    EXPECT_EQ(Text(c.edit), c.shown);
    EXPECT_EQ(g_bModified, c.message ? 0u : 1u) << c.typed;
  }
}

TEST_F(ZoneOverviewTest, HomeFrequenciesBecomeChannelWords) {
  UseZone(0, kSystemPassPort, 1);
  UseZone(1, kSystemPassPort, 1);
  S().zoneFlags2[1] |= kZoneOptionBand5b;
  Show();
  Enter(kHomeFreq[0], "460.0125");
  EXPECT_EQ(S().zoneHomeChannelWords[0][0], 0x5321);
  EXPECT_EQ(S().zoneHomeChannelWords[1][0], 0x7001);
  EXPECT_EQ(Text(kHomeFreq[0]), " 460.01250");
  Enter(kHomeFreq[1], "460.0125");
  EXPECT_EQ(S().zoneHomeChannelWords[0][1], 0x6321);
  EXPECT_EQ(S().zoneHomeChannelWords[1][1], kBlankChannelWord);
  Enter(kHomeFreq[0], "0");  // checked up to the band: 450.0 on Band 4
  EXPECT_EQ(S().zoneHomeChannelWords[0][0], 0x4320);
  EXPECT_EQ(Text(kHomeFreq[0]), " 450.00000");

  prompts.Clear();
  Enter(kHomeFreq[0], "520");
  EXPECT_EQ(prompts.MessageTexts(),
            std::vector<std::string>{"Home channel frequency should be 450.00000 MHz to 511.98750 MH\xEF\xBD\x9A."});
  EXPECT_EQ(S().zoneHomeChannelWords[0][0], 0x4320);
  EXPECT_EQ(Text(kHomeFreq[0]), " 450.00000");
  EXPECT_FALSE(Enabled(kBackupFreq[0]));  // shown only
}

TEST_F(ZoneOverviewTest, AWordOffTheBand5bFlagIsNormalisedQuietlyAndVhfTakesTheTable) {
  UseZone(2, kSystemPassPort, 1);
  S().zoneHomeChannelWords[0][2] = 0x6321;  // Band 5b in a zone without it
  Show();
  EXPECT_TRUE(prompts.MessageTexts().empty());
  EXPECT_EQ(S().zoneHomeChannelWords[0][2], 0x5321);
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_EQ(Text(kHomeFreq[2]), " 460.01250");
  Close();

  G().hardwareByte = kVhfHardware;
  G().bandFlag = 0;
  for (int i = 0; i < kDfaEntryCount; ++i) TheModel().dfa.SetEntry(i, 15077500u + 1250u * unsigned(i));
  Show();
  Enter(kHomeFreq[2], "150.78");
  EXPECT_EQ(S().zoneHomeChannelWords[0][2], 0xF002);
  EXPECT_EQ(Text(kHomeFreq[2]), " 150.78750");
  Enter(kHomeFreq[2], "170");  // above the whole table: its last entry
  EXPECT_EQ(S().zoneHomeChannelWords[0][2], 0xF000 + kDfaEntryCount);
  // Ten blanks store nothing.
  FocusOn(kHomeFreq[2]);
  overview->GetDlgItem(kHomeFreq[2])->SetWindowText("          ");
  Key(Qt::Key_Tab);
  EXPECT_EQ(S().zoneHomeChannelWords[0][2], 0xF000 + kDfaEntryCount);
}

}  // namespace
}  // namespace grid_test
