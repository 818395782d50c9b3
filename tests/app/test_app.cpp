// The program as a process: it comes up on a data file named on its command
// line and closes cleanly when told to; a second copy ends at once; a signal
// leaves its open save question alone.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "model/edit_model.h"
#include "shell/app.h"
#include "shell/main_dlg.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

struct Child {
  pid_t pid = -1;
  int out = -1;
};

struct Result {
  int exitCode = -1;  // -1: did not end in time (killed)
  std::string output;
  std::chrono::milliseconds took{0};
};

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/px417appXXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    dir = name;
    fs::create_directory(dir / "run");
    fs::create_directory(dir / "work");
    fs::create_directory(dir / "work/Data");
    for (const auto& entry : fs::directory_iterator(PX417_DATA_DIR)) {
      fs::copy_file(entry.path(), dir / "work/Data" / entry.path().filename());
    }
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  // Starts the program in the work folder with its own session folder.
  Child Start(const std::vector<std::string>& args, const std::vector<std::string>& env = {}) {
    int pipeFds[2];
    EXPECT_EQ(pipe(pipeFds), 0);
    const pid_t pid = fork();
    if (pid == 0) {
      dup2(pipeFds[1], 1);
      close(pipeFds[0]);
      close(pipeFds[1]);
      if (chdir((dir / "work").c_str()) != 0) _exit(126);
      setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
      for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
      std::vector<char*> argv{const_cast<char*>(PX417_EXE)};
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(PX417_EXE, argv.data());
      _exit(127);
    }
    close(pipeFds[1]);
    fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
    return {pid, pipeFds[0]};
  }

  // Waits for the program to end (killing it after the limit) and collects its output.
  Result Wait(Child run, std::chrono::milliseconds limit = 20s) {
    Result result;
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    for (;;) {
      char buffer[512];
      ssize_t n;
      while ((n = read(run.out, buffer, sizeof buffer)) > 0) result.output.append(buffer, std::size_t(n));
      if (waitpid(run.pid, &status, WNOHANG) == run.pid) break;
      if (std::chrono::steady_clock::now() - start > limit) {
        kill(run.pid, SIGKILL);
        waitpid(run.pid, &status, 0);
        close(run.out);
        return result;
      }
      std::this_thread::sleep_for(10ms);
    }
    char buffer[512];
    ssize_t n;
    while ((n = read(run.out, buffer, sizeof buffer)) > 0) result.output.append(buffer, std::size_t(n));
    close(run.out);
    result.took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
  }

  // True once the program holds its instance lock.
  bool IsUp() {
    setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
    CInstanceLock probe;
    return !probe.Acquire();
  }

  fs::path dir;
};

}  // namespace

TEST_F(AppTest, ComesUpOnTheNamedFileAndClosesWhenTold) {
  const Result r = Wait(Start({"Data/DEFAULTVP"}, {"PX417_CLOSE_AFTER_MS=200"}));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.output, "PX417 for TQ-5100 PassPort ( Version 1.04 )\nFile:DEFAULTVP.X417\n");
}

TEST_F(AppTest, EndsCleanlyOnSigterm) {
  const Child run = Start({});
  const auto until = std::chrono::steady_clock::now() + 20s;
  while (!IsUp() && std::chrono::steady_clock::now() < until) std::this_thread::sleep_for(20ms);
  ASSERT_TRUE(IsUp());
  std::this_thread::sleep_for(300ms);
  kill(run.pid, SIGTERM);
  const Result r = Wait(run);
  EXPECT_EQ(r.exitCode, 0);
}

// A message box waiting at start-up (the named data file cannot be opened) does
// not keep the program up: a close request answers it as Cancel and closes the
// program, and a second SIGTERM on its heels is one more close request, not
// the end of the process. A FIFO as data file is refused without waiting for a writer.
TEST_F(AppTest, CloseRequestsAnswerAnOpenMessageBox) {
  ASSERT_EQ(mkfifo((dir / "work/Data/pipe.X417").c_str(), 0600), 0);
  const Result timed = Wait(Start({"Data/pipe.X417"}, {"PX417_CLOSE_AFTER_MS=500"}));
  EXPECT_EQ(timed.exitCode, 0);
  EXPECT_EQ(timed.output.rfind("PX417 for TQ-5100 PassPort ( Version 1.04 )\n", 0), 0u) << timed.output;

  const Child run = Start({"Data/missing.X417"});
  const auto until = std::chrono::steady_clock::now() + 20s;
  while (!IsUp() && std::chrono::steady_clock::now() < until) std::this_thread::sleep_for(20ms);
  ASSERT_TRUE(IsUp());
  std::this_thread::sleep_for(500ms);
  kill(run.pid, SIGTERM);
  kill(run.pid, SIGTERM);
  const Result r = Wait(run, 10s);
  EXPECT_EQ(r.exitCode, 0);  // not 128 + 15
}

TEST_F(AppTest, SecondInstanceEndsAtOnce) {
  setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
  CInstanceLock first;
  ASSERT_TRUE(first.Acquire());
  // Without the lock it would stay up until this close request.
  const Result r = Wait(Start({}, {"PX417_CLOSE_AFTER_MS=5000"}), 4s);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.output, "");

  CInstanceLock second;
  EXPECT_FALSE(second.Acquire());
}

namespace {

// Every message box shown, in the order they came up.
class MessageBoxWatch : public QObject {
 public:
  std::vector<QPointer<QMessageBox>> shown;
  std::vector<std::string> texts;

  // The one open now, or null.
  QMessageBox* Open() const {
    for (const auto& box : shown) {
      if (box && box->isVisible()) return box;
    }
    return nullptr;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::Show) {
      shown.emplace_back(box);
      texts.push_back(box->text().toStdString());
    }
    return false;
  }
};

}  // namespace

// The program itself in this process, with the real message boxes: an edit,
// then a SIGTERM opens the save question; a SIGTERM and a SIGINT while it is
// open leave it open and ask nothing more. Cancel keeps the program and the
// edit; the next SIGTERM asks again, and No ends the program.
TEST_F(AppTest, ASignalLeavesTheOpenSaveQuestionAlone) {
  setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
  static int argc = 1;
  static char name[] = "app_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = new QApplication(argc, argv);
  const fs::path oldCwd = fs::current_path();
  fs::current_path(dir / "work");
  InstallCloseRequests();
  MessageBoxWatch watch;
  application->installEventFilter(&watch);

  enum class Step { Edit, Asked, Signalled, Cancelled, AskedAgain, Done } step = Step::Edit;
  struct {
    bool open = false, up = false, modified = false, edited = false;
    std::size_t questions = 0;
  } whileAsked, afterCancel;
  const auto clock = std::chrono::steady_clock::now;
  const auto start = clock();
  auto since = start;
  const auto look = [&] {
    decltype(whileAsked) seen;
    seen.open = !watch.shown.empty() && watch.shown.front() && watch.shown.front()->isVisible();
    seen.up = g_pMainDlg && g_pMainDlg->IsWindowVisible();
    seen.modified = g_bModified != 0;
    seen.edited = std::strcmp(TheModel().store.groups[0].name, "EDITED") == 0;
    seen.questions = watch.shown.size();
    return seen;
  };
  const auto answer = [&](QMessageBox::StandardButton button) {
    if (QMessageBox* box = watch.Open()) box->button(button)->click();
  };
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [&] {
    if (clock() - start > 30s) {  // a step that never came: end the program
      answer(QMessageBox::No);
      if (g_pMainDlg) g_pMainDlg->EndDialog(IDCANCEL);
      return;
    }
    switch (step) {
      case Step::Edit:
        if (!g_pMainDlg || !g_pMainDlg->IsWindowVisible()) return;
        std::strcpy(TheModel().store.groups[0].name, "EDITED");
        g_bModified = 1;
        ASSERT_EQ(kill(getpid(), SIGTERM), 0);
        step = Step::Asked;
        return;
      case Step::Asked:
        if (!watch.Open()) return;
        ASSERT_EQ(kill(getpid(), SIGTERM), 0);
        ASSERT_EQ(kill(getpid(), SIGINT), 0);
        since = clock();
        step = Step::Signalled;
        return;
      case Step::Signalled:
        if (clock() - since < 500ms) return;
        whileAsked = look();
        answer(QMessageBox::Cancel);
        since = clock();
        step = Step::Cancelled;
        return;
      case Step::Cancelled:
        if (clock() - since < 300ms) return;
        afterCancel = look();
        ASSERT_EQ(kill(getpid(), SIGTERM), 0);
        step = Step::AskedAgain;
        return;
      case Step::AskedAgain:
        if (watch.shown.size() < afterCancel.questions + 1 || !watch.Open()) return;
        answer(QMessageBox::No);
        step = Step::Done;
        return;
      case Step::Done:
        return;
    }
  });
  driver.start(20);
  CMainApp({}).InitInstance();
  driver.stop();
  application->removeEventFilter(&watch);
  fs::current_path(oldCwd);

  EXPECT_EQ(step, Step::Done);
  EXPECT_TRUE(whileAsked.open);
  EXPECT_EQ(whileAsked.questions, 1u);
  EXPECT_TRUE(whileAsked.up);
  EXPECT_TRUE(whileAsked.modified);
  EXPECT_TRUE(afterCancel.up);
  EXPECT_TRUE(afterCancel.modified);
  EXPECT_TRUE(afterCancel.edited);
  EXPECT_EQ(afterCancel.questions, 1u);
  EXPECT_EQ(watch.texts, std::vector<std::string>(2, "Save changes to File:DEFAULTUP.X417?"));
}
