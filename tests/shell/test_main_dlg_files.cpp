// The Files, Radio and Help commands of the main dialog: the file dialogs and
// their extension rules, the save prompt on exit, open and SIGTERM, the
// byte-exact round trip of a saved file, the DFA table before a VHF send, the
// serial field, help with and without the help file and the desktop's opener,
// the About box, and the tab set and the Zone tab rebuilt by whatever replaces
// the data.
#include "test_main_dlg_support.h"

#include <signal.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <regex>
#include <set>
#include <tuple>

#include "model/five_tone_fields.h"
#include "pages/column_pages/grid_page.h"
#include "res/dialogs_align.h"
#include "res/dialogs_five_tone.h"
#include "res/dialogs_link.h"
#include "res/dialogs_rom_edit.h"
#include "res/dialogs_small.h"
#include "res/page_five_tone.h"
#include "res/page_global1.h"
#include "res/page_dtmf.h"
#include "res/page_global2.h"
#include "res/page_ltr_group.h"
#include "res/page_mobile_special.h"
#include "res/page_sel_call.h"
#include "res/page_zone_overview.h"
#include "shell/app.h"
#include "shell/file_commands.h"
#include "ui/messages.h"

using namespace main_dlg_test;
using namespace ui_test;

namespace {

const std::string kAskToSave = "Save changes to File:start.X417?";

class MainDlgFilesTest : public MainDlgTest {
 protected:
  void SetUp() override {
    MainDlgTest::SetUp();
    WriteDataFile(dir / "Data/start.X417");
    WriteDataFile(dir / "Data/other.x417", true);
    Start({"Data/start.X417"});
    prompts.Clear();
  }
  void Edit() { g_bModified = 1; }
};

}  // namespace

TEST(FileCommandRules, ExtensionsAndRequests) {
  EXPECT_TRUE(HasX417Extension("a.x417"));
  EXPECT_TRUE(HasX417Extension("X417"));
  EXPECT_FALSE(HasX417Extension("417"));
  EXPECT_FALSE(HasX417Extension("a.X418"));
  EXPECT_EQ(WithDefaultExtension("/home/a.b/radio"), "/home/a.b/radio.X417");
  EXPECT_EQ(WithDefaultExtension("radio.txt"), "radio.txt");
  EXPECT_EQ(WithDefaultExtension("radio"), "radio.X417");

  const FileDialogRequest open = OpenFileRequest();
  EXPECT_EQ(open.title, "Select file");
  EXPECT_EQ(open.filter, "PX62 Files (*.X417)|*.X417||");
  EXPECT_EQ(open.initialDir, "Data");
  EXPECT_EQ(open.flags, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
  const FileDialogRequest save = SaveFileRequest();
  EXPECT_EQ(save.title, "Select save file");
  EXPECT_EQ(save.filter, "*.X417|*.X417||");
  EXPECT_EQ(save.flags & OFN_FILEMUSTEXIST, 0u);
  // Lower-case files are listed by the filter.
  EXPECT_TRUE(QtNameFilters(open.filter).join(";").contains("*.X417"));
}

TEST_F(MainDlgFilesTest, OpenLoadsAndRefusesOtherExtensions) {
  prompts.AnswerFile((dir / "Data/other.x417").string());
  Command(ID_FILE_OPEN_X);
  EXPECT_EQ(prompts.Prompts().at(0).kind, CScriptedPrompts::Kind::OpenFile);
  EXPECT_EQ(prompts.Prompts().at(0).request.title, "Select file");
  EXPECT_EQ(dlg->GetFileLabel(), "File:other.x417");
  EXPECT_EQ(TheModel().global.bandFlag, 0u);
  EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), 0);
  EXPECT_EQ(fs::current_path(), dir);

  fs::copy_file(dir / "Data/start.X417", dir / "Data/start.dat");
  prompts.Clear();
  prompts.AnswerFile((dir / "Data/start.dat").string());
  Command(ID_FILE_OPEN_ALT);
  EXPECT_EQ(prompts.MessageTexts(),
            std::vector<std::string>{"Problem opening file\n    " + (dir / "Data/start.dat").string() +
                                     "\n\n   Press any key"});
  EXPECT_EQ(dlg->GetFileLabel(), "File:other.x417");
}

TEST_F(MainDlgFilesTest, SaveAppendsTheExtensionAndRoundTripsByteExact) {
  fs::create_directory(dir / "a.b");
  prompts.AnswerFile((dir / "a.b/first").string());
  Edit();
  Command(ID_FILE_SAVE_X);
  ASSERT_TRUE(fs::exists(dir / "a.b/first.X417"));
  EXPECT_EQ(dlg->GetFileLabel(), "File:first.X417");
  EXPECT_EQ(g_bModified, 0u);

  prompts.AnswerFile((dir / "a.b/first.X417").string());
  Command(ID_FILE_OPEN_X);
  prompts.AnswerFile((dir / "a.b/second.X417").string());
  Command(ID_FILE_SAVE_X);
  EXPECT_EQ(ReadBytes(dir / "a.b/first.X417"), ReadBytes(dir / "a.b/second.X417"));
  EXPECT_EQ(ReadBytes(dir / "a.b/first.X417").size(), kDataFileSize);

  prompts.Clear();
  prompts.AnswerFile((dir / "third.txt").string());
  Command(ID_FILE_SAVE_ALT);
  EXPECT_FALSE(fs::exists(dir / "third.txt"));
  EXPECT_EQ(prompts.MessageTexts().size(), 1u);
}

// Saving over a file asks first, whichever file dialog the desktop gives: the
// system's own dialog asks about the name typed when it exists, and the save
// about the name it gives the extension. A desktop's native dialog returns
// the typed name without the extension and asked about that one only (the
// scripted dialog stands in for it). No keeps the file as it was and offers
// the dialog again, with the name given; Yes replaces the file. No is the
// default (Enter answers it). The memory editor's FILE SAVE asks the same.
// An empty name is no file: nothing is asked or saved.
TEST_F(MainDlgFilesTest, SavingOverAFileAsksFirst) {
  struct Case {
    bool editor;        // the memory editor's FILE SAVE, else Files > Save File
    bool systemDialog;  // else a dialog that returns the name as typed
    const char* typed;
    bool replace;
  };
  const Case cases[] = {
      {false, true, "start", false},     {false, true, "start", true},  {false, true, "start.X417", false},
      {false, true, "start.X417", true}, {false, false, "start", false}, {false, false, "start", true},
      {true, true, "start", false},      {true, true, "start.X417", false}, {true, false, "start", false},
      {true, false, "start", true},      {false, false, "", false},
  };
  const std::string question = "start.X417 already exists.\nDo you want to replace it?";
  const fs::path target = dir / "Data/start.X417";
  const Bytes original = ReadBytes(target);
  std::ofstream(dir / "KM907.CFG") << std::string(10, '\0');
  TheProgramConfig().Load();
  InstallLinkDialogs();
  Command(ID_ROM_EDITOR);
  CDialog* editor = FindRomEditor();
  ASSERT_NE(editor, nullptr);
  CQtPromptService system;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.editor ? "editor, " : "") + (c.systemDialog ? "system dialog, " : "native dialog, ") +
                 c.typed + (c.replace ? ", Yes" : ", No"));
    WriteBytes(target, original);
    TheModel().tail[0] = static_cast<std::uint8_t>(~original[kFileImagePart]);  // the data in hand differ from the file
    auto save = [&] { c.editor ? void(editor->SendMessage(WM_COMMAND, IDC_ROM_FILE_SAVE)) : Command(ID_FILE_SAVE_X); };
    std::vector<std::string> questions;
    int dialogs = 0;  // times the file dialog was there to be answered
    if (c.systemDialog) {
      SetPromptService(&system);
      // A person types the name into the name field and presses Enter; the
      // dialog still (or again) there after No is cancelled.
      TimedAutopilot pilot([&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
          questions.push_back(box->text().toStdString());
          if (c.replace) box->button(QMessageBox::Yes)->click();
          else QTest::keyClick(box, Qt::Key_Return);
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
          if (dialogs++ == 0) {
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(c.typed);
            // Queued: the question Enter may raise is answered by this pilot.
            QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
          } else {
            dialog->reject();
          }
        }
      });
      save();
      SetPromptService(&prompts);
    } else {
      prompts.Clear();
      prompts.AnswerFile(*c.typed ? (dir / "Data" / c.typed).string() : "");
      prompts.Answer(c.replace ? IDYES : IDNO);
      prompts.AnswerFile(std::nullopt);
      save();
      questions = prompts.MessageTexts();
      for (const auto& shown : prompts.Prompts()) {
        dialogs += shown.kind == CScriptedPrompts::Kind::SaveFile;
        EXPECT_TRUE(shown.kind != CScriptedPrompts::Kind::MessageBox || (shown.type & MB_DEFMASK) == MB_DEFBUTTON2);
      }
      if (!c.replace && *c.typed) {
        EXPECT_EQ(prompts.Prompts().back().request.fileName, (dir / "Data/start").string());
      }
    }
    EXPECT_EQ(questions, *c.typed ? std::vector<std::string>{question} : std::vector<std::string>{});
    EXPECT_EQ(dialogs, c.replace || !*c.typed ? 1 : 2);
    EXPECT_EQ(ReadBytes(target) == original, !c.replace);
    EXPECT_FALSE(fs::exists(dir / "Data/start") || fs::exists(dir / ".X417") || fs::exists(dir / "Data/.X417"));
  }
  editor->SendMessage(WM_COMMAND, IDCANCEL, 0);
  SetRadioLinkCommands(nullptr);
}

TEST_F(MainDlgFilesTest, ExitAsksAboutUnsavedChanges) {
  // Cancel: the program stays, the changes too.
  Edit();
  prompts.Answer(IDCANCEL);
  Command(ID_FILE_EXIT);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kAskToSave});
  EXPECT_EQ(prompts.Prompts()[0].type & 0xF, MB_YESNOCANCEL);
  EXPECT_TRUE(dlg->IsWindowVisible());
  EXPECT_EQ(g_bModified, 1u);

  // Yes, then Cancel in the save dialog: nothing is lost, the program stays.
  prompts.Answer(IDYES);
  prompts.AnswerFile(std::nullopt);
  Command(ID_FILE_EXIT);
  EXPECT_TRUE(dlg->IsWindowVisible());
  EXPECT_EQ(g_bModified, 1u);

  // The same through the close box.
  prompts.Answer(IDYES);
  prompts.AnswerFile(std::nullopt);
  dlg->SendMessage(WM_CLOSE);
  Pump();
  EXPECT_TRUE(dlg->IsWindowVisible());

  // Yes and a save: written, then the program ends.
  prompts.Answer(IDYES);
  prompts.AnswerFile((dir / "kept").string());
  Command(ID_FILE_EXIT);
  Pump();
  EXPECT_TRUE(fs::exists(dir / "kept.X417"));
  EXPECT_FALSE(dlg->IsWindowVisible());
}

TEST_F(MainDlgFilesTest, ExitWithNoEndsWithoutSaving) {
  Edit();
  prompts.Answer(IDNO);
  Command(ID_FILE_EXIT);
  Pump();
  EXPECT_FALSE(dlg->IsWindowVisible());
  EXPECT_EQ(prompts.Prompts().size(), 1u);
}

namespace {

// A real SIGTERM to this process, with the program's close requests
// installed, and time for the program to take it.
void Terminate() {
  InstallCloseRequests();
  ASSERT_EQ(kill(getpid(), SIGTERM), 0);
  Pump(100);
}

}  // namespace

// Every SIGTERM closes as the close box does: one while the save question is
// open changes nothing; after Cancel the program stays with its edit, and the
// next one asks again.
TEST_F(MainDlgFilesTest, EverySigtermAsksAndNoneGoesBehindTheSaveQuestion) {
  Edit();
  prompts.AnswerWith([] {
    Terminate();
    return IDCANCEL;
  });
  Terminate();
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kAskToSave});
  EXPECT_TRUE(dlg->IsWindowVisible());
  EXPECT_EQ(g_bModified, 1u);

  prompts.Answer(IDNO);
  Terminate();
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>(2, kAskToSave));
  EXPECT_FALSE(dlg->IsWindowVisible());
}

// A SIGTERM while an edited 5-Tone dialog is open cancels it first (its
// records as they were), then closes: Yes saves only what was confirmed.
TEST_F(MainDlgFilesTest, ASigtermCancelsAnOpenDialogBeforeTheClose) {
  Edit();
  const auto& used = five_tone::kDisplayDigitUsed[0];
  const std::uint32_t before = used.Get(TheModel());
  bool cancelledBeforeAsked = false;
  prompts.AnswerDialog([&](CDialog& d) {
    return RunModal(d, [&] {
      Click(d.GetDlgItem(kFtDisplayDigitIds[0]));
      EXPECT_NE(used.Get(TheModel()), before);
      Terminate();
    });
  });
  prompts.AnswerWith([&] {
    cancelledBeforeAsked = used.Get(TheModel()) == before && !QApplication::activeModalWidget();
    return IDYES;
  });
  prompts.AnswerFile((dir / "closed.X417").string());
  Command(ID_PAGE_FIVE_TONE);
  Click(dlg->GetCurrentPage()->GetDlgItem(IDC_FT_COMMON_SYSTEM));
  ASSERT_TRUE(PumpUntil([this] { return !dlg->IsWindowVisible(); }));
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kAskToSave});
  EXPECT_TRUE(cancelledBeforeAsked);
  ASSERT_TRUE(TheModel().LoadDataFile((dir / "closed.X417").string(), dir.string()));
  EXPECT_EQ(used.Get(TheModel()), before);
}

// The save question as the real message box, which the close requests can
// see: a SIGTERM while it is open leaves it open; Cancel keeps the edit.
TEST_F(MainDlgFilesTest, ASigtermLeavesTheRealSaveQuestionOpen) {
  struct CRealBoxes : CScriptedPrompts {
    int MessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type) override {
      return system.MessageBox(owner, text, caption, type);
    }
    CQtPromptService system;
  } realBoxes;
  SetPromptService(&realBoxes);
  Edit();
  int terms = 0;
  bool openAfterSignal = false;
  ui_test::TimedAutopilot pilot([&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (terms++ == 0) {
      Terminate();  // a second close request while the question is open
    } else {
      openAfterSignal = true;
      box->button(QMessageBox::Cancel)->click();
    }
  });
  Terminate();
  ASSERT_TRUE(PumpUntil([&] { return terms >= 2 || !QApplication::activeModalWidget(); }));
  Pump(100);
  SetPromptService(&prompts);
  EXPECT_TRUE(openAfterSignal);
  EXPECT_TRUE(dlg->IsWindowVisible());
  EXPECT_EQ(g_bModified, 1u);
}

// A SIGTERM while the system's print dialog is open cancels it (nothing is
// printed), then closes as the close box does.
TEST_F(MainDlgFilesTest, ASigtermCancelsTheSystemPrintDialogBeforeTheClose) {
  // The scripted answers, but the system's own print dialog.
  struct CSystemPrintDialog : CScriptedPrompts {
    std::shared_ptr<QPrinter> PrintDialog(CWnd* owner, const PrintDialogRequest& request) override {
      return system.PrintDialog(owner, request);
    }
    CQtPromptService system;
  } withPrintDialog;
  withPrintDialog.Answer(IDNO);
  SetPromptService(&withPrintDialog);
  Edit();
  int ticksOpenAfterSignal = -1;  // -1: no signal sent yet
  ui_test::TimedAutopilot pilot([&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (ticksOpenAfterSignal < 0) {
      ticksOpenAfterSignal = 0;
      Terminate();
    } else if (++ticksOpenAfterSignal > 20) {
      dialog->reject();  // the signal did not cancel it
    }
  });
  Command(ID_PRINT_DTMF);
  ASSERT_TRUE(PumpUntil([this] { return !dlg->IsWindowVisible(); }));
  SetPromptService(&prompts);
  EXPECT_EQ(ticksOpenAfterSignal, 0);
  EXPECT_EQ(withPrintDialog.MessageTexts(), std::vector<std::string>{kAskToSave});
}

TEST_F(MainDlgFilesTest, OpenAsksAboutUnsavedChanges) {
  Edit();
  prompts.Answer(IDYES);
  prompts.AnswerFile(std::nullopt);  // the save dialog cancelled: no open
  Command(ID_FILE_OPEN_X);
  EXPECT_EQ(prompts.Prompts().size(), 2u);
  EXPECT_EQ(g_bModified, 1u);

  // No, then Cancel in the open dialog: the changes are still marked.
  prompts.Clear();
  prompts.Answer(IDNO);
  prompts.AnswerFile(std::nullopt);
  Command(ID_FILE_OPEN_X);
  EXPECT_EQ(prompts.Prompts().size(), 2u);
  EXPECT_EQ(g_bModified, 1u);

  // No, then a file: loaded, the flag cleared by the load.
  prompts.Answer(IDNO);
  prompts.AnswerFile((dir / "Data/other.x417").string());
  Command(ID_FILE_OPEN_X);
  EXPECT_EQ(dlg->GetFileLabel(), "File:other.x417");
  EXPECT_EQ(g_bModified, 0u);
}

TEST_F(MainDlgFilesTest, SerialFieldRules) {
  CWnd* edit = dlg->GetDlgItem(IDC_SERIAL_EDIT);
  edit->SetWindowText("1C3");
  dlg->SendMessage(WM_SERIALEDIT_CHANGE, IDC_SERIAL_EDIT, 0);
  EXPECT_STREQ(TheModel().identity.SerialText(), "1C300000");
  edit->SetWindowText("1B");
  dlg->SendMessage(WM_SERIALEDIT_CHANGE, IDC_SERIAL_EDIT, 0);
  EXPECT_EQ(edit->GetWindowText(), "1");
  EXPECT_STREQ(TheModel().identity.SerialText(), "1C300000");
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_EQ(CRadioIdentity::EsnFromWords(1, 0), 13633536u);
}

namespace {

// The desktop's opener as a test puts it in its program folder: a shell script
// that notes the file it is given in `note`, then runs `then`.
void WriteOpener(const fs::path& bin, const fs::path& note, const std::string& then) {
  const fs::path opener = bin / kHelpOpenerProgram;
  std::ofstream(opener) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << note.string() << "'\n" << then << "\n";
  fs::permissions(opener, fs::perms::owner_all);
}

// Every opener started has ended and been reported (they belong to the application).
bool OpenersDone() { return qApp->findChildren<QProcess*>(Qt::FindDirectChildrenOnly).isEmpty(); }

}  // namespace

// Help hands the help file to the desktop's opener and does not wait for it:
// an opener that fails or cannot start, and no opener at all, are
// reported with the file's path once the event loop learns of it; a missing
// help file is reported once and runs nothing. The menu's two commands and F1
// on a control go the same way.
TEST_F(MainDlgFilesTest, HelpTellsWhenNoProgramShowsTheHelpFile) {
  const fs::path bin = OnlyTestPrograms();
  const std::string path = (dir / kHelpFileName).string();
  const fs::path note = dir / "opened";
  EXPECT_EQ(NoHelpProgramText("/a/px417.html"), "No program to show the help file was found\n\n   File Path [ /a/px417.html ]");
  EXPECT_EQ(MissingHelpFileText("/a/px417.html"), "Not Exist Html Help File\n\n   File Path [ /a/px417.html ]");
  HELPINFO info;
  info.iCtrlId = 1046;
  const std::function<void()> topics = [this] { Command(ID_HELP_TOPICS); };
  const std::function<void()> f1 = [&] { dlg->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info)); };
  struct Case {
    const char* name;
    const char* opener;  // what the opener does after noting its file; null: there is none
    bool helpFile;
    std::function<void()> ask;
    std::string message;  // empty: none
    const char* topic;    // the section the opener is given; null: it does not run
  };
  // F1 on control 1046 folds to the topic its neighbours share, which has a
  // section of its own; Help Topics opens the contents.
  const Case cases[] = {
      {"exits 0", "exit 0", true, topics, "", "contents"},
      {"exits 0 for a control", "exit 0", true, f1, "", "mobile-special-switch"},
      {"exits 3 a moment later", "/bin/sleep 1; exit 3", true, [this] { Command(ID_HELP_TOPICS_ALT); },
       NoHelpProgramText(path), "contents"},
      {"no opener", nullptr, true, f1, NoHelpProgramText(path), nullptr},
      {"help file missing", "exit 0", false, topics, MissingHelpFileText(path), nullptr},
  };
  for (const Case& c : cases) {
    prompts.Clear();
    fs::remove(note);
    fs::remove(bin / kHelpOpenerProgram);
    if (c.opener) WriteOpener(bin, note, c.opener);
    fs::remove(path);
    if (c.helpFile) std::ofstream(path) << "<!DOCTYPE html>";
    c.ask();
    // The window is free while the opener runs.
    if (c.topic) {
      EXPECT_TRUE(prompts.MessageTexts().empty()) << c.name;
    }
    ASSERT_TRUE(PumpUntil(OpenersDone, 10000)) << c.name;
    EXPECT_EQ(prompts.MessageTexts(), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message})
        << c.name;
    std::ifstream noted(note);
    const std::string given((std::istreambuf_iterator<char>(noted)), {});
    EXPECT_EQ(given, c.topic ? "file://" + path + "#" + c.topic : "") << c.name;
  }

  // An opener that cannot be run.
  std::ofstream(bin / kHelpOpenerProgram) << "#!/nonexistent/sh\n";
  fs::permissions(bin / kHelpOpenerProgram, fs::perms::owner_all);
  std::ofstream(path) << "<!DOCTYPE html>";
  prompts.Clear();
  Command(ID_HELP_TOPICS);
  ASSERT_TRUE(PumpUntil(OpenersDone, 10000));
  EXPECT_EQ(prompts.MessageTexts(), std::vector{NoHelpProgramText(path)});
}

#ifdef TQ_BUILT_HELP_FILE
TEST_F(MainDlgFilesTest, TheBuiltHelpFileIsOpenedByHelpTopics) {
  // The build puts the program's own HTML help file beside the program.
  const std::string built = TQ_BUILT_HELP_FILE;
  ASSERT_TRUE(fs::is_regular_file(built));
  std::ifstream in(built);
  const std::string html((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
  for (const char* topic : {"id=\"cable\"", "id=\"read\"", "id=\"pages\"", "id=\"send\"", "id=\"files\"",
                            "id=\"print\"", "id=\"recover\"", "id=\"align\""}) {
    EXPECT_NE(html.find(topic), std::string::npos) << topic;
  }
  EXPECT_EQ(fs::path(GetHelpFilePath()).filename(), kHelpFileName);  // where the program looks by default

  SetHelpFilePath(built);
  WriteOpener(OnlyTestPrograms(), dir / "opened", "exit 0");
  Command(ID_HELP_TOPICS);
  ASSERT_TRUE(PumpUntil(OpenersDone, 10000));
  EXPECT_TRUE(prompts.MessageTexts().empty());
  const std::string url = "file://" + built + "#contents";
  EXPECT_EQ(ReadBytes(dir / "opened"), Bytes(url.begin(), url.end()));
}

namespace {

// The sections of the built help file: the ids of its elements.
std::set<std::string> BuiltHelpSections() {
  std::ifstream in(TQ_BUILT_HELP_FILE);
  const std::string html((std::istreambuf_iterator<char>(in)), {});
  static const std::regex id(R"re(\bid="([^"]+)")re");
  std::set<std::string> ids;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), id); it != std::sregex_iterator(); ++it) {
    ids.insert((*it)[1]);
  }
  return ids;
}

}  // namespace

// Every section the program can ask for is in the help file: the section of
// every page and dialog, of each topic the topic map folds into, of Help
// Topics, and the contents where nothing better is known.
TEST_F(MainDlgFilesTest, EveryHelpSectionTheProgramAsksForIsInTheBuiltHelpFile) {
  const std::set<std::string> sections = BuiltHelpSections();
  for (const UINT id : RegisteredPageIds()) dlg->Page(id);  // a page object registers its template
  RegisterSmallDialogTemplates();
  RegisterLinkDialogTemplates();
  RegisterRomEditDialogTemplate();
  RegisterAlignDialogTemplates();
  RegisterFiveToneDialogTemplates();
  const std::vector<UINT> templates = RegisteredDialogTemplateIds();
  EXPECT_EQ(templates.size(), 37u);  // every template of the program
  for (const UINT id : templates) {
    const char* section = HelpSectionOfTemplate(id);
    ASSERT_NE(section, nullptr) << "template " << id;
    EXPECT_TRUE(sections.count(section)) << "template " << id << ": " << section;
  }
  std::set<DWORD> topics = {ID_FILE_OPEN_X, ID_HELP_TOPICS_ALT};
  for (const auto& [context, topic] : HelpTopicMap()) topics.insert(topic);
  for (const DWORD topic : topics) {
    const char* section = HelpSectionOfTopic(topic);
    ASSERT_NE(section, nullptr) << "topic " << topic;
    EXPECT_TRUE(sections.count(section)) << "topic " << topic << ": " << section;
  }
  EXPECT_EQ(HelpSectionFor(IDC_G1_MODEL, nullptr), kHelpContents);
  EXPECT_TRUE(sections.count(kHelpContents));
}

// Help opens at the section of what it was asked for: F1 by the key on a
// control of a page opens the page's section, or the section of the control's
// topic when that topic is one of this page's (an id that folds into another
// page's topic opens this page); F1 in a dialog opens the dialog's (a clone
// dialog that sends: the send's); Help Topics the contents.
TEST_F(MainDlgFilesTest, HelpOpensAtTheSectionOfThePageOrDialogItWasAskedFrom) {
  // A radio of production type 11: every tab.
  WriteDataFile(dir / "Data/type11.X417");
  {
    std::fstream f(dir / "Data/type11.X417", std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(img::kProductionType);
    f.put(11);
  }
  ASSERT_TRUE(TheModel().LoadDataFile((dir / "Data/type11.X417").string(), dir.string()));
  const std::set<std::string> sections = BuiltHelpSections();
  SetHelpFilePath(TQ_BUILT_HELP_FILE);
  const fs::path note = dir / "opened";
  WriteOpener(OnlyTestPrograms(), note, "exit 0");
  const auto opened = [&] {
    EXPECT_TRUE(PumpUntil(OpenersDone, 10000));
    const Bytes given = ReadBytes(note);
    fs::remove(note);
    const std::string url(given.begin(), given.end());
    const std::size_t hash = url.find('#');
    const std::string section = hash == std::string::npos ? "" : url.substr(hash + 1);
    EXPECT_TRUE(sections.count(section)) << url;
    return section;
  };

  // The page, the control given the focus (0: F1 straight after the tab
  // switch) and the section.
  struct PageCase {
    UINT command;
    UINT page;
    int control;
    const char* section;
  };
  const PageCase pages[] = {
      {ID_PAGE_GLOBAL1, IDD_GLOBAL1, IDC_G1_MODEL, "global1"},
      {ID_PAGE_GLOBAL2, IDD_GLOBAL2, IDC_G2_LOCK_OUT, "global2-emergency"},
      {ID_PAGE_GLOBAL2, IDD_GLOBAL2, IDC_G2_EMERGENCY_TIME, "global2"},  // folds into Mobile Special's topic
      {ID_PAGE_MOBILE_SPECIAL, IDD_MOBILE_SPECIAL, kMsSwitchGroups[1], "mobile-special-switch"},
      {ID_PAGE_MOBILE_SPECIAL, IDD_MOBILE_SPECIAL, kMsSwitchGroups[10], "mobile-special-switch"},
      {ID_PAGE_ZONE, IDD_ZONE_OVERVIEW, zone_ids::kOnOff[0], "zone"},
      {ID_PAGE_ZONE, IDD_LTR_GROUP_BASIC, ltr_group_ids::kTxId[0], "groups-ltr"},
      {ID_PAGE_SEL_CALL, IDD_SEL_CALL, 0, "sel-call"},
      {ID_PAGE_DTMF, IDD_DTMF, 0, "dtmf"},
  };
  for (const PageCase& c : pages) {
    Command(c.command);
    if (c.page == IDD_LTR_GROUP_BASIC) dlg->ShowZoneSubPage(c.page, 0, true);
    CWnd* page = PageWindow(c.page);
    ASSERT_NE(page, nullptr) << c.section;
    if (c.control) page->GetDlgItem(c.control)->SetFocus();
    Key(Qt::Key_F1);
    EXPECT_EQ(opened(), c.section) << c.control;
  }

  // F1 in a dialog once it has the keyboard (an offscreen window is activated later).
  const auto f1InDialog = [&](CDialog& d) {
    EXPECT_TRUE(Activate(d));
    EXPECT_TRUE(PumpUntil([&] { return QApplication::activeWindow() == d.GetSafeHwnd(); }));
    Key(Qt::Key_F1);
    EXPECT_TRUE(PumpUntil(OpenersDone, 10000));
    d.EndDialog(IDCANCEL);
  };
  const auto answerWithF1 = [&] {
    prompts.AnswerDialog([&](CDialog& d) { return RunModal(d, [&] { f1InDialog(d); }); });
  };
  answerWithF1();
  Command(ID_FILE_CONFIGURE);
  EXPECT_EQ(prompts.Prompts().back().dialogId, IDD_CONFIG);
  EXPECT_EQ(opened(), "cable");
  // The 5-Tone dialogs both open the contents, from any of their controls (the
  // lists' dialog has the focus in a grid).
  Command(ID_PAGE_FIVE_TONE);
  for (const int button : {IDC_FT_COMMON_SYSTEM, IDC_FT_ENCODE_DECODE}) {
    answerWithF1();
    Click(dlg->GetCurrentPage()->GetDlgItem(button));
    EXPECT_EQ(opened(), kHelpContents) << button;
  }
  // The clone dialog runs without the prompts, as a radio command runs it.
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(PumpUntil([] { return QApplication::activeModalWidget() != nullptr; }));
    auto* clone = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(QApplication::activeModalWidget()));
    ASSERT_NE(clone, nullptr);
    f1InDialog(*clone);
  });
  InstallLinkDialogs();
  Command(ID_RADIO_SEND);
  SetRadioLinkCommands(nullptr);
  EXPECT_EQ(opened(), "send");

  Command(ID_HELP_TOPICS);
  EXPECT_EQ(opened(), "contents");
}
#endif

TEST_F(MainDlgFilesTest, AboutAndGetStarted) {
  std::string title;
  int weight = 0;
  prompts.AnswerDialog([&](CDialog& d) {
    return RunModal(d, [&] {
      title = d.GetDlgItem(IDC_ABOUT_TITLE)->GetWindowText();
      weight = d.GetDlgItem(IDC_ABOUT_TITLE)->GetFont().bold() ? 700 : 400;
      d.EndDialog(IDOK);
    });
  });
  Command(ID_HELP_ABOUT);
  EXPECT_EQ(title, "PX417 Version 1.04");
  EXPECT_EQ(weight, 700);
  EXPECT_EQ(prompts.Prompts().back().caption, "About PX417");
  Command(ID_HELP_GET_STARTED);
  EXPECT_EQ(prompts.Prompts().back().dialogId, 214u);
}

namespace {

// The link's dialogs as a test stands them in: a read puts a model-11 radio
// with its own serial into the model.
class CFakeLink : public IRadioLinkCommands {
 public:
  bool ReadFromRadio(CWnd*) override {
    calls.push_back("read");
    if (!done) return false;  // a read that did not complete changes nothing
    TheModel().store.modelWord = readModel;
    TheModel().identity.SetSerialText("7D123456");
    if (hardware) TheModel().global.hardwareByte = hardware;
    return true;
  }
  void SendToRadio(CWnd*) override { calls.push_back("send"); }
  void Alignment(CWnd*) override { calls.push_back("align"); }
  // A recovery repairs the radio from a data file (as the real one loads the
  // band's default file); failing, it changes nothing.
  void AdjustmentRecover(CWnd*) override {
    calls.push_back("recover");
    // A recovery brings data by loading a data file, then writes the radio's serial.
    if (recoverFails) return;
    TheModel().LoadDataFile(recoverFile, std::filesystem::current_path().string());
    TheModel().identity.SetSerialText("3E000042");
  }
  void OpenRomEditor(CWnd*) override { calls.push_back("editor"); }

  bool done = true;
  std::uint8_t hardware = 0;  // the hardware byte a read brings; 0 leaves it
  std::uint16_t readModel = 11 << 8;    // the model word of the radio a read brings
  std::string recoverFile;  // the data file a recovery loads
  bool recoverFails = false;
  std::vector<std::string> calls;
};

}  // namespace

TEST_F(MainDlgFilesTest, RadioCommandsRunTheLinkDialogs) {
  CFakeLink link;
  SetRadioLinkCommands(&link);
  Command(ID_PAGE_DTMF);
  Command(ID_RADIO_READ);
  EXPECT_EQ(dlg->GetFileLabel(), "");
  EXPECT_EQ(dlg->GetDlgItemText(IDC_SERIAL_EDIT), "7D123456");
  EXPECT_EQ(dlg->GetTabCtrl().GetItemCount(), 9);
  EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), 0);
  EXPECT_NE(PageWindow(139), nullptr);

  // A read that did not complete keeps the file label.
  dlg->SetFileLabel("File:x.X417");
  link.done = false;
  Command(ID_RADIO_READ_ALT);
  EXPECT_EQ(dlg->GetFileLabel(), "File:x.X417");

  Command(ID_RADIO_SEND);
  Command(ID_RADIO_ALIGNMENT);
  Command(ID_RADIO_RECOVER);
  std::ofstream(dir / "KM907.CFG") << std::string(64, '\0');
  TheProgramConfig().Load();
  ASSERT_TRUE(TheProgramConfig().HasMemoryMapFile());
  Command(ID_ROM_EDITOR);
  SetRadioLinkCommands(nullptr);
  EXPECT_EQ(link.calls, (std::vector<std::string>{"read", "read", "send", "align", "recover", "editor"}));
}

// A VHF send needs the whole DFA table file of the working folder: a missing or
// short one is refused with its path named, and nothing is sent.
TEST_F(MainDlgFilesTest, VhfSendTakesOnlyAWholeDfaTable) {
  CFakeLink link;
  SetRadioLinkCommands(&link);
  const std::string path = (dir / "PX417_DFA.x417").string();
  TheModel().global.bandFlag = 0;
  Command(ID_RADIO_SEND);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{ProblemOpeningFileText(path)});

  std::ofstream(path) << "1A2B\n  ff\n";
  prompts.Clear();
  Command(ID_RADIO_SEND_ALT);
  ASSERT_EQ(prompts.MessageTexts().size(), 1u);
  EXPECT_NE(prompts.MessageTexts()[0].find(path), std::string::npos);
  EXPECT_NE(TheModel().dfa.GetEntry(0), 0x1A2Bu);
  EXPECT_TRUE(link.calls.empty());

  {
    std::ofstream out(path);
    for (int k = 0; k < kDfaEntryCount; ++k) out << (k == 1 ? "  ff" : "1A2B") << "\n";
  }
  prompts.Clear();
  Command(ID_RADIO_SEND);
  EXPECT_EQ(TheModel().dfa.GetEntry(0), 0x1A2Bu);
  EXPECT_EQ(TheModel().dfa.GetEntry(1), 0xFFu);
  EXPECT_TRUE(prompts.MessageTexts().empty());

  fs::remove(path);
  TheModel().global.bandFlag = kUhfBandFlag;
  Command(ID_RADIO_SEND);
  SetRadioLinkCommands(nullptr);
  EXPECT_EQ(link.calls, (std::vector<std::string>{"send", "send"}));
}

// Reading, Adjustment Recover and the memory editor's file load replace the
// data in hand: unsaved changes are offered for saving first, and Cancel stops
// the command before it starts.
TEST_F(MainDlgFilesTest, CommandsThatReplaceTheDataAskAboutUnsavedChanges) {
  CFakeLink link;
  link.done = false;  // the file label stays, and with it the prompt's text
  SetRadioLinkCommands(&link);
  for (const UINT command : {ID_RADIO_READ, ID_RADIO_RECOVER}) {
    Edit();
    prompts.Clear();
    prompts.Answer(IDCANCEL);
    Command(command);
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kAskToSave});
    EXPECT_TRUE(link.calls.empty());
    prompts.Answer(IDNO);
    Command(command);
    EXPECT_EQ(link.calls.size(), 1u);
    link.calls.clear();
  }
  SetRadioLinkCommands(nullptr);

  InstallLinkDialogs();
  std::ofstream(dir / "KM907.CFG") << std::string(10, '\0');
  TheProgramConfig().Load();
  prompts.Clear();
  Command(ID_ROM_EDITOR);
  CDialog* editor = FindRomEditor();
  ASSERT_NE(editor, nullptr);
  Edit();
  prompts.AnswerFile((dir / "Data/other.x417").string());
  prompts.Answer(IDCANCEL);
  editor->SendMessage(WM_COMMAND, IDC_ROM_FILE_LOAD, 0);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kAskToSave});
  EXPECT_EQ(dlg->GetFileLabel(), "File:start.X417");
  prompts.AnswerFile((dir / "Data/other.x417").string());
  prompts.Answer(IDNO);
  editor->SendMessage(WM_COMMAND, IDC_ROM_FILE_LOAD, 0);
  EXPECT_EQ(dlg->GetFileLabel(), "File:other.x417");
  editor->SendMessage(WM_COMMAND, IDCANCEL, 0);
  Pump();
  EXPECT_EQ(FindRomEditor(), nullptr);
  SetRadioLinkCommands(nullptr);
}

// After every read, recovery and load the main window shows the model in hand:
// its tabs, and the model name only for a radio the MODEL list names (hardware
// byte 0x61 or 0xB9 and production type 11), so a VHF radio is never called UHF.
TEST_F(MainDlgFilesTest, ModelNameAndTabsFollowTheDataInHand) {
  const std::string kName = "TQ-5100-RM3K-50(UHF)";
  auto modelLabel = [this] { return dlg->GetDlgItemText(IDC_MODEL_LABEL); };
  CFakeLink link;
  SetRadioLinkCommands(&link);
  link.hardware = kUhfHardware;
  Command(ID_RADIO_READ);
  EXPECT_EQ(modelLabel(), kName);
  link.hardware = kVhfHardware;
  Command(ID_RADIO_READ);
  EXPECT_EQ(modelLabel(), "");
  EXPECT_EQ(dlg->GetTabCtrl().GetItemCount(), 9);
  link.hardware = 0xB9;
  Command(ID_RADIO_READ);
  EXPECT_EQ(modelLabel(), kName);

  // A recovery that loads a file of a production type other than 11.
  WriteDataFile(dir / "Data/type1.X417");
  {
    std::fstream f(dir / "Data/type1.X417", std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(img::kProductionType);
    f.put(1);
  }
  link.recoverFile = (dir / "Data/type1.X417").string();
  Command(ID_PAGE_DTMF);
  Command(ID_RADIO_RECOVER);
  EXPECT_EQ(modelLabel(), "");
  EXPECT_EQ(dlg->GetTabCtrl().GetItemCount(), 7);
  EXPECT_EQ(dlg->GetTabCtrl().GetCurSel(), 0);
  EXPECT_EQ(dlg->GetDlgItemText(IDC_SERIAL_EDIT), "3E000042");
  SetRadioLinkCommands(nullptr);

  // A VHF file of production type 11.
  WriteDataFile(dir / "Data/vhf11.X417", true);
  {
    std::fstream f(dir / "Data/vhf11.X417", std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(img::kProductionType);
    f.put(11);
  }
  prompts.AnswerFile((dir / "Data/vhf11.X417").string());
  Command(ID_FILE_OPEN_X);
  ASSERT_EQ(dlg->GetFileLabel(), "File:vhf11.X417");
  EXPECT_EQ(dlg->GetTabCtrl().GetItemCount(), 9);
  EXPECT_EQ(modelLabel(), "");
}

// However the tab set is rebuilt (a file opened, a radio read, a recovery, a
// load by the memory editor or a model change), from whichever tab and towards
// the set of either production type, exactly one page shows afterwards: the
// selected tab's.
TEST_F(MainDlgFilesTest, ARebuiltTabSetShowsOnlyTheSelectedTabsPage) {
  auto fileOfType = [this](int type) {
    const fs::path path = dir / ("Data/type" + std::to_string(type) + ".X417");
    WriteDataFile(path);
    std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(img::kProductionType);
    f.put(char(type));
    return path.string();
  };
  const std::string files[2] = {fileOfType(10), fileOfType(11)};
  CFakeLink link;
  SetRadioLinkCommands(&link);
  const std::pair<const char*, std::function<void(int)>> ways[] = {
      {"open", [&](int to) { prompts.AnswerFile(files[to]); Command(ID_FILE_OPEN_X); }},
      {"read", [&](int to) { link.readModel = std::uint16_t((10 + to) << 8); Command(ID_RADIO_READ); }},
      {"recover", [&](int to) { link.recoverFile = files[to]; Command(ID_RADIO_RECOVER); }},
      {"load", [&](int to) { TheModel().LoadDataFile(files[to], dir.string()); }},
  };
  auto shownPages = [this] {
    int shown = 0;
    for (QObject* o : dlg->GetTabCtrl().GetSafeHwnd()->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (w && w->isVisible() && dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(w))) ++shown;
    }
    return shown;
  };
  for (const auto& [way, rebuild] : ways) {
    for (const int from : {0, 1}) {
      TheModel().LoadDataFile(files[from], dir.string());
      for (std::size_t tab = 0; tab < dlg->TabSet().size(); ++tab) {
        dlg->SelectPage(dlg->TabSet()[tab]);
        rebuild(1 - from);
        Pump();
        EXPECT_EQ(dlg->TabSet().size(), from ? 7u : 9u);
        EXPECT_EQ(shownPages(), 1) << way << " from tab " << tab << " of type " << 10 + from;
        ASSERT_NE(dlg->GetCurrentPage(), nullptr) << way;
        EXPECT_TRUE(dlg->GetCurrentPage()->IsWindowVisible());
        TheModel().LoadDataFile(files[from], dir.string());
      }
    }
  }
  SetRadioLinkCommands(nullptr);
}

namespace {

// Every window that shows while it is installed.
class CShownWindows : public QObject {
 public:
  CShownWindows() { qApp->installEventFilter(this); }
  ~CShownWindows() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (auto* w = qobject_cast<QWidget*>(o); w && e->type() == QEvent::Show) shown.insert(CWnd::FromHandlePermanent(w));
    return false;
  }
  std::set<CWnd*> shown;
};

}  // namespace

// Whatever brings new data (a file opened, a radio read, a recovery, the MODEL
// choice, the memory editor's load) puts the Zone tab back at the zone overview
// from zone 1, whichever sub-page it showed, and no sub-page of the data before
// shows over the new data on the way. A read or a recovery that brings none
// leaves the tab at its sub-page, as does showing another tab in between.
TEST_F(MainDlgFilesTest, NewDataPutsTheZoneTabBackAtTheOverviewFromZoneOne) {
  WriteDataFile(dir / "Data/DEFAULTUP.X417");  // what the MODEL choice loads
  std::ofstream(dir / "KM907.CFG") << std::string(10, '\0');
  TheProgramConfig().Load();
  const std::string start = (dir / "Data/start.X417").string();
  const std::string other = (dir / "Data/other.x417").string();
  CFakeLink link;
  SetRadioLinkCommands(&link);
  auto editorLoad = [&] {
    InstallLinkDialogs();
    Command(ID_ROM_EDITOR);
    SetRadioLinkCommands(&link);
    CDialog* editor = FindRomEditor();
    ASSERT_NE(editor, nullptr);
    prompts.AnswerFile(other);
    editor->SendMessage(WM_COMMAND, IDC_ROM_FILE_LOAD, 0);
    editor->SendMessage(WM_COMMAND, IDCANCEL, 0);
  };
  auto modelChoice = [this] { ChooseModel(); };
  // Each way, the file label it leaves (the read's data comes from no file),
  // whether it brings new data, and whether the Zone tab stays current (a
  // read rebuilds the tabs at Global 1 even when cancelled; a recovery that
  // loaded nothing changes nothing on screen).
  const std::tuple<const char*, const char*, std::function<void()>, bool, bool> loads[] = {
      {"open", "File:other.x417", [&] { prompts.AnswerFile(other); Command(ID_FILE_OPEN_X); }, true, false},
      {"read", "", [&] { link.done = true; Command(ID_RADIO_READ); }, true, false},
      {"read cancelled", "File:start.X417", [&] { link.done = false; Command(ID_RADIO_READ); }, false, false},
      {"recover", "File:other.x417",
       [&] {
         link.recoverFails = false;
         link.recoverFile = other;
         Command(ID_RADIO_RECOVER);
       },
       true, false},
      {"recover failed", "File:start.X417",
       [&] {
         link.recoverFails = true;
         Command(ID_RADIO_RECOVER);
       },
       false, true},
      {"model", "File:DEFAULTUP.X417", modelChoice, true, false},
      // Without its default file the choice starts from the built-in defaults; no load reports it.
      {"model, no file", "File:start.X417",
       [&] {
         std::filesystem::rename(dir / "Data/DEFAULTUP.X417", dir / "Data/DEFAULTUP.away");
         modelChoice();
         std::filesystem::rename(dir / "Data/DEFAULTUP.away", dir / "Data/DEFAULTUP.X417");
       },
       true, false},
      {"editor", "File:other.x417", editorLoad, true, false},
  };
  // Conventional group basic and advanced, LTR group basic and advanced, repeaters, LTR
  // system, LTR advanced, interconnect, PassPort features and talk groups.
  const UINT subPages[] = {169, 170, 171, 172, 174, 163, 167, 168, 111, 112};
  // The first zone the overview shows (0: zone 1), -1 when it is not up.
  auto firstZoneShown = [this] {
    auto* overview = dynamic_cast<grid::CGridPage*>(PageWindow(IDD_ZONE_OVERVIEW));
    return overview ? overview->First() : -1;
  };
  for (const auto& [way, label, load, newData, keepsTab] : loads) {
    for (const UINT sub : subPages) {
      TheModel().LoadDataFile(start, dir.string());
      Command(ID_PAGE_ZONE);
      dlg->ShowZoneSubPage(IDD_ZONE_OVERVIEW, 4, true);
      dlg->ShowZoneSubPage(sub, 1, true);
      Command(ID_PAGE_GLOBAL2);
      Command(ID_PAGE_ZONE);
      ASSERT_NE(PageWindow(sub), nullptr) << sub;
      CShownWindows windows;
      load();
      Pump();
      EXPECT_EQ(dlg->GetFileLabel(), label) << way;
      EXPECT_FALSE(windows.shown.count(&dlg->Page(sub))) << way << " from " << sub;
      if (keepsTab) {
        EXPECT_EQ(dlg->GetCurrentPage(), PageWindow(sub)) << way << " from " << sub;
      }
      Command(ID_PAGE_ZONE);
      if (newData) {
        EXPECT_EQ(PageWindow(sub), nullptr) << way << " from " << sub;
        EXPECT_EQ(firstZoneShown(), 0) << way << " from " << sub;
      } else {
        EXPECT_NE(PageWindow(sub), nullptr) << way << " from " << sub;
      }
    }
  }
  EXPECT_EQ(std::count(link.calls.begin(), link.calls.end(), "recover"), 20);
  SetRadioLinkCommands(nullptr);
}
