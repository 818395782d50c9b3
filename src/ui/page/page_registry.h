// The contracts between the pages and the main dialog, below both: the page
// registry (each page class registered under its dialog id, made by the main
// dialog once for the program's life), the zone sub-page interface, and the
// few services a page asks of the main dialog beyond window messages.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/wnd/dialog.h"

using PageFactory = std::function<std::unique_ptr<CDialog>()>;

// Registers (or replaces) the page class of a dialog id.
void RegisterPage(UINT nIDD, PageFactory factory);
bool IsPageRegistered(UINT nIDD);
// The registered dialog ids, in ascending order.
std::vector<UINT> RegisteredPageIds();
// A new page object of the registered class; null when none is registered.
std::unique_ptr<CDialog> MakeRegisteredPage(UINT nIDD);

// What the zone and group pages offer the main dialog when they switch to one
// another: the index handed to a page before its window is made (its first
// zone, or its zone), and the zone or group the page stands on (-1: none).
class IZoneSubPage {
 public:
  virtual ~IZoneSubPage() = default;
  virtual void SetPageIndex(int index) = 0;
  virtual int GetCurrentIndex() const = 0;
};

// What a page asks of the main dialog beyond window messages: the save prompt,
// the folder data files are looked up from, and the privileged mode. The shell
// sets its own at start-up; tests set a fake.
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
  // The edit model holds new data that no file load reported (the MODEL
  // choice's defaults when the band's default file could not be loaded).
  virtual void DataReplaced() {}
};

// The hooks in use; without any set, a default that lets every caller go on.
IMainDlgHooks& MainDlgHooks();
// Sets the hooks (null: back to the default). The object must outlive its use.
void SetMainDlgHooks(IMainDlgHooks* hooks);
