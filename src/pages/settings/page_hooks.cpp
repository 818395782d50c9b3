#include "pages/settings/page_hooks.h"

#include <unistd.h>

#include <climits>

std::string IMainDlgHooks::StartFolder() {
  char buf[PATH_MAX];
  if (!getcwd(buf, sizeof buf)) return {};
  return buf;
}

namespace {

class CDefaultHooks : public IMainDlgHooks {
 public:
  bool QuerySaveChanges() override { return true; }
};

IMainDlgHooks* g_pHooks = nullptr;

}  // namespace

IMainDlgHooks& MainDlgHooks() {
  static CDefaultHooks defaults;
  return g_pHooks ? *g_pHooks : defaults;
}

void SetMainDlgHooks(IMainDlgHooks* hooks) { g_pHooks = hooks; }
