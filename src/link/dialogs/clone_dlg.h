// The clone dialog: the small modal dialog in which a read from the radio or
// a send to the radio runs. Start arms a 100 ms timer whose tick runs the whole
// transfer; the dialog then shows the result. In "-s" mode a finished send
// offers Next Radio; opened from the memory editor a send can be limited to
// one block.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "link/dialogs/qt_transfer_ui.h"
#include "link/transfer_ui.h"
#include "model/edit_model.h"
#include "res/dialogs_link.h"
#include "ui/cells/filter_edit.h"
#include "ui/wnd/wnd_layer.h"

// Set to 1 by the clone dialog when a read or a send has completed. The main
// window clears it before a read and tests it afterwards.
extern BYTE g_bTransferDone;

class CCloneDlg : public CDialog {
 public:
  enum { IDD = IDD_CLONE };
  enum { kModeSend = 0, kModeRead = 1 };

  // The transfer works on `model` with the memory map and modes of `settings`
  // (filled by the caller from the program configuration and command line).
  CCloneDlg(CEditModel& model, const TransferSettings& settings, CWnd* pParent = nullptr);
  ~CCloneDlg() override;

  // 1 reads from the radio, any other value sends to it. Called before DoModal.
  void SetMode(int nMode) { m_nMode = nMode; }
  int GetMode() const { return m_nMode; }
  // The port the transfer uses; TheComPort() unless set.
  void SetPort(CComPort& port) { m_pPort = &port; }
  // The transfer's pauses; the port's own pacing unless set.
  void SetPacing(IPacing* pacing) { m_ui.SetPacing(pacing); }
  // The radio password prompt for a protected radio.
  void SetPasswordPrompt(std::function<std::optional<std::string>()> prompt) {
    m_ui.SetPasswordPrompt(std::move(prompt));
  }

  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnTimer(UINT_PTR nIDEvent);
  void OnStart();
  void OnOneBlock();
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnOkButton();
  void OnNextRadio();
  void OnContinue();
  // The "-s" serial prompt: edit 1129 (four digits) and Continue.
  std::string AskSerialNumber(const std::string& initial);

  CFilterEdit m_editSerial;
  CProgressCtrl m_progress;
  int m_nMode = kModeSend;
  int m_bOneBlock = 0;

  DECLARE_MESSAGE_MAP()

 private:
  int RunTransfer();

  CEditModel& m_model;
  TransferSettings m_settings;
  CComPort* m_pPort;
  CQtTransferUi m_ui;
  bool m_bCloseRequested = false;
};
