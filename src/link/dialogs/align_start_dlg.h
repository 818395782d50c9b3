// The entry dialog of a factory alignment run (IDD 105) and its welcome
// dialog (IDD 106). The entry dialog shows itself, then from its first timer
// tick brings the radio into alignment mode, checks it, shows the welcome
// dialog and uploads the alignment data (CAlignStart does the work). The
// object must live until the alignment window has closed: its destruction
// closes the serial port.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "link/align_start.h"
#include "res/dialogs_align.h"
#include "ui/wnd/ext/ext_layer.h"
#include "ui/wnd/wnd_layer.h"

class CTransferInputFilter;

class CAlignWelcomeDlg : public CDialog {
 public:
  enum { IDD = IDD_ALIGN_WELCOME };
  CAlignWelcomeDlg(std::string text, CWnd* pParent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void OnStart();

  DECLARE_MESSAGE_MAP()

 private:
  std::string m_text;
  CFont m_tableFont;
};

class CAlignStartDlg : public CDialog, public IAlignStartUi {
 public:
  enum { IDD = IDD_ALIGN_START };
  static constexpr UINT_PTR kStartTimer = 1;
  static constexpr UINT kStartDelayMs = 100;

  // The radio password prompt (CRadioPasswordDlg run by the program): the
  // text typed after OK, nothing after Cancel.
  using PasswordPrompt = std::function<std::optional<std::string>(CWnd* pParent)>;

  CAlignStartDlg(CComPort& port, AlignRunState& run, int comIndex, PasswordPrompt askPassword,
                 CWnd* pParent = nullptr);
  ~CAlignStartDlg() override;

  CProgressCtrl m_progress;

  // IAlignStartUi
  int CheckUserAbort() override;
  void MessageBox(const std::string& text, const std::string& caption) override;
  void SetLineText(AlignLine line, const std::string& text) override;
  void ShowOk(bool show) override;
  void FocusOk() override;
  void SetProgressRange(int low, int high) override;
  void SetProgressPos(int pos) override;
  void MessageBeep() override;
  void EndDialog(int result) override;
  std::optional<std::string> AskRadioPassword() override;
  bool RunWelcomeDialog(const std::string& text) override;

  // The status the handshake ended with (nothing before the first tick).
  std::optional<int> LastStatus() const { return m_lastStatus; }

 protected:
  void ShowDlgItem(int id, bool show);
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void OnTimer(UINT_PTR nIDEvent);
  void OnOkButton();

  DECLARE_MESSAGE_MAP()

 private:
  AlignRunState& m_run;
  PasswordPrompt m_askPassword;
  CAlignStart m_start;
  CTransferInputFilter* m_filter = nullptr;  // while the link works inside a tick
  std::optional<int> m_lastStatus;
};
