// The templates of the two 5-Tone dialogs: "5-Tone" common/system settings
// (dialog 225) and "5-Tone" encode/decode lists (dialog 226). The ids are the
// ones CFiveToneDlg and CFiveToneListDlg bind.
#pragma once

#include <span>

#include "ui/wnd/win_types.h"

struct DialogTemplate;

// Common/system: sixteen lists, three groups of five digit check boxes, three delays.
inline constexpr UINT IDD_FIVE_TONE_SYSTEM = 225;
inline constexpr int IDC_FT_TAG_DISPLAY = 15900;
inline constexpr int IDC_FT_ANI_DISPLAY = 15910;
inline constexpr int IDC_FT_GROUP_TONE = 15920;
inline constexpr int IDC_FT_REPEAT_TONE = 15930;
inline constexpr int IDC_FT_AUTO_RESET_BEEP = 16060;
inline constexpr int IDC_FT_PTT_CALL = 16040;
inline constexpr int IDC_FT_CALL1_ENCODE = 16100;
inline constexpr int IDC_FT_CALL2_ENCODE = 16110;
inline constexpr int IDC_FT_BEEP_REPEAT = 1608;  // hidden, with its caption
inline constexpr int IDC_FT_AUTO_RESET = 16120;
inline constexpr int IDC_FT_PTT_SW_AF_OPEN = 16180;
inline constexpr int IDC_FT_MONITOR_SW = 16140;
inline constexpr int IDC_FT_CHANNEL_SW = 16160;
inline constexpr int IDC_FT_ANI_TRANSMISSION = 16170;
inline constexpr int IDC_FT_TONE_TABLE = 16130;
inline constexpr int IDC_FT_CALL_ENCODE_TONE = 16150;
inline constexpr int IDC_FT_BEEP_REPEAT_CAPTION = 1609;
// Digits 1..5 of each group.
inline constexpr int kFtDisplayDigitIds[5] = {15940, 1595, 1596, 1597, 1598};
inline constexpr int kFtCompareDigitIds[5] = {15990, 1600, 1601, 1602, 1603};
inline constexpr int kFtDecodeCodeIds[5] = {16190, 1620, 1621, 1622, 1623};
// The delays, in ms.
inline constexpr int IDC_FT_EXTENDED_FIRST_TONE = 16050;
inline constexpr int IDC_FT_LEAD_IN_DELAY = 16070;
inline constexpr int IDC_FT_LEAD_OUT_DELAY = 16090;

// Encode/decode: the three grids and the editor laid over their cells.
inline constexpr UINT IDD_FIVE_TONE_LISTS = 226;
inline constexpr int IDC_FT_ENCODE_GRID = 1595;
inline constexpr int IDC_FT_DECODE_GRID = 1596;
inline constexpr int IDC_FT_SPECIAL_GRID = 1597;  // STUN, KILL, REVIVE
inline constexpr int IDC_FT_LIST_EDIT = 1584;     // hidden until a cell is edited

// A column of a grid of the encode/decode dialog as the template draws it: its
// least width in twips and the texts of the two heading rows (neighbouring equal
// texts show as one heading).
struct FiveToneGridColumn {
  long width;
  const char* heading[2];
};
// The columns of the encode, decode or STUN/KILL/REVIVE grid, column 0 (the
// row labels) first; the STUN/KILL/REVIVE grid has no heading rows (null texts).
std::span<const FiveToneGridColumn> FiveToneGridColumns(int gridId);

const DialogTemplate& FiveToneSystemDialogTemplate();
const DialogTemplate& FiveToneListDialogTemplate();
// Registers both templates (and the grid control); only the first call registers.
void RegisterFiveToneDialogTemplates();
