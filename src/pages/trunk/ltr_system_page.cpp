#include "pages/trunk/ltr_system_page.h"

#include <string>
#include <vector>

#include "model/edit_model.h"
#include "model/trunk_ltr.h"
#include "model/zone_defaults.h"
#include "model/zone_fields.h"
#include "pages/trunk/zone_rows.h"
#include "ui/wnd/prompt.h"

using namespace ltr_system_ids;
using grid::Row;

namespace {

CEditModel& M() { return TheModel(); }

// The trunking rows, which a Conventional zone does not use.
constexpr std::uint32_t kTrunking = 1;

void ShowMessages(const std::vector<std::string>& messages) {
  for (const std::string& m : messages) AfxMessageBox(m);
}

grid::State AlwaysActive(grid::CGridPage&, const Row&, int, int) { return grid::State::Active; }
// The format shows on grey and takes no input here.
grid::State Grey(grid::CGridPage&, const Row&, int, int) { return grid::State::EnabledGrey; }

// ---- zone on/off and the number of groups ------------------------------------------------

std::uint32_t OnOffCode(CEditModel& m, int z) { return m.store.IsZoneInUse(z) ? 0 : 1; }
constexpr Field kOnOffField{&OnOffCode, nullptr};

void WriteOnOff(grid::CGridPage&, const Row&, int z, std::uint32_t code) {
  const GroupCountResult r = SetLtrZoneInUse(M(), z, code == 0);
  ShowMessages(r.messages);
  if (r.changed) g_bModified = 1;
}

// Each keystroke: a count that does not fit is refused at once.
void CheckCount(grid::CGridPage&, const Row&, int z, CWnd& edit) {
  const GroupCountCheck c = CheckLtrGroupCount(M(), z, edit.GetWindowText());
  if (c.fits) return;
  edit.SetWindowText(c.restoreText);
  AfxMessageBox(c.message);
}

void CommitCount(grid::CGridPage& page, const Row&, int z, CWnd& edit) {
  const GroupCountResult r = CommitLtrGroupCount(M(), z, edit.GetWindowText());
  edit.SetWindowText(std::to_string(r.count));
  ShowMessages(r.messages);
  if (r.changed) g_bModified = 1;
  page.Refresh();
}

using grid::Cell;
using grid::Scope;
using grid::Trigger;

const Row kRows[] = {
    {.ids = grid::Ids(kOnOff), .listId = kPopupList, .choices = zf::kOnOffList, .field = kOnOffField,
     .setsModified = false, .state = &AlwaysActive, .write = &WriteOnOff},
    {.kind = Cell::Number, .ids = grid::Ids(kGroupCounts), .field = zf::kGroupCount, .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 3, .keystrokeModifies = true}, .commitEdit = &CommitCount, .keystroke = &CheckCount},
    {.kind = Cell::Static, .ids = grid::Ids(kFormat), .choices = tf::kLtrFormatList, .field = zf::kFormat,
     .state = &Grey},
    {.kind = Cell::Text, .ids = grid::Ids(kAlias), .text = zf::kAlias, .trigger = Trigger::Keystroke,
     .edit = {.maxLength = 8, .extraChar = ' '}},
    {.ids = grid::Ids(kTimeout), .defaultId = kTimeoutDefault, .listId = kPopupList, .choices = zf::kTimerList,
     .field = ltrsystem::kTxTimeout.zones, .defaultField = ltrsystem::kTxTimeout.value, .scope = Scope::Entities,
     .heightFactor = 4},
    {.ids = grid::Ids(kPower), .defaultId = kPowerDefault, .listId = kPopupList, .choices = tf::kLtrTxPowerList,
     .field = ltrsystem::kTxPower.zones, .defaultField = ltrsystem::kTxPower.value, .scope = Scope::Entities,
     .heightFactor = 3},
    {.ids = grid::Ids(kRevert), .defaultId = kRevertDefault, .listId = kPopupList,
     .field = ltrsystem::kRevertGroup.zones, .defaultField = ltrsystem::kRevertGroup.value, .scope = Scope::Entities,
     .heightFactor = 4, .show = &zone_rows::RevertShow, .fill = &zone_rows::RevertEntries},
    {.ids = grid::Ids(kZoneScanCells), .listId = kPopupList, .choices = zf::kDisableEnableOnList, .field = zf::kZoneScan,
     .enterOpens = false},
    {.ids = grid::Ids(kAreaCode), .listId = kPopupList, .choices = tf::kAreaCodeList, .field = zf::kAreaCode,
     .tags = kTrunking},
    zone_rows::kHomeRepeaterRow,
    zone_rows::kTalkPermitRow,
    zone_rows::kGroupDecodeRow,
    {.ids = grid::Ids(kScanWords), .listId = kPopupList, .choices = zf::kScanWordList, .field = zf::kScanWords,
     .heightFactor = 4, .tags = kTrunking},
};

constexpr grid::Axis kAxis{.columns = 5, .block = 5, .entities = kZoneCount, .step = 1, .hasDefault = true,
                           .prevId = kPrev, .nextId = kNext, .defaultCaptionId = kDefaultCaption,
                           .captionIds = grid::Ids(kCaptions)};

}  // namespace

BEGIN_MESSAGE_MAP(CLtrZonePage, grid::CZoneColumnsPage)
  ON_BN_CLICKED(kInterconnect, OnInterconnect)
  ON_BN_CLICKED(kLtrAdvanced, OnLtrAdvanced)
  ON_CONTROL_RANGE(BN_CLICKED, 1185, 1195, OnColumnButton)
END_MESSAGE_MAP()

CLtrZonePage::CLtrZonePage(CWnd* pParent) : CZoneColumnsPage(IDD_LTR_SYSTEM, kAxis, kRows, pParent) {
  RegisterLtrSystemPageTemplate();
  ResetZoneDefaults(M(), ltrsystem::kValues);
}

grid::State CLtrZonePage::CellState(const Row& row, int, int zone) {
  return LtrSystemCellEnabled(M(), zone, (row.tags & kTrunking) != 0) ? grid::State::Active : grid::State::Inactive;
}

void CLtrZonePage::OnRefreshed() {
  const CChannelStore& s = M().store;
  for (int k = 0; k < 5; ++k) {
    const int z = First() + k;
    const bool inUse = s.IsZoneInUse(z);
    for (const auto& [id, enabled] : {std::pair{kRepeaters[k], LtrSystemCellEnabled(M(), z, true)}, std::pair{kGroups[k], inUse}}) {
      CWnd* button = Item(id);
      if (button && (button->IsWindowEnabled() != FALSE) != enabled) button->EnableWindow(enabled ? TRUE : FALSE);
    }
  }
}
