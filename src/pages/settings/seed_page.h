// The Seed channel page (tab "Seed channel", dialog 115): the twenty seed
// channels as frequencies in MHz. A frequency is stored when its edit loses
// the focus (Enter moves on and so commits): the model turns it into the
// channel words, the edit then shows the frequency of word 0, a stored change
// sets g_bModified, and a frequency the radio cannot hold beeps and leaves the
// seed as it was.
#pragma once

#include "res/page_seed.h"
#include "ui/cells/num_edit.h"
#include "ui/page/scroll_page.h"

class CPrinterDC;

class CSeedChannelPage : public CScrollPage {
 public:
  enum { IDD = IDD_SEED };
  explicit CSeedChannelPage(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Every edit from its seed.
  void RefreshSeedChannels();

 protected:
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnFrequencySetFocus(UINT nID);
  void OnFrequencyKillFocus(UINT nID);
  DECLARE_MESSAGE_MAP()

 private:
  CNumEdit m_edits[kSeedEditCount];
};

// The Seed channel sheet: one page, which it begins and leaves for the caller to end.
void PrintSeedChannelSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
