// The Sel Call page and sheet: the zone chooser by double-click and by Enter,
// the rows of a block mapped to their entries, the Target MIN limits, the block
// kept across a tab switch, Shift+F9, and the sheet read back from its PDF.
#include <QListWidget>

#include <cmath>

#include "model/sel_call.h"
#include "page_harness.h"
#include "pages/settings/dtmf_page.h"
#include "pages/settings/sel_call_page.h"
#include "ui/cells/cells.h"
#include "ui/page/page_pattern.h"
#include "ui/print/sheet_registry.h"

namespace page_test {
namespace {

constexpr std::size_t kSelCallImage = 15232;

CSelCallRecord& Entry(int n) { return TheModel().store.selCalls[n - 1]; }

class SelCall : public PageHarness {
 protected:
  CSelCallPage& OpenPage() { return OpenAs<CSelCallPage>(IDD_SEL_CALL); }
  // The chooser's entries as shown.
  std::vector<std::string> ChooserTexts() {
    std::vector<std::string> texts;
    CWnd* list = Page().GetDlgItem(IDC_SC_CHOOSER);
    for (int i = 0; i < list->SendMessage(LB_GETCOUNT); ++i) {
      std::string text;
      list->SendMessage(LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text));
      texts.push_back(text);
    }
    return texts;
  }
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
  const auto before = Packed();
  prompts.Clear();
  Click(Page().GetDlgItem(IDC_SC_ZONE[2]));
  Pump();
  EXPECT_TRUE(Visible(Page(), IDC_SC_CHOOSER));
  EXPECT_EQ(ChooserTexts(), (std::vector<std::string>{"Global", "Zone 3", "Zone 7", "Disable"}));
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
  ExpectImageDiff(before, {{kSelCallImage + 16 * 2 + 2}});

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
  const auto before = Packed();
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
  // Only entries 99 and 100 changed; 101 to 320 among the rest stay as they were.
  constexpr std::size_t e99 = kSelCallImage + 16 * 98;
  constexpr std::size_t e100 = kSelCallImage + 16 * 99;
  std::vector<ImageBits> owned = {{e99}, {e99 + 1}};
  for (std::size_t k : {0, 1, 8, 9, 10, 11, 12, 13, 14, 15}) owned.push_back({e100 + k});
  ExpectImageDiff(before, owned);

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

using SelCallSheet = PageHarness;

TEST_F(SelCallSheet, FiftyEntriesABlockSideBySideOnA4AndLetter) {
  Entry(1).zoneCode = 200;
  Entry(51).zoneCode = 0;
  SetTagText(Entry(50).alias, "LAST50");
  Entry(100).targetMin = 65519;
  Entry(101).targetMin = 4242;
  for (QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
    SCOPED_TRACE(size);
    paper = size;
    const auto words = SheetWords(kSheetSelCall);
    const print_test::PdfWord* one = print_test::FindWord(words, "001");
    const print_test::PdfWord* fiftyOne = print_test::FindWord(words, "051");
    ASSERT_TRUE(one && fiftyOne);
    EXPECT_NEAR(one->yMin, fiftyOne->yMin, 0.5);
    EXPECT_GT(fiftyOne->xMin, one->xMin);
    for (const char* w : {"050", "100", "LAST50", "65519", "Global"}) {
      EXPECT_NE(print_test::FindWord(words, w), nullptr) << w;
    }
    EXPECT_EQ(print_test::FindWord(words, "101"), nullptr);
    EXPECT_EQ(print_test::FindWord(words, "4242"), nullptr);
    // Zone code 200 prints "Disable", on the line of entry 1.
    bool disableOnOne = false;
    for (const auto& w : words) {
      disableOnOne |= w.text == "Disable" && std::abs(w.yMin - one->yMin) < 0.5 && w.xMin < fiftyOne->xMin;
    }
    EXPECT_TRUE(disableOnOne);
  }
}

}  // namespace
}  // namespace page_test
