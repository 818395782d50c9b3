// Helpers of the window-layer tests: the Qt application on the offscreen
// platform, real key presses and clicks, a modal runner that cannot hang, and
// a fixture with the scripted prompt service installed.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/cells/buttons.h"
#include "ui/wnd/scripted_prompt.h"
#include "ui/wnd/wnd_layer.h"

namespace ui_test {

inline void EnsureApp() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char arg0[] = "ui_tests";
  static char* argv[] = {arg0, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

// Lets posted messages, timers and deferred deletions run.
inline void Pump(int ms = 0) {
  if (ms > 0) QTest::qWait(ms);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 2000) {
  return QTest::qWaitFor(done, timeoutMs);
}

// A key press and release as the keyboard gives it, to the window with the focus.
inline void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(static_cast<QWidget*>(nullptr), key, mods);
}

inline void Type(const char* text) { QTest::keyClicks(static_cast<QWidget*>(nullptr), QString::fromLatin1(text)); }

inline void Click(CWnd* wnd, QPoint at = QPoint(4, 4)) {
  ASSERT_NE(wnd, nullptr);
  QTest::mouseClick(wnd->GetSafeHwnd(), Qt::LeftButton, Qt::NoModifier, at);
}

inline void DoubleClick(QWidget* w, QPoint at) { QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, at); }

// Shows a top-level window and waits until it is the active one.
inline bool Activate(CWnd& wnd) {
  wnd.ShowWindow(SW_SHOW);
  QWidget* w = wnd.GetSafeHwnd()->window();
  w->activateWindow();
  return QTest::qWaitForWindowActive(w);
}

// Runs the dialog modally; `drive` runs once it is up and active. The dialog
// ends with -2 (and the test fails) when it is still open after the limit.
inline INT_PTR RunModal(CDialog& dlg, const std::function<void()>& drive, int limitMs = 5000) {
  QTimer start;
  start.setSingleShot(true);
  QObject::connect(&start, &QTimer::timeout, [&] {
    if (dlg.GetSafeHwnd()) {
      EXPECT_TRUE(QTest::qWaitForWindowActive(dlg.GetSafeHwnd()));
    }
    drive();
  });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    ADD_FAILURE() << "the modal dialog did not end";
    dlg.EndDialog(-2);
  });
  start.start(0);
  guard.start(limitMs);
  return dlg.DoModal();
}

// Registers a visible dialog box of a test with its controls.
inline void RegisterVisibleDialog(UINT id, const char* caption, int cx, int cy, std::vector<DlgItemTemplate> items) {
  DialogTemplate t;
  t.id = id;
  t.caption = caption;
  t.style |= WS_VISIBLE;
  t.cx = cx;
  t.cy = cy;
  t.items = std::move(items);
  RegisterDialogTemplate(t);
}

// Whether the dialog has the control and it is visible.
inline bool Visible(CWnd& dlg, int id) { return dlg.GetDlgItem(id) && dlg.GetDlgItem(id)->IsWindowVisible(); }

// Runs `step` every 10 ms while it lives, also inside a modal transfer and its
// prompts, where the test cannot otherwise act. A step is not entered again
// while it runs.
class TimedAutopilot {
 public:
  explicit TimedAutopilot(std::function<void()> step) {
    QObject::connect(&m_timer, &QTimer::timeout, [this, step = std::move(step)] {
      if (m_busy) return;
      m_busy = true;
      step();
      m_busy = false;
    });
    m_timer.start(10);
  }

 private:
  QTimer m_timer;
  bool m_busy = false;
};

// Counts the paints of a widget.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// A fixture with the application up and the prompts scripted.
class WndTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureApp(); }
  void TearDown() override { Pump(); }

  CScriptedPrompts prompts;
};

// Repeat ticks by hand, and a mouse button that stays down until told otherwise.
class CHandTicks : public IRepeatTickSource {
 public:
  void Start(int intervalMs, std::function<void()> tick) override {
    interval = intervalMs;
    tick_ = std::move(tick);
  }
  void Stop() override { tick_ = nullptr; }
  bool LeftButtonDown() const override { return held; }
  bool Running() const { return static_cast<bool>(tick_); }
  // n ticks, fewer when a tick stops the repeat.
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

// A message log that tests read back.
using Log = std::vector<std::string>;

}  // namespace ui_test
