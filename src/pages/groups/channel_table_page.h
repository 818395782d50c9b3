// CChannelTablePage: the 250 channel records fourteen at a time, in two blocks
// of seven columns (enable, receive and transmit frequency, spacing), with the
// radio-wide Default Split above them. It is a grid page (pages/column_pages) without
// a Default column whose arrows step by seven channels; the first channel shown
// is kept from one opening to the next. The frequency entries, enabling and
// clearing a channel (with the sweep of its references) and the Default Split
// are model operations (channel_model.h); a cleared channel is also reported to
// the main dialog (WM_CHANNEL_CLEARED). No tab or page message opens the page;
// its sheet prints through the print dispatch as sheet 4.
#pragma once

#include "pages/column_pages/grid_page.h"
#include "res/page_channel_table.h"

class CPrinterDC;

class CChannelTablePage : public grid::CGridPage {
 public:
  enum { IDD = IDD_CHANNEL_TABLE };
  CChannelTablePage();

  // From the enable row's commit: the column's enable cell takes the focus;
  // a channel newly in use gets a blank Rx edit and the focus there once the
  // page is refreshed (leaving it blank clears the channel again).
  void AfterEnableCommit(int column, bool newlyEnabled);
  // WM_CHANNEL_CLEARED (channel index) to the main dialog.
  void ReportCleared(int c);

 protected:
  int FirstMin() const override { return 0; }
  int FirstMax() const override;
  // A held arrow does not go below the first channel the page opened at.
  int HeldFirstMin() const override { return m_openedAt; }
  // The frequency and spacing cells of a channel take input while it is in use.
  grid::State CellState(const grid::Row& row, int column, int c) override;
  std::string ColumnCaption(int column) const override;
  BOOL OnInitDialog() override;
  void OnInitPage() override;
  void OnRefreshed() override;

  void OnSplitSetFocus();
  void OnSplitKillFocus();
  LRESULT OnNumberChange(WPARAM wParam, LPARAM lParam);
  void OnClose();
  DECLARE_MESSAGE_MAP()

 private:
  CNumEdit m_split;
  int m_openedAt = 0;
  int m_blankRxColumn = 0;  // a newly enabled channel's column, until the refresh after its commit
};

// Sheet 4, the channel table: the Default Split, then every channel in use with
// its number, frequencies and spacing, in blocks under the overflow rule.
void PrintChannelTableSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
