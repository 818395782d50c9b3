// The Sel Call page (tab "Sel Call", dialog 113): the tabs of the five blocks
// "#1 - #20" .. "#81 - #100" over twenty rows, each the entry of its block with
// its zone, alias and Target MIN. A zone is chosen from a list that drops down
// beside the row's zone cell ("Global", the PassPort zones, "Disable"); Esc and
// Tab leave the list open. An alias is stored at every key; a Target MIN at
// every key, brought into 1..65519 with a beep. The block shown is kept while
// the tab is left.
#pragma once

#include "res/page_sel_call.h"
#include "ui/page/field_page.h"
#include "ui/wnd/ext/tab_ctrl.h"

class CPrinterDC;

class CSelCallPage : public CFieldPage {
 public:
  enum { IDD = IDD_SEL_CALL };
  explicit CSelCallPage(CWnd* pParent = nullptr);
  ~CSelCallPage() override;

  BOOL OnInitDialog() override;

  // The block shown (0..4); a change closes the zone list and shows the block's entries.
  int Block() const { return m_block; }
  void SetBlock(int block);

 protected:
  // The last four rows' list opens higher, inside the page.
  CRect ChooserRect(const Binding& b, const CRect& cell) override;
  void OnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  CTabCtrl m_tab;
  int m_block = 0;
};

// The Sel Call sheet: entries 1 to 100 in two blocks of fifty; begins its
// page and leaves the last one for the caller to end.
void PrintSelCallSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
