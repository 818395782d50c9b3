#include "pages/settings/dtmf_page.h"

#include <array>
#include <utility>

#include "model/dtmf_ani.h"
#include "model/global_fields.h"

namespace {

using df::DialRecordOfRow;

// Row by row: the tag and the dial memory of the row's record, the paging code
// and the decoding of code `row`.
template <std::size_t... Row>
constexpr auto RowBindings(std::index_sequence<Row...>) {
  return std::array{
      Text(IDC_DT_DIAL_TAG[Row], df::kDialTag, kTagLength).With(kBindBlank).At(DialRecordOfRow(Row))...,
      Dial(IDC_DT_DIAL[Row], df::kDialMemory).At(DialRecordOfRow(Row))...,
      Dial(IDC_DT_PAGING_CODE[Row], df::kPagingCode, 3).With(kBindNoDialSigns).At(Row)...,
      Combo(IDC_DT_DECODING[Row], df::kDecoding, df::kDecodingList).At(Row)...,
  };
}

constexpr Binding kSingles[] = {
    Combo(IDC_DT_MONITOR, gf::kDtmfMonitor, df::kMonitorList),
    Combo(IDC_DT_PAUSE_CHAR, df::kPauseCharacter, df::kPauseCharacterList),
    Dial(IDC_DT_PAUSE_CODE, df::kPauseCharCodeText, 1),
    Combo(IDC_DT_PAUSE_TIME, df::kPauseTime, df::kPauseTimeList),
    Combo(IDC_DT_SPEED, df::kSpeed, df::kSpeedList),
    Combo(IDC_DT_KEYPAD, df::kKeypad, df::kKeypadList),
    Combo(IDC_DT_CALLING_TIMES, df::kCallingTimes, df::kCallingTimesList),
    Combo(IDC_DT_ANSWER_BACK, df::kAnswerBack, df::kAnswerBackList),
    Combo(IDC_DT_AUTO_RESET, df::kAutoReset, df::kAutoResetList),
    Combo(IDC_DT_ANI_TRANSMISSION, gf::kAniTransmission, df::kAniTransmissionList),
    Dial(IDC_DT_ANI_CODE, df::kAniCode),
    Dial(IDC_DT_ANI_CODE_PTT_OFF, df::kAniCodePttOff),
    Combo(IDC_DT_ANI_SPEED, gf::kAniSpeed, df::kAniSpeedList),
    Combo(IDC_DT_FIRST_DIGIT_DELAY, gf::kFirstDigitDelay, df::kFirstDigitDelayList),
};

constexpr auto kBindings = [] {
  constexpr auto rows = RowBindings(std::make_index_sequence<kDtmfRows>());
  std::array<Binding, std::size(kSingles) + rows.size()> all{};
  std::size_t n = 0;
  for (const Binding& b : kSingles) all[n++] = b;
  for (const Binding& b : rows) all[n++] = b;
  return all;
}();

bool KeypadFree() { return !IsDtmfKeypadLocked(TheModel()); }
bool Never() { return false; }
template <int Code>
bool Decoding() {
  return df::kDecoding.Get(TheModel(), Code) != 0;
}

template <std::size_t... Code>
constexpr auto PagingRules(std::index_sequence<Code...>) {
  return std::array{EnableRule{IDC_DT_PAGING_CODE[Code], &Decoding<Code>}...};
}

constexpr auto kRules = [] {
  constexpr auto paging = PagingRules(std::make_index_sequence<kDtmfRows>());
  std::array<EnableRule, 2 + paging.size()> all{};
  all[0] = {IDC_DT_KEYPAD, KeypadFree};
  all[1] = {IDC_DT_ANI_CODE_PTT_OFF, Never};
  for (std::size_t i = 0; i < paging.size(); ++i) all[2 + i] = paging[i];
  return all;
}();

}  // namespace

std::span<const Binding> DtmfBindings() { return kBindings; }

CDtmfAniPage::CDtmfAniPage(CWnd* pParent) : CFieldPage(IDD_DTMF, kBindings, kRules, pParent) {
  RegisterDtmfPageTemplate();
}

void CDtmfAniPage::OnCommitted(const Binding& b) {
  if (b.field.get != df::kDecoding.get) return;
  if (const Binding* code = FindBinding(Bindings(), IDC_DT_PAGING_CODE[b.index])) BindingSet().RefreshBinding(*code);
  BindingSet().ApplyEnableRules();
}
