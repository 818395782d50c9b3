// The template of the Global 1 page (dialog 139) and the string-table texts of
// its captions. Control ids are the ones the page class binds.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_GLOBAL1 = 139;

// Choice lists.
inline constexpr int IDC_G1_MODEL = 1026;
inline constexpr int IDC_G1_LCD_ANGLE = 1027;
inline constexpr int IDC_G1_CONFIGURE = 1028;
inline constexpr int IDC_G1_BACK_LIGHT = 1029;
inline constexpr int IDC_G1_DIMMER = 1030;
inline constexpr int IDC_G1_SCAN_BEEP_AUDIBLE = 1031;
inline constexpr int IDC_G1_CONTRAST = 1032;
inline constexpr int IDC_G1_MIC_SENS = 1033;
inline constexpr int IDC_G1_BEEP_LEVEL = 1034;
inline constexpr int IDC_G1_POWER_ON_TONE = 1039;
inline constexpr int IDC_G1_CONTROLS_TONES = 1040;
inline constexpr int IDC_G1_FUNCTIONAL_TONES = 1041;  // hidden
inline constexpr int IDC_G1_TPAC_BEEP = 1043;
inline constexpr int IDC_G1_LOW_BATTERY = 1044;   // hidden
inline constexpr int IDC_G1_HIGH_BATTERY = 1045;  // hidden
inline constexpr int IDC_G1_LOCK_RESTRICTION = 1049;  // hidden
inline constexpr int IDC_G1_OFF_HOOK_SCAN = 1053;
inline constexpr int IDC_G1_OFF_HOOK_MONITOR = 1054;
inline constexpr int IDC_G1_OFF_HOOK_HORN = 1055;
inline constexpr int IDC_G1_SYSTEM_SCAN = 1056;  // hidden
inline constexpr int IDC_G1_DUAL_WATCH_A = 1058;
inline constexpr int IDC_G1_DUAL_WATCH_B = 1059;
inline constexpr int IDC_G1_SCAN_RESUME_RX = 1060;
inline constexpr int IDC_G1_SCAN_RESUME_TX = 1061;
inline constexpr int IDC_G1_HOME_GRP_SCAN = 1062;
inline constexpr int IDC_G1_SCAN_EDIT = 1063;  // hidden
inline constexpr int IDC_G1_SCAN_BEEP_SCAN = 1064;
inline constexpr int IDC_G1_ZONE_SCAN = 1065;
inline constexpr int IDC_G1_REVERT_GROUP = 1066;
inline constexpr int IDC_G1_TALK_BACK = 1067;
inline constexpr int IDC_G1_SCAN_DISPLAY = 1068;
inline constexpr int IDC_G1_ROTARY_SWITCH = 1586;
inline constexpr int IDC_G1_APO_TIME = 1590;  // hidden
inline constexpr int IDC_G1_RX_SAVE = 1591;
inline constexpr int IDC_G1_LOW_BATTERY_ALERT = 1592;
inline constexpr int IDC_G1_OPTION_BOARD = 1593;
// Edits.
inline constexpr int IDC_G1_PASSWORD = 1002;
inline constexpr int IDC_G1_LED_ON = 1626;
inline constexpr int IDC_G1_LED_OFF = 1627;

// Group captions, drawn in bold.
inline constexpr int IDC_G1_GRP_MODEL = 1425;
inline constexpr int IDC_G1_GRP_DISPLAY = 1424;
inline constexpr int IDC_G1_GRP_AUDIBLE = 1426;
inline constexpr int IDC_G1_GRP_MIC_HOOK = 1428;
inline constexpr int IDC_G1_GRP_SCAN = 1429;
inline constexpr int IDC_G1_GRP_PASSWORD = 1430;
inline constexpr int IDC_G1_GRP_HANDHELD = 1431;
inline constexpr int IDC_G1_GRP_POWER_SAVING = 1432;
inline constexpr int IDC_G1_GRP_OPTION_BOARD = 1433;

const DialogTemplate& Global1PageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterGlobal1PageTemplate();
