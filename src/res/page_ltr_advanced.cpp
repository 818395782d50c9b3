#include "res/page_ltr_advanced.h"

#include "res/page_ltr_columns.h"
#include "res/template_common.h"

using namespace res_detail;
using namespace ltr_advanced_ids;
using ltr_res::CellRow;
using grid_res::Kind;

namespace {

const CellRow kTimeRows[] = {
    {"LTR Data Rise Time ", kLabelRiseTime, Kind::List, kRiseTimeDefault, kRiseTime},
    {"Pre fix code", kLabelPrefix, Kind::List, kPrefixDefault, kPrefix},
    {"Channel Hang Time", 1427, Kind::List, kHangDefault, kHang},
    {"Channel Fade Time", 1428, Kind::List, kFadeDefault, kFade},
};
const CellRow kDecodeResumeRow[] = {{"  Decode Resume Time", 1430, Kind::List, kDecodeResumeDefault, kDecodeResume}};
const CellRow kTxInhibitResumeRow[] = {
    {"  Tx Inhibit Resume Time", 1432, Kind::List, kTxInhibitResumeDefault, kTxInhibitResume}};

}  // namespace

const DialogTemplate& LtrAdvancedPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace ltr_res;
    DialogTemplate d = PageTemplate(IDD_LTR_ADVANCED);
    auto& items = d.items;
    items.push_back(dlg::Bold(dlg::LText("LTR advanced Features", 1434, kLabelX, 4, 90, 10)));
    AddCaptions(items, kDefaultCaption, kCaptions, 16);
    int y = 30;
    AddRows(items, kTimeRows, y);
    y += 2;
    items.push_back(dlg::Bold(dlg::LText("Block ID's setting", 1433, kLabelX, y, 120, 10)));
    y += kPitch;
    AddEditPairRow(items, "Rx ID's         Start/Stop", 1429, kRxIdDefaults, kRxIdStart, kRxIdStop, y);
    AddRows(items, kDecodeResumeRow, y);
    AddEditPairRow(items, "Tx Inhibit ID's Start/Stop", 1431, kTxInhibitIdDefaults, kTxInhibitIdStart,
                   kTxInhibitIdStop, y);
    AddRows(items, kTxInhibitResumeRow, y);
    y += 6;
    items.push_back(dlg::PushButton("Interconnect Setting", kInterconnect, kLabelX, y, 96, 14));
    items.push_back(dlg::PushButton("Close", kClose, ZoneX(4), y, kZoneWidth, 14));
    OrderZoneCells(items);
    AddArrowsAndPopup(items, kPrev, kNext, kPopupList);
    return d;
  }();
  return t;
}

void RegisterLtrAdvancedPageTemplate() { RegisterTemplatesOnce<&LtrAdvancedPageTemplate>(); }
