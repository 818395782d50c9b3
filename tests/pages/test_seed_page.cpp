// The Seed channel page and sheet: UHF frequencies typed and committed by
// Enter, the words stored, the beeps, the modified flag, a visit that stores
// nothing, and the sheet read back from its PDF.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "model/seed_channel.h"
#include "page_harness.h"
#include "pages/settings/seed_page.h"
#include "ui/print/sheet_registry.h"

namespace page_test {
namespace {

constexpr std::uint16_t kBlank = 0xF7FF;

CSeedChannelRecord& Seed(int i) { return TheModel().store.seedChannels[i]; }
std::vector<std::uint16_t> Words(int i) { return {Seed(i).channelWord[0], Seed(i).channelWord[1], Seed(i).channelWord[2]}; }

using SeedPage = PageHarness;

TEST_F(SeedPage, UhfFrequenciesAreStoredOnlyWhereTheBandPlanHoldsThem) {
  Seed(1).channelWord[0] = Seed(1).channelWord[1] = Seed(1).channelWord[2] = kBlank;
  OpenAs<CSeedChannelPage>(IDD_SEED);
  struct Case {
    int seed;
    const char* typed;
    std::vector<std::uint16_t> words;
    const char* shown;
    bool beep, modified;
  };
  const Case cases[] = {
      {0, "455", {0x44B0, 0x5190, kBlank}, " 455.00000", false, true},
      {0, "449", {0x4320, kBlank, kBlank}, " 450.00000", false, true},  // into the band
      {1, "449", {kBlank, kBlank, kBlank}, "   0.00000", true, false},  // a blank seed refuses it
      {2, "470.00625", {0x7320, kBlank, kBlank}, " 470.00000", false, true},
      {0, "512", {0x4320, kBlank, kBlank}, " 450.00000", true, false},  // no row holds it: kept
      {0, "600", {0x4320, kBlank, kBlank}, " 450.00000", true, false},
      {3, "0", {kBlank, kBlank, kBlank}, "   0.00000", false, true},
      {4, "", {kBlank, kBlank, kBlank}, "   0.00000", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " in seed " + std::to_string(c.seed + 1));
    const auto before = Packed();
    g_bModified = 0;
    prompts.Clear();
    TypeInto(IDC_SEED_FREQ[c.seed], c.typed);
    if (!*c.typed) {
      Key(Qt::Key_Delete);  // the whole text, selected on focus
      EXPECT_EQ(Shown(IDC_SEED_FREQ[c.seed]), "");
    }
    Key(Qt::Key_Return);
    Pump();
    EXPECT_EQ(Words(c.seed), c.words);
    EXPECT_EQ(Shown(IDC_SEED_FREQ[c.seed]), c.shown);
    EXPECT_EQ(prompts.Beeps(), c.beep ? 1 : 0);
    EXPECT_EQ(g_bModified, c.modified ? 1u : 0u);
    // Enter moved on to the next seed; only the seed's six bytes changed.
    EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDC_SEED_FREQ[c.seed + 1]);
    const std::size_t at = 13696 + 6 * std::size_t(c.seed);
    ExpectImageDiff(before, {{at}, {at + 1}, {at + 2}, {at + 3}, {at + 4}, {at + 5}});
  }
}

std::vector<char> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file whose seed words are not what the page's rounding would store (seed 1
// at 455 MHz without its second band-plan word): opening it, passing through
// every seed and leaving stores nothing, leaves nothing to ask at close, and
// saves the same bytes.
TEST_F(SeedPage, PassingThroughTheSeedsOfAFileStoresNothing) {
  print_test::TempDir dir;
  const std::string file = dir.File("seed.X417");
  Seed(0).channelWord[0] = 0x44B0;
  Seed(0).channelWord[1] = Seed(0).channelWord[2] = kBlank;
  ASSERT_TRUE(TheModel().SaveDataFile(file));
  ASSERT_EQ(TheModel().LoadDataFile(file, dir.path.string()), 1);
  g_bModified = 0;
  OpenAs<CSeedChannelPage>(IDD_SEED);
  for (int id : IDC_SEED_FREQ) FocusOn(id);
  Tab();
  Close();
  EXPECT_EQ(g_bModified, 0u);
  ASSERT_TRUE(TheModel().SaveDataFile(dir.File("again.X417")));
  EXPECT_EQ(FileBytes(file), FileBytes(dir.File("again.X417")));
}

// Twenty seeds in two blocks of ten side by side, each with the frequency of
// its word 0 only.
TEST_F(SeedPage, SheetPrintsTwoBlocksWithTheirWordZeroFrequencies) {
  Seed(0).channelWord[0] = 0x44B0;
  Seed(0).channelWord[1] = 0x5190;
  Seed(19).channelWord[0] = kBlank;
  Seed(19).channelWord[1] = 0x44B0;
  const auto words = SheetWords(kSheetSeedChannel);
  EXPECT_EQ(SheetPages(), 1);
  const print_test::PdfWord* first = print_test::FindWord(words, "001");
  const print_test::PdfWord* eleventh = print_test::FindWord(words, "011");
  ASSERT_TRUE(first && eleventh && print_test::FindWord(words, "020"));
  EXPECT_NEAR(first->yMin, eleventh->yMin, 0.5);
  EXPECT_GT(eleventh->xMin, first->xMin);
  EXPECT_EQ(print_test::CountWords(words, "455.00000"), 1);
  EXPECT_NE(print_test::FindWord(words, "Seed"), nullptr);
}

}  // namespace
}  // namespace page_test
