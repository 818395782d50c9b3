// The Zone sheet printed through the print dispatch on the default A4 page and
// read back from the PDF: a page per zone in use, the conventional layout with
// its group table, the PassPort layout with its features and talk groups,
// tables that run onto further pages with their header, channel numbers that
// name no channel, and header titles that stay visible under their boxes.
#include <algorithm>
#include <string>

#include "model/zone_model.h"
#include "page_harness.h"
#include "ui/print/sheet_registry.h"

namespace {

using print_test::FindWord;
using print_test::PdfWord;

CChannelStore& S() { return TheModel().store; }

class ZoneSheetTest : public page_test::PageHarness {
 protected:
  void SetUp() override {
    PageHarness::SetUp();
    TheModel().ResetEditModel();
    TheModel().global.systemType &= std::uint8_t(~0x40);
  }

  std::vector<PdfWord> Print(int* pages) {
    auto words = SheetWords(kSheetZone);
    *pages = SheetPages();
    return words;
  }
  static std::vector<std::string> OnPage(const std::vector<PdfWord>& words, int page) {
    std::vector<std::string> texts;
    for (const PdfWord& w : words) {
      if (w.page == page) texts.push_back(w.text);
    }
    return texts;
  }
  static bool Has(const std::vector<std::string>& texts, const std::string& t) {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
  }
};

TEST_F(ZoneSheetTest, AConventionalZonePrintsItsSettingsAndGroupTable) {
  // Zones 1 and 2 hold 4 and 6 groups; zone 3 is an LTR zone in use with 3.
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 0, 4).refused);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 1, 6).refused);
  S().SetSystemDefaults(2, kSystemLtr);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 2, 3).refused);
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

  int pages = 0;
  const auto words = Print(&pages);
  EXPECT_EQ(pages, 3);
  const auto zone3 = OnPage(words, 3);
  for (const char* t : {"ZONE", "No.", "003", "Conventional", "Grp", "11", "3.0min", "12*#", "#", "Interconnect",
                        "Setting", "Group", "100.0", "CTCSS", "DCS", "B", "V", "11", "12", "13"}) {
    EXPECT_TRUE(Has(zone3, t)) << t;
  }
  // The groups whose channel names no record print their number only.
  for (const char* t : {"GROUP012", "GROUP013", "NONE"}) EXPECT_FALSE(Has(zone3, t)) << t;
  EXPECT_TRUE(Has(zone3, "GROUP011"));
}

TEST_F(ZoneSheetTest, APassPortZonePrintsItsFeaturesAndTalkGroups) {
  S().zoneFlags[0] = 0;
  S().groupCount[0] = 0;
  S().SetSystemDefaults(4, kSystemPassPort);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 4, 3).refused);
  for (auto* a : {S().zonePassPortFlags, S().zonePassPortRssiFlags, S().zoneLookbackTime, S().zoneRssiDuration,
                  S().zoneLookbackRssi, S().zoneRegisteredRssi, S().zoneOsmRssi, S().zoneInterconnectLtrId,
                  S().zoneRxIdStart, S().zoneTxInhibitIdStart, S().zoneFlags2}) {
    a[4] = 0;
  }
  S().zoneRxIdStop[4] = 30;
  S().zoneRegisteredRssi[4] = 15;  // no entry: "-99dBm"
  S().groups[1].idWord = 4321;
  S().groups[1].flags = 0;

  int pages = 0;
  const auto words = Print(&pages);
  ASSERT_EQ(pages, 1);
  const auto texts = OnPage(words, 1);
  for (const char* t : {"005", "PassPort", "Features", "Disable", "Enable", "60min", "-110dBm", "-99dBm", "900",
                        "sec", "PRIMARY", "GRP.", "4321", "Talk", "TOT", "Encryption", "Home", "DCC"}) {
    EXPECT_TRUE(Has(texts, t)) << t;
  }
  EXPECT_FALSE(Has(texts, "Connect"));
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "PRIMARY"), 1);
}

TEST_F(ZoneSheetTest, LongTablesGoOnWithTheirHeaderAndTitlesStayVisible) {
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 0, 120).refused);
  for (int i = 0; i < 120; ++i) S().groups[i].channelWord = std::uint16_t(i);
  S().SetSystemDefaults(1, kSystemPassPort);
  S().groupCount[1] = 70;  // as a file may hold: more talk groups than the page offers
  S().zoneFlags[1] = kZoneInUse;
  S().UpdateGroupTotals();
  int pages = 0;
  const auto words = Print(&pages);
  ASSERT_GE(pages, 4);
  // Every page of a table begins with its header; the zone's settings stand
  // on its first page only; every group is printed once.
  int zones = 0, subaudible = 0, talk = 0;
  for (const PdfWord& w : words) {
    zones += w.text == "ZONE";
    subaudible += w.text == "signal(RX)";
    talk += w.text == "Enable/Disable";
  }
  EXPECT_EQ(zones, 2);
  EXPECT_EQ(subaudible + talk, pages);
  EXPECT_GE(talk, 2);
  EXPECT_EQ(std::count_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "GRP."; }), 70);
  EXPECT_NE(FindWord(words, "120"), nullptr);

  // The header's boxes were drawn before their titles: "Alias" is dark on the page.
  const PdfWord* alias = FindWord(words, "Alias");
  ASSERT_NE(alias, nullptr);
  const auto image = print_test::RenderPage(SheetPdf(), alias->page, 144);
  int darkest = 255;
  for (int y = int(alias->yMin * 2); y < int(alias->yMax * 2); ++y) {
    for (int x = int(alias->xMin * 2); x < int(alias->xMax * 2); ++x) darkest = std::min(darkest, image.At(x, y));
  }
  EXPECT_LT(darkest, 128);
}

TEST_F(ZoneSheetTest, NoZoneInUsePrintsNoPage) {
  S().zoneFlags[0] = 0;
  int pages = -1;
  const auto words = Print(&pages);
  EXPECT_LE(pages, 0);  // no page begun: the job writes no document
  EXPECT_TRUE(words.empty());
}

}  // namespace
