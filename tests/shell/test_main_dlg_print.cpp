// The Print menu of the main dialog: the Global sheet has Global 1 at the left
// and Global 2 beside it on its first page, Mobile Special on the second.
#include <gtest/gtest.h>

#include "ui/test_print_support.h"
#include "shell/print_sheets.h"
#include "test_main_dlg_support.h"

namespace main_dlg_test {
namespace {

using namespace print_test;

TEST_F(MainDlgTest, GlobalSheetPrintsBothHalvesSideBySide) {
  Start();
  TempDir tmp;
  const std::string pdf = tmp.File("global.pdf");
  prompts.AnswerPrintToPdf(pdf);
  Command(ID_PRINT_GLOBAL);
  ui_test::Pump();

  EXPECT_EQ(2, PdfPageCount(pdf));
  const auto words = PdfWords(pdf);
  const PdfWord* model = FindWord(words, "MODEL");      // a row of Global 1
  const PdfWord* emergency = FindWord(words, "Emergency");  // a row of Global 2
  ASSERT_NE(model, nullptr);
  ASSERT_NE(emergency, nullptr);
  EXPECT_EQ(1, model->page);
  EXPECT_EQ(1, emergency->page);
  EXPECT_GT(emergency->xMin, model->xMax);
}

}  // namespace
}  // namespace main_dlg_test

namespace main_dlg_test {
namespace {

TEST_F(MainDlgTest, KeySheetPrintsAPictureAndReturnsToTheTab) {
  Start();
  Command(ID_PAGE_GLOBAL2);
  const int before = dlg->GetTabCtrl().GetCurSel();
  print_test::TempDir tmp;
  const std::string pdf = tmp.File("keys.pdf");
  prompts.AnswerPrintToPdf(pdf);
  Command(ID_PRINT_KEY);
  ui_test::Pump();
  EXPECT_EQ(1, print_test::PdfPageCount(pdf));
  EXPECT_EQ(before, dlg->GetTabCtrl().GetCurSel());
  EXPECT_FALSE(g_bKeyPrintActive);
}

}  // namespace
}  // namespace main_dlg_test

namespace main_dlg_test {
namespace {

// Texts of a sheet that are known to run into each other, by the sheet's own
// layout: the Global 2 half prints "Zone/Group" 8 character widths after
// "Emergency", a word about 9 average characters wide in any font. Its column
// belongs to that sheet; the entry goes when the column moves. (Where two
// texts overlap, the PDF's text layer may cut the second into pieces.)
const std::pair<std::string, std::string> kKnownOverlaps[] = {{"Emergency", "Zone/Group"}};

bool IsKnownOverlap(const std::pair<std::string, std::string>& pair) {
  for (const auto& [first, second] : kKnownOverlaps) {
    if (pair.first == first && second.find(pair.second) != std::string::npos) return true;
  }
  return false;
}

// Pairs of words on one row of one page whose boxes overlap.
std::vector<std::pair<std::string, std::string>> Overlaps(const std::vector<print_test::PdfWord>& words) {
  std::vector<std::pair<std::string, std::string>> found;
  for (std::size_t i = 0; i < words.size(); ++i) {
    for (std::size_t j = 0; j < words.size(); ++j) {
      const auto& a = words[i];
      const auto& b = words[j];
      if (i == j || a.page != b.page) continue;
      // One row: the two boxes share most of their height.
      const double shared = std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin);
      if (shared < 0.5 * std::min(a.yMax - a.yMin, b.yMax - b.yMin)) continue;
      // b starts inside a (by more than a hair).
      if (b.xMin >= a.xMin && b.xMin < a.xMax - 0.2) found.emplace_back(a.text, b.text);
    }
  }
  return found;
}

TEST_F(MainDlgTest, NoTwoWordsOfARowOfAnyPrintedSheetOverlap) {
  for (const int productionType : {0, 11}) {
    TheModel().store.modelWord = static_cast<std::uint32_t>(productionType) << 8;
    Start();
    // Every print command of the Print menu, and the channel sheet's, whose sheet is built.
    std::vector<UINT> commands = {ID_PRINT_CHANNELS};
    for (int i = 0; i < dlg->GetMainMenu().GetMenuItemCount(); ++i) {
      std::string title;
      dlg->GetMainMenu().GetMenuString(static_cast<UINT>(i), title, MF_BYPOSITION);
      if (title != "&Print") continue;
      CMenu* print = dlg->GetMainMenu().GetSubMenu(i);
      for (int k = 0; k < print->GetMenuItemCount(); ++k) commands.push_back(print->GetMenuItemID(k));
    }
    int printed = 0;
    for (const UINT command : commands) {
      const int sheet = SheetOfCommand(command);
      if (sheet < 0 || !(IsSheetRegistered(sheet, 0) || IsSheetRegistered(sheet, 1) || IsSheetRegistered(sheet, 2))) {
        continue;
      }
      print_test::TempDir tmp;
      const std::string pdf = tmp.File("sheet.pdf");
      prompts.AnswerPrintToPdf(pdf);
      Command(command);
      ui_test::Pump();
      const auto words = print_test::PdfWords(pdf);
      ASSERT_FALSE(words.empty()) << "sheet " << sheet;
      ++printed;
      for (const auto& pair : Overlaps(words)) {
        if (IsKnownOverlap(pair)) continue;
        ADD_FAILURE() << "production type " << productionType << ", sheet " << sheet << ": \"" << pair.first
                      << "\" runs into \"" << pair.second << "\"";
      }
    }
    EXPECT_GE(printed, 1);
    dlg.reset();
  }
}

}  // namespace
}  // namespace main_dlg_test
