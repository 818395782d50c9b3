// The main dialog's resources: the dialog template 102 with its tab control,
// the About box 100, menu 131, accelerator table 138 and the string table.
#pragma once

#include <string>

#include "ui/page/page_pattern.h"
#include "ui/wnd/win_types.h"

struct DialogTemplate;

// Main dialog.
inline constexpr UINT IDD_MAIN = 102;
inline constexpr int IDC_SERIAL_EDIT = 1044;
inline constexpr int IDC_FILE_LABEL = 1519;
inline constexpr int IDC_MODEL_LABEL = 1520;
inline constexpr int IDC_ESN_EDIT = 1521;
inline constexpr int IDC_MAIN_TAB = 1024;
inline constexpr int IDC_SIZE_GRIP = IDC_PAGE_SIZEGRIP;  // the pages' id of a size grip
inline constexpr int IDC_TOOLBAR = 59392;

// About box.
inline constexpr UINT IDD_ABOUT = 100;
inline constexpr int IDC_ABOUT_TITLE = 1572;
inline constexpr int IDC_ABOUT_SUBTITLE = 1573;

// Menu, accelerators, icon.
inline constexpr UINT IDR_MAIN_MENU = 131;
inline constexpr UINT IDR_MAIN_ACCEL = IDR_ACCELERATOR;  // 138
inline constexpr UINT IDR_MAINFRAME = 128;

// Commands of menu 131 (and the ids that share a handler with no menu item).
inline constexpr UINT ID_FILE_OPEN_X = 32775;
inline constexpr UINT ID_FILE_OPEN_ALT = 57601;
inline constexpr UINT ID_FILE_SAVE_X = 32776;
inline constexpr UINT ID_FILE_SAVE_ALT = 57603;
inline constexpr UINT ID_FILE_CONFIGURE = 32823;
inline constexpr UINT ID_FILE_EXIT = 32779;
inline constexpr UINT ID_RADIO_READ = 32771;
inline constexpr UINT ID_RADIO_READ_ALT = 32871;
inline constexpr UINT ID_RADIO_SEND = 32773;
inline constexpr UINT ID_RADIO_SEND_ALT = 32872;
inline constexpr UINT ID_RADIO_ALIGNMENT = 32866;
inline constexpr UINT ID_RADIO_RECOVER = 32818;
inline constexpr UINT ID_PAGE_GLOBAL1 = 32785;
inline constexpr UINT ID_PAGE_GLOBAL2 = 32786;
inline constexpr UINT ID_PAGE_MOBILE_SPECIAL = 32817;
inline constexpr UINT ID_PAGE_KEY_ASSIGN = 32787;
inline constexpr UINT ID_PAGE_ZONE_ALT = 32788;
inline constexpr UINT ID_PAGE_ZONE = 32789;
inline constexpr UINT ID_PAGE_SEL_CALL = 32819;
inline constexpr UINT ID_PAGE_SEED = 32820;
inline constexpr UINT ID_PAGE_DTMF = 32790;
inline constexpr UINT ID_PAGE_FIVE_TONE = 32867;
inline constexpr UINT ID_PRINT_GLOBAL = 32800;
inline constexpr UINT ID_PRINT_ZONE = 32801;
inline constexpr UINT ID_PRINT_DTMF = 32864;
inline constexpr UINT ID_PRINT_KEY = 32863;
inline constexpr UINT ID_PRINT_FIVE_TONE_COMMON = 32875;
inline constexpr UINT ID_PRINT_FIVE_TONE_CODES = 32876;
inline constexpr UINT ID_PRINT_SEED = 32822;
inline constexpr UINT ID_PRINT_SEL_CALL = 32821;
// The channel table sheet has a command but no menu item.
inline constexpr UINT ID_PRINT_CHANNELS = 32862;
inline constexpr UINT ID_HELP_TOPICS = 32791;
inline constexpr UINT ID_HELP_TOPICS_ALT = 32874;
inline constexpr UINT ID_HELP_GET_STARTED = 32793;
inline constexpr UINT ID_HELP_ABOUT = 32794;
inline constexpr UINT ID_SET_ZONE_FLAG = 32781;
inline constexpr UINT ID_CLEAR_ZONE_FLAG = 32782;
inline constexpr UINT ID_SET_GROUP_IN_USE = 32783;
inline constexpr UINT ID_CLEAR_GROUP_IN_USE = 32784;
inline constexpr UINT IDM_ABOUTBOX = 0x0010;
inline constexpr UINT ID_HELP = 57670;

// String table.
inline constexpr UINT IDS_ABOUTBOX = 101;
inline constexpr UINT AFX_IDP_ASK_TO_SAVE = 61699;

const DialogTemplate& MainDialogTemplate();
const DialogTemplate& AboutDialogTemplate();

// The text of a string-table entry; empty when there is none.
std::string LoadResString(UINT id);

// Registers the two templates and menu 131 with the window layer (table 138
// comes with the page framework). Only the first call registers.
void RegisterMainDialogResources();
