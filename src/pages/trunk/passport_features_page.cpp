#include "pages/trunk/passport_features_page.h"

#include <algorithm>
#include <optional>
#include <string>

#include "model/edit_model.h"
#include "model/trunk_fields.h"
#include "model/trunk_passport.h"
#include "model/zone_fields.h"
#include "pages/column_pages/zone_columns_page.h"

using namespace passport_ids;

namespace {

CEditModel& M() { return TheModel(); }

// A roaming timer's cell: "%4d sec"; a typed number is clamped into the
// timer's seconds (whole units), never refused.
template <const PassPortTimer& T>
constexpr NumberFormat kTimer{
    [](std::uint32_t code) { return PassPortTimerText(T, code); },
    [](const std::string& text) -> std::optional<std::uint32_t> { return PassPortTimerCode(T, text); }};

// Enter in a timer cell moves the focus on, which stores the timer.
template <const PassPortTimer& T>
constexpr Binding Timer(int id, int digits) {
  return Number(id, T.field, kTimer<T>, digits).With(kBindEnterNext);
}

const Binding kBindings[] = {
    Check(kDisableRoam, zf::kDisableRoam),
    Check(kAtbRingBack, zf::kAtbRingBack),
    Check(kPpGroupScan, zf::kPpGroupScan),
    Check(kInterconnectCompanding, zf::kInterconnectCompanding),
    Check(kDisablePrimaryPriority, zf::kDisablePrimaryPriority),
    Check(kHomeLookback, tf::kHomeLookback),
    Combo(kLookbackTime, tf::kLookbackTime, tf::kMinutesPageList),
    Check(kLookbackRssiOn, tf::kLookbackRssiOn),
    Combo(kLookbackRssi, tf::kLookbackRssi, tf::kRssiLevelList),
    Timer<kRoamStartDelayTimer>(kRoamStartDelay, 3),
    Timer<kRoamSearchSpeedTimer>(kRoamSearchSpeed, 2),
    Timer<kRegResumeTimer>(kRegResumeTime, 4),
    Timer<kRoamPowerUpDelayTimer>(kRoamPowerUpDelay, 3),
    Check(kRssiThreshold, tf::kRssiThreshold),
    Check(kRssiDuringReceive, tf::kRssiDisableDuringReceive),
    Check(kRssiThresholdArea, tf::kRssiDisableInThresholdArea),
    Check(kRssiAutoEnable, tf::kRssiAutoEnable),
    Combo(kDuration, tf::kRssiDuration, tf::kMinutesPageList),
    Combo(kRegisteredRssi, tf::kRegisteredRssi, tf::kRssiLevelList),
    Combo(kOsmRssi, tf::kOsmRssi, tf::kOsmLevelList),
    Check(kRxDataInverted, zf::kRxDataInverted),
    Check(kTxDataInverted, tf::kInvertedTxData),
    Check(kBand5b, zf::kBand5b),
    Check(kPreferLastChannel, tf::kPreferLastChannel),
    // Kept, never shown.
    Check(kFixedDcc, zf::kFixedDcc),
    Check(kSingleSite, tf::kSingleSitePerFrequency),
    Check(kStrongestSite, tf::kStrongestSiteSearch),
};

bool RssiThresholdOn(int z) { return PassPortEnableStates(M(), z).rssiThreshold; }
bool HomeLookbackOn(int z) { return PassPortEnableStates(M(), z).homeLookback; }
bool LookbackRssiOn(int z) { return PassPortEnableStates(M(), z).lookbackRssi; }
bool Band5bOpen(int z) { return PassPortEnableStates(M(), z).band5b; }

const EnableRule kRules[] = {
    {kRssiDuringReceive, nullptr, &RssiThresholdOn}, {kRssiThresholdArea, nullptr, &RssiThresholdOn},
    {kRssiAutoEnable, nullptr, &RssiThresholdOn},    {kDurationLabel, nullptr, &RssiThresholdOn},
    {kDuration, nullptr, &RssiThresholdOn},          {kRegisteredLabel, nullptr, &RssiThresholdOn},
    {kRegisteredRssi, nullptr, &RssiThresholdOn},    {kRegisteredRssiRef, nullptr, &RssiThresholdOn},
    {kOsmLabel, nullptr, &RssiThresholdOn},          {kOsmRssi, nullptr, &RssiThresholdOn},
    {kOsmRssiRef, nullptr, &RssiThresholdOn},        {kLookbackTimeLabel, nullptr, &HomeLookbackOn},
    {kLookbackTime, nullptr, &HomeLookbackOn},       {kLookbackRssiOn, nullptr, &HomeLookbackOn},
    {kLookbackRssi, nullptr, &LookbackRssiOn},       {kLookbackRssiRef, nullptr, &LookbackRssiOn},
    {kBand5b, nullptr, &Band5bOpen},
};

}  // namespace

BEGIN_MESSAGE_MAP(CPassPortFeaturePage, CFieldPage)
  ON_BN_CLICKED(kClose, OnClose)
END_MESSAGE_MAP()

CPassPortFeaturePage::CPassPortFeaturePage(CWnd* pParent)
    : CFieldPage(IDD_PASSPORT_FEATURES, kBindings, kRules, pParent) {
  RegisterPassPortFeaturePageTemplate();
}

void CPassPortFeaturePage::SetPageIndex(int index) {
  m_zone = std::clamp(index, 0, kZoneCount - 1);
  BindingSet().SetIndex(m_zone);
}

BOOL CPassPortFeaturePage::OnInitDialog() {
  // Levels never set become -110 dBm; only made valid, no edit of the person's.
  NormalisePassPortLevels(M(), m_zone);
  return CFieldPage::OnInitDialog();
}

void CPassPortFeaturePage::OnRefresh() {
  SetDlgItemText(kZoneNumber, std::to_string(m_zone + 1));
  SetDlgItemText(kZoneAlias, zf::kAlias.get(M(), m_zone));
  ShowLevelReferences();
}

void CPassPortFeaturePage::OnCommitted(const Binding&) {
  ShowLevelReferences();
  BindingSet().ApplyEnableRules();
}

void CPassPortFeaturePage::ShowLevelReferences() {
  struct Reference {
    int id;
    const BitField& level;
    const ChoiceList& list;
  };
  for (const Reference& r : {Reference{kLookbackRssiRef, tf::kLookbackRssi, tf::kRssiLevelList},
                             Reference{kRegisteredRssiRef, tf::kRegisteredRssi, tf::kRssiLevelList},
                             Reference{kOsmRssiRef, tf::kOsmRssi, tf::kOsmLevelList}}) {
    SetDlgItemText(r.id, RssiReferenceText(M(), r.list, r.level.Get(M(), m_zone)));
  }
}

void CPassPortFeaturePage::OnClose() { grid::OnClosePage(*this); }
