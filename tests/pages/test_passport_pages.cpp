// The two PassPort pages by clicks, double-clicks, keys and typing: every
// check box's bit and polarity in the image; on the features page the enable
// cascades, the timer clamps, the level codes and the levels made valid on
// opening, and the texts the zone sheet prints; on the talk-group page the
// greying by the zone's count and each group's use, "PRIMARY", the ID and alias
// entries, and rows past the zone's groups or past the last record, which are
// never read or written.
#include <regex>

#include "model/image.h"
#include "model/trunk_fields.h"
#include "model/zone_model.h"
#include "pages/trunk/passport_features_page.h"
#include "pages/trunk/passport_talk_group_page.h"
#include "test_grid_support.h"
#include "ui/print/sheet_registry.h"

namespace grid_test {
namespace {

using namespace passport_ids;
namespace tg = talk_group_ids;

constexpr int kZone = 1;
constexpr int kFirst = 4;  // the talk-group radio's zone 0 owns records 0..3
constexpr std::size_t kScanBitmap = 150;  // the image's bitmap of the Scan bits (set: off)

CGroupRecord& Group(int g) { return TheModel().store.groups[g]; }
// Byte n of the zone's record in the image.
std::size_t At(std::size_t n) { return ZoneOffset(kZone) + n; }

class PassPortTest : public GridTest {
 protected:
  // A default radio with PassPort captions (which also pack the PassPort fields
  // of the zone records) and zone 2 PassPort with two groups.
  void FeaturesRadio(page_test::Band band = page_test::Band::Uhf, std::uint8_t productionType = 11) {
    LoadRadio(band, productionType);
    TheModel().global.systemType &= std::uint8_t(~0x40);
    S().SetSystemDefaults(kZone, kSystemPassPort);
    ASSERT_FALSE(ApplyGroupCount(TheModel(), kZone, 2).refused);
    g_bModified = 0;
  }
  // Zone 1 conventional with four groups, zone 2 PassPort with three: row 2 in use, row 3 not.
  void TalkGroupsRadio() {
    TheModel().global.systemType &= std::uint8_t(~0x40);  // PassPort: the groups pack their IDs
    UseZone(0, kSystemConventional, kFirst);
    UseZone(kZone, kSystemPassPort, 3);
    Group(kFirst + 1).flags |= kGroupInUse;
    g_bModified = 0;
  }
  void ShowFeatures() { Show<CPassPortFeaturePage>(IDD_PASSPORT_FEATURES, kZone); }
  CTalkGroupPage& ShowGroups(int zone = kZone) { return Show<CTalkGroupPage>(IDD_PASSPORT_TALK_GROUPS, zone); }
  // A timer typed (or cleared) and left.
  void EnterTimer(int id, const std::string& text) {
    TypeInto(id, text);
    if (text.empty()) Key(Qt::Key_Delete);
    Tab();
    Pump();
  }
  // Which of the controls take input, as a string of '1' and '0'.
  std::string Inputs(std::span<const int> ids) {
    std::string open;
    for (int id : ids) open += Enabled(id) ? '1' : '0';
    return open;
  }
};

// Clicked on and off again, each box's bit follows it, with its polarity, and
// nothing else changes.
TEST_F(PassPortTest, EveryCheckBoxOwnsItsBitWithItsPolarity) {
  FeaturesRadio();
  S().zonePassPortRssiFlags[kZone] = 0;  // every RSSI switch on: every box open
  const int g = S().CountGroupsBeforeZone(kZone) + 1;  // the talk group of row 2
  Group(g).flags |= kGroupInUse;
  const std::size_t group = GroupOffset(g);
  struct Fact {
    int id;
    std::size_t offset;
    std::uint8_t mask;
    bool setWhenChecked;
  };
  const struct {
    UINT idd;
    std::vector<Fact> facts;
  } pages[] = {
      {IDD_PASSPORT_FEATURES,
       {{kDisableRoam, At(8), 0x80, true},         {kAtbRingBack, At(8), 0x40, true},
        {kPpGroupScan, At(8), 0x20, true},         {kInterconnectCompanding, At(8), 0x10, true},
        {kDisablePrimaryPriority, At(8), 0x08, true}, {kPreferLastChannel, At(8), 0x02, false},
        {kHomeLookback, At(34), 0x01, false},      {kLookbackRssiOn, At(34), 0x04, false},
        {kRssiThreshold, At(34), 0x80, false},     {kRssiDuringReceive, At(34), 0x40, false},
        {kRssiThresholdArea, At(34), 0x20, false}, {kRssiAutoEnable, At(34), 0x10, false},
        {kRxDataInverted, At(16), 0x04, true},     {kTxDataInverted, At(16), 0x02, false},
        {kBand5b, At(16), 0x01, true}}},
      {IDD_PASSPORT_TALK_GROUPS,
       {{tg::kScan[1], kScanBitmap + std::size_t(g / 8), std::uint8_t(1 << (g % 8)), false},
        {tg::kCompander[1], group, 0x40, true},
        {tg::kDisableTx[1], group, 0x20, true},
        {tg::kEncryption[1], group, 0x10, true},
        {tg::kTot[1], group + 6, 0x40, true}}},  // bit 14 of the big-endian channel word
  };
  for (const auto& p : pages) {
    Show(p.idd, kZone);
    for (const Fact& f : p.facts) {
      SCOPED_TRACE(f.id);
      for (int step = 0; step < 2; ++step) {
        g_bModified = 0;
        const auto before = Packed();
        ClickButton(f.id);
        Pump();
        EXPECT_EQ((Packed()[f.offset] & f.mask) != 0, Checked(f.id) == f.setWhenChecked);
        ExpectImageDiff(before, {{f.offset, f.mask}});
        EXPECT_EQ(g_bModified, 1u);
      }
    }
  }
  EXPECT_EQ(prompts.Beeps(), 0);
}

// RSSI Threshold opens its nine controls; Home lookback its three, and the
// lookback level only while its own switch is on too. Band 5b is for UHF.
TEST_F(PassPortTest, SwitchesEnableTheirDependantsAndBand5bNeedsUhf) {
  FeaturesRadio();
  S().zonePassPortRssiFlags[kZone] = 0xFF;  // every switch off
  ShowFeatures();
  const int threshold[] = {kRssiDuringReceive, kRssiThresholdArea, kRssiAutoEnable, kDuration, kDurationLabel,
                           kRegisteredRssi,    kRegisteredLabel,   kOsmRssi,        kOsmLabel};
  const int lookback[] = {kLookbackTime, kLookbackTimeLabel, kLookbackRssiOn, kLookbackRssi, kLookbackRssiRef};
  const struct {
    int click;  // 0: as opened
    const char* threshold;
    const char* lookback;
  } steps[] = {
      {0, "000000000", "00000"},
      {kRssiThreshold, "111111111", "00000"},
      {kHomeLookback, "111111111", "11100"},
      {kLookbackRssiOn, "111111111", "11111"},
      {kHomeLookback, "111111111", "00000"},  // the whole branch, whatever its own switch holds
      {kRssiThreshold, "000000000", "00000"},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.click);
    if (s.click) Click(Page().GetDlgItem(s.click));
    Pump();
    EXPECT_EQ(Inputs(threshold), s.threshold);
    EXPECT_EQ(Inputs(lookback), s.lookback);
  }
  EXPECT_TRUE(Checked(kLookbackRssiOn));
  EXPECT_TRUE(Enabled(kBand5b));

  // A VHF radio: Band 5b shows its bit and takes no click.
  FeaturesRadio(page_test::Band::Vhf, 0);
  S().zoneFlags2[kZone] |= 0x01;
  ShowFeatures();
  EXPECT_FALSE(Enabled(kBand5b));
  EXPECT_TRUE(Checked(kBand5b));
}

TEST_F(PassPortTest, TimersAreClampedWhenLeftAndPassingThroughStoresNothing) {
  FeaturesRadio();
  ShowFeatures();
  struct Case {
    int id;
    std::size_t byte;  // of the zone record
    const char* typed;
    std::uint8_t stored;
    const char* shown;
  };
  const Case cases[] = {
      {kRegResumeTime, 5, "95", 3, "  90 sec"},      {kRegResumeTime, 5, "9999", 255, "7650 sec"},
      {kRegResumeTime, 5, "", 0, "   0 sec"},        {kRoamStartDelay, 3, "5", 10, "  10 sec"},
      {kRoamStartDelay, 3, "300", 255, " 255 sec"},  {kRoamStartDelay, 3, "", 10, "  10 sec"},
      {kRoamSearchSpeed, 4, "0", 1, "   1 sec"},     {kRoamSearchSpeed, 4, "45", 30, "  30 sec"},
      {kRoamPowerUpDelay, 6, "5", 10, "  10 sec"},   {kRoamPowerUpDelay, 6, "1234", 123, " 123 sec"},  // three digits typed
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + " " + c.typed);
    const auto before = Packed();
    EnterTimer(c.id, c.typed);
    EXPECT_EQ(Packed()[At(c.byte)], c.stored);
    EXPECT_EQ(Shown(c.id), c.shown);
    ExpectImageDiff(before, {{At(c.byte)}});
  }
  EXPECT_TRUE(prompts.MessageTexts().empty());

  // Enter moves on, which stores; passing through stores nothing and is no change.
  TypeInto(kRoamSearchSpeed, "7");
  Key(Qt::Key_Return);
  Pump();
  EXPECT_EQ(S().zoneRxIdStart[kZone], 7);
  EXPECT_NE(CWnd::GetFocus()->GetDlgCtrlID(), kRoamSearchSpeed);
  g_bModified = 0;
  FocusOn(kRoamStartDelay);
  Tab();
  Pump();
  EXPECT_EQ(g_bModified, 0u);
}

TEST_F(PassPortTest, LevelCodesAndLevelsNeverSetBecomeMinus110WithoutAChange) {
  FeaturesRadio();
  S().zonePassPortRssiFlags[kZone] = 0;
  S().zoneLookbackRssi[kZone] = 255;
  S().zoneRegisteredRssi[kZone] = 255;
  S().zoneOsmRssi[kZone] = 255;
  S().zoneRssiDuration[kZone] = 0;  // no entry's minutes
  TheModel().global.byte11 = 3;
  ShowFeatures();
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_EQ(S().zoneLookbackRssi[kZone], 0);
  EXPECT_EQ(S().zoneRegisteredRssi[kZone], 0);
  EXPECT_EQ(S().zoneOsmRssi[kZone], 0);
  EXPECT_EQ(Shown(kLookbackRssi), "-110dBm");
  EXPECT_EQ(Shown(kOsmRssi), "-110dBm");
  EXPECT_EQ(Shown(kDuration), " 3min");
  EXPECT_EQ(S().zoneRssiDuration[kZone], 0);  // kept until an entry is chosen
  EXPECT_EQ(Shown(kRegisteredRssiRef), "-107");

  struct Level {
    int id;
    int entry;
    std::uint8_t code;
    std::size_t byte;  // the code's byte of the record; the byte before is the level's base
    int reference;
    const char* referenceText;
  };
  const Level levels[] = {{kRegisteredRssi, 0, 143, 39, kRegisteredRssiRef, "-118"},
                          {kRegisteredRssi, 22, 15, 39, kRegisteredRssiRef, "-96"},
                          {kOsmRssi, 0, 147, 41, kOsmRssiRef, "-122"},
                          {kLookbackRssi, 1, 142, 47, kLookbackRssiRef, "-117"}};
  for (const Level& l : levels) {
    SCOPED_TRACE(l.code);
    const auto before = Packed();
    Choose(l.id, l.entry);
    EXPECT_EQ(Packed()[At(l.byte)], l.code);
    ExpectImageDiff(before, {{At(l.byte - 1)}, {At(l.byte)}});
    EXPECT_EQ(Shown(l.reference), l.referenceText);
  }
  const ImageFact minutes[] = {{kDuration, At(42), 0xFF}, {kLookbackTime, At(48), 0xFF}};
  CheckImageFacts(minutes);
  EXPECT_EQ(g_bModified, 1u);
}

// What the page shows is what the zone sheet prints beside the same label,
// also for codes no entry has (the minutes lists print "60min" for those).
TEST_F(PassPortTest, TheZoneSheetPrintsThePagesTexts) {
  FeaturesRadio();
  S().zoneFlags2[kZone] = 0x05;
  S().zonePassPortFlags[kZone] = 0xA2;
  S().zonePassPortRssiFlags[kZone] = 0x5A;
  S().zoneRssiDuration[kZone] = 0;
  S().zoneLookbackTime[kZone] = 45;
  S().zoneRegisteredRssi[kZone] = 15;
  S().zoneOsmRssi[kZone] = 146;
  S().zoneRxIdStop[kZone] = 30;
  ShowFeatures();
  const std::span<const Binding> bindings = FieldPage()->Bindings();
  const std::pair<const char*, int> rows[] = {
      {"Disable Roam", kDisableRoam}, {"Enable ATB Ring back", kAtbRingBack}, {"Enable PP Group scan", kPpGroupScan},
      {"Interconnect companding", kInterconnectCompanding},
      {"Disable priority of Primary ID", kDisablePrimaryPriority}, {"Home lookback time", kLookbackTime},
      {"RSSI Threshold", kRssiThreshold}, {"RSSI disable During receive", kRssiDuringReceive},
      {"RSSI disable in threshold area", kRssiThresholdArea}, {"RSSI auto enable in threshold", kRssiAutoEnable},
      {"Duration time", kDuration}, {"RSSI for registered on", kRegisteredRssi}, {"RSSI for decoding OSM", kOsmRssi},
      {"Roam Start delay", kRoamStartDelay}, {"Roam site Search speed", kRoamSearchSpeed},
      {"Roam resume time", kRegResumeTime}, {"Roam power up delay", kRoamPowerUpDelay},
      {"Inverted RX data", kRxDataInverted}, {"Inverted TX data", kTxDataInverted}, {"Enable UHF Band 5b", kBand5b},
      {"Enable prefer last registered channel", kPreferLastChannel},
  };
  const std::string sheet = SheetText(kSheetZone);
  for (const auto& [label, id] : rows) {
    const std::string printed = PrintText(bindings, id, kZone);
    // The value follows its label (on the next line where a long label runs into the value's box).
    const std::regex line(std::string("(^| )") + label + "\\s+" + std::regex_replace(printed, std::regex("^ +"), "") +
                          "( |$)", std::regex::multiline);
    EXPECT_TRUE(std::regex_search(sheet, line)) << label << ": " << printed;
  }
  EXPECT_EQ(PrintText(bindings, kDuration, kZone), "60min");
  EXPECT_EQ(Shown(kDuration), " 3min");
}

TEST_F(PassPortTest, GreyingByCountAndUseThePrimaryAndTheEnableList) {
  TalkGroupsRadio();
  Group(kFirst).flags &= std::uint8_t(~kGroupInUse);
  ShowGroups();
  EXPECT_TRUE(Group(kFirst).InUse());  // put in use on opening, no edit of the person's
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_EQ(Text(tg::kZoneNumber), "2");
  EXPECT_EQ(Text(tg::kEnable[0]), "PRIMARY");
  EXPECT_EQ(Text(tg::kEnable[3]), "");
  EXPECT_EQ(Text(tg::kId[3]), "");
  EXPECT_EQ(Inputs(tg::kEnable), "1110000000000000");
  EXPECT_EQ(Inputs(tg::kId), "1100000000000000");
  EXPECT_EQ(Inputs(tg::kAlias), "1100000000000000");
  EXPECT_EQ(Inputs(tg::kTot), "1100000000000000");

  ClickCell(tg::kEnable[0]);  // "PRIMARY" does nothing
  EXPECT_FALSE(ListShown(tg::kEnableList));
  EXPECT_EQ(prompts.Beeps(), 0);

  Choose(tg::kEnable[2], tg::kEnableList, "Enable");
  EXPECT_EQ(FocusedId(), tg::kId[2]);
  EXPECT_EQ(Inputs(tg::kScan), "1110000000000000");
  // Out of use: the row's ID, alias and boxes grey, its enable cell stays open.
  Choose(tg::kEnable[1], tg::kEnableList, "Disable");
  EXPECT_EQ(Inputs(tg::kEnable), "1110000000000000");
  EXPECT_EQ(Inputs(tg::kCompander), "1010000000000000");
  EXPECT_EQ(prompts.Beeps(), 4);
}

TEST_F(PassPortTest, IdAndAliasEntriesActOnTheirOwnRow) {
  TalkGroupsRadio();
  ShowGroups();
  Enter(tg::kId[1], "65519");
  EXPECT_EQ(Group(kFirst + 1).idWord, 65519);
  EXPECT_EQ(g_bModified, 1u);
  for (const char* bad : {"65520", "0"}) {
    Enter(tg::kId[1], bad);
    EXPECT_EQ(Text(tg::kId[1]), "65519");
    EXPECT_EQ(Group(kFirst + 1).idWord, 65519);
  }
  EXPECT_EQ(prompts.MessageTexts(),
            (std::vector<std::string>{"Talk Group ID should be 1 to 65519.", "Talk Group ID should be 1 to 65519."}));

  g_bModified = 0;
  TypeInto(tg::kAlias[1], "ab7");
  EXPECT_EQ(std::string(Group(kFirst + 1).name, 9), std::string("AB7     \0", 9));
  EXPECT_EQ(g_bModified, 1u);

  // The primary's ID is shown only; passing through an ID stores nothing.
  EXPECT_EQ(Page().GetDlgItem(tg::kId[0])->GetSafeHwnd()->inherits("QLineEdit"), false);
  g_bModified = 0;
  FocusOn(tg::kId[1]);
  Tab();
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_EQ(prompts.MessageTexts().size(), 2u);

  // An ID typed, then another row's enable list opened and committed: the ID
  // goes to its own row, the choice to the row of the list.
  TypeInto(tg::kId[1], "123");
  ClickCell(tg::kEnable[2]);
  DoubleClickItem(tg::kEnableList, "Enable");
  EXPECT_EQ(Group(kFirst + 1).idWord, 123);
  EXPECT_TRUE(Group(kFirst + 1).InUse());
  EXPECT_TRUE(Group(kFirst + 2).InUse());
  EXPECT_EQ(Group(kFirst + 2).idWord, 1);
}

TEST_F(PassPortTest, RowsPastTheZonesGroupsOrTheLastRecordAreNeverReadOrWritten) {
  TalkGroupsRadio();
  // A zone without groups: its rows would be the next zone's records.
  UseZone(3, kSystemPassPort, 2);
  const int next = S().CountGroupsBeforeZone(3);
  Group(next).flags &= std::uint8_t(~kGroupInUse);
  const auto before = Packed();
  ShowGroups(2);
  EXPECT_FALSE(Group(next).InUse());
  EXPECT_EQ(Text(tg::kEnable[0]), "");
  EXPECT_EQ(Inputs(tg::kEnable), std::string(tg::kRows, '0'));
  EXPECT_EQ(Inputs(tg::kId), std::string(tg::kRows, '0'));
  ExpectImageDiff(before, {});

  // Counts that run past the store (as a damaged file may hold): rows past
  // record 249 are empty and closed.
  S().groupCount[0] = 240;
  S().groupCount[kZone] = 16;
  for (int g = 240; g < kGroupCount; ++g) Group(g).flags |= kGroupInUse;
  ShowGroups(kZone);
  EXPECT_EQ(Text(tg::kAlias[9]), "GROUP250");
  EXPECT_EQ(Text(tg::kAlias[10]), "");
  EXPECT_EQ(Text(tg::kEnable[10]), "");
  EXPECT_EQ(Inputs(tg::kEnable), "1111111111000000");
  EXPECT_EQ(Inputs(tg::kTot), "1111111111000000");
}

}  // namespace
}  // namespace grid_test
