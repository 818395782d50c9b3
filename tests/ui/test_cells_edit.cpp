// The edit cells with real key presses: what each takes and refuses, the
// beeps, and the messages its page receives, in order.
#include "test_cells_support.h"

using namespace cells_test;

namespace {

constexpr Message NumChange(LPARAM value) { return {WM_NUMEDIT_CHANGE, kNum, value}; }
constexpr Message HexChange() { return {WM_HEXEDIT_CHANGE, kHex, 0}; }
constexpr Message SerialChange() { return {WM_SERIALEDIT_CHANGE, kSerial, 0}; }

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
    host.num.AddRefusedChar(' ');
    host.num.AddRefusedChar('+');
    host.num.AddRefusedChar('-');
    FocusOn(host.num);
  }
};

TEST_F(NumEditTest, InsertModeTakesDigitsUpToItsLengthAndReportsTheValueBefore) {
  SetUpPlain(4, 0);
  Type("12345");
  EXPECT_EQ(Text(host.num), "1234");
  EXPECT_EQ(prompts.Beeps(), 1);
  // Each key reports what the text read as before it; the refused fifth digit too.
  EXPECT_EQ(Sent(WM_NUMEDIT_CHANGE),
            (Messages{NumChange(0), NumChange(1), NumChange(12), NumChange(123), NumChange(1234)}));

  host.messages.clear();
  Type(".");  // no decimals: beep, the text stays, the message still goes
  Type("a");  // a letter: beep and nothing else
  Type(" +-");  // refused characters: silently dropped
  EXPECT_EQ(Text(host.num), "1234");
  EXPECT_EQ(prompts.Beeps(), 3);
  EXPECT_EQ(host.messages, (Messages{NumChange(1234)}));
  TypeEAcute();
  EXPECT_EQ(prompts.Beeps(), 4);
  EXPECT_EQ(Text(host.num), "1234");
}

TEST_F(NumEditTest, DecimalsMaximumValueAndWholeSelection) {
  SetUpPlain(4, 5);
  Type("12.3.45678901");
  EXPECT_EQ(Text(host.num), "12.3456789");  // ten characters: 4 + point + 5
  EXPECT_EQ(prompts.Beeps(), 3);              // the second point, then 0 and 1

  host.num.Setup(0, 3, 0, TRUE, FALSE, FALSE, FALSE, 255, FALSE);
  host.num.SetWindowText("30");
  host.num.SetSel(2, 2);
  Type("9");
  EXPECT_EQ(Text(host.num), "30");
  EXPECT_EQ(prompts.Beeps(), 4);

  host.num.SetSel(0, -1);
  Type("7");
  EXPECT_EQ(Text(host.num), "7");
  EXPECT_EQ(Sel(host.num), std::make_pair(1, 1));

  // A refused key over a whole selection leaves the text as it was.
  host.num.SetWindowText("25");
  host.num.SetSel(0, -1);
  Type("a");
  EXPECT_EQ(Text(host.num), "25");
}

TEST_F(NumEditTest, BackspaceAndDeleteInInsertMode) {
  SetUpPlain(4, 0);
  host.num.SetWindowText("1234");
  host.num.SetSel(2, 2);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(host.num), "134");
  EXPECT_EQ(Sel(host.num), std::make_pair(1, 1));
  EXPECT_EQ(host.messages, (Messages{NumChange(134)}));  // the value without the character

  // At the start there is nothing before the caret: nothing changes, the key still goes on.
  host.messages.clear();
  host.num.SetSel(0, 0);
  Key(Qt::Key_Backspace);
  host.num.SetSel(0, 2);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(host.num), "134");
  EXPECT_EQ(host.messages, (Messages{NumChange(134), NumChange(134)}));

  // Delete: the edit's own deletion (EN_CHANGE), then the value before it.
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
  Type("9");
  EXPECT_EQ(Text(host.num), "92.5");
  Type(".");  // the character at the caret is no point
  host.num.SetSel(2, 2);
  Type(".");  // replaces the point itself
  EXPECT_EQ(Text(host.num), "92.5");
  host.num.SetSel(0, 0);
  Type("-");
  EXPECT_EQ(Text(host.num), "-2.5");
  Type("+");  // a sign only at the start
  Type(" ");  // no blank
  host.num.SetSel(4, 4);
  Type("7");  // after the last character: added
  EXPECT_EQ(Text(host.num), "-2.57");
  host.num.SetSel(5, 5);
  Type("1");  // beyond the length
  EXPECT_EQ(Text(host.num), "-2.57");
  EXPECT_EQ(prompts.Beeps(), 4);

  // Backspace and Delete do nothing in overwrite mode.
  host.messages.clear();
  host.num.SetSel(2, 2);
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Text(host.num), "-2.57");
  EXPECT_TRUE(Sent(WM_NUMEDIT_CHANGE).empty());
}

TEST_F(NumEditTest, EnterMovesOnOrSendsTheConfiguredMessageAndEscIsSwallowed) {
  SetUpPlain(4, 0);
  Key(Qt::Key_Return);
  EXPECT_EQ(FocusedId(), kNext);
  EXPECT_EQ(host.oks, 0);

  SetUpPlain(4, 0, 0, FALSE, TRUE);  // Enter sends WM_NUMEDIT_ENTER (the page moves on)
  Key(Qt::Key_Return);
  EXPECT_EQ(Sent(WM_NUMEDIT_ENTER), (Messages{{WM_NUMEDIT_ENTER, kNum, 0}}));
  EXPECT_EQ(FocusedId(), kNext);

  SetUpPlain(4, 0, 0, TRUE, FALSE);  // Enter sends the change; typing sends none
  Type("42");
  Key(Qt::Key_Return);
  EXPECT_EQ(Sent(WM_NUMEDIT_CHANGE), (Messages{NumChange(0)}));
  EXPECT_EQ(FocusedId(), kNum);

  Key(Qt::Key_Escape);
  EXPECT_EQ(host.cancels, 0);
  EXPECT_EQ(Text(host.num), "42");
  EXPECT_EQ(host.oks, 0);
}

TEST_F(CellTest, HexEditTakesHexDigitsUpperCasedUpToItsLength) {
  host.hex.SetEditParams(0, 2);
  FocusOn(host.hex);
  Type("abc");
  EXPECT_EQ(Text(host.hex), "AB");
  EXPECT_EQ(prompts.Beeps(), 1);
  host.hex.SetSel(0, 0);
  Key(Qt::Key_Backspace);  // the last character goes, wherever the caret is
  EXPECT_EQ(Text(host.hex), "A");
  EXPECT_EQ(Sel(host.hex), std::make_pair(0, 0));
  EXPECT_EQ(host.messages, (Messages(4, HexChange())));

  // With no extra characters allowed, any other character beeps and reports nothing.
  host.messages.clear();
  Type("g");
  EXPECT_EQ(prompts.Beeps(), 2);
  EXPECT_TRUE(host.messages.empty());
  Key(Qt::Key_Delete);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(host.hex), "A");
  EXPECT_EQ(host.cancels, 0);
  Key(Qt::Key_Return);
  EXPECT_EQ(FocusedId(), kSerial);
  EXPECT_EQ(host.oks, 0);
}

TEST_F(CellTest, HexEditAllowedAndRefusedCharacters) {
  host.hex.SetEditParams(0, 4);
  host.hex.AddAllowedChar('-');
  host.hex.AddRefusedChar('F');
  FocusOn(host.hex);
  Type("-F1g");
  EXPECT_EQ(Text(host.hex), "-1");
  // The refused hex digit is silent but reported; the character not allowed is neither.
  EXPECT_EQ(host.messages, (Messages(3, HexChange())));
  EXPECT_EQ(prompts.Beeps(), 0);

  host.hex.SetSel(0, -1);
  Type("f");  // refused: the selected text stays
  EXPECT_EQ(Text(host.hex), "-1");
  host.hex.SetSel(0, -1);
  Type("c");
  EXPECT_EQ(Text(host.hex), "C");

  // An eleventh allowed character is ignored.
  for (char c : std::string("!#$%&*+/=")) host.hex.AddAllowedChar(c);
  host.hex.AddAllowedChar('@');
  Type("=@");
  EXPECT_EQ(Text(host.hex), "C=");
}

TEST_F(CellTest, SerialEditUpperCasesLettersAndDigitsAndBeepsAtTheRest) {
  host.serial.SetEditParams(0, 8);
  host.serial.AddRefusedChar(' ');
  FocusOn(host.serial);
  Type("x");
  EXPECT_EQ(Text(host.serial), "X");
  Type(" ");
  Type("ab-1");
  EXPECT_EQ(Text(host.serial), "XAB1");
  EXPECT_EQ(prompts.Beeps(), 2);
  TypeEAcute();
  EXPECT_EQ(prompts.Beeps(), 3);
  host.serial.AddAllowedChar('-');
  Type("-23456");
  EXPECT_EQ(Text(host.serial), "XAB1-234");
  EXPECT_EQ(prompts.Beeps(), 5);
  // Every key reported, accepted or not.
  EXPECT_EQ(host.messages, (Messages(13, SerialChange())));

  host.messages.clear();
  host.serial.SetSel(0, 0);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(host.serial), "XAB1-23");
  EXPECT_EQ(host.messages, (Messages{SerialChange()}));
  Key(Qt::Key_Delete);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(host.serial), "XAB1-23");
  EXPECT_EQ(host.cancels, 0);
  Key(Qt::Key_Return);
  EXPECT_EQ(FocusedId(), kFilter);
  EXPECT_EQ(host.oks, 0);
}

TEST_F(CellTest, FilterEditPassesOnlyWhatItsModeAccepts) {
  FocusOn(host.filter);
  host.filter.SetFilterMode(2);
  Type("1aBfG e");
  EXPECT_EQ(Text(host.filter), "1aBe");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(host.filter), "1aB");

  host.filter.SetWindowText("");
  host.filter.SetFilterMode(0);
  Type("a!b,c.d~e f");
  TypeEAcute();
  EXPECT_EQ(Text(host.filter), "abcde f");

  host.filter.SetWindowText("");
  host.filter.SetFilterMode(7);
  Type("4x2.");
  EXPECT_EQ(Text(host.filter), "42");

  host.filter.SetWindowText("");
  host.filter.SetFilterMode(12);
  Type("x!");
  EXPECT_EQ(Text(host.filter), "x!");
  EXPECT_EQ(prompts.Beeps(), 0);
}

TEST_F(CellTest, CommitEditStartsOnAnAcceptedKeyAndUndoesWithEsc) {
  host.commit.SetFilterMode(1);
  host.commit.SetMaxLength(4);
  host.commit.SetWindowText("12.5");
  FocusOn(host.commit);
  EXPECT_EQ(host.commit.GetReadOnlyState(), 1);

  Type("a");  // refused silently; the cell stays as it was
  EXPECT_EQ(Text(host.commit), "12.5");
  EXPECT_EQ(host.commit.GetReadOnlyState(), 1);

  Type("5");
  EXPECT_EQ(Text(host.commit), "5");
  EXPECT_EQ(host.commit.GetReadOnlyState(), 0);
  EXPECT_EQ(host.commit.GetBkColor(), cell_colors::kInfoBk);

  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(host.commit), "12.5");
  EXPECT_EQ(host.commit.GetReadOnlyState(), 1);
  EXPECT_EQ(host.commit.GetCommitted(), 0);
  EXPECT_EQ(host.commit.GetBkColor(), cell_colors::kWindow);
  EXPECT_EQ(host.cancels, 0);

  // Enter starts an edit and Enter ends it, committing.
  Key(Qt::Key_Return);
  EXPECT_EQ(host.commit.GetReadOnlyState(), 0);
  Type("3");
  Key(Qt::Key_Return);
  EXPECT_EQ(Text(host.commit), "3");
  EXPECT_EQ(host.commit.GetReadOnlyState(), 1);
  EXPECT_EQ(host.commit.GetCommitted(), 1);
  EXPECT_EQ(prompts.Beeps(), 0);
}

TEST_F(CellTest, ClickEditStartsOnDoubleClickAndCommitsWhenTheFocusLeaves) {
  host.commit.SetFilterMode(9);
  host.commit.SetMaxLength(4);
  host.commit.SetWindowText("123456");
  FocusOn(host.commit);
  DoubleClick(host.commit.GetSafeHwnd(), QPoint(4, 4));
  EXPECT_EQ(host.commit.GetReadOnlyState(), 0);
  EXPECT_EQ(Text(host.commit), "1234");  // cut to the maximum length

  // Mode 9: letters C to N at position 1, digits elsewhere.
  host.commit.SetWindowText("");
  Type("1bcz5");
  EXPECT_EQ(Text(host.commit), "1c5");

  host.GotoDlgCtrl(&host.num);
  ASSERT_TRUE(PumpUntil([] { return FocusedId() == kNum; }));
  EXPECT_EQ(host.commit.GetReadOnlyState(), 1);
  EXPECT_EQ(host.commit.GetCommitted(), 1);
  EXPECT_EQ(Text(host.commit), "1c5");
}

TEST_F(CellTest, RestrictEditSwallowsLetterKeysUnlessLettersAreAllowed) {
  for (const char* fruit : {"Apple", "Banana", "Cherry"}) host.restrict.AddString(fruit);
  host.restrict.SetCurSel(0);
  host.restrict.SetEditParams(0, 0);
  FocusOn(host.restrict);
  Key(Qt::Key_B);
  EXPECT_EQ(host.restrict.GetCurSel(), 0);
  EXPECT_EQ(Count(kRestrict, CBN_SELCHANGE), 0);

  host.restrict.SetEditParams(0, 1);
  Key(Qt::Key_C);
  EXPECT_EQ(host.restrict.GetCurSel(), 2);
  EXPECT_EQ(Count(kRestrict, CBN_SELCHANGE), 1);
}

}  // namespace
