// The sheet writer's fitting on small sheets of its own, each too wide or too
// tall for the paper in one way: what it draws must stay inside the printable
// area, on the pages it is laid out for, with no text over another or across
// a box's rule.
#include <gtest/gtest.h>

#include <QPageSize>
#include <QPrinter>

#include <functional>
#include <string>
#include <vector>

#include "test_print_layout.h"
#include "test_print_support.h"
#include "ui/print/sheet_writer.h"

using namespace print_test;

namespace {

std::string CellText(CEditModel&, int entity) { return "R" + std::to_string(entity + 1); }

// A field table of `count` columns, `total` character widths together.
std::vector<SheetField> FieldColumns(int count, int total) {
  std::vector<SheetField> columns;
  for (int c = 0; c < count; ++c) columns.push_back(TextColumn("Head", total / count, {&CellText, nullptr}));
  return columns;
}

void PrintFieldTable(CPrinterDC& dc, const SheetGeometry& g, const std::vector<SheetField>& columns) {
  SheetFieldTable table;
  table.columns = columns;
  table.count = 3;
  int y = g.gap + 2 * g.pitch;
  PrintSheetFieldTable(dc, g, &y, table);
}

// A table of three blocks, each half the paper wide, or of two blocks of
// `entries` / 2 lines.
void PrintBlocks(CPrinterDC& dc, const SheetGeometry& g, int blockStep, int entries, int blocks) {
  static constexpr SheetColumn kColumns[] = {{"No.", 0, 6}, {"Name", 6, 20}};
  PrintSheetTable(dc, g.charW, g.x, g.pitch, g.gap,
                  {"Blocks", kColumns, entries, blocks, blockStep, [](int e, int c) {
                     return c == 0 ? std::to_string(e + 1) : "N" + std::to_string(e + 1);
                   }});
}

struct Case {
  const char* name;
  // Draws the sheet on the page begun, in the 9-point sheet font.
  std::function<void(CPrinterDC& dc, const SheetGeometry& g, int width)> print;
  std::vector<std::string> texts;  // drawn among others
  int pages = 1;
};

TEST(SheetWriterFit, WideAndLongSheetsStayInsideThePaperAndClearOfEachOther) {
  EnsureQtApp();
  std::string wide;  // a boxed text about twice as wide as its box
  const Case cases[] = {
      {"a field table three times as wide as the paper",
       [](CPrinterDC& dc, const SheetGeometry& g, int width) {
         PrintFieldTable(dc, g, FieldColumns(6, 3 * width / g.charW));
       },
       {"R3"}},
      {"a field table that fits the paper only without its left margin",
       [](CPrinterDC& dc, const SheetGeometry& g, int width) {
         SheetGeometry indented = g;
         indented.x = width / 3;
         PrintFieldTable(dc, indented, FieldColumns(4, (width - indented.x / 2) / g.charW));
       },
       {"R3"}},
      {"a table of blocks half again as wide as the paper, from the margin",
       [](CPrinterDC& dc, const SheetGeometry& g, int width) { PrintBlocks(dc, g, width / g.charW / 2, 6, 3); },
       {"N6"}},
      {"a table of blocks half again as long as the page",
       [](CPrinterDC& dc, const SheetGeometry& g, int) {
         const int lines = 3 * (dc.GetDeviceCaps(gdi::VERTRES) / g.pitch) / 2;
         PrintBlocks(dc, g, 25, 2 * lines, 2);
       },
       {"N1"}},
      {"a boxed text twice as wide as its box",
       [&wide](CPrinterDC& dc, const SheetGeometry& g, int) {
         while (dc.GetTextWidth(wide) < 2 * 10 * g.charW) wide += 'W';
         const SheetRow rows[] = {Block(50), Line("Tag", Fixed(wide, 20, 30), Fixed("next", 30, 40))};
         PrintSheetRows(dc, g.charW, g.x, g.pitch, g.gap, rows, [](int) { return std::string(); });
       },
       {"Tag", "next"}},
      {"a label longer than the gap before its box",
       [](CPrinterDC& dc, const SheetGeometry& g, int) {
         const SheetRow rows[] = {Block(50), Line("A label of many words", Fixed("value", 26, 40)).LabelAt(20)};
         PrintSheetRows(dc, g.charW, g.x, g.pitch, g.gap, rows, [](int) { return std::string(); });
       },
       {"A label of many words", "value"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir tmp;
    auto dc = CPrinterDC::CreatePdf(tmp.File("sheet.pdf"), 600);
    dc->Printer().setPageSize(QPageSize(QPageSize::A4));
    gdi::FontSpec font;
    font.pointTenths = 90;
    dc->SelectFont(font);
    const int width = dc->GetDeviceCaps(gdi::HORZRES);
    const SheetGeometry g = SheetGeometryOf(dc->GetTextMetrics());
    std::vector<DrawnItem> drawn;
    CPrinterDC::SetDrawingLog(&drawn);
    dc->StartDoc();
    dc->StartPage();
    c.print(*dc, g, width);
    dc->EndDoc();
    CPrinterDC::SetDrawingLog(nullptr);

    for (const std::string& text : c.texts) {
      EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [&](const DrawnItem& d) { return d.text == text; }))
          << text;
    }
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().page, c.pages);
    for (const std::string& fault :
         LayoutFaults(drawn, width, dc->GetDeviceCaps(gdi::VERTRES), dc->GetDeviceCaps(gdi::LOGPIXELSX) / 100)) {
      ADD_FAILURE() << fault;
    }
  }
}

}  // namespace
