// What the settings pages need of the main dialog beyond window messages: the
// save prompt, the folder data files are looked up from, and the privileged
// mode. The shell sets its own hooks at start-up; tests set a fake.
#pragma once

#include <string>

class IMainDlgHooks {
 public:
  virtual ~IMainDlgHooks() = default;
  // The save prompt with unsaved changes: true when the caller may go on,
  // false when the person cancelled (or the save they asked for failed).
  virtual bool QuerySaveChanges() = 0;
  // The folder a data file load starts from: the working folder unless overridden.
  virtual std::string StartFolder();
  // The "-m" mode of this run.
  virtual bool IsModeM() const { return false; }
};

// The hooks in use; without any set, a default that lets every caller go on.
IMainDlgHooks& MainDlgHooks();
// Sets the hooks (null: back to the default). The object must outlive its use.
void SetMainDlgHooks(IMainDlgHooks* hooks);
