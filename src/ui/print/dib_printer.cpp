#include "ui/print/dib_printer.h"

#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

constexpr std::size_t kHeaderSize = sizeof(gdi::BITMAPINFOHEADER);
constexpr std::size_t kMaxDocName = 259;  // 260 characters with the terminator

[[noreturn]] void Fail(const char* text) { throw std::runtime_error(text); }

std::size_t RowSize(int bitsPerPixel, int width) {
  return ((static_cast<std::size_t>(bitsPerPixel) * width + 31) / 8) & ~std::size_t{3};
}

int Round(double v) { return static_cast<int>(v + 0.5); }

constexpr double kFixedScaleDpi = 600.0;

// The DIB depth of an image whose bytes can be copied as they stand (rows of
// Qt images are padded to four bytes, as DIB rows are); 0 for any other.
int DibDepth(const QImage& image) {
  switch (image.format()) {
    case QImage::Format_Mono:
      return 1;
    case QImage::Format_Indexed8:
      return 8;
    case QImage::Format_BGR888:
      return 24;
    case QImage::Format_RGB32:
      return 32;  // blue, green, red, unused on a little-endian machine
    default:
      return 0;
  }
}

}  // namespace

const gdi::BITMAPINFOHEADER* CDibPrinter::GetHeader() const {
  return m_dib.empty() ? nullptr : reinterpret_cast<const gdi::BITMAPINFOHEADER*>(m_dib.data());
}

const std::uint8_t* CDibPrinter::GetBits() const { return m_dib.empty() ? nullptr : m_dib.data() + m_bitsOffset; }

void CDibPrinter::SetDocName(const std::string& name) { m_docName = name.substr(0, kMaxDocName); }

void CDibPrinter::SetTargetRect(const gdi::RECT& rect) {
  m_target = rect;
  m_scale = kFixed;
}

void CDibPrinter::SetScale(int mode) {
  if (mode < kFitWidth || mode > kFixed) Fail("Invalid scale.");
  m_scale = mode;
}

void CDibPrinter::SetBitmap(const QPixmap& bitmap) {
  if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0) Fail("Invalid bitmap.");
  LoadDdb(bitmap.toImage());
}

void CDibPrinter::SetBitmap(const QImage& bitmap) {
  if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0) Fail("Invalid bitmap.");
  LoadDibSection(bitmap);
}

void CDibPrinter::LoadDdb(const QImage& bitmap) {
  if (bitmap.isNull()) Fail("Error getting DDB info.");
  const int width = bitmap.width();
  const int height = bitmap.height();
  const std::size_t rowSize = RowSize(24, width);
  const std::size_t imageSize = rowSize * static_cast<std::size_t>(height);

  const QImage rgb = bitmap.convertToFormat(QImage::Format_RGB32);
  if (rgb.isNull()) Fail("Error getting DDB bits.");

  std::vector<std::uint8_t> dib(kHeaderSize + imageSize, 0);
  gdi::BITMAPINFOHEADER header;
  header.biWidth = width;
  header.biHeight = height;
  header.biBitCount = 24;
  std::memcpy(dib.data(), &header, kHeaderSize);
  std::uint8_t* bits = dib.data() + kHeaderSize;
  for (int y = 0; y < height; ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    std::uint8_t* out = bits + rowSize * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      out[3 * x] = static_cast<std::uint8_t>(qBlue(in[x]));
      out[3 * x + 1] = static_cast<std::uint8_t>(qGreen(in[x]));
      out[3 * x + 2] = static_cast<std::uint8_t>(qRed(in[x]));
    }
  }
  m_dib = std::move(dib);
  m_bitsOffset = kHeaderSize;
}

void CDibPrinter::LoadDibSection(const QImage& bitmap) {
  if (bitmap.isNull()) Fail("Error getting DIB section info.");
  const int depth = DibDepth(bitmap);
  if (depth == 0) {
    // Not a plain RGB layout: converted as a device bitmap.
    LoadDdb(bitmap);
    return;
  }
  const int width = bitmap.width();
  const int height = bitmap.height();
  const std::size_t rowSize = RowSize(depth, width);
  const std::size_t imageSize = rowSize * static_cast<std::size_t>(height);

  gdi::BITMAPINFOHEADER header;
  header.biWidth = width;
  header.biHeight = height;
  header.biBitCount = static_cast<std::uint16_t>(depth);
  header.biSizeImage = static_cast<std::uint32_t>(imageSize);
  header.biXPelsPerMeter = bitmap.dotsPerMeterX();
  header.biYPelsPerMeter = bitmap.dotsPerMeterY();
  std::size_t colours = 0;
  if (depth <= 8) {
    const std::size_t full = std::size_t{1} << depth;
    const auto used = static_cast<std::size_t>(bitmap.colorCount());
    header.biClrUsed = used > 0 && used < full ? static_cast<std::uint32_t>(used) : 0;
    colours = header.biClrUsed ? header.biClrUsed : full;
  }

  std::vector<std::uint8_t> dib(kHeaderSize + 4 * colours + imageSize, 0);
  std::memcpy(dib.data(), &header, kHeaderSize);
  const auto table = bitmap.colorTable();
  for (std::size_t i = 0; i < colours && i < static_cast<std::size_t>(table.size()); ++i) {
    std::uint8_t* q = dib.data() + kHeaderSize + 4 * i;
    q[0] = static_cast<std::uint8_t>(qBlue(table[static_cast<qsizetype>(i)]));
    q[1] = static_cast<std::uint8_t>(qGreen(table[static_cast<qsizetype>(i)]));
    q[2] = static_cast<std::uint8_t>(qRed(table[static_cast<qsizetype>(i)]));
  }
  const std::size_t bitsOffset = kHeaderSize + 4 * colours;
  const std::size_t copy = std::min(rowSize, static_cast<std::size_t>(bitmap.bytesPerLine()));
  for (int y = 0; y < height; ++y) {
    std::memcpy(dib.data() + bitsOffset + rowSize * static_cast<std::size_t>(height - 1 - y),
                bitmap.constScanLine(y), copy);
  }
  m_dib = std::move(dib);
  m_bitsOffset = bitsOffset;
}

void CDibPrinter::ComputeTargetRect(CPrinterDC* dc) {
  const gdi::BITMAPINFOHEADER* header = GetHeader();
  if (!dc || !header) return;
  const double W = dc->GetDeviceCaps(gdi::HORZRES);
  const double H = dc->GetDeviceCaps(gdi::VERTRES);
  const double X = dc->GetDeviceCaps(gdi::LOGPIXELSX);
  const double Y = dc->GetDeviceCaps(gdi::LOGPIXELSY);
  const double w = header->biWidth;
  const double h = std::abs(header->biHeight);
  switch (m_scale) {
    case kFitWidth:
      // An empty bitmap or device gives an empty target, refused when drawn.
      m_target = (w > 0 && X > 0) ? gdi::RECT{0, 0, static_cast<int>(W), Round(h * W / w * Y / X)} : gdi::RECT{};
      break;
    case kFitHeight:
      m_target = (h > 0 && Y > 0) ? gdi::RECT{0, 0, Round(w * H / h * X / Y), static_cast<int>(H)} : gdi::RECT{};
      break;
    case kWholePage:
      m_target = {0, 0, static_cast<int>(W), static_cast<int>(H)};
      break;
    default: {
      // The fixed scale was made for 600 dpi printers: 6 dots a pixel (a pixel
      // 1/100 inch), 50 dots from the corner; other resolutions keep that size.
      const double sx = X > 0 ? X / kFixedScaleDpi : 1.0;
      const double sy = Y > 0 ? Y / kFixedScaleDpi : 1.0;
      m_target = {Round(50 * sx), Round(50 * sy), Round(6 * w * sx), Round(6 * h * sy)};
      break;
    }
  }
}

bool CDibPrinter::ClipToTarget(gdi::RECT& rect, gdi::RECT& source) const {
  rect.left = std::max(rect.left, m_target.left);
  rect.top = std::max(rect.top, m_target.top);
  rect.right = std::min(rect.right, m_target.right);
  rect.bottom = std::min(rect.bottom, m_target.bottom);
  if (rect.IsEmpty() || source.IsEmpty()) return false;
  const double fx = static_cast<double>(m_target.Width()) / source.Width();
  const double fy = static_cast<double>(m_target.Height()) / source.Height();
  source.left = Round((rect.left - m_target.left) / fx);
  source.right = source.left + Round(rect.Width() / fx);
  source.top = Round((rect.top - m_target.top) / fy);
  source.bottom = source.top + Round(rect.Height() / fy);
  return true;
}

void CDibPrinter::Draw(CPrinterDC* dc) {
  if (m_dib.empty()) Fail("No bitmap defined.");
  if (!dc) Fail("Invalid printer DC.");
  ComputeTargetRect(dc);
  PrintDib(dc);
}

void CDibPrinter::Print(CPrinterDC* dc) {
  if (m_dib.empty()) Fail("No bitmap defined.");
  if (!dc) Fail("Invalid printer DC.");
  if (dc->StartDoc(m_docName) <= 0) return;
  try {
    if (dc->StartPage() > 0) {
      Draw(dc);
      dc->EndPage();
    }
  } catch (const std::runtime_error&) {
    dc->EndPage();
    dc->EndDoc();
    throw;
  }
  dc->EndDoc();
}

void CDibPrinter::PrintDib(CPrinterDC* dc) {
  if (m_target.IsEmpty()) Fail("Invalid target rectangle.");
  if (dc->GetDeviceCaps(gdi::RASTERCAPS) & gdi::RC_PALETTE) Fail("Unsupported printer.");
  const gdi::BITMAPINFOHEADER* header = GetHeader();
  const std::uint8_t* bits = GetBits();
  if (!header || !bits) Fail("Error getting DIB info.");
  const int width = header->biWidth;
  const int height = std::abs(header->biHeight);

  bool ok = true;
  if (dc->QueryEscSupport(gdi::NEXTBAND) <= 0) {
    dc->SetStretchBltMode(gdi::COLORONCOLOR);
    ok = dc->StretchDIBits(m_target.left, m_target.top, m_target.Width(), m_target.Height(), 0, 0, width, height,
                           bits, header, gdi::DIB_RGB_COLORS, gdi::SRCCOPY) != gdi::GDI_ERROR;
  } else {
    for (;;) {
      gdi::RECT band;
      if (dc->NextBand(band) <= 0) return;
      if (band.IsEmpty()) break;
      // Strips of at most 75 rows; the last one reaches the band's bottom.
      const int bandHeight = band.Height();
      const int strip = std::min(75, bandHeight);
      const int strips = std::max(1, Round(static_cast<double>(bandHeight) / strip));
      for (int k = 0; k < strips; ++k) {
        gdi::RECT r = {band.left, band.top + k * strip, band.right,
                       k == strips - 1 ? band.bottom : band.top + (k + 1) * strip};
        gdi::RECT source = {0, 0, width, height};
        if (!ClipToTarget(r, source)) continue;
        dc->SetStretchBltMode(gdi::COLORONCOLOR);
        if (dc->StretchDIBits(r.left, r.top, r.Width(), r.Height(), source.left, height - source.bottom,
                              source.Width(), source.Height(), bits, header, gdi::DIB_RGB_COLORS,
                              gdi::SRCCOPY) == gdi::GDI_ERROR) {
          ok = false;
        }
      }
    }
  }
  if (!ok) Fail("Error printing DIB.");
}
