#include "shell/print_sheets.h"

#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <exception>
#include <utility>

#include "ui/print/dib_printer.h"

BOOL g_bKeyPrintActive = FALSE;

namespace {

// The one message of a printer that could not start; nothing was printed.
bool ReportPrinterFailure() {
  AfxMessageBox(kPrinterCannotStart, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

// The left edge of a part of a sheet, in character widths from the margin.
int PartColumn(int sheet, int part) { return sheet == kSheetGlobal && part == kPartGlobal2 ? kGlobal2Column : 0; }

}  // namespace

int SheetOfCommand(UINT nID) {
  switch (nID) {
    case ID_PRINT_GLOBAL:
      return kSheetGlobal;
    case ID_PRINT_ZONE:
      return kSheetZone;
    case ID_PRINT_CHANNELS:
      return kSheetChannelTable;
    case ID_PRINT_DTMF:
      return kSheetDtmf;
    case ID_PRINT_FIVE_TONE_COMMON:
      return kSheetFiveToneCommon;
    case ID_PRINT_FIVE_TONE_CODES:
      return kSheetFiveToneList;
    case ID_PRINT_SEED:
      return kSheetSeedChannel;
    case ID_PRINT_SEL_CALL:
      return kSheetSelCall;
    default:
      return -1;
  }
}

int SheetFontTenths(int sheet) { return sheet == kSheetZone ? 80 : 90; }

void PrintPage(CPrinterDC& dc, int charW, int x, int pitch, int gap, int sheet) {
  // The parts in order; a routine may register further parts while printing,
  // so the ones to call are taken first.
  const std::vector<std::pair<int, SheetRoutine>> parts = SheetParts(sheet);
  for (const auto& [part, routine] : parts) {
    // Mobile Special begins a page of its own, even when the Global parts
    // before it left theirs open.
    if (sheet == kSheetGlobal && part == kPartMobileSpecial) dc.EndPage();
    routine(dc, charW, x + PartColumn(sheet, part) * charW, pitch, gap);
  }
}

void FitSheetFont(CPrinterDC& dc, gdi::FontSpec font, const std::function<void()>& print) {
  const int width = dc.GetDeviceCaps(gdi::HORZRES);
  const int height = dc.GetDeviceCaps(gdi::VERTRES);
  for (;;) {
    dc.BeginMeasure();
    try {
      print();
    } catch (...) {
      dc.EndMeasure();
      throw;
    }
    const gdi::RECT drawn = dc.EndMeasure();
    if (drawn.right <= width && drawn.bottom <= height) return;
    // In proportion to the overrun, and at least a tenth of a point less.
    const double scale = std::min(drawn.right > width ? double(width) / drawn.right : 1.0,
                                  drawn.bottom > height ? double(height) / drawn.bottom : 1.0);
    const int smaller = std::min(font.pointTenths - 1, static_cast<int>(font.pointTenths * scale));
    if (smaller < kSmallestSheetFontTenths) return;
    font.pointTenths = smaller;
    dc.SelectFont(font);
  }
}

bool PrintSheets(CWnd* pOwner, int sheet) {
  PrintDialogRequest request;
  request.flags = kPrintSheetsDialogFlags;
  std::shared_ptr<QPrinter> printer = GetPromptService().PrintDialog(pOwner, request);
  if (!printer) return false;

  CPrinterDC dc(*printer);
  if (dc.StartDoc() <= 0) return ReportPrinterFailure();
  CWaitCursor wait;

  gdi::FontSpec font;
  font.pointTenths = SheetFontTenths(sheet);
  font.face = "MS Sans Serif";
  const gdi::FontSpec oldFont = dc.SelectFont(font);
  const bool pageBegun = sheet == kSheetDtmf || sheet == kSheetFiveToneCommon || sheet == kSheetFiveToneList;
  auto print = [&] {
    const SheetGeometry g = SheetGeometryOf(dc.GetTextMetrics());
    if (pageBegun) dc.StartPage();
    PrintPage(dc, g.charW, g.x, g.pitch, g.gap, sheet);
  };
  try {
    FitSheetFont(dc, font, print);
    print();
  } catch (...) {
    // The job is closed with what was drawn before the failure is passed on.
    dc.SelectFont(oldFont);
    dc.EndDoc();
    throw;
  }

  dc.SelectFont(oldFont);
  if (sheet != kSheetZone) dc.EndPage();
  dc.EndDoc();
  return dc.HasFailed() ? ReportPrinterFailure() : true;
}

QPixmap CaptureForegroundWindow(HWND hWnd) {
  if (!hWnd) return {};
  // The page as it shows: the part of its window that its parents do not
  // clip, taken from the main window so that what shows through the page (the
  // tab pane's background) is in the picture too.
  QRect area = hWnd->rect();
  const QRect visible = hWnd->visibleRegion().boundingRect();
  if (!visible.isEmpty()) area &= visible;
  if (area.isEmpty()) return {};
  QWidget* window = hWnd->window();
  return window->grab(area.translated(hWnd->mapTo(window, QPoint(0, 0))));
}

bool PrintCapturedBitmap(CWnd* pOwner, const QPixmap& bitmap) {
  PrintDialogRequest request;
  request.flags = PD_RETURNDC;
  request.minPage = 1;
  request.maxPage = 0xFFFF;
  std::shared_ptr<QPrinter> printer = GetPromptService().PrintDialog(pOwner, request);
  if (!printer) return false;

  CDibPrinter dib;
  dib.SetBitmap(bitmap);
  dib.SetScale(CDibPrinter::kFixed);
  dib.SetDocName("PX417 Printing");
  CPrinterDC dc(*printer);
  dib.Print(&dc);
  if (dc.HasFailed()) return ReportPrinterFailure();
  return dc.GetPageCount() > 0;
}

bool OnPrintKey(CWnd* pOwner, const KeyPageSwitch& pages) {
  // Whatever happens below, the flag is cleared and the page that was current
  // comes back.
  struct Restore {
    const KeyPageSwitch& pages;
    bool switched = false;
    ~Restore() {
      if (switched && pages.restore) {
        try {
          pages.restore();
        } catch (...) {
        }
      }
      g_bKeyPrintActive = FALSE;
    }
  } restore{pages};

  g_bKeyPrintActive = TRUE;
  bool printed = false;
  try {
    HWND hWnd = nullptr;
    if (pages.showKeyPage) {
      restore.switched = true;
      hWnd = pages.showKeyPage();
    } else if (pOwner) {
      hWnd = pOwner->GetSafeHwnd();
    }
    const QPixmap picture = CaptureForegroundWindow(hWnd);
    printed = PrintCapturedBitmap(pOwner, picture);
  } catch (const std::exception& e) {
    AfxMessageBox(e.what());
  }
  return printed;
}
