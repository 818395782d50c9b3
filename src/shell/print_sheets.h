// The "&Print" menu: one print job per parameter sheet. PrintSheets runs the
// print dialog, opens the job, picks the font (8 points for the Zone sheet,
// 9 for the others), derives the line geometry from its metrics and hands the
// printer context and the geometry to the routines registered for the sheet.
// The key sheet is a picture of the Key Assignment page, grabbed from the
// screen and printed as a bitmap.
#pragma once

#include "res/main_dialog.h"

#include <QPixmap>

#include <functional>
#include <optional>
#include <string>

#include "ui/print/printer_dc.h"
#include "ui/print/sheet_registry.h"
#include "ui/print/sheet_writer.h"
#include "ui/wnd/wnd_layer.h"

// Set while the key sheet is captured and printed: the Key Assignment pages
// then redraw the whole main window whenever they paint.
extern BOOL g_bKeyPrintActive;

// The print commands are the menu's (res/main_dialog.h).
// The sheet a print command prints, or -1 (the key sheet has no number).
int SheetOfCommand(UINT nID);

// The PDF file the print dialog offers for a print command: "PX417-" and the
// command's menu text without "&", blanks and slashes (a letter after a blank
// in capitals: "PX417-SelCall.pdf"), or "PX417.pdf" for a command the menu
// does not show; in the folder of the last sheet printed to a file while it
// exists, else (at first) the working folder.
std::string PrintFileName(UINT nID);

// The paper, orientation and printer or PDF file of the last print dialog
// accepted in this session (none before the first): every print dialog, the
// key sheet's too, starts from it. Nothing of it is saved.
std::optional<PrintChoice>& LastPrintChoice();

// What the Zone sheet, a page for every zone in use, says instead of opening
// the print dialog when no zone is in use.
inline constexpr const char* kNoZoneToPrint = "No zone is in use: there is nothing to print.";

// The print dialog of the sheets: no selection, no page numbers, copies by the
// device mode, no print-to-file box (0x14000C).
inline constexpr DWORD kPrintSheetsDialogFlags = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;
// The point size of a sheet's font, in tenths of a point.
int SheetFontTenths(int sheet);

// Shown once when the chosen printer cannot start the job; nothing is printed.
inline constexpr const char* kPrinterCannotStart =
    "The printer could not start printing.\n\nCheck the printer, or choose to print to a PDF file.";

// ---- the print job ----------------------------------------------------------------
// The whole job of one sheet. Returns false when nothing was printed (the
// sheet had nothing to print or the printer could not start: that is said
// once; or the dialog was cancelled).
bool PrintSheets(CWnd* pOwner, int sheet);
// Calls the routines of the sheet in order, each with its own left edge.
void PrintPage(CPrinterDC& dc, int charW, int x, int pitch, int gap, int sheet);
// Selects the sheet font, or where what `print` draws with it would pass the
// printable area, a smaller one that keeps it inside (not below 4 points).
// `print` runs as a trial that prints nothing.
inline constexpr int kSmallestSheetFontTenths = 40;
void FitSheetFont(CPrinterDC& dc, gdi::FontSpec font, const std::function<void()>& print);

// ---- the key sheet --------------------------------------------------------------------
// How the key sheet reaches the Key Assignment page: showKeyPage switches to it
// when another page is current and returns the window to capture (the page's
// own); restore goes back to the page that was current. restore runs in
// every case once showKeyPage has run.
struct KeyPageSwitch {
  std::function<HWND()> showKeyPage;
  std::function<void()> restore;
};

// The key sheet: capture the window, print the picture. A failure of the
// bitmap printer is shown with its text; the flag is cleared and the page
// restored in every case. Returns true when a page was printed.
bool OnPrintKey(CWnd* pOwner, const KeyPageSwitch& pages);
// The picture of the key page: the page's own window as it shows (without
// the main window's caption, menu and tab row). A null picture when there is
// nothing to capture.
QPixmap CaptureForegroundWindow(HWND hWnd);
// Runs the print dialog and prints the picture at the bitmap printer's fixed
// scale, 1/100 inch a pixel ("PX417 Printing"). Returns true when a page was
// printed; exceptions of the bitmap printer are passed on.
bool PrintCapturedBitmap(CWnd* pOwner, const QPixmap& bitmap);
