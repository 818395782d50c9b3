// Help and About: the help file beside the program, an HTML file of the
// program's own that the build puts there, handed to the desktop's opener
// ("xdg-open", looked up on PATH when help is asked for) at the section of
// what help was asked for; the About box.
#pragma once

#include <map>
#include <string>

#include "res/main_dialog.h"
#include "ui/wnd/wnd_layer.h"

// The help file: "px417.html" in the program's folder unless set otherwise.
inline constexpr const char* kHelpFileName = "px417.html";
std::string GetHelpFilePath();
void SetHelpFilePath(const std::string& path);

// The topic map: context ids that share a topic of the help file. Any other
// id is its own topic.
const std::map<DWORD, DWORD>& HelpTopicMap();
// The help topic of a context id: the topic map's entry, or the id itself.
DWORD HelpTopicOf(DWORD contextId);

// The sections of the help file are its elements' ids. The contents list at
// the file's top: where Help Topics opens, and where nothing better is known.
inline constexpr const char* kHelpContents = "contents";
// The section a topic has of its own; null when it has none.
const char* HelpSectionOfTopic(DWORD topic);
// The section of a page or dialog by its template id; null when it has none.
const char* HelpSectionOfTemplate(UINT templateId);
// The section help opens for a context id asked from a window (null: not
// known): the topic's own section, unless the topic belongs to another page
// than the one asked from (control ids are shared between pages); else the
// section of the nearest page or dialog up from the window; else the contents.
std::string HelpSectionFor(DWORD contextId, HWND asker);

// The desktop's opener of files, run with the help file's address, the
// section as its fragment.
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
