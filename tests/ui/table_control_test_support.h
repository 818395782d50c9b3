// Clicks on the cells of a grid control where the person would click them:
// on the part of the grid that shows the cell (its scrolling cells, or the
// headings and labels that stay in view).
#pragma once

#include <QTest>
#include <QWidget>

#include "ui/table_control/flex_grid.h"

namespace grid_test {

// The widget under a cell's middle and the point in it.
inline std::pair<QWidget*, QPoint> CellTarget(const CMSFlexGrid& grid, long row, long col) {
  QWidget* window = grid.GetSafeHwnd();
  const CRect cell = grid.GetCellRect(row, col);
  const QPoint at((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  QWidget* under = window->childAt(at);
  if (!under) under = window;
  return {under, under->mapFrom(window, at)};
}

inline void ClickCell(const CMSFlexGrid& grid, long row, long col) {
  const auto [w, at] = CellTarget(grid, row, col);
  QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

inline void DoubleClickCell(const CMSFlexGrid& grid, long row, long col) {
  ClickCell(grid, row, col);
  const auto [w, at] = CellTarget(grid, row, col);
  QTest::mouseDClick(w, Qt::LeftButton, {}, at);
}

// Every cell of the grid shows whole where it stands, without scrolling.
inline bool AllCellsShown(const CMSFlexGrid& grid) {
  for (long r = 0; r < grid.GetRows(); ++r) {
    for (long c = 0; c < grid.GetCols(); ++c) {
      if (!grid.IsCellShown(r, c)) return false;
    }
  }
  return true;
}

}  // namespace grid_test
