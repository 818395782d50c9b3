// Sheets 6 and 7 printed through the print dispatch and read back from the PDF.
#include <cmath>

#include "page_harness.h"
#include "test_five_tone_support.h"
#include "ui/print/sheet_registry.h"

namespace five_tone_test {
namespace {

using print_test::FindWord;
using print_test::PdfWord;

class FiveToneSheetTest : public page_test::PageHarness {
 protected:
  void SetUp() override {
    PageHarness::SetUp();
    ResetRecords();
  }
  // Printed through the print dispatch: one page, begun and ended there.
  std::vector<PdfWord> Print(int sheet) {
    auto words = SheetWords(sheet);
    EXPECT_EQ(SheetPages(), 1);
    return words;
  }
  // The words on the line of a word, left to right.
  static std::vector<std::string> LineOf(const std::vector<PdfWord>& words, const PdfWord* at) {
    std::vector<std::string> line;
    if (!at) return line;
    for (const PdfWord& w : words) {
      if (std::abs(w.yMin - at->yMin) < 2) line.push_back(w.text);
    }
    return line;
  }
  static const PdfWord* After(const std::vector<PdfWord>& words, const std::string& text, double below) {
    for (const PdfWord& w : words) {
      if (w.text == text && w.yMin > below) return &w;
    }
    return nullptr;
  }
};

TEST_F(FiveToneSheetTest, Sheet6PrintsTheToneSetsAndTheSettingsAsTheDialogShowsThem) {
  CEditModel& m = TheModel();
  ASSERT_TRUE(m.fiveToneTable.SetCellText(4, 5, "1234"));
  for (int k = 0; k < 5; ++k) {
    kDisplayDigitUsed[k].Set(m, 0, 1);
    kDecodeDigitUsed[k].Set(m, 0, 0);
  }
  kToneTableNo.Set(m, 0, 5);  // in no list: printed as the dialog shows it
  kChannelSw.Set(m, 0, 3);
  kLeadInDelay.Set(m, 0, 123);
  const auto words = Print(kSheetFiveToneCommon);

  // The user tone in the NATEL/USER column, right of the fixed ones.
  const PdfWord* natel = FindWord(words, "NATEL");
  const PdfWord* user = FindWord(words, "1234");
  ASSERT_TRUE(natel && user && FindWord(words, "ZVEI"));
  EXPECT_GT(user->xMin, natel->xMin);
  EXPECT_EQ(LineOf(words, After(words, "3", FindWord(words, "ZVEI")->yMax)),
            (std::vector<std::string>{"3", "1270", "1275", "1275", "1023", "1234"}));
  EXPECT_EQ(LineOf(words, FindWord(words, "Gap")),
            (std::vector<std::string>{"Gap", "Period", "Time[ms]", "60", "95", "130", "165", "200"}));

  using L = std::vector<std::string>;
  EXPECT_EQ(LineOf(words, FindWord(words, "Digit")),
            (L{"Display", "Digit", "1", "V", "2", "V", "3", "V", "4", "V", "5", "V"}));
  EXPECT_EQ(LineOf(words, After(words, "Decode", FindWord(words, "Digit")->yMax)),
            (L{"Decode", "Code", "1", "2", "3", "4", "5"}));
  EXPECT_EQ(LineOf(words, FindWord(words, "DEC/ENC")), (L{"Call", "DEC/ENC", "Tone", "Table", "No", "ZVEI"}));
  EXPECT_EQ(LineOf(words, FindWord(words, "Channel")), (L{"Channel", "SW", "Null"}));
  EXPECT_EQ(LineOf(words, FindWord(words, "in")), (L{"Lead", "in", "delay", "1230", "ms"}));
}

TEST_F(FiveToneSheetTest, Sheet7PrintsTheListsAsTheRecordsHoldThemAndChangesNothing) {
  CEditModel& m = TheModel();
  // Edited in memory, not yet packed: the sheet shows the edit and keeps it.
  ASSERT_TRUE(m.fiveToneEncode.SetCellText(0, 1, "777"));
  ASSERT_TRUE(m.fiveToneDecode.SetCellText(5, 1, "9"));
  const std::vector<std::uint8_t> image = ImageBytes(img::kFiveToneBlock, img::kFiveToneBlock + 896);
  const auto words = Print(kSheetFiveToneList);

  using L = std::vector<std::string>;
  const PdfWord* first = FindWord(words, "Encode");
  ASSERT_NE(first, nullptr);
  const L encode1 = LineOf(words, After(words, "Encode", first->yMax));
  ASSERT_GE(encode1.size(), 4u);
  EXPECT_EQ(L(encode1.begin(), encode1.begin() + 4), (L{"Encode", "1", "777", "ENC0"}));
  EXPECT_EQ(LineOf(words, FindWord(words, "Decode")), (L{"5-Tone", "Decode"}));
  EXPECT_EQ(LineOf(words, FindWord(words, "STUN")), (L{"STUN", "9"}));
  EXPECT_EQ(LineOf(words, FindWord(words, "KILL")), (L{"KILL", "345"}));
  EXPECT_EQ(LineOf(words, FindWord(words, "REVIVE")), (L{"REVIVE", "345"}));
  EXPECT_EQ(FindWord(words, "DEC5"), nullptr);
  EXPECT_NE(FindWord(words, "DEC4"), nullptr);

  EXPECT_EQ(m.fiveToneEncode.GetRec(0).FormatCode(), "777  ");
  EXPECT_EQ(m.fiveToneDecode.GetRec(5).FormatCode(), "9    ");
  EXPECT_EQ(ImageBytes(img::kFiveToneBlock, img::kFiveToneBlock + 896), image);
}

}  // namespace
}  // namespace five_tone_test
