// Help and About: the help file beside the program, an HTML file of the
// program's own that the build puts there, opened with the desktop's handler
// (a help context id is folded to its topic, which the desktop cannot be
// handed); the About box.
#pragma once

#include <functional>
#include <string>

#include "res/main_dialog.h"
#include "ui/wnd/wnd_layer.h"

// The help file: "px417.html" in the program's folder unless set otherwise.
inline constexpr const char* kHelpFileName = "px417.html";
std::string GetHelpFilePath();
void SetHelpFilePath(const std::string& path);

// Opens the help file at a topic (false when it could not); the default hands
// the file to the desktop.
using HelpOpener = std::function<bool(const std::string& path, DWORD topic)>;
void SetHelpOpener(HelpOpener opener);

// The help topic of a context id: the topic map's entry, or the id itself.
DWORD HelpTopicOf(DWORD contextId);

// "Not Exist Html Help File\n\n   File Path [ %s ]" with the path.
std::string MissingHelpFileText(const std::string& path);
// "Can't Open Html Help File\n\n   File Path [ %s ]" with the path: the file is
// there, but nothing on the desktop opens it.
std::string UnopenedHelpFileText(const std::string& path);

class CAboutDlg : public CDialog {
 public:
  enum { IDD = IDD_ABOUT };
  explicit CAboutDlg(CWnd* pParent = nullptr);
  BOOL OnInitDialog() override;
};
