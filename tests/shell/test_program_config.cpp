#include "shell/program_config.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <ostream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

class ProgramConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/cfgtestXXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    dir = name;
    config.SetFolder(dir);
    config.SetMessageSink([this](const std::string& text) { messages.push_back(text); });
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all, ec);
    fs::remove_all(dir, ec);
  }

  void Write(const char* name, const Bytes& bytes) {
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  Bytes Read(const char* name) {
    std::ifstream in(dir / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  static Bytes File2(std::uint16_t com, std::uint16_t lpt, std::uint16_t end, std::uint32_t flash) {
    return {std::uint8_t(com), std::uint8_t(com >> 8), std::uint8_t(lpt), std::uint8_t(lpt >> 8),
            std::uint8_t(end), std::uint8_t(end >> 8), std::uint8_t(flash), std::uint8_t(flash >> 8),
            std::uint8_t(flash >> 16), std::uint8_t(flash >> 24)};
  }

  fs::path dir;
  CProgramConfig config;
  std::vector<std::string> messages;
};

// A full file 1: COM 5, LPT 1, word A 0x1234, kept bytes, word B 0x0102, and
// the two alignment tables 1..10 and 101..110.
Bytes FullFile1() {
  Bytes b = {5, 0, 1, 0, 0x34, 0x12, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x02, 0x01};
  for (int i = 0; i < 10; ++i) b.insert(b.end(), {std::uint8_t(i + 1), 0});
  for (int i = 0; i < 10; ++i) b.insert(b.end(), {std::uint8_t(101 + i), 0});
  return b;
}

}  // namespace

TEST_F(ProgramConfigTest, NoFilesGiveDefaultsSilently) {
  config.Load();
  EXPECT_EQ(config.GetComPort(), 0);
  EXPECT_EQ(config.GetLptPort(), 0);
  EXPECT_EQ(config.GetEepromEnd(), 127);
  EXPECT_EQ(config.GetFlashStart(), 0x38000u);
  EXPECT_EQ(config.GetBlockCount(), 256);
  EXPECT_FALSE(config.HasMemoryMapFile());
  EXPECT_FALSE(config.IsBlockPushMode());
  EXPECT_TRUE(messages.empty());
  for (int i = 0; i < 18; ++i) EXPECT_EQ(config.GetAlignTable1()[i], 255u) << i;
  const std::uint32_t second[18] = {0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 255, 188, 188};
  for (int i = 0; i < 18; ++i) EXPECT_EQ(config.GetAlignTable2()[i], second[i]) << i;
}

TEST_F(ProgramConfigTest, SaveCreatesThirtySixBytesAndNoMemoryMapFile) {
  config.Load();
  config.AlignTable2()[3] = 77;  // not written to a new file, and reset in memory
  ASSERT_TRUE(config.Save());
  Bytes expected = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0};
  for (int i = 0; i < 10; ++i) expected.insert(expected.end(), {0xFF, 0});
  EXPECT_EQ(Read("PX417.CFG"), expected);
  EXPECT_FALSE(fs::exists(dir / "KM907.CFG"));
  EXPECT_EQ(config.GetAlignTable2()[3], 0u);
  const auto tableAfterSave = config.GetAlignTable2();

  CProgramConfig again;
  again.SetFolder(dir);
  again.Load();
  EXPECT_EQ(again.GetAlignTable2(), tableAfterSave);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ProgramConfigTest, FullFileRoundTripsByteForByteWithoutTruncation) {
  Bytes file = FullFile1();
  file.insert(file.end(), {0xAA, 0xBB, 0xCC});  // trailing bytes outlive a save
  Write("PX417.CFG", file);
  config.Load();
  EXPECT_EQ(config.GetComPort(), 5);
  EXPECT_EQ(config.GetLptPort(), 1);
  EXPECT_EQ(config.GetAlignTable1()[9], 10u);
  EXPECT_EQ(config.GetAlignTable1()[10], 255u);
  EXPECT_EQ(config.GetAlignTable2()[0], 101u);
  EXPECT_EQ(config.GetAlignTable2()[16], 188u);
  ASSERT_TRUE(config.Save());
  EXPECT_EQ(Read("PX417.CFG"), file);

  config.SetComPort(2);  // COM3 chosen by command
  config.AlignTable1()[0] = 0x12345;  // only the low 16 bits are kept
  ASSERT_TRUE(config.Save());
  Bytes changed = file;
  changed[0] = 2;
  changed[16] = 0x45;
  changed[17] = 0x23;
  EXPECT_EQ(Read("PX417.CFG"), changed);
}

TEST_F(ProgramConfigTest, MemoryMapFileOverridesPortsAndIsRewrittenInPlace) {
  Write("PX417.CFG", FullFile1());
  Write("KM907.CFG", File2(3, 0, 63, 0x1DC00));
  config.Load();
  EXPECT_TRUE(config.HasMemoryMapFile());
  EXPECT_EQ(config.GetComPort(), 3);
  EXPECT_EQ(config.GetLptPort(), 0);
  EXPECT_EQ(config.GetBlockCount(), 57);
  EXPECT_EQ(config.GetMemMap8(), 63);
  EXPECT_TRUE(config.IsBlockPushMode());

  config.SetComPort(2);
  ASSERT_TRUE(config.Save());
  EXPECT_EQ(Read("KM907.CFG"), File2(2, 0, 63, 0x1DC00));
  EXPECT_EQ(Read("PX417.CFG")[0], 2);
}

struct MapCase {
  std::uint16_t eepromEnd;
  std::uint32_t flash;
  int sizeCode, count, w1, w2, w3, w4, w5, w6, w7, w8;
  bool push;
  std::uint32_t flashAfter;
  std::vector<std::string> messages;
};

void PrintTo(const MapCase& c, std::ostream* os) { *os << "end " << c.eepromEnd << " flash " << c.flash; }

class MemoryMapTest : public ProgramConfigTest, public ::testing::WithParamInterface<MapCase> {};

TEST_P(MemoryMapTest, DerivesEveryWord) {
  const MapCase& c = GetParam();
  Write("KM907.CFG", File2(1, 1, c.eepromEnd, c.flash));
  config.Load();
  EXPECT_EQ(config.GetEepromSizeCode(), c.sizeCode);
  EXPECT_EQ(config.GetBlockCount(), c.count);
  EXPECT_EQ(config.GetMemMap1(), c.w1);
  EXPECT_EQ(config.GetMemMap2(), c.w2);
  EXPECT_EQ(config.GetMemMap3(), c.w3);
  EXPECT_EQ(config.GetMemMap4(), c.w4);
  EXPECT_EQ(config.GetMemMap5(), c.w5);
  EXPECT_EQ(config.GetMemMap6(), c.w6);
  EXPECT_EQ(config.GetMemMap7(), c.w7);
  EXPECT_EQ(config.GetMemMap8(), c.w8);
  EXPECT_EQ(config.IsBlockPushMode(), c.push);
  EXPECT_EQ(config.GetFlashStart(), c.flashAfter);
  EXPECT_EQ(messages, c.messages);
  EXPECT_EQ(config.GetComPort(), 1);
}

const char* const kEepromMsg = "Bad EEPROM end address\ndefault data are used";
const char* const kFlashMsg = "Bad flash ROM start address\ndefault data are used";

INSTANTIATE_TEST_SUITE_P(
    Rows, MemoryMapTest,
    ::testing::Values(
        MapCase{127, 0x1A500, 1, 168, 119, 9, 166, 8, 2, 3, 167, 127, false, 0x1A500, {}},
        MapCase{63, 0x1A500, 0, 167, 119, 9, 166, 8, 2, 3, 167, 127, false, 0x1A500, {}},
        MapCase{127, 0x38000, 1, 256, 119, 9, 184, 8, 3, 16, 254, 127, false, 0x38000, {}},
        MapCase{63, 0x38000, 0, 255, 119, 9, 184, 8, 3, 16, 254, 127, false, 0x38000, {}},
        MapCase{127, 0x1B400, 1, 138, 97, 8, 135, 7, 2, 12, 137, 127, false, 0x1B400, {}},
        MapCase{127, 0x1DC00, 1, 58, 60, 6, 55, 6, 2, 11, 56, 63, true, 0x1DC00, {}},
        MapCase{63, 0x1DC00, 0, 57, 60, 6, 55, 6, 2, 11, 56, 63, true, 0x1DC00, {}},
        MapCase{127, 0x20000, 1, 168, 119, 9, 166, 8, 2, 14, 167, 127, false, 0x1A500, {kFlashMsg}},
        MapCase{100, 0x38000, 1, 256, 119, 9, 184, 8, 3, 16, 254, 127, false, 0x38000, {kEepromMsg}},
        MapCase{0, 0, 1, 168, 119, 9, 166, 8, 2, 14, 167, 127, false, 0x1A500, {kEepromMsg, kFlashMsg}}),
    [](const ::testing::TestParamInfo<MapCase>& info) {
      char name[40];
      std::snprintf(name, sizeof name, "End%uFlash%X", unsigned{info.param.eepromEnd}, unsigned{info.param.flash});
      return std::string(name);
    });

TEST_F(ProgramConfigTest, BadEepromEndIsWrittenBackCorrected) {
  Write("KM907.CFG", File2(0, 0, 100, 0x20000));
  config.Load();
  ASSERT_TRUE(config.Save());
  EXPECT_EQ(Read("KM907.CFG"), File2(0, 0, 127, 0x1A500));
}

TEST_F(ProgramConfigTest, ShortFilesResetThePorts) {
  Write("PX417.CFG", {3, 0, 1});
  config.Load();
  EXPECT_EQ(config.GetComPort(), 0);
  EXPECT_EQ(config.GetLptPort(), 0);
  EXPECT_EQ(config.GetAlignTable1()[0], 255u);

  Write("PX417.CFG", FullFile1());
  Write("KM907.CFG", {2, 0, 1, 0, 127, 0, 0, 0x80, 3});  // one byte short of the flash start
  config.Load();
  EXPECT_EQ(config.GetComPort(), 0);
  EXPECT_EQ(config.GetLptPort(), 0);
  EXPECT_TRUE(config.HasMemoryMapFile());
  EXPECT_EQ(config.GetBlockCount(), 256);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ProgramConfigTest, OutOfRangePortsAreClampedAtLoad) {
  Bytes file = FullFile1();
  file[0] = 0x2C;  // COM index 300
  file[1] = 0x01;
  file[2] = 5;  // LPT index 5
  Write("PX417.CFG", file);
  config.Load();
  EXPECT_EQ(config.GetComPort(), 0);
  EXPECT_EQ(config.GetLptPort(), 0);

  Write("KM907.CFG", File2(0xFFFF, 1, 127, 0x38000));  // COM index -1
  config.Load();
  EXPECT_EQ(config.GetComPort(), 0);
  EXPECT_EQ(config.GetLptPort(), 1);

}

TEST_F(ProgramConfigTest, AFailedSaveIsReported) {
  if (geteuid() == 0) {
    // Permissions do not stop root: use a folder that does not exist instead.
    config.SetFolder(dir / "missing");
  } else {
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  }
  EXPECT_FALSE(config.Save());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Problem Saving file\n    " + config.File1Path().string() + "\n\n   Press any key");
}

// Only regular files are read or written: a FIFO or a folder in the place of
// either file counts as no file (nothing waits, the memory editor stays
// refused), and a save refuses to write into one.
TEST_F(ProgramConfigTest, FilesThatAreNotRegularAreNotUsed) {
  ASSERT_EQ(mkfifo((dir / "PX417.CFG").c_str(), 0600), 0);
  fs::create_directory(dir / "KM907.CFG");
  config.Load();
  EXPECT_EQ(config.GetComPort(), 0);
  EXPECT_EQ(config.GetAlignTable1()[0], 255u);
  EXPECT_FALSE(config.HasMemoryMapFile());
  EXPECT_TRUE(messages.empty());

  EXPECT_FALSE(config.Save());
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "Problem Saving file\n    " + config.File1Path().string() + "\n\n   Press any key");
  EXPECT_TRUE(fs::is_fifo(dir / "PX417.CFG"));

  fs::remove(dir / "PX417.CFG");
  fs::remove(dir / "KM907.CFG");
  ASSERT_EQ(mkfifo((dir / "KM907.CFG").c_str(), 0600), 0);
  config.Load();
  EXPECT_FALSE(config.HasMemoryMapFile());
  messages.clear();
  EXPECT_FALSE(config.Save());
  EXPECT_EQ(messages, std::vector<std::string>{"Problem Saving file\n    " + config.File2Path().string() +
                                               "\n\n   Press any key"});
  EXPECT_TRUE(fs::is_fifo(dir / "KM907.CFG"));
}
