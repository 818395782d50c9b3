#include "shell/dialogs/app_help.h"

#include <utility>

namespace {
AppWinHelpHandler& Handler() {
  static AppWinHelpHandler handler;
  return handler;
}
}  // namespace

void SetAppWinHelp(AppWinHelpHandler handler) { Handler() = std::move(handler); }

void AppWinHelp(DWORD_PTR dwData, UINT nCmd) {
  if (Handler()) Handler()(dwData, nCmd);
}
