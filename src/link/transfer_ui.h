// What a radio transfer needs from the dialog it runs in, and from the program
// configuration and command line. The read and send engines talk to the user
// only through TransferUi, so the dialogs stay thin and the engines can be run
// against the simulated radio without any window.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "model/edit_model.h"

// The serial-number buffer: eight characters and a terminator, shared by the
// main window's serial-number field, the "-s" serial stamp of a send and
// Adjustment Recover. Empty until one of them fills it.
extern char g_serialNumberBuffer[9];

// Transfer results.
inline constexpr int kTransferDone = 0;
inline constexpr int kTransferAborted = 1;  // Esc
inline constexpr int kTransferFailed = 2;   // failed or refused; the user has been told

// The memory map and modes a transfer works with. The defaults are those of the
// default memory map (flash start 0x38000, EEPROM end 127) with no privileged mode.
struct TransferSettings {
  int comIndex = 0;        // the configured COM index (COM index + 1 is shown)
  int eepromSizeCode = 1;  // n: image blocks 0..n are the word area
  int blockCount = 256;    // blocks of the radio's memory
  std::uint32_t flashStart = 0x38000;
  int memMap1 = 119;  // last word of a normal send's word range
  int memMap4 = 8;    // blocks up to here are kept by a read whatever the count
  int memMap5 = 3;    // first word of the adjustment checksum
  int memMap6 = 16;   // last word of the adjustment checksum
  int memMap7 = 254;  // first of the three adjustment blocks
  int memMap8 = 127;  // the marker word of a send
  bool blockPushMode = false;
  bool romEditorTransfer = false;  // started from the memory editor
  bool modeM = false;              // "-m": identity checks off, every block transferred
  bool modeS = false;              // "-s": serial stamp on every send
};

// The adjustment checksum is word 2 (image bytes 4 and 5) on every memory map:
// the 16-bit sum of the words AdjustmentSumFirst..memMap6. Some maps name word
// 2 itself as their first summed word; a sum that took the checksum in would
// change with every rewrite, so the sum never starts before word 3.
inline constexpr int kAdjustmentChecksumWord = 2;
inline int AdjustmentSumFirst(const TransferSettings& settings) {
  return settings.memMap5 > kAdjustmentChecksumWord ? settings.memMap5 : kAdjustmentChecksumWord + 1;
}

// The dialog side of a transfer: its message lines, block line and progress
// bar, its boxes and beeps, the prompts a transfer may need, and the Esc check.
// CheckUserAbort and MessageBox come from ILinkDialog; a MessageBox with an
// empty caption carries the program's own title.
class TransferUi : public ILinkDialog {
 public:
  virtual void SetMessageLine1(const std::string& text) = 0;  // the first message line
  virtual void SetMessageLine2(const std::string& text) = 0;  // the second message line
  virtual void SetBlockLine(const std::string& text) = 0;     // "Receive block ..." / "Send block ..."
  virtual void SetProgressRange(int low, int high) = 0;
  virtual void SetProgressPos(int pos) = 0;  // the bar clamps a position beyond its range
  virtual void MessageBeep() = 0;

  // The radio password dialog, run modally: the text typed when it ended with
  // OK (upper case, blank-padded to eight characters), nothing after Cancel.
  virtual std::optional<std::string> AskRadioPassword() = 0;

  // The serial prompt of the "-s" stamp: shows the serial edit (at most four
  // characters, digits only) holding `initial`, and the Continue button; returns
  // the edit's text once Enter or Continue ends the prompt, or when the dialog
  // is closed meanwhile. Esc does not abort the send here.
  virtual std::string AskSerialNumber(const std::string& initial) = 0;

  // The pauses of the transfer; nullptr uses the port's pacing.
  virtual IPacing* Pacing() { return nullptr; }

  // Called when the transfer fails with its reason on the message lines
  // rather than in a box (the dialog then shows the lines in a box before it
  // closes).
  virtual void FailureOnLines() {}
};

// pattern with each "%s" replaced by text, which may be of any length (a path).
inline std::string FormatText(const char* pattern, const std::string& text) {
  std::string out;
  for (const char* p = pattern; *p; ++p) {
    if (p[0] == '%' && p[1] == 's') {
      out += text;
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

// A transfer's working copy of the image and its tail. What the radio sends
// goes here first, and what is sent is packed here; the model's image and tail
// change only by CommitTo, once the transfer is complete, so a failed, refused
// or aborted transfer leaves them as they were.
struct ScratchImage {
  enum Kind { kErased, kCopy };
  // kErased (a read): the image 0xFF where nothing arrives; kCopy (a send): the
  // model's image. The tail starts as the model's in both.
  ScratchImage(const CEditModel& model, Kind kind);
  void CommitTo(CEditModel& model) const;

  std::vector<std::uint8_t> image;  // kImageSize bytes
  std::vector<std::uint8_t> tail;   // kTailSize bytes
  ImageBlocks received;             // the image blocks that arrived (a read)
};

// The steps every transfer engine shares: pauses, message lines, the lead
// message, the power-cycle wait and the retried requests.
struct TransferSession {
  CComPort& port;
  TransferUi& ui;
  const TransferSettings& settings;

  void Sleep(unsigned milliseconds) {
    if (IPacing* pacing = ui.Pacing()) {
      pacing->Sleep(milliseconds);
    } else {
      port.Sleep(milliseconds);
    }
  }
  void Lines(const std::string& first, const std::string& second) {
    ui.SetMessageLine1(first);
    ui.SetMessageLine2(second);
  }
  // A beep and a first message line; returns kTransferFailed.
  int FailLine(const std::string& text) {
    ui.MessageBeep();
    ui.SetMessageLine1(text);
    ui.FailureOnLines();
    return kTransferFailed;
  }
  // A beep and a message box; returns kTransferFailed.
  int FailBox(const std::string& text) {
    ui.MessageBeep();
    ui.MessageBox(text, std::string());
    return kTransferFailed;
  }
  // "Check that lead is" / "connected to COM%d"; returns kTransferFailed.
  int LeadError() {
    char com[32];
    std::snprintf(com, sizeof com, "connected to COM%d", settings.comIndex + 1);
    ui.MessageBeep();
    Lines("Check that lead is", com);
    ui.FailureOnLines();
    return kTransferFailed;
  }
  void BlockLine(const char* format, int block, int total) {
    char text[64];
    std::snprintf(text, sizeof text, format, block, total);
    ui.SetBlockLine(text);
  }
  // Opens the port when it is not open: false after "Problem with COM port".
  bool OpenPort() {
    if (port.IsOpen()) return true;
    if (port.OpenComPort(settings.comIndex, ui) == 1) return true;
    ui.MessageBox("Problem with COM port", std::string());
    return false;
  }
  // The user switches the radio off and on: waits for RADIO_READY and enters
  // word mode. kTransferDone, kTransferAborted (Esc) or kTransferFailed (the
  // lead message has been shown). `action` ends the second line: "uploading"
  // for a read, "downloading" for a send.
  int PowerCycle(const char* action);

  // Repeats `attempt`, which returns a link status, until it is done. Esc is
  // looked for before every attempt; a bad answer counts in `errors` and beyond
  // `limit` ends the transfer with the first line `failLine`; a silent radio is
  // simply asked again.
  template <typename Attempt>
  int Retry(int& errors, int limit, const char* failLine, Attempt&& attempt) {
    for (;;) {
      if (ui.CheckUserAbort()) return kTransferAborted;
      const int st = attempt();
      if (st == kCommDone) return kTransferDone;
      if (st == kCommError && ++errors > limit) return FailLine(failLine);
    }
  }

  // The word phase of a read: words 0..words-1 into image (word i at bytes 2i
  // low, 2i + 1 high). The first failure of the transfer (errors still 0)
  // brings the power cycle and sets errors to 2; later bad answers count, more
  // than 10 end it with " Upload Error!".
  int ReadWordPhase(std::uint8_t* image, int words, int& errors);
  // Reads image block b (wire block b - 2) into out (written only when it
  // arrives), retried as Retry does with the block limit of 20 and
  // " Upload Error!". Every attempt is followed by the block line and the
  // progress (`shown` once the block is in, b while it is asked again; of
  // `total`) and 2 ms.
  int ReadBlock(int b, std::uint8_t* out, int shown, int total, int& errors);
};
