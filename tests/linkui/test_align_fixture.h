// The alignment dialogs against the simulated radio in alignment mode: a
// fixture with the application, scripted prompts and a radio memory made for
// the alignment, and an autopilot that acts while a dialog's handler blocks.
#pragma once

#include <QKeyEvent>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "link/align_start.h"
#include "link/link_fixture.h"
#include "radio/sim_align.h"
#include "ui/ui_test_support.h"

namespace align_test {

// Runs `step` again and again while it lives, also inside a dialog's handler
// that blocks in a timer tick (where timers do not fire again, but posted
// events are still delivered whenever the handler lets events through).
class Autopilot : public QObject {
 public:
  explicit Autopilot(std::function<void()> step) : m_step(std::move(step)) { Post(); }
  ~Autopilot() override { QCoreApplication::removePostedEvents(this); }

 protected:
  bool event(QEvent* e) override {
    if (e->type() != kStepEvent) return QObject::event(e);
    if (!m_busy) {
      m_busy = true;
      m_step();
      m_busy = false;
    }
    QThread::msleep(2);
    Post();
    return true;
  }

 private:
  static constexpr QEvent::Type kStepEvent = QEvent::Type(QEvent::User + 417);
  void Post() { QCoreApplication::postEvent(this, new QEvent(kStepEvent)); }
  std::function<void()> m_step;
  bool m_busy = false;
};

// Esc as the keyboard gives it: to the focused window inside the dialog.
inline void PressEsc(CWnd& wnd) {
  QWidget* target = QApplication::focusWidget();
  if (!target || target->window() != wnd.GetSafeHwnd()->window()) target = wnd.GetSafeHwnd();
  QTest::keyClick(target, Qt::Key_Escape);
}

class AlignUiTest : public LinkTest {
 protected:
  void SetUp() override {
    ui_test::EnsureApp();
    Radio({});
  }
  void TearDown() override {
    ui_test::Pump();
    LinkTest::TearDown();
  }

  // A fresh radio in this mode holding a memory made with these options.
  void Radio(const radiosim::AlignMemoryOptions& options, radiosim::Mode mode = radiosim::Mode::kOff) {
    memory = radiosim::AlignmentMemory(options);
    Radio(memory, mode);
  }
  void Radio(const std::vector<std::uint8_t>& image, radiosim::Mode mode) {
    memory = image;
    Connect(RadioIn(mode));
    align = std::make_unique<radiosim::AlignmentRadio>(*radio);
    radio->SetImage(memory);
    run = std::make_unique<AlignRunState>();
    run->continueFlag = 1;
  }
  std::vector<int> Requested(std::uint8_t command) const {
    std::vector<int> v;
    for (const auto& d : align->DataOf(command)) v.push_back(d.at(0));
    return v;
  }

  CScriptedPrompts prompts;
  std::unique_ptr<radiosim::AlignmentRadio> align;
  std::vector<std::uint8_t> memory;
  std::unique_ptr<AlignRunState> run;
};

}  // namespace align_test
