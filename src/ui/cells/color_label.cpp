#include "ui/cells/color_label.h"

#include <QWidget>

#include "ui/messages.h"
#include "ui/wnd/message_loop.h"

BEGIN_MESSAGE_MAP(CColorLabel, CStatic)
  ON_WM_SETFOCUS()
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CColorLabel::CColorLabel()
    : m_crText(GetSysColor(COLOR_WINDOWTEXT)),
      m_crBackground(GetSysColor(COLOR_BTNFACE)),
      m_brush(m_crBackground),
      m_logFont(GetStockLogFont(DEFAULT_GUI_FONT)) {}

void CColorLabel::Paint() {
  if (!m_hWnd) return;
  if (!(m_hWnd->font() == m_font.GetQFont())) m_hWnd->setFont(m_font.GetQFont());
  cell_colors::PaintStatic(m_hWnd, m_crText, m_crBackground);
}

void CColorLabel::PreSubclassWindow() {
  // Fonts need the application, which a window implies.
  if (!m_font.GetSafeHandle()) m_font.CreateFontIndirect(&m_logFont);
  Paint();
  CStatic::PreSubclassWindow();
}

void CColorLabel::SetTextColor(COLORREF crText) {
  m_crText = crText;
  Paint();
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

HBRUSH CColorLabel::CtlColor(CDC* pDC, UINT nCtlColor) {
  if (nCtlColor != CTLCOLOR_STATIC) return nullptr;
  if (m_font.GetSafeHandle()) pDC->SelectObject(&m_font);
  pDC->SetTextColor(m_crText);
  pDC->SetBkMode(TRANSPARENT);
  return m_brush;
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
