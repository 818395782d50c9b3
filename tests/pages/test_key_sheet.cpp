// The key sheet through the main dialog: a picture of the Key Assignment page,
// printed from another tab, which comes back afterwards.
#include <sstream>
#include <vector>

#include "pages/settings/key_assign_page.h"
#include "shell/print_sheets.h"
#include "shell/test_main_dlg_support.h"
#include "ui/test_print_support.h"

namespace main_dlg_test {
namespace {

// The pictures of a PDF as pdfimages lists them: size in pixels, encoding,
// resolution (pixels an inch).
struct PdfImage {
  int width = 0, height = 0;
  std::string encoding;
  double ppi = 0;
};
std::vector<PdfImage> PdfImages(const std::string& pdf) {
  std::istringstream list(print_test::RunCommand("pdfimages -list '" + pdf + "' 2>/dev/null"));
  std::vector<PdfImage> images;
  std::string line, skip;
  for (int row = 0; std::getline(list, line); ++row) {
    if (row < 2) continue;  // the heading and its rule
    std::istringstream f(line);
    PdfImage image;
    f >> skip >> skip >> skip >> image.width >> image.height >> skip >> skip >> skip >> image.encoding >> skip >>
        skip >> skip >> image.ppi;
    images.push_back(image);
  }
  return images;
}

TEST_F(MainDlgTest, KeySheetFromTheZoneTabIsOnePictureAndTheZoneTabComesBack) {
  Start();
  Command(ID_PAGE_ZONE);
  const int zoneTab = dlg->GetTabCtrl().GetCurSel();
  Command(ID_PAGE_KEY_ASSIGN);
  const QSize keyPage = dlg->GetCurrentPage()->GetSafeHwnd()->visibleRegion().boundingRect().size();
  Command(ID_PAGE_ZONE);
  print_test::TempDir tmp;
  for (bool cancel : {false, true}) {
    SCOPED_TRACE(cancel);
    const std::string pdf = tmp.File("key.pdf");
    prompts.AnswerPrintToPdf(cancel ? std::nullopt : std::optional<std::string>(pdf));
    Command(ID_PRINT_KEY);
    ui_test::Pump();
    if (!cancel) {
      // One lossless picture of the key page itself (not of the tabs above
      // it), 1/100 inch a pixel (less the 50 dots of 600 by which the fixed
      // target's far corner stands short).
      EXPECT_EQ(print_test::PdfPageCount(pdf), 1);
      const std::vector<PdfImage> images = PdfImages(pdf);
      ASSERT_EQ(images.size(), 1u);
      EXPECT_EQ(images[0].encoding, "image");
      EXPECT_EQ(images[0].width, keyPage.width());
      EXPECT_EQ(images[0].height, keyPage.height());
      EXPECT_NEAR(images[0].ppi, 100, 3);
      EXPECT_GE(images[0].width / images[0].ppi, 5.0);
    }
    EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), zoneTab);
    EXPECT_NE(PageWindow(dlg->GetZoneSubPageId()), nullptr);
    EXPECT_EQ(PageWindow(IDD_KEY_ASSIGN_SIDE), nullptr);
    EXPECT_FALSE(g_bKeyPrintActive);
  }
}

}  // namespace
}  // namespace main_dlg_test
