// The Global 1 and Global 2 pages: what their tables cannot say (the model
// change, the LED times, the password, the zone and group pairs, the data
// group list that is never enabled).
#include <filesystem>
#include <fstream>

#include "model/default_image.h"
#include "model/global_fields.h"
#include "page_harness.h"
#include "pages/settings/global1_page.h"
#include "pages/settings/global2_page.h"
#include "ui/messages.h"

namespace page_test {
namespace {

CGlobalSettings& G() { return TheModel().global; }

using Global1 = PageHarness;
using Global2 = PageHarness;

// The model's report on every showing and the page's keys; the group captions are bold.
TEST_F(Global1, ShowingRefreshesAndReportsTheModelAndKeysDoNothingElse) {
  OpenAs<CGlobal1Page>(IDD_GLOBAL1);
  EXPECT_EQ(Shown(IDC_G1_MODEL), kGlobal1ModelName);
  EXPECT_TRUE(Page().GetDlgItem(IDC_G1_GRP_SCAN)->GetFont().bold());
  EXPECT_FALSE(Page().GetDlgItem(IDC_G1_LED_ON)->GetFont().bold());
  host.sent.clear();
  G().byte185 = 0x10;
  Page().ShowWindow(SW_HIDE);
  Page().ShowWindow(SW_SHOW);
  ASSERT_EQ(host.sent.size(), 2u);
  EXPECT_EQ(host.sent[1].message, WM_MODEL_CHANGED);
  EXPECT_EQ(host.sent[1].lParam, 0);
  EXPECT_EQ(Shown(IDC_G1_POWER_ON_TONE), "Enable");
  EXPECT_EQ(g_bModified, 0u);

  // Enter and Esc do nothing on the page; letters do not pick the model again.
  FocusOn(IDC_G1_MODEL);
  Key(Qt::Key_Return);
  Key(Qt::Key_Escape);
  Type("t");
  EXPECT_TRUE(Page().IsWindowVisible());
  EXPECT_EQ(hooks.asked, 0);
  // A radio that is not named shows no model.
  LoadRadio(Band::Uhf, 0);
  EXPECT_EQ(Sel(IDC_G1_MODEL), -1);
}

TEST_F(Global1, LedTimesAreTypedInMillisecondsAndStoredInTensRoundedHalfUp) {
  G().byte755 = 50;
  OpenAs<CGlobal1Page>(IDD_GLOBAL1);
  EXPECT_EQ(Shown(IDC_G1_LED_ON), "500msec");
  struct Case {
    const char* typed;
    int stored;
    const char* shown;
    bool modified;
  };
  const Case cases[] = {{"2550", 255, "2550msec", true}, {"2551", 255, "2550msec", false},
                        {"2544", 254, "2540msec", true}, {"4", 0, "0msec", true},
                        {"5", 1, "10msec", true},        {"+1 2-0", 12, "120msec", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    g_bModified = 0;
    // A click, then the digits: they replace the whole text.
    Click(Page().GetDlgItem(IDC_G1_LED_OFF));
    Pump();
    Type(c.typed);
    FocusOn(IDC_G1_DIMMER);
    EXPECT_EQ(G().byte756, c.stored);
    EXPECT_EQ(Shown(IDC_G1_LED_OFF), c.shown);
    EXPECT_EQ(g_bModified, c.modified ? 1u : 0u);
  }
}

TEST_F(Global1, PasswordIsStoredAsTypedPaddedWithBlanksAndClearedToZeros) {
  OpenAs<CGlobal1Page>(IDD_GLOBAL1);
  TypeInto(IDC_G1_PASSWORD, "ab");
  EXPECT_EQ(Shown(IDC_G1_PASSWORD), "AB");
  EXPECT_EQ(std::string(G().password.begin(), G().password.end()), "AB      ");
  EXPECT_EQ(g_bModified, 1u);
  Type("c-d123456789");  // refused characters and an over-long text
  EXPECT_EQ(std::string(G().password.begin(), G().password.end()), "ABCD1234");
  const auto before = Packed();
  for (int i = 0; i < 8; ++i) Key(Qt::Key_Backspace);
  EXPECT_EQ(G().password, (std::array<char, 8>{}));
  ExpectImageDiff(before, {{34}, {35}, {36}, {37}, {38}, {39}, {40}, {41}});  // the password's bytes only
}

// The model change: the save prompt's Cancel changes nothing; without the data
// folder every record is at its defaults and packed; the band's default file
// is loaded otherwise, and byte 249 of the record survives both.
TEST_F(Global1, ChoosingTheModelBeginsAnewFromTheBandsDefaults) {
  // The default files are looked up from the working folder.
  print_test::TempDir dir;
  const auto oldCwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path);
  struct Back {
    std::filesystem::path cwd;
    ~Back() { std::filesystem::current_path(cwd); }
  } back{oldCwd};
  hooks.folder = dir.path.string();
  auto edit = [] {
    G().byte185 = 0xFF;
    G().systemType = 0x00;
    TheModel().store.modelWord = 0x0B12;
    TheModel().store.SetChannelFreq1(0, 46012500);
    g_bModified = 1;
  };
  auto chooseModel = [this] {
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_G1_MODEL, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Page().GetDlgItem(IDC_G1_MODEL)->GetSafeHwnd()));
  };
  OpenAs<CGlobal1Page>(IDD_GLOBAL1);
  edit();
  const auto image = TheModel().image;
  hooks.answer = false;
  chooseModel();
  EXPECT_EQ(hooks.asked, 1);
  EXPECT_EQ(TheModel().image, image);
  EXPECT_EQ(G().byte185, 0xFF);
  EXPECT_EQ(TheModel().store.channels[0].rxFreq, 46012500);
  EXPECT_EQ(g_bModified, 1u);

  // No data folder.
  hooks.answer = true;
  G().hardwareByte = 0x01;
  host.sent.clear();
  chooseModel();
  EXPECT_EQ(prompts.MessageTexts(),
            (std::vector<std::string>{"Problem opening file\n    Data/DEFAULTUP.X417\n\n   Press any key"}));
  EXPECT_EQ(G().hardwareByte, 0x61u);
  EXPECT_EQ(G().bandFlag, 0x60u);
  EXPECT_EQ(TheModel().store.channels[0].rxFreq, 45000000);
  EXPECT_EQ(G().systemType, 0x00);
  EXPECT_NE(G().byte185, 0xFF);
  EXPECT_EQ(TheModel().image[32], 0x61);
  EXPECT_EQ(host.sent.size(), 2u);  // told before the load and by the refresh

  // A default file that loads.
  std::vector<std::uint8_t> file;
  ASSERT_TRUE(BuildDefaultDataFile(true, file));
  file[185] = 0x10;
  file[222] = 57;
  file[249] = 0x40;
  file[3] = 11;
  std::filesystem::create_directories(dir.path / "Data");
  std::ofstream(dir.path / "Data" / "DEFAULTUP.X417", std::ios::binary)
      .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  edit();
  chooseModel();
  EXPECT_EQ(G().byte185, 0x10);
  EXPECT_EQ(G().systemType, 0x00);  // the record's byte 249, not the file's
  EXPECT_EQ(TheModel().store.channels[0].txFreq, 45000000);
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_EQ(Shown(IDC_G1_MIC_SENS), "-3db");
}

// Zones 1 (conventional, groups 1-3), 3 (PassPort, groups 4-8) and 5 (group 9) in use.
void ThreeZones() {
  CChannelStore& s = TheModel().store;
  for (int z = 0; z < kZoneCount; ++z) {
    s.groupCount[z] = 0;
    s.zoneFlags[z] = 0;
    s.zoneFormat[z] = 0;
  }
  s.groupCount[0] = 3;
  s.groupCount[2] = 5;
  s.groupCount[4] = 1;
  s.zoneFormat[2] = 0x10;
  for (int z : {0, 2, 4}) s.zoneFlags[z] = kZoneInUse;
  for (int g = 0; g < 9; ++g) s.groups[g].flags = g == 1 ? 0 : kGroupInUse;
  s.UpdateGroupTotals();
}

TEST_F(Global2, ZoneChoiceRefillsItsGroupListAndResetsTheGroup) {
  ThreeZones();
  G().emergencySystem = 0;
  G().emergencyGroup = 2;
  G().homeSystem = 2;
  G().homeGroup = 4;
  OpenAs<CGlobal2Page>(IDD_GLOBAL2);
  // PassPort zones are listed for home, not for the emergency.
  EXPECT_EQ(Entries(IDC_G2_EMRG_ZONE), (std::vector<std::string>{"None", "Zone  1", "Zone  5"}));
  EXPECT_EQ(Entries(IDC_G2_HOME_ZONE), (std::vector<std::string>{"None", "Zone  1", "Zone  3", "Zone  5"}));
  EXPECT_EQ(Entries(IDC_G2_EMRG_GROUP), (std::vector<std::string>{"None", "Grp  1", "Grp  3"}));
  EXPECT_EQ(Shown(IDC_G2_EMRG_GROUP), "Grp  3");
  EXPECT_EQ(Shown(IDC_G2_HOME_GROUP), "Grp  5");

  Choose(IDC_G2_EMRG_ZONE, 2);
  EXPECT_EQ(G().emergencySystem, 4);
  EXPECT_EQ(G().emergencyGroup, 255);
  EXPECT_EQ(Entries(IDC_G2_EMRG_GROUP), (std::vector<std::string>{"None", "Grp  9"}));
  Choose(IDC_G2_EMRG_GROUP, 1);
  EXPECT_EQ(G().emergencyGroup, 8);
  // The same zone again keeps the group; "None" clears both.
  Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_G2_EMRG_ZONE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Page().GetDlgItem(IDC_G2_EMRG_ZONE)->GetSafeHwnd()));
  EXPECT_EQ(G().emergencyGroup, 8);
  Choose(IDC_G2_EMRG_ZONE, 0);
  EXPECT_EQ(G().emergencySystem, 255);
  EXPECT_EQ(G().emergencyGroup, 255);
  EXPECT_EQ(Entries(IDC_G2_EMRG_GROUP), (std::vector<std::string>{"None"}));

  // A zone the list does not show: nothing selected, and a change notice stores nothing.
  G().shortCutZone[1] = 7;
  g_bModified = 0;
  FieldPage()->UpdateControls();
  EXPECT_EQ(Sel(IDC_G2_SC2_ZONE), -1);
  Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_G2_SC2_ZONE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Page().GetDlgItem(IDC_G2_SC2_ZONE)->GetSafeHwnd()));
  EXPECT_EQ(G().shortCutZone[1], 7);
  EXPECT_EQ(g_bModified, 0u);
}

// The data mode and zone lists belong to production type 11 radios; the data
// group list is never enabled, on any radio, whatever zone is chosen.
TEST_F(Global2, DataListsBelongToProductionType11) {
  for (std::uint8_t type : {11, 5}) {
    LoadRadio(Band::Uhf, type);
    ThreeZones();
    OpenAs<CGlobal2Page>(IDD_GLOBAL2);
    for (int id : {IDC_G2_DATA_MODE, IDC_G2_DATA_ZONE}) EXPECT_EQ(Enabled(id), type == 11) << id;
    Choose(IDC_G2_DATA_ZONE, 1);
    EXPECT_FALSE(Enabled(IDC_G2_DATA_GROUP));
    EXPECT_FALSE(Enabled(IDC_G2_CLONE));
    EXPECT_FALSE(Page().GetDlgItem(IDC_G2_TEST_MODE)->IsWindowVisible());
  }
}

}  // namespace
}  // namespace page_test
