// The DTMF ANI page (tab "DTMF ANI", dialog 162): the global DTMF options, the
// ten dial memories and their tags, the calling times and the ten paging codes
// with their decoding switches, and the ANI settings. Every edit is stored at
// once (a typed text at each key) and sets g_bModified; a paging code's edit
// is enabled while its decoding is on, and the KeyPad list is locked on a
// production type 11 radio whose image byte 251 has bit 3 set.
#pragma once

#include <span>

#include "res/page_dtmf.h"
#include "ui/page/field_page.h"

class CPrinterDC;

class CDtmfAniPage : public CFieldPage {
 public:
  enum { IDD = IDD_DTMF };
  explicit CDtmfAniPage(CWnd* pParent = nullptr);

 protected:
  // A decoding choice shows its paging code anew and enables or disables its edit.
  void OnCommitted(const Binding& b) override;
};

// The page's bindings, which its sheet prints.
std::span<const Binding> DtmfBindings();
// The DTMF sheet: one page, which it begins and leaves for the caller to end.
void PrintDtmfSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
