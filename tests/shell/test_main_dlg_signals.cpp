// Real SIGTERMs to this process, with the program's close requests installed:
// each one closes the main dialog as its close box does, never behind the save
// question, and an open modal dialog is cancelled before that.
#include <signal.h>
#include <unistd.h>

#include <algorithm>

#include "model/five_tone_fields.h"
#include "res/dialogs_five_tone.h"
#include "res/page_five_tone.h"
#include "shell/app.h"
#include "test_main_dlg_support.h"

using namespace main_dlg_test;
using namespace ui_test;

namespace {

const std::string kAskToSave = "Save changes to File:start.X417?";

class MainDlgSignalTest : public MainDlgTest {
 protected:
  void SetUp() override {
    MainDlgTest::SetUp();
    InstallCloseRequests();
    WriteDataFile(dir / "Data/start.X417");
    Start({"Data/start.X417"});
    prompts.Clear();
    g_bModified = 1;
  }
  // A SIGTERM, and time for the program to take it.
  static void Terminate() {
    ASSERT_EQ(kill(getpid(), SIGTERM), 0);
    Pump(100);
  }
  int Questions() const {
    const auto texts = prompts.MessageTexts();
    return static_cast<int>(std::count(texts.begin(), texts.end(), kAskToSave));
  }
};

}  // namespace

// A SIGTERM while the save question is open changes nothing; after Cancel the
// program stays with its edit, and the next SIGTERM asks again.
TEST_F(MainDlgSignalTest, EverySigtermAsksAndNoneGoesBehindTheSaveQuestion) {
  prompts.AnswerWith([] {
    Terminate();
    return IDCANCEL;
  });
  Terminate();
  EXPECT_EQ(Questions(), 1);
  EXPECT_TRUE(dlg->IsWindowVisible());
  EXPECT_EQ(g_bModified, 1u);

  prompts.Answer(IDNO);
  Terminate();
  EXPECT_EQ(Questions(), 2);
  EXPECT_FALSE(dlg->IsWindowVisible());
}

// A SIGTERM while an edited 5-Tone dialog is open cancels it first (its
// records as they were), then closes: Yes saves only what was confirmed.
TEST_F(MainDlgSignalTest, ASigtermCancelsAnOpenDialogBeforeTheClose) {
  const auto& used = five_tone::kDisplayDigitUsed[0];
  const std::uint32_t before = used.Get(TheModel());
  bool closedBeforeAsked = false;
  prompts.AnswerDialog([&](CDialog& d) {
    return RunModal(d, [&] {
      Click(d.GetDlgItem(kFtDisplayDigitIds[0]));
      EXPECT_NE(used.Get(TheModel()), before);
      ASSERT_EQ(kill(getpid(), SIGTERM), 0);
    });
  });
  prompts.AnswerWith([&] {
    closedBeforeAsked = used.Get(TheModel()) == before && QApplication::activeModalWidget() == nullptr;
    return IDYES;
  });
  prompts.AnswerFile((dir / "closed.X417").string());
  Command(ID_PAGE_FIVE_TONE);
  Click(dlg->GetCurrentPage()->GetDlgItem(IDC_FT_COMMON_SYSTEM));
  ASSERT_TRUE(PumpUntil([this] { return !dlg->IsWindowVisible(); }));
  EXPECT_EQ(Questions(), 1);
  EXPECT_TRUE(closedBeforeAsked);
  ASSERT_TRUE(TheModel().LoadDataFile((dir / "closed.X417").string(), dir.string()));
  EXPECT_EQ(used.Get(TheModel()), before);
}
