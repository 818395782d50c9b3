// Help and About: the help file beside the program, an HTML file of the
// program's own that the build puts there, handed to the desktop's opener
// ("xdg-open", looked up on PATH when help is asked for); the About box.
#pragma once

#include <string>

#include "res/main_dialog.h"
#include "ui/wnd/wnd_layer.h"

// The help file: "px417.html" in the program's folder unless set otherwise.
inline constexpr const char* kHelpFileName = "px417.html";
std::string GetHelpFilePath();
void SetHelpFilePath(const std::string& path);

// The help topic of a context id: the topic map's entry, or the id itself.
DWORD HelpTopicOf(DWORD contextId);

// The desktop's opener of files, run with the help file's address, the topic
// as its fragment.
inline constexpr const char* kHelpOpenerProgram = "xdg-open";

// "Not Exist Html Help File\n\n   File Path [ %s ]" with the path.
std::string MissingHelpFileText(const std::string& path);
// "No program to show the help file was found\n\n   File Path [ %s ]" with the
// path: the file is there, but there is no opener, or it ended without success.
std::string NoHelpProgramText(const std::string& path);

class CAboutDlg : public CDialog {
 public:
  enum { IDD = IDD_ABOUT };
  explicit CAboutDlg(CWnd* pParent = nullptr);
  BOOL OnInitDialog() override;
};
