#include "pages/settings/mobile_special_page.h"

#include <optional>
#include <string>

#include "model/global_fields.h"
#include "model/mobile_special.h"

namespace {

constexpr NumberFormat kAfMinVrLevel{
    [](std::uint32_t code) { return std::to_string(code); },
    [](const std::string& text) -> std::optional<std::uint32_t> {
      const std::optional<std::uint8_t> level = ParseAfMinVrLevel(text);
      if (!level) return std::nullopt;
      return *level;
    }};

template <PortSide Side>
constexpr OfferedField kPort{
    [](CEditModel& m, int port) { return PortChoices(m.global, Side, port); },
    [](CEditModel& m, int port, int position) { return ChoosePortFunction(m.global, Side, port, position); }};

constexpr OfferedField kSwitchZone{[](CEditModel& m, int) { return SwitchZoneChoices(m); },
                                   [](CEditModel& m, int, int position) { return ChooseSwitchZone(m, position); },
                                   [](CEditModel& m, int) { return SwitchZoneText(m); }};

constexpr OfferedField kSwitchGroup{
    [](CEditModel& m, int slot) { return SwitchGroupChoices(m, slot); },
    [](CEditModel& m, int slot, int position) { return ChooseSwitchGroup(m, slot, position); },
    [](CEditModel& m, int slot) { return SwitchGroupText(m, slot); }};

constexpr auto& kInput = kPort<PortSide::kInput>;
constexpr auto& kOutput = kPort<PortSide::kOutput>;

const Binding kBindings[] = {
    Combo(IDC_MS_EXT_MIC_SENSE, gf::kExtMicSense, ms::kExtMicSenseList),
    Combo(IDC_MS_HORN_ALERT_TIME, gf::kHornAlertTime, ms::kHornAlertTimeList),
    Combo(IDC_MS_IGNITION_SENSE, gf::kIgnitionSense, ms::kIgnitionSenseList),
    Combo(IDC_MS_EXTERNAL_PTT, gf::kExternalPtt, ms::kExternalPttList),
    Number(IDC_MS_AF_MIN_VR, gf::kAfMinVrLevel, kAfMinVrLevel, 2),
    // ACC Port1..Port4 have both sides, Port5 an output only, Port6 an input only.
    Offered(kMsPortInputs[0], kInput, 0),
    Offered(kMsPortOutputs[0], kOutput, 0),
    Offered(kMsPortInputs[1], kInput, 1),
    Offered(kMsPortOutputs[1], kOutput, 1),
    Offered(kMsPortInputs[2], kInput, 2),
    Offered(kMsPortOutputs[2], kOutput, 2),
    Offered(kMsPortInputs[3], kInput, 3),
    Offered(kMsPortOutputs[3], kOutput, 3),
    Offered(kMsPortOutputs[4], kOutput, 4),
    Offered(kMsPortInputs[5], kInput, 5),
    Offered(IDC_MS_SWITCH_ZONE, kSwitchZone),
    Offered(kMsSwitchGroups[0], kSwitchGroup, 0),
    Offered(kMsSwitchGroups[1], kSwitchGroup, 1),
    Offered(kMsSwitchGroups[2], kSwitchGroup, 2),
    Offered(kMsSwitchGroups[3], kSwitchGroup, 3),
    Offered(kMsSwitchGroups[4], kSwitchGroup, 4),
    Offered(kMsSwitchGroups[5], kSwitchGroup, 5),
    Offered(kMsSwitchGroups[6], kSwitchGroup, 6),
    Offered(kMsSwitchGroups[7], kSwitchGroup, 7),
    Offered(kMsSwitchGroups[8], kSwitchGroup, 8),
    Offered(kMsSwitchGroups[9], kSwitchGroup, 9),
    Offered(kMsSwitchGroups[10], kSwitchGroup, 10),
    Offered(kMsSwitchGroups[11], kSwitchGroup, 11),
    Offered(kMsSwitchGroups[12], kSwitchGroup, 12),
    Offered(kMsSwitchGroups[13], kSwitchGroup, 13),
    Offered(kMsSwitchGroups[14], kSwitchGroup, 14),
    Offered(kMsSwitchGroups[15], kSwitchGroup, 15),
};

}  // namespace

std::span<const Binding> MobileSpecialBindings() { return kBindings; }

CMobileSpecialPage::CMobileSpecialPage(CWnd* pParent) : CFieldPage(IDD_MOBILE_SPECIAL, kBindings, {}, pParent) {
  RegisterMobileSpecialPageTemplate();
}
