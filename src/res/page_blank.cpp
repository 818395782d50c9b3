#include "res/page_blank.h"

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

const DialogTemplate& BlankPageTemplate() {
  static const DialogTemplate t = [] {
    DialogTemplate d = res_detail::PageTemplate(IDD_BLANK_PAGE);
    d.cx = 365;
    d.cy = 300;
    return d;
  }();
  return t;
}

void RegisterBlankPageTemplate() { res_detail::RegisterTemplatesOnce<&BlankPageTemplate>(); }
