#include "pages/settings/seed_page.h"

#include <array>

#include "model/seed_channel.h"

namespace {

constexpr auto kBindings = [] {
  std::array<Binding, kSeedEditCount> bindings{};
  for (int i = 0; i < kSeedEditCount; ++i)
    bindings[std::size_t(i)] = Number(IDC_SEED_FREQ[i], seed::kFrequency, 4, 5).At(i).With(kBindEnterNext);
  return bindings;
}();

}  // namespace

CSeedChannelPage::CSeedChannelPage(CWnd* pParent) : CFieldPage(IDD_SEED, kBindings, {}, pParent) {
  RegisterSeedPageTemplate();
}
