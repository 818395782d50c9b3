#include "res/page_global2.h"

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr int kPitch = 13;

// A caption and its list on one row.
void Row(std::vector<DlgItemTemplate>& items, const char* caption, int captionId, int listId, int x, int y,
         int labelWidth, int listWidth, DWORD add = 0, DWORD remove = 0) {
  items.push_back(dlg::LText(caption, captionId, x, y + 2, labelWidth, 8, 0, remove));
  items.push_back(dlg::ComboBox(listId, x + labelWidth + 4, y, listWidth, 100, kList | add, remove));
}

}  // namespace

const DialogTemplate& Global2PageTemplate() {
  using namespace dlg;
  static const DialogTemplate t = [] {
    DialogTemplate d = PageTemplate(IDD_GLOBAL2);
    auto& items = d.items;

    // Left column: the emergency function.
    items.push_back(GroupBox("Emergency", IDC_STATIC, 4, 2, 178, 218));
    items.push_back(Bold(LText("Emergency", IDC_G2_CAP_EMERGENCY, 10, 12, 80, 8)));
    int y = 22;
    items.push_back(LText("Zone/Group", IDC_G2_CAP_ZONE_GROUP, 10, y + 2, 58, 8));
    items.push_back(ComboBox(IDC_G2_EMRG_ZONE, 72, y, 50, 100, kList));
    items.push_back(ComboBox(IDC_G2_EMRG_GROUP, 126, y, 50, 100, kList));
    y += kPitch;
    Row(items, "Lock Out", IDC_G2_CAP_LOCK_OUT, IDC_G2_LOCK_OUT, 10, y, 58, 104);
    y += kPitch;
    items.push_back(LText("Code", IDC_G2_CAP_CODE, 10, y + 2, 58, 8));
    items.push_back(EditText(IDC_G2_CODE, 72, y, 104, 12, ES_AUTOHSCROLL | WS_TABSTOP));
    y += kPitch;
    Row(items, "Tx Time", IDC_G2_CAP_TX_TIME, IDC_G2_TX_TIME, 10, y, 58, 104);
    y += kPitch;
    Row(items, "Rx Time", IDC_G2_CAP_RX_TIME, IDC_G2_RX_TIME, 10, y, 58, 104);
    y += kPitch;
    Row(items, "EMRG. AF Mute", IDC_G2_CAP_AF_MUTE, IDC_G2_AF_MUTE, 10, y, 58, 104);
    y += kPitch;
    Row(items, "Display", IDC_STATIC, IDC_G2_DISPLAY, 10, y, 58, 104);
    y += kPitch;
    Row(items, "LCD", IDC_G2_CAP_LCD, IDC_G2_LCD, 10, y, 58, 104);
    y += kPitch;
    Row(items, "LED", IDC_G2_CAP_LED, IDC_G2_LED, 10, y, 58, 104);
    y += kPitch;
    Row(items, "LED Blink", IDC_STATIC, IDC_G2_LED_BLINK, 10, y, 58, 104);
    y += kPitch;
    Row(items, "LED Color", IDC_STATIC, IDC_G2_LED_COLOR, 10, y, 58, 104);
    y += kPitch;
    Row(items, "Key Inhibit", IDC_STATIC, IDC_G2_KEY_INHIBIT, 10, y, 58, 104);
    y += kPitch;
    Row(items, "Silent mode", IDC_STATIC, IDC_G2_SILENT_MODE, 10, y, 58, 104);
    y += kPitch;
    Row(items, "Emergency Time", IDC_G2_CAP_EMERGENCY_TIME, IDC_G2_EMERGENCY_TIME, 10, y, 58, 104);
    y += kPitch;
    Row(items, "Key Holding Time", IDC_G2_CAP_EMRG_KEY_HOLD, IDC_G2_EMRG_KEY_HOLD, 10, y, 58, 104);

    // Left column, below: the TPAC options.
    items.push_back(GroupBox("", IDC_STATIC, 4, 224, 178, 62));
    items.push_back(Bold(LText("TPAC Option", IDC_G2_CAP_TPAC, 10, 232, 80, 8)));
    Row(items, "TPAC Beep", IDC_G2_CAP_TPAC_BEEP, IDC_G2_TPAC_BEEP, 10, 244, 58, 104);
    Row(items, "TPAC Tx Time", IDC_G2_CAP_TPAC_TX_TIME, IDC_G2_TPAC_TX_TIME, 10, 257, 58, 104);
    Row(items, "TPAC mode", IDC_STATIC, IDC_G2_TPAC_MODE, 10, 270, 58, 104);

    // Right column: the radio's advanced settings.
    items.push_back(GroupBox("", IDC_STATIC, 188, 2, 180, 78));
    items.push_back(Bold(LText("Radio Advanced Setting", IDC_G2_CAP_ADVANCED, 194, 12, 120, 8)));
    Row(items, "SQL. Level Offset", IDC_G2_CAP_SQL_OFFSET, IDC_G2_SQL_OFFSET, 194, 24, 66, 96);
    Row(items, "Data Mode", IDC_STATIC, IDC_G2_DATA_MODE, 194, 37, 66, 96);
    Row(items, "Clone", IDC_G2_CAP_CLONE, IDC_G2_CLONE, 194, 50, 66, 96, WS_DISABLED);
    Row(items, "PTT Interlock", IDC_G2_CAP_PTT_INTERLOCK, IDC_G2_PTT_INTERLOCK, 194, 63, 66, 96);

    // The power-on status.
    items.push_back(GroupBox("", IDC_STATIC, 188, 84, 180, 28));
    Row(items, "Power On Status", IDC_G2_CAP_POWER_ON, IDC_G2_POWER_ON, 194, 94, 66, 96);
    items[items.size() - 2].bold = true;

    // The transmission guard times.
    items.push_back(GroupBox("", IDC_STATIC, 188, 116, 180, 52));
    items.push_back(Bold(LText("Transmission guard", IDC_G2_CAP_TX_GUARD, 194, 126, 120, 8)));
    Row(items, "T.O.T Penalty Time", IDC_G2_CAP_TOT_PENALTY, IDC_G2_TOT_PENALTY, 194, 138, 66, 96);
    Row(items, "T.O.T Release Time", IDC_G2_CAP_TOT_RELEASE, IDC_G2_TOT_RELEASE, 194, 151, 66, 96);

    // The special zones and groups; the group lists are the radio's own choice.
    items.push_back(Bold(GroupBox("Special Zone/Group", IDC_G2_CAP_SPECIAL, 188, 172, 180, 108)));
    items.push_back(LText("Zone", IDC_G2_CAP_ZONE, 258, 183, 50, 8));
    items.push_back(LText("Group", IDC_G2_CAP_GROUP, 312, 183, 50, 8));
    struct PairRow {
      const char* caption;
      int captionId, zoneId, groupId;
    };
    const PairRow pairs[] = {
        {"Home", IDC_G2_CAP_HOME, IDC_G2_HOME_ZONE, IDC_G2_HOME_GROUP},
        {"Short cut #1", IDC_G2_CAP_SC1, IDC_G2_SC1_ZONE, IDC_G2_SC1_GROUP},
        {"Short cut #2", IDC_G2_CAP_SC2, IDC_G2_SC2_ZONE, IDC_G2_SC2_GROUP},
        {"Short cut #3", IDC_G2_CAP_SC3, IDC_G2_SC3_ZONE, IDC_G2_SC3_GROUP},
        {"Short cut #4", IDC_G2_CAP_SC4, IDC_G2_SC4_ZONE, IDC_G2_SC4_GROUP},
        {"Data", IDC_G2_CAP_DATA, IDC_G2_DATA_ZONE, IDC_G2_DATA_GROUP},
    };
    y = 194;
    for (const PairRow& p : pairs) {
      items.push_back(Bold(LText(p.caption, p.captionId, 194, y + 2, 60, 8)));
      items.push_back(ComboBox(p.zoneId, 258, y, 50, 100, kList));
      items.push_back(ComboBox(p.groupId, 312, y, 50, 100, kList | WS_DISABLED));
      y += kPitch;
    }

    // Lists the radio no longer offers: in the template, never shown.
    Row(items, "Receiver Flash", IDC_STATIC, IDC_G2_RECEIVER_FLASH, 10, 290, 58, 60, 0, WS_VISIBLE);
    Row(items, "Microphone", IDC_STATIC, IDC_G2_MICROPHONE, 10, 290, 58, 60, 0, WS_VISIBLE);
    Row(items, "Signaling decoding", IDC_STATIC, IDC_G2_SIGNAL_DECODE, 10, 290, 58, 60, 0, WS_VISIBLE);
    Row(items, "SQL Tail Elimination", IDC_STATIC, IDC_G2_SQL_TAIL, 10, 290, 58, 60, 0, WS_VISIBLE);
    Row(items, "Key Holding Time", IDC_G2_CAP_KEY_HOLD, IDC_G2_KEY_HOLD, 10, 290, 58, 60, 0, WS_VISIBLE);
    Row(items, "Test Mode", IDC_G2_CAP_TEST_MODE, IDC_G2_TEST_MODE, 10, 290, 58, 60, 0, WS_VISIBLE);
    return d;
  }();
  return t;
}

void RegisterGlobal2PageTemplate() {
  RegisterTemplatesOnce<&Global2PageTemplate>();
}
