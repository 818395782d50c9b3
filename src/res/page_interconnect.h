// The template of the interconnect page (dialog 168): the telephone
// interconnect settings of the zones five at a time beside a Default column.
// Control ids are the ones the page binds; index k is zone column k + 1.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_INTERCONNECT = 168;

namespace interconnect_ids {

inline constexpr int kPrev = 1079;
inline constexpr int kNext = 1080;
inline constexpr int kClose = 1211;
inline constexpr int kDefaultCaption = 1542;
inline constexpr int kCaptions[5] = {1081, 1082, 1083, 1084, 1085};

inline constexpr int kTimeoutDefault = 11240;
inline constexpr int kTimeout[5] = {11370, 11380, 11390, 11400, 11410};
inline constexpr int kPhoneDefault = 11250;
inline constexpr int kPhone[5] = {11430, 11440, 11450, 11460, 11470};
inline constexpr int kConnectDial[5] = {11550, 11560, 11570, 11580, 11590};
inline constexpr int kLabelLtrId = 1428;
inline constexpr int kLtrId[5] = {1149, 1150, 1151, 1152, 1153};
inline constexpr int kDisconnectDefault = 11280;
inline constexpr int kDisconnect[5] = {11610, 11620, 11630, 11640, 11650};
inline constexpr int kOnlyRxDefault = 11290;
inline constexpr int kOnlyRx[5] = {11670, 11680, 11690, 11700, 11710};
inline constexpr int kAutoDefault = 11300;
inline constexpr int kAuto[5] = {11750, 11730, 11740, 11760, 11770};

// The popup list every row drops down (filled for the row that opens it).
inline constexpr int kPopupList = 1319;

}  // namespace interconnect_ids

const DialogTemplate& InterconnectPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterInterconnectPageTemplate();
