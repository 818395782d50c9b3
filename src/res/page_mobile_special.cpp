#include "res/page_mobile_special.h"

#include <string>

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr int kPitch = 13;

}  // namespace

const DialogTemplate& MobileSpecialPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    DialogTemplate d = PageTemplate(IDD_MOBILE_SPECIAL);
    auto& items = d.items;

    // Left column: the miscellaneous settings, then the accessory ports.
    items.push_back(Bold(GroupBox("Miscellaneous", IDC_MS_GRP_MISC, 4, 2, 200, 80)));
    const char* captions[] = {"Ext. Mic Sense", "Horn Alert Time", "Ignition Sense", "External PTT"};
    const int lists[] = {IDC_MS_EXT_MIC_SENSE, IDC_MS_HORN_ALERT_TIME, IDC_MS_IGNITION_SENSE, IDC_MS_EXTERNAL_PTT};
    int y = 13;
    for (int i = 0; i < 4; ++i, y += kPitch) {
      items.push_back(LText(captions[i], IDC_STATIC, 12, y + 2, 80, 8));
      items.push_back(ComboBox(lists[i], 100, y, 96, 100, kList));
    }
    items.push_back(LText("AF Min VR\u3000level", IDC_STATIC, 12, y + 2, 80, 8));
    items.push_back(EditText(IDC_MS_AF_MIN_VR, 100, y, 30, 12, ES_AUTOHSCROLL));

    items.push_back(Bold(GroupBox("DSUB-15 Port", IDC_MS_GRP_PORT, 4, 86, 200, 106)));
    items.push_back(LText("Input", 1633, 54, 97, 70, 8));
    items.push_back(LText("Output", 1634, 128, 97, 70, 8));
    y = 108;
    for (int port = 0; port < 6; ++port, y += kPitch) {
      items.push_back(LText("ACC Port" + std::to_string(port + 1), IDC_STATIC, 12, y + 2, 40, 8));
      if (kMsPortInputs[port]) items.push_back(ComboBox(kMsPortInputs[port], 54, y, 70, 140, kList));
      if (kMsPortOutputs[port]) items.push_back(ComboBox(kMsPortOutputs[port], 128, y, 70, 140, kList));
    }

    // Right column: the group switch table, positions #0..#7 and #8..#15 side by side.
    items.push_back(Bold(GroupBox("DSUB-15 Group Switch Table", IDC_MS_GRP_SWITCH, 208, 2, 160, 140)));
    items.push_back(LText("Zone", 1640, 216, 15, 24, 8));
    items.push_back(ComboBox(IDC_MS_SWITCH_ZONE, 244, 13, 60, 140, kList));
    items.push_back(LText("Group", 1642, 216, 31, 40, 8));
    for (int n = 0; n < 16; ++n) {
      const int x = n < 8 ? 216 : 292;
      const int row = 42 + (n % 8) * kPitch;
      items.push_back(LText("# " + std::to_string(n), IDC_STATIC, x, row + 2, 18, 8));
      items.push_back(ComboBox(kMsSwitchGroups[n], x + 20, row, 50, 140, kList));
    }
    return d;
  }();
  return t;
}

void RegisterMobileSpecialPageTemplate() { RegisterTemplatesOnce<&MobileSpecialPageTemplate>(); }
