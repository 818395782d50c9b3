// Every test program runs with a home and configuration folders of its own,
// made as the program starts and removed as it ends: what Qt and the desktop's
// libraries keep of a person's settings (the file dialogs' state, caches) stays
// out of the home of whoever runs the tests. Its temporary folder is in there
// too, and a test program it starts (a death test's child, which ends without
// cleaning up) takes the same home. A program that cannot make one ends.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace {

class COwnHome {
 public:
  COwnHome() {
    std::error_code ec;
    const char* handed = getenv("TQ_TEST_HOME");
    const char* home = getenv("HOME");
    if (handed && home && std::string(handed) == home) {
      m_home = home;
      return;
    }
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "tq-test-home-XXXXXX").string();
    if (!ec && !mkdtemp(pattern.data())) ec.assign(errno, std::generic_category());
    if (ec) {
      const char* temp = getenv("TMPDIR");
      std::fprintf(stderr, "This test program cannot make a home of its own in %s: %s\n", temp ? temp : "/tmp",
                   ec.message().c_str());
      std::exit(EXIT_FAILURE);
    }
    m_home = pattern;
    m_owned = true;
    std::filesystem::create_directory(m_home / "tmp", ec);
    setenv("TQ_TEST_HOME", m_home.c_str(), 1);
    setenv("TMPDIR", (m_home / "tmp").c_str(), 1);
    setenv("HOME", m_home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (m_home / ".config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (m_home / ".cache").c_str(), 1);
    setenv("XDG_DATA_HOME", (m_home / ".local/share").c_str(), 1);
    setenv("XDG_STATE_HOME", (m_home / ".local/state").c_str(), 1);
  }
  ~COwnHome() {
    std::error_code ec;
    if (m_owned) std::filesystem::remove_all(m_home, ec);
  }
  COwnHome(const COwnHome&) = delete;
  COwnHome& operator=(const COwnHome&) = delete;

  std::filesystem::path m_home;
  bool m_owned = false;  // made here, not handed on
};

const COwnHome g_ownHome;

}  // namespace

TEST(OwnHome, SettingsAndTemporaryFoldersAreTheProgramsOwn) {
  const std::string home = g_ownHome.m_home.string();
  ASSERT_EQ(g_ownHome.m_home.filename().string().rfind("tq-test-home-", 0), 0u) << home;
  for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "TMPDIR"}) {
    const char* value = getenv(name);
    EXPECT_EQ(std::string(value ? value : "").rfind(home, 0), 0u) << name;
  }
}

// The program started again by a parent, running only the test above, with a
// temporary folder of this test's and a HOME that is no test home: with no
// folder to make a home in, it ends at once and says why; with one, it makes a
// home of its own there and removes it as it ends, also when a home was handed
// on under another HOME.
TEST(OwnHome, AProgramWithoutAHomeEndsAndOneWithAHomeRemovesIt) {
  std::string made = (std::filesystem::temp_directory_path() / "startXXXXXX").string();
  ASSERT_NE(mkdtemp(made.data()), nullptr);
  const std::filesystem::path dir = made;
  const struct {
    const char* tmp;     // TMPDIR, in the test's folder
    const char* handed;  // TQ_TEST_HOME, in the test's folder, or null
    bool ends;           // ends with a failure, saying so
  } runs[] = {{"missing", nullptr, true}, {"tmp", nullptr, false}, {"tmp", "handed", false}};
  for (const auto& r : runs) {
    const std::filesystem::path tmp = dir / r.tmp;
    SCOPED_TRACE(tmp.string() + (r.handed ? ", a home handed on" : ""));
    if (!r.ends) std::filesystem::create_directory(tmp);
    const std::string handed = r.handed ? " TQ_TEST_HOME='" + (dir / r.handed).string() + "'" : "";
    const std::string command = "cd '" + dir.string() + "' && env -u TQ_TEST_HOME -u GTEST_OUTPUT TMPDIR='" +
                                tmp.string() + "' HOME='" + (dir / "person").string() + "'" + handed + " '" +
                                std::filesystem::read_symlink("/proc/self/exe").string() +
                                "' --gtest_filter=OwnHome.SettingsAndTemporaryFoldersAreTheProgramsOwn >out 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream said(dir / "out");
    const std::string text{std::istreambuf_iterator<char>(said), std::istreambuf_iterator<char>()};
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == (r.ends ? EXIT_FAILURE : 0)) << text;
    const std::string why = "This test program cannot make a home of its own in " + tmp.string() + ": ";
    EXPECT_EQ(text.rfind(why, 0) == 0, r.ends) << text;
    EXPECT_TRUE(r.ends || std::filesystem::is_empty(tmp)) << "a home left behind";
  }
  std::filesystem::remove_all(dir);
}
