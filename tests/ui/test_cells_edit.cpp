// The edit cells with real key presses: what each takes and refuses, the
// beeps, and the messages its page receives, in order.
#include "test_cells_support.h"

using namespace cells_test;

namespace {

constexpr Message NumChange(LPARAM value) { return {WM_NUMEDIT_CHANGE, kNum, value}; }

// A key that types a character outside ASCII.
void TypeEAcute() {
  QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_Eacute, QString::fromUtf8("é"),
                      Qt::NoModifier);
}

class NumEditTest : public CellTest {
 protected:
  // Insert mode, plain numbers: blank and signs refused.
  void SetUpPlain(int digits, int decimals, int maxValue = 0, BOOL enterChange = FALSE, BOOL enterNext = FALSE) {
    host.num.Setup(0, digits, decimals, TRUE, enterChange, FALSE, FALSE, maxValue, enterNext);
    for (char c : {' ', '+', '-'}) host.num.AddRefusedChar(c);
    FocusOn(host.num);
  }
};

TEST_F(NumEditTest, InsertModeTakesDigitsUpToItsLengthAndValue) {
  SetUpPlain(4, 0);
  Type("12345");
  EXPECT_EQ(Text(host.num), "1234");
  // Each key reports what the text read as before it; the refused fifth digit too.
  EXPECT_EQ(host.messages, (Messages{NumChange(0), NumChange(1), NumChange(12), NumChange(123), NumChange(1234)}));
  host.messages.clear();
  Type(".a +-");  // no decimals: a beep and the message; a letter: a beep; refused ones: nothing
  TypeEAcute();
  EXPECT_EQ(Text(host.num), "1234");
  EXPECT_EQ(host.messages, (Messages{NumChange(1234)}));
  EXPECT_EQ(prompts.Beeps(), 4);

  SetUpPlain(4, 5);
  host.num.SetWindowText("");
  Type("12.3.45678901");
  EXPECT_EQ(Text(host.num), "12.3456789");  // 4 + point + 5; the second point, 0 and 1 beep
  EXPECT_EQ(prompts.Beeps(), 7);

  SetUpPlain(3, 0, 255);
  host.num.SetWindowText("30");
  host.num.SetSel(2, 2);
  Type("9");
  EXPECT_EQ(Text(host.num), "30");
  host.num.SetSel(0, -1);
  Type("7");
  EXPECT_EQ(Text(host.num), "7");
  EXPECT_EQ(Sel(host.num), std::make_pair(1, 1));
  // A refused key over a whole selection leaves the text as it was.
  host.num.SetSel(0, -1);
  Type("a");
  EXPECT_EQ(Text(host.num), "7");
  EXPECT_EQ(prompts.Beeps(), 9);
}

TEST_F(NumEditTest, BackspaceAndDeleteInInsertMode) {
  SetUpPlain(4, 0);
  host.num.SetWindowText("1234");
  host.num.SetSel(2, 2);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(host.num), "134");
  EXPECT_EQ(Sel(host.num), std::make_pair(1, 1));
  // At the start there is nothing before the selection: nothing changes, the key still goes on.
  host.num.SetSel(0, 0);
  Key(Qt::Key_Backspace);
  host.num.SetSel(0, 2);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(host.num), "134");
  EXPECT_EQ(host.messages, (Messages(3, NumChange(134))));  // the value without the character

  // Delete: the edit's own deletion, then the value before it.
  host.messages.clear();
  host.num.SetSel(0, 0);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Text(host.num), "34");
  EXPECT_EQ(host.messages, (Messages{Command(kNum, EN_CHANGE), NumChange(134)}));
  EXPECT_EQ(prompts.Beeps(), 0);
}

TEST_F(NumEditTest, OverwriteModeReplacesAtTheCaret) {
  host.num.Setup(0, 3, 1, FALSE, FALSE, TRUE, FALSE, 0, FALSE);  // length 5, sign allowed, no blank
  FocusOn(host.num);
  host.num.SetWindowText("12.5");
  host.num.SetSel(0, 0);
  Type("9.");  // the 9 replaces the 1; the point may only replace the point
  host.num.SetSel(2, 2);
  Type(".");
  host.num.SetSel(0, 0);
  Type("-+ ");  // a sign only at the start; no blank
  host.num.SetSel(4, 4);
  Type("7");  // after the last character: added
  Type("1");  // beyond the length
  EXPECT_EQ(Text(host.num), "-2.57");
  EXPECT_EQ(prompts.Beeps(), 4);

  host.messages.clear();
  host.num.SetSel(2, 2);
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Text(host.num), "-2.57");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(NumEditTest, EnterMovesOnOrSendsTheConfiguredMessageAndEscIsSwallowed) {
  SetUpPlain(4, 0);
  Key(Qt::Key_Return);
  EXPECT_EQ(FocusedId(), kNext);

  SetUpPlain(4, 0, 0, FALSE, TRUE);
  Key(Qt::Key_Return);
  EXPECT_EQ(Sent(WM_NUMEDIT_ENTER), (Messages{{WM_NUMEDIT_ENTER, kNum, 0}}));
  EXPECT_EQ(FocusedId(), kNext);  // moved on by the page

  SetUpPlain(4, 0, 0, TRUE, FALSE);  // Enter sends the change; typing sends none
  Type("42");
  Key(Qt::Key_Return);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Sent(WM_NUMEDIT_CHANGE), (Messages{NumChange(0)}));
  EXPECT_EQ(FocusedId(), kNum);
  EXPECT_EQ(Text(host.num), "42");
  EXPECT_EQ(host.oks + host.cancels, 0);
}

TEST_F(CellTest, HexEditTakesHexDigitsAndTheAllowedCharactersUpToItsLength) {
  host.hex.SetEditParams(0, 2);
  FocusOn(host.hex);
  Type("abcg");  // c: too long; g: no extra characters allowed, a beep and no message
  EXPECT_EQ(Text(host.hex), "AB");
  host.hex.SetSel(0, 0);
  Key(Qt::Key_Backspace);  // the last character goes, wherever the caret is
  Key(Qt::Key_Delete);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(host.hex), "A");
  EXPECT_EQ(Sel(host.hex), std::make_pair(0, 0));
  EXPECT_EQ(host.messages, (Messages(4, {WM_HEXEDIT_CHANGE, kHex, 0})));
  EXPECT_EQ(prompts.Beeps(), 2);
  Key(Qt::Key_Return);
  EXPECT_EQ(FocusedId(), kSerial);
  EXPECT_EQ(host.oks + host.cancels, 0);

  host.hex.SetWindowText("");
  host.hex.SetEditParams(0, 4);
  host.hex.AddAllowedChar('-');
  host.hex.AddRefusedChar('F');
  for (char c : std::string("!#$%&*+/=@")) host.hex.AddAllowedChar(c);  // the last is one too many
  FocusOn(host.hex);
  Type("-F1@g");
  EXPECT_EQ(Text(host.hex), "-1");
  // The refused hex digit is silent but reported; characters not allowed are neither.
  EXPECT_EQ(host.messages, (Messages(3, {WM_HEXEDIT_CHANGE, kHex, 0})));
  host.hex.SetSel(0, -1);
  Type("F");  // refused: the selected text stays
  EXPECT_EQ(Text(host.hex), "-1");
  host.hex.SetSel(0, -1);
  Type("c");
  EXPECT_EQ(Text(host.hex), "C");
  EXPECT_EQ(prompts.Beeps(), 2);
}

TEST_F(CellTest, SerialEditUpperCasesLettersAndDigitsAndBeepsAtTheRest) {
  host.serial.SetEditParams(0, 8);
  host.serial.AddRefusedChar(' ');
  FocusOn(host.serial);
  Type("x ab-1");
  TypeEAcute();
  host.serial.AddAllowedChar('-');
  Type("-23456");
  EXPECT_EQ(Text(host.serial), "XAB1-234");
  EXPECT_EQ(prompts.Beeps(), 5);  // blank, '-' not yet allowed, é, then 5 and 6 over the length
  EXPECT_EQ(host.messages, (Messages(13, {WM_SERIALEDIT_CHANGE, kSerial, 0})));  // every key

  host.messages.clear();
  host.serial.SetSel(0, 0);
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Delete);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(host.serial), "XAB1-23");
  EXPECT_EQ(host.messages, (Messages{{WM_SERIALEDIT_CHANGE, kSerial, 0}}));
  Key(Qt::Key_Return);
  EXPECT_EQ(FocusedId(), kFilter);
  EXPECT_EQ(host.oks + host.cancels, 0);
}

TEST_F(CellTest, FilterEditPassesOnlyWhatItsModeAccepts) {
  FocusOn(host.filter);
  struct Case {
    int mode;
    const char* typed;
    const char* kept;
  };
  for (const Case& c : {Case{2, "1aBfG e", "1aBe"}, Case{0, "a!b,c.d~e f", "abcde f"}, Case{12, "x!", "x!"},
                        Case{7, "4x2.", "42"}}) {
    host.filter.SetWindowText("");
    host.filter.SetFilterMode(c.mode);
    Type(c.typed);
    if (c.mode == 0) TypeEAcute();
    EXPECT_EQ(Text(host.filter), c.kept) << "mode " << c.mode;
  }
  Key(Qt::Key_Backspace);  // always passes
  EXPECT_EQ(Text(host.filter), "4");
  EXPECT_EQ(prompts.Beeps(), 0);
}

TEST_F(CellTest, CommitEditStartsOnDemandUndoesWithEscAndCommits) {
  host.commit.SetFilterMode(1);
  host.commit.SetMaxLength(4);
  host.commit.SetWindowText("12.5");
  FocusOn(host.commit);
  Type("a");  // refused silently: still showing
  EXPECT_EQ(host.commit.GetReadOnlyState(), 1);
  Type("5");  // accepted: editing starts and the key replaces the text
  EXPECT_EQ(Text(host.commit), "5");
  EXPECT_EQ(host.commit.GetReadOnlyState(), 0);
  EXPECT_EQ(host.commit.GetBkColor(), GetSysColor(COLOR_INFOBK));
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(host.commit), "12.5");
  EXPECT_EQ(host.commit.GetReadOnlyState(), 1);
  EXPECT_EQ(host.commit.GetCommitted(), 0);
  EXPECT_EQ(host.commit.GetBkColor(), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(host.cancels, 0);

  Key(Qt::Key_Return);  // starts
  Type("3");
  Key(Qt::Key_Return);  // ends, committed
  EXPECT_EQ(Text(host.commit), "3");
  EXPECT_EQ(host.commit.GetCommitted(), 1);

  // A double click starts (the text cut to the maximum length); losing the focus commits.
  host.commit.SetCommitted(0);
  host.commit.SetFilterMode(9);  // letters C to N at position 1, digits elsewhere
  host.commit.SetWindowText("123456");
  DoubleClick(host.commit.GetSafeHwnd(), QPoint(4, 4));
  EXPECT_EQ(host.commit.GetReadOnlyState(), 0);
  EXPECT_EQ(Text(host.commit), "1234");
  host.commit.SetWindowText("");
  Type("1bcz5");
  host.GotoDlgCtrl(&host.num);
  ASSERT_TRUE(PumpUntil([] { return FocusedId() == kNum; }));
  EXPECT_EQ(Text(host.commit), "1c5");
  EXPECT_EQ(host.commit.GetReadOnlyState(), 1);
  EXPECT_EQ(host.commit.GetCommitted(), 1);
  EXPECT_EQ(prompts.Beeps(), 0);
}

// Ctrl+A selects the whole text of every edit cell, so that a field full to its
// length with the caret in it can be typed over; it types no character.
TEST_F(CellTest, CtrlASelectsTheWholeTextOfEveryEditCell) {
  host.num.Setup(0, 4, 0, TRUE, FALSE, FALSE, FALSE, 0, FALSE);
  host.hex.SetEditParams(0, 4);
  host.serial.SetEditParams(0, 4);
  host.filter.SetFilterMode(7);
  struct Case {
    CEdit& edit;
    const char* typed;
  };
  for (const Case& c : {Case{host.num, "5"}, Case{host.hex, "A"}, Case{host.serial, "B"}, Case{host.filter, "6"}}) {
    c.edit.SetWindowText("1234");
    FocusOn(c.edit);
    c.edit.SetSel(2, 2);
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Sel(c.edit), std::make_pair(0, 4)) << c.edit.GetDlgCtrlID();
    Type(c.typed);
    EXPECT_EQ(Text(c.edit), c.typed);
  }
  EXPECT_EQ(prompts.Beeps(), 0);
}

TEST_F(CellTest, RestrictEditSwallowsLetterKeysUnlessLettersAreAllowed) {
  for (const char* fruit : {"Apple", "Banana", "Cherry"}) host.restrict.AddString(fruit);
  host.restrict.SetCurSel(0);
  host.restrict.SetEditParams(0, 0);
  FocusOn(host.restrict);
  Key(Qt::Key_B);
  EXPECT_EQ(host.restrict.GetCurSel(), 0);
  host.restrict.SetEditParams(0, 1);
  Key(Qt::Key_C);
  EXPECT_EQ(host.restrict.GetCurSel(), 2);
  EXPECT_EQ(Count(kRestrict, CBN_SELCHANGE), 1);
}

}  // namespace
