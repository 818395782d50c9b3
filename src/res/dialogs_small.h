// The templates of the shell's small dialogs: Configuration, HELP, the access
// code prompt, the radio password prompt and System Data Copy. Their ids and
// control ids are the ones the dialog classes bind.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

// Configuration: the COM port of the programming cable.
inline constexpr UINT IDD_CONFIG = 116;
inline constexpr int IDC_COM_CAPTION = 1835;
inline constexpr int IDC_COM_LIST = 1836;
inline constexpr int IDC_COM_GROUP = 1837;  // hidden, with the four hidden radio buttons
inline constexpr int IDC_COM_RADIO1 = 1838;
inline constexpr int IDC_COM_RADIO2 = 1842;
inline constexpr int IDC_COM_RADIO3 = 1843;
inline constexpr int IDC_COM_RADIO4 = 1844;

// HELP: the getting-started text.
inline constexpr UINT IDD_HELP = 214;
inline constexpr int IDC_HELP_TEXT = 1583;

// PASSWORD: the access code of a privileged mode.
inline constexpr UINT IDD_PASSWORD = 130;
inline constexpr int IDC_PASSWORD_EDIT = 1002;

// Password: the password of a protected radio.
inline constexpr UINT IDD_RADIO_PASSWORD = 103;
inline constexpr int IDC_RADIO_PASSWORD_EDIT = 1073;

// System Data Copy: the system a trunked system's data is copied to.
inline constexpr UINT IDD_SYSTEM_COPY = 193;
inline constexpr int IDC_COPY_SOURCE_CAPTION = 1424;
inline constexpr int IDC_COPY_DEST_CAPTION = 1426;
inline constexpr int IDC_COPY_DEST_LIST = 1498;
inline constexpr int IDC_COPY_SOURCE_TEXT = 1499;

const DialogTemplate& ConfigDialogTemplate();
const DialogTemplate& HelpDialogTemplate();
const DialogTemplate& PasswordDialogTemplate();
const DialogTemplate& RadioPasswordDialogTemplate();
const DialogTemplate& SystemCopyDialogTemplate();

// Registers the five templates with the window layer by their ids. Only the
// first call registers; later calls do nothing.
void RegisterSmallDialogTemplates();
