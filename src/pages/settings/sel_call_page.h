// The Sel Call pages (tab "Sel Call"): the frame (dialog 113) holds the tabs of
// the five blocks "#1 - #20" .. "#81 - #100"; the entry page (dialog 114)
// inside it shows the twenty entries of the block chosen, each with its zone,
// alias and Target MIN. A zone is chosen from a list that drops down over the
// row's zone cell ("Global", the PassPort zones, "Disable"), by a double-click
// or Enter; an alias is stored at every key; a Target MIN at every key, brought
// into 1..65519 with a beep. A change sets g_bModified. The block shown is kept
// while the tab is left.
#pragma once

#include "res/page_sel_call.h"
#include "ui/cells/cells.h"
#include "ui/page/popup_list.h"
#include "ui/page/scroll_page.h"
#include "ui/wnd/ext/tab_ctrl.h"

class CPrinterDC;

class CSelCallListPage : public CDialog {
 public:
  enum { IDD = IDD_SEL_CALL_LIST };
  CSelCallListPage();
  ~CSelCallListPage() override;

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The block shown (0..4); a change closes the chooser and shows the block's entries.
  int Block() const { return m_block; }
  void SetBlock(int block);
  // Every row from the records.
  void Refresh();
  bool IsChooserOpen() const { return m_chooser.IsOpen(); }

 protected:
  void OnZoneCellClicked(UINT nID);
  LRESULT OnLabelEnter(WPARAM wParam, LPARAM lParam);
  void OnCellSetFocus(UINT nID);
  LRESULT OnAliasChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnTargetMinChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnNextField(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrevField(WPARAM wParam, LPARAM lParam);
  void OnRomEditor();
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  DECLARE_MESSAGE_MAP()

 private:
  // The record of a row (0..19) in the block shown.
  int RecordOf(int row) const;
  void RefreshRow(int row);
  void DetachCells();
  void OpenZoneChooser(int row);
  // A zone chosen for the cell the chooser was opened for.
  void OnZoneChosen(int anchorId, const OfferedList& offered, int position);
  // Hides the chooser and turns every zone cell black.
  void HideZoneChooser();

  int m_block = 0;
  HACCEL m_hAccel = nullptr;
  CStatic m_caption[kSelCallPageRows];
  CColorLabel m_zone[kSelCallPageRows];
  CSerialEdit m_alias[kSelCallPageRows];
  CNumEdit m_target[kSelCallPageRows];
  CPopupList m_chooser;
  CBrush m_white;
};

class CSelCallFrame : public CScrollPage {
 public:
  enum { IDD = IDD_SEL_CALL };
  explicit CSelCallFrame(CWnd* pParent = nullptr);
  ~CSelCallFrame() override;

  BOOL OnInitDialog() override;
  CSelCallListPage& EntryPage() { return m_entries; }

 protected:
  void OnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
  void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  CTabCtrl m_tab;
  CSelCallListPage m_entries;
};

// The Sel Call sheet: entries 1 to 100 in two blocks of fifty; begins its
// page and leaves the last one for the caller to end.
void PrintSelCallSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
