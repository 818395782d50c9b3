#include "pages/trunk/repeater_page.h"

#include <algorithm>

#include "model/edit_model.h"
#include "model/trunk_repeaters.h"
#include "model/zone_fields.h"
#include "pages/column_pages/zone_columns_page.h"

using namespace repeater_ids;
using grid::Row;

namespace {

CEditModel& M() { return TheModel(); }
int ZoneOf(grid::CGridPage& page) { return static_cast<CSystemRepeaterPage&>(page).Zone(); }

// The channel of a slot, by the row's key.
std::uint32_t ChannelOf(grid::CGridPage& page, int slot) {
  return tf::kRepeaterChannel.Get(M(), tf::RepeaterKey(ZoneOf(page), slot));
}

std::string ChannelText(grid::CGridPage& page, const Row&, int slot) {
  return ViewRepeaterSlot(M(), ZoneOf(page), slot).channel;
}
std::string TxFreqText(grid::CGridPage& page, const Row&, int slot) {
  return ViewRepeaterSlot(M(), ZoneOf(page), slot).txFreq;
}
std::string RxFreqText(grid::CGridPage& page, const Row&, int slot) {
  return ViewRepeaterSlot(M(), ZoneOf(page), slot).rxFreq;
}
std::string SpaceText(grid::CGridPage& page, const Row&, int slot) {
  return ViewRepeaterSlot(M(), ZoneOf(page), slot).space;
}

grid::State AlwaysActive(grid::CGridPage&, const Row&, int, int) { return grid::State::Active; }
// The flags of a slot without a channel take no input.
grid::State FlagState(grid::CGridPage& page, const Row&, int, int slot) {
  return ChannelOf(page, slot) != tf::kNoRepeaterChannel ? grid::State::Active : grid::State::Inactive;
}
// Dispatch and Interconnect of the home repeater's slot are the save's: they take no choice.
grid::State HomeFlagState(grid::CGridPage& page, const Row& row, int column, int slot) {
  if (tf::HomeSlotFlagsForced(M(), tf::RepeaterKey(ZoneOf(page), slot))) return grid::State::Inactive;
  return FlagState(page, row, column, slot);
}
// The frequencies show only for a channel record.
grid::State FrequencyState(grid::CGridPage& page, const Row&, int, int slot) {
  return M().store.Channel(int(ChannelOf(page, slot))) ? grid::State::Active : grid::State::Inactive;
}

void ChannelEntries(grid::CGridPage& page, const Row&, int slot, std::vector<grid::Entry>& entries) {
  for (const OfferedEntry& e : RepeaterChannelChoices(M(), ZoneOf(page), slot).entries) entries.push_back({e.text, e.code});
}

void WriteChannel(grid::CGridPage& page, const Row&, int slot, std::uint32_t channel) {
  ChooseRepeaterChannel(M(), ZoneOf(page), slot, channel);
}

using grid::Cell;

const Row kRows[] = {
    {.ids = grid::Ids(kChannel), .listId = kChannelList, .field = tf::kRepeaterChannel, .widthFactor = 3,
     .heightFactor = 4, .show = &ChannelText, .state = &AlwaysActive, .fill = &ChannelEntries,
     .write = &WriteChannel},
    {.kind = Cell::Static, .ids = grid::Ids(kTxFreq), .show = &TxFreqText, .state = &FrequencyState},
    {.kind = Cell::Static, .ids = grid::Ids(kRxFreq), .show = &RxFreqText, .state = &FrequencyState},
    {.kind = Cell::Static, .ids = grid::Ids(kSpace), .show = &SpaceText, .state = &FrequencyState},
    {.ids = grid::Ids(kRxPhase), .listId = kPopupList, .choices = tf::kDataPhaseList, .field = tf::kRxDataPhase,
     .state = &FlagState},
    {.ids = grid::Ids(kTxPhase), .listId = kPopupList, .choices = tf::kDataPhaseList, .field = tf::kTxDataPhase,
     .state = &FlagState},
    {.ids = grid::Ids(kDispatch), .listId = kPopupList, .choices = zf::kDisableEnableOnList,
     .field = tf::kRepeaterDispatch, .state = &HomeFlagState},
    {.ids = grid::Ids(kInterconnect), .listId = kPopupList, .choices = zf::kDisableEnableList,
     .field = tf::kRepeaterInterconnect, .state = &HomeFlagState},
};

constexpr grid::Axis kAxis{.columns = kColumns, .block = 8, .entities = tf::kRepeaterSlots, .step = 1,
                           .hasDefault = false, .prevId = kPrev, .nextId = kNext, .captionIds = grid::Ids(kCaptions)};

}  // namespace

BEGIN_MESSAGE_MAP(CSystemRepeaterPage, grid::CGridPage)
  ON_BN_CLICKED(kClose, OnClose)
END_MESSAGE_MAP()

CSystemRepeaterPage::CSystemRepeaterPage(CWnd* pParent) : CGridPage(IDD_REPEATERS, kAxis, kRows, pParent) {
  RegisterRepeaterPageTemplate();
}

void CSystemRepeaterPage::SetPageIndex(int index) { m_zone = std::clamp(index, 0, kZoneCount - 1); }

int CSystemRepeaterPage::FirstMax() const { return kFirstRepeaterMax; }

int CSystemRepeaterPage::FieldIndex(int slot) const { return tf::RepeaterKey(m_zone, slot); }

std::string CSystemRepeaterPage::ColumnCaption(int column) const { return RepeaterCaption(EntityOf(column)); }

void CSystemRepeaterPage::OnClose() { grid::OnClosePage(*this); }

void CSystemRepeaterPage::OnInitPage() {
  if (!m_fixedFont.GetSafeHandle()) m_fixedFont.CreatePointFont(80, "Courier New");
  if (CWnd* list = Item(kChannelList)) list->SetFont(m_fixedFont.GetQFont());
}

void CSystemRepeaterPage::OnRefreshed() {
  SetItemText(kZoneNumber, std::to_string(m_zone + 1));
  SetItemText(kAlias, zf::AliasText(M(), m_zone));
}
