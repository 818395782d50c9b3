// The key sheet through the main dialog: a picture of the Key Assignment page,
// printed from another tab, which comes back afterwards.
#include <algorithm>

#include "pages/settings/key_assign_page.h"
#include "shell/print_sheets.h"
#include "shell/test_main_dlg_support.h"
#include "ui/test_print_support.h"

namespace main_dlg_test {
namespace {

int PdfImageCount(const std::string& pdf) {
  // The listing's two header lines, then a line per picture.
  const std::string list = print_test::RunCommand("pdfimages -list '" + pdf + "' 2>/dev/null");
  return static_cast<int>(std::count(list.begin(), list.end(), '\n')) - 2;
}

TEST_F(MainDlgTest, KeySheetFromTheZoneTabIsOnePictureAndTheZoneTabComesBack) {
  Start();
  Command(ID_PAGE_ZONE);
  const int zoneTab = dlg->GetTabCtrl().GetCurSel();
  print_test::TempDir tmp;
  for (bool cancel : {false, true}) {
    SCOPED_TRACE(cancel);
    const std::string pdf = tmp.File("key.pdf");
    prompts.AnswerPrintToPdf(cancel ? std::nullopt : std::optional<std::string>(pdf));
    Command(ID_PRINT_KEY);
    ui_test::Pump();
    if (!cancel) {
      EXPECT_EQ(print_test::PdfPageCount(pdf), 1);
      EXPECT_EQ(PdfImageCount(pdf), 1);
    }
    EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), zoneTab);
    EXPECT_NE(PageWindow(dlg->GetZoneSubPageId()), nullptr);
    EXPECT_EQ(PageWindow(IDD_KEY_ASSIGN_SIDE), nullptr);
    EXPECT_FALSE(g_bKeyPrintActive);
  }
}

}  // namespace
}  // namespace main_dlg_test
