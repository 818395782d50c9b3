// The Global 1 column of the printed "Global" sheet: every setting as its
// binding prints it, in framed blocks. Production type 11 radios show the
// display, microphone and hook settings; the others the power saving and the
// handheld settings.
#include "model/conversions.h"
#include "model/edit_model.h"
#include "pages/settings/global1_page.h"
#include "ui/print/sheet_writer.h"

namespace {

bool Type11() { return IsProductionType11(TheModel().store.ProductionType()); }
bool NotType11() { return !Type11(); }

constexpr SheetCell Value(int id, int from) { return {id, from, 44}; }

constexpr SheetRow kScanFunction[] = {
    Title("Scan Function"),
    Line("Zone Scan", Value(IDC_G1_ZONE_SCAN, 32)),
    Line("Dual Watch Time A", Value(IDC_G1_DUAL_WATCH_A, 32)),
    Line("Dual Watch Time B", Value(IDC_G1_DUAL_WATCH_B, 32)),
    Line("Scan Resume Time1(RX)", Value(IDC_G1_SCAN_RESUME_RX, 32)),
    Line("Scan Resume Time2(TX)", Value(IDC_G1_SCAN_RESUME_TX, 32)),
    Line("Home Grp Scan", Value(IDC_G1_HOME_GRP_SCAN, 32)),
    Line("Scan Beep", Value(IDC_G1_SCAN_BEEP_SCAN, 32)),
    Line("Revert Group", Value(IDC_G1_REVERT_GROUP, 32)),
    Line("Talk Back", Value(IDC_G1_TALK_BACK, 32)),
    Line("Scan Display", Value(IDC_G1_SCAN_DISPLAY, 32)),
};

const SheetRow kRows[] = {
    Block(45), Line({}, Value(IDC_G1_MODEL, 10)).Titled("MODEL"),
    // Production type 11.
    Block(45, Type11), Line("LCD Angle", Value(IDC_G1_LCD_ANGLE, 20)).Titled("Display"), Line("Configure"),
    Line({}, Value(IDC_G1_CONFIGURE, 10)), Line("Back Light", Value(IDC_G1_BACK_LIGHT, 20)),
    Line("Back Light Dimmer", Value(IDC_G1_DIMMER, 30)), Line("LCD contrast", Value(IDC_G1_CONTRAST, 26)),
    Line("User LED On time", Value(IDC_G1_LED_ON, 28)), Line("User LED Off time", Value(IDC_G1_LED_OFF, 28)),
    Block(45, Type11), Title("Audible Sounds"), Line("Microphone Sens.", Value(IDC_G1_MIC_SENS, 26)),
    Line("Beep Level", Value(IDC_G1_BEEP_LEVEL, 26)), Line("Scan Beep", Value(IDC_G1_SCAN_BEEP_AUDIBLE, 26)),
    Line("Power on Tone", Value(IDC_G1_POWER_ON_TONE, 26)), Line("Controls Tones", Value(IDC_G1_CONTROLS_TONES, 26)),
    Line("TPAC Beep", Value(IDC_G1_TPAC_BEEP, 26)),
    Block(45, Type11), Title("Microphone Hook Function"), Line("Off Hook Scan", Value(IDC_G1_OFF_HOOK_SCAN, 26)),
    Line("Off Hook Monitor", Value(IDC_G1_OFF_HOOK_MONITOR, 26)), Line("Off Hook Horn", Value(IDC_G1_OFF_HOOK_HORN, 26)),
    Block(45, Type11), Include(kScanFunction),
    Block(45, Type11), Title("Password"), Line({}, Value(IDC_G1_PASSWORD, 32)),
    // The other radios.
    Block(45, NotType11), Title("Audible Sounds"), Line("Scan Beep", Value(IDC_G1_SCAN_BEEP_AUDIBLE, 26)),
    Line("Power on Tone", Value(IDC_G1_POWER_ON_TONE, 26)), Line("Controls Tones", Value(IDC_G1_CONTROLS_TONES, 26)),
    Line("TPAC Beep", Value(IDC_G1_TPAC_BEEP, 26)),
    Block(45, NotType11), Title("Power saving"), Line("RX save mode", Value(IDC_G1_RX_SAVE, 26)),
    Line("Low Battery Alert", Value(IDC_G1_LOW_BATTERY_ALERT, 26)),
    Block(45, NotType11), Include(kScanFunction),
    Block(45, NotType11), Title("Password"), Line({}, Value(IDC_G1_PASSWORD, 32)),
    Block(45, NotType11), Title("Handheld"), Line("Rotary Switch mode", Value(IDC_G1_ROTARY_SWITCH, 26)).LabelAt(3),
};

}  // namespace

void PrintGlobal1Sheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  dc.StartPage();
  PrintSheetRows(dc, charW, x, pitch, gap, kRows, [](int id) { return PrintText(Global1Bindings(), id); });
}
