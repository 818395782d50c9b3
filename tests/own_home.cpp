// Every test program runs with a home and configuration folders of its own,
// made as the program starts and removed as it ends: what Qt and the desktop's
// libraries keep of a person's settings (the file dialogs' state, caches) stays
// out of the home of whoever runs the tests.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

class COwnHome {
 public:
  COwnHome() {
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "tq-test-home-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) return;
    m_home = pattern;
    setenv("HOME", m_home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (m_home / ".config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (m_home / ".cache").c_str(), 1);
    setenv("XDG_DATA_HOME", (m_home / ".local/share").c_str(), 1);
    setenv("XDG_STATE_HOME", (m_home / ".local/state").c_str(), 1);
  }
  ~COwnHome() {
    std::error_code ec;
    if (!m_home.empty()) std::filesystem::remove_all(m_home, ec);
  }
  COwnHome(const COwnHome&) = delete;
  COwnHome& operator=(const COwnHome&) = delete;

 private:
  std::filesystem::path m_home;
};

const COwnHome g_ownHome;

}  // namespace
