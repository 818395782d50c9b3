// The save dialog with the question before a save replaces a file: one for
// every save the program offers (Files > Save File, the memory editor's).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/wnd/prompt.h"

// "<name> already exists.\nDo you want to replace it?", as the desktop's file
// dialog words it.
std::string ReplaceFileQuestion(const std::string& path);

// Runs the save dialog of the request until a file may be written or the
// person cancels; the file to write, or nothing. savedName gives the file a
// chosen name is written as (the name with the extension the save appends).
// The dialog asks about the name it returns; the file written under another
// name is asked about here, No the default. No brings the dialog back with
// the name given.
std::optional<std::string> ChooseFileToSave(CWnd* pOwner, FileDialogRequest request,
                                            const std::function<std::string(const std::string&)>& savedName);
