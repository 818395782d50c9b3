#include "res/dialogs_rom_edit.h"

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

const DialogTemplate& RomEditDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = [] {
    DialogTemplate d;
    d.id = IDD_ROM_EDIT;
    d.caption = "PX280 ROM EDIT";
    d.cx = 330;
    d.cy = 210;
    // Modeless beside the main window; its owner shows it.
    d.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT;
    d.font = DialogFont();
    d.items = {
        LText("          00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F", IDC_ROM_COLUMN_HEADER, 7, 8, 264, 8,
              SS_NOPREFIX),
        EditText(IDC_ROM_DUMP, 12, 18, 259, 100, ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL),
        LText("Block No.", IDC_STATIC, 278, 8, 45, 8),
        EditText(IDC_ROM_BLOCK_NUMBER, 278, 18, 45, 12, ES_READONLY),
        PushButton("TOP", IDC_ROM_TOP, 278, 40, 45, 14),
        PushButton("UP", IDC_ROM_UP, 278, 58, 45, 14),
        PushButton("DOWN", IDC_ROM_DOWN, 278, 76, 45, 14),
        PushButton("BOTTOM", IDC_ROM_BOTTOM, 278, 94, 45, 14),
        PushButton("Read from Radio", IDC_ROM_READ, 7, 146, 80, 14),
        PushButton("Send to Radio", IDC_ROM_SEND, 95, 146, 80, 14),
        PushButton("FILE LOAD", IDC_ROM_FILE_LOAD, 7, 168, 80, 14),
        PushButton("FILE SAVE", IDC_ROM_FILE_SAVE, 95, 168, 80, 14),
        PushButton("CLOSE", IDCANCEL, 278, 188, 45, 14),
        PushButton("CLOSE", IDOK, 278, 168, 45, 14, 0, WS_VISIBLE),
    };
    return d;
  }();
  return t;
}

void RegisterRomEditDialogTemplate() {
  RegisterTemplatesOnce<&RomEditDialogTemplate>();
}
