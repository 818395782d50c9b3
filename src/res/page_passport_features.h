// The template of the PassPort system features page (dialog 111): the system
// feature switches, the roaming timers, the RSSI features and the zone's option
// bits. Control ids are the ones the page binds.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_PASSPORT_FEATURES = 111;

namespace passport_ids {

// System Features.
inline constexpr int kDisableRoam = 16240;
inline constexpr int kAtbRingBack = 16250;
inline constexpr int kPpGroupScan = 16260;
inline constexpr int kInterconnectCompanding = 16270;
inline constexpr int kDisablePrimaryPriority = 16280;
inline constexpr int kHomeLookback = 16380;
inline constexpr int kLookbackTimeLabel = 1435;
inline constexpr int kLookbackTime = 18340;
inline constexpr int kLookbackRssiOn = 16350;  // the check box "RSSI for home lookback"
inline constexpr int kLookbackRssi = 18370;    // its level list
// Roaming Timers.
inline constexpr int kRoamStartDelay = 18200;
inline constexpr int kRoamSearchSpeed = 18210;
inline constexpr int kRegResumeTime = 18220;
inline constexpr int kRoamPowerUpDelay = 18230;
// RSSI features.
inline constexpr int kRssiThreshold = 16300;
inline constexpr int kRssiDuringReceive = 16311;
inline constexpr int kRssiThresholdArea = 16321;
inline constexpr int kRssiAutoEnable = 16330;
inline constexpr int kDurationLabel = 1434;
inline constexpr int kDuration = 18330;
inline constexpr int kRegisteredLabel = 1428;
inline constexpr int kRegisteredRssi = 18350;
inline constexpr int kOsmLabel = 1429;
inline constexpr int kOsmRssi = 18360;
// Option.
inline constexpr int kRxDataInverted = 16220;
inline constexpr int kTxDataInverted = 16230;
inline constexpr int kBand5b = 16390;
inline constexpr int kPreferLastChannel = 16400;

// Hidden: switches the page keeps but never shows, and the dBm references of
// the three level lists (the level plus the radio's RSSI offset).
inline constexpr int kFixedDcc = 1629;
inline constexpr int kSingleSite = 1634;
inline constexpr int kStrongestSite = 1636;
inline constexpr int kLookbackRssiRef = 1586;
inline constexpr int kRegisteredRssiRef = 1584;
inline constexpr int kOsmRssiRef = 1585;

inline constexpr int kZoneNumber = 1620;
inline constexpr int kZoneAlias = 1621;
inline constexpr int kClose = 1211;

}  // namespace passport_ids

const DialogTemplate& PassPortFeaturePageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterPassPortFeaturePageTemplate();
