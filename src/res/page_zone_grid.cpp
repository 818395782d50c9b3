#include "res/page_zone_grid.h"

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

}  // namespace grid_res
