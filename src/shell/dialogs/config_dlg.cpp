#include "shell/dialogs/config_dlg.h"

#include <string>

#include "shell/dialogs/app_help.h"
#include "shell/program_config.h"

namespace {
constexpr int kPortCount = 16;  // COM 1 to COM 16

// "COM n" and the device it opens now: a link's missing target is marked, and
// so is what the port would refuse as no serial port (a file, /dev/null); a
// port with neither link nor device says so.
std::string PortEntry(int index, const ComFolders& folders) {
  const ComDevice device = ResolveComDevice(index, folders);
  std::string text = "COM " + std::to_string(index + 1) + "   ";
  if (device.present) {
    text += device.Shown().string();
    return IsKnownNotASerialPort(device.path) ? text + " (not a serial port)" : text;
  }
  if (!device.link.empty()) return text + device.Shown().string() + " (missing)";
  return text + "(no device)";
}
}  // namespace

BEGIN_MESSAGE_MAP(CConfigDlg, CDialog)
  ON_CBN_SELCHANGE(IDC_COM_LIST, OnSelChangePortList)
  ON_MESSAGE(WM_HELP, OnHelpInfo)
END_MESSAGE_MAP()

CConfigDlg::CConfigDlg(CWnd* pParent) : CConfigDlg(pParent, TheProgramConfig()) {}

CConfigDlg::CConfigDlg(CWnd* pParent, CProgramConfig& config)
    : CDialog(IDD, pParent), m_folders(TheComPort().Folders()), m_config(config) {
  RegisterSmallDialogTemplates();
}

void CConfigDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDCANCEL, m_btnCancel);
  DDX_Control(pDX, IDOK, m_btnOK);
  DDX_Control(pDX, IDC_COM_LIST, m_listPort);
}

BOOL CConfigDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_nComPort = m_config.GetComPort();
  for (int index = 0; index < kPortCount; ++index) m_listPort.InsertString(-1, PortEntry(index, m_folders));
  m_listPort.SetCurSel(m_nComPort);
  return TRUE;
}

void CConfigDlg::OnSelChangePortList() {
  const int sel = m_listPort.GetCurSel();
  if (sel >= 0) m_nComPort = sel;
}

void CConfigDlg::OnOK() {
  m_config.SetComPort(m_nComPort);
  // A file that cannot be written is reported by Save; the dialog closes all the same.
  m_config.Save();
  CDialog::OnOK();
}

BOOL CConfigDlg::PreTranslateMessage(MSG* pMsg) {
  // Enter acts only on the two buttons: in the port list it opens or closes
  // the list instead of closing the dialog.
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd != m_btnOK.GetSafeHwnd() &&
      pMsg->hwnd != m_btnCancel.GetSafeHwnd()) {
    return TRUE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}

LRESULT CConfigDlg::OnHelpInfo(WPARAM, LPARAM lParam) {
  const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
  if (info && info->iCtrlId > 0 && info->iCtrlId != 9) {
    AppWinHelp(static_cast<DWORD_PTR>(info->iCtrlId), HELP_CONTEXT);
    return TRUE;
  }
  return Default();
}
