#include "res/page_interconnect.h"

#include "res/page_ltr_columns.h"
#include "res/template_common.h"

using namespace res_detail;
using namespace interconnect_ids;
using ltr_res::CellRow;
using grid_res::Kind;

namespace {

// A zone column shows either the Connect Dial (Conventional) or the LTR ID (LTR).
const CellRow kRows[] = {
    {"TX Timeout Timer", 1426, Kind::List, kTimeoutDefault, kTimeout},
    {"Phone Interconnect ", 1427, Kind::List, kPhoneDefault, kPhone},
    {"Connect Dial", 1429, Kind::Edit, 0, kConnectDial},
    {"Interconnect LTR ID", kLabelLtrId, Kind::Edit, 0, kLtrId},
    {"Disconnect Dial", 1430, Kind::Edit, kDisconnectDefault, kDisconnect},
    {"Interconnect Only Rx", 1431, Kind::List, kOnlyRxDefault, kOnlyRx},
    {"Auto Interconnect", 1432, Kind::List, kAutoDefault, kAuto},
};

}  // namespace

const DialogTemplate& InterconnectPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace ltr_res;
    DialogTemplate d = PageTemplate(IDD_INTERCONNECT);
    auto& items = d.items;
    items.push_back(dlg::Bold(dlg::LText("Interconnect setting", 1434, kLabelX, 4, 90, 10)));
    AddCaptions(items, kDefaultCaption, kCaptions, 16);
    int y = 30;
    AddRows(items, kRows, y);
    y += 6;
    items.push_back(dlg::PushButton("Close", kClose, ZoneX(4), y, kZoneWidth, 14));
    OrderZoneCells(items);
    AddArrowsAndPopup(items, kPrev, kNext, kPopupList);
    return d;
  }();
  return t;
}

void RegisterInterconnectPageTemplate() { RegisterTemplatesOnce<&InterconnectPageTemplate>(); }
