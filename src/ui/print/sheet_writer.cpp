#include "ui/print/sheet_writer.h"

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

