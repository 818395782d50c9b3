// The recover dialog run modally against the simulated radio: its states, a
// repair from a chosen file with the serial prompt typed in, a default-file
// repair, a refusal, the block-push map, and closing during the serial prompt.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/adjust_recover.h"
#include "link/clone_protocol.h"
#include "link/dialogs/recover_dlg.h"
#include "link/link_fixture.h"
#include "radio/sim_transfer.h"
#include "ui/ui_test_support.h"

using namespace ui_test;
using radiosim::WordOf;

namespace {

constexpr std::size_t kA = img::kAdjustmentBlock;

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class RecoverDlgTest : public LinkTest {
 protected:
  void SetUp() override {
    EnsureApp();
    LinkTest::SetUp();
    settings.comIndex = kCom;
    std::memset(g_serialNumberBuffer, 0, sizeof g_serialNumberBuffer);
    home = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    std::filesystem::create_directories("Data");
    uhf = radiosim::DefaultRadioMemory(true);
    WriteBytes(kDefaultUhfFile, uhf);
    WriteBytes(kDefaultVhfFile, radiosim::DefaultRadioMemory(false));
    memory = uhf;
    SetA(4800);
    radiosim::SetWordOf(memory, 2, 0);  // a lost checksum
    radio->SetImage(memory);
  }
  void TearDown() override {
    Pump();
    std::filesystem::current_path(home);
    LinkTest::TearDown();
  }

  void SetA(std::uint16_t a) {
    memory[kA] = std::uint8_t(a >> 8);
    memory[kA + 1] = std::uint8_t(a);
  }

  std::unique_ptr<CRecoverDlg> MakeDialog() {
    auto dlg = std::make_unique<CRecoverDlg>(*model, settings);
    dlg->SetPort(port);
    dlg->SetPacing(&pacing);
    return dlg;
  }

  std::vector<int> Written(std::uint8_t command) const {
    std::vector<int> v;
    for (const auto& f : radio->Frames())
      if (f.command == command) v.push_back(f.data[0]);
    return v;
  }

  std::filesystem::path home;
  CScriptedPrompts prompts;
  TransferSettings settings;
  std::unique_ptr<CEditModel> model = std::make_unique<CEditModel>();
  std::vector<std::uint8_t> uhf, memory;
};

// Before Start: the heading, the focus, what is hidden; Esc closes the dialog.
TEST_F(RecoverDlgTest, IdleStatesAndEsc) {
  auto dlg = MakeDialog();
  EXPECT_EQ(RunModal(*dlg,
                     [&] {
                       EXPECT_EQ(dlg->GetWindowText(), "PX417");
                       EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_HEADING), "R e c o v e r");
                       EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_LINK_START));
                       EXPECT_TRUE(Visible(*dlg, IDCANCEL));
                       for (int id : {IDC_LINK_PROGRESS, IDC_LINK_BLOCK, IDC_LINK_SERIAL, IDC_LINK_OK, IDC_LINK_CONTINUE})
                         EXPECT_FALSE(Visible(*dlg, id)) << id;
                       Key(Qt::Key_Escape);
                     }),
            IDCANCEL);
  EXPECT_TRUE(radio->Chunks().empty());
}

// A blank adjustment block: the user's file is chosen, the serial number typed
// (a refused keystroke is undone), and every block goes to the radio.
TEST_F(RecoverDlgTest, ChosenFileWithTypedSerialEndToEnd) {
  SetA(0xFFFF);
  radio->SetImage(memory);
  std::vector<std::uint8_t> file = uhf;
  std::fill(file.begin() + kA + 380, file.begin() + kA + 384, 0);  // no serial number
  WriteBytes("mine.x417", file);
  prompts.AnswerFile(std::string("mine.x417"));

  auto dlg = MakeDialog();
  std::string shown, line2, typed;
  bool asked = false;
  TimedAutopilot answer([&] {
    if (asked || !dlg->GetSafeHwnd() || !Visible(*dlg, IDC_LINK_CONTINUE)) return;
    asked = true;
    shown = dlg->GetDlgItemText(IDC_LINK_SERIAL);
    line2 = dlg->GetDlgItemText(IDC_LINK_LINE2);
    EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_LINK_CONTINUE));
    dlg->GotoDlgCtrl(dlg->GetDlgItem(IDC_LINK_SERIAL));
    Type("5cx1 2");
    typed = dlg->GetDlgItemText(IDC_LINK_SERIAL);
    Key(Qt::Key_Return);
  });
  const INT_PTR result = RunModal(
      *dlg,
      [&] {
        Click(dlg->GetDlgItem(IDC_LINK_START));
        EXPECT_FALSE(Visible(*dlg, IDC_LINK_START));
        EXPECT_FALSE(Visible(*dlg, IDCANCEL));
        ASSERT_TRUE(PumpUntil([&] { return Visible(*dlg, IDC_LINK_OK); }, 30000));
        EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_LINE1), kRecoverCompleted);
        EXPECT_EQ(dlg->GetDlgItemText(IDC_LINK_LINE2), "");
        EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_LINK_OK));
        EXPECT_TRUE(Visible(*dlg, IDC_LINK_PROGRESS));
        EXPECT_TRUE(Visible(*dlg, IDC_LINK_BLOCK));
        EXPECT_FALSE(Visible(*dlg, IDC_LINK_SERIAL));
        EXPECT_FALSE(Visible(*dlg, IDC_LINK_CONTINUE));
        Click(dlg->GetDlgItem(IDC_LINK_OK));
      },
      30000);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(shown, "0B000000");
  EXPECT_EQ(line2, "Serial No.(MAX 8 fig)");
  EXPECT_EQ(typed, "5C12");

  ASSERT_EQ(prompts.Prompts().size(), 1u);
  const FileDialogRequest& request = prompts.Prompts()[0].request;
  EXPECT_EQ(request.title, "Select file");
  EXPECT_EQ(request.initialDir, "Data");
  EXPECT_EQ(request.filter.rfind("PX417 Files (*.X417)|*.X417", 0), 0u);
  EXPECT_EQ(request.flags, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);

  EXPECT_STREQ(model->identity.SerialText(), "5C120000");
  const auto held = radio->Image();
  EXPECT_EQ(std::vector<std::uint8_t>(held.begin() + kA + 380, held.end()),
            (std::vector<std::uint8_t>{0x51, 0x12, 0x00, 0x00}));
  EXPECT_EQ(Written(CMD_WRITE_BLOCK).size(), 255u);  // wire blocks 0..254
}

// A blank hardware word: the default file's words go back with a fresh
// checksum; no blocks, so the progress bar stays hidden.
TEST_F(RecoverDlgTest, DefaultFileRepairKeepsTheBarHidden) {
  memory[img::kHardware] = memory[img::kHardware + 1] = 0xFF;
  radio->SetImage(memory);
  auto dlg = MakeDialog();
  const INT_PTR result = RunModal(
      *dlg,
      [&] {
        Click(dlg->GetDlgItem(IDC_LINK_START));
        ASSERT_TRUE(PumpUntil([&] { return Visible(*dlg, IDC_LINK_OK); }, 30000));
        EXPECT_FALSE(Visible(*dlg, IDC_LINK_PROGRESS));
        Click(dlg->GetDlgItem(IDC_LINK_OK));
      },
      30000);
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(Written(CMD_WRITE_BLOCK).empty());
  std::uint16_t sum = 0;
  for (int i = 3; i <= 16; ++i) sum = std::uint16_t(sum + WordOf(uhf, i));
  EXPECT_EQ(radio->Word(2), sum);
  EXPECT_EQ(radio->Word(16), WordOf(uhf, 16));
}

// A refusal shows its box and closes the dialog, and so does a failure on
// the message lines; with the block-push map the dialog completes without a
// byte on the line.
TEST_F(RecoverDlgTest, RefusalAndBlockPushMap) {
  memory[img::kHardware] = memory[img::kHardware + 1] = 0xFF;
  SetA(3000);
  radio->SetImage(memory);
  auto dlg = MakeDialog();
  EXPECT_EQ(RunModal(*dlg, [&] { Click(dlg->GetDlgItem(IDC_LINK_START)); }, 10000), 0);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Production mismatch!"});
  EXPECT_TRUE(Written(CMD_WRITE_WORD).empty());
  dlg.reset();

  // A failure that stands on the message lines is shown in a box as well.
  prompts.Clear();
  SetA(4800);
  memory[img::kHardware] = 0x61;
  radio->SetImage(memory);
  radio->InjectFault({.fault = radiosim::Fault::kNak, .command = CMD_WRITE_WORD, .times = -1});
  auto failing = MakeDialog();
  EXPECT_EQ(RunModal(*failing, [&] { Click(failing->GetDlgItem(IDC_LINK_START)); }, 10000), 0);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Download Error!"});
  failing.reset();

  radio->ClearLog();
  settings.blockPushMode = true;
  std::fill(model->image.begin(), model->image.end(), 0x5A);
  auto push = MakeDialog();
  EXPECT_EQ(RunModal(*push,
                     [&] {
                       Click(push->GetDlgItem(IDC_LINK_START));
                       ASSERT_TRUE(PumpUntil([&] { return Visible(*push, IDC_LINK_OK); }));
                       EXPECT_EQ(push->GetDlgItemText(IDC_LINK_LINE1), kRecoverCompleted);
                       Click(push->GetDlgItem(IDC_LINK_OK));
                     }),
            0);
  EXPECT_TRUE(radio->Chunks().empty());
  EXPECT_TRUE(std::all_of(model->image.begin(), model->image.end(), [](std::uint8_t b) { return b == 0x5A; }));
}

// Closing the dialog while it asks for the serial number ends the repair
// before anything is written.
TEST_F(RecoverDlgTest, ClosingDuringTheSerialPromptAborts) {
  SetA(0xFFFF);
  radio->SetImage(memory);
  std::vector<std::uint8_t> file = uhf;
  std::fill(file.begin() + kA + 380, file.begin() + kA + 384, 0);
  WriteBytes("mine.X417", file);
  prompts.AnswerFile(std::string("mine.X417"));

  auto dlg = MakeDialog();
  bool closed = false;
  TimedAutopilot esc([&] {
    if (closed || !dlg->GetSafeHwnd() || !Visible(*dlg, IDC_LINK_CONTINUE)) return;
    closed = true;
    Key(Qt::Key_Escape);
  });
  const INT_PTR result = RunModal(*dlg, [&] { Click(dlg->GetDlgItem(IDC_LINK_START)); }, 10000);
  EXPECT_TRUE(closed);
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(Written(CMD_WRITE_BLOCK).empty());
  EXPECT_TRUE(Written(CMD_WRITE_WORD).empty());
}

}  // namespace
