// Adjustment Recover against the simulated radio: which repair a radio gets,
// the words and blocks each repair writes and the checksum, the refusals with
// their texts and ranges, the serial prompt, Esc and the error limits, and the
// serial-number edit rule.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/adjust_recover.h"
#include "link/clone_protocol.h"
#include "link_fixture.h"
#include "radio/sim_transfer.h"

using radiosim::Fault;
using radiosim::FaultRule;
using radiosim::WordOf;

namespace {

class MessageHost : public IModelHost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

constexpr std::size_t kA = img::kAdjustmentBlock;  // the adjustment word, big-endian
constexpr const char* kMismatch = "Production mismatch!";
constexpr const char* kBroken = "Hardware data has been broken.Please contact to Halvard.";

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::uint16_t ChecksumOf(const std::vector<std::uint8_t>& memory) { return radiosim::AdjustmentSum(memory); }

std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i) v.push_back(i);
  return v;
}

class AdjustRecover : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    settings.comIndex = kCom;
    std::memset(g_serialNumberBuffer, 0, sizeof g_serialNumberBuffer);
    home = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    std::filesystem::create_directories("Data");
    uhf = radiosim::DefaultRadioMemory(true);
    vhf = radiosim::DefaultRadioMemory(false);
    WriteBytes(kDefaultUhfFile, uhf);
    WriteBytes(kDefaultVhfFile, vhf);

    model->SetHost(&host);
    std::fill(model->image.begin(), model->image.end(), 0x5A);  // the user's own image
    memory = uhf;
    SetA(memory, 4800);
    for (int i = 17; i < 128; ++i) radiosim::SetWordOf(memory, i, 0x1234);
    radiosim::SetWordOf(memory, 2, 0);  // a lost checksum
    options.chooseDataFile = [this]() -> std::optional<std::string> {
      ++filePrompts;
      return chosen;
    };
  }
  void TearDown() override {
    std::filesystem::current_path(home);
    LinkTest::TearDown();
  }

  static void SetA(std::vector<std::uint8_t>& m, std::uint16_t a) { SetBE16(&m[kA], a); }
  int Recover() {
    radio->SetImage(memory);
    return RecoverAdjustment(port, ui, settings, *model, options);
  }
  std::vector<int> Written(std::uint8_t command) const {
    std::vector<int> v;
    for (const auto& f : radio->Frames())
      if (f.command == command) v.push_back(f.data[0]);
    return v;
  }
  // The user's data file for repair 2: this radio's settings with its serial bytes.
  std::string SaveChosenFile(std::vector<std::uint8_t> file, const std::uint8_t (&serial)[4]) {
    std::copy(std::begin(serial), std::end(serial), file.begin() + kA + 380);
    WriteBytes("mine.x417", file);
    return "mine.x417";
  }

  std::filesystem::path home;
  TransferSettings settings;
  RecoverOptions options;
  std::optional<std::string> chosen;
  int filePrompts = 0;
  radiosim::RecordingTransferUi ui;
  MessageHost host;
  std::unique_ptr<CEditModel> model = std::make_unique<CEditModel>();
  std::vector<std::uint8_t> uhf, vhf, memory;
};

// Blank hardware word: the band's default file by the adjustment word.
TEST_F(AdjustRecover, BlankHardwareWordGetsTheDefaultFileOfItsBand) {
  for (const auto& [a, file] : {std::pair{4800, &uhf}, std::pair{1550, &vhf}}) {
    SCOPED_TRACE(a);
    memory[img::kHardware] = memory[img::kHardware + 1] = 0xFF;
    SetA(memory, std::uint16_t(a));
    radio->ClearLog();
    ASSERT_EQ(Recover(), kTransferDone);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(Written(CMD_READ_WORD), Range(0, 16));
    EXPECT_EQ(Written(CMD_READ_BLOCK), std::vector<int>{252});
    EXPECT_EQ(Written(CMD_WRITE_WORD), Range(0, 127));
    for (int i = 0; i < 128; ++i) {
      if (i == 2) continue;
      ASSERT_EQ(radio->Word(i), WordOf(*file, i)) << i;
    }
    EXPECT_EQ(radio->Word(2), ChecksumOf(*file));
    EXPECT_TRUE(std::equal(file->begin() + 256, file->begin() + kFileImagePart, model->image.begin() + 256));
  }
}

// Both present: only the checksum word and the words around it; the user's image stays.
TEST_F(AdjustRecover, PresentWordsGetTheirChecksumRewritten) {
  for (const auto& [hardware, a] : {std::pair{0x61, 4750}, std::pair{0x01, 1600}}) {
    memory[img::kHardware] = std::uint8_t(hardware);
    SetA(memory, std::uint16_t(a));
    radio->ClearLog();
    ASSERT_EQ(Recover(), kTransferDone) << a;
    EXPECT_EQ(Written(CMD_WRITE_WORD), Range(2, 16));
    EXPECT_EQ(radio->Word(2), ChecksumOf(memory));
    EXPECT_EQ(radio->Word(17), 0x1234);
    EXPECT_EQ(model->image[4], 0x5A);
  }
}

TEST_F(AdjustRecover, RefusalsWriteNothingAndLeaveTheImage) {
  struct Case {
    const char* name;
    std::uint8_t type, hardware, hardware2;
    std::uint16_t a;
    std::string box;
  };
  const Case cases[] = {
      {"not production type 11", 10, 0x61, 0x00, 4800, kMismatch},
      {"class neither UHF nor VHF", 11, 0x21, 0x00, 4800, kMismatch},
      {"both blank", 11, 0xFF, 0xFF, 0xFFFF, kBroken},
      {"blank hardware, no band", 11, 0xFF, 0xFF, 3000, kMismatch},
      {"blank hardware, just above UHF", 11, 0xFF, 0xFF, 4901, kMismatch},
      {"blank hardware, just below VHF", 11, 0xFF, 0xFF, 1499, kMismatch},
      {"UHF class, VHF word", 11, 0x61, 0x00, 1550, std::string(kBroken) + "!"},
      {"VHF class, UHF word", 11, 0x01, 0x00, 4800, std::string(kBroken) + "!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    memory[img::kProductionType] = c.type;
    memory[img::kHardware] = c.hardware;
    memory[img::kHardware + 1] = c.hardware2;
    SetA(memory, c.a);
    radio->ClearLog();
    ui = {};
    EXPECT_EQ(Recover(), kTransferFailed);
    EXPECT_EQ(ui.boxes, std::vector<std::string>{c.box});
    EXPECT_TRUE(Written(CMD_WRITE_WORD).empty());
    EXPECT_TRUE(Written(CMD_WRITE_BLOCK).empty());
    EXPECT_EQ(model->image[100], 0x5A);
  }
}

TEST_F(AdjustRecover, BlockPushMapTouchesNeitherRadioNorImage) {
  settings.blockPushMode = true;
  EXPECT_EQ(Recover(), kTransferDone);
  EXPECT_TRUE(radio->Frames().empty());
  EXPECT_TRUE(std::all_of(model->image.begin(), model->image.end(), [](std::uint8_t b) { return b == 0x5A; }));
}

// Adjustment block blank: every block from the chosen file, the tail into 254..256.
TEST_F(AdjustRecover, BlankAdjustmentBlockSendsTheChosenFile) {
  SetA(memory, 0xFFFF);
  chosen = SaveChosenFile(uhf, {0x5C, 0x01, 0x23, 0x45});  // "5N012345"; lower-case extension
  ASSERT_EQ(Recover(), kTransferDone);
  EXPECT_EQ(filePrompts, 1);
  EXPECT_TRUE(ui.serialPromptsShown.empty());
  EXPECT_STREQ(model->identity.SerialText(), "5N012345");
  EXPECT_EQ(Written(CMD_WRITE_BLOCK), Range(0, 254));
  const auto held = radio->Image();
  EXPECT_TRUE(std::equal(held.begin() + 256, held.begin() + kA, model->image.begin() + 256));
  EXPECT_TRUE(std::equal(held.begin() + kA, held.end(), model->tail.begin()));
  EXPECT_EQ(ui.progress, 257);
}

TEST_F(AdjustRecover, FileWithoutSerialAsksForOne) {
  SetA(memory, 0xFFFF);
  chosen = SaveChosenFile(uhf, {0, 0, 0, 0});
  ui.serialAnswers = {"5c12"};
  ASSERT_EQ(Recover(), kTransferDone);
  EXPECT_EQ(ui.serialPromptsShown, std::vector<std::string>{"0B000000"});
  EXPECT_EQ(ui.serialLine2WhilePrompting, "Serial No.(MAX 8 fig)");
  EXPECT_EQ(ui.line2, "");
  EXPECT_STREQ(model->identity.SerialText(), "5C120000");
  EXPECT_STREQ(g_serialNumberBuffer, "5C120000");
  // The typed serial reaches the radio's adjustment data.
  const auto held = radio->Image();
  EXPECT_EQ(std::vector<std::uint8_t>(held.begin() + kA + 380, held.end()),
            (std::vector<std::uint8_t>{0x51, 0x12, 0x00, 0x00}));
}

TEST_F(AdjustRecover, ChosenFileRefusals) {
  SetA(memory, 0xFFFF);
  const std::uint8_t serial[4] = {0x5C, 0x01, 0x23, 0x45};

  chosen.reset();  // Cancel
  EXPECT_EQ(Recover(), kTransferFailed);
  EXPECT_TRUE(ui.boxes.empty());

  chosen = "notes.txt";
  EXPECT_EQ(Recover(), kTransferFailed);
  EXPECT_EQ(ui.boxes.back(), "Problem opening file\n    notes.txt\n\n   Press any key");

  chosen = "gone.X417";  // cannot be loaded: nothing is sent, even with the radio's hardware word in the image
  model->image[img::kHardware] = memory[img::kHardware];
  model->image[img::kHardware + 1] = memory[img::kHardware + 1];
  EXPECT_EQ(Recover(), kTransferFailed);
  EXPECT_EQ(host.messages.back(), "Problem opening file\n    gone.X417\n\n   Press any key");
  EXPECT_TRUE(Written(CMD_WRITE_BLOCK).empty());

  chosen = SaveChosenFile(vhf, serial);  // another radio's hardware word
  EXPECT_EQ(Recover(), kTransferFailed);
  EXPECT_EQ(ui.boxes.back(), kMismatch);

  chosen = SaveChosenFile(uhf, {0, 0, 0, 0});  // the dialog closed during the serial prompt
  ui.onSerialPrompt = [this] { ui.PressEscAfterChecks(0); };
  EXPECT_EQ(Recover(), kTransferAborted);
  EXPECT_TRUE(Written(CMD_WRITE_BLOCK).empty());
  EXPECT_TRUE(Written(CMD_WRITE_WORD).empty());
}

TEST_F(AdjustRecover, SilentRadioPowerCycleAndEsc) {
  Connect(RadioIn(radiosim::Mode::kOff));
  ui.SwitchOnWhenPrompted(*radio);
  ASSERT_EQ(Recover(), kTransferDone);
  EXPECT_EQ(ui.powerCycles, 1);
  EXPECT_EQ(ui.line1History.front(), "Switch radio OFF, then");
  EXPECT_EQ(ui.line2History.front(), "back ON to start uploading");

  // A radio that falls silent at the adjustment block: Esc still ends the wait.
  radio->InjectFault({.fault = Fault::kSilence, .command = CMD_READ_BLOCK, .times = -1});
  ui = {};
  ui.PressEscAfterChecks(17 + 2);
  EXPECT_EQ(Recover(), kTransferAborted);
}

TEST_F(AdjustRecover, ErrorLimits) {
  radio->InjectFault({.fault = Fault::kNak, .command = CMD_WRITE_WORD, .times = -1});
  EXPECT_EQ(Recover(), kTransferFailed);
  EXPECT_EQ(ui.line1, " Download Error!");
  EXPECT_EQ(Written(CMD_WRITE_WORD).size(), 11u);

  radio->ClearFaults();
  radio->ClearLog();
  radio->InjectFault({.fault = Fault::kBadChecksum, .command = CMD_READ_BLOCK, .times = -1});
  ui = {};
  EXPECT_EQ(Recover(), kTransferFailed);
  EXPECT_EQ(ui.line1, " Upload Error!");
  EXPECT_EQ(Written(CMD_READ_BLOCK).size(), 21u);
}

// A memory map of 168 blocks: its blocks below 168, then the adjustment blocks.
TEST_F(AdjustRecover, DownloadBlocksKeepsToTheMemoryMap) {
  settings.blockCount = 168;
  std::vector<std::uint8_t> image(kImageBufferSize), tail(kTailSize);
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = std::uint8_t(i * 7);
  image[img::kProductionType] = 11;
  for (std::size_t i = 0; i < tail.size(); ++i) tail[i] = std::uint8_t(i * 3 + 1);
  ASSERT_EQ(DownloadBlocks(port, ui, settings, image.data(), tail.data()), kTransferDone);
  std::vector<int> wire = Range(0, 165);
  wire.insert(wire.end(), {252, 253, 254});
  EXPECT_EQ(Written(CMD_WRITE_BLOCK), wire);
  const auto held = radio->Image();
  EXPECT_TRUE(std::equal(held.begin() + 256, held.begin() + 168 * 128, image.begin() + 256));
  EXPECT_TRUE(std::all_of(held.begin() + 168 * 128, held.begin() + kA, [](std::uint8_t b) { return b == 0xFF; }));
  EXPECT_TRUE(std::equal(held.begin() + kA, held.end(), tail.begin()));
  EXPECT_EQ(ui.range, std::make_pair(0, 169));

  radio->InjectFault({.fault = Fault::kNak, .command = CMD_WRITE_BLOCK, .times = -1});
  ui = {};
  EXPECT_EQ(DownloadBlocks(port, ui, settings, image.data(), tail.data()), kTransferFailed);
  EXPECT_EQ(ui.line1, " Download Error!");
}

TEST(AdjustRecoverRules, ChecksumWordFollowsTheMemoryMap) {
  std::vector<std::uint8_t> image(64);
  for (int i = 0; i < 32; ++i) radiosim::SetWordOf(image, i, std::uint16_t(0x1000 * i + 0x0F01));
  TransferSettings settings;
  UpdateChecksumWord(settings, image.data());
  EXPECT_EQ(WordOf(image, 2), ChecksumOf(image));
  // Maps whose word 5 is 2 (flash starts 0x1A500, 0x1B400 and the fall-back)
  // still sum from word 3: the checksum never takes itself in, so rewriting it
  // leaves it where it is.
  settings.memMap5 = 2;
  for (int last : {3, 12, 14}) {
    settings.memMap6 = last;
    radiosim::SetWordOf(image, 2, 0x0001);
    for (int again = 0; again < 2; ++again) {
      UpdateChecksumWord(settings, image.data());
      EXPECT_EQ(WordOf(image, 2), radiosim::AdjustmentSum(image, last)) << last;
    }
  }
}

TEST(AdjustRecoverRules, SerialEditTakesDigitLetterDigits) {
  char buffer[9] = "0B000000";
  std::string text;
  for (const char* valid : {"", "5", "5C", "5n", "5N1", "5C123456", "1c"}) {
    text = valid;
    EXPECT_TRUE(SerialEditChange(text, buffer)) << valid;
    EXPECT_EQ(text, valid);
  }
  EXPECT_STREQ(buffer, "1C000000");  // the letter upper-cased, the rest "0"

  text = "5";
  SerialEditChange(text, buffer);
  EXPECT_STREQ(buffer, "50000000");
  for (const char* invalid : {"A", "5B", "5O", "5C1X", "55", "5C1234567"}) {
    text = invalid;
    EXPECT_FALSE(SerialEditChange(text, buffer)) << invalid;
    EXPECT_EQ(text, std::string("50000000").substr(0, std::min<std::size_t>(std::strlen(invalid) - 1, 8)));
    EXPECT_STREQ(buffer, "50000000");
  }
  char empty[9] = {};
  text = "X1";
  EXPECT_FALSE(SerialEditChange(text, empty));
  EXPECT_EQ(text, "");
}

}  // namespace
