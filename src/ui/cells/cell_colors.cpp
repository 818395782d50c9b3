#include "ui/cells/cell_colors.h"

#include <QPalette>
#include <QWidget>

namespace cell_colors {

QColor ToQColor(COLORREF c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

COLORREF FromQColor(const QColor& c) {
  return RGB(static_cast<unsigned>(c.red()), static_cast<unsigned>(c.green()), static_cast<unsigned>(c.blue()));
}

void PaintEdit(QWidget* w, COLORREF text, COLORREF background) {
  if (!w) return;
  QPalette p = w->palette();
  p.setColor(QPalette::Text, ToQColor(text));
  p.setColor(QPalette::Base, ToQColor(background));
  w->setPalette(p);
}

void PaintStatic(QWidget* w, COLORREF text, COLORREF background) {
  if (!w) return;
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, ToQColor(text));
  p.setColor(QPalette::Window, ToQColor(background));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void RedrawNow(QWidget* w) {
  if (!w) return;
  if (w->isVisible()) w->repaint();
  else w->update();
}

}  // namespace cell_colors
