// Every sheet of the Print menu through the main dialog, on A4 and US Letter,
// portrait and landscape, as the print dialog offers them: what each sheet draws (its texts
// and rules, as the printer context logs them) lies inside the printable area,
// no text runs into another or onto a box's rule, a sheet laid out as fixed
// pages keeps its page count, and the words read back from the PDF come apart
// where they should.
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <algorithm>
#include <set>

#include "model/global_fields.h"
#include "model/zone_model.h"
#include "shell/print_sheets.h"
#include "test_main_dlg_support.h"
#include "ui/test_print_layout.h"
#include "ui/test_print_support.h"

namespace main_dlg_test {
namespace {

using print_test::PdfWord;

CChannelStore& S() { return TheModel().store; }

// Zone 1 Conventional with groups enough for a second page, zone 2 PassPort
// with talk groups, zone 3 LTR (printed with the conventional layout); the
// group values with the widest texts, under the captions with a TPAC column.
void UseEveryZoneLayout() {
  gf::kLtrCaptions.Set(TheModel(), 0, 0);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 0, 100).refused);
  S().SetSystemDefaults(2, kSystemLtr);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 2, 3).refused);
  // More talk groups than the page offers, as a file may hold.
  S().SetSystemDefaults(1, kSystemPassPort);
  S().zoneFlags[1] = kZoneInUse;
  S().groupCount[1] = 30;
  S().UpdateGroupTotals();
  for (int g = 0; g < 133; ++g) {
    CGroupRecord& r = S().groups[g];
    r.channelWord = std::uint16_t(0xF000 | (g % 250));  // every switch of the word
    r.byte0 = 0xFC;                                      // switches, "A", "LH"
    r.byte2 = 0x7B;                                      // "DCS Invert" both ways, Flat AF
    r.byte3 = 0x38;
    r.idWord = 65535;
    std::copy_n("WWWWWWWW", 8, r.name);
  }
}

TEST_F(MainDlgTest, EverySheetLiesWholeOnThePaperWithNoTextOverAnotherOrOnARule) {
  for (const int productionType : {0, 11}) {
    TheModel().store.modelWord = static_cast<std::uint32_t>(productionType) << 8;
    Start();
    UseEveryZoneLayout();
    // Every command of the Print menu, and the channel sheet's.
    std::vector<UINT> commands = {ID_PRINT_CHANNELS};
    for (int i = 0; i < dlg->GetMainMenu().GetMenuItemCount(); ++i) {
      std::string title;
      dlg->GetMainMenu().GetMenuString(static_cast<UINT>(i), title, MF_BYPOSITION);
      if (title != "&Print") continue;
      CMenu* print = dlg->GetMainMenu().GetSubMenu(i);
      for (int k = 0; k < print->GetMenuItemCount(); ++k) commands.push_back(print->GetMenuItemID(k));
    }
    const std::pair<QPageSize::PageSizeId, QPageLayout::Orientation> papers[] = {
        {QPageSize::A4, QPageLayout::Portrait},
        {QPageSize::Letter, QPageLayout::Portrait},
        {QPageSize::A4, QPageLayout::Landscape},
        {QPageSize::Letter, QPageLayout::Landscape}};
    for (const auto& [paper, orientation] : papers) {
      for (const UINT command : commands) {
        const int sheet = SheetOfCommand(command);
        if (sheet < 0 || (!IsSheetRegistered(sheet) && !IsSheetRegistered(sheet, kPartGlobal1))) continue;
        SCOPED_TRACE("production type " + std::to_string(productionType) + ", paper " +
                     QPageSize::name(paper).toStdString() +
                     (orientation == QPageLayout::Landscape ? " landscape" : "") +
                     ", sheet " + std::to_string(sheet));
        print_test::TempDir tmp;
        const std::string pdf = tmp.File("sheet.pdf");
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(paper));
        printer->setPageOrientation(orientation);
        printer->setOutputFileName(QString::fromStdString(pdf));
        prompts.AnswerPrinter(printer);
        std::vector<DrawnItem> drawn;
        CPrinterDC::SetDrawingLog(&drawn);
        Command(command);
        CPrinterDC::SetDrawingLog(nullptr);
        ui_test::Pump();

        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(print_test::PdfPageCount(pdf), drawn.back().page);
        // The Global sheet is two pages, every other one but the Zone and
        // channel sheets (tables as long as the data) one page, on every paper.
        if (sheet != kSheetZone && sheet != kSheetChannelTable) {
          EXPECT_EQ(drawn.back().page, sheet == kSheetGlobal ? 2 : 1);
        }
        // A hair: a hundredth of an inch.
        for (const std::string& fault : print_test::LayoutFaults(drawn, printer->width(), printer->height(),
                                                     printer->resolution() / 100)) {
          ADD_FAILURE() << fault;
        }
        const std::vector<PdfWord> words = print_test::PdfWords(pdf);
        if (sheet == kSheetZone) {
          // Both tables with every column (the zone sheet test counts the
          // header on every page and each group once).
          std::multiset<std::string> texts;
          for (const DrawnItem& d : drawn) texts.insert(d.text);
          for (const char* heading :
               {"Groups", "Alias", "TX Freq.", "RX Freq.", "N/W", "Subaudible signal(RX)", "Subaudible signal(TX)",
                "Type", "Code", "Monitor", "TX Inhibit", "Timeout Timer", "Busy Lockout", "Compander", "Scan Memory",
                "Call Alert", "ANI", "ANI Monitor", "Encryption", "(by user)", "(Fixed)", "Talk Around",
                "2nd TX Power", "Flat AF", "Paging", "TPAC", "Group", "Enable/Disable", "Talk", "ID", "Scan",
                "Disable", "TX", "TOT"}) {
            EXPECT_TRUE(texts.count(heading)) << heading;
          }
          EXPECT_EQ(texts.count("LH"), 103u);
          EXPECT_NE(print_test::FindWord(words, "TPAC"), nullptr);
          EXPECT_NE(print_test::FindWord(words, "TOT"), nullptr);
        }
      }
    }
    dlg.reset();
  }
}

}  // namespace
}  // namespace main_dlg_test
