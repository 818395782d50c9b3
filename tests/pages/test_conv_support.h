// The conventional group pages on the grid harness: zones laid out through the
// model's group pool, the page opened on a zone as the main dialog opens it, and
// a list cell chosen by a click and a double-click.
#pragma once

#include "model/group_fields.h"
#include "model/zone_model.h"
#include "pages/groups/conv_advanced_page.h"
#include "pages/groups/conv_basic_page.h"
#include "test_grid_support.h"

namespace grid_test {

class ConvGroupTest : public GridTest {
 protected:
  static CChannelStore& S() { return TheModel().store; }
  static CGlobalSettings& G() { return TheModel().global; }
  // Zone z in use with a format and n groups (later zones' records move).
  static void UseZone(int z, int kind, int n) {
    S().SetSystemDefaults(z, kind);
    S().zoneFlags[z] |= kZoneInUse;
    ASSERT_FALSE(ApplyGroupCount(TheModel(), z, n).refused) << z;
  }
  // Every group of zone z enabled, as the enable list leaves it.
  static void EnableGroups(int z) {
    const ZoneGroupRun run = ZoneGroups(S(), z);
    for (int g = run.first; g < run.End(); ++g) SetGroupEnabled(TheModel(), g, true);
  }
  static void SetProductionType(int type) {
    S().modelWord = (S().modelWord & 0xFF) | (std::uint32_t(type) << 8);
  }
  group_grid::CGroupGridPage& ShowBasic(int zone) {
    page = &OpenAs<CConvGroupBasicPage>(IDD_CONV_GROUP_BASIC, zone);
    prompts.Clear();
    host.sent.clear();
    return *page;
  }
  group_grid::CGroupGridPage& ShowAdvanced(int zone) {
    page = &OpenAs<CConvGroupAdvancedPage>(IDD_CONV_GROUP_ADVANCED, zone);
    prompts.Clear();
    host.sent.clear();
    return *page;
  }
  // Shows a row the template keeps hidden, to reach it with the mouse.
  void Unhide(std::initializer_list<int> ids) {
    for (int id : ids) Page().GetDlgItem(id)->ShowWindow(SW_SHOW);
    Pump();
  }

  group_grid::CGroupGridPage* page = nullptr;
};

}  // namespace grid_test
