// The repeater grid driven by clicks, double-clicks and held arrows: what a
// slot shows for no channel, a channel record and a number that names none;
// the bits a channel choice sets and "None" clears; the flag cells; the first
// slot shown carried across zones within 0..4.
#include <QScrollBar>

#include "model/trunk_repeaters.h"
#include "pages/trunk/repeater_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace repeater_ids;

class RepeaterPageTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    UseZone(2, kSystemLtr);
    Program(4, 46001250, 46501250);
    S().channels[4].modeByte = 0x40;      // "Wide"
    S().zoneRepeaters[2][0] = 0x0BFF;     // no channel; Rx Data Phase "Invert"
    S().zoneRepeaters[2][1] = 0x1258;     // 600: names no channel record; Data Appli.
    S().zoneRepeaters[2][2] = 0x1C04;     // channel 4 (shown "  5"), both phases "Invert", Data Appli.
  }
  std::uint16_t Word(int slot) const { return S().zoneRepeaters[2][slot]; }
};

TEST_F(RepeaterPageTest, SlotsShowTheirChannelsAndTakeChoicesByTheRules) {
  auto& page = Show<CSystemRepeaterPage>(IDD_REPEATERS, 2);
  EXPECT_EQ(Text(kZoneNumber), "3");
  EXPECT_EQ(Text(kAlias), "SYSTEM03");
  EXPECT_EQ(Text(kCaptions[0]), "RPT#1");
  // No channel: empty frequencies, flags grey and out of reach.
  EXPECT_EQ(Text(kChannel[0]), "None");
  EXPECT_EQ(Text(kTxFreq[0]), "");
  EXPECT_FALSE(Enabled(kTxFreq[0]));
  EXPECT_FALSE(Enabled(kDispatch[0]));
  ClickCell(kRxPhase[0]);
  EXPECT_FALSE(ListShown(kPopupList));
  // A number past the channel records: shown as it is, no frequencies, left as it is.
  EXPECT_EQ(Text(kChannel[1]), "601");
  EXPECT_EQ(Text(kRxFreq[1]), "");
  EXPECT_FALSE(Enabled(kSpace[1]));
  EXPECT_TRUE(Enabled(kDispatch[1]));
  EXPECT_EQ(Word(1), 0x1258);
  // A channel record.
  EXPECT_EQ(Text(kChannel[2]), "  5");
  EXPECT_EQ(Text(kTxFreq[2]), "460.01250");
  EXPECT_EQ(Text(kRxFreq[2]), "465.01250");
  EXPECT_EQ(Text(kSpace[2]), "Wide");
  EXPECT_EQ(Text(kRxPhase[2]), "Invert");
  EXPECT_EQ(prompts.Beeps(), 0);

  // A channel for the empty slot: Dispatch, Interconnect and TX "Invert" at
  // once; the Rx phase and Data Appli. keep theirs.
  // Its list is drawn in a fixed-pitch font, so that the channels line up under the heading.
  ClickCell(kChannel[0]);
  ASSERT_TRUE(ListShown(kChannelList));
  EXPECT_EQ(List(kChannelList)->item(0)->text().toStdString(), "None TX       RX");
  const QFontMetrics metrics(List(kChannelList)->font());
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("None TX")), metrics.horizontalAdvance(QStringLiteral("  1   4")));
  const OfferedList offered = RepeaterChannelChoices(TheModel(), 2, 0);
  DoubleClickItem(kChannelList, offered.entries[std::size_t(offered.Find(4))].text.c_str());
  EXPECT_EQ(Word(0), 0x6C04);
  EXPECT_EQ(Text(kDispatch[0]), "Enable");
  EXPECT_EQ(Text(kTxPhase[0]), "Invert");
  EXPECT_EQ(g_bModified, 1u);
  // RPT#1 is the home repeater: its Dispatch and Interconnect are on, as the
  // save writes them, whatever the word holds; the other slots take a choice.
  S().zoneRepeaters[2][0] &= 0x9FFF;
  page.Refresh();
  EXPECT_EQ(Text(kInterconnect[0]), "Enable");
  EXPECT_FALSE(Enabled(kInterconnect[0]));
  EXPECT_TRUE(Enabled(kInterconnect[2]));
  // "None": Dispatch, Interconnect and Data Appli. cleared, the phases kept.
  Choose(kChannel[2], kChannelList, "None TX       RX");
  EXPECT_EQ(Word(2), 0x0FFF);
  EXPECT_FALSE(Enabled(kTxPhase[2]));
  // A channel list from column 6 opens to the left of its cell.
  CRect cell, list;
  ClickCell(kChannel[5]);
  page.GetDlgItem(kChannel[5])->GetWindowRect(&cell);
  page.GetDlgItem(kChannelList)->GetWindowRect(&list);
  EXPECT_EQ(list.right, cell.left);
}

// The channel list is as wide as its widest entry needs in its fixed-pitch
// font, with one channel and with more than it shows at once (beside its
// scroll bar): no entry is cut off, no horizontal scroll bar; it opens beside
// its cell, to the left where it would pass the page's edge.
TEST_F(RepeaterPageTest, TheChannelListShowsEveryEntryWhole) {
  for (const int channels : {1, 40}) {
    for (CChannelData& c : S().channels) c.programmed &= ~1;
    for (int n = 10; n < 10 + channels; ++n) Program(n, 45000000 + 12500 * n, 45500000 + 12500 * n);
    auto& page = Show<CSystemRepeaterPage>(IDD_REPEATERS, 2);
    for (const int column : {0, 4, 7}) {
      SCOPED_TRACE(testing::Message() << channels << " channels, column " << column + 1);
      ClickCell(kChannel[column]);
      ASSERT_TRUE(ListShown(kChannelList));
      QListWidget* list = List(kChannelList);
      Pump();
      EXPECT_EQ(list->count(), channels + 1);
      EXPECT_EQ(list->verticalScrollBar()->isVisible(), channels > 1);
      EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
      int widest = 0;
      for (int i = 0; i < list->count(); ++i) widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(i)->text()));
      EXPECT_LE(widest, list->viewport()->width());
      // Within the page, beside its cell (RPT#5's opens to the left).
      CRect inside, cell, shown;
      page.GetWindowRect(&inside);
      page.GetDlgItem(kChannel[column])->GetWindowRect(&cell);
      page.GetDlgItem(kChannelList)->GetWindowRect(&shown);
      EXPECT_LE(shown.right, inside.right);
      EXPECT_TRUE(shown.left == cell.right - 5 || shown.right == cell.left);
    }
    Close();
  }
}

TEST_F(RepeaterPageTest, TheFirstSlotShownIsCarriedAcrossZonesAndHeldArrowsNeverSwitchPage) {
  auto& page = Show<CSystemRepeaterPage>(IDD_REPEATERS, 2);
  for (int i = 0; i < 5; ++i) Click(page.GetDlgItem(kNext));
  EXPECT_EQ(page.First(), 4);  // the fifth click only beeps
  EXPECT_EQ(prompts.Beeps(), 5);
  EXPECT_EQ(Text(kCaptions[0]), "RPT#5");
  EXPECT_EQ(Text(kCaptions[15]), "RPT#20");
  Click(page.GetDlgItem(kPrev));
  Reopen(IDD_REPEATERS, 7);  // another zone: slots 4-19 again
  EXPECT_EQ(page.First(), 3);
  EXPECT_EQ(Text(kCaptions[0]), "RPT#4");
  EXPECT_EQ(Text(kZoneNumber), "8");

  // Held down, an arrow steps no lower than where the page opened and no
  // higher than 4; the release is one more click. Nothing reaches the main dialog.
  Hold(kPrev, 8 * 4);
  EXPECT_EQ(page.First(), 2);
  Hold(kNext, 8 * 6);
  EXPECT_EQ(page.First(), 4);
  EXPECT_EQ(Text(kCaptions[0]), "RPT#5");
  EXPECT_TRUE(NoPageSwitch());
}

}  // namespace
}  // namespace grid_test
