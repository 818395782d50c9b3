#include "ui/page/field_page.h"

#include "model/edit_model.h"
#include "ui/cells/cells.h"
#include "ui/messages.h"
#include "ui/wnd/ext/color_pass.h"
#include "ui/wnd/prompt.h"

BEGIN_MESSAGE_MAP(CFieldPage, CScrollPage)
  ON_WM_SHOWWINDOW()
  ON_CONTROL_RANGE(CBN_SELCHANGE, 0, kLastControlId, OnBindingSelChange)
  ON_CONTROL_RANGE(BN_CLICKED, 0, kLastControlId, OnBindingClicked)  // STN_CLICKED as well
  ON_CONTROL_RANGE(EN_KILLFOCUS, 0, kLastControlId, OnBindingKillFocus)
  ON_CONTROL_RANGE(EN_SETFOCUS, 0, kLastControlId, OnBindingSetFocus)
  ON_MESSAGE(WM_SERIALEDIT_CHANGE, OnSerialChange)
  ON_MESSAGE(WM_HEXEDIT_CHANGE, OnHexChange)
  ON_MESSAGE(WM_NUMEDIT_CHANGE, OnNumChange)
  ON_MESSAGE(WM_NUMEDIT_ENTER, OnNextField)
  ON_MESSAGE(WM_LABEL_ENTER, OnLabelEnter)
  ON_MESSAGE(WM_LABEL_TAB, OnNextField)
  ON_MESSAGE(WM_LABEL_BACKTAB, OnPrevField)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CFieldPage::CFieldPage(UINT nIDTemplate, std::span<const Binding> bindings, std::span<const EnableRule> rules,
                       CWnd* pParent)
    : CScrollPage(nIDTemplate, pParent), m_set(bindings, rules), m_white(RGB(255, 255, 255)) {
  m_set.SetCommitHook([this](const Binding& b) { OnCommitted(b); });
}

BOOL CFieldPage::OnInitDialog() {
  CScrollPage::OnInitDialog();
  m_hAccel = LoadPageAccelerator();
  m_set.Attach(*this);
  if (m_chooserId) {
    m_chooser.Attach(
        *this, m_chooserId,
        [this](int cellId, const OfferedList& offered, int position) { OnChosen(cellId, offered, position); },
        m_chooserKeys);
    // However the list closes, no cell stays red.
    m_chooser.SetCloseHook([this] { ChooserCellsBlack(); });
  }
  UpdateControls();
  return TRUE;
}

BOOL CFieldPage::PreTranslateMessage(MSG* pMsg) { return PagePreTranslateMessage(this, m_hAccel, pMsg); }

void CFieldPage::UpdateControls() {
  if (!GetSafeHwnd()) return;
  for (const Binding& b : m_set.Bindings()) m_set.RefreshBinding(b);
  OnRefresh();
  m_set.ApplyEnableRules();
}

void CFieldPage::OnShowWindow(BOOL bShow, UINT nStatus) {
  CScrollPage::OnShowWindow(bShow, nStatus);
  UpdateControls();
}

void CFieldPage::OnBindingSelChange(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), CBN_SELCHANGE); }
void CFieldPage::OnBindingKillFocus(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), EN_KILLFOCUS); }
void CFieldPage::OnBindingSetFocus(UINT nID) { m_set.HandleCommand(static_cast<int>(nID), EN_SETFOCUS); }

void CFieldPage::OnBindingClicked(UINT nID) {
  if (m_set.HandleCommand(static_cast<int>(nID), BN_CLICKED)) return;
  const Binding* b = FindBinding(m_set.Bindings(), static_cast<int>(nID));
  if (b && b->kind == BindKind::Chooser) OpenChooser(*b);
}

LRESULT CFieldPage::OnSerialChange(WPARAM wParam, LPARAM) {
  m_set.HandleCellMessage(WM_SERIALEDIT_CHANGE, static_cast<int>(wParam));
  return 0;
}
LRESULT CFieldPage::OnHexChange(WPARAM wParam, LPARAM) {
  m_set.HandleCellMessage(WM_HEXEDIT_CHANGE, static_cast<int>(wParam));
  return 0;
}
LRESULT CFieldPage::OnNumChange(WPARAM wParam, LPARAM) {
  m_set.HandleCellMessage(WM_NUMEDIT_CHANGE, static_cast<int>(wParam));
  return 0;
}

// ---- list cells ----------------------------------------------------------------------------

LRESULT CFieldPage::OnLabelEnter(WPARAM wParam, LPARAM) {
  const Binding* b = FindBinding(m_set.Bindings(), static_cast<int>(wParam));
  if (b && b->kind == BindKind::Chooser) OpenChooser(*b);
  return 0;
}

CRect CFieldPage::ChooserRect(const Binding&, const CRect& cell) {
  const int top = cell.top - 10;
  return {cell.right - 5, top, cell.right + cell.Width(), top + 5 * cell.Height()};
}

void CFieldPage::OpenChooser(const Binding& b) {
  auto* cell = static_cast<CColorLabel*>(m_set.Control(b));
  if (!cell || !m_chooser.GetSafeHwnd()) return;
  MessageBeep(0);
  m_chooser.Close(false);
  cell->SetTextColor(cell_colors::kRed);
  CRect rect;
  cell->GetWindowRect(&rect);
  ScreenToClient(&rect);
  m_chooser.Open(b.id, ChooserRect(b, rect), b.chooser->offer(TheModel(), EntityOf(b, m_set.Index())));
}

void CFieldPage::OnChosen(int cellId, const OfferedList& offered, int position) {
  const Binding* b = FindBinding(m_set.Bindings(), cellId);
  if (!b || !offered.CodeAt(position)) return;
  MessageBeep(0);
  m_set.Choose(*b, offered, position);
  // Back to the cell (which the focus turns red), black again, then on to the next control.
  if (CWnd* cell = m_set.Control(*b)) GotoDlgCtrl(cell);
  ChooserCellsBlack();
  SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CFieldPage::ChooserCellsBlack() {
  for (const Binding& b : m_set.Bindings()) {
    if (b.kind != BindKind::Chooser) continue;
    auto* cell = static_cast<CColorLabel*>(m_set.Control(b));
    if (cell && cell->GetTextColor() != RGB(0, 0, 0)) cell->SetTextColor(RGB(0, 0, 0));
  }
}

HBRUSH CFieldPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH brush = CScrollPage::OnCtlColor(pDC, pWnd, nCtlColor);
  if (!m_chooserId || !pWnd || nCtlColor != CTLCOLOR_STATIC) return brush;
  const Binding* b = FindBinding(m_set.Bindings(), pWnd->GetDlgCtrlID());
  if (!b || b->kind != BindKind::Chooser) return brush;
  // List cells are white, like the edits beside them.
  pDC->SetBkMode(TRANSPARENT);
  return m_white;
}
