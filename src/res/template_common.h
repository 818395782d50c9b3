// What the resource files share when they build and register their templates.
// Not for use outside src/res.
#pragma once

#include <vector>

#include "ui/wnd/dlg_template.h"

namespace res_detail {

// The program's dialog font.
DlgFont DialogFont();
// A modal dialog box with a caption and the dialog font.
DialogTemplate ModalTemplate(UINT id, const char* caption, int cx, int cy, std::vector<DlgItemTemplate> items);
// A page of the main dialog's tab control, at its place below the tabs; the caller adds the controls.
DialogTemplate PageTemplate(UINT id);

// Hands the templates to the window layer the first time; later calls do nothing.
template <const DialogTemplate& (*... Templates)()>
void RegisterTemplatesOnce() {
  static const bool registered = ((RegisterDialogTemplate(Templates()), ...), true);
  (void)registered;
}

}  // namespace res_detail
