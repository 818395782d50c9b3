// The rules of the Files and Radio commands that need no window: the file
// dialogs' requests, the extension rules and the texts shown.
#pragma once

#include <string>

#include "ui/wnd/prompt.h"

// What the open and save dialogs are asked to show.
FileDialogRequest OpenFileRequest();
FileDialogRequest SaveFileRequest();
// True when the path ends in "X417" in any case (a path shorter than that does not).
bool HasX417Extension(const std::string& path);
// Appends ".X417" when the file's own name (not a folder above it) holds no dot.
std::string WithDefaultExtension(const std::string& path);
// "Problem opening file\n    %s\n\n   Press any key" with the path.
std::string ProblemOpeningFileText(const std::string& path);
// Shown by the radio commands while the program has no radio link.
inline constexpr const char* kLinkNotAvailable = "The radio link is not available in this version yet.";

class CWnd;

// The radio link's dialogs, as the program that has them provides them: each
// runs its dialog modally with the main window as owner. Without them the
// radio commands say that the link is not available.
class IRadioLinkCommands {
 public:
  virtual ~IRadioLinkCommands() = default;
  // True when a transfer completed (the image now holds the radio's data).
  virtual bool ReadFromRadio(CWnd* pOwner) = 0;
  // Runs the send (the DFA table is already filled for a VHF radio).
  virtual void SendToRadio(CWnd* pOwner) = 0;
  virtual void Alignment(CWnd* pOwner) = 0;
  virtual void AdjustmentRecover(CWnd* pOwner) = 0;
  // Shows the memory editor (a modeless window), or brings it forward.
  virtual void OpenRomEditor(CWnd* pOwner) = 0;
};
void SetRadioLinkCommands(IRadioLinkCommands* commands);
// Makes the link's dialogs carry out the radio commands (the tests set their own).
void InstallLinkDialogs();
