// No caption of any dialog box of the program (the main dialog, the small
// dialogs, the link's and the alignment dialogs, also the captions they show
// only later) is wider than its control in the font the dialog is drawn in.
// The pages are checked as they are shown, with the captions they set
// themselves (test_main_dlg_pages_fit.cpp).
#include <gtest/gtest.h>

#include "res/dialogs_align.h"
#include "res/dialogs_link.h"
#include "res/dialogs_rom_edit.h"
#include "res/dialogs_small.h"
#include "res/main_dialog.h"
#include "ui/test_fit_support.h"
#include "ui/ui_test_support.h"

namespace {

TEST(CaptionsFit, NoCaptionOfAnyDialogTemplateIsWiderThanItsControl) {
  ui_test::EnsureApp();
  RegisterMainDialogResources();
  RegisterSmallDialogTemplates();
  RegisterLinkDialogTemplates();
  RegisterRomEditDialogTemplate();
  RegisterAlignDialogTemplates();

  std::vector<std::string> cut;
  int checked = 0;
  for (const UINT id : RegisteredDialogTemplateIds()) {
    const DialogTemplate* t = FindDialogTemplate(id);
    ASSERT_NE(t, nullptr);
    if (t->style & WS_CHILD) continue;  // a page
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t, nullptr)) << id;
    for (std::string& line : fit_test::CutCaptions(dlg.GetSafeHwnd(), "dialog " + std::to_string(id))) {
      cut.push_back(std::move(line));
    }
    dlg.DestroyWindow();
    ++checked;
  }
  EXPECT_GE(checked, 12);
  std::string all;
  for (const std::string& line : cut) all += line + "\n";
  EXPECT_TRUE(cut.empty()) << all;
}

}  // namespace
