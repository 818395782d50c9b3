// Adjustment Recover: repairs a radio whose identity words or adjustment
// checksum were lost, from what is left in the radio and, where that is not
// enough, a default data file or a data file the user chooses. Word-mode
// clone protocol only; the recover dialog runs it from its timer and talks to
// the user only through TransferUi and the file chooser given here.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "link/transfer_ui.h"
#include "model/edit_model.h"

// The open-file dialog of the second repair.
inline constexpr const char* kRecoverFileFolder = "Data";
inline constexpr const char* kRecoverFileFilter = "PX417 Files (*.X417)";
inline constexpr const char* kRecoverFilePattern = "*.X417";
inline constexpr const char* kRecoverFileTitle = "Select file";

// The default data files of the two bands, relative to the working folder.
inline constexpr const char* kDefaultUhfFile = "Data/DEFAULTUP.X417";
inline constexpr const char* kDefaultVhfFile = "Data/DEFAULTVP.X417";

// What the dialog shows when the recover is done.
inline constexpr const char* kRecoverCompleted = "Adjustment Recover is completed.";

struct RecoverOptions {
  // Runs the open-file dialog (folder, filter and title above, the file must
  // exist); the chosen path, or nothing after Cancel.
  std::function<std::optional<std::string>()> chooseDataFile;
};

// Reads the radio's words 0..16 and its first adjustment block and repairs it:
//  - blank hardware word: words 0..127 of the band's default data file, with
//    a fresh adjustment checksum;
//  - adjustment block blank: every block from a data file the user chooses
//    (asking for a serial number when the file has none);
//  - both present: the adjustment checksum word and the words around it.
// kTransferDone, kTransferAborted (Esc, or the dialog closed while it asked
// for the serial number) or kTransferFailed (the user has been told why).
// The radio's words are read into a scratch image: the model's image changes
// only when a repair loads a data file, which replaces the model.
// With a block-push memory map nothing is read or written and the result is
// kTransferDone.
//
// The serial prompt is TransferUi::AskSerialNumber: the recover dialog shows
// its serial edit for eight characters (blank, '+' and '-' refused) checked by
// SerialEditChange after every change, with the second line
// "Serial No.(MAX 8 fig)". A dialog closed during the prompt answers the next
// CheckUserAbort with 1.
int RecoverAdjustment(CComPort& port, TransferUi& ui, const TransferSettings& settings, CEditModel& model,
                      const RecoverOptions& options);

// Writes image blocks 2 and up (wire blocks from 0) and the three adjustment
// blocks 254..256 from `tail`: kTransferDone, kTransferAborted or
// kTransferFailed (" Download Error!"). Blocks beyond the memory map's last
// block and below 254 are not written.
int DownloadBlocks(CComPort& port, TransferUi& ui, const TransferSettings& settings, const std::uint8_t* image,
                   const std::uint8_t* tail);

// Stores the adjustment checksum of `image` (the 16-bit sum of the words
// AdjustmentSumFirst..memMap6, 3..16 by default) in word 2, image bytes 4
// (low) and 5 (high). Returns 0.
int UpdateChecksumWord(const TransferSettings& settings, std::uint8_t* image);

// The adjustment block's first word, big-endian, and the ranges it must lie
// in for the two bands.
inline std::uint16_t AdjustmentWord(const std::uint8_t* adjustmentBlock) {
  return std::uint16_t(adjustmentBlock[0] << 8 | adjustmentBlock[1]);
}
inline bool IsUhfAdjustmentWord(std::uint16_t a) { return a >= 4750 && a <= 4900; }
inline bool IsVhfAdjustmentWord(std::uint16_t a) { return a >= 1500 && a <= 1600; }

// True when `text` may stand in a serial-number field: empty, or a digit, then
// a letter "C" to "N" (either case), then digits, eight characters at most.
bool IsSerialEntryValid(const std::string& text);

// The rule of a serial-number edit, run after every change of its text
// (`text`, in and out) with the serial-number buffer `buffer`:
//  - an empty text makes the buffer eight "0" characters;
//  - a valid text (IsSerialEntryValid) replaces the first characters of eight
//    "0" characters in the buffer (the letter upper-cased);
//  - an invalid text is set back to the buffer's first characters, one fewer
//    than it had (the last keystroke is undone); the buffer stays.
// Returns true when the text was taken.
bool SerialEditChange(std::string& text, char (&buffer)[9]);
