// Key routing with real key presses: PreTranslateMessage from the focused
// control up to the top-level dialog, the dialog keyboard (Tab, Enter, Esc),
// keys turned into others, characters after key-downs, accelerators.
#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kDialogId = 9201;
constexpr UINT kPageId = 9202;
constexpr UINT kDefaultGoId = 9203;
constexpr UINT kAccelId = 9299;
constexpr int kEdit1 = 1001, kEdit2 = 1002, kDisabledEdit = 1003, kHiddenEdit = 1004, kApply = 1005, kGo = 1006;
constexpr int kPageEdit = 2001;
constexpr WORD kRomEditor = 32774;

void RegisterTemplates() {
  DialogTemplate t;
  t.id = kDialogId;
  t.caption = "Keys";
  t.style |= WS_VISIBLE;
  t.cx = 240;
  t.cy = 200;
  t.items = {dlg::EditText(kEdit1, 4, 4, 60, 12),
             dlg::EditText(kEdit2, 4, 20, 60, 12),
             dlg::EditText(kDisabledEdit, 4, 36, 60, 12, WS_DISABLED),
             dlg::EditText(kHiddenEdit, 4, 52, 60, 12, 0, WS_VISIBLE),
             dlg::LText("Label", IDC_STATIC, 70, 4, 40, 8),
             dlg::PushButton("Apply", kApply, 4, 70, 40, 14),
             dlg::DefPushButton("OK", IDOK, 120, 180, 50, 14),
             dlg::PushButton("Cancel", IDCANCEL, 180, 180, 50, 14)};
  RegisterDialogTemplate(t);

  DialogTemplate go = t;
  go.id = kDefaultGoId;
  go.items = {dlg::EditText(kEdit1, 4, 4, 60, 12), dlg::DefPushButton("Go", kGo, 4, 70, 40, 14),
              dlg::PushButton("OK", IDOK, 120, 180, 50, 14), dlg::PushButton("Cancel", IDCANCEL, 180, 180, 50, 14)};
  RegisterDialogTemplate(go);

  DialogTemplate page;
  page.id = kPageId;
  page.style = WS_CHILD | WS_VISIBLE;
  page.x = 4;
  page.y = 90;
  page.cx = 200;
  page.cy = 80;
  page.items = {dlg::EditText(kPageEdit, 4, 4, 60, 12), dlg::EditText(2002, 4, 20, 60, 12)};
  RegisterDialogTemplate(page);

  RegisterAcceleratorTable(kAccelId, {{FVIRTKEY | FSHIFT, static_cast<WORD>(VK_F9), kRomEditor}});
}

std::string KeyName(const MSG* m) {
  std::string kind = m->message == WM_KEYDOWN ? "down " : m->message == WM_CHAR ? "char " : "msg ";
  return kind + std::to_string(m->wParam);
}

class CKeyDialog : public CDialog {
 public:
  explicit CKeyDialog(UINT id = kDialogId) : CDialog(id) {}
  Log log;
  bool shiftSeenInApply = false;

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR) log.push_back("dlg " + KeyName(pMsg));
    TranslateAccelerator(m_hWnd, m_hAccel, pMsg);  // the result does not stop the key
    return CDialog::PreTranslateMessage(pMsg);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_hAccel = LoadAccelerators(kAccelId);
    return TRUE;
  }
  void OnOK() override {
    log.push_back("ok");
    CDialog::OnOK();
  }
  void OnCancel() override {
    log.push_back("cancel");
    CDialog::OnCancel();
  }

 protected:
  void OnApply() {
    log.push_back("apply");
    shiftSeenInApply = GetKeyState(VK_SHIFT) < 0;
  }
  void OnGo() { log.push_back("go"); }
  void OnRomEditor() { log.push_back("rom editor"); }
  HACCEL m_hAccel = nullptr;
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CKeyDialog, CDialog)
  ON_BN_CLICKED(kApply, OnApply)
  ON_BN_CLICKED(kGo, OnGo)
  ON_COMMAND(kRomEditor, OnRomEditor)
END_MESSAGE_MAP()

// A page in the usual pattern: Enter and Esc swallowed, F1-F7 passed up.
class CKeyPage : public CDialog {
 public:
  CKeyPage() : CDialog(kPageId) {}
  Log* log = nullptr;
  bool stopF5 = false;

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR) log->push_back("page " + KeyName(pMsg));
    if (pMsg->message == WM_KEYDOWN) {
      if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE) return TRUE;
      if (stopF5 && pMsg->wParam == VK_F5) return TRUE;
      if (pMsg->wParam >= VK_F1 && pMsg->wParam <= VK_F7) return FALSE;
    }
    return CDialog::PreTranslateMessage(pMsg);
  }
};

// An edit cell that logs what it is offered, can turn Enter into Tab, and
// refuses digits in its character handler.
class CCellEdit : public CEdit {
 public:
  Log* log = nullptr;
  bool enterIsTab = false;
  bool swallowEnter = false;

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR) log->push_back("edit " + KeyName(pMsg));
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
      if (swallowEnter) return TRUE;
      if (enterIsTab) pMsg->wParam = VK_TAB;
    }
    return FALSE;
  }

 protected:
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    log->push_back("onchar " + std::to_string(nChar));
    if (nChar >= '0' && nChar <= '9') return;  // dropped: not passed on
    CEdit::OnChar(nChar, nRepCnt, nFlags);
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCellEdit, CEdit)
  ON_WM_CHAR()
END_MESSAGE_MAP()

int FocusedId() {
  CWnd* f = CWnd::GetFocus();
  return f ? f->GetDlgCtrlID() : 0;
}

class KeyTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplates();
  }
};

TEST_F(KeyTest, RoutingGoesUpFromTheFocusedControlAndStopsAtTheFirstTaker) {
  CKeyDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  ASSERT_TRUE(Activate(dlg));
  CKeyPage page;
  page.log = &dlg.log;
  ASSERT_TRUE(page.Create(kPageId, &dlg));
  CCellEdit cell;
  cell.log = &dlg.log;
  ASSERT_TRUE(cell.SubclassDlgItem(kPageEdit, &page));
  page.GotoDlgCtrl(&cell);
  ASSERT_TRUE(PumpUntil([&] { return FocusedId() == kPageEdit; }));

  page.stopF5 = true;
  dlg.log.clear();
  Key(Qt::Key_F5);
  EXPECT_EQ(dlg.log, (Log{"edit down 116", "page down 116"}));

  dlg.log.clear();
  Key(Qt::Key_F3);
  EXPECT_EQ(dlg.log, (Log{"edit down 114", "page down 114", "dlg down 114"}));

  // A plain character: the page's dialog processing takes it and types it.
  dlg.log.clear();
  Key(Qt::Key_A);
  EXPECT_EQ(dlg.log, (Log{"edit down 65", "page down 65", "edit char 97", "page char 97", "onchar 97"}));
  EXPECT_EQ(cell.GetWindowText(), "a");

  // Enter and Esc are swallowed by the page and never reach the dialog.
  dlg.log.clear();
  Key(Qt::Key_Return);
  Key(Qt::Key_Escape);
  EXPECT_EQ(dlg.log, (Log{"edit down 13", "page down 13", "edit down 27", "page down 27"}));
  EXPECT_TRUE(dlg.IsWindowVisible());

  cell.UnsubclassWindow();
  page.DestroyWindow();
  dlg.DestroyWindow();
}

TEST_F(KeyTest, EnterAndEscEndAModalDialogWithOkAndCancel) {
  CKeyDialog enter;
  EXPECT_EQ(RunModal(enter, [] { Key(Qt::Key_Return); }), IDOK);
  EXPECT_EQ(enter.log.back(), "ok");
  EXPECT_EQ(enter.GetSafeHwnd(), nullptr);

  CKeyDialog esc;
  EXPECT_EQ(RunModal(esc, [] { Key(Qt::Key_Escape); }), IDCANCEL);
  EXPECT_EQ(esc.log.back(), "cancel");
}

TEST_F(KeyTest, ASwallowedEnterLeavesTheModalDialogOpen) {
  CKeyDialog dlg;
  CCellEdit cell;
  Log cellLog;
  cell.log = &cellLog;
  cell.swallowEnter = true;
  const INT_PTR result = RunModal(dlg, [&] {
    ASSERT_TRUE(cell.SubclassDlgItem(kEdit1, &dlg));
    dlg.GotoDlgCtrl(&cell);
    Key(Qt::Key_Return);
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(std::count(dlg.log.begin(), dlg.log.end(), "ok"), 0);
    Key(Qt::Key_Escape);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(cell.GetSafeHwnd(), nullptr);  // unbound when the dialog's window went
}

TEST_F(KeyTest, EnterPressesTheFocusedButtonElseTheDefaultButton) {
  CKeyDialog dlg;
  const INT_PTR result = RunModal(dlg, [&] {
    dlg.GotoDlgCtrl(dlg.GetDlgItem(kApply));
    Key(Qt::Key_Return);
    EXPECT_EQ(dlg.log.back(), "apply");
    EXPECT_TRUE(dlg.IsWindowVisible());
    dlg.GotoDlgCtrl(dlg.GetDlgItem(kEdit1));
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(result, IDOK);

  CKeyDialog go(kDefaultGoId);
  const INT_PTR goResult = RunModal(go, [&] {
    Key(Qt::Key_Return);
    EXPECT_EQ(go.log.back(), "go");
    // A disabled default button makes Enter do nothing.
    go.GetDlgItem(kGo)->EnableWindow(FALSE);
    go.log.clear();
    Key(Qt::Key_Return);
    EXPECT_TRUE(go.log.empty() || go.log.back() != "go");
    Key(Qt::Key_Escape);
  });
  EXPECT_EQ(goResult, IDCANCEL);
}

TEST_F(KeyTest, TabFollowsTheTabStopsInTemplateOrder) {
  CKeyDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  ASSERT_TRUE(Activate(dlg));
  dlg.SetDlgItemText(kEdit2, "abc");
  dlg.GotoDlgCtrl(dlg.GetDlgItem(kEdit1));
  ASSERT_TRUE(PumpUntil([] { return FocusedId() == kEdit1; }));

  std::vector<int> order;
  for (int i = 0; i < 5; ++i) {
    Key(Qt::Key_Tab);
    order.push_back(FocusedId());
  }
  // The disabled and the hidden edit and the label are no tab stops; the order wraps.
  EXPECT_EQ(order, (std::vector<int>{kEdit2, kApply, IDOK, IDCANCEL, kEdit1}));

  Key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(FocusedId(), IDCANCEL);

  // WM_NEXTDLGCTL moves like Tab and selects all of an edit's text.
  dlg.GotoDlgCtrl(dlg.GetDlgItem(kEdit1));
  dlg.SendMessage(WM_NEXTDLGCTL, 0, 0);
  ASSERT_EQ(FocusedId(), kEdit2);
  int start = -1, end = -1;
  static_cast<CEdit*>(dlg.GetDlgItem(kEdit2))->GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 3);
  dlg.SendMessage(WM_NEXTDLGCTL, 1, 0);
  EXPECT_EQ(FocusedId(), kEdit1);
  dlg.DestroyWindow();
}

TEST_F(KeyTest, AKeyTurnedIntoTabMovesTheFocusAndCharactersFollowKeyDowns) {
  CKeyDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  ASSERT_TRUE(Activate(dlg));
  CCellEdit cell;
  Log cellLog;
  cell.log = &cellLog;
  cell.enterIsTab = true;
  ASSERT_TRUE(cell.SubclassDlgItem(kEdit1, &dlg));
  dlg.GotoDlgCtrl(&cell);
  ASSERT_TRUE(PumpUntil([] { return FocusedId() == kEdit1; }));

  Type("a1b2");
  EXPECT_EQ(cell.GetWindowText(), "ab");  // digits dropped by the cell's OnChar
  EXPECT_EQ(cellLog[0], "edit down 65");
  EXPECT_EQ(cellLog[1], "edit char 97");
  EXPECT_EQ(cellLog[2], "onchar 97");

  Key(Qt::Key_Return);
  EXPECT_EQ(FocusedId(), kEdit2);
  EXPECT_EQ(std::count(dlg.log.begin(), dlg.log.end(), "ok"), 0);
  cell.UnsubclassWindow();
  dlg.DestroyWindow();
}

TEST_F(KeyTest, AcceleratorsMatchTheKeyWithItsShiftState) {
  CKeyDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  ASSERT_TRUE(Activate(dlg));
  dlg.GotoDlgCtrl(dlg.GetDlgItem(kEdit1));
  ASSERT_TRUE(PumpUntil([] { return FocusedId() == kEdit1; }));
  Key(Qt::Key_F9);
  EXPECT_EQ(std::count(dlg.log.begin(), dlg.log.end(), "rom editor"), 0);
  Key(Qt::Key_F9, Qt::ShiftModifier);
  EXPECT_EQ(std::count(dlg.log.begin(), dlg.log.end(), "rom editor"), 1);

  // The Shift state of the key being routed is what GetKeyState reports.
  dlg.GotoDlgCtrl(dlg.GetDlgItem(kApply));
  Key(Qt::Key_Space, Qt::ShiftModifier);
  EXPECT_EQ(dlg.log.back(), "apply");
  EXPECT_TRUE(dlg.shiftSeenInApply);
  dlg.DestroyWindow();
}

}  // namespace
