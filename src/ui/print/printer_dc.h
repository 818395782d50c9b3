// The printer device context every print sheet draws on: a print job on a
// QPrinter painted with a QPainter, driven with the classic calls (StartDoc,
// StartPage, TextOut, Rectangle, GetDeviceCaps, ...) and in printer device
// units. A context made with CreatePdf writes a PDF file, which is how the
// sheets are printed in tests.
#pragma once

#include <QPainter>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/conversions.h"

class QPrinter;

// The values and records of the classic drawing interface, kept in their own
// namespace so they cannot collide with the window layer's names.
namespace gdi {

using COLORREF = std::uint32_t;  // 0x00BBGGRR

// GetDeviceCaps indices.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

// RASTERCAPS bits.
constexpr int RC_BITBLT = 0x0001;
constexpr int RC_PALETTE = 0x0100;
constexpr int RC_DIBTODEV = 0x0200;
constexpr int RC_STRETCHBLT = 0x0800;
constexpr int RC_STRETCHDIB = 0x2000;

// Escapes.
constexpr int NEXTBAND = 3;
constexpr int QUERYESCSUPPORT = 8;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Pen and brush styles.
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;
constexpr int BS_SOLID = 0;
constexpr int BS_NULL = 1;

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

// Stretching and bitmaps.
constexpr int COLORONCOLOR = 3;
constexpr int DIB_RGB_COLORS = 0;
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr int GDI_ERROR = -1;
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_BITFIELDS = 3;

// Print job results.
constexpr int SP_ERROR = -1;

struct RECT {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const RECT&) const = default;
};

struct TEXTMETRIC {
  int tmHeight = 0;
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
};

// The 40-byte header of a device-independent bitmap.
struct BITMAPINFOHEADER {
  std::uint32_t biSize = 40;
  std::int32_t biWidth = 0;
  std::int32_t biHeight = 0;  // positive: rows stored bottom-up
  std::uint16_t biPlanes = 1;
  std::uint16_t biBitCount = 0;
  std::uint32_t biCompression = BI_RGB;
  std::uint32_t biSizeImage = 0;
  std::int32_t biXPelsPerMeter = 0;
  std::int32_t biYPelsPerMeter = 0;
  std::uint32_t biClrUsed = 0;
  std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

// A font chosen by point size, as CreatePointFontIndirect does: the height in
// tenths of a point at the device's resolution, the face, the weight and the
// escapement in tenths of a degree (-900: the text runs downwards).
struct FontSpec {
  int pointTenths = 90;
  std::string face = "MS Sans Serif";
  int weight = FW_NORMAL;
  int escapement = 0;
  bool operator==(const FontSpec&) const = default;
};

struct PenSpec {
  int style = PS_SOLID;
  int width = 0;  // 0: one device pixel
  COLORREF color = 0;
  bool operator==(const PenSpec&) const = default;
};

struct BrushSpec {
  int style = BS_SOLID;
  COLORREF color = 0xFFFFFF;
  bool operator==(const BrushSpec&) const = default;
};

}  // namespace gdi

// What a context drew, for checks of a sheet's layout: the page (from 1) and
// the bounds in device units of each text (the cell of its font, turned with
// the escapement) and of each rectangle (its outline's corners).
struct DrawnItem {
  int page = 0;
  gdi::RECT box;
  std::string text;  // empty for a rectangle
  bool rule = false;
};

class CPrinterDC : public IPrintContext {
 public:
  // A context on a printer the caller keeps (the one the print dialog chose).
  explicit CPrinterDC(QPrinter& printer);
  // A context that prints into a PDF file at the given resolution.
  static std::unique_ptr<CPrinterDC> CreatePdf(const std::string& path, int dotsPerInch = 600);
  // An open document is ended.
  ~CPrinterDC() override;

  CPrinterDC(const CPrinterDC&) = delete;
  CPrinterDC& operator=(const CPrinterDC&) = delete;

  QPrinter& Printer() { return *m_printer; }

  // The job. StartDoc returns a positive value or SP_ERROR. A StartPage while a
  // page is open and an EndPage or EndDoc with nothing to end are ignored (they
  // return 1, 0 and 0). Drawing outside a page begins one, and a StartPage
  // before StartDoc begins the document; after EndDoc nothing more is drawn.
  int StartDoc(const std::string& docName = {});
  int StartPage();
  int EndPage();
  int EndDoc();
  bool IsPageOpen() const { return m_pageOpen; }
  // The printer could not start the document or a page (an invalid printer, a
  // file that cannot be written, a queue that refuses the job). Nothing more is
  // drawn on it and no page is tried again.
  bool HasFailed() const { return m_failed; }
  // Pages begun in the current (or last) document.
  int GetPageCount() const { return m_pageCount; }

  int GetDeviceCaps(int index) const;
  // The raster capabilities reported for RASTERCAPS (a palette device for tests).
  void SetRasterCaps(int caps) { m_rasterCaps = caps; }
  // Banding: with a band height above 0 the device answers NEXTBAND with
  // bands of that many rows down the page, then an empty band.
  void SetBandHeight(int rows) { m_bandHeight = rows; }
  int QueryEscSupport(int escape) const;
  int NextBand(gdi::RECT& band);

  // Selecting returns what was selected before, to be selected again later.
  gdi::FontSpec SelectFont(const gdi::FontSpec& font);
  const gdi::FontSpec& GetCurrentFont() const { return m_font; }
  gdi::TEXTMETRIC GetTextMetrics() const;
  // The width of a text in the selected font (its advance), in device units.
  int GetTextWidth(const std::string& text) const;
  gdi::PenSpec SelectPen(const gdi::PenSpec& pen);
  gdi::BrushSpec SelectBrush(const gdi::BrushSpec& brush);
  int SetBkMode(int mode);
  gdi::COLORREF SetBkColor(gdi::COLORREF color);
  gdi::COLORREF SetTextColor(gdi::COLORREF color);

  // The text's top-left corner at (x, y), in the selected font; with the
  // opaque background mode the text cell is filled with the background colour.
  // Texts are single-byte; an ideographic space (U+3000 as UTF-8), which the
  // sheet fonts have no glyph for, is drawn as a blank.
  void TextOut(int x, int y, const std::string& text) override;
  void MoveTo(int x, int y);
  bool LineTo(int x, int y);
  // Outlined with the pen and filled with the brush; right and bottom excluded.
  bool Rectangle(int left, int top, int right, int bottom);

  int SetStretchBltMode(int mode);
  // Draws part of a packed DIB (header, colour table, rows) stretched onto a
  // device rectangle, stored without loss in the output. ySrc counts from the
  // bitmap's bottom row. Returns the number of rows drawn or GDI_ERROR.
  int StretchDIBits(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                    const void* bits, const gdi::BITMAPINFOHEADER* info, int usage, std::uint32_t rop);

  // A trial run: from BeginMeasure to EndMeasure nothing is drawn or printed
  // and pages are only counted; EndMeasure returns the bounds of everything
  // that would have been drawn (empty for nothing) and the page count as it was.
  void BeginMeasure();
  gdi::RECT EndMeasure();

  // Every context appends what it draws to the log while one is set (null:
  // none); tests read a sheet's layout from it.
  static void SetDrawingLog(std::vector<DrawnItem>* log);

 private:
  CPrinterDC(std::unique_ptr<QPrinter> owned);
  // Logs a drawn item; false while measuring (it is then only measured).
  bool Log(const gdi::RECT& box, const std::string& text, bool rule);
  bool EnsurePage();
  QFont MakeFont() const;

  enum class DocState { kNone, kOpen, kEnded };

  std::unique_ptr<QPrinter> m_owned;
  QPrinter* m_printer;
  QPainter m_painter;
  DocState m_state = DocState::kNone;
  bool m_pageOpen = false;
  bool m_failed = false;
  int m_pageCount = 0;
  int m_bandTop = 0;
  bool m_measuring = false;
  bool m_measuredAny = false;
  gdi::RECT m_measured;
  bool m_pageOpenBefore = false;
  int m_pageCountBefore = 0;

  int m_rasterCaps = gdi::RC_BITBLT | gdi::RC_DIBTODEV | gdi::RC_STRETCHBLT | gdi::RC_STRETCHDIB;
  int m_bandHeight = 0;
  gdi::FontSpec m_font;
  gdi::PenSpec m_pen;
  gdi::BrushSpec m_brush;
  int m_bkMode = gdi::OPAQUE;
  gdi::COLORREF m_bkColor = 0xFFFFFF;
  gdi::COLORREF m_textColor = 0;
  int m_stretchMode = gdi::COLORONCOLOR;
  int m_x = 0;
  int m_y = 0;
};
