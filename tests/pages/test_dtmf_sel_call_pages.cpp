// The DTMF ANI and Sel Call pages' irregular rules (the binding contract and
// the field golden script cover each control's field and bits, the rows'
// records and the first Sel Call block): the DTMF codes' refused characters,
// the hidden lists the radio gets as constants, the KeyPad lock; the Sel Call
// zone chooser's entries, keys, colours and a choice by double-click, the rows
// of a block mapped to their entries, the Target MIN limits with their beeps,
// the block kept across a tab switch; Shift+F9 on both; erased radio memory.
#include <QListWidget>

#include "model/dtmf_ani.h"
#include "model/sel_call.h"
#include "page_harness.h"
#include "pages/settings/dtmf_page.h"
#include "pages/settings/seed_page.h"
#include "pages/settings/sel_call_page.h"
#include "ui/cells/cells.h"
#include "ui/page/page_pattern.h"

namespace page_test {
namespace {

CDtmfSettings& D() { return TheModel().dtmf; }

using DtmfPage = PageHarness;

TEST_F(DtmfPage, DecodingRowsOwnTheirBitsAndCodesTakeOnlyTheirDigitsAtEveryKey) {
  OpenAs<CDtmfAniPage>(IDD_DTMF);
  // Each row's decoding is bit 13 of its own paging code (the golden script's toggles leave a swap of rows unseen).
  for (unsigned row = 0; row < 10; ++row) {
    const ImageFact decoding{IDC_DT_DECODING[row], 562 + 2 * row, 0x20};
    CheckImageFacts({&decoding, 1});
  }
  D().pagingCode[3] = 0x2456;
  FieldPage()->UpdateControls();
  // The pause character code: "*" stores 14; emptied it stores 0 and shows it.
  TypeInto(IDC_DT_PAUSE_CODE, "*");
  EXPECT_EQ(D().pauseByte & 0x0F, 14);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(D().pauseByte & 0x0F, 0);
  EXPECT_EQ(Shown(IDC_DT_PAUSE_CODE), "0");
  Type("B");  // over the "0", which is selected
  EXPECT_EQ(D().pauseByte & 0x0F, 11);
  // "e", "f" and a sixteenth character are refused.
  TypeInto(IDC_DT_ANI_CODE, "a*#e1f234567890123");
  EXPECT_EQ(Shown(IDC_DT_ANI_CODE), "A*#123456789012");
  // A paging code takes digits and A-D only; the positions it leaves blank store 15.
  EXPECT_EQ(Shown(IDC_DT_PAGING_CODE[3]), "456");
  TypeInto(IDC_DT_PAGING_CODE[3], "1");
  EXPECT_EQ(D().pagingCode[3], 0x21FF);
  Type("*#C");
  EXPECT_EQ(D().pagingCode[3], 0x21CF);
  EXPECT_EQ(Shown(IDC_DT_PAGING_CODE[3]), "1C");
  // The hidden Answer Back and Auto Reset go to the radio as "off" and "on", whatever they hold.
  Choose(IDC_DT_ANSWER_BACK, 1);
  Choose(IDC_DT_AUTO_RESET, 0);
  EXPECT_EQ(Packed()[385] & 0xC0, 0x40);
  EXPECT_EQ(D().pagingByte & 0xC0, 0x40);
}

TEST_F(DtmfPage, KeypadIsLockedOnlyOnType11WithBit3OfByte251) {
  for (std::uint8_t type : {11, 0}) {
    for (std::uint8_t bit : {0x08, 0x00}) {
      LoadRadio(Band::Uhf, type);
      TheModel().global.byte251 = static_cast<std::uint8_t>(0xF7 | bit);
      OpenAs<CDtmfAniPage>(IDD_DTMF);
      EXPECT_EQ(Enabled(IDC_DT_KEYPAD), !(type == 11 && bit)) << int(type) << " " << int(bit);
    }
  }
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


CSelCallRecord& Entry(int n) { return TheModel().store.selCalls[n - 1]; }

class SelCall : public PageHarness {
 protected:
  CSelCallPage& OpenPage() { return OpenAs<CSelCallPage>(IDD_SEL_CALL); }
  COLORREF ZoneColor(int row) {
    CWnd* cell = FieldPage()->BindingSet().Control(*FindBinding(FieldPage()->Bindings(), IDC_SC_ZONE[row]));
    return static_cast<CColorLabel*>(cell)->GetTextColor();
  }
  // The block tab chosen with the keyboard, as a person does.
  void ShowBlock(int block) {
    CWnd* tab = Page().GetDlgItem(IDC_SC_TAB);
    tab->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == tab; }));
    for (int i = 0; i < block; ++i) Key(Qt::Key_Right);
    Pump();
  }
};

// The chooser's entries, where it opens, its beeps and colours, and a choice by
// double-click (the contract chooses every entry with Enter).
TEST_F(SelCall, ZoneChooserOffersPassPortZonesAndStoresByDoubleClick) {
  TheModel().store.zoneFormat[2] = 0x90;  // PassPort (bits 2-4 = 4)
  TheModel().store.zoneFormat[6] = 0x91;  // PassPort
  TheModel().store.zoneFormat[9] = 0x84;  // LTR
  OpenPage();
  prompts.Clear();
  Click(Page().GetDlgItem(IDC_SC_ZONE[2]));
  Pump();
  EXPECT_TRUE(Visible(Page(), IDC_SC_CHOOSER));
  EXPECT_EQ(Entries(IDC_SC_CHOOSER), (std::vector<std::string>{"Global", "Zone 3", "Zone 7", "Disable"}));
  EXPECT_EQ(Page().SendDlgItemMessage(IDC_SC_CHOOSER, LB_GETCURSEL), 3);  // "Disable", the stored 255
  EXPECT_EQ(prompts.Beeps(), 1);
  EXPECT_EQ(ZoneColor(2), cell_colors::kRed);

  // A double-click on "Zone 7": stored, the list gone, the focus on the row's alias.
  auto* list = qobject_cast<QListWidget*>(Page().GetDlgItem(IDC_SC_CHOOSER)->GetSafeHwnd());
  ASSERT_NE(list, nullptr);
  const QPoint zone7 = list->visualItemRect(list->item(2)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, zone7);
  DoubleClick(list->viewport(), zone7);
  Pump();
  EXPECT_EQ(Entry(3).zoneCode, 7);
  EXPECT_EQ(Shown(IDC_SC_ZONE[2]), "Zone 7");
  EXPECT_FALSE(Visible(Page(), IDC_SC_CHOOSER));
  EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDC_SC_ALIAS[2]);
  EXPECT_EQ(ZoneColor(2), RGB(0, 0, 0));
  EXPECT_EQ(prompts.Beeps(), 2);

  // Esc and Tab leave the list open. A zone no longer PassPort shows its number
  // and opens the list on "Global".
  Entry(4).zoneCode = 7;
  TheModel().store.zoneFormat[6] = 0;
  FieldPage()->UpdateControls();
  Click(Page().GetDlgItem(IDC_SC_ZONE[3]));
  Pump();
  Key(Qt::Key_Escape);
  Key(Qt::Key_Tab);
  EXPECT_TRUE(Visible(Page(), IDC_SC_CHOOSER));
  EXPECT_EQ(Shown(IDC_SC_ZONE[3]), "Zone 7");
  EXPECT_EQ(Page().SendDlgItemMessage(IDC_SC_CHOOSER, LB_GETCURSEL), 0);
}

TEST_F(SelCall, EachRowEditsTheEntryOfItsBlockAndTargetMinStaysInRange) {
  CSelCallPage& page = OpenPage();
  ShowBlock(4);
  EXPECT_EQ(Shown(IDC_SC_CAPTION[0]), " #81");
  EXPECT_EQ(Shown(IDC_SC_CAPTION[19]), "#100");
  g_bModified = 0;
  TypeInto(IDC_SC_ALIAS[19], "ab1");
  EXPECT_EQ(std::string(Entry(100).alias), "AB1     ");
  EXPECT_EQ(g_bModified, 1u);
  prompts.Clear();
  TypeInto(IDC_SC_TARGET[19], "70000");
  EXPECT_EQ(Entry(100).targetMin, 65519u);
  EXPECT_EQ(Shown(IDC_SC_TARGET[19]), "65519");
  EXPECT_EQ(prompts.Beeps(), 1);
  TypeInto(IDC_SC_TARGET[18], "0");
  EXPECT_EQ(Entry(99).targetMin, 1u);
  EXPECT_EQ(Shown(IDC_SC_TARGET[18]), "1");
  EXPECT_EQ(prompts.Beeps(), 2);
  TypeInto(IDC_SC_TARGET[18], "12345");
  EXPECT_EQ(Entry(99).targetMin, 12345u);
  EXPECT_EQ(prompts.Beeps(), 2);

  // The block stays while the tab is left and shown again.
  page.DestroyWindow();
  ASSERT_TRUE(page.Create(IDD_SEL_CALL, &host));
  page.ShowWindow(SW_SHOW);
  Pump();
  EXPECT_EQ(static_cast<CTabCtrl*>(page.GetDlgItem(IDC_SC_TAB))->GetCurSel(), 4);
  EXPECT_EQ(Shown(IDC_SC_ALIAS[19]), "AB1     ");
  EXPECT_EQ(Shown(IDC_SC_TARGET[18]), "12345");
}

// Shift+F9 reaches the main dialog from an entry cell, and from a field page
// whose click range must not take the command for a click.
TEST_F(SelCall, ShiftF9GoesToTheMemoryEditorAsOnEveryPage) {
  for (int cell : {IDC_SC_ALIAS[0], IDC_DT_ANI_CODE}) {
    if (cell == IDC_DT_ANI_CODE) Open(IDD_DTMF);
    else OpenPage();
    FocusOn(cell);
    host.sent.clear();
    Key(Qt::Key_F9, Qt::ShiftModifier);
    ASSERT_EQ(host.sent.size(), 1u) << cell;
    EXPECT_EQ(host.sent[0].message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(LOWORD(host.sent[0].wParam), ID_ROM_EDITOR);
  }
}

}  // namespace
}  // namespace page_test
