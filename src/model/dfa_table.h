// The DFA frequency table: 1,345 channel frequencies (10 Hz units) that VHF
// radios carry in image bytes 16,896..22,275. Before a send to a VHF radio the
// table is filled from the hex-text file PX417_DFA.x417 so that the pack writes
// the file's words into the image.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/model_part.h"

inline constexpr int kDfaEntryCount = 1345;
inline constexpr const char* kDfaFileName = "PX417_DFA.x417";

class CDfaTable : public CModelPart {
 public:
  // Only the first characters of a file line are read; the rest of a longer line is discarded.
  static constexpr std::size_t kMaxLineChars = 19;

  explicit CDfaTable(CEditModel& model) : CModelPart(model), m_words(kDfaEntryCount, 0) {}

  // Word k (0..1,344); an index outside the table is ignored.
  void SetEntry(int k, std::uint32_t value);
  // Word k; 0 outside the table.
  std::uint32_t GetEntry(int k) const;

  // All 1,345 words, big-endian at 16,896 + 4 k.
  void UnpackFromImage(const std::uint8_t* image);
  void PackToImage(std::uint8_t* image);

  // Fills the table from the hex-text file at `path`, line k becoming word k.
  // When the file cannot be opened (or is no regular file) shows "Problem
  // opening file..." with the path; when it has fewer lines than the table has
  // words, "Problem reading from file..." with the path and the count. Either
  // returns false with the table unchanged.
  bool LoadFromFile(const std::string& path);
  // One line's value: leading blanks skipped, hexadecimal digits up to the first
  // other character (saturating at 0xFFFFFFFF), 0 when there are none.
  static std::uint32_t ParseLine(const std::string& line);

 private:
  std::vector<std::uint32_t> m_words;
};
