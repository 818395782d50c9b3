// The Sel Call sheet: entries 1 to 100, the ones the page edits, as a framed
// table in two blocks of fifty, entry 51 beside entry 1.
#include <cstdio>

#include "model/edit_model.h"
#include "model/sel_call.h"
#include "pages/settings/sel_call_page.h"
#include "ui/print/sheet_writer.h"

namespace {

constexpr int kPrintedEntries = kSelCallRows * kSelCallBlocks;
constexpr SheetColumn kColumns[] = {{"No.", 0, 13}, {"Zone", 13, 33}, {"Alias", 33, 53}, {"Target MIN", 53, 73}};

std::string CellText(int entry, int column) {
  const CSelCallRecord& record = TheModel().store.selCalls[entry];
  switch (column) {
    case 0: {
      char number[16];
      std::snprintf(number, sizeof number, "%.3d", entry + 1);
      return number;
    }
    case 1:
      return SelCallZoneText(record.zoneCode);
    case 2:
      return TagText(record.alias);
    default:
      return std::to_string(record.targetMin);
  }
}

}  // namespace

void PrintSelCallSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  dc.StartPage();
  PrintSheetTable(dc, charW, x, pitch, gap, {"Sel Call", kColumns, kPrintedEntries, 2, 76, CellText});
}
