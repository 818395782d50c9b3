#include "pages/trunk/ltr_advanced_defaults.h"

#include <algorithm>

void CZoneDefaultsPage::RefreshKeepingSelection(CWnd& edit) {
  auto* e = dynamic_cast<CEdit*>(&edit);
  int start = 0, end = 0;
  if (e) e->GetSel(start, end);
  Refresh();
  if (!e) return;
  const int length = static_cast<int>(e->GetWindowText().size());
  e->SetSel(std::min(start, length), std::min(end, length));
}

namespace zone_defaults {

void ShowIdEntry(grid::CGridPage& page, int zone, CWnd& edit, const LtrIdEntry& entry) {
  if (!entry.stored) {
    if (edit.GetWindowText() != entry.text) edit.SetWindowText(entry.text);
    if (!entry.message.empty()) AfxMessageBox(entry.message);
    return;
  }
  g_bModified = 1;
  if (zone == grid::kDefaultEntity) static_cast<CZoneDefaultsPage&>(page).RefreshKeepingSelection(edit);
}

}  // namespace zone_defaults
