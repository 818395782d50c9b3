// CFiveToneListDlg: the modal "5-Tone" dialog of the encode and decode lists,
// in three grids: "Encode 1" to "Encode 8", "Decode 1" to "Decode 5", and the
// decode entries STUN, KILL and REVIVE, whose columns are bindings over the
// entries' fields and lists. Codes and tags are typed into an editor laid over
// the cell; the other cells step by Space or a double click. The lists are reloaded from the image when the dialog opens and
// packed into it on OK; Cancel, Esc on a grid or closing the window reload them
// and give g_bModified back its value at opening (an edit still open then is
// dropped). Esc in the editor puts that cell back and nothing else.
#pragma once

#include <cstdint>
#include <string>

#include "res/dialogs_five_tone.h"
#include "ui/table_control/flex_grid.h"
#include "ui/table_control/grid_cell_editor.h"
#include "ui/wnd/dialog.h"

struct Binding;
struct FiveToneListGrid;

class CFiveToneListDlg : public CDialog {
 public:
  enum { IDD = IDD_FIVE_TONE_LISTS };

  explicit CFiveToneListDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Only with the focus on OK: Enter in a grid never closes the dialog.
  void OnOK() override;
  void OnCancel() override;

  // The encode or decode entry of a grid's row; -1 for a heading row or a
  // grid that is none of the three.
  int EntryOf(const CMSFlexGrid* grid, long row) const;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnKillfocusCellEdit();
  void OnGridKeyPress(UINT nID, NMHDR* pHeader, LRESULT* pResult);
  LRESULT OnHelpInfo(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  const FiveToneListGrid* GridOf(const CMSFlexGrid* grid) const;
  CMSFlexGrid* GridOfWindow(HWND hWnd);
  // The binding of a grid's column; null for the labels.
  const Binding* ColumnOf(const CMSFlexGrid* grid, long col) const;
  void FillGrid(CMSFlexGrid& grid);
  // Rewrites a cell from its entry.
  void ShowCell(CMSFlexGrid& grid, long row, long col);
  void BeginCellEdit(const std::string& text);
  // Space or a double click on a cell that steps its field.
  void StepCurrentCell();

  CGridCellEditor m_edit;
  CMSFlexGrid m_encode;
  CMSFlexGrid m_decode;
  CMSFlexGrid m_special;
  // The grid of the last key or mouse action: the editor's cell is its current cell.
  CMSFlexGrid* m_pActiveGrid = nullptr;
  bool m_bCommitting = false;
  bool m_bCancelled = false;
  std::uint32_t m_modifiedAtOpen = 0;
};
