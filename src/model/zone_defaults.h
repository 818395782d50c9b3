// The Default columns of the zone pages (the zone overview, the LTR system,
// LTR advanced features and interconnect pages): each Default value is a code
// in the model's zone Default record (zone_default_record.h) beside the zones'
// field that a Default commit writes, which zones that commit reaches, and the
// code the value starts at: its list's default entry, or "none".
#pragma once

#include <cstdint>
#include <span>

#include "model/dial_string.h"
#include "model/edit_model.h"
#include "model/field.h"
#include "model/ltr_id.h"
#include "model/trunk_fields.h"
#include "model/zone_fields.h"

// Which zones a Default commit writes. The LTR IDs, resume and data rise times
// share their bytes with the Connect Dial of a Conventional zone and the
// roaming timers and flags of a PassPort zone, so they reach LTR zones only;
// the home repeater shares its byte with a Conventional zone's Connect Dial,
// so it reaches the LTR and PassPort zones.
enum class Reach { AllZones, LtrZones, TrunkedZones };

struct ZoneDefault {
  BitField value;          // the Default value
  BitField zones;          // the zones' bits
  Reach reach = Reach::AllZones;
  std::uint32_t initial = 0;
};

template <ZoneDefaultSlot S>
std::uint8_t& ZoneDefaultCode(CEditModel& model, int) {
  return model.zoneDefaults.code[S];
}
// A Default value that starts at its list's default entry.
template <ZoneDefaultSlot S>
constexpr ZoneDefault DefaultOf(const BitField& zones, const ChoiceList& list, Reach reach = Reach::AllZones) {
  return {BitsOf<&ZoneDefaultCode<S>>(), zones, reach, list.CodeAt(list.defaultIndex)};
}
// A Default value with no list (an ID, a group, a digit) and the code it starts at.
template <ZoneDefaultSlot S>
constexpr ZoneDefault DefaultOf(const BitField& zones, std::uint32_t initial, Reach reach = Reach::AllZones) {
  return {BitsOf<&ZoneDefaultCode<S>>(), zones, reach, initial};
}

namespace overview {
inline constexpr ZoneDefault kTalkPermit = DefaultOf<kOverviewTalkPermitSlot>(zf::kTalkPermitTone, zf::kDisableEnableList);
inline constexpr ZoneDefault kLtrTalkPermit =
    DefaultOf<kOverviewLtrTalkPermitSlot>(zf::kTalkPermitTone, zf::kDisableEnableOnList);
inline constexpr ZoneDefault kTxTimeout = DefaultOf<kOverviewTimeoutSlot>(zf::kTxTimeout, zf::kTimerList);
inline constexpr ZoneDefault kTxPower = DefaultOf<kOverviewPowerSlot>(zf::kTxPower, zf::kTxPowerList);
inline constexpr ZoneDefault kRevertGroup = DefaultOf<kOverviewRevertSlot>(zf::kRevertGroup, zf::kNoRevertGroup);
inline constexpr ZoneDefault kDcc = DefaultOf<kOverviewDccSlot>(zf::kDcc, zf::kDccList);
// Its list offers "None" only: the home repeater of each zone it reaches none, and no slot's bits.
inline constexpr ZoneDefault kHomeRepeater =
    DefaultOf<kOverviewHomeRepeaterSlot>(zf::kHomeRepeater, 0, Reach::TrunkedZones);
inline constexpr ZoneDefault kGroupDecode =
    DefaultOf<kOverviewGroupDecodeSlot>(zf::kMultipleGroupDecode, zf::kDisableEnableList);
inline constexpr ZoneDefault kValues[] = {kTalkPermit, kLtrTalkPermit, kTxTimeout,   kTxPower,
                                          kRevertGroup, kDcc,          kHomeRepeater, kGroupDecode};
}  // namespace overview

namespace ltrsystem {
inline constexpr ZoneDefault kTxTimeout = DefaultOf<kLtrSystemTimeoutSlot>(zf::kTxTimeout, zf::kTimerList);
inline constexpr ZoneDefault kTxPower = DefaultOf<kLtrSystemPowerSlot>(zf::kTxPower, tf::kLtrTxPowerList);
inline constexpr ZoneDefault kRevertGroup = DefaultOf<kLtrSystemRevertSlot>(zf::kRevertGroup, zf::kNoRevertGroup);
inline constexpr ZoneDefault kValues[] = {kTxTimeout, kTxPower, kRevertGroup};
}  // namespace ltrsystem

namespace ltradv {
inline constexpr ZoneDefault kDataRiseTime =
    DefaultOf<kDataRiseTimeSlot>(tf::kDataRiseTime, tf::kDataRiseTimeList, Reach::LtrZones);
inline constexpr ZoneDefault kPrefixCode = DefaultOf<kPrefixCodeSlot>(tf::kPrefixCode, tf::kPrefixCodeList);
inline constexpr ZoneDefault kHangTime = DefaultOf<kHangTimeSlot>(tf::kChannelHangTime, tf::kHangTimeList);
inline constexpr ZoneDefault kFadeTime = DefaultOf<kFadeTimeSlot>(tf::kChannelFadeTime, tf::kFadeTimeList);
inline constexpr ZoneDefault kDecodeResumeTime =
    DefaultOf<kDecodeResumeTimeSlot>(tf::kDecodeResumeTime, tf::kResumeTimeList, Reach::LtrZones);
inline constexpr ZoneDefault kTxInhibitResumeTime =
    DefaultOf<kTxInhibitResumeTimeSlot>(tf::kTxInhibitResumeTime, tf::kResumeTimeList, Reach::LtrZones);
inline constexpr ZoneDefault kRxIdStart = DefaultOf<kRxIdStartSlot>(tf::kRxIdStart, kNoLtrId, Reach::LtrZones);
inline constexpr ZoneDefault kRxIdStop = DefaultOf<kRxIdStopSlot>(tf::kRxIdStop, kNoLtrId, Reach::LtrZones);
inline constexpr ZoneDefault kTxInhibitIdStart =
    DefaultOf<kTxInhibitIdStartSlot>(tf::kTxInhibitIdStart, kNoLtrId, Reach::LtrZones);
inline constexpr ZoneDefault kTxInhibitIdStop =
    DefaultOf<kTxInhibitIdStopSlot>(tf::kTxInhibitIdStop, kNoLtrId, Reach::LtrZones);
inline constexpr ZoneDefault kValues[] = {kDataRiseTime,     kPrefixCode, kHangTime, kFadeTime,         kDecodeResumeTime,
                                          kTxInhibitResumeTime, kRxIdStart, kRxIdStop, kTxInhibitIdStart, kTxInhibitIdStop};
}  // namespace ltradv

namespace interconnect {
inline constexpr ZoneDefault kTxTimeout = DefaultOf<kInterconnectTimeoutSlot>(zf::kInterconnectTxTimeout, zf::kTimerList);
inline constexpr ZoneDefault kPhoneInterconnect =
    DefaultOf<kPhoneInterconnectSlot>(zf::kPhoneInterconnect, zf::kDisableEnableList);
inline constexpr ZoneDefault kOnlyRx = DefaultOf<kOnlyRxSlot>(zf::kInterconnectOnlyRx, zf::kDisableEnableList);
inline constexpr ZoneDefault kAutoInterconnect =
    DefaultOf<kAutoInterconnectSlot>(zf::kAutoInterconnect, zf::kDisableEnableList);
inline constexpr ZoneDefault kDisconnectDial = DefaultOf<kDisconnectDialSlot>(zf::kDisconnectDial, kDialHash);
inline constexpr ZoneDefault kLtrId =
    DefaultOf<kInterconnectLtrIdSlot>(tf::kInterconnectLtrId, kNoLtrId, Reach::LtrZones);
inline constexpr ZoneDefault kValues[] = {kTxTimeout, kPhoneInterconnect, kOnlyRx, kAutoInterconnect, kDisconnectDial,
                                          kLtrId};
}  // namespace interconnect

// Sets each value to the code it starts at (a page does, when its object is made).
void ResetZoneDefaults(CEditModel& model, std::span<const ZoneDefault> values);
// Whether a Default commit of the value writes zone z.
bool Reaches(const CEditModel& model, const ZoneDefault& value, int z);
// A Default commit: the code into the Default value and into the zones' bits of
// every zone it reaches, used or not, shown or not; the other bits stay.
void CommitZoneDefault(CEditModel& model, const ZoneDefault& value, std::uint32_t code);
