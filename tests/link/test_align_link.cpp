// The alignment command link: the byte primitives and their time-outs, the
// frames each command puts on the line, how replies are judged, the tries and
// the drains between them, and the radio's restart.
#include <deque>
#include <numeric>

#include "link/align_link.h"
#include "link/align_start.h"
#include "link_fixture.h"
#include "radio/sim_align.h"

using namespace std::chrono_literals;
using radiosim::AlignmentRadio;
using radiosim::Fault;
using radiosim::Mode;

namespace {

// A port without a line: it answers reads from a queue, records the time-outs
// of every call, and fails or stalls calls when told.
class FakePort : public SerialPort {
 public:
  void SetTimeouts(const CommTimeouts& t) override { timeouts = t; }
  const CommTimeouts& Timeouts() const override { return timeouts; }
  bool Read(std::uint8_t* buffer, std::size_t n, std::size_t& got) override {
    readTimeouts.push_back(timeouts);
    got = 0;
    if (failReads) return false;
    while (got < n && !input.empty()) {
      buffer[got++] = input.front();
      input.pop_front();
    }
    return true;
  }
  bool Write(const std::uint8_t* bytes, std::size_t n, std::size_t& written) override {
    writeTimeouts.push_back(timeouts);
    written = 0;
    if (failWrites) return false;
    if (!stallWrites) written = n;
    return true;
  }
  void ClearDtr() override {}
  void Purge() override {}

  CommTimeouts timeouts;
  std::vector<CommTimeouts> readTimeouts, writeTimeouts;
  std::deque<std::uint8_t> input;
  bool failReads = false, failWrites = false, stallWrites = false;
};

std::uint8_t Sum(std::initializer_list<unsigned> bytes) {
  return std::uint8_t(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

}  // namespace

TEST(AlignPrimitives, TimeoutsAndStatusesOfSingleBytes) {
  CComPort port;
  radiosim::RecordingDialog dialog;
  FakePort* fake = nullptr;
  port.SetOpener([&](const std::string&) {
    auto p = std::make_unique<FakePort>();
    fake = p.get();
    return p;
  });
  ASSERT_EQ(port.OpenComPort(0, dialog), 1);

  std::uint8_t b = 0x77;
  EXPECT_EQ(AlignReadByte(port, b, 150), kAlignTimeout);
  EXPECT_EQ(b, 0x77);
  fake->input = {0x42};
  EXPECT_EQ(AlignReadByte(port, b, 150), kAlignDone);
  EXPECT_EQ(b, 0x42);
  EXPECT_EQ(fake->readTimeouts.back(), (CommTimeouts{150, 0, 150, 0, 0}));
  fake->failReads = true;
  EXPECT_EQ(AlignReadByte(port, b, 150), kAlignPortFailed);

  EXPECT_EQ(AlignWriteByte(port, 0x30, 100), kAlignDone);
  EXPECT_EQ(fake->writeTimeouts.back(), (CommTimeouts{100, 0, 0, 0, 100}));
  fake->stallWrites = true;
  EXPECT_EQ(AlignWriteByte(port, 0x30, 100), kAlignTimeout);
  fake->failWrites = true;
  EXPECT_EQ(AlignWriteByte(port, 0x30, 100), kAlignPortFailed);

  // A failed write ends a frame at once with its status, before anything else goes out.
  fake->writeTimeouts.clear();
  EXPECT_EQ(AlignSendFrame(port, '5', 1, nullptr), kAlignPortFailed);
  EXPECT_EQ(fake->writeTimeouts.size(), 1u);

  port.CloseHandle();
  EXPECT_EQ(AlignReadByte(port, b, 10), kAlignPortFailed);  // no port: the calls fail
  EXPECT_EQ(AlignWriteByte(port, 1, 10), kAlignPortFailed);
}

TEST(AlignPrimitives, DrainOfALineThatNeverFallsQuietEnds) {
  CComPort port;
  radiosim::RecordingDialog dialog;
  FakePort* fake = nullptr;
  port.SetOpener([&](const std::string&) {
    auto p = std::make_unique<FakePort>();
    fake = p.get();
    return p;
  });
  ASSERT_EQ(port.OpenComPort(0, dialog), 1);
  fake->input.assign(10000, 0x55);
  AlignDrain(port, 3);
  EXPECT_GT(fake->input.size(), 0u);
  EXPECT_LT(fake->input.size(), 10000u);
}

class AlignLinkTest : public LinkTest {
 protected:
  void SetUp() override {
    lineOpener = radiosim::FaultInjectingOpener(faults);
    Connect(RadioIn(Mode::kAlignment));
    align = std::make_unique<AlignmentRadio>(*radio);
    radio->SetImage(radiosim::AlignmentMemory());
    port.SetPacing(&fresh);
  }
  std::size_t Count(std::uint8_t command) const {
    const auto c = align->Commands();
    return std::size_t(std::count(c.begin(), c.end(), command));
  }

  std::shared_ptr<radiosim::PortFaults> faults = std::make_shared<radiosim::PortFaults>();
  std::unique_ptr<AlignmentRadio> align;
  radiosim::TestPacing fresh;  // the pauses of this test only
};

// ---- frames ----

TEST_F(AlignLinkTest, EveryByteGoesSinglyWithItsEchoAndPauses) {
  ASSERT_EQ(AlignSetValue(port, 0x0102), kAlignDone);
  auto frames = radio->Frames();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].command, '0');
  EXPECT_EQ(frames[0].length, 3);
  EXPECT_EQ(frames[0].data, (std::vector<std::uint8_t>{0x01, 0x02}));
  EXPECT_EQ(frames[0].checksum, Sum({'0', 3, 1, 2}));
  EXPECT_EQ(align->Channel(), 0x0102);
  // 2 ms after each byte, 2 more before the checksum, 10 after the reply.
  EXPECT_EQ(fresh.Sleeps(), (std::vector<unsigned>{2, 2, 2, 2, 2, 10}));
  for (const auto& chunk : radio->Chunks()) EXPECT_EQ(chunk.size(), 1u);

  // Length 1: command, length and checksum only; the checksum is command + 1.
  radio->ClearLog();
  ASSERT_EQ(AlignSendCmdGreater(port), kAlignDone);
  EXPECT_EQ(radio->Chunks(), (std::vector<std::vector<std::uint8_t>>{{'>'}, {1}, {'>' + 1}}));
}

TEST_F(AlignLinkTest, CommandsCarryTheirDataInOrder) {
  const std::uint8_t record[4] = {0x34, 0x12, 0x56, 0x78};  // a 16-bit value as stored, a byte, a spare
  std::uint8_t readings[8] = {};
  align->QueueReadings({{1, 2, 3, 4, 5, 6, 7, 8}});
  EXPECT_EQ(AlignSendCmd2(port, 9, 8, 7, 6), kAlignDone);
  EXPECT_EQ(AlignSendCmd3(port, record), kAlignDone);
  EXPECT_EQ(AlignSendCmd4(port), kAlignDone);
  EXPECT_EQ(AlignSendCmd5(port), kAlignDone);
  EXPECT_EQ(AlignSendCmd6(port, 17, 199), kAlignDone);
  EXPECT_EQ(AlignSendCmd7(port, 2), kAlignDone);
  EXPECT_EQ(AlignSendCmd9(port, 3), kAlignDone);
  EXPECT_EQ(AlignSendCmdSemicolon(port, record), kAlignDone);
  EXPECT_EQ(AlignSendCmdQuestion(port, 1), kAlignDone);
  EXPECT_EQ(AlignSendCmdQuestion(port, 0), kAlignDone);
  EXPECT_EQ(AlignReadInfo(port, readings), kAlignDone);
  EXPECT_EQ(std::vector<std::uint8_t>(readings, readings + 8), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));

  using Data = std::vector<std::vector<std::uint8_t>>;
  EXPECT_EQ(align->Commands(), (std::vector<std::uint8_t>{'2', '3', '4', '5', '6', '7', '9', ';', '?', '?', '1'}));
  EXPECT_EQ(align->DataOf('2'), (Data{{9, 8, 7, 6}}));
  EXPECT_EQ(align->DataOf('3'), (Data{{0x34, 0x12, 0x56}}));  // three record bytes reach the wire
  EXPECT_EQ(align->DataOf(';'), (Data{{0x34, 0x12, 0x56}}));
  EXPECT_EQ(align->DataOf('6'), (Data{{17, 199}}));
  EXPECT_EQ(align->DataOf('7'), (Data{{2}}));
  EXPECT_EQ(align->DataOf('9'), (Data{{3}}));
  EXPECT_EQ(align->DataOf('?'), (Data{{0x37}, {0x01}}));
  for (const auto& f : radio->Frames()) EXPECT_TRUE(f.checksumOk) << f.command;
}

// ---- replies, tries and statuses ----

TEST_F(AlignLinkTest, SingleTryCommandsJudgeTheirOneReply) {
  radio->InjectFault({.fault = Fault::kNak, .command = '0'});
  EXPECT_EQ(AlignSetValue(port, 5), kAlignBadReply);
  radio->InjectFault({.fault = Fault::kWrongCommand, .command = '>'});  // a byte that is neither ACK nor NAK
  EXPECT_EQ(AlignSendCmdGreater(port), kAlignBadReply);
  const std::uint8_t record[4] = {1, 2, 3, 0};
  radio->InjectFault({.fault = Fault::kNak, .command = ';'});
  EXPECT_EQ(AlignSendCmdSemicolon(port, record), kAlignBadReply);
  EXPECT_EQ(radio->Frames().size(), 3u);

  const auto start = std::chrono::steady_clock::now();
  radio->InjectFault({.fault = Fault::kSilence, .command = '0'});
  EXPECT_EQ(AlignSetValue(port, 6), kAlignTimeout);
  EXPECT_GE(MillisSince(start), 190);
  EXPECT_EQ(Count('0'), 2u);
  EXPECT_EQ(align->Channel(), 0);  // neither value was taken
  // A channel the radio refuses.
  align->RefuseChannel(7);
  EXPECT_EQ(AlignSetValue(port, 7), kAlignBadReply);
  EXPECT_EQ(AlignSetValue(port, 8), kAlignDone);
}

TEST_F(AlignLinkTest, RefusalsAreTriedAgainOnlyWhereTheCommandSaysSo) {
  radio->InjectFault({.fault = Fault::kNak, .command = '2', .times = -1});
  EXPECT_EQ(AlignSendCmd2(port, 1, 2, 3, 4), kAlignBadReply);
  EXPECT_EQ(Count('2'), 3u);
  radio->ClearFaults();

  radio->InjectFault({.fault = Fault::kNak, .command = '3', .times = -1});
  const std::uint8_t record[4] = {1, 2, 3, 0};
  EXPECT_EQ(AlignSendCmd3(port, record), kAlignBadReply);
  EXPECT_EQ(Count('3'), 3u);
  radio->ClearFaults();

  // '4' takes any other byte as the final answer; '5' tries again, four times in all.
  radio->InjectFault({.fault = Fault::kNak, .command = '4', .times = -1});
  EXPECT_EQ(AlignSendCmd4(port), kAlignBadReply);
  EXPECT_EQ(Count('4'), 1u);
  radio->InjectFault({.fault = Fault::kNak, .command = '5', .times = -1});
  EXPECT_EQ(AlignSendCmd5(port), kAlignBadReply);
  EXPECT_EQ(Count('5'), 4u);
  radio->ClearFaults();

  // A refusal followed by an ACK is a success.
  radio->InjectFault({.fault = Fault::kNak, .command = '5', .times = 3});
  EXPECT_EQ(AlignSendCmd5(port), kAlignDone);
  EXPECT_EQ(Count('5'), 8u);
  radio->InjectFault({.fault = Fault::kBadChecksum, .command = '1', .times = -1});
  std::uint8_t readings[8] = {9, 9, 9, 9, 9, 9, 9, 9};
  EXPECT_EQ(AlignReadInfo(port, readings), kAlignBadReply);
  EXPECT_EQ(Count('1'), 3u);
  EXPECT_EQ(readings[0], 9);  // nothing taken from a bad reply
  radio->ClearFaults();
  radio->InjectFault({.fault = Fault::kWrongLength, .command = '1'});
  EXPECT_EQ(AlignReadInfo(port, readings), kAlignDone);
  EXPECT_EQ(Count('1'), 5u);
  EXPECT_EQ(readings[0], 0);
}

TEST_F(AlignLinkTest, SilenceIsTriedAgainOnlyWhereTheCommandSaysSo) {
  radio->InjectFault({.fault = Fault::kSilence, .command = '4'});
  EXPECT_EQ(AlignSendCmd4(port), kAlignDone);
  EXPECT_EQ(Count('4'), 2u);
  radio->InjectFault({.fault = Fault::kSilence, .command = '3'});  // '3' returns a time-out at once
  const std::uint8_t record[4] = {1, 2, 3, 0};
  EXPECT_EQ(AlignSendCmd3(port, record), kAlignTimeout);
  EXPECT_EQ(Count('3'), 1u);
  radio->InjectFault({.fault = Fault::kSilence, .command = '2'});
  EXPECT_EQ(AlignSendCmd2(port, 1, 2, 3, 4), kAlignDone);
  EXPECT_EQ(Count('2'), 2u);
  // A radio whose thread runs late (a busy machine) is not a silent radio.
  radio->Stall(400ms);
  EXPECT_EQ(AlignSendCmd2(port, 5, 6, 7, 8), kAlignDone);
  EXPECT_EQ(Count('2'), 3u);
}

TEST_F(AlignLinkTest, QuestionIsTriedAgainOnlyWhenItsSendFails) {
  faults->failWritesOf = '?';
  faults->writeFailures = 2;
  EXPECT_EQ(AlignSendCmdQuestion(port, 0), kAlignDone);
  EXPECT_EQ(Count('?'), 1u);
  // Three failed sends are not a success.
  faults->writeFailures = 3;
  EXPECT_EQ(AlignSendCmdQuestion(port, 0), kAlignPortFailed);
  EXPECT_EQ(faults->failedWrites, 5);
  EXPECT_EQ(Count('?'), 1u);
  // The commands without an answer report their send.
  faults->failWritesOf = '6';
  faults->writeFailures = 1;
  EXPECT_EQ(AlignSendCmd6(port, 0, 0), kAlignPortFailed);
  EXPECT_EQ(AlignSendCmd6(port, 0, 0), kAlignDone);
}

TEST_F(AlignLinkTest, WordWriteChecksTheValueTheRadioNowHolds) {
  ASSERT_EQ(AlignSendF1(port, 9, 0x1234), kAlignDone);
  EXPECT_EQ(radio->Word(9), 0x1234);
  EXPECT_EQ(align->DataOf(0xF1).back(), (std::vector<std::uint8_t>{9, 0x12, 0x34}));

  radio->InjectFault({.fault = Fault::kWrongCommand, .command = 0xF1});
  EXPECT_EQ(AlignSendF1(port, 10, 0x0BCD), kAlignDone);
  EXPECT_EQ(Count(0xF1), 3u);

  radio->InjectFault({.fault = Fault::kStuck, .command = 0xF1, .times = -1});
  EXPECT_EQ(AlignSendF1(port, 11, 0x4321), kAlignOtherValue);
  EXPECT_EQ(Count(0xF1), 9u);
  EXPECT_NE(radio->Word(11), 0x4321);
}

TEST_F(AlignLinkTest, BlockWriteNeedsAnAck) {
  std::vector<std::uint8_t> data(128);
  std::iota(data.begin(), data.end(), 0);
  radio->InjectFault({.fault = Fault::kNak, .command = 0xF3, .times = 2});
  ASSERT_EQ(AlignWriteBlock(port, 55, data.data()), kAlignDone);
  EXPECT_EQ(Count(0xF3), 3u);
  EXPECT_EQ(radio->Block(57), data);
  EXPECT_EQ(align->DataOf(0xF3).back()[0], 55);
}

// Input left from an earlier exchange is drained before a frame, so it is not
// taken for the echo or the reply.
TEST_F(AlignLinkTest, StaleInputIsDrainedBeforeAFrame) {
  radio->After(0ms, [](radiosim::SimulatedRadio::Context& c) { c.reply = {NAK, NAK, 0x99}; });
  EXPECT_EQ(AlignSendCmdGreater(port), kAlignDone);
}

// A reply refused at its first byte leaves the rest on the line; the drain
// between the tries clears it, so the next try reads a clean reply.
TEST_F(AlignLinkTest, BadRepliesAreDrainedBeforeTheNextTry) {
  std::vector<std::uint8_t> block(128, 0xEE);
  radio->InjectFault({.fault = Fault::kWrongCommand, .command = CMD_READ_BLOCK});
  ASSERT_EQ(CAlignStart::ReadBlock(port, 3, block.data()), kAlignDone);
  EXPECT_EQ(block, radio->Block(5));
  EXPECT_EQ(Count(CMD_READ_BLOCK), 2u);

  // The tries are counted for each word anew: three bad replies for each of two words.
  std::array<std::uint8_t, kAlignWordBytes> words;
  words.fill(0xEE);
  radio->InjectFault({.fault = Fault::kWrongLength, .command = CMD_READ_WORD, .argument = 5, .times = 3});
  radio->InjectFault({.fault = Fault::kWrongCommand, .command = CMD_READ_WORD, .argument = 6, .times = 3});
  ASSERT_EQ(CAlignStart::ReadWords(port, 5, 6, words.data()), kAlignDone);
  EXPECT_EQ(AlignWord(words.data(), 5), radio->Word(5));
  EXPECT_EQ(AlignWord(words.data(), 6), radio->Word(6));
  EXPECT_EQ(words[8], 0xEE);  // word 4 was not asked for
  EXPECT_EQ(words[14], 0xEE);
  EXPECT_EQ(Count(CMD_READ_WORD), 8u);

  // Nothing to read; and a block the radio keeps spoiling is given up after six tries.
  EXPECT_EQ(CAlignStart::ReadWords(port, 9, 8, words.data()), kAlignDone);
  EXPECT_EQ(Count(CMD_READ_WORD), 8u);
  radio->InjectFault({.fault = Fault::kBadChecksum, .command = CMD_READ_BLOCK, .times = -1});
  block.assign(128, 0xEE);
  EXPECT_EQ(CAlignStart::ReadBlock(port, 0, block.data()), kAlignBadReply);
  EXPECT_EQ(Count(CMD_READ_BLOCK), 8u);
  EXPECT_EQ(block, std::vector<std::uint8_t>(128, 0xEE));  // nothing of a bad reply is kept
}

TEST_F(AlignLinkTest, RecordSumWritesWordTwo) {
  std::array<std::uint8_t, kAlignWordBytes> words{};
  for (int i = 0; i < kAlignWordCount; ++i) SetAlignWord(words.data(), i, std::uint16_t(0x1000 * i + 0x0F0F));
  unsigned sum = 0;
  for (int i = 3; i <= 16; ++i) sum += AlignWord(words.data(), i);
  ASSERT_GT(sum, 0xFFFFu);  // only the low 16 bits go to the radio
  ASSERT_EQ(AlignSendRecordSum(port, dialog, words.data()), kAlignDone);
  EXPECT_EQ(radio->Word(2), std::uint16_t(sum));
  EXPECT_EQ(AlignWord(words.data(), 2), std::uint16_t(sum));
  EXPECT_TRUE(dialog.boxes.empty());

  SetAlignWord(words.data(), 3, 0);
  radio->Unplug();
  EXPECT_EQ(AlignSendRecordSum(port, dialog, words.data()), kAlignPortFailed);
  EXPECT_EQ(AlignWord(words.data(), 2), std::uint16_t(sum));  // kept: the radio did not take the new sum
  ASSERT_EQ(dialog.boxes.size(), 1u);
  EXPECT_EQ(dialog.boxes[0].first, "!! communication error !!\r\n");
}

// ---- the radio's restart ----

TEST_F(AlignLinkTest, RadioRestartsAndComesBackIntoAlignmentMode) {
  align->SetRestart(60ms);
  radio->After(20ms, [](radiosim::SimulatedRadio::Context& c) { c.reply = {0x41, 0x00}; });  // ignored
  ASSERT_EQ(AlignSendCmd8(port, 1), kAlignDone);
  EXPECT_EQ(align->Restarts(), 1);
  EXPECT_EQ(radio->GetMode(), Mode::kAlignment);
  EXPECT_EQ(radio->ControlBytes(), (std::vector<std::uint8_t>{kAlignModeByte}));  // the bare '0'
  EXPECT_EQ(align->Commands(), (std::vector<std::uint8_t>{'8', '>'}));
  const auto sleeps = fresh.Sleeps();
  EXPECT_NE(std::find(sleeps.begin(), sleeps.end(), 1500u), sleeps.end());

  // Without the wait flag the send is all.
  align->SetRestart(10ms);
  EXPECT_EQ(AlignSendCmd8(port, 0), kAlignDone);
  EXPECT_EQ(align->Restarts(), 2);
  EXPECT_EQ(align->Commands().back(), '8');
}

TEST_F(AlignLinkTest, RestartRefusedOrUnconfirmed) {
  align->SetRestart(20ms, AlignmentRadio::RestartAnswer::kNak);
  EXPECT_EQ(AlignSendCmd8(port, 1), kAlignBadReply);

  // '>' is tried five times, 20 ms after each failure.
  radio->SetMode(Mode::kAlignment);
  align->SetRestart(20ms);
  radio->InjectFault({.fault = Fault::kNak, .command = '>', .times = -1});
  EXPECT_EQ(AlignSendCmd8(port, 1), kAlignBadReply);
  EXPECT_EQ(Count('>'), 5u);
  const auto sleeps = fresh.Sleeps();
  EXPECT_EQ(std::count(sleeps.begin(), sleeps.end(), 20u), 5);
}

// The 20 s are measured on the pacing's clock, which the test runs fast.
TEST_F(AlignLinkTest, RadioThatNeverComesBackEndsTheWaitAfterTwentySeconds) {
  class FastClock : public radiosim::TestPacing {
   public:
    std::chrono::steady_clock::time_point Now() override { return start + std::chrono::seconds(ticks++); }
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    int ticks = 0;
  } clock;
  port.SetPacing(&clock);
  align->SetRestart(0ms, AlignmentRadio::RestartAnswer::kNothing);
  EXPECT_EQ(AlignSendCmd8(port, 1), kAlignNoRestart);
  EXPECT_GE(clock.ticks, 22);  // every whole second up to 20 still waited
  EXPECT_LT(clock.ticks, 26);
}
