// The fields of the trunked-system sub-pages that zone_fields.h does not name:
// the repeater slots of an LTR zone, the LTR timing and ID settings, the
// interconnect dial strings, the talk groups of a PassPort zone and the
// PassPort feature switches, timers and levels; and the choice lists whose
// texts those pages show.
//
// Indexes: zone fields take the zone (0..31). A repeater slot field takes
// RepeaterKey(zone, slot), a talk-group field TalkGroupKey(zone, row), so that
// one index names the slot or row and its zone. A key that names no slot, or a
// row that names none of the zone's group records, reads as 0 (text: empty) and
// takes no write.
//
// Check-box fields read 1 for "checked": where the radio stores a switch
// active low, the field here is the inverse of the bit (zone_fields.h names
// the bits as stored, "...Off").
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/edit_model.h"
#include "model/field.h"
#include "model/zone_fields.h"

namespace tf {

// ---- keys -----------------------------------------------------------------------------

inline constexpr int kRepeaterSlots = kRepeatersPerZone;  // 20 per zone
inline constexpr int kTalkGroupRows = 16;                  // rows of the talk-group page

// -1 (no slot, no row) for a zone, slot or row outside its range.
constexpr int RepeaterKey(int z, int slot) {
  return z >= 0 && z < kZoneCount && slot >= 0 && slot < kRepeaterSlots ? z * kRepeaterSlots + slot : -1;
}
constexpr int TalkGroupKey(int z, int row) {
  return z >= 0 && z < kZoneCount && row >= 0 && row < kTalkGroupRows ? z * kTalkGroupRows + row : -1;
}

// The repeater word of a key; null for a key that names no slot.
std::uint16_t* RepeaterWord(CEditModel& model, int key);
// The group record of talk-group row `row` (0..15) of zone z: record
// CountGroupsBeforeZone(z) + row, when the row lies within the zone's groups
// and the record within the store; null otherwise.
CGroupRecord* TalkGroupRecord(CEditModel& model, int z, int row);
const CGroupRecord* TalkGroupRecord(const CEditModel& model, int z, int row);
inline CGroupRecord* TalkGroupAt(CEditModel& model, int key) {
  return key < 0 ? nullptr : TalkGroupRecord(model, key / kTalkGroupRows, key % kTalkGroupRows);
}

// ---- field makers -----------------------------------------------------------------------

// A check box over a switch stored active low: 1 (checked) when the bit is clear.
template <const BitField& B>
constexpr Field ActiveLow() {
  return {[](CEditModel& m, int i) -> std::uint32_t { return B.Get(m, i) ? 0u : 1u; },
          [](CEditModel& m, int i, std::uint32_t checked) { B.Set(m, i, checked ? 0u : 1u); }};
}

// ---- repeater slots (LTR zones): bits of the repeater word, by RepeaterKey --------------------

inline constexpr std::uint16_t kNoRepeaterChannel = 1023;
inline constexpr Field kRepeaterChannel = RecordBits<&RepeaterWord>(0x03FF);  // channel record 0..249, 1023 none
inline constexpr Field kTxDataPhase = RecordBits<&RepeaterWord>(0x0400);      // 1 "Invert"
inline constexpr Field kRxDataPhase = RecordBits<&RepeaterWord>(0x0800);
inline constexpr Field kDataAppli = RecordBits<&RepeaterWord>(0x1000);
// The save turns Dispatch and Interconnect on in an LTR zone's home repeater
// slot while the radio is in LTR mode: there they read on, whatever the word holds.
bool HomeSlotFlagsForced(const CEditModel& model, int key);
template <const BitField& B>
constexpr Field OnInHomeSlot() {
  return {[](CEditModel& m, int key) -> std::uint32_t { return HomeSlotFlagsForced(m, key) ? 1u : B.Get(m, key); },
          [](CEditModel& m, int key, std::uint32_t on) { B.Set(m, key, on); }};
}
inline constexpr BitField kInterconnectBit = RecordBits<&RepeaterWord>(0x2000);
inline constexpr BitField kDispatchBit = RecordBits<&RepeaterWord>(0x4000);
inline constexpr Field kRepeaterInterconnect = OnInHomeSlot<kInterconnectBit>();
inline constexpr Field kRepeaterDispatch = OnInHomeSlot<kDispatchBit>();

// ---- LTR zones: timing, ID blocks, interconnect ID -------------------------------------------

inline constexpr BitField kDataRiseTime = zf::ZoneBits<&CChannelStore::zoneScanWords>(0xF0);  // 5 ms units
inline constexpr BitField kPrefixCode = zf::ZoneBits<&CChannelStore::zonePrefixCode>();       // 0xFF, 0xAA, 0xCC
inline constexpr BitField kChannelHangTime = zf::ZoneBits<&CChannelStore::zoneChannelHangTime>();  // 50 ms units
inline constexpr BitField kChannelFadeTime = zf::ZoneBits<&CChannelStore::zoneChannelFadeTime>();  // 0.5 s units
// LTR IDs 1..250, 255 none.
inline constexpr BitField kRxIdStart = zf::ZoneBits<&CChannelStore::zoneRxIdStart>();
inline constexpr BitField kRxIdStop = zf::ZoneBits<&CChannelStore::zoneRxIdStop>();
inline constexpr BitField kTxInhibitIdStart = zf::ZoneBits<&CChannelStore::zoneTxInhibitIdStart>();
inline constexpr BitField kTxInhibitIdStop = zf::ZoneBits<&CChannelStore::zoneTxInhibitIdStop>();
inline constexpr BitField kInterconnectLtrId = zf::ZoneBits<&CChannelStore::zoneInterconnectLtrId>();
// Resume times in 5 s units.
inline constexpr BitField kDecodeResumeTime = zf::ZoneBits<&CChannelStore::zonePassPortFlags>(0xF0);
inline constexpr BitField kTxInhibitResumeTime = zf::ZoneBits<&CChannelStore::zonePassPortFlags>(0x0F);

// ---- interconnect dial strings (Conventional zones) ---------------------------------------------

// The Connect Dial: the eight bytes from zoneHomeRepeater to zoneScanWords read
// as a dial string. Its text is exactly the dialled digits; a stored text
// reaches only a Conventional zone, whose bytes these are.
std::string ConnectDialText(CEditModel& model, int z);
void SetConnectDialText(CEditModel& model, int z, const std::string& text);
inline constexpr TextField kConnectDial{&ConnectDialText, &SetConnectDialText};
// The Disconnect Dial: one digit in bits 4-7 of zoneDisconnectDial (zf::kDisconnectDial).
// Its text is the digit's character ("0" for code 0); a stored text keeps bits 0-3.
std::string DisconnectDialText(CEditModel& model, int z);
// The code of a typed text: its first character's digit code; none, a blank or
// any other character 0.
std::uint32_t DisconnectDialCode(std::string_view text);
void SetDisconnectDialText(CEditModel& model, int z, const std::string& text);
inline constexpr TextField kDisconnectDial{&DisconnectDialText, &SetDisconnectDialText};

// ---- talk groups (PassPort zones): bits of the row's group record, by TalkGroupKey ------------

// 0 "Enable" (in use), 1 "Disable", as zf::kOnOffList offers them. The primary
// row (row 0) is always in use: a write there changes nothing.
inline constexpr Field kTalkGroupInUse = RecordBits<&TalkGroupAt, &CGroupRecord::flags>(kGroupInUse);
inline constexpr Field kTalkGroupOnOff{
    [](CEditModel& m, int key) -> std::uint32_t { return TalkGroupAt(m, key) && !kTalkGroupInUse.Get(m, key) ? 1u : 0u; },
    [](CEditModel& m, int key, std::uint32_t off) {
      if (key % kTalkGroupRows != 0) kTalkGroupInUse.Set(m, key, off ? 0u : 1u);
    }};
inline constexpr Field kTalkGroupScan = RecordBits<&TalkGroupAt, &CGroupRecord::flags>(kGroupScanUser);
inline constexpr Field kTalkGroupCompander = RecordBits<&TalkGroupAt, &CGroupRecord::byte0>(0x40);
inline constexpr Field kTalkGroupDisableTx = RecordBits<&TalkGroupAt, &CGroupRecord::byte0>(0x20);
inline constexpr Field kTalkGroupEncryption = RecordBits<&TalkGroupAt, &CGroupRecord::byte0>(0x10);
inline constexpr Field kTalkGroupTot = RecordBits<&TalkGroupAt, &CGroupRecord::channelWord>(kTimeOutTimerBit);
inline constexpr Field kTalkGroupId = RecordBits<&TalkGroupAt, &CGroupRecord::idWord>();
// The alias: eight characters (letters upper-cased, digits, blanks), padded with blanks.
std::string TalkGroupAliasText(CEditModel& model, int key);
void SetTalkGroupAliasText(CEditModel& model, int key, const std::string& text);
inline constexpr TextField kTalkGroupAlias{&TalkGroupAliasText, &SetTalkGroupAliasText};

// ---- PassPort features, by zone -------------------------------------------------------------

// Check boxes stored active high are the zf:: bits themselves: zf::kDisableRoam,
// zf::kAtbRingBack, zf::kPpGroupScan, zf::kInterconnectCompanding,
// zf::kDisablePrimaryPriority, zf::kFixedDcc, zf::kRxDataInverted, zf::kBand5b.
// The active-low ones, as check boxes:
inline constexpr Field kPreferLastChannel = ActiveLow<zf::kPreferLastChannelOff>();
inline constexpr Field kInvertedTxData = ActiveLow<zf::kTxDataNormal>();
inline constexpr BitField kStrongestSiteSearchOff = zf::ZoneBits<&CChannelStore::zonePassPortRssiFlags>(0x02);
inline constexpr BitField kSingleSiteOff = zf::ZoneBits<&CChannelStore::zonePassPortRssiFlags>(0x08);
inline constexpr Field kHomeLookback = ActiveLow<zf::kHomeLookbackOff>();
inline constexpr Field kStrongestSiteSearch = ActiveLow<kStrongestSiteSearchOff>();
inline constexpr Field kLookbackRssiOn = ActiveLow<zf::kLookbackRssiOff>();  // "RSSI for home lookback"
inline constexpr Field kSingleSitePerFrequency = ActiveLow<kSingleSiteOff>();
inline constexpr Field kRssiAutoEnable = ActiveLow<zf::kRssiAutoEnableOff>();
inline constexpr Field kRssiDisableInThresholdArea = ActiveLow<zf::kRssiThresholdAreaOff>();
inline constexpr Field kRssiDisableDuringReceive = ActiveLow<zf::kRssiDuringReceiveOff>();
inline constexpr Field kRssiThreshold = ActiveLow<zf::kRssiThresholdOff>();

// Roaming timers: the bytes the LTR IDs use in other zones.
inline constexpr BitField kRoamStartDelay = kInterconnectLtrId;   // seconds
inline constexpr BitField kRoamSearchSpeed = kRxIdStart;          // seconds
inline constexpr BitField kRegResumeTime = kRxIdStop;             // 30 s units
inline constexpr BitField kRoamPowerUpDelay = kTxInhibitIdStart;  // seconds
// Minutes and RSSI level codes.
inline constexpr BitField kLookbackTime = zf::ZoneBits<&CChannelStore::zoneLookbackTime>();
inline constexpr BitField kRssiDuration = zf::ZoneBits<&CChannelStore::zoneRssiDuration>();
inline constexpr BitField kLookbackRssi = zf::ZoneBits<&CChannelStore::zoneLookbackRssi>();
inline constexpr BitField kRegisteredRssi = zf::ZoneBits<&CChannelStore::zoneRegisteredRssi>();
inline constexpr BitField kOsmRssi = zf::ZoneBits<&CChannelStore::zoneOsmRssi>();

// ---- choice lists -----------------------------------------------------------------------

// Repeater data phases.
inline constexpr Choice kNormalInvert[] = {{"Normal", 0}, {"Invert", 1}};
inline constexpr ChoiceList kDataPhaseList{kNormalInvert, 0};
// The LTR page's zone formats and TX powers.
inline constexpr Choice kLtrFormats[] = {{"LTR", zf::kLtr}, {"Conventional", zf::kConventional}, {"PassPort", zf::kPassPort}};
inline constexpr ChoiceList kLtrFormatList{kLtrFormats, 0};
inline constexpr Choice kLtrTxPowers[] = {{"High", 0}, {"Low-High", 4}, {"Low-Mid", 5}};
inline constexpr ChoiceList kLtrTxPowerList{kLtrTxPowers, 0};
inline constexpr Choice kAreaCodes[] = {{"Area0", 0}, {"Area1", 1}};
inline constexpr ChoiceList kAreaCodeList{kAreaCodes, 0};
// LTR advanced features.
inline constexpr Choice kDataRiseTimes[] = {{" 5msec", 1}, {"10msec", 2}, {"15msec", 3}, {"20msec", 4},
                                            {"25msec", 5}, {"30msec", 6}, {"35msec", 7}, {"40msec", 8},
                                            {"45msec", 9}, {"50msec", 10}};
inline constexpr ChoiceList kDataRiseTimeList{kDataRiseTimes, 1};
inline constexpr Choice kPrefixCodes[] = {{"Disable(FF)", 255}, {"10101010", 170}, {"11001100", 204}};
inline constexpr ChoiceList kPrefixCodeList{kPrefixCodes, 0};
inline constexpr Choice kHangTimes[] = {{"0.5Sec", 10}, {"1.0Sec", 20}, {"2.0Sec", 40}, {"3.0Sec", 60}};
inline constexpr ChoiceList kHangTimeList{kHangTimes, 0};
inline constexpr Choice kFadeTimes[] = {{"0.5Sec", 1}, {"1.0Sec", 2}, {"2.0Sec", 4},
                                        {"3.0Sec", 6}, {"4.0Sec", 8}, {"5.0Sec", 10}};
inline constexpr ChoiceList kFadeTimeList{kFadeTimes, 3};
inline constexpr Choice kResumeTimes[] = {{" 0Sec", 0},  {" 5Sec", 1},  {"10Sec", 2},  {"15Sec", 3},
                                          {"20Sec", 4},  {"25Sec", 5},  {"30Sec", 6},  {"35Sec", 7},
                                          {"40Sec", 8},  {"45Sec", 9},  {"50Sec", 10}, {"55Sec", 11},
                                          {"60Sec", 12}, {"65Sec", 13}, {"70Sec", 14}, {"75Sec", 15}};
inline constexpr ChoiceList kResumeTimeList{kResumeTimes, 1};
// PassPort features: the page selects the first entry for a value no entry
// has; the zone sheet prints its own text for such a value.
inline constexpr ChoiceList kMinutesPageList{zf::kMinutes, 0, "60min"};
inline constexpr Choice kRssiLevels[] = {
    {"-121dBm", 143}, {"-120dBm", 142}, {"-119dBm", 141}, {"-118dBm", 139}, {"-117dBm", 137}, {"-116dBm", 135},
    {"-115dBm", 133}, {"-114dBm", 132}, {"-113dBm", 131}, {"-112dBm", 130}, {"-111dBm", 129}, {"-110dBm", 0},
    {"-109dBm", 1},   {"-108dBm", 2},   {"-107dBm", 3},   {"-106dBm", 4},   {"-105dBm", 6},   {"-104dBm", 8},
    {"-103dBm", 10},  {"-102dBm", 12},  {"-101dBm", 13},  {"-100dBm", 14},  {"-99dBm", 15}};
inline constexpr ChoiceList kRssiLevelList{kRssiLevels, 0, "-99dBm"};
inline constexpr Choice kOsmLevels[] = {
    {"-125dBm", 147}, {"-124dBm", 146}, {"-123dBm", 145}, {"-122dBm", 144}, {"-121dBm", 143}, {"-120dBm", 142},
    {"-119dBm", 141}, {"-118dBm", 139}, {"-117dBm", 137}, {"-116dBm", 135}, {"-115dBm", 133}, {"-114dBm", 132},
    {"-113dBm", 131}, {"-112dBm", 130}, {"-111dBm", 129}, {"-110dBm", 0}};
inline constexpr ChoiceList kOsmLevelList{kOsmLevels, 0, "-110dBm"};

}  // namespace tf
