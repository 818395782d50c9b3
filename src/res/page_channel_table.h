// The template of the channel table page (dialog 173): fourteen channel
// columns in two blocks of seven, the Default Split above them. Control ids are
// the ones the page binds.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_CHANNEL_TABLE = 173;

namespace channel_ids {

inline constexpr int kColumns = 14;
inline constexpr int kPrev = 1283;
inline constexpr int kNext = 1284;
inline constexpr int kClose = 1211;  // in the template, not shown
inline constexpr int kSplit = 14970;
inline constexpr int kCaptions[kColumns] = {1285, 1286, 1287, 1288, 1289, 1290, 1291,
                                            1292, 1321, 1322, 1323, 1324, 1325, 1326};
inline constexpr int kEnable[kColumns] = {1296, 1300, 1304, 1308, 1312, 1316, 1320,
                                          1330, 1334, 1338, 1342, 1346, 1350, 1354};
inline constexpr int kRx[kColumns] = {12941, 12981, 13021, 13061, 13101, 13141, 13181,
                                      13281, 13321, 13361, 13401, 13441, 13481, 13521};
inline constexpr int kTx[kColumns] = {12931, 12971, 13011, 13051, 13091, 13131, 13171,
                                      13271, 13311, 13351, 13391, 13431, 13471, 13511};
inline constexpr int kSpace[kColumns] = {12951, 12991, 13031, 13071, 13111, 13151, 13191,
                                         13291, 13331, 13371, 13411, 13451, 13491, 13531};
inline constexpr int kEnableList = 1355;
inline constexpr int kSpaceList = 1423;

}  // namespace channel_ids

const DialogTemplate& ChannelTablePageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterChannelTablePageTemplate();
