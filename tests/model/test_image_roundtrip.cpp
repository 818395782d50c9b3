// Whole-image behaviour of unpack and pack: idempotence on arbitrary images,
// bytes no record owns, and images that index past the records. (A blank image
// is unpacked and packed with the global settings' tests, the default files
// with the data file's.)
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "model/default_image.h"
#include "test_support.h"

namespace {

using Image = std::array<std::uint8_t, kImageBufferSize>;

// An arbitrary image that the loader would accept.
Image RandomImage(std::mt19937& rng) {
  Image image{};
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = std::uint8_t(byte(rng));
  image[img::kHardware] = (rng() & 1) ? 0x61 : 0x01;
  return image;
}

Image PackedOnce(CEditModel& m, Image image) {
  m.UnpackImage(image.data());
  m.PackImage(image.data());
  return image;
}

bool SameRange(const Image& a, const Image& b, std::size_t from, std::size_t to) {
  return std::equal(a.begin() + from, a.begin() + to, b.begin() + from);
}

TEST(ImageMap, FreshImageIsBlank) {
  TestModel m;
  for (std::size_t i = 0; i < kImageSize; ++i) ASSERT_EQ(0xFF, m->image[i]) << i;
}

TEST(ImageRoundTrip, PackOfAnUnpackIsStableOnArbitraryImages) {
  std::mt19937 rng(20261208);
  TestModel m;
  for (int run = 0; run < 60; ++run) {
    const Image original = RandomImage(rng);
    const Image once = PackedOnce(*m, original);
    const Image twice = PackedOnce(*m, once);
    ASSERT_TRUE(once == twice) << "run " << run;
    // Bytes that no record owns pass through unchanged.
    ASSERT_TRUE(SameRange(original, once, 0, 4));
    ASSERT_TRUE(SameRange(original, once, 22276, 23680));
    ASSERT_TRUE(SameRange(original, once, 24576, 32512));
    ASSERT_TRUE(SameRange(original, once, 256, 376));
  }
}

// Arbitrary files of any length through the loader and the saver: the sanitizers
// of the test build report any access outside the image or the records.
TEST(ImageRoundTrip, ArbitraryFilesLoadPackAndSaveSafely) {
  char pattern[] = "/tmp/tq_fuzz.XXXXXX";
  const std::filesystem::path dir = mkdtemp(pattern);
  std::mt19937 rng(5100);
  std::vector<std::uint8_t> base;
  ASSERT_TRUE(BuildDefaultDataFile(true, base));
  TestModel m;
  const std::size_t lengths[] = {0, 1, 31, 33, 1151, 1152, 1153, 5000, 23679, 23680, 23681, 24576, 32895, 32896, 32897, 40000};
  for (int run = 0; run < 200; ++run) {
    std::vector<std::uint8_t> file;
    const std::size_t length = run < 16 ? lengths[run] : (rng() % 2 ? kDataFileSize : rng() % 40000);
    if (run % 3 == 0) {
      file.assign(length, 0);
      for (auto& b : file) b = std::uint8_t(rng());
    } else {
      // A valid file with random damage.
      file = base;
      file.resize(length, 0xFF);
      for (int k = 0; k < 64 && !file.empty(); ++k) file[rng() % file.size()] = std::uint8_t(rng());
    }
    if (file.size() > 32 && run % 2) file[32] = (rng() & 1) ? 0x61 : 0x01;
    {
      std::ofstream out(dir / "f.X417", std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    }
    if (m->LoadDataFile((dir / "f.X417").string(), dir.string())) {
      // The image and the tail are neighbours in the model, where the sanitizers
      // cannot see a write past the image: the pack must leave both ends alone.
      const auto tail = m->tail;
      const std::vector<std::uint8_t> beyond(m->image.begin() + kImageSize, m->image.end());
      m->PackImage(m->image.data());
      ASSERT_TRUE(tail == m->tail) << "run " << run;
      ASSERT_TRUE(std::equal(beyond.begin(), beyond.end(), m->image.begin() + kImageSize)) << "run " << run;
      m->SaveDataFile((dir / "g.X417").string());
    }
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
