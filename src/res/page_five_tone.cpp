#include "res/page_five_tone.h"

#include "res/template_common.h"
#include "ui/grid/flex_grid.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

const DialogTemplate& FiveTonePageTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    DialogTemplate d = PageTemplate(IDD_FIVE_TONE_PAGE);
    d.items = {
        Control("", IDC_FT_TONE_GRID, kFlexGridClass, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 4, 4, 310, 204),
        PushButton("Common/System", IDC_FT_COMMON_SYSTEM, 4, 214, 70, 14),
        PushButton("Encode/Decode", IDC_FT_ENCODE_DECODE, 80, 214, 70, 14),
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
