// The prompt service: scripted answers and records for tests, the Qt message
// box behind it, and the data model's messages and beeps routed through it.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kAskId = 9501;

void RegisterTemplate() {
  DialogTemplate t;
  t.id = kAskId;
  t.caption = "Password";
  t.cx = 120;
  t.cy = 60;
  t.items = {dlg::EditText(1002, 4, 4, 80, 12, ES_PASSWORD), dlg::DefPushButton("OK", IDOK, 10, 40, 40, 14),
             dlg::PushButton("Cancel", IDCANCEL, 60, 40, 40, 14)};
  RegisterDialogTemplate(t);
}

using PromptTest = WndTest;

TEST_F(PromptTest, ScriptedAnswersComeInOrderAndOkBoxesTakeNone) {
  prompts.Answer(IDNO);
  prompts.Answer(IDYES);
  EXPECT_EQ(AfxMessageBox("Not enough memory !"), IDOK);
  EXPECT_EQ(AfxMessageBox("Save changes?", MB_YESNOCANCEL), IDNO);
  EXPECT_EQ(AfxMessageBox("Save changes?", MB_YESNOCANCEL | MB_ICONQUESTION), IDYES);
  EXPECT_EQ(prompts.Unanswered(), 0);
  // Nothing prepared: the cautious answer, and it is counted.
  EXPECT_EQ(AfxMessageBox("Save changes?", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(AfxMessageBox("Really?", MB_YESNO), IDNO);
  EXPECT_EQ(prompts.Unanswered(), 2);
  EXPECT_EQ(prompts.MessageTexts().front(), "Not enough memory !");
  EXPECT_EQ(prompts.MessageTexts().size(), 5u);
  EXPECT_EQ(prompts.Prompts()[2].type, MB_YESNOCANCEL | MB_ICONQUESTION);
}

TEST_F(PromptTest, CaptionsComeFromTheCallerOrTheApplication) {
  AfxSetAppName("PX417");
  RegisterTemplate();
  CDialog owner(kAskId);
  ASSERT_TRUE(owner.Create(kAskId));
  AfxMessageBox("one");
  owner.MessageBox("Open err", "err");
  owner.MessageBox("three");
  ASSERT_EQ(prompts.Prompts().size(), 3u);
  EXPECT_EQ(prompts.Prompts()[0].caption, "PX417");
  EXPECT_EQ(prompts.Prompts()[1].caption, "err");
  EXPECT_EQ(prompts.Prompts()[2].caption, "PX417");
  owner.DestroyWindow();
  AfxSetAppName("");
}

TEST_F(PromptTest, FileDialogsAreAnsweredAndTheirRequestsKept) {
  FileDialogRequest open;
  open.title = "Select file";
  open.filter = "PX62 Files (*.X417)|*.X417||";
  open.initialDir = "Data";
  open.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  prompts.AnswerFile("Data/radio.x417");
  prompts.AnswerFile(std::nullopt);
  EXPECT_EQ(GetPromptService().GetOpenFileName(nullptr, open), std::optional<std::string>("Data/radio.x417"));
  EXPECT_EQ(GetPromptService().GetSaveFileName(nullptr, open), std::nullopt);
  EXPECT_EQ(GetPromptService().GetOpenFileName(nullptr, open), std::nullopt);
  EXPECT_EQ(prompts.Unanswered(), 1);
  ASSERT_EQ(prompts.Prompts().size(), 3u);
  EXPECT_EQ(prompts.Prompts()[0].kind, CScriptedPrompts::Kind::OpenFile);
  EXPECT_EQ(prompts.Prompts()[1].kind, CScriptedPrompts::Kind::SaveFile);
  EXPECT_EQ(prompts.Prompts()[0].request.filter, open.filter);
  EXPECT_EQ(prompts.Prompts()[0].request.flags, open.flags);
}

TEST_F(PromptTest, OwnPromptDialogsAreRunOrAnsweredByTheScript) {
  RegisterTemplate();
  CDialog ask(kAskId);
  // Unprepared: not shown at all, Cancel.
  EXPECT_EQ(GetPromptService().RunDialog(ask), IDCANCEL);
  // Prepared with a run that drives the real dialog.
  std::string typed;
  prompts.AnswerDialog([&](CDialog& dlg) {
    return RunModal(dlg, [&] {
      Type("secret");
      typed = dlg.GetDlgItemText(1002);
      Key(Qt::Key_Return);
    });
  });
  EXPECT_EQ(GetPromptService().RunDialog(ask), IDOK);
  EXPECT_EQ(typed, "secret");
  prompts.Answer(IDCANCEL);
  EXPECT_EQ(GetPromptService().RunDialog(ask), IDCANCEL);
  ASSERT_EQ(prompts.Prompts().size(), 3u);
  EXPECT_EQ(prompts.Prompts()[1].dialogId, kAskId);
  EXPECT_EQ(prompts.Prompts()[1].caption, "Password");
}

TEST_F(PromptTest, BeepsAreCountedAndTheModelReachesTheServiceThroughItsHost) {
  CPromptModelHost host;
  IModelHost& model = host;
  model.ShowMessage("It is short of memory!");
  model.Beep();
  MessageBeep(0);
  MessageBeep(MB_ICONEXCLAMATION);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"It is short of memory!"});
  EXPECT_EQ(prompts.Prompts()[0].type, MB_OK);
  EXPECT_EQ(prompts.Beeps(), 3);
  EXPECT_EQ(prompts.BeepTypes(), (std::vector<UINT>{0, 0, MB_ICONEXCLAMATION}));
}

TEST_F(PromptTest, AnInnerScriptGivesTheServiceBackWhenItGoes) {
  {
    CScriptedPrompts inner;
    AfxMessageBox("inner");
    MessageBeep(0);
    EXPECT_EQ(inner.MessageTexts().size(), 1u);
  }
  AfxMessageBox("outer");
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"outer"});
  EXPECT_EQ(prompts.Beeps(), 0);
}

TEST(FileFilters, PatternsMatchFileNamesInAnyCase) {
  const QStringList filters = QtNameFilters("PX62 Files (*.X417)|*.X417||");
  ASSERT_EQ(filters.size(), 1);
  EXPECT_EQ(filters[0], QStringLiteral("PX62 Files (*.X417) (*.[xX]417)"));
  const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(QStringLiteral("*.[xX]417")));
  EXPECT_TRUE(re.match(QStringLiteral("radio.x417")).hasMatch());
  EXPECT_TRUE(re.match(QStringLiteral("RADIO.X417")).hasMatch());
  EXPECT_FALSE(re.match(QStringLiteral("radio.x418")).hasMatch());

  const QStringList two = QtNameFilters("Data|*.dat; *.X417|All|*.*||");
  ASSERT_EQ(two.size(), 2);
  EXPECT_EQ(two[0], QStringLiteral("Data (*.[dD][aA][tT] *.[xX]417)"));
  EXPECT_EQ(two[1], QStringLiteral("All (*.*)"));
}

TEST(QtPrompts, MessageBoxButtonsMapToTheResultCodes) {
  EnsureApp();
  QString shownText;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(PumpUntil([] { return QApplication::activeModalWidget() != nullptr; }));
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shownText = box->text();
    box->button(QMessageBox::No)->click();
  });
  CQtPromptService service;
  EXPECT_EQ(service.MessageBox(nullptr, "Save?\r\nNow", "PX417", MB_YESNOCANCEL), IDNO);
  EXPECT_EQ(shownText, QStringLiteral("Save?\nNow"));
}

// The file dialogs open in their folder, or in the working folder when that
// folder is not there (nothing, or a plain file of its name), and then offer
// no file name of their own.
TEST(QtPrompts, FileDialogsOpenInTheirFolderOrTheWorkingOne) {
  EnsureApp();
  QTemporaryDir work;
  ASSERT_TRUE(work.isValid());
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(work.path()));
  QDir(work.path()).mkpath("Data");
  QFile plain(work.filePath("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  const std::pair<const char*, bool> cases[] = {{"Data", true}, {"no_such_folder", false}, {"plain", false}};
  for (const auto& [initial, there] : cases) {
    QString shownFolder, shownName;
    QTimer::singleShot(0, [&] {
      ASSERT_TRUE(PumpUntil([] { return QApplication::activeModalWidget() != nullptr; }));
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      shownFolder = dialog->directory().absolutePath();
      shownName = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
      dialog->reject();
    });
    CQtPromptService service;
    FileDialogRequest request;
    request.initialDir = initial;
    EXPECT_EQ(service.GetSaveFileName(nullptr, request), std::nullopt);
    const QDir folder(work.path());
    EXPECT_EQ(shownFolder.toStdString(), (there ? folder.absoluteFilePath(initial) : folder.absolutePath()).toStdString())
        << initial;
    EXPECT_EQ(shownName.toStdString(), "") << initial;
  }
  QDir::setCurrent(before);
}

}  // namespace
