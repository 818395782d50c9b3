#include "res/main_dialog.h"

#include <map>

#include "ui/wnd/dlg_template.h"
#include "ui/wnd/ext/common_controls.h"
#include "ui/wnd/ext/menu.h"
#include "ui/wnd/message_loop.h"

const DialogTemplate& MainDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = [] {
    DialogTemplate d;
    d.id = IDD_MAIN;
    d.caption = "PX417";
    d.cx = 394;
    d.cy = 357;
    d.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
              WS_CLIPCHILDREN | DS_SETFONT;
    d.font = DlgFont{7, "MS Sans Serif", 400};
    d.items = {
        LText("ESN", IDC_STATIC, 8, 4, 16, 8),
        EditText(IDC_ESN_EDIT, 26, 2, 56, 12, ES_READONLY | ES_AUTOHSCROLL),
        LText("", IDC_MODEL_LABEL, 92, 4, 110, 8),
        LText("", IDC_FILE_LABEL, 210, 2, 176, 8),
        LText("Serial No.", IDC_STATIC, 210, 14, 36, 8),
        EditText(IDC_SERIAL_EDIT, 248, 12, 52, 12, ES_UPPERCASE | ES_AUTOHSCROLL),
        Control("", IDC_MAIN_TAB, WC_TABCONTROL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, 5, 29, 380,
                322),
    };
    return d;
  }();
  return t;
}

const DialogTemplate& AboutDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = [] {
    DialogTemplate d;
    d.id = IDD_ABOUT;
    d.caption = "About PX417";
    d.cx = 235;
    d.cy = 110;
    d.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    d.font = DlgFont{8, "MS Sans Serif", 400};
    d.items = {
        LText("PX417 ", IDC_ABOUT_TITLE, 12, 10, 210, 20, SS_NOPREFIX),
        LText("TQ-5100 PassPort Programming Software", IDC_ABOUT_SUBTITLE, 12, 34, 210, 14, SS_NOPREFIX),
        LText("Dealer programming and alignment tool", IDC_STATIC, 12, 54, 210, 8, SS_NOPREFIX),
        LText("for the TQ-5100 land-mobile radio (VHF and UHF)", IDC_STATIC, 12, 64, 210, 8, SS_NOPREFIX),
        DefPushButton("OK", IDOK, 92, 88, 50, 14, WS_GROUP),
    };
    return d;
  }();
  return t;
}

std::string LoadResString(UINT id) {
  static const std::map<UINT, std::string> table = {
      {IDS_ABOUTBOX, "&About PX417..."},
      {AFX_IDP_ASK_TO_SAVE, "Save changes to %1?"},
  };
  const auto it = table.find(id);
  return it == table.end() ? std::string() : it->second;
}

namespace {

MenuTemplate MainMenu() {
  using namespace mnu;
  MenuTemplate m;
  m.id = IDR_MAIN_MENU;
  m.items = {
      Popup("&Files", {Item("&Open File", ID_FILE_OPEN_X), Item("&Save File", ID_FILE_SAVE_X), Separator(),
                       Item("&Configure", ID_FILE_CONFIGURE), Separator(), Item("&Exit", ID_FILE_EXIT)}),
      Popup("&Radio", {Item("&Read from Radio", ID_RADIO_READ), Item("&Send to Radio", ID_RADIO_SEND), Separator(),
                       Item("&Alignment", ID_RADIO_ALIGNMENT), Item("Adjustment Recover", ID_RADIO_RECOVER)}),
      Popup("&Page", {Item("Global&1", ID_PAGE_GLOBAL1), Item("Global&2", ID_PAGE_GLOBAL2),
                      Item("&Mobile Special", ID_PAGE_MOBILE_SPECIAL), Item("&Key Assignment", ID_PAGE_KEY_ASSIGN),
                      Item("&ZONE", ID_PAGE_ZONE), Item("Sel &Call", ID_PAGE_SEL_CALL, MF_GRAYED),
                      Item("&Seed channel", ID_PAGE_SEED, MF_GRAYED), Item("&DTMF ANI", ID_PAGE_DTMF),
                      Item("&5-Tone", ID_PAGE_FIVE_TONE, MF_GRAYED)}),
      Popup("&Print", {Item("&Global", ID_PRINT_GLOBAL), Item("&Zone", ID_PRINT_ZONE), Item("&DTMF", ID_PRINT_DTMF),
                       Item("&Key", ID_PRINT_KEY),
                       Item("&5-Tone Common/System", ID_PRINT_FIVE_TONE_COMMON, MF_GRAYED),
                       Item("5-Tone Encode/Decode", ID_PRINT_FIVE_TONE_CODES, MF_GRAYED),
                       Item("S&eed channel", ID_PRINT_SEED, MF_GRAYED),
                       Item("&Sel Call", ID_PRINT_SEL_CALL, MF_GRAYED)}),
      Popup("&Help", {Item("&Help Topics", ID_HELP_TOPICS), Item("&Get Started", ID_HELP_GET_STARTED), Separator(),
                      Item("&About PX417...", ID_HELP_ABOUT)}),
  };
  return m;
}

}  // namespace

void RegisterMainDialogResources() {
  static const bool done = [] {
    RegisterDialogTemplate(MainDialogTemplate());
    RegisterDialogTemplate(AboutDialogTemplate());
    RegisterMenuTemplate(MainMenu());
    // Shift+F9: the memory editor.
    LoadPageAccelerator();
    return true;
  }();
  (void)done;
}
