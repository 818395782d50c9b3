// Whether the captions of a dialog fit their controls: the texts of labels,
// check boxes, radio buttons, push buttons and group boxes, measured in the
// font each is drawn in. Used over every dialog template and every page.
#pragma once

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <string>
#include <vector>

#include "ui/wnd/wnd_layer.h"

namespace fit_test {

// One line per control of the surface whose caption is cut, naming it; with
// onlyShown, the controls hidden now are left out.
inline std::vector<std::string> CutCaptions(QWidget* surface, const std::string& where, bool onlyShown = false) {
  std::vector<std::string> cut;
  for (QWidget* w : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isWindow() || (onlyShown && !w->isVisibleTo(surface))) continue;
    QString text;
    int need = 0;        // width the caption needs
    int room = w->width();
    int needHeight = 0;  // height it needs (wrapping labels)
    if (auto* label = qobject_cast<QLabel*>(w)) {
      text = label->text();
      if (text.isEmpty() || label->frameShape() != QFrame::NoFrame) continue;
      const QFontMetrics fm(label->font());
      room = label->contentsRect().width();
      if (label->wordWrap()) {
        // A label wraps at blanks: each word must fit, and the lines its height.
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
          need = std::max(need, fm.horizontalAdvance(word));
        }
        needHeight = label->heightForWidth(label->width());
      } else {
        need = fm.horizontalAdvance(text);
      }
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
      text = check->text();
      need = check->sizeHint().width();
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
      text = radio->text();
      need = radio->sizeHint().width();
    } else if (auto* push = qobject_cast<QPushButton*>(w)) {
      text = push->text();
      need = QFontMetrics(push->font()).horizontalAdvance(text.remove(QLatin1Char('&'))) + 6;
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
      text = box->title();
      QFont bold = box->font();  // the style draws the title in bold
      bold.setBold(true);
      need = QFontMetrics(bold).horizontalAdvance(text) + 12;
    } else {
      continue;
    }
    if (text.isEmpty()) continue;
    if (need > room || needHeight > w->height() + 1) {
      cut.push_back(where + ": \"" + text.toStdString() + "\" (control " +
                    std::to_string(CWnd::FromHandle(w)->GetDlgCtrlID()) + ") needs " + std::to_string(need) + "x" +
                    std::to_string(needHeight) + " in " + std::to_string(room) + "x" + std::to_string(w->height()));
    }
  }
  return cut;
}

}  // namespace fit_test
