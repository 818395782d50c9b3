#include "shell/print_sheets.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <cctype>
#include <exception>
#include <utility>

#include "model/edit_model.h"
#include "model/zone_fields.h"
#include "ui/print/dib_printer.h"
#include "ui/wnd/ext/menu.h"

BOOL g_bKeyPrintActive = FALSE;

namespace {

// The one message of a printer that could not start; nothing was printed.
bool ReportPrinterFailure() {
  AfxMessageBox(kPrinterCannotStart, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

// The left edge of a part of a sheet, in character widths from the margin.
int PartColumn(int sheet, int part) { return sheet == kSheetGlobal && part == kPartGlobal2 ? kGlobal2Column : 0; }

struct SheetCommand {
  UINT command;
  int sheet;
};
constexpr SheetCommand kSheetCommands[] = {
    {ID_PRINT_GLOBAL, kSheetGlobal},          {ID_PRINT_ZONE, kSheetZone},
    {ID_PRINT_CHANNELS, kSheetChannelTable},  {ID_PRINT_DTMF, kSheetDtmf},
    {ID_PRINT_FIVE_TONE_COMMON, kSheetFiveToneCommon}, {ID_PRINT_FIVE_TONE_CODES, kSheetFiveToneList},
    {ID_PRINT_SEED, kSheetSeedChannel},       {ID_PRINT_SEL_CALL, kSheetSelCall},
};

UINT CommandOfSheet(int sheet) {
  for (const SheetCommand& c : kSheetCommands) {
    if (c.sheet == sheet) return c.command;
  }
  return 0;
}

// The folder of the last sheet printed to a file; empty: the working folder.
std::string& PrintFolder() {
  static std::string folder;
  return folder;
}

// After a job that printed into a file, its folder is the one offered next.
void RememberPrintFolder(const QPrinter& printer) {
  if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) return;
  PrintFolder() = QFileInfo(printer.outputFileName()).absolutePath().toStdString();
}

// The menu item of a command, searched through the popups.
const MenuItemTemplate* FindMenuItem(const std::vector<MenuItemTemplate>& items, UINT nID) {
  for (const MenuItemTemplate& item : items) {
    if (item.items.empty() && item.id == nID) return &item;
    if (const MenuItemTemplate* found = FindMenuItem(item.items, nID)) return found;
  }
  return nullptr;
}

// The Zone sheet prints a page for every zone in use.
bool NothingToPrint(int sheet) {
  if (sheet != kSheetZone) return false;
  for (int z = 0; z < kZoneCount; ++z) {
    if (zf::kInUse.Get(TheModel(), z)) return false;
  }
  return true;
}

// What an accepted print dialog left the printer with.
PrintChoice ChoiceOf(const QPrinter& printer) {
  PrintChoice choice;
  const QPageLayout layout = printer.pageLayout();
  choice.paper = layout.pageSize();
  choice.orientation = layout.orientation();
  choice.toFile = printer.outputFormat() == QPrinter::PdfFormat;
  if (!choice.toFile) choice.printerName = printer.printerName().toStdString();
  return choice;
}

// The print dialog, offering the command's file and starting from the last
// choice accepted; an accepted dialog's choice is the next one's start.
std::shared_ptr<QPrinter> RunPrintDialog(CWnd* pOwner, PrintDialogRequest request, UINT command) {
  request.fileName = PrintFileName(command);
  request.start = LastPrintChoice();
  std::shared_ptr<QPrinter> printer = GetPromptService().PrintDialog(pOwner, request);
  if (printer) LastPrintChoice() = ChoiceOf(*printer);
  return printer;
}

}  // namespace

std::optional<PrintChoice>& LastPrintChoice() {
  static std::optional<PrintChoice> choice;
  return choice;
}

int SheetOfCommand(UINT nID) {
  for (const SheetCommand& c : kSheetCommands) {
    if (c.command == nID) return c.sheet;
  }
  return -1;
}

std::string PrintFileName(UINT nID) {
  std::string name = "PX417";
  const MenuTemplate* menu = FindMenuTemplate(IDR_MAIN_MENU);
  if (const MenuItemTemplate* item = menu && nID ? FindMenuItem(menu->items, nID) : nullptr) {
    name += '-';
    bool capital = false;
    for (const char c : item->text.substr(0, item->text.find('\t'))) {
      if (c == '&') continue;
      if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') {
        capital = true;
        continue;
      }
      name += capital ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
      capital = false;
    }
  }
  // A folder removed since is not offered.
  const QDir last(QString::fromStdString(PrintFolder()));
  const QDir folder = !PrintFolder().empty() && last.exists() ? last : QDir::current();
  return folder.absoluteFilePath(QString::fromStdString(name + ".pdf")).toStdString();
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
  // Said before the dialog: there is nothing to choose a printer for.
  if (NothingToPrint(sheet)) {
    AfxMessageBox(kNoZoneToPrint, MB_OK | MB_ICONINFORMATION);
    return false;
  }
  PrintDialogRequest request;
  request.flags = kPrintSheetsDialogFlags;
  std::shared_ptr<QPrinter> printer = RunPrintDialog(pOwner, request, CommandOfSheet(sheet));
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
  if (dc.HasFailed()) return ReportPrinterFailure();
  RememberPrintFolder(*printer);
  return true;
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
  std::shared_ptr<QPrinter> printer = RunPrintDialog(pOwner, request, ID_PRINT_KEY);
  if (!printer) return false;

  CDibPrinter dib;
  dib.SetBitmap(bitmap);
  dib.SetScale(CDibPrinter::kFixed);
  dib.SetDocName("PX417 Printing");
  CPrinterDC dc(*printer);
  dib.Print(&dc);
  if (dc.HasFailed()) return ReportPrinterFailure();
  if (dc.GetPageCount() == 0) return false;
  RememberPrintFolder(*printer);
  return true;
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
