// The model change of the Global 1 page: the save prompt's Cancel, a working
// folder without "Data" (every record at its defaults, the first channel on
// 450 MHz, the defaults packed), and a default file that loads; the trunking
// byte 249 survives both.
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>

#include "model/default_image.h"
#include "test_global1_support.h"
#include "ui/test_print_support.h"

namespace global1_test {
namespace {

CGlobalSettings& G() { return TheModel().global; }

class Global1ModelTest : public Global1Test {
 protected:
  void SetUp() override {
    char buf[PATH_MAX];
    ASSERT_NE(getcwd(buf, sizeof buf), nullptr);
    oldCwd = buf;
    ASSERT_EQ(chdir(dir.path.c_str()), 0);
    Global1Test::SetUp();
    CreatePage();
    host.modelChanged.clear();
  }
  void TearDown() override {
    Global1Test::TearDown();
    ASSERT_EQ(chdir(oldCwd.c_str()), 0);
  }
  void ChooseModel() {
    Select(IDC_G1_MODEL, 0);  // the one entry, chosen again
  }
  void WriteDefaultFile(const std::vector<std::uint8_t>& file) {
    std::filesystem::create_directories(dir.path / "Data");
    std::ofstream out(dir.path / "Data" / "DEFAULTUP.X417", std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  }
  // Edits that a model change must either keep (Cancel) or replace.
  void EditRecords() {
    G().byte185 = 0xFF;
    G().byte222 = 57;
    G().systemType = 0x00;  // PassPort trunking
    TheModel().store.modelWord = 0x0412;
    TheModel().store.SetChannelFreq1(0, 46012500);
    g_bModified = 1;
  }

  print_test::TempDir dir;
  std::string oldCwd;
};

TEST_F(Global1ModelTest, CancelAtTheSavePromptChangesNothing) {
  EditRecords();
  page.UpdateControls();
  host.modelChanged.clear();
  TheModel().image[32] = 0x5A;
  const auto image = TheModel().image;
  hooks.answer = false;
  ChooseModel();
  EXPECT_EQ(hooks.asked, 1);
  EXPECT_EQ(TheModel().image, image);
  EXPECT_EQ(G().byte185, 0xFF);
  EXPECT_EQ(G().systemType, 0x00);
  EXPECT_EQ(TheModel().store.modelWord, 0x0412u);
  EXPECT_EQ(TheModel().store.channels[0].rxFreq, 46012500);
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_TRUE(host.modelChanged.empty());
  EXPECT_EQ(Sel(IDC_G1_MODEL), 0);
  EXPECT_TRUE(modelHost.messages.empty());
}

TEST_F(Global1ModelTest, WithoutTheDataFolderEveryRecordIsAtItsDefaults) {
  EditRecords();
  G().hardwareByte = 0x01;
  G().bandFlag = 0;
  TheModel().image.fill(0xFF);
  ChooseModel();

  ASSERT_EQ(modelHost.messages.size(), 1u);
  EXPECT_EQ(modelHost.messages[0], "Problem opening file\n    Data/DEFAULTUP.X417\n\n   Press any key");
  EXPECT_EQ(modelHost.loads, 0);
  EXPECT_EQ(G().hardwareByte, 0x61u);
  EXPECT_EQ(G().bandFlag, 0x60u);
  EXPECT_EQ(TheModel().store.ProductionType() & 0x0B, 0x0B);
  EXPECT_EQ(TheModel().store.channels[0].rxFreq, 45000000);
  EXPECT_EQ(TheModel().store.channels[0].txFreq, 45000000);
  EXPECT_EQ(G().systemType, 0x00);  // byte 249 as it was
  EXPECT_NE(G().byte185, 0xFF);     // back at its default
  EXPECT_NE(G().byte222, 57);
  EXPECT_EQ(TheModel().image[32], 0x61);  // the defaults were packed into the image
  EXPECT_EQ(g_bModified, 0u);
  // Told once before the load and once by the refresh.
  EXPECT_EQ(host.modelChanged, (std::vector<LPARAM>{0, 0}));
}

TEST_F(Global1ModelTest, TheDefaultFileOfTheBandIsLoaded) {
  std::vector<std::uint8_t> file;
  ASSERT_TRUE(BuildDefaultDataFile(true, file));
  file[185] = 0x10;  // Power on Tone enabled
  file[222] = 57;    // "-3db"
  file[249] = 0x40;  // LTR in the file
  file[3] = 11;      // production type 11
  WriteDefaultFile(file);
  EditRecords();
  G().byte185 = 0x00;

  ChooseModel();
  EXPECT_TRUE(modelHost.messages.empty());
  EXPECT_EQ(modelHost.loads, 1);
  EXPECT_EQ(G().byte185, 0x10);
  EXPECT_EQ(G().byte222, 57);
  EXPECT_EQ(G().systemType, 0x00);  // the record's byte 249, not the file's
  EXPECT_EQ(G().hardwareByte, 0x61u);
  EXPECT_EQ(G().bandFlag, 0x60u);
  EXPECT_EQ(TheModel().store.channels[0].rxFreq, 45000000);
  EXPECT_EQ(TheModel().store.channels[0].txFreq, 45000000);
  EXPECT_EQ(g_bModified, 0u);
  // The page shows what was loaded.
  EXPECT_EQ(Shown(1039), "Enable");
  EXPECT_EQ(TheModel().store.ProductionType(), 11);
  EXPECT_EQ(Shown(1033), "-3db");
  EXPECT_EQ(host.modelChanged, (std::vector<LPARAM>{0, 0}));
}

}  // namespace
}  // namespace global1_test
