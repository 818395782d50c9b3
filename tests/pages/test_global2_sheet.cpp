// The Global 2 half of the Global sheet printed to a PDF and read back: its
// blocks beside the Global 1 half at x + 55 character widths, the rows of the
// production types, and the value texts of the zone and group cells.
#include <QPageLayout>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cmath>

#include "model/edit_model.h"
#include "pages/settings/global2_page.h"
#include "ui/print/printer_dc.h"
#include "ui/test_print_support.h"

using namespace print_test;

namespace {

constexpr int kDpi = 600, kCharW = 40, kLeft = 120, kPitch = 80, kGap = 150;
constexpr int kX = kLeft + 55 * kCharW;  // where the dispatcher puts the Global 2 half

class Global2SheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureQtApp();
    TheModel().ResetEditModel();
    CChannelStore& s = TheModel().store;
    for (auto& g : s.groups) g.flags = static_cast<std::uint8_t>(g.flags & ~kGroupInUse);
    s.zoneFlags[0] = kZoneInUse;
    s.groupCount[0] = 3;
    s.groups[0].flags |= kGroupInUse;
    s.groups[2].flags |= kGroupInUse;  // group 2 (index 1) is not in use
    CGlobalSettings& g = TheModel().global;
    g.emergencySystem = 255;
    g.emergencyGroup = 0;  // printed "None": its zone is none
    g.homeSystem = 0;
    g.homeGroup = 1;
    g.shortCutZone = {0, 0, 255, 0};
    g.shortCutGroup = {1, 2, 2, 255};
    g.dataZone = 0;
    g.dataGroup = 2;
    g.byte209 = 0x20;
    g.byte43 = 0x0D;
    CGlobal2Page::StoreEmergencyCode("12*#");
  }
  void TearDown() override {
    TheModel().ResetEditModel();
    g_bModified = 0;
  }

  // Prints the Global 2 half alone on a page begun as the Global 1 half does.
  void Print(int productionType) {
    TheModel().store.modelWord = static_cast<std::uint32_t>(productionType) << 8;
    pdf = tmp.File("global" + std::to_string(productionType) + ".pdf");
    auto dc = CPrinterDC::CreatePdf(pdf, kDpi);
    ASSERT_GT(dc->StartDoc("Global"), 0);
    dc->StartPage();
    const QRectF paint = dc->Printer().pageLayout().paintRect(QPageLayout::Point);
    scale = 72.0 / dc->GetDeviceCaps(gdi::LOGPIXELSX);
    left = paint.left();
    pageTop = paint.top();
    CGlobal2Page page;
    page.PrintSheet(dc.get(), kCharW, kX, kPitch, kGap);
    EXPECT_FALSE(dc->IsPageOpen());  // the half ends the page
    EXPECT_EQ(dc->SelectPen(gdi::PenSpec{}), gdi::PenSpec{});  // its pen was put back
    dc->EndDoc();
    words = PdfWords(pdf);
    const PdfWord* first = At("Emergency", 0);
    ASSERT_NE(first, nullptr);
    top = first->yMin;
  }
  // The word at the column (character widths from x), or null.
  const PdfWord* At(const std::string& text, int column) const {
    const double x = left + (kX + column * kCharW) * scale;
    for (const PdfWord& w : words) {
      if (w.text == text && std::abs(w.xMin - x) < 2.0) return &w;
    }
    return nullptr;
  }
  // The row (from the Emergency row) of the word at the column; -1 when missing.
  int Row(const std::string& text, int column, int nth = 0) const {
    const double x = left + (kX + column * kCharW) * scale;
    for (const PdfWord& w : words) {
      if (w.text == text && std::abs(w.xMin - x) < 2.0 && nth-- == 0) {
        return static_cast<int>(std::lround((w.yMin - top) / (kPitch * scale)));
      }
    }
    return -1;
  }
  // The text of the cell at the column on the row, words joined by blanks.
  std::string Cell(int row, int column) const {
    const double x = left + (kX + column * kCharW) * scale;
    std::string text;
    for (const PdfWord& w : words) {
      if (std::lround((w.yMin - top) / (kPitch * scale)) != row) continue;
      if (w.xMin < x - 2.0 || w.xMin > x + 9 * kCharW * scale) continue;
      text += (text.empty() ? "" : " ") + w.text;
    }
    return text;
  }

  TempDir tmp;
  std::string pdf;
  std::vector<PdfWord> words;
  double scale = 0, left = 0, pageTop = 0, top = 0;
};

TEST_F(Global2SheetTest, Type11SheetStandsAt55CharacterWidthsWithAllItsRows) {
  Print(11);
  EXPECT_EQ(PdfPageCount(pdf), 1);
  // The first row is where the Global 1 half begins: gap + 2 pitches.
  const PdfWord* first = At("Emergency", 0);
  const double firstRowY = (kGap + 2 * kPitch) * scale;
  EXPECT_NEAR(first->yMin, pageTop + firstRowY, 0.5 * kPitch * scale);
  EXPECT_NEAR(first->xMin, left + kX * scale, 1.0);
  for (const PdfWord& w : words) EXPECT_GE(w.xMin, left + kX * scale - 2.0) << w.text;

  EXPECT_EQ(Row("Zone/Group", 8), 0);
  EXPECT_EQ(Row("Lock", 8), 1);
  EXPECT_EQ(Row("Key", 8, 1), 14);  // after Key Inhibit
  EXPECT_EQ(Row("Power", 0), 16);
  EXPECT_EQ(Row("Receiver", 8), 17);
  EXPECT_EQ(Row("Transmission", 0), 19);
  EXPECT_EQ(Row("T.O.T", 8), 20);
  EXPECT_EQ(Row("TPAC", 0), 23);
  EXPECT_EQ(Row("Radio", 0), 28);
  EXPECT_EQ(Row("Data", 8), 30);
  EXPECT_EQ(Row("PTT", 8), 32);
  EXPECT_EQ(Row("Home", 0), 34);
  EXPECT_EQ(Row("Short", 0, 3), 46);
  EXPECT_EQ(Row("Data", 0), 49);
  EXPECT_EQ(Row("Group", 18, 5), 50);  // the 51st row, the last

  EXPECT_EQ(Cell(0, 26), "None");  // zone none: both cells "None"
  EXPECT_EQ(Cell(0, 36), "None");
  EXPECT_EQ(Cell(1, 26), "Enable");
  EXPECT_EQ(Cell(2, 26), "12*#");
  EXPECT_EQ(Cell(17, 26), "Back Up Zone/Grp");
  EXPECT_EQ(Cell(29, 28), "12");  // 13 has no entry: the last text
  EXPECT_EQ(Cell(34, 28), "Zone 1");
  EXPECT_EQ(Cell(35, 28), "Grp 2");   // home: printed whether in use or not
  EXPECT_EQ(Cell(38, 28), "None");    // short cut #1: group 2 is not in use
  EXPECT_EQ(Cell(41, 28), "Grp 3");   // short cut #2
  EXPECT_EQ(Cell(43, 28), "None");    // short cut #3: zone none
  EXPECT_EQ(Cell(47, 28), "None");    // short cut #4: group none
  EXPECT_EQ(Cell(50, 28), "Grp 3");   // data
}

TEST_F(Global2SheetTest, OtherTypesLoseTheDataRows) {
  Print(5);
  EXPECT_EQ(Row("Data", 8), -1);
  EXPECT_EQ(Row("Data", 0), -1);
  EXPECT_EQ(Row("Clone", 8), 30);
  EXPECT_EQ(Row("Home", 0), 33);
  EXPECT_EQ(Row("Group", 18, 4), 46);  // 47 rows
  EXPECT_EQ(Cell(46, 28), "None");
}

TEST(Global2SheetNoContext, DrawsNothing) { PrintGlobal2Sheet(nullptr, kCharW, kX, kPitch, kGap); }

}  // namespace
