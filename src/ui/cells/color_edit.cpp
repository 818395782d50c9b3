#include "ui/cells/color_edit.h"

#include "ui/cells/char_class.h"

namespace {

bool CommitEditAccepts(int mode, UINT c, int selStart) {
  using namespace cell_chars;
  switch (mode) {
    case 1: return IsDigit(c) || c == '.' || c == ' ';
    case 2: return IsDigit(c) || c == ' ' || c == '-' || c == '+';
    case 3: return IsDigit(c) || (ToUpper(c) >= 'A' && ToUpper(c) <= 'D') || c == '#' || c == '*';
    case 4: return IsPrint(c) && !IsOneOf(c, "!\"#$%&',.;<>?@^{|}~");
    case 5: return IsDigit(c) || c == '.' || c == ' ' || c == '-' || c == '+';
    case 6: return IsDigit(c) || c == ' ';
    case 7: return IsDigit(c) || (ToUpper(c) >= 'A' && ToUpper(c) <= 'F');
    case 8: return IsDigit(c);
    case 9: return selStart == 1 ? (IsCharAlpha(c) && ToUpper(c) >= 'C' && ToUpper(c) <= 'N') : IsDigit(c);
    default: return true;
  }
}

bool IsEnterOrDoubleClick(const MSG* pMsg) {
  return (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) || pMsg->message == WM_LBUTTONDBLCLK;
}

}  // namespace

// ---- CColorEdit ----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CColorEdit, CEdit)
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

void CColorEdit::SetColors(COLORREF crText, COLORREF crBackground) {
  m_crText = crText;
  m_crBackground = crBackground;
  m_brush.DeleteObject();
  m_brush.CreateSolidBrush(crBackground);
  cell_colors::PaintEdit(m_hWnd, m_crText, m_crBackground);
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColorEdit::SetEditingLook() { SetColors(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_INFOBK)); }

void CColorEdit::SetNormalLook() { SetColors(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)); }

HBRUSH CColorEdit::CtlColor(CDC* pDC, UINT) {
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(m_crText);
  return m_brush;
}

void CColorEdit::BeginEdit() {
  EnableWindow(TRUE);
  SendMessage(EM_SETREADONLY, 0);
  SetEditingLook();
}

void CColorEdit::EndEdit() {
  EnableWindow(TRUE);
  SendMessage(EM_SETREADONLY, 1);
  SetNormalLook();
}

void CColorEdit::PreSubclassWindow() {
  SetColors(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW));
  CEdit::PreSubclassWindow();
}

// ---- CClickEdit ----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CClickEdit, CColorEdit)
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CClickEdit::PreSubclassWindow() {
  CColorEdit::PreSubclassWindow();
  SendMessage(EM_SETREADONLY, m_bReadOnly ? 1 : 0);
}

void CClickEdit::StartEditing() {
  LimitText(m_nMaxLength);
  const std::string text = GetWindowText();
  if (m_nMaxLength > 0 && static_cast<int>(QString::fromStdString(text).size()) > m_nMaxLength) {
    SetWindowText(QString::fromStdString(text).left(m_nMaxLength).toStdString());
  }
  SetSel(0, -1);
  m_bReadOnly = 0;
  m_bCommitted = 0;
  BeginEdit();
}

void CClickEdit::StopEditing() {
  SetSel(0, -1);
  m_bReadOnly = 1;
  m_bCommitted = 1;
  EndEdit();
}

BOOL CClickEdit::PreTranslateMessage(MSG* pMsg) {
  if (IsEnterOrDoubleClick(pMsg)) {
    if (m_bReadOnly) StartEditing();
    else StopEditing();
  }
  // The key or click goes on either way.
  return CColorEdit::PreTranslateMessage(pMsg);
}

void CClickEdit::OnKillFocus(CWnd*) {
  if (!m_bReadOnly) {
    m_bReadOnly = 1;
    m_bCommitted = 1;
    EndEdit();
  }
  SetSel(-1, 0);
  Default();
}

// ---- CCommitEdit -----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CCommitEdit, CClickEdit)
  ON_WM_CHAR()
END_MESSAGE_MAP()

BOOL CCommitEdit::PreTranslateMessage(MSG* pMsg) {
  if (IsEnterOrDoubleClick(pMsg) && m_bReadOnly) m_strSaved = GetWindowText();
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && !m_bReadOnly) {
    // Undo: the text before the edit comes back; the committed flag stays as it is.
    SetWindowText(m_strSaved);
    SetSel(0, -1);
    m_bReadOnly = 1;
    EndEdit();
    return TRUE;
  }
  return CClickEdit::PreTranslateMessage(pMsg);
}

void CCommitEdit::OnChar(UINT nChar, UINT, UINT) {
  if (nChar != VK_BACK) {
    int start = 0;
    int end = 0;
    GetSel(start, end);
    if (!CommitEditAccepts(m_nFilterMode, nChar, start)) return;  // dropped without a beep
    if (m_bReadOnly) {
      // As Enter does: the typed character then replaces the selected text.
      m_strSaved = GetWindowText();
      StartEditing();
    }
  }
  Default();
}
