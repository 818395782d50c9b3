// The alignment window against the simulated radio in alignment mode: the
// channel step, the items' start, slider, Ok and Cancel with what the radio
// receives and holds afterwards, the live readings and RX Tune, and the ways
// a step ends when the radio fails or the user presses Esc.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <cstdio>
#include <string>

#include "test_align_window_fixture.h"
#include "ui/test_fit_support.h"

using namespace std::chrono_literals;
using namespace align_test;
using namespace ui_test;
using radiosim::Fault;
using radiosim::FaultRule;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr int kInUse = 15;  // channels 0..14 are in use, 15..19 not, the rest not uploaded

// Channel c at 450 + c MHz (TX 1 MHz above), even channels wide; the tune
// rule centred on 460 MHz with tune 100, slope 20 above and 10 at and below.
Bytes WindowMemory(radiosim::AlignMemoryOptions options = {}) {
  Bytes m = radiosim::AlignmentMemory(options);
  for (int c = 0; c < 20; ++c) {
    std::uint8_t* r = m.data() + AlignChannelBlock(c) * kBlockSize + AlignChannelOffset(c);
    r[0] = c % 2 == 0 ? 0x40 : 0x00;
    r[1] = c < kInUse ? 0x00 : 0xFF;
    const int rx = (450 + c) * 200 - 40960, tx = (451 + c) * 200 - 40960;
    r[7] = std::uint8_t(rx >> 8);
    r[8] = std::uint8_t(rx);
    r[15] = std::uint8_t(tx >> 8);
    r[16] = std::uint8_t(tx);
    r[17] = std::uint8_t(80 + c);
    r[18] = 0x35;
  }
  std::uint8_t* rule = m.data() + 254 * kBlockSize;
  rule[0] = 4600 >> 8;
  rule[1] = 4600 & 0xFF;
  rule[2] = 100;
  rule[3] = 20;
  rule[4] = 10;
  return m;
}

class AlignDlgTest : public AlignWindowTest {
 protected:
  void SetUp() override {
    ui_test::EnsureApp();
    Open(WindowMemory());
  }
};

}  // namespace

TEST_F(AlignDlgTest, IdentityAndTheChannelStep) {
  char serial[32];
  const std::uint8_t* id = memory.data() + memory.size() - 4;
  std::snprintf(serial, sizeof serial, "%X%c%02X%02X%02X", id[0] >> 4, 'B' + (id[0] & 0x0F), id[1], id[2], id[3]);
  EXPECT_EQ(Text(IDC_ALIGN_SERIAL), serial);
  char cpu[8];
  std::snprintf(cpu, sizeof cpu, "%04x", memory[0] | memory[1] << 8);
  EXPECT_EQ(Text(IDC_ALIGN_CPU), cpu);
  EXPECT_EQ(Text(IDC_ALIGN_CHANNEL), "1");
  EXPECT_EQ(Text(IDC_ALIGN_RADIO_TYPE), "UHF");
  EXPECT_EQ(Text(IDC_ALIGN_IF), "0.00");
  EXPECT_EQ(Text(IDC_ALIGN_SPACING), "Wide  ");
  EXPECT_EQ(Text(IDC_ALIGN_RX), "450.00000");
  EXPECT_EQ(Text(IDC_ALIGN_TX), "451.00000");
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);
  EXPECT_TRUE(Visible(IDC_ALIGN_START_ITEM));
  EXPECT_FALSE(Visible(IDC_ALIGN_OK_ITEM));
  EXPECT_FALSE(dlg->m_slider.IsWindowVisible());

  // Down from channel 0 wraps round to the last channel in use.
  Spin(0);
  EXPECT_EQ(run->channelIndex, kInUse - 1);
  EXPECT_EQ(LastOf('0'), (Bytes{0, kInUse - 1}));
  EXPECT_EQ(Text(IDC_ALIGN_CHANNEL), "15");
  EXPECT_EQ(Text(IDC_ALIGN_RX), "464.00000");
  EXPECT_EQ(dlg->m_spin.GetPos32(), kInUse);
  // Up from there skips the unused channels and wraps to channel 0.
  Spin(kInUse + 1);
  EXPECT_EQ(run->channelIndex, 0);
  EXPECT_EQ(LastOf('0'), (Bytes{0, 0}));
  Spin(2);
  EXPECT_EQ(Text(IDC_ALIGN_SPACING), "Narrow");
  EXPECT_EQ(Text(IDC_ALIGN_TX), "452.00000");

  // A channel the radio refuses leaves the one before selected.
  align->RefuseChannel(2);
  Spin(3);
  EXPECT_EQ(run->channelIndex, 1);
  EXPECT_EQ(Text(IDC_ALIGN_CHANNEL), "2");
  EXPECT_EQ(dlg->m_spin.GetPos32(), 2);
  EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{"!! com error !! -3\n"}));

  // With no channel in use the step ends after one round, nothing sent.
  Bytes none = WindowMemory();
  for (int c = 0; c < 20; ++c) none[std::size_t(AlignChannelBlock(c) * kBlockSize + AlignChannelOffset(c) + 1)] = 0xFF;
  Open(none);
  Spin(2);
  EXPECT_EQ(run->channelIndex, 0);
  EXPECT_TRUE(align->DataOf('0').empty());
  EXPECT_EQ(dlg->m_spin.GetPos32(), 1);
}

TEST_F(AlignDlgTest, TheProcedureTextWrapsAndEveryCaptionFits) {
  for (const std::string& line : fit_test::CutCaptions(dlg->GetSafeHwnd(), "idle", true)) ADD_FAILURE() << line;
  // Each item running, with its own column headings and the widest readings.
  align->QueueReadings({radiosim::Readings{255, 255, 255, 255, 255, 255, 255, 255}});
  for (const AlignItem& item : AlignItems()) {
    Start(item.buttonId);
    for (int i = 0; i < 20; ++i) Tick();
    for (const std::string& line : fit_test::CutCaptions(dlg->GetSafeHwnd(), item.name, true)) ADD_FAILURE() << line;
    Press(IDC_ALIGN_CANCEL_ITEM);
  }
  Start(IDC_ITEM_POWER_HIGH);
  // The long step lines wrap at the edit's edge: nothing lies beyond it.
  auto* text = qobject_cast<QPlainTextEdit*>(dlg->GetDlgItem(IDC_ALIGN_TEXT)->GetSafeHwnd());
  ASSERT_NE(text, nullptr);
  ASSERT_FALSE(text->toPlainText().isEmpty());
  EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0);
  int wrapped = 0;
  for (QTextBlock b = text->document()->begin(); b.isValid(); b = b.next()) wrapped += b.lineCount() > 1;
  EXPECT_GT(wrapped, 0);
  Press(IDC_ALIGN_CANCEL_ITEM);
}

TEST_F(AlignDlgTest, PowerItemsStartSlideWriteAndCancel) {
  Start(IDC_ITEM_POWER_HIGH);
  EXPECT_EQ(Text(IDC_ALIGN_TEXT).rfind("This parameter is used to align TX High power (50W).\r\n\r\n", 0), 0u);
  EXPECT_EQ(dlg->ItemCode(), kItemPowerHigh);
  EXPECT_EQ(Since(), "42;");
  EXPECT_EQ(LastOf('2'), (Bytes{B(16), 0, B(26), B(28)}));
  EXPECT_EQ(LastOf(';'), (Bytes{B(31), 0, 0}));
  EXPECT_TRUE(dlg->m_slider.IsWindowVisible());
  EXPECT_FALSE(Visible(IDC_ALIGN_START_ITEM));
  EXPECT_FALSE(dlg->GetDlgItem(IDC_ITEM_RX_TUNE)->IsWindowEnabled());
  EXPECT_FALSE(dlg->m_spin.IsWindowEnabled());
  // The maximum is at the top: value v is position max - v.
  EXPECT_EQ(dlg->m_slider.GetPos(), 255 - B(16));
  Mark();
  Slide(77);
  EXPECT_EQ(Since(), "2");
  EXPECT_EQ(LastOf('2'), (Bytes{77, 0, B(26), B(28)}));
  EXPECT_EQ(dlg->m_leftMeter.GetPos(), 77);
  EXPECT_EQ(Text(IDC_ALIGN_LEFT_VALUE), "77");
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(Since(), "5FF");
  EXPECT_EQ(RadioWord(8), (B(17) << 8) | 77);
  EXPECT_EQ(run->words[16], 77);
  unsigned sum = 0;
  for (int i = 3; i <= 16; ++i) sum += RadioWord(i);
  EXPECT_EQ(RadioWord(2), std::uint16_t(sum));
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);
  EXPECT_TRUE(Visible(IDC_ALIGN_START_ITEM));
  EXPECT_FALSE(dlg->m_slider.IsWindowVisible());

  // Low-High writes the high byte of word 7; a refused '5' keeps the item running.
  Start(IDC_ITEM_POWER_LOW_HIGH);
  Slide(33);
  radio->InjectFault(FaultRule{.fault = Fault::kNak, .command = '5', .times = -1});
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(dlg->ItemCode(), kItemPowerLowHigh);
  EXPECT_EQ(prompts.MessageTexts().back(), "!! com error !! -3\n");
  radio->ClearFaults();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(RadioWord(7) >> 8, 33);
  EXPECT_EQ(RadioWord(7) & 0xFF, B(14));

  // Cancel puts the power at start back and writes nothing.
  Start(IDC_ITEM_POWER_LOW_MID);
  Slide(12);
  Mark();
  Press(IDC_ALIGN_CANCEL_ITEM);
  EXPECT_EQ(Since(), "25");
  EXPECT_EQ(LastOf('2'), (Bytes{B(14), 0, B(26), B(28)}));
  EXPECT_EQ(RadioWord(7) & 0xFF, B(14));
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);
}

TEST_F(AlignDlgTest, DeviationItemsWriteTheWideOrNarrowByte) {
  // Channel 0 is wide: the maximum deviation lands in the high byte of word 9.
  Start(IDC_ITEM_MAX_DEVIATION);
  EXPECT_EQ(Since(), "42;36");
  EXPECT_EQ(LastOf(';'), (Bytes{B(31), 0xFF, B(222)}));
  EXPECT_EQ(LastOf('3'), (Bytes{B(19), B(21), 0}));
  EXPECT_EQ(LastOf('6'), (Bytes{17, 199}));
  Mark();
  Slide(50);
  EXPECT_EQ(Since(), "3");
  EXPECT_EQ(LastOf('3'), (Bytes{50, B(21), 0}));
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(Since(), "65FF");
  EXPECT_EQ(RadioWord(9), (50 << 8) | B(18));

  // Channel 1 is narrow: LTR deviation adjusts T2 = the narrow LTR byte and writes the low byte of word 12.
  Spin(2);
  Start(IDC_ITEM_LTR);
  EXPECT_EQ(Since(), "42;37");
  EXPECT_EQ(LastOf('3'), (Bytes{B(18), B(20), B(24)}));
  EXPECT_EQ(LastOf('7'), (Bytes{3}));
  Slide(9);
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(Since(), "75FF");
  EXPECT_EQ(RadioWord(12), (B(25) << 8) | 9);

  // Cancel restores the stored record.
  Start(IDC_ITEM_CTCSS);
  Slide(99);
  Mark();
  Press(IDC_ALIGN_CANCEL_ITEM);
  EXPECT_EQ(Since(), "7;35");
  EXPECT_EQ(LastOf('3'), (Bytes{B(18), B(20), B(23)}));  // model 11: T2 = the CTCSS byte
}

TEST_F(AlignDlgTest, OtherModelsSendTheModulationQuery) {
  Open(WindowMemory({.modelCode = 12}));
  Start(IDC_ITEM_MOD_BALANCE);
  EXPECT_EQ(Since(), "42;93?");
  EXPECT_EQ(LastOf(';'), (Bytes{B(31), 0, run->Block(5)[110]}));
  EXPECT_EQ(LastOf('?'), (Bytes{0x01}));
  Slide(20);
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(Since(), "95FF");
  EXPECT_EQ(RadioWord(10), (20 << 8) | B(20));
}

TEST_F(AlignDlgTest, ReceiverItemAveragesTwentyReadingsBeforeItWrites) {
  std::vector<radiosim::Readings> readings(20, radiosim::Readings{0, 7, 100, 0, 0, 0, 0, 0});
  readings[3][2] = 0;
  readings[11][2] = 255;
  align->QueueReadings(readings);
  Start(IDC_ITEM_TIGHT_SQL);
  EXPECT_EQ(Since(), "");
  EXPECT_TRUE(dlg->IsPolling());
  EXPECT_FALSE(dlg->m_slider.IsWindowVisible());
  EXPECT_TRUE(dlg->m_rightMeter.IsWindowVisible());
  EXPECT_EQ(Text(IDC_ALIGN_LEFT_HEADING), "Current");
  EXPECT_EQ(Text(IDC_ALIGN_RIGHT_HEADING), "Receiver Noise Level");
  EXPECT_EQ(Text(IDC_ALIGN_LEFT_VALUE), std::to_string(B(8)));  // word 4 low: wide channel

  // Nothing measured yet: Ok only beeps.
  const int beeps = prompts.Beeps();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(prompts.Beeps(), beeps + 1);
  EXPECT_EQ(Since(), "");
  EXPECT_EQ(dlg->ItemCode(), kItemTightSql);

  for (int i = 0; i < 19; ++i) Tick();
  EXPECT_FALSE(dlg->HaveAverage());
  EXPECT_EQ(Text(IDC_ALIGN_RIGHT_VALUE), "");
  Tick();
  EXPECT_TRUE(dlg->HaveAverage());
  EXPECT_EQ(dlg->Averages()[2], 100);  // the lowest and highest are dropped
  EXPECT_EQ(Text(IDC_ALIGN_RIGHT_VALUE), "100");
  EXPECT_EQ(dlg->m_rightMeter.GetPos(), 100);
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(Since(), "FF");
  EXPECT_EQ(RadioWord(4), (B(9) << 8) | 100);
  EXPECT_FALSE(dlg->IsPolling());
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);

  // A tick after the item has ended talks to nobody.
  Mark();
  Tick();
  EXPECT_EQ(Since(), "");
}

TEST_F(AlignDlgTest, RxTuneRecomputesEveryChannelAndRestartsTheRadio) {
  for (int c = 1; c <= 10; ++c) Spin(c + 1);  // the middle channel, 460 MHz
  ASSERT_EQ(run->channelIndex, 10);
  align->SetRestart(20ms);
  align->QueueReadings({radiosim::Readings{0, 42, 0, 0, 0, 0, 0, 0}});
  Start(IDC_ITEM_RX_TUNE);
  EXPECT_EQ(Since(), "2");
  EXPECT_EQ(LastOf('2'), (Bytes{90, B(27), 0, B(28)}));
  EXPECT_TRUE(dlg->IsPolling());
  EXPECT_EQ(Text(IDC_ALIGN_LEFT_HEADING), "Tune");
  EXPECT_EQ(Text(IDC_ALIGN_TEXT).rfind("This parameter is used to align RX Tune.\r\nSelect the middle", 0), 0u);
  Slide(105);
  EXPECT_EQ(LastOf('2'), (Bytes{105, B(27), 0, B(28)}));
  Tick();
  EXPECT_EQ(Text(IDC_ALIGN_RIGHT_VALUE), "42");
  EXPECT_EQ(Text(IDC_ALIGN_LEFT_VALUE), "105");
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_FALSE(dlg->IsPolling());
  // The rule block, the channel blocks with channels in use in order (block 60
  // holds none), the restart, the channel again; no checksum word.
  EXPECT_EQ(Since(), std::string("FFFF8>0"));
  EXPECT_EQ(Requested(CMD_WRITE_BLOCK), (std::vector<int>{252, 55, 56, 57}));
  EXPECT_EQ(align->Restarts(), 1);
  EXPECT_EQ(LastOf('0'), (Bytes{0, 10}));
  EXPECT_EQ(run->channelIndex, 10);
  const Bytes held = radio->Image();
  EXPECT_EQ(held[254 * kBlockSize + 2], 105);
  for (int c = 0; c < 20; ++c) {
    const std::size_t at = std::size_t(AlignChannelBlock(c) * kBlockSize + AlignChannelOffset(c));
    const int expected = c >= kInUse ? 80 + c : c <= 10 ? 95 + c : 105 + 2 * (c - 10);
    EXPECT_EQ(held[at + 17], expected) << c;
    EXPECT_EQ(held[at + 18], 0x35) << c;
  }
  for (int b = 0; b < kAlignImageBlocks; ++b) EXPECT_EQ(run->blockChanged[std::size_t(b)], 0) << b;
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);

  // Cancel of RX Tune stops the poll and puts the stored tune back.
  Start(IDC_ITEM_RX_TUNE);
  Slide(150);
  Mark();
  Press(IDC_ALIGN_CANCEL_ITEM);
  EXPECT_FALSE(dlg->IsPolling());
  EXPECT_EQ(Since(), "2");
  EXPECT_EQ(LastOf('2'), (Bytes{105, B(27), 0, B(28)}));
  Tick();
  EXPECT_EQ(Since(), "2");
}

TEST_F(AlignDlgTest, TuneRuleChoosesTheSlopeAndClamps) {
  std::uint8_t rule[5] = {4600 >> 8, 4600 & 0xFF, 100, 20, 10};
  EXPECT_EQ(AlignTuneValue(rule, 460.0, 200), 100);  // the centre: slope byte 4, the centre tune
  EXPECT_EQ(AlignTuneValue(rule, 470.0, 200), 120);
  EXPECT_EQ(AlignTuneValue(rule, 455.5, 200), 95);   // 95.5 truncated
  EXPECT_EQ(AlignTuneValue(rule, 300.0, 200), 0);
  EXPECT_EQ(AlignTuneValue(rule, 520.0, 110), 110);
}

TEST_F(AlignDlgTest, SilentRadioPollFailureAndEscEndTheStep) {
  // A radio that stops answering during a start: the message, the item stays for Cancel.
  radio->InjectFault(FaultRule{.fault = Fault::kSilence, .command = '2', .times = -1});
  Start(IDC_ITEM_POWER_HIGH);
  EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{"!! com error !! 2\n"}));
  EXPECT_EQ(dlg->ItemCode(), kItemPowerHigh);
  Press(IDC_ALIGN_CANCEL_ITEM);
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);
  radio->ClearFaults();
  prompts.Clear();

  // A bad reply to the readings stops the poll; Ok then has nothing measured to write.
  radio->InjectFault(FaultRule{.fault = Fault::kBadChecksum, .command = '1', .times = -1});
  Start(IDC_ITEM_FULL_RSSI);
  Tick();
  EXPECT_FALSE(dlg->IsPolling());
  EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{"!! com error !! -3\n"}));
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(Since(), "");
  EXPECT_EQ(dlg->ItemCode(), kItemFullRssi);
  PressEscKey();
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);
  radio->ClearFaults();

  // Esc during TX VCV: the poll stops and the radio is put back.
  Start(IDC_ITEM_TX_VCV);
  EXPECT_EQ(Since(), "42");
  EXPECT_EQ(LastOf('2'), (Bytes{0, 0, B(26), B(28)}));
  EXPECT_TRUE(dlg->IsPolling());
  EXPECT_EQ(Text(IDC_ALIGN_RIGHT_HEADING), "VCV Level");
  align->QueueReadings({radiosim::Readings{0, 0, 0, 0, 165, 0, 0, 0}});
  Tick();  // every reading is shown at once: the VCV level
  EXPECT_EQ(Text(IDC_ALIGN_RIGHT_VALUE), "165");
  EXPECT_EQ(dlg->m_rightMeter.GetPos(), 165);
  Mark();
  PressEscKey();
  EXPECT_FALSE(dlg->IsPolling());
  EXPECT_EQ(Since(), "52");
  EXPECT_EQ(LastOf('2'), (Bytes{0, 0, B(26), B(28)}));
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);
}
