// CMainDlg: the one window of the program. It reads the configuration and the
// command line, loads the first data file, shows one page at a time inside its
// tab control and carries the menu commands. Every way out passes through
// QuerySaveChanges.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "res/main_dialog.h"
#include "res/page_zone_overview.h"
#include "shell/dialogs/app_help.h"
#include "ui/cells/cells.h"
#include "ui/layout/anchor_layout.h"
#include "ui/page/page.h"
#include "ui/wnd/wnd_layer.h"
#include "ui/page/page_registry.h"

class CMainDlg;

// The one main dialog (null before it is made and after it is gone).
extern CMainDlg* g_pMainDlg;
// The privileged modes of this run.
extern BOOL g_bModeM;
extern BOOL g_bModeS;
// The data file to load first: "Data/DEFAULTUP.X417" unless the command line
// names another; "<NONE>" after a failed first load.
extern std::string g_strDataFile;
inline constexpr const char* kDefaultDataFile = "Data/DEFAULTUP.X417";

// How the process ends after a usage message: std::exit is not safe while Qt
// widgets live, so the default flushes and leaves with _exit. Tests may set
// their own (it must not return).
using ProcessExitHandler = std::function<void(int)>;
void SetProcessExitHandler(ProcessExitHandler handler);
[[noreturn]] void AfxExitProcess(int code);

// The title of the main window for the modes in use.
std::string MainWindowTitle(bool modeM, bool modeS);

// The pages of the tab table.
enum class PageSlot { Global1, Global2, MobileSpecial, KeyAssign, Zone, SelCall, Seed, Dtmf, FiveTone };

// The data model's reports, shown by the main dialog.
class CShellModelHost : public CPromptModelHost {
 public:
  explicit CShellModelHost(CMainDlg& dlg) : m_dlg(dlg) {}
  void OnFileLoaded(const std::string& fileLabel, const std::string& serialText, std::uint32_t esn,
                    std::uint8_t previousSystemType) override;
  void OnFileSaved(const std::string& fileLabel) override;
  int GetMemMap3() const override;

 private:
  CMainDlg& m_dlg;
};

// What the settings pages ask of the main dialog: its save prompt and the mode.
class CMainDlgPageHooks : public IMainDlgHooks {
 public:
  explicit CMainDlgPageHooks(CMainDlg& dlg) : m_dlg(dlg) {}
  bool QuerySaveChanges() override;
  bool IsModeM() const override;
  void DataReplaced() override;

 private:
  CMainDlg& m_dlg;
};

class CMainDlg : public CDialog {
 public:
  enum { IDD = IDD_MAIN };

  // The words of the command line, without the program name.
  explicit CMainDlg(std::vector<std::string> commandLine = {}, CWnd* pParent = nullptr);
  ~CMainDlg() override;

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Every help request of the program ends here.
  void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

  // ---- start-up and exit ------------------------------------------------------
  int LoadDefaultDataFile();
  // True when the caller may go on; false when the person cancelled or the
  // save they asked for did not happen (the changes are then kept).
  bool QuerySaveChanges();
  // While the question of QuerySaveChanges (or the save it leads to) is open.
  bool IsAskingToSave() const { return m_bAskingToSave; }
  [[noreturn]] void ShowUsageAndExit(int nError);
  // Reads the command line: ports, modes, the data file. Usage errors end the process.
  void ApplyCommandLine();
  int CheckOptionMCode();
  int CheckOptionSCode();

  // ---- tabs and pages -----------------------------------------------------------
  // The tab set of the model in hand, Global 1 current. With new data the Zone
  // tab goes back to the zone overview from zone 1; without (a read or a
  // recovery that brought none) it keeps the sub-page it showed.
  void BuildTabs(bool newData = true);
  // The Zone tab shows the zone overview, from zone 1, when it is next entered.
  void StartZoneTabAtOverview();
  void EnterPage();
  void LeavePage();
  // Leave, select the tab of the page (the current one when the set has none), enter.
  void SelectPage(PageSlot slot);
  bool IsModel11() const;
  // The page slots of the tab set in use, in tab order.
  const std::vector<PageSlot>& TabSet() const;
  CAnchorTabCtrl& GetTabCtrl() { return m_tab; }
  CMenu& GetMainMenu() { return m_menu; }
  // The page object of a dialog id (made on first use; lives as long as this dialog).
  CDialog& Page(UINT nIDD);
  // The page whose window is up on the current tab, or null.
  CDialog* GetCurrentPage();
  UINT GetZoneSubPageId() const { return m_nZoneSubPageId; }
  void OnRomEditor();
  void OpenRomEditor();

  // ---- zone sub-pages -------------------------------------------------------------
  void ShowZoneSubPage(UINT nIDD, int index, bool giveIndex);

  // ---- files and radio (file_commands.cpp) -------------------------------------------
  void OnOpenFile();
  // True when the file was written.
  bool SaveFile();
  void OnSaveFile() { SaveFile(); }
  void OnReadFromRadio();
  void OnSendToRadio();
  void OnAlignment();
  void OnAdjustmentRecover();
  void OnConfigure();
  void OnSerialSetFocus();
  LRESULT OnSerialEditChange(WPARAM wParam, LPARAM lParam);
  // The identity fields from the model.
  void ShowSerialAndEsn();
  // The model label: model string `index` when the model is one the list names, else empty.
  void ShowModelName(int index);
  // After a read or a recovery: the identity fields, the model name and the
  // tabs, all from the model; newData as for BuildTabs.
  void ShowReplacedData(bool newData);
  void SetFileLabel(const std::string& text);
  std::string GetFileLabel() const;

  // ---- help (help_about.cpp) ---------------------------------------------------------
  void OnHelpTopics();
  void OnGetStarted();
  void OnAbout();
  LRESULT OnHelpInfo(WPARAM wParam, LPARAM lParam);

  // The model's reports.
  void OnFileLoaded(const std::string& fileLabel, const std::string& serialText, std::uint32_t esn);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnExit();
  void OnClose();
  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnSize(UINT nType, int cx, int cy);
  void OnTimer(UINT_PTR nIDEvent);
  void OnTabSelChanging(NMHDR* pNMHDR, LRESULT* pResult);
  void OnTabSelChange(NMHDR* pNMHDR, LRESULT* pResult);
  LRESULT OnModelChanged(WPARAM wParam, LPARAM lParam);
  void OnPageCommand(UINT nID);
  void OnPrintCommand(UINT nID);
  void OnPrintKeySheet();
  LRESULT OnShowPageInterconnect(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowPageZone(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowPageLtrAdvanced(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowPageRepeaters(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowPageGroupBasic(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowPageGroupAdvanced(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowPageConvBasic(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowPageConvAdvanced(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowPagePassPortSystem(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowPagePassPortTalkGroup(WPARAM wParam, LPARAM lParam);
  void OnSetZoneFlag();
  void OnClearZoneFlag();
  void OnSetGroupInUse();
  void OnClearGroupInUse();
  LRESULT OnChannelCleared(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  // The dialog id of a slot's page (Key Assignment and Zone depend on the model and sub-page).
  UINT PageId(PageSlot slot) const;
  int TabIndexOf(PageSlot slot) const;
  void RegisterPagesAndSheets();
  bool CreatePageIn(UINT nIDD);
  // Gives the page's first control the focus when no other control holds it,
  // or when the page left last had it (NoteFocusInPage, before it is left).
  void FocusPage(CDialog& page);
  void NoteFocusInPage();
  void SetZoneFlag(bool on);
  void SetGroupInUse(bool on);
  int CurrentIndexOfFirst(std::initializer_list<UINT> ids);

  std::vector<std::string> m_commandLine;
  CShellModelHost m_host;
  CMainDlgPageHooks m_pageHooks;
  CAnchorTabCtrl m_tab;
  CSerialEdit m_editSerial;
  CEdit m_editEsn;
  CStatic m_labelFile;
  CStatic m_labelModel;
  CScrollBar m_sizeGrip;
  CMenu m_menu;
  CAnchorLayout m_layout;
  HACCEL m_hAccel = nullptr;
  std::map<UINT, std::unique_ptr<CDialog>> m_pages;
  std::array<std::string, 4> m_strModel;
  UINT m_nZoneSubPageId = IDD_ZONE_OVERVIEW;
  BOOL m_bFirstLoad = TRUE;
  bool m_bPageHadFocus = false;
  bool m_bAskingToSave = false;
  int m_cxScreen = 0;
  int m_cyScreen = 0;
};
