#include "ui/page/page_registry.h"

#include <unistd.h>

#include <climits>
#include <map>

namespace {

std::map<UINT, PageFactory>& Factories() {
  static std::map<UINT, PageFactory> factories;
  return factories;
}

class CDefaultHooks : public IMainDlgHooks {
 public:
  bool QuerySaveChanges() override { return true; }
};

IMainDlgHooks* g_pHooks = nullptr;

}  // namespace

void RegisterPage(UINT nIDD, PageFactory factory) { Factories()[nIDD] = std::move(factory); }

bool IsPageRegistered(UINT nIDD) {
  const auto it = Factories().find(nIDD);
  return it != Factories().end() && it->second;
}

std::vector<UINT> RegisteredPageIds() {
  std::vector<UINT> ids;
  for (const auto& [id, factory] : Factories()) {
    if (factory) ids.push_back(id);
  }
  return ids;
}

std::unique_ptr<CDialog> MakeRegisteredPage(UINT nIDD) {
  const auto it = Factories().find(nIDD);
  if (it == Factories().end() || !it->second) return nullptr;
  return it->second();
}

std::string IMainDlgHooks::StartFolder() {
  char buf[PATH_MAX];
  if (!getcwd(buf, sizeof buf)) return {};
  return buf;
}

IMainDlgHooks& MainDlgHooks() {
  static CDefaultHooks defaults;
  return g_pHooks ? *g_pHooks : defaults;
}

void SetMainDlgHooks(IMainDlgHooks* hooks) { g_pHooks = hooks; }
