#include "ui/print/printer_dc.h"

#include <QFontMetrics>
#include <QImage>
#include <QPrinter>
#include <QRawFont>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "ui/wnd/fonts.h"

namespace {

QColor ToQColor(gdi::COLORREF c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

std::vector<DrawnItem>* g_drawingLog = nullptr;

// Texts are single-byte, as the sheets and data files hold them; an
// ideographic space of a label (U+3000 in UTF-8) becomes a blank.
QString ToQString(const std::string& text) {
  static constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
  std::string single;
  single.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    if (text.compare(at, kIdeographicSpace.size(), kIdeographicSpace) == 0) {
      single += ' ';
      at += kIdeographicSpace.size();
    } else {
      single += text[at++];
    }
  }
  return QString::fromLatin1(single.data(), static_cast<qsizetype>(single.size()));
}

// A packed DIB as an image, top row first; a null image when the layout is
// not one we draw (1, 4, 8, 24 or 32 bits, uncompressed).
QImage DibToImage(const gdi::BITMAPINFOHEADER& h, const std::uint8_t* colourTable, const std::uint8_t* bits) {
  const int width = h.biWidth;
  const int height = std::abs(h.biHeight);
  const int bpp = h.biBitCount;
  if (width <= 0 || height <= 0 || h.biCompression != gdi::BI_RGB) return {};
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return {};
  const std::size_t rowSize = ((static_cast<std::size_t>(bpp) * width + 31) / 32) * 4;
  const bool bottomUp = h.biHeight > 0;

  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return {};
  const int colours = bpp <= 8 ? (h.biClrUsed ? static_cast<int>(h.biClrUsed) : (1 << bpp)) : 0;
  auto paletteColour = [&](int index) -> QRgb {
    if (index >= colours) return qRgb(0, 0, 0);
    const std::uint8_t* q = colourTable + 4 * index;  // blue, green, red, reserved
    return qRgb(q[2], q[1], q[0]);
  };
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = bits + rowSize * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      switch (bpp) {
        case 1:
          out[x] = paletteColour((row[x / 8] >> (7 - x % 8)) & 1);
          break;
        case 4:
          out[x] = paletteColour((row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F);
          break;
        case 8:
          out[x] = paletteColour(row[x]);
          break;
        case 24:
          out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
          break;
        default:
          out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
          break;
      }
    }
  }
  return image;
}

// The external leading as the original platform reports it for an outline
// font: the room between lines that the font's horizontal header asks for
// beyond the cell its glyphs are drawn in (the ascent and descent of its
// OS/2 table), in font units, scaled to the em; never negative. Most fonts ask
// for none; Qt's own leading is the header's line gap alone, which would space
// the sheets' lines wider than they were made.
int ExternalLeading(const QFont& font, int emPixels) {
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray hhea = raw.fontTable("hhea");
  const QByteArray head = raw.fontTable("head");
  const QByteArray os2 = raw.fontTable("OS/2");
  if (hhea.size() < 10 || head.size() < 20 || os2.size() < 78) return 0;
  auto u16 = [](const QByteArray& t, int at) {
    return (static_cast<std::uint8_t>(t[at]) << 8) | static_cast<std::uint8_t>(t[at + 1]);
  };
  auto s16 = [&](const QByteArray& t, int at) { return static_cast<int>(static_cast<std::int16_t>(u16(t, at))); };
  const int unitsPerEm = u16(head, 18);
  if (unitsPerEm <= 0) return 0;
  const int lineUnits = s16(hhea, 4) - s16(hhea, 6) + s16(hhea, 8);  // ascender - descender + line gap
  const int cellUnits = u16(os2, 74) + u16(os2, 76);                  // usWinAscent + usWinDescent
  return static_cast<int>(std::lround(static_cast<double>(std::max(0, lineUnits - cellUnits)) * emPixels / unitsPerEm));
}

}  // namespace

CPrinterDC::CPrinterDC(QPrinter& printer) : m_printer(&printer) {}

CPrinterDC::CPrinterDC(std::unique_ptr<QPrinter> owned) : m_owned(std::move(owned)), m_printer(m_owned.get()) {}

std::unique_ptr<CPrinterDC> CPrinterDC::CreatePdf(const std::string& path, int dotsPerInch) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(path));
  printer->setResolution(dotsPerInch);
  return std::unique_ptr<CPrinterDC>(new CPrinterDC(std::move(printer)));
}

CPrinterDC::~CPrinterDC() {
  if (m_state == DocState::kOpen) EndDoc();
}

int CPrinterDC::StartDoc(const std::string& docName) {
  if (m_state == DocState::kOpen) return gdi::SP_ERROR;
  if (!m_printer->isValid()) {
    m_failed = true;
    return gdi::SP_ERROR;
  }
  m_printer->setDocName(ToQString(docName));
  m_state = DocState::kOpen;
  m_pageOpen = false;
  m_pageCount = 0;
  return 1;
}

int CPrinterDC::StartPage() {
  // A printer that could not start is not asked again: the drawing that
  // follows does nothing, and the caller reports the failure once.
  if (m_failed) return gdi::SP_ERROR;
  if (m_measuring) {
    if (!m_pageOpen) ++m_pageCount;
    m_pageOpen = true;
    return 1;
  }
  if (m_state == DocState::kNone && StartDoc() <= 0) return gdi::SP_ERROR;
  if (m_state != DocState::kOpen) return gdi::SP_ERROR;
  if (m_pageOpen) return 1;
  // The painter begins the output with its first page, so that a document
  // without pages produces nothing; later pages are added.
  if (m_pageCount == 0 ? !m_painter.begin(m_printer) : !m_printer->newPage()) {
    m_failed = true;
    return gdi::SP_ERROR;
  }
  m_pageOpen = true;
  ++m_pageCount;
  m_bandTop = 0;
  return 1;
}

int CPrinterDC::EndPage() {
  if (!m_pageOpen) return 0;
  m_pageOpen = false;
  return 1;
}

int CPrinterDC::EndDoc() {
  if (m_state != DocState::kOpen) return 0;
  EndPage();
  if (m_painter.isActive()) m_painter.end();
  m_state = DocState::kEnded;
  return 1;
}

bool CPrinterDC::EnsurePage() { return m_pageOpen || StartPage() > 0; }

int CPrinterDC::GetDeviceCaps(int index) const {
  switch (index) {
    case gdi::HORZRES:
      return m_printer->width();
    case gdi::VERTRES:
      return m_printer->height();
    case gdi::LOGPIXELSX:
      return m_printer->logicalDpiX();
    case gdi::LOGPIXELSY:
      return m_printer->logicalDpiY();
    case gdi::RASTERCAPS:
      return m_rasterCaps;
    default:
      return 0;
  }
}

int CPrinterDC::QueryEscSupport(int escape) const {
  if (escape == gdi::NEXTBAND) return m_bandHeight > 0 ? 1 : 0;
  return escape == gdi::QUERYESCSUPPORT ? 1 : 0;
}

int CPrinterDC::NextBand(gdi::RECT& band) {
  if (m_bandHeight <= 0 || !EnsurePage()) return gdi::SP_ERROR;
  const int height = GetDeviceCaps(gdi::VERTRES);
  if (m_bandTop >= height) {
    band = {};
    m_bandTop = 0;
    return 1;
  }
  band = {0, m_bandTop, GetDeviceCaps(gdi::HORZRES), std::min(height, m_bandTop + m_bandHeight)};
  m_bandTop = band.bottom;
  return 1;
}

QFont CPrinterDC::MakeFont() const {
  QFont font = FontOfFace(m_font.face);
  font.setPointSizeF(m_font.pointTenths / 10.0);
  font.setWeight(static_cast<QFont::Weight>(std::clamp(m_font.weight, 1, 1000)));
  return font;
}

gdi::FontSpec CPrinterDC::SelectFont(const gdi::FontSpec& font) {
  gdi::FontSpec old = m_font;
  m_font = font;
  return old;
}

gdi::TEXTMETRIC CPrinterDC::GetTextMetrics() const {
  const QFontMetrics fm(MakeFont(), m_printer);
  gdi::TEXTMETRIC tm;
  tm.tmAscent = fm.ascent();
  tm.tmDescent = fm.descent();
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  const int em = static_cast<int>(std::lround(m_font.pointTenths / 10.0 * m_printer->logicalDpiY() / 72.0));
  tm.tmInternalLeading = std::max(0, tm.tmHeight - em);
  tm.tmExternalLeading = ExternalLeading(MakeFont(), em);
  tm.tmAveCharWidth = fm.averageCharWidth();
  tm.tmMaxCharWidth = fm.maxWidth();
  return tm;
}

int CPrinterDC::GetTextWidth(const std::string& text) const {
  return QFontMetrics(MakeFont(), m_printer).horizontalAdvance(ToQString(text));
}

void CPrinterDC::SetDrawingLog(std::vector<DrawnItem>* log) { g_drawingLog = log; }

bool CPrinterDC::Log(const gdi::RECT& box, const std::string& text, bool rule) {
  if (m_measuring) {
    m_measured = m_measuredAny ? gdi::RECT{std::min(m_measured.left, box.left), std::min(m_measured.top, box.top),
                                           std::max(m_measured.right, box.right),
                                           std::max(m_measured.bottom, box.bottom)}
                               : box;
    m_measuredAny = true;
    return false;
  }
  if (g_drawingLog) g_drawingLog->push_back({m_pageCount, box, text, rule});
  return true;
}

void CPrinterDC::BeginMeasure() {
  m_measuring = true;
  m_measuredAny = false;
  m_measured = {};
  m_pageOpenBefore = m_pageOpen;
  m_pageCountBefore = m_pageCount;
}

gdi::RECT CPrinterDC::EndMeasure() {
  m_measuring = false;
  m_pageOpen = m_pageOpenBefore;
  m_pageCount = m_pageCountBefore;
  return m_measured;
}

gdi::PenSpec CPrinterDC::SelectPen(const gdi::PenSpec& pen) {
  gdi::PenSpec old = m_pen;
  m_pen = pen;
  return old;
}

gdi::BrushSpec CPrinterDC::SelectBrush(const gdi::BrushSpec& brush) {
  gdi::BrushSpec old = m_brush;
  m_brush = brush;
  return old;
}

int CPrinterDC::SetBkMode(int mode) {
  const int old = m_bkMode;
  m_bkMode = mode;
  return old;
}

gdi::COLORREF CPrinterDC::SetBkColor(gdi::COLORREF color) {
  const gdi::COLORREF old = m_bkColor;
  m_bkColor = color;
  return old;
}

gdi::COLORREF CPrinterDC::SetTextColor(gdi::COLORREF color) {
  const gdi::COLORREF old = m_textColor;
  m_textColor = color;
  return old;
}

void CPrinterDC::TextOut(int x, int y, const std::string& text) {
  if (!EnsurePage()) return;
  const QString s = ToQString(text);
  const QFont font = MakeFont();
  const QFontMetrics fm(font, m_printer);
  // Escapement turns counter-clockwise on the page; the painter's angle clockwise.
  QTransform turn;
  turn.translate(x, y);
  if (m_font.escapement != 0) turn.rotate(-m_font.escapement / 10.0);
  const QRect cell = turn.mapRect(QRect(0, 0, fm.horizontalAdvance(s), fm.height()));
  if (!Log({cell.left(), cell.top(), cell.left() + cell.width(), cell.top() + cell.height()}, text, false)) return;
  m_painter.save();
  m_painter.setFont(font);
  m_painter.setTransform(turn, true);
  if (m_bkMode == gdi::OPAQUE) m_painter.fillRect(QRect(0, 0, fm.horizontalAdvance(s), fm.height()), ToQColor(m_bkColor));
  m_painter.setPen(ToQColor(m_textColor));
  m_painter.drawText(0, fm.ascent(), s);
  m_painter.restore();
}

void CPrinterDC::MoveTo(int x, int y) {
  m_x = x;
  m_y = y;
}

namespace {
QPen MakePen(const gdi::PenSpec& spec) {
  if (spec.style == gdi::PS_NULL) return QPen(Qt::NoPen);
  QPen pen(ToQColor(spec.color));
  pen.setWidth(std::max(0, spec.width));
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}
}  // namespace

bool CPrinterDC::LineTo(int x, int y) {
  if (!EnsurePage()) return false;
  if (Log({std::min(m_x, x), std::min(m_y, y), std::max(m_x, x), std::max(m_y, y)}, {}, true)) {
    m_painter.setPen(MakePen(m_pen));
    m_painter.drawLine(m_x, m_y, x, y);
  }
  m_x = x;
  m_y = y;
  return true;
}

bool CPrinterDC::Rectangle(int left, int top, int right, int bottom) {
  if (!EnsurePage()) return false;
  const QRect r = QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                        QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
  if (!Log({std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)}, {}, true)) {
    return true;
  }
  m_painter.setPen(MakePen(m_pen));
  if (m_brush.style == gdi::BS_NULL) {
    m_painter.setBrush(Qt::NoBrush);
  } else {
    m_painter.setBrush(ToQColor(m_brush.color));
  }
  m_painter.drawRect(r);
  return true;
}

int CPrinterDC::SetStretchBltMode(int mode) {
  const int old = m_stretchMode;
  m_stretchMode = mode;
  return old;
}

int CPrinterDC::StretchDIBits(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                              const void* bits, const gdi::BITMAPINFOHEADER* info, int usage, std::uint32_t rop) {
  if (!bits || !info || usage != gdi::DIB_RGB_COLORS || rop != gdi::SRCCOPY) return gdi::GDI_ERROR;
  if (!EnsurePage()) return gdi::GDI_ERROR;
  if (m_measuring) return hSrc;
  gdi::BITMAPINFOHEADER h;
  std::memcpy(&h, info, sizeof h);
  const auto* colourTable = reinterpret_cast<const std::uint8_t*>(info) + h.biSize;
  const QImage image = DibToImage(h, colourTable, static_cast<const std::uint8_t*>(bits));
  if (image.isNull()) return gdi::GDI_ERROR;
  // Source rows are counted from the bottom of a bottom-up bitmap.
  const int top = h.biHeight > 0 ? image.height() - ySrc - hSrc : ySrc;
  const QRect source = QRect(xSrc, top, wSrc, hSrc).intersected(image.rect());
  if (source.isEmpty() || wDest == 0 || hDest == 0) return 0;
  m_painter.save();
  m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // A picture of a window keeps its exact pixels (no lossy compression).
  m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
  m_painter.drawImage(QRect(xDest, yDest, wDest, hDest), image, QRect(xSrc, top, wSrc, hSrc));
  m_painter.restore();
  return hSrc;
}
