#include "shell/dialogs/help_dlg.h"

#include <iterator>

namespace {

const char* const kGetStartedLines[] = {
    "GET STARTED",
    "",
    "(1)  Welcome to the PX417 programming software for the",
    "     Halvard TQ-5100 PassPort Transceiver.",
    "     The TQ-5100 PassPort radio has numerous features and the Option",
    "     units are available.",
    "     Please take a few minutes to read all of the",
    "     Help - Get Started file to gain a basic",
    "     understanding of these features and options.",
    "",
    "(2)  Review the software configuration settings under",
    "     Files - Configure. Select this item as appropriate for",
    "     your COM port, which connect the programming",
    "     cable connection.",
    "",
    "(3)  Before you attempt to write any programming data, it is",
    "     usually necessary to upload (read) the programming file",
    "     from the radio. This upload will pre-set necessary",
    "     configuration items, such as frequency band and optional",
    "     keypad settings, correctly for this radio, and it will",
    "     allow the programmer access into the necessary areas",
    "     of the software to program option-specific items. To",
    "     upload from the radio:",
    "",
    "     - Connect the LNK-4 programming cable or QAB-31C/RK-552B",
    "       between your 9-pin COM port or USB and the Microphone jack",
    "       on the TQ-5100 PassPort.",
    "     - Open \"Radio\" from the pull-down menus and select",
    "       \"Read from Radio\".",
    "     - Follow the instructions given on the screen. When the",
    "       \"read\" is in progress, the radio's display will read",
    "       \"PC-PROG\", and the computer screen will display",
    "       a count-up bar graph during the \"read\" function.",
    "     - Wait a few seconds until the software completes the",
    "       upload process.",
};

}  // namespace

CHelpDlg::CHelpDlg(CWnd* pParent) : CDialog(IDD, pParent) { RegisterSmallDialogTemplates(); }

std::string CHelpDlg::GetStartedText() {
  std::string text;
  for (auto it = std::begin(kGetStartedLines); it != std::end(kGetStartedLines); ++it) {
    if (it != std::begin(kGetStartedLines)) text += "\r\n";
    text += *it;
  }
  return text;
}

BOOL CHelpDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_HELP_TEXT, GetStartedText());
  // The text opens at its start with nothing selected (a dialog's first edit
  // would otherwise take the focus with all its text selected).
  if (auto* text = static_cast<CEdit*>(GetDlgItem(IDC_HELP_TEXT))) {
    text->SetFocus();
    text->SetSel(0, 0);
  }
  return FALSE;
}
