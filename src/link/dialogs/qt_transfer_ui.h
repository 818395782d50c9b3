// The dialog side of a radio transfer on the window layer: the message lines,
// block line and progress bar of a link dialog, its boxes and beeps, the Esc
// check with the transfer-time input filter, and the prompts a transfer asks
// for. The clone and recover dialogs each own one.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "link/transfer_ui.h"
#include "ui/wnd/wnd_layer.h"

// The continue flag of the serial-number prompts: set by the Continue button
// of the clone and recover dialogs.
extern BYTE g_bContinue;

// The local message loop of a serial-number prompt: handles messages as usual
// until Enter is pressed (the key goes no further), the continue flag is set,
// or `closing` says the dialog is being closed.
void RunContinueLoop(const std::function<bool()>& closing);
// The serial-number prompt of a transfer dialog: shows the edit (holding
// `initial`) and the continue button, runs the loop above with the focus on
// the button, and hides both again. The caller reads the edit.
void RunSerialPrompt(CDialog& dialog, CWnd& edit, const std::string& initial, const std::function<bool()>& closing);

class CQtTransferUi : public TransferUi {
 public:
  // The dialog's lines are controls 1009, 1011 and 1019; `progress` is its bar.
  CQtTransferUi(CDialog& dialog, CProgressCtrl& progress);
  ~CQtTransferUi() override;

  // The radio password prompt; without one a protected radio is not read.
  void SetPasswordPrompt(std::function<std::optional<std::string>()> prompt) { m_passwordPrompt = std::move(prompt); }
  // The serial-number prompt of the dialog.
  void SetSerialPrompt(std::function<std::string(const std::string&)> prompt) { m_serialPrompt = std::move(prompt); }
  // True once the dialog has been asked to close. With abortWhenClosed the Esc
  // check then answers 1.
  void SetClosing(std::function<bool()> closing, bool abortWhenClosed) {
    m_closing = std::move(closing);
    m_abortWhenClosed = abortWhenClosed;
  }
  void SetPacing(IPacing* pacing) { m_pacing = pacing; }

  // Runs the transfer with the input filter in place: while it runs, input
  // other than Esc is dropped, paint goes on, and the status line says that
  // Esc cancels.
  int RunTransfer(const std::function<int()>& transfer);
  // Shows or hides the "Esc cancels" status line (hidden while Esc does not
  // cancel, as in the clone dialog's serial prompt).
  void ShowEscHint(bool show);
  // After a failed transfer whose reason stands on the message lines: shows
  // the lines in a box as well, so they are read before the dialog closes.
  // Does nothing after a failure that was shown in a box.
  void ShowFailureBox();
  void FailureOnLines() override { m_failureOnLines = true; }

  int CheckUserAbort() override;
  void MessageBox(const std::string& text, const std::string& caption) override;
  void SetMessageLine1(const std::string& text) override;
  void SetMessageLine2(const std::string& text) override;
  void SetBlockLine(const std::string& text) override;
  void SetProgressRange(int low, int high) override;
  void SetProgressPos(int pos) override;
  void MessageBeep() override;
  std::optional<std::string> AskRadioPassword() override;
  std::string AskSerialNumber(const std::string& initial) override;
  IPacing* Pacing() override { return m_pacing; }

 protected:
  CDialog& m_dialog;
  CProgressCtrl& m_progress;

 private:
  std::unique_ptr<CTransferInputFilter> m_filter;
  std::function<std::optional<std::string>()> m_passwordPrompt;
  std::function<std::string(const std::string&)> m_serialPrompt;
  std::function<bool()> m_closing;
  bool m_abortWhenClosed = false;
  bool m_failureOnLines = false;
  static constexpr std::chrono::milliseconds kLookInterval{100};
  std::chrono::steady_clock::time_point m_lastLook;  // the Esc check's last look at the events
  IPacing* m_pacing = nullptr;
};
