// The Global 1 page: every list refreshed from its field and committed into its
// bits by real key presses (through the list's notification where the person
// cannot reach it), the "Scan Beep" pair, the LED times and the password typed,
// the enable rules by production type and mode, and the refresh on showing.
#include <functional>

#include "test_global1_support.h"

namespace global1_test {

BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
  ON_MESSAGE(WM_MODEL_CHANGED, OnModelChanged)
END_MESSAGE_MAP()

namespace {

CGlobalSettings& G() { return TheModel().global; }

struct ListSpec {
  int id;
  std::uint8_t& (*byte)();
  std::uint8_t mask;
  std::vector<std::uint32_t> codes;  // in list order
  int defaultIndex;
  std::string firstText;
};

template <std::uint8_t CGlobalSettings::*Member>
std::uint8_t& B() {
  return G().*Member;
}

const std::vector<ListSpec>& Specs() {
  using S = CGlobalSettings;
  static const std::vector<ListSpec> specs = {
      {1027, &B<&S::byte42>, 0x01, {0, 1}, 1, "Normal"},
      {1028, &B<&S::byte182>, 0x0E, {0, 2, 4, 6}, 0, "Disable"},
      {1030, &B<&S::byte244>, 0x03, {0, 1, 2, 3}, 0, "DM1"},
      {1032, &B<&S::byte43>, 0xF0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 0, "0"},
      {1591, &B<&S::byte186>, 0x07, {0, 1, 2, 3, 4, 5, 6, 7}, 0, "ABS"},
      {1033, &B<&S::byte222>, 0xFF, {253, 160, 113, 80, 57, 40, 25}, 0, "+10db"},
      {1034, &B<&S::byte223>, 0xFF, {32, 64, 160}, 0, "Low"},
      {1031, &B<&S::byte209>, 0x04, {0, 1}, 1, "Disable"},
      {1592, &B<&S::byte204>, 0x02, {0, 1}, 1, "Disable"},
      {1039, &B<&S::byte185>, 0x10, {0, 1}, 0, "Disable"},
      {1040, &B<&S::byte185>, 0x08, {0, 1}, 0, "Disable"},
      {1041, &B<&S::byte185>, 0x04, {0, 1}, 0, "Disable"},
      {1590, &B<&S::byte186>, 0xC0, {0, 1, 2, 3}, 0, "Disable"},
      {1043, &B<&S::byte202>, 0x08, {0, 1}, 1, "Disable"},
      {1044, &B<&S::byte204>, 0x02, {0, 1}, 0, "Disable"},
      {1045, &B<&S::byte204>, 0x01, {0, 1}, 0, "Disable"},
      {1049, &B<&S::byte208>, 0x07, {1, 3}, 0, "Panel Keys"},
      {1053, &B<&S::byte185>, 0x80, {0, 1}, 0, "Disable"},
      {1054, &B<&S::byte185>, 0x40, {0, 1}, 0, "Disable"},
      {1055, &B<&S::byte185>, 0x20, {0, 1}, 0, "Enable"},
      {1056, &B<&S::byte30>, 0x20, {0, 1}, 0, "No"},
      {1586, &B<&S::byte182>, 0x80, {0, 1}, 0, "Group select"},
      {1065, &B<&S::byte246>, 0x20, {0, 1}, 0, "Disable"},
      {1058, &B<&S::byte184>, 0xFF, {7, 10, 15, 20, 25, 30, 35, 40, 50}, 0, "0.7sec"},
      {1059, &B<&S::byte187>, 0xFF, {7, 10, 15, 20, 25, 30, 35, 40, 50}, 0, "0.7sec"},
      {1060, &B<&S::byte183>, 0x0F, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 3, "250ms"},
      {1061, &B<&S::byte183>, 0xF0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 3, "2sec"},
      {1062, &B<&S::byte182>, 0x20, {0, 1}, 0, "Disable"},
      {1063, &B<&S::byte209>, 0x08, {0, 1}, 1, "Disable"},
      {1064, &B<&S::byte209>, 0x04, {0, 1}, 1, "Disable"},
      {1066, &B<&S::byte208>, 0x18, {0, 3}, 0, "Start Group"},
      {1067, &B<&S::byte182>, 0x10, {0, 1}, 1, "Disable"},
      {1068, &B<&S::byte704>, 0x80, {0, 1}, 1, "Revert Grp"},
  };
  return specs;
}

std::uint8_t Put(std::uint8_t byte, std::uint8_t mask, std::uint32_t code) {
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  return std::uint8_t((byte & ~mask) | ((code << shift) & mask));
}

class Global1PageTest : public Global1Test {
 protected:
  void SetUp() override {
    Global1Test::SetUp();
    CreatePage();
  }
  // One pass over every list for the production type: refreshed showing its
  // last entry, then the entry before it chosen, the rest of the byte kept.
  void CheckEveryList(std::uint8_t productionType) {
    TheModel().store.modelWord = std::uint32_t(productionType) << 8;
    for (const ListSpec& s : Specs()) {
      SCOPED_TRACE(s.id);
      const std::uint8_t background = s.mask == 0xFF ? 0 : 0xA5;
      const int last = static_cast<int>(s.codes.size()) - 1;
      s.byte() = Put(background, s.mask, s.codes[last]);
      page.UpdateControls();
      EXPECT_EQ(Sel(s.id), last);
      page.SendDlgItemMessage(s.id, CB_SETCURSEL, 0);
      EXPECT_EQ(Shown(s.id), s.firstText);
      EXPECT_EQ(static_cast<int>(page.SendDlgItemMessage(s.id, CB_GETCOUNT)), last + 1);
      page.UpdateControls();

      g_bModified = 0;
      CWnd* list = page.GetDlgItem(s.id);
      if (list->IsWindowVisible() && list->IsWindowEnabled()) {
        FocusOn(s.id);
        Key(Qt::Key_Up);
      } else {
        Select(s.id, last - 1);
      }
      EXPECT_EQ(s.byte(), Put(background, s.mask, s.codes[last - 1]));
      EXPECT_EQ(g_bModified, 1u);

      // A code that no entry has shows the default entry and stores nothing.
      if (s.mask == 0xFF) {
        s.byte() = 100;
        g_bModified = 0;
        page.UpdateControls();
        EXPECT_EQ(Sel(s.id), s.defaultIndex);
        EXPECT_EQ(s.byte(), 100);
        EXPECT_EQ(g_bModified, 0u);
      }
      s.byte() = 0;
    }
  }
};

TEST_F(Global1PageTest, EveryListRefreshesFromItsFieldAndCommitsIntoItsBits) {
  CheckEveryList(11);
  CheckEveryList(0);
}

TEST_F(Global1PageTest, BackLightFlagAndOptionBoard) {
  G().backLightFlag = 1;
  G().byte247 = 0x7C;  // bits 0-2 = 4, bits 5-7 = 3: the module
  page.UpdateControls();
  EXPECT_EQ(Shown(IDC_G1_BACK_LIGHT), "Key On, Called");
  EXPECT_EQ(Shown(IDC_G1_OPTION_BOARD), "OPM-410");
  FocusOn(IDC_G1_BACK_LIGHT);
  Key(Qt::Key_Up);
  EXPECT_EQ(G().backLightFlag, 0u);
  EXPECT_EQ(g_bModified, 1u);

  G().byte247 = 0x04;  // bits 0-2 = 4 alone is no board
  page.UpdateControls();
  EXPECT_EQ(Shown(IDC_G1_OPTION_BOARD), "None");
  G().byte247 = 0x1F;
  Select(IDC_G1_OPTION_BOARD, 1);  // "OPB-83": bits 3-4 kept
  EXPECT_EQ(G().byte247, 0x1B);
  Select(IDC_G1_OPTION_BOARD, 0);
  EXPECT_EQ(G().byte247, 0x7C);
  Select(IDC_G1_OPTION_BOARD, 2);
  EXPECT_EQ(G().byte247, 0x18);
}

TEST_F(Global1PageTest, TheTwoScanBeepListsFollowEachOther) {
  G().byte209 = 0x04;
  page.UpdateControls();
  EXPECT_EQ(Shown(1031), "Enable");
  EXPECT_EQ(Shown(1064), "Enable");
  FocusOn(1031);
  Key(Qt::Key_Up);
  EXPECT_EQ(G().byte209, 0x00);
  EXPECT_EQ(Shown(1064), "Disable");
  FocusOn(1064);
  Key(Qt::Key_Down);
  EXPECT_EQ(G().byte209, 0x04);
  EXPECT_EQ(Shown(1031), "Enable");
}

TEST_F(Global1PageTest, LedTimesAreTypedInMillisecondsAndStoredInTensRoundedHalfUp) {
  G().byte755 = 50;
  G().byte756 = 7;
  page.UpdateControls();
  EXPECT_EQ(page.GetDlgItemText(IDC_G1_LED_ON), "500msec");
  EXPECT_EQ(page.GetDlgItemText(IDC_G1_LED_OFF), "70msec");

  struct Case {
    const char* typed;
    int stored;
    const char* shown;
    bool modified;
  };
  const Case cases[] = {{"2550", 255, "2550msec", true}, {"2551", 255, "2550msec", false},
                        {"2544", 254, "2540msec", true}, {"9999", 254, "2540msec", false},
                        {"2545", 255, "2550msec", true}, {"4", 0, "0msec", true},
                        {"5", 1, "10msec", true},        {"0", 0, "0msec", true}};
  for (int id : {IDC_G1_LED_ON, IDC_G1_LED_OFF}) {
    std::uint8_t& stored = id == IDC_G1_LED_ON ? G().byte755 : G().byte756;
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(id) + " " + c.typed);
      g_bModified = 0;
      FocusOn(id);  // the whole text is selected: typing replaces it
      Type(c.typed);
      FocusOn(IDC_G1_DIMMER);
      EXPECT_EQ(stored, c.stored);
      EXPECT_EQ(page.GetDlgItemText(id), c.shown);
      EXPECT_EQ(g_bModified, c.modified ? 1u : 0u);
    }
  }
  // Signs and blanks are refused.
  FocusOn(IDC_G1_LED_ON);
  Type("+1 2-0");
  FocusOn(IDC_G1_DIMMER);
  EXPECT_EQ(G().byte755, 12);
}

TEST_F(Global1PageTest, PasswordIsStoredAsTypedPaddedWithBlanksAndClearedToZeros) {
  std::copy_n("SECRET12", 8, G().password.begin());
  page.UpdateControls();
  EXPECT_EQ(page.GetDlgItemText(IDC_G1_PASSWORD), "SECRET12");

  FocusOn(IDC_G1_PASSWORD);
  Type("ab");
  EXPECT_EQ(page.GetDlgItemText(IDC_G1_PASSWORD), "AB");
  EXPECT_EQ(std::string(G().password.begin(), G().password.end()), "AB      ");
  EXPECT_EQ(g_bModified, 1u);
  Type("c-d123456789");  // refused characters and an over-long text
  EXPECT_EQ(std::string(G().password.begin(), G().password.end()), "ABCD1234");

  g_bModified = 0;
  for (int i = 0; i < 8; ++i) Key(Qt::Key_Backspace);
  EXPECT_EQ(G().password, (std::array<char, 8>{}));
  EXPECT_EQ(g_bModified, 1u);
  page.UpdateControls();
  EXPECT_EQ(page.GetDlgItemText(IDC_G1_PASSWORD), "");
}

TEST_F(Global1PageTest, EnableRulesFollowTheProductionTypeAndMode) {
  const std::vector<int> type11Only = {1028, 1029, 1033, 1034, 1053, 1054, 1055};
  const std::vector<int> othersOnly = {1586, 1591, 1592};
  const std::vector<int> neverEnabled = {1027, 1065, 1058, 1059, 1062, 1593};
  for (std::uint8_t type : {11, 0, 12}) {
    SCOPED_TRACE(int(type));
    TheModel().store.modelWord = std::uint32_t(type) << 8;
    page.UpdateControls();
    for (int id : type11Only) EXPECT_EQ(Enabled(id), type == 11) << id;
    for (int id : othersOnly) EXPECT_EQ(Enabled(id), type != 11) << id;
    for (int id : neverEnabled) EXPECT_FALSE(Enabled(id)) << id;
    for (int id : {1030, 1032, 1031, 1039, 1040, 1043, 1060, 1061, 1064, 1066, 1067, 1068, 1002, 1626, 1627}) {
      EXPECT_TRUE(Enabled(id)) << id;
    }
  }
  for (int id : {1041, 1590, 1044, 1045, 1049, 1056, 1063}) EXPECT_FALSE(page.GetDlgItem(id)->IsWindowVisible()) << id;

  // The option board is for the "-m" mode only.
  page.DestroyWindow();
  hooks.modeM = true;
  CreatePage();
  EXPECT_TRUE(Enabled(IDC_G1_OPTION_BOARD));
}

TEST_F(Global1PageTest, ShowingOrHidingRefreshesAndReportsTheModel) {
  EXPECT_EQ(page.GetDlgItemText(1425), "MODEL");
  EXPECT_EQ(page.GetDlgItemText(1522), "Configure");
  EXPECT_EQ(page.GetDlgItemText(1588), "Low Battery Alert");
  EXPECT_EQ(Shown(IDC_G1_MODEL), kGlobal1ModelName);
  host.modelChanged.clear();

  G().byte185 = 0x10;
  page.ShowWindow(SW_HIDE);
  EXPECT_EQ(host.modelChanged, (std::vector<LPARAM>{0}));
  page.ShowWindow(SW_SHOW);
  EXPECT_EQ(host.modelChanged, (std::vector<LPARAM>{0, 0}));
  EXPECT_EQ(Shown(1039), "Enable");
  EXPECT_EQ(g_bModified, 0u);

  // Enter and Esc do nothing on the page; letters do not pick a model.
  FocusOn(IDC_G1_MODEL);
  Key(Qt::Key_Return);
  Key(Qt::Key_Escape);
  Type("t");
  EXPECT_TRUE(page.IsWindowVisible());
  EXPECT_EQ(hooks.asked, 0);
}

}  // namespace
}  // namespace global1_test
