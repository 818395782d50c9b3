// More of the alignment window against the simulated radio: the RX VCV item's
// Ok, the DCS and reference frequency items, a receiver item on a narrow
// channel, and the whole Alignment command from the entry dialog to Exit.
#include <optional>
#include <string>

#include "test_align_window_fixture.h"

using namespace std::chrono_literals;
using namespace align_test;
using namespace ui_test;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Channels 0..9 in use at 450 + c MHz (TX 1 MHz above), even channels wide.
Bytes ItemsMemory(radiosim::AlignMemoryOptions options = {}) {
  Bytes m = radiosim::AlignmentMemory(options);
  for (int c = 0; c < 15; ++c) {
    std::uint8_t* r = m.data() + AlignChannelBlock(c) * kBlockSize + AlignChannelOffset(c);
    r[0] = c % 2 == 0 ? 0x40 : 0x00;
    r[1] = c < 10 ? 0x00 : 0xFF;
    const int rx = (450 + c) * 200 - 40960, tx = (451 + c) * 200 - 40960;
    r[7] = std::uint8_t(rx >> 8);
    r[8] = std::uint8_t(rx);
    r[15] = std::uint8_t(tx >> 8);
    r[16] = std::uint8_t(tx);
    r[17] = std::uint8_t(80 + c);
  }
  return m;
}

class AlignItemsTest : public AlignWindowTest {
 protected:
  void SetUp() override {
    ui_test::EnsureApp();
    Open(ItemsMemory());
  }
};

}  // namespace

TEST_F(AlignItemsTest, RxVcvWritesWordThirteenHighOnlyOnceALevelWasRead) {
  Start(IDC_ITEM_RX_VCV);
  EXPECT_EQ(Since(), "2");  // no '4': the receiver stays on
  EXPECT_EQ(LastOf('2'), (Bytes{0, B(27), 0, B(28)}));
  EXPECT_TRUE(dlg->IsPolling());
  EXPECT_EQ(Text(IDC_ALIGN_LEFT_HEADING), "RX VCV");
  EXPECT_EQ(Text(IDC_ALIGN_RIGHT_HEADING), "VCV Level");
  EXPECT_EQ(dlg->MeterMax(), 255);
  EXPECT_EQ(dlg->m_slider.GetPos(), 255 - B(27));
  Mark();
  Slide(120);
  EXPECT_EQ(Since(), "2");
  EXPECT_EQ(LastOf('2'), (Bytes{0, 120, 0, B(28)}));

  // No level read yet: Ok beeps, writes nothing and the item keeps running.
  const int beeps = prompts.Beeps();
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(prompts.Beeps(), beeps + 1);
  EXPECT_EQ(Since(), "");
  EXPECT_EQ(dlg->ItemCode(), kItemRxVcv);
  EXPECT_TRUE(dlg->IsPolling());

  align->QueueReadings({radiosim::Readings{0, 0, 0, 0, 163, 0, 0, 0}});
  Tick();
  EXPECT_EQ(Text(IDC_ALIGN_RIGHT_VALUE), "163");
  EXPECT_EQ(Text(IDC_ALIGN_LEFT_VALUE), "120");
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(Since(), "FF");  // no '5' for the receiver's VCV
  EXPECT_EQ(RadioWord(13), (120 << 8) | B(26));
  EXPECT_EQ(W(27), 120);
  EXPECT_EQ(RadioWord(2), Checksum());
  EXPECT_FALSE(dlg->IsPolling());
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);

  // Cancel puts the stored VCV back, now the one just written.
  Start(IDC_ITEM_RX_VCV);
  Slide(7);
  Mark();
  Press(IDC_ALIGN_CANCEL_ITEM);
  EXPECT_EQ(Since(), "2");
  EXPECT_EQ(LastOf('2'), (Bytes{0, 120, 0, B(28)}));
  EXPECT_FALSE(dlg->IsPolling());
  EXPECT_EQ(RadioWord(13), (120 << 8) | B(26));
}

TEST_F(AlignItemsTest, DcsAndReferenceStartSlideWriteAndCancel) {
  // DCS on wide channel 0: T0, T1 the wide bytes, T2 the DCS byte; Ok writes word 11 low.
  Start(IDC_ITEM_DCS);
  EXPECT_EQ(Since(), "42;37");
  EXPECT_EQ(LastOf('2'), (Bytes{B(14), 0, B(26), B(28)}));
  EXPECT_EQ(LastOf(';'), (Bytes{B(31), 0xFF, 0}));
  EXPECT_EQ(LastOf('3'), (Bytes{B(19), B(21), B(22)}));
  EXPECT_EQ(LastOf('7'), (Bytes{1}));
  EXPECT_EQ(dlg->m_slider.GetPos(), 255 - B(22));
  Mark();
  Slide(44);
  EXPECT_EQ(Since(), "3");
  EXPECT_EQ(LastOf('3'), (Bytes{B(19), B(21), 44}));
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(Since(), "75FF");
  EXPECT_EQ(LastOf('7'), (Bytes{0}));
  EXPECT_EQ(RadioWord(11), (B(23) << 8) | 44);
  EXPECT_EQ(RadioWord(2), Checksum());
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);

  Start(IDC_ITEM_DCS);
  EXPECT_EQ(LastOf('3'), (Bytes{B(19), B(21), 44}));
  Slide(3);
  Mark();
  Press(IDC_ALIGN_CANCEL_ITEM);
  EXPECT_EQ(Since(), "7;35");
  EXPECT_EQ(LastOf('3'), (Bytes{B(19), B(21), 44}));
  EXPECT_EQ(RadioWord(11), (B(23) << 8) | 44);
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);

  // Reference frequency: ';' carries the value; Ok writes word 15 high.
  Start(IDC_ITEM_REFERENCE);
  EXPECT_EQ(Since(), "42;");
  EXPECT_EQ(LastOf(';'), (Bytes{B(31), 0, 0}));
  EXPECT_EQ(dlg->m_slider.GetPos(), 255 - B(31));
  Mark();
  Slide(66);
  EXPECT_EQ(Since(), ";");
  EXPECT_EQ(LastOf(';'), (Bytes{66, 0, 0}));
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(Since(), "5FF");
  EXPECT_EQ(RadioWord(15), (66 << 8) | B(30));
  EXPECT_EQ(W(31), 66);

  Start(IDC_ITEM_REFERENCE);
  Slide(200);
  Mark();
  Press(IDC_ALIGN_CANCEL_ITEM);
  EXPECT_EQ(Since(), ";5");
  EXPECT_EQ(LastOf(';'), (Bytes{66, 0, 0}));
  EXPECT_EQ(RadioWord(15), (66 << 8) | B(30));
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);
}

TEST_F(AlignItemsTest, ReceiverItemsOnANarrowChannelUseTheNarrowWords) {
  Spin(2);
  ASSERT_EQ(run->channelIndex, 1);
  ASSERT_EQ(Text(IDC_ALIGN_SPACING), "Narrow");

  // Tight Noise Squelch RSSI: word 5 high, the RSSI reading A1.
  align->QueueReadings({radiosim::Readings{0, 57, 200, 0, 0, 0, 0, 0}});
  Start(IDC_ITEM_TIGHT_RSSI);
  EXPECT_EQ(Since(), "");
  EXPECT_EQ(Text(IDC_ALIGN_RIGHT_HEADING), "RSSI Level");
  EXPECT_EQ(Text(IDC_ALIGN_LEFT_VALUE), std::to_string(B(11)));
  for (int i = 0; i < 20; ++i) Tick();
  EXPECT_EQ(Text(IDC_ALIGN_RIGHT_VALUE), "57");
  Mark();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(Since(), "FF");
  EXPECT_EQ(RadioWord(5), (57 << 8) | B(10));
  EXPECT_EQ(RadioWord(3), (B(7) << 8) | B(6));  // the wide word stays
  EXPECT_EQ(dlg->ItemCode(), kAlignNoItem);

  // Threshold Noise SQL: word 6 high, the noise reading A2.
  Start(IDC_ITEM_THRESHOLD_SQL);
  EXPECT_EQ(Text(IDC_ALIGN_LEFT_VALUE), std::to_string(B(13)));
  for (int i = 0; i < 20; ++i) Tick();
  Press(IDC_ALIGN_OK_ITEM);
  EXPECT_EQ(RadioWord(6), (200 << 8) | B(12));
  EXPECT_EQ(RadioWord(4), (B(9) << 8) | B(8));
  EXPECT_EQ(RadioWord(2), Checksum());
}

TEST_F(AlignItemsTest, RunAlignmentFromTheEntryDialogToExit) {
  if (dlg && dlg->GetSafeHwnd()) dlg->DestroyWindow();
  dlg.reset();
  Radio({.password = "SECRET"});
  align->PowerOnAfter(30ms);
  prompts.AnswerDialog([](CDialog& d) {
    return RunModal(d, [&] { Click(d.GetDlgItem(IDC_ALIGN_START)); });
  });
  int asked = 0;
  const auto askPassword = [&](CWnd*) -> std::optional<std::string> {
    ++asked;
    return std::string("SECRET");
  };
  table1.fill(255);
  table2.fill(250);

  bool sawStart = false, sawWindow = false, done = false;
  std::string channel;
  std::size_t commandsInWindow = 0;
  Autopilot pilot([&] {
    if (done) return;
    QWidget* w = QApplication::activeModalWidget();
    CWnd* wnd = w ? CWnd::FromHandlePermanent(w) : nullptr;
    if (auto* start = dynamic_cast<CAlignStartDlg*>(wnd)) {
      if (!ui_test::Visible(*start, IDC_ALIGN_OK)) return;
      sawStart = true;
      Click(start->GetDlgItem(IDC_ALIGN_OK));
    } else if (auto* window = dynamic_cast<CAlignDlg*>(wnd)) {
      sawWindow = true;
      done = true;
      channel = window->GetDlgItemText(IDC_ALIGN_CHANNEL);
      commandsInWindow = align->Commands().size();
      window->SendMessage(WM_COMMAND, WPARAM(IDC_ALIGN_EXIT));
    }
  });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    ADD_FAILURE() << "the alignment run did not end";
    if (QWidget* w = QApplication::activeModalWidget())
      if (auto* d = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(w))) d->EndDialog(-2);
  });
  guard.start(20000);
  RunAlignment(port, *run, kCom, askPassword, table1, table2);
  guard.stop();

  EXPECT_TRUE(sawStart);
  EXPECT_TRUE(sawWindow);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(prompts.MessageTexts().empty()) << prompts.MessageTexts().front();
  EXPECT_EQ(run->continueFlag, 1);
  EXPECT_EQ(channel, "1");
  // Exit with no item running sends nothing more, and the port is closed afterwards.
  EXPECT_EQ(align->Commands().size(), commandsInWindow);
  EXPECT_FALSE(port.IsOpen());
}
