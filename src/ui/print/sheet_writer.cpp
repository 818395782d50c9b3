#include "ui/print/sheet_writer.h"

#include <algorithm>
#include <vector>

bool ApplyOverflowRule(CPrinterDC& dc, SheetCursor& cursor, int charW, int pitch, int top) {
  if (cursor.y + 2 * pitch <= dc.GetDeviceCaps(gdi::VERTRES)) return false;
  if (cursor.blockX < cursor.x0 + kSecondBlockColumn * charW) {
    cursor.blockX += kSecondBlockColumn * charW;
  } else {
    dc.EndPage();
    dc.StartPage();
    cursor.blockX = cursor.x0;
  }
  cursor.y = top;
  return true;
}

int FitColumnWidth(CPrinterDC& dc, int charW, int x, int columns) {
  if (columns <= 0) return charW;
  const int fit = (dc.GetDeviceCaps(gdi::HORZRES) - x) / columns;
  return std::max(1, std::min(charW, fit));
}

namespace {

bool Shown(const SheetRow& r) { return !r.when || r.when(); }

void Flatten(std::span<const SheetRow> rows, std::vector<const SheetRow*>& out) {
  for (const SheetRow& r : rows) {
    if (r.include) Flatten({r.include, r.includeCount}, out);
    else out.push_back(&r);
  }
}

}  // namespace

void PrintSheetRows(CPrinterDC& dc, int charW, int x, int pitch, int gap, std::span<const SheetRow> table,
                    const SheetTextOf& textOf) {
  std::vector<const SheetRow*> rows;
  Flatten(table, rows);
  const gdi::PenSpec oldPen = dc.SelectPen(gdi::PenSpec{gdi::PS_SOLID, 4, 0});
  const int oldMode = dc.SetBkMode(gdi::TRANSPARENT);
  int y = gap + 2 * pitch;
  bool firstBlock = true;
  bool blockShown = true;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SheetRow& r = *rows[i];
    if (r.block) {
      blockShown = Shown(r);
      if (!blockShown) continue;
      if (!firstBlock && !r.joined) y += pitch;
      firstBlock = false;
      int lines = 0;
      for (std::size_t j = i + 1; j < rows.size() && !rows[j]->block; ++j) lines += Shown(*rows[j]) ? 1 : 0;
      dc.Rectangle(x, y - 20, x + r.width * charW, y + lines * pitch + 5);
      continue;
    }
    if (!blockShown || !Shown(r)) continue;
    // Each text is drawn at the line; the last one moves on to the next line.
    int lineY = y;
    if (!r.title.empty()) PrintLine(&dc, x, &lineY, pitch, std::string(r.title), 0);
    if (!r.label.empty()) PrintLine(&dc, x + r.labelColumn * charW, &lineY, pitch, std::string(r.label), 0);
    if (!r.label2.empty()) PrintLine(&dc, x + r.label2Column * charW, &lineY, pitch, std::string(r.label2), 0);
    for (const SheetCell& c : r.cells) {
      if (c.id == 0 && c.text.empty()) continue;
      const int left = x + c.from * charW;
      if (c.framed) dc.Rectangle(left, y, x + c.to * charW, y + pitch - (r.table ? 0 : 20));
      PrintLine(&dc, left, &lineY, pitch, c.id ? textOf(c.id) : std::string(c.text), 0);
    }
    y += pitch;
  }
  dc.SetBkMode(oldMode);
  dc.SelectPen(oldPen);
}

void PrintSheetCells(CPrinterDC& dc, int charW, int x, int y, int pitch, std::span<const SheetColumn> columns,
                     const std::function<std::string(int column)>& text) {
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const int left = x + columns[c].from * charW;
    dc.Rectangle(left, y, x + columns[c].to * charW, y + pitch);
    int lineY = y;
    PrintLine(&dc, left, &lineY, pitch, text(static_cast<int>(c)), 0);
  }
}

namespace {

std::string HeaderOf(std::span<const SheetColumn> columns, int c) {
  return std::string(columns[static_cast<std::size_t>(c)].header);
}

}  // namespace

void PrintSheetTable(CPrinterDC& dc, int charW, int x, int pitch, int gap, const SheetTable& table) {
  const gdi::PenSpec oldPen = dc.SelectPen(gdi::PenSpec{gdi::PS_SOLID, 4, 0});
  const int oldMode = dc.SetBkMode(gdi::TRANSPARENT);
  const int blocks = std::max(table.blocks, 1);
  const int lines = (table.entries + blocks - 1) / blocks;
  int right = 0;
  for (const SheetColumn& c : table.columns) right = std::max(right, c.to);
  charW = FitColumnWidth(dc, charW, x, (blocks - 1) * table.blockStep + right);
  auto blockX = [&](int block) { return x + block * table.blockStep * charW; };
  auto header = [&](int y) {
    for (int b = 0; b < blocks; ++b) {
      PrintSheetCells(dc, charW, blockX(b), y, pitch, table.columns, [&](int c) { return HeaderOf(table.columns, c); });
    }
  };

  int y = gap + 2 * pitch;
  PrintLine(&dc, x, &y, pitch, std::string(table.title), 1);
  header(y);
  y += pitch;
  for (int line = 0; line < lines; ++line) {
    for (int b = 0; b < blocks; ++b) {
      const int entry = b * lines + line;
      if (entry >= table.entries) continue;
      PrintSheetCells(dc, charW, blockX(b), y, pitch, table.columns,
                      [&](int c) { return table.text ? table.text(entry, c) : std::string(); });
    }
    y += pitch;
    if (line + 1 < lines && y + 2 * pitch > dc.GetDeviceCaps(gdi::VERTRES)) {
      dc.EndPage();
      dc.StartPage();
      y = gap + 2 * pitch;
      header(y);
      y += pitch;
    }
  }
  dc.SetBkMode(oldMode);
  dc.SelectPen(oldPen);
}

void PrintSheetList(CPrinterDC& dc, int charW, int x, int pitch, int top, int y, const SheetList& list) {
  const gdi::PenSpec oldPen = dc.SelectPen(gdi::PenSpec{gdi::PS_SOLID, 4, 0});
  const int oldMode = dc.SetBkMode(gdi::TRANSPARENT);
  auto header = [&](int blockX, int at) {
    PrintSheetCells(dc, charW, blockX, at, pitch, list.columns, [&](int c) { return HeaderOf(list.columns, c); });
  };
  SheetCursor cursor{x, x, y};
  header(cursor.blockX, cursor.y);
  cursor.y += pitch;
  for (int entry = 0; entry < list.entries; ++entry) {
    PrintSheetCells(dc, charW, cursor.blockX, cursor.y, pitch, list.columns,
                    [&](int c) { return list.text ? list.text(entry, c) : std::string(); });
    cursor.y += pitch;
    if (ApplyOverflowRule(dc, cursor, charW, pitch, top)) {
      header(cursor.blockX, cursor.y);
      cursor.y += pitch;
    }
  }
  dc.SetBkMode(oldMode);
  dc.SelectPen(oldPen);
}
