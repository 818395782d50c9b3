// The bits of CGlobalSettings that the DTMF ANI and Mobile Special pages edit,
// named once over the record's whole bytes, and the text of a choice field that
// a page and its sheet share.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/edit_model.h"
#include "model/field.h"

namespace sf {

template <auto Byte>
constexpr BitField G(std::uint8_t mask = 0xFF) {
  return Bits<&CEditModel::global, Byte>(mask);
}
template <auto Array>
constexpr BitField GA(std::uint8_t mask = 0xFF) {
  return ArrayBits<&CEditModel::global, Array>(mask);
}
using R = CGlobalSettings;

// ---- DTMF ANI ----------------------------------------------------------------------------
inline constexpr BitField kAniTransmission = G<&R::byte202>(0x01);  // 0 PTT pressed, 1 PTT released
inline constexpr BitField kDtmfMonitor = G<&R::byte209>(0x01);
inline constexpr BitField kAniSpeed = G<&R::byte212>(0xC0);
inline constexpr BitField kFirstDigitDelay = G<&R::byte213>(0x70);  // 3 or 4
// Read only: with it set a production-type-11 radio keeps its DTMF KeyPad choice.
inline constexpr BitField kDtmfKeypadLock = G<&R::byte251>(0x08);

// ---- Mobile Special ----------------------------------------------------------------------
inline constexpr BitField kExtMicSense = G<&R::extMicSense>();
inline constexpr BitField kHornAlertTime = G<&R::byte704>(0x70);  // bit 7 is Global 1's
inline constexpr BitField kExternalPtt = G<&R::byte704>(0x08);
inline constexpr BitField kIgnitionSense = G<&R::byte748>(0x02);
inline constexpr BitField kAfMinVrLevel = G<&R::afMinVrLevel>();  // 0..31
// Index 0..4: ACC Port1..Port5 outputs; ACC Port1..Port4 and Port6 inputs.
inline constexpr BitField kAccOutput = GA<&R::accOutputFunction>();
inline constexpr BitField kAccInput = GA<&R::accInputFunction>();
// Zone index 0..31, 255 none; index 0..15: the global group index of switch position #n, 255 none.
inline constexpr BitField kGroupSwitchZone = G<&R::groupSwitchZone>();
inline constexpr BitField kGroupSwitchGroup = GA<&R::groupSwitchGroup>();

}  // namespace sf

// The text of a choice field, on the page and on its sheet alike: the entry
// whose code the field holds, else the list's default entry.
inline std::string_view ChoiceText(CEditModel& model, const Field& field, const ChoiceList& list, int index = 0) {
  return list.PageText(field.Get(model, index));
}
