#include "ui/wnd/ext/gdi.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>

namespace {

// The system's default scheme, one entry per COLOR_ index.
constexpr std::array<COLORREF, 25> kSysColors = {
    RGB(200, 200, 200),  // COLOR_SCROLLBAR
    RGB(0, 0, 0),        // COLOR_BACKGROUND
    RGB(153, 180, 209),  // COLOR_ACTIVECAPTION
    RGB(191, 205, 219),  // COLOR_INACTIVECAPTION
    RGB(240, 240, 240),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(100, 100, 100),  // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(0, 0, 0),        // COLOR_CAPTIONTEXT
    RGB(180, 180, 180),  // COLOR_ACTIVEBORDER
    RGB(244, 247, 252),  // COLOR_INACTIVEBORDER
    RGB(171, 171, 171),  // COLOR_APPWORKSPACE
    RGB(51, 153, 255),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(240, 240, 240),  // COLOR_BTNFACE
    RGB(160, 160, 160),  // COLOR_BTNSHADOW
    RGB(109, 109, 109),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(67, 78, 84),     // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(105, 105, 105),  // COLOR_3DDKSHADOW
    RGB(227, 227, 227),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
};

}  // namespace

COLORREF GetSysColor(int nIndex) {
  if (nIndex < 0 || nIndex >= static_cast<int>(kSysColors.size())) return 0;
  return kSysColors[static_cast<std::size_t>(nIndex)];
}

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

COLORREF FromQColor(const QColor& c) {
  return RGB(static_cast<unsigned>(c.red()), static_cast<unsigned>(c.green()), static_cast<unsigned>(c.blue()));
}

HBRUSH GetSysColorBrush(int nIndex) {
  static std::array<HBRUSH__, kSysColors.size()> brushes = [] {
    std::array<HBRUSH__, kSysColors.size()> b;
    for (std::size_t i = 0; i < b.size(); ++i) b[i].color = ToQColor(kSysColors[i]);
    return b;
  }();
  if (nIndex < 0 || nIndex >= static_cast<int>(brushes.size())) return nullptr;
  return &brushes[static_cast<std::size_t>(nIndex)];
}

int GetSystemMetrics(int nIndex) {
  switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
      const QScreen* screen = QGuiApplication::primaryScreen();
      if (!screen) return 0;
      const QSize size = screen->geometry().size();
      return nIndex == SM_CXSCREEN ? size.width() : size.height();
    }
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVSCROLL: {
      const QStyle* style = QApplication::style();
      return style ? style->pixelMetric(QStyle::PM_ScrollBarExtent) : 16;
    }
    case SM_CYCAPTION:
    case SM_CYMENU: {
      const QStyle* style = QApplication::style();
      return style ? style->pixelMetric(QStyle::PM_TitleBarHeight) : 20;
    }
    default:
      return 0;
  }
}

// ---- brushes and pens ------------------------------------------------------------

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  if (m_brush) return FALSE;  // a brush is created once, as a GDI object is
  m_brush = std::make_unique<HBRUSH__>();
  m_brush->color = ToQColor(color);
  return TRUE;
}

BOOL CBrush::DeleteObject() {
  if (!m_brush) return FALSE;
  m_brush.reset();
  return TRUE;
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF color) {
  if (m_created) return FALSE;
  m_created = true;
  m_style = nPenStyle;
  m_width = std::max(1, nWidth);
  m_color = color;
  return TRUE;
}

BOOL CPen::DeleteObject() {
  if (!m_created) return FALSE;
  m_created = false;
  return TRUE;
}

// ---- fonts -------------------------------------------------------------------------

LOGFONT GetStockLogFont(int nStockFont) {
  LOGFONT lf;
  if (nStockFont == DEFAULT_GUI_FONT) {
    lf.lfHeight = -11;  // 8 points at 96 dots per inch
    lf.lfWeight = FW_NORMAL;
    lf.lfFaceName = "MS Sans Serif";
  }
  return lf;
}

LOGFONT LogFontOf(const QFont& font) {
  LOGFONT lf;
  const QFontInfo info(font);
  lf.lfHeight = -std::max(1, info.pixelSize());
  lf.lfWeight = font.weight() >= QFont::Bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic() ? 1 : 0;
  lf.lfUnderline = font.underline() ? 1 : 0;
  lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
  lf.lfFaceName = font.family().toStdString();
  return lf;
}

namespace {

QFont FontOfLogFont(const LOGFONT& lf) {
  QFont f = FontOfFace(lf.lfFaceName);
  f.setWeight(lf.lfWeight >= FW_BOLD ? QFont::Bold : static_cast<QFont::Weight>(std::clamp<LONG>(lf.lfWeight, 100, 900)));
  f.setItalic(lf.lfItalic != 0);
  f.setUnderline(lf.lfUnderline != 0);
  f.setStrikeOut(lf.lfStrikeOut != 0);
  return f;
}

}  // namespace

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
  if (!lpLogFont || m_created) return FALSE;
  m_logFont = *lpLogFont;
  m_font = FontOfLogFont(*lpLogFont);
  if (lpLogFont->lfHeight != 0) m_font.setPixelSize(std::max(1, std::abs(static_cast<int>(lpLogFont->lfHeight))));
  m_created = true;
  return TRUE;
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC*) {
  if (!lpLogFont || m_created) return FALSE;
  m_font = FontOfLogFont(*lpLogFont);
  const double points = std::max(1.0, lpLogFont->lfHeight / 10.0);
  m_font.setPointSizeF(std::max(points, double(ScreenPointSize(lpLogFont->lfFaceName, 1))));
  m_logFont = LogFontOf(m_font);
  m_logFont.lfFaceName = lpLogFont->lfFaceName;
  m_created = true;
  return TRUE;
}

BOOL CFont::CreatePointFont(int nPointSize, const std::string& face, CDC* pDC) {
  LOGFONT lf;
  lf.lfHeight = nPointSize;
  lf.lfFaceName = face;
  return CreatePointFontIndirect(&lf, pDC);
}

BOOL CFont::CreateFromQFont(const QFont& font) {
  if (m_created) return FALSE;
  m_font = font;
  m_logFont = LogFontOf(font);
  m_created = true;
  return TRUE;
}

BOOL CFont::DeleteObject() {
  if (!m_created) return FALSE;
  m_created = false;
  m_font = QFont();
  m_logFont = LOGFONT();
  return TRUE;
}

int CFont::GetLogFont(LOGFONT* pLogFont) const {
  if (!pLogFont || !m_created) return 0;
  *pLogFont = m_logFont;
  return 1;
}

// ---- the device context --------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF color) {
  const COLORREF old = m_textColor;
  m_textColor = color;
  return old;
}

COLORREF CDC::SetBkColor(COLORREF color) {
  const COLORREF old = m_bkColor;
  m_bkColor = color;
  return old;
}

int CDC::SetBkMode(int nBkMode) {
  const int old = m_bkMode;
  if (nBkMode == TRANSPARENT || nBkMode == OPAQUE) m_bkMode = nBkMode;
  return old;
}

CFont* CDC::SelectObject(CFont* pFont) {
  CFont* old = m_font;
  m_font = pFont;
  if (m_painter && pFont && pFont->GetSafeHandle()) m_painter->setFont(pFont->GetQFont());
  return old;
}

CPen* CDC::SelectObject(CPen* pPen) {
  CPen* old = m_pen;
  m_pen = pPen;
  ApplyPen();
  return old;
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
  CBrush* old = m_brush;
  m_brush = pBrush;
  if (m_painter) {
    if (pBrush && pBrush->GetSafeHandle()) m_painter->setBrush(pBrush->GetSafeHandle()->color);
    else m_painter->setBrush(Qt::NoBrush);
  }
  return old;
}

void CDC::ApplyPen() {
  if (!m_painter) return;
  if (!m_pen || !m_pen->GetSafeHandle()) {
    m_painter->setPen(QPen(Qt::black, 1));
    return;
  }
  Qt::PenStyle style = Qt::SolidLine;
  if (m_pen->Style() == PS_DASH) style = Qt::DashLine;
  if (m_pen->Style() == PS_DOT) style = Qt::DotLine;
  if (m_pen->Style() == PS_NULL) style = Qt::NoPen;
  QPen pen(ToQColor(m_pen->Color()), m_pen->Width(), style);
  pen.setCapStyle(Qt::FlatCap);
  pen.setCosmetic(true);
  m_painter->setPen(pen);
}

int CDC::SaveDC() {
  m_saved.push_back({m_textColor, m_bkColor, m_bkMode, m_font, m_pen, m_brush});
  if (m_painter) m_painter->save();
  return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int nSavedDC) {
  const int n = static_cast<int>(m_saved.size());
  const int level = nSavedDC < 0 ? n + 1 + nSavedDC : nSavedDC;
  if (level < 1 || level > n) return FALSE;
  while (static_cast<int>(m_saved.size()) >= level) {
    const State s = m_saved.back();
    m_saved.pop_back();
    if (m_painter) m_painter->restore();
    if (static_cast<int>(m_saved.size()) + 1 == level) {
      m_textColor = s.text;
      m_bkColor = s.bk;
      m_bkMode = s.mode;
      m_font = s.font;
      m_pen = s.pen;
      m_brush = s.brush;
    }
  }
  return TRUE;
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
  if (m_painter && !rect.IsRectEmpty()) m_painter->fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(color));
}

void CDC::FillRect(const CRect& rect, HBRUSH brush) {
  if (m_painter && brush && !rect.IsRectEmpty()) {
    m_painter->fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), brush->color);
  }
}

CPoint CDC::MoveTo(int x, int y) {
  const CPoint old = m_pos;
  m_pos = {x, y};
  return old;
}

BOOL CDC::LineTo(int x, int y) {
  if (m_painter) {
    // Like the classic call, the end point itself is not drawn.
    const QLineF line(m_pos.x + 0.5, m_pos.y + 0.5, x + 0.5, y + 0.5);
    if (line.length() > 0) {
      QLineF shortened = line;
      shortened.setLength(line.length() - 1.0);
      if (shortened.length() > 0) m_painter->drawLine(shortened);
      else m_painter->drawPoint(QPointF(m_pos.x + 0.5, m_pos.y + 0.5));
    }
  }
  m_pos = {x, y};
  return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
  if (m_painter) m_painter->fillRect(QRect(x, y, 1, 1), ToQColor(color));
  return color;
}

BOOL CDC::Rectangle(const CRect& rect) {
  if (!m_painter || rect.IsRectEmpty()) return FALSE;
  if (m_brush && m_brush->GetSafeHandle()) {
    m_painter->fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), m_brush->GetSafeHandle()->color);
  }
  m_painter->save();
  m_painter->setBrush(Qt::NoBrush);
  m_painter->drawRect(QRectF(rect.left + 0.5, rect.top + 0.5, rect.Width() - 1, rect.Height() - 1));
  m_painter->restore();
  return TRUE;
}
