// The application object: one instance per user session, guarded by a lock
// file named after "PX417_Mutex"; the program is the main dialog, run modally.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "ui/wnd/win_types.h"

// A lock held with flock for the life of the object (and of the process).
class CInstanceLock {
 public:
  explicit CInstanceLock(std::string name = "PX417_Mutex");
  ~CInstanceLock();
  CInstanceLock(const CInstanceLock&) = delete;
  CInstanceLock& operator=(const CInstanceLock&) = delete;

  // True when this object now holds the lock; false when another process (or
  // object) holds it or the lock file cannot be made.
  bool Acquire();
  bool IsHeld() const { return m_fd >= 0; }
  std::filesystem::path Path() const;
  // Where the lock lives: $XDG_RUNTIME_DIR (one per user session), else the
  // temporary folder.
  static std::filesystem::path Folder();

 private:
  std::string m_name;
  int m_fd = -1;
};

class CMainApp {
 public:
  // The words of the command line, without the program name.
  explicit CMainApp(std::vector<std::string> commandLine) : m_commandLine(std::move(commandLine)) {}
  // A second instance returns at once with no window; otherwise the main
  // dialog runs until it ends. Always FALSE: the program ends with the dialog.
  BOOL InitInstance();
  // Set when InitInstance found another instance running.
  bool WasSecondInstance() const { return m_bSecondInstance; }

 private:
  std::vector<std::string> m_commandLine;
  CInstanceLock m_lock;
  bool m_bSecondInstance = false;
};

// Makes a close request of the main window (the same as its close box) out of
// every SIGTERM and SIGINT: any open message box is answered as Cancel, any
// file dialog and modal dialog cancelled, and once their loops have ended the
// main window is asked to close, which asks about unsaved changes. While that
// save question is open a request changes nothing; after it was cancelled the
// next one asks again. When the environment variable PX417_CLOSE_AFTER_MS
// holds a number, a timer makes the same request that many milliseconds after
// start-up, after printing the window title and the file label on stdout: for
// tests and unattended runs.
void InstallCloseRequests();
