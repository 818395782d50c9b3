// CBlankPage: a page with no controls and nothing to edit (dialog 158). It
// keys like every page: Enter and Esc swallowed, F1 to F7 left to the main
// dialog, Shift+F9 handed on to the main dialog's memory editor.
#pragma once

#include "res/page_blank.h"
#include "ui/page/page_pattern.h"

class CBlankPage : public CDialog {
 public:
  enum { IDD = IDD_BLANK_PAGE };
  CBlankPage();

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnRomEditor();
  DECLARE_MESSAGE_MAP()

 private:
  HACCEL m_hAccel = nullptr;
};
