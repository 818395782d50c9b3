// The entry dialog of an alignment run against the simulated radio: the
// handshake from the first tick, the checks with their messages and statuses,
// the welcome dialog, the upload with its progress, OK and the ways out.
#include <QFontMetrics>

#include <algorithm>
#include <optional>
#include <string>

#include "link/dialogs/align_start_dlg.h"
#include "test_align_fixture.h"

using namespace std::chrono_literals;
using namespace align_test;
using namespace ui_test;
using radiosim::Fault;
using radiosim::FaultRule;

namespace {

class AlignStartDlgTest : public AlignUiTest {
 protected:
  std::unique_ptr<CAlignStartDlg> MakeDialog() {
    return std::make_unique<CAlignStartDlg>(port, *run, kCom, [this](CWnd*) {
      ++passwordPrompts;
      return typedPassword;
    });
  }
  // The welcome dialog is shown and left with Start.
  void StartInWelcome() {
    prompts.AnswerDialog([this](CDialog& d) {
      return RunModal(d, [&] {
        welcome = d.GetDlgItemText(IDC_ALIGN_HEADING);
        welcomeButtons = d.GetDlgItem(IDC_ALIGN_START)->IsWindowVisible() && d.GetDlgItem(IDCANCEL)->IsWindowVisible();
        // The channel table lines up: a fixed-pitch font, every line within the text's width.
        QWidget* text = d.GetDlgItem(IDC_ALIGN_HEADING)->GetSafeHwnd();
        const QFontMetrics fm(text->font());
        welcomeFixedPitch = fm.horizontalAdvance(QLatin1Char('i')) == fm.horizontalAdvance(QLatin1Char('W')) &&
                            fm.horizontalAdvance(QLatin1Char('.')) == fm.horizontalAdvance(QLatin1Char('W'));
        for (const QString& line : QString::fromStdString(welcome).split(QStringLiteral("\r\n"))) {
          welcomeWidest = std::max(welcomeWidest, fm.horizontalAdvance(line) - text->width());
        }
        Click(d.GetDlgItem(IDC_ALIGN_START));
      });
    });
  }
  // Runs the dialog modally with the autopilot step; its result.
  INT_PTR Run(CAlignStartDlg& dlg, std::function<void()> step = [] {}) {
    Autopilot pilot(std::move(step));
    return RunModal(dlg, [] {}, 20000);
  }

  int passwordPrompts = 0;
  std::optional<std::string> typedPassword;
  std::string welcome;
  bool welcomeButtons = false;
  bool welcomeFixedPitch = false;
  int welcomeWidest = -1000;  // the widest line's width less the text's
};

}  // namespace

TEST_F(AlignStartDlgTest, HandshakeChecksWelcomeUploadAndOk) {
  Radio({.hardware = 1, .password = "ABCDEFGH", .channelBlockLimit = 58});
  align->PowerOnAfter(40ms);
  StartInWelcome();
  typedPassword = "ABCDEFGH";
  auto dlg = MakeDialog();
  bool hiddenAtFirst = false, firstStep = true;
  std::string heading, line1, line2;
  int progress = -1, high = -1;
  const INT_PTR result = Run(*dlg, [&] {
    if (!dlg->GetSafeHwnd()) return;
    if (firstStep) {
      firstStep = false;
      hiddenAtFirst = !Visible(*dlg, IDC_ALIGN_START) && !Visible(*dlg, IDC_ALIGN_OK) && !Visible(*dlg, IDCANCEL);
    }
    if (!Visible(*dlg, IDC_ALIGN_OK)) return;
    heading = dlg->GetDlgItemText(IDC_ALIGN_HEADING);
    line1 = dlg->GetDlgItemText(IDC_ALIGN_LINE1);
    line2 = dlg->GetDlgItemText(IDC_ALIGN_LINE2);
    progress = dlg->m_progress.GetPos();
    int low = 0;
    dlg->m_progress.GetRange(low, high);
    Click(dlg->GetDlgItem(IDC_ALIGN_OK));
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(hiddenAtFirst);
  EXPECT_EQ(dlg->LastStatus(), std::optional<int>(kAlignDone));
  EXPECT_TRUE(prompts.MessageTexts().empty()) << prompts.MessageTexts().front();
  EXPECT_EQ(passwordPrompts, 1);
  EXPECT_EQ(welcome, AlignWelcomeText(1));
  EXPECT_TRUE(welcomeButtons);
  EXPECT_TRUE(welcomeFixedPitch);
  EXPECT_LE(welcomeWidest, 0);
  EXPECT_EQ(heading, "A L I G N M E N T");
  EXPECT_EQ(line1, "Now uploading alignment data. Wait...\r\n");
  EXPECT_EQ(line2, "100% complete  ");
  EXPECT_EQ(progress, 58);
  EXPECT_EQ(high, 58);
  EXPECT_GE(prompts.Beeps(), 1);  // OK beeps
  EXPECT_EQ(run->continueFlag, 1);
  EXPECT_TRUE(std::equal(run->words.begin(), run->words.end(), memory.begin()));
  EXPECT_EQ(Requested(CMD_READ_BLOCK), (std::vector<int>{0, 1, 2, 3, 55, 56, 252, 253, 254}));
  EXPECT_EQ(align->Commands().back(), '0');
  // The port stays open for the alignment window until the dialog object goes.
  EXPECT_TRUE(port.IsOpen());
  dlg.reset();
  EXPECT_FALSE(port.IsOpen());
}

TEST_F(AlignStartDlgTest, TheTextsAndTheProgressAreDrawnAsTheyChange) {
  // The upload holds the thread between blocks: what it shows is drawn at
  // once, with no turn of the event loop.
  auto dlg = MakeDialog();
  ASSERT_TRUE(dlg->Create(IDD_ALIGN_START, nullptr));
  dlg->KillTimer(CAlignStartDlg::kStartTimer);  // no handshake here
  ASSERT_TRUE(Activate(*dlg));
  PaintCounter line(dlg->GetDlgItem(IDC_ALIGN_LINE2)->GetSafeHwnd());
  PaintCounter bar(dlg->m_progress.GetSafeHwnd());
  IAlignStartUi& ui = *dlg;
  ui.SetLineText(AlignLine::Line2, "1% complete  ");
  EXPECT_EQ(line.paints, 1);
  ui.SetProgressRange(0, 255);
  ui.SetProgressPos(3);
  EXPECT_GE(bar.paints, 1);
  dlg->DestroyWindow();
}

TEST_F(AlignStartDlgTest, RefusedRadiosEndWithTheirMessageAndStatus) {
  struct Case {
    const char* name;
    radiosim::AlignMemoryOptions options;
    bool refuseAtPowerOn;
    std::optional<std::string> typed;
    std::vector<std::string> messages;
    int status;
    int beeps;
  };
  const std::vector<Case> cases = {
      {"production", {.production = 0x30}, false, {}, {"Production mismatched\r\n"}, kAlignRefused, 0},
      {"wrong password", {.password = "ABCDEFGH"}, false, "ABCDEFGX", {"Password mismatched!"}, kAlignRefused, 1},
      {"password cancelled", {.password = "ABCDEFGH"}, false, std::nullopt, {"Password mismatched!"}, kAlignRefused, 1},
      {"NAK at power-on", {}, true, {}, {"alignment mode error -3\r\n"}, kAlignBadReply, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Radio(c.options);
    if (c.refuseAtPowerOn) align->PowerOnRefusingAfter(30ms);
    else align->PowerOnAfter(30ms);
    typedPassword = c.typed;
    prompts.Clear();
    auto dlg = MakeDialog();
    EXPECT_EQ(Run(*dlg), IDCANCEL);  // closed by the posted WM_CLOSE
    EXPECT_EQ(dlg->LastStatus(), std::optional<int>(c.status));
    EXPECT_EQ(prompts.MessageTexts(), c.messages);
    EXPECT_EQ(prompts.Beeps(), c.beeps);
    EXPECT_EQ(run->continueFlag, 0);
    EXPECT_TRUE(align->DataOf(CMD_READ_BLOCK).empty());
  }
  // The production byte is checked before the password is read.
  Radio({.production = 0x10, .password = "ABCDEFGH"});
  align->PowerOnAfter(30ms);
  auto dlg = MakeDialog();
  Run(*dlg);
  EXPECT_EQ(Requested(CMD_READ_WORD), (std::vector<int>{16, 124}));
}

TEST_F(AlignStartDlgTest, EscWhileWaitingForTheRadioAndCancelInTheWelcome) {
  // Enter before the upload has finished does not press the hidden OK.
  // The radio is never switched on; Esc ends the wait without a message.
  auto dlg = MakeDialog();
  bool enterPressed = false;
  EXPECT_EQ(Run(*dlg,
                [&] {
                  if (dlg->GetSafeHwnd() && !enterPressed) {
                    enterPressed = true;
                    dlg->SendMessage(WM_COMMAND, IDC_ALIGN_OK);
                  }
                  if (dlg->GetSafeHwnd() && dlg->GetDlgItemText(IDC_ALIGN_HEADING) == "A L I G N M E N T" &&
                      !dlg->LastStatus())
                    PressEsc(*dlg);
                }),
            IDCANCEL);
  EXPECT_EQ(dlg->LastStatus(), std::optional<int>(1));
  EXPECT_TRUE(prompts.MessageTexts().empty());
  EXPECT_EQ(run->continueFlag, 0);

  // Cancel in the welcome dialog: no upload, no alignment window.
  dlg.reset();  // it closes the port
  Radio({});
  align->PowerOnAfter(30ms);
  run->continueFlag = 1;
  dlg = MakeDialog();
  EXPECT_EQ(Run(*dlg), IDCANCEL);  // the welcome prompt is left unanswered: Cancel
  EXPECT_EQ(dlg->LastStatus(), std::optional<int>(kAlignDone));
  EXPECT_EQ(run->continueFlag, 0);
  EXPECT_TRUE(align->DataOf(CMD_READ_BLOCK).empty());
  EXPECT_TRUE(prompts.MessageTexts().empty());
}

TEST_F(AlignStartDlgTest, SilentRadioBadBlockAndEscDuringTheUpload) {
  // A radio that stops answering the word reads.
  align->PowerOnAfter(30ms);
  radio->InjectFault(FaultRule{.fault = Fault::kSilence, .command = CMD_READ_WORD, .argument = 124, .times = -1});
  auto dlg = MakeDialog();
  EXPECT_EQ(Run(*dlg), IDCANCEL);
  EXPECT_EQ(dlg->LastStatus(), std::optional<int>(kAlignTimeout));
  EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{"special upload error 2\r\n"}));
  EXPECT_EQ(run->continueFlag, 0);

  // A channel block that keeps coming back damaged: the dialog stays open
  // without buttons until the user leaves it with Esc.
  dlg.reset();
  Radio({});
  align->PowerOnAfter(30ms);
  radio->InjectFault(FaultRule{.fault = Fault::kBadChecksum, .command = CMD_READ_BLOCK, .argument = 55, .times = -1});
  prompts.Clear();
  StartInWelcome();
  dlg = MakeDialog();
  bool okShown = true;
  EXPECT_EQ(Run(*dlg,
                [&] {
                  if (!dlg->GetSafeHwnd() || prompts.MessageTexts().empty() || !dlg->LastStatus()) return;
                  okShown = Visible(*dlg, IDC_ALIGN_OK);
                  PressEsc(*dlg);
                }),
            IDCANCEL);
  EXPECT_FALSE(okShown);
  EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{"special upload error fffffffd\r\n"}));
  EXPECT_EQ(run->continueFlag, 0);

  // Esc during the upload aborts it before the next block.
  dlg.reset();
  Radio({});
  align->PowerOnAfter(30ms);
  prompts.Clear();
  StartInWelcome();
  dlg = MakeDialog();
  EXPECT_EQ(Run(*dlg,
                [&] {
                  if (dlg->GetSafeHwnd() && dlg->GetDlgItemText(IDC_ALIGN_LINE1).rfind("Now uploading", 0) == 0)
                    PressEsc(*dlg);
                }),
            IDCANCEL);
  EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{"\r\nUpload is aborted. Press any key"}));
  EXPECT_EQ(run->continueFlag, 0);
  EXPECT_FALSE(Visible(*dlg, IDC_ALIGN_OK));
}
