#include "res/page_channel_table.h"

#include "res/page_zone_grid.h"
#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace channel_ids;
using grid_res::Kind;

namespace {

constexpr int kLabelX = 2;
constexpr int kColumnX = 56;  // column 1 of each block
constexpr int kPitchX = 45;
constexpr int kCellWidth = 44;  // "%10.5f" has to fit
constexpr int kCellHeight = 11;
constexpr int kPitchY = 13;
constexpr int kBlock1Y = 34;  // the captions of each block
constexpr int kBlock2Y = 106;

int ColumnX(int k) { return kColumnX + kPitchX * (k % 7); }

// A block of seven columns from `first`: captions, the enable row and the
// labelled Rx, Tx and spacing rows.
void AddBlock(std::vector<DlgItemTemplate>& items, int first, int y) {
  for (int k = first; k < first + 7; ++k) {
    items.push_back(grid_res::Caption("", kCaptions[k], ColumnX(k), y, kCellWidth, kCellHeight));
  }
  struct Line {
    const char* label;
    Kind kind;
    const int (&ids)[kColumns];
  };
  const Line lines[] = {{nullptr, Kind::List, kEnable},
                        {"Mobile Rx", Kind::Edit, kRx},
                        {"Mobile Tx", Kind::Edit, kTx},
                        {"Ch. Space", Kind::List, kSpace}};
  grid_res::Columns columns{-1, {}, kCellWidth, kCellHeight};
  for (int k = 0; k < 7; ++k) columns.x.push_back(ColumnX(k));
  for (const Line& line : lines) {
    y += kPitchY;
    if (line.label) {
      items.push_back(dlg::Bold(dlg::LText(line.label, IDC_STATIC, kLabelX, y + 1, kColumnX - kLabelX - 3,
                                           kCellHeight - 1, SS_LEFTNOWORDWRAP | SS_CENTERIMAGE)));
    }
    grid_res::AddRow(items, columns, y, line.kind, 0, std::span<const int>(line.ids + first, 7));
  }
}

}  // namespace

const DialogTemplate& ChannelTablePageTemplate() {
  static const DialogTemplate t = [] {
    DialogTemplate d = res_detail::PageTemplate(IDD_CHANNEL_TABLE);
    auto& items = d.items;
    items.push_back(dlg::Bold(dlg::LText("Default Split", IDC_STATIC, kLabelX, 4, 54, 9)));
    items.push_back(dlg::EditText(kSplit, kColumnX, 2, 35, 12, ES_AUTOHSCROLL));
    items.push_back(dlg::LText("MHz", IDC_STATIC, kColumnX + 39, 4, 20, 9));
    AddBlock(items, 0, kBlock1Y);
    AddBlock(items, 7, kBlock2Y);
    // One channel at a time, columns 1 to 7 of the upper block, then 8 to 14.
    std::vector<grid_res::Area> columns;
    for (int k = 0; k < kColumns; ++k) {
      columns.push_back({ColumnX(k), k < 7 ? kBlock1Y : kBlock2Y, kCellWidth, 5 * kPitchY});
    }
    grid_res::OrderByColumns(items, columns);
    // The arrows after the cells in the tab order; "Close" is not shown.
    items.push_back(dlg::PushButton("<", kPrev, kColumnX, 18, 20, 12));
    items.push_back(dlg::PushButton(">", kNext, ColumnX(6) + kCellWidth - 20, 18, 20, 12));
    items.push_back(dlg::PushButton("Close", kClose, ColumnX(3) - 2, 18, 45, 12, 0, WS_VISIBLE));
    items.push_back(grid_res::PopupList(kEnableList));
    items.push_back(grid_res::PopupList(kSpaceList));
    return d;
  }();
  return t;
}

void RegisterChannelTablePageTemplate() { res_detail::RegisterTemplatesOnce<&ChannelTablePageTemplate>(); }
