// However the program comes to hold its data (a start with or without its
// default file, the MODEL choice, a file opened, a radio read, Adjustment
// Recover, the memory editor's load, OK in a 5-Tone dialog), a file saved from
// it loads back as saved: save A, open A, save B gives B equal to A byte for
// byte, and every tab shows after the open what it showed before the save.
#include "test_main_dlg_support.h"

#include <QAbstractButton>
#include <QComboBox>

#include <functional>
#include <sstream>

#include "link/adjust_recover.h"
#include "link/read_radio.h"
#include "model/default_image.h"
#include "radio/link_doubles.h"
#include "radio/sim_transfer.h"
#include "radio/simulated_radio.h"
#include "res/page_five_tone.h"
#include "shell/file_commands.h"
#include "ui/table_control/flex_grid.h"

namespace main_dlg_test {
namespace {

constexpr int kCom = 2;  // the simulated radio answers as COM3

Bytes DefaultFile(bool uhf) {
  Bytes file;
  EXPECT_TRUE(BuildDefaultDataFile(uhf, file));
  return file;
}

// The read and the recovery of the program, run against a simulated radio
// (with the link's test pacing, so a whole read takes a moment).
class CSimulatedRadioLink : public IRadioLinkCommands {
 public:
  CSimulatedRadioLink(const fs::path& folder, const Bytes& memory) {
    radiosim::SimulatedRadio::Options options;
    options.mode = radiosim::Mode::kWordMode;
    m_radio = std::make_unique<radiosim::SimulatedRadio>(options);
    m_radio->LinkAsCom(folder, kCom);
    m_radio->SetImage(memory);
    m_port.SetDeviceFolder(folder);
    m_port.SetOpener(radiosim::SettledOpener());  // no time-out races the radio's thread
    m_port.SetPacing(&m_pacing);
    m_settings.comIndex = kCom;
  }
  bool ReadFromRadio(CWnd*) override {
    radiosim::RecordingTransferUi ui;
    const int result = ::ReadFromRadio(m_port, ui, m_settings, TheModel());
    m_port.ClosePort();
    EXPECT_EQ(result, kTransferDone) << ::testing::PrintToString(ui.boxes);
    return result == kTransferDone;
  }
  void AdjustmentRecover(CWnd*) override {
    radiosim::RecordingTransferUi ui;
    EXPECT_EQ(RecoverAdjustment(m_port, ui, m_settings, TheModel(), {}), kTransferDone)
        << ::testing::PrintToString(ui.boxes);
    m_port.ClosePort();
  }
  void SendToRadio(CWnd*) override {}
  void Alignment(CWnd*) override {}
  void OpenRomEditor(CWnd*) override {}

 private:
  std::unique_ptr<radiosim::SimulatedRadio> m_radio;
  radiosim::TestPacing m_pacing;
  CComPort m_port;
  TransferSettings m_settings;
};

class RoundTripTest;

// One way the data arrive, and the file label the main window shows then.
struct Arrival {
  const char* name;
  const char* label;
  std::function<void(RoundTripTest&)> arrive;
};

// Test names and failures name the way.
void PrintTo(const Arrival& arrival, std::ostream* out) { *out << arrival.name; }

class RoundTripTest : public MainDlgTest, public ::testing::WithParamInterface<Arrival> {
 public:
  // What the ways of arrival drive.
  using MainDlgTest::ChooseModel;
  using MainDlgTest::Command;
  using MainDlgTest::dir;
  using MainDlgTest::prompts;
  using MainDlgTest::Start;

  void TearDown() override {
    SetRadioLinkCommands(nullptr);
    link.reset();
    MainDlgTest::TearDown();
  }

  // Both default files, as the build writes them.
  void WriteDefaultFiles() {
    WriteBytes(dir / "Data/DEFAULTUP.X417", DefaultFile(true));
    WriteBytes(dir / "Data/DEFAULTVP.X417", DefaultFile(false));
  }

  void OpenFile(const fs::path& path) {
    prompts.AnswerFile(path.string());
    Command(ID_FILE_OPEN_X);
  }
  void SaveAs(const fs::path& path) {
    prompts.AnswerFile(path.string());
    Command(ID_FILE_SAVE_X);
  }

  // A start on a dealer's VHF file outside Data/: the radio's own serial and
  // ESN, and the system type given (0x40 LTR, 0x00 PassPort).
  void StartOnDealersFile(std::uint8_t systemType) {
    Bytes file = DefaultFile(false);
    file[img::kSystemType] = std::uint8_t((file[img::kSystemType] & ~0x40) | systemType);
    const std::uint8_t serial[4] = {0x0C, 0x01, 0x23, 0x45};
    std::copy(std::begin(serial), std::end(serial), file.begin() + img::kAdjustmentBlock + 380);
    WriteBytes(dir / "dealer.X417", file);
    Start({"dealer.X417"});
    EXPECT_EQ(dlg->GetDlgItemText(IDC_SERIAL_EDIT), "0N012345");
  }

  // The same for a VHF model, which the list does not offer: what its handler runs.
  void ChooseVhfModel() {
    TheModel().ChangeModel(kVhfHardware, dir.string());
    dlg->BuildTabs();
  }

  // OK in the 5-Tone page's dialog behind `button`.
  void OkInFiveToneDialog(int button) {
    Command(ID_PAGE_FIVE_TONE);
    prompts.AnswerDialog([](CDialog& d) {
      return ui_test::RunModal(d, [&] {
        d.GotoDlgCtrl(d.GetDlgItem(IDOK));
        EXPECT_TRUE(ui_test::PumpUntil([&] { return CWnd::GetFocus() == d.GetDlgItem(IDOK); }));
        ui_test::Key(Qt::Key_Return);
      });
    });
    ui_test::Click(dlg->GetCurrentPage()->GetDlgItem(button));
  }

  void UseSimulatedRadio(const Bytes& memory) {
    link = std::make_unique<CSimulatedRadioLink>(dir, memory);
    SetRadioLinkCommands(link.get());
  }

  // What every tab shows: each control's id, text, check and choice, and the
  // cells of a grid, in the order the page makes them.
  std::vector<std::string> ShownPages() {
    std::vector<std::string> lines;
    for (const PageSlot slot : std::vector<PageSlot>(dlg->TabSet())) {
      dlg->SelectPage(slot);
      ui_test::Pump();
      CDialog* page = dlg->GetCurrentPage();
      if (!page) {
        ADD_FAILURE() << "no page on tab " << dlg->GetTabCtrl().GetCurSel();
        continue;
      }
      const std::string tab = "tab " + std::to_string(dlg->GetTabCtrl().GetCurSel()) + ", control ";
      QWidget* root = page->GetSafeHwnd();
      for (QWidget* w : root->findChildren<QWidget*>()) {
        CWnd* control = CWnd::FromHandlePermanent(w);
        if (!control || !w->isVisibleTo(root)) continue;
        std::string line = tab + std::to_string(control->GetDlgCtrlID()) + ": " + control->GetWindowText();
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable()) {
          line += button->isChecked() ? " [x]" : " [ ]";
        }
        if (auto* combo = qobject_cast<QComboBox*>(w)) line += " = " + combo->currentText().toStdString();
        if (auto* grid = dynamic_cast<CMSFlexGrid*>(control)) {
          for (long r = 0; r < grid->GetRows(); ++r) {
            for (long c = 0; c < grid->GetCols(); ++c) line += " |" + grid->GetTextMatrix(r, c);
          }
        }
        lines.push_back(line);
      }
    }
    return lines;
  }

  std::unique_ptr<CSimulatedRadioLink> link;
};

// The lines that differ, side by side.
std::string LinesThatDiffer(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  std::ostringstream out;
  if (before.size() != after.size()) out << before.size() << " lines before, " << after.size() << " after\n";
  for (std::size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
    if (before[i] != after[i]) out << "before: " << before[i] << "\nafter:  " << after[i] << "\n";
  }
  return out.str();
}

// The bytes that differ by offset, with the two values.
std::string BytesThatDiffer(const Bytes& a, const Bytes& b) {
  std::ostringstream out;
  if (a.size() != b.size()) out << a.size() << " bytes against " << b.size() << "\n";
  int shown = 0;
  for (std::size_t i = 0; i < std::min(a.size(), b.size()) && shown < 40; ++i) {
    if (a[i] != b[i]) {
      out << "byte " << i << ": " << int(a[i]) << " then " << int(b[i]) << "\n";
      ++shown;
    }
  }
  return out.str();
}

TEST_P(RoundTripTest, ASavedFileLoadsBackAsSaved) {
  GetParam().arrive(*this);
  ui_test::Pump();
  ASSERT_TRUE(dlg && dlg->IsWindowVisible());
  EXPECT_EQ(dlg->GetFileLabel(), GetParam().label);
  // The window shows the identity of the data in hand.
  EXPECT_EQ(dlg->GetDlgItemText(IDC_SERIAL_EDIT), TheModel().identity.SerialText());
  EXPECT_EQ(dlg->GetDlgItemText(IDC_ESN_EDIT), std::to_string(TheModel().identity.Esn()));

  prompts.Clear();
  const std::vector<std::string> before = ShownPages();
  SaveAs(dir / "A.X417");
  OpenFile(dir / "A.X417");
  ASSERT_EQ(dlg->GetFileLabel(), "File:A.X417");
  const std::vector<std::string> after = ShownPages();
  SaveAs(dir / "B.X417");
  EXPECT_TRUE(prompts.MessageTexts().empty()) << ::testing::PrintToString(prompts.MessageTexts());

  const Bytes a = ReadBytes(dir / "A.X417");
  const Bytes b = ReadBytes(dir / "B.X417");
  EXPECT_EQ(a.size(), kDataFileSize);
  EXPECT_TRUE(a == b) << BytesThatDiffer(a, b);
  EXPECT_TRUE(before == after) << LinesThatDiffer(before, after);
}

// A radio as a dealer meets it: its own serial number, and the channel blocks
// beyond its last one never written.
Bytes RadioMemory() {
  Bytes memory = DefaultFile(false);
  memory[252] = 100;  // last channel block
  const std::uint8_t serial[4] = {0x0C, 0x01, 0x23, 0x45};
  std::copy(std::begin(serial), std::end(serial), memory.begin() + img::kAdjustmentBlock + 380);
  radiosim::SetAdjustmentChecksum(memory);
  return memory;
}

// A radio whose hardware word was lost: the recovery repairs it from the UHF default file.
Bytes RadioWithoutHardwareWord() {
  Bytes memory = DefaultFile(true);
  memory[img::kHardware] = memory[img::kHardware + 1] = 0xFF;
  SetBE16(&memory[img::kAdjustmentBlock], 4800);
  return memory;
}

const Arrival kArrivals[] = {
    {"StartOnTheDefaultFile", "File:DEFAULTUP.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       t.Start();
     }},
    {"StartWithNoDataFolder", "", [](RoundTripTest& t) {
       fs::remove_all(t.dir / "Data");
       t.Start();
     }},
    {"StartOnAFileThatCannotBeRead", "", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       Bytes cut = DefaultFile(false);
       cut.resize(100);
       WriteBytes(t.dir / "cut.X417", cut);
       t.Start({"cut.X417"});
     }},
    {"ModelChoiceUhf", "File:DEFAULTUP.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       t.Start({"Data/DEFAULTVP.X417"});
       t.ChooseModel();
     }},
    {"ModelChoiceUhfWithoutItsFile", "File:DEFAULTVP.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       t.Start({"Data/DEFAULTVP.X417"});
       fs::remove(t.dir / "Data/DEFAULTUP.X417");
       t.ChooseModel();
     }},
    // The MODEL choice keeps the system type of the data before it, PassPort
    // as well as LTR, with the band's default file, without it and without Data/.
    {"ModelChoiceFromPassPortData", "File:DEFAULTUP.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       t.StartOnDealersFile(0x00);
       t.ChooseModel();
     }},
    {"ModelChoiceFromPassPortDataWithoutItsFile", "File:dealer.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       fs::remove(t.dir / "Data/DEFAULTUP.X417");
       t.StartOnDealersFile(0x00);
       t.ChooseModel();
     }},
    {"ModelChoiceFromPassPortDataWithNoDataFolder", "File:dealer.X417", [](RoundTripTest& t) {
       fs::remove_all(t.dir / "Data");
       t.StartOnDealersFile(0x00);
       t.ChooseModel();
     }},
    {"ModelChoiceFromLtrDataWithNoDataFolder", "File:dealer.X417", [](RoundTripTest& t) {
       fs::remove_all(t.dir / "Data");
       t.StartOnDealersFile(0x40);
       t.ChooseModel();
     }},
    {"ModelChoiceVhf", "File:DEFAULTVP.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       t.Start();
       t.ChooseVhfModel();
     }},
    {"ModelChoiceVhfWithoutItsFile", "File:DEFAULTUP.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       t.Start();
       fs::remove(t.dir / "Data/DEFAULTVP.X417");
       t.ChooseVhfModel();
     }},
    {"OpenTheUhfDefaultFile", "File:DEFAULTUP.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       t.Start({"Data/DEFAULTVP.X417"});
       t.OpenFile(t.dir / "Data/DEFAULTUP.X417");
     }},
    {"OpenTheVhfDefaultFile", "File:DEFAULTVP.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       t.Start();
       t.OpenFile(t.dir / "Data/DEFAULTVP.X417");
     }},
    {"OpenAProductionType10File", "File:type10.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       Bytes file = DefaultFile(true);
       file[img::kProductionType] = 10;
       WriteBytes(t.dir / "Data/type10.X417", file);
       t.Start();
       t.OpenFile(t.dir / "Data/type10.X417");
     }},
    // A damaged channel 107: programmed, its receive divider 0, its tune word 0x2E00.
    {"OpenAFileWithADamagedChannel", "File:damaged.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       Bytes file = DefaultFile(false);
       file[10010] = file[10011] = 0, file[10016] = 0x2E;
       WriteBytes(t.dir / "Data/damaged.X417", file);
       t.Start();
       t.OpenFile(t.dir / "Data/damaged.X417");
     }},
    {"ReadFromTheSimulatedRadio", "", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       t.Start();
       t.UseSimulatedRadio(RadioMemory());
       t.Command(ID_RADIO_READ);
     }},
    {"AdjustmentRecover", "File:DEFAULTUP.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       t.Start({"Data/DEFAULTVP.X417"});
       t.UseSimulatedRadio(RadioWithoutHardwareWord());
       t.Command(ID_RADIO_RECOVER);
     }},
    {"MemoryEditorLoad", "File:DEFAULTVP.X417", [](RoundTripTest& t) {
       t.WriteDefaultFiles();
       std::ofstream(t.dir / "KM907.CFG") << std::string(10, '\0');
       t.Start();
       InstallLinkDialogs();
       t.Command(ID_ROM_EDITOR);
       CDialog* editor = FindRomEditor();
       ASSERT_NE(editor, nullptr);
       t.prompts.AnswerFile((t.dir / "Data/DEFAULTVP.X417").string());
       editor->SendMessage(WM_COMMAND, IDC_ROM_FILE_LOAD, 0);
       editor->SendMessage(WM_COMMAND, IDCANCEL, 0);
     }},
    // The 5-Tone dialogs pack their records into the image on OK; from the
    // built-in defaults, whose 5-Tone block no file brought.
    {"OkInTheCommonSystemDialog", "", [](RoundTripTest& t) {
       fs::remove_all(t.dir / "Data");
       t.Start();
       t.OkInFiveToneDialog(IDC_FT_COMMON_SYSTEM);
     }},
    {"OkInTheEncodeDecodeDialog", "", [](RoundTripTest& t) {
       fs::remove_all(t.dir / "Data");
       t.Start();
       t.OkInFiveToneDialog(IDC_FT_ENCODE_DECODE);
     }},
};

INSTANTIATE_TEST_SUITE_P(EveryWayDataArrive, RoundTripTest, ::testing::ValuesIn(kArrivals),
                         [](const ::testing::TestParamInfo<Arrival>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace main_dlg_test
