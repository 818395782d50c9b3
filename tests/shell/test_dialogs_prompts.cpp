// The password prompts and System Data Copy, run through the prompt service
// as their callers run them, and answered with real keys and clicks.
#include <string>

#include "shell/dialogs/password_dlg.h"
#include "shell/dialogs/radio_password_dlg.h"
#include "shell/dialogs/system_copy_dlg.h"
#include "ui/ui_test_support.h"

using namespace ui_test;

namespace {

class PromptDlgTest : public WndTest {
 protected:
  // The next dialog asked for runs modally and is driven by `drive`.
  void Drive(std::function<void(CDialog&)> drive) {
    prompts.AnswerDialog([drive](CDialog& dlg) { return RunModal(dlg, [&] { drive(dlg); }); });
  }
};

// ---- the radio password ------------------------------------------------------------

TEST_F(PromptDlgTest, RadioPasswordIsUpperCasedAndPaddedToEightCharacters) {
  Drive([](CDialog& dlg) {
    EXPECT_EQ(dlg.GetWindowText(), "Password");
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_RADIO_PASSWORD_EDIT));
    Type("ab1");
    Click(dlg.GetDlgItem(IDOK));
  });
  EXPECT_EQ(AskRadioPassword(nullptr), std::optional<std::string>("AB1     "));
  ASSERT_EQ(prompts.Prompts().size(), 1u);
  EXPECT_EQ(prompts.Prompts()[0].dialogId, IDD_RADIO_PASSWORD);
}

TEST_F(PromptDlgTest, RadioPasswordEdgeCases) {
  // Nothing typed: the text stays empty.
  Drive([](CDialog& dlg) { Click(dlg.GetDlgItem(IDOK)); });
  EXPECT_EQ(AskRadioPassword(nullptr), std::optional<std::string>(""));

  // Typed and wiped with Backspace: eight blanks.
  Drive([](CDialog& dlg) {
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_RADIO_PASSWORD_EDIT));
    Type("x7");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(dlg.GetDlgItemText(IDC_RADIO_PASSWORD_EDIT), "");
    Click(dlg.GetDlgItem(IDOK));
  });
  EXPECT_EQ(AskRadioPassword(nullptr), std::optional<std::string>(std::string(8, ' ')));

  // At most eight characters are taken.
  Drive([](CDialog& dlg) {
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_RADIO_PASSWORD_EDIT));
    Type("abcdefghij");
    Click(dlg.GetDlgItem(IDOK));
  });
  EXPECT_EQ(AskRadioPassword(nullptr), std::optional<std::string>("ABCDEFGH"));

  // Cancel gives nothing, whatever was typed.
  Drive([](CDialog& dlg) {
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_RADIO_PASSWORD_EDIT));
    Type("abc");
    Click(dlg.GetDlgItem(IDCANCEL));
  });
  EXPECT_EQ(AskRadioPassword(nullptr), std::nullopt);
}

// ---- the access code ---------------------------------------------------------------

std::string CodeM() {
  std::string s = "RY8N52";  // stored shifted by one, as the command-line tests keep it
  for (auto& c : s) c = static_cast<char>(c - 1);
  return s;
}

TEST_F(PromptDlgTest, AccessCodePromptComparesTheTypedText) {
  std::string lower = CodeM();
  for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  Drive([&](CDialog& dlg) {
    EXPECT_EQ(dlg.GetWindowText(), "PASSWORD");
    Type(lower.c_str());  // the edit has the focus when the prompt opens
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(AskAccessCode(AccessMode::M, nullptr), 0);
  ASSERT_EQ(prompts.Prompts().size(), 1u);
  EXPECT_EQ(prompts.Prompts()[0].dialogId, IDD_PASSWORD);

  Drive([&](CDialog&) {
    Type(CodeM().c_str());
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(AskAccessCode(AccessMode::S, nullptr), -1);  // the other mode's code

  Drive([&](CDialog&) {
    Type(CodeM().c_str());
    Key(Qt::Key_Escape);
  });
  EXPECT_EQ(AskAccessCode(AccessMode::M, nullptr), -1);
}

// ---- System Data Copy --------------------------------------------------------------

CComboBox* DestList(CDialog& dlg) { return static_cast<CComboBox*>(dlg.GetDlgItem(IDC_COPY_DEST_LIST)); }

TEST_F(PromptDlgTest, SystemCopyListSkipsTheSourceAndMapsBack) {
  Drive([](CDialog& dlg) {
    EXPECT_EQ(dlg.GetWindowText(), "System Data Copy");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_COPY_SOURCE_TEXT), "System 1");
    CComboBox* list = DestList(dlg);
    EXPECT_EQ(list->GetCount(), 31);
    EXPECT_EQ(list->GetLBText(0), "System 2");
    EXPECT_EQ(list->GetCurSel(), 0);
    Click(dlg.GetDlgItem(IDOK));
  });
  EXPECT_EQ(AskCopyDestination(nullptr, 0), 1);

  Drive([](CDialog& dlg) {
    EXPECT_EQ(dlg.GetDlgItemText(IDC_COPY_SOURCE_TEXT), "System32");
    CComboBox* list = DestList(dlg);
    EXPECT_EQ(list->GetLBText(30), "System31");
    dlg.GotoDlgCtrl(list);
    for (int i = 0; i < 30; ++i) Key(Qt::Key_Down);
    EXPECT_EQ(list->GetCurSel(), 30);
    Click(dlg.GetDlgItem(IDOK));
  });
  EXPECT_EQ(AskCopyDestination(nullptr, 31), 30);

  // Around a source in the middle: the entries before it are the systems
  // themselves, the ones after it the next system.
  for (const auto& [steps, expected] : {std::pair{4, 4}, std::pair{5, 6}}) {
    Drive([steps = steps](CDialog& dlg) {
      CComboBox* list = DestList(dlg);
      EXPECT_EQ(list->GetLBText(4), "System 5");
      EXPECT_EQ(list->GetLBText(5), "System 7");
      dlg.GotoDlgCtrl(list);
      for (int i = 0; i < steps; ++i) Key(Qt::Key_Down);
      Click(dlg.GetDlgItem(IDOK));
    });
    EXPECT_EQ(AskCopyDestination(nullptr, 5), expected);
  }
}

TEST_F(PromptDlgTest, SystemCopyTypedTextOrCancelCopiesNothing) {
  int result = 0;
  Drive([&](CDialog& dlg) {
    dlg.GotoDlgCtrl(DestList(dlg));
    Type("9");
    EXPECT_EQ(DestList(dlg)->GetCurSel(), CB_ERR);
    Click(dlg.GetDlgItem(IDOK));
  });
  CSystemCopyDlg typed(nullptr, 3);
  result = static_cast<int>(GetPromptService().RunDialog(typed));
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(typed.m_nDestSystem, 255);

  Drive([](CDialog&) { Key(Qt::Key_Escape); });
  EXPECT_EQ(AskCopyDestination(nullptr, 3), 255);

  // A source outside 0..31 never yields a system outside them.
  Drive([](CDialog& dlg) {
    dlg.GotoDlgCtrl(DestList(dlg));
    for (int i = 0; i < 31; ++i) Key(Qt::Key_Down);
    Click(dlg.GetDlgItem(IDOK));
  });
  EXPECT_EQ(AskCopyDestination(nullptr, -1), 255);
}

}  // namespace
