#include "pages/fivetone/five_tone_page.h"

#include "model/five_tone_fields.h"
#include "pages/fivetone/five_tone_dlg.h"
#include "pages/fivetone/five_tone_list_dlg.h"
#include "ui/wnd/prompt.h"

using namespace five_tone;

namespace {

constexpr long kRows = 19;  // the heading, the sixteen digits, the periods and the gaps
constexpr long kCols = 6;   // the heading and the five tone sets
constexpr long kUserSet = 5;
constexpr long kPeriodRow = 17;
constexpr long kGapRow = 18;

CFiveToneTableData& Table() { return TheModel().fiveToneTable; }

bool HeldDown(int vk) { return GetKeyState(vk) < 0; }

}  // namespace

BEGIN_MESSAGE_MAP(CFiveToneTablePage, CScrollPage)
  ON_BN_CLICKED(IDC_FT_COMMON_SYSTEM, OnCommonSystem)
  ON_BN_CLICKED(IDC_FT_ENCODE_DECODE, OnEncodeDecode)
  ON_EN_KILLFOCUS(IDC_FT_CELL_EDIT, OnKillfocusCellEdit)
  ON_NOTIFY(GN_KEYPRESS, IDC_FT_TONE_GRID, OnGridKeyPress)
  ON_WM_SIZE()
END_MESSAGE_MAP()

CFiveToneTablePage::CFiveToneTablePage(CWnd* pParent) : CScrollPage(IDD_FIVE_TONE_PAGE, pParent) {
  RegisterFiveTonePageTemplate();
}

void CFiveToneTablePage::DoDataExchange(CDataExchange* pDX) {
  CScrollPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FT_CELL_EDIT, m_cellEdit);
  DDX_Control(pDX, IDC_FT_TONE_GRID, m_grid);
}

BOOL CFiveToneTablePage::OnInitDialog() {
  // The dialog's own initialisation: this page does not scroll, its grid does.
  CDialog::OnInitDialog();
  m_hAccel = LoadPageAccelerator();
  m_pActiveGrid = nullptr;
  BuildGrid();
  // The grid grows and shrinks with the page; the buttons keep to its bottom edge.
  AnchorAsPlaced(IDC_FT_TONE_GRID, ANCHOR_RIGHT | ANCHOR_BOTTOM);
  for (int id : {IDC_FT_COMMON_SYSTEM, IDC_FT_ENCODE_DECODE}) AnchorAsPlaced(id, ANCHOR_BOTTOM | ANCHOR_KEEPHEIGHT);
  return TRUE;
}

void CFiveToneTablePage::AnchorAsPlaced(int id, UINT flags) {
  CWnd* control = GetDlgItem(id);
  CRect client;
  CWnd::GetClientRect(&client);
  CRect r;
  control->GetWindowRect(&r);
  ScreenToClient(&r);
  m_layout.AddAnchor(control, CRect(r.left, r.top, client.right - r.right, client.bottom - r.bottom), flags);
}

void CFiveToneTablePage::OnSize(UINT nType, int cx, int cy) {
  // Not the page base's scrolling: the grid scrolls its own cells, under its
  // headings and beside its labels.
  CDialog::OnSize(nType, cx, cy);
  m_layout.OnSize(this, nType);
}

void CFiveToneTablePage::BuildGrid() {
  CMSFlexGrid& g = m_grid;
  g.SetRedraw(FALSE);
  g.SetRows(kRows);
  g.SetCols(kCols);
  g.SetFixedRows(1);
  g.SetFixedCols(1);
  g.SetColWidth(0, 2000);
  g.SetColAlignment(0, flexAlignCenterTop);
  for (long c = 1; c < kCols; ++c) {
    g.SetColWidth(c, 1200);
    g.SetColAlignment(c, flexAlignRightCenter);
  }
  for (long c = 0; c < kCols; ++c) g.SetFixedAlignment(c, flexAlignCenterTop);

  static constexpr const char* kDigits = "0123456789ABCDEF";
  for (long k = 0; k < kToneCount; ++k) g.SetTextMatrix(k + 1, 0, std::string(1, kDigits[k]));
  g.SetTextMatrix(kPeriodRow, 0, "Period Time[ms]");
  g.SetTextMatrix(kGapRow, 0, "Gap Period Time[ms]");
  for (long set = 1; set <= 4; ++set) {
    const FixedToneSet& fixed = kFixedToneSets[set - 1];
    g.SetTextMatrix(0, set, fixed.name);
    for (long k = 0; k < kToneCount; ++k) g.SetTextMatrix(k + 1, set, std::to_string(fixed.tones[static_cast<std::size_t>(k)]));
  }
  g.SetTextMatrix(0, kUserSet, kUserToneSetName);
  for (long r = 1; r < kRows; ++r)
    for (long c = 1; c < kCols; ++c) ShowCell(r, c);

  g.SetRow(1);
  g.SetCol(0);
  g.SetRedraw(TRUE);
}

void CFiveToneTablePage::ShowCell(long row, long col) {
  std::string text;
  if (Table().GetCellText(static_cast<int>(row), static_cast<int>(col), text)) m_grid.SetTextMatrix(row, col, text);
}

void CFiveToneTablePage::BeginCellEdit(const std::string& text) {
  if (m_pActiveGrid != &m_grid) return;
  // The cell the grid shows as current: its own row, whatever moved it there.
  if (!Table().GetCellText(static_cast<int>(m_grid.GetRow()), static_cast<int>(m_grid.GetCol()))) return;
  m_cellEdit.Begin(m_grid, this, text, 4, 7);  // digits only: a letter would end the number
}

void CFiveToneTablePage::OnKillfocusCellEdit() {
  if (m_pActiveGrid != &m_grid || !m_cellEdit.IsEditing() || m_bCommitting) return;
  m_bCommitting = true;
  m_grid.SetFocus();
  const long row = m_grid.GetRow();
  const long col = m_grid.GetCol();
  // Out of range or not a number: nothing is stored and the cell shows the record again.
  Table().SetCellText(static_cast<int>(row), static_cast<int>(col), m_cellEdit.GetWindowText());
  ShowCell(row, col);
  m_cellEdit.ShowWindow(SW_HIDE);
  m_bCommitting = false;
}

void CFiveToneTablePage::OnGridKeyPress(NMHDR* pHeader, LRESULT*) {
  m_pActiveGrid = &m_grid;
  if (HeldDown(VK_CONTROL) || HeldDown(VK_BACK)) return;
  const auto key = reinterpret_cast<NMGRIDKEY*>(pHeader)->keyAscii;
  if (key < '0' || key > '9') return;
  BeginCellEdit(std::string(1, static_cast<char>(key)));
  if (m_cellEdit.IsEditing()) m_cellEdit.SetSel(1, 1);
}

BOOL CFiveToneTablePage::PreTranslateMessage(MSG* pMsg) {
  const HWND grid = m_grid.GetSafeHwnd();
  const bool keyDown = pMsg->message == WM_KEYDOWN;
  const auto vk = static_cast<UINT>(pMsg->wParam);
  if (grid && pMsg->hwnd == grid && CWnd::GetFocus() == &m_grid) {
    if (keyDown && vk == VK_RETURN) {
      m_pActiveGrid = &m_grid;
      if (m_grid.GetCol() != 0) BeginCellEdit(m_grid.GetText());
      return TRUE;
    }
    if (keyDown && vk == VK_ESCAPE) return TRUE;
    if (pMsg->message == WM_LBUTTONDBLCLK) {
      m_pActiveGrid = &m_grid;
      if (m_grid.GetMouseRow() < m_grid.GetFixedRows() || m_grid.GetMouseCol() < m_grid.GetFixedCols() ||
          m_grid.GetCol() == 0) {
        return TRUE;
      }
      BeginCellEdit(m_grid.GetText());
      return FALSE;
    }
  }
  if (m_cellEdit.HandleKey(pMsg, m_grid)) return TRUE;
  if (keyDown && vk == VK_TAB && GetKeyState(VK_SHIFT) >= 0) {
    CWnd* button = GetDlgItem(IDC_FT_ENCODE_DECODE);
    if (button && pMsg->hwnd == button->GetSafeHwnd()) {
      m_grid.SetRow(1);
      m_grid.SetCol(kUserSet);
      m_grid.SetFocus();
      return TRUE;
    }
  }
  return PagePreTranslateMessage(this, m_hAccel, pMsg);
}

// The dialogs belong to the main window, whichever window is active: their
// help goes to it.
void CFiveToneTablePage::OnCommonSystem() {
  CFiveToneDlg dlg(GetParentOwner());
  GetPromptService().RunDialog(dlg);
}

void CFiveToneTablePage::OnEncodeDecode() {
  CFiveToneListDlg dlg(GetParentOwner());
  GetPromptService().RunDialog(dlg);
}

void CFiveToneTablePage::PrintSheet(CPrinterDC* pDC, int cw, int x, int pitch, int gap) {
  if (pDC) PrintFiveToneTableSheet(*pDC, cw, x, pitch, gap);
}
