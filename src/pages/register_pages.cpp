#include "pages/register_pages.h"

#include "pages/settings/global1_page.h"
#include "pages/settings/global2_page.h"
#include "ui/page/page_registry.h"
#include "ui/print/sheet_registry.h"

void RegisterPagesAndSheets() {
  RegisterGlobal1Page(RegisterPage);
  RegisterGlobal2Page(RegisterPage);
  RegisterSheetRoutine(kSheetGlobal, [](CPrinterDC& dc, int charW, int x, int pitch, int gap) {
    PrintGlobal1Sheet(&dc, charW, x, pitch, gap);
  }, kPartGlobal1);
  RegisterSheetRoutine(kSheetGlobal, [](CPrinterDC& dc, int charW, int x, int pitch, int gap) {
    PrintGlobal2Sheet(&dc, charW, x, pitch, gap);
  }, kPartGlobal2);
}
