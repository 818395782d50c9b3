// The DTMF ANI data as the DTMF ANI page and the DTMF sheet see it: the fields
// of CDtmfSettings, their lists, and the texts of the dial strings, tags, paging
// codes and the pause character code. The CGlobalSettings bits of the page are
// in model/global_fields.h.
//
// Records: the ten dial memories and tags are records 0..9 (record 9 is
// "Location #0"); the ten paging codes are codes 0..9.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/dial_string.h"
#include "model/edit_model.h"
#include "model/enable_lists.h"
#include "model/field.h"
#include "model/tag_text.h"

// ---- Codecs -------------------------------------------------------------------------------

// Paging code: bit 13 decoding, digits in bits 11..8, 7..4, 3..0, each 0..13
// ("0".."9", "A".."D"); 14 and 15 stand for no digit.
// With decoding off, three blanks. With it on, each digit's character and a
// blank for a digit of 14 or 15, without the blanks that end the text.
std::string PagingCodeText(std::uint16_t code);
// Stores the three digits of a text: position i takes the digit of character i
// ("0".."9", "A".."D", either case); a blank, any other character and a position
// past the end of the text store 15, which shows as a blank. Bits 15..12 stay.
// True when the word changed.
bool SetPagingCodeText(std::uint16_t& code, std::string_view text);

// Pause character code: one character, "*" for 14, "#" for 15, else the
// upper-case hexadecimal digit.
std::string PauseCharCodeText(std::uint8_t pauseByte);
// Stores the first character of a text: a dial character ("0".."9", "A".."D",
// "*", "#"); an empty text stores 0; any other character stores nothing.
// True when the byte changed.
bool SetPauseCharCodeText(std::uint8_t& pauseByte, std::string_view text);

// True when the DTMF KeyPad choice is locked: a production-type-11 radio with
// bit 3 of image byte 251 set.
bool IsDtmfKeypadLocked(const CEditModel& model);

namespace df {

using R = CDtmfSettings;
template <auto Byte>
constexpr BitField D(std::uint8_t mask) {
  return Bits<&CEditModel::dtmf, Byte>(mask);
}

// ---- Bits of the pause and paging bytes ------------------------------------------------------
inline constexpr BitField kPauseCharacter = D<&R::pauseByte>(0x80);  // 0 Enable, 1 Disable
inline constexpr BitField kPauseTime = D<&R::pauseByte>(0x70);
inline constexpr BitField kPauseCharCode = D<&R::pauseByte>(0x0F);  // digit code, see PauseCharCodeText
inline constexpr BitField kAnswerBack = D<&R::pagingByte>(0x80);    // packed as 0
inline constexpr BitField kAutoReset = D<&R::pagingByte>(0x40);     // packed as 1
inline constexpr BitField kKeypad = D<&R::pagingByte>(0x20);
inline constexpr BitField kSpeed = D<&R::pagingByte>(0x10);
inline constexpr BitField kCallingTimes = D<&R::pagingByte>(0x03);
// Bit 13 of paging code k (the index).
inline constexpr Field kDecoding{[](CEditModel& m, int k) -> std::uint32_t { return (m.dtmf.pagingCode[k] >> 13) & 1; },
                                 [](CEditModel& m, int k, std::uint32_t on) {
                                   std::uint16_t& w = m.dtmf.pagingCode[k];
                                   w = std::uint16_t((w & ~0x2000) | ((on & 1) << 13));
                                 }};

// ---- Texts -------------------------------------------------------------------------------
// Dial memory r (the index), the ANI code and the ANI code (PTT off).
inline constexpr TextField kDialMemory{
    [](CEditModel& m, int r) { return DialText(m.dtmf.dialMemory[r]); },
    [](CEditModel& m, int r, const std::string& text) { SetDialText(m.dtmf.dialMemory[r], text); }};
inline constexpr TextField kAniCode{
    [](CEditModel& m, int) { return DialText(m.dtmf.aniCode); },
    [](CEditModel& m, int, const std::string& text) { SetDialText(m.dtmf.aniCode, text); }};
inline constexpr TextField kAniCodePttOff{
    [](CEditModel& m, int) { return DialText(m.dtmf.aniCodePttOff); },
    [](CEditModel& m, int, const std::string& text) { SetDialText(m.dtmf.aniCodePttOff, text); }};
// Tag r (the index).
inline constexpr TextField kDialTag{
    [](CEditModel& m, int r) { return TagText(m.dtmf.dialTag[r]); },
    [](CEditModel& m, int r, const std::string& text) { SetTagText(m.dtmf.dialTag[r], text); }};
// Paging code k (the index).
inline constexpr TextField kPagingCode{
    [](CEditModel& m, int k) { return PagingCodeText(m.dtmf.pagingCode[k]); },
    [](CEditModel& m, int k, const std::string& text) { SetPagingCodeText(m.dtmf.pagingCode[k], text); }};
// The pause character code.
inline constexpr TextField kPauseCharCodeText{
    [](CEditModel& m, int) { return PauseCharCodeText(m.dtmf.pauseByte); },
    [](CEditModel& m, int, const std::string& text) { SetPauseCharCodeText(m.dtmf.pauseByte, text); }};

// ---- Lists -------------------------------------------------------------------------------
inline constexpr Choice kOffOn[] = {{"off", 0}, {"on", 1}};
inline constexpr Choice kPauseTimes[] = {{"0.5sec", 0}, {"1.0sec", 1}, {"2.0sec", 2}, {"3.0sec", 3},
                                         {"4.0sec", 4}, {"5.0sec", 5}, {"6.0sec", 6}, {"7.0sec", 7}};
inline constexpr Choice kSpeeds[] = {{" 50msec", 0}, {"100msec", 1}};
inline constexpr Choice kCallingTimesChoices[] = {{"off", 0}, {"  1", 1}, {"  3", 2}, {"  5", 3}};
inline constexpr Choice kAniTransmissions[] = {{"PTT pressed", 0}, {"PTT released", 1}};
inline constexpr Choice kAniSpeeds[] = {
    {"25msec(20digit)", 0}, {"33msec(15digit)", 1}, {"50msec(10digit)", 2}, {"66msec(7.5digit)", 3}};
inline constexpr Choice kFirstDigitDelays[] = {{"300msec", 3}, {"500msec", 4}};

inline constexpr ChoiceList kMonitorList = kDisable0Enable1OnList;
inline constexpr ChoiceList kPauseCharacterList = kEnable0Disable1OffList;
inline constexpr ChoiceList kPauseTimeList{kPauseTimes, 1};
inline constexpr ChoiceList kSpeedList{kSpeeds, 0};
inline constexpr ChoiceList kKeypadList = kDisable0Enable1List;
inline constexpr ChoiceList kCallingTimesList{kCallingTimesChoices, 2};
inline constexpr ChoiceList kAnswerBackList{kOffOn, 0};
inline constexpr ChoiceList kAutoResetList{kOffOn, 0};
inline constexpr ChoiceList kDecodingList{kOffOn, 0};
inline constexpr ChoiceList kAniTransmissionList{kAniTransmissions, 0};
inline constexpr ChoiceList kAniSpeedList{kAniSpeeds, 2};
// A code other than 3 and 4 shows "300msec" on the page and on the sheet.
inline constexpr ChoiceList kFirstDigitDelayList{kFirstDigitDelays, 0};

// ---- Rows ---------------------------------------------------------------------------------
inline constexpr int kRowCount = 10;
// The record shown in dial row `row` (0 top): "Location #0" (record 9) first,
// then "Location #1".."Location #9" (records 0..8); -1 outside.
constexpr int DialRecordOfRow(int row) { return row < 0 || row >= kRowCount ? -1 : row == 0 ? 9 : row - 1; }

}  // namespace df
