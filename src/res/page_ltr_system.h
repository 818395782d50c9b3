// The template of the LTR system page (dialog 163): the zones five at a time
// with the rows an LTR trunked zone needs. Control ids are the ones the page
// binds; index k is zone column k + 1.
#pragma once

#include "res/page_zone_overview.h"
#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_LTR_SYSTEM = 163;

namespace ltr_system_ids {

// The arrows, captions, the rows both pages show, the popup list, the buttons
// and the heading keep the zone overview's ids.
using zone_ids::kPrev, zone_ids::kNext, zone_ids::kDefaultCaption, zone_ids::kCaptions;
using zone_ids::kOnOff, zone_ids::kGroupCounts, zone_ids::kFormat, zone_ids::kAlias;
using zone_ids::kTimeoutDefault, zone_ids::kTimeout, zone_ids::kPowerDefault, zone_ids::kPower;
using zone_ids::kRevertDefault, zone_ids::kRevert;
using zone_ids::kPopupList, zone_ids::kInterconnect, zone_ids::kLtrAdvanced, zone_ids::kGroups, zone_ids::kHeading;
// The overview's DCC cells hold the AREA code here, its Features buttons lead to the repeaters.
inline constexpr const int (&kAreaCode)[5] = zone_ids::kDcc;
inline constexpr const int (&kRepeaters)[5] = zone_ids::kFeatures;

inline constexpr int kZoneScanCells[5] = {1118, 1121, 1122, 1123, 1124};
using zone_ids::kHomeRepeater, zone_ids::kGroupDecode;
inline constexpr const int (&kTalkPermit)[5] = zone_ids::kLtrTalkPermit;
inline constexpr int kScanWords[5] = {1226, 1227, 1228, 1229, 1230};

}  // namespace ltr_system_ids

const DialogTemplate& LtrSystemPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterLtrSystemPageTemplate();
