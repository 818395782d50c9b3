// The template of the memory editor ("PX280 ROM EDIT"): the dump of one block,
// the block buttons and number, and the radio and file commands. Its ids are
// the ones CRomEditDlg binds.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_ROM_EDIT = 137;
inline constexpr int IDC_ROM_DUMP = 1014;          // the dump of the block, multi-line
inline constexpr int IDC_ROM_COLUMN_HEADER = 1013;  // the byte numbers above the dump
inline constexpr int IDC_ROM_BLOCK_NUMBER = 1051;   // "%.2Xh"
inline constexpr int IDC_ROM_UP = 1016;
inline constexpr int IDC_ROM_DOWN = 1017;
inline constexpr int IDC_ROM_TOP = 1018;
inline constexpr int IDC_ROM_BOTTOM = 1019;
inline constexpr int IDC_ROM_READ = 1020;
inline constexpr int IDC_ROM_SEND = 1021;
inline constexpr int IDC_ROM_FILE_LOAD = 1022;
inline constexpr int IDC_ROM_FILE_SAVE = 1023;

const DialogTemplate& RomEditDialogTemplate();

// Registers the template with the window layer by its id. Only the first call
// registers; later calls do nothing.
void RegisterRomEditDialogTemplate();
