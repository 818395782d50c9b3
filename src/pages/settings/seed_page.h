// The Seed channel page (tab "Seed channel", dialog 115): the twenty seed
// channels as frequencies in MHz, four digits and five decimals. A frequency is
// stored when its cell loses the focus with a text other than the one shown
// (Enter moves on and so stores): the model turns it into the channel words,
// the cell then shows the frequency of word 0, a changed word sets g_bModified,
// and a frequency the radio cannot hold beeps and leaves the seed as it was.
#pragma once

#include "res/page_seed.h"
#include "ui/page/field_page.h"

class CPrinterDC;

class CSeedChannelPage : public CFieldPage {
 public:
  enum { IDD = IDD_SEED };
  explicit CSeedChannelPage(CWnd* pParent = nullptr);
};

// The Seed channel sheet: one page, which it begins and leaves for the caller to end.
void PrintSeedChannelSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
