// The clone dialog run modally against the simulated radio: its states and
// texts before, during and after a transfer, a read and a send through it, Esc
// while the transfer waits, the "-s" serial prompt and Next Radio, and one-block
// mode from the memory editor.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/clone_protocol.h"
#include "link/dialogs/clone_dlg.h"
#include "link/link_fixture.h"
#include "radio/sim_transfer.h"
#include "ui/ui_test_support.h"

using namespace ui_test;
using radiosim::Mode;
using radiosim::WordOf;

namespace {

constexpr std::uint8_t kRadioSerial[4] = {0x0C, 0x01, 0x23, 0x45};  // "0N012345"

class CloneDlgTest : public LinkTest {
 protected:
  void SetUp() override {
    EnsureApp();
    LinkTest::SetUp();
    settings.comIndex = kCom;
    std::memset(g_serialNumberBuffer, 0, sizeof g_serialNumberBuffer);
    g_bModified = 0;
    g_bTransferDone = 0;

    const auto file = radiosim::DefaultRadioMemory();
    std::copy(file.begin(), file.begin() + kFileImagePart, model->image.begin());
    std::copy(file.begin() + kFileImagePart, file.end(), model->tail.begin());
    model->UnpackImage(model->image.data());
    model->UnpackImageTail(model->image.data(), model->tail.data(), 1);
    model->store.channels[0].programmed = 1;

    memory = file;
    memory[252] = 100;  // last channel block
    std::copy(std::begin(kRadioSerial), std::end(kRadioSerial), memory.begin() + img::kAdjustmentBlock + 380);
    radiosim::SetAdjustmentChecksum(memory);
    radio->SetImage(memory);
  }
  void TearDown() override {
    Pump();
    g_bModified = 0;
    LinkTest::TearDown();
  }

  std::unique_ptr<CCloneDlg> MakeDialog(int mode) {
    auto dlg = std::make_unique<CCloneDlg>(*model, settings);
    dlg->SetMode(mode);
    dlg->SetPort(port);
    dlg->SetPacing(&pacing);
    return dlg;
  }

  // Presses Start and waits until the transfer has ended with OK shown.
  static bool StartAndWaitForOk(CDialog& dlg) {
    Click(dlg.GetDlgItem(IDC_LINK_START));
    return PumpUntil([&] { return Visible(dlg, IDC_LINK_OK); }, 30000);
  }

  std::vector<int> BlocksWritten(const radiosim::SimulatedRadio& r) const {
    std::vector<int> blocks;
    for (const auto& f : r.Frames())
      if (f.command == CMD_WRITE_BLOCK) blocks.push_back(f.data[0] + kWireBlockOffset);
    return blocks;
  }

  CScriptedPrompts prompts;
  TransferSettings settings;
  std::unique_ptr<CEditModel> model = std::make_unique<CEditModel>();
  std::vector<std::uint8_t> memory;
};

// Before Start: headings, the range caption, which controls show, and that
// neither Enter nor Esc closes the dialog; Cancel closes it without a byte sent.
TEST_F(CloneDlgTest, IdleStatesAndKeys) {
  auto read = MakeDialog(CCloneDlg::kModeRead);
  EXPECT_EQ(RunModal(*read,
                     [&] {
                       CDialog& dlg = *read;
                       EXPECT_EQ(dlg.GetWindowText(), "PX417");
                       EXPECT_EQ(dlg.GetDlgItemText(IDC_LINK_HEADING), "R e a d   f r o m   R a d i o");
                       EXPECT_EQ(dlg.GetDlgItemText(IDC_CLONE_BLOCK_RANGE), "H(0-ffH)");
                       EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_LINK_START));
                       for (int id : {IDC_LINK_START, int(IDCANCEL), IDC_LINK_PROGRESS}) EXPECT_TRUE(Visible(dlg, id));
                       for (int id : {IDC_CLONE_ONE_BLOCK, IDC_CLONE_BLOCK_NUMBER, IDC_LINK_SERIAL, IDC_LINK_OK,
                                      IDC_CLONE_NEXT_RADIO, IDC_LINK_CONTINUE, IDC_LINK_STATUS})
                         EXPECT_FALSE(Visible(dlg, id)) << id;
                       for (int id : {IDC_LINK_LINE1, IDC_LINK_LINE2, IDC_LINK_BLOCK, IDC_CLONE_ESN})
                         EXPECT_EQ(dlg.GetDlgItemText(id), "");
                       Key(Qt::Key_Escape);
                       Key(Qt::Key_Return);
                       Pump(150);
                       EXPECT_TRUE(dlg.IsWindowVisible());
                       EXPECT_TRUE(Visible(dlg, IDC_LINK_START));  // Enter did not press Start
                       Click(dlg.GetDlgItem(IDCANCEL));
                     }),
            IDCANCEL);
  read.reset();
  EXPECT_TRUE(radio->Chunks().empty());
  EXPECT_EQ(g_bTransferDone, 0);

  // Send from the main window: no one-block option.
  auto send = MakeDialog(CCloneDlg::kModeSend);
  RunModal(*send, [&] {
    EXPECT_EQ(send->GetDlgItemText(IDC_LINK_HEADING), "S e n d    t o    R a d i o");
    EXPECT_FALSE(Visible(*send, IDC_CLONE_ONE_BLOCK));
    Click(send->GetDlgItem(IDCANCEL));
  });

  // A smaller memory map shows its own highest block.
  settings.blockCount = 168;
  auto small = MakeDialog(CCloneDlg::kModeSend);
  RunModal(*small, [&] {
    EXPECT_EQ(small->GetDlgItemText(IDC_CLONE_BLOCK_RANGE), "H(0-a7H)");
    Click(small->GetDlgItem(IDCANCEL));
  });
}

TEST_F(CloneDlgTest, ReadFillsTheModelAndShowsCompletion) {
  std::fill(model->image.begin(), model->image.end(), 0x5A);
  auto dlg = MakeDialog(CCloneDlg::kModeRead);
  const INT_PTR result = RunModal(
      *dlg,
      [&] {
        ASSERT_TRUE(StartAndWaitForOk(*dlg));
        EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_LINE1), "Upload is completed");
        EXPECT_EQ(dlg->GetDlgItemText(IDC_CLONE_ESN), "");  // no ESN after a read
        EXPECT_FALSE(Visible(*dlg, IDC_CLONE_NEXT_RADIO));
        EXPECT_FALSE(Visible(*dlg, IDC_LINK_START));
        EXPECT_FALSE(Visible(*dlg, IDCANCEL));
        EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_LINK_OK));
        EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_BLOCK), "Receive block 256 / 256");
        EXPECT_FALSE(Visible(*dlg, IDC_LINK_STATUS));  // nothing to cancel any more
        EXPECT_EQ(g_bTransferDone, 1);
        Click(dlg->GetDlgItem(IDC_LINK_OK));
      },
      30000);
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + 256, model->image.begin()));  // the word area
  EXPECT_EQ(model->global.lastChannelBlock, 100);
  EXPECT_STREQ(model->identity.SerialText(), "0N012345");
  EXPECT_TRUE(port.IsOpen());
  dlg.reset();
  EXPECT_FALSE(port.IsOpen());  // the dialog's end closes the port
}

TEST_F(CloneDlgTest, SendWritesTheRadioAndShowsTheEsn) {
  auto dlg = MakeDialog(CCloneDlg::kModeSend);
  std::string esnLine;
  const INT_PTR result = RunModal(
      *dlg,
      [&] {
        ASSERT_TRUE(StartAndWaitForOk(*dlg));
        EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_LINE1), "Download is completed");
        esnLine = dlg->GetDlgItemText(IDC_CLONE_ESN);
        EXPECT_FALSE(Visible(*dlg, IDC_CLONE_NEXT_RADIO));  // not in "-s" mode
        EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_LINK_OK));
        Key(Qt::Key_Return);  // swallowed: only the OK button ends it
        Pump(50);
        EXPECT_TRUE(dlg->IsWindowVisible());
        Click(dlg->GetDlgItem(IDC_LINK_OK));
      },
      30000);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(g_bTransferDone, 1);
  EXPECT_EQ(radio->Word(127), 0xA55A);
  EXPECT_FALSE(BlocksWritten(*radio).empty());
  // The ESN of the radio's serial number, which the model took before packing.
  EXPECT_STREQ(model->identity.SerialText(), "0N012345");
  EXPECT_EQ(esnLine, "ESN " + std::to_string(model->identity.Esn()));
  EXPECT_EQ(model->identity.Esn(), CRadioIdentity::EsnFromWords(model->identity.esnWord1, model->identity.esnWord2));
  EXPECT_EQ(model->identity.Esn() >> 16, 0xD0u);
}

// Esc while the transfer waits for the radio to be switched on ends the
// dialog (the radio stays off: nothing else could end it) and leaves the
// model and the done flag alone.
TEST_F(CloneDlgTest, EscAbortsAWaitingTransfer) {
  radio->SetMode(Mode::kOff);
  std::fill(model->image.begin(), model->image.end(), 0x5A);
  auto dlg = MakeDialog(CCloneDlg::kModeRead);
  bool waited = false;
  TimedAutopilot esc([&] {
    if (waited || !dlg->GetSafeHwnd()) return;
    if (dlg->GetDlgItemText(IDC_LINK_LINE1) != "Switch radio OFF, then") return;
    waited = true;
    EXPECT_TRUE(Visible(*dlg, IDC_LINK_STATUS));
    EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_STATUS), "Esc cancels");
    QTest::keyClick(dlg->GetSafeHwnd(), Qt::Key_Escape);
  });
  const INT_PTR result = RunModal(*dlg, [&] { Click(dlg->GetDlgItem(IDC_LINK_START)); }, 10000);
  EXPECT_TRUE(waited);
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(g_bTransferDone, 0);
  EXPECT_TRUE(std::all_of(model->image.begin(), model->image.end(), [](std::uint8_t b) { return b == 0x5A; }));
}

// "-s" mode: each send asks for the serial number (Continue or Enter ends
// the prompt), stamps it and counts it up; Next Radio closes the port and
// sends the same model to the next radio on the same COM port.
TEST_F(CloneDlgTest, NextRadioSendsToASecondRadio) {
  settings.modeS = true;
  auto second = std::make_unique<radiosim::SimulatedRadio>(RadioIn(Mode::kWordMode));
  second->SetImage(memory);
  auto dlg = MakeDialog(CCloneDlg::kModeSend);

  std::vector<std::string> promptsSeen;
  bool pressEnter = false;
  TimedAutopilot answer([&] {
    if (!dlg->GetSafeHwnd() || !Visible(*dlg, IDC_LINK_CONTINUE)) return;
    promptsSeen.push_back(dlg->GetDlgItemText(IDC_LINK_SERIAL) + "|" + dlg->GetDlgItemText(IDC_LINK_LINE2));
    EXPECT_TRUE(Visible(*dlg, IDC_LINK_SERIAL));
    EXPECT_FALSE(Visible(*dlg, IDC_LINK_STATUS));  // Esc does not end this prompt
    EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_LINK_CONTINUE));
    if (pressEnter) {
      Key(Qt::Key_Return);
    } else {
      Click(dlg->GetDlgItem(IDC_LINK_CONTINUE));
    }
  });

  const INT_PTR result = RunModal(
      *dlg,
      [&] {
        ASSERT_TRUE(StartAndWaitForOk(*dlg));
        EXPECT_TRUE(Visible(*dlg, IDC_CLONE_NEXT_RADIO));
        EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_CLONE_NEXT_RADIO));
        EXPECT_FALSE(Visible(*dlg, IDC_LINK_SERIAL));
        EXPECT_FALSE(Visible(*dlg, IDC_LINK_CONTINUE));
        EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_LINE2), "");

        Click(dlg->GetDlgItem(IDC_CLONE_NEXT_RADIO));
        EXPECT_FALSE(port.IsOpen());
        EXPECT_TRUE(Visible(*dlg, IDC_LINK_START));
        EXPECT_TRUE(Visible(*dlg, IDCANCEL));
        EXPECT_FALSE(Visible(*dlg, IDC_LINK_OK));
        EXPECT_FALSE(Visible(*dlg, IDC_CLONE_NEXT_RADIO));
        EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_LINE1), "");
        EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_BLOCK), "");
        EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_LINK_START));

        // The next radio on the production line.
        second->LinkAsCom(folder, kCom);
        pressEnter = true;
        ASSERT_TRUE(StartAndWaitForOk(*dlg));
        EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_LINE1), "Download is completed");
        Click(dlg->GetDlgItem(IDC_LINK_OK));
      },
      60000);
  EXPECT_EQ(result, 0);
  // The model's serial "0N010000" starts the count; the second radio gets the next number.
  EXPECT_EQ(promptsSeen, (std::vector<std::string>{"0000|Serial No.(MAX 4 fig)", "0001|Serial No.(MAX 4 fig)"}));
  EXPECT_EQ(radio->Word(127), 0xA55A);
  EXPECT_EQ(second->Word(127), 0xA55A);
  const auto first = radio->Image(), next = second->Image();
  EXPECT_EQ(std::vector<std::uint8_t>(first.begin() + 32894, first.end()), (std::vector<std::uint8_t>{0x00, 0x00}));
  EXPECT_EQ(std::vector<std::uint8_t>(next.begin() + 32894, next.end()), (std::vector<std::uint8_t>{0x00, 0x01}));
  EXPECT_STREQ(g_serialNumberBuffer, "0N010002");
}

// Closing the dialog during the serial prompt ends the prompt as Continue
// would: the send completes with the number shown, then the dialog closes.
TEST_F(CloneDlgTest, ClosingDuringTheSerialPromptFinishesTheSend) {
  settings.modeS = true;
  auto dlg = MakeDialog(CCloneDlg::kModeSend);
  bool closed = false;
  TimedAutopilot close([&] {
    if (closed || !dlg->GetSafeHwnd() || !Visible(*dlg, IDC_LINK_CONTINUE)) return;
    closed = true;
    dlg->SendMessage(WM_CLOSE);
  });
  const INT_PTR result = RunModal(*dlg, [&] { Click(dlg->GetDlgItem(IDC_LINK_START)); }, 30000);
  EXPECT_TRUE(closed);
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(radio->Word(127), 0xA55A);
  EXPECT_EQ(g_bTransferDone, 1);
  EXPECT_STREQ(g_serialNumberBuffer, "0N010001");
}

// From the memory editor a send can be limited to the block typed in hexadecimal.
TEST_F(CloneDlgTest, OneBlockFromTheMemoryEditor) {
  settings.romEditorTransfer = true;
  auto dlg = MakeDialog(CCloneDlg::kModeSend);
  const INT_PTR result = RunModal(
      *dlg,
      [&] {
        ASSERT_TRUE(Visible(*dlg, IDC_CLONE_ONE_BLOCK));
        EXPECT_FALSE(Visible(*dlg, IDC_CLONE_BLOCK_NUMBER));
        Click(dlg->GetDlgItem(IDC_CLONE_ONE_BLOCK));
        EXPECT_TRUE(Visible(*dlg, IDC_CLONE_BLOCK_NUMBER));
        EXPECT_TRUE(Visible(*dlg, IDC_CLONE_BLOCK_RANGE));
        EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_CLONE_BLOCK_NUMBER));
        // Ticked off and on again.
        Click(dlg->GetDlgItem(IDC_CLONE_ONE_BLOCK));
        EXPECT_FALSE(Visible(*dlg, IDC_CLONE_BLOCK_NUMBER));
        Click(dlg->GetDlgItem(IDC_CLONE_ONE_BLOCK));
        Type("b9");
        ASSERT_TRUE(StartAndWaitForOk(*dlg));
        EXPECT_FALSE(Visible(*dlg, IDC_CLONE_ONE_BLOCK));
        EXPECT_FALSE(Visible(*dlg, IDC_CLONE_BLOCK_NUMBER));
        Click(dlg->GetDlgItem(IDC_LINK_OK));
      },
      30000);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(BlocksWritten(*radio), std::vector<int>{0xB9});
}

// A failed transfer closes the dialog; its reason is shown in one box first,
// also when the transfer put it on the message lines. Nothing counts as done.
TEST_F(CloneDlgTest, FailureIsShownInABoxBeforeTheDialogCloses) {
  struct Case {
    const char* name;
    int mode;
    std::function<void()> fault;
    std::string box;
  };
  const Case cases[] = {
      {"refused", CCloneDlg::kModeSend, [&] { memory[3] = 12; }, "Production type mismatch!"},
      {"bad blocks", CCloneDlg::kModeRead,
       [&] { radio->InjectFault({.fault = radiosim::Fault::kBadChecksum, .command = CMD_READ_BLOCK, .times = -1}); },
       "Upload Error!"},
      {"refused blocks", CCloneDlg::kModeSend,
       [&] { radio->InjectFault({.fault = radiosim::Fault::kNak, .command = CMD_WRITE_BLOCK, .times = -1}); },
       "Download Error!"},
      {"pulled cable", CCloneDlg::kModeRead,
       [&] {
         ASSERT_EQ(port.OpenComPort(kCom, dialog), 1);  // pulled once the port is open
         radio->Unplug();
       },
       "Check that lead is\nconnected to COM3"},
  };
  const auto good = memory;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    prompts.Clear();
    radio->ClearFaults();
    memory = good;
    c.fault();
    radio->SetImage(memory);
    auto dlg = MakeDialog(c.mode);
    const INT_PTR result = RunModal(*dlg, [&] { Click(dlg->GetDlgItem(IDC_LINK_START)); }, 10000);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(g_bTransferDone, 0);
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{c.box});
  }
  EXPECT_NE(radio->Word(127), 0xA55A);
}

}  // namespace
