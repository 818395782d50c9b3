#include "res/page_five_tone.h"

#include "res/template_common.h"
#include "ui/table_control/flex_grid.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

const DialogTemplate& FiveTonePageTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    DialogTemplate d = PageTemplate(IDD_FIVE_TONE_PAGE);
    // The grid takes the page but for the row of buttons; the page grows and
    // shrinks with the tab, and the grid with it. The page keeps the full page
    // size: never smaller than the page scrolling is measured against, it gets
    // no scroll bars of its own (its grid scrolls).
    const int width = d.cx;
    const int height = d.cy;
    d.items = {
        Control("", IDC_FT_TONE_GRID, kFlexGridClass, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 4, 4, width - 8,
                height - 26),
        PushButton("Common/System", IDC_FT_COMMON_SYSTEM, 4, height - 18, 70, 14),
        PushButton("Encode/Decode", IDC_FT_ENCODE_DECODE, 80, height - 18, 70, 14),
        EditText(IDC_FT_CELL_EDIT, 0, 0, 40, 10, ES_AUTOHSCROLL, WS_VISIBLE | WS_TABSTOP),
    };
    return d;
  }();
  return t;
}

void RegisterFiveTonePageTemplate() {
  RegisterFlexGridControl();
  RegisterTemplatesOnce<&FiveTonePageTemplate>();
}
