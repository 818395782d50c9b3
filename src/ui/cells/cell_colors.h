// How the cells put their colours on their widgets. They answer the colour
// pass of the window layer (their reflected WM_CTLCOLOR) and also keep their
// widget's palette in step themselves, so that a cell shows its colours even
// before, or without, a paint that runs the pass.
#pragma once

#include "ui/wnd/ext/color_pass.h"

class QWidget;

namespace cell_colors {

// 0x0000FF: the text of the focused label.
inline constexpr COLORREF kRed = RGB(255, 0, 0);

// An edit: its text and the background behind it.
void PaintEdit(QWidget* w, COLORREF text, COLORREF background);
// A static: its text, drawn transparently on a background filled with the brush.
void PaintStatic(QWidget* w, COLORREF text, COLORREF background);

}  // namespace cell_colors
