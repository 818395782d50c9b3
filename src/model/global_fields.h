// The fields of CGlobalSettings, named once. The record holds every option
// byte whole, under its image position (byte185 is image byte 185); a field is
// some bits of such a byte, or a whole byte that carries a name of its own.
// Pages, sheets, the packs and the tests all use these names.
#pragma once

#include <cstdint>
#include <string>

#include "model/dial_string.h"
#include "model/edit_model.h"
#include "model/field.h"

namespace gf {

// Bits of a byte of the global settings record.
template <auto Byte>
constexpr BitField G(std::uint8_t mask = 0xFF) {
  return Bits<&CEditModel::global, Byte>(mask);
}
using R = CGlobalSettings;

// ---- Global 1: display, sounds, power saving, microphone hook, scan --------------------
inline constexpr BitField kSystemScan = G<&R::byte30>(0x20);
inline constexpr BitField kLcdAngle = G<&R::byte42>(0x01);
inline constexpr BitField kContrast = G<&R::byte43>(0xF0);
inline constexpr BitField kSqlOffset = G<&R::byte43>(0x0F);
inline constexpr BitField kRotarySwitch = G<&R::byte182>(0x80);
inline constexpr BitField kHomeGroupScan = G<&R::byte182>(0x20);
inline constexpr BitField kTalkBack = G<&R::byte182>(0x10);
inline constexpr BitField kConfigure = G<&R::byte182>(0x0E);
inline constexpr BitField kScanResumeRx = G<&R::byte183>(0x0F);
inline constexpr BitField kScanResumeTx = G<&R::byte183>(0xF0);
inline constexpr BitField kDualWatchA = G<&R::byte184>();
inline constexpr BitField kOffHookScan = G<&R::byte185>(0x80);
inline constexpr BitField kOffHookMonitor = G<&R::byte185>(0x40);
inline constexpr BitField kOffHookHorn = G<&R::byte185>(0x20);
inline constexpr BitField kPowerOnTone = G<&R::byte185>(0x10);
inline constexpr BitField kControlsTones = G<&R::byte185>(0x08);
inline constexpr BitField kFunctionalTones = G<&R::byte185>(0x04);
inline constexpr BitField kApoTime = G<&R::byte186>(0xC0);
inline constexpr BitField kRxSave = G<&R::byte186>(0x07);
inline constexpr BitField kDualWatchB = G<&R::byte187>();
inline constexpr BitField kHighBattery = G<&R::byte204>(0x01);
inline constexpr BitField kLowBatteryAlert = G<&R::byte204>(0x02);
inline constexpr BitField kLockRestriction = G<&R::byte208>(0x07);
inline constexpr BitField kRevertGroup = G<&R::byte208>(0x18);
inline constexpr BitField kScanBeep = G<&R::byte209>(0x04);
inline constexpr BitField kScanEdit = G<&R::byte209>(0x08);
inline constexpr BitField kMicSens = G<&R::byte222>();
inline constexpr BitField kBeepLevel = G<&R::byte223>();
inline constexpr BitField kDimmer = G<&R::byte244>(0x03);
inline constexpr BitField kZoneScan = G<&R::byte246>(0x20);
inline constexpr BitField kScanDisplay = G<&R::byte704>(0x80);
// The user LED's on and off times, in 10 ms units.
inline constexpr BitField kLedOnTime = G<&R::byte755>();
inline constexpr BitField kLedOffTime = G<&R::byte756>();
// Image 182 bit 6, held apart as 0 (continuous) or 1 (on key press and call).
inline constexpr Field kBackLight{[](CEditModel& m, int) -> std::uint32_t { return m.global.backLightFlag; },
                                  [](CEditModel& m, int, std::uint32_t v) { m.global.backLightFlag = v & 0xFF; }};
// Image 247: 4 the module, 3 the board, 0 none (CGlobalSettings::optionBoardCode).
inline constexpr Field kOptionBoard{
    [](CEditModel& m, int) -> std::uint32_t { return m.global.optionBoardCode(); },
    [](CEditModel& m, int, std::uint32_t v) { m.global.SetOptionBoardCode(static_cast<std::uint8_t>(v)); }};

// The MODEL the radio is named by: 1 when the hardware code is one of the MODEL
// codes (0x61, 0xB9) and the production type is 11, else 0 (no name).
inline constexpr Field kNamedModel{
    [](CEditModel& m, int) -> std::uint32_t {
      const std::uint32_t hw = m.global.hardwareByte;
      return (hw == 0x61 || hw == 0xB9) && m.store.ProductionType() == 11 ? 1 : 0;
    },
    nullptr};

// ---- Global 2: emergency, transmission guard, TPAC, advanced -----------------------------
inline constexpr BitField kTotPenalty = G<&R::byte200>(0x0C);
inline constexpr BitField kTotRelease = G<&R::byte200>(0x03);
inline constexpr BitField kTpacBeep = G<&R::byte202>(0x08);
inline constexpr BitField kTpacTxTime = G<&R::byte202>(0x04);
inline constexpr BitField kPttInterlock = G<&R::byte204>(0x04);
inline constexpr BitField kSqlTail = G<&R::byte205>(0x40);
inline constexpr BitField kMicrophone = G<&R::byte205>(0x20);
inline constexpr BitField kKeyHold = G<&R::byte205>(0x0C);
inline constexpr BitField kClone = G<&R::byte205>(0x01);
inline constexpr BitField kEmergencyTxTime = G<&R::byte206>(0x0F);
inline constexpr BitField kEmergencyRxTime = G<&R::byte206>(0xF0);
inline constexpr BitField kEmergencyAfMute = G<&R::byte207>(0x40);
inline constexpr BitField kEmergencyLcd = G<&R::byte207>(0x20);
inline constexpr BitField kEmergencyLed = G<&R::byte207>(0x10);
inline constexpr BitField kEmergencyTime = G<&R::byte207>(0x0F);
inline constexpr BitField kPowerOnStatus = G<&R::byte208>(0xE0);
inline constexpr BitField kEmergencyKeyHold = G<&R::byte209>(0xC0);
inline constexpr BitField kEmergencyLockOut = G<&R::byte209>(0x20);
inline constexpr BitField kSignalDecode = G<&R::byte213>(0x01);
inline constexpr BitField kDataMode = G<&R::byte233>(0x60);
inline constexpr BitField kKeyInhibit = G<&R::byte705>(0x20);
inline constexpr BitField kEmergencyDisplay = G<&R::byte705>(0x10);
inline constexpr BitField kReceiverFlash = G<&R::byte705>(0x08);
inline constexpr BitField kTpacMode = G<&R::byte705>(0x03);
inline constexpr BitField kSilentMode = G<&R::byte757>(0x80);
inline constexpr BitField kEmergencyLedBlink = G<&R::byte757>(0x70);
inline constexpr BitField kEmergencyLedColor = G<&R::byte757>(0x06);

// Zones (0..31, 255 none) and the global group indices chosen with them.
inline constexpr BitField kEmergencyZone = G<&R::emergencySystem>();
inline constexpr BitField kEmergencyGroup = G<&R::emergencyGroup>();
inline constexpr BitField kHomeZone = G<&R::homeSystem>();
inline constexpr BitField kHomeGroup = G<&R::homeGroup>();
inline constexpr BitField kDataZone = G<&R::dataZone>();
inline constexpr BitField kDataGroup = G<&R::dataGroup>();
template <int I>
std::uint8_t& ShortCutZoneByte(CEditModel& m, int) {
  return m.global.shortCutZone[I];
}
template <int I>
std::uint8_t& ShortCutGroupByte(CEditModel& m, int) {
  return m.global.shortCutGroup[I];
}
inline constexpr BitField kShortCutZone[4] = {{&ShortCutZoneByte<0>}, {&ShortCutZoneByte<1>},
                                              {&ShortCutZoneByte<2>}, {&ShortCutZoneByte<3>}};
inline constexpr BitField kShortCutGroup[4] = {{&ShortCutGroupByte<0>}, {&ShortCutGroupByte<1>},
                                               {&ShortCutGroupByte<2>}, {&ShortCutGroupByte<3>}};

// ---- Bits the other pages and the records use ------------------------------------------
// Trunking type (image 249 bit 6): 1 = LTR captions, 0 = PassPort.
inline constexpr BitField kLtrCaptions = G<&R::systemType>(0x40);
// ---- Mobile Special ----------------------------------------------------------------------
inline constexpr BitField kExtMicSense = G<&R::extMicSense>();
inline constexpr BitField kHornAlertTime = G<&R::byte704>(0x70);  // bit 7 is Global 1's
inline constexpr BitField kExternalPtt = G<&R::byte704>(0x08);
inline constexpr BitField kIgnitionSense = G<&R::byte748>(0x02);
inline constexpr BitField kAfMinVrLevel = G<&R::afMinVrLevel>();  // 0..31
// Index 0..4: ACC Port1..Port5 outputs; ACC Port1..Port4 and Port6 inputs.
inline constexpr BitField kAccOutput = ArrayBits<&CEditModel::global, &R::accOutputFunction>();
inline constexpr BitField kAccInput = ArrayBits<&CEditModel::global, &R::accInputFunction>();
// Zone index 0..31, 255 none; index 0..15: the global group index of switch position #n, 255 none.
inline constexpr BitField kGroupSwitchZone = G<&R::groupSwitchZone>();
inline constexpr BitField kGroupSwitchGroup = ArrayBits<&CEditModel::global, &R::groupSwitchGroup>();
// ---- DTMF ANI ----------------------------------------------------------------------------
// ANI transmission (1 = PTT released), DTMF monitor, ANI speed, first digit
// delay (3 or 4), and image 251 bit 3: read only, with it set a production
// type 11 radio keeps its DTMF KeyPad choice.
inline constexpr BitField kAniTransmission = G<&R::byte202>(0x01);
inline constexpr BitField kDtmfMonitor = G<&R::byte209>(0x01);
inline constexpr BitField kAniSpeed = G<&R::byte212>(0xC0);
inline constexpr BitField kFirstDigitDelay = G<&R::byte213>(0x70);
inline constexpr BitField kDtmfKeypadLocked = G<&R::byte251>(0x08);

// The password, typed as text (CGlobalSettings::PasswordText).
inline constexpr TextField kPassword{
    [](CEditModel& m, int) { return m.global.PasswordText(); },
    [](CEditModel& m, int, const std::string& text) { m.global.SetPasswordText(text); }};

// The emergency code, a dial string as text.
inline constexpr TextField kEmergencyCode{
    [](CEditModel& m, int) { return DialText(m.global.emergencyCode.data()); },
    [](CEditModel& m, int, const std::string& text) { SetDialText(m.global.emergencyCode.data(), text); }};

}  // namespace gf
