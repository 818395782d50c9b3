// Arrow keys through a group of radio buttons and mnemonic letters, pressed
// for real in a dialog.
#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kDialogId = 9751;
constexpr int kTx = 1054, kA = 3621, kB = 3611, kC = 3612, kWide = 1126, kName = 1070, kEdit = 1071, kStart = 1068;

void RegisterTemplate() {
  RegisterVisibleDialog(
      kDialogId, "Keys", 200, 120,
      {dlg::GroupBox("TX", kTx, 2, 2, 90, 60), dlg::AutoRadioButton("TX VCV", kA, 6, 12, 80, 10, WS_GROUP | WS_TABSTOP),
       dlg::AutoRadioButton("Power High", kB, 6, 24, 80, 10), dlg::AutoRadioButton("Power Low-High", kC, 6, 36, 80, 10),
       dlg::AutoCheckBox("&Wide", kWide, 100, 12, 50, 10, WS_GROUP), dlg::LText("&Name", kName, 100, 30, 30, 10),
       dlg::EditText(kEdit, 130, 28, 50, 12), dlg::PushButton("&Start", kStart, 100, 60, 40, 14),
       dlg::PushButton("OK", IDOK, 100, 100, 40, 14)});
}

class CKeysDialog : public CDialog {
 public:
  CKeysDialog() : CDialog(kDialogId) {}
  std::vector<int> clicked;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam && HIWORD(wParam) == BN_CLICKED) clicked.push_back(LOWORD(wParam));
    return CDialog::OnCommand(wParam, lParam);
  }
};

class DialogKeysTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplate();
    ASSERT_TRUE(dlg.Create(kDialogId));
    ASSERT_TRUE(Activate(dlg));
    Pump();
  }
  void TearDown() override {
    dlg.DestroyWindow();
    WndTest::TearDown();
  }
  void FocusOn(int id) {
    dlg.GotoDlgCtrl(dlg.GetDlgItem(id));
    ASSERT_TRUE(PumpUntil([&] { return Focused() == id; }));
    dlg.clicked.clear();
  }
  int Focused() { return CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : 0; }

  CKeysDialog dlg;
};

TEST_F(DialogKeysTest, ArrowsGoRoundTheGroupAndChooseTheRadioButtonReached) {
  dlg.CheckRadioButton(kA, kC, kA);
  FocusOn(kA);
  Key(Qt::Key_Down);
  EXPECT_EQ(Focused(), kB);
  EXPECT_EQ(dlg.IsDlgButtonChecked(kB), 1u);
  EXPECT_EQ(dlg.IsDlgButtonChecked(kA), 0u);
  Key(Qt::Key_Right);
  Key(Qt::Key_Down);  // past the last of the group: back to the first
  EXPECT_EQ(Focused(), kA);
  Key(Qt::Key_Up);
  EXPECT_EQ(Focused(), kC);
  EXPECT_EQ(dlg.clicked, (std::vector<int>{kB, kC, kA, kC}));
  EXPECT_EQ(dlg.IsDlgButtonChecked(kC), 1u);

  // A check box alone in its group stays where it is.
  FocusOn(kWide);
  Key(Qt::Key_Down);
  EXPECT_EQ(Focused(), kWide);
  EXPECT_TRUE(dlg.clicked.empty());
}

TEST_F(DialogKeysTest, MnemonicsClickButtonsAndLabelsLeadToTheirControl) {
  // With Alt (the click may come a moment later, as a button shows itself pressed).
  FocusOn(kEdit);
  Key(Qt::Key_S, Qt::AltModifier);
  EXPECT_TRUE(PumpUntil([&] { return !dlg.clicked.empty(); }));
  Pump(150);
  EXPECT_EQ(dlg.clicked, std::vector<int>{kStart});
  EXPECT_EQ(dlg.GetDlgItemText(kEdit), "");  // the letter went nowhere else

  FocusOn(kEdit);
  Key(Qt::Key_W, Qt::AltModifier);
  EXPECT_TRUE(PumpUntil([&] { return !dlg.clicked.empty(); }));
  Pump(150);
  EXPECT_EQ(dlg.clicked, std::vector<int>{kWide});
  EXPECT_EQ(dlg.IsDlgButtonChecked(kWide), 1u);
  EXPECT_EQ(Focused(), kWide);

  // Where the focus takes no characters, the letter alone is enough.
  Type("n");
  EXPECT_EQ(Focused(), kEdit);
  Type("n");  // now it is typed
  EXPECT_EQ(dlg.GetDlgItemText(kEdit), "n");
  FocusOn(kWide);
  Type("s");
  EXPECT_EQ(dlg.clicked, std::vector<int>{kStart});
  FocusOn(kWide);
  Type("q");  // no control has it
  EXPECT_EQ(Focused(), kWide);
  EXPECT_TRUE(dlg.clicked.empty());
}

}  // namespace
