#include "res/page_passport_features.h"

#include <vector>

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;
using namespace passport_ids;

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr int kLeft = 4;     // the left column's group boxes
constexpr int kRight = 188;  // the right column's
constexpr int kBoxWidth = 180;

void Check(std::vector<DlgItemTemplate>& items, const char* caption, int id, int x, int y, int width = 160) {
  items.push_back(dlg::AutoCheckBox(caption, id, x, y, width, 10));
}

// A label and its drop-down list on one line.
void Labelled(std::vector<DlgItemTemplate>& items, const char* caption, int labelId, int listId, int x, int y,
              int listX) {
  items.push_back(dlg::LText(caption, labelId, x, y + 2, listX - x - 2, 8));
  items.push_back(dlg::ComboBox(listId, listX, y, 64, 120, kList));
}

void Timer(std::vector<DlgItemTemplate>& items, const char* caption, int id, int y) {
  items.push_back(dlg::LText(caption, IDC_STATIC, kLeft + 8, y + 2, 104, 8));
  items.push_back(dlg::EditText(id, kLeft + 114, y, 50, 12, ES_AUTOHSCROLL));
}

// A control the page keeps and never shows.
DlgItemTemplate Hidden(DlgItemTemplate item) {
  item.style &= ~(WS_VISIBLE | WS_TABSTOP);
  return item;
}

}  // namespace

const DialogTemplate& PassPortFeaturePageTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    DialogTemplate d = PageTemplate(IDD_PASSPORT_FEATURES);
    auto& items = d.items;
    items.push_back(LText("Zone # ", IDC_STATIC, kLeft, 4, 26, 9));
    items.push_back(LText("", kZoneNumber, kLeft + 26, 4, 14, 9));
    items.push_back(LText("", kZoneAlias, kLeft + 42, 4, 60, 9));

    const int x = kLeft + 8;
    items.push_back(Bold(GroupBox("System Features", IDC_STATIC, kLeft, 16, kBoxWidth, 150)));
    Check(items, "Disable Roam", kDisableRoam, x, 28);
    Check(items, "Enable ATB Ring back", kAtbRingBack, x, 41);
    Check(items, "Enable PP Group Scan", kPpGroupScan, x, 54);
    Check(items, "Interconnect Companding", kInterconnectCompanding, x, 67);
    Check(items, "Disable Priority of Primary ID", kDisablePrimaryPriority, x, 80);
    Check(items, "Home lookback", kHomeLookback, x, 96);
    Labelled(items, "Lookback time", kLookbackTimeLabel, kLookbackTime, x + 12, 110, kLeft + 108);
    Check(items, "RSSI for home lookback", kLookbackRssiOn, x + 12, 127, 92);
    items.push_back(ComboBox(kLookbackRssi, kLeft + 108, 126, 64, 120, kList));

    const int rx = kRight + 8;
    items.push_back(Bold(GroupBox("RSSI features", IDC_STATIC, kRight, 16, kBoxWidth, 150)));
    Check(items, "RSSI threshold", kRssiThreshold, rx, 28);
    Check(items, "RSSI disable during receive", kRssiDuringReceive, rx + 12, 41);
    Check(items, "RSSI disable in Threshold area", kRssiThresholdArea, rx + 12, 54);
    Check(items, "RSSI auto enable in Threshold area", kRssiAutoEnable, rx + 12, 67);
    Labelled(items, "Duration time", kDurationLabel, kDuration, rx + 12, 86, kRight + 108);
    Labelled(items, "RSSI for Registered on", kRegisteredLabel, kRegisteredRssi, rx + 12, 103, kRight + 108);
    Labelled(items, "RSSI for decoding OSM", kOsmLabel, kOsmRssi, rx + 12, 120, kRight + 108);

    items.push_back(Bold(GroupBox("Roaming Timers", IDC_STATIC, kLeft, 170, kBoxWidth, 76)));
    Timer(items, "Roam Start Delay", kRoamStartDelay, 184);
    Timer(items, "Roam Site Search Speed", kRoamSearchSpeed, 198);
    Timer(items, "Registration Resume Time", kRegResumeTime, 212);
    Timer(items, "Roam Power up Delay", kRoamPowerUpDelay, 226);

    items.push_back(Bold(GroupBox("Option", IDC_STATIC, kRight, 170, kBoxWidth, 76)));
    Check(items, "Inverted Rx Data", kRxDataInverted, rx, 184);
    Check(items, "Inverted Tx Data", kTxDataInverted, rx, 198);
    Check(items, "Enable UHF Band 5b", kBand5b, rx, 212);
    Check(items, "Enable Prefer Last Registered channel", kPreferLastChannel, rx, 226);

    items.push_back(PushButton("Close", kClose, kRight + kBoxWidth - 50, 254, 50, 14));

    items.push_back(Hidden(AutoCheckBox("Fixed DCC", kFixedDcc, x, 140, 100, 10)));
    items.push_back(Hidden(AutoCheckBox("Assume single site per frequency", kSingleSite, x, 140, 100, 10)));
    items.push_back(Hidden(AutoCheckBox("Strongest site search", kStrongestSite, x, 140, 100, 10)));
    for (int id : {kLookbackRssiRef, kRegisteredRssiRef, kOsmRssiRef}) {
      items.push_back(Hidden(EditText(id, kRight + 8, 140, 30, 12, ES_READONLY)));
    }
    return d;
  }();
  return t;
}

void RegisterPassPortFeaturePageTemplate() { RegisterTemplatesOnce<&PassPortFeaturePageTemplate>(); }
