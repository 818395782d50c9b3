#include "res/page_sel_call.h"

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/ext/tab_ctrl.h"

using namespace res_detail;

const DialogTemplate& SelCallFrameTemplate() {
  static const DialogTemplate t = [] {
    DialogTemplate d = PageTemplate(IDD_SEL_CALL);
    d.items.push_back(dlg::Control("", IDC_SC_TAB, WC_TABCONTROL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN,
                                   0, 0, 355, 290));
    return d;
  }();
  return t;
}

const DialogTemplate& SelCallListTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    // A page of its own inside the frame's tab control, below the tabs.
    DialogTemplate d = PageTemplate(IDD_SEL_CALL_LIST);
    d.x = 10;
    d.y = 20;
    d.cx = 340;
    d.cy = 261;
    d.style |= WS_VISIBLE;
    auto& items = d.items;
    constexpr DWORD kHead = WS_BORDER;
    items.push_back(CText("Zone", IDC_SC_HEAD_ZONE, 19, 0, 45, 11, kHead));
    items.push_back(CText("Alias", IDC_SC_HEAD_ALIAS, 68, 0, 45, 11, kHead));
    items.push_back(CText("Target MIN", IDC_SC_HEAD_TARGET, 115, 0, 45, 11, kHead));
    for (int r = 0; r < kSelCallPageRows; ++r) {
      const int y = 12 + 12 * r;
      // The page writes the captions: they follow the block shown.
      items.push_back(CText("", IDC_SC_CAPTION[r], 0, y + 1, 17, 11, WS_BORDER));
      items.push_back(CText("", IDC_SC_ZONE[r], 19, y, 45, 12, SS_NOTIFY | WS_BORDER | WS_TABSTOP));
      items.push_back(EditText(IDC_SC_ALIAS[r], 68, y, 45, 12, ES_AUTOHSCROLL | ES_UPPERCASE | WS_TABSTOP));
      items.push_back(EditText(IDC_SC_TARGET[r], 115, y, 45, 12, ES_AUTOHSCROLL | WS_TABSTOP));
    }
    items.push_back(ListBox(IDC_SC_CHOOSER, 64, 12, 50, 60, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
                            WS_VISIBLE));
    return d;
  }();
  return t;
}

void RegisterSelCallTemplates() { RegisterTemplatesOnce<&SelCallFrameTemplate, &SelCallListTemplate>(); }
