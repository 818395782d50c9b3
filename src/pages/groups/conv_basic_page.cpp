#include "pages/groups/conv_basic_page.h"

#include "model/channel_model.h"
#include "model/edit_model.h"
#include "model/group_fields.h"
#include "ui/messages.h"

using namespace conv_basic_ids;
using namespace group_grid;
using grid::Row;

namespace {

CEditModel& M() { return TheModel(); }

// ---- the channel of group g (channel g) -----------------------------------------------------

std::string RxShow(grid::CGridPage&, const Row&, int g) { return ChannelTextsOfGroup(M(), g).rx; }
std::string TxShow(grid::CGridPage&, const Row&, int g) { return ChannelTextsOfGroup(M(), g).tx; }
std::string SpaceShow(grid::CGridPage&, const Row&, int g) { return ChannelTextsOfGroup(M(), g).space; }

// What an entry shows afterwards; a stored change is a change to save.
void ShowEntry(grid::CGridPage& page, CWnd& edit, const FrequencyEntry& e) {
  if (e.changed) g_bModified = 1;
  if (!e.rxText.empty() && edit.GetWindowText() != e.rxText) edit.SetWindowText(e.rxText);
  int column = 0;
  if (!e.txText.empty() && page.RowOfCell(edit.GetDlgCtrlID(), &column) && column >= 1) {
    CWnd* tx = page.Item(kTxFreq[column - 1]);
    if (tx && tx->GetWindowText() != e.txText) tx->SetWindowText(e.txText);
  }
}

// Ten blanks store nothing; any other text sets both frequencies of channel g.
void CommitRx(grid::CGridPage& page, const Row&, int g, CWnd& edit) {
  ShowEntry(page, edit, EnterRxFrequency(M(), g, edit.GetWindowText(), BlankRx::Ignore));
  page.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CommitTx(grid::CGridPage&, const Row&, int g, CWnd& edit) {
  const FrequencyEntry e = EnterTxFrequency(M(), g, edit.GetWindowText());
  if (e.changed) g_bModified = 1;
  if (!e.txText.empty() && edit.GetWindowText() != e.txText) edit.SetWindowText(e.txText);
}

// ---- sub-audible signalling ------------------------------------------------------------------

template <bool Rx>
std::string CodeShow(grid::CGridPage&, const Row&, int g) {
  return grp::ToneCodeText(M(), g, Rx);
}

template <bool Rx>
grid::State CodeState(grid::CGridPage&, const Row&, int, int g) {
  return ToneCodeEditable(M(), g, Rx) ? grid::State::Active : grid::State::Inactive;
}

// The decode and encode cells open the CTCSS or the DCS list by their side's type (none for 0).
template <bool Rx>
const ChoiceList* CodeList(int g) {
  return grp::ToneCodeList((Rx ? grp::kRxToneType : grp::kTxToneType).Get(M(), g));
}

template <bool Rx>
int CodeListId(grid::CGridPage&, const Row&, int g) {
  const ChoiceList* list = CodeList<Rx>(g);
  return !list ? 0 : list == &grp::CtcssCodeList() ? kCtcssList : kDcsList;
}

template <bool Rx>
void CodeEntries(grid::CGridPage&, const Row&, int g, std::vector<grid::Entry>& entries) {
  if (const ChoiceList* list = CodeList<Rx>(g)) {
    for (const Choice& c : list->choices) entries.push_back({std::string(c.text), c.code});
  }
}

// ---- Compander: only on a narrow channel ------------------------------------------------------

grid::State CompanderState(grid::CGridPage&, const Row&, int, int g) {
  return CompanderEditable(M(), g) ? grid::State::Active : grid::State::Inactive;
}

using grid::Cell;
using grid::Trigger;

// A frequency edit: typed over, stored when it is left (Enter moves on).
constexpr Row FrequencyRow(const int (&ids)[6], grid::ShowFn show, grid::EditFn commit) {
  return {.kind = Cell::Number, .ids = grid::Ids(ids), .trigger = Trigger::KillFocus,
          .edit = {.intDigits = 4, .decimals = 5, .blankAllowed = true, .enterNext = true}, .show = show,
          .state = &InUseActive, .commitEdit = commit};
}

// The decode (Rx) and encode rows share the CTCSS and DCS lists; each row names
// one of them so that the page holds both.
template <bool Rx>
constexpr Row CodeRow(const int (&ids)[6], int listId, Field field) {
  return {.ids = grid::Ids(ids), .listId = listId, .field = field, .heightFactor = 6, .show = &CodeShow<Rx>,
          .state = &CodeState<Rx>, .fill = &CodeEntries<Rx>, .list = &CodeListId<Rx>};
}

const Row kRows[] = {
    kEnableRow,
    TagRow(&InUseActive),
    FrequencyRow(kRxFreq, &RxShow, &CommitRx),
    FrequencyRow(kTxFreq, &TxShow, &CommitTx),
    {.ids = grid::Ids(kChannelSpace), .listId = kChannelSpaceList, .choices = cf::kSpacingList,
     .field = grp::kChannelSpacing, .show = &SpaceShow, .state = &InUseActive},
    {.ids = grid::Ids(kRxType), .listId = kRxTypeList, .choices = grp::kToneTypeList, .field = grp::kRxSubAudible,
     .heightFactor = 4, .state = &InUseActive},
    CodeRow<true>(kDecode, kCtcssList, grp::kDecodeCode),
    {.ids = grid::Ids(kTxType), .listId = kTxTypeList, .choices = grp::kToneTypeList, .field = grp::kTxSubAudible,
     .heightFactor = 4, .state = &InUseActive},
    CodeRow<false>(kEncode, kDcsList, grp::kEncodeCode),
    DefaultRow(kMonitorDefault, kMonitor, kMonitorList, grp::kMonitorList, grp::kMonitor, grp::def::kMonitor),
    kTxInhibitRow,
    kTimeOutTimerRow,
    DefaultRow(group_ids::kBusyLockOutDefault, group_ids::kBusyLockOut, group_ids::kBusyLockOutList,
               grp::kBusyLockOutList, grp::kBusyLockOut, grp::def::kBusyLockOut, 3),
    [] {
      Row row = DefaultRow(group_ids::kCompanderDefault, group_ids::kCompander, group_ids::kCompanderList,
                           grp::kCompanderList, grp::kCompander, grp::def::kCompander);
      row.state = &CompanderState;
      return row;
    }(),
    kScanMemoryRow,
};

}  // namespace

BEGIN_MESSAGE_MAP(CConvGroupBasicPage, group_grid::CGroupGridPage)
  ON_BN_CLICKED(group_ids::kAdvancedFeatures, OnAdvancedFeatures)
END_MESSAGE_MAP()

CConvGroupBasicPage::CConvGroupBasicPage() : CGroupGridPage(IDD_CONV_GROUP_BASIC, kRows, false) {
  RegisterConvGroupPageTemplates();
}

// Before the first refresh: the zone's groups name their own channels (no
// change to save: the view shows them so).
void CConvGroupBasicPage::OnInitPage() { BindZoneChannels(M(), Zone()); }

void CConvGroupBasicPage::OnRefreshed() {
  CGroupGridPage::OnRefreshed();
  for (int column = 1; column <= kGroupColumns; ++column) SyncChannelInUse(M(), Zone(), ColumnGroup(First(), column));
}

void CConvGroupBasicPage::OnAdvancedFeatures() { SwitchView(WM_SHOWPAGE_CONV_ADVANCED); }
