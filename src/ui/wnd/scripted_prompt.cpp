#include "ui/wnd/scripted_prompt.h"

#include <filesystem>

#include "ui/wnd/dialog.h"
#include "ui/wnd/dlg_template.h"

CScriptedPrompts::CScriptedPrompts() : previousPrompt_(&GetPromptService()), previousBeep_(&GetBeepSink()) {
  SetPromptService(this);
  SetBeepSink(this);
}

CScriptedPrompts::~CScriptedPrompts() {
  SetPromptService(previousPrompt_);
  SetBeepSink(previousBeep_);
}

// Each answer is made in place and names only the members it sets; the others
// keep their defaults. (Moving a made answer into the queue instead draws
// GCC 12's false "may be used uninitialized" for the empty path.)
void CScriptedPrompts::Answer(int result) { answers_.emplace_back().result = result; }

void CScriptedPrompts::AnswerWith(std::function<int()> decide) { answers_.emplace_back().decide = std::move(decide); }

void CScriptedPrompts::AnswerFile(std::optional<std::string> path) {
  Prepared& answer = answers_.emplace_back();
  answer.isFile = true;
  answer.path = std::move(path);
}

void CScriptedPrompts::AnswerDialog(std::function<INT_PTR(CDialog&)> run) {
  answers_.emplace_back().run = std::move(run);
}

std::vector<std::string> CScriptedPrompts::MessageTexts() const {
  std::vector<std::string> texts;
  for (const Shown& s : shown_) {
    if (s.kind == Kind::MessageBox) texts.push_back(s.text);
  }
  return texts;
}

void CScriptedPrompts::Clear() {
  answers_.clear();
  shown_.clear();
  beeps_.clear();
  unanswered_ = 0;
}

std::optional<CScriptedPrompts::Prepared> CScriptedPrompts::Next() {
  if (answers_.empty()) {
    ++unanswered_;
    return std::nullopt;
  }
  Prepared p = std::move(answers_.front());
  answers_.pop_front();
  return p;
}

int CScriptedPrompts::MessageBox(CWnd*, const std::string& text, const std::string& caption, UINT nType) {
  Shown s;
  s.kind = Kind::MessageBox;
  s.text = text;
  s.caption = caption;
  s.type = nType;
  shown_.push_back(s);
  const UINT buttons = nType & MB_TYPEMASK;
  if (buttons == MB_OK) return IDOK;
  if (auto answer = Next()) return answer->decide ? answer->decide() : answer->result;
  switch (buttons) {
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDCANCEL;
  }
}

std::optional<std::string> CScriptedPrompts::FileAnswer(Kind kind, const FileDialogRequest& request) {
  Shown s;
  s.kind = kind;
  s.caption = request.title;
  s.request = request;
  shown_.push_back(s);
  auto answer = Next();
  if (!answer || !answer->path) return std::nullopt;
  // As Qt hands on a desktop's own dialog's choice: the request's default
  // extension is appended to a name without a dot.
  std::string path = *answer->path;
  const std::string name = std::filesystem::path(path).filename().string();
  if (!request.defaultExt.empty() && !name.empty() && name.find('.') == std::string::npos) {
    path += "." + request.defaultExt;
  }
  return path;
}

std::optional<std::string> CScriptedPrompts::GetOpenFileName(CWnd*, const FileDialogRequest& request) {
  return FileAnswer(Kind::OpenFile, request);
}

std::optional<std::string> CScriptedPrompts::GetSaveFileName(CWnd*, const FileDialogRequest& request) {
  return FileAnswer(Kind::SaveFile, request);
}

INT_PTR CScriptedPrompts::RunDialog(CDialog& dlg) {
  Shown s;
  s.kind = Kind::Dialog;
  s.dialogId = dlg.GetTemplateID();
  if (const DialogTemplate* t = FindDialogTemplate(s.dialogId)) s.caption = t->caption;
  shown_.push_back(s);
  auto answer = Next();
  if (!answer) return IDCANCEL;
  if (answer->run) return answer->run(dlg);
  return answer->result;
}

void CScriptedPrompts::MessageBeep(UINT nType) { beeps_.push_back(nType); }
