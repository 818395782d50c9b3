// The template of the Global 2 page (dialog 140): the emergency function, the
// power-on status, the transmission guard, the TPAC options, the radio's
// advanced settings and the special zones and groups. The ids are the ones
// CGlobal2Page binds.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_GLOBAL2 = 140;

// Choice lists.
inline constexpr int IDC_G2_LOCK_OUT = 1035;
inline constexpr int IDC_G2_TX_TIME = 10370;
inline constexpr int IDC_G2_RX_TIME = 10400;
inline constexpr int IDC_G2_AF_MUTE = 10390;
inline constexpr int IDC_G2_DISPLAY = 10681;
inline constexpr int IDC_G2_LCD = 10620;
inline constexpr int IDC_G2_LED = 10280;
inline constexpr int IDC_G2_LED_BLINK = 10690;
inline constexpr int IDC_G2_LED_COLOR = 10701;
inline constexpr int IDC_G2_KEY_INHIBIT = 10711;
inline constexpr int IDC_G2_RECEIVER_FLASH = 1072;  // hidden
inline constexpr int IDC_G2_SILENT_MODE = 10731;
inline constexpr int IDC_G2_EMERGENCY_TIME = 1052;
inline constexpr int IDC_G2_EMRG_KEY_HOLD = 10290;
inline constexpr int IDC_G2_MICROPHONE = 1030;  // hidden
inline constexpr int IDC_G2_POWER_ON = 10310;
inline constexpr int IDC_G2_TOT_PENALTY = 10320;
inline constexpr int IDC_G2_TOT_RELEASE = 10480;
inline constexpr int IDC_G2_SIGNAL_DECODE = 1033;  // hidden
inline constexpr int IDC_G2_SQL_TAIL = 1044;       // hidden
inline constexpr int IDC_G2_TPAC_BEEP = 10450;
inline constexpr int IDC_G2_TPAC_TX_TIME = 10460;
inline constexpr int IDC_G2_TPAC_MODE = 10741;
inline constexpr int IDC_G2_KEY_HOLD = 1049;  // hidden
inline constexpr int IDC_G2_SQL_OFFSET = 10420;
inline constexpr int IDC_G2_CLONE = 10540;  // always disabled
inline constexpr int IDC_G2_PTT_INTERLOCK = 10560;
inline constexpr int IDC_G2_DATA_MODE = 10660;
inline constexpr int IDC_G2_TEST_MODE = 1047;  // hidden, empty

// Zone and group pairs.
inline constexpr int IDC_G2_EMRG_ZONE = 10590;
inline constexpr int IDC_G2_EMRG_GROUP = 10600;
inline constexpr int IDC_G2_HOME_ZONE = 10500;
inline constexpr int IDC_G2_HOME_GROUP = 1055;
inline constexpr int IDC_G2_SC1_ZONE = 10510;
inline constexpr int IDC_G2_SC1_GROUP = 1057;
inline constexpr int IDC_G2_SC2_ZONE = 10530;
inline constexpr int IDC_G2_SC2_GROUP = 1058;
inline constexpr int IDC_G2_SC3_ZONE = 10610;
inline constexpr int IDC_G2_SC3_GROUP = 1063;
inline constexpr int IDC_G2_SC4_ZONE = 10640;
inline constexpr int IDC_G2_SC4_GROUP = 1065;
inline constexpr int IDC_G2_DATA_ZONE = 10671;
inline constexpr int IDC_G2_DATA_GROUP = 1223;

// The emergency code.
inline constexpr int IDC_G2_CODE = 1423;

// Captions the page sets itself; the group captions are drawn bold.
inline constexpr int IDC_G2_CAP_EMERGENCY = 1424;
inline constexpr int IDC_G2_CAP_ZONE_GROUP = 1543;
inline constexpr int IDC_G2_CAP_LOCK_OUT = 1544;
inline constexpr int IDC_G2_CAP_CODE = 1545;
inline constexpr int IDC_G2_CAP_TX_TIME = 1546;
inline constexpr int IDC_G2_CAP_RX_TIME = 1547;
inline constexpr int IDC_G2_CAP_AF_MUTE = 1548;
inline constexpr int IDC_G2_CAP_LCD = 1549;
inline constexpr int IDC_G2_CAP_LED = 1550;
inline constexpr int IDC_G2_CAP_EMERGENCY_TIME = 1551;
inline constexpr int IDC_G2_CAP_EMRG_KEY_HOLD = 1552;
inline constexpr int IDC_G2_CAP_POWER_ON = 1426;
inline constexpr int IDC_G2_CAP_TX_GUARD = 1427;
inline constexpr int IDC_G2_CAP_TOT_PENALTY = 1554;
inline constexpr int IDC_G2_CAP_TOT_RELEASE = 1555;
inline constexpr int IDC_G2_CAP_TPAC = 1429;
inline constexpr int IDC_G2_CAP_TPAC_BEEP = 12400;
inline constexpr int IDC_G2_CAP_TPAC_TX_TIME = 12460;
inline constexpr int IDC_G2_CAP_ADVANCED = 1430;
inline constexpr int IDC_G2_CAP_KEY_HOLD = 1557;
inline constexpr int IDC_G2_CAP_SQL_OFFSET = 1558;
inline constexpr int IDC_G2_CAP_TEST_MODE = 1559;
inline constexpr int IDC_G2_CAP_CLONE = 1560;
inline constexpr int IDC_G2_CAP_PTT_INTERLOCK = 1561;
inline constexpr int IDC_G2_CAP_HOME = 1431;
inline constexpr int IDC_G2_CAP_ZONE = 1562;
inline constexpr int IDC_G2_CAP_GROUP = 1563;
inline constexpr int IDC_G2_CAP_SC1 = 1432;
inline constexpr int IDC_G2_CAP_SC2 = 1434;
inline constexpr int IDC_G2_CAP_SC3 = 1433;
inline constexpr int IDC_G2_CAP_SC4 = 1438;
inline constexpr int IDC_G2_CAP_DATA = 1435;
inline constexpr int IDC_G2_CAP_SPECIAL = 1436;  // the "Special Zone/Group" box

const DialogTemplate& Global2PageTemplate();
// Registers the template with the window layer by its id; only the first call
// registers.
void RegisterGlobal2PageTemplate();
