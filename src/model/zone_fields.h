// The fields of the 32 zones, named once: which bits of which per-zone array
// of the store each setting is, and the choice lists whose texts the zone pages
// show and the zone sheets print. Every field takes the zone (0..31) as its
// index. Several bytes carry different settings by zone format (the Connect
// Dial of a Conventional zone, the LTR IDs of an LTR zone, the roaming timers
// of a PassPort zone); each meaning has its own name here.
#pragma once

#include <cstdint>
#include <string>

#include "model/edit_model.h"
#include "model/enable_lists.h"
#include "model/field.h"

namespace zf {

template <auto Array>
constexpr BitField ZoneBits(std::uint8_t mask = 0xFF) {
  return ArrayBits<&CEditModel::store, Array>(mask);
}

// zoneFlags
inline constexpr BitField kInUse = ZoneBits<&CChannelStore::zoneFlags>(0x01);
inline constexpr BitField kZoneScan = ZoneBits<&CChannelStore::zoneFlags>(0x10);
// groupCount: the number of group records the zone owns (changed only through ApplyGroupCount)
inline constexpr BitField kGroupCount = ZoneBits<&CChannelStore::groupCount>();
// zoneGroupSelection: the Primary Group ID row (shown only)
inline constexpr BitField kPrimaryGroup = ZoneBits<&CChannelStore::zoneGroupSelection>();
// zoneFormat
inline constexpr BitField kDcc = ZoneBits<&CChannelStore::zoneFormat>(0x03);  // Digital Color Code / AREA Code
inline constexpr BitField kFormat = ZoneBits<&CChannelStore::zoneFormat>(0x1C);  // 1 LTR, 2 Conventional, 4 PassPort
inline constexpr BitField kMultipleGroupDecode = ZoneBits<&CChannelStore::zoneFormat>(0x20);
inline constexpr BitField kBusyCallBack = ZoneBits<&CChannelStore::zoneFormat>(0x40);
inline constexpr BitField kTalkPermitTone = ZoneBits<&CChannelStore::zoneFormat>(0x80);
// zoneTxPower
inline constexpr BitField kTxPower = ZoneBits<&CChannelStore::zoneTxPower>(0x07);
inline constexpr BitField kInterconnectEndOfTxTone = ZoneBits<&CChannelStore::zoneTxPower>(0x08);
inline constexpr BitField kEndOfTxTone = ZoneBits<&CChannelStore::zoneTxPower>(0x10);
inline constexpr BitField kAutoInterconnect = ZoneBits<&CChannelStore::zoneTxPower>(0x20);
inline constexpr BitField kInterconnectOnlyRx = ZoneBits<&CChannelStore::zoneTxPower>(0x40);
inline constexpr BitField kPhoneInterconnect = ZoneBits<&CChannelStore::zoneTxPower>(0x80);
// zoneTxTimeout: codes 1..14 are 0.5..7.0 minutes
inline constexpr BitField kTxTimeout = ZoneBits<&CChannelStore::zoneTxTimeout>(0xF0);
inline constexpr BitField kInterconnectTxTimeout = ZoneBits<&CChannelStore::zoneTxTimeout>(0x0F);
// zoneHomeRepeater (LTR): repeater slot 1..20, 0 none
inline constexpr BitField kHomeRepeater = ZoneBits<&CChannelStore::zoneHomeRepeater>(0x7F);
inline constexpr BitField kAreaCode = ZoneBits<&CChannelStore::zoneHomeRepeater>(0x80);
// zoneScanWords: scan words - 5
inline constexpr BitField kScanWords = ZoneBits<&CChannelStore::zoneScanWords>(0x0F);
// zoneRevertGroup: group number within the zone, 255 none
inline constexpr BitField kRevertGroup = ZoneBits<&CChannelStore::zoneRevertGroup>();
inline constexpr std::uint32_t kNoRevertGroup = 255;
inline constexpr BitField kDisconnectDial = ZoneBits<&CChannelStore::zoneDisconnectDial>(0xF0);
// zonePassPortFlags (PassPort)
inline constexpr BitField kPreferLastChannelOff = ZoneBits<&CChannelStore::zonePassPortFlags>(0x02);
inline constexpr BitField kFixedDcc = ZoneBits<&CChannelStore::zonePassPortFlags>(0x04);
inline constexpr BitField kDisablePrimaryPriority = ZoneBits<&CChannelStore::zonePassPortFlags>(0x08);
inline constexpr BitField kInterconnectCompanding = ZoneBits<&CChannelStore::zonePassPortFlags>(0x10);
inline constexpr BitField kPpGroupScan = ZoneBits<&CChannelStore::zonePassPortFlags>(0x20);
inline constexpr BitField kAtbRingBack = ZoneBits<&CChannelStore::zonePassPortFlags>(0x40);
inline constexpr BitField kDisableRoam = ZoneBits<&CChannelStore::zonePassPortFlags>(0x80);
// zoneFlags2 (PassPort option byte)
inline constexpr BitField kBand5b = ZoneBits<&CChannelStore::zoneFlags2>(0x01);
inline constexpr BitField kTxDataNormal = ZoneBits<&CChannelStore::zoneFlags2>(0x02);  // 0: "Inverted TX data"
inline constexpr BitField kRxDataInverted = ZoneBits<&CChannelStore::zoneFlags2>(0x04);
inline constexpr BitField kNarrow = ZoneBits<&CChannelStore::zoneFlags2>(0x20);
// zonePassPortRssiFlags: each bit 0 = enabled
inline constexpr BitField kHomeLookbackOff = ZoneBits<&CChannelStore::zonePassPortRssiFlags>(0x01);
inline constexpr BitField kLookbackRssiOff = ZoneBits<&CChannelStore::zonePassPortRssiFlags>(0x04);
inline constexpr BitField kRssiAutoEnableOff = ZoneBits<&CChannelStore::zonePassPortRssiFlags>(0x10);
inline constexpr BitField kRssiThresholdAreaOff = ZoneBits<&CChannelStore::zonePassPortRssiFlags>(0x20);
inline constexpr BitField kRssiDuringReceiveOff = ZoneBits<&CChannelStore::zonePassPortRssiFlags>(0x40);
inline constexpr BitField kRssiThresholdOff = ZoneBits<&CChannelStore::zonePassPortRssiFlags>(0x80);
// The PassPort system identity.
inline constexpr BitField kAffiliatedSystemId = ZoneBits<&CChannelStore::zoneAffiliatedSystemId>();
inline constexpr Field kHomeSystemId{
    [](CEditModel& m, int z) -> std::uint32_t { return m.store.zoneHomeSystemId[z]; },
    [](CEditModel& m, int z, std::uint32_t v) { m.store.zoneHomeSystemId[z] = v; }};
inline constexpr Field kMobileId{
    [](CEditModel& m, int z) -> std::uint32_t { return m.store.zoneMobileId[z]; },
    [](CEditModel& m, int z, std::uint32_t v) { m.store.zoneMobileId[z] = v; }};
// The alias: up to 8 characters, blank padded, then a zero byte.
std::string AliasText(CEditModel& model, int z);
void SetAliasText(CEditModel& model, int z, const std::string& text);
inline constexpr TextField kAlias{&AliasText, &SetAliasText};

// Zone format codes (bits 2-4 of zoneFormat).
inline constexpr std::uint32_t kLtr = 1;
inline constexpr std::uint32_t kConventional = 2;
inline constexpr std::uint32_t kPassPort = 4;

// ---- choice lists ----------------------------------------------------------------

inline constexpr ChoiceList kOnOffList = kEnable0Disable1List;
// The overview offers PassPort and Conventional; its default entry is past the
// list, so a zone of another format (LTR) shows an empty cell. The sheet prints
// "Conventional" for every format but PassPort.
inline constexpr Choice kFormats[] = {{"PassPort", kPassPort}, {"Conventional", kConventional}};
inline constexpr ChoiceList kFormatList{kFormats, 2, "Conventional"};
inline constexpr ChoiceList kDisableEnableList = kDisable0Enable1List;
inline constexpr ChoiceList kDisableEnableOnList = kDisable0Enable1OnList;
// Codes 1..14; a code no entry has (0, 15) shows and prints "3.0min".
inline constexpr Choice kTimers[] = {
    {"0.5min", 1}, {"1.0min", 2},  {"1.5min", 3},  {"2.0min", 4},  {"2.5min", 5},  {"3.0min", 6},  {"3.5min", 7},
    {"4.0min", 8}, {"4.5min", 9},  {"5.0min", 10}, {"5.5min", 11}, {"6.0min", 12}, {"6.5min", 13}, {"7.0min", 14}};
inline constexpr ChoiceList kTimerList{kTimers, 5};
// The sheet prints "Low" for every code but 0.
inline constexpr Choice kTxPowers[] = {{"High", 0}, {"Low", 4}};
inline constexpr ChoiceList kTxPowerList{kTxPowers, 0, "Low"};
inline constexpr Choice kDccs[] = {{"DCC 0", 0}, {"DCC 1", 1}, {"DCC 2", 2}, {"DCC 3", 3}};
inline constexpr ChoiceList kDccList{kDccs, 0};
inline constexpr Choice kScanWordChoices[] = {
    {" 5", 0},  {" 6", 1},  {" 7", 2},  {" 8", 3},  {" 9", 4},  {"10", 5},  {"11", 6},  {"12", 7},
    {"13", 8},  {"14", 9},  {"15", 10}, {"16", 11}, {"17", 12}, {"18", 13}, {"19", 14}, {"20", 15}};
inline constexpr ChoiceList kScanWordList{kScanWordChoices, 5};
inline constexpr Choice kBandwidths[] = {{"Wide", 0}, {"Narrow", 1}};
inline constexpr ChoiceList kBandwidthList{kBandwidths, 0};

// PassPort features as the sheet prints them: a value no entry has prints the
// list's last text.
inline constexpr Choice kMinutes[] = {{" 3min", 3},   {" 5min", 5},   {"10min", 10}, {"15min", 15},
                                      {"30min", 30}, {"45min", 45}, {"60min", 60}};
inline constexpr ChoiceList kMinuteList{kMinutes, 6, "60min"};
inline constexpr Choice kLevelsA[] = {
    {"-121dBm", 143}, {"-120dBm", 142}, {"-119dBm", 141}, {"-118dBm", 139}, {"-117dBm", 137}, {"-116dBm", 135},
    {"-115dBm", 133}, {"-114dBm", 132}, {"-113dBm", 131}, {"-112dBm", 130}, {"-111dBm", 129}, {"-110dBm", 0},
    {"-109dBm", 1},   {"-108dBm", 2},   {"-107dBm", 3},   {"-106dBm", 4},   {"-105dBm", 6},   {"-104dBm", 8},
    {"-103dBm", 10},  {"-102dBm", 12},  {"-101dBm", 13},  {"-100dBm", 14}};
inline constexpr ChoiceList kLevelListA{kLevelsA, 11, "-99dBm"};
inline constexpr Choice kLevelsB[] = {
    {"-125dBm", 147}, {"-124dBm", 146}, {"-123dBm", 145}, {"-122dBm", 144}, {"-121dBm", 143},
    {"-120dBm", 142}, {"-119dBm", 141}, {"-118dBm", 139}, {"-117dBm", 137}, {"-116dBm", 135},
    {"-115dBm", 133}, {"-114dBm", 132}, {"-113dBm", 131}, {"-112dBm", 130}, {"-111dBm", 129}};
inline constexpr ChoiceList kLevelListB{kLevelsB, 0, "-110dBm"};

}  // namespace zf
