// The System Data Copy dialog: chooses the system that a trunked system's data
// is copied to.
#pragma once

#include "res/dialogs_small.h"
#include "ui/wnd/wnd_layer.h"

class CSystemCopyDlg : public CDialog {
 public:
  enum { IDD = IDD_SYSTEM_COPY };
  static constexpr int kSystemCount = 32;
  static constexpr int kNoSystem = 255;

  explicit CSystemCopyDlg(CWnd* pParent = nullptr, int nSourceSystem = 0);

  // Set by the caller before DoModal: the system copied from, 0 to 31.
  int m_nSourceSystem = 0;
  // The result: a system other than the source after OK, 255 otherwise.
  int m_nDestSystem = kNoSystem;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  CComboBox m_listDest;
};

// Runs the dialog through the prompt service: the destination system, or 255
// when the person cancelled.
int AskCopyDestination(CWnd* pParent, int nSourceSystem);
