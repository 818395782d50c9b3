// The LTR advanced features page driven by typing, clicks and held arrows: the
// ID rule of each keystroke with its message, the Default column reaching LTR
// zones only for the IDs, resume and rise times (and every zone for hang, fade
// and prefix), cells of other formats greyed, the Default ID edit's caret, the
// lists that commit on a selection change, the M-mode rows, and the Interconnect button.
#include "model/trunk_ltr.h"
#include "pages/trunk/ltr_advanced_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace ltr_advanced_ids;

class LtrAdvancedTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    // Zones take the formats LTR, Conventional, PassPort in turn.
    const int kinds[] = {kSystemLtr, kSystemConventional, kSystemPassPort};
    for (int z = 0; z < kZoneCount; ++z) UseZone(z, kinds[z % 3]);
  }
  CLtrAdvancedFeaturesPage& ShowPage(int first = 0) { return Show<CLtrAdvancedFeaturesPage>(IDD_LTR_ADVANCED, first); }
};

TEST_F(LtrAdvancedTest, IdsAreCheckedAtEachKeystrokeInTheirOwnColumn) {
  ShowPage();
  FocusOn(kRxIdStart[0]);
  Pump();
  Type("2");
  EXPECT_EQ(S().zoneRxIdStart[0], 2);
  Type("5");
  EXPECT_EQ(S().zoneRxIdStart[0], 25);
  EXPECT_EQ(g_bModified, 1u);
  Type("1");
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kLtrIdMessage});
  EXPECT_EQ(Text(kRxIdStart[0]), "25");
  EXPECT_EQ(S().zoneRxIdStart[0], 25);
  prompts.Clear();
  TypeInto(kTxInhibitIdStop[3], "0");  // zone 4 (LTR)
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kLtrIdMessage});
  EXPECT_EQ(Text(kTxInhibitIdStop[3]), "");
  EXPECT_EQ(S().zoneTxInhibitIdStop[3], 255);
  // Typed into column 4, then a list of column 1 opened: the ID stays with zone 4.
  TypeInto(kTxInhibitIdStart[3], "7");
  ClickCell(kHang[0]);
  EXPECT_EQ(S().zoneTxInhibitIdStart[3], 7);
  EXPECT_EQ(S().zoneTxInhibitIdStart[0], 255);
  // Every digit deleted: none (255), shown empty.
  FocusOn(kRxIdStart[0]);
  Pump();  // the select-all posted on focus
  Key(Qt::Key_End);
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(S().zoneRxIdStart[0], 255);
  EXPECT_EQ(Text(kRxIdStart[0]), "");
}

// Fault R1: the IDs, resume and rise times share their bytes with a
// Conventional zone's Connect Dial and a PassPort zone's timers and flags.
TEST_F(LtrAdvancedTest, DefaultsReachOnlyTheZonesWhoseBytesTheyAre) {
  hooks.modeM = true;
  ShowPage();
  std::uint8_t dial[kZoneCount], timers[kZoneCount];
  for (int z = 0; z < kZoneCount; ++z) {
    dial[z] = S().zoneRxIdStart[z] = std::uint8_t(0x40 + z);
    timers[z] = S().zonePassPortFlags[z] = S().zoneScanWords[z] = std::uint8_t(z);
  }
  TypeInto(kRxIdDefaults[0], "7");
  Choose(kDecodeResumeDefault, kPopupList, "30Sec");
  ClickCell(kRiseTimeDefault);
  Key(Qt::Key_Down);  // commits on the selection change: from "10msec" to "15msec"
  Choose(kHangDefault, kPopupList, "3.0Sec");
  Choose(kFadeDefault, kPopupList, "0.5Sec");
  for (int z = 0; z < kZoneCount; ++z) {
    const bool ltr = z % 3 == 0;
    EXPECT_EQ(S().zoneRxIdStart[z], ltr ? 7 : dial[z]) << z;
    EXPECT_EQ(S().zonePassPortFlags[z], ltr ? (0x60 | (timers[z] & 0x0F)) : timers[z]) << z;
    EXPECT_EQ(S().zoneScanWords[z], ltr ? (0x30 | (timers[z] & 0x0F)) : timers[z]) << z;
    EXPECT_EQ(S().zoneChannelHangTime[z], 60) << z;
    EXPECT_EQ(S().zoneChannelFadeTime[z], 1) << z;
  }
  EXPECT_EQ(Text(kRxIdDefaults[0]), "7");
  EXPECT_EQ(Text(kRxIdStart[0]), "7");
  EXPECT_EQ(Text(kRiseTimeDefault), "15msec");
  // An LTR zone takes every row; a PassPort zone the hang, fade and prefix
  // only; a Conventional zone none.
  for (const int* row : {kRiseTime, kRxIdStart, kRxIdStop, kDecodeResume, kTxInhibitIdStart, kTxInhibitResume}) {
    EXPECT_TRUE(Enabled(row[0]));
    EXPECT_FALSE(Enabled(row[1]));
    EXPECT_FALSE(Enabled(row[2]));
  }
  for (const int* row : {kPrefix, kHang, kFade}) {
    EXPECT_TRUE(Enabled(row[0]) && !Enabled(row[1]) && Enabled(row[2]));
  }
  EXPECT_EQ(Text(kRxIdStart[2]), "");  // a PassPort zone's timer is no ID
}

TEST_F(LtrAdvancedTest, TheDefaultIdKeepsTheCaretAndSelectionListsKeepTheFocus) {
  hooks.modeM = true;
  ShowPage();
  TypeInto(kRxIdDefaults[1], "25");
  Key(Qt::Key_Home);
  Type("0");  // "025" is 25: the page shows "25" again, the caret after the "0" typed
  auto* edit = dynamic_cast<CEdit*>(Page().GetDlgItem(kRxIdDefaults[1]));
  int start = -1, end = -1;
  edit->GetSel(start, end);
  EXPECT_EQ(Text(kRxIdDefaults[1]), "25");
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 1);
  Type("1");
  EXPECT_EQ(Text(kRxIdDefaults[1]), "215");
  EXPECT_EQ(S().zoneRxIdStop[3], 215);

  // The prefix list commits on the first selection change, quietly hides, and
  // leaves the focus on its cell.
  ClickCell(kPrefix[0]);
  ASSERT_TRUE(ListShown(kPopupList));
  Key(Qt::Key_Down);
  EXPECT_FALSE(ListShown(kPopupList));
  EXPECT_EQ(S().zonePrefixCode[0], 170);
  EXPECT_EQ(FocusedId(), kPrefix[0]);
  EXPECT_FALSE(IsRed(kPrefix[0]));
  // Other lists commit on Enter and move the focus on.
  FocusOn(kFade[0]);
  Key(Qt::Key_Return);
  Key(Qt::Key_Down);
  EXPECT_EQ(S().zoneChannelFadeTime[0], 4);  // moving the selection writes nothing
  Key(Qt::Key_Return);
  EXPECT_EQ(S().zoneChannelFadeTime[0], 6);
  EXPECT_NE(FocusedId(), kFade[0]);
}

TEST_F(LtrAdvancedTest, ModeMRowsButtonsAndHeldArrows) {
  auto& page = ShowPage(3);
  EXPECT_FALSE(Visible(page, kRiseTime[0]));
  EXPECT_FALSE(Visible(page, kPrefixDefault));
  CRect hang, caption;
  page.GetDlgItem(kHang[0])->GetWindowRect(&hang);
  page.GetDlgItem(kCaptions[0])->GetWindowRect(&caption);
  EXPECT_LT(hang.top - caption.bottom, caption.Height() * 2);  // moved up into the hidden rows' place
  EXPECT_EQ(Text(kCaptions[0]), "Zone  4");

  Hold(kNext, 8 * 40);
  EXPECT_EQ(page.First(), 27);
  EXPECT_EQ(Text(kCaptions[4]), "Zone 32");
  Hold(kPrev, 8 * 40);
  EXPECT_EQ(page.First(), 0);
  EXPECT_TRUE(NoPageSwitch());
  Click(page.GetDlgItem(kNext));
  FocusOn(kInterconnect);
  Key(Qt::Key_Return);
  EXPECT_EQ(Sent(), (std::vector<Switch>{{WM_SHOWPAGE_INTERCONNECT, 0, 1}}));
}

}  // namespace
}  // namespace grid_test
