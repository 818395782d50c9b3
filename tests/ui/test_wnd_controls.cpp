// The standard controls raise their notifications for what the person does
// and never for what the program does.
#include <QListWidget>

#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kDialogId = 9301;
constexpr int kEdit = 1101, kEdit2 = 1102, kList = 1103, kDrop = 1104, kListBox = 1105, kQuietList = 1106;
constexpr int kRadioA = 1107, kRadioB = 1108, kRadioC = 1109, kAutoCheck = 1110, kManualCheck = 1111;
constexpr int kCell = 1112, kButton = 1113, kPlainLabel = 1114;

void RegisterTemplate() {
  RegisterVisibleDialog(
      kDialogId, "Controls", 300, 220,
      {dlg::EditText(kEdit, 4, 4, 80, 12), dlg::EditText(kEdit2, 4, 20, 80, 12),
       dlg::ComboBox(kList, 4, 36, 80, 60, CBS_DROPDOWNLIST | WS_VSCROLL),
       dlg::ComboBox(kDrop, 4, 52, 80, 60, CBS_DROPDOWN), dlg::ListBox(kListBox, 100, 4, 80, 60),
       dlg::ListBox(kQuietList, 190, 4, 80, 60, 0, LBS_NOTIFY),
       dlg::AutoRadioButton("A", kRadioA, 4, 80, 40, 10, WS_GROUP | WS_TABSTOP),
       dlg::AutoRadioButton("B", kRadioB, 4, 92, 40, 10), dlg::AutoRadioButton("C", kRadioC, 4, 104, 40, 10, WS_GROUP),
       dlg::AutoCheckBox("Auto", kAutoCheck, 60, 80, 50, 10, WS_GROUP),
       dlg::CheckBox("Manual", kManualCheck, 60, 92, 50, 10),
       dlg::LText("&Cell", kCell, 60, 110, 40, 10, SS_NOTIFY | WS_TABSTOP),
       dlg::PushButton("Press", kButton, 60, 130, 40, 14), dlg::LText("Plain", kPlainLabel, 110, 110, 40, 10),
       dlg::PushButton("OK", IDOK, 180, 200, 50, 14), dlg::PushButton("Cancel", IDCANCEL, 240, 200, 50, 14)});
}

using Note = std::pair<int, UINT>;  // control id, notification code

class CControlsDlg : public CDialog {
 public:
  CControlsDlg() : CDialog(kDialogId) {}
  std::vector<Note> notes;
  std::vector<int> listSelAtNotify;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam) notes.emplace_back(LOWORD(wParam), HIWORD(wParam));
    if (LOWORD(wParam) == kListBox && HIWORD(wParam) == LBN_SELCHANGE) {
      listSelAtNotify.push_back(static_cast<CListBox*>(GetDlgItem(kListBox))->GetCurSel());
    }
    return CDialog::OnCommand(wParam, lParam);
  }
};

class ControlTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplate();
    ASSERT_TRUE(dlg.Create(kDialogId));
    ASSERT_TRUE(Activate(dlg));
    Pump();
    dlg.notes.clear();  // the first edit's focus on opening
  }
  void TearDown() override {
    dlg.DestroyWindow();
    WndTest::TearDown();
  }
  // Focus to the control, and the notes of that cleared.
  void FocusOn(int id) {
    dlg.GotoDlgCtrl(dlg.GetDlgItem(id));
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() && CWnd::GetFocus()->GetDlgCtrlID() == id; }));
    dlg.notes.clear();
  }
  size_t Count(int id, UINT code) const { return std::count(dlg.notes.begin(), dlg.notes.end(), Note{id, code}); }
  template <class T>
  T* Item(int id) {
    return static_cast<T*>(dlg.GetDlgItem(id));
  }

  CControlsDlg dlg;
};

TEST_F(ControlTest, EditReportsTypingButNotTheProgramsChanges) {
  auto* edit = Item<CEdit>(kEdit);
  FocusOn(kEdit);
  edit->SetWindowText("12345");
  edit->ReplaceSel("x");
  EXPECT_TRUE(dlg.notes.empty());

  edit->SetWindowText("");
  Type("ab");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(edit->GetWindowText(), "a");
  EXPECT_EQ(Count(kEdit, EN_CHANGE), 3u);

  // Selections as the cells expect them: end -1 is the end, start -1 deselects.
  edit->SetWindowText("hello");
  int start = 0, end = 0;
  edit->GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 0);
  edit->SetSel(1, -1);
  edit->GetSel(start, end);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 5);
  edit->SetSel(4, 2);
  edit->GetSel(start, end);
  EXPECT_EQ(start, 2);
  EXPECT_EQ(end, 4);
  edit->SetSel(-1, 0);
  edit->GetSel(start, end);
  EXPECT_EQ(start, end);

  // The limit stops typing, not the program.
  edit->LimitText(3);
  edit->SetWindowText("abc");
  edit->SetSel(3, 3);
  dlg.notes.clear();
  Type("d");
  EXPECT_EQ(edit->GetWindowText(), "abc");
  EXPECT_EQ(dlg.notes, (std::vector<Note>{{kEdit, EN_MAXTEXT}}));
  edit->SetWindowText("longer than three");
  EXPECT_EQ(edit->GetWindowText(), "longer than three");
}

TEST_F(ControlTest, TheControlLosingTheFocusHearsOfItBeforeTheNextOneGetsIt) {
  FocusOn(kEdit);
  Key(Qt::Key_Tab);
  EXPECT_EQ(dlg.notes, (std::vector<Note>{{kEdit, EN_KILLFOCUS}, {kEdit2, EN_SETFOCUS}}));
}

TEST_F(ControlTest, ComboReportsTheUsersChoiceOnly) {
  auto* combo = Item<CComboBox>(kList);
  EXPECT_EQ(combo->AddString("Alpha"), 0);
  EXPECT_EQ(combo->AddString("Beta"), 1);
  EXPECT_EQ(combo->InsertString(-1, "Gamma"), 2);
  EXPECT_EQ(combo->GetCurSel(), CB_ERR);  // filling selects nothing
  EXPECT_EQ(combo->SetCurSel(1), 1);
  EXPECT_EQ(combo->GetLBText(1), "Beta");
  EXPECT_EQ(combo->FindStringExact(-1, "GAMMA"), 2);
  EXPECT_EQ(combo->FindString(0, "al"), 0);  // wraps round
  EXPECT_TRUE(dlg.notes.empty());

  FocusOn(kList);
  Key(Qt::Key_Down);
  EXPECT_EQ(combo->GetCurSel(), 2);
  EXPECT_EQ(Count(kList, CBN_SELCHANGE), 1u);

  dlg.notes.clear();
  EXPECT_EQ(combo->SetCurSel(7), CB_ERR);
  EXPECT_EQ(combo->GetCurSel(), CB_ERR);
  combo->SetCurSel(2);
  EXPECT_EQ(combo->DeleteString(2), 2);
  EXPECT_EQ(combo->GetCurSel(), CB_ERR);
  combo->ResetContent();
  EXPECT_EQ(combo->GetCount(), 0);
  EXPECT_TRUE(dlg.notes.empty());
}

TEST_F(ControlTest, TypingIntoAComboEditFieldLeavesNoSelection) {
  auto* combo = Item<CComboBox>(kDrop);
  combo->AddString("One");
  combo->AddString("Two");
  combo->SetCurSel(0);
  FocusOn(kDrop);
  Type("x");
  EXPECT_EQ(Count(kDrop, CBN_EDITCHANGE), 1u);
  EXPECT_EQ(Count(kDrop, CBN_SELCHANGE), 0u);
  EXPECT_EQ(combo->GetCurSel(), CB_ERR);
  combo->SetCurSel(1);
  EXPECT_EQ(combo->GetCurSel(), 1);
  EXPECT_EQ(combo->GetWindowText(), "Two");
}

TEST_F(ControlTest, ListBoxReportsClicksAndDoubleClicksWithTheNotifyStyle) {
  auto* list = Item<CListBox>(kListBox);
  auto* quiet = Item<CListBox>(kQuietList);
  for (const char* s : {"red", "green", "blue"}) {
    list->AddString(s);
    quiet->AddString(s);
  }
  EXPECT_EQ(list->SetCurSel(0), 0);
  EXPECT_EQ(list->SetCurSel(-1), LB_ERR);
  EXPECT_EQ(list->GetCurSel(), LB_ERR);
  EXPECT_TRUE(dlg.notes.empty());

  auto* view = qobject_cast<QListWidget*>(list->GetSafeHwnd());
  const QPoint third = view->visualItemRect(view->item(2)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, third);
  EXPECT_EQ(list->GetCurSel(), 2);
  EXPECT_EQ(dlg.listSelAtNotify, std::vector<int>{2});
  DoubleClick(view->viewport(), third);
  EXPECT_EQ(Count(kListBox, LBN_DBLCLK), 1u);
  EXPECT_EQ(list->GetText(2), "blue");

  auto* quietView = qobject_cast<QListWidget*>(quiet->GetSafeHwnd());
  QTest::mouseClick(quietView->viewport(), Qt::LeftButton, Qt::NoModifier,
                    quietView->visualItemRect(quietView->item(1)).center());
  EXPECT_EQ(quiet->GetCurSel(), 1);
  EXPECT_EQ(Count(kQuietList, LBN_SELCHANGE), 0u);
}

TEST_F(ControlTest, ButtonsReportClicksAndRadioGroupsFollowTheGroupStyle) {
  auto* a = Item<CButton>(kRadioA);
  auto* b = Item<CButton>(kRadioB);
  auto* c = Item<CButton>(kRadioC);
  a->SetCheck(BST_CHECKED);
  c->SetCheck(BST_CHECKED);
  EXPECT_TRUE(dlg.notes.empty());

  Click(b);
  EXPECT_EQ(b->GetCheck(), BST_CHECKED);
  EXPECT_EQ(a->GetCheck(), BST_UNCHECKED);  // same group
  EXPECT_EQ(c->GetCheck(), BST_CHECKED);    // a group of its own
  EXPECT_EQ(Count(kRadioB, BN_CLICKED), 1u);

  // The program may check several; only clicks are exclusive.
  dlg.CheckRadioButton(kRadioA, kRadioB, kRadioA);
  EXPECT_EQ(dlg.IsDlgButtonChecked(kRadioA), 1u);
  EXPECT_EQ(dlg.IsDlgButtonChecked(kRadioB), 0u);

  Click(Item<CWnd>(kAutoCheck));
  EXPECT_EQ(dlg.IsDlgButtonChecked(kAutoCheck), 1u);
  // A non-automatic check box reports the click and leaves the state to the program.
  Click(Item<CWnd>(kManualCheck));
  EXPECT_EQ(dlg.IsDlgButtonChecked(kManualCheck), 0u);
  EXPECT_EQ(Count(kManualCheck, BN_CLICKED), 1u);

  dlg.notes.clear();
  Click(Item<CWnd>(kButton));
  EXPECT_EQ(dlg.notes, (std::vector<Note>{{kButton, BN_CLICKED}}));
}

TEST_F(ControlTest, ANotifyingLabelReportsClicksAndKeepsItsRawText) {
  Click(Item<CWnd>(kCell));
  EXPECT_EQ(Count(kCell, STN_CLICKED), 1u);
  Click(Item<CWnd>(kPlainLabel));
  EXPECT_EQ(Count(kPlainLabel, STN_CLICKED), 0u);
  EXPECT_EQ(dlg.GetDlgItemText(kCell), "&Cell");
  dlg.SetDlgItemInt(kPlainLabel, -42);
  BOOL ok = FALSE;
  EXPECT_EQ(static_cast<int>(dlg.GetDlgItemInt(kPlainLabel, &ok)), -42);
  EXPECT_TRUE(ok);
  dlg.SetDlgItemText(kPlainLabel, "4x");
  dlg.GetDlgItemInt(kPlainLabel, &ok);
  EXPECT_FALSE(ok);
}

}  // namespace
