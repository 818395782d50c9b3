#include "pages/trunk/interconnect_page.h"

#include "model/dial_string.h"
#include "model/trunk_fields.h"

using namespace interconnect_ids;
using namespace zone_defaults;
using grid::Row;

namespace {

CEditModel& M() { return TheModel(); }

grid::State InUse(grid::CGridPage&, const Row&, int, int zone) {
  return M().store.IsZoneInUse(zone) ? grid::State::Active : grid::State::Inactive;
}

std::string DisconnectText(grid::CGridPage& page, const Row&, int zone) {
  return zone == grid::kDefaultEntity ? DefaultDisconnectDialText(Of(page)) : tf::DisconnectDialText(M(), zone);
}

// The Default digit goes into every zone at once and the page shows it there.
void CommitDisconnect(grid::CGridPage& page, const Row&, int zone, CWnd& edit) {
  const std::string text = edit.GetWindowText();
  g_bModified = 1;
  if (zone != grid::kDefaultEntity) {
    tf::SetDisconnectDialText(M(), zone, text);
    return;
  }
  EnterDefaultDisconnectDial(M(), Of(page), text);
  static_cast<CZoneDefaultsPage&>(page).RefreshKeepingSelection(edit);
}

// Dial characters: 0-9, A-D, "*" and "#".
constexpr grid::EditSpec DialEdit(int length) {
  return {.maxLength = length, .extraChar = 0, .moreChars = "*#", .refusedChars = "efEF"};
}

template <const DefaultRow& D>
constexpr Row List(const int (&ids)[5], int defaultId, ChoiceList choices, int height = 2) {
  return ListRow<D>(ids, defaultId, kPopupList, choices, height, &InUse);
}

constexpr grid::ColumnIds Ids(const int (&ids)[5]) { return {ids[0], ids[1], ids[2], ids[3], ids[4]}; }

using grid::Cell;
using grid::Trigger;

const Row kRows[] = {
    List<interconnect::kTxTimeout>(kTimeout, kTimeoutDefault, zf::kTimerList, 4),
    List<interconnect::kPhoneInterconnect>(kPhone, kPhoneDefault, zf::kDisableEnableList),
    {.kind = Cell::Hex, .ids = Ids(kConnectDial), .text = tf::kConnectDial, .trigger = Trigger::Keystroke,
     .edit = DialEdit(kDialStringDigits), .state = &InUse},
    IdRow<interconnect::kLtrId>(kLtrId, 0, &InUse),
    {.kind = Cell::Hex, .ids = Ids(kDisconnect), .defaultId = kDisconnectDefault, .text = tf::kDisconnectDial,
     .trigger = Trigger::Keystroke, .edit = DialEdit(1), .show = &DisconnectText, .state = &InUse,
     .commitEdit = &CommitDisconnect},
    List<interconnect::kOnlyRx>(kOnlyRx, kOnlyRxDefault, zf::kDisableEnableList),
    List<interconnect::kAutoInterconnect>(kAuto, kAutoDefault, zf::kDisableEnableList),
};

constexpr grid::Axis kAxis{.columns = 5, .block = 5, .entities = kZoneCount, .step = 1, .hasDefault = true,
                           .prevId = kPrev, .nextId = kNext, .defaultCaptionId = kDefaultCaption,
                           .captionIds = Ids(kCaptions)};

}  // namespace

BEGIN_MESSAGE_MAP(CInterconnectPage, CZoneDefaultsPage)
  ON_BN_CLICKED(kClose, OnClose)
END_MESSAGE_MAP()

CInterconnectPage::CInterconnectPage(CWnd* pParent)
    : CZoneDefaultsPage(IDD_INTERCONNECT, kAxis, kRows, InterconnectDefaults(), pParent) {
  RegisterInterconnectPageTemplate();
}

// Each zone column shows the cells of its zone's format.
void CInterconnectPage::OnRefreshed() {
  for (int k = 0; k < 5; ++k) {
    const InterconnectCells cells = InterconnectLayout(M(), First() + k);
    for (const auto& [id, shown] : {std::pair{kLtrId[k], cells.ltrId}, std::pair{kConnectDial[k], cells.connectDial},
                                    std::pair{kOnlyRx[k], cells.onlyRx}}) {
      CWnd* cell = Item(id);
      if (cell && ((cell->GetStyle() & WS_VISIBLE) != 0) != shown) cell->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    }
  }
}
