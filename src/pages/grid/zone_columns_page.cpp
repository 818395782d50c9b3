#include "pages/grid/zone_columns_page.h"

#include <cstdio>

#include "model/edit_model.h"
#include "model/trunk_ltr.h"
#include "res/page_zone_overview.h"
#include "ui/messages.h"
#include "ui/wnd/prompt.h"

namespace grid {

void OnClosePage(CWnd& page, int firstZone) {
  MessageBeep(0);
  if (!page.GetSafeHwnd()) return;
  CWnd* main = page.GetParentOwner();
  if (main && main != &page) main->SendMessage(WM_SHOWPAGE_ZONE, 0, firstZone);
}

std::string CZoneColumnsPage::ColumnCaption(int column) const {
  char text[24];
  std::snprintf(text, sizeof text, "Zone %2d", EntityOf(column) + 1);
  return text;
}

void CZoneColumnsPage::OnInterconnect() {
  MessageBeep(0);
  SendToMain(WM_SHOWPAGE_INTERCONNECT, 0, First());
}

void CZoneColumnsPage::OnLtrAdvanced() {
  MessageBeep(0);
  SendToMain(WM_SHOWPAGE_LTR_ADVANCED, 0, First());
}

void CZoneColumnsPage::OnClose() { OnClosePage(*this, First()); }

void CZoneColumnsPage::OnColumnButton(UINT nID) {
  const bool passPort = PassPortCaptions();
  for (int k = 0; k < 5; ++k) {
    const int z = First() + k;
    if (int(nID) == zone_ids::kFeatures[k]) {
      MessageBeep(0);
      SendToMain(passPort ? WM_SHOWPAGE_PASSPORT_SYSTEM : WM_SHOWPAGE_REPEATERS, WPARAM(z), 0);
      return;
    }
    if (int(nID) == zone_ids::kGroups[k]) {
      MessageBeep(0);
      const GroupPage target = GroupPageOf(TheModel(), z, passPort);
      SendToMain(target == GroupPage::TalkGroups ? WM_SHOWPAGE_PASSPORT_TALKGROUP
                 : target == GroupPage::Ltr      ? WM_SHOWPAGE_GROUP_BASIC
                                                 : WM_SHOWPAGE_CONV_BASIC,
                 WPARAM(z), 0);
      return;
    }
  }
}

}  // namespace grid
