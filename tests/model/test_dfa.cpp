#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "model/dfa_table.h"
#include "test_support.h"

namespace {

TEST(DfaTable, ParsesHexLines) {
  EXPECT_EQ(CDfaTable::ParseLine("0E4E1C0"), 15000000u);
  EXPECT_EQ(CDfaTable::ParseLine("   \t0e4e1c0"), 15000000u);  // leading blanks, lower case
  EXPECT_EQ(CDfaTable::ParseLine("0E4E1C0\r"), 15000000u);
  EXPECT_EQ(CDfaTable::ParseLine("FF zz"), 255u);  // stops at the first other character
  EXPECT_EQ(CDfaTable::ParseLine(""), 0u);
  EXPECT_EQ(CDfaTable::ParseLine("xyz"), 0u);
  EXPECT_EQ(CDfaTable::ParseLine("-10"), 0u);
  EXPECT_EQ(CDfaTable::ParseLine("1FFFFFFFFF"), 0xFFFFFFFFu);  // saturates
  // Only the first 19 characters of a line are read.
  EXPECT_EQ(CDfaTable::ParseLine(std::string(18, ' ') + "A5"), 0xAu);
}

TEST(DfaTable, LoadStopsAtTheTableEndAndKeepsLongLinesWhole) {
  TestModel m;
  const std::string path =
      (std::filesystem::temp_directory_path() / ("dfa_lines_" + std::to_string(::getpid()))).string();
  {
    std::ofstream text(path);
    text << "0E4E1C0\n";
    text << std::string(40, '0') << "123\n";  // an over-long line is one entry
    text << "\n";                              // an empty line sets 0
    for (int k = 3; k < kDfaEntryCount; ++k) text << std::hex << (15000000 + 125 * k) << "\n";
    text << "DEADBEEF\n";  // line 1,346 is ignored
  }
  m->dfa.SetEntry(2, 99);
  EXPECT_TRUE(m->dfa.LoadFromFile(path));
  std::filesystem::remove(path);
  EXPECT_EQ(m->dfa.GetEntry(0), 15000000u);
  EXPECT_EQ(m->dfa.GetEntry(1), 0u);
  EXPECT_EQ(m->dfa.GetEntry(2), 0u);
  EXPECT_EQ(m->dfa.GetEntry(3), 15000375u);
  EXPECT_EQ(m->dfa.GetEntry(kDfaEntryCount - 1), std::uint32_t(15000000 + 125 * (kDfaEntryCount - 1)));
  EXPECT_EQ(m->dfa.GetEntry(kDfaEntryCount), 0u);
  m->dfa.SetEntry(kDfaEntryCount, 1);  // ignored
  m->dfa.SetEntry(-1, 1);
}

// A whole file fills the table; a missing, short or non-regular file is
// refused with its path named and leaves every word as it was.
TEST(DfaTable, LoadFromFileTakesOnlyAWholeRegularFile) {
  TestModel m;
  const auto dir = std::filesystem::temp_directory_path() / ("dfa_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / kDfaFileName).string();
  {
    std::ofstream out(path);
    for (int k = 0; k < kDfaEntryCount; ++k) out << std::hex << (0xE4E1C0 + k) << "\r\n";
  }
  EXPECT_TRUE(m->dfa.LoadFromFile(path));
  EXPECT_EQ(m->dfa.GetEntry(1), 0xE4E1C1u);
  EXPECT_EQ(m->dfa.GetEntry(kDfaEntryCount - 1), 0xE4E1C0u + kDfaEntryCount - 1);
  EXPECT_TRUE(m.host.messages.empty());

  const std::string shortPath = (dir / "short.x417").string();
  { std::ofstream(shortPath) << "0E4E1C0\n0E4E6A2\n"; }
  const std::string missing = (dir / "none.x417").string();
  const std::string fifo = (dir / "fifo.x417").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& refused : {shortPath, missing, fifo, dir.string()}) {
    m.host.messages.clear();
    EXPECT_FALSE(m->dfa.LoadFromFile(refused)) << refused;
    ASSERT_EQ(m.host.messages.size(), 1u);
    EXPECT_NE(m.host.messages[0].find("\n    " + refused + "\n"), std::string::npos) << m.host.messages[0];
  }
  EXPECT_EQ(m.host.messages[0], "Problem opening file\n    " + dir.string() + "\n\n   Press any key");
  m.host.messages.clear();
  m->dfa.LoadFromFile(shortPath);
  EXPECT_EQ(m.host.messages[0], "Problem reading from file\n    " + shortPath +
                                    "\n\n   2 of the 1345 frequency lines found: nothing is sent.");
  EXPECT_EQ(m->dfa.GetEntry(0), 0xE4E1C0u);
  EXPECT_EQ(m->dfa.GetEntry(1), 0xE4E1C1u);
  std::filesystem::remove_all(dir);
}

TEST(DfaTable, ImageRoundTripIsExact) {
  TestModel m;
  std::vector<std::uint8_t> image(kImageBufferSize, 0xFF);
  for (std::size_t i = img::kDfaTable; i < img::kDfaTable + 4 * kDfaEntryCount; ++i)
    image[i] = std::uint8_t(i * 37 + 11);
  const std::vector<std::uint8_t> before = image;
  m->dfa.UnpackFromImage(image.data());
  EXPECT_EQ(m->dfa.GetEntry(0), GetBE32(&image[img::kDfaTable]));  // words high byte first
  std::fill(image.begin(), image.end(), 0);
  m->dfa.PackToImage(image.data());
  EXPECT_TRUE(std::equal(before.begin() + img::kDfaTable, before.begin() + img::kDfaTable + 5380,
                         image.begin() + img::kDfaTable));
  EXPECT_EQ(image[img::kDfaTable - 1], 0);  // nothing outside 16,896..22,275
  EXPECT_EQ(image[img::kDfaTable + 5380], 0);
}

}  // namespace
