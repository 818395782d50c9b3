#include "ui/cells/color_label.h"

#include <QWidget>

#include "ui/messages.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/message_loop.h"

BEGIN_MESSAGE_MAP(CColorLabel, CStatic)
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

QFont CColorLabel::GetLabelFont() { return DialogFont(DlgFont{8, "MS Sans Serif", 400}); }

void CColorLabel::Paint() {
  if (!m_hWnd) return;
  if (m_hWnd->font() != GetLabelFont()) m_hWnd->setFont(GetLabelFont());
  cell_colors::PaintStatic(m_hWnd, m_crText, m_crBackground);
}

void CColorLabel::PreSubclassWindow() {
  Paint();
  CStatic::PreSubclassWindow();
}

void CColorLabel::SetTextColor(COLORREF crText) {
  m_crText = crText;
  Paint();
  cell_colors::RedrawNow(m_hWnd);
}

void CColorLabel::OnSetFocus(CWnd*) {
  Default();
  SetTextColor(cell_colors::kRed);
}

BOOL CColorLabel::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_TAB || pMsg->wParam == VK_RETURN)) {
    const WPARAM id = static_cast<WPARAM>(GetDlgCtrlID());
    CWnd* parent = GetParent();
    if (pMsg->wParam == VK_TAB) {
      SetTextColor(RGB(0, 0, 0));
      const UINT message = GetKeyState(VK_SHIFT) < 0 ? WM_LABEL_BACKTAB : WM_LABEL_TAB;
      if (parent) parent->SendMessage(message, id, 0);
    } else if (parent) {
      parent->SendMessage(WM_LABEL_ENTER, id, 0);
    }
    return TRUE;
  }
  return CStatic::PreTranslateMessage(pMsg);
}
