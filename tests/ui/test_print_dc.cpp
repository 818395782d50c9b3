#include <QPageLayout>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cmath>

#include "test_print_support.h"
#include "ui/print/printer_dc.h"

using namespace print_test;

namespace {

class PrinterDcTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureQtApp(); }

  std::unique_ptr<CPrinterDC> MakeDc(const std::string& name, int dpi = 600) {
    pdf = tmp.File(name);
    return CPrinterDC::CreatePdf(pdf, dpi);
  }
  // Where a device point lands on the PDF page, in points from its top-left.
  static QPointF ToPoints(CPrinterDC& dc, int x, int y) {
    const QRectF paint = dc.Printer().pageLayout().paintRect(QPageLayout::Point);
    const double scale = 72.0 / dc.GetDeviceCaps(gdi::LOGPIXELSX);
    return {paint.left() + x * scale, paint.top() + y * scale};
  }

  TempDir tmp;
  std::string pdf;
};

}  // namespace

TEST_F(PrinterDcTest, PageProtocolToleratesStrayCalls) {
  auto dc = MakeDc("pages.pdf");
  EXPECT_EQ(dc->EndPage(), 0);  // nothing to end yet
  EXPECT_EQ(dc->EndDoc(), 0);
  ASSERT_GT(dc->StartDoc("Sheet"), 0);
  EXPECT_EQ(dc->StartDoc("Again"), gdi::SP_ERROR);
  EXPECT_GT(dc->StartPage(), 0);
  dc->TextOut(600, 600, "ALPHA");
  EXPECT_GT(dc->StartPage(), 0);  // a page is open: no second page
  EXPECT_EQ(dc->EndPage(), 1);
  EXPECT_EQ(dc->EndPage(), 0);    // no page open
  EXPECT_GT(dc->StartPage(), 0);
  dc->TextOut(600, 600, "BRAVO");
  dc->EndPage();
  // Drawing after the page was ended begins the next one.
  dc->TextOut(600, 600, "CHARLIE");
  EXPECT_TRUE(dc->IsPageOpen());
  EXPECT_EQ(dc->EndDoc(), 1);
  EXPECT_EQ(dc->EndDoc(), 0);
  dc->TextOut(600, 600, "LOST");  // the document is closed
  EXPECT_EQ(dc->StartPage(), gdi::SP_ERROR);
  EXPECT_EQ(dc->GetPageCount(), 3);

  EXPECT_EQ(PdfPageCount(pdf), 3);
  const auto words = PdfWords(pdf);
  ASSERT_NE(FindWord(words, "ALPHA"), nullptr);
  ASSERT_NE(FindWord(words, "BRAVO"), nullptr);
  ASSERT_NE(FindWord(words, "CHARLIE"), nullptr);
  EXPECT_EQ(FindWord(words, "ALPHA")->page, 1);
  EXPECT_EQ(FindWord(words, "BRAVO")->page, 2);
  EXPECT_EQ(FindWord(words, "CHARLIE")->page, 3);
  EXPECT_EQ(FindWord(words, "LOST"), nullptr);
}

TEST_F(PrinterDcTest, ImplicitDocumentAndDestructorFinishTheFile) {
  {
    auto dc = MakeDc("implicit.pdf");
    dc->TextOut(100, 100, "FIRST");  // no StartDoc, no StartPage
    dc->EndPage();
    dc->StartPage();
    dc->TextOut(100, 100, "SECOND");
  }  // destroyed with the document open
  EXPECT_EQ(PdfPageCount(pdf), 2);
  const auto words = PdfWords(pdf);
  ASSERT_NE(FindWord(words, "SECOND"), nullptr);
  EXPECT_EQ(FindWord(words, "SECOND")->page, 2);

  auto unused = MakeDc("never.pdf");
  EXPECT_EQ(unused->EndDoc(), 0);
  unused.reset();
  EXPECT_FALSE(std::filesystem::exists(tmp.File("never.pdf")));

  // A document without pages prints nothing.
  auto empty = MakeDc("empty.pdf");
  EXPECT_GT(empty->StartDoc("Empty"), 0);
  EXPECT_EQ(empty->EndDoc(), 1);
  EXPECT_EQ(empty->GetPageCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(tmp.File("empty.pdf")));

  // An output that cannot be written fails at the first page.
  auto blocked = CPrinterDC::CreatePdf(tmp.File("no/such/folder/x.pdf"));
  EXPECT_GT(blocked->StartDoc(), 0);
  EXPECT_EQ(blocked->StartPage(), gdi::SP_ERROR);
  blocked->TextOut(0, 0, "nowhere");
  EXPECT_EQ(blocked->GetPageCount(), 0);
}

TEST_F(PrinterDcTest, TextLandsWhereDrawn) {
  auto dc = MakeDc("place.pdf");
  dc->StartDoc();
  dc->StartPage();
  dc->SelectFont({90, "MS Sans Serif", gdi::FW_NORMAL, 0});
  const gdi::TEXTMETRIC tm = dc->GetTextMetrics();
  // A sheet's geometry: lines at gap + n * pitch, columns at 4 + c character widths.
  const int h = tm.tmHeight + tm.tmExternalLeading;
  const int gap = h / 6;
  const int pitch = h + 2 * gap;
  const int x = 4 * tm.tmAveCharWidth;
  int y = gap + 2 * pitch;
  // The sheets write through the model's print line.
  PrintLine(dc.get(), x + 55 * tm.tmAveCharWidth, &y, pitch, "Global2", 0);
  PrintLine(dc.get(), x, &y, pitch, "Global1", 1);
  y += 9 * pitch;
  PrintLine(dc.get(), x, &y, pitch, "Row10", 1);
  EXPECT_EQ(y, gap + 13 * pitch);
  // A label's ideographic space, which the font has no glyph for, prints as a blank.
  PrintLine(dc.get(), x, &y, pitch, "VR\xE3\x80\x80level", 1);
  dc->EndPage();
  dc->EndDoc();

  const auto words = PdfWords(pdf);
  ASSERT_NE(FindWord(words, "level"), nullptr);
  EXPECT_NEAR(FindWord(words, "level")->xMin - FindWord(words, "VR")->xMax,
              dc->GetTextWidth(" ") * 72.0 / 600, 1.0);
  const double tolerance = 2.0;  // points
  struct Expect {
    const char* text;
    int x, y;
  } expects[] = {{"Global1", x, gap + 2 * pitch},
                 {"Global2", x + 55 * tm.tmAveCharWidth, gap + 2 * pitch},
                 {"Row10", x, gap + 12 * pitch}};
  for (const auto& e : expects) {
    const PdfWord* w = FindWord(words, e.text);
    ASSERT_NE(w, nullptr) << e.text;
    const QPointF p = ToPoints(*dc, e.x, e.y);
    EXPECT_NEAR(w->xMin, p.x(), tolerance) << e.text;
    // The word box spans the font's cell: from the cell top to below the baseline.
    EXPECT_NEAR(w->yMin, p.y(), tolerance) << e.text;
    EXPECT_NEAR(w->yMax - w->yMin, tm.tmHeight * 72.0 / 600, tolerance) << e.text;
  }
}

TEST_F(PrinterDcTest, FontsAndMetricsFollowPointSizeAndResolution) {
  auto dc600 = MakeDc("m600.pdf", 600);
  auto dc300 = MakeDc("m300.pdf", 300);
  EXPECT_EQ(dc600->GetDeviceCaps(gdi::LOGPIXELSX), 600);
  EXPECT_EQ(dc600->GetDeviceCaps(gdi::LOGPIXELSY), 600);
  // The printable area in device units (the page less its margins).
  const QRectF paint = dc600->Printer().pageLayout().paintRect(QPageLayout::Inch);
  EXPECT_NEAR(dc600->GetDeviceCaps(gdi::HORZRES), paint.width() * 600, 8);
  EXPECT_NEAR(dc600->GetDeviceCaps(gdi::VERTRES), paint.height() * 600, 8);

  const gdi::FontSpec nine{90, "MS Sans Serif", gdi::FW_NORMAL, 0};
  const gdi::FontSpec eight{80, "MS Sans Serif", gdi::FW_NORMAL, 0};
  dc600->SelectFont(nine);
  dc300->SelectFont(nine);
  const auto tm9 = dc600->GetTextMetrics();
  const auto tm9low = dc300->GetTextMetrics();
  dc600->SelectFont(eight);
  const auto tm8 = dc600->GetTextMetrics();

  // 9 points at 600 dpi is an em of 75 device units; the cell is a little taller.
  EXPECT_GE(tm9.tmHeight, 75);
  EXPECT_LE(tm9.tmHeight, 110);
  EXPECT_GE(tm9.tmMaxCharWidth, tm9.tmAveCharWidth);
  EXPECT_NEAR(tm9.tmHeight, 2 * tm9low.tmHeight, 3);
  EXPECT_NEAR(tm9.tmAveCharWidth, 2 * tm9low.tmAveCharWidth, 3);
  EXPECT_LT(tm8.tmHeight, tm9.tmHeight);
  EXPECT_LE(tm8.tmAveCharWidth, tm9.tmAveCharWidth);
  // The face drawn for "MS Sans Serif" asks for no room between lines beyond
  // its cell (its header's line height is no taller than the cell), so the
  // sheets' lines are spaced by the cell alone, as on the original platform.
  EXPECT_EQ(tm9.tmExternalLeading, 0);
  EXPECT_EQ(tm8.tmExternalLeading, 0);
}

TEST_F(PrinterDcTest, VerticalTitlesRunDownwards) {
  auto dc = MakeDc("vertical.pdf");
  dc->StartPage();
  const auto old = dc->SelectFont({80, "MS Sans Serif", gdi::FW_NORMAL, -900});
  dc->TextOut(1200, 1200, "Downwards");
  dc->SelectFont(old);
  dc->TextOut(1200, 3000, "Across");
  dc->EndDoc();

  const auto words = PdfWords(pdf);
  const PdfWord* down = FindWord(words, "Downwards");
  const PdfWord* across = FindWord(words, "Across");
  ASSERT_NE(down, nullptr);
  ASSERT_NE(across, nullptr);
  EXPECT_GT(down->yMax - down->yMin, 2 * (down->xMax - down->xMin));
  EXPECT_GT(across->xMax - across->xMin, 2 * (across->yMax - across->yMin));
  // It starts at its point and extends below it, to the left of it.
  const QPointF p = ToPoints(*dc, 1200, 1200);
  EXPECT_NEAR(down->yMin, p.y(), 2.0);
  EXPECT_LE(down->xMax, p.x() + 1.0);
}

TEST_F(PrinterDcTest, PensBrushesAndRectangles) {
  auto dc = MakeDc("boxes.pdf", 600);
  dc->StartDoc();
  dc->StartPage();
  dc->TextOut(700, 700, "Covered");  // a box drawn later covers what lies inside it
  const auto oldPen = dc->SelectPen({gdi::PS_SOLID, 12, 0});
  EXPECT_EQ(oldPen.width, 0);
  dc->Rectangle(600, 600, 1800, 1200);
  dc->MoveTo(600, 1800);
  dc->LineTo(1800, 1800);
  const auto oldBrush = dc->SelectBrush({gdi::BS_NULL, 0});
  EXPECT_EQ(oldBrush.color, 0xFFFFFFu);
  dc->Rectangle(600, 2400, 1800, 3000);
  dc->TextOut(700, 2500, "Visible");
  // Text cells are filled with the background colour unless transparent.
  dc->SelectBrush({gdi::BS_SOLID, 0});
  dc->Rectangle(2400, 600, 4200, 1800);
  dc->TextOut(2500, 700, "Opaque");
  EXPECT_EQ(dc->SetBkMode(gdi::TRANSPARENT), gdi::OPAQUE);
  dc->TextOut(2500, 1300, "Clear");
  dc->EndPage();
  dc->EndDoc();

  // Rendered at 300 dpi: two device units a pixel.
  const GreyImage page = RenderPage(pdf, 1, 300);
  ASSERT_GT(page.width, 0);
  const double scale = 300.0 / 600;
  const QPointF origin = ToPoints(*dc, 0, 0) * (300.0 / 72);
  auto px = [&](int x, int y) {
    return page.At(static_cast<int>(origin.x() + x * scale), static_cast<int>(origin.y() + y * scale));
  };
  auto darkIn = [&](int x0, int y0, int x1, int y1) {
    int dark = 0;
    for (int y = y0; y < y1; y += 8)
      for (int x = x0; x < x1; x += 8) dark += px(x, y) < 128;
    return dark;
  };
  EXPECT_LT(px(600, 900), 128);   // left edge of the first box
  EXPECT_LT(px(1200, 600), 128);  // top edge
  EXPECT_LT(px(1200, 1800), 128); // the line
  EXPECT_GT(px(1200, 1500), 200); // between box and line
  EXPECT_EQ(darkIn(620, 620, 1780, 1180), 0);   // the white brush hid the text
  EXPECT_GT(darkIn(620, 2420, 1780, 2980), 0);  // the hollow box did not
  auto lightIn = [&](int x0, int y0, int x1, int y1) {
    int light = 0;
    for (int y = y0; y < y1; y += 4)
      for (int x = x0; x < x1; x += 4) light += px(x, y) > 128;
    return light;
  };
  EXPECT_GT(lightIn(2500, 700, 2800, 760), 0);
  EXPECT_EQ(lightIn(2500, 1300, 4100, 1400), 0);
  EXPECT_LT(px(1799, 2700), 128);               // right edge of the hollow box
  EXPECT_GT(px(1799 + 20, 2700), 200);          // and nothing past it
}
