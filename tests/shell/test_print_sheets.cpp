// The print dispatch with stub sheet routines: the job is printed to a PDF
// through the scripted print dialog and read back with the poppler tools.
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <regex>
#include <stdexcept>

#include "model/conversions.h"
#include "model/edit_model.h"
#include "shell/print_sheets.h"
#include "ui/test_print_support.h"
#include "ui/ui_test_support.h"

using namespace print_test;

namespace {

// What a routine was handed.
struct Call {
  int charW = 0, x = 0, pitch = 0, gap = 0;
  gdi::FontSpec font;
  SheetGeometry expected;  // from the metrics of the font selected at the call
  int dpi = 0;
  int vertRes = 0;
};

class PrintSheetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui_test::EnsureApp();
    ClearSheetRoutines();
    g_bKeyPrintActive = FALSE;
  }
  void TearDown() override { ClearSheetRoutines(); }

  // A routine that records its call and prints one line of `text`, beginning
  // and ending pages as asked.
  SheetRoutine Stub(const std::string& text, bool startPage, bool endPage, Call* call = nullptr) {
    return [=](CPrinterDC& dc, int charW, int x, int pitch, int gap) {
      if (call) {
        *call = {charW, x, pitch, gap, dc.GetCurrentFont(), SheetGeometryOf(dc.GetTextMetrics()),
                 dc.GetDeviceCaps(gdi::LOGPIXELSX), dc.GetDeviceCaps(gdi::VERTRES)};
      }
      if (startPage) dc.StartPage();
      int y = gap + 2 * pitch;
      PrintLine(&dc, x, &y, pitch, text, 1);
      if (endPage) dc.EndPage();
    };
  }

  // Prints the sheet into a fresh PDF; returns its path.
  std::string Print(int sheet, const std::string& name) {
    const std::string pdf = tmp.File(name);
    prompts.AnswerPrintToPdf(pdf);
    EXPECT_TRUE(PrintSheets(nullptr, sheet));
    return pdf;
  }

  CScriptedPrompts prompts;
  TempDir tmp;
};

TEST_F(PrintSheetsTest, FontAndGeometryFollowTheSheet) {
  Call zone, dtmf;
  RegisterSheetRoutine(kSheetZone, Stub("ZONE", true, true, &zone));
  RegisterSheetRoutine(kSheetDtmf, Stub("DTMF", false, false, &dtmf));
  Print(kSheetZone, "zone.pdf");
  Print(kSheetDtmf, "dtmf.pdf");

  ASSERT_EQ(prompts.Prompts().size(), 2u);
  EXPECT_EQ(prompts.Prompts()[0].kind, CScriptedPrompts::Kind::Print);
  EXPECT_EQ(prompts.Prompts()[0].print.flags, 0x14000Cu);

  EXPECT_EQ(zone.font.pointTenths, 80);
  EXPECT_EQ(dtmf.font.pointTenths, 90);
  EXPECT_EQ(dtmf.font.face, "MS Sans Serif");
  for (const Call* c : {&zone, &dtmf}) {
    EXPECT_EQ((SheetGeometry{c->charW, c->x, c->pitch, c->gap}), c->expected);
    EXPECT_EQ(c->x, 4 * c->charW);
    // A point-sized font at the printer's resolution, not at the screen's.
    const double points = c->font.pointTenths / 10.0;
    EXPECT_GT(c->pitch, points * c->dpi / 72.0);
    EXPECT_LT(c->pitch, 2.5 * points * c->dpi / 72.0);
  }
  EXPECT_LT(zone.charW, dtmf.charW);
  EXPECT_LT(zone.pitch, dtmf.pitch);

  // The formula on its own: h = 37 + 5 = 42, gap 7, pitch 56.
  gdi::TEXTMETRIC tm;
  tm.tmAveCharWidth = 17;
  tm.tmHeight = 37;
  tm.tmExternalLeading = 5;
  EXPECT_EQ(SheetGeometryOf(tm), (SheetGeometry{17, 68, 56, 7}));
}

// Mobile Special begins a page of its own at the margin, after the Global 2
// half that ends its page and when Global 1 leaves its page open with no
// second half registered. (The sheet tests of the pages count the pages of the
// sheets themselves and find the Global 2 column beside the first.)
TEST_F(PrintSheetsTest, MobileSpecialBeginsAPageOfItsOwnAndCommandsReachTheirSheets) {
  RegisterSheetRoutine(kSheetGlobal, Stub("G1", true, false), kPartGlobal1);
  RegisterSheetRoutine(kSheetGlobal, Stub("G2", false, true), kPartGlobal2);
  RegisterSheetRoutine(kSheetGlobal, Stub("MOBILE", true, false), kPartMobileSpecial);
  for (const bool secondHalf : {true, false}) {
    if (!secondHalf) RegisterSheetRoutine(kSheetGlobal, nullptr, kPartGlobal2);
    EXPECT_EQ(IsSheetRegistered(kSheetGlobal, kPartGlobal2), secondHalf);
    const std::string pdf = Print(kSheetGlobal, secondHalf ? "global.pdf" : "global1only.pdf");
    EXPECT_EQ(PdfPageCount(pdf), 2);
    const auto words = PdfWords(pdf);
    const PdfWord* g1 = FindWord(words, "G1");
    const PdfWord* mobile = FindWord(words, "MOBILE");
    ASSERT_TRUE(g1 && mobile);
    EXPECT_EQ(g1->page, 1);
    EXPECT_EQ(mobile->page, 2);
    EXPECT_NEAR(mobile->xMin, g1->xMin, 0.5);
  }

  // The commands of the menu reach their sheets; the key sheet has no number.
  EXPECT_EQ(SheetOfCommand(ID_PRINT_GLOBAL), 0);
  EXPECT_EQ(SheetOfCommand(ID_PRINT_CHANNELS), 4);
  EXPECT_EQ(SheetOfCommand(ID_PRINT_FIVE_TONE_CODES), 7);
  EXPECT_EQ(SheetOfCommand(ID_PRINT_SEL_CALL), 9);
  EXPECT_EQ(SheetOfCommand(ID_PRINT_KEY), -1);
}

// The dialog offers a file named after the sheet's menu item, in the folder
// the last sheet was printed to; the file chosen is the one written.
TEST_F(PrintSheetsTest, TheDialogOffersAFileNamedAfterTheSheetInTheFolderLastPrintedTo) {
  RegisterMainDialogResources();
  const std::pair<UINT, const char*> names[] = {
      {ID_PRINT_ZONE, "PX417-Zone.pdf"},
      {ID_PRINT_SEL_CALL, "PX417-SelCall.pdf"},
      {ID_PRINT_SEED, "PX417-SeedChannel.pdf"},
      {ID_PRINT_FIVE_TONE_COMMON, "PX417-5-ToneCommonSystem.pdf"},
      {ID_PRINT_KEY, "PX417-Key.pdf"},
      {ID_PRINT_CHANNELS, "PX417.pdf"},  // no menu item
  };
  for (const auto& [command, name] : names) {
    EXPECT_EQ(std::filesystem::path(PrintFileName(command)).filename(), name);
  }

  RegisterSheetRoutine(kSheetDtmf, Stub("DTMF", false, false));
  RegisterSheetRoutine(kSheetSelCall, Stub("SELCALL", true, false));
  std::filesystem::create_directory(tmp.path / "chosen");
  const std::string dtmf = (tmp.path / "chosen" / "dtmf.pdf").string();
  const std::string offered = PrintFileName(ID_PRINT_DTMF);
  prompts.AnswerPrintToPdf(dtmf);
  ASSERT_TRUE(PrintSheets(nullptr, kSheetDtmf));
  EXPECT_NE(FindWord(PdfWords(dtmf), "DTMF"), nullptr);
  EXPECT_EQ(prompts.Prompts().back().print.fileName, offered);
  prompts.AnswerPrintToPdf(std::nullopt);
  EXPECT_FALSE(PrintSheets(nullptr, kSheetSelCall));
  EXPECT_EQ(prompts.Prompts().back().print.fileName, (tmp.path / "chosen" / "PX417-SelCall.pdf").string());

  // A folder removed since is not offered: the working folder is.
  std::filesystem::remove_all(tmp.path / "chosen");
  prompts.AnswerPrintToPdf(std::nullopt);
  EXPECT_FALSE(PrintSheets(nullptr, kSheetSelCall));
  EXPECT_EQ(prompts.Prompts().back().print.fileName,
            QDir::current().absoluteFilePath(QStringLiteral("PX417-SelCall.pdf")).toStdString());
}

// The Zone sheet prints while any zone is in use, the first as well as the
// last; with none it says so before any print dialog and prints nothing.
TEST_F(PrintSheetsTest, TheZoneSheetPrintsWhileAnyZoneIsInUse) {
  RegisterSheetRoutine(kSheetZone, Stub("ZONE", true, true));
  std::uint8_t (&flags)[kZoneCount] = TheModel().store.zoneFlags;
  std::uint8_t saved[kZoneCount];
  std::copy(std::begin(flags), std::end(flags), saved);
  const struct {
    int inUse;  // the one zone in use, or -1
    bool prints;
  } cases[] = {{-1, false}, {0, true}, {kZoneCount - 1, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE("zone in use " + std::to_string(c.inUse + 1));
    std::fill(std::begin(flags), std::end(flags), std::uint8_t(0));
    if (c.inUse >= 0) flags[c.inUse] = kZoneInUse;
    prompts.Clear();
    const std::string pdf = tmp.File("zone" + std::to_string(c.inUse + 1) + ".pdf");
    prompts.AnswerPrintToPdf(pdf);
    EXPECT_EQ(PrintSheets(nullptr, kSheetZone), c.prints);
    const auto& shown = prompts.Prompts();
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(), [](const auto& p) { return p.kind == CScriptedPrompts::Kind::Print; }),
              c.prints ? 1 : 0);
    EXPECT_EQ(prompts.MessageTexts(), c.prints ? std::vector<std::string>{} : std::vector<std::string>{kNoZoneToPrint});
    EXPECT_EQ(PdfPageCount(pdf), c.prints ? 1 : -1);
  }
  std::copy(std::begin(saved), std::end(saved), flags);
}

TEST_F(PrintSheetsTest, CancelledDialogPrintsNothing) {
  bool called = false;
  RegisterSheetRoutine(kSheetDtmf, [&](CPrinterDC&, int, int, int, int) { called = true; });
  prompts.AnswerPrintToPdf(std::nullopt);
  EXPECT_FALSE(PrintSheets(nullptr, kSheetDtmf));
  EXPECT_FALSE(called);
}

TEST_F(PrintSheetsTest, LongSheetsMoveToASecondBlockThenToANewPage) {
  // Lines until the list has moved three times (right block, new page, right
  // block), then one more. (The channel sheet test finds the header again
  // after every move.)
  std::vector<SheetCursor> moves;
  int charW = 0;
  RegisterSheetRoutine(kSheetChannelTable, [&](CPrinterDC& dc, int cw, int x, int pitch, int gap) {
    charW = cw;
    moves.clear();  // the dispatcher's trial run drew the list before
    dc.StartPage();
    const int top = gap + 2 * pitch;
    SheetCursor c{x, x, top};
    PrintLine(&dc, c.blockX, &c.y, pitch, "HEAD", 1);
    for (int line = 0; moves.size() < 3 && line < 10000; ++line) {
      PrintLine(&dc, c.blockX, &c.y, pitch, "ROW", 1);
      if (ApplyOverflowRule(dc, c, cw, pitch, top)) {
        moves.push_back(c);
        PrintLine(&dc, c.blockX, &c.y, pitch, "HEAD", 1);
      }
    }
    PrintLine(&dc, c.blockX, &c.y, pitch, "LAST", 1);
  });
  const std::string pdf = Print(kSheetChannelTable, "channels.pdf");

  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(moves[0].blockX, moves[0].x0 + 75 * charW);
  EXPECT_EQ(moves[1].blockX, moves[1].x0);
  EXPECT_EQ(moves[2].blockX, moves[2].x0 + 75 * charW);
  EXPECT_EQ(PdfPageCount(pdf), 2);
}

TEST_F(PrintSheetsTest, OverflowStartsOnlyPastThePageHeight) {
  auto dc = CPrinterDC::CreatePdf(tmp.File("edge.pdf"), 300);
  dc->StartDoc();
  dc->StartPage();
  const int height = dc->GetDeviceCaps(gdi::VERTRES);
  SheetCursor c{100, 100, height - 20};
  EXPECT_FALSE(ApplyOverflowRule(*dc, c, 10, 10, 50));  // exactly at the limit
  EXPECT_EQ(c.y, height - 20);
  c.y = height - 19;
  EXPECT_TRUE(ApplyOverflowRule(*dc, c, 10, 10, 50));
  EXPECT_EQ(c.y, 50);
  EXPECT_EQ(c.blockX, 850);
  EXPECT_EQ(dc->GetPageCount(), 1);
  c.y = height;
  EXPECT_TRUE(ApplyOverflowRule(*dc, c, 10, 10, 50));
  EXPECT_EQ(c.blockX, 100);
  EXPECT_EQ(dc->GetPageCount(), 2);
}

// A main window: white, with a black page below a white row of tabs; the page
// runs past the window's foot.
struct KeyWindow {
  QWidget window;
  QWidget body{&window};
  KeyWindow() {
    window.resize(400, 300);
    QPalette white;
    white.setColor(QPalette::Window, Qt::white);
    window.setPalette(white);
    window.setAutoFillBackground(true);
    QPalette black;
    black.setColor(QPalette::Window, Qt::black);
    body.setPalette(black);
    body.setAutoFillBackground(true);
    body.setGeometry(0, 80, 400, 300);
    window.move(0, 0);
    window.show();
  }
};

TEST_F(PrintSheetsTest, KeySheetCapturesThePageAsItShowsAndPrintsIt) {
  KeyWindow key;
  // The page's own window, as far as the main window shows it.
  const QPixmap picture = CaptureForegroundWindow(&key.body);
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(400, 220));
  const QImage image = picture.toImage();
  EXPECT_EQ(QColor(image.pixel(10, 0)), QColor(Qt::black));
  EXPECT_EQ(QColor(image.pixel(399, 219)), QColor(Qt::black));

  int shown = 0, restored = 0;
  BOOL flagWhileShown = FALSE;
  KeyPageSwitch pages{[&]() -> HWND {
                        ++shown;
                        flagWhileShown = g_bKeyPrintActive;
                        return &key.body;  // any window of the main window
                      },
                      [&] {
                        ++restored;
                        EXPECT_TRUE(g_bKeyPrintActive);
                      }};
  const std::string pdf = tmp.File("key.pdf");
  prompts.AnswerPrintToPdf(pdf);
  EXPECT_TRUE(OnPrintKey(nullptr, pages));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(restored, 1);
  EXPECT_TRUE(flagWhileShown);
  EXPECT_FALSE(g_bKeyPrintActive);
  ASSERT_EQ(prompts.Prompts().size(), 1u);
  EXPECT_EQ(prompts.Prompts()[0].print.flags, PD_RETURNDC);
  EXPECT_TRUE(prompts.MessageTexts().empty());

  // The picture is on the page. (The key sheet test through the main dialog
  // counts the pages and cancels the dialog.)
  const GreyImage page = RenderPage(pdf, 1, 36);
  ASSERT_GT(page.width, 0);
  int dark = 0;
  for (unsigned char p : page.pixels) dark += p < 64;
  EXPECT_GT(dark, 20);
}

TEST_F(PrintSheetsTest, KeySheetFailuresAreShownAndTheFlagCleared) {
  // No page window leaves nothing to print.
  int restored = 0;
  KeyPageSwitch pages{[&]() -> HWND { return nullptr; }, [&] { ++restored; }};
  prompts.AnswerPrintToPdf(tmp.File("flat.pdf"));
  EXPECT_FALSE(OnPrintKey(nullptr, pages));
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Invalid bitmap."});
  EXPECT_FALSE(g_bKeyPrintActive);
  EXPECT_EQ(restored, 1);
  EXPECT_FALSE(std::filesystem::exists(tmp.File("flat.pdf")));

  // A failure while switching to the key page is shown the same way.
  prompts.Clear();
  KeyPageSwitch failing{[]() -> HWND { throw std::runtime_error("No key page."); }, [&] { ++restored; }};
  EXPECT_FALSE(OnPrintKey(nullptr, failing));
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"No key page."});
  EXPECT_FALSE(g_bKeyPrintActive);
  EXPECT_EQ(restored, 2);
}

// Every print dialog, the key sheet's too, starts from the paper, orientation
// and PDF file of the last one accepted in the session (none at first); a
// cancelled one changes nothing, and the file offered stays the sheet's own.
TEST_F(PrintSheetsTest, EachPrintDialogStartsFromTheLastOneAccepted) {
  RegisterSheetRoutine(kSheetDtmf, Stub("DTMF", false, false));
  KeyWindow key;
  KeyPageSwitch pages{[&]() -> HWND { return &key.body; }, [] {}};
  using Paper = std::optional<std::pair<QPageSize::PageSizeId, QPageLayout::Orientation>>;
  const struct {
    bool keySheet;
    Paper chosen;  // none: cancelled
    Paper start;
  } steps[] = {
      {false, {{QPageSize::Letter, QPageLayout::Landscape}}, std::nullopt},
      {true, std::nullopt, {{QPageSize::Letter, QPageLayout::Landscape}}},
      {false, {{QPageSize::A4, QPageLayout::Portrait}}, {{QPageSize::Letter, QPageLayout::Landscape}}},
      {true, {{QPageSize::Legal, QPageLayout::Landscape}}, {{QPageSize::A4, QPageLayout::Portrait}}},
      {false, std::nullopt, {{QPageSize::Legal, QPageLayout::Landscape}}},
  };
  LastPrintChoice().reset();
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const auto& step = steps[i];
    SCOPED_TRACE("step " + std::to_string(i));
    prompts.Clear();
    if (step.chosen) {
      auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setPageSize(QPageSize(step.chosen->first));
      printer->setPageOrientation(step.chosen->second);
      printer->setOutputFileName(QString::fromStdString(tmp.File("step" + std::to_string(i) + ".pdf")));
      prompts.AnswerPrinter(printer);
    } else {
      prompts.AnswerPrintToPdf(std::nullopt);
    }
    const std::string offered = PrintFileName(step.keySheet ? ID_PRINT_KEY : ID_PRINT_DTMF);
    EXPECT_EQ(step.keySheet ? OnPrintKey(nullptr, pages) : PrintSheets(nullptr, kSheetDtmf), step.chosen.has_value());
    ASSERT_EQ(prompts.Prompts().size(), 1u);
    const PrintDialogRequest& request = prompts.Prompts()[0].print;
    EXPECT_EQ(request.fileName, offered);
    ASSERT_EQ(request.start.has_value(), step.start.has_value());
    if (!step.start) continue;
    EXPECT_EQ(request.start->paper.id(), step.start->first);
    EXPECT_EQ(request.start->orientation, step.start->second);
    EXPECT_TRUE(request.start->toFile);
    EXPECT_EQ(request.start->printerName, "");
  }
}

}  // namespace

namespace {

// Counts the warnings Qt prints while it lives.
class WarningCounter {
 public:
  WarningCounter() { Previous() = qInstallMessageHandler(&Handler); Count() = 0; }
  ~WarningCounter() { qInstallMessageHandler(Previous()); }
  int Warnings() const { return Count(); }

 private:
  static int& Count() {
    static int count = 0;
    return count;
  }
  static QtMessageHandler& Previous() {
    static QtMessageHandler previous = nullptr;
    return previous;
  }
  static void Handler(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtDebugMsg && type != QtInfoMsg) ++Count();
  }
};

TEST_F(PrintSheetsTest, APrinterThatCannotStartSaysSoOnceAndPrintsNothing) {
  RegisterSheetRoutine(kSheetGlobal, Stub("G1", true, false), kPartGlobal1);
  RegisterSheetRoutine(kSheetGlobal, [](CPrinterDC& dc, int, int x, int pitch, int gap) {
    // A long sheet: every line would try the printer again.
    int y = gap + 2 * pitch;
    for (int i = 0; i < 300; ++i) PrintLine(&dc, x, &y, pitch, "row", 1);
    dc.Rectangle(x, gap, x + 100, y);
  }, kPartGlobal2);

  // A PDF file that cannot be written: the printer fails at its first page.
  auto unwritable = std::make_shared<QPrinter>(QPrinter::HighResolution);
  unwritable->setOutputFormat(QPrinter::PdfFormat);
  unwritable->setOutputFileName(QString::fromStdString(tmp.File("no/such/folder/sheet.pdf")));
  // A printer the system does not know: it cannot even open the document.
  auto unknown = std::make_shared<QPrinter>(QPrinter::HighResolution);
  unknown->setPrinterName(QStringLiteral("no such printer"));
  for (const auto& printer : {unwritable, unknown}) {
    prompts.Clear();
    prompts.AnswerPrinter(printer);
    WarningCounter qt;
    EXPECT_FALSE(PrintSheets(nullptr, kSheetGlobal));
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kPrinterCannotStart});
    EXPECT_LE(qt.Warnings(), 1);  // at most Qt's own one line, not one per row
  }
  EXPECT_FALSE(std::filesystem::exists(tmp.File("no/such/folder/sheet.pdf")));

  // The key sheet says the same.
  QWidget window;
  window.resize(300, 200);
  window.show();
  prompts.Clear();
  prompts.AnswerPrinter(unwritable);
  KeyPageSwitch pages{[&]() -> HWND { return &window; }, [] {}};
  EXPECT_FALSE(OnPrintKey(nullptr, pages));
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kPrinterCannotStart});
}

}  // namespace

namespace {

TEST_F(PrintSheetsTest, TheSystemPrintDialogPrintsASheetToAPdfFileOfItsOwn) {
  // The system's own print dialog (not the scripted one), driven as a person
  // does: it offers PDF output even though the sheets' request hides the
  // print-to-file box; choosing it and a file name prints the sheet there.
  RegisterSheetRoutine(kSheetDtmf, Stub("DTMF", false, false));
  CQtPromptService system;
  SetPromptService(&system);
  const std::string pdf = tmp.File("chosen.pdf");
  bool offered = false;
  bool dialogSeen = false;
  std::string offeredFile;
  const std::string proposed = PrintFileName(ID_PRINT_DTMF);
  ui_test::TimedAutopilot pilot([&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (!dialog || dialogSeen) return;
    dialogSeen = true;
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    const int toPdf = printers ? printers->findText(QStringLiteral("PDF"), Qt::MatchContains) : -1;
    offered = toPdf >= 0 && file;
    if (!offered) {
      dialog->reject();
      return;
    }
    printers->setCurrentIndex(toPdf);
    offeredFile = file->text().toStdString();
    file->setText(QString::fromStdString(pdf));
    dialog->accept();
  });
  const bool printed = PrintSheets(nullptr, kSheetDtmf);
  SetPromptService(&prompts);
  EXPECT_TRUE(dialogSeen);
  EXPECT_TRUE(offered);
  EXPECT_EQ(offeredFile, proposed);
  EXPECT_TRUE(printed);
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_NE(FindWord(PdfWords(pdf), "DTMF"), nullptr);
}

// The paper and orientation chosen in the system dialog's page set-up (Letter
// landscape) are what the next dialog, the key sheet's, holds when it opens:
// accepted untouched, it prints on them, to the key sheet's own file.
TEST_F(PrintSheetsTest, TheSystemPrintDialogOpensWithThePaperChosenInTheLastOne) {
  RegisterSheetRoutine(kSheetDtmf, Stub("DTMF", false, false));
  KeyWindow key;
  KeyPageSwitch pages{[&]() -> HWND { return &key.body; }, [] {}};
  LastPrintChoice().reset();
  CQtPromptService system;
  SetPromptService(&system);
  const std::string first = tmp.File("first.pdf");
  enum { kOpenSetUp, kChoosePaper, kPrintFirst, kPrintKey, kDone } stage = kOpenSetUp;
  QPageLayout held;
  bool heldToFile = false;
  std::string offered;
  ui_test::TimedAutopilot pilot([&] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    auto* printers = dialog ? dialog->findChild<QComboBox*>(QStringLiteral("printers")) : nullptr;
    auto* file = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("filename")) : nullptr;
    if (stage == kOpenSetUp && dialog) {
      // The page set-up opens modally: clicked once this step has returned.
      auto* properties = dialog->findChild<QPushButton*>(QStringLiteral("properties"));
      stage = properties ? kChoosePaper : kDone;
      if (properties) QTimer::singleShot(0, properties, &QPushButton::click);
      else dialog->reject();
    } else if (stage == kChoosePaper && modal && !dialog) {
      stage = kPrintFirst;
      auto* sizes = modal->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
      auto* landscape = modal->findChild<QRadioButton*>(QStringLiteral("landscape"));
      if (sizes) sizes->setCurrentIndex(sizes->findText(QStringLiteral("Letter"), Qt::MatchStartsWith));
      if (landscape) landscape->click();
      qobject_cast<QDialog*>(modal)->accept();
    } else if (stage == kPrintFirst && dialog && printers && file) {
      stage = kPrintKey;
      printers->setCurrentIndex(printers->findText(QStringLiteral("PDF"), Qt::MatchContains));
      file->setText(QString::fromStdString(first));
      dialog->accept();
    } else if (stage == kPrintKey && dialog && file) {
      stage = kDone;
      held = dialog->printer()->pageLayout();
      heldToFile = dialog->printer()->outputFormat() == QPrinter::PdfFormat;
      offered = file->text().toStdString();
      dialog->accept();
    } else if (dialog) {
      dialog->reject();
    }
  });
  const bool printedFirst = PrintSheets(nullptr, kSheetDtmf);
  const std::string offeredForKey = PrintFileName(ID_PRINT_KEY);  // in the folder just printed to
  const bool printedKey = OnPrintKey(nullptr, pages);
  SetPromptService(&prompts);
  EXPECT_EQ(stage, kDone);
  EXPECT_TRUE(printedFirst);
  EXPECT_TRUE(printedKey);
  EXPECT_EQ(held.pageSize().id(), QPageSize::Letter);
  EXPECT_EQ(held.orientation(), QPageLayout::Landscape);
  EXPECT_TRUE(heldToFile);
  EXPECT_EQ(offered, offeredForKey);
  // Both files are on Letter landscape, 11 x 8.5 inches.
  for (const std::string& pdf : {first, offeredForKey}) {
    std::smatch size;
    const std::string info = RunCommand("pdfinfo '" + pdf + "' 2>/dev/null");
    EXPECT_TRUE(std::regex_search(info, size, std::regex(R"(Page size:\s+(\S+) x (\S+) pts)"))) << pdf;
    EXPECT_EQ(size.size() == 3 ? size.str(1) + "x" + size.str(2) : "", "792x612") << pdf;
  }
}

}  // namespace
