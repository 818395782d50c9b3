// The program as a process: it comes up on a data file named on its command
// line and closes cleanly when told to; a second copy ends at once.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "shell/app.h"

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
