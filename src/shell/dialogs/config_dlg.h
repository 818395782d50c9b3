// The Configuration dialog: chooses the COM port of the programming cable and
// saves it in the configuration files. Each port is listed with the device it
// would open.
#pragma once

#include <utility>

#include "link/serial_port.h"
#include "res/dialogs_small.h"
#include "ui/cells/list_cells.h"
#include "ui/wnd/wnd_layer.h"

class CProgramConfig;

class CConfigDlg : public CDialog {
 public:
  enum { IDD = IDD_CONFIG };

  // Works on the program's configuration unless another one is given.
  explicit CConfigDlg(CWnd* pParent = nullptr);
  CConfigDlg(CWnd* pParent, CProgramConfig& config);

  // The chosen port index, 0-based (0 = COM1).
  int GetPortIndex() const { return m_nComPort; }

  // Where the ports' devices are looked for; the program's port's folders by default.
  void SetComFolders(ComFolders folders) { m_folders = std::move(folders); }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnSelChangePortList();
  LRESULT OnHelpInfo(WPARAM wParam, LPARAM lParam);

  CButton m_btnCancel;
  CButton m_btnOK;
  CEnterComboBox m_listPort;
  int m_nComPort = 0;
  ComFolders m_folders;

  DECLARE_MESSAGE_MAP()

 private:
  CProgramConfig& m_config;
};
