#include "res/page_seed.h"

#include <string>

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

const DialogTemplate& SeedPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    DialogTemplate d = PageTemplate(IDD_SEED);
    auto& items = d.items;
    constexpr int kRows = kSeedEditCount / 2;
    const int columnX[2] = {20, 150};
    const int headIds[2] = {IDC_SEED_HEAD_LEFT, IDC_SEED_HEAD_RIGHT};
    for (int column = 0; column < 2; ++column) {
      const int x = columnX[column];
      items.push_back(CText("Frequency", headIds[column], x + 24, 12, 64, 8));
      for (int row = 0; row < kRows; ++row) {
        const int seed = column * kRows + row;
        const int y = 26 + 16 * row;
        std::string caption = "#";
        caption += std::to_string(seed + 1);
        items.push_back(RText(caption, IDC_STATIC, x, y + 2, 20, 8));
        items.push_back(EditText(IDC_SEED_FREQ[seed], x + 24, y, 64, 12, ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP));
      }
    }
    return d;
  }();
  return t;
}

void RegisterSeedPageTemplate() { RegisterTemplatesOnce<&SeedPageTemplate>(); }
