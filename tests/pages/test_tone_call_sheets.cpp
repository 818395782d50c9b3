// The 5-Tone, DTMF and Sel Call sheets printed through the print dispatch and
// read back from the PDF line by line: which values share a line, in what
// order, and what the records hold that no page shows.
#include <regex>
#include <sstream>

#include "model/dtmf_ani.h"
#include "model/global_fields.h"
#include "model/sel_call.h"
#include "page_harness.h"
#include "test_five_tone_support.h"
#include "ui/print/sheet_registry.h"

namespace page_test {
namespace {

using namespace five_tone;

class ToneCallSheets : public PageHarness {
 protected:
  // The sheet as pdftotext lays it out, each line as its words joined by one
  // blank, every line between line breaks.
  std::string Text(int sheet) {
    std::istringstream text(SheetText(sheet));
    std::string lines = "\n";
    for (std::string line, word; std::getline(text, line); lines += "\n") {
      std::istringstream words(line);
      for (bool first = true; words >> word; first = false) lines += (first ? "" : " ") + word;
    }
    return lines;
  }
  // Every piece is somewhere in the text; none of the absent pieces is.
  static void ExpectPieces(const std::string& text, std::initializer_list<const char*> pieces,
                          std::initializer_list<const char*> absent = {}) {
    for (const char* piece : pieces) EXPECT_NE(text.find(piece), std::string::npos) << piece << " in" << text;
    for (const char* piece : absent) EXPECT_EQ(text.find(piece), std::string::npos) << piece << " in" << text;
  }
};

// Sheet 6: the user tones beside the fixed sets, the periods and gaps, the
// digit marks, and a code no list has as the dialog shows it. Sheet 7: the
// lists as the records hold them, edited and not yet packed, with nothing
// packed by printing; STUN, KILL and REVIVE by name, not as Decode 6 to 8.
TEST_F(ToneCallSheets, FiveToneSheetsPrintTheRecordsAsTheDialogsShowThem) {
  five_tone_test::ResetRecords();
  CEditModel& m = TheModel();
  ASSERT_TRUE(m.fiveToneTable.SetCellText(4, 5, "1234"));
  for (int k = 0; k < 5; ++k) {
    kDisplayDigitUsed[k].Set(m, 0, 1);
    kDecodeDigitUsed[k].Set(m, 0, 0);
  }
  kToneTableNo.Set(m, 0, 5);  // in no list: printed as the dialog shows it
  kChannelSw.Set(m, 0, 3);
  kLeadInDelay.Set(m, 0, 123);
  ExpectPieces(Text(kSheetFiveToneCommon),
              {"\nZVEI CCIR1 EEA EIA NATEL\n", "\n3 1270 1275 1275 1023 1234\n",
               "\nGap Period Time[ms] 60 95 130 165 200\n", "\nDisplay Digit 1 V 2 V 3 V 4 V 5 V\n",
               "\nDecode Code 1 2 3 4 5\n", "\nCall DEC/ENC Tone Table No ZVEI\n", "\nChannel SW Null\n",
               "\nLead in delay 1230 ms\n"});
  EXPECT_EQ(SheetPages(), 1);

  ASSERT_TRUE(m.fiveToneEncode.SetCellText(0, 1, "777"));
  ASSERT_TRUE(m.fiveToneDecode.SetCellText(5, 1, "9"));
  const std::vector<std::uint8_t> image(RadioImage(), RadioImage() + kImageBufferSize);
  ExpectPieces(Text(kSheetFiveToneList),
              {"\nEncode 1 777 ENC0 ", "\n5-Tone Decode\n", "\nSTUN 9\n", "\nKILL 345\n", "\nREVIVE 345\n", " DEC4 "},
              {"DEC5"});
  EXPECT_EQ(SheetPages(), 1);
  EXPECT_EQ(m.fiveToneDecode.GetRec(5).FormatCode(), "9    ");
  EXPECT_TRUE(std::equal(image.begin(), image.end(), RadioImage()));
}

// Dial location 0 first, with its tag and digits on its line; the tenth paging
// code numbered 10; a code no list has printed as the page shows it; one KeyPad row.
TEST_F(ToneCallSheets, DtmfSheetPrintsTheRowsInThePagesOrder) {
  LoadRadio(Band::Uhf, 0);
  SetTagText(TheModel().dtmf.dialTag[9], "ZERO");
  SetTagText(TheModel().dtmf.dialTag[0], "ONE");
  SetDialText(TheModel().dtmf.dialMemory[9], "0123456789ABCD*");
  TheModel().dtmf.pagingCode[9] = 0x2ABC;
  gf::kFirstDigitDelay.Set(TheModel(), 0, 6);  // neither 3 nor 4
  const std::string text = Text(kSheetDtmf);
  EXPECT_EQ(SheetPages(), 1);
  ExpectPieces(text, {"\n0 ZERO 0123456789ABCD* ", " 10 ABC on\n", "\n1st digit Delay 300msec\n", "\nDTMF Keypad "},
              {"500msec", "KeyPad"});
  EXPECT_LT(text.find(" ZERO "), text.find(" ONE "));
}

// Entries 1 to 100 in two blocks of fifty, entry 51 on the line of entry 1,
// on one page of A4 and of the shorter Letter.
TEST_F(ToneCallSheets, SelCallSheetPrintsFiftyEntriesABlockSideBySide) {
  auto& entries = TheModel().store.selCalls;
  entries[0].zoneCode = 200;  // "Disable"
  entries[50].zoneCode = 0;
  SetTagText(entries[49].alias, "LAST50");
  entries[99].targetMin = 65519;
  entries[100].targetMin = 4242;
  for (QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
    SCOPED_TRACE(size);
    paper = size;
    const std::string text = Text(kSheetSelCall);
    EXPECT_TRUE(std::regex_search(text, std::regex("\n001 Disable [^\n]* 051 Global "))) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("\n050 [^\n]* LAST50 [^\n]* 100 [^\n]* 65519\n"))) << text;
    ExpectPieces(text, {}, {"\n101 ", " 101 ", " 4242"});
    EXPECT_EQ(SheetPages(), 1);
  }
}

}  // namespace
}  // namespace page_test
