// The memory editor's model: the dump text byte for byte, where a typed digit
// lands, the protected words, the caret, the block navigation, and the
// editor's file save.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "link/rom_editor_model.h"

namespace {

class MessageHost : public IModelHost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

int Caret(int line, int column) { return line * kDumpLineLength + column; }
int HighDigit(int line, int j) { return Caret(line, 7 + 3 * j); }

class RomEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    model->SetHost(&host);
    for (std::size_t i = 0; i < model->image.size(); ++i) model->image[i] = std::uint8_t(i);
    for (std::size_t i = 0; i < model->tail.size(); ++i) model->tail[i] = std::uint8_t(0xC0 ^ i);
    Make(RomEditorMap{});
  }
  void Make(const RomEditorMap& map) {
    editor = std::make_unique<CRomEditorModel>(
        *model, map, CRomEditorModel::Hooks{[this] { ++beeps; }, [this](bool on) { romModified = on; }});
  }
  std::string Regenerated() const {
    return FormatRomBlock(RomEditorMap{}, model->image.data(), model->tail.data(), editor->ShownBlock());
  }

  MessageHost host;
  std::unique_ptr<CEditModel> model = std::make_unique<CEditModel>();
  std::unique_ptr<CRomEditorModel> editor;
  int beeps = 0;
  bool romModified = false;
};

TEST_F(RomEditor, DumpOfTheWordAreaAndOfFlashBlocks) {
  const std::string& block0 = editor->Text();
  ASSERT_EQ(block0.size(), 456u);
  EXPECT_EQ(block0.substr(0, 57), "00000: 01 00 03 02 05 04 07 06 09 08 0B 0A 0D 0C 0F 0E \r\n");
  EXPECT_EQ(block0.substr(7 * 57), "00038: 71 70 73 72 75 74 77 76 79 78 7B 7A 7D 7C 7F 7E \r\n");
  editor->ShowBlock(1);
  EXPECT_EQ(editor->Text().substr(57, 7), "00048: ");
  EXPECT_EQ(editor->BlockNumberText(), "01h");

  editor->ShowBlock(2);
  EXPECT_EQ(editor->Text().substr(0, 57), "38000: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n");
  EXPECT_EQ(editor->Text().substr(7 * 57), "38070: 70 71 72 73 74 75 76 77 78 79 7A 7B 7C 7D 7E 7F \r\n");
  // The 5-Tone area shows the image; the adjustment blocks show the tail.
  editor->ShowBlock(185);
  EXPECT_EQ(editor->Text().substr(0, 13), "3DB80: 80 81 ");
  editor->ShowBlock(255);
  EXPECT_EQ(editor->Text().substr(0, 13), "3FE80: 40 41 ");  // tail byte 128 = 0xC0 ^ 0x80
  EXPECT_EQ(editor->BlockNumberText(), "FFh");

  // EEPROM end 63: block 1 is flash; a block-push map keeps its adjustment data in its last block.
  EXPECT_EQ(FormatRomBlock({.eepromSizeCode = 0}, model->image.data(), model->tail.data(), 1).substr(0, 10),
            "38000: 80 ");
  const RomEditorMap push{.eepromSizeCode = 0, .blockCount = 57, .flashStart = 0x1DC00, .blockPushMode = true};
  EXPECT_EQ(FormatRomBlock(push, model->image.data(), model->tail.data(), 56).substr(0, 13), "1F780: C0 C1 ");
}

TEST_F(RomEditor, DigitsLandOnTheByteShown) {
  // The letter a on the high digit of byte j of line l in block 5.
  editor->ShowBlock(5);
  auto r = editor->OnChar('a', HighDigit(3, 9));
  EXPECT_TRUE(r.changed);
  EXPECT_EQ(model->image[640 + 16 * 3 + 9], 0xA0 | ((640 + 48 + 9) & 0x0F));
  EXPECT_EQ(editor->Text()[std::size_t(HighDigit(3, 9))], 'A');
  EXPECT_EQ(r.caret, HighDigit(3, 9) + 1);
  r = editor->OnChar('7', r.caret);
  EXPECT_EQ(model->image[640 + 57], 0xA7);
  EXPECT_EQ(r.caret, HighDigit(3, 10));
  EXPECT_TRUE(romModified);

  // Every digit position of a word-area, flash and adjustment block: the
  // text shows the digit typed and is the dump of what the image now holds.
  for (int block : {1, 2, 200, 254, 255}) {
    editor->ShowBlock(block);
    for (int p = 0; p < kDumpLength; ++p) {
      const int c = p % kDumpLineLength;
      if (c < 7 || c > 53 || (c - 7) % 3 == 2) continue;
      const int word = (p / kDumpLineLength + 8 * block) * 8 + (c - 7) / 6;
      const char digit = "0123456789ABCDEF"[(p * 7 + block) % 16];
      const bool editable = block > 1 || (word >= 17 && word <= 119);
      EXPECT_EQ(editor->OnChar(unsigned(digit), p).changed, editable) << block << ":" << p;
      if (editable) {
        ASSERT_EQ(editor->Text()[std::size_t(p)], digit) << block << ":" << p;
      }
      ASSERT_EQ(editor->Text(), Regenerated()) << block << ":" << p;
    }
  }
  // An edited adjustment block is also the image's copy of it.
  EXPECT_TRUE(std::equal(model->tail.begin() + 128, model->tail.begin() + 256, model->image.begin() + 255 * 128));
}

TEST_F(RomEditor, RefusedKeysBeepAndMoveTheCaretAsShown) {
  const auto image = model->image;
  struct Case {
    unsigned ch;
    int caret;
    int expectedCaret;
  };
  const Case cases[] = {
      {'3', HighDigit(0, 6), HighDigit(0, 6) + 1},  // word 3: the radio's own
      {'3', HighDigit(2, 0) + 1, HighDigit(2, 1)},  // word 16, low digit
      {'g', HighDigit(2, 2), HighDigit(2, 2)},      // not a hexadecimal digit
      {' ', HighDigit(2, 2), HighDigit(2, 2)},
      {8, HighDigit(2, 2), HighDigit(2, 2)},          // Backspace
      {'1', Caret(4, 2), Caret(4, 7)},              // address: to the line's first digit
      {'1', Caret(4, 9), Caret(4, 10)},             // a blank
      {'1', Caret(4, 55), Caret(4, 55)},            // the line end
  };
  for (const Case& c : cases) {
    beeps = 0;
    const auto r = editor->OnChar(c.ch, c.caret);
    EXPECT_FALSE(r.changed) << c.caret;
    EXPECT_EQ(r.caret, c.expectedCaret) << c.caret;
    EXPECT_EQ(beeps, 1) << c.caret;
  }
  EXPECT_EQ(model->image, image);
  EXPECT_FALSE(romModified);

  // Word 20 may be changed: its high byte is shown first.
  EXPECT_TRUE(editor->OnChar('f', HighDigit(2, 8)).changed);
  EXPECT_EQ(model->image[41], 0xF9);
  EXPECT_EQ(beeps, 1);
  // From the last byte of a line to the next line, and not beyond the text.
  EXPECT_EQ(editor->OnChar('1', Caret(2, 53)).caret, Caret(3, 7));
  EXPECT_EQ(editor->OnChar('1', Caret(7, 53)).caret, kDumpLength);
  EXPECT_EQ(editor->OnChar('1', kDumpLength).caret, kDumpLength);
}

TEST_F(RomEditor, BlockNavigation) {
  editor->OnUp();
  EXPECT_EQ(editor->CurrentBlock(), 0);
  editor->OnBottom();
  EXPECT_EQ(editor->CurrentBlock(), 255);
  editor->OnDown();
  EXPECT_EQ(editor->CurrentBlock(), 255);
  editor->OnUp();
  EXPECT_EQ(editor->CurrentBlock(), 254);
  editor->OnTop();
  EXPECT_EQ(editor->CurrentBlock(), 0);
  EXPECT_EQ(beeps, 5);

  // A held repeat button moves the number; typing still edits the block shown.
  editor->OnBlockChanged(9);
  EXPECT_EQ(editor->BlockNumberText(), "09h");
  EXPECT_EQ(editor->ShownBlock(), 0);
  editor->OnBlockChanged(400);
  EXPECT_EQ(editor->CurrentBlock(), 255);
  EXPECT_TRUE(editor->OnChar('0', HighDigit(3, 0)).changed);
  EXPECT_EQ(model->image[(3 * 16) ^ 1], 0x01);  // word 24, block 0

  Make({.blockCount = 58});
  editor->OnBottom();
  EXPECT_EQ(editor->CurrentBlock(), 57);
  editor->ShowFirstBlock(true);
  EXPECT_EQ(editor->CurrentBlock(), 0);
  EXPECT_FALSE(romModified);
}

TEST_F(RomEditor, FileSaveWritesTheImageAsShown) {
  const auto dir = std::filesystem::temp_directory_path() / ("tq_rom_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir / "a.b");
  g_bModified = 1;
  editor->OnChar('e', HighDigit(2, 4));  // word 18
  ASSERT_TRUE(editor->SaveFile((dir / "a.b" / "radio").string()));
  std::ifstream in(dir / "a.b" / "radio.X417", std::ios::binary);
  const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), {}};
  ASSERT_EQ(file.size(), kDataFileSize);
  EXPECT_TRUE(std::equal(model->image.begin(), model->image.begin() + kFileImagePart, file.begin()));
  EXPECT_TRUE(std::equal(model->tail.begin(), model->tail.end(), file.begin() + kFileImagePart));
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_EQ(RomEditorSaveName("x/radio.bak"), "x/radio.bak");

  EXPECT_FALSE(editor->SaveFile((dir / "missing" / "r.X417").string()));
  EXPECT_EQ(host.messages.back(),
            "Problem Saving file\n    " + (dir / "missing" / "r.X417").string() + "\n\n   Press any key");
  std::filesystem::remove_all(dir);
  g_bModified = 0;
}

}  // namespace
