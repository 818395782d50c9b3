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

#include <algorithm>
#include <string>
#include <vector>

#include "ui/wnd/wnd_layer.h"

namespace fit_test {

// The lines a text takes when it wraps at blanks within the width (a word
// wider than the width takes a line of its own), and its widest word.
inline int WrappedLines(const QFontMetrics& fm, const QString& text, int width, int* widestWord) {
  int lines = 0;
  int line = -1;  // width of the line so far, -1 before its first word
  *widestWord = 0;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const int w = fm.horizontalAdvance(word);
    *widestWord = std::max(*widestWord, w);
    const int with = line < 0 ? w : line + fm.horizontalAdvance(QLatin1Char(' ')) + w;
    if (line >= 0 && with <= width) {
      line = with;
    } else {
      ++lines;
      line = w;
    }
  }
  return std::max(lines, 1);
}

// One line per control of the surface whose caption is cut, naming it; with
// onlyShown, the controls hidden now are left out.
inline std::vector<std::string> CutCaptions(QWidget* surface, const std::string& where, bool onlyShown = false) {
  std::vector<std::string> cut;
  for (QWidget* w : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isWindow() || (onlyShown && !w->isVisibleTo(surface))) continue;
    QString text;
    int need = 0;        // width the caption needs
    int room = w->width();
    int needHeight = 0;  // height it needs where it wraps
    if (auto* label = qobject_cast<QLabel*>(w)) {
      text = label->text();
      if (text.isEmpty()) continue;
      const QFontMetrics fm(label->font());
      room = label->contentsRect().width();
      if (label->wordWrap()) {
        // A label wraps at blanks: each word must fit, and its lines its height.
        needHeight = WrappedLines(fm, text, room, &need) * fm.height();
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
      text = push->text().remove(QLatin1Char('&'));
      const QFontMetrics fm(push->font());
      if (CWnd::FromHandle(w)->GetStyle() & BS_MULTILINE) {
        needHeight = WrappedLines(fm, text, room - 6, &need) * fm.height() + 4;
        need += 6;
      } else {
        need = fm.horizontalAdvance(text) + 6;
      }
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
