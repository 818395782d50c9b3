#include "res/dialogs_small.h"

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

const DialogTemplate& ConfigDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = ModalTemplate(
      IDD_CONFIG, "Configuration", 179, 93,
      {
          LText("Select COM Port", IDC_COM_CAPTION, 20, 14, 70, 8),
          // Wide enough for a port and its device: "COM 16   /dev/ttyUSB15".
          ComboBox(IDC_COM_LIST, 20, 26, 139, 120, CBS_DROPDOWNLIST | WS_VSCROLL),
          // Left over from an earlier design: nothing shows or reads them.
          GroupBox("COM Port", IDC_COM_GROUP, 104, 8, 62, 56, 0, WS_VISIBLE),
          AutoRadioButton("COM &1", IDC_COM_RADIO1, 112, 19, 44, 10, WS_GROUP | WS_TABSTOP, WS_VISIBLE),
          AutoRadioButton("COM &2", IDC_COM_RADIO2, 112, 30, 44, 10, 0, WS_VISIBLE),
          AutoRadioButton("COM &3", IDC_COM_RADIO3, 112, 41, 44, 10, 0, WS_VISIBLE),
          AutoRadioButton("COM &4", IDC_COM_RADIO4, 112, 52, 44, 10, 0, WS_VISIBLE),
          DefPushButton("OK", IDOK, 30, 70, 50, 14),
          PushButton("Cancel", IDCANCEL, 99, 70, 50, 14),
      });
  return t;
}

const DialogTemplate& HelpDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = ModalTemplate(
      IDD_HELP, "HELP", 270, 197,
      {
          EditText(IDC_HELP_TEXT, 7, 7, 256, 163, ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL),
          DefPushButton("OK", IDOK, 110, 176, 50, 14),
          PushButton("Cancel", IDCANCEL, 213, 176, 50, 14, 0, WS_VISIBLE),
      });
  return t;
}

const DialogTemplate& PasswordDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = ModalTemplate(
      IDD_PASSWORD, "PASSWORD", 170, 93,
      {
          LText("Enter password", IDC_STATIC, 25, 16, 120, 8),
          EditText(IDC_PASSWORD_EDIT, 25, 30, 120, 14, ES_PASSWORD | ES_AUTOHSCROLL),
          DefPushButton("OK", IDOK, 25, 64, 50, 14),
          PushButton("Cancel", IDCANCEL, 95, 64, 50, 14),
      });
  return t;
}

const DialogTemplate& RadioPasswordDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = ModalTemplate(
      IDD_RADIO_PASSWORD, "Password", 155, 70,
      {
          LText("Detected Password protection!!", IDC_STATIC, 12, 7, 131, 8),
          LText("Please enter your Password.", IDC_STATIC, 12, 18, 131, 8),
          EditText(IDC_RADIO_PASSWORD_EDIT, 12, 30, 80, 12, ES_PASSWORD | ES_UPPERCASE | ES_AUTOHSCROLL),
          DefPushButton("OK", IDOK, 18, 50, 50, 14),
          PushButton("Cancel", IDCANCEL, 87, 50, 50, 14),
      });
  return t;
}

const DialogTemplate& SystemCopyDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = ModalTemplate(
      IDD_SYSTEM_COPY, "System Data Copy", 187, 93,
      {
          LText("Source", IDC_COPY_SOURCE_CAPTION, 20, 14, 60, 8),
          LText("", IDC_COPY_SOURCE_TEXT, 20, 28, 60, 12, SS_SUNKEN | SS_CENTERIMAGE),
          LText("Destination", IDC_COPY_DEST_CAPTION, 104, 14, 60, 8),
          ComboBox(IDC_COPY_DEST_LIST, 104, 27, 60, 120, CBS_DROPDOWN | WS_VSCROLL),
          DefPushButton("OK", IDOK, 33, 68, 50, 14),
          PushButton("Cancel", IDCANCEL, 104, 68, 50, 14),
      });
  return t;
}

void RegisterSmallDialogTemplates() {
  RegisterTemplatesOnce<&ConfigDialogTemplate, &HelpDialogTemplate, &PasswordDialogTemplate, &RadioPasswordDialogTemplate, &SystemCopyDialogTemplate>();
}
