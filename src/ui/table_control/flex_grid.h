// CMSFlexGrid: the grid control of the 5-Tone tables, our own over Qt's table
// widget. It has what those tables use of a spreadsheet-like grid: row and
// column counts, fixed (heading) rows and columns at the top and left, a
// current cell, text per cell, a picture per cell, column widths in twips
// (15 twips a pixel), column and fixed-cell alignment, drawing switched off
// and on around a fill, and headings of neighbouring fixed cells with the same
// text merged into one.
//
// Accessibility tools read the headings and labels by the texts they show: a
// column's header is named by the texts of the fixed rows over it, a row's by
// those of the fixed columns beside it (non-empty texts, a blank between).
//
// The fixed rows and columns never scroll: when the grid is smaller than its
// cells, only the others scroll, under the headings and beside the labels. A
// column is never narrower than the widest text or picture it holds: the width
// set is the least it is drawn with.
//
// As with the other controls, its behaviour belongs to its window: a click on
// a cell that is not fixed, and the arrow keys, move the current cell (never
// onto a fixed cell) and tell the parent with GN_ROWCOLCHANGE; a character
// typed on the grid is handed to the parent with GN_KEYPRESS. Changes the
// program makes raise nothing. The template control class is kFlexGridClass;
// RegisterFlexGridControl makes templates build it.
#pragma once

#include <QPixmap>

#include <string>

#include "ui/wnd/wnd.h"

inline constexpr const char* kFlexGridClass = "FlexGrid";

// Notifications (WM_NOTIFY) to the parent.
inline constexpr UINT GN_FIRST = 0u - 1950u;
inline constexpr UINT GN_ROWCOLCHANGE = GN_FIRST;     // NMHDR: the person moved the current cell
inline constexpr UINT GN_KEYPRESS = GN_FIRST - 1u;    // NMGRIDKEY: a character typed on the grid

struct NMGRIDKEY {
  NMHDR hdr;
  short keyAscii = 0;  // the character (WM_CHAR code)
};

// Alignment values of columns and fixed cells: horizontal left, centre, right
// (0-2, 3-5, 6-8), each with the vertical top, centre, bottom.
inline constexpr short flexAlignLeftTop = 0;
inline constexpr short flexAlignLeftCenter = 1;
inline constexpr short flexAlignCenterTop = 3;
inline constexpr short flexAlignCenterCenter = 4;
inline constexpr short flexAlignRightCenter = 7;

inline constexpr int kTwipsPerPixel = 15;

class CMSFlexGrid : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);

  long GetRows() const;
  void SetRows(long n);
  long GetCols() const;
  void SetCols(long n);
  long GetFixedRows() const;
  void SetFixedRows(long n);
  long GetFixedCols() const;
  void SetFixedCols(long n);

  // The current cell. Set by the program it may be any cell, a fixed one too.
  long GetRow() const;
  void SetRow(long row);
  long GetCol() const;
  void SetCol(long col);
  // The text of the current cell.
  std::string GetText() const;
  void SetText(const std::string& text);
  std::string GetTextMatrix(long row, long col) const;
  void SetTextMatrix(long row, long col, const std::string& text);
  // A picture drawn in the middle of the cell; a null picture removes it.
  void SetCellPicture(long row, long col, const QPixmap& picture);
  bool HasCellPicture(long row, long col) const;

  // The width the column is drawn with, in twips; setting it sets the least.
  long GetColWidth(long col) const;
  void SetColWidth(long col, long twips);
  // The width in twips a cell needs to show the text whole, in the grid's font.
  long GetTextWidth(const std::string& text) const;
  void SetColAlignment(long col, short value);
  void SetFixedAlignment(long col, short value);

  // Drawing off while a fill runs; on again widens the columns to their texts
  // and redraws once.
  void SetRedraw(BOOL bRedraw);
  // Fixed rows marked for merging show runs of equal neighbouring texts as one cell.
  void SetMergeRow(long row, BOOL bMerge);

  // The cell under the mouse at its last move or click; -1 outside the cells.
  long GetMouseRow() const;
  long GetMouseCol() const;
  // The current cell's rectangle in twips of the screen (15 a pixel), from the
  // grid window's top-left corner. Asking brings the cell into view first (the
  // grid scrolls).
  long GetCellLeft();
  long GetCellTop();
  long GetCellWidth();
  long GetCellHeight();
  // Where an in-place editor goes over the current cell, in the parent's
  // client coordinates: one pixel up and left of the cell, two pixels larger.
  CRect GetCellEditorRect(CWnd* pParent);

  // Where a cell stands now, in pixels from the grid window's top-left corner,
  // scrolled as the grid is; and whether it shows whole, in its part of the grid.
  CRect GetCellRect(long row, long col) const;
  bool IsCellShown(long row, long col) const;
};

// Makes dialog templates build the grid for kFlexGridClass; later calls do nothing.
void RegisterFlexGridControl();
// The check-mark picture of the flag cells.
const QPixmap& CheckMarkBitmap();
