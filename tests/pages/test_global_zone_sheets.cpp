// The "Global" and "Zone" sheets through the print dispatch, read back from
// the PDF. Global: the blocks of each production type with each value on its
// label's line, the Global 2 column beside the Global 1 column, and the Mobile
// Special page after them with the port texts no control shows. Zone: a page
// per zone in use in the layout of its format, group numbers that name no
// channel, tables that run onto further pages with their header, and header
// titles that stay visible under their boxes. (The values are the bindings'
// print texts, which the binding contract checks for every code; the paper-fit
// test keeps every text on the paper and apart, and every column heading.)
#include <algorithm>

#include "model/global_fields.h"
#include "model/zone_model.h"
#include "page_harness.h"
#include "shell/print_sheets.h"
#include "ui/print/sheet_registry.h"

namespace page_test {
namespace {

using print_test::PdfWord;

CGlobalSettings& G() { return TheModel().global; }
CChannelStore& S() { return TheModel().store; }

class SheetTest : public PageHarness {
 protected:
  const PdfWord& Word(const std::string& text, int page = 1) {
    const auto w = std::find_if(words.begin(), words.end(), [&](auto& o) { return o.page == page && o.text == text; });
    static const PdfWord none{};
    if (w == words.end()) ADD_FAILURE() << "no word " << text << " on page " << page;
    return w == words.end() ? none : *w;
  }
  // The words of the line the word stands on, left to right.
  std::string Line(const std::string& word, int page = 1) {
    const double y = Word(word, page).yMin;
    std::vector<PdfWord> on;
    std::copy_if(words.begin(), words.end(), std::back_inserter(on),
                 [&](auto& o) { return o.page == page && std::abs(o.yMin - y) < 1.0; });
    std::sort(on.begin(), on.end(), [](auto& a, auto& b) { return a.xMin < b.xMin; });
    std::string text;
    for (auto& o : on) text += (text.empty() ? "" : " ") + o.text;
    return text;
  }
  // How far right of a block's title a word stands, in character widths: the
  // label at column 8 of the first row of that block gives the width (titles
  // stand a third of a width in).
  double Columns(const std::string& title, const std::string& label, const std::string& word, int page = 1) {
    const double charW = (Word(label, page).xMin - Word(title, page).xMin) / (8 - 1.0 / 3);
    return (Word(word, page).xMin - Word(title, page).xMin) / charW;
  }
  int Count(const std::string& text, int page = 0) { return print_test::CountWords(words, text, page); }
  std::vector<PdfWord> words;
};
using GlobalSheet = SheetTest;

TEST_F(GlobalSheet, Type11PrintsItsBlocksInTwoColumnsAndTheMobileSpecialPage) {
  G().byte222 = 57;    // "-3db"
  G().byte182 = 0x04;  // Configure code 2
  G().byte223 = 32;    // "Low"
  G().byte755 = 50;    // 500 msec
  G().SetPasswordText("AB");
  // Zones 1 and 2 in use: groups 1-6, groups 7-10 (9 not in use).
  for (int z = 0; z < 2; ++z) {
    S().zoneFlags[z] |= kZoneInUse;
    S().groupCount[z] = std::uint8_t(z == 0 ? 6 : 4);
  }
  for (int g = 0; g < 10; ++g) S().groups[g].flags = std::uint8_t(g == 8 ? 0 : kGroupInUse);
  G().accInputFunction = {1, 0, 0, 0, 25};
  G().accOutputFunction = {0, 5, 0, 0, 14};
  G().groupSwitchZone = 1;
  G().groupSwitchGroup.fill(255);
  G().groupSwitchGroup[0] = 6;
  G().groupSwitchGroup[1] = 8;  // not in use: "None"
  G().groupSwitchGroup[8] = 9;
  words = SheetWords(kSheetGlobal);
  EXPECT_EQ(SheetPages(), 2);
  for (const char* w : {"Handheld", "Rotary", "saving"}) EXPECT_EQ(print_test::FindWord(words, w), nullptr) << w;
  EXPECT_EQ(Line("MODEL"), "MODEL TQ-5100-RM3K-50(UHF) Emergency Zone/Group Zone 1 None");
  EXPECT_EQ(Line("Display"), "Display LCD Angle Normal Code");
  EXPECT_EQ(Line("Configure"), "Configure Tx Time 20sec");
  EXPECT_EQ(Line("Alternative"), "Alternative with tag time (1 sec) Rx Time 40sec");
  EXPECT_EQ(Line("Microphone"), "Microphone Sens. -3db Silent mode Off");
  EXPECT_EQ(Line("Hook"), "Microphone Hook Function Transmission guard");
  EXPECT_EQ(Line("Zone"), "Zone Scan Disable TPAC Tx Time 25sec");
  EXPECT_EQ(Line("Password"), "Password");
  EXPECT_EQ(Line("AB"), "AB Short cut #1 Zone Zone 1");
  EXPECT_EQ(Line("Data"), "Home Grp Scan Disable Data Mode Disable");
  // The Configure value stands on the line after its label at column 10, the
  // password on line 39 at column 32; the Global 2 column 55 to the right.
  EXPECT_NEAR(Word("Alternative").yMin - Word("Display").yMin, 2 * (Word("Back").yMin - Word("Alternative").yMin), 1);
  EXPECT_NEAR(Word("AB").yMin - Word("Display").yMin, 35 * (Word("Back").yMin - Word("Alternative").yMin), 1.5);
  EXPECT_NEAR(Columns("Display", "LCD", "Alternative"), 10, 0.1);
  EXPECT_NEAR(Columns("Display", "LCD", "AB"), 32, 0.1);
  EXPECT_NEAR(Columns("Display", "LCD", "Emergency"), 55, 0.1);

  EXPECT_EQ(Line("Miscellaneous", 2), "Miscellaneous DSUB-15 Group Switch Table");
  EXPECT_EQ(Line("Ext.", 2), "Ext. Mic. Sense Standard Zone Zone 2");
  EXPECT_EQ(Line("Horn", 2), "Horn alert time No Limited #0 Grp 7 #8 Grp 10");
  EXPECT_EQ(Line("Ignition", 2), "Ignition sense Disable #1 None #9 None");
  EXPECT_EQ(Line("Af", 2), "Af Min Vr 0 #3 None #11 None");
  EXPECT_EQ(Line("ACC1", 2), "ACC1 Input MON #6 None #14 None");
  EXPECT_EQ(Line("ACC2", 2), "ACC2 Output Horn Alert #7 None #15 None");
  EXPECT_EQ(Line("ACC3", 2), "ACC3 --- ---");
  EXPECT_EQ(Line("ACC5", 2), "ACC5 Output Short cut GP1");
  EXPECT_EQ(Line("ACC6", 2), "ACC6 Input Data mode");
  // The switch table 55 character widths right of the margin, its second column 20 further.
  EXPECT_NEAR(Columns("Miscellaneous", "Ext.", "Zone", 2), 55, 0.2);
  EXPECT_NEAR(Columns("Miscellaneous", "Ext.", "#8", 2) - Columns("Miscellaneous", "Ext.", "Zone", 2), 20 - 1.0 / 3,
              0.2);
}

TEST_F(GlobalSheet, OtherRadiosPrintPowerSavingAndHandheldAndNoDataRows) {
  LoadRadio(Band::Uhf, 0);
  G().byte186 = 0x03;  // RX save 1:3
  // The switch zone's groups all gone: its zone is none on the sheet too.
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 1, 2).refused);
  G().groupSwitchZone = 1;
  CommitGroupCount(TheModel(), 1, 0);
  words = SheetWords(kSheetGlobal);
  EXPECT_EQ(Line("Ext.", 2), "Ext. Mic. Sense Standard Zone None");
  EXPECT_EQ(Line("MODEL"), "MODEL Emergency Zone/Group Zone 1 None");
  EXPECT_EQ(Line("saving"), "Power saving LED Disable");
  EXPECT_EQ(Line("RX"), "RX save mode 1:3 LED Blink Off");
  EXPECT_EQ(Line("Rotary"), "Rotary Switch mode Group select Radio Advanced Setting");
  EXPECT_EQ(Line("Handheld"), "Handheld");
  for (const char* w : {"TQ-5100-RM3K-50(UHF)", "Angle", "Hook", "Data"}) {
    EXPECT_EQ(print_test::FindWord(words, w), nullptr) << w;
  }
  EXPECT_NEAR(Columns("Handheld", "RX", "Rotary"), 3 - 1.0 / 3, 0.1);  // its label at column 3
}

class ZoneSheet : public SheetTest {
 protected:
  void SetUp() override {
    SheetTest::SetUp();
    TheModel().ResetEditModel();
    TheModel().global.systemType &= std::uint8_t(~0x40);
  }
};

TEST_F(ZoneSheet, EachZoneInUsePrintsThePageOfItsFormat) {
  // Zones 1 and 2 hold 4 and 6 groups, zone 3 is an LTR zone with 3 (printed
  // as a conventional one), zone 5 a PassPort zone with 3 talk groups.
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 0, 4).refused);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 1, 6).refused);
  S().SetSystemDefaults(2, kSystemLtr);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 2, 3).refused);
  S().SetSystemDefaults(4, kSystemPassPort);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 4, 3).refused);
  S().zoneRevertGroup[2] = 0;
  S().zoneTxTimeout[2] = 0x0F;                       // zone timer 0, interconnect 15: both "3.0min"
  S().zoneHomeRepeater[2] = 0x41;                    // Connect Dial of 4 digits: 1, 2, *, #
  S().zoneInterconnectLtrId[2] = 0x2E;
  S().zoneRxIdStart[2] = 0xF0;
  S().zoneDisconnectDial[2] = 0xF0;
  CGroupRecord& g = S().groups[10];                  // zone 3's first group
  g.channelWord = 0x1000 | 3;                        // channel 4, Busy Lock Out "B"
  g.byte2 = 0x0A;                                    // RX CTCSS, TX DCS
  g.byte5 = 12;
  g.byte4 = 200;                                     // past the DCS table: an empty code
  g.byte0 = 0x80 | 0x07;                             // Monitor, no 2nd TX power
  S().groups[11].channelWord = 300;                  // names no channel
  S().groups[12].channelWord = kNoChannel;
  S().groups[14].idWord = 4321;                      // zone 5's second talk group, not in use
  S().groups[14].flags = 0;

  words = SheetWords(kSheetZone);
  EXPECT_EQ(SheetPages(), 4);
  for (const char* t : {"ZONE", "No.", "003", "Conventional", "Grp", "11", "3.0min", "12*#", "#", "Interconnect",
                        "Setting", "Group", "100.0", "CTCSS", "DCS", "B", "V", "12", "13", "GROUP011"}) {
    EXPECT_GT(Count(t, 3), 0) << t;
  }
  // The groups whose channel names no record print their number only.
  for (const char* t : {"GROUP012", "GROUP013", "NONE"}) EXPECT_EQ(Count(t, 3), 0) << t;
  EXPECT_EQ(Line("4321", 4), "GRP. 15 Disable 4321 GROUP015");
  EXPECT_EQ(Count("PRIMARY", 4), 1);
  EXPECT_EQ(Count("Connect", 4), 0);
  EXPECT_EQ(Line("ZONE", 4), "ZONE No. 005");
  EXPECT_EQ(Line("PassPort", 4), "3 PassPort SYSTEM05 Enable 3.0min High");  // with the Talk Permit Tone
  EXPECT_EQ(Line("Fixed", 4), "Fixed DCC Digital color code Home System ID Affiliated System ID");
  EXPECT_EQ(Line("Mobile", 4), "Mobile Identity Number Home Channel Frequency Wide band /Narrow band");
  G().systemType |= 0x40;  // the LTR settings the overview shows in the identity's place
  words = SheetWords(kSheetZone);
  EXPECT_EQ(Line("Fixed", 4), "Fixed DCC Digital color code Home Channel Number Multiple Group Decode");
  EXPECT_EQ(Count("Mobile", 4), 0);
}

TEST_F(ZoneSheet, LongTablesGoOnWithTheirHeaderAndTitlesStayVisible) {
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 0, 120).refused);
  for (int i = 0; i < 120; ++i) S().groups[i].channelWord = std::uint16_t(i);
  S().SetSystemDefaults(1, kSystemPassPort);
  S().groupCount[1] = 70;  // as a file may hold: more talk groups than the page offers
  S().zoneFlags[1] = kZoneInUse;
  S().UpdateGroupTotals();
  words = SheetWords(kSheetZone);
  // Every page of a table begins with its header; the zone's settings stand
  // on its first page only; every group is printed once.
  ASSERT_GE(SheetPages(), 4);
  EXPECT_EQ(Count("ZONE"), 2);
  EXPECT_EQ(Count("signal(RX)") + Count("Enable/Disable"), SheetPages());
  EXPECT_GE(Count("Enable/Disable"), 2);
  EXPECT_EQ(Count("GRP."), 70);
  EXPECT_GT(Count("120"), 0);

  // The header's boxes were drawn before their titles: "Alias" is dark on the page.
  const PdfWord& alias = Word("Alias");
  const auto image = print_test::RenderPage(SheetPdf(), alias.page, 144);
  int darkest = 255;
  for (int y = int(alias.yMin * 2); y < int(alias.yMax * 2); ++y) {
    for (int x = int(alias.xMin * 2); x < int(alias.xMax * 2); ++x) darkest = std::min(darkest, image.At(x, y));
  }
  EXPECT_LT(darkest, 128);
}

// With no zone in use the command says so before any print dialog, and prints nothing.
TEST_F(ZoneSheet, NoZoneInUseIsSaidInsteadOfPrinting) {
  S().zoneFlags[0] = 0;
  prompts.Clear();
  EXPECT_FALSE(PrintSheets(&host, kSheetZone));
  ASSERT_EQ(prompts.Prompts().size(), 1u);
  EXPECT_EQ(prompts.Prompts()[0].kind, CScriptedPrompts::Kind::MessageBox);
  EXPECT_EQ(prompts.Prompts()[0].text, kNoZoneToPrint);
}

}  // namespace
}  // namespace page_test
