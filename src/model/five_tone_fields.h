// The fields of the 5-Tone records, named once for the 5-Tone page, its two
// dialogs, its sheets and their tests: the common/system settings with the
// choice lists they are shown and printed with, the columns of the encode and
// decode entries, the delays and the fixed tone sets.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "model/edit_model.h"
#include "model/enable_lists.h"
#include "model/field.h"

namespace five_tone {

namespace detail {
using System = CFiveToneSystemData;
template <std::uint8_t (System::*Get)() const, void (System::*Set)(std::uint8_t)>
std::uint32_t GetSystem(CEditModel& m, int) {
  return (m.fiveToneSystem.*Get)();
}
template <std::uint8_t (System::*Get)() const, void (System::*Set)(std::uint8_t)>
void SetSystem(CEditModel& m, int, std::uint32_t v) {
  (m.fiveToneSystem.*Set)(static_cast<std::uint8_t>(v));
}
// Digit flags as the check boxes show them: 1 while the digit is used (its bit clear).
template <std::uint8_t (System::*Get)(int) const, void (System::*Set)(int, std::uint8_t), int Digit>
std::uint32_t GetUsed(CEditModel& m, int) {
  return (m.fiveToneSystem.*Get)(Digit) == 0 ? 1 : 0;
}
template <std::uint8_t (System::*Get)(int) const, void (System::*Set)(int, std::uint8_t), int Digit>
void SetUsed(CEditModel& m, int, std::uint32_t used) {
  (m.fiveToneSystem.*Set)(Digit, used ? 0 : 1);
}
template <std::uint8_t (System::*Get)() const, void (System::*Set)(std::uint8_t)>
constexpr Field SystemField() {
  return Field(&GetSystem<Get, Set>, &SetSystem<Get, Set>);
}
template <std::uint8_t (System::*Get)(int) const, void (System::*Set)(int, std::uint8_t)>
constexpr std::array<Field, 5> UsedDigits() {
  return {Field(&GetUsed<Get, Set, 0>, &SetUsed<Get, Set, 0>), Field(&GetUsed<Get, Set, 1>, &SetUsed<Get, Set, 1>),
          Field(&GetUsed<Get, Set, 2>, &SetUsed<Get, Set, 2>), Field(&GetUsed<Get, Set, 3>, &SetUsed<Get, Set, 3>),
          Field(&GetUsed<Get, Set, 4>, &SetUsed<Get, Set, 4>)};
}
// A field of encode or decode entry i, read only: the lists change their
// entries through CycleField and SetCellText.
template <auto Member>
std::uint32_t GetEncode(CEditModel& m, int i) {
  return m.fiveToneEncode.GetRec(i).*Member;
}
template <auto Member>
std::uint32_t GetDecode(CEditModel& m, int i) {
  return m.fiveToneDecode.GetRec(i).*Member;
}
// A flag of encode entry i as its check mark shows it: 1 while the bit is clear.
template <auto Member>
std::uint32_t GetEncodeMarked(CEditModel& m, int i) {
  return m.fiveToneEncode.GetRec(i).*Member == 0 ? 1 : 0;
}
template <int Digit>
std::uint32_t GetEncodeDigitUsed(CEditModel& m, int i) {
  return m.fiveToneEncode.GetRec(i).digitFlags[Digit] == 0 ? 1 : 0;
}
}  // namespace detail

// ---- common/system settings (the index is not used) -------------------------------
using S = CFiveToneSystemData;
inline constexpr Field kTagDisplay = detail::SystemField<&S::GetTagDisplay, &S::SetTagDisplay>();
// Digits 1..5 of "Display digit", "Compare digit" and "Decode Code": 1 while used.
inline constexpr std::array<Field, 5> kDisplayDigitUsed = detail::UsedDigits<&S::GetDisplayDigit, &S::SetDisplayDigit>();
inline constexpr Field kAniDisplay = detail::SystemField<&S::GetAniDisplay, &S::SetAniDisplay>();
inline constexpr std::array<Field, 5> kCompareDigitUsed = detail::UsedDigits<&S::GetCompareDigit, &S::SetCompareDigit>();
inline constexpr Field kGroupTone = detail::SystemField<&S::GetGroupTone, &S::SetGroupTone>();
inline constexpr Field kRepeatTone = detail::SystemField<&S::GetRepeatTone, &S::SetRepeatTone>();
inline constexpr Field kAutoResetBeep = detail::SystemField<&S::GetAutoResetBeep, &S::SetAutoResetBeep>();
inline constexpr Field kPttCall = detail::SystemField<&S::GetPttCall, &S::SetPttCall>();
inline constexpr Field kCall1EncodeCode = detail::SystemField<&S::GetCall1EncodeCode, &S::SetCall1EncodeCode>();
inline constexpr Field kCall2EncodeCode = detail::SystemField<&S::GetCall2EncodeCode, &S::SetCall2EncodeCode>();
inline constexpr Field kExtendedFirstTone = detail::SystemField<&S::GetExtendedFirstTone, &S::SetExtendedFirstTone>();
inline constexpr Field kLeadInDelay = detail::SystemField<&S::GetLeadInDelay, &S::SetLeadInDelay>();
inline constexpr Field kLeadOutDelay = detail::SystemField<&S::GetLeadOutDelay, &S::SetLeadOutDelay>();
inline constexpr Field kBeepRepeat = detail::SystemField<&S::GetBeepRepeat, &S::SetBeepRepeat>();
inline constexpr Field kAutoReset = detail::SystemField<&S::GetAutoReset, &S::SetAutoReset>();
inline constexpr Field kPttSwAfOpen = detail::SystemField<&S::GetPttSwAfOpen, &S::SetPttSwAfOpen>();
inline constexpr Field kMonitorSw = detail::SystemField<&S::GetMonitorSw, &S::SetMonitorSw>();
inline constexpr Field kChannelSw = detail::SystemField<&S::GetChannelSw, &S::SetChannelSw>();
inline constexpr Field kAniTransmission = detail::SystemField<&S::GetAniTransmission, &S::SetAniTransmission>();
inline constexpr Field kToneTableNo = detail::SystemField<&S::GetToneTableNo, &S::SetToneTableNo>();
inline constexpr Field kCallEncodeToneNo = detail::SystemField<&S::GetCallEncodeToneNo, &S::SetCallEncodeToneNo>();
inline constexpr std::array<Field, 5> kDecodeDigitUsed = detail::UsedDigits<&S::GetDecodeCode, &S::SetDecodeCode>();

// ---- their choice lists: what the dialog shows is what the sheet prints --------
inline constexpr Choice kTones[] = {{"Tone 0", 0},  {"Tone 1", 1},  {"Tone 2", 2},  {"Tone 3", 3},
                                    {"Tone 4", 4},  {"Tone 5", 5},  {"Tone 6", 6},  {"Tone 7", 7},
                                    {"Tone 8", 8},  {"Tone 9", 9},  {"Tone A", 10}, {"Tone B", 11},
                                    {"Tone C", 12}, {"Tone D", 13}, {"Tone E", 14}, {"Tone F", 15}};
inline constexpr Choice kEncodeNumbers[] = {{"ENC NO.1", 0}, {"ENC NO.2", 1}, {"ENC NO.3", 2}, {"ENC NO.4", 3},
                                            {"ENC NO.5", 4}, {"ENC NO.6", 5}, {"ENC NO.7", 6}, {"ENC NO.8", 7}};
inline constexpr Choice kBeepRepeats[] = {{"No Limited", 0}, {"5 Times", 1},  {"10 Times", 2}, {"15 Times", 3},
                                          {"20 Times", 4},   {"25 Times", 5}, {"30 Times", 6}, {"35 Times", 7},
                                          {"40 Times", 8},   {"45 Times", 9}, {"50 Times", 10}, {"55 Times", 11},
                                          {"60 Times", 12},  {"65 Times", 13}, {"70 Times", 14}, {"75 Times", 15}};
inline constexpr Choice kMonitorSwitch[] = {{"Disable", 0}, {"Close", 1}, {"Open", 2}, {"Both", 3}};
inline constexpr Choice kChannelSwitch[] = {{"Null", 0}, {"Open", 1}, {"Close", 2}};
inline constexpr Choice kAniTransmissions[] = {{"Both", 0}, {"PTT pressed", 1}, {"PTT released", 2}, {"Disable", 3}};
inline constexpr Choice kToneTables[] = {{"ZVEI", 0}, {"CCIR", 1}, {"EEA", 2}, {"EIA", 3}, {"NATEL/User", 4}};
inline constexpr Choice kToneNumbers[] = {{"1", 0}, {"2", 1}, {"3", 2}, {"4", 3},
                                          {"5", 4}, {"6", 5}, {"7", 6}, {"8", 7}};

inline constexpr ChoiceList kEnableDisableList = kEnable0Disable1OffList;
inline constexpr ChoiceList kGroupToneList{kTones, 10};
inline constexpr ChoiceList kRepeatToneList{kTones, 14};
inline constexpr ChoiceList kEncodeNumberList{kEncodeNumbers, 0};
inline constexpr ChoiceList kBeepRepeatList{kBeepRepeats, 0};
inline constexpr ChoiceList kMonitorSwList{kMonitorSwitch, 0};
inline constexpr ChoiceList kChannelSwList{kChannelSwitch, 0};
inline constexpr ChoiceList kAniTransmissionList{kAniTransmissions, 0};
inline constexpr ChoiceList kToneTableList{kToneTables, 0};
inline constexpr ChoiceList kToneNumberList{kToneNumbers, 0};
// A used digit is marked "V" on paper.
inline constexpr Choice kDigitMarks[] = {{" ", 0}, {"V", 1}};
inline constexpr ChoiceList kDigitMarkList{kDigitMarks, 0};

// ---- the delays: a whole byte in units of 10 ms -------------------------------
// "%4d ms" of the stored byte times 10.
inline std::string DelayText(std::uint32_t stored) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%4d ms", static_cast<int>(stored * 10));
  return buf;
}
// The byte of a typed delay: the decimal number (digits, then an optional
// fraction; it ends at the first other character; empty is 0) truncated to
// whole milliseconds, kept within 0..2500 and stored in tens (truncated).
inline std::uint8_t DelayCodeOfText(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  long ms = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ms = std::min(ms * 10 + (text[i] - '0'), 100000L);
  return static_cast<std::uint8_t>(std::min(ms, 2500L) / 10);
}

// ---- encode and decode entries (index: the entry, 0..7) -----------------------
using E = CFiveToneEncodeRec;
using D = CFiveToneDecodeRec;
inline constexpr TextField kEncodeCode{[](CEditModel& m, int i) { return m.fiveToneEncode.GetRec(i).FormatCode(); },
                                       [](CEditModel& m, int i, const std::string& t) {
                                         m.fiveToneEncode.SetCellText(i, 1, t);
                                       }};
inline constexpr TextField kEncodeAlias{[](CEditModel& m, int i) { return m.fiveToneEncode.GetRec(i).FormatAlias(); },
                                        [](CEditModel& m, int i, const std::string& t) {
                                          m.fiveToneEncode.SetCellText(i, 2, t);
                                        }};
inline constexpr Field kEncodeMuteMode{&detail::GetEncode<&E::muteMode>, nullptr};
// "Select" and input digits 1..5: 1 while selected or used (their bits clear).
inline constexpr Field kEncodeSelected{&detail::GetEncodeMarked<&E::select>, nullptr};
inline constexpr Field kEncodeFirstToneExt{&detail::GetEncode<&E::firstToneExt>, nullptr};
inline constexpr Field kEncodeInputDigitUsed[5] = {{&detail::GetEncodeDigitUsed<0>, nullptr},
                                                   {&detail::GetEncodeDigitUsed<1>, nullptr},
                                                   {&detail::GetEncodeDigitUsed<2>, nullptr},
                                                   {&detail::GetEncodeDigitUsed<3>, nullptr},
                                                   {&detail::GetEncodeDigitUsed<4>, nullptr}};
inline constexpr TextField kDecodeCode{[](CEditModel& m, int i) { return m.fiveToneDecode.GetRec(i).FormatCode(); },
                                       [](CEditModel& m, int i, const std::string& t) {
                                         m.fiveToneDecode.SetCellText(i, 1, t);
                                       }};
inline constexpr TextField kDecodeAlias{[](CEditModel& m, int i) { return m.fiveToneDecode.GetRec(i).FormatAlias(); },
                                        [](CEditModel& m, int i, const std::string& t) {
                                          m.fiveToneDecode.SetCellText(i, 2, t);
                                        }};
inline constexpr Field kDecodeBeepTone{&detail::GetDecode<&D::beepTone>, nullptr};
inline constexpr Field kDecodeBeepMode{&detail::GetDecode<&D::beepMode>, nullptr};
inline constexpr Field kDecodeLedBlink{&detail::GetDecode<&D::ledBlink>, nullptr};
inline constexpr Field kDecodePtt{&detail::GetDecode<&D::ptt>, nullptr};

// Their cell texts, on the dialog's grids and on the sheet alike. A mute mode
// of 3 stands with 2 (the cycle takes both to 0); a beep mode other than 0 is
// "Single".
inline constexpr Choice kMuteModes[] = {{"Null ", 0}, {"Open ", 1}, {" Close", 2}};
inline constexpr Choice kBeepTones[] = {{"A", 0}, {"B", 1}, {"C", 2}, {"D", 3},
                                        {"E", 4}, {"F", 5}, {"G", 6}, {"Disable", 7}};
inline constexpr Choice kBeepModes[] = {{"Repeat", 0}, {"Single", 3}};
inline constexpr ChoiceList kMuteModeList{kMuteModes, 2};
inline constexpr ChoiceList kBeepToneList{kBeepTones, 7};
inline constexpr ChoiceList kBeepModeList{kBeepModes, 1};
inline constexpr ChoiceList kFirstToneExtList = kEnable0Disable1OffList;
inline constexpr ChoiceList kLedBlinkList = kDisable0Enable1List;
inline constexpr ChoiceList kPttList = kEnable0Disable1OffList;
// A flag's cell: the check mark while selected or used, else "-".
inline constexpr Choice kFlagMarks[] = {{"-", 0}, {"", 1}};
inline constexpr ChoiceList kFlagMarkList{kFlagMarks, 0};

// The names of decode entries 5..7.
inline constexpr const char* kSpecialDecodeNames[3] = {"STUN", "KILL", "REVIVE"};

// ---- tone sets -----------------------------------------------------------------
// The four tone sets with fixed tones (Hz, digits 0..F); the fifth, "NATEL/USER",
// is the record's user table.
struct FixedToneSet {
  const char* name;
  std::array<int, kToneCount> tones;
};
inline constexpr FixedToneSet kFixedToneSets[4] = {
    {"ZVEI", {2400, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 2200, 2800, 810, 970, 885, 2600, 680}},
    {"CCIR1", {1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640, 1747, 1860, 2400, 930, 2247, 991, 2110, 1055}},
    {"EEA", {1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640, 1747, 1860, 1055, 930, 2400, 991, 2110, 2247}},
    {"EIA", {600, 741, 882, 1023, 1164, 1305, 1446, 1587, 1728, 1869, 2151, 2433, 2010, 2292, 459, 1091}},
};
inline constexpr const char* kUserToneSetName = "NATEL/USER";

}  // namespace five_tone
