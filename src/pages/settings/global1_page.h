// CGlobal1Page: the first tab page, the radio-wide settings of CGlobalSettings
// (display, audible sounds, power saving, microphone hook, scan function,
// password, handheld rotary switch, option board) and the MODEL list. Every
// choice is written into the record at once and sets g_bModified; nothing is
// checked here (the record's checks run when the model is packed). Choosing a
// model begins the edit model anew from the band's default data file.
#pragma once

#include <span>

#include "model/global_lists.h"
#include "res/page_global1.h"
#include "ui/page/field_page.h"

class CPrinterDC;

class CGlobal1Page : public CFieldPage {
 public:
  enum { IDD = IDD_GLOBAL1 };
  explicit CGlobal1Page(CWnd* pParent = nullptr);

 protected:
  // Tells the main dialog which model the list shows.
  void OnRefresh() override;
  void OnSelchangeModel();
  DECLARE_MESSAGE_MAP()
};

// The page's bindings, which its sheet prints.
std::span<const Binding> Global1Bindings();
// The Global 1 column of the "Global" sheet at x; begins the page, ends none.
void PrintGlobal1Sheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
