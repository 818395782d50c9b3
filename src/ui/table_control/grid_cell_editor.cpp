#include "ui/table_control/grid_cell_editor.h"

void CGridCellEditor::Begin(CMSFlexGrid& grid, CWnd* pParent, const std::string& text, int nLimit, int nFilterMode) {
  MoveWindow(grid.GetCellEditorRect(pParent));
  LimitText(nLimit);
  SetFilterMode(nFilterMode);
  SetWindowText(text);
  ShowWindow(SW_SHOWNA);
  SetFocus();
  SendMessage(WM_KEYDOWN, VK_RIGHT);
  SetSel(0, -1);
  SendMessage(EM_SCROLLCARET);
}

BOOL CGridCellEditor::HandleKey(const MSG* pMsg, CMSFlexGrid& grid) {
  if (!pMsg || pMsg->message != WM_KEYDOWN || pMsg->hwnd != GetSafeHwnd() || !IsEditing()) return FALSE;
  if (pMsg->wParam == VK_RETURN) {
    grid.SetFocus();  // the focus change stores the text
    ShowWindow(SW_HIDE);
    return TRUE;
  }
  if (pMsg->wParam == VK_ESCAPE) {
    SetWindowText(grid.GetText());
    grid.SetFocus();
    return TRUE;
  }
  return FALSE;
}
