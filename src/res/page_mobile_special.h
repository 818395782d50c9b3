// The template of the Mobile Special page (dialog 232): the miscellaneous
// settings of a mobile installation, the functions of the accessory ports of
// the DSUB-15 connector and its group switch table.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_MOBILE_SPECIAL = 232;

inline constexpr int IDC_MS_EXT_MIC_SENSE = 16310;
inline constexpr int IDC_MS_HORN_ALERT_TIME = 16320;
inline constexpr int IDC_MS_IGNITION_SENSE = 10490;
inline constexpr int IDC_MS_EXTERNAL_PTT = 10611;
inline constexpr int IDC_MS_AF_MIN_VR = 10621;
// ACC Port1..Port6: inputs (none on Port5) and outputs (none on Port6); 0 where the port has no such side.
inline constexpr int kMsPortInputs[6] = {10330, 10350, 10371, 10392, 0, 10410};
inline constexpr int kMsPortOutputs[6] = {10340, 10360, 10380, 10402, 10421, 0};
inline constexpr int IDC_MS_SWITCH_ZONE = 10430;
// Switch positions #0..#15.
inline constexpr int kMsSwitchGroups[16] = {10440, 1045, 1046, 1047, 1048, 1050, 1051, 1052,
                                            1053,  1054, 1055, 1056, 1057, 1058, 1059, 1060};

// Group captions, drawn in bold.
inline constexpr int IDC_MS_GRP_MISC = 1424;
inline constexpr int IDC_MS_GRP_PORT = 1426;
inline constexpr int IDC_MS_GRP_SWITCH = 1427;

const DialogTemplate& MobileSpecialPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterMobileSpecialPageTemplate();
