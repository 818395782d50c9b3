// The memory editor without its window: the hexadecimal dump of one 128-byte
// block of the memory image, what a typed hexadecimal digit changes, the
// block navigation, and the editor's file load and save. The editor dialog
// draws Text() into its dump edit, passes the caret position with every
// character, and places the caret where OnChar says.
//
// Dump layout: eight lines of 57 characters, each a 7-character address, the
// sixteen bytes as two hexadecimal digits and a blank, and "\r\n". The word
// area (blocks 0..n) shows each word high byte first and is addressed by word
// index ("00008: "); the other blocks are addressed as the radio's flash
// ("38000: "). The adjustment blocks show the adjustment data of the tail
// (RadioImageTail), which is what a data file keeps and what the radio holds
// there; the image's copy of such a block follows the tail when it is edited.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "model/edit_model.h"

// The memory map as the editor needs it (the default map by default).
struct RomEditorMap {
  int eepromSizeCode = 1;  // n: blocks 0..n are the word area
  int blockCount = 256;
  std::uint32_t flashStart = 0x38000;
  int memMap1 = 119;  // the last word the editor may change
  int memMap6 = 16;   // words up to here are the radio's own and cannot be changed
  bool blockPushMode = false;  // the last block of the map is the adjustment block
};

inline constexpr int kDumpLineLength = 57;
inline constexpr int kDumpLines = 8;
inline constexpr int kDumpLength = kDumpLineLength * kDumpLines;
inline constexpr int kDumpFirstDigitColumn = 7;
inline constexpr const char* kDumpColumnHeader = "          00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F";

// Where the bytes of a block come from.
struct RomBlockSource {
  bool wordArea = false;  // each word shown high byte first
  int tailBlock = -1;     // 0..2: the block is the tail's block of that number; -1 the image's
};
RomBlockSource RomBlockSourceOf(const RomEditorMap& map, int block);

// The dump of `block` (kDumpLength characters).
std::string FormatRomBlock(const RomEditorMap& map, const std::uint8_t* image, const std::uint8_t* tail, int block);

// The byte a caret position of a block's dump shows, and so edits.
struct RomDumpCell {
  enum Kind { kPrefix, kHighDigit, kLowDigit, kBlank, kLineEnd } kind = kPrefix;
  int line = 0;       // 0..7
  int byteInLine = 0;  // 0..15 for digits and blanks
  std::size_t offset = 0;  // the byte's offset in the image, or in the tail for a tail block
  bool inTail = false;
  int word = -1;  // the word index in the word area, else -1
};
RomDumpCell RomDumpCellAt(const RomEditorMap& map, int block, int caret);

class CRomEditorModel {
 public:
  struct Hooks {
    std::function<void()> beep;                      // MessageBeep(0)
    std::function<void(bool)> setRomModified;        // CProgramConfig::SetRomModified
  };
  struct CharResult {
    bool changed = false;  // a nibble of the image (or tail) was changed
    int caret = 0;         // where the caret goes (empty selection)
  };

  CRomEditorModel(CEditModel& model, const RomEditorMap& map, Hooks hooks = {});

  int CurrentBlock() const { return m_block; }
  // The current block as the two repeat buttons change it.
  int& CurrentBlockRef() { return m_block; }
  int LastBlock() const;
  int ShownBlock() const { return m_shown; }
  const std::string& Text() const { return m_text; }
  // The block-number field: "%.2Xh".
  const std::string& BlockNumberText() const { return m_numberText; }

  // Makes b (held within 0..LastBlock) the current block and shows it.
  void ShowBlock(int b);
  // The buttons: each beeps and shows the block it leads to; UP at the first
  // block and DOWN at the last only beep and show the block again.
  void OnUp();
  void OnDown();
  void OnTop();
  void OnBottom();
  // A repeat button stepped the current block to value: the number field
  // follows, the dump follows with the button's click.
  void OnBlockChanged(int value);
  // After a read from the radio or a file load: the first block; when the
  // image was replaced the editor's changes are gone (ROM-modified cleared).
  void ShowFirstBlock(bool imageReplaced);

  // A character typed with the caret (selection start) at `caret`. Only
  // hexadecimal digits on a digit of the dump change anything; a digit in the
  // radio's own words of the word area, any other character, and a digit
  // anywhere else beep. After a digit the caret moves on (see the .cpp).
  CharResult OnChar(unsigned ch, int caret);

  // FILE LOAD with a chosen path: beep, LoadDataFile, the first block.
  int LoadFile(const std::string& path, const std::string& startDirectory);
  // FILE SAVE with a chosen path: beep; a file name without a dot gets
  // ".X417". The image and tail are written as the editor shows them, without
  // packing the edit model; g_bModified stays. False after
  // "Problem Saving file\n    %s\n\n   Press any key" (the old file stays).
  bool SaveFile(const std::string& path);

 private:
  void Beep() {
    if (m_hooks.beep) m_hooks.beep();
  }
  void SetNumberText(int b);

  CEditModel& m_model;
  RomEditorMap m_map;
  Hooks m_hooks;
  int m_block = 0;  // current block
  int m_shown = 0;  // the block the dump shows
  std::string m_text;
  std::string m_numberText;
};

// The editor's save name: ".X417" appended when the file name has no dot.
std::string RomEditorSaveName(const std::string& path);
