#include "res/page_global1.h"

#include <vector>

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

// One labelled row of a group: caption at the left, list at the value column.
void Row(std::vector<DlgItemTemplate>& items, const char* caption, int captionId, int listId, int x, int y,
         int valueX, int valueWidth, DWORD remove = 0) {
  items.push_back(dlg::LText(caption, captionId, x, y + 2, valueX - x - 2, 8, 0, remove));
  items.push_back(dlg::ComboBox(listId, valueX, y, valueWidth, 100, kList, remove));
}

}  // namespace

const DialogTemplate& Global1PageTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    DialogTemplate d = PageTemplate(IDD_GLOBAL1);
    auto& items = d.items;

    // Left column.
    items.push_back(Bold(GroupBox("MODEL", IDC_G1_GRP_MODEL, 4, 2, 180, 28)));
    items.push_back(ComboBox(IDC_G1_MODEL, 12, 12, 164, 60, kList));

    items.push_back(Bold(GroupBox("Display", IDC_G1_GRP_DISPLAY, 4, 32, 180, 104)));
    Row(items, "LCD Angle", 1521, IDC_G1_LCD_ANGLE, 12, 42, 96, 80);
    Row(items, "Configure", 1522, IDC_G1_CONFIGURE, 12, 55, 96, 80);
    Row(items, "Back Light", IDC_STATIC, IDC_G1_BACK_LIGHT, 12, 68, 96, 80);
    Row(items, "Back Light Dimmer", IDC_STATIC, IDC_G1_DIMMER, 12, 81, 96, 80);
    Row(items, "LCD contrast", IDC_STATIC, IDC_G1_CONTRAST, 12, 94, 96, 80);
    items.push_back(LText("User LED On time", IDC_STATIC, 12, 109, 82, 8));
    items.push_back(EditText(IDC_G1_LED_ON, 96, 107, 50, 12, ES_AUTOHSCROLL));
    items.push_back(LText("User LED Off time", IDC_STATIC, 12, 122, 82, 8));
    items.push_back(EditText(IDC_G1_LED_OFF, 96, 120, 50, 12, ES_AUTOHSCROLL));

    items.push_back(Bold(GroupBox("Audible Sounds", IDC_G1_GRP_AUDIBLE, 4, 138, 180, 92)));
    Row(items, "Microphone Sens.", 1524, IDC_G1_MIC_SENS, 12, 148, 96, 80);
    Row(items, "Beep Level", 1525, IDC_G1_BEEP_LEVEL, 12, 161, 96, 80);
    Row(items, "Scan Beep", 1526, IDC_G1_SCAN_BEEP_AUDIBLE, 12, 174, 96, 80);
    Row(items, "Power on Tone", 1527, IDC_G1_POWER_ON_TONE, 12, 187, 96, 80);
    Row(items, "Controls Tones", 1528, IDC_G1_CONTROLS_TONES, 12, 200, 96, 80);
    Row(items, "TPAC Beep", 1530, IDC_G1_TPAC_BEEP, 12, 213, 96, 80);

    items.push_back(Bold(GroupBox("Microphone Hook Function", IDC_G1_GRP_MIC_HOOK, 4, 232, 180, 52)));
    Row(items, "Off Hook Scan", 1531, IDC_G1_OFF_HOOK_SCAN, 12, 242, 96, 80);
    Row(items, "Off Hook Monitor", 1532, IDC_G1_OFF_HOOK_MONITOR, 12, 255, 96, 80);
    Row(items, "Off Hook Horn", 1533, IDC_G1_OFF_HOOK_HORN, 12, 268, 96, 80);

    // Right column.
    items.push_back(Bold(GroupBox("Scan Function", IDC_G1_GRP_SCAN, 188, 2, 180, 146)));
    Row(items, "Zone Scan", IDC_STATIC, IDC_G1_ZONE_SCAN, 196, 12, 290, 72);
    items.back().style |= WS_DISABLED;
    Row(items, "Dual Watch Time A", 1534, IDC_G1_DUAL_WATCH_A, 196, 25, 290, 72);
    items.back().style |= WS_DISABLED;
    Row(items, "Dual Watch Time B", 1535, IDC_G1_DUAL_WATCH_B, 196, 38, 290, 72);
    items.back().style |= WS_DISABLED;
    Row(items, "Scan Resume Time1(RX)", 1536, IDC_G1_SCAN_RESUME_RX, 196, 51, 290, 72);
    Row(items, "Scan Resume Time2(TX)", 1537, IDC_G1_SCAN_RESUME_TX, 196, 64, 290, 72);
    Row(items, "Home Grp Scan", 1538, IDC_G1_HOME_GRP_SCAN, 196, 77, 290, 72);
    items.back().style |= WS_DISABLED;
    Row(items, "Scan Beep", 1539, IDC_G1_SCAN_BEEP_SCAN, 196, 90, 290, 72);
    Row(items, "Revert Group", 1540, IDC_G1_REVERT_GROUP, 196, 103, 290, 72);
    Row(items, "Talk Back", 1541, IDC_G1_TALK_BACK, 196, 116, 290, 72);
    Row(items, "Scan Display", IDC_STATIC, IDC_G1_SCAN_DISPLAY, 196, 129, 290, 72);

    items.push_back(Bold(GroupBox("Power saving", IDC_G1_GRP_POWER_SAVING, 188, 150, 180, 40)));
    Row(items, "RX save mode", 1587, IDC_G1_RX_SAVE, 196, 160, 290, 72);
    Row(items, "Low Battery Alert", 1588, IDC_G1_LOW_BATTERY_ALERT, 196, 173, 290, 72);

    items.push_back(Bold(GroupBox("Handheld", IDC_G1_GRP_HANDHELD, 188, 192, 180, 27)));
    Row(items, "Rotary Switch mode", 1585, IDC_G1_ROTARY_SWITCH, 196, 202, 290, 72);

    items.push_back(Bold(GroupBox("Option Board", IDC_G1_GRP_OPTION_BOARD, 188, 221, 180, 27)));
    Row(items, "Option Board", IDC_STATIC, IDC_G1_OPTION_BOARD, 196, 231, 290, 72);
    items.back().style |= WS_DISABLED;

    items.push_back(Bold(GroupBox("Password", IDC_G1_GRP_PASSWORD, 188, 250, 180, 27)));
    items.push_back(LText("Password", IDC_STATIC, 196, 262, 90, 8));
    items.push_back(EditText(IDC_G1_PASSWORD, 290, 260, 72, 12, ES_AUTOHSCROLL | ES_UPPERCASE));

    // Carried by the template but never shown.
    Row(items, "Fuctional Tones", IDC_STATIC, IDC_G1_FUNCTIONAL_TONES, 196, 282, 290, 72, WS_VISIBLE);
    Row(items, "APO time", 1589, IDC_G1_APO_TIME, 196, 282, 290, 72, WS_VISIBLE);
    Row(items, "Low Battery", IDC_STATIC, IDC_G1_LOW_BATTERY, 196, 282, 290, 72, WS_VISIBLE);
    Row(items, "High Battery", IDC_STATIC, IDC_G1_HIGH_BATTERY, 196, 282, 290, 72, WS_VISIBLE);
    Row(items, "Lock restriction", IDC_STATIC, IDC_G1_LOCK_RESTRICTION, 196, 282, 290, 72, WS_VISIBLE);
    Row(items, "System Scan", IDC_STATIC, IDC_G1_SYSTEM_SCAN, 196, 282, 290, 72, WS_VISIBLE);
    Row(items, "Scan Edit", IDC_STATIC, IDC_G1_SCAN_EDIT, 196, 282, 290, 72, WS_VISIBLE);
    return d;
  }();
  return t;
}

void RegisterGlobal1PageTemplate() {
  RegisterTemplatesOnce<&Global1PageTemplate>();
}
