#include "link/rom_editor_model.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "link/transfer_ui.h"

namespace {

constexpr int kFirstAdjustmentBlock = 254;  // image blocks 254..256 are the tail's three blocks
constexpr int kImageBlocks = int(kImageSize / kBlockSize);
constexpr int kBytesPerLine = 16;
constexpr int kLastDigitColumn = 54;  // the blank after byte 15
constexpr int kLastLowDigitColumn = 53;

int HexValue(unsigned ch) {
  if (ch >= '0' && ch <= '9') return int(ch - '0');
  if (ch >= 'A' && ch <= 'F') return int(ch - 'A' + 10);
  if (ch >= 'a' && ch <= 'f') return int(ch - 'a' + 10);
  return -1;
}

}  // namespace

RomBlockSource RomBlockSourceOf(const RomEditorMap& map, int block) {
  RomBlockSource source;
  source.wordArea = block <= map.eepromSizeCode;
  if (map.blockPushMode) {
    // A block-push radio keeps its adjustment data in the map's last block.
    if (block == map.blockCount - 1 && !source.wordArea) source.tailBlock = 0;
  } else if (block >= kFirstAdjustmentBlock) {
    source.tailBlock = block - kFirstAdjustmentBlock;
  }
  return source;
}

std::string FormatRomBlock(const RomEditorMap& map, const std::uint8_t* image, const std::uint8_t* tail, int block) {
  const RomBlockSource source = RomBlockSourceOf(map, block);
  std::string text;
  text.reserve(kDumpLength);
  char field[32];
  for (int line = 0; line < kDumpLines; ++line) {
    const std::size_t o = std::size_t(block) * kBlockSize + std::size_t(line) * kBytesPerLine;
    if (source.wordArea) {
      std::snprintf(field, sizeof field, "0%4.4X: ", unsigned(o / 2));
    } else {
      const std::uint32_t address =
          std::uint32_t(o) - std::uint32_t(kBlockSize) * std::uint32_t(map.eepromSizeCode + 1) + map.flashStart;
      std::snprintf(field, sizeof field, "%5.4X: ", unsigned(address & 0xFFFFF));
    }
    text += field;
    for (int j = 0; j < kBytesPerLine; ++j) {
      std::uint8_t value = 0;
      if (source.wordArea) {
        value = image[(o + std::size_t(j)) ^ 1];
      } else if (source.tailBlock >= 0) {
        value = tail[std::size_t(source.tailBlock) * kBlockSize + std::size_t(line) * kBytesPerLine + std::size_t(j)];
      } else {
        value = image[o + std::size_t(j)];
      }
      std::snprintf(field, sizeof field, "%2.2X ", unsigned(value));
      text += field;
    }
    text += "\r\n";
  }
  return text;
}

RomDumpCell RomDumpCellAt(const RomEditorMap& map, int block, int caret) {
  RomDumpCell cell;
  if (caret < 0 || caret >= kDumpLength) {
    cell.kind = RomDumpCell::kLineEnd;
    return cell;
  }
  const int c = caret % kDumpLineLength;
  cell.line = caret / kDumpLineLength;
  if (c < kDumpFirstDigitColumn) {
    cell.kind = RomDumpCell::kPrefix;
    return cell;
  }
  if (c > kLastDigitColumn) {
    cell.kind = RomDumpCell::kLineEnd;
    return cell;
  }
  cell.byteInLine = (c - kDumpFirstDigitColumn) / 3;
  switch ((c - kDumpFirstDigitColumn) % 3) {
    case 0:
      cell.kind = RomDumpCell::kHighDigit;
      break;
    case 1:
      cell.kind = RomDumpCell::kLowDigit;
      break;
    default:
      cell.kind = RomDumpCell::kBlank;
      break;
  }
  const RomBlockSource source = RomBlockSourceOf(map, block);
  const std::size_t inBlock = std::size_t(cell.line) * kBytesPerLine + std::size_t(cell.byteInLine);
  if (source.tailBlock >= 0) {
    cell.inTail = true;
    cell.offset = std::size_t(source.tailBlock) * kBlockSize + inBlock;
  } else {
    cell.offset = std::size_t(block) * kBlockSize + inBlock;
    if (source.wordArea) {
      cell.offset ^= 1;  // the high byte of each word is shown first
      cell.word = int(cell.offset / 2);
    }
  }
  return cell;
}

CRomEditorModel::CRomEditorModel(CEditModel& model, const RomEditorMap& map, Hooks hooks)
    : m_model(model), m_map(map), m_hooks(std::move(hooks)) {
  ShowBlock(0);
}

int CRomEditorModel::LastBlock() const { return std::max(0, std::min(m_map.blockCount, kImageBlocks) - 1); }

void CRomEditorModel::SetNumberText(int b) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2Xh", unsigned(b));
  m_numberText = text;
}

void CRomEditorModel::ShowBlock(int b) {
  m_block = std::clamp(b, 0, LastBlock());
  m_shown = m_block;
  m_text = FormatRomBlock(m_map, m_model.image.data(), m_model.tail.data(), m_shown);
  SetNumberText(m_block);
}

void CRomEditorModel::OnUp() {
  Beep();
  ShowBlock(m_block > 0 ? m_block - 1 : m_block);
}

void CRomEditorModel::OnDown() {
  Beep();
  ShowBlock(m_block < LastBlock() ? m_block + 1 : m_block);
}

void CRomEditorModel::OnTop() {
  Beep();
  ShowBlock(0);
}

void CRomEditorModel::OnBottom() {
  Beep();
  ShowBlock(LastBlock());
}

void CRomEditorModel::OnBlockChanged(int value) {
  m_block = std::clamp(value, 0, LastBlock());
  SetNumberText(m_block);
}

void CRomEditorModel::ShowFirstBlock(bool imageReplaced) {
  if (imageReplaced && m_hooks.setRomModified) m_hooks.setRomModified(false);
  ShowBlock(0);
}

// Caret after a hexadecimal digit: from a high digit to its low digit; from a
// low digit over the blank to the next byte, or from the last byte to the
// first digit of the next line; from a blank one on; from the address to the
// line's first digit. At a line end it stays.
CRomEditorModel::CharResult CRomEditorModel::OnChar(unsigned ch, int caret) {
  CharResult result;
  result.caret = caret;
  const int nibble = HexValue(ch);
  if (nibble < 0) {
    Beep();
    return result;
  }
  const RomDumpCell cell = RomDumpCellAt(m_map, m_shown, caret);
  const int c = caret % kDumpLineLength;
  switch (cell.kind) {
    case RomDumpCell::kHighDigit:
    case RomDumpCell::kLowDigit: {
      const bool editable = cell.word < 0 || (cell.word > m_map.memMap6 && cell.word <= m_map.memMap1);
      if (!editable) {
        Beep();
      } else {
        std::uint8_t* bytes = cell.inTail ? m_model.tail.data() : m_model.image.data();
        std::uint8_t& b = bytes[cell.offset];
        b = cell.kind == RomDumpCell::kHighDigit ? std::uint8_t((b & 0x0F) | nibble << 4)
                                                 : std::uint8_t((b & 0xF0) | nibble);
        const RomBlockSource source = RomBlockSourceOf(m_map, m_shown);
        if (source.tailBlock >= 0) {
          // The image's copy of an adjustment block is what a send from the
          // editor writes: it becomes the block as shown.
          std::copy_n(m_model.tail.begin() + std::ptrdiff_t(source.tailBlock) * std::ptrdiff_t(kBlockSize), kBlockSize,
                      m_model.image.begin() + std::ptrdiff_t(m_shown) * std::ptrdiff_t(kBlockSize));
        }
        m_text = FormatRomBlock(m_map, m_model.image.data(), m_model.tail.data(), m_shown);
        if (m_hooks.setRomModified) m_hooks.setRomModified(true);
        result.changed = true;
      }
      if (cell.kind == RomDumpCell::kHighDigit) {
        result.caret = caret + 1;
      } else {
        result.caret = caret + (c == kLastLowDigitColumn ? 11 : 2);
      }
      break;
    }
    case RomDumpCell::kBlank:
      Beep();
      result.caret = caret + 1;
      break;
    case RomDumpCell::kPrefix:
      Beep();
      result.caret = cell.line * kDumpLineLength + kDumpFirstDigitColumn;
      break;
    case RomDumpCell::kLineEnd:
      Beep();
      break;
  }
  result.caret = std::clamp(result.caret, 0, kDumpLength);
  return result;
}

int CRomEditorModel::LoadFile(const std::string& path, const std::string& startDirectory) {
  Beep();
  const int loaded = m_model.LoadDataFile(path, startDirectory);
  ShowFirstBlock(loaded != 0);
  return loaded;
}

std::string RomEditorSaveName(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  return name.find('.') == std::string::npos ? path + ".X417" : path;
}

bool CRomEditorModel::SaveFile(const std::string& chosen) {
  Beep();
  const std::string path = RomEditorSaveName(chosen);
  // Write a complete new file beside the old one, then put it in its place.
  const std::string temp = path + ".tmp";
  bool ok = false;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(reinterpret_cast<const char*>(m_model.image.data()), std::streamsize(kFileImagePart));
      out.write(reinterpret_cast<const char*>(m_model.tail.data()), std::streamsize(kTailSize));
      out.flush();
      ok = bool(out);
    }
  }
  std::error_code ec;
  if (ok) {
    std::filesystem::rename(temp, path, ec);
    ok = !ec;
  }
  if (!ok) {
    std::filesystem::remove(temp, ec);
    m_model.Host().ShowMessage(FormatText("Problem Saving file\n    %s\n\n   Press any key", path));
    return false;
  }
  const std::string name = std::filesystem::path(path).filename().string();
  m_model.Host().OnFileSaved("File:" + name);
  return true;
}
