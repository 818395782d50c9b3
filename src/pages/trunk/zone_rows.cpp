#include "pages/trunk/zone_rows.h"

#include "model/trunk_repeaters.h"
#include "ui/wnd/prompt.h"

namespace zone_rows {

std::string RevertShow(grid::CGridPage& page, const grid::Row& row, int zone) {
  CEditModel& m = TheModel();
  return RevertGroupText(m, zone, zone == grid::kDefaultEntity ? page.DefaultCode(row) : row.field.Get(m, zone));
}

void RevertEntries(grid::CGridPage&, const grid::Row&, int zone, std::vector<grid::Entry>& entries) {
  grid::EntriesOf(entries, [zone](IChoiceList& list, ListIndexMap& map) {
    TheModel().store.FillGroupList(list, map, zf::kNoRevertGroup, zone);
  });
}

void ShowIdEntry(grid::CGridPage& page, int zone, CWnd& edit, const LtrIdEntry& entry) {
  if (!entry.stored) {
    if (edit.GetWindowText() != entry.text) edit.SetWindowText(entry.text);
    if (!entry.message.empty()) AfxMessageBox(entry.message);
    return;
  }
  g_bModified = 1;
  if (zone == grid::kDefaultEntity) page.RefreshKeepingSelection(edit);
}

grid::State TrunkedZoneState(grid::CGridPage&, const grid::Row&, int, int zone) {
  return LtrSystemCellEnabled(TheModel(), zone, true) ? grid::State::Active : grid::State::Inactive;
}

std::string HomeRepeaterShow(grid::CGridPage&, const grid::Row&, int zone) { return HomeRepeaterText(TheModel(), zone); }

void HomeRepeaterEntries(grid::CGridPage&, const grid::Row&, int zone, std::vector<grid::Entry>& entries) {
  for (const OfferedEntry& e : HomeRepeaterChoices(TheModel(), zone).entries) entries.push_back({e.text, e.code});
}

void WriteHomeRepeater(grid::CGridPage&, const grid::Row&, int zone, std::uint32_t repeater) {
  ChooseHomeRepeater(TheModel(), zone, repeater);
}

}  // namespace zone_rows
