// The Global 2 page (tab 1, dialog 140): the second half of the radio-wide
// settings. The emergency function (zone and group, lock-out, the emergency
// code, times, display and LED behaviour), the power-on status, the
// transmission guard times, the TPAC options, the advanced settings and the
// special zones and groups (home, four short cuts, data). Every choice is
// written into CGlobalSettings at once and sets g_bModified.
#pragma once

#include <span>

#include "res/page_global2.h"
#include "ui/page/field_page.h"

class CPrinterDC;

class CGlobal2Page : public CFieldPage {
 public:
  enum { IDD = IDD_GLOBAL2 };
  explicit CGlobal2Page(CWnd* pParent = nullptr);
};

// The page's bindings, which its sheet prints.
std::span<const Binding> Global2Bindings();
// The Global 2 half of the Global sheet, at x (the Global 1 half's left edge
// + 55 character widths), on the page the Global 1 half began; ends that page.
void PrintGlobal2Sheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
