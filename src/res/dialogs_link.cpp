#include "res/dialogs_link.h"

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/ext/common_controls.h"

using namespace res_detail;

namespace {

DlgItemTemplate ProgressBar(int x, int y, int cx, int cy, DWORD remove = 0) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER;
  style &= ~remove;
  return dlg::Control("", IDC_LINK_PROGRESS, PROGRESS_CLASS, style, x, y, cx, cy);
}

}  // namespace

const DialogTemplate& CloneDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = ModalTemplate(
      IDD_CLONE, "PX417", 187, 105,
      {
          CText("", IDC_LINK_HEADING, 10, 6, 167, 10),
          LText("", IDC_LINK_LINE1, 10, 20, 167, 8),
          LText("", IDC_LINK_LINE2, 10, 30, 167, 8),
          ProgressBar(10, 42, 167, 10),
          LText("", IDC_LINK_BLOCK, 10, 56, 95, 8),
          LText("", IDC_CLONE_ESN, 108, 56, 69, 8),
          AutoCheckBox("only one block", IDC_CLONE_ONE_BLOCK, 10, 68, 68, 10, WS_TABSTOP, WS_VISIBLE),
          EditText(IDC_CLONE_BLOCK_NUMBER, 80, 67, 30, 12, ES_AUTOHSCROLL, WS_VISIBLE),
          LText("", IDC_CLONE_BLOCK_RANGE, 114, 69, 60, 8, 0, WS_VISIBLE),
          EditText(IDC_LINK_SERIAL, 80, 67, 40, 12, ES_AUTOHSCROLL, WS_VISIBLE),
          CText("", IDC_LINK_STATUS, 10, 88, 167, 8, 0, WS_VISIBLE),  // where Start and Cancel were
          PushButton("Start", IDC_LINK_START, 30, 84, 50, 14),
          PushButton("Cancel", IDCANCEL, 107, 84, 50, 14),
          DefPushButton("OK", IDC_LINK_OK, 30, 84, 50, 14, 0, WS_VISIBLE),
          PushButton("Next Radio", IDC_CLONE_NEXT_RADIO, 107, 84, 50, 14, 0, WS_VISIBLE),
          PushButton("Continue", IDC_LINK_CONTINUE, 127, 66, 50, 14, 0, WS_VISIBLE),
      });
  return t;
}

const DialogTemplate& RecoverDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = ModalTemplate(
      IDD_RECOVER, "PX417", 187, 105,
      {
          CText("", IDC_LINK_HEADING, 10, 6, 167, 10),
          LText("", IDC_LINK_LINE1, 10, 20, 167, 8),
          LText("", IDC_LINK_LINE2, 10, 30, 167, 8),
          ProgressBar(10, 42, 167, 10, WS_VISIBLE),
          LText("", IDC_LINK_BLOCK, 10, 56, 120, 8, 0, WS_VISIBLE),
          EditText(IDC_LINK_SERIAL, 10, 67, 60, 12, ES_AUTOHSCROLL, WS_VISIBLE),
          CText("", IDC_LINK_STATUS, 10, 88, 167, 8, 0, WS_VISIBLE),  // where Start and Cancel were
          PushButton("Start", IDC_LINK_START, 30, 84, 50, 14),
          PushButton("Cancel", IDCANCEL, 107, 84, 50, 14),
          DefPushButton("OK", IDC_LINK_OK, 30, 84, 50, 14, 0, WS_VISIBLE),
          PushButton("Continue", IDC_LINK_CONTINUE, 127, 66, 50, 14, 0, WS_VISIBLE),
      });
  return t;
}

void RegisterLinkDialogTemplates() {
  RegisterTemplatesOnce<&CloneDialogTemplate, &RecoverDialogTemplate>();
}
