#include "res/page_zone_overview.h"

#include <span>
#include <vector>

#include "res/page_zone_grid.h"
#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;
using namespace zone_ids;

namespace {

constexpr int kLabelX = 2;
constexpr int kPitch = 13;
constexpr int kCellHeight = 11;
constexpr int kDefaultX = 88;
constexpr int kDefaultWidth = 38;
constexpr int kZoneX = 128;    // column 1; the columns are kZonePitch apart
constexpr int kZonePitch = 48;
constexpr int kZoneWidth = 47;  // wider than the Default cells: "Conventional" has to fit

using grid_res::Kind;

// One row of cells: its label (none for the on/off row), stopping at the Default
// column or running over it on rows without a Default cell, and its cells; a
// row of the identity edits holds the list cells of an LTR setting in the same
// places, which the page shows in their stead with the LTR captions.
struct CellRow {
  const char* label;
  int labelId;
  Kind kind;
  int defaultId;
  const int (&ids)[5];
  int ltrDefaultId = 0;
  const int* ltrIds = nullptr;
};

// Above the buttons that lead to the zone's interconnect and LTR settings.
const CellRow kUpperRows[] = {
    {nullptr, 0, Kind::List, 0, kOnOff},
    {"Number of Groups", kLabelGroupCount, Kind::Edit, 0, kGroupCounts},
    {"Zone Format", kLabelFormat, Kind::List, 0, kFormat},
    {"Alias", kLabelAlias, Kind::Edit, 0, kAlias},
    {"Talk Permit Tone", kLabelTalkPermit, Kind::List, kTalkPermitDefault, kTalkPermit},
    {"TX Timeout Timer", kLabelTimeout, Kind::List, kTimeoutDefault, kTimeout},
    {"TX Power", kLabelPower, Kind::List, kPowerDefault, kPower},
    {"Revert Group", kLabelRevert, Kind::List, kRevertDefault, kRevert},
};
// Below the heading; the Default cell of the Affiliated System ID row is the
// LTR Talk Permit Tone's, shown with both captions.
const CellRow kLowerRows[] = {
    {"Fixed DCC", kLabelFixedDcc, Kind::List, 0, kFixedDcc},
    {"Digital Color Code", kLabelDcc, Kind::List, 0, kDcc},
    {"Home System ID", kLabelHomeSystemId, Kind::Edit, 0, kHomeSystemId, kHomeRepeaterDefault, kHomeRepeater},
    {"Affiliated System ID ", kLabelAffiliated, Kind::Edit, 0, kAffiliatedId, kLtrTalkPermitDefault, kLtrTalkPermit},
    {"Mobile Identity Number", kLabelMobileId, Kind::Edit, 0, kMobileId, kGroupDecodeDefault, kGroupDecode},
    {"Home Channel Frequency", kLabelHomeFreq, Kind::Edit, 0, kHomeFreq},
    {"Back up Home Channel Frequency", kLabelBackupFreq, Kind::Edit, 0, kBackupFreq},
    {"Wide Band / Narrow Band", kLabelBandwidth, Kind::List, 0, kBandwidth},
};

int ZoneX(int k) { return kZoneX + kZonePitch * k; }

void AddRows(std::vector<DlgItemTemplate>& items, std::span<const CellRow> rows, int& y) {
  grid_res::Columns defaults{kDefaultX, {}, kDefaultWidth, kCellHeight};
  grid_res::Columns zones{-1, {}, kZoneWidth, kCellHeight};
  for (int k = 0; k < 5; ++k) zones.x.push_back(ZoneX(k));
  for (const CellRow& r : rows) {
    if (r.label) {
      const int width = (r.defaultId || r.ltrDefaultId ? kDefaultX : kZoneX) - kLabelX - 3;
      items.push_back(dlg::LText(r.label, r.labelId, kLabelX, y + 1, width, kCellHeight - 1,
                                 SS_LEFTNOWORDWRAP | SS_CENTERIMAGE));
    }
    // The Default cell of the row, then its zone cells.
    grid_res::AddRow(items, defaults, y, r.kind, r.defaultId, {});
    grid_res::AddRow(items, zones, y, r.kind, 0, r.ids);
    if (r.ltrIds) {
      grid_res::AddRow(items, defaults, y, Kind::List, r.ltrDefaultId, {});
      grid_res::AddRow(items, zones, y, Kind::List, 0, std::span<const int>(r.ltrIds, 5));
    }
    y += kPitch;
  }
}

}  // namespace

const DialogTemplate& ZoneOverviewPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace grid_res;
    DialogTemplate d = PageTemplate(IDD_ZONE_OVERVIEW);
    auto& items = d.items;
    items.push_back(Caption("Default", kDefaultCaption, kDefaultX, 16, kDefaultWidth, kCellHeight));
    for (int k = 0; k < 5; ++k) items.push_back(Caption("", kCaptions[k], ZoneX(k), 16, kZoneWidth, kCellHeight));
    int y = 30;
    AddRows(items, kUpperRows, y);
    items.push_back(dlg::PushButton("Interconnect Setting", kInterconnect, kLabelX, y, 96, 12));
    items.push_back(dlg::PushButton("LTR Advanced features", kLtrAdvanced, ZoneX(0), y, 88, 12));
    y += kPitch + 1;
    items.push_back(dlg::LText("PassPort Information", kHeading, kLabelX, y, 200, 10));
    y += kPitch - 1;
    AddRows(items, kLowerRows, y);
    y += 1;
    for (int k = 0; k < 5; ++k) items.push_back(dlg::PushButton("Features", kFeatures[k], ZoneX(k), y, kZoneWidth, 12));
    y += kPitch + 1;
    // Two lines: "Group" over "IDs" for a PassPort zone.
    for (int k = 0; k < 5; ++k) items.push_back(dlg::PushButton("Groups", kGroups[k], ZoneX(k), y, kZoneWidth, 20));
    // One zone at a time: the Default column, then the zone columns.
    std::vector<Area> columns{{kDefaultX, 0, kDefaultWidth}};
    for (int k = 0; k < 5; ++k) columns.push_back({ZoneX(k), 0, kZoneWidth});
    OrderByColumns(items, columns);
    // The arrows come after the cells in the tab order.
    items.push_back(dlg::PushButton("<", kPrev, ZoneX(0), 2, 20, 12));
    items.push_back(dlg::PushButton(">", kNext, ZoneX(4) + kZoneWidth - 20, 2, 20, 12));
    items.push_back(PopupList(kPopupList));
    return d;
  }();
  return t;
}

void RegisterZoneOverviewPageTemplate() { RegisterTemplatesOnce<&ZoneOverviewPageTemplate>(); }
