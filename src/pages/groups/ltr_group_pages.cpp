#include "pages/groups/ltr_group_pages.h"

#include <string>
#include <vector>

#include "model/edit_model.h"
#include "model/group_fields.h"
#include "model/group_model.h"
#include "ui/messages.h"
#include "ui/wnd/prompt.h"

using namespace ltr_group_ids;
using grid::Row;
using group_grid::DefaultEncryptionState;
using group_grid::InUseActive;

namespace {

CEditModel& M() { return TheModel(); }

// ---- the IDs ----------------------------------------------------------------------------------

std::string IdText(grid::CGridPage&, const Row& row, int g) { return LtrIdText(row.field.Get(M(), g)); }

// Each keystroke: the text stored when it is an ID, else the message and the
// stored value back. The basic view counts a refused text as an edit too.
template <bool Tx, bool ModifiedOnRefusal>
void CommitId(grid::CGridPage&, const Row&, int g, CWnd& edit) {
  const LtrIdEntry e = EnterGroupLtrId(M(), g, Tx, edit.GetWindowText());
  if (!e.message.empty()) {
    AfxMessageBox(e.message);
    edit.SetWindowText(e.text);
  }
  if (e.stored || ModifiedOnRefusal) g_bModified = 1;
}

// Leaving a TX ID edit whose ID was changed there: its own group's RX ID
// follows (an RX ID typed since stays when the TX ID is only passed through).
void CopyTxToRx(grid::CGridPage& page, const Row&, int g, CWnd&) {
  if (CopyTxIdToRxId(M(), g).changed) g_bModified = 1;
  page.Refresh();
}

template <bool ModifiedOnRefusal>
constexpr Row TxIdRow() {
  return {.kind = grid::Cell::Number, .ids = grid::Ids(kTxId), .field = grp::kTxId, .trigger = grid::Trigger::Keystroke,
          .edit = {.intDigits = 3, .maxValue = 999, .enterNext = true}, .show = &IdText, .state = &InUseActive,
          .commitEdit = &CommitId<true, ModifiedOnRefusal>, .leave = &CopyTxToRx};
}
template <bool ModifiedOnRefusal>
constexpr Row RxIdRow() {
  return {.kind = grid::Cell::Number, .ids = grid::Ids(kRxId), .field = grp::kRxId, .trigger = grid::Trigger::Keystroke,
          .edit = {.intDigits = 3, .maxValue = 999}, .show = &IdText, .state = &InUseActive,
          .commitEdit = &CommitId<false, ModifiedOnRefusal>};
}

// ---- the basic view ---------------------------------------------------------------------------

const Row kBasicRows[] = {
    group_grid::kEnableRow,
    group_grid::TagRow(&InUseActive),
    TxIdRow<true>(),
    RxIdRow<true>(),
    group_grid::kTxInhibitRow,
    group_grid::kTimeOutTimerRow,
    group_grid::DefaultRow(kCompanderDefault, kCompander, kCompanderList, grp::kCompanderList, grp::kCompander,
                           grp::def::kCompander),
    group_grid::kScanMemoryRow,
};

// ---- the advanced view ------------------------------------------------------------------------

// 2nd Tx Power: the list of the radio's production type.
std::string SecondTxPowerText(grid::CGridPage& page, const Row& row, int g) {
  const std::uint32_t code = g == grid::kDefaultEntity ? page.DefaultCode(row) : row.field.Get(M(), g);
  return std::string(grp::SecondTxPowerList(M()).PageText(code));
}
void SecondTxPowerEntries(grid::CGridPage&, const Row&, int, std::vector<grid::Entry>& entries) {
  for (const Choice& c : grp::SecondTxPowerList(M()).choices) entries.push_back({std::string(c.text), c.code});
}

// Signaling Function from the Default column: the Default record's bits and
// the function bits of every group of the zone.
void CommitDefaultSignaling(grid::CGridPage& page, const Row&, int, std::uint32_t code) {
  CommitDefaultLtrSignalingFunction(M(), static_cast<group_grid::CGroupGridPage&>(page).Zone(), code);
}

// Encryption of a group in use: not while its function reads 2, nor with the
// OPB-83 board, on a production-type-11 radio.
grid::State EncryptionState(grid::CGridPage&, const Row&, int, int g) {
  return GroupEnabled(M(), g) && EncryptionEditable(M(), g) ? grid::State::Active : grid::State::Inactive;
}

Row WithHooks(Row row, grid::ShowFn show, grid::FillFn fill) {
  row.show = show;
  row.fill = fill;
  return row;
}

const Row kAdvancedRows[] = {
    group_grid::TagRow(&group_grid::AlwaysActive),
    TxIdRow<false>(),
    RxIdRow<false>(),
    group_grid::DefaultRow(kCallAlertDefault, kCallAlert, kCallAlertList, grp::kCallAlertList, grp::kCallAlert,
                           grp::def::kCallAlert),
    group_grid::DefaultRow(kAniDefault, kAni, kAniList, grp::kAniList, grp::kAni, grp::def::kAni),
    group_grid::DefaultRow(kTalkAroundUserDefault, kTalkAroundUser, kTalkAroundUserList, grp::kTalkAroundList,
                           grp::kTalkAroundUser, grp::def::kTalkAroundUser),
    group_grid::DefaultRow(kTalkAroundFixedDefault, kTalkAroundFixed, kTalkAroundFixedList, grp::kTalkAroundList,
                           grp::kTalkAroundFixed, grp::def::kTalkAroundFixed),
    WithHooks(group_grid::DefaultRow(kSecondTxPowerDefault, kSecondTxPower, kSecondTxPowerList, {},
                                     grp::kSecondTxPower, grp::def::kSecondTxPower),
              &SecondTxPowerText, &SecondTxPowerEntries),
    group_grid::DefaultRow(kFlatAfDefault, kFlatAf, kFlatAfList, grp::kFlatAfList, grp::kFlatAf, grp::def::kFlatAf),
    [] {
      Row row = group_grid::DefaultRow(kSignalingFunctionDefault, kSignalingFunction, kSignalingFunctionList,
                                       grp::kLtrSignalingFunctionList, grp::kLtrSignalingFunction,
                                       grp::def::kSignalingFunction);
      row.writeDefault = &CommitDefaultSignaling;
      return row;
    }(),
    [] {
      Row row = group_grid::DefaultRow(kEncryptionDefault, kEncryption, kEncryptionList, grp::kEncryptionList,
                                       grp::kEncryption, grp::def::kEncryption);
      row.state = &EncryptionState;
      row.defaultState = &DefaultEncryptionState;
      return row;
    }(),
};

}  // namespace

// ---- the pages ------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CLtrGroupBasicPage, group_grid::CGroupGridPage)
  ON_BN_CLICKED(kAdvancedFeatures, OnAdvancedFeatures)
END_MESSAGE_MAP()

CLtrGroupBasicPage::CLtrGroupBasicPage() : CGroupGridPage(IDD_LTR_GROUP_BASIC, kBasicRows, true) {
  RegisterLtrGroupTemplates();
}

void CLtrGroupBasicPage::OnAdvancedFeatures() { SwitchView(WM_SHOWPAGE_GROUP_ADVANCED); }

BEGIN_MESSAGE_MAP(CLtrGroupAdvancedPage, group_grid::CGroupGridPage)
  ON_BN_CLICKED(kLtrBasicFeatures, OnBasicFeatures)
END_MESSAGE_MAP()

CLtrGroupAdvancedPage::CLtrGroupAdvancedPage() : CGroupGridPage(IDD_LTR_GROUP_ADVANCED, kAdvancedRows, true) {
  RegisterLtrGroupTemplates();
}

void CLtrGroupAdvancedPage::OnBasicFeatures() { SwitchView(WM_RETURN_GROUP_BASIC); }
