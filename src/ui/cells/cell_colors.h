// The colours the cells paint themselves with: the system colours they name
// (a fixed table, so that what a test reads does not depend on the desktop)
// and the way a COLORREF reaches the widget's palette.
#pragma once

#include <QColor>

#include "ui/wnd/win_types.h"

class QWidget;

namespace cell_colors {

inline constexpr COLORREF kWindowText = RGB(0, 0, 0);     // COLOR_WINDOWTEXT
inline constexpr COLORREF kWindow = RGB(255, 255, 255);   // COLOR_WINDOW
inline constexpr COLORREF kInfoBk = RGB(255, 255, 225);   // COLOR_INFOBK
inline constexpr COLORREF kBtnFace = RGB(240, 240, 240);  // COLOR_BTNFACE
inline constexpr COLORREF kRed = RGB(255, 0, 0);          // 0x0000FF: the focused cell

QColor ToQColor(COLORREF c);
COLORREF FromQColor(const QColor& c);

// An edit: its text and the background behind it.
void PaintEdit(QWidget* w, COLORREF text, COLORREF background);
// A static: its text, drawn transparently on a background filled with the brush.
void PaintStatic(QWidget* w, COLORREF text, COLORREF background);
// Redraws at once (invalidate, erase, update now) when the window is shown.
void RedrawNow(QWidget* w);

}  // namespace cell_colors
