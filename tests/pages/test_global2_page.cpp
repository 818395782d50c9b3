// The Global 2 page in an offscreen window: every list refreshed from the
// record and committed into its bits by real key presses, the zone and group
// pairs, the emergency code typed into its cell, and the enable rules.
#include <string>
#include <vector>

#include "model/edit_model.h"
#include "pages/settings/global2_page.h"
#include "ui/ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kHostId = 9140;

CGlobalSettings& G() { return TheModel().global; }

// Zone 1 conventional with groups 1 and 3 in use (2 is not), zone 3 PassPort
// with groups 4 and 5, zone 5 LTR with group 6.
void SetUpStore(int productionType) {
  TheModel().ResetEditModel();
  CChannelStore& s = TheModel().store;
  for (auto& g : s.groups) g.flags = static_cast<std::uint8_t>(g.flags & ~kGroupInUse);
  auto zone = [&](int z, std::uint8_t format, int count) {
    s.zoneFlags[z] = kZoneInUse;
    s.zoneFormat[z] = format;
    s.groupCount[z] = static_cast<std::uint8_t>(count);
  };
  zone(0, 0x00, 3);
  zone(2, 0x10, 2);
  zone(4, 0x04, 1);
  for (int g : {0, 2, 3, 4, 5}) s.groups[g].flags |= kGroupInUse;
  s.modelWord = static_cast<std::uint32_t>(productionType) << 8;
}

class Global2PageTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    DialogTemplate host;
    host.id = kHostId;
    host.cx = 380;
    host.cy = 330;
    RegisterDialogTemplate(host);
    SetUpStore(11);
    g_bModified = 0;
  }
  void TearDown() override {
    page.DestroyWindow();
    main.DestroyWindow();
    TheModel().ResetEditModel();
    g_bModified = 0;
    WndTest::TearDown();
  }
  void Open() {
    ASSERT_TRUE(main.Create(kHostId));
    ASSERT_TRUE(Activate(main));
    ASSERT_TRUE(page.Create(CGlobal2Page::IDD, &main));
    page.ShowWindow(SW_SHOW);
  }
  std::string Shown(int id) {
    std::string text;
    const LRESULT sel = page.SendDlgItemMessage(id, CB_GETCURSEL);
    if (sel < 0) return "<none>";
    page.SendDlgItemMessage(id, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(&text));
    return text;
  }
  std::vector<std::string> Entries(int id) {
    std::vector<std::string> all;
    const LRESULT n = page.SendDlgItemMessage(id, CB_GETCOUNT);
    for (LRESULT i = 0; i < n; ++i) {
      std::string text;
      page.SendDlgItemMessage(id, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text));
      all.push_back(text);
    }
    return all;
  }
  void FocusOn(int id) {
    page.GotoDlgCtrl(page.GetDlgItem(id));
    ASSERT_TRUE(PumpUntil([&] {
      CWnd* f = CWnd::GetFocus();
      return f && f->GetDlgCtrlID() == id;
    }));
  }
  void Choose(int id, Qt::Key key) {
    FocusOn(id);
    Key(key);
  }
  bool Enabled(int id) { return page.GetDlgItem(id)->IsWindowEnabled(); }

  CDialog main{kHostId};
  CGlobal2Page page;
};

// A plain list: its byte, mask and the codes of its first two entries.
struct ListCase {
  int id;
  std::uint8_t CGlobalSettings::*byte;
  std::uint8_t mask;
  std::uint8_t first, second;  // codes of entries 0 and 1
};
const ListCase kVisibleLists[] = {
    {IDC_G2_LOCK_OUT, &CGlobalSettings::byte209, 0x20, 0, 1},
    {IDC_G2_TX_TIME, &CGlobalSettings::byte206, 0x0F, 0, 1},
    {IDC_G2_RX_TIME, &CGlobalSettings::byte206, 0xF0, 0, 1},
    {IDC_G2_AF_MUTE, &CGlobalSettings::byte207, 0x40, 0, 1},
    {IDC_G2_DISPLAY, &CGlobalSettings::byte705, 0x10, 0, 1},
    {IDC_G2_LCD, &CGlobalSettings::byte207, 0x20, 0, 1},
    {IDC_G2_LED, &CGlobalSettings::byte207, 0x10, 0, 1},
    {IDC_G2_LED_BLINK, &CGlobalSettings::byte757, 0x70, 0, 4},
    {IDC_G2_LED_COLOR, &CGlobalSettings::byte757, 0x06, 2, 1},
    {IDC_G2_KEY_INHIBIT, &CGlobalSettings::byte705, 0x20, 0, 1},
    {IDC_G2_SILENT_MODE, &CGlobalSettings::byte757, 0x80, 0, 1},
    {IDC_G2_EMERGENCY_TIME, &CGlobalSettings::byte207, 0x0F, 0, 1},
    {IDC_G2_EMRG_KEY_HOLD, &CGlobalSettings::byte209, 0xC0, 0, 1},
    {IDC_G2_POWER_ON, &CGlobalSettings::byte208, 0xE0, 0, 1},
    {IDC_G2_TOT_PENALTY, &CGlobalSettings::byte200, 0x0C, 0, 1},
    {IDC_G2_TOT_RELEASE, &CGlobalSettings::byte200, 0x03, 0, 1},
    {IDC_G2_TPAC_BEEP, &CGlobalSettings::byte202, 0x08, 0, 1},
    {IDC_G2_TPAC_TX_TIME, &CGlobalSettings::byte202, 0x04, 0, 1},
    {IDC_G2_TPAC_MODE, &CGlobalSettings::byte705, 0x03, 0, 1},
    {IDC_G2_SQL_OFFSET, &CGlobalSettings::byte43, 0x0F, 0, 1},
    {IDC_G2_PTT_INTERLOCK, &CGlobalSettings::byte204, 0x04, 0, 1},
    {IDC_G2_DATA_MODE, &CGlobalSettings::byte233, 0x60, 1, 2},
};

std::uint8_t At(std::uint8_t code, std::uint8_t mask) {
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  return static_cast<std::uint8_t>(code << shift);
}

TEST_F(Global2PageTest, EveryVisibleListCommitsIntoItsBitsOnly) {
  Open();
  for (const ListCase& c : kVisibleLists) {
    SCOPED_TRACE(c.id);
    std::uint8_t& byte = G().*c.byte;
    byte = static_cast<std::uint8_t>(~c.mask | At(c.first, c.mask));  // every other bit set
    page.UpdateControls();
    g_bModified = 0;
    Choose(c.id, Qt::Key_Down);
    EXPECT_EQ(byte, static_cast<std::uint8_t>(~c.mask | At(c.second, c.mask)));
    EXPECT_EQ(g_bModified, 1u);
    byte = static_cast<std::uint8_t>(At(c.second, c.mask));  // every other bit clear
    page.UpdateControls();
    Choose(c.id, Qt::Key_Up);
    EXPECT_EQ(byte, At(c.first, c.mask));
  }
}

TEST_F(Global2PageTest, RefreshShowsTheRecordAndCodesWithoutAnEntryShowTheDefault) {
  G().byte209 = 0x20 | 0x80;  // lock out on, key holding 2.0s
  G().byte206 = 0xF0;         // Tx 5sec, Rx 160sec
  G().byte207 = 0x4F;         // AF mute on, LCD and LED off, 160Min
  G().byte705 = 0x32;         // display, key inhibit on; TPAC TX
  G().byte757 = 0x80 | 0x10;  // silent; blink 1 and colour 0 have no entry
  G().byte208 = 0x20;         // Zone 1
  G().byte200 = 0x0E;         // 60sec, 3sec
  G().byte202 = 0x04;         // beep off, 55sec
  G().byte43 = 0x0D;          // 13: no entry
  G().byte204 = 0x00;
  G().byte233 = 0x60;  // 3: no entry
  Open();
  std::vector<std::string> shown;
  for (const ListCase& c : kVisibleLists) shown.push_back(Shown(c.id));
  EXPECT_EQ(shown, (std::vector<std::string>{"Enable", "  5sec", "160sec", "Enable", "Enable", "Disable", "Disable",
                                             "Off", "Red", "Enable", "On", "160Min", "2.0s", "Zone 1", "60sec",
                                             "3sec", "Disable", "55sec", "TX", "9", "Disable", "Disable"}));
  EXPECT_EQ(Entries(IDC_G2_TX_TIME).back(), " 80sec");
  EXPECT_EQ(Entries(IDC_G2_SQL_OFFSET).size(), 13u);
  EXPECT_EQ(g_bModified, 0u);

  // Captions from the page, the group captions bold.
  EXPECT_EQ(page.GetDlgItemText(IDC_G2_CAP_AF_MUTE), "EMRG. AF Mute");
  EXPECT_EQ(page.GetDlgItemText(IDC_G2_CAP_SC3), "Short cut #3");
  EXPECT_TRUE(page.GetDlgItem(IDC_G2_CAP_SPECIAL)->GetFont().bold());
  EXPECT_TRUE(page.GetDlgItem(IDC_G2_CAP_TPAC)->GetFont().bold());
  EXPECT_FALSE(page.GetDlgItem(IDC_G2_CAP_ZONE_GROUP)->GetFont().bold());

  // The record changes behind the page: hiding and showing it shows the change.
  G().byte43 = 0x03;
  G().byte757 = 0x54;  // Mode 2, Yellow... colour 2: Green
  page.ShowWindow(SW_HIDE);
  EXPECT_EQ(Shown(IDC_G2_SQL_OFFSET), "3");
  G().byte43 = 0x04;
  page.ShowWindow(SW_SHOW);
  EXPECT_EQ(Shown(IDC_G2_SQL_OFFSET), "4");
  EXPECT_EQ(Shown(IDC_G2_LED_BLINK), "Mode 2");
  EXPECT_EQ(Shown(IDC_G2_LED_COLOR), "Green");
  EXPECT_EQ(g_bModified, 0u);
}

TEST_F(Global2PageTest, HiddenAndDisabledListsAndTheEnableRules) {
  G().byte205 = 0x41;  // SQL tail and clone on
  G().byte233 = 0x40;  // data mode Enable
  G().dataZone = 0;
  Open();
  for (int id : {IDC_G2_RECEIVER_FLASH, IDC_G2_MICROPHONE, IDC_G2_SIGNAL_DECODE, IDC_G2_SQL_TAIL, IDC_G2_KEY_HOLD,
                 IDC_G2_TEST_MODE}) {
    EXPECT_FALSE(page.GetDlgItem(id)->IsWindowVisible()) << id;
  }
  EXPECT_EQ(Shown(IDC_G2_SQL_TAIL), "Enable");  // refreshed all the same
  EXPECT_EQ(Entries(IDC_G2_TEST_MODE).size(), 0u);
  EXPECT_FALSE(Enabled(IDC_G2_CLONE));
  EXPECT_EQ(Shown(IDC_G2_CLONE), "Enable");
  for (int id : {IDC_G2_HOME_GROUP, IDC_G2_SC1_GROUP, IDC_G2_SC2_GROUP, IDC_G2_SC3_GROUP, IDC_G2_SC4_GROUP,
                 IDC_G2_DATA_GROUP}) {
    EXPECT_FALSE(Enabled(id)) << id;
  }
  EXPECT_TRUE(Enabled(IDC_G2_EMRG_GROUP));
  EXPECT_TRUE(Enabled(IDC_G2_DATA_MODE));
  EXPECT_TRUE(Enabled(IDC_G2_DATA_ZONE));

  // Another production type: the data lists go grey but still show the record.
  TheModel().store.modelWord = 5u << 8;
  page.ShowWindow(SW_HIDE);
  page.ShowWindow(SW_SHOW);
  EXPECT_FALSE(Enabled(IDC_G2_DATA_MODE));
  EXPECT_FALSE(Enabled(IDC_G2_DATA_ZONE));
  EXPECT_EQ(Shown(IDC_G2_DATA_MODE), "Enable");
  EXPECT_EQ(Shown(IDC_G2_DATA_ZONE), "Zone  1");
}

TEST_F(Global2PageTest, ZoneChoiceRefillsItsGroupListAndResetsTheGroup) {
  G().emergencySystem = 0;
  G().emergencyGroup = 2;
  G().homeSystem = 2;  // PassPort: listed for home, not for emergency
  G().homeGroup = 4;
  G().shortCutZone[0] = 0;
  G().shortCutGroup[0] = 0;
  Open();
  EXPECT_EQ(Entries(IDC_G2_EMRG_ZONE), (std::vector<std::string>{"None", "Zone  1", "Zone  5"}));
  EXPECT_EQ(Entries(IDC_G2_HOME_ZONE), (std::vector<std::string>{"None", "Zone  1", "Zone  3", "Zone  5"}));
  EXPECT_EQ(Entries(IDC_G2_EMRG_GROUP), (std::vector<std::string>{"None", "Grp  1", "Grp  3"}));
  EXPECT_EQ(Shown(IDC_G2_EMRG_GROUP), "Grp  3");
  EXPECT_EQ(Shown(IDC_G2_HOME_ZONE), "Zone  3");
  EXPECT_EQ(Shown(IDC_G2_HOME_GROUP), "Grp  5");
  EXPECT_EQ(Shown(IDC_G2_SC1_ZONE), "Zone  1");
  EXPECT_EQ(Shown(IDC_G2_SC1_GROUP), "Grp  1");

  Choose(IDC_G2_EMRG_ZONE, Qt::Key_Down);
  EXPECT_EQ(G().emergencySystem, 4);
  EXPECT_EQ(G().emergencyGroup, 255);
  EXPECT_EQ(Entries(IDC_G2_EMRG_GROUP), (std::vector<std::string>{"None", "Grp  6"}));
  EXPECT_EQ(Shown(IDC_G2_EMRG_GROUP), "None");
  EXPECT_EQ(g_bModified, 1u);
  Choose(IDC_G2_EMRG_GROUP, Qt::Key_Down);
  EXPECT_EQ(G().emergencyGroup, 5);

  // The same zone chosen again keeps the group.
  page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_G2_EMRG_ZONE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(page.GetDlgItem(IDC_G2_EMRG_ZONE)->GetSafeHwnd()));
  EXPECT_EQ(G().emergencyGroup, 5);
  EXPECT_EQ(Shown(IDC_G2_EMRG_GROUP), "Grp  6");

  // "None": zone and group none, the group list only "None".
  Choose(IDC_G2_EMRG_ZONE, Qt::Key_Home);
  EXPECT_EQ(G().emergencySystem, 255);
  EXPECT_EQ(G().emergencyGroup, 255);
  EXPECT_EQ(Entries(IDC_G2_EMRG_GROUP), (std::vector<std::string>{"None"}));

  // Home: a zone choice resets the group the radio keeps for it.
  Choose(IDC_G2_HOME_ZONE, Qt::Key_Up);
  EXPECT_EQ(G().homeSystem, 0);
  EXPECT_EQ(G().homeGroup, 255);
  EXPECT_EQ(Shown(IDC_G2_HOME_GROUP), "None");
  Choose(IDC_G2_SC4_ZONE, Qt::Key_End);
  EXPECT_EQ(G().shortCutZone[3], 4);
  EXPECT_EQ(G().shortCutGroup[3], 255);
  Choose(IDC_G2_DATA_ZONE, Qt::Key_Home);
  EXPECT_EQ(G().dataZone, 255);
  EXPECT_EQ(G().dataGroup, 255);
}

TEST_F(Global2PageTest, ZonesTheListsDoNotShow) {
  G().emergencySystem = 2;  // a PassPort zone: not in the emergency list
  G().shortCutZone[1] = 7;  // not in use
  Open();
  EXPECT_EQ(Shown(IDC_G2_EMRG_ZONE), "<none>");
  EXPECT_EQ(Shown(IDC_G2_EMRG_GROUP), "None");
  EXPECT_EQ(Shown(IDC_G2_SC2_ZONE), "<none>");
  // Nothing selected: a change notice stores nothing.
  page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_G2_SC2_ZONE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(page.GetDlgItem(IDC_G2_SC2_ZONE)->GetSafeHwnd()));
  EXPECT_EQ(G().shortCutZone[1], 7);
  EXPECT_EQ(g_bModified, 0u);

  // With no zone in use every zone list holds "None" only.
  for (auto& f : TheModel().store.zoneFlags) f = 0;
  page.UpdateControls();
  for (int id : {IDC_G2_EMRG_ZONE, IDC_G2_HOME_ZONE, IDC_G2_SC1_ZONE, IDC_G2_SC4_ZONE, IDC_G2_DATA_ZONE}) {
    EXPECT_EQ(Entries(id), (std::vector<std::string>{"None"})) << id;
  }
}

TEST_F(Global2PageTest, EmergencyCodeTypedIntoItsCell) {
  Open();
  EXPECT_EQ(page.GetDlgItemText(IDC_G2_CODE), std::string(15, ' '));
  FocusOn(IDC_G2_CODE);
  Pump();  // the whole text is selected: typing replaces it
  Type("12*#");
  EXPECT_EQ(g_bModified, 1u);
  const auto& code = G().emergencyCode;
  EXPECT_EQ(code[0], 0x41);  // length 4, place 0 = 1
  EXPECT_EQ(code[1], 0x2E);  // place 1 = 2 (high), place 2 = '*' (low)
  EXPECT_EQ(code[2], 0xF0);  // place 3 = '#'
  page.UpdateControls();
  EXPECT_EQ(page.GetDlgItemText(IDC_G2_CODE), "12*#" + std::string(11, ' '));

  // E, F and other letters are refused; a to d are taken in upper case.
  FocusOn(IDC_G2_CODE);
  Pump();
  Type("aEfxd");
  EXPECT_EQ(page.GetDlgItemText(IDC_G2_CODE), "AD");
  EXPECT_EQ(code[0], 0x2A);
  EXPECT_EQ(code[1], 0xD0);

  // Deleting every character clears the code.
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(code, (std::array<std::uint8_t, 8>{}));

  // Fifteen characters: a code of fifteen, and no sixteenth.
  Type("0123456789ABCD*9");
  EXPECT_EQ(page.GetDlgItemText(IDC_G2_CODE), "0123456789ABCD*");
  EXPECT_EQ(code[0] >> 4, 15);
  EXPECT_EQ(code[7], 0xDE);  // places 13 and 14
  EXPECT_EQ(CGlobal2Page::FormatEmergencyCode(), "0123456789ABCD*");
  EXPECT_GT(prompts.Beeps(), 0);
}

TEST(Global2Code, BlanksEndTheCodeAndStrayCharactersStayInTheirPlace) {
  g_bModified = 0;
  CGlobal2Page::StoreEmergencyCode("12 4");
  const auto& code = G().emergencyCode;
  EXPECT_EQ(code[0], 0x21);  // length 2: the blank ends it
  EXPECT_EQ(code[1], 0x20);  // place 2 (the blank) 0
  EXPECT_EQ(code[2], 0x40);  // place 3 kept beyond the length
  EXPECT_EQ(CGlobal2Page::FormatEmergencyCode(), "12" + std::string(13, ' '));
  EXPECT_EQ(g_bModified, 1u);
  CGlobal2Page::StoreEmergencyCode("zz1234567890123456");  // beyond the fifteenth: not read
  EXPECT_EQ(code[0] >> 4, 15);
  for (std::uint8_t b : code) EXPECT_LE(b & 0x0F, 15);
  EXPECT_EQ(CGlobal2Page::FormatEmergencyCode().substr(2), "1234567890123");
  TheModel().ResetEditModel();
  g_bModified = 0;
}

}  // namespace
