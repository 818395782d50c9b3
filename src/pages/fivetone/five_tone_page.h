// CFiveToneTablePage: the "5-Tone" tab page. One grid shows the five tone sets
// side by side: the sixteen tones of the digits 0 to F and each set's tone and
// gap periods. Four sets have fixed tones; the fifth, "NATEL/USER", is the
// record's user table. The periods, the gaps and the user tones are typed into
// an editor laid over the cell and stored in CFiveToneTableData at once. The
// page's buttons open the two 5-Tone dialogs.
#pragma once

#include "res/page_five_tone.h"
#include "ui/table_control/flex_grid.h"
#include "ui/table_control/grid_cell_editor.h"
#include "ui/layout/anchor_layout.h"
#include "ui/page/scroll_page.h"

class CPrinterDC;

class CFiveToneTablePage : public CScrollPage {
 public:
  enum { IDD = IDD_FIVE_TONE_PAGE };

  explicit CFiveToneTablePage(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // Sheet 6: the tone sets and the common/system settings; needs no window.
  void PrintSheet(CPrinterDC* pDC, int cw, int x, int pitch, int gap);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  void OnCommonSystem();
  void OnEncodeDecode();
  void OnKillfocusCellEdit();
  void OnGridKeyPress(NMHDR* pHeader, LRESULT* pResult);
  void OnSize(UINT nType, int cx, int cy);

  DECLARE_MESSAGE_MAP()

 private:
  void BuildGrid();
  // Anchors a control with its margins as it stands in the page now.
  void AnchorAsPlaced(int id, UINT flags);
  // Rewrites a cell of the record from the record.
  void ShowCell(long row, long col);
  // Lays the editor over the current cell with the start text; nothing when
  // the cell is not one of the record's.
  void BeginCellEdit(const std::string& text);

  CAnchorLayout m_layout;
  CGridCellEditor m_cellEdit;
  CMSFlexGrid m_grid;
  // The grid whose cell the editor belongs to: set when a key or a double
  // click reaches the grid.
  CMSFlexGrid* m_pActiveGrid = nullptr;
  bool m_bCommitting = false;
};

// Sheet 6, "5-Tone Common/System", drawn from the records.
void PrintFiveToneTableSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
// Sheet 7, "5-Tone Encode/Decode": the encode and decode lists as the records hold them.
void PrintFiveToneListSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);
