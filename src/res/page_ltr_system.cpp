#include "res/page_ltr_system.h"

#include "res/page_ltr_columns.h"
#include "res/template_common.h"

using namespace res_detail;
using namespace ltr_system_ids;
using ltr_res::CellRow;
using grid_res::Kind;

namespace {

// Above the "Interconnect Setting" button.
const CellRow kUpperRows[] = {
    {nullptr, 0, Kind::List, 0, kOnOff},
    {"Number of Groups", 1424, Kind::Edit, 0, kGroupCounts},
    {"Zone format", 1426, Kind::Static, 0, kFormat},  // shown, never edited here
    {"Alias", 1427, Kind::Edit, 0, kAlias},
    {"TX Timeout Timer", 1429, Kind::List, kTimeoutDefault, kTimeout},
    {"Primary TX Power", 1430, Kind::List, kPowerDefault, kPower},
    {"Revert Group", 1431, Kind::List, kRevertDefault, kRevert},
    {"Zone Scan", 1439, Kind::List, 0, kZoneScanCells},
};
// Below the "LTR Information" heading.
const CellRow kLtrRows[] = {
    {"AREA Code", 1433, Kind::List, 0, kAreaCode},
    {"Home Channel Number", 1438, Kind::List, 0, kHomeRepeater},
    {"Talk Permit Tone", 1432, Kind::List, 0, kTalkPermit},
    {"Multiple Group Decode", 1436, Kind::List, 0, kGroupDecode},
    {"Scan words", 1437, Kind::List, 0, kScanWords},
};

}  // namespace

const DialogTemplate& LtrSystemPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace ltr_res;
    DialogTemplate d = PageTemplate(IDD_LTR_SYSTEM);
    auto& items = d.items;
    AddCaptions(items, kDefaultCaption, kCaptions, 16);
    int y = 30;
    AddRows(items, kUpperRows, y);
    items.push_back(dlg::PushButton("Interconnect Setting", kInterconnect, kLabelX, y, 96, 12));
    y += kPitch + 1;
    items.push_back(dlg::Bold(dlg::LText("LTR Information", kHeading, kLabelX, y, 200, 10)));
    y += kPitch - 1;
    AddRows(items, kLtrRows, y);
    items.push_back(dlg::PushButton("LTR Advanced features", kLtrAdvanced, kLabelX, y, 96, 12));
    y += kPitch + 3;
    for (int k = 0; k < 5; ++k) items.push_back(dlg::PushButton("Repeaters", kRepeaters[k], ZoneX(k), y, kZoneWidth, 12));
    y += kPitch + 1;
    for (int k = 0; k < 5; ++k) items.push_back(dlg::PushButton("Groups", kGroups[k], ZoneX(k), y, kZoneWidth, 12));
    OrderZoneCells(items);
    AddArrowsAndPopup(items, kPrev, kNext, kPopupList);
    return d;
  }();
  return t;
}

void RegisterLtrSystemPageTemplate() { RegisterTemplatesOnce<&LtrSystemPageTemplate>(); }
