// Every test program runs with a home and configuration folders of its own,
// made as the program starts and removed as it ends: what Qt and the desktop's
// libraries keep of a person's settings (the file dialogs' state, caches) stays
// out of the home of whoever runs the tests. Its temporary folder is in there
// too, and a test program it starts (a death test's child, which ends without
// cleaning up) takes the same home. A program that cannot make one ends.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
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
