// The Default column of the LTR advanced features and interconnect pages: the
// page object keeps its own Default values (ZoneDefaults, trunk_ltr.h) for the
// program's life; a Default cell shows its row's value, and a Default commit
// is the model's, which writes only the zones the row reaches. The hooks take
// the row's DefaultRow as a template argument:
//
//   {.ids = ..., .defaultId = ..., .choices = tf::kHangTimeList, .field = tf::kChannelHangTime,
//    .show = &zone_defaults::ListText<ltradv::kHangTime>,
//    .writeDefault = &zone_defaults::WriteDefault<ltradv::kHangTime>},
#pragma once

#include <span>
#include <string>

#include "model/edit_model.h"
#include "model/trunk_ltr.h"
#include "pages/grid/zone_columns_page.h"
#include "ui/wnd/prompt.h"

class CZoneDefaultsPage : public grid::CZoneColumnsPage {
 public:
  CZoneDefaultsPage(UINT nIDTemplate, const grid::Axis& axis, std::span<const grid::Row> rows,
                    const ZoneDefaults& initial, CWnd* pParent = nullptr)
      : CZoneColumnsPage(nIDTemplate, axis, rows, pParent), m_zoneDefaults(initial) {}

  ZoneDefaults& ZoneDefaultValues() { return m_zoneDefaults; }
  // Refresh, keeping the edit's selection and caret where they were (a
  // Default edit refreshes the page as the person types in it).
  void RefreshKeepingSelection(CWnd& edit);

 private:
  ZoneDefaults m_zoneDefaults;
};

namespace zone_defaults {

inline ZoneDefaults& Of(grid::CGridPage& page) { return static_cast<CZoneDefaultsPage&>(page).ZoneDefaultValues(); }

// A list cell: the text of the zone's code, or of the Default value. A zone
// whose byte means something else (a row for LTR zones only) shows nothing.
template <const DefaultRow& D>
std::string ListText(grid::CGridPage& page, const grid::Row& row, int zone) {
  if (zone != grid::kDefaultEntity && !Reaches(TheModel(), D, zone)) return {};
  const std::uint32_t code = zone == grid::kDefaultEntity ? DefaultCode(Of(page), D) : D.field.Get(TheModel(), zone);
  return std::string(row.choices.PageText(code));
}

// A Default list commit: the value, and the row's bits of every zone it reaches.
template <const DefaultRow& D>
void WriteDefault(grid::CGridPage& page, const grid::Row&, int, std::uint32_t code) {
  CommitDefault(TheModel(), Of(page), D, code);
}

// An LTR ID edit: the zone's ID, or the Default value; empty for none and in
// a zone that is not LTR.
template <const DefaultRow& D>
std::string IdText(grid::CGridPage& page, const grid::Row&, int zone) {
  if (zone != grid::kDefaultEntity && !Reaches(TheModel(), D, zone)) return {};
  return LtrIdText(zone == grid::kDefaultEntity ? DefaultCode(Of(page), D) : D.field.Get(TheModel(), zone));
}

// What an LTR ID edit did, shown: the stored text put back when the entry was
// not taken (with its message, if any); g_bModified for a stored ID; a Default
// entry refreshes the page under the person's caret.
void ShowIdEntry(grid::CGridPage& page, int zone, CWnd& edit, const LtrIdEntry& entry);

// Each keystroke of an LTR ID edit.
template <const DefaultRow& D>
void EnterId(grid::CGridPage& page, const grid::Row&, int zone, CWnd& edit) {
  const std::string text = edit.GetWindowText();
  ShowIdEntry(page, zone, edit,
              zone == grid::kDefaultEntity ? EnterDefaultLtrId(TheModel(), Of(page), D, text)
                                           : EnterLtrId(TheModel(), D, zone, text));
}

// A list row over a DefaultRow; a row that commits on each selection change
// leaves the focus on its cell.
template <const DefaultRow& D>
constexpr grid::Row ListRow(const int (&ids)[5], int defaultId, int listId, ChoiceList choices, int height,
                            grid::StateFn state, grid::Trigger trigger = grid::Trigger::Choose) {
  return {.ids = {ids[0], ids[1], ids[2], ids[3], ids[4]}, .defaultId = defaultId, .listId = listId,
          .choices = choices, .field = D.field, .trigger = trigger, .heightFactor = height,
          .movesFocus = trigger != grid::Trigger::SelChange, .show = &ListText<D>, .state = state,
          .writeDefault = &WriteDefault<D>};
}

// An LTR ID edit row over a DefaultRow: every keystroke is checked and stored.
template <const DefaultRow& D>
constexpr grid::Row IdRow(const int (&ids)[5], int defaultId, grid::StateFn state) {
  return {.kind = grid::Cell::Number, .ids = {ids[0], ids[1], ids[2], ids[3], ids[4]}, .defaultId = defaultId,
          .field = D.field, .trigger = grid::Trigger::Keystroke, .edit = {.intDigits = 3, .maxValue = 999},
          .show = &IdText<D>, .state = state, .commitEdit = &EnterId<D>};
}

}  // namespace zone_defaults
