// Message maps, command and notification routing, posted messages and timers.
#include <QEventLoop>

#include "ui/messages.h"
#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kMainId = 9101;
constexpr UINT kPageId = 9102;
constexpr int kPageEdit = 2001;
constexpr int kPageButton = 2003;
constexpr UINT WM_PROBE_BEGIN = WM_USER + 60;
constexpr UINT WM_PROBE_POSTED = WM_USER + 61;
constexpr UINT WM_PROBE_SENT = WM_USER + 62;

void RegisterTemplates() {
  DialogTemplate main;
  main.id = kMainId;
  main.caption = "Main";
  main.cx = 220;
  main.cy = 160;
  main.items = {dlg::EditText(1001, 4, 4, 60, 12)};
  RegisterDialogTemplate(main);

  DialogTemplate page;
  page.id = kPageId;
  page.style = WS_CHILD | WS_VISIBLE;
  page.x = 4;
  page.y = 20;
  page.cx = 200;
  page.cy = 120;
  page.items = {dlg::EditText(kPageEdit, 4, 4, 60, 12), dlg::EditText(2002, 4, 20, 60, 12),
                dlg::PushButton("Go", kPageButton, 4, 40, 40, 14)};
  RegisterDialogTemplate(page);
}

class CMainProbe : public CDialog {
 public:
  CMainProbe() : CDialog(kMainId) {}
  Log log;

 protected:
  LRESULT OnShowInterconnect(WPARAM, LPARAM lParam) {
    log.push_back("interconnect " + std::to_string(lParam));
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMainProbe, CDialog)
  ON_MESSAGE(WM_SHOWPAGE_INTERCONNECT, OnShowInterconnect)
END_MESSAGE_MAP()

// A page that maps cell messages but not 0x40A.
class CPageProbe : public CDialog {
 public:
  CPageProbe() : CDialog(kPageId) {}
  Log log;

 protected:
  LRESULT OnNumEditChange(WPARAM wParam, LPARAM) {
    log.push_back("numedit " + std::to_string(wParam));
    return 42;
  }
  LRESULT OnBegin(WPARAM, LPARAM) {
    log.push_back("begin");
    PostMessage(WM_PROBE_POSTED, 1);
    PostMessage(WM_PROBE_POSTED, 2);
    SendMessage(WM_PROBE_SENT);
    PostMessage(WM_PROBE_POSTED, 3);
    log.push_back("end");
    return 0;
  }
  LRESULT OnPosted(WPARAM wParam, LPARAM) {
    log.push_back("posted " + std::to_string(wParam));
    return 0;
  }
  LRESULT OnSent(WPARAM, LPARAM) {
    log.push_back("sent");
    return 0;
  }
  void OnRange(UINT id) { log.push_back("range " + std::to_string(id)); }
  void OnEditChange() { log.push_back("edit change"); }
  void OnGo() { log.push_back("go"); }
  void OnNmClick(NMHDR* header, LRESULT* result) {
    log.push_back("nm click " + std::to_string(header->idFrom));
    *result = 77;
  }
  void OnNmDblClk(NMHDR*, LRESULT*) { log.push_back("page dblclk"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPageProbe, CDialog)
  ON_MESSAGE(WM_NUMEDIT_CHANGE, OnNumEditChange)
  ON_MESSAGE(WM_PROBE_BEGIN, OnBegin)
  ON_MESSAGE(WM_PROBE_POSTED, OnPosted)
  ON_MESSAGE(WM_PROBE_SENT, OnSent)
  ON_COMMAND_RANGE(32781, 32784, OnRange)
  ON_EN_CHANGE(kPageEdit, OnEditChange)
  ON_BN_CLICKED(kPageButton, OnGo)
  ON_NOTIFY(NM_CLICK, kPageButton, OnNmClick)
  ON_NOTIFY(NM_DBLCLK, kPageButton, OnNmDblClk)
END_MESSAGE_MAP()

// A page whose repeat button reports its steps with 0x40A.
class CStepPage : public CPageProbe {
 public:
  int lastStep = -1;

 protected:
  LRESULT OnRepeatStep(WPARAM, LPARAM lParam) {
    lastStep = static_cast<int>(lParam);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CStepPage, CPageProbe)
  ON_MESSAGE(WM_REPEAT_STEP, OnRepeatStep)
END_MESSAGE_MAP()

// A control that raises WM_NOTIFY and takes NM_DBLCLK back for itself.
class CNotifier : public CButton {
 public:
  LRESULT Fire(UINT code) { return NotifyParentNm(code); }
  int reflected = 0;

 protected:
  void OnReflectedDblClk(NMHDR*, LRESULT* result) {
    ++reflected;
    *result = 5;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CNotifier, CButton)
  ON_NOTIFY_REFLECT(NM_DBLCLK, OnReflectedDblClk)
END_MESSAGE_MAP()

class MessageTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplates();
    ASSERT_TRUE(main.Create(kMainId));
  }
  void TearDown() override {
    page.DestroyWindow();
    main.DestroyWindow();
    WndTest::TearDown();
  }
  CMainProbe main;
  CPageProbe page;
};

TEST_F(MessageTest, SharedNumberReachesOnlyTheHandlerOfItsReceiver) {
  ASSERT_TRUE(page.Create(kPageId, &main));
  EXPECT_EQ(page.GetParent(), &main);
  // The page maps no handler for 0x40A: default processing, 0, nothing forwarded.
  EXPECT_EQ(page.SendMessage(WM_REPEAT_STEP, kPageButton, 7), 0);
  EXPECT_TRUE(page.log.empty());
  EXPECT_TRUE(main.log.empty());
  // The main dialog's own 0x40A is its page switch.
  main.SendMessage(WM_SHOWPAGE_INTERCONNECT, 0, 5);
  EXPECT_EQ(main.log, Log{"interconnect 5"});
  EXPECT_EQ(page.SendMessage(WM_NUMEDIT_CHANGE, kPageEdit, 12), 42);
  EXPECT_EQ(page.log, Log{"numedit 2001"});

  CStepPage stepPage;
  ASSERT_TRUE(stepPage.Create(kPageId, &main));
  stepPage.SendMessage(WM_REPEAT_STEP, kPageButton, 9);
  EXPECT_EQ(stepPage.lastStep, 9);
  EXPECT_EQ(main.log.size(), 1u);
  // The base class's entries still apply to the derived page.
  EXPECT_EQ(stepPage.SendMessage(WM_NUMEDIT_CHANGE, kPageEdit), 42);
  stepPage.DestroyWindow();
}

TEST_F(MessageTest, CommandsMatchTheirIdAndNotificationCode) {
  ASSERT_TRUE(page.Create(kPageId, &main));
  HWND edit = page.GetDlgItem(kPageEdit)->GetSafeHwnd();
  page.SendMessage(WM_COMMAND, MAKEWPARAM(32783, 0), 0);            // menu
  page.SendMessage(WM_COMMAND, MAKEWPARAM(32781, 1), 0);            // accelerator
  page.SendMessage(WM_COMMAND, MAKEWPARAM(32785, 0), 0);            // outside the range
  page.SendMessage(WM_COMMAND, MAKEWPARAM(kPageEdit, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
  page.SendMessage(WM_COMMAND, MAKEWPARAM(kPageEdit, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
  page.SendMessage(WM_COMMAND, MAKEWPARAM(2002, EN_CHANGE), 0);
  EXPECT_EQ(page.log, (Log{"range 32783", "range 32781", "edit change"}));
}

TEST_F(MessageTest, NotifyGoesToTheParentUnlessTheControlTakesItBack) {
  ASSERT_TRUE(page.Create(kPageId, &main));
  CNotifier notifier;
  ASSERT_TRUE(notifier.SubclassDlgItem(kPageButton, &page));
  EXPECT_EQ(notifier.Fire(NM_CLICK), 77);
  EXPECT_EQ(notifier.Fire(NM_DBLCLK), 5);
  EXPECT_EQ(notifier.reflected, 1);
  EXPECT_EQ(page.log, Log{"nm click 2003"});
  // The bound object replaced the dialog's own; the button still clicks.
  EXPECT_EQ(page.GetDlgItem(kPageButton), &notifier);
}

TEST_F(MessageTest, PostedMessagesRunAfterTheCurrentHandlerInTheirOrder) {
  ASSERT_TRUE(page.Create(kPageId, &main));
  page.SendMessage(WM_PROBE_BEGIN);
  EXPECT_EQ(page.log, (Log{"begin", "sent", "end"}));
  Pump();
  EXPECT_EQ(page.log, (Log{"begin", "sent", "end", "posted 1", "posted 2", "posted 3"}));
}

TEST_F(MessageTest, MessagesPostedToAWindowThatIsGoneAreDropped) {
  ASSERT_TRUE(page.Create(kPageId, &main));
  EXPECT_TRUE(page.PostMessage(WM_PROBE_POSTED, 1));
  page.DestroyWindow();
  EXPECT_FALSE(page.PostMessage(WM_PROBE_POSTED, 2));
  Pump();
  EXPECT_TRUE(page.log.empty());
  // The object outlives its window and can have a new one.
  ASSERT_TRUE(page.Create(kPageId, &main));
  page.PostMessage(WM_PROBE_POSTED, 3);
  Pump();
  EXPECT_EQ(page.log, Log{"posted 3"});
}

// ---- timers ------------------------------------------------------------------------

class CTimerProbe : public CDialog {
 public:
  CTimerProbe() : CDialog(kMainId) {}
  int ticks1 = 0;
  int ticks2 = 0;
  int busyMs = 0;  // how long the first tick of timer 1 keeps the loop running

 protected:
  void OnTimer(UINT_PTR id) {
    if (id == 2) {
      ++ticks2;
      return;
    }
    ++ticks1;
    if (busyMs > 0) {
      // A transfer runs inside the tick and lets events through meanwhile.
      QEventLoop loop;
      QTimer::singleShot(busyMs, &loop, &QEventLoop::quit);
      loop.exec();
    }
    KillTimer(1);
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTimerProbe, CDialog)
  ON_WM_TIMER()
END_MESSAGE_MAP()

class TimerTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplates();
  }
};

TEST_F(TimerTest, OneShotTimerKilledInItsFirstTickFiresOnce) {
  CTimerProbe probe;
  probe.busyMs = 80;  // eight intervals pass while the first tick runs
  ASSERT_TRUE(probe.Create(kMainId));
  probe.SetTimer(1, 10);
  ASSERT_TRUE(PumpUntil([&] { return probe.ticks1 > 0; }));
  Pump(60);
  EXPECT_EQ(probe.ticks1, 1);
  probe.DestroyWindow();
}

TEST_F(TimerTest, PeriodicTimerTicksUntilItsWindowIsDestroyed) {
  CTimerProbe probe;
  ASSERT_TRUE(probe.Create(kMainId));
  probe.SetTimer(2, 5);
  probe.SetTimer(2, 5);  // the same id again replaces the timer
  ASSERT_TRUE(PumpUntil([&] { return probe.ticks2 >= 3; }));
  EXPECT_FALSE(probe.KillTimer(7));
  probe.DestroyWindow();
  const int ticks = probe.ticks2;
  Pump(30);
  EXPECT_EQ(probe.ticks2, ticks);
}

}  // namespace
