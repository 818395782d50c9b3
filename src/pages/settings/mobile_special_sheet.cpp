// The Mobile Special settings on the printed "Global" sheet, on a page of their own:
// the miscellaneous settings and the accessory ports in the left column, the
// group switch table beside them, every text as the page's bindings print it.
#include "model/edit_model.h"
#include "model/mobile_special.h"
#include "pages/settings/mobile_special_page.h"
#include "ui/print/sheet_writer.h"

namespace {

// The two boxes of a port's line, which no single control shows: the port's
// direction ("Input", "Output", "---") and its function.
constexpr int kDirection = 0x10000;
constexpr int kFunction = 0x20000;
constexpr int kSwitchTableColumn = 55;

constexpr SheetCell Value(int id) { return {id, 26, 44}; }
constexpr SheetRow Port(std::string_view label, int port) {
  return Line(label, {kDirection + port, 16, 26}, {kFunction + port, 27, 44});
}
constexpr SheetRow Positions(std::string_view first, std::string_view second, int n) {
  return Line(first, {kMsSwitchGroups[n], 8, 18}, {kMsSwitchGroups[n + 8], 28, 38}).LabelAt(0).SecondLabel(second, 20);
}

constexpr SheetRow kSettings[] = {
    Block(45),
    Title("Miscellaneous"),
    Line("Ext. Mic. Sense", Value(IDC_MS_EXT_MIC_SENSE)),
    Line("Horn alert time", Value(IDC_MS_HORN_ALERT_TIME)),
    Line("Ignition sense", Value(IDC_MS_IGNITION_SENSE)),
    Line("External PTT", Value(IDC_MS_EXTERNAL_PTT)),
    Line("Af Min Vr", Value(IDC_MS_AF_MIN_VR)),
    Block(45),
    Title("DSUB-15 Port"),
    Port("ACC1", 0),
    Port("ACC2", 1),
    Port("ACC3", 2),
    Port("ACC4", 3),
    Port("ACC5", 4),
    Port("ACC6", 5),
};

// Drawn from the switch table's own left edge.
constexpr SheetRow kSwitchTable[] = {
    Block(50),
    Title("DSUB-15 Group Switch Table"),
    Line("Zone", {IDC_MS_SWITCH_ZONE, 8, 18}).LabelAt(0),
    Positions("#0", "#8", 0),
    Positions("#1", "#9", 1),
    Positions("#2", "#10", 2),
    Positions("#3", "#11", 3),
    Positions("#4", "#12", 4),
    Positions("#5", "#13", 5),
    Positions("#6", "#14", 6),
    Positions("#7", "#15", 7),
};

std::string TextOf(int id) {
  const CGlobalSettings& global = TheModel().global;
  if (id >= kFunction) return PortFunctionText(global, id - kFunction);
  if (id >= kDirection) return PortDirectionText(global, id - kDirection);
  return PrintText(MobileSpecialBindings(), id);
}

}  // namespace

void PrintMobileSpecialSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  dc.StartPage();
  PrintSheetRows(dc, charW, x, pitch, gap, kSettings, TextOf);
  PrintSheetRows(dc, charW, x + kSwitchTableColumn * charW, pitch, gap, kSwitchTable, TextOf);
}
