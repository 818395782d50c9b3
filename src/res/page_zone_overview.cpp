#include "res/page_zone_overview.h"

#include <vector>

#include "res/page_zone_grid.h"
#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;
using namespace zone_ids;

namespace {

// Row labels stop at the Default column, or run over it on rows without a Default cell.
constexpr int kLabelX = 2;
constexpr int kShortLabel = 85;
constexpr int kLongLabel = 125;
constexpr int kPitch = 13;
constexpr int kCellHeight = 11;

grid_res::Columns ZoneColumns() {
  grid_res::Columns c;
  c.defaultX = 88;
  c.width = 38;
  c.height = kCellHeight;
  for (int k = 0; k < 5; ++k) c.x.push_back(128 + 48 * k);
  return c;
}

void Label(std::vector<DlgItemTemplate>& items, const char* text, int id, int y, bool overDefault) {
  items.push_back(dlg::LText(text, id, kLabelX, y + 1, overDefault ? kLongLabel : kShortLabel, kCellHeight - 1,
                             SS_LEFTNOWORDWRAP | SS_CENTERIMAGE));
}

}  // namespace

const DialogTemplate& ZoneOverviewPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace grid_res;
    DialogTemplate d = PageTemplate(IDD_ZONE_OVERVIEW);
    auto& items = d.items;
    const Columns columns = ZoneColumns();
    // The zone cells are wider than the Default cells: "Conventional" has to fit.
  grid_res::Columns zoneCells = columns;
  zoneCells.width = 47;
  auto row = [&](int y, Kind kind, int defaultId, const int (&ids)[5]) {
    AddRow(items, columns, y, kind, defaultId, {});
    AddRow(items, zoneCells, y, kind, 0, ids);
  };

    // Captions and the arrows that move the five zone columns.
    items.push_back(Caption("Default", kDefaultCaption, columns.defaultX, 16, columns.width, kCellHeight));
    for (int k = 0; k < 5; ++k) items.push_back(Caption("", kCaptions[k], columns.x[std::size_t(k)], 16, 47, kCellHeight));

    int y = 30;
    row(y, Kind::List, 0, kOnOff);
    y += kPitch;
    Label(items, "Number of Groups", kLabelGroupCount, y, true);
    row(y, Kind::Edit, 0, kGroupCounts);
    y += kPitch;
    Label(items, "Zone Format", kLabelFormat, y, true);
    row(y, Kind::List, 0, kFormat);
    y += kPitch;
    Label(items, "Alias", kLabelAlias, y, true);
    row(y, Kind::Edit, 0, kAlias);
    y += kPitch;
    Label(items, "Talk Permit Tone", kLabelTalkPermit, y, false);
    row(y, Kind::List, kTalkPermitDefault, kTalkPermit);
    y += kPitch;
    Label(items, "TX Timeout Timer", kLabelTimeout, y, false);
    row(y, Kind::List, kTimeoutDefault, kTimeout);
    y += kPitch;
    Label(items, "TX Power", kLabelPower, y, false);
    row(y, Kind::List, kPowerDefault, kPower);
    y += kPitch;
    Label(items, "Revert Group", kLabelRevert, y, false);
    row(y, Kind::List, kRevertDefault, kRevert);
    y += kPitch;
    items.push_back(dlg::PushButton("Interconnect Setting", kInterconnect, kLabelX, y, 96, 12));
    items.push_back(dlg::PushButton("LTR Advanced features", kLtrAdvanced, columns.x[0], y, 88, 12));
    y += kPitch + 1;
    items.push_back(dlg::LText("PassPort Information", kHeading, kLabelX, y, 200, 10));
    y += kPitch - 1;
    Label(items, "Fixed DCC", kLabelFixedDcc, y, true);
    row(y, Kind::List, 0, kFixedDcc);
    y += kPitch;
    Label(items, "Digital Color Code", kLabelDcc, y, true);
    row(y, Kind::List, 0, kDcc);
    y += kPitch;
    Label(items, "Home System ID", kLabelHomeSystemId, y, true);
    row(y, Kind::Edit, 0, kHomeSystemId);
    y += kPitch;
    Label(items, "Affiliated System ID ", kLabelAffiliated, y, false);
    items.push_back(ListCell(kLtrTalkPermitDefault, columns.defaultX, y, columns.width, kCellHeight));
    row(y, Kind::Edit, 0, kAffiliatedId);
    y += kPitch;
    Label(items, "Mobile Identity Number", kLabelMobileId, y, true);
    row(y, Kind::Edit, 0, kMobileId);
    y += kPitch;
    Label(items, "Home Channel Frequency", kLabelHomeFreq, y, true);
    row(y, Kind::Edit, 0, kHomeFreq);
    y += kPitch;
    Label(items, "Back up Home Channel Frequency", kLabelBackupFreq, y, true);
    row(y, Kind::Edit, 0, kBackupFreq);
    y += kPitch;
    Label(items, "Wide Band / Narrow Band", kLabelBandwidth, y, true);
    row(y, Kind::List, 0, kBandwidth);
    y += kPitch + 1;
    for (int k = 0; k < 5; ++k) items.push_back(dlg::PushButton("Features", kFeatures[k], columns.x[std::size_t(k)], y, 47, 12));
    y += kPitch + 1;
    for (int k = 0; k < 5; ++k) {
      items.push_back(dlg::PushButton("Groups", kGroups[k], columns.x[std::size_t(k)], y, 47, 20));
    }
    // The arrows come after the cells in the tab order.
    items.push_back(dlg::PushButton("<", kPrev, columns.x[0], 2, 20, 12));
    items.push_back(dlg::PushButton(">", kNext, columns.x[4] + 47 - 20, 2, 20, 12));
    items.push_back(PopupList(kPopupList));
    return d;
  }();
  return t;
}

void RegisterZoneOverviewPageTemplate() { RegisterTemplatesOnce<&ZoneOverviewPageTemplate>(); }
