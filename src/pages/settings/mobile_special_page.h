// CMobileSpecialPage: the settings of a mobile installation in the global
// settings record: the external microphone, horn alert time, ignition sense,
// external PTT and AF minimum volume level, the functions of the six accessory
// ports of the DSUB-15 connector, and its group switch table (a zone and
// sixteen switch positions, each one of that zone's groups). The whole page is
// its binding table: the port and switch-table lists offer what the model
// allows (a function on one port of a side, a port an input or an output, a
// group in one position), and a choice in one refreshes the others.
#pragma once

#include <span>

#include "res/page_mobile_special.h"
#include "ui/page/field_page.h"

class CPrinterDC;

class CMobileSpecialPage : public CFieldPage {
 public:
  enum { IDD = IDD_MOBILE_SPECIAL };
  explicit CMobileSpecialPage(CWnd* pParent = nullptr);
};

// The page's bindings, which its sheet prints.
std::span<const Binding> MobileSpecialBindings();
// Prints the Mobile Special settings on the "Global" sheet, on a page of their own that it begins.
void PrintMobileSpecialSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
