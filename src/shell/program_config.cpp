#include "shell/program_config.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace {

// One row of the memory map chosen by the flash start address.
struct FlashRow {
  std::uint32_t flashStart;
  int word2, blocksAdded, word3, word4, word5, word6, word7, word1, word8, blockPush;
};

constexpr FlashRow kFlashRows[] = {
    {0x1A500, 9, 166, 166, 8, 2, 3, 167, 119, 127, 0},
    {0x38000, 9, 254, 184, 8, 3, 16, 254, 119, 127, 0},
    {0x1B400, 8, 136, 135, 7, 2, 12, 137, 97, 127, 0},
    {0x1DC00, 6, 56, 55, 6, 2, 11, 56, 60, 63, 1},
};
// An unknown flash start falls back to the first address with this row.
constexpr FlashRow kUnknownFlashRow = {0x1A500, 9, 166, 166, 8, 2, 14, 167, 119, 127, 0};

constexpr const char* kBadEepromEnd = "Bad EEPROM end address\ndefault data are used";
constexpr const char* kBadFlashStart = "Bad flash ROM start address\ndefault data are used";

// Reads exactly n bytes; false on a short read.
bool ReadBytes(std::istream& in, std::uint8_t* out, std::size_t n) {
  in.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(n));
  return static_cast<std::size_t>(in.gcount()) == n;
}

bool ReadU16(std::istream& in, std::uint16_t& value) {
  std::uint8_t b[2];
  if (!ReadBytes(in, b, 2)) return false;
  value = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  return true;
}

bool ReadU32(std::istream& in, std::uint32_t& value) {
  std::uint8_t b[4];
  if (!ReadBytes(in, b, 4)) return false;
  value = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
          (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  return true;
}

void PutU16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

std::uint8_t SwapNibbles(std::uint8_t b) { return static_cast<std::uint8_t>((b << 4) | (b >> 4)); }

// The stored indices are signed 16-bit values.
int AsI16(std::uint16_t v) { return static_cast<std::int16_t>(v); }

// Only regular files are read: a FIFO or a device would hold the program
// before its window opens, and a folder holds no settings. Anything else counts
// as a missing file.
void OpenIfRegular(std::ifstream& in, const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary);
}

// True when nothing but a regular file (or nothing at all) has the name.
bool NoOtherKindOfFile(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  return !std::filesystem::exists(status) || std::filesystem::is_regular_file(status);
}

std::string SaveErrorText(const std::filesystem::path& path) {
  return "Problem Saving file\n    " + path.string() + "\n\n   Press any key";
}

}  // namespace

CProgramConfig::CProgramConfig() { DeriveMemoryMap(); }

void CProgramConfig::ShowMessage(const std::string& text) const {
  if (m_sink) {
    m_sink(text);
  } else {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}

void CProgramConfig::SetComPort(int index) { m_comIndex = (index >= 0 && index <= 15) ? index : 0; }

void CProgramConfig::SetLptPort(int index) { m_lptIndex = (index >= 0 && index <= 1) ? index : 0; }

void CProgramConfig::SetSecondTableDefaults() {
  for (int i = 0; i <= 6; ++i) m_alignTable2[i] = 0;
  for (int i = 7; i <= 9; ++i) m_alignTable2[i] = 255;
}

void CProgramConfig::Load() {
  bool error = false;

  std::ifstream file1;
  OpenIfRegular(file1, File1Path());
  if (file1.is_open()) {
    std::uint16_t v = 0;
    if (ReadU16(file1, v)) {
      SetComPort(AsI16(v));
    } else {
      m_comIndex = 0;
      error = true;
    }
    if (ReadU16(file1, v)) {
      SetLptPort(AsI16(v));
    } else {
      m_lptIndex = 0;
      error = true;
    }
    m_keptWordA = ReadU16(file1, v) ? v : 0;
    if (!ReadBytes(file1, m_keptBytes.data(), m_keptBytes.size())) m_keptBytes.fill(0);
    for (auto& b : m_keptBytes) b = SwapNibbles(b);
    m_keptWordB = ReadU16(file1, v) ? v : 8;
    for (int i = 0; i < 10; ++i) m_alignTable1[i] = ReadU16(file1, v) ? v : 255;
    for (int i = 10; i < kAlignTableSize; ++i) m_alignTable1[i] = 255;
    for (int i = 0; i < 10; ++i) {
      if (ReadU16(file1, v)) {
        m_alignTable2[i] = v;
      } else {
        m_alignTable2[i] = i <= 6 ? 0 : 255;
      }
    }
    m_alignTable2[14] = m_alignTable2[15] = 255;
    m_alignTable2[16] = m_alignTable2[17] = 188;
  } else {
    m_comIndex = 0;
    m_lptIndex = 0;
    m_keptWordA = 0;
    m_keptBytes.fill(0);
    m_keptWordB = 8;
    m_alignTable1.fill(255);
    SetSecondTableDefaults();
    for (int i = 10; i <= 13; ++i) m_alignTable2[i] = 0;
    m_alignTable2[14] = m_alignTable2[15] = 255;
    m_alignTable2[16] = m_alignTable2[17] = 188;
  }

  std::ifstream file2;
  OpenIfRegular(file2, File2Path());
  if (file2.is_open()) {
    m_file2Read = 1;
    std::uint16_t v = 0;
    std::uint32_t flash = 0;
    if (ReadU16(file2, v)) {
      SetComPort(AsI16(v));
    } else {
      error = true;
    }
    if (ReadU16(file2, v)) {
      SetLptPort(AsI16(v));
    } else {
      error = true;
    }
    if (ReadU16(file2, v)) {
      m_eepromEnd = v;
    } else {
      m_eepromEnd = 127;
      error = true;
    }
    if (ReadU32(file2, flash)) {
      m_flashStart = flash;
    } else {
      m_flashStart = 0x38000;
      error = true;
    }
  } else {
    m_file2Read = 0;
    m_eepromEnd = 127;
    m_flashStart = 0x38000;
  }

  if (m_eepromEnd != 63 && m_eepromEnd != 127) {
    ShowMessage(kBadEepromEnd);
    m_eepromEnd = 127;
  }
  bool knownFlash = false;
  for (const auto& row : kFlashRows) knownFlash = knownFlash || row.flashStart == m_flashStart;
  if (!knownFlash) ShowMessage(kBadFlashStart);
  DeriveMemoryMap();

  if (error) {
    m_comIndex = 0;
    m_lptIndex = 0;
  }
}

void CProgramConfig::DeriveMemoryMap() {
  // Both values were checked (or replaced) by Load; anything unknown here takes
  // the fall-back rows silently.
  if (m_eepromEnd != 63) m_eepromEnd = 127;
  m_eepromSizeCode = m_eepromEnd == 63 ? 0 : 1;
  const int eepromBlocks = m_eepromSizeCode + 1;

  const FlashRow* row = &kUnknownFlashRow;
  for (const auto& r : kFlashRows) {
    if (r.flashStart == m_flashStart) row = &r;
  }
  m_flashStart = row->flashStart;
  m_memMap1 = row->word1;
  m_memMap2 = row->word2;
  m_memMap3 = row->word3;
  m_memMap4 = row->word4;
  m_memMap5 = row->word5;
  m_memMap6 = row->word6;
  m_memMap7 = row->word7;
  m_memMap8 = row->word8;
  m_blockPush = row->blockPush;
  m_blockCount = eepromBlocks + row->blocksAdded;
}

bool CProgramConfig::Save() {
  bool ok = true;

  std::string bytes;
  PutU16(bytes, static_cast<std::uint16_t>(m_comIndex));
  PutU16(bytes, static_cast<std::uint16_t>(m_lptIndex));
  PutU16(bytes, m_keptWordA);
  for (auto b : m_keptBytes) bytes.push_back(static_cast<char>(SwapNibbles(b)));
  PutU16(bytes, m_keptWordB);
  for (int i = 0; i < 10; ++i) PutU16(bytes, m_alignTable1[i] & 0xFFFF);
  const std::size_t createdSize = bytes.size();  // 36: a new file stops after the first table
  for (int i = 0; i < 10; ++i) PutU16(bytes, m_alignTable2[i] & 0xFFFF);

  const auto path1 = File1Path();
  if (!NoOtherKindOfFile(path1)) {
    ShowMessage(SaveErrorText(path1));
    ok = false;
  } else {
    // An existing file is overwritten in place, not truncated.
    std::fstream file1(path1, std::ios::binary | std::ios::in | std::ios::out);
    if (file1) {
      file1.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      file1.flush();
      if (!file1) ok = false;
    } else {
      std::ofstream created(path1, std::ios::binary);
      if (created) {
        created.write(bytes.data(), static_cast<std::streamsize>(createdSize));
        created.flush();
        if (!created) ok = false;
        SetSecondTableDefaults();
        m_alignTable2[10] = 0;
      } else {
        ok = false;
      }
    }
    if (!ok) ShowMessage(SaveErrorText(path1));
  }

  // The memory-map file is only ever rewritten, never created.
  const auto path2 = File2Path();
  std::error_code ec;
  if (std::filesystem::exists(path2, ec) && !NoOtherKindOfFile(path2)) {
    ShowMessage(SaveErrorText(path2));
    ok = false;
  } else if (std::filesystem::exists(path2, ec)) {
    std::string bytes2;
    PutU16(bytes2, static_cast<std::uint16_t>(m_comIndex));
    PutU16(bytes2, static_cast<std::uint16_t>(m_lptIndex));
    PutU16(bytes2, static_cast<std::uint16_t>(m_eepromEnd));
    PutU32(bytes2, m_flashStart);
    std::fstream file2(path2, std::ios::binary | std::ios::in | std::ios::out);
    bool ok2 = false;
    if (file2) {
      file2.write(bytes2.data(), static_cast<std::streamsize>(bytes2.size()));
      file2.flush();
      ok2 = static_cast<bool>(file2);
    }
    if (!ok2) {
      ShowMessage(SaveErrorText(path2));
      ok = false;
    }
  }
  return ok;
}

CProgramConfig& TheProgramConfig() {
  static CProgramConfig config;
  return config;
}
