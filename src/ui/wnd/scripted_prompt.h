// A prompt service and beep sink for tests: it shows nothing, answers every
// prompt from a queue of prepared answers, and records what was asked and how
// often the program beeped. While an object of it lives it is the prompt
// service and beep sink in use; the ones before come back when it goes.
//
// OK-only message boxes are answered IDOK without taking an answer from the
// queue (there is nothing to choose). Any other prompt takes the next answer;
// with the queue empty it gets the cautious one (Cancel, No, or a cancelled
// file dialog) and counts as unanswered.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/wnd/prompt.h"

class CScriptedPrompts : public IPromptService, public IBeepSink {
 public:
  enum class Kind { MessageBox, OpenFile, SaveFile, Dialog, Print };

  struct Shown {
    Kind kind = Kind::MessageBox;
    std::string text;     // message boxes
    std::string caption;  // message boxes and dialogs
    UINT type = 0;        // message boxes: the MB_ flags
    FileDialogRequest request;  // file dialogs
    UINT dialogId = 0;    // dialogs: the template id
    PrintDialogRequest print;  // print dialogs
  };

  CScriptedPrompts();
  ~CScriptedPrompts() override;
  CScriptedPrompts(const CScriptedPrompts&) = delete;
  CScriptedPrompts& operator=(const CScriptedPrompts&) = delete;

  // The next prompt's answer: a message box or dialog result (IDYES, IDOK, ...).
  void Answer(int result);
  // The next message box's answer is what the function returns, called while
  // the box is up (a test may act in that moment).
  void AnswerWith(std::function<int()> decide);
  // The next file dialog's answer: a path, or nothing for Cancel. It stands
  // for a desktop's own dialog: a name without a dot gets the request's
  // default extension, as Qt appends it to what such a dialog returns.
  void AnswerFile(std::optional<std::string> path);
  // The next dialog is run by this function (which may run it modally and
  // drive it); its return value is the dialog's result.
  void AnswerDialog(std::function<INT_PTR(CDialog&)> run);
  // The next print dialog's answer: a printer that writes a PDF file at the
  // path (nothing for Cancel), or a printer the test made. Answer(IDCANCEL)
  // also cancels a print dialog.
  void AnswerPrintToPdf(std::optional<std::string> pdfPath);
  void AnswerPrinter(std::shared_ptr<QPrinter> printer);

  const std::vector<Shown>& Prompts() const { return shown_; }
  // The texts of the message boxes shown, in order.
  std::vector<std::string> MessageTexts() const;
  int Beeps() const { return static_cast<int>(beeps_.size()); }
  const std::vector<UINT>& BeepTypes() const { return beeps_; }
  int Unanswered() const { return unanswered_; }
  std::size_t PendingAnswers() const { return answers_.size(); }
  void Clear();

  int MessageBox(CWnd* pOwner, const std::string& text, const std::string& caption, UINT nType) override;
  std::optional<std::string> GetOpenFileName(CWnd* pOwner, const FileDialogRequest& request) override;
  std::optional<std::string> GetSaveFileName(CWnd* pOwner, const FileDialogRequest& request) override;
  INT_PTR RunDialog(CDialog& dlg) override;
  std::shared_ptr<QPrinter> PrintDialog(CWnd* pOwner, const PrintDialogRequest& request) override;
  void MessageBeep(UINT nType) override;

 private:
  struct Prepared {
    int result = IDOK;
    bool isFile = false;
    std::optional<std::string> path;
    std::function<INT_PTR(CDialog&)> run;
    std::function<int()> decide;
    bool isPrint = false;
    std::shared_ptr<QPrinter> printer;
  };
  std::optional<Prepared> Next();
  std::optional<std::string> FileAnswer(Kind kind, const FileDialogRequest& request);

  std::deque<Prepared> answers_;
  std::vector<Shown> shown_;
  std::vector<UINT> beeps_;
  int unanswered_ = 0;
  IPromptService* previousPrompt_ = nullptr;
  IBeepSink* previousBeep_ = nullptr;
};
