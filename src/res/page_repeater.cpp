#include "res/page_repeater.h"

#include <vector>

#include "res/page_zone_grid.h"
#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;
using namespace repeater_ids;

namespace {

constexpr int kCellX = 62;  // column 1 of a block; the columns are kPitchX apart
constexpr int kPitchX = 38;
constexpr int kWidth = 37;
constexpr int kHeight = 12;
constexpr int kBlockY[2] = {28, 150};

// The rows of a block, top to bottom: label and cells.
struct BlockRow {
  const char* label;
  int labelIds[2];  // upper and lower block
  const int* cells; // null: the caption row
  grid_res::Kind kind;
};
const BlockRow kRows[] = {
    {"Repeater #", {1424, 1435}, nullptr, grid_res::Kind::Static},
    {"Channel #", {1426, 1436}, kChannel, grid_res::Kind::List},
    {"Tx Freq", {1427, 1437}, kTxFreq, grid_res::Kind::Static},
    {"Rx Freq", {1428, 1439}, kRxFreq, grid_res::Kind::Static},
    {"Ch. Space", {1429, 1440}, kSpace, grid_res::Kind::Static},
    {"Rx Data Phase", {1433, 1471}, kRxPhase, grid_res::Kind::List},
    {"Tx Data Phase", {1438, 1472}, kTxPhase, grid_res::Kind::List},
    {"Dispatch", {1431, 1468}, kDispatch, grid_res::Kind::List},
    {"Interconnect", {1432, 1469}, kInterconnect, grid_res::Kind::List},
};

}  // namespace

const DialogTemplate& RepeaterPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace grid_res;
    DialogTemplate d = PageTemplate(IDD_REPEATERS);
    auto& items = d.items;
    items.push_back(dlg::LText("Zone # ", IDC_STATIC, 2, 6, 36, 8));
    items.push_back(dlg::CText("", kZoneNumber, 40, 2, 40, kHeight, WS_BORDER | SS_CENTERIMAGE));
    items.push_back(dlg::LText("Alias", IDC_STATIC, 2, 16, 36, 8));
    items.push_back(dlg::LText("", kAlias, 40, 14, 40, kHeight, WS_BORDER | SS_CENTERIMAGE));
    // Column by column, each top to bottom: the tab order.
    for (int c = 0; c < kColumns; ++c) {
      const int x = kCellX + kPitchX * (c % 8);
      int y = kBlockY[c / 8];
      for (const BlockRow& r : kRows) {
        if (!r.cells) {
          items.push_back(Caption("", kCaptions[c], x, y, kWidth, kHeight));
        } else if (r.kind == Kind::List) {
          items.push_back(ListCell(r.cells[c], x, y, kWidth, kHeight));
        } else {
          items.push_back(StaticCell(r.cells[c], x, y, kWidth, kHeight));
        }
        y += kHeight;
      }
    }
    for (int block = 0; block < 2; ++block) {
      int y = kBlockY[block];
      for (const BlockRow& r : kRows) {
        items.push_back(dlg::Bold(dlg::LText(r.label, r.labelIds[block], 2, y + 2, kCellX - 4, 9)));
        y += kHeight;
      }
    }
    items.push_back(dlg::PushButton("<", kPrev, 92, 4, 24, 16));
    items.push_back(dlg::PushButton(">", kNext, kCellX + kPitchX * 7 + kWidth - 24, 4, 24, 16));
    items.push_back(dlg::PushButton("Close", kClose, 180, 4, 45, 15));
    items.push_back(PopupList(kChannelList));
    items.push_back(PopupList(kPopupList));
    return d;
  }();
  return t;
}

void RegisterRepeaterPageTemplate() { RegisterTemplatesOnce<&RepeaterPageTemplate>(); }
