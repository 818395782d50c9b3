// The PassPort system features page by clicks, keys and typing: every check
// box's bit and polarity in the image, the enable cascades, the timer clamps,
// the level codes and the levels made valid on opening, the texts the zone
// sheet prints; and both PassPort pages on every zone of a file with every
// zone format.
#include <regex>

#include "model/image.h"
#include "model/trunk_fields.h"
#include "model/zone_model.h"
#include "page_harness.h"
#include "pages/trunk/passport_features_page.h"
#include "pages/trunk/passport_talk_group_page.h"
#include "ui/print/sheet_registry.h"

namespace page_test {
namespace {

using namespace passport_ids;

constexpr int kZone = 1;
CChannelStore& S() { return TheModel().store; }
// Byte n of zone z's record in the image.
std::size_t At(std::size_t n, int z = kZone) { return ZoneOffset(z) + n; }

class PassPortFeaturesTest : public PageHarness {
 protected:
  void SetUp() override {
    PageHarness::SetUp();
    PassPortRadio();
  }
  // PassPort captions, which also pack the PassPort fields of the zone records.
  void PassPortRadio() {
    TheModel().global.systemType &= std::uint8_t(~0x40);
    S().SetSystemDefaults(kZone, kSystemPassPort);
    ASSERT_FALSE(ApplyGroupCount(TheModel(), kZone, 2).refused);
    g_bModified = 0;
  }
  void Show() {
    OpenAs<CPassPortFeaturePage>(IDD_PASSPORT_FEATURES, kZone);
    prompts.Clear();
  }
  void ClickOn(int id) {
    Click(Page().GetDlgItem(id));
    Pump();
  }
  void Enter(int id, const std::string& text) {
    TypeInto(id, text);
    if (text.empty()) Key(Qt::Key_Delete);
    Tab();
    Pump();
  }
};

TEST_F(PassPortFeaturesTest, EveryCheckBoxOwnsItsBitWithItsPolarity) {
  S().zonePassPortRssiFlags[kZone] = 0;  // every RSSI switch on: every box open
  Show();
  struct Fact {
    int id;
    std::size_t byte;  // of the zone record
    std::uint8_t mask;
    bool activeLow;
  };
  const Fact facts[] = {
      {kDisableRoam, 8, 0x80, false},       {kAtbRingBack, 8, 0x40, false},    {kPpGroupScan, 8, 0x20, false},
      {kInterconnectCompanding, 8, 0x10, false}, {kDisablePrimaryPriority, 8, 0x08, false},
      {kPreferLastChannel, 8, 0x02, true},  {kHomeLookback, 34, 0x01, true},   {kLookbackRssiOn, 34, 0x04, true},
      {kRssiThreshold, 34, 0x80, true},     {kRssiDuringReceive, 34, 0x40, true}, {kRssiThresholdArea, 34, 0x20, true},
      {kRssiAutoEnable, 34, 0x10, true},    {kRxDataInverted, 16, 0x04, false}, {kTxDataInverted, 16, 0x02, true},
      {kBand5b, 16, 0x01, false},
  };
  for (const Fact& f : facts) {
    SCOPED_TRACE(f.id);
    for (int step = 0; step < 2; ++step) {
      g_bModified = 0;
      const auto before = Packed();
      ClickOn(f.id);
      const bool checked = Checked(f.id);
      EXPECT_EQ((Packed()[At(f.byte)] & f.mask) != 0, checked != f.activeLow);
      ExpectImageDiff(before, {{At(f.byte), f.mask}});
      EXPECT_EQ(g_bModified, 1u);
    }
  }
  EXPECT_EQ(prompts.Beeps(), 0);
}

TEST_F(PassPortFeaturesTest, SwitchesEnableTheirDependantsAndBand5bNeedsUhf) {
  S().zonePassPortRssiFlags[kZone] = 0xFF;  // every switch off
  Show();
  const int threshold[] = {kRssiDuringReceive, kRssiThresholdArea, kRssiAutoEnable, kDuration, kDurationLabel,
                           kRegisteredRssi,    kRegisteredLabel,   kOsmRssi,        kOsmLabel};
  const int lookback[] = {kLookbackTime, kLookbackTimeLabel, kLookbackRssiOn};
  auto enabled = [this](std::initializer_list<int> ids) {
    std::vector<bool> on;
    for (int id : ids) on.push_back(Enabled(id));
    return on;
  };
  for (int id : threshold) EXPECT_FALSE(Enabled(id)) << id;
  for (int id : lookback) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_FALSE(Enabled(kLookbackRssi));
  EXPECT_TRUE(Enabled(kBand5b));

  ClickOn(kRssiThreshold);
  for (int id : threshold) EXPECT_TRUE(Enabled(id)) << id;
  ClickOn(kHomeLookback);
  for (int id : lookback) EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_FALSE(Enabled(kLookbackRssi));  // its own switch is still off
  ClickOn(kLookbackRssiOn);
  EXPECT_EQ(enabled({kLookbackRssi, kLookbackRssiRef}), (std::vector<bool>{true, true}));
  ClickOn(kHomeLookback);  // off again: the whole branch, whatever its own switch holds
  EXPECT_EQ(enabled({kLookbackTime, kLookbackRssiOn, kLookbackRssi}), (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(Checked(kLookbackRssiOn));
  ClickOn(kRssiThreshold);
  for (int id : threshold) EXPECT_FALSE(Enabled(id)) << id;

  // A VHF radio: Band 5b shows its bit and takes no click.
  LoadRadio(Band::Vhf, 0);
  PassPortRadio();
  S().zoneFlags2[kZone] |= 0x01;
  Show();
  EXPECT_FALSE(Enabled(kBand5b));
  EXPECT_TRUE(Checked(kBand5b));
}

TEST_F(PassPortFeaturesTest, TimersAreClampedWhenLeftAndPassingThroughStoresNothing) {
  Show();
  struct Case {
    int id;
    const char* typed;
    std::uint8_t stored;
    const char* shown;
  };
  const Case cases[] = {
      {kRegResumeTime, "95", 3, "  90 sec"},     {kRegResumeTime, "9999", 255, "7650 sec"},
      {kRegResumeTime, "", 0, "   0 sec"},       {kRoamStartDelay, "5", 10, "  10 sec"},
      {kRoamStartDelay, "300", 255, " 255 sec"}, {kRoamStartDelay, "", 10, "  10 sec"},
      {kRoamSearchSpeed, "0", 1, "   1 sec"},    {kRoamSearchSpeed, "45", 30, "  30 sec"},
      {kRoamPowerUpDelay, "5", 10, "  10 sec"},  {kRoamPowerUpDelay, "1234", 123, " 123 sec"},  // three digits typed
  };
  const std::pair<int, std::size_t> bytes[] = {
      {kRoamStartDelay, 3}, {kRoamSearchSpeed, 4}, {kRegResumeTime, 5}, {kRoamPowerUpDelay, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + " " + c.typed);
    const std::size_t byte = std::find_if(std::begin(bytes), std::end(bytes), [&](auto& b) { return b.first == c.id; })->second;
    const auto before = Packed();
    Enter(c.id, c.typed);
    EXPECT_EQ(Packed()[At(byte)], c.stored);
    EXPECT_EQ(Shown(c.id), c.shown);
    ExpectImageDiff(before, {{At(byte)}});
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

TEST_F(PassPortFeaturesTest, LevelCodesAndLevelsNeverSetBecomeMinus110WithoutAChange) {
  S().zonePassPortRssiFlags[kZone] = 0;
  S().zoneLookbackRssi[kZone] = 255;
  S().zoneRegisteredRssi[kZone] = 255;
  S().zoneOsmRssi[kZone] = 255;
  S().zoneRssiDuration[kZone] = 0;  // no entry's minutes
  TheModel().global.byte11 = 3;
  Show();
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
    const char* reference;
  };
  const Level levels[] = {{kRegisteredRssi, 0, 143, 39, "-118"},
                          {kRegisteredRssi, 22, 15, 39, "-96"},
                          {kOsmRssi, 0, 147, 41, "-122"},
                          {kLookbackRssi, 1, 142, 47, "-117"}};
  const int references[] = {kRegisteredRssiRef, kRegisteredRssiRef, kOsmRssiRef, kLookbackRssiRef};
  for (std::size_t i = 0; i < std::size(levels); ++i) {
    const Level& l = levels[i];
    SCOPED_TRACE(l.code);
    const auto before = Packed();
    Choose(l.id, l.entry);
    EXPECT_EQ(Packed()[At(l.byte)], l.code);
    ExpectImageDiff(before, {{At(l.byte - 1)}, {At(l.byte)}});
    EXPECT_EQ(Shown(references[i]), l.reference);
  }
  const ImageFact minutes[] = {{kDuration, At(42), 0xFF}, {kLookbackTime, At(48), 0xFF}};
  CheckImageFacts(minutes);
  EXPECT_EQ(g_bModified, 1u);
}

// What the page shows is what the zone sheet prints beside the same label,
// also for codes no entry has (the minutes lists print "60min" for those).
TEST_F(PassPortFeaturesTest, TheZoneSheetPrintsThePagesTexts) {
  S().zoneFlags2[kZone] = 0x05;
  S().zonePassPortFlags[kZone] = 0xA2;
  S().zonePassPortRssiFlags[kZone] = 0x5A;
  S().zoneRssiDuration[kZone] = 0;
  S().zoneLookbackTime[kZone] = 45;
  S().zoneRegisteredRssi[kZone] = 15;
  S().zoneOsmRssi[kZone] = 146;
  S().zoneRxIdStop[kZone] = 30;
  Show();
  const std::pair<const char*, int> rows[] = {
      {"Disable Roam", kDisableRoam},
      {"Enable ATB Ring back", kAtbRingBack},
      {"Enable PP Group scan", kPpGroupScan},
      {"Interconnect companding", kInterconnectCompanding},
      {"Disable priority of Primary ID", kDisablePrimaryPriority},
      {"Home lookback time", kLookbackTime},
      {"RSSI Threshold", kRssiThreshold},
      {"RSSI disable During receive", kRssiDuringReceive},
      {"RSSI disable in threshold area", kRssiThresholdArea},
      {"RSSI auto enable in threshold", kRssiAutoEnable},
      {"Duration time", kDuration},
      {"RSSI for registered on", kRegisteredRssi},
      {"RSSI for decoding OSM", kOsmRssi},
      {"Roam Start delay", kRoamStartDelay},
      {"Roam site Search speed", kRoamSearchSpeed},
      {"Roam resume time", kRegResumeTime},
      {"Roam power up delay", kRoamPowerUpDelay},
      {"Inverted RX data", kRxDataInverted},
      {"Inverted TX data", kTxDataInverted},
      {"Enable UHF Band 5b", kBand5b},
      {"Enable prefer last registered channel", kPreferLastChannel},
  };
  const std::string sheet = SheetText(kSheetZone);
  for (const auto& [label, id] : rows) {
    const std::string printed = PrintText(PassPortFeatureBindings(), id, kZone);
    // The value follows its label (on the next line where a long label runs into the value's box).
    const std::regex line(std::string("(^| )") + label + "\\s+" + std::regex_replace(printed, std::regex("^ +"), "") +
                          "( |$)", std::regex::multiline);
    EXPECT_TRUE(std::regex_search(sheet, line)) << label << ": " << printed;
  }
  EXPECT_EQ(PrintText(PassPortFeatureBindings(), kDuration, kZone), "60min");
  EXPECT_EQ(Shown(kDuration), " 3min");
}

// A file with zones of every format: each PassPort page opens on each zone and
// reads nothing outside the records (the sanitizer build would stop here).
TEST_F(PassPortFeaturesTest, EveryZoneOfAFileWithEveryFormatOpensBothPages) {
  CEditModel& m = TheModel();
  for (int z = 0; z < kZoneCount; ++z) {
    const int kinds[] = {kSystemConventional, kSystemLtr, kSystemPassPort, 0};
    const int kind = kinds[z % 4];
    if (kind == 0) continue;  // not in use
    m.store.SetSystemDefaults(z, kind);
    if (kind == kSystemLtr) {  // a home repeater with a channel: the file can be saved
      m.store.zoneRepeaters[z][0] = std::uint16_t(z);
      m.store.zoneTxInhibitIdStop[z] = 255;
    }
    ASSERT_FALSE(ApplyGroupCount(m, z, 1 + z % (kind == kSystemPassPort ? 16 : 12)).refused);
  }
  print_test::TempDir dir;
  const std::string file = dir.File("every.X417");
  ASSERT_TRUE(m.SaveDataFile(file)) << (prompts.MessageTexts().empty() ? "" : prompts.MessageTexts().back());
  ASSERT_EQ(m.LoadDataFile(file, dir.path.string()), 1);
  for (int z = 0; z < kZoneCount; ++z) {
    SCOPED_TRACE(z);
    auto& features = OpenAs<CPassPortFeaturePage>(IDD_PASSPORT_FEATURES, z);
    EXPECT_EQ(Shown(kZoneNumber), std::to_string(z + 1));
    EXPECT_EQ(features.GetCurrentIndex(), z);
    auto& groups = OpenAs<CTalkGroupPage>(IDD_PASSPORT_TALK_GROUPS, z);
    EXPECT_EQ(Shown(talk_group_ids::kZoneNumber), std::to_string(z + 1));
    EXPECT_EQ(groups.Zone(), z);
  }
}

}  // namespace
}  // namespace page_test
