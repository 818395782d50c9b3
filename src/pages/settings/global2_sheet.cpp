// The Global 2 half of the Global sheet: framed blocks of labelled cells,
// drawn beside the Global 1 half on the page that half began.
#include <array>
#include <string_view>

#include "model/conversions.h"
#include "model/edit_model.h"
#include "pages/settings/global2_page.h"
#include "ui/print/sheet_writer.h"

namespace {

bool Type11() { return IsProductionType11(TheModel().store.ProductionType()); }

constexpr SheetCell Value(int id, int from = 26) { return {id, from, 44}; }

// A zone and group block: "Zone" and "Group" lines under the block's title.
constexpr std::array<SheetRow, 3> PairBlock(std::string_view title, int zone, int group, bool (*when)() = nullptr) {
  return {Block(50, when), Line("Zone", {zone, 28, 44}).Titled(title).LabelAt(18),
          Line("Group", {group, 28, 44}).LabelAt(18)};
}
constexpr auto kHome = PairBlock("Home", IDC_G2_HOME_ZONE, IDC_G2_HOME_GROUP);
constexpr auto kShortCut1 = PairBlock("Short cut #1", IDC_G2_SC1_ZONE, IDC_G2_SC1_GROUP);
constexpr auto kShortCut2 = PairBlock("Short cut #2", IDC_G2_SC2_ZONE, IDC_G2_SC2_GROUP);
constexpr auto kShortCut3 = PairBlock("Short cut #3", IDC_G2_SC3_ZONE, IDC_G2_SC3_GROUP);
constexpr auto kShortCut4 = PairBlock("Short cut #4", IDC_G2_SC4_ZONE, IDC_G2_SC4_GROUP);
constexpr auto kData = PairBlock("Data", IDC_G2_DATA_ZONE, IDC_G2_DATA_GROUP, Type11);

const SheetRow kRows[] = {
    Block(50),
    Line("Zone/Group", {IDC_G2_EMRG_ZONE, 26, 35}, {IDC_G2_EMRG_GROUP, 36, 45}).Titled("Emergency"),
    Line("Lock Out", Value(IDC_G2_LOCK_OUT)),
    Line("Code", Value(IDC_G2_CODE)),
    Line("Tx Time", Value(IDC_G2_TX_TIME)),
    Line("Rx Time", Value(IDC_G2_RX_TIME)),
    Line("EMRG. AF Mute", Value(IDC_G2_AF_MUTE)),
    Line("Display", Value(IDC_G2_DISPLAY)),
    Line("LCD", Value(IDC_G2_LCD)),
    Line("LED", Value(IDC_G2_LED)),
    Line("LED Blink", Value(IDC_G2_LED_BLINK)),
    Line("LED Color", Value(IDC_G2_LED_COLOR)),
    Line("Key Inhibit", Value(IDC_G2_KEY_INHIBIT)),
    Line("Silent mode", Value(IDC_G2_SILENT_MODE)),
    Line("Emergency Time", Value(IDC_G2_EMERGENCY_TIME)),
    Line("Key Holding Time", Value(IDC_G2_EMRG_KEY_HOLD)),
    Block(50),
    Title("Power On Status"),
    Line("Receiver Status", {IDC_G2_POWER_ON, 26, 45}),
    Block(50),
    Title("Transmission guard"),
    Line("T.O.T Penalty Time", Value(IDC_G2_TOT_PENALTY, 28)),
    Line("T.O.T Release Time", Value(IDC_G2_TOT_RELEASE, 28)),
    Block(50),
    Title("TPAC Option"),
    Line("TPAC Beep", Value(IDC_G2_TPAC_BEEP)),
    Line("TPAC Tx Time", Value(IDC_G2_TPAC_TX_TIME)),
    Line("TPAC mode", Value(IDC_G2_TPAC_MODE)),
    Block(50),
    Title("Radio Advanced Setting"),
    Line("SQL. Level Offset", Value(IDC_G2_SQL_OFFSET, 28)),
    Line("Data Mode", Value(IDC_G2_DATA_MODE, 28)).When(Type11),
    Line("Clone", Value(IDC_G2_CLONE, 28)),
    Line("PTT Interlock", Value(IDC_G2_PTT_INTERLOCK, 28)),
    Include(kHome),
    Include(kShortCut1),
    Include(kShortCut2),
    Include(kShortCut3),
    Include(kShortCut4),
    Include(kData),
};

}  // namespace

void PrintGlobal2Sheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  PrintSheetRows(dc, charW, x, pitch, gap, kRows, [](int id) { return PrintText(Global2Bindings(), id); });
  dc.EndPage();
}
