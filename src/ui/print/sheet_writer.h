// What every parameter sheet draws with: the line geometry, the overflow rule
// of the long sheets, framed blocks of labelled value boxes whose texts come
// from the page's bindings, rows of labelled cells, and tables whose columns
// print the model's fields.
//
// Texts never overprint: a text in a box stands TextInset inside its left
// rule, and a label that would run into the text before it starts one blank
// after it (one that would run into the box after it ends one blank before).
// A part wider than the printable width narrows its columns, or is drawn in a
// smaller font (FittedFont) where narrowed columns could not hold their texts;
// a one-page table taller than the printable height draws its lines closer
// together (FittedFont too).
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "model/field.h"
#include "ui/print/printer_dc.h"

// The line geometry every sheet routine gets, in printer device units.
struct SheetGeometry {
  int charW = 0;  // average character width
  int x = 0;      // left margin: 4 character widths
  int pitch = 0;  // line pitch: h + 2 gap, h = height + external leading
  int gap = 0;    // h / 6
  bool operator==(const SheetGeometry&) const = default;
};
SheetGeometry SheetGeometryOf(const gdi::TEXTMETRIC& tm);

// The room between a text and the left rule of its box.
constexpr int TextInset(int charW) { return charW / 3; }

// The font of a part of a sheet `columns` character widths wide from x: the
// selected font where the part fits the printable width, else the largest
// smaller one (in steps of a tenth of a point) that fits, selected until the
// object goes. charW, pitch and gap are the geometry of the font in use.
//
// A part that must stay on its page, `lines` lines from y, also fits the
// printable height: its pitch shrinks first, down to the height of its text
// (the room above and below the text goes), and only where even that is too
// tall is the font made smaller.
class CFittedFont {
 public:
  CFittedFont(CPrinterDC& dc, const SheetGeometry& sheet, int x, int columns, int y = 0, int lines = 0);
  ~CFittedFont();
  CFittedFont(const CFittedFont&) = delete;
  CFittedFont& operator=(const CFittedFont&) = delete;
  int charW = 0, pitch = 0, gap = 0;

 private:
  CPrinterDC& m_dc;
  gdi::FontSpec m_previous;
};

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

// The width of one character column of a sheet `columns` character widths
// wide from x: charW, or less where that many would pass the printable width,
// so that a wide sheet keeps its layout and fits the paper (its text keeps the
// sheet font).
int FitColumnWidth(CPrinterDC& dc, int charW, int x, int columns);

// ---- framed blocks of labelled value boxes -----------------------------------------------
//
// A sheet of settings is a list of rows. A Block row frames the lines that
// follow it (up to the next Block); a Line carries, at character columns from
// the sheet's left edge, an optional block title at the margin, an optional
// label, and up to three cells: value boxes filled with the print text of a
// control id (the page's binding table gives it), boxes with a fixed text, or
// captions without a box. Lines follow one another at the line pitch; blocks
// after the first are one empty line apart unless joined to the one before.
// The boxes of a Table line fill the whole line, so that its boxes and those of
// the lines around it make a grid.
//
//   const SheetRow kRows[] = {
//       Block(50),
//       Line("Zone/Group", {IDC_EMRG_ZONE, 26, 35}, {IDC_EMRG_GROUP, 36, 45}).Titled("Emergency"),
//       Line("Lock Out", {IDC_LOCK_OUT, 26, 44}),
//       Block(50, IsType11), Title("Data"), ...
//   };

struct SheetCell {
  int id = 0;     // the control whose print text fills the box; 0: the fixed text, or no cell
  int from = 0;   // the box's left and right edges, in character widths
  int to = 0;
  std::string_view text;  // the fixed text of a cell without a control
  bool framed = true;     // false: the text alone, at `from`

  constexpr SheetCell() = default;
  constexpr SheetCell(int control, int left, int right) : id(control), from(left), to(right) {}
  constexpr SheetCell(std::string_view fixed, int left, int right, bool frame)
      : from(left), to(right), text(fixed), framed(frame) {}
};
// A box holding a fixed text, and a text without a box.
constexpr SheetCell Fixed(std::string_view text, int from, int to) { return {text, from, to, true}; }
constexpr SheetCell Caption(std::string_view text, int column) { return {text, column, column, false}; }

struct SheetRow {
  bool block = false;        // a Block row: frames the lines up to the next block
  int width = 0;             // Block: the frame's width in character widths
  std::string_view title;    // Line: the block title at the margin
  std::string_view label;    // Line: the label at labelColumn
  int labelColumn = 8;
  std::string_view label2;   // Line: a second label, before the second box
  int label2Column = 0;
  SheetCell cells[3]{};
  bool table = false;        // Line: its boxes fill the whole line
  bool joined = false;       // Block: no empty line before it
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
  constexpr SheetRow Table() const {
    SheetRow r = *this;
    r.table = true;
    return r;
  }
  constexpr SheetRow Joined() const {
    SheetRow r = *this;
    r.joined = true;
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
constexpr SheetRow Line(std::string_view label, SheetCell a = {}, SheetCell b = {}, SheetCell c = {}) {
  SheetRow r;
  r.label = label;
  r.cells[0] = a;
  r.cells[1] = b;
  r.cells[2] = c;
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
// pitch), or from line y, with a pen of 4 device units; texts are drawn over
// the boxes without blanking them.
void PrintSheetRows(CPrinterDC& dc, int charW, int x, int pitch, int gap, std::span<const SheetRow> rows,
                    const SheetTextOf& textOf);
void PrintSheetRowsAt(CPrinterDC& dc, int charW, int x, int pitch, int y, std::span<const SheetRow> rows,
                      const SheetTextOf& textOf);

// ---- lists as framed tables ------------------------------------------------------------------
//
// A fixed list of entries printed as a table of framed cells on one page: a
// title line, a row of column headers, then one row per entry. The entries are
// split evenly into side-by-side blocks, `blockStep` character widths apart,
// entry r of each block on one line.
struct SheetColumn {
  std::string_view header;
  int from = 0;  // the cell's edges, in character widths from the block's left edge
  int to = 0;
};
struct SheetTable {
  std::string_view title;
  std::span<const SheetColumn> columns;
  int entries = 0;
  int blocks = 1;
  int blockStep = 0;
  // The text of an entry's cell.
  std::function<std::string(int entry, int column)> text;
};
// Draws the table on the page the caller began, from the third line (gap + 2
// pitch), with a pen of 4 device units and texts over the boxes: its columns
// narrowed to fit the printable width, its lines fitted to the printable height
// (CFittedFont), so that it never runs onto a second page. The page is left for
// the caller to end.
void PrintSheetTable(CPrinterDC& dc, int charW, int x, int pitch, int gap, const SheetTable& table);

// One row of framed cells at y, the columns' edges counted from x: each box,
// drawn with the pen the caller selected, and its text inside its left edge.
void PrintSheetCells(CPrinterDC& dc, int charW, int x, int y, int pitch, std::span<const SheetColumn> columns,
                     const std::function<std::string(int column)>& text);

// A list under the overflow rule: the columns' header row at (x, y), then a
// row of cells for each entry. After every row (the last one too) the overflow
// rule may move the list to the right block or to a new page, at `top`, where
// the header row is printed again. A pen of 4 device units, texts over the
// boxes; the last page is left for the caller to end.
struct SheetList {
  std::span<const SheetColumn> columns;
  int entries = 0;
  std::function<std::string(int entry, int column)> text;
};
void PrintSheetList(CPrinterDC& dc, int charW, int x, int pitch, int top, int y, const SheetList& list);

// ---- rows of labelled cells ---------------------------------------------------------------
//
// A cell is a label box over a value box, `width` character widths wide; the
// cells of a row stand side by side from x. A centred value starts at the
// middle of its box less half a character width.
struct SheetLabelCell {
  std::string_view label;
  int width = 0;
  std::string value;
  bool centred = false;
};
// The label boxes from y to y + pitch, the value boxes below them.
void PrintSheetCellRow(CPrinterDC& dc, int charW, int x, int y, int pitch, std::span<const SheetLabelCell> cells);

// ---- tables over the fields of indexed records --------------------------------------------
//
// A column prints, for each entity, the print text of its field's code (its
// print list), the text of its text field, or its field's code in a printf
// format. Its heading stands across the box (its lines, apart by '\n', on the
// header's last lines), or runs down it (from the top, one character width
// left of the box's right rule), or is a pair running down: `heading` three
// character widths right of the left rule and `second` at the right. A span
// heads several columns: one box over them with its title on `titleLine`, and
// the columns' own boxes from line `subTop` of the header.
//
//   const SheetField kColumns[] = {
//       TextColumn("Alias", 13, grp::kTag),
//       FieldColumn("Monitor", 4, grp::kMonitor, &grp::kSwitchMarkList).Down(1),
//   };
enum class SheetHeading { Across, Down, DownPair };
struct SheetField {
  std::string_view heading;
  int width = 0;  // character widths
  Field field{};
  const ChoiceList* print = nullptr;
  TextField text{};
  const char* format = nullptr;  // the code as a number (unsigned)
  SheetHeading style = SheetHeading::Across;
  std::string_view second;
  int indent = 0;  // the value's distance from the box's left rule, in character widths

  // The heading runs down the box; the value stands `in` character widths in.
  constexpr SheetField Down(int in) const {
    SheetField f = *this;
    f.style = SheetHeading::Down;
    f.indent = in;
    return f;
  }
  constexpr SheetField DownPair(std::string_view right, int in) const {
    SheetField f = Down(in);
    f.style = SheetHeading::DownPair;
    f.second = right;
    return f;
  }
};
// A column of a field's print text (a null list: its code in `format`), and
// one of a text field's text.
constexpr SheetField FieldColumn(std::string_view heading, int width, Field field, const ChoiceList* print,
                                 const char* format = nullptr) {
  SheetField f;
  f.heading = heading;
  f.width = width;
  f.field = field;
  f.print = print;
  f.format = format;
  return f;
}
constexpr SheetField TextColumn(std::string_view heading, int width, TextField text) {
  SheetField f;
  f.heading = heading;
  f.width = width;
  f.text = text;
  return f;
}
struct SheetSpan {
  int first = 0;  // the columns it heads
  int count = 0;
  std::string_view title;
  int titleLine = 0;
  int subTop = 0;
};
struct SheetFieldTable {
  std::span<const SheetField> columns;
  std::span<const SheetSpan> spans;
  int headerLines = 1;
  int first = 0;  // the entities: first .. first + count - 1
  int count = 0;
  // An entity whose cells, but the first, print nothing.
  bool (*blank)(CEditModel& model, int entity) = nullptr;
};
// The text a column prints for an entity.
std::string SheetFieldText(CEditModel& model, const SheetField& column, int entity);
// Draws the table from line *y of the page the caller began: the header, then
// a row per entity. After each row, when y + 2 pitch passes the page height,
// the table goes on at the top (gap + 2 pitch) of a new page with its header
// again. A table wider than the printable width is drawn in a fitted font.
// *y ends on the line after the last row.
void PrintSheetFieldTable(CPrinterDC& dc, const SheetGeometry& sheet, int* y, const SheetFieldTable& table);
