// The Global 1 and Global 2 pages: what their tables cannot say (the model
// report and change, the typed LED times and password, the zone and group
// pairs, the controls their templates keep disabled or hidden).
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

class GlobalPages : public PageHarness {
 protected:
  // The list's change notice, as the list sends it (also for the entry it shows already).
  void SelChange(int id) {
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Page().GetDlgItem(id)->GetSafeHwnd()));
  }
  static std::string Password() { return std::string(G().password.begin(), G().password.end()); }
};

// Showing the page reports the listed model to the main dialog; keys on the
// list do not choose it again; a radio not named shows no model. The group
// captions are bold.
TEST_F(GlobalPages, Global1ReportsItsModel) {
  Open(IDD_GLOBAL1);
  EXPECT_TRUE(Page().GetDlgItem(IDC_G1_GRP_SCAN)->GetFont().bold());
  EXPECT_FALSE(Page().GetDlgItem(IDC_G1_LED_ON)->GetFont().bold());
  host.sent.clear();
  Page().ShowWindow(SW_HIDE);
  Page().ShowWindow(SW_SHOW);
  ASSERT_EQ(host.sent.size(), 2u);
  EXPECT_EQ(host.sent[1].message, WM_MODEL_CHANGED);
  EXPECT_EQ(host.sent[1].lParam, 0);
  EXPECT_EQ(g_bModified, 0u);
  FocusOn(IDC_G1_MODEL);
  Key(Qt::Key_Return);
  Key(Qt::Key_Escape);
  Type("t");
  EXPECT_EQ(hooks.asked, 0);
  LoadRadio(Band::Uhf, 0);
  EXPECT_EQ(Sel(IDC_G1_MODEL), -1);
}

// The LED times are typed in milliseconds (a click, then digits that replace
// the whole text), 2550 at most, and stored in tens rounded half up. The
// password is stored upper-case and padded with blanks, and cleared to zeros.
TEST_F(GlobalPages, Global1TypedLedTimesAndPassword) {
  G().byte755 = 50;
  Open(IDD_GLOBAL1);
  EXPECT_EQ(Shown(IDC_G1_LED_ON), "500msec");
  const struct {
    const char* typed;
    int stored;
    const char* shown;
    bool modified;
  } cases[] = {{"2550", 255, "2550msec", true}, {"2551", 255, "2550msec", false}, {"2544", 254, "2540msec", true},
               {"4", 0, "0msec", true},         {"5", 1, "10msec", true},         {"+1 2-0", 12, "120msec", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    g_bModified = 0;
    Click(Page().GetDlgItem(IDC_G1_LED_OFF));
    Pump();
    Type(c.typed);
    FocusOn(IDC_G1_DIMMER);
    EXPECT_EQ(G().byte756, c.stored);
    EXPECT_EQ(Shown(IDC_G1_LED_OFF), c.shown);
    EXPECT_EQ(g_bModified, c.modified ? 1u : 0u);
  }

  TypeInto(IDC_G1_PASSWORD, "ab");
  EXPECT_EQ(Shown(IDC_G1_PASSWORD), "AB");
  EXPECT_EQ(Password(), "AB      ");
  EXPECT_EQ(g_bModified, 1u);
  Type("c-d123456789");  // refused characters and an over-long text
  EXPECT_EQ(Password(), "ABCD1234");
  const auto before = Packed();
  for (int i = 0; i < 8; ++i) Key(Qt::Key_Backspace);
  EXPECT_EQ(G().password, (std::array<char, 8>{}));
  ExpectImageDiff(before, {{34}, {35}, {36}, {37}, {38}, {39}, {40}, {41}});  // the password's bytes only
}

// The model change: the save prompt's Cancel changes nothing; without the data
// folder every record is at its defaults and the image is the band's default
// file as the build writes it; the band's default file is loaded otherwise,
// and byte 249 of the record survives both.
TEST_F(GlobalPages, Global1ModelChoiceBeginsAnewFromTheBandsDefaults) {
  // The default files are looked up from the working folder.
  print_test::TempDir dir;
  struct Back {
    std::filesystem::path cwd;
    ~Back() { std::filesystem::current_path(cwd); }
  } back{std::filesystem::current_path()};
  std::filesystem::current_path(dir.path);
  hooks.folder = dir.path.string();
  auto edit = [] {
    G().byte185 = 0xFF;
    G().systemType = 0x00;
    TheModel().store.modelWord = 0x0B12;
    TheModel().store.SetChannelFreq1(0, 46012500);
    g_bModified = 1;
  };
  Open(IDD_GLOBAL1);
  edit();
  const auto image = TheModel().image;
  hooks.answer = false;
  SelChange(IDC_G1_MODEL);
  EXPECT_EQ(hooks.asked, 1);
  EXPECT_EQ(TheModel().image, image);
  EXPECT_EQ(G().byte185, 0xFF);
  EXPECT_EQ(TheModel().store.channels[0].rxFreq, 46012500);
  EXPECT_EQ(g_bModified, 1u);

  // No data folder: the built-in defaults, over another radio's bytes, with
  // the kept system type (LTR as the defaults, and PassPort) in record and image.
  std::vector<std::uint8_t> built;
  ASSERT_TRUE(BuildDefaultDataFile(true, built));
  hooks.answer = true;
  for (const std::uint8_t kept : {built[img::kSystemType], std::uint8_t(built[img::kSystemType] ^ 0x40)}) {
    SCOPED_TRACE(int(kept));
    G().hardwareByte = 0x01;
    G().systemType = kept;
    std::fill(TheModel().image.begin(), TheModel().image.end(), 0x5A);  // another radio's bytes
    host.sent.clear();
    prompts.Clear();
    SelChange(IDC_G1_MODEL);
    EXPECT_EQ(prompts.MessageTexts(),
              (std::vector<std::string>{"Problem opening file\n    Data/DEFAULTUP.X417\n\n   Press any key"}));
    EXPECT_EQ(G().hardwareByte, 0x61u);
    EXPECT_EQ(G().bandFlag, 0x60u);
    EXPECT_EQ(TheModel().store.channels[0].rxFreq, 45000000);
    EXPECT_EQ(G().systemType, kept);
    EXPECT_EQ(TheModel().image[img::kSystemType], kept);
    EXPECT_NE(G().byte185, 0xFF);
    EXPECT_EQ(TheModel().image[32], 0x61);
    EXPECT_EQ(host.sent.size(), 2u);  // told before the load and by the refresh
    // With the defaults' own system type the image is the default file the
    // build writes, but for the first channel's record (both frequencies at
    // 450 MHz); with either, it holds what the records hold.
    for (std::size_t i = 0; kept == built[img::kSystemType] && i < kFileImagePart; ++i) {
      if (i < ChannelOffset(0) || i >= ChannelOffset(1)) {
        ASSERT_EQ(TheModel().image[i], built[i]) << "byte " << i;
      }
    }
    EXPECT_TRUE(std::equal(built.begin() + kFileImagePart, built.end(), TheModel().tail.begin()));
    auto repacked = TheModel().image;
    ASSERT_EQ(TheModel().PackImage(repacked.data()), 1);
    EXPECT_EQ(repacked, TheModel().image);
  }

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
  SelChange(IDC_G1_MODEL);
  EXPECT_EQ(G().byte185, 0x10);
  EXPECT_EQ(G().systemType, 0x00);  // the record's byte 249, not the file's
  EXPECT_EQ(TheModel().image[img::kSystemType], 0x00);
  // The image holds what the records hold: the zones in the kept type's layout too.
  auto repacked = TheModel().image;
  ASSERT_EQ(TheModel().PackImage(repacked.data()), 1);
  EXPECT_EQ(repacked, TheModel().image);
  EXPECT_EQ(TheModel().store.channels[0].txFreq, 45000000);
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_EQ(Shown(IDC_G1_MIC_SENS), "-3db");
}

// A zone list shows the zones in use (PassPort ones for home, not for the
// emergency) and its group list the zone's groups in use; another zone resets
// the group, the same zone keeps it, "None" clears both; a zone the list does
// not show selects nothing and stores nothing. The data group list, Clone and
// Test Mode are never enabled or shown, whatever data zone is chosen.
TEST_F(GlobalPages, Global2ZoneChoiceRefillsItsGroupListAndResetsTheGroup) {
  // Zones 1 (conventional, groups 1-3), 3 (PassPort, groups 4-8) and 5 (group 9) in use.
  for (std::uint8_t type : {5, 11}) {
    LoadRadio(Band::Uhf, type);
    CChannelStore& s = TheModel().store;
    for (int z = 0; z < kZoneCount; ++z) {
      s.groupCount[z] = std::uint8_t(z == 0 ? 3 : z == 2 ? 5 : z == 4 ? 1 : 0);
      s.zoneFlags[z] = std::uint8_t(z == 0 || z == 2 || z == 4 ? kZoneInUse : 0);
      s.zoneFormat[z] = std::uint8_t(z == 2 ? 0x10 : 0);
    }
    for (int g = 0; g < 9; ++g) s.groups[g].flags = g == 1 ? 0 : kGroupInUse;
    s.UpdateGroupTotals();
    G().emergencySystem = 0;
    G().emergencyGroup = 2;
    G().homeSystem = 2;
    G().homeGroup = 4;
    Open(IDD_GLOBAL2);
    Choose(IDC_G2_DATA_ZONE, 1);
    EXPECT_FALSE(Enabled(IDC_G2_DATA_GROUP));
    EXPECT_FALSE(Enabled(IDC_G2_CLONE));
    EXPECT_FALSE(Page().GetDlgItem(IDC_G2_TEST_MODE)->IsWindowVisible());
  }
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
  SelChange(IDC_G2_EMRG_ZONE);
  EXPECT_EQ(G().emergencyGroup, 8);
  Choose(IDC_G2_EMRG_ZONE, 0);
  EXPECT_EQ(G().emergencySystem, 255);
  EXPECT_EQ(G().emergencyGroup, 255);
  EXPECT_EQ(Entries(IDC_G2_EMRG_GROUP), (std::vector<std::string>{"None"}));

  G().shortCutZone[1] = 7;
  g_bModified = 0;
  FieldPage()->UpdateControls();
  EXPECT_EQ(Sel(IDC_G2_SC2_ZONE), -1);
  SelChange(IDC_G2_SC2_ZONE);
  EXPECT_EQ(G().shortCutZone[1], 7);
  EXPECT_EQ(g_bModified, 0u);

}

}  // namespace
}  // namespace page_test
