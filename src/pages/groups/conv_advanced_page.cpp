#include "pages/groups/conv_advanced_page.h"

#include "model/edit_model.h"
#include "model/group_fields.h"
#include "ui/messages.h"

using namespace conv_advanced_ids;
using namespace group_grid;
using grid::Row;

namespace {

static_assert(grid::kDefaultEntity == kDefaultColumnGroup, "the Default column is one index for page and model");

CEditModel& M() { return TheModel(); }

std::uint32_t CodeOf(grid::CGridPage& page, const Row& row, int g) {
  return g == grid::kDefaultEntity ? page.DefaultCode(row) : row.field.Get(M(), g);
}

void EntriesOf(const ChoiceList& list, std::vector<grid::Entry>& entries) {
  for (const Choice& c : list.choices) entries.push_back({std::string(c.text), c.code});
}

// ---- the channel's values (read only) ---------------------------------------------------------

std::string RxShow(grid::CGridPage&, const Row&, int g) { return ChannelTextsOfGroup(M(), g).rx; }
std::string TxShow(grid::CGridPage&, const Row&, int g) { return ChannelTextsOfGroup(M(), g).tx; }
std::string SpaceShow(grid::CGridPage&, const Row&, int g) { return ChannelTextsOfGroup(M(), g).space; }

// ---- lists by the radio's production type and option board ------------------------------------

std::string SecondTxPowerShow(grid::CGridPage& page, const Row& row, int g) {
  return std::string(grp::SecondTxPowerList(M()).PageText(CodeOf(page, row, g)));
}
void SecondTxPowerEntries(grid::CGridPage&, const Row&, int, std::vector<grid::Entry>& entries) {
  EntriesOf(grp::SecondTxPowerList(M()), entries);
}

std::string SignalingFunctionShow(grid::CGridPage&, const Row&, int g) {
  const std::uint32_t v = g == grid::kDefaultEntity ? DefaultSignalingFunction(M()) : SignalingFunction(M(), g);
  return std::string(SignalingFunctionList(M(), g).PageText(v));
}
void SignalingFunctionEntries(grid::CGridPage&, const Row&, int g, std::vector<grid::Entry>& entries) {
  EntriesOf(SignalingFunctionList(M(), g), entries);
}
void CommitDefaultSignaling(grid::CGridPage& page, const Row&, int, std::uint32_t code) {
  CommitDefaultSignalingFunction(M(), static_cast<CGroupGridPage&>(page).Zone(), code);
}

std::string SignalingNoShow(grid::CGridPage&, const Row&, int g) { return SignalingNoText(M(), g); }
// The paging locations or the signalling systems, each stored as its entry's value.
void SignalingNoEntries(grid::CGridPage&, const Row&, int g, std::vector<grid::Entry>& entries) {
  EntriesOf(SignalingNoList(M(), g), entries);
}

// ---- which cells take input ----------------------------------------------------------------------

template <bool (*Editable)(const CEditModel&, int)>
grid::State EditableInUse(grid::CGridPage&, const Row&, int, int g) {
  return GroupEnabled(M(), g) && Editable(M(), g) ? grid::State::Active : grid::State::Inactive;
}

using grid::Cell;

constexpr Row ChannelRow(const int (&ids)[6], grid::ShowFn show) {
  return {.kind = Cell::Static, .ids = grid::Ids(ids), .show = show, .state = &InUseGrey};
}

// A feature row: the group field, and with a Default cell the Default field
// (at its own bits) that a Default commit writes with every group of the zone.
constexpr Row FeatureRow(int defaultId, const int (&ids)[6], int listId, ChoiceList choices, Field field,
                         Field defaultField, int heightFactor = 2) {
  return {.ids = grid::Ids(ids), .defaultId = defaultId, .listId = listId, .choices = choices, .field = field,
          .defaultField = defaultField, .scope = grid::Scope::Entities, .heightFactor = heightFactor,
          .state = &InUseActive};
}

const Row kRows[] = {
    TagRow(&AlwaysActive),
    ChannelRow(kRxFreq, &RxShow),
    ChannelRow(kTxFreq, &TxShow),
    ChannelRow(kChannelSpace, &SpaceShow),
    FeatureRow(0, kCallAlert, kCallAlertList, grp::kCallAlertList, grp::kCallAlert, {}),
    FeatureRow(kAniMonitorDefault, kAniMonitor, kAniMonitorList, grp::kAniMonitorList, grp::kAniMonitor,
               grp::def::kAniMonitor),
    [] {
      Row row = FeatureRow(kAniDefault, kAni, kAniList, grp::kAniList, grp::kAni, grp::def::kAni);
      row.state = &EditableInUse<&AniEditable>;
      return row;
    }(),
    FeatureRow(kTalkAroundUserDefault, kTalkAroundUser, kTalkAroundUserList, grp::kTalkAroundList,
               grp::kTalkAroundUser, grp::def::kTalkAroundUser),
    FeatureRow(kTalkAroundFixedDefault, kTalkAroundFixed, kTalkAroundFixedList, grp::kTalkAroundList,
               grp::kTalkAroundFixed, grp::def::kTalkAroundFixed),
    [] {
      Row row = FeatureRow(kSecondTxPowerDefault, kSecondTxPower, kSecondTxPowerList, {}, grp::kSecondTxPower,
                           grp::def::kSecondTxPower, 3);
      row.show = &SecondTxPowerShow;
      row.fill = &SecondTxPowerEntries;
      return row;
    }(),
    FeatureRow(kTpacDefault, kTpac, kTpacList, grp::kTpacList, grp::kTpac, grp::def::kTpac),
    FeatureRow(kFlatAfDefault, kFlatAf, kFlatAfList, grp::kFlatAfList, grp::kFlatAf, grp::def::kFlatAf),
    [] {
      Row row = FeatureRow(kSignalingFunctionDefault, kSignalingFunction, kSignalingFunctionList, {},
                           grp::kSignalingFunction, grp::def::kSignalingFunction, 3);
      row.show = &SignalingFunctionShow;
      row.fill = &SignalingFunctionEntries;
      row.writeDefault = &CommitDefaultSignaling;
      return row;
    }(),
    [] {
      Row row = FeatureRow(kSignalingNoDefault, kSignalingNo, kSignalingNoList, {}, grp::kSignalingNo,
                           grp::def::kSignalingNo, 3);
      row.show = &SignalingNoShow;
      row.state = &EditableInUse<&SignalingNoEditable>;
      row.fill = &SignalingNoEntries;
      return row;
    }(),
    [] {
      Row row = FeatureRow(kEncryptionDefault, kEncryption, kEncryptionList, grp::kEncryptionList, grp::kEncryption,
                           grp::def::kEncryption, 4);
      row.state = &EditableInUse<&EncryptionEditable>;
      row.defaultState = &DefaultEncryptionState;
      return row;
    }(),
    // Rows the template keeps hidden.
    FeatureRow(kExtMicDefault, kExtMic, kExtMicList, grp::kExtMicList, grp::kExtMic, grp::def::kExtMic),
    {.kind = Cell::Static, .ids = grid::Ids(kCallVerify), .choices = grp::kCallVerifyList, .field = grp::kCallVerify,
     .state = &InUseGrey},
    // Commits on each change of the selection, quietly and with the focus kept.
    {.ids = grid::Ids(kDataGroup), .listId = kDataGroupList, .choices = grp::kDataGroupList, .field = grp::kDataGroup,
     .trigger = grid::Trigger::SelChange, .movesFocus = false, .setsModified = false, .state = &InUseActive},
};

}  // namespace

BEGIN_MESSAGE_MAP(CConvGroupAdvancedPage, group_grid::CGroupGridPage)
  ON_BN_CLICKED(group_ids::kBasicFeatures, OnBasicFeatures)
END_MESSAGE_MAP()

CConvGroupAdvancedPage::CConvGroupAdvancedPage() : CGroupGridPage(IDD_CONV_GROUP_ADVANCED, kRows, false) {
  RegisterConvGroupPageTemplates();
}

void CConvGroupAdvancedPage::OnBasicFeatures() { SwitchView(WM_RETURN_CONV_BASIC); }
