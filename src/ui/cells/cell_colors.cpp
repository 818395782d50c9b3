#include "ui/cells/cell_colors.h"

#include <QPalette>
#include <QWidget>

namespace cell_colors {

void PaintEdit(QWidget* w, COLORREF text, COLORREF background) {
  if (!w) return;
  QPalette p = w->palette();
  p.setColor(QPalette::Text, ToQColor(text));
  p.setColor(QPalette::Base, ToQColor(background));
  if (!(p == w->palette())) w->setPalette(p);
}

void PaintStatic(QWidget* w, COLORREF text, COLORREF background) {
  if (!w) return;
  QPalette p = w->palette();
  // A disabled cell keeps the grey text colour of its class.
  p.setColor(QPalette::Active, QPalette::WindowText, ToQColor(text));
  p.setColor(QPalette::Inactive, QPalette::WindowText, ToQColor(text));
  p.setColor(QPalette::Window, ToQColor(background));
  if (!(p == w->palette())) w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace cell_colors
