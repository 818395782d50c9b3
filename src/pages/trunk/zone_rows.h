// Rows and hooks the zone pages share.
//
// A Default value of a zone page is a ZoneDefault of the model
// (model/zone_defaults.h): a row names its `zones` as its field and its
// `value` as its Default field. A value that reaches every zone commits as the
// engine's Scope::Entities; one that reaches LTR zones only commits through the
// model (WriteDefault), and its cells of other zones show nothing:
//
//   zone_rows::ListRow<ltradv::kHangTime>(kHang, kHangDefault, kPopupList, tf::kHangTimeList, 3, &State)
#pragma once

#include <string>
#include <vector>

#include "model/edit_model.h"
#include "model/trunk_ltr.h"
#include "model/zone_defaults.h"
#include "pages/column_pages/grid_page.h"
#include "res/page_zone_overview.h"

namespace zone_rows {

// A zone's revert group, or the Default column's: "None" or "Grp %2d".
std::string RevertShow(grid::CGridPage& page, const grid::Row& row, int zone);
// Its list: the zone's groups in use; the Default column offers "None" only,
// the one value that means the same in every zone.
void RevertEntries(grid::CGridPage& page, const grid::Row& row, int zone, std::vector<grid::Entry>& entries);

// A list cell: the text of the zone's code, or of the Default value. A zone
// the value does not reach (its byte means something else there) shows nothing.
template <const ZoneDefault& D>
std::string ListText(grid::CGridPage& page, const grid::Row& row, int zone) {
  if (zone == grid::kDefaultEntity) return std::string(row.choices.PageText(page.DefaultCode(row)));
  if (!Reaches(TheModel(), D, zone)) return {};
  return std::string(row.choices.PageText(row.field.Get(TheModel(), zone)));
}

// A Default list commit: the value, and the zones' bits of every zone it reaches.
template <const ZoneDefault& D>
void WriteDefault(grid::CGridPage&, const grid::Row&, int, std::uint32_t code) {
  CommitZoneDefault(TheModel(), D, code);
}

// An LTR ID edit: the zone's ID, or the Default value; empty for none and in
// a zone that is not LTR.
template <const ZoneDefault& D>
std::string IdText(grid::CGridPage& page, const grid::Row& row, int zone) {
  if (zone == grid::kDefaultEntity) return LtrIdText(page.DefaultCode(row));
  return Reaches(TheModel(), D, zone) ? LtrIdText(D.zones.Get(TheModel(), zone)) : std::string();
}

// What an LTR ID edit did, shown: the stored text put back when the entry was
// not taken (with its message, if any); g_bModified for a stored ID; a Default
// entry refreshes the page under the person's caret.
void ShowIdEntry(grid::CGridPage& page, int zone, CWnd& edit, const LtrIdEntry& entry);

// Each keystroke of an LTR ID edit.
template <const ZoneDefault& D>
void EnterId(grid::CGridPage& page, const grid::Row&, int zone, CWnd& edit) {
  const std::string text = edit.GetWindowText();
  ShowIdEntry(page, zone, edit,
              zone == grid::kDefaultEntity ? EnterDefaultLtrId(TheModel(), D, text)
                                           : EnterLtrId(TheModel(), D, zone, text));
}

// A list row over a Default value; a row that commits on each selection change
// leaves the focus on its cell.
template <const ZoneDefault& D>
constexpr grid::Row ListRow(const int (&ids)[5], int defaultId, int listId, ChoiceList choices, int height,
                            grid::StateFn state, grid::Trigger trigger = grid::Trigger::Choose) {
  return {.ids = grid::Ids(ids), .defaultId = defaultId, .listId = listId, .choices = choices, .field = D.zones,
          .defaultField = D.value, .trigger = trigger, .heightFactor = height,
          .movesFocus = trigger != grid::Trigger::SelChange, .show = &ListText<D>, .state = state,
          .writeDefault = &WriteDefault<D>};
}

// An LTR ID edit row over a Default value: every keystroke is checked and stored.
template <const ZoneDefault& D>
constexpr grid::Row IdRow(const int (&ids)[5], int defaultId, grid::StateFn state) {
  return {.kind = grid::Cell::Number, .ids = grid::Ids(ids), .defaultId = defaultId, .field = D.zones,
          .defaultField = D.value, .trigger = grid::Trigger::Keystroke, .edit = {.intDigits = 3, .maxValue = 999},
          .show = &IdText<D>, .state = state, .commitEdit = &EnterId<D>};
}

// ---- the LTR settings the LTR system page and the zone overview (LTR captions) share ----

// Enabled for a zone in use that is not Conventional: a Conventional zone has
// no trunking, and its home repeater byte is its Connect Dial.
grid::State TrunkedZoneState(grid::CGridPage& page, const grid::Row& row, int column, int zone);
// The Home Channel Number: the zone's home repeater, its list ("None" only in
// the Default column) and its choice, which also sets the slot's Dispatch and
// Interconnect bits.
std::string HomeRepeaterShow(grid::CGridPage& page, const grid::Row& row, int zone);
void HomeRepeaterEntries(grid::CGridPage& page, const grid::Row& row, int zone, std::vector<grid::Entry>& entries);
void WriteHomeRepeater(grid::CGridPage& page, const grid::Row& row, int zone, std::uint32_t repeater);

// The rows without a Default cell; WithDefault gives one a page's Default value.
inline constexpr grid::Row kHomeRepeaterRow{
    .ids = grid::Ids(zone_ids::kHomeRepeater), .listId = zone_ids::kPopupList, .field = zf::kHomeRepeater,
    .heightFactor = 4, .show = &HomeRepeaterShow, .state = &TrunkedZoneState, .fill = &HomeRepeaterEntries,
    .write = &WriteHomeRepeater};
inline constexpr grid::Row kTalkPermitRow{.ids = grid::Ids(zone_ids::kLtrTalkPermit), .listId = zone_ids::kPopupList,
                                          .choices = zf::kDisableEnableOnList, .field = zf::kTalkPermitTone,
                                          .state = &TrunkedZoneState};
inline constexpr grid::Row kGroupDecodeRow{.ids = grid::Ids(zone_ids::kGroupDecode), .listId = zone_ids::kPopupList,
                                           .choices = zf::kDisableEnableList, .field = zf::kMultipleGroupDecode,
                                           .state = &TrunkedZoneState};

// A row with a Default cell over the Default value D: a value that reaches
// every zone writes them as the engine's scope, any other through the model
// (the zones' bits only, never a row's own write).
template <const ZoneDefault& D>
constexpr grid::Row WithDefault(grid::Row row, int defaultId) {
  row.defaultId = defaultId;
  row.defaultField = D.value;
  if (D.reach == Reach::AllZones) row.scope = grid::Scope::Entities;
  else row.writeDefault = &WriteDefault<D>;
  return row;
}

}  // namespace zone_rows
