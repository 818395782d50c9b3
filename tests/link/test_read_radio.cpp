// Word-mode reads against the simulated radio: what arrives in the image, the
// blocks asked for, the identity and password checks, the power cycle, the
// error limits and Esc, and that a read which does not complete changes
// nothing.
#include <algorithm>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "link/clone_protocol.h"
#include "link/read_radio.h"
#include "link_fixture.h"
#include "radio/sim_transfer.h"

using namespace std::chrono_literals;
using radiosim::Fault;
using radiosim::FaultRule;
using radiosim::Mode;

namespace {

constexpr std::uint8_t kRadioSerial[4] = {0x1D, 0x23, 0x45, 0x67};  // "1O234567"

class MessageHost : public IModelHost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// What a read must leave alone when it does not complete.
struct ModelState {
  std::vector<std::uint8_t> image, tail;
  std::uint8_t lastChannelBlock = 0;
  std::string serial;
  std::uint32_t modified = 0;
  explicit ModelState(const CEditModel& m)
      : image(m.image.begin(), m.image.end()),
        tail(m.tail.begin(), m.tail.end()),
        lastChannelBlock(m.global.lastChannelBlock),
        serial(m.identity.serial),
        modified(g_bModified) {}
  bool operator==(const ModelState&) const = default;
};

class ReadRadio : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    settings.comIndex = kCom;
    model->SetHost(&host);
    // The model holds something else than any radio: its image and tail are
    // marked, its tuning base differs from the radio's.
    std::fill(model->image.begin(), model->image.end(), 0x5A);
    std::fill(model->tail.begin(), model->tail.end(), 0xA5);
    model->store.tuning.base = 0x77;
    g_bModified = 1;

    memory = radiosim::DefaultRadioMemory();
    memory[252] = 100;  // last channel block
    memory[253] = 30;   // last group block
    memory[42] &= 0x7F;
    for (int b = 9; b < 254; ++b) radiosim::StampBlock(memory, b);
    memory[img::kAdjustmentBlock + 2] = 0x11;  // the radio's own tuning base
    std::copy(std::begin(kRadioSerial), std::end(kRadioSerial), memory.begin() + img::kAdjustmentBlock + 380);
    radio->SetImage(memory);
  }
  void TearDown() override {
    g_bModified = 0;
    LinkTest::TearDown();
  }

  int Read() { return ReadFromRadio(port, ui, settings, *model); }

  std::vector<int> WireBlocksRequested() const {
    std::vector<int> blocks;
    for (const auto& f : radio->Frames())
      if (f.command == CMD_READ_BLOCK) blocks.push_back(f.data[0]);
    return blocks;
  }
  int FramesOf(std::uint8_t command) const {
    const auto frames = radio->Frames();
    return int(std::count_if(frames.begin(), frames.end(), [&](const auto& f) { return f.command == command; }));
  }

  TransferSettings settings;
  radiosim::RecordingTransferUi ui;
  MessageHost host;
  std::unique_ptr<CEditModel> model = std::make_unique<CEditModel>();
  std::vector<std::uint8_t> memory;
};

// The whole read at the program's own pace.
TEST_F(ReadRadio, FullReadTakesTheRadioWhereReadAndLeavesSkippedBlocksErased) {
  port.SetPacing(nullptr);
  ASSERT_EQ(Read(), kTransferDone);

  // Blocks asked for: the group blocks up to 30, the channel blocks 57..100,
  // the 5-Tone area and the first adjustment block, then the three adjustment blocks.
  std::vector<int> expected;
  for (int b = 2; b < 256; ++b)
    if (b <= 30 || (b >= 57 && b <= 100) || (b >= 185 && b <= 191) || b == 254) expected.push_back(b - 2);
  expected.insert(expected.end(), {252, 253, 254});
  EXPECT_EQ(WireBlocksRequested(), expected);
  EXPECT_EQ(FramesOf(CMD_READ_WORD), 128);
  EXPECT_EQ(FramesOf(CMD_WRITE_WORD) + FramesOf(CMD_WRITE_BLOCK), 0);

  for (int b = 0; b < 257; ++b) {
    const bool read = b < 2 || b <= 30 || (b >= 57 && b <= 100) || (b >= 185 && b <= 191) || b >= 254;
    for (std::size_t k = 0; k < kBlockSize; ++k) {
      const std::size_t at = std::size_t(b) * kBlockSize + k;
      ASSERT_EQ(model->image[at], read ? memory[at] : 0xFF) << "block " << b << " byte " << k;
    }
  }
  // The model is the radio's now, except for its tuning tables, which the tail
  // takes back; the tail's other bytes are the radio's.
  EXPECT_EQ(model->global.lastChannelBlock, 100);
  // A group and a Sel Call entry of skipped blocks hold what a fresh start holds, not the 0xFF.
  CEditModel fresh;
  fresh.UseBuiltInDefaults(true);
  CGroupRecord group = fresh.store.groups[240];
  group.flags = model->store.groups[240].flags;  // the radio's bitmaps
  EXPECT_TRUE(model->store.groups[240] == group);
  EXPECT_TRUE(model->store.selCalls[0] == fresh.store.selCalls[0]);
  EXPECT_EQ(model->store.tuning.base, 0x77);
  EXPECT_EQ(model->tail[2], 0x77);
  EXPECT_STREQ(model->identity.serial, "1O234567");
  EXPECT_TRUE(std::equal(model->tail.begin() + 263, model->tail.end(), memory.begin() + img::kAdjustmentBlock + 263));
  EXPECT_EQ(g_bModified, 0u);

  EXPECT_EQ(ui.blockLine, "Receive block 256 / 256");
  EXPECT_EQ(ui.progress, 257);
  EXPECT_EQ(ui.range, std::make_pair(0, 256));
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(std::count(ui.line1History.begin(), ui.line1History.end(), "Switch radio OFF, then"), 0);
  EXPECT_EQ(ui.passwordPrompts, 0);
}

TEST(ReadSkipRule, BlocksAskedForByAWordModeRead) {
  std::vector<std::uint8_t> image(kImageSize, 0);
  image[252] = 120;
  image[253] = 12;
  TransferSettings s;
  auto asked = [&](int b) { return ReadRequestsBlock(s, image.data(), b); };
  EXPECT_TRUE(asked(12));
  EXPECT_FALSE(asked(13));
  EXPECT_FALSE(asked(56));
  EXPECT_TRUE(asked(57));
  EXPECT_TRUE(asked(120));
  EXPECT_FALSE(asked(121));
  EXPECT_FALSE(asked(184));
  EXPECT_TRUE(asked(185));
  EXPECT_TRUE(asked(191));
  EXPECT_FALSE(asked(192));
  EXPECT_TRUE(asked(254));  // memory-map word 7
  EXPECT_FALSE(asked(255));
  image[252] = 0;
  EXPECT_FALSE(asked(107));
  image[42] = 0x80;
  EXPECT_TRUE(asked(107));
  EXPECT_TRUE(asked(131));
  EXPECT_FALSE(asked(132));

  // Every block is asked for by the other memory maps, in "-m" mode and for the editor.
  image.assign(kImageSize, 0);
  for (auto change :
       {+[](TransferSettings& t) { t.modeM = true; }, +[](TransferSettings& t) { t.romEditorTransfer = true; },
        +[](TransferSettings& t) { t.flashStart = 0x1A500; }}) {
    TransferSettings other;
    change(other);
    for (int b = 2; b < 256; ++b) EXPECT_TRUE(ReadRequestsBlock(other, image.data(), b)) << b;
  }
}

// "-m": a radio of another type and hardware is read, with every block up to
// count - 1 asked for.
TEST_F(ReadRadio, ModeMReadsAnyRadioAndEveryBlock) {
  memory[img::kProductionType] = 12;
  memory[img::kHardware] = 0x41;
  radio->SetImage(memory);
  settings.modeM = true;
  ASSERT_EQ(Read(), kTransferDone);
  std::vector<int> expected;
  for (int w = 0; w <= 253; ++w) expected.push_back(w);
  expected.insert(expected.end(), {252, 253, 254});
  EXPECT_EQ(WireBlocksRequested(), expected);
  EXPECT_TRUE(std::equal(model->image.begin() + 100 * kBlockSize, model->image.begin() + 101 * kBlockSize,
                         memory.begin() + 100 * kBlockSize));
  EXPECT_TRUE(ui.boxes.empty());
  // In "-m" mode the tail keeps the radio's tuning tables.
  EXPECT_EQ(model->tail[2], 0x11);
}

// With the small word area (EEPROM end 63) the blocks still start at image
// block 2: no request ever names a block below the first wire block.
TEST_F(ReadRadio, SmallWordAreaStartsTheBlocksAtImageBlockTwo) {
  settings.eepromSizeCode = 0;
  settings.modeM = true;
  ASSERT_EQ(Read(), kTransferDone);
  EXPECT_EQ(FramesOf(CMD_READ_WORD), 64);
  const auto asked = WireBlocksRequested();
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.front(), 0);
  EXPECT_EQ(std::count(asked.begin(), asked.end(), 255), 0);
  EXPECT_TRUE(std::all_of(model->image.begin() + 128, model->image.begin() + 256,
                          [](std::uint8_t b) { return b == 0xFF; }));
}

TEST_F(ReadRadio, RefusedRadiosChangeNothing) {
  struct Case {
    std::uint8_t type, hardware;
    const char* box;
  };
  for (const Case& c :
       {Case{12, 0x61, "Production type mismatch!"}, Case{11, 0x41, "Hardware configuration mismatched!"},
        Case{11, 0x00, "Hardware configuration mismatched!"}}) {
    memory[img::kProductionType] = c.type;
    memory[img::kHardware] = c.hardware;
    radio->SetImage(memory);
    radio->ClearLog();
    ui = {};
    const ModelState before(*model);
    EXPECT_EQ(Read(), kTransferFailed) << c.box;
    EXPECT_EQ(ui.boxes, (std::vector<std::string>{c.box}));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(FramesOf(CMD_READ_BLOCK), 0);
    EXPECT_TRUE(ModelState(*model) == before) << c.box;
  }
}

TEST_F(ReadRadio, PasswordProtectedRadio) {
  std::memcpy(&memory[img::kPassword], "AB1     ", 8);
  radio->SetImage(memory);
  const ModelState before(*model);

  ui.password = std::nullopt;  // Cancel
  EXPECT_EQ(Read(), kTransferFailed);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"Password mismatched!"}));
  EXPECT_TRUE(ModelState(*model) == before);

  ui = {};
  ui.password = "AB1";  // not padded as the radio holds it
  EXPECT_EQ(Read(), kTransferFailed);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"Password mismatched!"}));
  EXPECT_EQ(FramesOf(CMD_READ_BLOCK), 0);

  // Asked in "-m" mode too; the right text reads the radio.
  ui = {};
  settings.modeM = true;
  ui.password = "AB1     ";
  EXPECT_EQ(Read(), kTransferDone);
  EXPECT_EQ(ui.passwordPrompts, 1);
  EXPECT_TRUE(ui.boxes.empty());
}

// A radio that is off: the prompt, RADIO_READY, the word-mode byte, then "Please wait".
TEST_F(ReadRadio, SilentRadioIsSwitchedOffAndOn) {
  Connect(RadioIn(Mode::kOff));
  radio->SetImage(memory);
  ui.SwitchOnWhenPrompted(*radio);
  ASSERT_EQ(Read(), kTransferDone);
  EXPECT_EQ(ui.powerCycles, 1);
  EXPECT_EQ(radio->ControlBytes(), (std::vector<std::uint8_t>{kWordModeByte}));
  const std::vector<std::string> first(ui.line1History.begin(), ui.line1History.begin() + 3);
  EXPECT_EQ(first, (std::vector<std::string>{"Switch radio OFF, then", "", "Please wait"}));
  EXPECT_EQ(ui.line2History.front(), "back ON to start uploading");
  EXPECT_EQ(model->image[0], memory[0]);
}

TEST_F(ReadRadio, PulledCableIsReportedAsNoLead) {
  radio->Unplug();
  const ModelState before(*model);
  EXPECT_EQ(Read(), kTransferFailed);
  EXPECT_EQ(ui.line1, "Check that lead is");
  EXPECT_EQ(ui.line2, "connected to COM3");
  EXPECT_TRUE(ModelState(*model) == before);
}

TEST_F(ReadRadio, MissingPortFailsWithItsTwoMessages) {
  port.ClosePort();
  std::filesystem::create_symlink(folder / "nothing-here", folder / "com8");
  settings.comIndex = 7;
  EXPECT_EQ(Read(), kTransferFailed);
  ASSERT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(ui.boxes[0].substr(0, 10), "Open err\n\n");
  EXPECT_EQ(ui.boxes[1], "Problem with COM port");
  EXPECT_EQ(ui.captions.front(), "err");
  EXPECT_FALSE(port.IsOpen());
}

// Bad word answers: the first one brings the power cycle and sets the counter
// to 2, nine more end the read.
TEST_F(ReadRadio, BadWordAnswersEndTheReadAfterThePowerCycle) {
  radio->InjectFault({.fault = Fault::kBadChecksum, .command = CMD_READ_WORD, .argument = 5, .times = -1});
  ui.SwitchOnWhenPrompted(*radio);
  const ModelState before(*model);
  EXPECT_EQ(Read(), kTransferFailed);
  EXPECT_EQ(ui.line1, " Upload Error!");
  const auto frames = radio->Frames();
  EXPECT_EQ(std::count_if(frames.begin(), frames.end(),
                          [](const auto& f) { return f.command == CMD_READ_WORD && f.data[0] == 5; }),
            10);
  EXPECT_TRUE(ModelState(*model) == before);
}

// Bad block answers: twenty are borne (and a silent radio is asked again
// without counting), the twenty-first ends the read.
TEST_F(ReadRadio, BlockErrorLimit) {
  radio->InjectFault({.fault = Fault::kSilence, .command = CMD_READ_BLOCK, .argument = 60 - 2, .times = 2});
  radio->InjectFault({.fault = Fault::kBadChecksum, .command = CMD_READ_BLOCK, .argument = 60 - 2, .times = 20});
  EXPECT_EQ(Read(), kTransferDone);
  EXPECT_TRUE(std::equal(model->image.begin() + 60 * kBlockSize, model->image.begin() + 61 * kBlockSize,
                         memory.begin() + 60 * kBlockSize));

  radio->ClearLog();
  const ModelState before(*model);
  radio->InjectFault({.fault = Fault::kBadChecksum, .command = CMD_READ_BLOCK, .argument = 253, .times = -1});
  ui = {};
  EXPECT_EQ(Read(), kTransferFailed);
  EXPECT_EQ(ui.line1, " Upload Error!");
  const auto asked = WireBlocksRequested();
  EXPECT_EQ(std::count(asked.begin(), asked.end(), 253), 21);
  EXPECT_TRUE(ModelState(*model) == before);
}

// Esc in each phase: the read stops at once and the model stays as it was.
TEST_F(ReadRadio, EscInEveryPhaseAbortsAndChangesNothing) {
  const ModelState before(*model);
  for (int checks : {0, 60, 130, 250, 383}) {
    radio->ClearLog();
    ui = {};
    ui.PressEscAfterChecks(checks);
    EXPECT_EQ(Read(), kTransferAborted) << checks;
    EXPECT_EQ(ui.Checks(), checks + 1);
    const std::size_t frames = radio->Frames().size();
    EXPECT_LE(frames, std::size_t(checks)) << "one request per check at most";
    EXPECT_TRUE(ModelState(*model) == before) << checks;
  }
  // Esc while waiting for the radio to be switched on.
  Connect(RadioIn(Mode::kOff));
  ui = {};
  ui.PressEscAfterChecks(3);
  EXPECT_EQ(Read(), kTransferAborted);
  EXPECT_EQ(ui.line1, "Switch radio OFF, then");
  EXPECT_TRUE(ModelState(*model) == before);
}

TEST_F(ReadRadio, BlockPushMapHandsOverAfterTheStart) {
  settings.blockPushMode = true;
  settings.blockCount = 58;
  int calls = 0;
  const int result =
      ReadFromRadio(port, ui, settings, *model, [&](CComPort&, TransferUi&, const TransferSettings& s, CEditModel&) {
        ++calls;
        return s.blockCount == 58 ? kTransferAborted : kTransferFailed;
      });
  EXPECT_EQ(result, kTransferAborted);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(ui.range, std::make_pair(0, 58));
  EXPECT_TRUE(radio->Frames().empty());
}

}  // namespace
