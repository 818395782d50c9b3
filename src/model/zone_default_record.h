// The Default values of the zone pages' Default columns: one code per Default
// cell, named by its slot. They are no part of the image, the data file or a
// reset of the model; each page sets its own to their initial codes when the
// page object is made (ResetZoneDefaults, zone_defaults.h) and they keep the
// person's choices for as long as the page object lives.
#pragma once

#include <array>
#include <cstdint>

enum ZoneDefaultSlot : int {
  // The zone overview.
  kOverviewTalkPermitSlot,
  kOverviewLtrTalkPermitSlot,
  kOverviewTimeoutSlot,
  kOverviewPowerSlot,
  kOverviewRevertSlot,
  kOverviewDccSlot,
  kOverviewHomeRepeaterSlot,
  kOverviewGroupDecodeSlot,
  // The LTR system page.
  kLtrSystemTimeoutSlot,
  kLtrSystemPowerSlot,
  kLtrSystemRevertSlot,
  // The LTR advanced features page.
  kDataRiseTimeSlot,
  kPrefixCodeSlot,
  kHangTimeSlot,
  kFadeTimeSlot,
  kDecodeResumeTimeSlot,
  kTxInhibitResumeTimeSlot,
  kRxIdStartSlot,
  kRxIdStopSlot,
  kTxInhibitIdStartSlot,
  kTxInhibitIdStopSlot,
  // The interconnect page.
  kInterconnectTimeoutSlot,
  kPhoneInterconnectSlot,
  kOnlyRxSlot,
  kAutoInterconnectSlot,
  kDisconnectDialSlot,
  kInterconnectLtrIdSlot,
  kZoneDefaultSlots
};

struct CZoneDefaultRecord {
  std::array<std::uint8_t, kZoneDefaultSlots> code{};
};
