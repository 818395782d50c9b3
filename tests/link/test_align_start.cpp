// Start of an alignment run against the simulated radio: the handshake, the
// identity and password checks with their messages and statuses, the welcome
// dialog, the upload with its block set and progress, and the step table.
#include <map>

#include "link/align_start.h"
#include "link_fixture.h"
#include "radio/sim_align.h"

using namespace std::chrono_literals;
using radiosim::AlignMemoryOptions;
using radiosim::AlignmentRadio;
using radiosim::Fault;
using radiosim::Mode;

namespace {

class RecordingAlignUi : public IAlignStartUi {
 public:
  int CheckUserAbort() override {
    ++checks;
    if (escAfterChecks >= 0 && checks > escAfterChecks) {
      escAfterChecks = -1;
      return 1;
    }
    return 0;
  }
  void MessageBox(const std::string& text, const std::string&) override { boxes.push_back(text); }
  void SetLineText(AlignLine line, const std::string& text) override { texts[line].push_back(text); }
  void ShowOk(bool show) override { okShown = show; }
  void FocusOk() override { okFocused = true; }
  void SetProgressRange(int low, int high) override { ranges.emplace_back(low, high); }
  void SetProgressPos(int pos) override { positions.push_back(pos); }
  void MessageBeep() override { ++beeps; }
  void EndDialog(int result) override { ended = result; }
  std::optional<std::string> AskRadioPassword() override {
    ++passwordPrompts;
    return password;
  }
  bool RunWelcomeDialog(const std::string& text) override {
    welcome = text;
    return startInWelcome;
  }

  int checks = 0, escAfterChecks = -1;
  std::vector<std::string> boxes;
  std::map<AlignLine, std::vector<std::string>> texts;
  bool okShown = false, okFocused = false;
  int beeps = 0, passwordPrompts = 0;
  std::optional<int> ended;
  std::vector<std::pair<int, int>> ranges;
  std::vector<int> positions;
  std::optional<std::string> password;
  std::optional<std::string> welcome;
  bool startInWelcome = true;
};

std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i) v.push_back(i);
  return v;
}

}  // namespace

class AlignStartTest : public LinkTest {
 protected:
  void SetUp() override { Radio({}); }

  // A fresh radio that is switched off, holding a memory made with these options.
  void Radio(const AlignMemoryOptions& options, Mode mode = Mode::kOff) {
    Connect(RadioIn(mode));
    align = std::make_unique<AlignmentRadio>(*radio);
    memory = radiosim::AlignmentMemory(options);
    radio->SetImage(memory);
    run = std::make_unique<AlignRunState>();
    run->continueFlag = 1;  // the Alignment command sets it
  }
  int Enter() {
    CAlignStart start(port, *run, ui, kCom);
    return start.EnterAlignmentMode();
  }
  int Upload() {
    CAlignStart start(port, *run, ui, kCom);
    return start.UploadAlignmentData();
  }
  std::vector<int> Requested(std::uint8_t command) const {
    std::vector<int> v;
    for (const auto& d : align->DataOf(command)) v.push_back(d.at(0));
    return v;
  }
  std::vector<std::uint8_t> MemoryBlock(int b) const {
    return {memory.begin() + b * 128, memory.begin() + (b + 1) * 128};
  }
  std::vector<std::uint8_t> RunBlock(int b) const { return {run->Block(b), run->Block(b) + 128}; }

  std::unique_ptr<AlignmentRadio> align;
  std::vector<std::uint8_t> memory;
  std::unique_ptr<AlignRunState> run;
  RecordingAlignUi ui;
};

// ---- the whole entry ----

TEST_F(AlignStartTest, HandshakeChecksWelcomeAndUpload) {
  Radio({.hardware = 97, .production = 0xA5, .channelBlockLimit = 60, .stepSelect = 2, .offsets = {-300, 12, 0, 5}});
  radio->After(10ms, [](radiosim::SimulatedRadio::Context& c) { c.reply = {0x41}; });  // skipped before RADIO_READY
  align->PowerOnAfter(40ms);

  ASSERT_EQ(Enter(), kAlignDone);
  EXPECT_TRUE(ui.boxes.empty()) << ui.boxes.front();
  EXPECT_EQ(ui.texts[AlignLine::Heading], (std::vector<std::string>{"A L I G N M E N T"}));
  EXPECT_EQ(ui.texts[AlignLine::Line1].front(), "switch radio OFF, then");
  EXPECT_EQ(ui.texts[AlignLine::Line1].back(), "Now uploading alignment data. Wait...\r\n");
  EXPECT_EQ(ui.texts[AlignLine::Line2].front(), "back ON to start Aignment");
  EXPECT_EQ(ui.texts[AlignLine::Line2].back(), "100% complete  ");
  EXPECT_EQ(ui.texts[AlignLine::Line3], (std::vector<std::string>{""}));
  EXPECT_EQ(ui.welcome, AlignWelcomeText(97));
  EXPECT_EQ(ui.passwordPrompts, 0);
  EXPECT_TRUE(ui.okShown);
  EXPECT_TRUE(ui.okFocused);
  EXPECT_FALSE(ui.ended);
  EXPECT_EQ(run->continueFlag, 1);
  EXPECT_EQ(run->portOpen, 1);

  // The conversation: the bare mode byte, identity words, all words, the blocks, the sum, channel 0.
  EXPECT_EQ(radio->ControlBytes(), (std::vector<std::uint8_t>{kAlignModeByte}));
  std::vector<int> words{16, 124, 17, 18, 19, 20};
  for (int i : Range(0, 127)) words.push_back(i);
  EXPECT_EQ(Requested(CMD_READ_WORD), words);
  std::vector<int> blocks{0, 1, 2, 3, 55, 56, 57, 58, 252, 253, 254};
  EXPECT_EQ(Requested(CMD_READ_BLOCK), blocks);
  const auto commands = align->Commands();
  ASSERT_GE(commands.size(), 2u);
  EXPECT_EQ(commands[commands.size() - 2], CMD_WRITE_WORD);
  EXPECT_EQ(commands.back(), '0');
  EXPECT_EQ(align->DataOf('0').back(), (std::vector<std::uint8_t>{0, 0}));
  EXPECT_EQ(align->DataOf(CMD_WRITE_WORD).back().at(0), 2);

  // What the alignment window gets.
  EXPECT_TRUE(std::equal(run->words.begin(), run->words.end(), memory.begin()));
  for (int b = 0; b < kAlignImageBlocks; ++b) {
    const bool loaded = (b >= 2 && b <= 5) || (b >= 57 && b <= 60) || b >= 254;
    EXPECT_EQ(run->blockLoaded[std::size_t(b)], loaded ? 1 : 0) << b;
    EXPECT_EQ(run->blockChanged[std::size_t(b)], 0) << b;
    EXPECT_EQ(RunBlock(b), loaded ? MemoryBlock(b) : std::vector<std::uint8_t>(128, 0xFF)) << b;
  }
  EXPECT_EQ(run->channelBlockLimit, 60);
  EXPECT_EQ(run->channelIndex, 0);
  EXPECT_EQ(run->steps, (AlignStepTable{{{500, -300}, {625, 12}, {250, 0}, {125, 5}}}));

  // Progress: percent of 255 blocks, the range then follows the channel-block limit.
  EXPECT_EQ(ui.ranges, (std::vector<std::pair<int, int>>{{0, 255}, {0, 60}}));
  EXPECT_EQ(ui.positions, (std::vector<int>{0, 1, 1, 1, 2, 22, 23, 23, 23, 100, 100, 60}));
  const auto& lines = ui.texts[AlignLine::Line2];
  EXPECT_NE(std::find(lines.begin(), lines.end(), "22% complete  "), lines.end());
}

TEST_F(AlignStartTest, StartResetsTheRunAndItsEndClosesThePort) {
  run->blockChanged[70] = 1;
  run->blockLoaded[70] = 1;
  run->image[9000] = 0x12;
  run->portOpen = 1;
  {
    CAlignStart start(port, *run, ui, kCom);
    EXPECT_EQ(run->portOpen, 0);
    EXPECT_EQ(run->blockChanged[70], 0);  // nothing of an earlier run is written back
    EXPECT_EQ(run->blockLoaded[70], 0);
    EXPECT_EQ(run->image[9000], 0xFF);
    EXPECT_TRUE(port.IsOpen());
  }
  EXPECT_FALSE(port.IsOpen());
}

// ---- the handshake ----

TEST_F(AlignStartTest, RadioRefusingAlignmentMode) {
  align->PowerOnRefusingAfter(20ms);
  EXPECT_EQ(Enter(), kAlignBadReply);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"alignment mode error -3\r\n"}));
  EXPECT_TRUE(radio->Frames().empty());
  EXPECT_FALSE(ui.welcome);
}

TEST_F(AlignStartTest, EscWhileWaitingForTheRadioEndsQuietly) {
  ui.escAfterChecks = 1;
  EXPECT_EQ(Enter(), 1);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_TRUE(radio->Frames().empty());
}

TEST_F(AlignStartTest, PortFailuresAreReported) {
  radio->Unplug();
  EXPECT_EQ(Enter(), kAlignPortFailed);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"alignment mode error 1\r\n"}));

  // No port at all.
  ui.boxes.clear();
  port.ClosePort();
  const auto empty = FreshFolder();
  std::filesystem::create_symlink(empty / "nothing-here", empty / "com3");
  port.SetDeviceFolder(empty);
  EXPECT_EQ(Enter(), 2);
  ASSERT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(ui.boxes[0].substr(0, 10), "Open err\n\n");
  EXPECT_EQ(ui.boxes[1], "Problem with COM port");
  EXPECT_EQ(run->portOpen, 0);
  std::filesystem::remove_all(empty);
}

TEST_F(AlignStartTest, IdentityWordThatCannotBeReadIsAnUploadError) {
  radio->InjectFault({.fault = Fault::kBadChecksum, .command = CMD_READ_WORD, .argument = 124, .times = -1});
  align->PowerOnAfter(10ms);
  EXPECT_EQ(Enter(), kAlignBadReply);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"special upload error -3\r\n"}));
  EXPECT_EQ(Requested(CMD_READ_WORD), (std::vector<int>{16, 124, 124, 124, 124, 124, 124}));
}

// ---- identity and password ----

TEST_F(AlignStartTest, ProductionTypeIsCheckedBeforeThePassword) {
  Radio({.production = 0x30, .password = "ABCDEFGH"});
  align->PowerOnAfter(10ms);
  EXPECT_EQ(Enter(), kAlignRefused);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"Production mismatched\r\n"}));
  EXPECT_EQ(Requested(CMD_READ_WORD), (std::vector<int>{16, 124}));
  EXPECT_EQ(ui.passwordPrompts, 0);
  EXPECT_FALSE(ui.welcome);
}

struct PasswordCase {
  const char* name;
  const char* radioPassword;
  std::optional<std::string> typed;
  int prompts;
  bool accepted;
};

void PrintTo(const PasswordCase& c, std::ostream* os) { *os << c.name; }

class AlignPassword : public AlignStartTest, public ::testing::WithParamInterface<PasswordCase> {};

// The welcome dialog is cancelled, so an accepted radio ends the entry without an upload.
TEST_P(AlignPassword, DecidesWhetherTheWelcomeFollows) {
  const PasswordCase& c = GetParam();
  Radio({.password = c.radioPassword});
  ui.password = c.typed;
  ui.startInWelcome = false;
  align->PowerOnAfter(10ms);
  const int st = Enter();
  EXPECT_EQ(ui.passwordPrompts, c.prompts);
  if (c.accepted) {
    EXPECT_EQ(st, kAlignDone);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(ui.welcome);
    // Cancel in the welcome dialog: no upload, no alignment window.
    EXPECT_EQ(run->continueFlag, 0);
    EXPECT_EQ(ui.ended, 2);
    EXPECT_TRUE(Requested(CMD_READ_BLOCK).empty());
  } else {
    EXPECT_EQ(st, kAlignRefused);
    EXPECT_EQ(ui.boxes, (std::vector<std::string>{"Password mismatched!"}));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_FALSE(ui.welcome);
  }
  EXPECT_EQ(Requested(CMD_READ_WORD), (std::vector<int>{16, 124, 17, 18, 19, 20}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlignPassword,
    ::testing::Values(PasswordCase{"NoneIsNotAsked", "", std::nullopt, 0, true},
                      PasswordCase{"Typed", "PASS1234", "PASS1234", 1, true},
                      PasswordCase{"BlankPadded", "AB      ", "AB      ", 1, true},
                      PasswordCase{"Wrong", "PASS1234", "PASS1235", 1, false},
                      PasswordCase{"Cancelled", "PASS1234", std::nullopt, 1, false},
                      PasswordCase{"NothingTyped", "PASS1234", "", 1, false}),
    [](const ::testing::TestParamInfo<PasswordCase>& info) { return std::string(info.param.name); });

// ---- the upload ----

class AlignUploadLimit : public AlignStartTest, public ::testing::WithParamInterface<int> {};

TEST_P(AlignUploadLimit, ChannelBlocksFollowWordOneHundredTwentySix) {
  const int lowByte = GetParam();
  Radio({.channelBlockLimit = std::uint8_t(lowByte)}, Mode::kAlignment);
  ASSERT_EQ(Upload(), kAlignDone);
  const int limit = std::min(lowByte, 184);
  std::vector<int> blocks{0, 1, 2, 3};
  for (int b = 57; b <= limit; ++b) blocks.push_back(b - 2);
  blocks.insert(blocks.end(), {252, 253, 254});
  EXPECT_EQ(Requested(CMD_READ_BLOCK), blocks);
  EXPECT_EQ(run->channelBlockLimit, limit);
  EXPECT_EQ(ui.ranges.back(), std::make_pair(0, limit));
  EXPECT_EQ(ui.positions.back(), limit);
  EXPECT_EQ(RunBlock(limit >= 57 ? limit : 254), MemoryBlock(limit >= 57 ? limit : 254));
}

INSTANTIATE_TEST_SUITE_P(Limits, AlignUploadLimit, ::testing::Values(56, 57, 185, 200));

TEST_F(AlignStartTest, BlockTimeOutEndsTheEntryDialog) {
  radio->InjectFault({.fault = Fault::kSilence, .command = CMD_READ_BLOCK, .argument = 1, .times = -1});
  align->PowerOnAfter(10ms);
  EXPECT_EQ(Enter(), kAlignDone);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"special upload error 2\r\n"}));
  EXPECT_EQ(run->continueFlag, 0);
  EXPECT_EQ(ui.ended, 2);
  EXPECT_FALSE(ui.okShown);
  EXPECT_EQ(Requested(CMD_READ_BLOCK), (std::vector<int>{0, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(run->blockLoaded[3], 0);
  EXPECT_EQ(RunBlock(3), std::vector<std::uint8_t>(128, 0xFF));
}

TEST_F(AlignStartTest, BadChannelBlockLeavesTheDialogOpen) {
  radio->InjectFault({.fault = Fault::kBadChecksum, .command = CMD_READ_BLOCK, .argument = 56, .times = -1});
  align->PowerOnAfter(10ms);
  EXPECT_EQ(Enter(), kAlignDone);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"special upload error fffffffd\r\n"}));
  EXPECT_EQ(run->continueFlag, 1);  // the user leaves with Esc
  EXPECT_FALSE(ui.ended);
  EXPECT_FALSE(ui.okShown);
  EXPECT_EQ(run->blockLoaded[57], 1);
  EXPECT_EQ(run->blockLoaded[58], 0);
}

TEST_F(AlignStartTest, EscDuringTheUploadAbortsBeforeTheNextBlock) {
  Radio({}, Mode::kAlignment);
  ui.escAfterChecks = 5;  // blocks 2..5 and 57, then Esc
  EXPECT_EQ(Upload(), kAlignAborted);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"\r\nUpload is aborted. Press any key"}));
  EXPECT_EQ(run->continueFlag, 0);
  EXPECT_EQ(Requested(CMD_READ_BLOCK), (std::vector<int>{0, 1, 2, 3, 55}));
  EXPECT_TRUE(align->DataOf(CMD_WRITE_WORD).empty());
}

// A failed checksum write is reported and the upload goes on; a refused
// channel 0 ends it with its own message.
TEST_F(AlignStartTest, RecordSumAndChannelFailures) {
  Radio({.channelBlockLimit = 0}, Mode::kAlignment);
  memory[4] ^= 0xFF;  // the radio's checksum word is off
  radio->SetImage(memory);
  radio->InjectFault({.fault = Fault::kChangedValue, .command = CMD_WRITE_WORD, .times = -1, .value = 1});
  align->RefuseChannel(0);
  EXPECT_EQ(Upload(), kAlignBadReply);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"!! communication error !!\r\n", "channel change error -3\r\n"}));
  EXPECT_EQ(align->DataOf(CMD_WRITE_WORD).size(), 6u);
  EXPECT_EQ(AlignWord(run->words.data(), 2), memory[4] | memory[5] << 8);  // as read: the new sum was not taken
  EXPECT_FALSE(ui.okFocused);
}

// ---- tables and texts ----

TEST(AlignTables, StepTableFromBlockTwo) {
  std::uint8_t block[128] = {};
  block[69] = 0x81;  // -(1 * 256 + 2)
  block[70] = 0x02;
  block[71] = 0x7F;  // +(127 * 256 + 255)
  block[72] = 0xFF;
  block[73] = 0x80;  // negative zero is zero
  block[75] = 0x00;
  block[76] = 0x07;
  const std::int32_t offsets[4] = {-258, 32767, 0, 7};
  const std::int32_t steps[4][4] = {{500, 625, 0, 0}, {500, 625, 250, 0}, {500, 625, 250, 125}, {1000, 1250, 0, 0}};
  for (int select = 0; select < 4; ++select) {
    block[0] = std::uint8_t(select << 6 | 0x15);  // the low six bits do not matter
    const AlignStepTable table = DecodeStepTable(block);
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(table[std::size_t(k)].step, steps[select][k]) << select << " " << k;
      EXPECT_EQ(table[std::size_t(k)].offset, offsets[k]) << select << " " << k;
    }
  }
}

TEST(AlignTables, WelcomeTextNamesTheBandsFrequencies) {
  const std::string head =
      "Welcome to the radio alignment software.  Before performing the radio alignment,\r\n"
      "please preset the following frequencies to this radio.\r\n\r\n"
      " CH01       CH02       CH03       CH04\r\n"
      "Wide       Narrow     Wide       Wide\r\n";
  EXPECT_EQ(AlignWelcomeText(1), head + "154.100   154.100   134.100   173.900");
  EXPECT_EQ(AlignWelcomeText(97), head + "481.100   481.100   450.100   511.900");
  EXPECT_EQ(AlignWelcomeText(0x61 | 0x80), head);
}
