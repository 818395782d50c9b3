// The main dialog: start-up (command line, modes, first load), the title, the
// tab sets and the keys, page hosting through the registry, zone sub-pages.
#include "test_main_dlg_support.h"

#include "model/default_image.h"
#include "pages/register_pages.h"
#include "res/dialogs_small.h"
#include "res/page_global1.h"
#include "shell/command_line.h"
#include "shell/dialogs/password_dlg.h"
#include "ui/messages.h"

using namespace main_dlg_test;
using namespace ui_test;

namespace {

const std::string kCodeM = "qx7m41";  // typed in lower case: the case is ignored
const std::string kCodeS = "QX7S93";

// Answers the next access-code prompt with the text.
void AnswerCode(CScriptedPrompts& prompts, const std::string& code) {
  prompts.AnswerDialog([code](CDialog& d) {
    static_cast<CPasswordDlg&>(d).m_strPassword = code;
    return IDOK;
  });
}

// Test pages stand in for the program's pages of some ids for one test; the
// templates and page classes of those ids are the program's again afterwards,
// also when the test stops early.
class CStandInPages {
 public:
  explicit CStandInPages(std::initializer_list<UINT> ids) : m_ids(ids) {
    for (const UINT id : ids) {
      if (const DialogTemplate* t = FindDialogTemplate(id)) m_templates.push_back(*t);
    }
  }
  ~CStandInPages() {
    // A template not made yet is registered by its page when the page is made.
    for (const DialogTemplate& t : m_templates) RegisterDialogTemplate(t);
    for (const UINT id : m_ids) RegisterPage(id, nullptr);
    ::RegisterPagesAndSheets();
  }
  CStandInPages(const CStandInPages&) = delete;
  CStandInPages& operator=(const CStandInPages&) = delete;

 private:
  std::vector<UINT> m_ids;
  std::vector<DialogTemplate> m_templates;
};

// A page of a test: an empty child template of its own; it can stand for a zone or group page.
class CTestPage : public CDialog, public IZoneSubPage {
 public:
  explicit CTestPage(UINT id) : m_id(id) {
    m_template.id = id;
    m_template.cx = 200;
    m_template.cy = 120;
    m_template.style = WS_CHILD;
    RegisterDialogTemplate(m_template);
  }
  void SetPageIndex(int index) override { given.push_back(index); }
  int GetCurrentIndex() const override { return current; }

  std::vector<int> given;
  int current = -1;

 private:
  UINT m_id;
  DialogTemplate m_template;
  using CDialog::Create;
};

}  // namespace

TEST_F(MainDlgTest, TitleFollowsTheModes) {
  EXPECT_EQ(MainWindowTitle(false, false), "PX417 for TQ-5100 PassPort ( Version 1.04 )");
  EXPECT_EQ(MainWindowTitle(false, true), "PX417 for TQ-5100 PassPort ( Version 1.04 )(S)");
  EXPECT_EQ(MainWindowTitle(true, true), "PX417 for TQ-5100 PassPort ( Version 1.04 )(M)");

  AnswerCode(prompts, kCodeM);
  AnswerCode(prompts, kCodeS);
  Start({"-m", "-s"});
  EXPECT_EQ(dlg->GetWindowText(), "PX417 for TQ-5100 PassPort ( Version 1.04 )(M)");
  EXPECT_TRUE(g_bModeM && g_bModeS);
  EXPECT_TRUE(dlg->GetDlgItem(IDC_SERIAL_EDIT)->IsWindowEnabled());
  EXPECT_EQ(prompts.Prompts()[0].dialogId, IDD_PASSWORD);
}

TEST_F(MainDlgTest, WrongAccessCodeLeavesTheModeOff) {
  AnswerCode(prompts, "QX7M4");
  Start({"/M"});
  EXPECT_FALSE(g_bModeM);
  EXPECT_EQ(dlg->GetWindowText(), "PX417 for TQ-5100 PassPort ( Version 1.04 )");
  EXPECT_FALSE(dlg->GetDlgItem(IDC_SERIAL_EDIT)->IsWindowEnabled());
}

TEST_F(MainDlgTest, UsageErrorsShowTheTextAndEndWithCodeOne) {
  struct Case {
    std::vector<std::string> words;
    int error;
  };
  const Case cases[] = {{{"-c5"}, kUsageBadComPort}, {{"-c"}, kUsageBadComPort}, {{"-l3"}, kUsageBadComPort},
                        {{"-x"}, kUsageBadOption},   {{"a", "b"}, kUsageMoreThanOneFile},
                        {{"/?"}, kUsageOnly},        {{"-H"}, kUsageOnly}};
  for (const Case& c : cases) {
    prompts.Clear();
    CMainDlg d(c.words);
    int code = -1;
    try {
      d.ApplyCommandLine();
    } catch (const UsageExit& e) {
      code = e.code;
    }
    EXPECT_EQ(code, 1) << c.words[0];
    ASSERT_EQ(prompts.MessageTexts().size(), 1u) << c.words[0];
    EXPECT_EQ(prompts.MessageTexts()[0], FormatUsageMessage(c.error)) << c.words[0];
  }
  EXPECT_NE(FormatUsageMessage(kUsageBadComPort).find("***   Bad COM port   ***"), std::string::npos);
}

TEST_F(MainDlgTest, UsageErrorEndsTheProcess) {
  SetProcessExitHandler(nullptr);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        CMainDlg d({"-q"});
        d.ApplyCommandLine();
      },
      ::testing::ExitedWithCode(1), "");
}

TEST_F(MainDlgTest, PortsAndFileFromTheCommandLine) {
  WriteDataFile(dir / "radio.X417", true);
  Start({"-c4", "-L2", "radio"});
  EXPECT_EQ(TheProgramConfig().GetComPort(), 3);
  EXPECT_EQ(TheProgramConfig().GetLptPort(), 1);
  EXPECT_EQ(g_strDataFile, "radio.X417");
  EXPECT_EQ(dlg->GetFileLabel(), "File:radio.X417");
  EXPECT_EQ(TheModel().global.bandFlag, 0u);
  EXPECT_TRUE(prompts.MessageTexts().empty());
}

TEST_F(MainDlgTest, FirstLoadOfTheDefaultFile) {
  WriteDataFile(dir / "Data/DEFAULTUP.X417");
  TheModel().ResetEditModel();
  Start();
  EXPECT_EQ(g_strDataFile, "Data/DEFAULTUP.X417");
  EXPECT_EQ(dlg->GetFileLabel(), "File:DEFAULTUP.X417");
  EXPECT_EQ(dlg->GetDlgItemText(IDC_ESN_EDIT), std::to_string(TheModel().identity.Esn()));
  EXPECT_EQ(g_bModified, 0u);
}

TEST_F(MainDlgTest, TheFocusStartsOnTheGlobal1PageAndGoesToThePageThatFollows) {
  WriteDataFile(dir / "Data/DEFAULTUP.X417");
  dlg = std::make_unique<CMainDlg>();
  bool onPage = false;
  bool onEsn = true;
  bool onNextPage = false;
  auto focusIn = [this](UINT id) {
    CWnd* focus = CWnd::GetFocus();
    CWnd* page = PageWindow(id);
    return focus && page && page->GetSafeHwnd()->isAncestorOf(focus->GetSafeHwnd());
  };
  ui_test::RunModal(*dlg, [&] {
    onPage = focusIn(139);
    onEsn = CWnd::GetFocus() && CWnd::GetFocus()->GetDlgCtrlID() == IDC_ESN_EDIT;
    // The page with the focus is left: the next page takes it, not the ESN field.
    Key(Qt::Key_F2);  // Global 2
    onNextPage = focusIn(140);
    dlg->EndDialog(IDCANCEL);
  });
  EXPECT_TRUE(onPage);
  EXPECT_FALSE(onEsn);
  EXPECT_TRUE(onNextPage);
}

// Without its default file the program holds what the build writes into that
// file: the same image and tail, byte for byte.
TEST_F(MainDlgTest, StartWithoutDataFilesHoldsTheDefaultFilesData) {
  Start();
  EXPECT_EQ(g_strDataFile, "<NONE>");
  EXPECT_EQ(dlg->GetFileLabel(), "");
  ASSERT_EQ(prompts.MessageTexts().size(), 1u);
  EXPECT_EQ(prompts.MessageTexts()[0], "Problem opening file\n    Data/DEFAULTUP.X417\n\n   Press any key");
  Bytes file;
  ASSERT_TRUE(BuildDefaultDataFile(true, file));
  const CEditModel& model = TheModel();
  EXPECT_TRUE(std::equal(file.begin(), file.begin() + kFileImagePart, model.image.begin()));
  EXPECT_TRUE(std::equal(file.begin() + kFileImagePart, file.end(), model.tail.begin()));
  EXPECT_EQ(TabLabels().size(), 9u);  // a production-type-11 radio, as the default file holds
}

TEST_F(MainDlgTest, TabSetsAndMenuEnabling) {
  WriteDataFile(dir / "Data/DEFAULTUP.X417");  // production type 0
  Start();
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Global 1", "Global 2", "Mobile Special", "Key Assignment",
                                                   "Zone", "DTMF ANI", "5-Tone"}));
  CMenu& menu = dlg->GetMainMenu();
  EXPECT_TRUE(menu.GetMenuState(ID_PAGE_SEL_CALL, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(menu.GetMenuState(ID_PAGE_FIVE_TONE, MF_BYCOMMAND) & MF_GRAYED);
  ASSERT_NE(PageWindow(139), nullptr);  // Global 1 is up

  // Sel Call is not in this set: the command enters the current page again.
  Command(ID_PAGE_SEL_CALL);
  EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), 0);

  TheModel().store.modelWord = 11 << 8;
  dlg->BuildTabs();
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Global 1", "Global 2", "Mobile Special", "Key Assignment",
                                                   "Zone", "Sel Call", "Seed channel", "DTMF ANI", "5-Tone"}));
  EXPECT_FALSE(menu.GetMenuState(ID_PAGE_SEL_CALL, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(menu.GetMenuState(ID_PRINT_SEED, MF_BYCOMMAND) & MF_GRAYED);
  Command(ID_PAGE_KEY_ASSIGN);
  EXPECT_NE(PageWindow(142), nullptr);
  Command(ID_PAGE_SEED);
  EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), 6);
  EXPECT_NE(PageWindow(115), nullptr);
  EXPECT_EQ(PageWindow(142), nullptr);

  // Back to another model: the items stay enabled.
  TheModel().store.modelWord = 0;
  dlg->BuildTabs();
  EXPECT_FALSE(menu.GetMenuState(ID_PAGE_SEL_CALL, MF_BYCOMMAND) & MF_GRAYED);
  Command(ID_PAGE_KEY_ASSIGN);
  EXPECT_NE(PageWindow(215), nullptr);
}

TEST_F(MainDlgTest, FunctionKeysSwitchTabsAndEnterEscAreInert) {
  WriteDataFile(dir / "Data/DEFAULTUP.X417");  // production type 0: the short tab set
  Start();
  dlg->GetTabCtrl().SetFocus();
  Key(Qt::Key_F3);
  EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), 2);
  EXPECT_NE(PageWindow(232), nullptr);
  EXPECT_EQ(PageWindow(139), nullptr);
  Key(Qt::Key_F6);
  EXPECT_NE(PageWindow(162), nullptr);  // DTMF ANI in the short set
  Key(Qt::Key_F7);
  EXPECT_NE(PageWindow(223), nullptr);

  Key(Qt::Key_Return);
  Key(Qt::Key_Escape);
  Pump();
  EXPECT_TRUE(dlg->IsWindowVisible());
  EXPECT_NE(PageWindow(223), nullptr);

  TheModel().store.modelWord = 11 << 8;
  dlg->BuildTabs();
  dlg->GetTabCtrl().SetFocus();
  Key(Qt::Key_F6);
  EXPECT_NE(PageWindow(113), nullptr);  // Sel Call
  Key(Qt::Key_F7);
  EXPECT_NE(PageWindow(115), nullptr);  // Seed channel
  EXPECT_TRUE(prompts.MessageTexts().empty());
}

// Ctrl+PageDown and Ctrl+Tab select the next tab, Ctrl+PageUp and
// Ctrl+Shift+Tab the previous one, round the set, wherever the focus is; a
// list with the focus never sees them, and keeps its own PageDown.
TEST_F(MainDlgTest, TabKeysSelectTabsWhereverTheFocusIsAndNeverReachAList) {
  WriteDataFile(dir / "Data/DEFAULTUP.X417");  // production type 0: seven tabs
  Start();
  CWnd* list = PageWindow(IDD_GLOBAL1)->GetDlgItem(IDC_G1_DIMMER);
  list->SetFocus();
  ASSERT_TRUE(PumpUntil([list] { return CWnd::GetFocus() == list; }));
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int tab;
  };
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  for (const Step& s : {Step{Qt::Key_PageDown, ctrl, 1}, Step{Qt::Key_Tab, ctrl, 2},
                        Step{Qt::Key_Backtab, ctrl | Qt::ShiftModifier, 1}, Step{Qt::Key_PageUp, ctrl, 0},
                        Step{Qt::Key_PageUp, ctrl, 6}, Step{Qt::Key_Tab, ctrl, 0}}) {
    Key(s.key, s.mods);
    EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), s.tab);
    EXPECT_NE(dlg->GetCurrentPage(), nullptr);
  }
  EXPECT_EQ(g_bModified, 0u);
  dlg->GetDlgItem(IDC_ESN_EDIT)->SetFocus();
  Key(Qt::Key_PageDown, ctrl);
  EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), 1);

  Key(Qt::Key_PageUp, ctrl);
  list = PageWindow(IDD_GLOBAL1)->GetDlgItem(IDC_G1_DIMMER);
  list->SetFocus();
  ASSERT_TRUE(PumpUntil([list] { return CWnd::GetFocus() == list; }));
  Key(Qt::Key_PageDown);
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), 0);
}

TEST_F(MainDlgTest, PlaceholderPagesKeepThePageKeys) {
  Start();
  Command(ID_PAGE_GLOBAL2);
  CWnd* page = PageWindow(140);
  ASSERT_NE(page, nullptr);
  page->GetSafeHwnd()->setFocusPolicy(Qt::StrongFocus);
  page->SetFocus();
  Key(Qt::Key_Escape);
  Key(Qt::Key_Return);
  EXPECT_TRUE(page->IsWindowVisible());
  Key(Qt::Key_F5);  // passed up to the main dialog
  EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), 4);
  ASSERT_NE(PageWindow(234), nullptr);
  PageWindow(234)->GetSafeHwnd()->setFocusPolicy(Qt::StrongFocus);
  PageWindow(234)->SetFocus();
  prompts.Clear();
  Key(Qt::Key_F9, Qt::ShiftModifier);  // no memory-map file
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"ROM Editor can't be carried out\n"});
  EXPECT_EQ(prompts.Beeps(), 1);
}

TEST_F(MainDlgTest, PageRectangleKeptAcrossSwitchesAndResizes) {
  Start();
  auto rectOf = [this](UINT id) {
    CRect r;
    PageWindow(id)->GetWindowRect(&r);
    dlg->GetTabCtrl().ScreenToClient(&r);
    return r;
  };
  Command(ID_PAGE_GLOBAL2);
  const CRect first = rectOf(140);
  EXPECT_FALSE(first.IsRectEmpty());

  // A wider and taller window stretches the page shown with the tab control.
  CRect before;
  dlg->GetWindowRect(&before);
  dlg->MoveWindow(before.left, before.top, before.Width() + 60, before.Height() + 40);
  Pump();
  const CRect stretched = rectOf(140);
  EXPECT_EQ(stretched.TopLeft(), first.TopLeft());
  EXPECT_EQ(stretched.Width(), first.Width() + 60);
  EXPECT_EQ(stretched.Height(), first.Height() + 40);

  // Every page after it opens in the rectangle of the page left last.
  Command(ID_PAGE_MOBILE_SPECIAL);
  EXPECT_EQ(g_rcPage, stretched);
  EXPECT_EQ(rectOf(232), stretched);
  PageWindow(232)->MoveWindow(6, 30, 300, 200);
  dlg->GetTabCtrl().SetFocus();
  Key(Qt::Key_F5);
  EXPECT_EQ(rectOf(234), CRect(6, 30, 306, 230));
  Key(Qt::Key_F2);
  EXPECT_EQ(rectOf(140), CRect(6, 30, 306, 230));
}

TEST_F(MainDlgTest, RegisteredPageReplacesThePlaceholder) {
  // The main dialog registers the built pages as it is made; a class
  // registered after that replaces the page of its id.
  Start();
  const CStandInPages standIn{162};
  CTestPage* made = nullptr;
  RegisterPage(162, [&made] {
    auto page = std::make_unique<CTestPage>(162);
    made = page.get();
    return page;
  });
  EXPECT_TRUE(IsPageRegistered(162));
  // The registry makes pages of its own classes through their own Create.
  Command(ID_PAGE_DTMF);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(&dlg->Page(162), made);
  // The Global, Mobile Special and Key Assignment pages are built.
  for (UINT id : {139u, 140u, 232u, 142u, 215u}) EXPECT_EQ(dynamic_cast<CPlaceholderPage*>(&dlg->Page(id)), nullptr);
  RegisterPage(162, nullptr);
  EXPECT_FALSE(IsPageRegistered(162));
}

TEST_F(MainDlgTest, ZoneSubPagesSwitchInPlace) {
  const CStandInPages standIn{234, 171, 169, 163};
  std::map<UINT, CTestPage*> pages;
  for (UINT id : {234u, 171u, 169u, 163u}) {
    RegisterPage(id, [id, &pages] {
      auto page = std::make_unique<CTestPage>(id);
      pages[id] = page.get();
      return page;
    });
  }
  Start();
  ASSERT_FALSE(pages[234]->given.empty());
  EXPECT_EQ(pages[234]->given.back(), 0);  // the overview starts at zone 0
  const std::size_t givenAtStart = pages[234]->given.size();
  Command(ID_PAGE_ZONE);
  ASSERT_NE(PageWindow(234), nullptr);

  dlg->SendMessage(WM_SHOWPAGE_GROUP_BASIC, 0x105, 0);
  EXPECT_EQ(dlg->GetZoneSubPageId(), 171u);
  EXPECT_EQ(PageWindow(234), nullptr);
  ASSERT_NE(PageWindow(171), nullptr);
  EXPECT_EQ(pages[171]->given, std::vector<int>{5});

  // Group commands: a page on its Default column names no group.
  TheModel().global.homeGroup = 7;
  TheModel().global.emergencyGroup = 7;
  TheModel().store.groups[7].flags = 1;
  pages[171]->current = -1;
  Command(ID_CLEAR_GROUP_IN_USE);
  EXPECT_EQ(TheModel().store.groups[7].flags, 1);
  pages[171]->current = 7;
  prompts.Clear();
  Command(ID_CLEAR_GROUP_IN_USE);
  EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{"Delete Emergency Group 8", "Delete Home Group 8"}));
  EXPECT_EQ(TheModel().global.homeGroup, 255);
  EXPECT_EQ(TheModel().global.emergencyGroup, 255);
  EXPECT_EQ(TheModel().store.groups[7].flags, 0);
  Command(ID_SET_GROUP_IN_USE);
  EXPECT_EQ(TheModel().store.groups[7].flags, 1);

  // Back to the overview where it was (255 keeps its zone).
  dlg->SendMessage(WM_SHOWPAGE_ZONE, 0, 255);
  EXPECT_EQ(pages[234]->given.size(), givenAtStart);
  ASSERT_NE(PageWindow(234), nullptr);
  pages[234]->current = 3;
  TheModel().store.zoneFlags[3] = 0x10;
  Command(ID_SET_ZONE_FLAG);
  EXPECT_EQ(TheModel().store.zoneFlags[3], 0x11);
  Command(ID_CLEAR_ZONE_FLAG);
  EXPECT_EQ(TheModel().store.zoneFlags[3], 0x10);

  // Leaving the Zone tab and coming back shows the sub-page last asked for.
  dlg->SendMessage(WM_SHOWPAGE_CONV_BASIC, 2, 0);
  Command(ID_PAGE_GLOBAL1);
  EXPECT_EQ(PageWindow(169), nullptr);
  Command(ID_PAGE_ZONE);
  EXPECT_NE(PageWindow(169), nullptr);
}

TEST_F(MainDlgTest, ChannelClearedSweepKeepsTheFlagBits) {
  Start();
  CChannelStore& store = TheModel().store;
  store.zoneRepeaters[2][4] = 0xA000 | 17;
  store.zoneRepeaters[3][0] = 18;
  store.groups[9].channelWord = 0x0400 | 17;
  dlg->SendMessage(WM_CHANNEL_CLEARED, 17, 0);
  EXPECT_EQ(store.zoneRepeaters[2][4], 0xA000 | 1023);
  EXPECT_EQ(store.zoneRepeaters[3][0], 18);
  EXPECT_EQ(store.groups[9].channelWord, 0x0400 | 1023);
  EXPECT_EQ(g_bModified, 1u);
}

TEST_F(MainDlgTest, ModelLabel) {
  Start();
  TheModel().store.modelWord = 11 << 8;
  TheModel().global.hardwareByte = kUhfHardware;
  dlg->SendMessage(WM_MODEL_CHANGED, 0, 0);
  EXPECT_EQ(dlg->GetDlgItemText(IDC_MODEL_LABEL), "TQ-5100-RM3K-50(UHF)");
  dlg->SendMessage(WM_MODEL_CHANGED, 0, 9);  // no such string: nothing changes
  EXPECT_EQ(dlg->GetDlgItemText(IDC_MODEL_LABEL), "TQ-5100-RM3K-50(UHF)");
  TheModel().global.hardwareByte = kVhfHardware;  // not a MODEL code: no name
  dlg->SendMessage(WM_MODEL_CHANGED, 0, 0);
  EXPECT_EQ(dlg->GetDlgItemText(IDC_MODEL_LABEL), "");
}
