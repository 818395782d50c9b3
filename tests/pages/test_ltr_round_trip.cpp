// The LTR pages in the main dialog, reached and left by clicks: from the zone
// overview scrolled to its fourth zone, each page opens for the zone or first
// zone of the column it came from, and its "Close" brings the overview back
// with the same zones in view.
#include "model/global_fields.h"
#include "model/zone_model.h"
#include "pages/trunk/ltr_advanced_page.h"
#include "pages/trunk/repeater_page.h"
#include "res/page_interconnect.h"
#include "res/page_zone_overview.h"
#include "shell/test_main_dlg_support.h"

namespace main_dlg_test {
namespace {

class LtrRoundTripTest : public MainDlgTest {
 protected:
  CWnd& Current() {
    CWnd* page = PageWindow(dlg->GetZoneSubPageId());
    EXPECT_NE(page, nullptr);
    return *page;
  }
  void ClickOn(int id) {
    CWnd* button = Current().GetDlgItem(id);
    ASSERT_NE(button, nullptr) << id;
    ASSERT_TRUE(button->IsWindowEnabled()) << id;
    ui_test::Click(button);
    ui_test::Pump();
  }
  std::string Caption(int id) { return Current().GetDlgItem(id)->GetWindowText(); }
};

TEST_F(LtrRoundTripTest, EachLtrPageClosesBackToTheZonesItCameFrom) {
  Start();
  CEditModel& m = TheModel();
  for (int z = 0; z < 8; ++z) {
    m.store.SetSystemDefaults(z, kSystemLtr);
    ASSERT_FALSE(ApplyGroupCount(m, z, 1, {false, 1}).refused);
  }
  gf::kLtrCaptions.Set(m, 0, 1);
  Command(ID_PAGE_ZONE);
  for (int i = 0; i < 3; ++i) ClickOn(zone_ids::kNext);
  EXPECT_EQ(Caption(zone_ids::kCaptions[0]), "SYS.  4");

  // "Repeaters" of the second column: zone 5's slots; Close: zones 4-8 again.
  ClickOn(zone_ids::kFeatures[1]);
  ASSERT_EQ(dlg->GetZoneSubPageId(), UINT(IDD_REPEATERS));
  EXPECT_EQ(Caption(repeater_ids::kZoneNumber), "5");
  ClickOn(repeater_ids::kNext);
  ClickOn(repeater_ids::kClose);
  ASSERT_EQ(dlg->GetZoneSubPageId(), UINT(IDD_ZONE_OVERVIEW));
  EXPECT_EQ(Caption(zone_ids::kCaptions[0]), "SYS.  4");

  // The LTR advanced and interconnect pages open at the overview's first zone;
  // their Close returns at theirs.
  ClickOn(zone_ids::kLtrAdvanced);
  ASSERT_EQ(dlg->GetZoneSubPageId(), UINT(IDD_LTR_ADVANCED));
  EXPECT_EQ(Caption(ltr_advanced_ids::kCaptions[0]), "Zone  4");
  ClickOn(ltr_advanced_ids::kInterconnect);
  ASSERT_EQ(dlg->GetZoneSubPageId(), UINT(IDD_INTERCONNECT));
  EXPECT_EQ(Caption(interconnect_ids::kCaptions[0]), "Zone  4");
  ClickOn(interconnect_ids::kPrev);
  ClickOn(interconnect_ids::kClose);
  ASSERT_EQ(dlg->GetZoneSubPageId(), UINT(IDD_ZONE_OVERVIEW));
  EXPECT_EQ(Caption(zone_ids::kCaptions[0]), "SYS.  3");
  ClickOn(zone_ids::kLtrAdvanced);
  ClickOn(ltr_advanced_ids::kClose);
  EXPECT_EQ(Caption(zone_ids::kCaptions[0]), "SYS.  3");
  EXPECT_EQ(g_bModified, 0u);
}

}  // namespace
}  // namespace main_dlg_test
