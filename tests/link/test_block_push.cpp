// Block-push transfers against the simulated radio: the pushed read with its
// NAK repeats, bad-frame limit, tail block and power cycles; the send with
// ACK/NAK, refusals, the restart with and without the firmware patch, Esc in
// the answer wait, and what the radio holds afterwards.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "link/block_push.h"
#include "link/clone_protocol.h"
#include "link/read_radio.h"
#include "link/send_radio.h"
#include "link_fixture.h"
#include "radio/sim_block_push.h"
#include "radio/sim_transfer.h"

using namespace std::chrono_literals;
using radiosim::Fault;
using radiosim::Mode;
using radiosim::PushFault;

namespace {

constexpr int kCount = 58;  // EEPROM end 127: n = 1
constexpr int kN = 1;

// The firmware patch as the radio must receive it (data bytes 5..116 of block 0x37).
constexpr std::array<std::uint8_t, 112> kExpectedPatch = {
    0x05, 0x14, 0x85, 0x8A, 0x8A, 0x85, 0x90, 0x93, 0x25, 0x81, 0x14, 0x05, 0xC8, 0x84, 0x88, 0x86,
    0x87, 0x8D, 0x8F, 0x1F, 0x81, 0x0E, 0x05, 0xE6, 0x83, 0x86, 0x07, 0x87, 0x8A, 0x8B, 0x16, 0x81,
    0x0B, 0x06, 0x04, 0x82, 0x84, 0x07, 0x85, 0x86, 0x87, 0x0D, 0x81, 0x08, 0x06, 0x22, 0x81, 0x82,
    0x05, 0x83, 0x83, 0x83, 0x06, 0x81, 0x02, 0x06, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x06, 0x5E, 0x01, 0x04, 0x86, 0x03, 0x04, 0x03, 0x8D, 0x00, 0x00, 0x06, 0x7C, 0x02,
    0x0A, 0x8A, 0x05, 0x06, 0x05, 0x93, 0x00, 0x00, 0x06, 0x9A, 0x03, 0x12, 0x8C, 0x06, 0x08, 0x07,
    0x9B, 0x00, 0x04, 0x06, 0xB8, 0x05, 0x19, 0x88, 0x08, 0x0A, 0x08, 0xA1, 0x00, 0x0A, 0x07, 0x08,
};

class MessageHost : public IModelHost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// A dialog double that presses Esc a few checks after a chosen block line.
class TestUi : public radiosim::RecordingTransferUi {
 public:
  void SetBlockLine(const std::string& text) override {
    RecordingTransferUi::SetBlockLine(text);
    if (text == escOnBlockLine) PressEscAfterChecks(2), escCheck = Checks() + 3;
  }
  std::string escOnBlockLine;
  int escCheck = -1;  // the check that answers Esc
};

std::vector<std::uint8_t> BlockOf(const std::uint8_t* image, int b) {
  return {image + std::size_t(b) * kBlockSize, image + std::size_t(b + 1) * kBlockSize};
}

std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i) v.push_back(i);
  return v;
}

template <typename C, typename T>
int CountOf(const C& c, const T& v) {
  return int(std::count(c.begin(), c.end(), v));
}

struct ModelState {
  std::vector<std::uint8_t> image, tail;
  std::uint8_t lastChannelBlock = 0;
  std::uint32_t modified = 0;
  explicit ModelState(const CEditModel& m)
      : image(m.image.begin(), m.image.end()),
        tail(m.tail.begin(), m.tail.end()),
        lastChannelBlock(m.global.lastChannelBlock),
        modified(g_bModified) {}
  bool operator==(const ModelState&) const = default;
};

class BlockPushTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    settings.comIndex = kCom;
    settings.blockPushMode = true;
    settings.flashStart = 0x1DC00;
    settings.blockCount = kCount;
    settings.eepromSizeCode = kN;
    model->SetHost(&host);

    memory = radiosim::DefaultRadioMemory();
    memory[252] = 40;  // something the model shows after a read
    for (int b = 2; b < kCount; ++b) radiosim::StampBlock(memory, b, 0x31);
    Reconnect(Mode::kBlockPush);
  }
  void TearDown() override {
    g_bModified = 0;
    LinkTest::TearDown();
  }

  void Reconnect(Mode mode) {
    Connect(RadioIn(mode));
    sim = std::make_unique<radiosim::BlockPushRadio>(*radio, radiosim::BlockPushOptions{kCount, kN});
    radio->SetImage(memory);
  }
  // The user switches the radio off and on whenever asked to.
  void PowerOnWhenAsked() { ui.SwitchOnWhenPrompted(*radio); }
  // The port fails the first write of b.
  std::shared_ptr<radiosim::PortFaults> FailFirstWriteOf(std::uint8_t b) {
    auto faults = std::make_shared<radiosim::PortFaults>();
    faults->failWritesOf = b;
    port.ClosePort();
    port.SetOpener(radiosim::FaultInjectingOpener(faults));
    return faults;
  }

  // Every byte the radio received, in order.
  std::vector<std::uint8_t> BytesReceived() const {
    std::vector<std::uint8_t> all;
    for (const auto& chunk : radio->Chunks()) all.insert(all.end(), chunk.begin(), chunk.end());
    return all;
  }
  std::vector<radiosim::LoggedFrame> FramesIn(Mode mode) const {
    std::vector<radiosim::LoggedFrame> frames;
    for (const auto& f : radio->Frames())
      if (f.mode == mode) frames.push_back(f);
    return frames;
  }
  std::vector<int> PushedBlocksSent() const {
    std::vector<int> blocks;
    for (const auto& f : FramesIn(Mode::kBlockPush)) blocks.push_back(f.data[0]);
    return blocks;
  }
  std::vector<unsigned> Sleeps() const { return pacing.Sleeps(); }

  TransferSettings settings;
  TestUi ui;
  MessageHost host;
  std::unique_ptr<CEditModel> model = std::make_unique<CEditModel>();
  std::unique_ptr<radiosim::BlockPushRadio> sim;
  std::vector<std::uint8_t> memory;
};

// ---- the read ----

class BlockPushRead : public BlockPushTest {
 protected:
  void SetUp() override {
    BlockPushTest::SetUp();
    std::fill(model->image.begin(), model->image.end(), 0x5A);
    std::fill(model->tail.begin(), model->tail.end(), 0xA5);
    g_bModified = 1;
  }

  // The block-push map hands the read over to the block-push engine by itself.
  int Read() { return ReadFromRadio(port, ui, settings, *model); }

  // The model holds the radio's blocks in image order, erased bytes beyond
  // them, and the radio's last block at the start of its tail.
  void ExpectRadioRead() const {
    for (int b = 0; b < kCount - 1; ++b) {
      ASSERT_EQ(BlockOf(model->image.data(), b), BlockOf(memory.data(), b)) << "block " << b;
    }
    EXPECT_TRUE(std::all_of(model->image.begin() + (kCount - 1) * kBlockSize, model->image.begin() + kImageSize,
                            [](std::uint8_t x) { return x == 0xFF; }));
    EXPECT_EQ(BlockOf(model->tail.data(), 0), BlockOf(memory.data(), kCount - 1));
    EXPECT_TRUE(std::all_of(model->tail.begin() + kBlockSize, model->tail.end(),
                            [](std::uint8_t x) { return x == 0xA5; }));
    EXPECT_EQ(model->global.lastChannelBlock, 40);
    EXPECT_EQ(g_bModified, 0u);
    // A Sel Call entry past the pushed blocks holds what a fresh start holds.
    CEditModel fresh;
    fresh.UseBuiltInDefaults(true);
    EXPECT_TRUE(model->store.selCalls[0] == fresh.store.selCalls[0]);
  }
};

TEST_F(BlockPushRead, EveryPushedBlockIsTakenAndTheLastGoesToTheTail) {
  ASSERT_EQ(Read(), kTransferDone);
  ExpectRadioRead();
  EXPECT_EQ(sim->Pushed(), Range(0, kCount - 1));

  // One push request, then an ACK for every block.
  const auto controls = radio->ControlBytes();
  ASSERT_FALSE(controls.empty());
  EXPECT_EQ(controls.front(), kPushRequestByte);
  EXPECT_EQ(CountOf(controls, kPushRequestByte), 1);
  EXPECT_EQ(CountOf(controls, ACK), kCount);
  EXPECT_EQ(CountOf(controls, NAK), 0);

  EXPECT_EQ(ui.line1History, std::vector<std::string>{"Please wait"});
  EXPECT_EQ(ui.blockLine, "Receive block 58 / 58");
  EXPECT_EQ(ui.progress, kCount);
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_TRUE(ui.boxes.empty());
  const auto sleeps = Sleeps();
  EXPECT_EQ(CountOf(sleeps, 55u), kCount);
  EXPECT_EQ(sleeps.back(), 2000u);
  EXPECT_EQ(radio->Image(), memory);  // a read leaves the radio alone
}

TEST_F(BlockPushRead, BadFramesArePushedAgainAndAGoodFrameResetsTheCount) {
  sim->InjectPushFault(3, PushFault::kBadChecksum, 9);
  sim->InjectPushFault(5, PushFault::kCutShort);
  sim->InjectPushFault(6, PushFault::kBadChecksum, 9);
  ASSERT_EQ(Read(), kTransferDone);
  ExpectRadioRead();
  const auto pushed = sim->Pushed();
  EXPECT_EQ(CountOf(pushed, 3), 10);
  EXPECT_EQ(CountOf(pushed, 5), 2);
  EXPECT_EQ(CountOf(pushed, 6), 10);
  EXPECT_EQ(CountOf(radio->ControlBytes(), NAK), 19);
  EXPECT_EQ(CountOf(radio->ControlBytes(), ACK), kCount);
}

TEST_F(BlockPushRead, TenBadFramesInARowEndTheReadAndChangeNothing) {
  sim->InjectPushFault(4, PushFault::kBadChecksum, 10);
  const ModelState before(*model);
  EXPECT_EQ(Read(), kTransferFailed);
  EXPECT_EQ(ui.line1, " Upload Error!");
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(CountOf(radio->ControlBytes(), NAK), 9);
  EXPECT_TRUE(ModelState(*model) == before);
}

TEST_F(BlockPushRead, WrongLengthByteIsACommunicationError) {
  sim->InjectPushFault(2, PushFault::kWrongLength);
  const ModelState before(*model);
  EXPECT_EQ(Read(), kTransferFailed);
  EXPECT_EQ(ui.line1, "Communication Error");
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(CountOf(radio->ControlBytes(), NAK), 0);
  EXPECT_TRUE(ModelState(*model) == before);
}

TEST_F(BlockPushRead, EscBetweenFramesAbortsAndChangesNothing) {
  ui.PressEscAfterChecks(20);
  const ModelState before(*model);
  EXPECT_EQ(Read(), kTransferAborted);
  EXPECT_LT(sim->Pushed().size(), std::size_t(kCount));
  EXPECT_TRUE(ModelState(*model) == before);
}

// A radio that is off, and one that falls silent halfway: each time the user
// switches it off and on, and the radio pushes from block 0 again.
TEST_F(BlockPushRead, SilentRadioIsPowerCycledAndPushesAgainFromTheStart) {
  Reconnect(Mode::kOff);
  sim->InjectPushFault(10, PushFault::kSilent);
  PowerOnWhenAsked();
  ASSERT_EQ(Read(), kTransferDone);
  ExpectRadioRead();
  EXPECT_EQ(ui.powerCycles, 2);
  EXPECT_EQ(CountOf(ui.line2History, std::string("back ON to start uploading")), 2);

  auto expected = Range(0, 10);
  const auto all = Range(0, kCount - 1);
  expected.insert(expected.end(), all.begin(), all.end());
  EXPECT_EQ(sim->Pushed(), expected);

  // The radio hears one push request while off, then 0x20 and 0x70 after each power cycle.
  const auto bytes = BytesReceived();
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
            (std::vector<std::uint8_t>{kPushRequestByte, kPushCloneByte, kPushRequestByte, 0x06}));
  EXPECT_EQ(CountOf(bytes, kPushCloneByte), 2);
  // 50 ms before 0x20 and 330 ms before 0x70.
  const auto sleeps = Sleeps();
  const std::vector<unsigned> restart = {50u, 330u};
  EXPECT_NE(std::search(sleeps.begin(), sleeps.end(), restart.begin(), restart.end()), sleeps.end());
}

TEST_F(BlockPushRead, NoFrameAfterThePowerCycleIsAnUploadError) {
  Reconnect(Mode::kOff);
  sim->InjectPushFault(0, PushFault::kSilent, -1);
  PowerOnWhenAsked();
  const ModelState before(*model);
  EXPECT_EQ(Read(), kTransferFailed);
  EXPECT_EQ(ui.line1, " Upload Error");
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(CountOf(radio->ControlBytes(), NAK), 9);  // every silent wait but the last is answered NAK
  EXPECT_TRUE(ModelState(*model) == before);
}

// ---- the send ----

class BlockPushSend : public BlockPushTest {
 protected:
  void SetUp() override {
    BlockPushTest::SetUp();
    LoadModel(true);
    // The radio holds something else everywhere.
    for (int b = 0; b < kCount; ++b) radiosim::StampBlock(memory, b, 0x77);
    radio->SetImage(memory);
  }

  void LoadModel(bool uhf) {
    const auto file = radiosim::DefaultRadioMemory(uhf);
    std::copy(file.begin(), file.begin() + kFileImagePart, model->image.begin());
    std::copy(file.begin() + kFileImagePart, file.end(), model->tail.begin());
    model->UnpackImage(model->image.data());
    model->UnpackImageTail(model->image.data(), model->tail.data(), 1);
    for (std::size_t k = 0; k < kBlockSize; ++k) model->tail[k] = std::uint8_t(0xC0 ^ k);  // the adjustment block
    model->global.afMinVrLevel = 17;
    model->image[226] = 5;  // the pack puts 17 here
  }

  int Send(SendOptions options = {}) { return SendToRadio(port, ui, settings, *model, options); }

  // The model's image packed, with the send's checksum: the sum of bytes 4..25.
  std::vector<std::uint8_t> Packed() {
    std::vector<std::uint8_t> image(model->image.begin(), model->image.begin() + kImageSize);
    EXPECT_NE(model->PackImage(image.data()), 0);
    unsigned sum = 0;
    for (int i = 4; i <= 25; ++i) sum += image[i];
    image[2] = std::uint8_t(sum);
    image[3] = std::uint8_t(sum >> 8);
    return image;
  }

  // Blocks first..last of the radio are the image's; its last block is the tail's first.
  void ExpectRadioHolds(const std::vector<std::uint8_t>& image, int first = 0, int last = kCount - 1) const {
    for (int b = first; b <= last && b < kCount - 1; ++b) {
      ASSERT_EQ(radio->Block(b), BlockOf(image.data(), b)) << "block " << b;
    }
    if (last == kCount - 1) {
      EXPECT_EQ(radio->Block(kCount - 1), BlockOf(model->tail.data(), 0));
    }
  }
  std::vector<std::uint8_t> ModelImage() const {
    return {model->image.begin(), model->image.begin() + kImageSize};
  }
};

TEST_F(BlockPushSend, EveryBlockGoesPackedWithTheChecksumAndTheLastFromTheTail) {
  const auto expected = Packed();
  ASSERT_EQ(Send(), kTransferDone);
  ExpectRadioHolds(expected);
  EXPECT_EQ(radio->Block(1)[226 - 128], 17);
  EXPECT_EQ(ModelImage(), expected);  // the sent image is the model's now

  const auto frames = FramesIn(Mode::kBlockPush);
  ASSERT_EQ(frames.size(), std::size_t(kCount));
  for (int b = 0; b < kCount; ++b) {
    EXPECT_EQ(frames[b].command, kPushSendCommand);
    EXPECT_EQ(frames[b].data[0], b);
    EXPECT_TRUE(frames[b].checksumOk) << "block " << b;
  }
  // The word area travels with the bytes of each word swapped.
  EXPECT_EQ(frames[0].data[1 + 2], expected[3]);
  EXPECT_EQ(frames[0].data[1 + 3], expected[2]);
  EXPECT_EQ(frames[2].data[1 + 2], expected[2 * kBlockSize + 2]);
  EXPECT_EQ(BytesReceived().front(), kPushReceiveByte);

  EXPECT_EQ(ui.line1History, std::vector<std::string>{"Please wait"});
  EXPECT_EQ(ui.blockLine, "Send block 58 / 58");
  EXPECT_EQ(ui.progress, kCount);
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_TRUE(host.messages.empty());
  const auto sleeps = Sleeps();
  EXPECT_EQ(CountOf(sleeps, 55u), 2 * kCount + 1);
  EXPECT_EQ(sleeps.back(), 2000u);

  // Image byte 3 now carries the checksum, not the production type: the next
  // send still stops at the memory's last block. In "-m" mode the blocks go as 0x25.
  ASSERT_NE(model->image[3], 11);
  radio->ClearLog();
  settings.modeM = true;
  ASSERT_EQ(Send(), kTransferDone);
  EXPECT_EQ(PushedBlocksSent(), Range(0, kCount - 1));
  for (const auto& f : FramesIn(Mode::kBlockPush)) EXPECT_EQ(f.command, kPushSendCommandModeM);
  EXPECT_EQ(ui.blockLine, "Send block 58 / 58");
}

TEST_F(BlockPushSend, NakOrAnUnansweredBlockSendsItAgain) {
  radio->InjectFault({.fault = Fault::kNak, .command = kPushSendCommand, .argument = 4});
  sim->AnswerBlockWith(6, std::vector<std::uint8_t>(10, 0x33));  // ten bytes, none ACK or NAK
  const auto expected = Packed();
  ASSERT_EQ(Send(), kTransferDone);
  auto blocks = Range(0, kCount - 1);
  blocks.insert(blocks.begin() + 4, 4);
  blocks.insert(blocks.begin() + 7, 6);
  EXPECT_EQ(PushedBlocksSent(), blocks);
  EXPECT_EQ(CountOf(ui.line1History, std::string("Please wait")), 3);
  ExpectRadioHolds(expected);
}

// Ten bytes that are no answer, or a NAK, ten times in a row end the send.
TEST_F(BlockPushSend, AnswersThatNeverComeRightEndWithNoResponse) {
  const auto image = ModelImage();
  for (const auto& answer : {std::vector<std::uint8_t>(10, 0x33), std::vector<std::uint8_t>{NAK}}) {
    radio->ClearLog();
    sim->AnswerBlockWith(2, answer, 10);
    ui = {};
    EXPECT_EQ(Send(), kTransferFailed);
    EXPECT_EQ(ui.line1, " No response from radio ");
    EXPECT_EQ(CountOf(PushedBlocksSent(), 2), 10);
    EXPECT_EQ(radio->Block(2), BlockOf(memory.data(), 2));
    EXPECT_EQ(ModelImage(), image);
  }
}

// The radio's answer comes after the cable's echo of all 132 bytes of a
// block. Block 5 ends in ACK and its sum is ACK too, and the radio refuses it
// once: a send that read fewer echoes would take an echo for the answer.
TEST_F(BlockPushSend, AnswerIsReadAfterTheWholeEcho) {
  settings.romEditorTransfer = true;  // the image goes as it is
  std::uint8_t* block = &model->image[5 * kBlockSize];
  block[kBlockSize - 1] = ACK;
  unsigned sum = kPushSendCommand + kPushFrameLength + 5;
  for (std::size_t k = 0; k + 2 < kBlockSize; ++k) sum += block[k];
  block[kBlockSize - 2] = std::uint8_t(ACK - sum - ACK);
  sim->AnswerBlockWith(5, {NAK});
  auto expected = ModelImage();
  StoreBlockPushChecksum(expected.data(), settings.flashStart);

  ASSERT_EQ(Send(), kTransferDone);
  const auto frames = FramesIn(Mode::kBlockPush);
  ASSERT_EQ(frames.size(), std::size_t(kCount + 1));
  EXPECT_EQ(frames[5].data.back(), ACK);
  EXPECT_EQ(frames[5].checksum, ACK);
  EXPECT_EQ(CountOf(PushedBlocksSent(), 5), 2);
  ExpectRadioHolds(expected);
}

TEST_F(BlockPushSend, RefusedPackSendsNothingUnlessTheEditorSends) {
  model->global.byte182 |= 0x20;  // home group scan needs a home zone
  model->global.homeSystem = 31;
  const auto image = ModelImage();
  EXPECT_EQ(Send(), kTransferFailed);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Home Zone has not been programmed"});
  EXPECT_TRUE(radio->Chunks().empty());
  EXPECT_EQ(ModelImage(), image);

  // From the memory editor the image goes as the editor left it, unpacked.
  settings.romEditorTransfer = true;
  ASSERT_EQ(Send(), kTransferDone);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(radio->Block(1)[226 - 128], 5);
  auto expected = image;
  StoreBlockPushChecksum(expected.data(), settings.flashStart);
  ExpectRadioHolds(expected);
}

TEST_F(BlockPushSend, OneBlockModeSendsThatBlockOnly) {
  SendOptions one;
  one.oneBlock = "39";  // the last block: the tail's
  ASSERT_EQ(Send(one), kTransferDone);
  EXPECT_EQ(PushedBlocksSent(), std::vector<int>{kCount - 1});
  EXPECT_EQ(radio->Block(kCount - 1), BlockOf(model->tail.data(), 0));
  EXPECT_EQ(radio->Block(kCount - 2), BlockOf(memory.data(), kCount - 2));
}

// A UHF radio that cannot be told to receive is switched off and on and takes
// the blocks from block 0, without the firmware step.
TEST_F(BlockPushSend, UhfRestartSkipsTheFirmwareAndStartsAtBlockZero) {
  const auto faults = FailFirstWriteOf(kPushReceiveByte);
  PowerOnWhenAsked();
  SendOptions one;
  one.oneBlock = "5";
  const auto expected = Packed();
  ASSERT_EQ(Send(one), kTransferDone);
  EXPECT_EQ(faults->failedWrites, 1);
  EXPECT_EQ(ui.powerCycles, 1);
  EXPECT_EQ(ui.line2History.front(), "back ON to start downloading");

  const auto bytes = BytesReceived();
  ASSERT_GE(bytes.size(), 3u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 3),
            (std::vector<std::uint8_t>{kPushCloneByte, kPushReceiveByte, kPushSendCommand}));
  EXPECT_TRUE(FramesIn(Mode::kFirmware).empty());
  EXPECT_EQ(sim->Restarts(), 0);
  EXPECT_EQ(PushedBlocksSent(), Range(0, 5));
  ExpectRadioHolds(expected, 0, 5);
  EXPECT_EQ(ui.beeps, 2);
  const auto sleeps = Sleeps();
  const std::vector<unsigned> restart = {50u, 1500u};
  EXPECT_NE(std::search(sleeps.begin(), sleeps.end(), restart.begin(), restart.end()), sleeps.end());
}

TEST_F(BlockPushSend, EscWhileWaitingForThePowerCycleAborts) {
  FailFirstWriteOf(kPushReceiveByte);
  ui.PressEscAfterChecks(3);
  const auto image = ModelImage();
  EXPECT_EQ(Send(), kTransferAborted);
  EXPECT_TRUE(radio->Chunks().empty());
  EXPECT_EQ(ModelImage(), image);
}

// A VHF radio has its firmware block read and patched, then restarts.
TEST_F(BlockPushSend, VhfRestartPatchesTheFirmwareBlock) {
  LoadModel(false);
  ASSERT_NE(model->global.bandFlag, kUhfBandFlag);
  std::vector<std::uint8_t> firmware(kBlockSize);
  for (std::size_t k = 0; k < kBlockSize; ++k) firmware[k] = std::uint8_t(k * 3 + 1);
  firmware[5] = 0x05;
  firmware[6] = 0x3C;
  sim->SetFirmwareBlock(firmware);
  radio->InjectFault({.fault = Fault::kBadChecksum, .command = 0xF2});  // the first answer is spoilt
  radio->InjectFault({.fault = Fault::kNak, .command = 0xF3});          // the first patch is refused
  FailFirstWriteOf(kPushReceiveByte);
  PowerOnWhenAsked();
  const auto expected = Packed();
  ASSERT_EQ(Send(), kTransferDone);

  auto patched = firmware;
  std::copy(kExpectedPatch.begin(), kExpectedPatch.end(), patched.begin() + 5);
  EXPECT_EQ(sim->FirmwareBlock(), patched);
  EXPECT_EQ(sim->Restarts(), 1);

  const auto frames = FramesIn(Mode::kFirmware);
  ASSERT_EQ(frames.size(), 5u);  // two reads, two writes, one restart
  for (int i : {0, 1}) {
    EXPECT_EQ(frames[i].command, 0xF2);
    EXPECT_EQ(frames[i].data, std::vector<std::uint8_t>{0x37});
    EXPECT_EQ(frames[i].checksum, 0x2B);
  }
  for (int i : {2, 3}) {
    EXPECT_EQ(frames[i].command, 0xF3);
    EXPECT_EQ(frames[i].data.front(), 0x37);
    EXPECT_EQ(std::vector<std::uint8_t>(frames[i].data.begin() + 1, frames[i].data.end()), patched);
    EXPECT_TRUE(frames[i].checksumOk);
  }
  EXPECT_EQ(frames[4].command, 0x38);
  EXPECT_EQ(BytesReceived().front(), kFirmwareModeByte);

  EXPECT_EQ(PushedBlocksSent(), Range(0, kCount - 1));
  ExpectRadioHolds(expected);
  const auto lines = ui.line1History;
  const auto cycle = std::find(lines.begin(), lines.end(), "Switch radio OFF, then");
  ASSERT_NE(cycle, lines.end());
  ASSERT_NE(cycle + 1, lines.end());
  EXPECT_EQ(*(cycle + 1), "Please wait");
  const auto sleeps = Sleeps();
  const std::vector<unsigned> check = {50u, 1800u, 100u};
  EXPECT_NE(std::search(sleeps.begin(), sleeps.end(), check.begin(), check.end()), sleeps.end());
}

TEST_F(BlockPushSend, VhfFirmwareWithoutTheMarkerIsLeftAlone) {
  LoadModel(false);
  std::vector<std::uint8_t> firmware(kBlockSize, 0x44);
  sim->SetFirmwareBlock(firmware);
  FailFirstWriteOf(kPushReceiveByte);
  PowerOnWhenAsked();
  ASSERT_EQ(Send(), kTransferDone);
  EXPECT_EQ(sim->FirmwareBlock(), firmware);
  EXPECT_EQ(sim->Restarts(), 1);
  const auto frames = FramesIn(Mode::kFirmware);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].command, 0xF2);
  EXPECT_EQ(frames[1].command, 0x38);
  EXPECT_EQ(PushedBlocksSent(), Range(0, kCount - 1));
}

TEST_F(BlockPushSend, FirmwareAnswerWithAWrongLengthIsACommunicationError) {
  LoadModel(false);
  radio->InjectFault({.fault = Fault::kWrongLength, .command = 0xF2});
  FailFirstWriteOf(kPushReceiveByte);
  PowerOnWhenAsked();
  const auto image = ModelImage();
  EXPECT_EQ(Send(), kTransferFailed);
  EXPECT_EQ(ui.line1, "Communication Error");
  EXPECT_EQ(FramesIn(Mode::kFirmware).size(), 1u);
  EXPECT_TRUE(FramesIn(Mode::kBlockPush).empty());
  EXPECT_EQ(ModelImage(), image);
}

TEST_F(BlockPushSend, EscWhileWaitingForTheAnswerFails) {
  radio->InjectFault({.fault = Fault::kSilence, .command = kPushSendCommand, .argument = 2});
  ui.escOnBlockLine = "Send block 2 / 58";
  const auto image = ModelImage();
  EXPECT_EQ(Send(), kTransferFailed);
  EXPECT_EQ(ui.Checks(), ui.escCheck);  // ended at Esc, not after the answer's ten reads
  EXPECT_EQ(PushedBlocksSent(), Range(0, 2));
  EXPECT_EQ(radio->Block(2), BlockOf(memory.data(), 2));
  EXPECT_EQ(ModelImage(), image);
}

}  // namespace
