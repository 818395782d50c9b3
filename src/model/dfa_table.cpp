#include "model/dfa_table.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "model/conversions.h"
#include "model/edit_model.h"

void CDfaTable::SetEntry(int k, std::uint32_t value) {
  if (k >= 0 && k < kDfaEntryCount) m_words[std::size_t(k)] = value;
}

std::uint32_t CDfaTable::GetEntry(int k) const {
  return (k >= 0 && k < kDfaEntryCount) ? m_words[std::size_t(k)] : 0;
}

void CDfaTable::UnpackFromImage(const std::uint8_t* image) {
  for (int k = 0; k < kDfaEntryCount; ++k) m_words[std::size_t(k)] = GetBE32(image + img::kDfaTable + 4 * k);
}

void CDfaTable::PackToImage(std::uint8_t* image) {
  for (int k = 0; k < kDfaEntryCount; ++k) SetBE32(image + img::kDfaTable + 4 * k, m_words[std::size_t(k)]);
}

std::uint32_t CDfaTable::ParseLine(const std::string& line) {
  const std::size_t end = std::min(line.size(), kMaxLineChars);
  std::size_t i = 0;
  while (i < end && (line[i] == ' ' || line[i] == '\t')) ++i;
  std::uint64_t value = 0;
  for (; i < end; ++i) {
    const char c = line[i];
    const bool hex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    if (!hex) break;
    value = value * 16 + std::uint64_t(HexCharToValueNoCase(c));
    if (value > 0xFFFFFFFFu) value = 0xFFFFFFFFu;
  }
  return std::uint32_t(value);
}

bool CDfaTable::LoadFromFile(const std::string& path) {
  // Only a regular file is opened: a FIFO or a device would hold the program.
  std::error_code ec;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, ec)) in.open(path);
  if (!in.is_open()) {
    Host().ShowMessage("Problem opening file\n    " + path + "\n\n   Press any key");
    return false;
  }
  // The send packs every word of the table: a file without all of them would
  // leave words unset, so it is refused whole and the table keeps its words.
  // Whole lines are read, so that an over-long line stays one entry; lines
  // beyond the table are ignored.
  std::vector<std::uint32_t> words;
  std::string line;
  while (words.size() < m_words.size() && std::getline(in, line)) words.push_back(ParseLine(line));
  if (words.size() < m_words.size()) {
    Host().ShowMessage("Problem reading from file\n    " + path + "\n\n   " + std::to_string(words.size()) +
                       " of the " + std::to_string(kDfaEntryCount) + " frequency lines found: nothing is sent.");
    return false;
  }
  m_words = std::move(words);
  return true;
}
