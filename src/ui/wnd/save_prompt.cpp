#include "ui/wnd/save_prompt.h"

#include <filesystem>
#include <system_error>

std::string ReplaceFileQuestion(const std::string& path) {
  return std::filesystem::path(path).filename().string() + " already exists.\nDo you want to replace it?";
}

std::optional<std::string> ChooseFileToSave(CWnd* pOwner, FileDialogRequest request,
                                            const std::function<std::string(const std::string&)>& savedName) {
  request.flags |= OFN_OVERWRITEPROMPT;
  for (;;) {
    const std::optional<std::string> chosen = GetPromptService().GetSaveFileName(pOwner, request);
    if (!chosen || chosen->empty()) return std::nullopt;
    std::string path = savedName(*chosen);
    // No desktop's dialog knows of the extension the save appends, so none
    // asked about the file of that name.
    std::error_code ec;
    if (path == *chosen || !std::filesystem::exists(path, ec)) return path;
    const UINT question = MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2;
    if (GetPromptService().MessageBox(pOwner, ReplaceFileQuestion(path), request.title, question) == IDYES) {
      return path;
    }
    request.fileName = *chosen;
  }
}
