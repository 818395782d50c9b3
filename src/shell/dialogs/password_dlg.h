// The PASSWORD dialog: asks for the access code of a privileged mode.
#pragma once

#include <string>

#include "res/dialogs_small.h"
#include "shell/command_line.h"
#include "ui/wnd/wnd_layer.h"

class CPasswordDlg : public CDialog {
 public:
  enum { IDD = IDD_PASSWORD };

  explicit CPasswordDlg(CWnd* pParent = nullptr);

  // The typed text, after OK.
  std::string m_strPassword;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

// Runs the access-code prompt through the prompt service and compares the
// typed text with the mode's code: 0 on a match, -1 otherwise (also after Cancel).
int AskAccessCode(AccessMode mode, CWnd* pParent);
