#include "res/page_zone_grid.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <tuple>

namespace grid_res {

// Cells hold one line: no word wrap, which also keeps their texts cheap to set and paint.
DlgItemTemplate ListCell(int id, int x, int y, int cx, int cy) {
  return dlg::LText({}, id, x, y, cx, cy, SS_LEFTNOWORDWRAP | SS_NOTIFY | WS_TABSTOP | WS_BORDER | SS_CENTERIMAGE,
                    WS_GROUP);
}

DlgItemTemplate EditCell(int id, int x, int y, int cx, int cy) { return dlg::EditText(id, x, y, cx, cy, ES_AUTOHSCROLL); }

DlgItemTemplate StaticCell(int id, int x, int y, int cx, int cy) {
  return dlg::LText({}, id, x, y, cx, cy, SS_LEFTNOWORDWRAP | WS_BORDER | SS_CENTERIMAGE, WS_GROUP);
}

DlgItemTemplate Caption(std::string text, int id, int x, int y, int cx, int cy) {
  return dlg::CText(std::move(text), id, x, y, cx, cy, WS_BORDER | SS_CENTERIMAGE);
}

DlgItemTemplate PopupList(int id) { return dlg::ListBox(id, 0, 0, 10, 20, WS_VSCROLL | WS_TABSTOP, WS_VISIBLE); }

void AddRow(std::vector<DlgItemTemplate>& items, const Columns& columns, int y, Kind kind, int defaultId,
            std::span<const int> ids) {
  auto cell = [&](int id, int x) {
    switch (kind) {
      case Kind::List: items.push_back(ListCell(id, x, y, columns.width, columns.height)); break;
      case Kind::Edit: items.push_back(EditCell(id, x, y, columns.width, columns.height)); break;
      case Kind::Static: items.push_back(StaticCell(id, x, y, columns.width, columns.height)); break;
    }
  };
  if (defaultId != 0 && columns.defaultX >= 0) cell(defaultId, columns.defaultX);
  for (std::size_t c = 0; c < ids.size() && c < columns.x.size(); ++c) {
    if (ids[c] != 0) cell(ids[c], columns.x[c]);
  }
}

void OrderByColumns(std::vector<DlgItemTemplate>& items, std::span<const Area> columns) {
  auto columnOf = [&](const DlgItemTemplate& item) {
    const DWORD type = item.style & BS_TYPEMASK;
    const bool push = item.kind == CtlKind::Button && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
    if (!(item.style & WS_TABSTOP) || push || item.kind == CtlKind::ListBox) return -1;
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const Area& a = columns[c];
      if (item.x >= a.x && item.x + item.cx <= a.x + a.cx && item.y >= a.y && item.y + item.cy <= a.y + a.cy) {
        return static_cast<int>(c);
      }
    }
    return -1;
  };
  std::vector<std::pair<int, DlgItemTemplate>> cells;
  std::vector<DlgItemTemplate> others;
  std::size_t at = 0;
  for (DlgItemTemplate& item : items) {
    const int column = columnOf(item);
    if (column < 0) {
      others.push_back(std::move(item));
      continue;
    }
    if (cells.empty()) at = others.size();
    cells.emplace_back(column, std::move(item));
  }
  std::stable_sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
    return std::tie(a.first, a.second.y, a.second.x) < std::tie(b.first, b.second.y, b.second.x);
  });
  items.assign(std::make_move_iterator(others.begin()), std::make_move_iterator(others.begin() + std::ptrdiff_t(at)));
  for (auto& cell : cells) items.push_back(std::move(cell.second));
  items.insert(items.end(), std::make_move_iterator(others.begin() + std::ptrdiff_t(at)),
               std::make_move_iterator(others.end()));
}

}  // namespace grid_res
