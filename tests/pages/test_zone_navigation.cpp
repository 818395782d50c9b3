// Every Zone sub-page that closes to the zone overview, in the main dialog:
// a click on its "Close" beeps once and brings the overview back; a page over
// the zones hands on its own first zone, any other page leaves the overview at
// the zones it showed.
#include <string>

#include "res/page_zone_overview.h"
#include "shell/test_main_dlg_support.h"
#include "ui/messages.h"

namespace main_dlg_test {
namespace {

constexpr int kClose = 1211;  // the "Close" of every sub-page template

struct SubPage {
  UINT message;
  WPARAM zone;
  LPARAM firstZone;
  const char* overviewCaption;  // the overview's first column after "Close"
};

// The overview shows zones 4-8 when each page is opened.
constexpr SubPage kSubPages[] = {
    {WM_SHOWPAGE_INTERCONNECT, 0, 9, "SYS. 10"},     {WM_SHOWPAGE_LTR_ADVANCED, 0, 12, "SYS. 13"},
    {WM_SHOWPAGE_REPEATERS, 5, 0, "SYS.  4"},        {WM_SHOWPAGE_PASSPORT_SYSTEM, 5, 0, "SYS.  4"},
    {WM_SHOWPAGE_PASSPORT_TALKGROUP, 5, 0, "SYS.  4"}, {WM_SHOWPAGE_CONV_BASIC, 5, 0, "SYS.  4"},
    {WM_SHOWPAGE_CONV_ADVANCED, 5, 0, "SYS.  4"},    {WM_SHOWPAGE_GROUP_BASIC, 5, 0, "SYS.  4"},
    {WM_SHOWPAGE_GROUP_ADVANCED, 5, 0, "SYS.  4"},
};

class ZoneNavigationTest : public MainDlgTest {
 protected:
  CWnd& Current() {
    CWnd* page = PageWindow(dlg->GetZoneSubPageId());
    EXPECT_NE(page, nullptr);
    return *page;
  }
  CWnd& Button(int id) {
    CWnd* button = Current().GetDlgItem(id);
    EXPECT_NE(button, nullptr) << id;
    return *button;
  }
  std::string FirstCaption() { return Current().GetDlgItem(zone_ids::kCaptions[0])->GetWindowText(); }
};

TEST_F(ZoneNavigationTest, EveryCloseReturnsToTheOverviewAtItsFirstZone) {
  Start();
  Command(ID_PAGE_ZONE);
  for (int i = 0; i < 3; ++i) ui_test::Click(&Button(zone_ids::kNext));
  ui_test::Pump();
  ASSERT_EQ(FirstCaption(), "SYS.  4");
  for (const SubPage& p : kSubPages) {
    SCOPED_TRACE(p.message);
    dlg->SendMessage(p.message, p.zone, p.firstZone);
    ui_test::Pump();
    ASSERT_NE(dlg->GetZoneSubPageId(), UINT(IDD_ZONE_OVERVIEW));
    prompts.Clear();
    ui_test::Click(&Button(kClose));
    ui_test::Pump();
    EXPECT_EQ(prompts.Beeps(), 1);
    ASSERT_EQ(dlg->GetZoneSubPageId(), UINT(IDD_ZONE_OVERVIEW));
    EXPECT_EQ(FirstCaption(), p.overviewCaption);
    dlg->SendMessage(WM_SHOWPAGE_ZONE, 0, 3);  // back at zones 4-8 for the next page
    ui_test::Pump();
  }
  EXPECT_EQ(g_bModified, 0u);
}

}  // namespace
}  // namespace main_dlg_test
