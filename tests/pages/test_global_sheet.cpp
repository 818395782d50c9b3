// The "Global" sheet through the print dispatch, read back from the PDF: the
// blocks of each production type, the two columns on one page and the row
// layout. (Its values are the bindings' print texts, which the binding
// contract checks for every code, listed or not.)
#include <algorithm>

#include "page_harness.h"
#include "ui/print/sheet_registry.h"

namespace page_test {
namespace {

using print_test::FindWord;
using print_test::PdfWord;

CGlobalSettings& G() { return TheModel().global; }

class GlobalSheet : public PageHarness {
 protected:
  void SetUp() override {
    PageHarness::SetUp();
    G().byte222 = 57;    // "-3db"
    G().byte182 = 0x04;  // Configure code 2
    G().byte223 = 32;    // "Low"
    G().byte755 = 50;    // 500 msec
    G().byte186 = 0x03;  // RX save 1:3
    G().SetPasswordText("AB");
  }
  const PdfWord& Word(const std::vector<PdfWord>& words, const char* text) {
    const PdfWord* w = FindWord(words, text);
    if (!w) ADD_FAILURE() << "no word " << text;
    static const PdfWord none{};
    return w ? *w : none;
  }
};

TEST_F(GlobalSheet, Type11PrintsBothColumnsOnOnePage) {
  const auto words = SheetWords(kSheetGlobal);
  EXPECT_EQ(SheetPages(), 2);  // the second is the Mobile Special page
  for (const char* w : {"TQ-5100-RM3K-50(UHF)", "Angle", "Normal", "Alternative", "Continuous", "DM1", "500msec",
                        "-3db", "Low", "Hook", "Monitor", "0.7sec", "Start", "AB", "Emergency", "Zone/Group",
                        "Receiver", "TPAC", "Data", "Short"}) {
    EXPECT_NE(FindWord(words, w), nullptr) << w;
  }
  for (const char* w : {"Handheld", "Rotary", "saving"}) EXPECT_EQ(FindWord(words, w), nullptr) << w;

  // "Display" shares its line with "LCD Angle" (label column 8); "Configure"
  // stands alone on the next line, its value on the line after at column 10,
  // and "Back Light" follows.
  const PdfWord& model = Word(words, "MODEL");
  const PdfWord& display = Word(words, "Display");
  const PdfWord& lcd = Word(words, "LCD");
  const PdfWord& alternative = Word(words, "Alternative");
  const double charW = (lcd.xMin - display.xMin) / (8 - 1.0 / 3);  // titles stand a third of a width in
  const double pitch = Word(words, "Back").yMin - alternative.yMin;
  EXPECT_NEAR(display.yMin, lcd.yMin, 0.5);
  EXPECT_NEAR(display.xMin, model.xMin, 0.5);
  EXPECT_NEAR(alternative.yMin - display.yMin, 2 * pitch, 1.0);
  EXPECT_NEAR(alternative.xMin - display.xMin, 10 * charW, 1.0);
  // The password is line 39, at column 32; blocks stand one empty line apart.
  EXPECT_NEAR(Word(words, "AB").yMin - display.yMin, 35 * pitch, 1.5);
  EXPECT_NEAR(Word(words, "AB").xMin - model.xMin, 32 * charW, 1.0);
  // The Global 2 column stands 55 character widths to the right, from line 2.
  EXPECT_NEAR(Word(words, "Emergency").xMin - model.xMin, 55 * charW, 1.5);
  EXPECT_NEAR(Word(words, "Emergency").yMin, model.yMin, 0.5);
}

TEST_F(GlobalSheet, OtherRadiosPrintPowerSavingAndHandheldAndNoDataRows) {
  LoadRadio(Band::Uhf, 0);
  G().byte186 = 0x03;  // RX save 1:3
  const auto words = SheetWords(kSheetGlobal);
  for (const char* w : {"saving", "1:3", "Handheld", "Rotary", "Group"}) EXPECT_NE(FindWord(words, w), nullptr) << w;
  for (const char* w : {"TQ-5100-RM3K-50(UHF)", "Angle", "Hook", "Data"}) EXPECT_EQ(FindWord(words, w), nullptr) << w;
  EXPECT_NEAR(Word(words, "Rotary").xMin - Word(words, "Handheld").xMin,
              (Word(words, "RX").xMin - Word(words, "Handheld").xMin) * 3 / 8, 1.0);
}

}  // namespace
}  // namespace page_test
