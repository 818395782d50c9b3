// What the golden scripts share: the hash of the data file the records save to
// (which must load again to the same image), and the check of a recorded hash
// that prints the one found, ready to be recorded.
#pragma once

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "test_grid_support.h"
#include "ui/test_print_support.h"

namespace grid_test {

inline std::uint64_t Fnv1a(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (std::uint8_t b : bytes) h = (h ^ b) * 0x100000001b3ull;
  return h;
}

class GoldenTest : public GridTest {
 protected:
  // Saves the records, loads the file again (the same image, packed) and
  // returns the hash of the file's bytes.
  std::uint64_t SavedFileHash() {
    print_test::TempDir dir;
    const std::string file = dir.File("golden.X417");
    EXPECT_TRUE(TheModel().SaveDataFile(file));
    const auto saved = TheModel().image;
    EXPECT_EQ(TheModel().LoadDataFile(file, dir.path.string()), 1);
    EXPECT_TRUE(std::equal(saved.begin(), saved.end(), Packed().begin()));
    std::ifstream in(file, std::ios::binary);
    return Fnv1a({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
  }
  static void ExpectHash(const std::string& name, std::uint64_t hash, std::uint64_t recorded) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%016llxull", static_cast<unsigned long long>(hash));
    EXPECT_EQ(hash, recorded) << name << ": " << text;
  }
};

}  // namespace grid_test
