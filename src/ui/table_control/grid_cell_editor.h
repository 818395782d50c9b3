// The editor of a grid's cells: a filtered edit, hidden until a cell is edited,
// laid over the grid's current cell (one pixel up and left, two pixels larger).
// Enter gives the grid the focus back, and the editor's loss of the focus is
// where its owner stores the text; Esc first puts the cell's own text back, so
// that the store changes nothing.
#pragma once

#include <string>

#include "ui/cells/filter_edit.h"
#include "ui/table_control/flex_grid.h"

class CGridCellEditor : public CFilterEdit {
 public:
  // Shows the editor over the grid's current cell with the text, all of it
  // selected, the caret at its end, and gives it the focus.
  void Begin(CMSFlexGrid& grid, CWnd* pParent, const std::string& text, int nLimit, int nFilterMode);
  bool IsEditing() const { return GetSafeHwnd() && (GetStyle() & WS_VISIBLE); }
  // Enter or Esc on the editor while it edits a cell of the grid: TRUE when taken.
  BOOL HandleKey(const MSG* pMsg, CMSFlexGrid& grid);
};
