#include "pages/fivetone/five_tone_list_dlg.h"

#include <algorithm>
#include <cstdio>

#include "model/five_tone_fields.h"
#include "pages/fivetone/five_tone_dlg.h"
#include "ui/wnd/message_loop.h"

using namespace five_tone;

namespace {

// The columns of the grids as bindings: a binding's id is its grid column, its
// entity the entry of the row. Codes (tone digits: the editor takes 0-9 and
// A-E, an F ends a code) and tags (letters, digits and blanks) are typed into
// the editor; Space or a double click steps a list or flag column as the
// entries' lists do.
const Binding kEncodeColumns[] = {
    Dial(1, kEncodeCode, kCodeLength),
    Text(2, kEncodeAlias, kAliasLength).With(kBindBlank),
    Combo(3, kEncodeMuteMode, kMuteModeList),
    Check(4, kEncodeSelected, &kFlagMarkList),
    Combo(5, kEncodeFirstToneExt, kFirstToneExtList),
    Check(6, kEncodeInputDigitUsed[0], &kFlagMarkList),
    Check(7, kEncodeInputDigitUsed[1], &kFlagMarkList),
    Check(8, kEncodeInputDigitUsed[2], &kFlagMarkList),
    Check(9, kEncodeInputDigitUsed[3], &kFlagMarkList),
    Check(10, kEncodeInputDigitUsed[4], &kFlagMarkList),
};
const Binding kDecodeColumns[] = {
    Dial(1, kDecodeCode, kCodeLength),
    Text(2, kDecodeAlias, kAliasLength).With(kBindBlank),
    Combo(3, kDecodeBeepTone, kBeepToneList),
    Combo(4, kDecodeBeepMode, kBeepModeList),
    Combo(5, kDecodeLedBlink, kLedBlinkList),
    Combo(6, kDecodePtt, kPttList),
};
const Binding kSpecialColumns[] = {Dial(1, kDecodeCode, kCodeLength)};

constexpr int kCodeFilter = 2;  // digits and A-E
constexpr int kTagFilter = 6;   // letters, digits and blank

CEditModel& M() { return TheModel(); }
bool HeldDown(int vk) { return GetKeyState(vk) < 0; }
bool CycleEncode(int entry, int column) { return M().fiveToneEncode.CycleField(entry, column); }
bool CycleDecode(int entry, int column) { return M().fiveToneDecode.CycleField(entry, column); }

}  // namespace

// One of the three grids: its columns, the entries its rows show and how a
// cell of them steps.
struct FiveToneListGrid {
  int id;
  std::span<const Binding> columns;
  int firstEntry;    // the entry of the first row below the headings
  int entries;
  const char* label;  // the row label "Encode %d" / "Decode %d"; null: the entries' own names
  bool (*cycle)(int entry, int column);  // null: no cell steps
};

namespace {

const FiveToneListGrid kGrids[] = {
    {IDC_FT_ENCODE_GRID, kEncodeColumns, 0, kEntryCount, "Encode %d", &CycleEncode},
    {IDC_FT_DECODE_GRID, kDecodeColumns, 0, kNamedDecodeCount, "Decode %d", &CycleDecode},
    {IDC_FT_SPECIAL_GRID, kSpecialColumns, kNamedDecodeCount, kEntryCount - kNamedDecodeCount, nullptr, nullptr},
};

long HeadingRows(int gridId) { return FiveToneGridColumns(gridId).front().heading[0] ? 2 : 0; }

// The column's width, or more where one of its choices would not show whole in
// the grid's font (the grid widens a column to the texts it holds, not to those
// a step may bring).
long ColumnWidth(const CMSFlexGrid& grid, const FiveToneGridColumn& column, const Binding* b) {
  long width = column.width;
  if (b && b->kind == BindKind::Combo) {
    for (const Choice& choice : b->list->choices) width = std::max(width, grid.GetTextWidth(std::string(choice.text)));
  }
  return width;
}

bool IsTyped(const Binding* b) { return b && (b->kind == BindKind::Text || b->kind == BindKind::Dial); }

}  // namespace

BEGIN_MESSAGE_MAP(CFiveToneListDlg, CDialog)
  ON_EN_KILLFOCUS(IDC_FT_LIST_EDIT, OnKillfocusCellEdit)
  ON_NOTIFY_RANGE(GN_KEYPRESS, IDC_FT_ENCODE_GRID, IDC_FT_SPECIAL_GRID, OnGridKeyPress)
  ON_MESSAGE(WM_HELP, OnHelpInfo)
END_MESSAGE_MAP()

CFiveToneListDlg::CFiveToneListDlg(CWnd* pParent) : CDialog(IDD_FIVE_TONE_LISTS, pParent) {
  RegisterFiveToneDialogTemplates();
}

void CFiveToneListDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FT_LIST_EDIT, m_edit);
  DDX_Control(pDX, IDC_FT_ENCODE_GRID, m_encode);
  DDX_Control(pDX, IDC_FT_DECODE_GRID, m_decode);
  DDX_Control(pDX, IDC_FT_SPECIAL_GRID, m_special);
}

BOOL CFiveToneListDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_modifiedAtOpen = g_bModified;
  M().fiveToneEncode.UnpackFromImage(RadioImage());
  M().fiveToneDecode.UnpackFromImage(RadioImage());
  m_pActiveGrid = nullptr;
  for (CMSFlexGrid* grid : {&m_encode, &m_decode, &m_special}) FillGrid(*grid);
  return TRUE;
}

const FiveToneListGrid* CFiveToneListDlg::GridOf(const CMSFlexGrid* grid) const {
  for (const FiveToneListGrid& g : kGrids) {
    if (grid && grid->GetSafeHwnd() && grid->GetDlgCtrlID() == g.id) return &g;
  }
  return nullptr;
}

CMSFlexGrid* CFiveToneListDlg::GridOfWindow(HWND hWnd) {
  for (CMSFlexGrid* g : {&m_encode, &m_decode, &m_special}) {
    if (hWnd && g->GetSafeHwnd() == hWnd) return g;
  }
  return nullptr;
}

int CFiveToneListDlg::EntryOf(const CMSFlexGrid* grid, long row) const {
  const FiveToneListGrid* g = GridOf(grid);
  if (!g) return -1;
  const long first = HeadingRows(g->id);
  if (row < first || row >= first + g->entries) return -1;
  return static_cast<int>(row - first) + g->firstEntry;
}

const Binding* CFiveToneListDlg::ColumnOf(const CMSFlexGrid* grid, long col) const {
  const FiveToneListGrid* g = GridOf(grid);
  return g ? FindBinding(g->columns, static_cast<int>(col)) : nullptr;
}

void CFiveToneListDlg::FillGrid(CMSFlexGrid& grid) {
  const FiveToneListGrid& g = *GridOf(&grid);
  const std::span<const FiveToneGridColumn> columns = FiveToneGridColumns(g.id);
  const long cols = static_cast<long>(columns.size());
  const long headings = HeadingRows(g.id);
  grid.SetRedraw(FALSE);
  grid.SetRows(headings + g.entries);
  grid.SetCols(cols);
  grid.SetFixedRows(headings);
  grid.SetFixedCols(1);
  for (long c = 0; c < cols; ++c) {
    const Binding* b = ColumnOf(&grid, c);
    grid.SetColWidth(c, ColumnWidth(grid, columns[static_cast<std::size_t>(c)], b));
    grid.SetFixedAlignment(c, flexAlignCenterTop);
    // Codes and tags read from the left; the STUN/KILL/REVIVE codes from the right.
    grid.SetColAlignment(c, !IsTyped(b) ? flexAlignCenterTop : headings ? flexAlignLeftTop : flexAlignRightCenter);
  }
  for (long r = 0; r < headings; ++r) {
    for (long c = 0; c < cols; ++c) grid.SetTextMatrix(r, c, columns[static_cast<std::size_t>(c)].heading[r]);
    grid.SetMergeRow(r, TRUE);
  }
  for (long r = headings; r < grid.GetRows(); ++r) {
    const int entry = EntryOf(&grid, r);
    char label[16];
    if (g.label) std::snprintf(label, sizeof label, g.label, entry + 1);
    grid.SetTextMatrix(r, 0, g.label ? label : kSpecialDecodeNames[entry - kNamedDecodeCount]);
    for (long c = 1; c < cols; ++c) ShowCell(grid, r, c);
  }
  grid.SetRow(1);
  grid.SetCol(0);
  grid.SetRedraw(TRUE);
}

void CFiveToneListDlg::ShowCell(CMSFlexGrid& grid, long row, long col) {
  const Binding* b = ColumnOf(&grid, col);
  const int entry = EntryOf(&grid, row);
  if (!b || entry < 0) return;
  grid.SetTextMatrix(row, col, PageText(GridOf(&grid)->columns, *b, entry));
  // A flag that is selected or used shows the check mark.
  if (b->kind == BindKind::Check) grid.SetCellPicture(row, col, b->field.Get(M(), entry) ? CheckMarkBitmap() : QPixmap());
}

void CFiveToneListDlg::BeginCellEdit(const std::string& text) {
  CMSFlexGrid* grid = m_pActiveGrid;
  // The entry of the row the grid shows as current, whichever way it got there.
  const Binding* b = ColumnOf(grid, grid ? grid->GetCol() : -1);
  if (!IsTyped(b) || EntryOf(grid, grid->GetRow()) < 0) return;
  m_edit.Begin(*grid, this, text, b->maxLength, b->kind == BindKind::Dial ? kCodeFilter : kTagFilter);
}

void CFiveToneListDlg::StepCurrentCell() {
  CMSFlexGrid* grid = m_pActiveGrid;
  const FiveToneListGrid* g = GridOf(grid);
  const int entry = EntryOf(grid, grid ? grid->GetRow() : -1);
  if (!g || !g->cycle || entry < 0) return;
  const long col = grid->GetCol();
  if (g->cycle(entry, static_cast<int>(col))) ShowCell(*grid, grid->GetRow(), col);
}

void CFiveToneListDlg::OnKillfocusCellEdit() {
  CMSFlexGrid* grid = m_pActiveGrid;
  // An editor that loses the focus as a cancelled dialog goes stores nothing.
  if (!grid || !m_edit.IsEditing() || m_bCommitting || m_bCancelled) return;
  m_bCommitting = true;
  grid->SetFocus();
  const long row = grid->GetRow();
  const long col = grid->GetCol();
  const Binding* b = ColumnOf(grid, col);
  const int entry = EntryOf(grid, row);
  if (IsTyped(b) && entry >= 0) {
    b->text.set(M(), entry, m_edit.GetWindowText());
    ShowCell(*grid, row, col);
  }
  m_edit.ShowWindow(SW_HIDE);
  m_bCommitting = false;
}

void CFiveToneListDlg::OnGridKeyPress(UINT, NMHDR* pHeader, LRESULT*) {
  CMSFlexGrid* grid = GridOfWindow(pHeader->hwndFrom);
  if (!grid) return;
  m_pActiveGrid = grid;
  if (HeldDown(VK_CONTROL) || HeldDown(VK_BACK)) return;
  const Binding* b = ColumnOf(grid, grid->GetCol());
  if (!IsTyped(b)) return;
  const UINT key = static_cast<unsigned short>(reinterpret_cast<NMGRIDKEY*>(pHeader)->keyAscii);
  if (key < 0x20 || !CFilterEdit::Accepts(b->kind == BindKind::Dial ? kCodeFilter : kTagFilter, key)) return;
  BeginCellEdit(std::string(1, static_cast<char>(key)));
  if (m_edit.IsEditing()) m_edit.SetSel(1, 1);
}

BOOL CFiveToneListDlg::PreTranslateMessage(MSG* pMsg) {
  const bool keyDown = pMsg->message == WM_KEYDOWN;
  const auto vk = static_cast<UINT>(pMsg->wParam);
  CMSFlexGrid* grid = GridOfWindow(pMsg->hwnd);
  if (grid && CWnd::GetFocus() == grid) {
    const bool typed = IsTyped(ColumnOf(grid, grid->GetCol()));
    if (keyDown && vk == VK_RETURN) {
      m_pActiveGrid = grid;
      if (typed) BeginCellEdit(grid->GetText());
      ShowCell(*grid, grid->GetRow(), grid->GetCol());
    } else if (keyDown && vk == VK_SPACE) {
      m_pActiveGrid = grid;
      StepCurrentCell();
    } else if (pMsg->message == WM_LBUTTONDBLCLK) {
      m_pActiveGrid = grid;
      if (grid->GetMouseRow() < grid->GetFixedRows() || grid->GetMouseCol() < grid->GetFixedCols()) return TRUE;
      if (typed) {
        BeginCellEdit(grid->GetText());
        ShowCell(*grid, grid->GetRow(), grid->GetCol());
      } else {
        StepCurrentCell();
      }
    }
  }
  if (keyDown && vk == VK_TAB && GetKeyState(VK_SHIFT) >= 0) {
    // Cancel, the encode grid's first code, the decode grid's first code, STUN.
    CWnd* cancel = GetDlgItem(IDCANCEL);
    CMSFlexGrid* next = nullptr;
    long row = 2;
    if (cancel && pMsg->hwnd == cancel->GetSafeHwnd()) next = &m_encode;
    else if (grid == &m_encode) next = &m_decode;
    else if (grid == &m_decode) next = &m_special, row = 0;
    if (next) {
      next->SetRow(row);
      next->SetCol(1);
      next->SetFocus();
      return TRUE;
    }
  }
  // Esc in the editor puts this cell back; the dialog stays open with its other edits.
  if (m_pActiveGrid && m_edit.HandleKey(pMsg, *m_pActiveGrid)) return TRUE;
  return CDialog::PreTranslateMessage(pMsg);
}

void CFiveToneListDlg::OnOK() {
  CWnd* ok = GetDlgItem(IDOK);
  if (!ok || GetFocus() != ok) return;
  M().fiveToneEncode.PackToImage(RadioImage());
  M().fiveToneDecode.PackToImage(RadioImage());
  EndDialog(IDOK);
}

void CFiveToneListDlg::OnCancel() {
  m_bCancelled = true;
  M().fiveToneEncode.UnpackFromImage(RadioImage());
  M().fiveToneDecode.UnpackFromImage(RadioImage());
  g_bModified = m_modifiedAtOpen;
  EndDialog(IDCANCEL);
}

LRESULT CFiveToneListDlg::OnHelpInfo(WPARAM, LPARAM) { return ShowFiveToneHelp(this); }
