// Everything a person answers goes through one prompt service: message boxes,
// the file open and save dialogs, and the program's own modal prompt dialogs.
// Beeps go to one beep sink. The program uses the Qt implementation, which
// shows real dialogs and beeps; tests put a scripted one in its place
// (scripted_prompt.h) that answers from a queue and records what was shown.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

#include "model/model_host.h"
#include "ui/wnd/win_types.h"

class CDialog;
class QPrinter;

// File dialog flags.
inline constexpr DWORD OFN_READONLY = 0x0001;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x0002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x0004;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x0800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;

// Print dialog flags.
inline constexpr DWORD PD_ALLPAGES = 0x00000000;
inline constexpr DWORD PD_SELECTION = 0x00000001;
inline constexpr DWORD PD_PAGENUMS = 0x00000002;
inline constexpr DWORD PD_NOSELECTION = 0x00000004;
inline constexpr DWORD PD_NOPAGENUMS = 0x00000008;
inline constexpr DWORD PD_RETURNDC = 0x00000100;
inline constexpr DWORD PD_USEDEVMODECOPIES = 0x00040000;
inline constexpr DWORD PD_HIDEPRINTTOFILE = 0x00100000;

// What a print dialog was left with: the paper, its orientation, and a PDF
// file or the printer queue named.
struct PrintChoice {
  QPageSize paper;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  bool toFile = true;
  std::string printerName;  // when not to a file
};

// What a print dialog is asked to show.
struct PrintDialogRequest {
  DWORD flags = PD_ALLPAGES;
  int minPage = 1;
  int maxPage = 0xFFFF;
  // The PDF file offered when the job is printed to a file (an absolute
  // path); empty: "PX417.pdf" in the working folder.
  std::string fileName;
  // The choice the dialog starts from; none: the system's default paper and
  // printer (a PDF file when there is no printer queue).
  std::optional<PrintChoice> start;
};

// What a file dialog is asked to show.
struct FileDialogRequest {
  std::string title;
  // Description and pattern pairs separated by '|', as in
  // "PX62 Files (*.X417)|*.X417||"; several patterns are separated by ';'.
  std::string filter;
  std::string defaultExt;  // without the dot
  std::string initialDir;
  std::string fileName;    // the name offered at first
  DWORD flags = 0;
};

class IPromptService {
 public:
  virtual ~IPromptService() = default;
  // The MB_ type picks the buttons; the result is IDOK, IDCANCEL, IDYES, IDNO, ...
  virtual int MessageBox(CWnd* pOwner, const std::string& text, const std::string& caption, UINT nType) = 0;
  // The chosen path, or nothing when the person cancelled.
  virtual std::optional<std::string> GetOpenFileName(CWnd* pOwner, const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> GetSaveFileName(CWnd* pOwner, const FileDialogRequest& request) = 0;
  // Runs one of the program's own prompt dialogs modally; returns its result.
  virtual INT_PTR RunDialog(CDialog& dlg) = 0;
  // The print dialog: the printer chosen, set up as the person left it (page
  // range, copies), or null when they cancelled. (ext/print_dialog.cpp)
  virtual std::shared_ptr<QPrinter> PrintDialog(CWnd* pOwner, const PrintDialogRequest& request);
};

class IBeepSink {
 public:
  virtual ~IBeepSink() = default;
  virtual void MessageBeep(UINT nType) = 0;
};

// The services in use. Setting null puts the Qt ones back.
IPromptService& GetPromptService();
void SetPromptService(IPromptService* service);
IBeepSink& GetBeepSink();
void SetBeepSink(IBeepSink* sink);

// The caption of message boxes that name none.
void AfxSetAppName(const std::string& name);
const std::string& AfxGetAppName();

// A message box with the application's caption.
int AfxMessageBox(const std::string& text, UINT nType = MB_OK);
void MessageBeep(UINT nType);

// Real dialogs and the desktop's beep.
class CQtPromptService : public IPromptService, public IBeepSink {
 public:
  int MessageBox(CWnd* pOwner, const std::string& text, const std::string& caption, UINT nType) override;
  std::optional<std::string> GetOpenFileName(CWnd* pOwner, const FileDialogRequest& request) override;
  std::optional<std::string> GetSaveFileName(CWnd* pOwner, const FileDialogRequest& request) override;
  INT_PTR RunDialog(CDialog& dlg) override;
  // Shows the system's print dialog.
  std::shared_ptr<QPrinter> PrintDialog(CWnd* pOwner, const PrintDialogRequest& request) override;
  void MessageBeep(UINT nType) override;
};

// The name filters of a file dialog request in Qt's form. The patterns match
// regardless of case, so "*.X417" also lists "radio.x417".
QStringList QtNameFilters(const std::string& filter);

// Connects the data model's reports to the prompt service and beep sink: its
// messages become OK message boxes, its beeps MessageBeep(0). The shell derives
// from it to handle the rest of what the model reports.
class CPromptModelHost : public IModelHost {
 public:
  void ShowMessage(const std::string& text) override;
  void Beep() override;
};
