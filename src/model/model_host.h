// What the data model needs of the program around it: message boxes, beeps, the
// main window's identity fields and tabs, and one configuration value. The model
// has no user interface of its own; the shell connects this to real dialogs and
// tests read what was reported.
#pragma once

#include <cstdint>
#include <string>

class IModelHost {
 public:
  virtual ~IModelHost() = default;

  // A message box with a fixed English text (an OK box).
  virtual void ShowMessage(const std::string& text) { (void)text; }
  // MessageBeep(0).
  virtual void Beep() {}

  // A data file was loaded: the file-name label text ("File:" + name), the serial
  // number text and ESN of the loaded image, and the system-type byte the model
  // held before the load (the tabs are rebuilt from it).
  virtual void OnFileLoaded(const std::string& fileLabel, const std::string& serialText, std::uint32_t esn,
                            std::uint8_t previousSystemType) {
    (void)fileLabel; (void)serialText; (void)esn; (void)previousSystemType;
  }
  // A data file was saved: the file-name label text.
  virtual void OnFileSaved(const std::string& fileLabel) { (void)fileLabel; }

  // The third memory-map value of the program configuration (the last channel
  // block the radio's memory map allows); 0 when none is configured.
  virtual int GetMemMap3() const { return 0; }
};

// A host that shows nothing; the model uses it until the program sets its own.
IModelHost& NullModelHost();
