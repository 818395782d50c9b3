// Word-mode sends against the simulated radio: the checks and their order,
// the adjustment checksum, the words and blocks written and what the radio
// holds afterwards, the markers, one-block mode, the "-s" serial stamp, the
// error limits and Esc, and that a send which does not complete leaves the
// model as it was.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "link/clone_protocol.h"
#include "link/send_radio.h"
#include "link_fixture.h"
#include "radio/sim_transfer.h"

using namespace std::chrono_literals;
using radiosim::Fault;
using radiosim::FaultRule;
using radiosim::Mode;
using radiosim::WordOf;

namespace {

class MessageHost : public IModelHost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

using WordWrite = std::pair<int, std::uint16_t>;
using Request = std::pair<int, int>;  // command, first data byte

constexpr std::uint8_t kRadioSerial[4] = {0x0C, 0x01, 0x23, 0x45};  // "0N012345"

// What a send must leave alone when it does not complete.
struct ModelState {
  std::vector<std::uint8_t> image;
  std::uint8_t tuningBase = 0;
  std::string serial;
  std::uint32_t esn = 0, modified = 0;
  explicit ModelState(const CEditModel& m)
      : image(m.image.begin(), m.image.end()),
        tuningBase(m.store.tuning.base),
        serial(m.identity.serial),
        esn(m.identity.Esn()),
        modified(g_bModified) {}
  bool operator==(const ModelState&) const = default;
};

class SendRadio : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    settings.comIndex = kCom;
    std::memset(g_serialNumberBuffer, 0, sizeof g_serialNumberBuffer);
    g_bModified = 0;

    const auto file = radiosim::DefaultRadioMemory();
    model->SetHost(&host);
    std::copy(file.begin(), file.begin() + kFileImagePart, model->image.begin());
    std::copy(file.begin() + kFileImagePart, file.end(), model->tail.begin());
    model->UnpackImage(model->image.data());
    model->UnpackImageTail(model->image.data(), model->tail.data(), 1);
    model->store.channels[0].programmed = 1;

    memory = file;
    memory[img::kAdjustmentBlock + 2] = 0x11;  // the radio's own tuning base
    std::copy(std::begin(kRadioSerial), std::end(kRadioSerial), memory.begin() + img::kAdjustmentBlock + 380);
    radiosim::SetAdjustmentChecksum(memory);
    radio->SetImage(memory);
  }
  void TearDown() override {
    g_bModified = 0;
    LinkTest::TearDown();
  }

  int Send(const SendOptions& options = {}) { return SendToRadio(port, ui, settings, *model, options); }
  void Restart() {
    radio->ClearLog();
    radio->ClearFaults();
    ui = {};
    host.messages.clear();
  }

  std::vector<WordWrite> WordWrites() const {
    std::vector<WordWrite> words;
    for (const auto& f : radio->Frames())
      if (f.command == CMD_WRITE_WORD) words.emplace_back(f.data[0], std::uint16_t(f.data[1] << 8 | f.data[2]));
    return words;
  }
  std::vector<int> WordIndicesWritten() const {
    std::vector<int> words;
    for (const auto& w : WordWrites()) words.push_back(w.first);
    return words;
  }
  std::vector<int> BlocksWritten() const {
    std::vector<int> blocks;
    for (const auto& f : radio->Frames())
      if (f.command == CMD_WRITE_BLOCK) blocks.push_back(f.data[0] + kWireBlockOffset);
    return blocks;
  }
  std::vector<Request> Requests() const {
    std::vector<Request> requests;
    for (const auto& f : radio->Frames()) requests.emplace_back(f.command, f.data.empty() ? -1 : f.data[0]);
    return requests;
  }

  TransferSettings settings;
  radiosim::RecordingTransferUi ui;
  MessageHost host;
  std::unique_ptr<CEditModel> model = std::make_unique<CEditModel>();
  std::vector<std::uint8_t> memory;
};

// The corrected words of the default memory map, production type 11.
const std::vector<int> kCorrected = {122, 126, 21,  91,  92,  93,  101, 102, 104, 106,
                                     112, 113, 114, 115, 116, 120, 121, 123, 125};

std::vector<int> Range(int first, int last, std::initializer_list<int> skipped = {}) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i)
    if (std::find(skipped.begin(), skipped.end(), i) == skipped.end()) v.push_back(i);
  return v;
}
std::vector<int> Concat(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> v;
  for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
  return v;
}

// The whole send at the program's own pace.
TEST_F(SendRadio, FullSendWritesThePackedImageBetweenTheMarkers) {
  port.SetPacing(nullptr);
  ASSERT_EQ(Send(), kTransferDone);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_TRUE(host.messages.empty());

  // Reads first, in this order, then the marker.
  std::vector<Request> expected{
      {CMD_READ_WORD, 16}, {CMD_READ_WORD, 1}, {CMD_READ_WORD, 16}, {CMD_READ_BLOCK, 0}, {CMD_READ_WORD, 124}};
  for (int i = 16; i >= 2; --i) expected.emplace_back(CMD_READ_WORD, i);
  expected.insert(expected.end(), {{CMD_READ_BLOCK, 252},
                                   {CMD_READ_BLOCK, 253},
                                   {CMD_READ_BLOCK, 254},
                                   {CMD_READ_WORD, 0},
                                   {CMD_READ_WORD, 16},
                                   {CMD_WRITE_WORD, 127}});
  const auto requests = Requests();
  ASSERT_GE(requests.size(), expected.size());
  EXPECT_EQ(std::vector<Request>(requests.begin(), requests.begin() + std::ptrdiff_t(expected.size())), expected);

  // The words: the marker, 17..119 without 118, the corrected words, the marker.
  const auto words = WordWrites();
  EXPECT_EQ(WordIndicesWritten(), Concat({{127}, Range(17, 119, {118}), kCorrected, {127}}));
  EXPECT_EQ(words.front().second, 0xFFFF);
  EXPECT_EQ(words.back().second, 0xA55A);
  EXPECT_EQ(radio->Word(127), 0xA55A);

  // The image sent is the model's image now; the radio holds it.
  const auto& sent = model->image;
  for (int i : Concat({Range(17, 119, {118}), kCorrected}))
    EXPECT_EQ(radio->Word(i), sent[2 * i] | sent[2 * i + 1] << 8) << "word " << i;
  EXPECT_EQ(radio->Word(112), 0xFFFF);
  EXPECT_EQ(radio->Word(114), 0xFFFF);
  EXPECT_EQ(radio->Word(115), 0xFE33);
  EXPECT_EQ(radio->Word(113) >> 8, 0xFE);
  EXPECT_EQ(sent[42] & 0x88, 0x88);  // the pack sets bit 7, the correction bit 3
  EXPECT_EQ(radio->Word(118), WordOf(memory, 118));

  std::vector<int> blocks;
  for (int b = 3; b < 256; ++b)
    if (b <= sent[253] || (b >= 57 && b <= sent[252]) || (b >= 107 && b <= 131) || (b >= 185 && b <= 191))
      blocks.push_back(b);
  EXPECT_EQ(BlocksWritten(), blocks);
  const auto held = radio->Image();
  for (int b : blocks) {
    for (std::size_t k = 0; k < kBlockSize; ++k) {
      const std::size_t at = std::size_t(b) * kBlockSize + k;
      const std::uint8_t want = (b == 3 && k == 1) ? std::uint8_t((sent[at] & 0x3F) | 0x40) : sent[at];
      ASSERT_EQ(held[at], want) << "block " << b << " byte " << k;
    }
  }

  // The radio's adjustment tables and identity are the model's now.
  EXPECT_EQ(model->store.tuning.base, 0x11);
  EXPECT_STREQ(model->identity.serial, "0N012345");
  EXPECT_EQ(g_bModified, 1u);
  // The empty serial-number buffer took the model's serial number first.
  EXPECT_STREQ(g_serialNumberBuffer, "0N010000");
  EXPECT_EQ(ui.blockLine, "Send block 256 / 256");
  EXPECT_EQ(ui.progress, 256);
  EXPECT_EQ(ui.line1, "Please wait");
}

TEST_F(SendRadio, ChecksRefuseInTheirOrderBeforeAnythingIsWritten) {
  struct Case {
    const char* box;
    std::vector<Request> reads;
    void (*change)(std::vector<std::uint8_t>&, CEditModel&);
  };
  const std::vector<Case> cases = {
      {"RF Ch. #1 has not been programmed.", {}, [](auto&, CEditModel& m) { m.store.channels[0].programmed = 0; }},
      {"Production type mismatch!",
       {{CMD_READ_WORD, 16}, {CMD_READ_WORD, 1}},
       [](auto& mem, CEditModel&) { mem[img::kProductionType] = 12; }},
      {"Hardware configuration mismatched!",
       {{CMD_READ_WORD, 16}, {CMD_READ_WORD, 1}, {CMD_READ_WORD, 16}},
       [](auto& mem, CEditModel&) { mem[img::kHardware] = 0x01; }},
      {"Hardware configuration mismatched!",
       {{CMD_READ_WORD, 16}, {CMD_READ_WORD, 1}, {CMD_READ_WORD, 16}, {CMD_READ_BLOCK, 0}, {CMD_READ_WORD, 124}},
       [](auto& mem, CEditModel&) { mem[img::kSystemType] ^= 0x40; }},
  };
  for (const Case& c : cases) {
    Restart();
    auto mem = memory;
    c.change(mem, *model);
    radio->SetImage(mem);
    const ModelState before(*model);
    EXPECT_EQ(Send(), kTransferFailed) << c.box;
    EXPECT_EQ(ui.boxes, (std::vector<std::string>{c.box}));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(Requests(), c.reads) << c.box;
    EXPECT_TRUE(ModelState(*model) == before) << c.box;
    model->store.channels[0].programmed = 1;
  }
}

// "-m": none of the radio checks, the whole word area and every block.
TEST_F(SendRadio, ModeMSendsAnyRadioEverything) {
  memory[img::kProductionType] = 12;
  memory[img::kHardware] = 0x01;
  memory[img::kSystemType] ^= 0x40;
  radiosim::SetWordOf(memory, 5, 0x1234);  // the radio's adjustment words are not taken
  radiosim::SetAdjustmentChecksum(memory);
  radio->SetImage(memory);
  settings.modeM = true;
  const std::uint8_t base = model->store.tuning.base;
  ASSERT_EQ(Send(), kTransferDone);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(WordIndicesWritten(), Concat({{127}, Range(0, 124, {118}), kCorrected, {127}}));
  EXPECT_EQ(BlocksWritten(), Range(2, 255));
  EXPECT_EQ(radio->Word(5), WordOf(std::vector<std::uint8_t>(model->image.begin(), model->image.end()), 5));
  EXPECT_EQ(radio->Block(3),
            std::vector<std::uint8_t>(model->image.begin() + 3 * kBlockSize, model->image.begin() + 4 * kBlockSize));
  // Neither the radio's tables nor its identity reach the model.
  EXPECT_EQ(model->store.tuning.base, base);
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_STREQ(model->identity.serial, "0N010000");
}

TEST_F(SendRadio, RefusedPackSendsNothingAndChangesNothing) {
  model->global.byte182 |= 0x20;  // home group scan needs a home zone
  model->global.homeSystem = 31;
  const ModelState before(*model);
  EXPECT_EQ(Send(), kTransferFailed);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Home Zone has not been programmed"}));
  EXPECT_TRUE(WordWrites().empty());
  EXPECT_TRUE(BlocksWritten().empty());
  EXPECT_TRUE(ModelState(*model) == before);
}

TEST_F(SendRadio, AdjustmentChecksumIsComparedOnlyWithAWordThatArrived) {
  const std::uint16_t sum = WordOf(memory, 2);
  // A bad answer to the checksum word is asked again, not compared.
  radio->InjectFault({.fault = Fault::kBadChecksum, .command = CMD_READ_WORD, .argument = 2});
  SendOptions one;
  one.oneBlock = "B9";
  ASSERT_EQ(Send(one), kTransferDone);
  EXPECT_TRUE(ui.boxes.empty());
  const auto requests = Requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(), Request{CMD_READ_WORD, 2}), 2);

  // A wrong checksum is reported and rewritten; the send goes on.
  Restart();
  radiosim::SetWordOf(memory, 2, std::uint16_t(sum + 1));
  radio->SetImage(memory);
  ASSERT_EQ(Send(one), kTransferDone);
  EXPECT_EQ(ui.boxes, (std::vector<std::string>{"Adjustment Data Checksum mismatched!"}));
  EXPECT_EQ(WordWrites().front(), WordWrite(2, sum));
  EXPECT_EQ(radio->Word(2), sum);
  EXPECT_EQ(model->image[4] | model->image[5] << 8, sum);
}

// Word 2 is the checksum on every memory map, the sum of the words from
// max(word 5, 3) to word 6: a consistent radio passes untouched, and a wrong
// checksum is rewritten with a sum that leaves word 2 out.
TEST_F(SendRadio, AdjustmentChecksumIsWordTwoOnEveryMap) {
  struct Map {
    std::uint32_t flashStart;
    int word5, word6;
  };
  const Map maps[] = {{0x38000, 3, 16}, {0x1A500, 2, 3}, {0x1B400, 2, 12}, {0x1A500, 2, 14} /* unknown start */};
  for (const Map& m : maps) {
    SCOPED_TRACE(m.word6);
    settings.flashStart = m.flashStart;
    settings.memMap5 = m.word5;
    settings.memMap6 = m.word6;
    radiosim::SetAdjustmentChecksum(memory, m.word6);
    const std::uint16_t sum = WordOf(memory, 2);
    for (int send = 0; send < 2; ++send) {
      Restart();
      radio->SetImage(memory);
      ASSERT_EQ(Send({.oneBlock = "B9"}), kTransferDone);
      EXPECT_TRUE(ui.boxes.empty());
      EXPECT_EQ(radio->Word(2), sum);
      for (const auto& w : WordWrites()) EXPECT_NE(w.first, 2);
    }
    Restart();
    radiosim::SetWordOf(memory, 2, std::uint16_t(sum + 1));
    radio->SetImage(memory);
    ASSERT_EQ(Send({.oneBlock = "B9"}), kTransferDone);
    EXPECT_EQ(ui.boxes, (std::vector<std::string>{"Adjustment Data Checksum mismatched!"}));
    EXPECT_EQ(radio->Word(2), sum);
  }
}

TEST_F(SendRadio, OneBlockMode) {
  struct Case {
    std::string text;
    std::vector<int> words;
    std::vector<int> blocks;
    std::pair<int, int> range;
  };
  const std::vector<Case> cases = {
      {"B9", {127, 127}, {185}, {185, 186}},
      {"b9", {127, 127}, {185}, {185, 186}},
      {"0", Concat({{127}, Range(17, 63), kCorrected, {127}}), {}, {0, 1}},
      {"1", Concat({{127}, Range(64, 119, {118}), kCorrected, {127}}), {}, {1, 2}},
  };
  for (const Case& c : cases) {
    Restart();
    SendOptions one;
    one.oneBlock = c.text;
    ASSERT_EQ(Send(one), kTransferDone) << c.text;
    EXPECT_EQ(WordIndicesWritten(), c.words) << c.text;
    EXPECT_EQ(BlocksWritten(), c.blocks) << c.text;
    EXPECT_EQ(ui.range, c.range);
    EXPECT_EQ(radio->Word(127), 0xA55A);
  }
  EXPECT_EQ(ui.blockLine, "Send block 2 / 2");

  for (const auto& [text, line] : std::vector<std::pair<std::string, std::string>>{{"", " No input address "},
                                                                                   {"100", "Parameter Error"},
                                                                                   {"1G", "Parameter Error"},
                                                                                   {"100000001", "Parameter Error"},
                                                                                   {"-1", "Parameter Error"}}) {
    Restart();
    SendOptions one;
    one.oneBlock = text;
    EXPECT_EQ(Send(one), kTransferFailed) << text;
    EXPECT_EQ(ui.line1, line) << text;
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(radio->Frames().empty()) << text;
  }

  // With a word area of block 0 only, block 1 can be sent neither way.
  Restart();
  settings.eepromSizeCode = 0;
  EXPECT_EQ(Send({.oneBlock = "1"}), kTransferFailed);
  EXPECT_EQ(ui.line1, "Parameter Error");
  EXPECT_TRUE(radio->Frames().empty());
}

TEST(BlockNumber, HexadecimalWithAtMostEightSignificantDigits) {
  EXPECT_EQ(ParseBlockNumber("ff"), 255);
  EXPECT_EQ(ParseBlockNumber("0FF"), 255);
  EXPECT_EQ(ParseBlockNumber("000000001"), 1);
  EXPECT_EQ(ParseBlockNumber("FFFFFFFF"), 0xFFFFFFFFL);
  EXPECT_EQ(ParseBlockNumber("100000001"), -1);  // would wrap to 1 in 32 bits
  EXPECT_EQ(ParseBlockNumber(" 1"), -1);
  EXPECT_EQ(ParseBlockNumber(""), -1);
}

TEST_F(SendRadio, FailedWritesEndTheSendWithTheMarkerHeld) {
  // Every block refused: twenty bad answers are borne, the twenty-first ends it.
  radio->InjectFault({.fault = Fault::kNak, .command = CMD_WRITE_BLOCK, .times = -1});
  const ModelState before(*model);
  EXPECT_EQ(Send(), kTransferFailed);
  EXPECT_EQ(ui.line1, " Download Error!");
  EXPECT_EQ(BlocksWritten(), std::vector<int>(21, 3));
  EXPECT_EQ(radio->Word(127), 0xFFFF);
  EXPECT_TRUE(ModelState(*model) == before);

  // A word the radio keeps answering with another value: ten retries.
  Restart();
  radio->InjectFault(
      {.fault = Fault::kChangedValue, .command = CMD_WRITE_WORD, .argument = 30, .times = -1, .value = 1});
  EXPECT_EQ(Send(), kTransferFailed);
  EXPECT_EQ(ui.line1, " Download Error!");
  const auto words = WordIndicesWritten();
  EXPECT_EQ(std::count(words.begin(), words.end(), 30), 11);
  EXPECT_EQ(words.back(), 30);
  EXPECT_TRUE(ModelState(*model) == before);

  // The closing marker is written again until it takes, or the send fails:
  // it never reports done while the radio holds "send in progress".
  for (const int refusals : {-1, 1}) {
    Restart();
    radio->InjectFault({.fault = Fault::kStuck, .command = CMD_WRITE_WORD, .argument = 127, .skip = 1,
                        .times = refusals});
    const auto markers = [&] {
      std::vector<std::uint16_t> v;
      for (const auto& [index, value] : WordWrites())
        if (index == 127) v.push_back(value);
      return v;
    };
    if (refusals == 1) {
      ASSERT_EQ(Send({.oneBlock = "B9"}), kTransferDone);
      EXPECT_EQ(markers(), (std::vector<std::uint16_t>{0xFFFF, 0xA55A, 0xA55A}));
      EXPECT_EQ(radio->Word(127), 0xA55A);
    } else {
      EXPECT_EQ(Send({.oneBlock = "B9"}), kTransferFailed);
      EXPECT_EQ(ui.line1, " Download Error!");
      EXPECT_EQ(markers().size(), 12u);  // the start marker and eleven tries
      EXPECT_EQ(radio->Word(127), 0xFFFF);
      EXPECT_TRUE(ModelState(*model) == before);
    }
  }
}

// Words 54..58 are not verified; a corrected word that gets no answer is passed over.
TEST_F(SendRadio, UnverifiedAndCorrectedWordsAreWrittenOnce) {
  radio->InjectFault({.fault = Fault::kChangedValue, .command = CMD_WRITE_WORD, .argument = 55, .value = 0x4242});
  radio->InjectFault({.fault = Fault::kSilence, .command = CMD_WRITE_WORD, .argument = 113});
  ASSERT_EQ(Send({.oneBlock = "0"}), kTransferDone);  // words 17..63 and the corrected words
  const auto words = WordIndicesWritten();
  EXPECT_EQ(std::count(words.begin(), words.end(), 55), 1);
  EXPECT_EQ(radio->Word(55), 0x4242);
  EXPECT_EQ(std::count(words.begin(), words.end(), 113), 1);
  EXPECT_EQ(words.back(), 127);
  EXPECT_TRUE(ui.line1 == "Please wait");
}

TEST_F(SendRadio, RadioThatKeepsTheModelsTuning) {
  const std::uint8_t keep[4] = {0xFF, 0xFF, 0x59, 0x63};
  std::copy(std::begin(keep), std::end(keep), memory.begin() + img::kAdjustmentBlock + 123);
  radio->SetImage(memory);
  const std::uint8_t base = model->store.tuning.base;
  ASSERT_EQ(Send({.oneBlock = "B9"}), kTransferDone);
  EXPECT_EQ(model->store.tuning.base, base);
  EXPECT_STREQ(model->identity.serial, "0N012345");  // the identity is the radio's all the same
}

TEST_F(SendRadio, SerialStampAndCountUp) {
  settings.modeS = true;
  ui.serialAnswers = {""};
  ASSERT_EQ(Send({.oneBlock = "B9"}), kTransferDone);
  EXPECT_EQ(ui.serialPromptsShown, (std::vector<std::string>{"0000"}));  // the model's number
  EXPECT_EQ(ui.serialLine2WhilePrompting, "Serial No.(MAX 4 fig)");
  // The stamp goes before the first marker, as the radio's third adjustment block.
  const auto requests = Requests();
  const auto stamp = std::find(requests.begin(), requests.end(), Request{CMD_WRITE_BLOCK, 254});
  const auto marker = std::find(requests.begin(), requests.end(), Request{CMD_WRITE_WORD, 127});
  ASSERT_NE(stamp, requests.end());
  EXPECT_LT(stamp, marker);
  const auto held = radio->Image();
  EXPECT_EQ(std::vector<std::uint8_t>(held.begin() + 32892, held.end()),
            (std::vector<std::uint8_t>{0x0C, 0x01, 0x00, 0x00}));
  EXPECT_TRUE(std::equal(held.begin() + 32768, held.begin() + 32892, memory.begin() + 32768));
  EXPECT_STREQ(g_serialNumberBuffer, "0N010001");
  EXPECT_STREQ(model->identity.serial, "0N010001");

  // Next radio: 9999 counts up to 0000; letters are refused and asked again.
  for (const auto& [answers, stamped, next] :
       std::vector<std::tuple<std::deque<std::string>, std::uint8_t, const char*>>{
           {{"9999"}, 0x99, "0N010000"}, {{"12A4", "77"}, 0x77, "0N010078"}}) {
    Restart();
    ui.serialAnswers = answers;
    radio->SetImage(memory);
    ASSERT_EQ(Send({.oneBlock = "B9"}), kTransferDone);
    EXPECT_EQ(radio->Image()[32895], stamped);
    EXPECT_STREQ(g_serialNumberBuffer, next);
    EXPECT_EQ(ui.serialPromptsShown.size(), answers.size());
    EXPECT_EQ(ui.beeps, int(answers.size()));  // one for each refused answer, one at the end
  }

  // A number ending in hexadecimal letters cannot be counted up: the edit
  // starts empty, so a prompt ended without typing stamps 0000 (and is not
  // asked again and again).
  Restart();
  std::memcpy(g_serialNumberBuffer, "0N01A3F0", sizeof g_serialNumberBuffer);
  radio->SetImage(memory);
  ASSERT_EQ(Send({.oneBlock = "B9"}), kTransferDone);
  EXPECT_EQ(ui.serialPromptsShown, (std::vector<std::string>{""}));
  EXPECT_EQ(radio->Image()[32895], 0x00);
  EXPECT_STREQ(g_serialNumberBuffer, "0N010001");
}

// A radio that falls silent while the stamp is written: Esc ends the retries.
TEST_F(SendRadio, EscEndsTheStampRetriesOfASilentRadio) {
  settings.modeS = true;
  radio->InjectFault({.fault = Fault::kSilence, .command = CMD_WRITE_BLOCK, .argument = 254, .times = -1});
  ui.onSerialPrompt = [&] { ui.PressEscAfterChecks(2); };
  const ModelState before(*model);
  EXPECT_EQ(Send(), kTransferAborted);
  const auto requests = Requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(), Request{CMD_WRITE_BLOCK, 254}), 2);
  EXPECT_TRUE(WordWrites().empty());
  EXPECT_TRUE(ModelState(*model) == before);
}

// Esc at the waits of each phase; after the first marker the radio keeps it.
TEST_F(SendRadio, EscInEveryPhaseAbortsAndChangesNothing) {
  const ModelState before(*model);
  // Checks: 1 for the link test, 15 for the adjustment words, 3 for the
  // adjustment blocks, then one for each word and block written.
  for (int checks : {0, 5, 16, 18, 19, 60, 125, 140, 160}) {
    Restart();
    radio->SetImage(memory);
    ui.PressEscAfterChecks(checks);
    EXPECT_EQ(Send(), kTransferAborted) << checks;
    EXPECT_EQ(ui.Checks(), checks + 1);
    EXPECT_EQ(radio->Word(127), checks < 19 ? WordOf(memory, 127) : 0xFFFF) << checks;
    EXPECT_TRUE(ModelState(*model) == before) << checks;
  }
  // A radio that falls silent in the middle of the words.
  Restart();
  radio->SetImage(memory);
  radio->InjectFault({.fault = Fault::kSilence, .command = CMD_WRITE_WORD, .argument = 40, .times = -1});
  ui.onLine1 = [&](const std::string& text) {
    if (text == "Please wait") ui.PressEscAfterChecks(25);
  };
  EXPECT_EQ(Send(), kTransferAborted);
  const auto words = WordIndicesWritten();
  EXPECT_EQ(std::count(words.begin(), words.end(), 40), 2);  // 23 checks for words 17..39, two for word 40
  // Esc while waiting for the radio to be switched on.
  Connect(RadioIn(Mode::kOff));
  ui = {};
  ui.PressEscAfterChecks(2);
  EXPECT_EQ(Send(), kTransferAborted);
  EXPECT_EQ(ui.line1, "Switch radio OFF, then");
  EXPECT_EQ(ui.line2, "back ON to start downloading");
  EXPECT_TRUE(ModelState(*model) == before);
}

TEST_F(SendRadio, SilentRadioIsSwitchedOffAndOnOrHasNoLead) {
  Connect(RadioIn(Mode::kOff));
  radio->SetImage(memory);
  ui.SwitchOnWhenPrompted(*radio);
  ASSERT_EQ(Send({.oneBlock = "B9"}), kTransferDone);
  EXPECT_EQ(ui.powerCycles, 1);
  EXPECT_EQ(radio->ControlBytes(), (std::vector<std::uint8_t>{kWordModeByte}));
  EXPECT_EQ(ui.line2History.front(), "back ON to start downloading");

  Restart();
  radio->Unplug();
  EXPECT_EQ(Send(), kTransferFailed);
  EXPECT_EQ(ui.line1, "Check that lead is");
  EXPECT_EQ(ui.line2, "connected to COM3");
}

TEST_F(SendRadio, BlockPushMapHandsOverAfterTheStart) {
  settings.blockPushMode = true;
  settings.blockCount = 58;
  std::pair<int, int> got{-1, -1};
  SendOptions options{.oneBlock = "2a",
                      .blockPush = [&](CComPort&, TransferUi&, const TransferSettings&, CEditModel&, int s, int total) {
                        got = {s, total};
                        return kTransferDone;
                      }};
  EXPECT_EQ(Send(options), kTransferDone);
  EXPECT_EQ(got, std::make_pair(42, 43));
  EXPECT_TRUE(radio->Frames().empty());
}

}  // namespace
