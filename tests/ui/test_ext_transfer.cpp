// The input filter of a radio transfer, and the print dialog of the prompt
// service.
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kDialogId = 9731;
constexpr int kStart = 1125, kLine = 1009;
constexpr UINT kLater = WM_USER + 0x80;

void RegisterTemplates() {
  RegisterVisibleDialog(
      kDialogId, "Transfer", 160, 80,
      {dlg::PushButton("Start", kStart, 4, 50, 50, 14), dlg::LText("Please wait", kLine, 4, 4, 100, 10),
       dlg::PushButton("Cancel", IDCANCEL, 100, 50, 50, 14)});
}

class CTransferDialog : public CDialog {
 public:
  CTransferDialog() : CDialog(kDialogId) {}
  int starts = 0;
  int closes = 0;
  int later = 0;

 protected:
  void OnStart() { ++starts; }
  void OnClose() { ++closes; }
  LRESULT OnLater(WPARAM, LPARAM) {
    ++later;
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTransferDialog, CDialog)
  ON_BN_CLICKED(kStart, OnStart)
  ON_WM_CLOSE()
  ON_MESSAGE(kLater, OnLater)
END_MESSAGE_MAP()

class TransferFilterTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplates();
    ASSERT_TRUE(dlg.Create(kDialogId));
    ASSERT_TRUE(Activate(dlg));
    Pump(10);
  }
  void TearDown() override {
    dlg.DestroyWindow();
    WndTest::TearDown();
  }
  // A click that waits in the queue, as one made while the transfer blocks does.
  void QueueClick(int id) {
    QWidget* w = dlg.GetDlgItem(id)->GetSafeHwnd();
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                                                   Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, w->mapToGlobal(at),
                                                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  }
  void QueueKey(Qt::Key key) {
    QWidget* w = dlg.GetDlgItem(kStart)->GetSafeHwnd();
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
  }

  CTransferDialog dlg;
};

TEST_F(TransferFilterTest, ClicksAreDroppedEscIsKeptAndPaintGoesOn) {
  // Without a transfer, the queued click is a click.
  QueueClick(kStart);
  Pump();
  ASSERT_EQ(dlg.starts, 1);

  PaintCounter counter(dlg.GetDlgItem(kLine)->GetSafeHwnd());
  {
    CTransferInputFilter filter(&dlg);
    QueueClick(kStart);
    dlg.SetDlgItemText(kLine, "Receive block 1 / 256");
    dlg.GetDlgItem(kLine)->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE);
    const int before = counter.paints;
    EXPECT_EQ(filter.CheckUserAbort(), 0);
    EXPECT_GT(counter.paints, before);  // the line was painted during the transfer
    EXPECT_EQ(dlg.starts, 1);           // the click was not

    // Messages posted meanwhile wait for the check to end; Esc aborts once.
    dlg.PostMessage(kLater);
    QueueKey(Qt::Key_Escape);
    QueueClick(kStart);
    EXPECT_EQ(filter.CheckUserAbort(), 1);
    EXPECT_EQ(dlg.later, 0);
    EXPECT_EQ(dlg.closes, 0);  // the close comes after the transfer has returned
    EXPECT_EQ(filter.CheckUserAbort(), 0);
    EXPECT_EQ(dlg.closes, 0);
  }
  Pump();
  EXPECT_EQ(dlg.later, 1);
  EXPECT_EQ(dlg.closes, 1);
  EXPECT_EQ(dlg.starts, 1);  // the clicks are gone, not kept for later
}

TEST_F(TransferFilterTest, InputAfterTheLastCheckIsDroppedWhenTheTransferEnds) {
  {
    CTransferInputFilter filter(&dlg);
    EXPECT_EQ(filter.CheckUserAbort(), 0);
    QueueClick(kStart);
    QueueKey(Qt::Key_A);
  }
  Pump();
  EXPECT_EQ(dlg.starts, 0);
  EXPECT_EQ(dlg.closes, 0);

  {
    CTransferInputFilter filter(&dlg);
    QueueKey(Qt::Key_Escape);  // pressed as the transfer ended: the dialog closes as Esc would close it
  }
  Pump();
  EXPECT_EQ(dlg.closes, 1);
}

TEST_F(WndTest, ThePrintDialogIsAnsweredWithAPdfPrinterOrCancelled) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string path = dir.filePath("sheet.pdf").toStdString();
  prompts.AnswerPrintToPdf(path);
  prompts.Answer(IDCANCEL);

  PrintDialogRequest request;
  request.flags = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;
  std::shared_ptr<QPrinter> printer = GetPromptService().PrintDialog(nullptr, request);
  ASSERT_NE(printer, nullptr);
  EXPECT_EQ(printer->outputFormat(), QPrinter::PdfFormat);
  {
    QPainter painter(printer.get());
    painter.drawText(100, 100, QStringLiteral("Global"));
  }
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(4) == "%PDF");

  EXPECT_EQ(GetPromptService().PrintDialog(nullptr, request), nullptr);  // Cancel
  EXPECT_EQ(GetPromptService().PrintDialog(nullptr, request), nullptr);  // nobody answered
  EXPECT_EQ(prompts.Unanswered(), 1);
  ASSERT_EQ(prompts.Prompts().size(), 3u);
  EXPECT_EQ(prompts.Prompts()[0].kind, CScriptedPrompts::Kind::Print);
  EXPECT_EQ(prompts.Prompts()[0].print.flags, 0x14000Cu);
  EXPECT_EQ(prompts.Prompts()[0].print.maxPage, 0xFFFF);
}

}  // namespace
