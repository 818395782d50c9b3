// The controls of the grid pages' templates (zone, group, repeater and channel
// grids): value cells, edit cells, captions and the hidden popup lists that
// drop down over a cell.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "ui/wnd/dlg_template.h"

namespace grid_res {

// A list cell: a bordered static that reports clicks and is a tab stop.
DlgItemTemplate ListCell(int id, int x, int y, int cx, int cy);
// A numeric or text edit cell.
DlgItemTemplate EditCell(int id, int x, int y, int cx, int cy);
// A cell that only shows a text.
DlgItemTemplate StaticCell(int id, int x, int y, int cx, int cy);
// A column caption: bordered and centred.
DlgItemTemplate Caption(std::string text, int id, int x, int y, int cx, int cy);
// A popup list: hidden until a cell opens it.
DlgItemTemplate PopupList(int id);

enum class Kind { List, Edit, Static };

// The columns of a grid: the Default column's left edge (negative: none) and
// the left edge of each entity column, all cells one width and height.
struct Columns {
  int defaultX = -1;
  std::vector<int> x;
  int width = 40;
  int height = 11;
};

// A row of cells at y: the Default cell (id 0: none) and one cell per column
// (id 0: none).
void AddRow(std::vector<DlgItemTemplate>& items, const Columns& columns, int y, Kind kind, int defaultId,
            std::span<const int> ids);

// The area of a column's cells, in dialog units (by default down to the page's foot).
struct Area {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 1000;
};
// The tab order of a grid, one entity at a time: the cells column by column in
// the order of `columns` (the Default column first), each column top to bottom
// and left to right on a line, where the first of them stood; every other item
// keeps its order. A cell is a tab stop, other than a push button or a list,
// that lies inside one of the columns.
void OrderByColumns(std::vector<DlgItemTemplate>& items, std::span<const Area> columns);

}  // namespace grid_res
