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
