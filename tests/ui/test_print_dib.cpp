#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "test_print_support.h"
#include "ui/print/dib_printer.h"

using namespace print_test;

namespace {

// The message of the runtime_error that `f` throws, or "" when none.
template <class F>
std::string ThrownText(F&& f) {
  try {
    f();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "";
}

// Left half red, right half blue.
QImage TwoColourImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter p(&image);
  p.fillRect(0, 0, width / 2, height, Qt::red);
  p.fillRect(width / 2, 0, width - width / 2, height, Qt::blue);
  return image;
}

class DibPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureQtApp(); }

  std::unique_ptr<CPrinterDC> MakeDc(const std::string& name) {
    pdf = tmp.File(name);
    return CPrinterDC::CreatePdf(pdf, 600);
  }

  // Grey level of the rendered page at a device point (rendered at 150 dpi).
  int GreyAt(CPrinterDC& dc, const GreyImage& page, int x, int y) {
    const QRectF paint = dc.Printer().pageLayout().paintRect(QPageLayout::Inch);
    const double dpi = 150.0;
    return page.At(static_cast<int>((paint.left() + x / 600.0) * dpi), static_cast<int>((paint.top() + y / 600.0) * dpi));
  }

  // Red and blue both render darker than white in grey, and differently.
  void ExpectTwoColourPicture(CPrinterDC& dc, const gdi::RECT& target) {
    const GreyImage page = RenderPage(pdf, 1, 150);
    ASSERT_GT(page.width, 0);
    const int red = GreyAt(dc, page, target.left + target.Width() / 4, target.top + target.Height() / 2);
    const int blue = GreyAt(dc, page, target.left + 3 * target.Width() / 4, target.top + target.Height() / 2);
    EXPECT_NEAR(red, 76, 12);   // grey of pure red
    EXPECT_NEAR(blue, 29, 12);  // grey of pure blue
    // No gap anywhere down the picture, and white just outside it.
    for (int y = target.top + 16; y < target.bottom - 16; y += 16) {
      EXPECT_LT(GreyAt(dc, page, target.left + 20, y), 120) << y;
      EXPECT_LT(GreyAt(dc, page, target.right - 20, y), 120) << y;
    }
    EXPECT_GT(GreyAt(dc, page, target.right + 24, target.top + 40), 240);
    EXPECT_GT(GreyAt(dc, page, target.left + 40, target.bottom + 24), 240);
  }

  TempDir tmp;
  std::string pdf;
};

}  // namespace

TEST_F(DibPrinterTest, ArgumentErrorsCarryTheirTexts) {
  CDibPrinter printer;
  EXPECT_EQ(printer.GetScale(), CDibPrinter::kFixed);
  printer.SetScale(CDibPrinter::kWholePage);
  EXPECT_EQ(ThrownText([&] { printer.SetScale(4); }), "Invalid scale.");
  EXPECT_EQ(ThrownText([&] { printer.SetScale(-1); }), "Invalid scale.");
  EXPECT_EQ(printer.GetScale(), CDibPrinter::kWholePage);

  EXPECT_EQ(ThrownText([&] { printer.SetBitmap(QImage()); }), "Invalid bitmap.");
  EXPECT_EQ(ThrownText([&] { printer.SetBitmap(QPixmap()); }), "Invalid bitmap.");
  EXPECT_EQ(ThrownText([&] { printer.SetBitmap(QImage(0, 0, QImage::Format_RGB32)); }), "Invalid bitmap.");

  auto dc = MakeDc("none.pdf");
  EXPECT_EQ(ThrownText([&] { printer.Print(dc.get()); }), "No bitmap defined.");
  EXPECT_EQ(ThrownText([&] { printer.Draw(dc.get()); }), "No bitmap defined.");
  EXPECT_EQ(dc->GetPageCount(), 0);  // no document was begun
  EXPECT_EQ(dc->EndDoc(), 0);

  printer.SetBitmap(TwoColourImage(10, 10));
  EXPECT_EQ(ThrownText([&] { printer.Print(nullptr); }), "Invalid printer DC.");
  EXPECT_EQ(ThrownText([&] { printer.Draw(nullptr); }), "Invalid printer DC.");

  const std::string longName(400, 'd');
  printer.SetDocName(longName);
  EXPECT_EQ(printer.GetDocName(), longName.substr(0, 259));
}

TEST_F(DibPrinterTest, TargetRectangleFollowsTheScaleMode) {
  CDibPrinter printer;
  auto dc = MakeDc("target.pdf");
  const int W = dc->GetDeviceCaps(gdi::HORZRES);
  const int H = dc->GetDeviceCaps(gdi::VERTRES);
  printer.SetBitmap(TwoColourImage(100, 80));

  printer.ComputeTargetRect(dc.get());
  EXPECT_EQ(printer.GetTargetRect(), (gdi::RECT{50, 50, 600, 480}));
  // The fixed scale keeps the picture's size at any resolution.
  auto fine = CPrinterDC::CreatePdf(tmp.File("target1200.pdf"), 1200);
  printer.ComputeTargetRect(fine.get());
  EXPECT_EQ(printer.GetTargetRect(), (gdi::RECT{100, 100, 1200, 960}));
  printer.ComputeTargetRect(dc.get());
  printer.SetScale(CDibPrinter::kWholePage);
  printer.ComputeTargetRect(dc.get());
  EXPECT_EQ(printer.GetTargetRect(), (gdi::RECT{0, 0, W, H}));
  printer.SetScale(CDibPrinter::kFitWidth);
  printer.ComputeTargetRect(dc.get());
  EXPECT_EQ(printer.GetTargetRect(), (gdi::RECT{0, 0, W, static_cast<int>(80.0 * W / 100 + 0.5)}));
  printer.SetScale(CDibPrinter::kFitHeight);
  printer.ComputeTargetRect(dc.get());
  EXPECT_EQ(printer.GetTargetRect(), (gdi::RECT{0, 0, static_cast<int>(100.0 * H / 80 + 0.5), H}));

  // A stored rectangle selects the fixed mode, and drawing recomputes it.
  printer.SetTargetRect({1, 2, 3, 4});
  EXPECT_EQ(printer.GetScale(), CDibPrinter::kFixed);
  EXPECT_EQ(printer.GetTargetRect(), (gdi::RECT{1, 2, 3, 4}));

  // Clipping a band to the target maps it to bitmap rows from the top.
  printer.ComputeTargetRect(dc.get());
  gdi::RECT strip{0, 100, 1000, 175};
  gdi::RECT source{0, 0, 100, 80};
  ASSERT_TRUE(printer.ClipToTarget(strip, source));
  EXPECT_EQ(strip, (gdi::RECT{50, 100, 600, 175}));
  EXPECT_EQ(source, (gdi::RECT{0, 9, 100, 23}));  // 50/5.375 -> 9, 75/5.375 -> 14 rows
  gdi::RECT outside{0, 0, 40, 40};
  source = {0, 0, 100, 80};
  EXPECT_FALSE(printer.ClipToTarget(outside, source));
}

TEST_F(DibPrinterTest, PackedBitmapLayout) {
  CDibPrinter printer;
  QImage colours(3, 2, QImage::Format_RGB32);
  colours.setPixel(0, 0, qRgb(1, 2, 3));     // top row
  colours.setPixel(2, 1, qRgb(10, 20, 30));  // bottom row, last pixel
  printer.SetBitmap(QPixmap::fromImage(colours));
  const gdi::BITMAPINFOHEADER* h = printer.GetHeader();
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->biSize, 40u);
  EXPECT_EQ(h->biWidth, 3);
  EXPECT_EQ(h->biHeight, 2);
  EXPECT_EQ(h->biPlanes, 1);
  EXPECT_EQ(h->biBitCount, 24);
  EXPECT_EQ(h->biCompression, gdi::BI_RGB);
  ASSERT_EQ(printer.GetDib().size(), 40u + 2 * 12);  // 9-byte rows padded to 12
  const std::uint8_t* bits = printer.GetBits();
  EXPECT_EQ(bits - printer.GetDib().data(), 40);
  // Rows bottom-up, pixels blue-green-red.
  EXPECT_EQ(bits[6], 30);
  EXPECT_EQ(bits[7], 20);
  EXPECT_EQ(bits[8], 10);
  EXPECT_EQ(bits[12], 3);
  EXPECT_EQ(bits[13], 2);
  EXPECT_EQ(bits[14], 1);

  // An indexed image keeps its colour table and its pixel bytes.
  QImage indexed(5, 3, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
  indexed.fill(1);
  indexed.setPixel(4, 0, 2);
  printer.SetBitmap(indexed);
  h = printer.GetHeader();
  EXPECT_EQ(h->biBitCount, 8);
  EXPECT_EQ(h->biClrUsed, 3u);
  EXPECT_EQ(h->biSizeImage, 3u * 8);
  ASSERT_EQ(printer.GetDib().size(), 40u + 3 * 4 + 3 * 8);
  const std::uint8_t* table = printer.GetDib().data() + 40;
  EXPECT_EQ(std::memcmp(table, "\x00\x00\xFF\x00\x00\xFF\x00\x00\xFF\x00\x00\x00", 12), 0);
  EXPECT_EQ(printer.GetBits(), table + 12);
  EXPECT_EQ(printer.GetBits()[2 * 8 + 4], 2);  // the top row is stored last
  EXPECT_EQ(printer.GetBits()[4], 1);

}

TEST_F(DibPrinterTest, PrintsTheCapturedPictureOnOnePage) {
  CDibPrinter printer;
  printer.SetBitmap(QPixmap::fromImage(TwoColourImage(100, 80)));
  printer.SetDocName("PX417 Printing");
  auto dc = MakeDc("picture.pdf");
  printer.Print(dc.get());
  EXPECT_FALSE(dc->IsPageOpen());
  EXPECT_EQ(dc->EndDoc(), 0);  // already ended
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_EQ(dc->Printer().docName().toStdString(), "PX417 Printing");
  ExpectTwoColourPicture(*dc, {50, 50, 600, 480});
}

TEST_F(DibPrinterTest, BandedPrintingCoversEveryRow) {
  CDibPrinter printer;
  // Fitted to the page width, the picture runs through many bands.
  printer.SetBitmap(TwoColourImage(300, 120));
  printer.SetScale(CDibPrinter::kFitWidth);
  auto dc = MakeDc("bands.pdf");
  dc->SetBandHeight(100);  // one strip of 75 rows would leave 25 undrawn
  printer.Print(dc.get());
  EXPECT_EQ(PdfPageCount(pdf), 1);
  const gdi::RECT target = printer.GetTargetRect();
  EXPECT_EQ(target.Width(), dc->GetDeviceCaps(gdi::HORZRES));
  ExpectTwoColourPicture(*dc, target);
}

TEST_F(DibPrinterTest, FailuresEndThePageAndTheDocument) {
  CDibPrinter printer;
  printer.SetBitmap(TwoColourImage(20, 20));
  auto dc = MakeDc("palette.pdf");
  dc->SetRasterCaps(gdi::RC_PALETTE | gdi::RC_STRETCHDIB);
  EXPECT_EQ(ThrownText([&] { printer.Print(dc.get()); }), "Unsupported printer.");
  EXPECT_EQ(dc->GetPageCount(), 1);  // begun before the refusal
  EXPECT_FALSE(dc->IsPageOpen());
  EXPECT_EQ(dc->EndDoc(), 0);
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_NE(printer.GetHeader(), nullptr);  // the bitmap stays loaded

  // Drawing on a finished document fails to print.
  auto ended = MakeDc("ended.pdf");
  ended->StartDoc();
  ended->EndDoc();
  EXPECT_EQ(ThrownText([&] { printer.Draw(ended.get()); }), "Error printing DIB.");

  // An empty stored target is refused when drawn directly.
  auto fresh = MakeDc("fresh.pdf");
  printer.SetScale(CDibPrinter::kFixed);
  printer.SetTargetRect({0, 0, 0, 0});
  fresh->StartPage();
  EXPECT_EQ(ThrownText([&] { printer.PrintDib(fresh.get()); }), "Invalid target rectangle.");
}
