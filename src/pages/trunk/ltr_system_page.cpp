#include "pages/trunk/ltr_system_page.h"

#include <string>
#include <vector>

#include "model/edit_model.h"
#include "model/trunk_ltr.h"
#include "model/trunk_repeaters.h"
#include "model/zone_fields.h"
#include "ui/wnd/prompt.h"

using namespace ltr_system_ids;
using grid::Row;

namespace {

CEditModel& M() { return TheModel(); }

// The trunking rows, which a Conventional zone does not use.
constexpr std::uint32_t kTrunking = 1;

// The page's Default bytes, laid out as the zone arrays they stand for.
constexpr int kDefPower = 0;    // zoneTxPower bits 0-2
constexpr int kDefTimeout = 1;  // zoneTxTimeout bits 4-7
constexpr int kDefRevert = 4;   // zoneRevertGroup

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

// ---- revert group and home repeater ----------------------------------------------------------

std::string RevertText(grid::CGridPage& page, const Row&, int z) {
  const bool isDefault = z == grid::kDefaultEntity;
  return RevertGroupText(M(), z, isDefault ? page.Defaults()[kDefRevert] : M().store.zoneRevertGroup[z]);
}

// The zone's groups in use; the Default column offers "None" only, the one
// value that means the same in every zone.
void RevertEntries(grid::CGridPage&, const Row&, int z, std::vector<grid::Entry>& entries) {
  grid::EntriesOf(entries, [z](IChoiceList& list, ListIndexMap& map) { M().store.FillGroupList(list, map, 255, z); });
}

std::string HomeText(grid::CGridPage&, const Row&, int z) { return HomeRepeaterText(M(), z); }

void HomeEntries(grid::CGridPage&, const Row&, int z, std::vector<grid::Entry>& entries) {
  for (const OfferedEntry& e : HomeRepeaterChoices(M(), z).entries) entries.push_back({e.text, e.code});
}

void WriteHome(grid::CGridPage&, const Row&, int z, std::uint32_t repeater) { ChooseHomeRepeater(M(), z, repeater); }

using grid::Cell;
using grid::Scope;
using grid::Trigger;

constexpr grid::ColumnIds Ids(const int (&ids)[5]) { return {ids[0], ids[1], ids[2], ids[3], ids[4]}; }

const Row kRows[] = {
    {.ids = Ids(kOnOff), .listId = kPopupList, .choices = zf::kOnOffList, .field = kOnOffField,
     .setsModified = false, .state = &AlwaysActive, .write = &WriteOnOff},
    {.kind = Cell::Number, .ids = Ids(kGroupCounts), .field = zf::kGroupCount, .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 3, .keystrokeModifies = true}, .commitEdit = &CommitCount, .keystroke = &CheckCount},
    {.kind = Cell::Static, .ids = Ids(kFormat), .choices = tf::kLtrFormatList, .field = zf::kFormat,
     .state = &Grey},
    {.kind = Cell::Text, .ids = Ids(kAlias), .text = zf::kAlias, .trigger = Trigger::Keystroke,
     .edit = {.maxLength = 8, .extraChar = ' '}},
    {.ids = Ids(kTimeout), .defaultId = kTimeoutDefault, .listId = kPopupList, .choices = zf::kTimerList,
     .field = zf::kTxTimeout, .pageDefault = {kDefTimeout, 0xF0}, .scope = Scope::Entities, .heightFactor = 4},
    {.ids = Ids(kPower), .defaultId = kPowerDefault, .listId = kPopupList, .choices = tf::kLtrTxPowerList,
     .field = zf::kTxPower, .pageDefault = {kDefPower, 0x07}, .scope = Scope::Entities, .heightFactor = 3},
    {.ids = Ids(kRevert), .defaultId = kRevertDefault, .listId = kPopupList, .field = zf::kRevertGroup,
     .pageDefault = {kDefRevert, 0xFF}, .scope = Scope::Entities, .heightFactor = 4, .show = &RevertText,
     .fill = &RevertEntries},
    {.ids = Ids(kZoneScanCells), .listId = kPopupList, .choices = zf::kDisableEnableOnList, .field = zf::kZoneScan,
     .enterOpens = false},
    {.ids = Ids(kAreaCode), .listId = kPopupList, .choices = tf::kAreaCodeList, .field = zf::kAreaCode,
     .tags = kTrunking},
    {.ids = Ids(kHomeRepeater), .listId = kPopupList, .field = zf::kHomeRepeater, .heightFactor = 4,
     .tags = kTrunking, .show = &HomeText, .fill = &HomeEntries, .write = &WriteHome},
    {.ids = Ids(kTalkPermit), .listId = kPopupList, .choices = zf::kDisableEnableOnList,
     .field = zf::kTalkPermitTone, .tags = kTrunking},
    {.ids = Ids(kGroupDecode), .listId = kPopupList, .choices = zf::kDisableEnableList,
     .field = zf::kMultipleGroupDecode, .tags = kTrunking},
    {.ids = Ids(kScanWords), .listId = kPopupList, .choices = zf::kScanWordList, .field = zf::kScanWords,
     .heightFactor = 4, .tags = kTrunking},
};

constexpr grid::Axis kAxis{.columns = 5, .block = 5, .entities = kZoneCount, .step = 1, .hasDefault = true,
                           .prevId = kPrev, .nextId = kNext, .defaultCaptionId = kDefaultCaption,
                           .captionIds = Ids(kCaptions)};

}  // namespace

BEGIN_MESSAGE_MAP(CLtrZonePage, grid::CZoneColumnsPage)
  ON_BN_CLICKED(kInterconnect, OnInterconnect)
  ON_BN_CLICKED(kLtrAdvanced, OnLtrAdvanced)
  ON_CONTROL_RANGE(BN_CLICKED, 1185, 1195, OnColumnButton)
END_MESSAGE_MAP()

CLtrZonePage::CLtrZonePage(CWnd* pParent) : CZoneColumnsPage(IDD_LTR_SYSTEM, kAxis, kRows, pParent) {
  RegisterLtrSystemPageTemplate();
  // Each Default cell starts at its list's default entry; the revert group at none.
  Defaults()[kDefTimeout] = 0x60;  // "3.0min"
  Defaults()[kDefRevert] = 255;
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
