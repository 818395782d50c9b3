#include "model/group_fields.h"

#include <array>

#include "model/channel_model.h"
#include "model/conversions.h"
#include "model/group_model.h"
#include "model/tag_text.h"

namespace {

template <std::size_t N>
struct CodeChoices {
  std::array<Choice, N> choices{};
  explicit CodeChoices(const CTextTable& texts) {
    for (std::size_t i = 0; i < N; ++i) choices[i] = {texts[static_cast<long long>(i)], std::uint32_t(i)};
  }
};

}  // namespace

namespace grp {

std::string TagText(CEditModel& model, int g) {
  const CGroupRecord* r = model.store.Group(g);
  return r ? ::TagText(r->name) : std::string();
}

void SetTagText(CEditModel& model, int g, const std::string& text) {
  if (CGroupRecord* r = model.store.Group(g)) ::SetTagText(r->name, text);
}

const ChoiceList& CtcssCodeList() {
  static const CodeChoices<kCtcssCount> codes(g_ctcssTexts);
  static const ChoiceList list{codes.choices, 0};
  return list;
}

const ChoiceList& DcsCodeList() {
  static const CodeChoices<kDcsCount> codes(g_dcsTexts);
  static const ChoiceList list{codes.choices, 0};
  return list;
}

const ChoiceList& SecondTxPowerList(const CEditModel& model) {
  return IsType11(model) ? kSecondTxPowerList11 : kSecondTxPowerListOther;
}

std::string_view ScanMemoryText(std::uint32_t code) {
  static constexpr std::string_view kTexts[] = {"Enable", "Disable", "User", "Dealer"};
  return code < 4 ? kTexts[code] : kTexts[1];
}

std::string ToneCodeText(std::uint32_t type, std::uint32_t code) {
  const ChoiceList* list = ToneCodeList(type);
  return list ? std::string(list->PageText(code)) : "  Off";
}

std::string ToneCodeText(CEditModel& model, int g, bool rx) {
  return rx ? ToneCodeText(kRxToneType.Get(model, g), kDecodeCode.Get(model, g))
            : ToneCodeText(kTxToneType.Get(model, g), kEncodeCode.Get(model, g));
}

std::uint32_t NamedChannelSpacing(CEditModel& model, int g) {
  const int ch = GroupChannel(model.store, g);
  return ch < 0 ? 0 : cf::SpacingCode(model.store.channels[ch]);
}

std::string NamedChannelRxText(CEditModel& model, int g) {
  const int ch = GroupChannel(model.store, g);
  return ch < 0 ? std::string() : FrequencyCellText(model.store.channels[ch].rxFreq);
}

std::string NamedChannelTxText(CEditModel& model, int g) {
  const int ch = GroupChannel(model.store, g);
  return ch < 0 ? std::string() : FrequencyCellText(model.store.channels[ch].txFreq);
}

namespace {
std::string CodePrintText(std::uint32_t type, std::uint32_t code) {
  const ChoiceList* list = ToneCodeList(type);
  return list && list->Find(code) >= 0 ? std::string(list->PageText(code)) : std::string();
}
}  // namespace

std::string RxCodePrintText(CEditModel& model, int g) {
  return CodePrintText(kRxToneType.Get(model, g), kDecodeCode.Get(model, g));
}

std::string TxCodePrintText(CEditModel& model, int g) {
  return CodePrintText(kTxToneType.Get(model, g), kEncodeCode.Get(model, g));
}

std::string PagingPrintText(CEditModel& model, int g) {
  switch (SignalingFunction(model, g)) {
    case 0:
      return {};
    case 1:
      return std::string(kPagingDigitList.PrintText(kSignalingNo.Get(model, g)));
    case 2:
      return SignalingFunctionList(model, g).Find(2) >= 0 ? "O" : "S";
    default:
      return "S";
  }
}

const ChoiceList* ToneCodeList(std::uint32_t type) {
  if (type == 0) return nullptr;
  return type == 1 ? &CtcssCodeList() : &DcsCodeList();
}

}  // namespace grp
