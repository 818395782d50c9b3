// Word-mode frames: what goes over the line, how the echo and the bursts
// interleave, and the status of every kind of answer.
#include <deque>
#include <numeric>
#include <string>
#include <vector>

#include "link/clone_protocol.h"
#include "link_fixture.h"

using namespace std::chrono_literals;
using radiosim::Fault;
using radiosim::FaultRule;
using radiosim::Mode;

namespace {

// A port that plays the cable without a radio: it echoes every write, queues a
// scripted answer once `answerAfter` bytes were written, and logs each call.
class ScriptedPort : public SerialPort {
 public:
  ScriptedPort(std::vector<std::string>& log, std::vector<std::uint8_t> answer, std::size_t answerAfter)
      : m_log(log), m_answer(std::move(answer)), m_answerAfter(answerAfter) {}
  void SetTimeouts(const CommTimeouts& t) override { m_timeouts = t; }
  const CommTimeouts& Timeouts() const override { return m_timeouts; }
  bool Read(std::uint8_t* buffer, std::size_t n, std::size_t& got) override {
    got = 0;
    while (got < n && !m_input.empty()) {
      buffer[got++] = m_input.front();
      m_input.pop_front();
    }
    m_log.push_back("R" + std::to_string(n));
    return true;
  }
  bool Write(const std::uint8_t* bytes, std::size_t n, std::size_t& written) override {
    m_input.insert(m_input.end(), bytes, bytes + n);
    m_written += n;
    if (m_written == m_answerAfter) m_input.insert(m_input.end(), m_answer.begin(), m_answer.end());
    written = n;
    m_log.push_back("W" + std::to_string(n));
    return true;
  }
  void ClearDtr() override {}
  void Purge() override {}

 private:
  std::vector<std::string>& m_log;
  std::vector<std::uint8_t> m_answer;
  std::size_t m_answerAfter;
  std::size_t m_written = 0;
  std::deque<std::uint8_t> m_input;
  CommTimeouts m_timeouts;
};

std::vector<std::uint8_t> Pattern(std::uint8_t first) {
  std::vector<std::uint8_t> v(128);
  std::iota(v.begin(), v.end(), first);
  return v;
}

std::uint8_t Sum(std::initializer_list<unsigned> bytes) {
  return std::uint8_t(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

}  // namespace

TEST(CloneFrame, ChecksumIsTheEightBitSumOfCommandLengthAndData) {
  EXPECT_EQ(FrameChecksum(0x3E, 1, nullptr), 0x3F);
  const std::uint8_t data[3] = {0x7F, 0x12, 0x34};
  EXPECT_EQ(FrameChecksum(0xF1, 4, data), Sum({0xF1, 4, 0x7F, 0x12, 0x34}));
  const auto block = Pattern(0x80);
  std::uint8_t frame[129] = {0xFE};
  std::copy(block.begin(), block.end(), frame + 1);
  unsigned sum = 0xF3 + 0x82;
  for (auto b : frame) sum += b;
  EXPECT_EQ(FrameChecksum(0xF3, 0x82, frame), std::uint8_t(sum));
}

// The echo of each part is read before the next part is written: two single
// bytes, eight bursts of 16, then the last data byte with the checksum.
TEST(CloneFrame, BlockWriteInterleavesBurstsAndEchoes) {
  std::vector<std::string> log;
  CComPort port;
  radiosim::RecordingDialog dialog;
  radiosim::TestPacing pacing;
  port.SetPacing(&pacing);
  port.SetOpener(
      [&](const std::string&) { return std::make_unique<ScriptedPort>(log, std::vector<std::uint8_t>{ACK}, 132); });
  ASSERT_EQ(port.OpenComPort(0, dialog), 1);
  std::uint8_t frame[129] = {};
  EXPECT_EQ(CloneWriteBlock(port, frame), kCommDone);
  std::vector<std::string> expected{"W1", "W1", "R2"};
  for (int i = 0; i < 8; ++i) expected.insert(expected.end(), {"W16", "R16"});
  expected.insert(expected.end(), {"W1", "W1", "R2", "R1"});
  EXPECT_EQ(log, expected);
  EXPECT_EQ(pacing.Delays().size(), 3u);  // command, length and checksum went singly

  log.clear();
  port.SetOpener([&](const std::string&) {
    return std::make_unique<ScriptedPort>(
        log, std::vector<std::uint8_t>{0xF0, 3, 0x12, 0x34, Sum({0xF0, 3, 0x12, 0x34})}, 4);
  });
  port.CloseHandle();
  ASSERT_EQ(port.OpenComPort(0, dialog), 1);
  std::uint16_t v = 0;
  EXPECT_EQ(CloneReadWord(port, 9, v), kCommDone);
  EXPECT_EQ(v, 0x1234);
  EXPECT_EQ(log, (std::vector<std::string>{"W1", "W1", "R2", "W1", "W1", "R2", "R1", "R1", "R1", "R1", "R1"}));
}

TEST_F(LinkTest, BurstsReachTheRadioOnlyAfterTheirEchoWasRead) {
  std::uint8_t frame[129];
  frame[0] = 7;
  const auto data = Pattern(1);
  std::copy(data.begin(), data.end(), frame + 1);
  ASSERT_EQ(CloneWriteBlock(port, frame), kCommDone);
  // Every burst boundary is a boundary between the chunks the radio received.
  std::vector<std::size_t> ends;
  std::size_t at = 0;
  for (const auto& c : radio->Chunks()) ends.push_back(at += c.size());
  EXPECT_EQ(at, 132u);
  for (std::size_t boundary = 2; boundary <= 130; boundary += 16)
    EXPECT_NE(std::find(ends.begin(), ends.end(), boundary), ends.end()) << "burst boundary " << boundary;
}

TEST_F(LinkTest, WordsTravelHighByteFirstAndLandLittleEndian) {
  radio->SetWord(5, 0x1234);
  std::uint16_t v = 0;
  ASSERT_EQ(CloneReadWord(port, 5, v), kCommDone);
  EXPECT_EQ(v, 0x1234);
  ASSERT_EQ(CloneWriteWord(port, 127, 0xA55A, 0), kCommDone);
  EXPECT_EQ(radio->Image()[254], 0x5A);
  EXPECT_EQ(radio->Image()[255], 0xA5);

  const auto frames = radio->Frames();
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].command, CMD_READ_WORD);
  EXPECT_EQ(frames[0].length, 2);
  EXPECT_EQ(frames[0].data, (std::vector<std::uint8_t>{5}));
  EXPECT_EQ(frames[0].checksum, Sum({0xF0, 2, 5}));
  EXPECT_EQ(frames[1].command, CMD_WRITE_WORD);
  EXPECT_EQ(frames[1].data, (std::vector<std::uint8_t>{127, 0xA5, 0x5A}));
  EXPECT_TRUE(frames[1].checksumOk);
}

// Two blocks carry every byte value: control characters must cross the line
// untouched, also at 9600 baud behind an adapter that holds bytes for 16 ms
// (the simulated radio's line-rate and adapter-latency modes, used by the
// benchmarks).
TEST_F(LinkTest, BlocksRoundTripEveryByteValue) {
  for (const bool lineRate : {false, true}) {
    SCOPED_TRACE(lineRate);
    if (lineRate) {
      auto options = RadioIn(Mode::kWordMode);
      options.baud = 9600;
      options.adapterLatency = 16ms;
      Connect(options);
    }
    for (std::uint8_t w : {std::uint8_t(0), std::uint8_t(254)}) {
      std::uint8_t frame[129];
      frame[0] = w;
      const auto data = Pattern(w == 0 ? 0 : 128);
      std::copy(data.begin(), data.end(), frame + 1);
      ASSERT_EQ(CloneWriteBlock(port, frame), kCommDone);
      EXPECT_EQ(radio->Block(w + kWireBlockOffset), data);
      std::uint8_t back[128] = {};
      ASSERT_EQ(CloneReadBlock(port, w, back), kCommDone);
      EXPECT_EQ(std::vector<std::uint8_t>(back, back + 128), data);
    }
    EXPECT_EQ(radio->Frames().back().data, (std::vector<std::uint8_t>{254}));
  }
}

// ---- answers and their statuses ----

struct AnswerCase {
  const char* name;
  Fault fault;
  std::uint8_t command;
  int expected;
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

class FaultyAnswer : public LinkTest, public ::testing::WithParamInterface<AnswerCase> {};

// Whatever the answer, a failed exchange leaves the caller's data alone, and
// the next request is answered normally.
TEST_P(FaultyAnswer, GivesItsStatusAndTheNextRequestSucceeds) {
  const AnswerCase& c = GetParam();
  radio->SetWord(3, 0x0B61);
  for (int b = 2; b <= 4; ++b) {
    std::vector<std::uint8_t> image = radio->Image();
    std::fill_n(image.begin() + b * 128, 128, std::uint8_t(b));
    radio->SetImage(image);
  }
  radio->InjectFault({.fault = c.fault, .command = c.command});

  const auto start = std::chrono::steady_clock::now();
  std::uint16_t v = 0xBEEF;
  std::uint8_t block[128];
  std::fill_n(block, 128, 0xEE);
  std::uint8_t frame[129] = {};  // wire block 0: image block 2
  int st = -1;
  switch (c.command) {
    case CMD_READ_WORD:
      st = CloneReadWord(port, 3, v);
      break;
    case CMD_WRITE_WORD:
      st = CloneWriteWord(port, 3, 0x1111, 0);
      break;
    case CMD_READ_BLOCK:
      st = CloneReadBlock(port, 0, block);
      break;
    case CMD_WRITE_BLOCK:
      st = CloneWriteBlock(port, frame);
      break;
  }
  EXPECT_EQ(st, c.expected);
  if (c.expected == kCommTimeout) {
    EXPECT_GE(MillisSince(start), 290);
  }
  EXPECT_LT(MillisSince(start), 1500);
  EXPECT_EQ(v, 0xBEEF);
  EXPECT_EQ(block[0], 0xEE);
  if (c.fault == Fault::kNak) {
    EXPECT_EQ(radio->Block(2)[5], 2);  // a refused block is not stored
  }

  ASSERT_EQ(CloneReadWord(port, 4, v), kCommDone);
  EXPECT_EQ(v, radio->Word(4));
  ASSERT_EQ(CloneReadBlock(port, 1, block), kCommDone);
  EXPECT_EQ(block[127], 3);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, FaultyAnswer,
    ::testing::Values(AnswerCase{"ReadWordBadChecksum", Fault::kBadChecksum, CMD_READ_WORD, kCommError},
                      AnswerCase{"ReadWordWrongCommand", Fault::kWrongCommand, CMD_READ_WORD, kCommError},
                      AnswerCase{"ReadWordWrongLength", Fault::kWrongLength, CMD_READ_WORD, kCommError},
                      AnswerCase{"ReadWordNak", Fault::kNak, CMD_READ_WORD, kCommError},
                      AnswerCase{"ReadWordSilent", Fault::kSilence, CMD_READ_WORD, kCommTimeout},
                      AnswerCase{"WriteWordBadChecksum", Fault::kBadChecksum, CMD_WRITE_WORD, kCommError},
                      AnswerCase{"WriteWordSilent", Fault::kSilence, CMD_WRITE_WORD, kCommTimeout},
                      AnswerCase{"ReadBlockBadChecksum", Fault::kBadChecksum, CMD_READ_BLOCK, kCommError},
                      AnswerCase{"ReadBlockWrongCommand", Fault::kWrongCommand, CMD_READ_BLOCK, kCommError},
                      AnswerCase{"ReadBlockSilent", Fault::kSilence, CMD_READ_BLOCK, kCommTimeout},
                      AnswerCase{"WriteBlockNak", Fault::kNak, CMD_WRITE_BLOCK, kCommError},
                      AnswerCase{"WriteBlockOtherByte", Fault::kWrongCommand, CMD_WRITE_BLOCK, kCommError},
                      AnswerCase{"WriteBlockSilent", Fault::kSilence, CMD_WRITE_BLOCK, kCommTimeout}),
    [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST_F(LinkTest, WordWriteAnsweredWithAnotherValueFailsUnlessUnverified) {
  radio->InjectFault({.fault = Fault::kChangedValue, .command = CMD_WRITE_WORD, .times = 2, .value = 0x0100});
  EXPECT_EQ(CloneWriteWord(port, 20, 0x0102, 0), kCommError);
  EXPECT_EQ(CloneWriteWord(port, 20, 0x0102, 1), kCommDone);
  EXPECT_EQ(radio->Word(20), 0x0100);

  // A word that cannot be written keeps answering its old value.
  radio->SetWord(21, 0x4444);
  radio->InjectFault({.fault = Fault::kStuck, .command = CMD_WRITE_WORD, .argument = 21, .times = -1});
  EXPECT_EQ(CloneWriteWord(port, 21, 0x1234, 0), kCommError);
  EXPECT_EQ(CloneWriteWord(port, 21, 0x1234, 0), kCommError);
  EXPECT_EQ(radio->Word(21), 0x4444);
  EXPECT_EQ(CloneWriteWord(port, 22, 0x1234, 0), kCommDone);
}

TEST_F(LinkTest, PulledCableFailsEveryCommand) {
  radio->Unplug();
  std::uint16_t v = 0;
  std::uint8_t block[129] = {};
  EXPECT_EQ(CloneReadWord(port, 0, v), kCommError);
  EXPECT_EQ(CloneWriteWord(port, 0, 0, 0), kCommError);
  EXPECT_EQ(CloneReadBlock(port, 0, block), kCommError);
  EXPECT_EQ(CloneWriteBlock(port, block), kCommError);
}

// ---- entering word mode ----

TEST_F(LinkTest, RadioSwitchedOnAndPutIntoWordMode) {
  Connect(RadioIn(Mode::kOff));
  radio->SetWord(0, 0x0102);
  std::uint16_t v = 0;
  EXPECT_EQ(CloneReadWord(port, 0, v), kCommTimeout);  // the cable echoes, the radio is silent
  EXPECT_TRUE(radio->Frames().empty());

  ASSERT_TRUE(port.CommWriteByte(0x33));  // its echo comes before RADIO_READY and is skipped
  radio->PowerOnAfter(50ms);
  EXPECT_EQ(WaitRadioReady(port, dialog), kCommDone);
  EXPECT_EQ(radio->GetMode(), Mode::kReady);
  EXPECT_TRUE(EnterWordMode(port));
  EXPECT_EQ(radio->ControlBytes(), (std::vector<std::uint8_t>{kWordModeByte}));
  EXPECT_EQ(radio->GetMode(), Mode::kWordMode);
  EXPECT_EQ(CloneReadWord(port, 0, v), kCommDone);
  EXPECT_EQ(v, 0x0102);
}

TEST_F(LinkTest, EscWhileWaitingForTheRadio) {
  Connect(RadioIn(Mode::kOff));
  dialog.PressEscAfterChecks(2);
  EXPECT_EQ(WaitRadioReady(port, dialog), kCommTimeout);
}

TEST_F(LinkTest, WordModeByteThatCannotBeWrittenMeansNoLead) {
  auto faults = std::make_shared<radiosim::PortFaults>();
  faults->failWritesOf = kWordModeByte;
  port.ClosePort();
  port.SetOpener(radiosim::FaultInjectingOpener(faults));
  ASSERT_EQ(port.OpenComPort(kCom, dialog), 1);
  EXPECT_FALSE(EnterWordMode(port));
  EXPECT_TRUE(EnterWordMode(port));  // the fault was for one write
  EXPECT_EQ(faults->failedWrites, 1);
}
