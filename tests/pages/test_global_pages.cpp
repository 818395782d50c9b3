// The Global 1 and Global 2 pages: the image bits each list owns, and the
// handlers their tables cannot say (the model change, the LED times, the
// password, the emergency code, the zone and group pairs, the enable rules).
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

TEST_F(Global1, EveryListOwnsItsImageBits) {
  OpenAs<CGlobal1Page>(IDD_GLOBAL1);
  const ImageFact facts[] = {
      {IDC_G1_LCD_ANGLE, 42, 0x01},        {IDC_G1_CONFIGURE, 182, 0x0E},       {IDC_G1_BACK_LIGHT, 182, 0x40},
      {IDC_G1_DIMMER, 244, 0x03},          {IDC_G1_CONTRAST, 43, 0xF0},         {IDC_G1_RX_SAVE, 186, 0x07},
      {IDC_G1_MIC_SENS, 222, 0xFF},        {IDC_G1_BEEP_LEVEL, 223, 0xFF},      {IDC_G1_SCAN_BEEP_AUDIBLE, 209, 0x04},
      {IDC_G1_LOW_BATTERY_ALERT, 204, 0x02}, {IDC_G1_POWER_ON_TONE, 185, 0x10}, {IDC_G1_CONTROLS_TONES, 185, 0x08},
      {IDC_G1_FUNCTIONAL_TONES, 185, 0x04}, {IDC_G1_APO_TIME, 186, 0xC0},       {IDC_G1_TPAC_BEEP, 202, 0x08},
      {IDC_G1_HIGH_BATTERY, 204, 0x01},    {IDC_G1_LOCK_RESTRICTION, 208, 0x07}, {IDC_G1_OFF_HOOK_SCAN, 185, 0x80},
      {IDC_G1_OFF_HOOK_MONITOR, 185, 0x40}, {IDC_G1_OFF_HOOK_HORN, 185, 0x20},  {IDC_G1_SYSTEM_SCAN, 30, 0x20},
      {IDC_G1_ROTARY_SWITCH, 182, 0x80},   {IDC_G1_ZONE_SCAN, 246, 0x20},       {IDC_G1_DUAL_WATCH_A, 184, 0xFF},
      {IDC_G1_DUAL_WATCH_B, 187, 0xFF},    {IDC_G1_SCAN_RESUME_RX, 183, 0x0F},  {IDC_G1_SCAN_RESUME_TX, 183, 0xF0},
      {IDC_G1_HOME_GRP_SCAN, 182, 0x20},   {IDC_G1_SCAN_EDIT, 209, 0x08},       {IDC_G1_REVERT_GROUP, 208, 0x18},
      {IDC_G1_TALK_BACK, 182, 0x10},       {IDC_G1_SCAN_DISPLAY, 704, 0x80},    {IDC_G1_OPTION_BOARD, 247, 0xE7},
  };
  CheckImageFacts(facts);
}

TEST_F(Global2, EveryListOwnsItsImageBits) {
  OpenAs<CGlobal2Page>(IDD_GLOBAL2);
  const ImageFact facts[] = {
      {IDC_G2_LOCK_OUT, 209, 0x20},      {IDC_G2_TX_TIME, 206, 0x0F},         {IDC_G2_RX_TIME, 206, 0xF0},
      {IDC_G2_AF_MUTE, 207, 0x40},       {IDC_G2_DISPLAY, 705, 0x10},         {IDC_G2_LCD, 207, 0x20},
      {IDC_G2_LED, 207, 0x10},           {IDC_G2_LED_BLINK, 757, 0x70},       {IDC_G2_LED_COLOR, 757, 0x06},
      {IDC_G2_KEY_INHIBIT, 705, 0x20},   {IDC_G2_RECEIVER_FLASH, 705, 0x08},  {IDC_G2_SILENT_MODE, 757, 0x80},
      {IDC_G2_EMERGENCY_TIME, 207, 0x0F}, {IDC_G2_EMRG_KEY_HOLD, 209, 0xC0},  {IDC_G2_MICROPHONE, 205, 0x20},
      {IDC_G2_POWER_ON, 208, 0xE0},      {IDC_G2_TOT_PENALTY, 200, 0x0C},     {IDC_G2_TOT_RELEASE, 200, 0x03},
      {IDC_G2_SIGNAL_DECODE, 213, 0x01}, {IDC_G2_SQL_TAIL, 205, 0x40},        {IDC_G2_TPAC_BEEP, 202, 0x08},
      {IDC_G2_TPAC_TX_TIME, 202, 0x04},  {IDC_G2_TPAC_MODE, 705, 0x03},       {IDC_G2_KEY_HOLD, 205, 0x0C},
      {IDC_G2_SQL_OFFSET, 43, 0x0F},     {IDC_G2_CLONE, 205, 0x01},           {IDC_G2_PTT_INTERLOCK, 204, 0x04},
      {IDC_G2_DATA_MODE, 233, 0x60},
  };
  CheckImageFacts(facts);
}

TEST_F(Global1, TheTwoScanBeepListsAndTheEnableRules) {
  OpenAs<CGlobal1Page>(IDD_GLOBAL1);
  Choose(IDC_G1_SCAN_BEEP_AUDIBLE, 0);
  EXPECT_EQ(Shown(IDC_G1_SCAN_BEEP_SCAN), "Disable");
  Choose(IDC_G1_SCAN_BEEP_SCAN, 1);
  EXPECT_EQ(Shown(IDC_G1_SCAN_BEEP_AUDIBLE), "Enable");
  EXPECT_EQ(gf::kScanBeep.Get(TheModel()), 1u);

  const int type11Only[] = {IDC_G1_CONFIGURE,     IDC_G1_BACK_LIGHT,       IDC_G1_MIC_SENS,     IDC_G1_BEEP_LEVEL,
                            IDC_G1_OFF_HOOK_SCAN, IDC_G1_OFF_HOOK_MONITOR, IDC_G1_OFF_HOOK_HORN};
  const int othersOnly[] = {IDC_G1_ROTARY_SWITCH, IDC_G1_RX_SAVE, IDC_G1_LOW_BATTERY_ALERT};
  for (std::uint8_t type : {11, 0, 12}) {
    SCOPED_TRACE(int(type));
    LoadRadio(Band::Uhf, type);
    for (int id : type11Only) EXPECT_EQ(Enabled(id), type == 11) << id;
    for (int id : othersOnly) EXPECT_EQ(Enabled(id), type != 11) << id;
    for (int id : {IDC_G1_LCD_ANGLE, IDC_G1_ZONE_SCAN, IDC_G1_DUAL_WATCH_A, IDC_G1_OPTION_BOARD}) {
      EXPECT_FALSE(Enabled(id)) << id;
    }
  }
  // The option board is for the "-m" mode only; the group captions are bold.
  hooks.modeM = true;
  OpenAs<CGlobal1Page>(IDD_GLOBAL1);
  EXPECT_TRUE(Enabled(IDC_G1_OPTION_BOARD));
  EXPECT_TRUE(Page().GetDlgItem(IDC_G1_GRP_SCAN)->GetFont().bold());
  EXPECT_FALSE(Page().GetDlgItem(IDC_G1_LED_ON)->GetFont().bold());
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
  ExpectImageDiff(before, {{34}, {35}, {36}, {37}, {38}, {39}, {40}, {41}});
}

TEST_F(Global1, ShowingRefreshesAndReportsTheModelAndKeysDoNothingElse) {
  OpenAs<CGlobal1Page>(IDD_GLOBAL1);
  EXPECT_EQ(Shown(IDC_G1_MODEL), kGlobal1ModelName);
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
  auto entries = [this](int id) {
    std::vector<std::string> texts;
    const int n = static_cast<int>(Page().SendDlgItemMessage(id, CB_GETCOUNT));
    for (int i = 0; i < n; ++i) texts.push_back(static_cast<CComboBox*>(Page().GetDlgItem(id))->GetLBText(i));
    return texts;
  };
  // PassPort zones are listed for home, not for the emergency.
  EXPECT_EQ(entries(IDC_G2_EMRG_ZONE), (std::vector<std::string>{"None", "Zone  1", "Zone  5"}));
  EXPECT_EQ(entries(IDC_G2_HOME_ZONE), (std::vector<std::string>{"None", "Zone  1", "Zone  3", "Zone  5"}));
  EXPECT_EQ(entries(IDC_G2_EMRG_GROUP), (std::vector<std::string>{"None", "Grp  1", "Grp  3"}));
  EXPECT_EQ(Shown(IDC_G2_EMRG_GROUP), "Grp  3");
  EXPECT_EQ(Shown(IDC_G2_HOME_GROUP), "Grp  5");

  Choose(IDC_G2_EMRG_ZONE, 2);
  EXPECT_EQ(G().emergencySystem, 4);
  EXPECT_EQ(G().emergencyGroup, 255);
  EXPECT_EQ(entries(IDC_G2_EMRG_GROUP), (std::vector<std::string>{"None", "Grp  9"}));
  EXPECT_EQ(g_bModified, 1u);
  const auto before = Packed();
  Choose(IDC_G2_EMRG_GROUP, 1);
  EXPECT_EQ(G().emergencyGroup, 8);
  ExpectImageDiff(before, {{234}});  // the group's number within its zone
  // The same zone again keeps the group; "None" clears both.
  Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_G2_EMRG_ZONE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Page().GetDlgItem(IDC_G2_EMRG_ZONE)->GetSafeHwnd()));
  EXPECT_EQ(G().emergencyGroup, 8);
  Choose(IDC_G2_EMRG_ZONE, 0);
  EXPECT_EQ(G().emergencySystem, 255);
  EXPECT_EQ(G().emergencyGroup, 255);
  EXPECT_EQ(entries(IDC_G2_EMRG_GROUP), (std::vector<std::string>{"None"}));

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

TEST_F(Global2, EmergencyCodeShowsExactlyItsDigits) {
  OpenAs<CGlobal2Page>(IDD_GLOBAL2);
  TypeInto(IDC_G2_CODE, "12*#");
  const auto& code = G().emergencyCode;
  EXPECT_EQ(code[0], 0x41);  // length 4, digit 1
  EXPECT_EQ(code[1], 0x2E);  // digit 2 high, '*' low
  EXPECT_EQ(code[2], 0xF0);  // '#'
  EXPECT_EQ(g_bModified, 1u);
  // Backspace and a digit: the text and the stored length agree.
  Key(Qt::Key_Backspace);
  Type("3");
  EXPECT_EQ(Shown(IDC_G2_CODE), "12*3");
  EXPECT_EQ(code[0] >> 4, 4);
  EXPECT_EQ(code[2], 0x30);
  // E, F and other letters are refused; a to d are taken in upper case.
  TypeInto(IDC_G2_CODE, "aEfxd");
  EXPECT_EQ(Shown(IDC_G2_CODE), "AD");
  // Fifteen characters at most; all cleared stores an empty code.
  TypeInto(IDC_G2_CODE, "0123456789ABCD*9");
  EXPECT_EQ(Shown(IDC_G2_CODE), "0123456789ABCD*");
  EXPECT_EQ(code[7], 0xDE);
  const auto before = Packed();
  for (int i = 0; i < 15; ++i) Key(Qt::Key_Backspace);
  EXPECT_EQ(code, (std::array<std::uint8_t, 8>{}));
  ExpectImageDiff(before, {{646}, {647}, {648}, {649}, {650}, {651}, {652}, {653}});
}

// The data mode and zone lists belong to production type 11 radios; the data
// group list is never enabled, on any radio.
TEST_F(Global2, DataListsBelongToProductionType11) {
  for (std::uint8_t type : {11, 5}) {
    LoadRadio(Band::Uhf, type);
    OpenAs<CGlobal2Page>(IDD_GLOBAL2);
    for (int id : {IDC_G2_DATA_MODE, IDC_G2_DATA_ZONE}) EXPECT_EQ(Enabled(id), type == 11) << id;
    EXPECT_FALSE(Enabled(IDC_G2_DATA_GROUP));
    EXPECT_FALSE(Enabled(IDC_G2_CLONE));
    EXPECT_FALSE(Page().GetDlgItem(IDC_G2_TEST_MODE)->IsWindowVisible());
  }
}

}  // namespace
}  // namespace page_test
