// CColorLabel: the focusable value cell of the grid pages, a static text with
// SS_NOTIFY. It draws its own colours: its text colour (red while it has the
// focus, as the pages set it otherwise) on the button-face background, in the
// default GUI font. Enter sends WM_LABEL_ENTER, Tab WM_LABEL_TAB and Shift+Tab
// WM_LABEL_BACKTAB (control id, 0) to the parent; Tab also turns the text
// black. A click reaches the page as STN_CLICKED and does nothing else: the
// cell's text is data and is never handed to the desktop to open.
#pragma once

#include "ui/cells/cell_colors.h"
#include "ui/wnd/controls.h"

class CColorLabel : public CStatic {
 public:
  CColorLabel();
  // Stores the colour and redraws the cell at once.
  void SetTextColor(COLORREF crText);
  COLORREF GetTextColor() const { return m_crText; }
  COLORREF GetBkColor() const { return m_crBackground; }
  // The default GUI font, once the cell has a window.
  QFont GetLabelFont() const { return m_font.GetQFont(); }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void PreSubclassWindow() override;
  void OnSetFocus(CWnd* pOldWnd);
  // The reflected colour request: the font, transparent text in the cell's colour, its brush.
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  DECLARE_MESSAGE_MAP()

 private:
  void Paint();

  COLORREF m_crText;
  COLORREF m_crBackground;
  CBrush m_brush;
  LOGFONT m_logFont;
  CFont m_font;
};
