#include "res/page_group_grid.h"

#include "res/template_common.h"

using namespace group_ids;

namespace group_res {

DialogTemplate GroupPageTemplate(UINT id) {
  DialogTemplate d = res_detail::PageTemplate(id);
  auto& items = d.items;
  // Header: "Zone # " n, "Alias" text, "Zone format" text.
  items.push_back(dlg::LText("Zone # ", IDC_STATIC, kLabelX, 3, 28, 9));
  items.push_back(dlg::LText("", kZoneNumber, 32, 3, 16, 9));
  items.push_back(dlg::LText("Alias", IDC_STATIC, 52, 3, 22, 9));
  items.push_back(dlg::LText("", kZoneAlias, 76, 3, 44, 9));
  items.push_back(dlg::LText("Zone format", IDC_STATIC, 126, 3, 44, 9));
  items.push_back(dlg::LText("", kZoneFormat, 172, 3, 60, 9));
  // Captions.
  items.push_back(dlg::Bold(dlg::LText("Group #", IDC_STATIC, kLabelX, 31, kDefaultX - kLabelX - 3, 9)));
  items.push_back(grid_res::Caption("Default", kDefaultCaption, kDefaultX, 30, kCellWidth, kCellHeight));
  for (int k = 1; k <= 6; ++k) {
    items.push_back(grid_res::Caption("", kCaptions[k - 1], GroupX(k), 30, kCellWidth, kCellHeight));
  }
  return d;
}

void AddArrowsAndClose(std::vector<DlgItemTemplate>& items) {
  const int right = GroupX(6) + kCellWidth;
  items.push_back(dlg::PushButton("<", kPrev, kDefaultX, 16, 20, 12));
  items.push_back(dlg::PushButton("Close", kClose, (kDefaultX + right) / 2 - 20, 16, 40, 12));
  items.push_back(dlg::PushButton(">", kNext, right - 20, 16, 20, 12));
}

void OrderGroupCells(std::vector<DlgItemTemplate>& items) {
  std::vector<grid_res::Area> columns{{kDefaultX, kFirstRowY, kCellWidth}};
  for (int k = 1; k <= 6; ++k) columns.push_back({GroupX(k), kFirstRowY, kCellWidth});
  grid_res::OrderByColumns(items, columns);
}

void AddGroupRow(std::vector<DlgItemTemplate>& items, const GroupRow& row, int y) {
  const std::size_t first = items.size();
  if (row.label) {
    const int width = (row.defaultId ? kDefaultX : kGroupX) - kLabelX - 3;
    items.push_back(dlg::Bold(
        dlg::LText(row.label, IDC_STATIC, kLabelX, y + 1, width, kCellHeight - 1, SS_LEFTNOWORDWRAP | SS_CENTERIMAGE)));
  }
  grid_res::Columns defaults{kDefaultX, {}, kCellWidth, kCellHeight};
  grid_res::Columns groups{-1, {}, kCellWidth, kCellHeight};
  for (int k = 1; k <= 6; ++k) groups.x.push_back(GroupX(k));
  grid_res::AddRow(items, defaults, y, row.kind, row.defaultId, {});
  grid_res::AddRow(items, groups, y, row.kind, 0, row.ids);
  if (row.hidden) {
    for (std::size_t i = first; i < items.size(); ++i) items[i].style &= ~DWORD(WS_VISIBLE);
  }
}

DlgItemTemplate WideButton(std::string text, int id, int y) {
  return dlg::PushButton(std::move(text), id, GroupX(1), y, GroupX(6) + kCellWidth - GroupX(1), 12);
}

}  // namespace group_res
