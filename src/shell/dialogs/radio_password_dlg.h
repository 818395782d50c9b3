// The Password dialog: asks for the password of a password-protected radio.
#pragma once

#include <optional>
#include <string>

#include "res/dialogs_small.h"
#include "ui/cells/serial_edit.h"
#include "ui/wnd/wnd_layer.h"

class CRadioPasswordDlg : public CDialog {
 public:
  enum { IDD = IDD_RADIO_PASSWORD };
  static constexpr int kPasswordLength = 8;

  explicit CRadioPasswordDlg(CWnd* pParent = nullptr);

  // Set by every change of the edit: its text padded with blanks to eight
  // characters. Empty while nothing was typed.
  std::string m_strPassword;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  LRESULT OnSerialEditChange(WPARAM wParam, LPARAM lParam);

  CSerialEdit m_editPassword;

  DECLARE_MESSAGE_MAP()
};

// Runs the radio password prompt through the prompt service: the password
// text after OK, nothing after Cancel.
std::optional<std::string> AskRadioPassword(CWnd* pParent);
