// The Seed channel sheet: the twenty seeds in two blocks of ten, each with its
// number and the frequency of its word 0 as the page shows it.
#include "model/edit_model.h"
#include "model/seed_channel.h"
#include "pages/settings/seed_page.h"
#include "ui/print/sheet_writer.h"

namespace {

constexpr SheetColumn kColumns[] = {{"No.", 0, 18}, {"Frequency", 18, 31}};

std::string CellText(int seed, int column) {
  return column == 0 ? SeedNumberText(seed) : SeedFrequencyText(TheModel(), seed);
}

}  // namespace

void PrintSeedChannelSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  dc.StartPage();
  PrintSheetTable(dc, charW, x, pitch, gap, {" Seed channel", kColumns, kSeedChannelCount, 2, 41, CellText});
}
