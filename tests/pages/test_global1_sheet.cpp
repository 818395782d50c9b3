// The Global 1 column of the "Global" sheet printed to a PDF and read back:
// the groups of each production type, the row layout and the value texts.
#include <algorithm>
#include <cmath>

#include "model/edit_model.h"
#include "pages/settings/global1_page.h"
#include "test_global1_support.h"
#include "ui/print/printer_dc.h"
#include "ui/test_print_support.h"

namespace global1_test {
namespace {

using print_test::FindWord;
using print_test::PdfWord;

CGlobalSettings& G() { return TheModel().global; }

constexpr int kDpi = 600;
double Points(int device) { return device * 72.0 / kDpi; }

class Global1SheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApp();
    ResetRecords(11);
    G().byte222 = 57;           // "-3db"
    G().byte182 = 0x04;         // Configure code 2
    G().byte223 = 32;           // "Low"
    G().byte755 = 50;           // 500 msec
    G().byte209 = 0x04;         // Scan Beep enabled
    G().byte186 = 0x03;         // RX save 1:3
    std::copy_n("AB      ", 8, G().password.begin());
  }
  void TearDown() override { ResetRecords(11); }

  // Prints the column at x and reads the words back.
  std::vector<PdfWord> Print() {
    const std::string pdf = dir.File("sheet.pdf");
    auto dc = CPrinterDC::CreatePdf(pdf, kDpi);
    EXPECT_GT(dc->StartDoc("Global"), 0);
    dc->SelectFont(gdi::FontSpec{90, "MS Sans Serif", gdi::FW_NORMAL, 0});
    const gdi::TEXTMETRIC tm = dc->GetTextMetrics();
    cw = tm.tmAveCharWidth;
    pitch = tm.tmHeight * 3 / 2;
    page.PrintSheet(dc.get(), cw, x, pitch, gap);
    EXPECT_TRUE(dc->IsPageOpen());  // the dispatcher ends the page
    EXPECT_EQ(dc->GetPageCount(), 1);
    dc->EndPage();
    dc->EndDoc();
    dc.reset();
    EXPECT_EQ(print_test::PdfPageCount(pdf), 1);
    return print_test::PdfWords(pdf);
  }
  double RowTop(int row) const { return Points(gap + row * pitch); }

  print_test::TempDir dir;
  CGlobal1Page page;  // printing needs no window
  int x = 240, gap = 300, cw = 0, pitch = 0;
};

TEST_F(Global1SheetTest, ProductionType11PrintsDisplayAndMicrophoneHookGroups) {
  const auto words = Print();
  ASSERT_FALSE(words.empty());
  for (const char* w : {"MODEL", "TQ-5100-RM3K-50(UHF)", "Display", "LCD", "Angle", "Normal", "Alternative",
                        "Alternative", "Continuous", "DM1", "500msec", "Audible", "-3db", "Low", "Hook",
                        "Monitor", "Enable", "Function", "0.7sec", "Start", "Password", "AB"}) {
    EXPECT_NE(FindWord(words, w), nullptr) << w;
  }
  for (const char* w : {"Handheld", "Rotary", "saving", "RX"}) EXPECT_EQ(FindWord(words, w), nullptr) << w;

  // Everything lies in the left column, within the group frames. Positions are
  // measured from "MODEL", which stands at x (the PDF adds the page margin).
  const PdfWord* model = FindWord(words, "MODEL");
  ASSERT_NE(model, nullptr);
  const double left = model->xMin;
  for (const PdfWord& w : words) {
    EXPECT_GE(w.xMin, left - 0.5) << w.text;
    EXPECT_LE(w.xMin - left, Points(45 * cw)) << w.text;
  }
  // "Display" shares its row with "LCD Angle"; "Configure" stands alone on the
  // next row, its value on the row after.
  const PdfWord* display = FindWord(words, "Display");
  const PdfWord* lcd = FindWord(words, "LCD");
  const PdfWord* backLight = FindWord(words, "Back");  // the row after the value
  const PdfWord* alternative = FindWord(words, "Alternative");
  ASSERT_TRUE(display && lcd && backLight && alternative);
  EXPECT_NEAR(display->yMin, lcd->yMin, 1.0);
  EXPECT_NEAR(display->xMin, left, 0.5);
  EXPECT_NEAR(lcd->xMin - left, Points(8 * cw), 1.0);
  EXPECT_NEAR(alternative->yMin - display->yMin, 2 * Points(pitch), 1.0);
  EXPECT_NEAR(backLight->yMin - alternative->yMin, Points(pitch), 1.0);
  EXPECT_NEAR(alternative->xMin - left, Points(10 * cw), 1.0);
  // Rows run from the gap down in steps of the pitch: the password is row 39.
  const PdfWord* password = FindWord(words, "AB");
  ASSERT_NE(password, nullptr);
  EXPECT_NEAR(password->yMin - display->yMin, RowTop(39) - RowTop(4), 1.0);
  EXPECT_NEAR(password->xMin - left, Points(32 * cw), 1.0);
}

TEST_F(Global1SheetTest, OtherRadiosPrintPowerSavingAndHandheldAndNoModelName) {
  TheModel().store.modelWord = 0;
  G().byte222 = 100;
  const auto words = Print();
  for (const char* w : {"MODEL", "Audible", "Power", "saving", "RX", "1:3", "Scan", "Password", "AB", "Handheld",
                        "Rotary", "Group"}) {
    EXPECT_NE(FindWord(words, w), nullptr) << w;
  }
  for (const char* w : {"TQ-5100-RM3K-50(UHF)", "Angle", "Hook", "Microphone", "LCD"}) {
    EXPECT_EQ(FindWord(words, w), nullptr) << w;
  }
  const PdfWord* rotary = FindWord(words, "Rotary");
  const PdfWord* rx = FindWord(words, "RX");
  const PdfWord* handheld = FindWord(words, "Handheld");
  ASSERT_TRUE(rotary && rx && handheld);
  EXPECT_NEAR(rotary->xMin - handheld->xMin, Points(3 * cw), 1.0);
  EXPECT_NEAR(rx->xMin - handheld->xMin, Points(8 * cw), 1.0);
  EXPECT_NEAR(rotary->yMin - handheld->yMin, Points(pitch), 1.0);
}

TEST_F(Global1SheetTest, ValueTextsForCodesWithoutAnEntry) {
  G().byte222 = 100;  // no microphone code: "-10db"
  G().byte223 = 7;    // any other beep level: "High"
  G().byte184 = 99;   // dual watch: "0.7sec"
  G().byte182 = 0x0A; // Configure code 5 has no entry: nothing
  G().password.fill('\0');
  const auto words = Print();
  EXPECT_NE(FindWord(words, "-10db"), nullptr);
  EXPECT_NE(FindWord(words, "High"), nullptr);
  EXPECT_NE(FindWord(words, "0.7sec"), nullptr);
  EXPECT_EQ(FindWord(words, "Alternative"), nullptr);
  EXPECT_EQ(FindWord(words, "AB"), nullptr);
}

}  // namespace
}  // namespace global1_test
