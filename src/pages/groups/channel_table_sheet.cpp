// The channel table sheet: the Default Split, an empty line, then a row for
// every channel in use (its own number, the frequencies, the spacing), in a
// left and a right block on each page under the overflow rule, each block
// headed by the column row. It reads only the channel records and the split.
#include <vector>

#include "model/channel_model.h"
#include "model/edit_model.h"
#include "pages/groups/channel_table_page.h"
#include "ui/print/sheet_writer.h"

namespace {

constexpr SheetColumn kSplitRow[] = {{"Default Split", 0, 18}, {"", 18, 36}};
constexpr SheetColumn kColumns[] = {{"Ch.", 0, 13}, {"RX Freq.", 13, 31}, {"TX Freq.", 31, 49}, {"ch Space", 49, 62}};
constexpr int kWidth = kSecondBlockColumn + 62;  // both blocks, in character widths

}  // namespace

void PrintChannelTableSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  const std::vector<ChannelSheetLine> lines = ChannelSheetLines(TheModel());
  charW = FitColumnWidth(dc, charW, x, kWidth);
  dc.StartPage();
  const gdi::PenSpec oldPen = dc.SelectPen(gdi::PenSpec{gdi::PS_SOLID, 4, 0});
  const int oldMode = dc.SetBkMode(gdi::TRANSPARENT);
  const int top = gap + 4 * pitch;
  PrintSheetCells(dc, charW, x, gap + 2 * pitch, pitch, kSplitRow,
                  [](int c) { return c == 0 ? std::string(kSplitRow[0].header) : SplitText(TheModel()); });
  PrintSheetList(dc, charW, x, pitch, top, top,
                 {kColumns, static_cast<int>(lines.size()), [&lines](int entry, int c) {
                    const ChannelSheetLine& l = lines[static_cast<std::size_t>(entry)];
                    return c == 0 ? l.number : c == 1 ? l.rx : c == 2 ? l.tx : l.space;
                  }});
  dc.SetBkMode(oldMode);
  dc.SelectPen(oldPen);
}
