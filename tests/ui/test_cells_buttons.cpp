// Labels, buttons, the Enter combo box and the page list with real keys and
// clicks; the repeat button's schedule with ticks given by hand.
#include <QDesktopServices>
#include <QPalette>
#include <QTextBrowser>

#include <climits>

#include "test_cells_support.h"

using namespace cells_test;

namespace {

COLORREF PaletteText(CWnd& wnd) {
  return cell_colors::FromQColor(wnd.GetSafeHwnd()->palette().color(QPalette::WindowText));
}

TEST_F(CellTest, LabelTurnsRedWithTheFocusAndReportsTabShiftTabAndEnter) {
  EXPECT_EQ(host.label1.GetTextColor(), RGB(0, 0, 0));
  EXPECT_EQ(host.label1.GetBkColor(), cell_colors::kBtnFace);
  EXPECT_EQ(host.label1.GetSafeHwnd()->font().pointSize(), 8);

  FocusOn(host.label1);
  EXPECT_EQ(host.label1.GetTextColor(), COLORREF{0x0000FF});
  EXPECT_EQ(PaletteText(host.label1), COLORREF{0x0000FF});

  Key(Qt::Key_Tab);
  EXPECT_EQ(host.messages.front(), (Message{WM_LABEL_TAB, kLabel1, 0}));
  EXPECT_EQ(host.label1.GetTextColor(), RGB(0, 0, 0));
  EXPECT_EQ(PaletteText(host.label1), RGB(0, 0, 0));
  EXPECT_EQ(FocusedId(), kLabel2);  // the page's handler moved on
  EXPECT_EQ(host.label2.GetTextColor(), COLORREF{0x0000FF});

  host.messages.clear();
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(host.messages.front(), (Message{WM_LABEL_BACKTAB, kLabel2, 0}));
  EXPECT_EQ(host.label2.GetTextColor(), RGB(0, 0, 0));
  EXPECT_EQ(FocusedId(), kLabel1);

  host.messages.clear();
  Key(Qt::Key_Return);
  EXPECT_EQ(host.messages, (Messages{{WM_LABEL_ENTER, kLabel1, 0}}));
  EXPECT_EQ(host.oks, 0);
  EXPECT_EQ(FocusedId(), kLabel1);

  host.label1.SetTextColor(RGB(0, 128, 0));
  EXPECT_EQ(PaletteText(host.label1), RGB(0, 128, 0));
}

TEST_F(CellTest, AClickedLabelReportsTheClickAndOpensNothing) {
  // Anything handed to the desktop's opener for these schemes lands here.
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
  EXPECT_EQ(host.messages, (Messages{{WM_BUTTON_ENTER, kNotify, 0}}));
  EXPECT_EQ(host.oks, 0);

  host.messages.clear();
  host.GotoDlgCtrl(&host.num);
  ASSERT_TRUE(PumpUntil([] { return FocusedId() == kNum; }));
  EXPECT_EQ(Sent(WM_BUTTON_KILLFOCUS), (Messages{{WM_BUTTON_KILLFOCUS, kNotify, 0}}));
  EXPECT_EQ(Count(kNotify, BN_CLICKED), 0);
}

// Ticks by hand, and a mouse button that stays down until told otherwise.
class CHandTicks : public IRepeatTickSource {
 public:
  void Start(int intervalMs, std::function<void()> tick) override {
    interval = intervalMs;
    tick_ = std::move(tick);
  }
  void Stop() override { tick_ = nullptr; }
  bool LeftButtonDown() const override { return held; }
  bool Running() const { return static_cast<bool>(tick_); }
  void Tick(int n = 1) {
    for (int i = 0; i < n && tick_; ++i) {
      const std::function<void()> tick = tick_;
      tick();
    }
  }

  bool held = true;
  int interval = 0;

 private:
  std::function<void()> tick_;
};

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
  // The values of the steps reported so far.
  std::vector<LPARAM> Steps() const {
    std::vector<LPARAM> values;
    for (const Message& m : Sent(WM_REPEAT_STEP)) {
      EXPECT_EQ(m.wParam, static_cast<WPARAM>(kRepeat));
      values.push_back(m.lParam);
    }
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

  const std::vector<LPARAM> steps = Steps();
  ASSERT_GE(steps.size(), 3u);
  EXPECT_EQ(steps[0], 4);
  EXPECT_EQ(steps[1], 5);
  EXPECT_TRUE(std::all_of(steps.begin() + 1, steps.end(), [](LPARAM v) { return v == 5; }));
  EXPECT_EQ(value, 5);

  // Released: the ticks stop and the button reports its click after the steps.
  Release();
  EXPECT_FALSE(ticks.Running());
  EXPECT_EQ(host.messages.back(), Command(kRepeat, BN_CLICKED));
}

TEST_F(RepeatTest, AShortPressMakesNoStep) {
  host.repeat.Setup(0, &value, 3, 0, 1, 0, 5);
  Press();
  ticks.Tick(7);
  Release();
  EXPECT_TRUE(Steps().empty());
  EXPECT_EQ(value, 3);
  EXPECT_EQ(Count(kRepeat, BN_CLICKED), 1);
}

TEST_F(RepeatTest, AMaximumBelowTheMinimumClampsEveryValueToTheMinimum) {
  host.repeat.Setup(0, &value, 10, 1, 4, 7, 2);
  EXPECT_EQ(host.repeat.GetMaximum(), 7);
  EXPECT_EQ(value, 10);  // the initial value is taken as it is
  Press();
  ticks.Tick(24);
  EXPECT_EQ(Steps(), (std::vector<LPARAM>{7, 7, 7}));
  Release();

  // Steps never overflow the bound integer.
  host.repeat.Setup(0, &value, INT_MAX - 1, 0, 1000, 0, INT_MAX);
  Press();
  ticks.Tick(8);
  EXPECT_EQ(value, INT_MAX);
  Release();
}

TEST_F(RepeatTest, HoldingEndsWhenTheMouseButtonIsUpOrTheFocusLeaves) {
  host.repeat.Setup(0, &value, 0, 0, 1, 0, 100);
  Press();
  ticks.Tick(8);
  EXPECT_EQ(value, 1);
  ticks.held = false;  // released where the button never hears of it
  ticks.Tick();
  EXPECT_FALSE(ticks.Running());
  EXPECT_FALSE(host.repeat.IsRepeating());
  Release();

  Press();
  host.GotoDlgCtrl(&host.num);
  ASSERT_TRUE(PumpUntil([] { return FocusedId() == kNum; }));
  EXPECT_FALSE(ticks.Running());
  ticks.Tick(8);
  EXPECT_EQ(value, 1);
}

TEST_F(CellTest, RepeatButtonOnItsOwnTimerStopsWhenNoButtonIsHeld) {
  // A press whose release never arrives: the timer finds the mouse button up.
  int value = 0;
  host.repeat.Setup(0, &value, 0, 0, 1, 0, 100);
  QTest::mousePress(host.repeat.GetSafeHwnd(), Qt::LeftButton);
  EXPECT_TRUE(PumpUntil([&] { return !host.repeat.IsRepeating(); }, 1000));
  EXPECT_EQ(value, 0);
  QTest::mouseRelease(host.repeat.GetSafeHwnd(), Qt::LeftButton);

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
  EXPECT_EQ(host.messages, (Messages{{WM_PAGEEDIT_TAB, kList, 0}, {WM_PAGEEDIT_ENTER, kList, 0}}));
  EXPECT_EQ(FocusedId(), kList);
  EXPECT_EQ(host.oks, 0);

  host.messages.clear();
  Key(Qt::Key_Up);
  EXPECT_EQ(host.list.GetCurSel(), 0);
  EXPECT_EQ(host.messages, (Messages{Command(kList, LBN_SELCHANGE)}));
}

}  // namespace
