// The templates of the two Key Assignment pages: dialog 142, the front-panel
// keys of a production-type-11 radio, and dialog 215, the side switches and
// keys of the others. Both hold twelve key buttons (a press row and a press and
// hold row), the hidden function list and a picture of the radio.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_KEY_ASSIGN_PANEL = 142;
inline constexpr UINT IDD_KEY_ASSIGN_SIDE = 215;

// The buttons of slots 0..11: the press of keys 0..5, then their press and hold.
inline constexpr int kPanelKeyButtons[12] = {1486, 1487, 1488, 1500, 1489, 1490,
                                             1491, 1503, 1492, 1493, 1494, 1498};
inline constexpr int kSideKeyButtons[12] = {1486, 1487, 1488, 1500, 1489, 1490,
                                            1491, 1503, 1492, 1493, 1494, 1495};
inline constexpr int IDC_KEY_FUNCTION_LIST = 1496;
inline constexpr int IDC_KEY_PICTURE = 1579;

// Panel page captions (bold).
inline constexpr int IDC_KEY_PRESS_ROW = 1618;
inline constexpr int IDC_KEY_HOLD_ROW = 1619;
inline constexpr int IDC_KEY_HEAD_FIRST = 1620;  // "P1" .. "Down": 1620 .. 1625
// Side page captions.
inline constexpr int IDC_KEY_SIDE_PRESS = 1437;
inline constexpr int IDC_KEY_SIDE_HOLD = 1438;

const DialogTemplate& KeyAssignPanelTemplate();
const DialogTemplate& KeyAssignSideTemplate();
// Registers both templates and the pictures' control classes; only the first call does.
void RegisterKeyAssignTemplates();
