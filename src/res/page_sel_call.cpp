#include "res/page_sel_call.h"

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/ext/tab_ctrl.h"

using namespace res_detail;

const DialogTemplate& SelCallPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    DialogTemplate d = PageTemplate(IDD_SEL_CALL);
    auto& items = d.items;
    items.push_back(Control("", IDC_SC_TAB, WC_TABCONTROL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, 0, 0,
                            355, 290));
    // The rows stand on the tab control's page, below the tabs.
    constexpr int x = 10, y = 20;
    constexpr DWORD kHead = WS_BORDER;
    items.push_back(CText("Zone", IDC_SC_HEAD_ZONE, x + 19, y, 45, 11, kHead));
    items.push_back(CText("Alias", IDC_SC_HEAD_ALIAS, x + 68, y, 45, 11, kHead));
    items.push_back(CText("Target MIN", IDC_SC_HEAD_TARGET, x + 115, y, 45, 11, kHead));
    for (int r = 0; r < kSelCallPageRows; ++r) {
      const int top = y + 12 + 12 * r;
      // The page writes the captions: they follow the block shown.
      items.push_back(CText("", IDC_SC_CAPTION[r], x, top + 1, 17, 11, WS_BORDER));
      items.push_back(CText("", IDC_SC_ZONE[r], x + 19, top, 45, 12, SS_NOTIFY | WS_BORDER | WS_TABSTOP));
      items.push_back(EditText(IDC_SC_ALIAS[r], x + 68, top, 45, 12, ES_AUTOHSCROLL | ES_UPPERCASE | WS_TABSTOP));
      items.push_back(EditText(IDC_SC_TARGET[r], x + 115, top, 45, 12, ES_AUTOHSCROLL | WS_TABSTOP));
    }
    items.push_back(ListBox(IDC_SC_CHOOSER, x + 64, y + 12, 50, 60, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
                            WS_VISIBLE));
    return d;
  }();
  return t;
}

void RegisterSelCallTemplate() { RegisterTemplatesOnce<&SelCallPageTemplate>(); }
