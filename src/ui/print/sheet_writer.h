// What every parameter sheet draws with.
#pragma once

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

