#include "pages/settings/sel_call_page.h"

#include "model/edit_model.h"
#include "model/sel_call.h"
#include "ui/choice/no_op_hook.h"
#include "ui/messages.h"
#include "ui/page/binding.h"
#include "ui/wnd/prompt.h"

namespace {

constexpr const char* kBlockCaptions[kSelCallBlocks] = {"#1 - #20", "#21 - #40", "#41 - #60", "#61 - #80",
                                                         "#81 - #100"};

// The row (0..19) of a control in one of the row tables, or -1.
int RowIn(const int (&ids)[kSelCallPageRows], UINT id) {
  for (int r = 0; r < kSelCallPageRows; ++r) {
    if (ids[r] == static_cast<int>(id)) return r;
  }
  return -1;
}

}  // namespace

// ---- CSelCallListPage ----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CSelCallListPage, CDialog)
  ON_CONTROL_RANGE(STN_CLICKED, 0, kLastControlId, OnZoneCellClicked)
  ON_MESSAGE(WM_LABEL_ENTER, OnLabelEnter)
  ON_NOOPHOOK(LBN_SELCHANGE, IDC_SC_CHOOSER)
  ON_CONTROL_RANGE(EN_SETFOCUS, 0, kLastControlId, OnCellSetFocus)
  ON_MESSAGE(WM_SERIALEDIT_CHANGE, OnAliasChange)
  ON_MESSAGE(WM_NUMEDIT_CHANGE, OnTargetMinChange)
  ON_MESSAGE(WM_LABEL_TAB, OnNextField)
  ON_MESSAGE(WM_NUMEDIT_ENTER, OnNextField)
  ON_MESSAGE(WM_LABEL_BACKTAB, OnPrevField)
  ON_COMMAND(ID_ROM_EDITOR, OnRomEditor)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CSelCallListPage::CSelCallListPage() : CDialog(IDD_SEL_CALL_LIST), m_white(RGB(255, 255, 255)) {
  RegisterSelCallTemplates();
}

CSelCallListPage::~CSelCallListPage() { DetachCells(); }

void CSelCallListPage::DetachCells() {
  for (int r = 0; r < kSelCallPageRows; ++r) {
    for (CWnd* w : {static_cast<CWnd*>(&m_caption[r]), static_cast<CWnd*>(&m_zone[r]),
                    static_cast<CWnd*>(&m_alias[r]), static_cast<CWnd*>(&m_target[r])}) {
      if (w->GetSafeHwnd()) w->UnsubclassWindow();
    }
  }
}

BOOL CSelCallListPage::OnInitDialog() {
  CDialog::OnInitDialog();
  m_hAccel = LoadPageAccelerator();
  DetachCells();
  const auto controls = ControlsById(*this);
  auto bind = [&controls](CWnd& cell, int id) {
    if (const auto it = controls.find(id); it != controls.end()) cell.SubclassWindow(it->second);
  };
  for (int r = 0; r < kSelCallPageRows; ++r) {
    bind(m_caption[r], IDC_SC_CAPTION[r]);
    bind(m_zone[r], IDC_SC_ZONE[r]);
    bind(m_alias[r], IDC_SC_ALIAS[r]);
    bind(m_target[r], IDC_SC_TARGET[r]);
    m_alias[r].SetEditParams(GetSafeHwnd(), kTagLength);
    m_alias[r].AddAllowedChar(' ');
    // Five digits; Enter moves on like Tab.
    m_target[r].Setup(GetSafeHwnd(), 5, 0, TRUE, FALSE, FALSE, FALSE, 0, FALSE);
    for (char c : {' ', '+', '-'}) m_target[r].AddRefusedChar(c);
  }
  // Esc and Tab leave the chooser open; a double click or Enter chooses.
  m_chooser.Attach(
      *this, IDC_SC_CHOOSER,
      [this](int anchor, const OfferedList& offered, int position) { OnZoneChosen(anchor, offered, position); },
      CPopupList::KeyPolicy::kKeepOpen);
  // However it closes, no zone cell stays red.
  m_chooser.SetCloseHook([this] { HideZoneChooser(); });
  Refresh();
  return TRUE;
}

BOOL CSelCallListPage::PreTranslateMessage(MSG* pMsg) { return PagePreTranslateMessage(this, m_hAccel, pMsg); }

void CSelCallListPage::OnRomEditor() { ForwardCommandToMainDialog(this, ID_ROM_EDITOR); }

int CSelCallListPage::RecordOf(int row) const { return SelCallRecordIndex(m_block, row + 1); }

void CSelCallListPage::SetBlock(int block) {
  if (block < 0 || block >= kSelCallBlocks) return;
  m_block = block;
  if (!GetSafeHwnd()) return;
  HideZoneChooser();
  Refresh();
}

void CSelCallListPage::Refresh() {
  if (!GetSafeHwnd()) return;
  for (int r = 0; r < kSelCallPageRows; ++r) RefreshRow(r);
}

void CSelCallListPage::RefreshRow(int row) {
  const int record = RecordOf(row);
  if (record < 0) return;
  const CSelCallRecord& entry = TheModel().store.selCalls[record];
  m_caption[row].SetWindowText(SelCallRowCaption(m_block, row + 1));
  m_zone[row].SetWindowText(SelCallZoneText(entry.zoneCode));
  m_alias[row].SetWindowText(TagText(entry.alias));
  m_target[row].SetWindowText(std::to_string(entry.targetMin));
}

// ---- the zone chooser ----------------------------------------------------------------------

void CSelCallListPage::OnZoneCellClicked(UINT nID) {
  const int row = RowIn(IDC_SC_ZONE, nID);
  if (row >= 0) OpenZoneChooser(row);
}

LRESULT CSelCallListPage::OnLabelEnter(WPARAM wParam, LPARAM) {
  const int row = RowIn(IDC_SC_ZONE, static_cast<UINT>(wParam));
  if (row >= 0) OpenZoneChooser(row);
  return 0;
}

void CSelCallListPage::OpenZoneChooser(int row) {
  const int record = RecordOf(row);
  if (record < 0) return;
  MessageBeep(0);
  HideZoneChooser();
  m_zone[row].SetTextColor(cell_colors::kRed);
  // Beside the cell, a little above it; the last rows open higher, inside the page.
  CRect cell;
  m_zone[row].GetWindowRect(&cell);
  ScreenToClient(&cell);
  const int top = cell.top - (row < 16 ? 10 : 60);
  m_chooser.Open(m_zone[row].GetDlgCtrlID(), CRect(cell.right - 5, top, cell.right + cell.Width(), top + 5 * cell.Height()),
                 SelCallZoneChoices(TheModel().store, TheModel().store.selCalls[record].zoneCode));
}

void CSelCallListPage::HideZoneChooser() {
  m_chooser.Close(false);
  for (CColorLabel& cell : m_zone) {
    if (cell.GetSafeHwnd() && cell.GetTextColor() != RGB(0, 0, 0)) cell.SetTextColor(RGB(0, 0, 0));
  }
}

void CSelCallListPage::OnZoneChosen(int anchorId, const OfferedList& offered, int position) {
  const int row = RowIn(IDC_SC_ZONE, static_cast<UINT>(anchorId));
  const int record = row >= 0 ? RecordOf(row) : -1;
  const std::optional<std::uint32_t> code = offered.CodeAt(position);
  if (!code || record < 0) return;
  MessageBeep(0);
  std::uint8_t& zone = TheModel().store.selCalls[record].zoneCode;
  if (zone != *code) g_bModified = 1;
  zone = static_cast<std::uint8_t>(*code);
  // Back to the cell, then on to the row's alias.
  GotoDlgCtrl(&m_zone[row]);
  HideZoneChooser();
  SendMessage(WM_NEXTDLGCTL, 0, 0);
  RefreshRow(row);
}

// ---- the alias and Target MIN edits --------------------------------------------------------

void CSelCallListPage::OnCellSetFocus(UINT nID) {
  CWnd* edit = nullptr;
  if (const int row = RowIn(IDC_SC_ALIAS, nID); row >= 0) edit = &m_alias[row];
  if (const int row = RowIn(IDC_SC_TARGET, nID); row >= 0) edit = &m_target[row];
  if (!edit) return;
  // Posted, so that the click that gave the focus does not undo the selection.
  edit->PostMessage(EM_SETSEL, 0, static_cast<LPARAM>(-1));
  HideZoneChooser();
}

LRESULT CSelCallListPage::OnAliasChange(WPARAM wParam, LPARAM) {
  const int row = RowIn(IDC_SC_ALIAS, static_cast<UINT>(wParam));
  const int record = row >= 0 ? RecordOf(row) : -1;
  if (record < 0) return 0;
  if (SetTagText(TheModel().store.selCalls[record].alias, m_alias[row].GetWindowText())) g_bModified = 1;
  return 0;
}

LRESULT CSelCallListPage::OnTargetMinChange(WPARAM wParam, LPARAM) {
  const int row = RowIn(IDC_SC_TARGET, static_cast<UINT>(wParam));
  const int record = row >= 0 ? RecordOf(row) : -1;
  if (record < 0) return 0;
  const TargetMinEntry entry = ParseTargetMin(m_target[row].GetWindowText());
  if (entry.clamped) {
    MessageBeep(0);
    m_target[row].SetWindowText(std::to_string(entry.value));
    m_target[row].SetSel(-1, -1);
  }
  std::uint32_t& stored = TheModel().store.selCalls[record].targetMin;
  if (stored != entry.value) g_bModified = 1;
  stored = entry.value;
  return 0;
}

LRESULT CSelCallListPage::OnNextField(WPARAM, LPARAM) { return PageNextField(this); }
LRESULT CSelCallListPage::OnPrevField(WPARAM, LPARAM) { return PagePrevField(this); }

HBRUSH CSelCallListPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
  if (!pWnd || (nCtlColor != CTLCOLOR_STATIC && nCtlColor != CTLCOLOR_EDIT)) return brush;
  const UINT id = static_cast<UINT>(pWnd->GetDlgCtrlID());
  if (RowIn(IDC_SC_ZONE, id) < 0 && RowIn(IDC_SC_ALIAS, id) < 0 && RowIn(IDC_SC_TARGET, id) < 0) return brush;
  // The cells are white.
  pDC->SetBkMode(TRANSPARENT);
  return m_white;
}

// ---- CSelCallFrame ------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CSelCallFrame, CScrollPage)
  ON_NOTIFY(TCN_SELCHANGE, IDC_SC_TAB, OnSelchangeTab)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CSelCallFrame::CSelCallFrame(CWnd* pParent) : CScrollPage(IDD_SEL_CALL, pParent) { RegisterSelCallTemplates(); }

CSelCallFrame::~CSelCallFrame() {
  if (m_tab.GetSafeHwnd()) m_tab.UnsubclassWindow();
}

BOOL CSelCallFrame::OnInitDialog() {
  CScrollPage::OnInitDialog();
  m_hAccel = LoadPageAccelerator();
  if (m_tab.GetSafeHwnd()) m_tab.UnsubclassWindow();
  m_tab.SubclassDlgItem(IDC_SC_TAB, this);
  for (int b = 0; b < kSelCallBlocks; ++b) m_tab.InsertItem(b, kBlockCaptions[b]);
  if (!m_entries.Create(IDD_SEL_CALL_LIST, &m_tab)) {
    MessageBeep(0);
    AfxMessageBox("Not enough memory !");
    return TRUE;
  }
  m_entries.ShowWindow(SW_SHOW);
  // The block shown when the tab was last left.
  m_tab.SetCurSel(m_entries.Block());
  return TRUE;
}

void CSelCallFrame::OnSelchangeTab(NMHDR*, LRESULT* pResult) {
  m_entries.SetBlock(m_tab.GetCurSel());
  *pResult = 0;
}

void CSelCallFrame::OnDestroy() {
  if (m_entries.GetSafeHwnd()) m_entries.DestroyWindow();
  CScrollPage::OnDestroy();
}
