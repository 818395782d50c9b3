// The fields of the group records and of the group pages' Default column,
// named once, with the choice lists whose texts the group pages show.
//
// A group field takes the global group index (0..249) as its index; an index
// that names no record reads 0 and writes nothing, so a column past the last
// record can never reach another record. The Default column's fields
// (namespace grp::def) live in the store's DefaultGroupRecord and ignore the
// index; several of them lie at other bits than the group field of the same row.
//
// A few group fields carry a rule in their store: kEnable, kRxSubAudible,
// kTxSubAudible, kScanMemory, kSignalingFunction, kLtrSignalingFunction.
// Everything else stores only its own bits.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/channel_fields.h"
#include "model/edit_model.h"
#include "model/enable_lists.h"
#include "model/field.h"
#include "model/group_model.h"
#include "model/image.h"
#include "model/zone_fields.h"

namespace grp {

namespace at = group_default;

inline CGroupRecord* GroupAt(CEditModel& m, int g) { return m.store.Group(g); }
// Bits of a byte or word member of group g's record: GroupBits<&G::channelWord>(0x4000).
template <auto Member, typename... Mask>
constexpr BitField GroupBits(Mask... mask) {
  return RecordBits<&GroupAt, Member>(mask...);
}

using G = CGroupRecord;

// ---- flag byte 0 ------------------------------------------------------------------------
inline constexpr BitField kMonitor = GroupBits<&G::byte0>(0x80);
inline constexpr BitField kCompander = GroupBits<&G::byte0>(0x40);
inline constexpr BitField kTxInhibit = GroupBits<&G::byte0>(0x20);  // the talk-group page's "Disable TX"
inline constexpr BitField kEncryption = GroupBits<&G::byte0>(0x18);  // 0..3; bit 4 alone: the talk-group page's
inline constexpr BitField kSecondTxPower = GroupBits<&G::byte0>(0x07);  // 7 none, 0 high, 4 low(-high), 5 low-mid
// ---- flag byte 1 ------------------------------------------------------------------------
inline constexpr BitField kAni = GroupBits<&G::byte1>(0x80);
inline constexpr BitField kSignalingHigh11 = GroupBits<&G::byte1>(0x40);  // production type 11
inline constexpr BitField kAniMonitor = GroupBits<&G::byte1>(0x20);
inline constexpr BitField kSignalingLow = GroupBits<&G::byte1>(0x10);
inline constexpr BitField kSignalingNo = GroupBits<&G::byte1>(0x0F);  // the LTR pages' paging code
// ---- flag byte 2 ------------------------------------------------------------------------
inline constexpr BitField kRxSave = GroupBits<&G::byte2>(0x80);
inline constexpr BitField kFlatAf = GroupBits<&G::byte2>(0x40);
inline constexpr BitField kRxToneType = GroupBits<&G::byte2>(0x38);  // 0 none, 1 CTCSS, 2 DCS, 3 DCS inverted
inline constexpr BitField kTxToneType = GroupBits<&G::byte2>(0x07);
// ---- flag byte 3 ------------------------------------------------------------------------
inline constexpr BitField kSignalingHighOther = GroupBits<&G::byte3>(0x80);  // other production types
inline constexpr BitField kTalkAroundUser = GroupBits<&G::byte3>(0x20);
inline constexpr BitField kTalkAroundFixed = GroupBits<&G::byte3>(0x10);
inline constexpr BitField kCallAlert = GroupBits<&G::byte3>(0x08);
inline constexpr BitField kCallVerify = GroupBits<&G::byte3>(0x04);
inline constexpr BitField kDataGroup = GroupBits<&G::byte3>(0x02);
inline constexpr BitField kBusyLockOutOnTa = GroupBits<&G::byte3>(0x01);
// ---- encode and decode bytes: CTCSS 0..49 or DCS 0..105 (255 none); an LTR group's IDs 1..250 (255 none)
inline constexpr BitField kEncodeCode = GroupBits<&G::byte4>();
inline constexpr BitField kDecodeCode = GroupBits<&G::byte5>();
inline constexpr BitField kTxId = kEncodeCode;
inline constexpr BitField kRxId = kDecodeCode;
// ---- channel word -----------------------------------------------------------------------
inline constexpr Field kChannel = GroupBits<&G::channelWord>(kChannelRefMask);  // channel index, 1023 none
inline constexpr Field kExtMic = GroupBits<&G::channelWord>(0x0800);
inline constexpr BitField kBusyLockOutBits = GroupBits<&G::channelWord>(kHornAlertMask);
inline constexpr Field kTimeOutTimer = GroupBits<&G::channelWord>(kTimeOutTimerBit);
inline constexpr Field kTpac = GroupBits<&G::channelWord>(kTpacBit);
// Busy Lock Out, bits 12-13: 0 "Disable", 1 "Busy Lockout", 2 "Incorrect". The
// list has no entry for 3; the radio treats it as 2 (bit 13 set: it checks it
// as the incorrect-code lock-out), so it reads as 2 and shows "Incorrect".
inline constexpr Field kBusyLockOut{
    [](CEditModel& m, int g) -> std::uint32_t { return std::min<std::uint32_t>(kBusyLockOutBits.Get(m, g), 2); },
    [](CEditModel& m, int g, std::uint32_t v) { kBusyLockOutBits.Set(m, g, v); }};
// The Ch. Space row: the spacing of channel g (0 Narrow, 1 Wide), the record a
// Conventional zone binds group g to (BindZoneChannels).
inline constexpr BitField kChannelSpacing = cf::kSpacing;
// ---- talk-group ID (PassPort groups) ----------------------------------------------------
inline constexpr Field kTalkGroupId = GroupBits<&G::idWord>();
// ---- name: the Tag, up to 8 upper-case letters, digits and blanks, blank padded ----------
std::string TagText(CEditModel& model, int g);
void SetTagText(CEditModel& model, int g, const std::string& text);
inline constexpr TextField kTag{&TagText, &SetTagText};
// ---- group flags byte -------------------------------------------------------------------
inline constexpr BitField kInUse = GroupBits<&G::flags>(kGroupInUse);
inline constexpr BitField kScanUser = GroupBits<&G::flags>(kGroupScanUser);
inline constexpr BitField kScanDealer = GroupBits<&G::flags>(kGroupScanDealer);

// ---- fields that carry a rule -----------------------------------------------------------
// Scan Memory of bits 1 and 4 of a byte: code 0 both ("Enable"), 1 neither
// ("Disable"), 2 "User" only, 3 "Dealer" only. A store of 0 sets both bits, any
// other code clears both; the byte's other bits stay.
constexpr std::uint32_t ScanMemoryCode(std::uint8_t bits) {
  const bool user = bits & kGroupScanUser, dealer = bits & kGroupScanDealer;
  return user && dealer ? 0 : user ? 2 : dealer ? 3 : 1;
}
constexpr std::uint8_t WithScanMemory(std::uint8_t bits, std::uint32_t code) {
  bits = std::uint8_t(bits & ~(kGroupScanUser | kGroupScanDealer));
  return code == 0 ? std::uint8_t(bits | kGroupScanUser | kGroupScanDealer) : bits;
}
inline constexpr BitField kFlags = GroupBits<&G::flags>();
inline constexpr Field kScanMemory{
    [](CEditModel& m, int g) { return ScanMemoryCode(std::uint8_t(kFlags.Get(m, g))); },
    [](CEditModel& m, int g, std::uint32_t v) { kFlags.Set(m, g, WithScanMemory(std::uint8_t(kFlags.Get(m, g)), v)); }};
// The enable list's code: 0 the group is in use, 1 not. A store is the enable
// commit (SetGroupEnabled).
inline constexpr Field kEnable{[](CEditModel& m, int g) -> std::uint32_t { return kInUse.Get(m, g) ? 0 : 1; },
                               [](CEditModel& m, int g, std::uint32_t v) { SetGroupEnabled(m, g, v == 0); }};
// The sub-audible types (0..7 read, 0..3 offered). A store applies the type
// rules (SetRxToneType, SetTxToneType).
inline constexpr Field kRxSubAudible{[](CEditModel& m, int g) { return kRxToneType.Get(m, g); },
                                     [](CEditModel& m, int g, std::uint32_t v) { SetRxToneType(m, g, v); }};
inline constexpr Field kTxSubAudible{[](CEditModel& m, int g) { return kTxToneType.Get(m, g); },
                                     [](CEditModel& m, int g, std::uint32_t v) { SetTxToneType(m, g, v); }};
// The conventional advanced view's Signaling Function: the function value
// (0 Disable, 1 Paging, 2 Option, 3 Signaling) from the bits of the radio's
// production type; a store is the group commit (CommitSignalingFunction).
inline constexpr Field kSignalingFunction{
    [](CEditModel& m, int g) { return SignalingFunction(m, g); },
    [](CEditModel& m, int g, std::uint32_t v) { CommitSignalingFunction(m, g, v); }};
// The LTR advanced view's: the same value (3 shows "Signaling"); a store of a
// code other than 0 sets both bits, 0 clears them (CommitLtrSignalingFunction).
inline constexpr Field kLtrSignalingFunction{
    [](CEditModel& m, int g) { return SignalingFunction(m, g); },
    [](CEditModel& m, int g, std::uint32_t v) { CommitLtrSignalingFunction(m, g, v); }};

// ---- the Default column (DefaultGroupRecord) ----------------------------------------------
namespace def {
inline CDefaultGroupRecord* DefaultRecord(CEditModel& m, int) { return &m.store.DefaultGroupRecord; }
template <int K>
std::uint8_t& DefaultByte(CEditModel& m, int) {
  return m.store.DefaultGroupRecord.byte[K];
}
// The field at a place of the record (group_record.h).
template <const DefaultGroupBits& At>
constexpr BitField Bits() {
  if constexpr (At.where == group_default::kWord) return RecordBits<&DefaultRecord, &CDefaultGroupRecord::word>(At.mask);
  else return BitsOf<&DefaultByte<At.where>>(At.mask);
}
// Basic views
inline constexpr BitField kMonitor = Bits<at::kMonitor>();
inline constexpr BitField kCompander = Bits<at::kCompander>();
inline constexpr BitField kTxInhibit = Bits<at::kTxInhibit>();
inline constexpr Field kTimeOutTimer = Bits<at::kTimeOutTimer>();
inline constexpr Field kBusyLockOut = Bits<at::kBusyLockOut>();
// Byte 5 bits 1 and 4, codes as grp::kScanMemory.
inline constexpr BitField kScanMemoryByte = Bits<at::kScanMemory>();
inline constexpr Field kScanMemory{
    [](CEditModel& m, int) { return ScanMemoryCode(std::uint8_t(kScanMemoryByte.Get(m))); },
    [](CEditModel& m, int, std::uint32_t v) {
      kScanMemoryByte.Set(m, 0, WithScanMemory(std::uint8_t(kScanMemoryByte.Get(m)), v));
    }};
// Advanced views
inline constexpr BitField kEncryption = Bits<at::kEncryption>();
inline constexpr BitField kSecondTxPower = Bits<at::kSecondTxPower>();
inline constexpr BitField kAniMonitor = Bits<at::kAniMonitor>();
inline constexpr BitField kSignalingCode = Bits<at::kSignalingCode>();  // other production types: 0..3
inline constexpr BitField kSignalingLow = Bits<at::kSignalingLow>();   // production type 11
inline constexpr BitField kSignalingNo = Bits<at::kSignalingNo>();    // the LTR view's paging code
inline constexpr BitField kAni = Bits<at::kAni>();
inline constexpr BitField kSignalingHigh11 = Bits<at::kSignalingHigh11>();
inline constexpr BitField kTalkAroundUser = Bits<at::kTalkAroundUser>();
inline constexpr BitField kTalkAroundFixed = Bits<at::kTalkAroundFixed>();
inline constexpr BitField kCallAlert = Bits<at::kCallAlert>();
inline constexpr BitField kCallVerify = Bits<at::kCallVerify>();
inline constexpr BitField kDataGroup = Bits<at::kDataGroup>();
inline constexpr BitField kBusyLockOutOnTa = Bits<at::kBusyLockOutOnTa>();
inline constexpr BitField kExtMic = Bits<at::kExtMic>();  // conventional advanced view
inline constexpr BitField kRxSave = kExtMic;  // LTR advanced view: the same bit
inline constexpr BitField kFlatAf = Bits<at::kFlatAf>();
inline constexpr BitField kSignalingHighOther = Bits<at::kSignalingHighOther>();
inline constexpr Field kTpac = Bits<at::kTpac>();
// The Default column's function value: production type 11 2 x byte 2 bit 0 +
// byte 1 bit 4; other types 2 x byte 4 bit 1 + byte 1 bits 5-6 (0..5). Read only:
// the Default commits are CommitDefaultSignalingFunction and its LTR twin.
inline constexpr Field kSignalingFunction{[](CEditModel& m, int) { return DefaultSignalingFunction(m); }, nullptr};
}  // namespace def

// ---- choice lists -----------------------------------------------------------------------
inline constexpr ChoiceList kEnableList = zf::kOnOffList;            // "Enable" 0, "Disable" 1
inline constexpr ChoiceList kDisableEnableList = zf::kDisableEnableList;  // "Disable" 0, "Enable" 1
inline constexpr ChoiceList kMonitorList = zf::kDisableEnableOnList;      // default "Enable"
inline constexpr ChoiceList kTimeOutTimerList = zf::kDisableEnableOnList;
inline constexpr ChoiceList kCompanderList = zf::kDisableEnableList;
inline constexpr Choice kTxInhibits[] = {{"TX Enable", 0}, {"TX Disable", 1}};
inline constexpr ChoiceList kTxInhibitList{kTxInhibits, 0};
inline constexpr Choice kBusyLockOuts[] = {{"Disable", 0}, {"Busy Lockout", 1}, {"Incorrect", 2}};
inline constexpr ChoiceList kBusyLockOutList{kBusyLockOuts, 0};
inline constexpr ChoiceList kLtrBusyLockOutList{std::span(kBusyLockOuts, 2), 0};
// Offers "Enable" and "Disable" only; "User" and "Dealer" come from stored data (ScanMemoryText).
inline constexpr ChoiceList kScanMemoryList = kEnable0Disable1OffList;
inline constexpr Choice kToneTypes[] = {{"NONE", 0}, {"CTCSS", 1}, {"DCS", 2}, {"DCS Invert", 3}};
inline constexpr ChoiceList kToneTypeList{kToneTypes, 0};
inline constexpr Choice kEncryptions[] = {{"Disable", 0}, {"Key ON", 1}, {"Power ON", 2}, {"ALL ON", 3}};
inline constexpr ChoiceList kEncryptionList{kEncryptions, 0};
inline constexpr Choice kSecondTxPowers11[] = {{"Disable", 7}, {"High", 0}, {"Low-High", 4}, {"Low-Mid", 5}};
inline constexpr ChoiceList kSecondTxPowerList11{kSecondTxPowers11, 0};
inline constexpr Choice kSecondTxPowers[] = {{"Disable", 7}, {"High", 0}, {"Low", 4}};
inline constexpr ChoiceList kSecondTxPowerListOther{kSecondTxPowers, 0};
inline constexpr Choice kFlatAfs[] = {{"Normal", 0}, {"Flat", 1}};
inline constexpr ChoiceList kFlatAfList{kFlatAfs, 0};
inline constexpr Choice kExtMics[] = {{"Internal", 0}, {"External", 1}};
inline constexpr ChoiceList kExtMicList{kExtMics, 0};
inline constexpr ChoiceList kAniList = zf::kDisableEnableList;
inline constexpr ChoiceList kAniMonitorList = zf::kDisableEnableList;
inline constexpr ChoiceList kTalkAroundList = zf::kDisableEnableList;
inline constexpr ChoiceList kCallAlertList = zf::kDisableEnableList;
inline constexpr ChoiceList kCallVerifyList = zf::kDisableEnableList;
inline constexpr ChoiceList kDataGroupList = zf::kDisableEnableList;
inline constexpr ChoiceList kTpacList = zf::kDisableEnableList;
inline constexpr ChoiceList kRxSaveList = zf::kDisableEnableList;
inline constexpr ChoiceList kBusyLockOutOnTaList = zf::kDisableEnableList;
// Signaling Function: with "Option" when a production-type-11 radio has the
// option module and the column's Encryption is "Disable" (SignalingFunctionList).
inline constexpr Choice kSignalingFunctionsOption[] = {{"Disable", 0}, {"Paging", 1}, {"Option", 2}, {"Signaling", 3}};
inline constexpr ChoiceList kSignalingFunctionListOption{kSignalingFunctionsOption, 0};
inline constexpr Choice kSignalingFunctions[] = {{"Disable", 0}, {"Paging", 1}, {"Signaling", 3}};
inline constexpr ChoiceList kSignalingFunctionList{kSignalingFunctions, 0};
inline constexpr Choice kLtrSignalingFunctions[] = {{"Disable", 0}, {"Signaling", 3}};
inline constexpr ChoiceList kLtrSignalingFunctionList{kLtrSignalingFunctions, 0};
// Signaling No.: the paging locations of a "Paging" group, else the signalling
// systems (SignalingNoList).
inline constexpr Choice kPagingLocations[] = {{"Loc. 1", 0}, {"Loc. 2", 1}, {"Loc. 3", 2}, {"Loc. 4", 3},
                                              {"Loc. 5", 4}, {"Loc. 6", 5}, {"Loc. 7", 6}, {"Loc. 8", 7},
                                              {"Loc. 9", 8}, {"Loc. 0", 9}};
inline constexpr ChoiceList kPagingLocationList{kPagingLocations, 0};
inline constexpr Choice kSignalingSystems[] = {{"GE Star", 1}, {"MDC-1200", 2}, {"DTMF", 3}};
inline constexpr ChoiceList kSignalingSystemList{kSignalingSystems, 0};
// The LTR advanced view's (hidden) paging code.
inline constexpr Choice kPagingCodes[] = {{"1ch", 0}, {"2ch", 1}, {"3ch", 2}, {"4ch", 3}, {"5ch", 4},
                                          {"6ch", 5}, {"7ch", 6}, {"8ch", 7}, {"9ch", 8}, {"0ch", 9}};
inline constexpr ChoiceList kPagingCodeList{kPagingCodes, 0};
// Each field of the Default record and the list whose default entry it starts at.
struct DefaultGroupInitial {
  DefaultGroupBits at;
  ChoiceList list;
};
inline constexpr DefaultGroupInitial kDefaultGroupInitials[] = {
    {at::kMonitor, kMonitorList},
    {at::kCompander, kCompanderList},
    {at::kTxInhibit, kTxInhibitList},
    {at::kTimeOutTimer, kTimeOutTimerList},
    {at::kBusyLockOut, kBusyLockOutList},
    {at::kScanMemory, kScanMemoryList},
    {at::kEncryption, kEncryptionList},
    {at::kSecondTxPower, kSecondTxPowerList11},
    {at::kAniMonitor, kAniMonitorList},
    {at::kSignalingCode, kSignalingFunctionList},
    {at::kSignalingLow, kSignalingFunctionList},
    {at::kSignalingHigh11, kSignalingFunctionList},
    {at::kSignalingHighOther, kSignalingFunctionList},
    {at::kSignalingNo, kPagingLocationList},
    {at::kAni, kAniList},
    {at::kTalkAroundUser, kTalkAroundList},
    {at::kTalkAroundFixed, kTalkAroundList},
    {at::kCallAlert, kCallAlertList},
    {at::kCallVerify, kCallVerifyList},
    {at::kDataGroup, kDataGroupList},
    {at::kBusyLockOutOnTa, kBusyLockOutOnTaList},
    {at::kExtMic, kExtMicList},
    {at::kFlatAf, kFlatAfList},
    {at::kTpac, kTpacList},
};

// The decode and encode code lists both rows share: the 50 CTCSS tones and the
// 106 DCS codes, code = index.
const ChoiceList& CtcssCodeList();
const ChoiceList& DcsCodeList();

// ---- what the zone sheet prints ------------------------------------------------------------
// Its own marks beside the page lists: a switch prints "V" when set.
inline constexpr Choice kSwitchMarks[] = {{"", 0}, {"V", 1}};
inline constexpr ChoiceList kSwitchMarkList{kSwitchMarks, 0};
inline constexpr Choice kBusyLockOutMarks[] = {{"", 0}, {"B", 1}, {"I", 2}};
inline constexpr ChoiceList kBusyLockOutMarkList{kBusyLockOutMarks, 0};
inline constexpr Choice kEncryptionMarks[] = {{"", 0}, {"K", 1}, {"P", 2}, {"A", 3}};
inline constexpr ChoiceList kEncryptionMarkList{kEncryptionMarks, 0};
inline constexpr Choice kSecondTxPowerMarks[] = {{"", 7}, {"H", 0}, {"LH", 4}};
inline constexpr ChoiceList kSecondTxPowerMarkList{kSecondTxPowerMarks, 0, "LM"};
inline constexpr Choice kFlatAfMarks[] = {{"N", 0}, {"F", 1}};
inline constexpr ChoiceList kFlatAfMarkList{kFlatAfMarks, 0};
inline constexpr Choice kSpacingMarks[] = {{"N", 0}, {"W", 1}};
inline constexpr ChoiceList kSpacingMarkList{kSpacingMarks, 0, "W"};
inline constexpr ChoiceList kToneTypePrintList{kToneTypes, 0, "DCS Invert"};
// The paging location of a "Paging" group as one digit (location 0 for a code
// past the list).
inline constexpr Choice kPagingDigits[] = {{"1", 0}, {"2", 1}, {"3", 2}, {"4", 3}, {"5", 4},
                                           {"6", 5}, {"7", 6}, {"8", 7}, {"9", 8}, {"0", 9}};
inline constexpr ChoiceList kPagingDigitList{kPagingDigits, 0, "0"};
// The channel a group's word names, whether or not the group is enabled: its
// spacing code (0 Narrow, 1..3 Wide) and frequencies ("%9.5f" MHz); a group
// that names no channel record reads 0 and empty texts.
std::uint32_t NamedChannelSpacing(CEditModel& model, int g);
inline constexpr Field kNamedChannelSpacing{&NamedChannelSpacing, nullptr};
std::string NamedChannelRxText(CEditModel& model, int g);
std::string NamedChannelTxText(CEditModel& model, int g);
inline constexpr TextField kNamedChannelRx{&NamedChannelRxText, nullptr};
inline constexpr TextField kNamedChannelTx{&NamedChannelTxText, nullptr};
// The decode (Rx) and encode (Tx) code of a sub-audible type: nothing for type
// 0 or for a code past its table.
std::string RxCodePrintText(CEditModel& model, int g);
std::string TxCodePrintText(CEditModel& model, int g);
inline constexpr TextField kRxCodePrint{&RxCodePrintText, nullptr};
inline constexpr TextField kTxCodePrint{&TxCodePrintText, nullptr};
// The signalling of a group in one mark: nothing, the paging location digit,
// "O" for "Option" (where the page offers it) or "S" for signalling.
std::string PagingPrintText(CEditModel& model, int g);
inline constexpr TextField kPagingPrint{&PagingPrintText, nullptr};

// The second transmit power list of the radio's production type.
const ChoiceList& SecondTxPowerList(const CEditModel& model);

// Scan Memory texts of grp::kScanMemory's codes: "Enable", "Disable", "User", "Dealer".
std::string_view ScanMemoryText(std::uint32_t code);

// What a decode or encode cell shows for a sub-audible type and a code: type 0
// "  Off"; type 1 the CTCSS text; any other type the DCS text; a code outside
// its table shows the table's first text.
std::string ToneCodeText(std::uint32_t type, std::uint32_t code);
// The decode (rx) or encode cell of group g: its code by its side's type.
std::string ToneCodeText(CEditModel& model, int g, bool rx);
// The code list a type opens: CTCSS for 1, DCS for any other type but 0; none for 0.
const ChoiceList* ToneCodeList(std::uint32_t type);

}  // namespace grp
