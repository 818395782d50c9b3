// The Configuration and HELP dialogs, run modally and driven by real keys and
// clicks in an offscreen window.
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "radio/simulated_radio.h"
#include "shell/dialogs/app_help.h"
#include "shell/dialogs/config_dlg.h"
#include "shell/dialogs/help_dlg.h"
#include "shell/program_config.h"
#include "ui/ui_test_support.h"

namespace fs = std::filesystem;
using namespace ui_test;

namespace {

using Bytes = std::vector<std::uint8_t>;

CComboBox* Combo(CDialog& dlg, int id) { return static_cast<CComboBox*>(dlg.GetDlgItem(id)); }

class ConfigDlgTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    char name[] = "/tmp/cfgdlgXXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    dir = name;
    config.SetFolder(dir);
    config.SetMessageSink([](const std::string& text) { AfxMessageBox(text); });
    ports = {dir / "dev", dir / "sys"};
    fs::create_directories(ports.links);
    fs::create_directories(ports.devices);
  }
  void TearDown() override {
    WndTest::TearDown();
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  void Write(const char* name, const Bytes& bytes) {
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  Bytes Read(const char* name) {
    std::ifstream in(dir / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  // A full "PX417.CFG" with the COM index and distinct bytes everywhere else.
  static Bytes File1(int com) {
    Bytes b(56);
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(0x30 + i);
    b[0] = static_cast<std::uint8_t>(com);
    b[1] = 0;
    b[2] = 1;  // LPT 2
    b[3] = 0;
    return b;
  }
  // "KM907.CFG": COM, LPT 2, EEPROM end 127, flash start 0x38000.
  static Bytes File2(int com) { return {static_cast<std::uint8_t>(com), 0, 1, 0, 127, 0, 0x00, 0x80, 0x03, 0x00}; }

  fs::path dir;
  CProgramConfig config;
  ComFolders ports;  // a fake device tree in dir: links and devices
};

TEST_F(ConfigDlgTest, OpensOnTheConfiguredPortAndCancelLeavesTheFilesAlone) {
  Write("PX417.CFG", File1(15));
  Write("KM907.CFG", File2(15));
  config.Load();
  ASSERT_EQ(config.GetComPort(), 15);

  CConfigDlg dlg(nullptr, config);
  dlg.SetComFolders(ports);
  const INT_PTR result = RunModal(dlg, [&] {
    EXPECT_EQ(dlg.GetWindowText(), "Configuration");
    CComboBox* list = Combo(dlg, IDC_COM_LIST);
    ASSERT_EQ(list->GetCount(), 16);
    EXPECT_EQ(list->GetCurSel(), 15);
    EXPECT_EQ(list->GetLBText(list->GetCurSel()), "COM 16   (no device)");
    // The group box and its radio buttons stay hidden.
    EXPECT_FALSE(dlg.GetDlgItem(IDC_COM_GROUP)->IsWindowVisible());
    EXPECT_FALSE(dlg.GetDlgItem(IDC_COM_RADIO1)->IsWindowVisible());
    // A choice made and then cancelled.
    dlg.GotoDlgCtrl(list);
    Key(Qt::Key_Up);
    EXPECT_EQ(list->GetCurSel(), 14);
    EXPECT_EQ(dlg.GetPortIndex(), 14);
    Click(dlg.GetDlgItem(IDCANCEL));
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(Read("PX417.CFG"), File1(15));
  EXPECT_EQ(Read("KM907.CFG"), File2(15));
  EXPECT_EQ(config.GetComPort(), 15);
}

// A terminal (the line of a simulated radio, a pseudo-terminal, the process's
// own terminal) is shown as it is; what the port would refuse as no serial port (a file, a folder, a FIFO,
// /dev/null) is marked so, found by a link or not.
TEST_F(ConfigDlgTest, EachPortShowsTheDeviceItWouldOpenAndFits) {
  const radiosim::SimulatedRadio terminal;
  for (const char* device : {"ttyUSB0", "ttyS3"}) fs::create_symlink(terminal.SlavePath(), ports.devices / device);
  std::ofstream(ports.devices / "ttyACM7") << "";
  std::ofstream(dir / "plain") << "";
  fs::create_symlink("/nonexistent/ttyUSB7", ports.links / "com2");
  fs::create_symlink("../sys/ttyS3", ports.links / "com5");
  fs::create_symlink("/dev/null", ports.links / "com6");
  fs::create_symlink(dir / "plain", ports.links / "com7");
  fs::create_symlink(terminal.SlavePath(), ports.links / "com9");
  fs::create_symlink(dir, ports.links / "com10");
  fs::create_symlink("/dev/tty", ports.links / "com12");
  ASSERT_EQ(mkfifo((ports.devices / "ttyS10").c_str(), 0600), 0);
  const std::string sys = ports.devices.string();
  const std::pair<int, std::string> shown[] = {
      {0, "COM 1   " + sys + "/ttyUSB0"},
      {1, "COM 2   /nonexistent/ttyUSB7 (missing)"},
      {2, "COM 3   (no device)"},
      {4, "COM 5   " + sys + "/ttyS3"},
      {5, "COM 6   /dev/null (not a serial port)"},
      {6, "COM 7   " + (dir / "plain").string() + " (not a serial port)"},
      {7, "COM 8   " + sys + "/ttyACM7 (not a serial port)"},
      {8, "COM 9   " + terminal.SlavePath()},
      {9, "COM 10   " + dir.string() + " (not a serial port)"},
      {10, "COM 11   " + sys + "/ttyS10 (not a serial port)"},
      {11, "COM 12   /dev/tty"},
  };
  config.Load();
  CConfigDlg dlg(nullptr, config);
  dlg.SetComFolders(ports);
  int room = 0, need = 0;
  RunModal(dlg, [&] {
    CComboBox* list = Combo(dlg, IDC_COM_LIST);
    for (const auto& [index, text] : shown) EXPECT_EQ(list->GetLBText(index), text);
    EXPECT_EQ(list->GetCurSel(), 0);
    // The longest usual entries fit the field beside the arrow.
    auto* combo = qobject_cast<QComboBox*>(list->GetSafeHwnd());
    ASSERT_NE(combo, nullptr);
    QStyleOptionComboBox option;
    option.initFrom(combo);
    room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
    for (const char* longest : {"COM 16   /dev/ttyUSB15", "COM 16   /dev/null (not a serial port)"}) {
      need = std::max(need, combo->fontMetrics().horizontalAdvance(QString::fromLatin1(longest)));
    }
    Key(Qt::Key_Escape);
  });
  EXPECT_GE(room, need);
}

TEST_F(ConfigDlgTest, EnterInThePortListDoesNotCloseTheDialog) {
  config.Load();
  CConfigDlg dlg(nullptr, config);
  bool openAfterEnter = false;
  bool droppedAfterEnter = false;
  const INT_PTR result = RunModal(dlg, [&] {
    CComboBox* list = Combo(dlg, IDC_COM_LIST);
    dlg.GotoDlgCtrl(list);
    Key(Qt::Key_Return);
    Pump();
    openAfterEnter = dlg.GetSafeHwnd() && dlg.IsWindowVisible();
    droppedAfterEnter = list->GetDroppedState();
    if (droppedAfterEnter) Key(Qt::Key_Escape);  // the list's own Esc closes only the list
    Pump();
    Click(dlg.GetDlgItem(IDCANCEL));
  });
  EXPECT_TRUE(openAfterEnter);
  EXPECT_TRUE(droppedAfterEnter);  // Enter opens the list instead
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_FALSE(fs::exists(dir / "PX417.CFG"));
}

TEST_F(ConfigDlgTest, OkSavesTheChosenPortInBothFilesByteExact) {
  Write("PX417.CFG", File1(0));
  Write("KM907.CFG", File2(0));
  config.Load();
  CConfigDlg dlg(nullptr, config);
  const INT_PTR result = RunModal(dlg, [&] {
    dlg.GotoDlgCtrl(Combo(dlg, IDC_COM_LIST));
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Tab);  // to OK, where Enter presses the button
    Key(Qt::Key_Return);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(config.GetComPort(), 2);
  EXPECT_EQ(Read("PX417.CFG"), File1(2));
  EXPECT_EQ(Read("KM907.CFG"), File2(2));
  EXPECT_TRUE(prompts.MessageTexts().empty());
}

TEST_F(ConfigDlgTest, AFailedSaveIsReportedAndTheDialogStillCloses) {
  fs::create_directory(dir / "PX417.CFG");  // cannot be opened as a file
  config.Load();
  CConfigDlg dlg(nullptr, config);
  const INT_PTR result = RunModal(dlg, [&] { Click(dlg.GetDlgItem(IDOK)); });
  EXPECT_EQ(result, IDOK);
  ASSERT_EQ(prompts.MessageTexts().size(), 1u);
  EXPECT_EQ(prompts.MessageTexts()[0],
            "Problem Saving file\n    " + (dir / "PX417.CFG").string() + "\n\n   Press any key");
}

TEST_F(ConfigDlgTest, HelpRequestsForControlsGoToTheApplicationsHelp) {
  std::vector<std::pair<DWORD_PTR, UINT>> asked;
  SetAppWinHelp([&](DWORD_PTR id, UINT cmd) { asked.emplace_back(id, cmd); });
  config.Load();
  CConfigDlg dlg(nullptr, config);
  RunModal(dlg, [&] {
    HELPINFO info;
    info.iCtrlId = IDC_COM_LIST;
    EXPECT_EQ(dlg.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), TRUE);
    info.iCtrlId = 9;
    dlg.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    info.iCtrlId = 0;
    dlg.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    Key(Qt::Key_Escape);
  });
  SetAppWinHelp({});
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].first, static_cast<DWORD_PTR>(IDC_COM_LIST));
  EXPECT_EQ(asked[0].second, HELP_CONTEXT);
}

TEST(HelpDlgTest, ShowsTheGetStartedTextLineByLine) {
  EnsureApp();
  CHelpDlg dlg;
  std::string text;
  bool cancelHidden = false;
  int selStart = -1, selEnd = -1, scrolled = -1;
  const INT_PTR result = RunModal(dlg, [&] {
    EXPECT_EQ(dlg.GetWindowText(), "HELP");
    text = dlg.GetDlgItemText(IDC_HELP_TEXT);
    cancelHidden = !dlg.GetDlgItem(IDCANCEL)->IsWindowVisible();
    // It opens at the start of the text, nothing selected.
    auto* edit = static_cast<CEdit*>(dlg.GetDlgItem(IDC_HELP_TEXT));
    edit->GetSel(selStart, selEnd);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(edit->GetSafeHwnd())) {
      scrolled = area->verticalScrollBar()->value();
    }
    Click(dlg.GetDlgItem(IDOK));
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(cancelHidden);
  EXPECT_EQ(selStart, 0);
  EXPECT_EQ(selEnd, 0);
  EXPECT_EQ(scrolled, 0);

  // Lines joined with CR LF, none after the last; leading blanks kept.
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
    lines.push_back(text.substr(start, at - start));
  }
  lines.push_back(text.substr(start));
  ASSERT_EQ(lines.size(), 35u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 34);
  EXPECT_EQ(lines[0], "GET STARTED");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "(1)  Welcome to the PX417 programming software for the");
  EXPECT_EQ(lines[3], "     Halvard TQ-5100 PassPort Transceiver.");
  EXPECT_EQ(lines[10], "(2)  Review the software configuration settings under");
  EXPECT_EQ(lines[15], "(3)  Before you attempt to write any programming data, it is");
  EXPECT_EQ(lines[24], "     - Connect the LNK-4 programming cable or QAB-31C/RK-552B");
  EXPECT_EQ(lines[27], "     - Open \"Radio\" from the pull-down menus and select");
  EXPECT_EQ(lines[30], "       \"read\" is in progress, the radio's display will read");
  EXPECT_EQ(lines[34], "       upload process.");
  for (int empty : {1, 9, 14, 23}) EXPECT_EQ(lines[static_cast<std::size_t>(empty)], "") << empty;
}

}  // namespace
