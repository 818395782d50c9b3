// The memory editor in an offscreen window, driven with real keys and clicks:
// the dump text, nibble edits at the caret, the protected words, the block
// buttons (also held), the file commands and the clone dialog it runs.
#include <QPlainTextEdit>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "link/dialogs/rom_edit_dlg.h"
#include "ui/ui_test_support.h"

using namespace ui_test;

namespace {

// One dump line as the radio's memory shows it: address, sixteen bytes, CR LF.
std::string DumpLine(unsigned address, const std::uint8_t* bytes) {
  char text[8];
  std::snprintf(text, sizeof text, "%05X: ", address);
  std::string line = text;
  for (int j = 0; j < 16; ++j) {
    std::snprintf(text, sizeof text, "%02X ", bytes[j]);
    line += text;
  }
  return line + "\r\n";
}

constexpr int kLine = 57;
constexpr int kFirstDigit = 7;
int Pos(int line, int byte, int digit = 0) { return line * kLine + kFirstDigit + 3 * byte + digit; }

class RomEditTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    CRepeatButton::SetDefaultTickSource(&ticks);
    for (std::size_t i = 0; i < kImageSize; ++i) model.image[i] = static_cast<std::uint8_t>(i);
    for (std::size_t i = 0; i < kTailSize; ++i) model.tail[i] = static_cast<std::uint8_t>(0xC0 ^ i);
    dir = std::filesystem::temp_directory_path() /
          ("rom_edit_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    Open();
  }
  void Open(std::function<bool()> querySaveChanges = nullptr) {
    delete dlg;
    CRomEditDlg::Services services;
    services.setRomModified = [this](bool on) { romModified.push_back(on); };
    services.querySaveChanges = std::move(querySaveChanges);
    services.onDestroyed = [this] {
      dlg = nullptr;
      ++destroyed;
    };
    dlg = new CRomEditDlg(nullptr, model, RomEditorMap{}, services);
    ASSERT_TRUE(Activate(*dlg));
    prompts.Clear();
  }
  void TearDown() override {
    delete dlg;
    CRepeatButton::SetDefaultTickSource(nullptr);
    std::filesystem::remove_all(dir);
    WndTest::TearDown();
  }

  std::string Dump() const { return dlg->GetDlgItemText(IDC_ROM_DUMP); }
  std::string Number() const { return dlg->GetDlgItemText(IDC_ROM_BLOCK_NUMBER); }
  CEdit& DumpEdit() const { return *static_cast<CEdit*>(dlg->GetDlgItem(IDC_ROM_DUMP)); }
  void Press(int id) { Click(dlg->GetDlgItem(id)); }
  // The caret into the dump, with the focus.
  void CaretAt(int p) {
    DumpEdit().SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == &DumpEdit(); }));
    DumpEdit().SetSel(p, p);
  }
  int Caret() const {
    int start = 0, end = 0;
    DumpEdit().GetSel(start, end);
    EXPECT_EQ(start, end);
    return start;
  }
  void HoldDown(int id) {
    ticks.held = true;
    QTest::mousePress(dlg->GetDlgItem(id)->GetSafeHwnd(), Qt::LeftButton);
  }
  void Release(int id) { QTest::mouseRelease(dlg->GetDlgItem(id)->GetSafeHwnd(), Qt::LeftButton); }
  std::vector<std::uint8_t> ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  CHandTicks ticks;
  CEditModel model;
  CRomEditDlg* dlg = nullptr;
  std::vector<bool> romModified;
  int destroyed = 0;
  std::filesystem::path dir;
};

// ---- the dump ---------------------------------------------------------------------

TEST_F(RomEditTest, DumpShowsWordAreaFlashAndAdjustmentBlocksByteExact) {
  EXPECT_EQ(dlg->GetWindowText(), "PX280 ROM EDIT");
  EXPECT_EQ(dlg->GetDlgItemText(IDC_ROM_COLUMN_HEADER), kDumpColumnHeader);
  EXPECT_EQ(Number(), "00h");
  // Word area: addressed by word, each word high byte first.
  std::string expected;
  for (int l = 0; l < 8; ++l) {
    std::uint8_t bytes[16];
    for (int j = 0; j < 16; ++j) bytes[j] = static_cast<std::uint8_t>((16 * l + j) ^ 1);
    expected += DumpLine(8u * l, bytes);
  }
  EXPECT_EQ(Dump().substr(0, kLine), "00000: 01 00 03 02 05 04 07 06 09 08 0B 0A 0D 0C 0F 0E \r\n");
  EXPECT_EQ(Dump(), expected);

  // The first flash block: the radio's flash address, bytes in image order.
  Press(IDC_ROM_DOWN);
  Press(IDC_ROM_DOWN);
  EXPECT_EQ(Number(), "02h");
  expected.clear();
  for (int l = 0; l < 8; ++l) expected += DumpLine(0x38000u + 16 * l, &model.image[256 + 16 * l]);
  EXPECT_EQ(Dump().substr(0, kLine), "38000: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n");
  EXPECT_EQ(Dump(), expected);
  EXPECT_EQ(Dump().size(), std::size_t(kDumpLength));

  // The last block is the second adjustment block: the tail's data, which is
  // what the radio holds there.
  Press(IDC_ROM_BOTTOM);
  EXPECT_EQ(Number(), "FFh");
  expected.clear();
  for (int l = 0; l < 8; ++l) expected += DumpLine(0x3FE80u + 16 * l, &model.tail[128 + 16 * l]);
  EXPECT_EQ(Dump(), expected);
}

// ---- typing ---------------------------------------------------------------------------

TEST_F(RomEditTest, DigitsChangeTheNibbleAtTheCaretAndMoveIt) {
  for (int i = 0; i < 5; ++i) Press(IDC_ROM_DOWN);
  ASSERT_EQ(Number(), "05h");
  CaretAt(Pos(2, 4));  // image byte 640 + 32 + 4
  Type("5");
  EXPECT_EQ(model.image[676], 0x54);
  EXPECT_EQ(Dump().substr(Pos(2, 4), 2), "54");
  EXPECT_EQ(Caret(), Pos(2, 4, 1));
  Type("c");
  EXPECT_EQ(model.image[676], 0x5C);
  EXPECT_EQ(Dump().substr(Pos(2, 4), 2), "5C");
  EXPECT_EQ(Caret(), Pos(2, 5));  // over the blank to the next byte
  EXPECT_EQ(romModified, (std::vector<bool>{true, true}));

  // From the last low digit of a line to the first digit of the next.
  CaretAt(Pos(2, 15, 1));
  Type("0");
  EXPECT_EQ(model.image[687], 0xA0);
  EXPECT_EQ(Caret(), Pos(3, 0));

  // Anything else beeps and changes nothing; the caret stays.
  const std::string before = Dump();
  const auto image = model.image;
  prompts.Clear();
  CaretAt(Pos(4, 1));
  Type("gZ ");
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Delete);
  EXPECT_EQ(prompts.Beeps(), 4);
  EXPECT_EQ(Dump(), before);
  EXPECT_EQ(model.image, image);
  EXPECT_EQ(Caret(), Pos(4, 1));

  // A digit on the address goes to the line's first digit.
  CaretAt(4 * kLine + 3);
  Type("1");
  EXPECT_EQ(Caret(), Pos(4, 0));
  EXPECT_EQ(model.image, image);

  // Text that reaches the edit another way (a drop, a paste) does not stay.
  static_cast<QPlainTextEdit*>(DumpEdit().GetSafeHwnd())->insertPlainText("zz");
  EXPECT_EQ(Dump(), before);
}

TEST_F(RomEditTest, TheRadiosOwnWordsBeepAndChangeNothing) {
  const auto image = model.image;
  const std::string before = Dump();
  for (int p : {Pos(0, 6), Pos(0, 7, 1), Pos(2, 0), Pos(2, 1, 1)}) {  // words 3 and 16
    prompts.Clear();
    CaretAt(p);
    Type("7");
    EXPECT_EQ(prompts.Beeps(), 1) << p;
  }
  EXPECT_EQ(model.image, image);
  EXPECT_EQ(Dump(), before);
  EXPECT_TRUE(romModified.empty());

  CaretAt(Pos(2, 2));  // word 17, high byte = image byte 35
  Type("f");
  EXPECT_EQ(model.image[35], 0xF3);
  CaretAt(Pos(2, 8, 1));  // word 20, high byte = image byte 41
  Type("e");
  EXPECT_EQ(model.image[41], 0x2E);
  EXPECT_EQ(Dump().substr(Pos(2, 8), 2), "2E");
}

// ---- block navigation -------------------------------------------------------------

TEST_F(RomEditTest, BlockButtonsBeepAndStayWithinTheBlocks) {
  Press(IDC_ROM_UP);  // at block 0: only a beep
  EXPECT_EQ(Number(), "00h");
  Press(IDC_ROM_DOWN);
  EXPECT_EQ(Number(), "01h");
  Press(IDC_ROM_BOTTOM);
  EXPECT_EQ(Number(), "FFh");
  Press(IDC_ROM_DOWN);  // at the last block: only a beep
  EXPECT_EQ(Number(), "FFh");
  Press(IDC_ROM_UP);
  EXPECT_EQ(Number(), "FEh");
  EXPECT_EQ(Dump().substr(0, 7), "3FE00: ");
  Press(IDC_ROM_TOP);
  EXPECT_EQ(Number(), "00h");
  EXPECT_EQ(Dump().substr(0, 7), "00000: ");
  EXPECT_EQ(prompts.Beeps(), 6);

  // Enter, Esc and Delete do nothing to the editor.
  Key(Qt::Key_Return);
  Key(Qt::Key_Escape);
  Pump();
  ASSERT_NE(dlg, nullptr);
  EXPECT_TRUE(dlg->IsWindowVisible());
}

TEST_F(RomEditTest, HeldRepeatButtonsStepTheNumberAndTheReleaseShowsTheBlock) {
  HoldDown(IDC_ROM_DOWN);
  ticks.Tick(24);  // three steps, 200 ms apart
  EXPECT_EQ(Number(), "03h");
  EXPECT_EQ(Dump().substr(0, 7), "00000: ");  // the dump follows with the click
  Release(IDC_ROM_DOWN);
  EXPECT_EQ(Number(), "04h");
  EXPECT_EQ(Dump().substr(0, 7), "38100: ");

  HoldDown(IDC_ROM_UP);
  ticks.Tick(80);  // ten steps, held at block 0
  EXPECT_EQ(Number(), "00h");
  Release(IDC_ROM_UP);
  EXPECT_EQ(Number(), "00h");
  EXPECT_EQ(Dump().substr(0, 7), "00000: ");

  Press(IDC_ROM_BOTTOM);
  HoldDown(IDC_ROM_DOWN);
  ticks.Tick(40);
  EXPECT_EQ(Number(), "FFh");
  Release(IDC_ROM_DOWN);
  EXPECT_EQ(Number(), "FFh");
  EXPECT_EQ(dlg->Editor().CurrentBlock(), 255);
}

// ---- files -------------------------------------------------------------------------------

TEST_F(RomEditTest, FileSaveWritesTheBytesAsTheEditorShowsThem) {
  Press(IDC_ROM_DOWN);
  Press(IDC_ROM_DOWN);
  CaretAt(Pos(0, 0));
  Type("e");  // image byte 256
  prompts.Clear();

  std::filesystem::create_directories(dir / "a.b");
  prompts.AnswerFile((dir / "a.b" / "radio").string());
  Press(IDC_ROM_FILE_SAVE);
  ASSERT_EQ(prompts.Prompts().size(), 1u);
  const FileDialogRequest& request = prompts.Prompts()[0].request;
  EXPECT_EQ(request.title, "Select save file");
  EXPECT_EQ(request.flags & OFN_FILEMUSTEXIST, 0u);  // new names can be saved
  const std::vector<std::uint8_t> file = ReadAll(dir / "a.b" / "radio.X417");
  ASSERT_EQ(file.size(), kDataFileSize);
  EXPECT_TRUE(std::equal(file.begin(), file.begin() + kFileImagePart, model.image.begin()));
  EXPECT_TRUE(std::equal(file.begin() + kFileImagePart, file.end(), model.tail.begin()));
  EXPECT_EQ(file[256], 0xE0);
  EXPECT_EQ(prompts.Beeps(), 1);

  // A name with a dot is kept; Cancel writes nothing.
  prompts.AnswerFile((dir / "radio.bin").string());
  Press(IDC_ROM_FILE_SAVE);
  EXPECT_EQ(ReadAll(dir / "radio.bin").size(), kDataFileSize);
  prompts.AnswerFile(std::nullopt);
  Press(IDC_ROM_FILE_SAVE);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 2);
}

TEST_F(RomEditTest, FileLoadShowsTheFirstBlockOfTheLoadedFile) {
  std::vector<std::uint8_t> file(kDataFileSize);
  for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(0x5A ^ (i * 3));
  file[32] = 0x61;  // a UHF radio
  file[40] = 0xEF;  // word 20 = 0xBEEF
  file[41] = 0xBE;
  {
    std::ofstream out(dir / "loaded.X417", std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
  }
  Press(IDC_ROM_BOTTOM);
  CaretAt(Pos(0, 0));
  Type("1");
  ASSERT_EQ(romModified, (std::vector<bool>{true}));
  prompts.Clear();

  prompts.AnswerFile((dir / "loaded.X417").string());
  Press(IDC_ROM_FILE_LOAD);
  ASSERT_EQ(prompts.Prompts().size(), 1u);
  EXPECT_EQ(prompts.Prompts()[0].request.title, "Select file");
  EXPECT_EQ(prompts.Prompts()[0].request.initialDir, "Data");
  EXPECT_EQ(Number(), "00h");
  EXPECT_EQ(dlg->Editor().CurrentBlock(), 0);
  std::string expected;
  for (int l = 0; l < 8; ++l) {
    std::uint8_t bytes[16];
    for (int j = 0; j < 16; ++j) bytes[j] = file[(16 * l + j) ^ 1];
    expected += DumpLine(8u * l, bytes);
  }
  EXPECT_EQ(Dump(), expected);
  EXPECT_EQ(Dump().substr(Pos(2, 8), 5), "BE EF");
  EXPECT_EQ(romModified.back(), false);  // the editor's changes went with the old image

  // A file that cannot be loaded leaves the image; the first block is shown.
  Press(IDC_ROM_DOWN);
  romModified.clear();
  prompts.AnswerFile((dir / "missing.X417").string());
  Press(IDC_ROM_FILE_LOAD);
  EXPECT_EQ(Number(), "00h");
  EXPECT_EQ(Dump(), expected);
  EXPECT_TRUE(romModified.empty());
}

TEST_F(RomEditTest, ARefusedSavePromptKeepsTheImageFromALoadOrARead) {
  int asked = 0;
  Open([&] {
    ++asked;
    return false;
  });
  Press(IDC_ROM_BOTTOM);
  const auto image = model.image;
  prompts.AnswerFile((dir / "any.X417").string());
  Press(IDC_ROM_FILE_LOAD);
  Press(IDC_ROM_READ);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(prompts.Unanswered(), 0);
  EXPECT_EQ(prompts.Prompts().size(), 1u);  // the file dialog only, no clone dialog
  EXPECT_EQ(Number(), "FFh");
  EXPECT_EQ(model.image, image);
}

// ---- the radio and closing --------------------------------------------------------

TEST_F(RomEditTest, ReadAndSendRunTheCloneDialogAsTheEditorsTransfer) {
  prompts.AnswerDialog([](CDialog& clone) {
    return RunModal(clone, [&] {
      EXPECT_EQ(clone.GetDlgItemText(IDC_LINK_HEADING), "S e n d    t o    R a d i o");
      EXPECT_TRUE(clone.GetDlgItem(IDC_CLONE_ONE_BLOCK)->IsWindowVisible());  // offered from the editor
      Click(clone.GetDlgItem(IDCANCEL));
    });
  });
  Press(IDC_ROM_SEND);
  ASSERT_EQ(prompts.Prompts().size(), 1u);
  EXPECT_EQ(prompts.Prompts()[0].dialogId, IDD_CLONE);

  // A completed read: the first block, the editor's changes gone.
  Press(IDC_ROM_BOTTOM);
  prompts.AnswerDialog([](CDialog& clone) {
    EXPECT_EQ(static_cast<CCloneDlg&>(clone).GetMode(), CCloneDlg::kModeRead);
    g_bTransferDone = 1;
    return IDOK;
  });
  Press(IDC_ROM_READ);
  EXPECT_EQ(Number(), "00h");
  EXPECT_EQ(romModified, (std::vector<bool>{false}));

  // A read that did not complete still shows the first block.
  Press(IDC_ROM_BOTTOM);
  prompts.AnswerDialog([](CDialog&) { return IDCANCEL; });
  Press(IDC_ROM_READ);
  EXPECT_EQ(Number(), "00h");
  EXPECT_EQ(romModified.size(), 1u);
}

TEST_F(RomEditTest, CloseDestroysTheEditorAndTellsTheOwner) {
  Press(IDCANCEL);
  Pump();
  EXPECT_EQ(dlg, nullptr);
  EXPECT_EQ(destroyed, 1);
}

}  // namespace
