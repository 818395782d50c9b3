#include "ui/print/sheet_writer.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

#include "model/edit_model.h"

SheetGeometry SheetGeometryOf(const gdi::TEXTMETRIC& tm) {
  SheetGeometry g;
  g.charW = tm.tmAveCharWidth;
  g.x = 4 * g.charW;
  const int h = tm.tmHeight + tm.tmExternalLeading;
  g.gap = h / 6;
  g.pitch = h + 2 * g.gap;
  return g;
}

namespace {

// The height of a line's text: the font's height and external leading.
int TextHeight(const gdi::TEXTMETRIC& tm) { return tm.tmHeight + tm.tmExternalLeading; }

}  // namespace

CFittedFont::CFittedFont(CPrinterDC& dc, const SheetGeometry& sheet, int x, int columns, int y, int lines)
    : charW(sheet.charW), pitch(sheet.pitch), gap(sheet.gap), m_dc(dc), m_previous(dc.GetCurrentFont()) {
  const int width = dc.GetDeviceCaps(gdi::HORZRES);
  // The pitch that keeps the lines above the foot of the printable area.
  const int room = lines > 0 ? (dc.GetDeviceCaps(gdi::VERTRES) - y) / lines : INT_MAX;
  int textHeight = TextHeight(dc.GetTextMetrics());
  gdi::FontSpec font = m_previous;
  while ((x + columns * charW > width || textHeight > room) && font.pointTenths > 10) {
    --font.pointTenths;
    dc.SelectFont(font);
    const gdi::TEXTMETRIC tm = dc.GetTextMetrics();
    const SheetGeometry g = SheetGeometryOf(tm);
    charW = g.charW;
    pitch = g.pitch;
    gap = g.gap;
    textHeight = TextHeight(tm);
  }
  pitch = std::max(1, std::min(pitch, room));
}

CFittedFont::~CFittedFont() { m_dc.SelectFont(m_previous); }

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

// Selects the sheets' pen and transparent texts while it lives.
class CSheetPen {
 public:
  explicit CSheetPen(CPrinterDC& dc)
      : m_dc(dc), m_pen(dc.SelectPen(gdi::PenSpec{gdi::PS_SOLID, 4, 0})), m_mode(dc.SetBkMode(gdi::TRANSPARENT)) {}
  ~CSheetPen() {
    m_dc.SetBkMode(m_mode);
    m_dc.SelectPen(m_pen);
  }
  CSheetPen(const CSheetPen&) = delete;
  CSheetPen& operator=(const CSheetPen&) = delete;

 private:
  CPrinterDC& m_dc;
  gdi::PenSpec m_pen;
  int m_mode;
};

// Places the texts of one line left to right: each starts at its column or
// one blank after the text before it, and ends one blank before `limit` (the
// box right of it) where it can; none starts left of `floor` (inside the
// block's frame).
class CLinePlacer {
 public:
  CLinePlacer(CPrinterDC& dc, int floor) : m_dc(dc), m_blank(dc.GetTextWidth(" ")), m_floor(floor) {}
  void Text(int at, int y, const std::string& text, int limit = INT_MAX) {
    if (text.empty()) return;
    const int width = m_dc.GetTextWidth(text);
    int left = std::max(m_floor, m_end == INT_MIN ? at : std::max(at, m_end + m_blank));
    if (limit != INT_MAX && left + width > limit - m_blank) {
      const int floor = m_end == INT_MIN ? m_floor : m_end + m_blank;
      left = std::max(floor, std::min(left, limit - m_blank - width));
    }
    int lineY = y;
    PrintLine(&m_dc, left, &lineY, 0, text, 0);
    m_end = left + width;
  }

 private:
  CPrinterDC& m_dc;
  int m_blank;
  int m_floor;
  int m_end = INT_MIN;
};

// A text in the box from `left` to `right`, TextInset in from its left rule;
// a text too wide for the box (a tag of wide letters) is drawn in a font as
// much smaller as keeps it inside.
void BoxedText(CPrinterDC& dc, int left, int right, int y, int charW, const std::string& text) {
  const int inset = TextInset(charW);
  const int room = right - left - 2 * inset;
  const int width = dc.GetTextWidth(text);
  int lineY = y;
  if (width <= room || room <= 0) {
    PrintLine(&dc, left + inset, &lineY, 0, text, 0);
    return;
  }
  gdi::FontSpec smaller = dc.GetCurrentFont();
  smaller.pointTenths = std::max(1, smaller.pointTenths * room / width);
  const gdi::FontSpec previous = dc.SelectFont(smaller);
  PrintLine(&dc, left + inset, &lineY, 0, text, 0);
  dc.SelectFont(previous);
}

}  // namespace

void PrintSheetRows(CPrinterDC& dc, int charW, int x, int pitch, int gap, std::span<const SheetRow> table,
                    const SheetTextOf& textOf) {
  PrintSheetRowsAt(dc, charW, x, pitch, gap + 2 * pitch, table, textOf);
}

void PrintSheetRowsAt(CPrinterDC& dc, int charW, int x, int pitch, int y, std::span<const SheetRow> table,
                      const SheetTextOf& textOf) {
  std::vector<const SheetRow*> rows;
  Flatten(table, rows);
  const CSheetPen pen(dc);
  const int inset = TextInset(charW);
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
    // The box a label stands before: the first one right of its column.
    auto boxAfter = [&](int column) {
      int limit = INT_MAX;
      for (const SheetCell& c : r.cells) {
        if ((c.id || !c.text.empty()) && c.framed && c.from > column) limit = std::min(limit, x + c.from * charW);
      }
      return limit;
    };
    CLinePlacer line(dc, x + inset);
    line.Text(x + inset, y, std::string(r.title));
    line.Text(x + r.labelColumn * charW, y, std::string(r.label), boxAfter(r.labelColumn));
    line.Text(x + r.label2Column * charW, y, std::string(r.label2), boxAfter(r.label2Column));
    for (const SheetCell& c : r.cells) {
      if (c.id == 0 && c.text.empty()) continue;
      const int left = x + c.from * charW;
      const std::string text = c.id ? textOf(c.id) : std::string(c.text);
      if (!c.framed) {
        line.Text(left, y, text, boxAfter(c.from));
        continue;
      }
      dc.Rectangle(left, y, x + c.to * charW, y + pitch - (r.table ? 0 : 20));
      BoxedText(dc, left, x + c.to * charW, y, charW, text);
    }
    y += pitch;
  }
}

void PrintSheetCells(CPrinterDC& dc, int charW, int x, int y, int pitch, std::span<const SheetColumn> columns,
                     const std::function<std::string(int column)>& text) {
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const int left = x + columns[c].from * charW;
    dc.Rectangle(left, y, x + columns[c].to * charW, y + pitch);
    BoxedText(dc, left, x + columns[c].to * charW, y, charW, text(static_cast<int>(c)));
  }
}

namespace {

std::string HeaderOf(std::span<const SheetColumn> columns, int c) {
  return std::string(columns[static_cast<std::size_t>(c)].header);
}

}  // namespace

void PrintSheetTable(CPrinterDC& dc, int charW, int x, int pitch, int gap, const SheetTable& table) {
  const CSheetPen pen(dc);
  const int blocks = std::max(table.blocks, 1);
  const int lines = (table.entries + blocks - 1) / blocks;
  int y = gap + 2 * pitch;
  // The title, the header row and the entries' lines stay on this page.
  const CFittedFont font(dc, {charW, x, pitch, gap}, x, 0, y, lines + 2);
  pitch = font.pitch;
  int right = 0;
  for (const SheetColumn& c : table.columns) right = std::max(right, c.to);
  charW = FitColumnWidth(dc, font.charW, x, (blocks - 1) * table.blockStep + right);
  auto blockX = [&](int block) { return x + block * table.blockStep * charW; };
  auto header = [&](int y) {
    for (int b = 0; b < blocks; ++b) {
      PrintSheetCells(dc, charW, blockX(b), y, pitch, table.columns, [&](int c) { return HeaderOf(table.columns, c); });
    }
  };

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
  }
}

void PrintSheetList(CPrinterDC& dc, int charW, int x, int pitch, int top, int y, const SheetList& list) {
  const CSheetPen pen(dc);
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
}

namespace {

void TextAt(CPrinterDC& dc, int x, int y, std::string_view text) {
  int lineY = y;
  PrintLine(&dc, x, &lineY, 0, std::string(text), 0);
}

}  // namespace

void PrintSheetCellRow(CPrinterDC& dc, int charW, int x, int y, int pitch, std::span<const SheetLabelCell> cells) {
  const CSheetPen pen(dc);
  int left = x;
  for (const SheetLabelCell& c : cells) {
    const int right = left + c.width * charW;
    dc.Rectangle(left, y, right, y + pitch);
    TextAt(dc, left + TextInset(charW), y, c.label);
    dc.Rectangle(left, y + pitch, right, y + 2 * pitch);
    if (c.centred) {
      TextAt(dc, left + c.width * charW / 2 - charW / 2, y + pitch, c.value);
    } else {
      BoxedText(dc, left, right, y + pitch, charW, c.value);
    }
    left = right;
  }
}

std::string SheetFieldText(CEditModel& model, const SheetField& column, int entity) {
  if (column.text.get) return column.text.get(model, entity);
  const std::uint32_t code = column.field.Get(model, entity);
  if (column.print) return std::string(column.print->PrintText(code));
  char text[32];
  std::snprintf(text, sizeof text, column.format ? column.format : "%u", static_cast<unsigned>(code));
  return text;
}

namespace {

// The header of a field table from line y: the boxes first (a box drawn later
// covers what lies inside it), then the titles.
void FieldTableHeader(CPrinterDC& dc, int charW, int x, int y, int pitch, const SheetFieldTable& table) {
  const std::span<const SheetField> columns = table.columns;
  const int inset = TextInset(charW);
  auto line = [&](int n) { return y + n * pitch; };
  const int bottom = line(table.headerLines);
  std::vector<int> edge(columns.size() + 1, x);
  for (std::size_t c = 0; c < columns.size(); ++c) edge[c + 1] = edge[c] + columns[c].width * charW;
  std::vector<int> top(columns.size(), line(0));
  for (const SheetSpan& s : table.spans) {
    const std::size_t end = std::min(columns.size(), static_cast<std::size_t>(s.first + s.count));
    if (static_cast<std::size_t>(s.first) >= end) continue;
    dc.Rectangle(edge[static_cast<std::size_t>(s.first)], line(0), edge[end], bottom);
    TextAt(dc, edge[static_cast<std::size_t>(s.first)] + inset, line(s.titleLine), s.title);
    for (std::size_t c = static_cast<std::size_t>(s.first); c < end; ++c) top[c] = line(s.subTop);
  }
  for (std::size_t c = 0; c < columns.size(); ++c) dc.Rectangle(edge[c], top[c], edge[c + 1], bottom);

  for (std::size_t c = 0; c < columns.size(); ++c) {
    const SheetField& f = columns[c];
    if (f.style != SheetHeading::Across) continue;
    std::vector<std::string_view> lines;
    for (std::size_t from = 0;;) {
      const std::size_t at = f.heading.find('\n', from);
      lines.push_back(f.heading.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
      if (at == std::string_view::npos) break;
      from = at + 1;
    }
    for (std::size_t k = 0; k < lines.size(); ++k) {
      TextAt(dc, edge[c] + inset, line(table.headerLines - static_cast<int>(lines.size() - k)), lines[k]);
    }
  }
  gdi::FontSpec down = dc.GetCurrentFont();
  down.escapement = -900;
  const gdi::FontSpec across = dc.SelectFont(down);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const SheetField& f = columns[c];
    if (f.style == SheetHeading::Across) continue;
    if (f.style == SheetHeading::DownPair) TextAt(dc, edge[c] + 3 * charW, line(0) + inset, f.heading);
    TextAt(dc, edge[c + 1] - charW, line(0) + inset, f.style == SheetHeading::DownPair ? f.second : f.heading);
  }
  dc.SelectFont(across);
}

}  // namespace

void PrintSheetFieldTable(CPrinterDC& dc, const SheetGeometry& sheet, int* y, const SheetFieldTable& table) {
  const CSheetPen pen(dc);
  int width = 0;
  for (const SheetField& c : table.columns) width += c.width;
  const CFittedFont font(dc, sheet, sheet.x, width);
  const int charW = font.charW, pitch = font.pitch;
  CEditModel& model = TheModel();
  FieldTableHeader(dc, charW, sheet.x, *y, pitch, table);
  *y += table.headerLines * pitch;
  for (int e = table.first; e < table.first + table.count; ++e) {
    const bool blank = table.blank && table.blank(model, e);
    int left = sheet.x;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      const SheetField& f = table.columns[c];
      const int right = left + f.width * charW;
      dc.Rectangle(left, *y, right, *y + pitch);
      if (c == 0 || !blank) BoxedText(dc, left + f.indent * charW, right, *y, charW, SheetFieldText(model, f, e));
      left = right;
    }
    *y += pitch;
    if (e + 1 < table.first + table.count && *y + 2 * pitch > dc.GetDeviceCaps(gdi::VERTRES)) {
      dc.EndPage();
      dc.StartPage();
      *y = font.gap + 2 * pitch;
      FieldTableHeader(dc, charW, sheet.x, *y, pitch, table);
      *y += table.headerLines * pitch;
    }
  }
}
