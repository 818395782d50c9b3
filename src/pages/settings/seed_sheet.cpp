// The Seed channel sheet: the twenty seeds in two blocks of ten, each with its
// number and the frequency of its word 0 as the page shows it.
#include "model/edit_model.h"
#include "model/seed_channel.h"
#include "pages/settings/seed_page.h"
#include "ui/print/sheet_writer.h"

namespace {

constexpr SheetColumn kColumns[] = {{"No.", 0, 18}, {"Frequency", 18, 31}};

}  // namespace

void PrintSeedChannelSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  dc.StartPage();
  SheetTable table;
  table.title = " Seed channel";
  table.columns = kColumns;
  table.entries = kSeedChannelCount;
  table.blocks = 2;
  table.blockStep = 41;
  table.text = [](int seed, int column) {
    return column == 0 ? SeedNumberText(seed) : SeedFrequencyText(TheModel(), seed);
  };
  PrintSheetTable(dc, charW, x, pitch, gap, table);
}
