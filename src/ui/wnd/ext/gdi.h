// Drawing objects of the window layer: the fixed system-colour table, solid
// brushes and pens, fonts described by LOGFONT, system metrics, and CDC, the
// device context handed to colour requests (WM_CTLCOLOR) and to painting
// (WM_PAINT, NM_CUSTOMDRAW). A CDC of a colour request only collects colours;
// a CDC of a paint draws on the window with a QPainter.
//
// The system colours are a fixed table, not the desktop's theme, so that what
// the program paints (and what tests read back) is the same everywhere.
#pragma once

#include <QColor>
#include <QFont>

#include <memory>
#include <string>
#include <vector>

#include "ui/wnd/fonts.h"
#include "ui/wnd/win_types.h"

class QPainter;

// ---- system colours -----------------------------------------------------------
inline constexpr int COLOR_SCROLLBAR = 0;
inline constexpr int COLOR_BACKGROUND = 1;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_CAPTIONTEXT = 9;
inline constexpr int COLOR_ACTIVEBORDER = 10;
inline constexpr int COLOR_INACTIVEBORDER = 11;
inline constexpr int COLOR_APPWORKSPACE = 12;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
inline constexpr int COLOR_3DFACE = COLOR_BTNFACE;
inline constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
inline constexpr int COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT;

// The colour of the table entry; black for an index outside it.
COLORREF GetSysColor(int nIndex);

constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }
QColor ToQColor(COLORREF c);
COLORREF FromQColor(const QColor& c);

// ---- system metrics -------------------------------------------------------------
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CYVSCROLL = 20;
inline constexpr int SM_CXHSCROLL = 21;

// The screen size, and the extent of scroll bars of the widget style in use.
int GetSystemMetrics(int nIndex);

// ---- brushes, pens, fonts ---------------------------------------------------------
// A brush handle names one solid colour. It stays valid while its CBrush lives;
// the system-colour brushes live for the whole run.
struct HBRUSH__ {
  QColor color;
};

// A solid brush the program owns.
class CBrush {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  CBrush(const CBrush&) = delete;
  CBrush& operator=(const CBrush&) = delete;
  BOOL CreateSolidBrush(COLORREF color);
  BOOL DeleteObject();
  HBRUSH GetSafeHandle() const { return m_brush.get(); }
  operator HBRUSH() const { return m_brush.get(); }

 private:
  std::unique_ptr<HBRUSH__> m_brush;
};

// The brush of a system colour; null for an index outside the table.
HBRUSH GetSysColorBrush(int nIndex);

inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_NULL = 5;

class CPen {
 public:
  CPen() = default;
  CPen(int nPenStyle, int nWidth, COLORREF color) { CreatePen(nPenStyle, nWidth, color); }
  CPen(const CPen&) = delete;
  CPen& operator=(const CPen&) = delete;
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF color);
  BOOL DeleteObject();
  BOOL GetSafeHandle() const { return m_created ? TRUE : FALSE; }
  int Style() const { return m_style; }
  int Width() const { return m_width; }
  COLORREF Color() const { return m_color; }

 private:
  bool m_created = false;
  int m_style = PS_SOLID;
  int m_width = 1;
  COLORREF m_color = 0;
};

inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;
inline constexpr int DEFAULT_GUI_FONT = 17;

// A font description. lfHeight is in pixels (negative: the character height,
// positive: the cell height) for CreateFontIndirect, and in tenths of a point
// for CreatePointFontIndirect. The face has no length limit.
struct LOGFONT {
  LONG lfHeight = 0;
  LONG lfWidth = 0;
  LONG lfEscapement = 0;
  LONG lfOrientation = 0;
  LONG lfWeight = FW_NORMAL;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = 0;
  std::string lfFaceName;
};

// The description of a stock font; DEFAULT_GUI_FONT is the 8-point dialog font.
LOGFONT GetStockLogFont(int nStockFont);
// The description of a Qt font, with the height as a negative pixel height.
LOGFONT LogFontOf(const QFont& font);

class CFont {
 public:
  CFont() = default;
  CFont(const CFont&) = delete;
  CFont& operator=(const CFont&) = delete;
  BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
  // lfHeight in tenths of a point.
  BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, class CDC* pDC = nullptr);
  BOOL CreatePointFont(int nPointSize, const std::string& face, class CDC* pDC = nullptr);
  // Takes the font of a window (or any Qt font) as it stands.
  BOOL CreateFromQFont(const QFont& font);
  BOOL DeleteObject();
  BOOL GetSafeHandle() const { return m_created ? TRUE : FALSE; }
  int GetLogFont(LOGFONT* pLogFont) const;
  const QFont& GetQFont() const { return m_font; }
  operator QFont() const { return m_font; }

 private:
  bool m_created = false;
  QFont m_font;
  LOGFONT m_logFont;
};

// ---- the device context -----------------------------------------------------------
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

class CDC;
using HDC = CDC*;

class CDC {
 public:
  // A context that only collects colours (a colour request).
  CDC() = default;
  // A context that draws with the painter (a paint).
  explicit CDC(QPainter* painter) : m_painter(painter) {}
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC() = default;

  static CDC* FromHandle(HDC hDC) { return hDC; }
  HDC GetSafeHdc() { return this; }
  // Null for a colour request.
  QPainter* GetPainter() const { return m_painter; }

  // The previous value is returned by each setter.
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const { return m_textColor; }
  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const { return m_bkColor; }
  int SetBkMode(int nBkMode);
  int GetBkMode() const { return m_bkMode; }
  // The objects in use; each returns the one it replaces (null at first).
  CFont* SelectObject(CFont* pFont);
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  CFont* GetCurrentFont() const { return m_font; }

  // Saves colours, objects and the painter state; RestoreDC(-1) takes the last.
  int SaveDC();
  BOOL RestoreDC(int nSavedDC);

  // Drawing; nothing happens on a colour request.
  void FillSolidRect(const CRect& rect, COLORREF color);
  void FillRect(const CRect& rect, HBRUSH brush);
  CPoint MoveTo(int x, int y);
  BOOL LineTo(int x, int y);
  COLORREF SetPixel(int x, int y, COLORREF color);
  // The outline with the current pen, filled with the current brush.
  BOOL Rectangle(const CRect& rect);

 protected:
  void SetPainter(QPainter* painter) {
    m_painter = painter;
    ApplyPen();
  }

 private:
  struct State {
    COLORREF text, bk;
    int mode;
    CFont* font;
    CPen* pen;
    CBrush* brush;
  };
  void ApplyPen();

  QPainter* m_painter = nullptr;
  COLORREF m_textColor = 0;
  COLORREF m_bkColor = 0xFFFFFF;
  int m_bkMode = OPAQUE;
  CFont* m_font = nullptr;
  CPen* m_pen = nullptr;
  CBrush* m_brush = nullptr;
  CPoint m_pos;
  std::vector<State> m_saved;
};
