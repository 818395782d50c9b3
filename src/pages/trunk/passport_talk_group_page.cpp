#include "pages/trunk/passport_talk_group_page.h"

#include <algorithm>
#include <string>

#include "model/edit_model.h"
#include "model/trunk_fields.h"
#include "model/trunk_passport.h"
#include "model/zone_fields.h"
#include "pages/grid/zone_columns_page.h"
#include "ui/wnd/prompt.h"

using namespace talk_group_ids;
using grid::Cell;
using grid::Row;
using grid::Trigger;

namespace {

CEditModel& M() { return TheModel(); }

constexpr int ZoneOf(int key) { return key / tf::kTalkGroupRows; }
constexpr int RowOf(int key) { return key % tf::kTalkGroupRows; }

// The enable cells: open while their row has a group record (the others take
// input while the group is in use).
constexpr std::uint32_t kEnableCell = 1;

std::string EnableText(grid::CGridPage&, const Row&, int key) {
  return TalkGroupEnableText(M(), ZoneOf(key), RowOf(key));
}

std::string IdText(grid::CGridPage&, const Row&, int key) { return TalkGroupIdText(M(), ZoneOf(key), RowOf(key)); }

// A refused ID shows its message and the stored ID again.
void CommitId(grid::CGridPage& page, const Row&, int key, CWnd& edit) {
  const IdEntryResult r = EnterTalkGroupId(M(), ZoneOf(key), RowOf(key), edit.GetWindowText());
  if (!r.message.empty()) AfxMessageBox(r.message);
  edit.SetWindowText(TalkGroupIdText(M(), ZoneOf(key), RowOf(key)));
  page.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

template <std::size_t N>
constexpr grid::ColumnIds Ids(const int (&ids)[N], bool withFirst = true, bool withRest = true) {
  grid::ColumnIds out{};
  for (std::size_t i = 0; i < N && i < out.size(); ++i) out[i] = (i == 0 ? withFirst : withRest) ? ids[i] : 0;
  return out;
}

constexpr Row CheckRow(const int (&ids)[kRows], Field field) {
  return {.kind = Cell::Check, .ids = Ids(ids), .field = field};
}

const Row kGridRows[] = {
    // Row 1's cell only says "PRIMARY"; rows 2..16 open the enable list.
    {.kind = Cell::Static, .ids = Ids(kEnable, true, false), .tags = kEnableCell, .show = &EnableText},
    {.ids = Ids(kEnable, false, true), .listId = kEnableList, .choices = zf::kOnOffList,
     .field = tf::kTalkGroupOnOff, .tags = kEnableCell, .show = &EnableText},
    // The primary group's ID is shown only.
    {.kind = Cell::Static, .ids = Ids(kId, true, false), .show = &IdText},
    {.kind = Cell::Number, .ids = Ids(kId, false, true), .field = tf::kTalkGroupId, .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 5, .keystrokeModifies = true}, .show = &IdText, .commitEdit = &CommitId},
    {.kind = Cell::Text, .ids = Ids(kAlias), .text = tf::kTalkGroupAlias, .trigger = Trigger::Keystroke,
     .edit = {.maxLength = 8, .extraChar = ' '}},
    CheckRow(kScan, tf::kTalkGroupScan),
    CheckRow(kCompander, tf::kTalkGroupCompander),
    CheckRow(kDisableTx, tf::kTalkGroupDisableTx),
    CheckRow(kEncryption, tf::kTalkGroupEncryption),
    CheckRow(kTot, tf::kTalkGroupTot),
};

// The 16 rows are the grid's columns; entity = the talk-group key of the row.
// One block wider than the rows: every list opens to the right of its cell.
constexpr grid::Axis kAxis{.columns = kRows, .block = kRows + 1, .entities = kZoneCount * tf::kTalkGroupRows,
                           .hasDefault = false};

}  // namespace

BEGIN_MESSAGE_MAP(CTalkGroupPage, grid::CGridPage)
  ON_BN_CLICKED(kClose, OnClose)
END_MESSAGE_MAP()

CTalkGroupPage::CTalkGroupPage(CWnd* pParent)
    : CGridPage(IDD_PASSPORT_TALK_GROUPS, kAxis, kGridRows, pParent) {
  RegisterPassPortTalkGroupPageTemplate();
}

void CTalkGroupPage::SetPageIndex(int index) {
  m_zone = std::clamp(index, 0, kZoneCount - 1);
  SetFirst(tf::TalkGroupKey(m_zone, 0));
}

int CTalkGroupPage::FirstMin() const { return tf::TalkGroupKey(m_zone, 0); }

grid::State CTalkGroupPage::CellState(const Row& row, int, int key) {
  const TalkGroupRowState s = TalkGroupRow(M(), ZoneOf(key), RowOf(key));
  const bool open = (row.tags & kEnableCell) ? s.hasRecord : s.editable;
  return open ? grid::State::Active : grid::State::Inactive;
}

// The primary group is put in use each time the page opens (when the zone has
// a group); like any state the page only makes valid, it is no edit of the person's.
void CTalkGroupPage::OnInitPage() { OpenTalkGroups(M(), m_zone); }

void CTalkGroupPage::OnClose() { grid::OnClosePage(*this); }

void CTalkGroupPage::OnRefreshed() {
  SetItemText(kZoneNumber, std::to_string(m_zone + 1));
  SetItemText(kZoneAlias, zf::kAlias.get(M(), m_zone));
}
