// Prints a bitmap (a captured window) on a printer page: the bitmap is turned
// into a packed device-independent bitmap (header, colour table, bottom-up rows
// padded to four bytes), scaled to a target rectangle by a scale mode and drawn,
// band by band where the device asks for bands. Every failure is thrown as a
// std::runtime_error with a fixed text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/print/printer_dc.h"

class QImage;
class QPixmap;

class CDibPrinter {
 public:
  // Scale modes. kFixed: the picture at 1/100 inch a pixel, 1/12 inch from
  // the printable area's corner, whatever the device's resolution.
  static constexpr int kFitWidth = 0;
  static constexpr int kFitHeight = 1;
  static constexpr int kWholePage = 2;
  static constexpr int kFixed = 3;

  CDibPrinter() = default;
  virtual ~CDibPrinter() = default;
  CDibPrinter(const CDibPrinter&) = delete;
  CDibPrinter& operator=(const CDibPrinter&) = delete;

  // Draws the bitmap on a page already begun.
  virtual void Draw(CPrinterDC* dc);
  // The whole job: document, one page, Draw. An exception of Draw ends the page
  // and the document before it is passed on.
  virtual void Print(CPrinterDC* dc);
  virtual void PrintDib(CPrinterDC* dc);
  // A device-dependent bitmap (a grabbed window) becomes a 24-bit DIB.
  virtual void SetBitmap(const QPixmap& bitmap);
  // An image in a DIB layout (1 or 8 bits with a colour table, 24 or 32 bits)
  // is copied as it stands; any other image is converted as a device bitmap.
  virtual void SetBitmap(const QImage& bitmap);
  virtual std::string GetDocName() const { return m_docName; }
  virtual void SetDocName(const std::string& name);
  virtual gdi::RECT GetTargetRect() const { return m_target; }
  virtual void SetTargetRect(const gdi::RECT& rect);
  virtual int GetScale() const { return m_scale; }
  virtual void ComputeTargetRect(CPrinterDC* dc);
  // Clips a device rectangle to the target and maps it to the bitmap's pixels
  // (rows counted from the top); false when it lies outside the target.
  virtual bool ClipToTarget(gdi::RECT& rect, gdi::RECT& source) const;
  virtual void LoadDdb(const QImage& bitmap);
  virtual void LoadDibSection(const QImage& bitmap);
  void SetScale(int mode);

  // The packed DIB, empty until a bitmap is set.
  const std::vector<std::uint8_t>& GetDib() const { return m_dib; }
  const gdi::BITMAPINFOHEADER* GetHeader() const;
  const std::uint8_t* GetBits() const;

 private:
  std::vector<std::uint8_t> m_dib;
  std::size_t m_bitsOffset = 0;
  std::string m_docName;
  gdi::RECT m_target;
  int m_scale = kFixed;
};
