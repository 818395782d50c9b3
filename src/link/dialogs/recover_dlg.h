// Adjustment Recover: Start arms a 100 ms timer whose tick reads the radio's
// identity words and adjustment block and runs the repair they call for.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "link/dialogs/qt_transfer_ui.h"
#include "link/transfer_ui.h"
#include "model/edit_model.h"
#include "res/dialogs_link.h"
#include "ui/cells/serial_edit.h"
#include "ui/wnd/wnd_layer.h"

class CRecoverDlg : public CDialog {
 public:
  enum { IDD = IDD_RECOVER };

  // The repair works on `model` with the memory map of `settings`.
  CRecoverDlg(CEditModel& model, const TransferSettings& settings, CWnd* pParent = nullptr);
  ~CRecoverDlg() override;

  // The port the repair uses; TheComPort() unless set.
  void SetPort(CComPort& port) { m_pPort = &port; }
  // The repair's pauses; the port's own pacing unless set.
  void SetPacing(IPacing* pacing) { m_ui->SetPacing(pacing); }

  BOOL OnInitDialog() override;
  void OnCancel() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnTimer(UINT_PTR nIDEvent);
  void OnStart();
  void OnOkButton();
  void OnContinue();
  LRESULT OnSerialEditNotify(WPARAM wParam, LPARAM lParam);
  // The serial prompt of the second repair: edit 1129 (eight characters) and Continue.
  std::string AskSerialNumber(const std::string& initial);
  // The file of the second repair, chosen in the open-file dialog.
  std::optional<std::string> ChooseDataFile();

  CSerialEdit m_editSerial;
  CProgressCtrl m_progress;

  DECLARE_MESSAGE_MAP()

 private:
  CEditModel& m_model;
  TransferSettings m_settings;
  CComPort* m_pPort;
  std::unique_ptr<CQtTransferUi> m_ui;
  bool m_bCloseRequested = false;
  bool m_bSerialEditSetUp = false;
};
