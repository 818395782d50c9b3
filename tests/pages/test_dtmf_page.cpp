// The DTMF ANI page and the DTMF sheet: where its records' bits go in the
// image, the rows mapped to their records, the paging codes' cells, the KeyPad
// lock, erased radio memory, and the sheet read back from its PDF.
#include "model/dtmf_ani.h"
#include "model/global_fields.h"
#include "page_harness.h"
#include "pages/settings/dtmf_page.h"
#include "pages/settings/seed_page.h"
#include "pages/settings/sel_call_page.h"
#include "ui/print/sheet_registry.h"

namespace page_test {
namespace {

CDtmfSettings& D() { return TheModel().dtmf; }

using DtmfPage = PageHarness;

TEST_F(DtmfPage, EveryListOwnsItsImageBits) {
  OpenAs<CDtmfAniPage>(IDD_DTMF);
  const ImageFact facts[] = {
      {IDC_DT_MONITOR, 209, 0x01},       {IDC_DT_PAUSE_CHAR, 384, 0x80},        {IDC_DT_PAUSE_TIME, 384, 0x70},
      {IDC_DT_SPEED, 385, 0x10},         {IDC_DT_KEYPAD, 385, 0x20},            {IDC_DT_CALLING_TIMES, 385, 0x03},
      {IDC_DT_ANSWER_BACK, 385, 0x00},   {IDC_DT_AUTO_RESET, 385, 0x00},        {IDC_DT_ANI_TRANSMISSION, 202, 0x01},
      {IDC_DT_ANI_SPEED, 212, 0xC0},     {IDC_DT_FIRST_DIGIT_DELAY, 213, 0x70}, {IDC_DT_DECODING[0], 562, 0x20},
      {IDC_DT_DECODING[6], 574, 0x20},   {IDC_DT_DECODING[9], 580, 0x20},
  };
  CheckImageFacts(facts);
  // The hidden Answer Back and Auto Reset go to the radio as "off" and "on", whatever they hold.
  Choose(IDC_DT_ANSWER_BACK, 1);
  Choose(IDC_DT_AUTO_RESET, 0);
  EXPECT_EQ(Packed()[385] & 0xC0, 0x40);
  EXPECT_EQ(D().pagingByte & 0xC0, 0x40);
}

TEST_F(DtmfPage, DialStringsShowExactlyTheStoredDigits) {
  OpenAs<CDtmfAniPage>(IDD_DTMF);
  const auto before = Packed();
  // "12", Backspace, "3" dials 1, 3; "Location #0" is record 9.
  TypeInto(IDC_DT_DIAL[0], "12");
  Key(Qt::Key_Backspace);
  Type("3");
  EXPECT_EQ(Shown(IDC_DT_DIAL[0]), "13");
  EXPECT_EQ(DialText(D().dialMemory[9]), "13");
  EXPECT_EQ(DialLength(D().dialMemory[9]), 2);
  EXPECT_EQ(g_bModified, 1u);
  ExpectImageDiff(before, {{402 + 72, 0xFF}, {402 + 73, 0xFF}});
  TypeInto(IDC_DT_DIAL_TAG[0], "ab 1");
  EXPECT_EQ(std::string(D().dialTag[9]), "AB 1    ");

  // "*" and "#" are digits 14 and 15; e, f and a sixteenth character are refused.
  TypeInto(IDC_DT_ANI_CODE, "a*#e1f234567890123");
  EXPECT_EQ(Shown(IDC_DT_ANI_CODE), "A*#123456789012");
  EXPECT_EQ(DialDigit(D().aniCode, 2), 14);
  EXPECT_EQ(DialDigit(D().aniCode, 3), 15);
  EXPECT_EQ(DialLength(D().aniCode), 15);
  // Emptied, the field stores length 0 and prints nothing.
  TypeInto(IDC_DT_DIAL[1], "5");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(DialLength(D().dialMemory[0]), 0);
  EXPECT_EQ(PrintText(DtmfBindings(), IDC_DT_DIAL[1]), "");

  // The pause character code: "*" stores 14; emptied it stores 0 and shows it, selected.
  TypeInto(IDC_DT_PAUSE_CODE, "*");
  EXPECT_EQ(D().pauseByte & 0x0F, 14);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(D().pauseByte & 0x0F, 0);
  EXPECT_EQ(Shown(IDC_DT_PAUSE_CODE), "0");
  Type("B");
  EXPECT_EQ(D().pauseByte & 0x0F, 11);
}

// A paging code takes digits and A-D only; the positions it leaves blank store 15.
TEST_F(DtmfPage, PagingCodesTakeNoSignsAndShowWhatIsStored) {
  D().pagingCode[3] = 0x2456;
  OpenAs<CDtmfAniPage>(IDD_DTMF);
  EXPECT_EQ(Shown(IDC_DT_PAGING_CODE[3]), "456");
  TypeInto(IDC_DT_PAGING_CODE[3], "1");
  EXPECT_EQ(D().pagingCode[3], 0x21FF);
  Type("*#C");
  EXPECT_EQ(D().pagingCode[3], 0x21CF);
  EXPECT_EQ(Shown(IDC_DT_PAGING_CODE[3]), "1C");
}

TEST_F(DtmfPage, KeypadIsLockedOnlyOnType11WithBit3OfByte251) {
  for (std::uint8_t type : {11, 0}) {
    for (std::uint8_t bit : {0x08, 0x00}) {
      LoadRadio(Band::Uhf, type);
      TheModel().global.byte251 = static_cast<std::uint8_t>(0xF7 | bit);
      OpenAs<CDtmfAniPage>(IDD_DTMF);
      EXPECT_EQ(Enabled(IDC_DT_KEYPAD), !(type == 11 && bit)) << int(type) << " " << int(bit);
      EXPECT_FALSE(Enabled(IDC_DT_ANI_CODE_PTT_OFF));
    }
  }
}

using DtmfSheet = PageHarness;

TEST_F(DtmfSheet, OnePageLocationZeroFirstAndTheSameTextsAsThePage) {
  LoadRadio(Band::Uhf, 0);
  SetTagText(D().dialTag[9], "ZERO");
  SetTagText(D().dialTag[0], "ONE");
  SetDialText(D().dialMemory[9], "0123456789ABCD*");
  D().pagingCode[9] = 0x2ABC;
  gf::kFirstDigitDelay.Set(TheModel(), 0, 6);  // neither 3 nor 4
  const auto words = SheetWords(kSheetDtmf);
  EXPECT_EQ(SheetPages(), 1);
  auto word = [&](const char* text) {
    const print_test::PdfWord* w = print_test::FindWord(words, text);
    EXPECT_NE(w, nullptr) << text;
    return w ? *w : print_test::PdfWord{};
  };
  // Location 0 first, with its tag and its digits; the tenth paging code is "10".
  EXPECT_LT(word("ZERO").yMin, word("ONE").yMin);
  EXPECT_NEAR(word("0123456789ABCD*").yMin, word("ZERO").yMin, 0.5);
  EXPECT_NEAR(word("ABC").yMin, word("10").yMin, 0.5);
  EXPECT_GT(word("ABC").xMin, word("10").xMin);
  // The page's text for a code no entry has, and one KeyPad row on every radio.
  EXPECT_NE(print_test::FindWord(words, "300msec"), nullptr);
  EXPECT_EQ(print_test::FindWord(words, "500msec"), nullptr);
  EXPECT_NE(print_test::FindWord(words, "Keypad"), nullptr);
  EXPECT_EQ(print_test::FindWord(words, "KeyPad"), nullptr);
  OpenAs<CDtmfAniPage>(IDD_DTMF);
  EXPECT_EQ(Shown(IDC_DT_FIRST_DIGIT_DELAY), "300msec");
}

// A radio whose DTMF, Sel Call and seed memory reads back erased (0xFF): every
// page comes up and shows what the bytes mean, and nothing is changed by it.
TEST_F(DtmfPage, PagesComeUpOnErasedRadioMemory) {
  for (Band band : {Band::Uhf, Band::Vhf}) {
    LoadRadio(band, 11);
    auto& image = TheModel().image;
    std::fill(image.begin() + 384, image.begin() + 582, 0xFF);      // the DTMF block
    std::fill(image.begin() + 13696, image.begin() + 13816, 0xFF);  // the seeds
    std::fill(image.begin() + 15232, image.begin() + 20352, 0xFF);  // the Sel Call entries
    TheModel().UnpackImage(image.data());
    const auto before = Packed();

    OpenAs<CDtmfAniPage>(IDD_DTMF);
    EXPECT_EQ(Shown(IDC_DT_DIAL[0]), "###############");
    EXPECT_EQ(Shown(IDC_DT_DIAL_TAG[0]), "        ");
    EXPECT_EQ(Shown(IDC_DT_PAGING_CODE[0]), "");
    EXPECT_TRUE(Enabled(IDC_DT_PAGING_CODE[0]));
    EXPECT_EQ(Shown(IDC_DT_PAUSE_CODE), "#");
    Open(IDD_SEED);
    EXPECT_EQ(Shown(IDC_SEED_FREQ[0]), "   0.00000");
    Open(IDD_SEL_CALL);
    EXPECT_EQ(Shown(IDC_SC_ZONE[0]), "Disable");
    EXPECT_EQ(Shown(IDC_SC_ALIAS[0]), "        ");
    EXPECT_EQ(Shown(IDC_SC_TARGET[0]), "65535");
    Close();
    ExpectImageDiff(before, {});
    EXPECT_EQ(g_bModified, 0u);
  }
}

}  // namespace
}  // namespace page_test
