// The channel table page: paging by seven and where it opens again, enabling
// and clearing channels with the report to the main dialog and the sweep of
// references, the Default Split and the spacing; its
// sheet read back from the PDF; and the blank page's keys.
#include <algorithm>
#include <string>

#include "model/channel_model.h"
#include "pages/groups/blank_page.h"
#include "pages/groups/channel_table_page.h"
#include "test_grid_support.h"
#include "ui/print/sheet_registry.h"
#include "ui/test_print_support.h"

namespace grid_test {
namespace {

using namespace channel_ids;
using print_test::FindWord;
using print_test::PdfWord;

class ChannelTableTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    for (CChannelData& c : S().channels) c.programmed = 0;
  }
  static void UseChannel(int c, double rxMHz, double txMHz, std::uint8_t spacing = 0) {
    CChannelData& ch = S().channels[c];
    ch.programmed |= 1;
    ch.rxFreq = CChannelData::MHzToUnits(rxMHz);
    ch.txFreq = CChannelData::MHzToUnits(txMHz);
    ch.modeByte = std::uint8_t((ch.modeByte & 0x3F) | (spacing << 6));
  }
  void Show() {
    Open(IDD_CHANNEL_TABLE);
    prompts.Clear();
    host.sent.clear();
  }
  int First() { return static_cast<grid::CGridPage&>(Page()).First(); }
};

TEST_F(ChannelTableTest, PagingBySevenStopsAtTheEndsAndIsKeptBetweenOpenings) {
  Show();
  for (int i = 0; i < 33; ++i) ClickButton(kNext);
  EXPECT_EQ(First(), 231);
  ClickButton(kNext);  // 231 + 7 would pass the end: 236
  ClickButton(kNext);
  EXPECT_EQ(Text(kCaptions[13]), "Ch #250");
  for (int i = 0; i < 33; ++i) ClickButton(kPrev);
  EXPECT_EQ(First(), 5);
  ClickButton(kPrev);
  EXPECT_EQ(First(), 0);
  EXPECT_EQ(prompts.Beeps(), 69);

  // The page opens where it was left; held down, the previous arrow does not
  // go below that place, and its release steps once more.
  ClickButton(kNext);
  ClickButton(kNext);
  Page().DestroyWindow();
  ASSERT_TRUE(Page().Create(IDD_CHANNEL_TABLE, &host));
  Page().ShowWindow(SW_SHOW);
  Pump();
  EXPECT_EQ(Text(kCaptions[0]), "Ch #15");
  QWidget* prev = Page().GetDlgItem(kPrev)->GetSafeHwnd();
  QTest::mousePress(prev, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  Pump(700);
  EXPECT_EQ(First(), 14);
  QTest::mouseRelease(prev, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  Pump();
  EXPECT_EQ(First(), 7);
}

TEST_F(ChannelTableTest, EnableClearAndEnableAgainWithTheSweepOfReferences) {
  UseChannel(2, 451.0, 456.0);
  S().groups[5].channelWord = 0x5002;    // channel 3 with Busy Lock Out and TOT bits
  S().zoneRepeaters[3][4] = 0x6002;      // with Interconnect and Dispatch
  S().groups[6].channelWord = 0x1003;    // another channel
  Show();
  EXPECT_EQ(Text(kRx[2]), " 451.00000");
  EXPECT_FALSE(Enabled(kRx[3]));
  EXPECT_EQ(Text(kRx[3]), "          ");

  Choose(kEnable[2], kEnableList, "Disable");
  EXPECT_FALSE(S().channels[2].IsProgrammed());
  EXPECT_EQ(S().channels[2].rxWord & 0xFF00, 0xFF00);
  EXPECT_EQ(S().groups[5].channelWord, 0x53FF);
  EXPECT_EQ(S().zoneRepeaters[3][4], 0x63FF);
  EXPECT_EQ(S().groups[6].channelWord, 0x1003);
  EXPECT_EQ(Sent(), (std::vector<Switch>{{WM_CHANNEL_CLEARED, 2, 0}}));
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_FALSE(Enabled(kRx[2]) || Enabled(kTx[2]) || Enabled(kSpace[2]));
  EXPECT_EQ(Text(kTx[2]), "          ");
  EXPECT_EQ(Text(kEnable[2]), "Disable");
  EXPECT_EQ(FocusedId(), kEnable[2]);

  // Enable: narrow, the Rx edit blank with the focus; left blank, it clears again.
  g_bModified = 0;
  host.sent.clear();
  S().channels[2].modeByte |= 0x40;
  Choose(kEnable[2], kEnableList, "Enable");
  EXPECT_EQ(S().channels[2].modeByte & 0xC0, 0);
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_EQ(FocusedId(), kRx[2]);
  EXPECT_EQ(Text(kRx[2]), "          ");
  Tab();
  EXPECT_FALSE(S().channels[2].IsProgrammed());
  EXPECT_EQ(Sent(), (std::vector<Switch>{{WM_CHANNEL_CLEARED, 2, 0}}));

  // Enable and type a frequency: in use with the Default Split, and marked.
  TheModel().message.SetDefaultSplit(5.0);
  Choose(kEnable[2], kEnableList, "Enable");
  Type("453");
  g_bModified = 0;
  Tab();
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_EQ(S().channels[2].txFreq, 45800000);
  EXPECT_EQ(Text(kTx[2]), " 458.00000");
  EXPECT_EQ(Text(kEnable[2]), "Enable");

  // "Enable" on a channel in use keeps its frequency and the focus.
  Choose(kEnable[2], kEnableList, "Enable");
  EXPECT_EQ(S().channels[2].rxFreq, 45300000);
  EXPECT_EQ(FocusedId(), kEnable[2]);
}

TEST_F(ChannelTableTest, SpacingAndTheDefaultSplit) {
  TheModel().message.SetDefaultSplit(5.0);
  UseChannel(8, 460.0, 465.0, 2);  // spacing codes the list lacks
  UseChannel(9, 461.0, 466.0, 3);
  Show();
  EXPECT_EQ(Text(kSplit), "  5.0");
  EXPECT_EQ(Text(kSpace[8]), "Narrow");
  EXPECT_EQ(Text(kSpace[9]), "Narrow");
  TypeInto(kTx[8], "466");
  EXPECT_EQ(g_bModified, 1u);  // every keystroke in a frequency marks the data

  // The Default Split: stored at each keystroke, a text beyond -99.9..99.9
  // refused with a beep; leaving truncates to 0.1 MHz.
  TypeInto(kSplit, "100");
  EXPECT_EQ(prompts.Beeps(), 1);  // the refusal
  EXPECT_EQ(Text(kSplit), "10.0");
  EXPECT_DOUBLE_EQ(TheModel().message.GetDefaultSplit(), 10.0);
  Enter(kSplit, "-5.55");
  EXPECT_DOUBLE_EQ(TheModel().message.GetDefaultSplit(), -5.5);
  EXPECT_EQ(Text(kSplit), " -5.5");
}

TEST_F(ChannelTableTest, BlankPageKeepsTheKeysOfEveryPage) {
  CBlankPage& page = OpenAs<CBlankPage>(IDD_BLANK_PAGE);
  page.SetFocus();
  Key(Qt::Key_F9, Qt::ShiftModifier);
  Key(Qt::Key_Escape);
  Pump();
  EXPECT_TRUE(page.IsWindowVisible());
  EXPECT_TRUE(std::any_of(host.sent.begin(), host.sent.end(), [](const page_test::CHostDlg::Sent& s) {
    return s.message == WM_COMMAND && LOWORD(s.wParam) == ID_ROM_EDITOR;
  }));
}

// ---- the sheet ----------------------------------------------------------------------------

std::string NumberText(int n) {
  char number[16];
  std::snprintf(number, sizeof number, "%.3d", n);
  return number;
}

// The Default Split heads the first page; the channels in use follow under
// their own numbers with no gap rows, spacing code 2 printed "Wide" as 3 is.
TEST_F(ChannelTableTest, SheetPrintsTheChannelsInUseUnderTheirOwnNumbers) {
  // Nothing in use: the headings only (Default Split 0.0 Ch. RX Freq. TX Freq. ch Space).
  TheModel().message.SetDefaultSplit(0.0);
  EXPECT_EQ(SheetWords(kSheetChannelTable).size(), 10u);
  UseChannel(0, 451.0, 456.0);
  UseChannel(1, 452.0, 457.0, 1);
  UseChannel(16, 453.125, 458.125, 2);
  UseChannel(20, 454.0, 459.0, 3);
  TheModel().message.SetDefaultSplit(5.0);
  const auto words = SheetWords(kSheetChannelTable);
  EXPECT_EQ(SheetPages(), 1);
  for (const char* number : {"001", "002", "017", "021"}) EXPECT_EQ(print_test::CountWords(words, number), 1) << number;
  EXPECT_EQ(print_test::CountWords(words, "003"), 0);
  EXPECT_EQ(print_test::CountWords(words, "5.0"), 1);
  EXPECT_EQ(print_test::CountWords(words, "453.12500"), 1);
  EXPECT_EQ(print_test::CountWords(words, "Wide"), 3);
  EXPECT_EQ(print_test::CountWords(words, "Narrow"), 1);
  const PdfWord* first = FindWord(words, "001");
  const PdfWord* third = FindWord(words, "017");
  ASSERT_TRUE(first && third);
  EXPECT_NEAR(third->yMin - first->yMin, 2 * (FindWord(words, "002")->yMin - first->yMin), 1.0);
}

// Every page holds a left and a right block, each headed by the column row at
// the same height; the channels run down the left block, then the right one.
// A block filled by the last channel in use still opens the next block with
// its heading row: the empty right block, or an empty page.
TEST_F(ChannelTableTest, SheetRunsIntoTheRightBlockAndOntoNewPagesWithItsHeadings) {
  for (int c = 0; c < kChannelCount; ++c) UseChannel(c, 450.0 + c * 0.025, 455.0 + c * 0.025);
  const auto words = SheetWords(kSheetChannelTable);
  const int pages = SheetPages();
  ASSERT_GE(pages, 2);
  for (int c = 1; c <= kChannelCount; ++c) EXPECT_EQ(print_test::CountWords(words, NumberText(c)), 1) << c;
  EXPECT_EQ(print_test::CountWords(words, "Split"), 1);  // the Default Split only at the top of the first page
  EXPECT_EQ(FindWord(words, "250")->page, pages);
  int rightFirst = 2;
  while (FindWord(words, NumberText(rightFirst))->xMin < FindWord(words, "001")->xMin + 50) ++rightFirst;
  const PdfWord* right = FindWord(words, NumberText(rightFirst));
  EXPECT_NEAR(right->yMin, FindWord(words, "001")->yMin, 1.0);
  EXPECT_EQ(right->page, 1);
  std::vector<const PdfWord*> heads;
  for (const PdfWord& w : words) {
    if (w.page == 1 && w.text == "Ch.") heads.push_back(&w);
  }
  ASSERT_EQ(heads.size(), 2u);
  EXPECT_NEAR(heads[0]->yMin, heads[1]->yMin, 1.0);

  const int perBlock = rightFirst - 1;
  for (int c = perBlock; c < kChannelCount; ++c) S().channels[c].programmed = 0;
  auto filled = SheetWords(kSheetChannelTable);
  EXPECT_EQ(SheetPages(), 1);
  EXPECT_EQ(print_test::CountWords(filled, "Ch."), 2);
  for (int c = perBlock; c < 2 * perBlock; ++c) UseChannel(c, 450.0, 455.0);
  filled = SheetWords(kSheetChannelTable);
  ASSERT_EQ(SheetPages(), 2);
  EXPECT_EQ(print_test::CountWords(filled, "Ch.", 1), 2);
  // Page 2: the heading row only ("Ch.", "RX Freq.", "TX Freq.", "ch Space").
  EXPECT_EQ(std::count_if(filled.begin(), filled.end(), [](const PdfWord& w) { return w.page == 2; }), 7);
}

}  // namespace
}  // namespace grid_test
