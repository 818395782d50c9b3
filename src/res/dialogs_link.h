// The templates of the radio link's dialogs: the clone dialog (read from and
// send to a radio) and Adjustment Recover. Their ids and control ids are the
// ones the dialog classes bind.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

// The clone dialog and the recover dialog share their control ids.
inline constexpr UINT IDD_CLONE = 136;
inline constexpr UINT IDD_RECOVER = 233;

inline constexpr int IDC_LINK_LINE1 = 1009;     // first message line
inline constexpr int IDC_LINK_PROGRESS = 1010;  // progress bar
inline constexpr int IDC_LINK_LINE2 = 1011;     // second message line
inline constexpr int IDC_LINK_HEADING = 1012;
inline constexpr int IDC_LINK_STATUS = 1013;    // "Esc cancels" while a transfer runs
inline constexpr int IDC_LINK_BLOCK = 1019;     // block line
inline constexpr int IDC_CLONE_ESN = 1020;      // ESN line
inline constexpr int IDC_LINK_START = 1125;
inline constexpr int IDC_CLONE_ONE_BLOCK = 1126;    // "only one block"
inline constexpr int IDC_CLONE_BLOCK_NUMBER = 1127; // hexadecimal block number
inline constexpr int IDC_CLONE_BLOCK_RANGE = 1128;  // "H(0-..H)"
inline constexpr int IDC_LINK_SERIAL = 1129;    // serial-number edit of the prompts
inline constexpr int IDC_LINK_OK = 1506;
inline constexpr int IDC_CLONE_NEXT_RADIO = 1507;
inline constexpr int IDC_LINK_CONTINUE = 1508;  // ends a serial-number prompt

const DialogTemplate& CloneDialogTemplate();
const DialogTemplate& RecoverDialogTemplate();

// Registers both templates with the window layer by their ids. Only the first
// call registers; later calls do nothing.
void RegisterLinkDialogTemplates();
