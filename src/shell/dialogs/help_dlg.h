// The HELP dialog: the built-in getting-started text.
#pragma once

#include <string>

#include "res/dialogs_small.h"
#include "ui/wnd/wnd_layer.h"

class CHelpDlg : public CDialog {
 public:
  enum { IDD = IDD_HELP };

  explicit CHelpDlg(CWnd* pParent = nullptr);

  // The text shown: its lines joined with CR LF.
  static std::string GetStartedText();

 protected:
  BOOL OnInitDialog() override;
};
