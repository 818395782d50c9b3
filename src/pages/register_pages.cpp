#include "pages/register_pages.h"

#include <memory>

#include "pages/fivetone/five_tone_page.h"
#include "pages/groups/conv_advanced_page.h"
#include "pages/groups/conv_basic_page.h"
#include "pages/groups/blank_page.h"
#include "pages/groups/channel_table_page.h"
#include "pages/groups/ltr_group_pages.h"
#include "pages/settings/dtmf_page.h"
#include "pages/settings/global1_page.h"
#include "pages/settings/global2_page.h"
#include "pages/trunk/interconnect_page.h"
#include "pages/trunk/ltr_advanced_page.h"
#include "pages/trunk/ltr_system_page.h"
#include "pages/trunk/repeater_page.h"
#include "pages/trunk/passport_features_page.h"
#include "pages/trunk/passport_talk_group_page.h"
#include "pages/trunk/zone_overview_page.h"
#include "pages/settings/key_assign_page.h"
#include "pages/settings/mobile_special_page.h"
#include "pages/settings/seed_page.h"
#include "pages/settings/sel_call_page.h"
#include "ui/page/page_registry.h"
#include "ui/print/sheet_registry.h"

namespace {

template <class Page>
void Register(UINT idd) {
  RegisterPage(idd, [] { return std::unique_ptr<CDialog>(new Page); });
}

// A zone sub-page: a page class registered before (a test's stand-in) is kept.
template <class Page>
void RegisterSubPage(UINT idd) {
  if (!IsPageRegistered(idd)) Register<Page>(idd);
}

}  // namespace

void RegisterPagesAndSheets() {
  Register<CGlobal1Page>(IDD_GLOBAL1);
  Register<CGlobal2Page>(IDD_GLOBAL2);
  Register<CFiveToneTablePage>(IDD_FIVE_TONE_PAGE);
  RegisterSheetRoutine(kSheetGlobal, PrintGlobal1Sheet, kPartGlobal1);
  RegisterSheetRoutine(kSheetGlobal, PrintGlobal2Sheet, kPartGlobal2);
  RegisterSheetRoutine(kSheetFiveToneCommon, PrintFiveToneTableSheet);
  RegisterSheetRoutine(kSheetFiveToneList, PrintFiveToneListSheet);
  RegisterZoneOverviewPage();
  RegisterSheetRoutine(kSheetZone, PrintZoneSheet);
  Register<CLtrZonePage>(IDD_LTR_SYSTEM);
  Register<CLtrAdvancedFeaturesPage>(IDD_LTR_ADVANCED);
  Register<CInterconnectPage>(IDD_INTERCONNECT);
  Register<CSystemRepeaterPage>(IDD_REPEATERS);
  Register<CPassPortFeaturePage>(IDD_PASSPORT_FEATURES);
  Register<CTalkGroupPage>(IDD_PASSPORT_TALK_GROUPS);
  Register<CMobileSpecialPage>(IDD_MOBILE_SPECIAL);
  RegisterSheetRoutine(kSheetGlobal, PrintMobileSpecialSheet, kPartMobileSpecial);
  Register<CKeyAssignPanelPage>(IDD_KEY_ASSIGN_PANEL);
  Register<CKeyAssignSidePage>(IDD_KEY_ASSIGN_SIDE);
  Register<CDtmfAniPage>(IDD_DTMF);
  RegisterSheetRoutine(kSheetDtmf, PrintDtmfSheet);
  Register<CSelCallPage>(IDD_SEL_CALL);
  RegisterSheetRoutine(kSheetSelCall, PrintSelCallSheet);
  Register<CSeedChannelPage>(IDD_SEED);
  RegisterSheetRoutine(kSheetSeedChannel, PrintSeedChannelSheet);
  Register<CConvGroupBasicPage>(IDD_CONV_GROUP_BASIC);
  Register<CConvGroupAdvancedPage>(IDD_CONV_GROUP_ADVANCED);
  RegisterSubPage<CLtrGroupBasicPage>(IDD_LTR_GROUP_BASIC);
  RegisterSubPage<CLtrGroupAdvancedPage>(IDD_LTR_GROUP_ADVANCED);
  Register<CChannelTablePage>(IDD_CHANNEL_TABLE);
  RegisterSheetRoutine(kSheetChannelTable, PrintChannelTableSheet);
  Register<CBlankPage>(IDD_BLANK_PAGE);
}
