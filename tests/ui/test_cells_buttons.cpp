// Labels, buttons, the Enter combo box and the page list with real keys and
// clicks; the repeat button's schedule with ticks given by hand.
#include <QDesktopServices>
#include <QImage>
#include <QPalette>
#include <QTextBrowser>

#include <algorithm>
#include <climits>

#include "test_cells_support.h"

using namespace cells_test;

namespace {

constexpr COLORREF kRed = 0x0000FF;

COLORREF PaletteText(CWnd& wnd) {
  return ::FromQColor(wnd.GetSafeHwnd()->palette().color(QPalette::WindowText));
}

TEST_F(CellTest, LabelTurnsRedWithTheFocusAndReportsTabShiftTabAndEnter) {
  EXPECT_EQ(host.label1.GetBkColor(), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(host.label1.GetSafeHwnd()->font(), host.label1.GetLabelFont());
  EXPECT_EQ(host.label1.GetLabelFont().pixelSize(), 11);  // 8 points
  FocusOn(host.label1);
  EXPECT_EQ(PaletteText(host.label1), kRed);

  Key(Qt::Key_Tab);
  EXPECT_EQ(host.messages.front(), (Message{WM_LABEL_TAB, kLabel1, 0}));
  EXPECT_EQ(PaletteText(host.label1), RGB(0, 0, 0));
  EXPECT_EQ(FocusedId(), kLabel2);  // moved on by the page
  EXPECT_EQ(host.label2.GetTextColor(), kRed);

  host.messages.clear();
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(host.messages.front(), (Message{WM_LABEL_BACKTAB, kLabel2, 0}));
  EXPECT_EQ(host.label2.GetTextColor(), RGB(0, 0, 0));
  EXPECT_EQ(FocusedId(), kLabel1);

  host.messages.clear();
  Key(Qt::Key_Return);
  EXPECT_EQ(host.messages, (Messages{{WM_LABEL_ENTER, kLabel1, 0}}));
  EXPECT_EQ(host.oks, 0);

  // A page that chooses the background keeps the cell's own text colour.
  FocusOn(host.label3);
  host.label3.RedrawWindow();
  EXPECT_EQ(PaletteText(host.label3), kRed);
  EXPECT_EQ(::FromQColor(host.label3.GetSafeHwnd()->palette().color(QPalette::Window)), RGB(200, 220, 255));
}

TEST_F(CellTest, AClickedLabelReportsTheClickAndOpensNothing) {
  // Whatever were handed to the desktop's opener for these schemes would land here.
  QTextBrowser opened;
  const QStringList schemes{"file", "http", "https", "mailto", "ftp"};
  for (const QString& scheme : schemes) QDesktopServices::setUrlHandler(scheme, &opened, "setSource");
  for (const char* text : {"file:///bin/sh", "/usr/bin/xterm", "https://example.com/", "mailto:a@b.c"}) {
    host.label3.SetWindowText(text);
    host.messages.clear();
    Click(&host.label3);
    EXPECT_EQ(host.messages, (Messages{Command(kLabel3, STN_CLICKED)})) << text;
  }
  Pump();
  EXPECT_TRUE(opened.source().isEmpty()) << opened.source().toString().toStdString();
  for (const QString& scheme : schemes) QDesktopServices::unsetUrlHandler(scheme);
}

TEST_F(CellTest, NotifyButtonReportsEnterAndTheLossOfTheFocus) {
  FocusOn(host.notify);
  Key(Qt::Key_Return);
  host.GotoDlgCtrl(&host.num);
  ASSERT_TRUE(PumpUntil([] { return FocusedId() == kNum; }));
  EXPECT_EQ(host.messages.front(), (Message{WM_BUTTON_ENTER, kNotify, 0}));
  EXPECT_EQ(Sent(WM_BUTTON_KILLFOCUS), (Messages{{WM_BUTTON_KILLFOCUS, kNotify, 0}}));
  EXPECT_EQ(Count(kNotify, BN_CLICKED), 0);
  EXPECT_EQ(host.oks, 0);
}

class RepeatTest : public CellTest {
 protected:
  void SetUp() override {
    CellTest::SetUp();
    host.repeat.SetTickSource(&ticks);
  }
  void Press() {
    host.messages.clear();
    ticks.held = true;
    QTest::mousePress(host.repeat.GetSafeHwnd(), Qt::LeftButton);
  }
  void Release() { QTest::mouseRelease(host.repeat.GetSafeHwnd(), Qt::LeftButton); }
  std::vector<LPARAM> Steps() const {
    std::vector<LPARAM> values;
    for (const Message& m : Sent(WM_REPEAT_STEP)) values.push_back(m.wParam == kRepeat ? m.lParam : -999);
    return values;
  }

  CHandTicks ticks;
  int value = 0;
};

TEST_F(RepeatTest, StepsComeFasterTheLongerTheButtonIsHeldAndStayClamped) {
  host.repeat.Setup(0, &value, 3, 0, 1, 0, 5);
  EXPECT_EQ(value, 3);
  Press();
  ASSERT_TRUE(ticks.Running());
  EXPECT_EQ(ticks.interval, 25);
  std::vector<int> stepTicks;
  for (int t = 1; t <= 200; ++t) {
    const std::size_t before = Steps().size();
    ticks.Tick();
    if (Steps().size() > before) stepTicks.push_back(t);
  }
  std::vector<int> expected;
  for (int t = 8; t <= 80; t += 8) expected.push_back(t);     // every 200 ms up to the 10th step
  for (int t = 85; t <= 130; t += 5) expected.push_back(t);   // every 125 ms up to the 20th
  for (int t = 134; t <= 170; t += 4) expected.push_back(t);  // every 100 ms up to the 30th
  for (int t = 172; t <= 200; t += 2) expected.push_back(t);  // then every 50 ms
  EXPECT_EQ(stepTicks, expected);
  std::vector<LPARAM> values(expected.size(), 5);
  values[0] = 4;
  EXPECT_EQ(Steps(), values);

  Release();  // the ticks stop; the click comes after the steps
  EXPECT_FALSE(ticks.Running());
  EXPECT_EQ(host.messages.back(), Command(kRepeat, BN_CLICKED));

  Press();  // shorter than 200 ms: no step
  ticks.Tick(7);
  Release();
  EXPECT_TRUE(Steps().empty());
  EXPECT_EQ(Count(kRepeat, BN_CLICKED), 1);
}

TEST_F(RepeatTest, AMaximumBelowTheMinimumClampsToTheMinimumAndNothingOverflows) {
  host.repeat.Setup(0, &value, 10, 1, 4, 7, 2);
  EXPECT_EQ(value, 10);  // the initial value is taken as it is
  Press();
  ticks.Tick(24);
  Release();
  EXPECT_EQ(Steps(), (std::vector<LPARAM>{7, 7, 7}));

  host.repeat.Setup(0, &value, INT_MAX - 1, 0, 1000, 0, INT_MAX);
  Press();
  ticks.Tick(8);
  Release();
  EXPECT_EQ(value, INT_MAX);
}

TEST_F(RepeatTest, HoldingEndsWhenTheMouseButtonIsUpOrTheFocusLeaves) {
  host.repeat.Setup(0, &value, 0, 0, 1, 0, 100);
  Press();
  ticks.Tick(8);
  ticks.held = false;  // released where the button never hears of it
  ticks.Tick(8);
  EXPECT_FALSE(ticks.Running());
  EXPECT_EQ(value, 1);
  Release();

  Press();
  host.GotoDlgCtrl(&host.num);
  ASSERT_TRUE(PumpUntil([] { return FocusedId() == kNum; }));
  EXPECT_FALSE(ticks.Running());
  EXPECT_FALSE(host.repeat.IsRepeating());
}

TEST_F(CellTest, RepeatButtonOnItsOwnTimerStopsWhenTheReleaseGoesElsewhere) {
  int value = 0;
  host.repeat.Setup(0, &value, 0, 0, 1, 0, 100);
  QTest::mousePress(host.repeat.GetSafeHwnd(), Qt::LeftButton);
  EXPECT_TRUE(host.repeat.IsRepeating());
  QTest::mouseRelease(host.num.GetSafeHwnd(), Qt::LeftButton);
  EXPECT_TRUE(PumpUntil([&] { return !host.repeat.IsRepeating(); }));
  EXPECT_EQ(value, 0);

  FocusOn(host.repeat);
  Key(Qt::Key_Return);
  EXPECT_EQ(host.messages, (Messages{{WM_BUTTON_ENTER, kRepeat, 0}}));
  EXPECT_EQ(host.oks, 0);
}

TEST_F(CellTest, EnterOpensAndClosesTheComboBoxList) {
  for (const char* item : {"COM1", "COM2", "COM3"}) host.combo.AddString(item);
  host.combo.SetCurSel(0);
  FocusOn(host.combo);
  Key(Qt::Key_Return);
  EXPECT_TRUE(PumpUntil([&] { return host.combo.GetDroppedState() != FALSE; }, 1000));
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  EXPECT_TRUE(PumpUntil([&] { return host.combo.GetDroppedState() == FALSE; }, 1000));
  EXPECT_EQ(host.combo.GetCurSel(), 1);
  EXPECT_EQ(host.oks, 0);
}

TEST_F(CellTest, PageListReportsEnterAndTabAndKeepsItsOwnArrowKeys) {
  host.list.AddString("Low");
  host.list.AddString("High");
  host.list.ShowWindow(SW_SHOW);
  host.list.SetCurSel(1);
  FocusOn(host.list);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Return);
  Key(Qt::Key_Up);
  EXPECT_EQ(host.messages, (Messages{{WM_PAGEEDIT_TAB, kList, 0}, {WM_PAGEEDIT_ENTER, kList, 0},
                                     Command(kList, LBN_SELCHANGE)}));
  EXPECT_EQ(host.list.GetCurSel(), 0);
  EXPECT_EQ(FocusedId(), kList);
  EXPECT_EQ(host.oks, 0);
}

// A disabled cell (a greyed column of a grid) still shows its text, in the grey
// of disabled text and not in a shade lost on the grey background.
TEST_F(CellTest, ADisabledLabelDrawsItsTextInTheGreyOfDisabledText) {
  host.label1.SetWindowText("DISABLED");
  host.label1.EnableWindow(FALSE);
  const QImage image = host.label1.GetSafeHwnd()->grab().toImage();
  int darkest = 255;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
  }
  EXPECT_LE(darkest, 0x80);
}

}  // namespace
