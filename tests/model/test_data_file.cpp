// Loading and saving data files: every refusal leaves image and model as they
// were, and a saved file reads back to the same bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "model/channel_model.h"
#include "model/default_image.h"
#include "model/group_model.h"
#include "model/zone_model.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<std::uint8_t> DefaultFile(bool uhf) {
  std::vector<std::uint8_t> file;
  EXPECT_TRUE(BuildDefaultDataFile(uhf, file));
  return file;
}

class DataFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tq_datafile.XXXXXX";
    dir = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir); }

  // Loads the UHF default so that the model and image hold known data.
  void LoadDefault() {
    WriteAll(dir / "base.X417", DefaultFile(true));
    ASSERT_EQ(1, m->LoadDataFile((dir / "base.X417").string(), dir.string()));
    m.host.messages.clear();
  }
  // Asserts that a refused load left image, tail and model as they were.
  void ExpectRefused(const std::vector<std::uint8_t>& bytes, const std::string& message, int beeps = 0) {
    LoadDefault();
    const auto image = m->image;
    const auto tail = m->tail;
    const auto channelName = std::string(m->store.channels[0].name);
    g_bModified = 1;
    WriteAll(dir / "bad.X417", bytes);
    EXPECT_EQ(0, m->LoadDataFile((dir / "bad.X417").string(), dir.string()));
    ASSERT_EQ(1u, m.host.messages.size());
    EXPECT_EQ(message, m.host.messages[0]);
    EXPECT_EQ(beeps, m.host.beeps);
    EXPECT_TRUE(image == m->image);
    EXPECT_TRUE(tail == m->tail);
    EXPECT_EQ(channelName, m->store.channels[0].name);
    EXPECT_EQ(1u, g_bModified);
  }

  fs::path dir;
  TestModel m;
};

TEST_F(DataFileTest, RefusedFilesChangeNothing) {
  auto file = DefaultFile(true);

  ExpectRefused(std::vector<std::uint8_t>(file.begin(), file.begin() + 1151), "Problem reading from file");

  // UHF band bits, but not a known hardware code: checked before the length of the rest.
  for (std::size_t length : {std::size_t(1152), std::size_t(5000), std::size_t(23680), file.size()}) {
    std::vector<std::uint8_t> wrongHardware(file.begin(), file.begin() + std::ptrdiff_t(length));
    wrongHardware[32] = 0x60;
    m.host.beeps = 0;
    ExpectRefused(wrongHardware, "Hardware configuration mismatched!", 1);
  }
  m.host.beeps = 0;

  // Cut inside the blocks before the 5-Tone block, and cut after it.
  ExpectRefused(std::vector<std::uint8_t>(file.begin(), file.begin() + 20000), "Problem reading from file");
  ExpectRefused(std::vector<std::uint8_t>(file.begin(), file.begin() + 30000), "Problem reading from file");
  ExpectRefused(std::vector<std::uint8_t>(file.begin(), file.end() - 1), "Problem reading from file");

  // A type-11 radio always has its 5-Tone block in the file.
  ExpectRefused(std::vector<std::uint8_t>(file.begin(), file.begin() + 23680), "Problem reading from file");
}

TEST_F(DataFileTest, OlderFileTakesItsFiveToneBlockAndTailFromTheBandsQ58) {
  auto vhf = DefaultFile(false);
  fs::create_directories(dir / "Data");
  auto q58 = DataFileToQ58(vhf);
  ASSERT_EQ(30720u, q58.size());
  // Mark the parts the loader must take from the .Q58 file.
  for (std::size_t i = 0; i < 896; ++i) q58[21504 + i] = std::uint8_t(i * 7);
  q58[22400] = 0x5A;
  q58[30719] = 0xA5;
  WriteAll(dir / "Data" / "DEFAULTVP.Q58", q58);

  auto old = std::vector<std::uint8_t>(vhf.begin(), vhf.begin() + 23680);
  old[3] = 1;  // not production type 11
  WriteAll(dir / "old.X417", old);

  const auto cwd = fs::current_path();
  ASSERT_EQ(1, m->LoadDataFile((dir / "old.X417").string(), dir.string()));
  EXPECT_EQ(cwd, fs::current_path());
  EXPECT_TRUE(m.host.messages.empty());
  EXPECT_EQ(std::uint8_t(100 * 7), m->image[23680 + 100]);
  EXPECT_EQ(0x5A, m->image[24576]);
  EXPECT_EQ(0xA5, m->tail[383]);
  EXPECT_EQ(0xA5, m->image[32512 + 383]);

  // Without the .Q58 file, or with one a byte short of its tail, the older file
  // is refused and nothing changes.
  q58.pop_back();
  WriteAll(dir / "Data" / "DEFAULTVP.Q58", q58);
  ExpectRefused(old, "Problem reading from file");
  fs::remove(dir / "Data" / "DEFAULTVP.Q58");
  ExpectRefused(old, "Problem reading from file");
}

TEST_F(DataFileTest, LoadCopiesTheTailOverTheImagesLastBlocksAndTellsTheHost) {
  auto file = DefaultFile(true);
  for (std::size_t i = 0; i < 380; ++i) file[32512 + i] = std::uint8_t(i);
  m->global.systemType = 0x12;
  WriteAll(dir / "named.X417", file);
  g_bModified = 1;
  ASSERT_EQ(1, m->LoadDataFile((dir / "named.X417").string(), dir.string()));
  EXPECT_EQ(0u, g_bModified);
  for (std::size_t i = 0; i < 380; ++i) {
    ASSERT_EQ(std::uint8_t(i), m->tail[i]);
    ASSERT_EQ(std::uint8_t(i), m->image[32512 + i]);
  }
  ASSERT_EQ(1u, m.host.loadedLabels.size());
  EXPECT_EQ("File:named.X417", m.host.loadedLabels[0]);
  EXPECT_EQ(0x12, m.host.previousSystemType);
}

// The default file of each band, with bytes no record owns marked, saves back
// byte for byte, and so does the saved file.
TEST_F(DataFileTest, SavedFileReadsBackToTheSameBytes) {
  for (bool uhf : {true, false}) {
    SCOPED_TRACE(uhf ? "UHF" : "VHF");
    auto file = DefaultFile(uhf);
    for (std::size_t i = 22276; i < 23680; ++i) file[i] = std::uint8_t(i * 13);
    for (std::size_t i = 24576; i < 32512; ++i) file[i] = std::uint8_t(i * 31);
    WriteAll(dir / "a.X417", file);
    ASSERT_EQ(1, m->LoadDataFile((dir / "a.X417").string(), dir.string()));
    g_bModified = 1;
    ASSERT_TRUE(m->SaveDataFile((dir / "b.X417").string()));
    EXPECT_EQ(0u, g_bModified);
    EXPECT_EQ("File:b.X417", m.host.savedLabels.back());
    EXPECT_EQ(file, ReadAll(dir / "b.X417"));
    ASSERT_EQ(1, m->LoadDataFile((dir / "b.X417").string(), dir.string()));
    ASSERT_TRUE(m->SaveDataFile((dir / "c.X417").string()));
    EXPECT_EQ(file, ReadAll(dir / "c.X417"));
  }
  // The save writes the tail, not the image's own last blocks.
  for (std::size_t i = 0; i < kTailSize; ++i) m->tail[i] = std::uint8_t(0x40 + i % 64);
  ASSERT_TRUE(m->SaveDataFile((dir / "t.X417").string()));
  const auto saved = ReadAll(dir / "t.X417");
  ASSERT_EQ(kDataFileSize, saved.size());
  EXPECT_TRUE(std::equal(m->tail.begin(), m->tail.end(), saved.begin() + kFileImagePart));
}

// An earlier UHF file (every channel programmed with option and flag bits of
// its own, talk-group IDs on a PassPort zone and on the groups past the zones,
// tuning bytes of its own at image 14 and 15) and edits to both zone layouts'
// fields leave nothing behind: after opening a UHF or VHF file of either
// system type, or reading it from a radio (whole, or with the blocks a read
// skips left 0xFF), the records and the bytes saved after the same edits are
// those of a model of that band that never held them and read every block.
TEST_F(DataFileTest, OpeningAFileLeavesNothingOfTheDataBeforeBehind) {
  TestModel a;
  a->global.systemType = 0x00;
  a->store.SetSystemDefaults(0, kSystemPassPort);
  ASSERT_FALSE(ApplyGroupCount(*a, 0, 16).refused);
  for (int g = 0; g < kGroupCount; ++g) {
    a->store.groups[g].idWord = std::uint16_t(3000 + g);
    EnterRxFrequency(*a, g, "452.00625", BlankRx::Ignore);
    a->store.channels[g].modeByte |= 0x30;
    a->store.channels[g].optionWordA |= 0x2003;
  }
  ASSERT_TRUE(a->SaveDataFile((dir / "earlier.X417").string()));
  auto earlier = ReadAll(dir / "earlier.X417");
  earlier[14] = earlier[15] = 200;
  WriteAll(dir / "earlier.X417", earlier);

  using Edit = void (*)(CEditModel&);
  const Edit edits[] = {
      [](CEditModel&) {},
      [](CEditModel& m) {  // a spare group past the first group block enabled, its channel programmed
        ASSERT_FALSE(ApplyGroupCount(m, 0, 10).refused);
        SetGroupEnabled(m, 9, true);
        EnterRxFrequency(m, 9, "452.5", BlankRx::Ignore);
      },
      [](CEditModel& m) {  // the zone made PassPort
        m.store.SetSystemDefaults(0, kSystemPassPort);
        m.store.ResetSystemGroups(0);
        ASSERT_FALSE(ApplyGroupCount(m, 0, 4).refused);
      },
      [](CEditModel& m) { m.global.systemType ^= 0x40; },  // the other zone layout saved
  };
  enum Way { kOpened, kRead, kReadSkipping, kWays };
  for (const bool uhf : {true, false}) {
    for (const int systemType : {0x40, 0x00}) {
      // The band's defaults saved with the system type: the groups past the zones in its layout.
      TestModel saver;
      WriteAll(dir / "next.X417", DefaultFile(uhf));
      ASSERT_EQ(1, saver->LoadDataFile((dir / "next.X417").string(), dir.string()));
      saver->global.systemType = saver->image[img::kSystemType] =
          std::uint8_t((saver->image[img::kSystemType] & ~0x40) | systemType);
      ASSERT_TRUE(saver->SaveDataFile((dir / "next.X417").string()));
      const auto next = ReadAll(dir / "next.X417");
      // What a read of `next` brings when it skips blocks: the word area, the
      // blocks up to the last group block, the channel blocks up to the last
      // channel block, the 5-Tone blocks and the adjustment blocks; and a header
      // block lost on top, read as the band's fresh start holds it.
      ImageBlocks skipping;
      for (std::size_t b = 0; b < skipping.size(); ++b)
        skipping[b] = b != 5 && (b <= next[253] || (b >= 57 && b <= next[252]) || (b >= 185 && b <= 191) || b >= 254);
      auto skipped = next;
      for (std::size_t i = 0; i < kImageSize; ++i)
        if (!skipping[i / kBlockSize]) skipped[i] = 0xFF;
      for (std::size_t e = 0; e < kWays * std::size(edits); ++e) {
        const Way way = Way(e / std::size(edits));
        SCOPED_TRACE(testing::Message() << (uhf ? "UHF" : "VHF") << ", type " << systemType << ", edit " << e);
        TestModel fresh, used;
        if (!uhf) MakeVhf(*fresh);
        ASSERT_EQ(1, used->LoadDataFile((dir / "earlier.X417").string(), dir.string()));
        // A read keeps the model's tables, not the image bytes that go with them.
        if (way != kOpened) fresh->store.tuning = used->store.tuning, fresh->store.tuning.imageBytes[0] = 0;
        CChannelStore& s = used->store;
        for (int z = 0; z < kZoneCount; ++z) {
          std::fill(std::begin(s.zoneRepeaters[z]), std::end(s.zoneRepeaters[z]), std::uint16_t(0x0123));
          s.zoneFlags2[z] = 0x35, s.zoneHomeSystemId[z] = 0x1234, s.zoneRssiDuration[z] = 9;
          s.zoneHomeChannelWords[0][z] = s.zoneBackupHomeChannelWords[2][z] = 0x2222;
        }
        for (CEditModel* m : {fresh.model.get(), used.model.get()}) {
          const bool skips = way == kReadSkipping && m == used.model.get();
          if (way != kOpened) std::copy_n((skips ? skipped : next).begin(), kFileImagePart, m->image.begin());
          if (way == kOpened) ASSERT_EQ(1, m->LoadDataFile((dir / "next.X417").string(), dir.string()));
          else m->UnpackImage(m->image.data(), skips ? skipping : AllImageBlocks());
          edits[e % std::size(edits)](*m);
        }
        for (int i = 0; i < kChannelCount; ++i) {
          ASSERT_TRUE(fresh->store.channels[i] == used->store.channels[i]) << "channel " << i;
          ASSERT_TRUE(fresh->store.groups[i] == used->store.groups[i]) << "group " << i;
        }
        EXPECT_TRUE(std::ranges::equal(fresh->store.selCalls, used->store.selCalls));
        EXPECT_TRUE(std::ranges::equal(fresh->store.seedChannels, used->store.seedChannels));
        EXPECT_TRUE(std::ranges::equal(fresh->store.tuningPoints, used->store.tuningPoints));
        EXPECT_TRUE(std::ranges::equal(fresh->store.extraBytes, used->store.extraBytes));
        EXPECT_TRUE(fresh->global.accOutputFunction == used->global.accOutputFunction);  // header block 5
        EXPECT_EQ(fresh->global.extMicSense, used->global.extMicSense);
        ASSERT_TRUE(fresh->SaveDataFile((dir / "fresh.X417").string()));
        ASSERT_TRUE(used->SaveDataFile((dir / "used.X417").string()));
        const auto saved = ReadAll(dir / "fresh.X417"), other = ReadAll(dir / "used.X417");
        // The image part (a read's tail is the radio's); a block a read skipped
        // stays 0xFF but for what the records write into it, the groups and
        // tuning points whole.
        auto whole = [](std::size_t i) { return (i >= img::kGroups && i < 7200) || (i >= 13824 && i < 15232); };
        for (std::size_t i = 0; i < kFileImagePart; ++i)
          if (way != kReadSkipping || skipping[i / kBlockSize] || whole(i)) {
            ASSERT_EQ(saved[i], other[i]) << "byte " << i;
          }
      }
    }
  }
}

TEST_F(DataFileTest, SaveToAnUnwritablePlaceIsReportedAndKeepsTheFlag) {
  LoadDefault();
  g_bModified = 1;
  const std::string path = (dir / "no-such-folder" / "x.X417").string();
  EXPECT_FALSE(m->SaveDataFile(path));
  ASSERT_EQ(1u, m.host.messages.size());
  EXPECT_EQ("Problem Saving file\n    " + path + "\n\n   Press any key", m.host.messages[0]);
  EXPECT_EQ(1u, g_bModified);
  EXPECT_TRUE(m.host.savedLabels.empty());
}

// A save the pack refuses leaves the file, the flag and the title as they were.
TEST_F(DataFileTest, ARefusedPackLeavesTheFileAsItWas) {
  WriteAll(dir / "kept.X417", {1, 2, 3});
  m->store.modelWord = 11 << 8;
  m->keys.keyFunctionCodes[0] = CKeyAssignSection::kPhoneInterconnect;  // with no dial memory #0
  g_bModified = 1;
  EXPECT_FALSE(m->SaveDataFile((dir / "kept.X417").string()));
  EXPECT_EQ((std::vector<std::uint8_t>{1, 2, 3}), ReadAll(dir / "kept.X417"));
  EXPECT_EQ(1u, g_bModified);
  EXPECT_TRUE(m.host.savedLabels.empty());
}

// A longer file loads with the bytes beyond a whole file ignored, and a save
// over it replaces it whole.
TEST_F(DataFileTest, ALongerFileLoadsWithoutItsExtraBytesAndASaveReplacesItWhole) {
  auto file = DefaultFile(true);
  const auto whole = file;
  file.resize(whole.size() + 100, 0x33);
  WriteAll(dir / "long.X417", file);
  ASSERT_EQ(1, m->LoadDataFile((dir / "long.X417").string(), dir.string()));
  EXPECT_TRUE(std::equal(whole.begin() + kFileImagePart, whole.end(), m->tail.begin()));
  ASSERT_TRUE(m->SaveDataFile((dir / "long.X417").string()));
  EXPECT_EQ(whole, ReadAll(dir / "long.X417"));
}

// Only regular files are read: a FIFO would hold the program, a folder is no
// data file. Both are refused as files that do not open, as a missing file is,
// with the path named; a FIFO in place of the band's ".Q58" file as a failed
// fallback; image and model unchanged.
TEST_F(DataFileTest, OnlyRegularFilesAreRead) {
  ASSERT_EQ(mkfifo((dir / "fifo.X417").c_str(), 0600), 0);
  fs::create_directory(dir / "folder.X417");
  for (const char* name : {"fifo.X417", "folder.X417", "none.X417"}) {
    LoadDefault();
    const auto image = m->image;
    const std::string path = (dir / name).string();
    EXPECT_EQ(0, m->LoadDataFile(path, dir.string()));
    ASSERT_EQ(1u, m.host.messages.size());
    EXPECT_EQ("Problem opening file\n    " + path + "\n\n   Press any key", m.host.messages[0]);
    EXPECT_TRUE(image == m->image);
  }

  const auto file = DefaultFile(true);
  std::vector<std::uint8_t> old(file.begin(), file.begin() + 23680);
  old[3] = 1;
  fs::create_directories(dir / "Data");
  ASSERT_EQ(mkfifo((dir / "Data" / "DEFAULTUP.Q58").c_str(), 0600), 0);
  ExpectRefused(old, "Problem reading from file");
}

// A save through a link writes the file it points at (the link stays a link)
// with that file's mode, by way of a new file of its own name in the target's
// folder: a file named "<name>.tmp" is not touched, and nothing is left over.
TEST_F(DataFileTest, SaveThroughALinkWritesItsTargetAndKeepsItsMode) {
  LoadDefault();
  const auto expected = ReadAll(dir / "base.X417");
  fs::create_directory(dir / "store");
  WriteAll(dir / "store" / "radio.X417", std::vector<std::uint8_t>(100, 0x11));
  fs::permissions(dir / "store" / "radio.X417", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  WriteAll(dir / "store" / "radio.X417.tmp", {1, 2, 3});
  fs::create_symlink("store/radio.X417", dir / "hop.X417");  // relative to the link's folder
  fs::create_symlink(dir / "hop.X417", dir / "link.X417");   // a chain of two

  ASSERT_TRUE(m->SaveDataFile((dir / "link.X417").string()));
  EXPECT_TRUE(fs::is_symlink(dir / "link.X417"));
  EXPECT_TRUE(fs::is_symlink(dir / "hop.X417"));
  EXPECT_EQ(expected, ReadAll(dir / "store" / "radio.X417"));
  EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
            fs::status(dir / "store" / "radio.X417").permissions());
  EXPECT_EQ((std::vector<std::uint8_t>{1, 2, 3}), ReadAll(dir / "store" / "radio.X417.tmp"));
  EXPECT_EQ(2, std::distance(fs::directory_iterator(dir / "store"), fs::directory_iterator()));
  ASSERT_EQ(1u, m.host.savedLabels.size());
  EXPECT_EQ("File:link.X417", m.host.savedLabels[0]);

  // A link to a file not yet there creates it; a new file gets the usual mode.
  fs::create_symlink("store/new.X417", dir / "dangling.X417");
  ASSERT_TRUE(m->SaveDataFile((dir / "dangling.X417").string()));
  EXPECT_EQ(expected, ReadAll(dir / "store" / "new.X417"));
  EXPECT_TRUE(fs::is_symlink(dir / "dangling.X417"));
}

// What cannot take a data file is refused with the save message and keeps what
// it was: a FIFO (never opened, so nothing waits), a read-only file, a link loop.
TEST_F(DataFileTest, SaveRefusesWhatIsNoWritableRegularFile) {
  LoadDefault();
  ASSERT_EQ(mkfifo((dir / "fifo.X417").c_str(), 0600), 0);
  WriteAll(dir / "locked.X417", {7});
  fs::permissions(dir / "locked.X417", fs::perms::owner_read);
  fs::create_symlink("loop2.X417", dir / "loop1.X417");
  fs::create_symlink("loop1.X417", dir / "loop2.X417");
  const bool root = geteuid() == 0;  // root writes read-only files
  for (const char* name : {"fifo.X417", "locked.X417", "loop1.X417"}) {
    if (root && std::string(name) == "locked.X417") continue;
    m.host.messages.clear();
    const std::string path = (dir / name).string();
    EXPECT_FALSE(m->SaveDataFile(path)) << name;
    ASSERT_EQ(1u, m.host.messages.size());
    EXPECT_EQ("Problem Saving file\n    " + path + "\n\n   Press any key", m.host.messages[0]);
  }
  EXPECT_TRUE(fs::is_fifo(dir / "fifo.X417"));
  EXPECT_EQ(std::vector<std::uint8_t>{7}, ReadAll(dir / "locked.X417"));
  // Nothing but what the test made.
  EXPECT_EQ(5, std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(DefaultFiles, BuiltFilesExistAndMatchTheModelsDefaults) {
  for (bool uhf : {true, false}) {
    const fs::path dir = fs::path(TQ_BINARY_DIR) / "Data";
    auto built = ReadAll(dir / (uhf ? "DEFAULTUP.X417" : "DEFAULTVP.X417"));
    ASSERT_EQ(DefaultFile(uhf), built);
    EXPECT_EQ(uhf ? 0x61 : 0x01, built[32]);
    EXPECT_EQ(30720u, ReadAll(dir / (uhf ? "DEFAULTUP.Q58" : "DEFAULTVP.Q58")).size());
  }
}

}  // namespace
