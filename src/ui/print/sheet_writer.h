// What every parameter sheet draws with: the overflow rule of the long sheets,
// and framed blocks of labelled value boxes whose texts come from the page's
// bindings.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "ui/print/printer_dc.h"

// The overflow rule of the long sheets, applied after each line: when
// y + 2 pitch passes the page height, the list goes on in a second column block
// 75 character widths to the right at the top of the same page, or, when the
// block is already the right one, on a new page back at the margin. `top` is
// where the block's header row goes. Returns true when the list moved; the
// caller then prints the header row again at (blockX, y).
struct SheetCursor {
  int x0 = 0;      // the left edge of the first block
  int blockX = 0;  // the left edge of the current block
  int y = 0;
};
inline constexpr int kSecondBlockColumn = 75;
bool ApplyOverflowRule(CPrinterDC& dc, SheetCursor& cursor, int charW, int pitch, int top);


// ---- framed blocks of labelled value boxes -----------------------------------------------
//
// A sheet of settings is a list of rows. A Block row frames the lines that
// follow it (up to the next Block); a Line carries, at character columns from
// the sheet's left edge, an optional block title at the margin, an optional
// label (and a second one, for a line of two labelled boxes), and up to two
// value boxes, each filled with the print text of a control id (the page's
// binding table gives it). Lines follow one another at the line pitch; blocks
// after the first are one empty line apart.
//
//   const SheetRow kRows[] = {
//       Block(50),
//       Line("Zone/Group", {IDC_EMRG_ZONE, 26, 35}, {IDC_EMRG_GROUP, 36, 45}).Titled("Emergency"),
//       Line("Lock Out", {IDC_LOCK_OUT, 26, 44}),
//       Block(50, IsType11), Title("Data"), ...
//   };

struct SheetCell {
  int id = 0;     // the control whose print text fills the box; 0: no box
  int from = 0;   // the box's left and right edges, in character widths
  int to = 0;
};

struct SheetRow {
  bool block = false;        // a Block row: frames the lines up to the next block
  int width = 0;             // Block: the frame's width in character widths
  std::string_view title;    // Line: the block title at the margin
  std::string_view label;    // Line: the label at labelColumn
  int labelColumn = 8;
  std::string_view label2;   // Line: a second label, before the second box
  int label2Column = 0;
  SheetCell cells[2]{};
  bool (*when)() = nullptr;  // Block: the whole block, Line: the line; null: always
  // An Include row stands for these rows (rows shared by two layouts of a sheet).
  const SheetRow* include = nullptr;
  std::size_t includeCount = 0;

  constexpr SheetRow Titled(std::string_view t) const {
    SheetRow r = *this;
    r.title = t;
    return r;
  }
  constexpr SheetRow LabelAt(int column) const {
    SheetRow r = *this;
    r.labelColumn = column;
    return r;
  }
  constexpr SheetRow SecondLabel(std::string_view text, int column) const {
    SheetRow r = *this;
    r.label2 = text;
    r.label2Column = column;
    return r;
  }
  constexpr SheetRow When(bool (*condition)()) const {
    SheetRow r = *this;
    r.when = condition;
    return r;
  }
};

constexpr SheetRow Block(int width, bool (*when)() = nullptr) {
  SheetRow r;
  r.block = true;
  r.width = width;
  r.when = when;
  return r;
}
constexpr SheetRow Line(std::string_view label, SheetCell a = {}, SheetCell b = {}) {
  SheetRow r;
  r.label = label;
  r.cells[0] = a;
  r.cells[1] = b;
  return r;
}
// Rows drawn where this row stands.
template <std::size_t N>
constexpr SheetRow Include(const SheetRow (&rows)[N]) {
  SheetRow r;
  r.include = rows;
  r.includeCount = N;
  return r;
}
template <std::size_t N>
constexpr SheetRow Include(const std::array<SheetRow, N>& rows) {
  SheetRow r;
  r.include = rows.data();
  r.includeCount = N;
  return r;
}
// A line that holds only the block's title.
constexpr SheetRow Title(std::string_view title) { return Line({}).Titled(title); }

// The print text of a control id.
using SheetTextOf = std::function<std::string(int id)>;

// Draws the rows on the page the caller began, from the third line (gap + 2
// pitch), with a pen of 4 device units.
void PrintSheetRows(CPrinterDC& dc, int charW, int x, int pitch, int gap, std::span<const SheetRow> rows,
                    const SheetTextOf& textOf);
