#include "pages/trunk/ltr_advanced_page.h"

#include <algorithm>

#include "ui/page/page_registry.h"
#include "ui/wnd/dlg_template.h"

using namespace ltr_advanced_ids;
using namespace zone_defaults;
using grid::Row;

namespace {

// A zone cell takes input when the zone is in use, not Conventional, and one
// the row's Default reaches.
template <const DefaultRow& D>
grid::State CellStateOf(grid::CGridPage&, const Row&, int, int zone) {
  return LtrAdvancedCellEnabled(TheModel(), D, zone) ? grid::State::Active : grid::State::Inactive;
}

using grid::Trigger;

template <const DefaultRow& D>
constexpr Row List(const int (&ids)[5], int defaultId, ChoiceList choices, int height,
                   Trigger trigger = Trigger::Choose) {
  return ListRow<D>(ids, defaultId, kPopupList, choices, height, &CellStateOf<D>, trigger);
}
template <const DefaultRow& D>
constexpr Row Id(const int (&ids)[5], int defaultId) {
  return IdRow<D>(ids, defaultId, &CellStateOf<D>);
}

// The data rise time and the prefix code commit on each selection change.
const Row kRows[] = {
    List<ltradv::kDataRiseTime>(kRiseTime, kRiseTimeDefault, tf::kDataRiseTimeList, 2, Trigger::SelChange),
    List<ltradv::kPrefixCode>(kPrefix, kPrefixDefault, tf::kPrefixCodeList, 3, Trigger::SelChange),
    List<ltradv::kHangTime>(kHang, kHangDefault, tf::kHangTimeList, 3),
    List<ltradv::kFadeTime>(kFade, kFadeDefault, tf::kFadeTimeList, 3),
    Id<ltradv::kRxIdStart>(kRxIdStart, kRxIdDefaults[0]),
    Id<ltradv::kRxIdStop>(kRxIdStop, kRxIdDefaults[1]),
    List<ltradv::kDecodeResumeTime>(kDecodeResume, kDecodeResumeDefault, tf::kResumeTimeList, 3),
    Id<ltradv::kTxInhibitIdStart>(kTxInhibitIdStart, kTxInhibitIdDefaults[0]),
    Id<ltradv::kTxInhibitIdStop>(kTxInhibitIdStop, kTxInhibitIdDefaults[1]),
    List<ltradv::kTxInhibitResumeTime>(kTxInhibitResume, kTxInhibitResumeDefault, tf::kResumeTimeList, 3),
};

constexpr grid::Axis kAxis{.columns = 5, .block = 5, .entities = kZoneCount, .step = 1, .hasDefault = true,
                           .prevId = kPrev, .nextId = kNext, .defaultCaptionId = kDefaultCaption,
                           .captionIds = {kCaptions[0], kCaptions[1], kCaptions[2], kCaptions[3], kCaptions[4]}};

}  // namespace

BEGIN_MESSAGE_MAP(CLtrAdvancedFeaturesPage, CZoneDefaultsPage)
  ON_BN_CLICKED(kInterconnect, OnInterconnect)
  ON_BN_CLICKED(kClose, OnClose)
END_MESSAGE_MAP()

CLtrAdvancedFeaturesPage::CLtrAdvancedFeaturesPage(CWnd* pParent)
    : CZoneDefaultsPage(IDD_LTR_ADVANCED, kAxis, kRows, LtrAdvancedDefaults(), pParent) {
  RegisterLtrAdvancedPageTemplate();
}

void CLtrAdvancedFeaturesPage::OnInitPage() {
  if (MainDlgHooks().IsModeM()) return;
  // Outside the M mode the data rise time and prefix code rows are hidden and
  // the rows below them move up into their place.
  CWnd* rise = Item(kRiseTime[0]);
  CWnd* hang = Item(kHang[0]);
  if (!rise || !hang) return;
  CRect top, below;
  rise->GetWindowRect(&top);
  hang->GetWindowRect(&below);
  const int shift = below.top - top.top;
  for (const DlgItemTemplate& item : LtrAdvancedPageTemplate().items) {
    CWnd* w = item.id > 0 ? Item(item.id) : nullptr;
    if (!w || item.kind == CtlKind::ListBox) continue;
    CRect rc;
    w->GetWindowRect(&rc);
    if (rc.top < top.top) continue;
    if (rc.top < below.top) {
      w->ShowWindow(SW_HIDE);
      continue;
    }
    ScreenToClient(&rc);
    w->MoveWindow(rc.left, rc.top - shift, rc.Width(), rc.Height(), FALSE);
  }
}
