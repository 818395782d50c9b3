#include "ui/print/sheet_writer.h"

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
  int y = gap + 2 * pitch;
  bool firstBlock = true;
  bool blockShown = true;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SheetRow& r = *rows[i];
    if (r.block) {
      blockShown = Shown(r);
      if (!blockShown) continue;
      if (!firstBlock) y += pitch;
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
      if (c.id == 0) continue;
      const int left = x + c.from * charW;
      dc.Rectangle(left, y, x + c.to * charW, y + pitch - 20);
      PrintLine(&dc, left, &lineY, pitch, textOf(c.id), 0);
    }
    y += pitch;
  }
  dc.SelectPen(oldPen);
}
