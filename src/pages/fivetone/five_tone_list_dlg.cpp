#include "pages/fivetone/five_tone_list_dlg.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "model/five_tone_fields.h"
#include "pages/fivetone/five_tone_dlg.h"
#include "ui/wnd/message_loop.h"

using namespace five_tone;

namespace {

enum class CellKind { None, Text, Choice, Flag };

// What a grid column shows of its entry.
struct Column {
  CellKind kind = CellKind::None;
  const TextField* text = nullptr;  // Text: code or tag
  Field field{};                    // Choice and Flag
  const ChoiceList* list = nullptr;  // Choice
  int limit = 0;                    // Text: characters the editor takes
  int filterMode = 0;               // Text: the editor's filter
};

constexpr Column Code(const TextField& f) { return {CellKind::Text, &f, {}, nullptr, kCodeLength, 2}; }
constexpr Column Alias(const TextField& f) { return {CellKind::Text, &f, {}, nullptr, kAliasLength, 6}; }
constexpr Column ChoiceOf(Field f, const ChoiceList& l) { return {CellKind::Choice, nullptr, f, &l}; }
constexpr Column Flag(Field f) { return {CellKind::Flag, nullptr, f, nullptr}; }

const Column kEncodeColumns[] = {
    {},
    Code(kEncodeCode),
    Alias(kEncodeAlias),
    ChoiceOf(kEncodeMuteMode, kMuteModeList),
    Flag(kEncodeSelect),
    ChoiceOf(kEncodeFirstToneExt, kFirstToneExtList),
    Flag(kEncodeInputDigit[0]),
    Flag(kEncodeInputDigit[1]),
    Flag(kEncodeInputDigit[2]),
    Flag(kEncodeInputDigit[3]),
    Flag(kEncodeInputDigit[4]),
};
const Column kDecodeColumns[] = {
    {},
    Code(kDecodeCode),
    Alias(kDecodeAlias),
    ChoiceOf(kDecodeBeepTone, kBeepToneList),
    ChoiceOf(kDecodeBeepMode, kBeepModeList),
    ChoiceOf(kDecodeLedBlink, kLedBlinkList),
    ChoiceOf(kDecodePtt, kPttList),
};
const Column kSpecialColumns[] = {{}, Code(kDecodeCode)};

const long kEncodeWidths[] = {1000, 800, 2000, 700, 600, 700, 400, 400, 400, 400, 400};
const long kDecodeWidths[] = {1000, 800, 2000, 700, 700, 700, 700};
const long kSpecialWidths[] = {1000, 800};

const char* const kEncodeHeadings[2][11] = {
    {"", "Code", "Tag", "Mute", "Select", "1st", "Input Digit", "Input Digit", "Input Digit", "Input Digit",
     "Input Digit"},
    {"", "", "", "Mode", "", "Ext", "1", "2", "3", "4", "5"}};
const char* const kDecodeHeadings[2][7] = {{"", "Code", "Tag", "Beep", "Beep", "LED", "PTT"},
                                           {"", "", "", "Tone", "Mode", "Blink", ""}};

CEditModel& M() { return TheModel(); }
bool HeldDown(int vk) { return GetKeyState(vk) < 0; }

}  // namespace

// One of the three grids: its list, its rows and its columns.
struct FiveToneGridSpec {
  bool encode;          // the encode list; else the decode list
  long rows;
  long fixedRows;
  int firstEntry;       // the entry of the first row below the headings
  const char* label;    // column 0 of an entry row: "Encode %d" / "Decode %d"; null: the special names
  std::span<const Column> columns;
  std::span<const long> widths;
  const char* const* headings[2];  // rows 0 and 1, or null
};

namespace {

const FiveToneGridSpec kEncodeSpec{true,           10, 2, 0, "Encode %d", kEncodeColumns, kEncodeWidths,
                                   {kEncodeHeadings[0], kEncodeHeadings[1]}};
const FiveToneGridSpec kDecodeSpec{false,          7, 2, 0, "Decode %d", kDecodeColumns, kDecodeWidths,
                                   {kDecodeHeadings[0], kDecodeHeadings[1]}};
const FiveToneGridSpec kSpecialSpec{false, 3, 0, kNamedDecodeCount, nullptr, kSpecialColumns, kSpecialWidths,
                                    {nullptr, nullptr}};

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
  FillGrid(m_encode, kEncodeSpec);
  FillGrid(m_decode, kDecodeSpec);
  FillGrid(m_special, kSpecialSpec);
  return TRUE;
}

const FiveToneGridSpec* CFiveToneListDlg::SpecOf(const CMSFlexGrid* grid) const {
  if (grid == &m_encode) return &kEncodeSpec;
  if (grid == &m_decode) return &kDecodeSpec;
  if (grid == &m_special) return &kSpecialSpec;
  return nullptr;
}

CMSFlexGrid* CFiveToneListDlg::GridOfWindow(HWND hWnd) {
  for (CMSFlexGrid* g : {&m_encode, &m_decode, &m_special}) {
    if (hWnd && g->GetSafeHwnd() == hWnd) return g;
  }
  return nullptr;
}

int CFiveToneListDlg::EntryOf(const CMSFlexGrid* grid, long row) const {
  const FiveToneGridSpec* spec = SpecOf(grid);
  if (!spec || row < spec->fixedRows || row >= spec->rows) return -1;
  return static_cast<int>(row - spec->fixedRows) + spec->firstEntry;
}

bool CFiveToneListDlg::IsEditColumn(const CMSFlexGrid* grid, long col) const {
  const FiveToneGridSpec* spec = SpecOf(grid);
  return spec && col >= 0 && static_cast<std::size_t>(col) < spec->columns.size() &&
         spec->columns[static_cast<std::size_t>(col)].kind == CellKind::Text;
}

namespace {

// The column's width, or more where one of its choices would not show whole in
// the grid's font (the grid widens a column to the texts it holds, not to those
// a cycle may bring).
long ColumnWidth(const CMSFlexGrid& grid, const FiveToneGridSpec& spec, long c) {
  const auto at = static_cast<std::size_t>(c);
  long width = spec.widths[at];
  if (const ChoiceList* list = spec.columns[at].list) {
    for (const Choice& choice : list->choices) width = std::max(width, grid.GetTextWidth(std::string(choice.text)));
  }
  return width;
}

}  // namespace

void CFiveToneListDlg::FillGrid(CMSFlexGrid& grid, const FiveToneGridSpec& spec) {
  const long cols = static_cast<long>(spec.columns.size());
  grid.SetRedraw(FALSE);
  grid.SetRows(spec.rows);
  grid.SetCols(cols);
  grid.SetFixedRows(spec.fixedRows);
  grid.SetFixedCols(1);
  for (long c = 0; c < cols; ++c) {
    grid.SetColWidth(c, ColumnWidth(grid, spec, c));
    grid.SetFixedAlignment(c, flexAlignCenterTop);
    // Codes and tags read from the left; the special grid's codes from the right.
    const bool text = spec.columns[static_cast<std::size_t>(c)].kind == CellKind::Text;
    grid.SetColAlignment(c, !text ? flexAlignCenterTop : spec.headings[0] ? flexAlignLeftTop : flexAlignRightCenter);
  }
  for (long r = 0; r < 2 && spec.headings[r]; ++r) {
    for (long c = 0; c < cols; ++c) grid.SetTextMatrix(r, c, spec.headings[r][c]);
    grid.SetMergeRow(r, TRUE);
  }
  for (long r = spec.fixedRows; r < spec.rows; ++r) {
    const int entry = EntryOf(&grid, r);
    std::string label;
    if (spec.label) {
      char buf[16];
      std::snprintf(buf, sizeof buf, spec.label, entry + 1);
      label = buf;
    } else {
      label = kSpecialDecodeNames[entry - kNamedDecodeCount];
    }
    grid.SetTextMatrix(r, 0, label);
    for (long c = 1; c < cols; ++c) ShowCell(grid, r, c);
  }
  grid.SetRow(1);
  grid.SetCol(0);
  grid.SetRedraw(TRUE);
}

void CFiveToneListDlg::ShowCell(CMSFlexGrid& grid, long row, long col) {
  const FiveToneGridSpec* spec = SpecOf(&grid);
  const int entry = EntryOf(&grid, row);
  if (!spec || entry < 0 || col < 0 || static_cast<std::size_t>(col) >= spec->columns.size()) return;
  const Column& column = spec->columns[static_cast<std::size_t>(col)];
  switch (column.kind) {
    case CellKind::Text:
      grid.SetTextMatrix(row, col, column.text->get(M(), entry));
      break;
    case CellKind::Choice:
      grid.SetTextMatrix(row, col, std::string(column.list->PageText(column.field.Get(M(), entry))));
      break;
    case CellKind::Flag: {
      // A clear flag shows the check mark.
      const bool set = column.field.Get(M(), entry) != 0;
      grid.SetTextMatrix(row, col, set ? "-" : "");
      grid.SetCellPicture(row, col, set ? QPixmap() : CheckMarkBitmap());
      break;
    }
    case CellKind::None:
      break;
  }
}

void CFiveToneListDlg::BeginCellEdit(const std::string& text) {
  CMSFlexGrid* grid = m_pActiveGrid;
  const FiveToneGridSpec* spec = SpecOf(grid);
  if (!spec) return;
  const long col = grid->GetCol();
  // The entry of the row the grid shows as current, whichever way it got there.
  const int entry = EntryOf(grid, grid->GetRow());
  if (entry < 0 || !IsEditColumn(grid, col)) return;
  const bool exists = spec->encode ? M().fiveToneEncode.GetCellText(entry, static_cast<int>(col))
                                   : M().fiveToneDecode.GetCellText(entry, static_cast<int>(col));
  if (!exists) return;
  const Column& column = spec->columns[static_cast<std::size_t>(col)];
  m_edit.Begin(*grid, this, text, column.limit, column.filterMode);
}

void CFiveToneListDlg::CycleCurrentCell() {
  CMSFlexGrid* grid = m_pActiveGrid;
  if (!grid || grid == &m_special) return;
  const int entry = EntryOf(grid, grid->GetRow());
  if (entry < 0) return;
  const long col = grid->GetCol();
  const bool changed = grid == &m_encode ? M().fiveToneEncode.CycleField(entry, static_cast<int>(col))
                                         : M().fiveToneDecode.CycleField(entry, static_cast<int>(col));
  if (changed) ShowCell(*grid, grid->GetRow(), col);
}

void CFiveToneListDlg::OnKillfocusCellEdit() {
  CMSFlexGrid* grid = m_pActiveGrid;
  const FiveToneGridSpec* spec = SpecOf(grid);
  if (!spec || !m_edit.IsEditing() || m_bCommitting) return;
  m_bCommitting = true;
  grid->SetFocus();
  const long row = grid->GetRow();
  const long col = grid->GetCol();
  const int entry = EntryOf(grid, row);
  if (entry >= 0 && IsEditColumn(grid, col)) {
    spec->columns[static_cast<std::size_t>(col)].text->set(M(), entry, m_edit.GetWindowText());
    ShowCell(*grid, row, col);
  }
  m_edit.ShowWindow(SW_HIDE);
  m_bCommitting = false;
}

void CFiveToneListDlg::OnGridKeyPress(UINT, NMHDR* pHeader, LRESULT*) {
  CMSFlexGrid* grid = GridOfWindow(pHeader->hwndFrom);
  const FiveToneGridSpec* spec = SpecOf(grid);
  if (!spec) return;
  m_pActiveGrid = grid;
  if (HeldDown(VK_CONTROL) || HeldDown(VK_BACK)) return;
  const long col = grid->GetCol();
  if (!IsEditColumn(grid, col)) return;
  const UINT key = static_cast<unsigned short>(reinterpret_cast<NMGRIDKEY*>(pHeader)->keyAscii);
  if (key < 0x20 || !CFilterEdit::Accepts(spec->columns[static_cast<std::size_t>(col)].filterMode, key)) return;
  BeginCellEdit(std::string(1, static_cast<char>(key)));
  if (m_edit.IsEditing()) m_edit.SetSel(1, 1);
}

BOOL CFiveToneListDlg::PreTranslateMessage(MSG* pMsg) {
  const bool keyDown = pMsg->message == WM_KEYDOWN;
  const auto vk = static_cast<UINT>(pMsg->wParam);
  CMSFlexGrid* grid = GridOfWindow(pMsg->hwnd);
  if (grid && CWnd::GetFocus() == grid) {
    if (keyDown && vk == VK_RETURN) {
      m_pActiveGrid = grid;
      if (IsEditColumn(grid, grid->GetCol())) BeginCellEdit(grid->GetText());
      ShowCell(*grid, grid->GetRow(), grid->GetCol());
    } else if (keyDown && vk == VK_SPACE) {
      m_pActiveGrid = grid;
      CycleCurrentCell();
    } else if (pMsg->message == WM_LBUTTONDBLCLK) {
      m_pActiveGrid = grid;
      if (grid->GetMouseRow() < grid->GetFixedRows() || grid->GetMouseCol() < grid->GetFixedCols()) return TRUE;
      if (IsEditColumn(grid, grid->GetCol())) {
        BeginCellEdit(grid->GetText());
        ShowCell(*grid, grid->GetRow(), grid->GetCol());
      } else {
        CycleCurrentCell();
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
  // Esc in the editor puts this cell back as it was; the dialog stays open with its other edits.
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
  M().fiveToneEncode.UnpackFromImage(RadioImage());
  M().fiveToneDecode.UnpackFromImage(RadioImage());
  g_bModified = m_modifiedAtOpen;
  EndDialog(IDCANCEL);
}

LRESULT CFiveToneListDlg::OnHelpInfo(WPARAM, LPARAM) { return ShowFiveToneHelp(this); }
