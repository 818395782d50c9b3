#include "shell/main_dlg.h"

#include "pages/register_pages.h"
#include "shell/print_sheets.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>

#include "model/conversions.h"
#include "model/edit_model.h"
#include "model/global_fields.h"
#include "model/references.h"
#include "res/page_conv_groups.h"
#include "res/page_dtmf.h"
#include "res/page_five_tone.h"
#include "res/page_global1.h"
#include "res/page_global2.h"
#include "res/page_interconnect.h"
#include "res/page_key_assign.h"
#include "res/page_ltr_advanced.h"
#include "res/page_ltr_group.h"
#include "res/page_ltr_system.h"
#include "res/page_mobile_special.h"
#include "res/page_passport_features.h"
#include "res/page_passport_talk_groups.h"
#include "res/page_repeater.h"
#include "res/page_seed.h"
#include "res/page_sel_call.h"
#include "res/page_zone_overview.h"
#include "shell/command_line.h"
#include "shell/dialogs/password_dlg.h"
#include "shell/page_registry.h"
#include "shell/program_config.h"
#include "ui/messages.h"

CMainDlg* g_pMainDlg = nullptr;
BOOL g_bModeM = FALSE;
BOOL g_bModeS = FALSE;
std::string g_strDataFile = kDefaultDataFile;

namespace {

ProcessExitHandler& ExitHandler() {
  static ProcessExitHandler handler;
  return handler;
}

struct PageEntry {
  PageSlot slot;
  const char* label;
  UINT idd;
};

constexpr PageEntry kPageTable[] = {
    {PageSlot::Global1, "Global 1", IDD_GLOBAL1},
    {PageSlot::Global2, "Global 2", IDD_GLOBAL2},
    {PageSlot::MobileSpecial, "Mobile Special", IDD_MOBILE_SPECIAL},
    {PageSlot::KeyAssign, "Key Assignment", IDD_KEY_ASSIGN_PANEL},
    {PageSlot::Zone, "Zone", IDD_ZONE_OVERVIEW},
    {PageSlot::SelCall, "Sel Call", IDD_SEL_CALL},
    {PageSlot::Seed, "Seed channel", IDD_SEED},
    {PageSlot::Dtmf, "DTMF ANI", IDD_DTMF},
    {PageSlot::FiveTone, "5-Tone", IDD_FIVE_TONE_PAGE},
};

const PageEntry& EntryOf(PageSlot slot) {
  for (const auto& e : kPageTable) {
    if (e.slot == slot) return e;
  }
  return kPageTable[0];
}

const char* const kNotEnoughMemory = "Not enough memory !";

}  // namespace

void SetProcessExitHandler(ProcessExitHandler handler) { ExitHandler() = std::move(handler); }

void AfxExitProcess(int code) {
  if (ExitHandler()) ExitHandler()(code);
  std::fflush(stdout);
  std::fflush(stderr);
  _exit(code);
}

std::string MainWindowTitle(bool modeM, bool modeS) {
  std::string title = "PX417 for TQ-5100 PassPort ( ";
  title += "Version 1.04";
  title += " )";
  if (modeM) {
    title += "(M)";
  } else if (modeS) {
    title += "(S)";
  }
  return title;
}

// ---- the model's reports ------------------------------------------------------------

void CShellModelHost::OnFileLoaded(const std::string& fileLabel, const std::string& serialText, std::uint32_t esn,
                                   std::uint8_t) {
  m_dlg.OnFileLoaded(fileLabel, serialText, esn);
}

void CShellModelHost::OnFileSaved(const std::string& fileLabel) { m_dlg.SetFileLabel(fileLabel); }

int CShellModelHost::GetMemMap3() const { return TheProgramConfig().GetMemMap3(); }

// ---- the dialog ----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
  ON_WM_CLOSE()
  ON_WM_SYSCOMMAND()
  ON_WM_SHOWWINDOW()
  ON_WM_SIZE()
  ON_WM_TIMER()
  ON_NOTIFY(TCN_SELCHANGING, IDC_MAIN_TAB, OnTabSelChanging)
  ON_NOTIFY(TCN_SELCHANGE, IDC_MAIN_TAB, OnTabSelChange)
  ON_COMMAND(ID_FILE_EXIT, OnExit)
  ON_COMMAND(ID_FILE_OPEN_X, OnOpenFile)
  ON_COMMAND(ID_FILE_OPEN_ALT, OnOpenFile)
  ON_COMMAND(ID_FILE_SAVE_X, OnSaveFile)
  ON_COMMAND(ID_FILE_SAVE_ALT, OnSaveFile)
  ON_COMMAND(ID_FILE_CONFIGURE, OnConfigure)
  ON_COMMAND(ID_RADIO_READ, OnReadFromRadio)
  ON_COMMAND(ID_RADIO_READ_ALT, OnReadFromRadio)
  ON_COMMAND(ID_RADIO_SEND, OnSendToRadio)
  ON_COMMAND(ID_RADIO_SEND_ALT, OnSendToRadio)
  ON_COMMAND(ID_RADIO_ALIGNMENT, OnAlignment)
  ON_COMMAND(ID_RADIO_RECOVER, OnAdjustmentRecover)
  ON_COMMAND(ID_ROM_EDITOR, OnRomEditor)
  ON_COMMAND(ID_HELP_TOPICS, OnHelpTopics)
  ON_COMMAND(ID_HELP_TOPICS_ALT, OnHelpTopics)
  ON_COMMAND(ID_HELP_GET_STARTED, OnGetStarted)
  ON_COMMAND(ID_HELP_ABOUT, OnAbout)
  ON_COMMAND_RANGE(ID_PAGE_GLOBAL1, ID_PAGE_GLOBAL1, OnPageCommand)
  ON_COMMAND_RANGE(ID_PAGE_GLOBAL2, ID_PAGE_GLOBAL2, OnPageCommand)
  ON_COMMAND_RANGE(ID_PAGE_MOBILE_SPECIAL, ID_PAGE_MOBILE_SPECIAL, OnPageCommand)
  ON_COMMAND_RANGE(ID_PAGE_KEY_ASSIGN, ID_PAGE_KEY_ASSIGN, OnPageCommand)
  ON_COMMAND_RANGE(ID_PAGE_ZONE_ALT, ID_PAGE_ZONE, OnPageCommand)
  ON_COMMAND_RANGE(ID_PAGE_SEL_CALL, ID_PAGE_SEED, OnPageCommand)
  ON_COMMAND_RANGE(ID_PAGE_DTMF, ID_PAGE_DTMF, OnPageCommand)
  ON_COMMAND_RANGE(ID_PAGE_FIVE_TONE, ID_PAGE_FIVE_TONE, OnPageCommand)
  ON_COMMAND_RANGE(ID_PRINT_GLOBAL, ID_PRINT_ZONE, OnPrintCommand)
  ON_COMMAND_RANGE(ID_PRINT_SEL_CALL, ID_PRINT_SEED, OnPrintCommand)
  ON_COMMAND_RANGE(ID_PRINT_CHANNELS, ID_PRINT_CHANNELS, OnPrintCommand)
  ON_COMMAND_RANGE(ID_PRINT_DTMF, ID_PRINT_DTMF, OnPrintCommand)
  ON_COMMAND_RANGE(ID_PRINT_FIVE_TONE_COMMON, ID_PRINT_FIVE_TONE_CODES, OnPrintCommand)
  ON_COMMAND(ID_PRINT_KEY, OnPrintKeySheet)
  ON_COMMAND(ID_SET_ZONE_FLAG, OnSetZoneFlag)
  ON_COMMAND(ID_CLEAR_ZONE_FLAG, OnClearZoneFlag)
  ON_COMMAND(ID_SET_GROUP_IN_USE, OnSetGroupInUse)
  ON_COMMAND(ID_CLEAR_GROUP_IN_USE, OnClearGroupInUse)
  ON_EN_SETFOCUS(IDC_SERIAL_EDIT, OnSerialSetFocus)
  ON_MESSAGE(WM_SERIALEDIT_CHANGE, OnSerialEditChange)
  ON_MESSAGE(WM_MODEL_CHANGED, OnModelChanged)
  ON_MESSAGE(WM_HELP, OnHelpInfo)
  ON_MESSAGE(WM_SHOWPAGE_INTERCONNECT, OnShowPageInterconnect)
  ON_MESSAGE(WM_SHOWPAGE_ZONE, OnShowPageZone)
  ON_MESSAGE(WM_SHOWPAGE_LTR_ADVANCED, OnShowPageLtrAdvanced)
  ON_MESSAGE(WM_SHOWPAGE_REPEATERS, OnShowPageRepeaters)
  ON_MESSAGE(WM_SHOWPAGE_GROUP_BASIC, OnShowPageGroupBasic)
  ON_MESSAGE(WM_RETURN_GROUP_BASIC, OnShowPageGroupBasic)
  ON_MESSAGE(WM_SHOWPAGE_GROUP_ADVANCED, OnShowPageGroupAdvanced)
  ON_MESSAGE(WM_SHOWPAGE_CONV_BASIC, OnShowPageConvBasic)
  ON_MESSAGE(WM_RETURN_CONV_BASIC, OnShowPageConvBasic)
  ON_MESSAGE(WM_SHOWPAGE_CONV_ADVANCED, OnShowPageConvAdvanced)
  ON_MESSAGE(WM_SHOWPAGE_PASSPORT_SYSTEM, OnShowPagePassPortSystem)
  ON_MESSAGE(WM_SHOWPAGE_PASSPORT_TALKGROUP, OnShowPagePassPortTalkGroup)
  ON_MESSAGE(WM_CHANNEL_CLEARED, OnChannelCleared)
END_MESSAGE_MAP()

CMainDlg::CMainDlg(std::vector<std::string> commandLine, CWnd* pParent)
    : CDialog(IDD, pParent), m_commandLine(std::move(commandLine)), m_host(*this), m_pageHooks(*this) {
  RegisterMainDialogResources();
  RegisterPagesAndSheets();
  m_strModel[0] = "TQ-5100-RM3K-50(UHF)";
  g_pMainDlg = this;
  TheModel().SetHost(&m_host);
  TheProgramConfig().SetMessageSink([](const std::string& text) { AfxMessageBox(text); });
}

CMainDlg::~CMainDlg() {
  // The pages' windows are children of the tab control: they go before the objects do.
  if (GetSafeHwnd()) DestroyWindow();
  m_pages.clear();
  TheModel().SetHost(nullptr);
  TheProgramConfig().SetMessageSink(nullptr);
  SetAppWinHelp(nullptr);
  SetMainDlgHooks(nullptr);
  ClearSheetRoutines();
  if (g_pMainDlg == this) g_pMainDlg = nullptr;
}

bool CMainDlgPageHooks::QuerySaveChanges() { return m_dlg.QuerySaveChanges(); }
bool CMainDlgPageHooks::IsModeM() const { return g_bModeM != FALSE; }
void CMainDlgPageHooks::DataReplaced() {
  m_dlg.ShowSerialAndEsn();
  m_dlg.StartZoneTabAtOverview();
}

// The pages that are built, and the sheet routines they print; every other tab
// shows the placeholder page.
void CMainDlg::RegisterPagesAndSheets() {
  ::RegisterPagesAndSheets();
  SetMainDlgHooks(&m_pageHooks);
}

void CMainDlg::OnPrintCommand(UINT nID) {
  const int sheet = SheetOfCommand(nID);
  if (sheet >= 0) PrintSheets(this, sheet);
}

// The key sheet is a picture of the Key Assignment page: show that tab, print
// the page's window, and go back to the tab that was current.
void CMainDlg::OnPrintKeySheet() {
  const int keyTab = TabIndexOf(PageSlot::KeyAssign);
  const int previous = m_tab.GetCurSel();
  KeyPageSwitch pages;
  pages.showKeyPage = [this, keyTab, previous]() -> HWND {
    if (keyTab >= 0 && previous != keyTab) {
      LeavePage();
      m_tab.SetCurSel(keyTab);
      EnterPage();
    }
    CDialog* page = GetCurrentPage();
    return page ? page->GetSafeHwnd() : nullptr;
  };
  pages.restore = [this, keyTab, previous] {
    if (keyTab >= 0 && previous != keyTab) {
      LeavePage();
      m_tab.SetCurSel(previous);
      EnterPage();
    }
  };
  OnPrintKey(this, pages);
}

void CMainDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MAIN_TAB, m_tab);
  DDX_Control(pDX, IDC_SERIAL_EDIT, m_editSerial);
  DDX_Control(pDX, IDC_ESN_EDIT, m_editEsn);
  DDX_Control(pDX, IDC_FILE_LABEL, m_labelFile);
  DDX_Control(pDX, IDC_MODEL_LABEL, m_labelModel);
}

BOOL CMainDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // There is no application system menu on this desktop: About is on the Help menu.
  if (m_menu.LoadMenu(IDR_MAIN_MENU)) SetMenu(&m_menu);

  CRect grip;
  GetClientRect(&grip);
  grip.left = grip.right - GetSystemMetrics(SM_CXHSCROLL);
  grip.top = grip.bottom - GetSystemMetrics(SM_CYVSCROLL);
  m_sizeGrip.Create(WS_CHILD | WS_VISIBLE | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN | SBS_SIZEGRIP, grip, this,
                    IDC_SIZE_GRIP);
  m_layout.AddAnchor(&m_tab, kAnchorEmptyRect, ANCHOR_RIGHT | ANCHOR_BOTTOM);
  // Ctrl+Tab, Ctrl+PageDown and the others switch tabs wherever the focus is.
  m_tab.TakeWindowTabKeys();
  // The first page made from now on fixes the size every page scrolls against.
  g_bTakePageRef = 1;

  TheProgramConfig().Load();
  m_cxScreen = GetSystemMetrics(SM_CXSCREEN);
  m_cyScreen = GetSystemMetrics(SM_CYSCREEN);
  ApplyCommandLine();
  SetWindowText(MainWindowTitle(g_bModeM, g_bModeS));
  m_hAccel = LoadAccelerators(IDR_MAIN_ACCEL);
  SetAppWinHelp([this](DWORD_PTR dwData, UINT nCmd) { WinHelp(dwData, nCmd); });
  StartZoneTabAtOverview();

  m_editSerial.EnableWindow(g_bModeM || g_bModeS);
  m_editSerial.SetEditParams(m_hWnd, 8);
  m_editSerial.AddRefusedChar(' ');
  m_editSerial.AddRefusedChar('+');
  m_editSerial.AddRefusedChar('-');

  while (LoadDefaultDataFile() != 1) {
  }
  SetTimer(1, 100);
  // FALSE: no control of the dialog takes the focus; BuildTabs, when the window
  // shows, gives it to the Global 1 page.
  return FALSE;
}

void CMainDlg::ApplyCommandLine() {
  const CommandLine line = ParseCommandLine(m_commandLine);
  if (line.comIndex) TheProgramConfig().SetComPort(*line.comIndex);
  if (line.lptIndex) TheProgramConfig().SetLptPort(*line.lptIndex);
  for (const AccessMode mode : line.modeRequests) {
    if (mode == AccessMode::M) {
      g_bModeM = CheckOptionMCode() == 0;
    } else {
      g_bModeS = CheckOptionSCode() == 0;
    }
  }
  if (line.usageError) ShowUsageAndExit(*line.usageError);
  if (line.dataFile) g_strDataFile = *line.dataFile;
}

int CMainDlg::CheckOptionMCode() { return AskAccessCode(AccessMode::M, this); }
int CMainDlg::CheckOptionSCode() { return AskAccessCode(AccessMode::S, this); }

void CMainDlg::ShowUsageAndExit(int nError) {
  AfxMessageBox(FormatUsageMessage(nError), MB_OK);
  AfxExitProcess(kUsageExitCode);
}

int CMainDlg::LoadDefaultDataFile() {
  const std::string directory = std::filesystem::current_path().string();
  CEditModel& model = TheModel();
  std::fill(model.image.begin(), model.image.begin() + kImageSize, std::uint8_t{0xFF});
  if (m_bFirstLoad) {
    // The file's own group names stay as they are.
    if (!model.LoadDataFile(g_strDataFile, directory)) {
      g_strDataFile = "<NONE>";
      // The data the build writes into the UHF default file, so that whatever
      // is saved from here loads back as saved.
      model.UseBuiltInDefaults(true);
      ShowSerialAndEsn();
    }
    m_bFirstLoad = FALSE;
  }
  return 1;
}

bool CMainDlg::QuerySaveChanges() {
  if (!g_bModified) return true;
  // One question at a time: whatever asks while it is open does not go on.
  if (m_bAskingToSave) return false;
  m_bAskingToSave = true;
  struct Done {
    bool& asking;
    ~Done() { asking = false; }
  } done{m_bAskingToSave};
  std::string text = LoadResString(AFX_IDP_ASK_TO_SAVE);
  const std::size_t at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, GetFileLabel());
  const int answer = AfxMessageBox(text, MB_YESNOCANCEL | MB_ICONEXCLAMATION);
  if (answer == IDCANCEL) return false;
  // A save that did not happen (cancelled, refused, not written) keeps the
  // person in the program with the changes.
  if (answer == IDYES) return SaveFile();
  // No: the changes are given up by what follows (a load or the exit); the
  // flag stays until then.
  return true;
}

void CMainDlg::OnExit() {
  if (QuerySaveChanges()) {
    MessageBeep(0);
    EndDialog(IDCANCEL);
  }
}

void CMainDlg::OnClose() {
  if (QuerySaveChanges()) Default();
}

void CMainDlg::OnSysCommand(UINT nID, LPARAM lParam) {
  if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
    OnAbout();
  } else {
    CDialog::OnSysCommand(nID, lParam);
  }
}

void CMainDlg::OnShowWindow(BOOL bShow, UINT nStatus) {
  Default();
  BuildTabs();
}

void CMainDlg::OnSize(UINT nType, int cx, int cy) {
  Default();
  if (!m_tab.GetSafeHwnd()) return;
  m_layout.OnSize(this, nType);
  PlaceSizeGrip(this, IDC_SIZE_GRIP);
}

void CMainDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != 1) return;
  KillTimer(1);
  // The COM-port check marks: the menu carries no such items, so nothing shows.
  for (UINT n = 0; n < 4; ++n) {
    m_menu.CheckMenuItem(32796 + n, static_cast<int>(n) == TheProgramConfig().GetComPort() ? MF_CHECKED
                                                                                          : MF_UNCHECKED);
  }
}

// ---- tabs and pages ------------------------------------------------------------------

bool CMainDlg::IsModel11() const { return IsProductionType11(TheModel().store.ProductionType()); }

const std::vector<PageSlot>& CMainDlg::TabSet() const {
  using enum PageSlot;
  static const std::vector<PageSlot> model11 = {Global1, Global2, MobileSpecial, KeyAssign, Zone,
                                                SelCall, Seed,    Dtmf,          FiveTone};
  static const std::vector<PageSlot> others = {Global1, Global2, MobileSpecial, KeyAssign, Zone, Dtmf, FiveTone};
  return IsModel11() ? model11 : others;
}

UINT CMainDlg::PageId(PageSlot slot) const {
  if (slot == PageSlot::KeyAssign) return IsModel11() ? IDD_KEY_ASSIGN_PANEL : IDD_KEY_ASSIGN_SIDE;
  if (slot == PageSlot::Zone) return m_nZoneSubPageId;
  return EntryOf(slot).idd;
}

int CMainDlg::TabIndexOf(PageSlot slot) const {
  const auto& set = TabSet();
  for (std::size_t i = 0; i < set.size(); ++i) {
    if (set[i] == slot) return static_cast<int>(i);
  }
  return -1;
}

CDialog& CMainDlg::Page(UINT nIDD) {
  auto& page = m_pages[nIDD];
  if (!page) page = CreatePageObject(nIDD);
  return *page;
}

CDialog* CMainDlg::GetCurrentPage() {
  const int sel = m_tab.GetSafeHwnd() ? m_tab.GetCurSel() : -1;
  if (sel < 0 || sel >= static_cast<int>(TabSet().size())) return nullptr;
  const auto it = m_pages.find(PageId(TabSet()[static_cast<std::size_t>(sel)]));
  return it != m_pages.end() && it->second->GetSafeHwnd() ? it->second.get() : nullptr;
}

namespace {

// Keeps the page's rectangle as the page area and destroys its window.
void SaveRectAndDestroy(CDialog* page) {
  if (!page || !page->GetSafeHwnd()) return;
  CRect rect;
  page->GetWindowRect(&rect);
  if (CWnd* parent = page->GetParent()) parent->ScreenToClient(&rect);
  g_rcPage = rect;
  page->DestroyWindow();
}

}  // namespace

void CMainDlg::BuildTabs(bool newData) {
  if (!m_tab.GetSafeHwnd()) return;
  LeavePage();
  // New data (at start-up, and after every load, completed read or model
  // change): a sub-page kept from the data before may stand for a zone the new
  // data lay out otherwise. The page is left first, so the one shown goes.
  if (newData) StartZoneTabAtOverview();
  m_tab.DeleteAllItems();
  int index = 0;
  for (const PageSlot slot : TabSet()) m_tab.InsertItem(index++, EntryOf(slot).label);
  m_tab.SetCurSel(0);

  if (IsModel11()) {
    for (UINT id : {ID_PAGE_SEL_CALL, ID_PRINT_SEL_CALL, ID_PAGE_SEED, ID_PRINT_SEED}) {
      m_menu.EnableMenuItem(id, MF_BYCOMMAND | MF_ENABLED);
    }
  }
  for (UINT id : {ID_PAGE_FIVE_TONE, ID_PRINT_FIVE_TONE_COMMON, ID_PRINT_FIVE_TONE_CODES}) {
    m_menu.EnableMenuItem(id, MF_BYCOMMAND | MF_ENABLED);
  }

  // Global 1 opens where its template puts it.
  CDialog& global1 = Page(IDD_GLOBAL1);
  if (!CreatePageWindow(global1, IDD_GLOBAL1, &m_tab)) {
    MessageBeep(0);
    AfxMessageBox(kNotEnoughMemory);
    return;
  }
  global1.ShowWindow(SW_SHOW);
  m_tab.PlacePage(&global1, CRect());
  FocusPage(global1);
}

void CMainDlg::StartZoneTabAtOverview() {
  m_nZoneSubPageId = IDD_ZONE_OVERVIEW;
  if (auto* overview = dynamic_cast<IZoneSubPage*>(&Page(IDD_ZONE_OVERVIEW))) overview->SetPageIndex(0);
}

void CMainDlg::NoteFocusInPage() {
  const CWnd* focus = GetFocus();
  m_bPageHadFocus = focus && m_tab.GetSafeHwnd() && m_tab.GetSafeHwnd()->isAncestorOf(focus->GetSafeHwnd());
}

void CMainDlg::FocusPage(CDialog& page) {
  // At start-up the focus is nowhere (or in the read-only ESN field); when the
  // page that had it is gone, it has moved on to whatever came next. Either way
  // the new page takes it. Elsewhere (the tab row, the serial-number field,
  // another window) it stays.
  const CWnd* focus = GetFocus();
  const bool lost = m_bPageHadFocus || !focus || focus == this || focus->GetSafeHwnd() == m_editEsn.GetSafeHwnd();
  m_bPageHadFocus = false;
  if (!lost) return;
  if (CWnd* first = page.GetNextDlgTabItem(nullptr)) page.GotoDlgCtrl(first);
}

bool CMainDlg::CreatePageIn(UINT nIDD) {
  CDialog& page = Page(nIDD);
  if (page.GetSafeHwnd()) page.DestroyWindow();
  if (!CreatePageWindow(page, nIDD, &m_tab)) return false;
  page.ShowWindow(SW_SHOW);
  // Until a page has been left there is no page area yet: the page stays where its template puts it.
  // Either way it is kept inside the tab's display area.
  m_tab.PlacePage(&page, g_rcPage);
  FocusPage(page);
  return true;
}

void CMainDlg::EnterPage() {
  const int sel = m_tab.GetCurSel();
  if (sel < 0 || sel >= static_cast<int>(TabSet().size())) return;
  const PageSlot slot = TabSet()[static_cast<std::size_t>(sel)];
  if (CreatePageIn(PageId(slot))) return;
  // A Zone sub-page that cannot be made leaves the tab empty without a word.
  if (slot == PageSlot::Zone) return;
  MessageBeep(0);
  AfxMessageBox(kNotEnoughMemory);
}

void CMainDlg::LeavePage() {
  NoteFocusInPage();
  // Whichever page window is up goes, whatever tab set it was made under: the
  // set follows the production type of the data in hand, which a load or a
  // read may have changed since.
  for (auto& [id, page] : m_pages) SaveRectAndDestroy(page.get());
}

void CMainDlg::SelectPage(PageSlot slot) {
  LeavePage();
  const int index = TabIndexOf(slot);
  if (index >= 0) m_tab.SetCurSel(index);
  EnterPage();
}

void CMainDlg::OnPageCommand(UINT nID) {
  switch (nID) {
    case ID_PAGE_GLOBAL1: SelectPage(PageSlot::Global1); break;
    case ID_PAGE_GLOBAL2: SelectPage(PageSlot::Global2); break;
    case ID_PAGE_MOBILE_SPECIAL: SelectPage(PageSlot::MobileSpecial); break;
    case ID_PAGE_KEY_ASSIGN: SelectPage(PageSlot::KeyAssign); break;
    case ID_PAGE_ZONE_ALT:
    case ID_PAGE_ZONE: SelectPage(PageSlot::Zone); break;
    case ID_PAGE_SEL_CALL: SelectPage(PageSlot::SelCall); break;
    case ID_PAGE_SEED: SelectPage(PageSlot::Seed); break;
    case ID_PAGE_DTMF: SelectPage(PageSlot::Dtmf); break;
    case ID_PAGE_FIVE_TONE: SelectPage(PageSlot::FiveTone); break;
    default: break;
  }
}

void CMainDlg::OnTabSelChanging(NMHDR*, LRESULT* pResult) {
  LeavePage();
  *pResult = 0;
}

void CMainDlg::OnTabSelChange(NMHDR*, LRESULT* pResult) {
  EnterPage();
  *pResult = 0;
}

BOOL CMainDlg::PreTranslateMessage(MSG* pMsg) {
  if (m_hAccel) TranslateAccelerator(m_hWnd, m_hAccel, pMsg);
  if (pMsg->message == WM_KEYDOWN) {
    const WPARAM key = pMsg->wParam;
    // F1 goes on with the dialog keys: it asks for help on the control it was
    // pressed on, and the help opens at that control's page.
    if (key == VK_RETURN || key == VK_ESCAPE) return TRUE;
    if (key >= VK_F2 && key <= VK_F7) {
      LeavePage();
      m_tab.SetCurSel(static_cast<int>(key - VK_F2) + 1);
      EnterPage();
      return FALSE;
    }
  }
  return CDialog::PreTranslateMessage(pMsg);
}

LRESULT CMainDlg::OnModelChanged(WPARAM, LPARAM lParam) {
  if (lParam >= 0 && lParam < static_cast<LPARAM>(m_strModel.size())) ShowModelName(static_cast<int>(lParam));
  return 0;
}

// The name is shown as the Global sheet prints it: only for a radio whose
// hardware byte is one of the MODEL codes and whose production type is 11, so
// that no other radio (a VHF one above all) is called by the UHF model's name.
void CMainDlg::ShowModelName(int index) {
  const bool named = gf::kNamedModel.Get(TheModel()) != 0;
  m_labelModel.SetWindowText(named ? m_strModel[static_cast<std::size_t>(index)] : std::string());
}

void CMainDlg::OnRomEditor() {
  if (TheProgramConfig().HasMemoryMapFile()) {
    OpenRomEditor();
  } else {
    MessageBeep(0);
    AfxMessageBox("ROM Editor can't be carried out\n");
  }
}

// ---- zone sub-pages ------------------------------------------------------------------

void CMainDlg::ShowZoneSubPage(UINT nIDD, int index, bool giveIndex) {
  LeavePage();
  CDialog& page = Page(nIDD);
  if (giveIndex) {
    if (auto* sub = dynamic_cast<IZoneSubPage*>(&page)) sub->SetPageIndex(index);
  }
  m_nZoneSubPageId = nIDD;
  if (!CreatePageWindow(page, nIDD, &m_tab)) {
    MessageBeep(0);
    AfxMessageBox(kNotEnoughMemory);
    return;
  }
  page.ShowWindow(SW_SHOW);
  m_tab.PlacePage(&page, g_rcPage);
  FocusPage(page);
}

LRESULT CMainDlg::OnShowPageInterconnect(WPARAM, LPARAM lParam) {
  ShowZoneSubPage(IDD_INTERCONNECT, static_cast<int>(lParam), true);
  return 0;
}
LRESULT CMainDlg::OnShowPageZone(WPARAM, LPARAM lParam) {
  ShowZoneSubPage(IDD_ZONE_OVERVIEW, static_cast<int>(lParam), lParam != 255);
  return 0;
}
LRESULT CMainDlg::OnShowPageLtrAdvanced(WPARAM, LPARAM lParam) {
  ShowZoneSubPage(IDD_LTR_ADVANCED, static_cast<int>(lParam), true);
  return 0;
}
LRESULT CMainDlg::OnShowPageRepeaters(WPARAM wParam, LPARAM) {
  ShowZoneSubPage(IDD_REPEATERS, static_cast<int>(wParam & 0xFF), true);
  return 0;
}
LRESULT CMainDlg::OnShowPageGroupBasic(WPARAM wParam, LPARAM) {
  ShowZoneSubPage(IDD_LTR_GROUP_BASIC, static_cast<int>(wParam & 0xFF), true);
  return 0;
}
LRESULT CMainDlg::OnShowPageGroupAdvanced(WPARAM wParam, LPARAM) {
  ShowZoneSubPage(IDD_LTR_GROUP_ADVANCED, static_cast<int>(wParam & 0xFF), true);
  return 0;
}
LRESULT CMainDlg::OnShowPageConvBasic(WPARAM wParam, LPARAM) {
  ShowZoneSubPage(IDD_CONV_GROUP_BASIC, static_cast<int>(wParam & 0xFF), true);
  return 0;
}
LRESULT CMainDlg::OnShowPageConvAdvanced(WPARAM wParam, LPARAM) {
  ShowZoneSubPage(IDD_CONV_GROUP_ADVANCED, static_cast<int>(wParam & 0xFF), true);
  return 0;
}
LRESULT CMainDlg::OnShowPagePassPortSystem(WPARAM wParam, LPARAM) {
  ShowZoneSubPage(IDD_PASSPORT_FEATURES, static_cast<int>(wParam & 0xFF), true);
  return 0;
}
LRESULT CMainDlg::OnShowPagePassPortTalkGroup(WPARAM wParam, LPARAM) {
  ShowZoneSubPage(IDD_PASSPORT_TALK_GROUPS, static_cast<int>(wParam & 0xFF), true);
  return 0;
}

// The zone or group of the first page (in the order given) whose window is up;
// nothing when none is. A page that does not tell gives -1.
int CMainDlg::CurrentIndexOfFirst(std::initializer_list<UINT> ids) {
  for (const UINT id : ids) {
    const auto it = m_pages.find(id);
    if (it == m_pages.end() || !it->second->GetSafeHwnd()) continue;
    const auto* sub = dynamic_cast<const IZoneSubPage*>(it->second.get());
    return sub ? sub->GetCurrentIndex() : -1;
  }
  return -2;
}

void CMainDlg::SetZoneFlag(bool on) {
  MessageBeep(0);
  const int zone = CurrentIndexOfFirst({IDD_LTR_SYSTEM, IDD_LTR_ADVANCED, IDD_INTERCONNECT, IDD_ZONE_OVERVIEW});
  // A page standing on its Default column names no zone.
  if (zone < 0 || zone >= kZoneCount) return;
  auto& flags = TheModel().store.zoneFlags[zone];
  flags = static_cast<std::uint8_t>(on ? (flags | 1) : (flags & ~1));
  g_bModified = 1;
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CMainDlg::SetGroupInUse(bool on) {
  MessageBeep(0);
  const int group = CurrentIndexOfFirst({IDD_LTR_GROUP_BASIC, IDD_LTR_GROUP_ADVANCED, IDD_CONV_GROUP_BASIC, IDD_CONV_GROUP_ADVANCED});
  if (group < 0 || group >= kGroupCount) return;
  CGroupRecord& record = TheModel().store.groups[group];
  if (on) {
    record.flags = static_cast<std::uint8_t>(record.flags | 1);
  } else {
    for (const std::string& notice : ReleaseGroup(TheModel(), group)) AfxMessageBox(notice);
    record.flags = static_cast<std::uint8_t>(record.flags & ~1);
  }
  g_bModified = 1;
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CMainDlg::OnSetZoneFlag() { SetZoneFlag(true); }
void CMainDlg::OnClearZoneFlag() { SetZoneFlag(false); }
void CMainDlg::OnSetGroupInUse() { SetGroupInUse(true); }
void CMainDlg::OnClearGroupInUse() { SetGroupInUse(false); }

LRESULT CMainDlg::OnChannelCleared(WPARAM wParam, LPARAM) {
  TheModel().store.ClearChannelReferences(static_cast<int>(wParam & 0x3FF));
  g_bModified = 1;
  return 0;
}
