#include "ui/wnd/controls.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTextOption>
#include <QWheelEvent>

#include <algorithm>
#include <cctype>
#include <map>

#include "ui/wnd/dlg_template.h"
#include "ui/wnd/ext/common_controls.h"
#include "ui/wnd/fonts.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

constexpr const char* kClassProperty = "tq_class";
constexpr const char* kQuietProperty = "tq_quiet";
constexpr const char* kLimitProperty = "tq_limit";
constexpr const char* kEditedProperty = "tq_edited";
constexpr int kDefaultLimit = 32767;
constexpr int kNoLimit = 0x7FFFFFFE;

std::map<std::string, WindowClassProc>& Classes() {
  static std::map<std::string, WindowClassProc> classes;
  return classes;
}

// A static text, drawn here as QLabel draws plain text: frame, then the text
// inside the frame's indent. A static that takes the focus (a grid cell) would
// otherwise lay its text out as a text document at every paint; and the text
// is drawn as the installed faces can draw it (DrawableText).
class WndLabel : public QLabel {
 public:
  explicit WndLabel(QWidget* parent) : QLabel(parent) {}

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (textFormat() != Qt::PlainText || !pixmap().isNull()) {
      QLabel::paintEvent(e);
      return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    int m = indent();
    if (m < 0 && frameWidth()) m = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (m > 0) {
      if (align & Qt::AlignLeft) r.setLeft(r.left() + m);
      if (align & Qt::AlignRight) r.setRight(r.right() - m);
      if (align & Qt::AlignTop) r.setTop(r.top() + m);
      if (align & Qt::AlignBottom) r.setBottom(r.bottom() - m);
    }
    const int flags = int(align) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, r, flags, palette(), isEnabled(), DrawableText(text()), foregroundRole());
  }
};

// A push button whose caption wraps over as many lines as it needs: at blanks
// and after underscores, inside a word only where one is wider than the button;
// a caption that does not fit even so is drawn in a smaller font.
class MultiLineButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QString caption = option.text;
    caption.replace(QLatin1Char('_'), QStringLiteral("_\u200B"));
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    QTextOption wrap(Qt::AlignCenter);
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QRectF area(style()->subElementRect(QStyle::SE_PushButtonContents, &option, this));
    // A caption taller than the button is drawn smaller, down to 6 points.
    QFont font = painter.font();
    while (font.pointSizeF() > 6.0 && painter.boundingRect(area, caption, wrap).height() > area.height()) {
      font.setPointSizeF(font.pointSizeF() - 0.5);
      painter.setFont(font);
    }
    painter.setPen(option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, caption, wrap);
  }
};

// A check box whose focus shows however the focus came (the dialog keys move
// it with SetFocus, which the style does not count as keyboard focus), and
// whose box, disabled, is fainter than an enabled one: no face of its own, the
// frame and the mark in darker shades of its background.
class WndCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (hasFocus()) option.state |= QStyle::State_KeyboardFocusChange;
    if (isEnabled()) {
      painter.drawControl(QStyle::CE_CheckBox, option);
      return;
    }
    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    painter.drawControl(QStyle::CE_CheckBoxLabel, label);
    const QColor back = palette().color(backgroundRole());
    const QRectF box =
        QRectF(style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(back.darker(115), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    if (checkState() == Qt::Unchecked) return;
    const QRectF in = box.adjusted(box.width() * 0.2, box.height() * 0.2, -box.width() * 0.2, -box.height() * 0.2);
    painter.setPen(QPen(back.darker(150), std::max(1.0, box.height() * 0.13)));
    if (checkState() == Qt::PartiallyChecked) {
      painter.drawLine(QPointF(in.left(), in.center().y()), QPointF(in.right(), in.center().y()));
    } else {
      const QPointF mark[] = {{in.left(), in.center().y()}, {in.left() + in.width() * 0.4, in.bottom()},
                              {in.right(), in.top()}};
      painter.drawPolyline(mark, 3);
    }
  }
};

// A combo box that reports its list opening and closing. It takes the wheel
// only while it has the keyboard focus: a wheel turned over a list on its way
// down a page scrolls the page and changes no setting. A drop-down list with
// the focus shows its text selected, as on the original platform.
class WndComboBox : public QComboBox {
 public:
  explicit WndComboBox(QWidget* parent) : QComboBox(parent) {}
  void showPopup() override {
    SendControlNotification(this, CBN_DROPDOWN);
    opened_ = true;
    QComboBox::showPopup();
  }
  void hidePopup() override {
    // view() makes the list the first time it is asked for: a list never
    // shown is not made just to learn that it is hidden.
    const bool wasOpen = opened_ && view()->isVisible();
    QComboBox::hidePopup();
    if (wasOpen) SendControlNotification(this, CBN_CLOSEUP);
  }

 protected:
  void wheelEvent(QWheelEvent* e) override {
    if (!hasFocus()) {
      e->ignore();  // on to the parent
      return;
    }
    QComboBox::wheelEvent(e);
  }

  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (hasFocus() && !isEditable() && !(opened_ && view()->isVisible())) {
      QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
      field.adjust(1, 1, -1, -1);
      painter.fillRect(field, option.palette.brush(QPalette::Highlight));
      const QColor selected = option.palette.color(QPalette::HighlightedText);
      option.palette.setColor(QPalette::ButtonText, selected);
      option.palette.setColor(QPalette::Text, selected);
      option.palette.setColor(QPalette::WindowText, selected);
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  }

  void focusInEvent(QFocusEvent* e) override {
    QComboBox::focusInEvent(e);
    update();
  }
  void focusOutEvent(QFocusEvent* e) override {
    QComboBox::focusOutEvent(e);
    update();
  }

 private:
  bool opened_ = false;
};

QString TextParam(LPARAM l) { return l ? QString::fromUtf8(reinterpret_cast<const char*>(l)) : QString(); }

int SortedPosition(const QStringList& items, const QString& text) {
  int i = 0;
  while (i < items.size() && QString::compare(items[i], text, Qt::CaseInsensitive) <= 0) ++i;
  return i;
}

// Searches after `start` (-1: from the first item), wrapping round.
template <class TextAt>
int FindItem(int count, int start, const QString& text, bool exact, TextAt textAt) {
  if (count <= 0) return -1;
  const int first = (start < 0 || start >= count) ? 0 : start + 1;
  for (int k = 0; k < count; ++k) {
    const int i = (first + k) % count;
    const QString item = textAt(i);
    const bool match = exact ? QString::compare(item, text, Qt::CaseInsensitive) == 0
                             : item.startsWith(text, Qt::CaseInsensitive);
    if (match) return i;
  }
  return -1;
}

// ---- edit ---------------------------------------------------------------------------

void EditGetSel(const QLineEdit* e, int* start, int* end) {
  if (e->hasSelectedText()) {
    *start = e->selectionStart();
    *end = e->selectionEnd();
  } else {
    *start = *end = e->cursorPosition();
  }
}

void EditSetSel(QLineEdit* e, int start, int end) {
  const int length = static_cast<int>(e->text().size());
  if (start < 0) {
    e->deselect();
    return;
  }
  if (end < 0 || end > length) end = length;
  start = std::min(start, length);
  if (start == end) e->setCursorPosition(start);
  else e->setSelection(start, end - start);
}

int EditLimit(const QWidget* w) {
  const QVariant v = w->property(kLimitProperty);
  return v.isValid() ? v.toInt() : kDefaultLimit;
}

LRESULT EditProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  auto* e = qobject_cast<QLineEdit*>(wnd->GetSafeHwnd());
  if (!e) return 0;
  *handled = true;
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      DeliverInputDefault(wnd, message, wParam, lParam);
      SendControlNotification(e, message == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_CHAR: {
      UINT ch = static_cast<UINT>(wParam);
      if (ch >= 0x20 && !e->isReadOnly()) {
        const DWORD style = WidgetStyle(e);
        if ((style & ES_UPPERCASE) && ch < 0x80) ch = static_cast<UINT>(std::toupper(static_cast<int>(ch)));
        if ((style & ES_LOWERCASE) && ch < 0x80) ch = static_cast<UINT>(std::tolower(static_cast<int>(ch)));
        const int kept = static_cast<int>(e->text().size() - e->selectedText().size());
        if (kept + 1 > EditLimit(e)) {
          SendControlNotification(e, EN_MAXTEXT);
          return 0;
        }
      }
      DeliverInputDefault(wnd, WM_CHAR, ch, lParam);
      return 0;
    }
    case EM_GETSEL: {
      int start = 0;
      int end = 0;
      EditGetSel(e, &start, &end);
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
      return static_cast<LRESULT>(MAKELPARAM(static_cast<unsigned>(start), static_cast<unsigned>(end)));
    }
    case EM_SETSEL:
      EditSetSel(e, static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case EM_REPLACESEL: {
      QuietScope quiet(e);
      e->insert(TextParam(lParam));
      return 0;
    }
    case EM_LIMITTEXT:
      e->setProperty(kLimitProperty, wParam == 0 ? kNoLimit : static_cast<int>(std::min<WPARAM>(wParam, kNoLimit)));
      return 0;
    case EM_GETLIMITTEXT:
      return EditLimit(e);
    case EM_SETREADONLY:
      e->setReadOnly(wParam != 0);
      return TRUE;
    case EM_SCROLLCARET:
      return TRUE;  // the caret is always kept in view
    default:
      *handled = false;
      return 0;
  }
}

// ---- static ---------------------------------------------------------------------------

LRESULT StaticProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  QWidget* w = wnd->GetSafeHwnd();
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      *handled = true;
      DeliverInputDefault(wnd, message, wParam, lParam);
      if (w && (WidgetStyle(w) & SS_NOTIFY)) {
        SendControlNotification(w, message == WM_LBUTTONDOWN ? STN_CLICKED : STN_DBLCLK);
      }
      return 0;
    case WM_GETDLGCODE:
      *handled = true;
      return DLGC_STATIC;
    default:
      return 0;
  }
}

// ---- button -----------------------------------------------------------------------------

DWORD ButtonType(const QWidget* w) { return WidgetStyle(w) & BS_TYPEMASK; }

int ButtonCheck(const QAbstractButton* b) {
  if (auto* c = qobject_cast<const QCheckBox*>(b); c && c->checkState() == Qt::PartiallyChecked) {
    return BST_INDETERMINATE;
  }
  return b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void SetButtonCheck(QAbstractButton* b, int check) {
  QuietScope quiet(b);
  QButtonGroup* group = b->group();
  const bool exclusive = group && group->exclusive();
  if (exclusive) group->setExclusive(false);
  if (auto* c = qobject_cast<QCheckBox*>(b); c && check == BST_INDETERMINATE && c->isTristate()) {
    c->setCheckState(Qt::PartiallyChecked);
  } else {
    b->setChecked(check != BST_UNCHECKED);
  }
  if (exclusive) group->setExclusive(true);
}

LRESULT ButtonProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  QWidget* w = wnd->GetSafeHwnd();
  if (!w) return 0;
  auto* button = qobject_cast<QAbstractButton*>(w);
  const DWORD type = ButtonType(w);
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      *handled = true;
      DeliverInputDefault(wnd, message, wParam, lParam);
      if (WidgetStyle(w) & BS_NOTIFY) SendControlNotification(w, message == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE:
      *handled = true;
      if (type == BS_GROUPBOX) return DLGC_STATIC;
      if (type == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
      if (type == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
      if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) return DLGC_BUTTON | DLGC_RADIOBUTTON;
      return DLGC_BUTTON;
    case BM_GETCHECK:
      *handled = true;
      return button ? ButtonCheck(button) : 0;
    case BM_SETCHECK:
      *handled = true;
      if (button) SetButtonCheck(button, static_cast<int>(wParam));
      return 0;
    case BM_CLICK:
      *handled = true;
      if (button) button->click();
      return 0;
    default:
      return 0;
  }
}

// ---- combo box ----------------------------------------------------------------------------

bool ComboEdited(const QComboBox* c) { return c->isEditable() && c->property(kEditedProperty).toBool(); }

int ComboInsert(QComboBox* c, int index, const QString& text, bool sorted) {
  if (index > c->count()) return CB_ERR;
  QuietScope quiet(c);
  const int current = c->currentIndex();
  const QString editText = c->isEditable() ? c->currentText() : QString();
  int at = (index < 0) ? c->count() : index;
  if (sorted) {
    QStringList items;
    for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
    at = SortedPosition(items, text);
  }
  c->insertItem(at, text);
  // An insertion never selects anything by itself.
  if (current == -1 && c->currentIndex() != -1) {
    c->setCurrentIndex(-1);
    if (c->isEditable()) c->setEditText(editText);
  }
  return at;
}

LRESULT ComboProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  auto* c = qobject_cast<QComboBox*>(wnd->GetSafeHwnd());
  if (!c) return 0;
  *handled = true;
  const int index = static_cast<int>(wParam);
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      DeliverInputDefault(wnd, message, wParam, lParam);
      SendControlNotification(c, message == WM_SETFOCUS ? CBN_SETFOCUS : CBN_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case CB_ADDSTRING:
      return ComboInsert(c, -1, TextParam(lParam), (WidgetStyle(c) & CBS_SORT) != 0);
    case CB_INSERTSTRING:
      return ComboInsert(c, index, TextParam(lParam), false);
    case CB_DELETESTRING: {
      if (index < 0 || index >= c->count()) return CB_ERR;
      QuietScope quiet(c);
      const int current = c->currentIndex();
      c->removeItem(index);
      if (index == current) c->setCurrentIndex(-1);
      return c->count();
    }
    case CB_RESETCONTENT: {
      QuietScope quiet(c);
      c->clear();
      if (c->isEditable()) c->clearEditText();
      c->setProperty(kEditedProperty, false);
      return 0;
    }
    case CB_GETCOUNT:
      return c->count();
    case CB_GETCURSEL:
      return ComboEdited(c) ? CB_ERR : c->currentIndex();
    case CB_SETCURSEL: {
      QuietScope quiet(c);
      c->setProperty(kEditedProperty, false);
      if (index < 0 || index >= c->count()) {
        c->setCurrentIndex(-1);
        return CB_ERR;
      }
      c->setCurrentIndex(index);
      return index;
    }
    case CB_GETLBTEXT:
      if (index < 0 || index >= c->count()) return CB_ERR;
      if (lParam) *reinterpret_cast<std::string*>(lParam) = FromQString(c->itemText(index));
      return static_cast<LRESULT>(c->itemText(index).toUtf8().size());
    case CB_GETLBTEXTLEN:
      if (index < 0 || index >= c->count()) return CB_ERR;
      return static_cast<LRESULT>(c->itemText(index).toUtf8().size());
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
      return FindItem(c->count(), index, TextParam(lParam), message == CB_FINDSTRINGEXACT,
                      [c](int i) { return c->itemText(i); });
    case CB_SETITEMDATA:
      if (index < 0 || index >= c->count()) return CB_ERR;
      c->setItemData(index, QVariant::fromValue<qulonglong>(static_cast<qulonglong>(lParam)));
      return 0;
    case CB_GETITEMDATA:
      if (index < 0 || index >= c->count()) return CB_ERR;
      return static_cast<LRESULT>(c->itemData(index).toULongLong());
    case CB_SHOWDROPDOWN:
      if (wParam) c->showPopup();
      else c->hidePopup();
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return c->view() && c->view()->isVisible() ? TRUE : FALSE;
    default:
      *handled = false;
      return 0;
  }
}

// ---- list box -------------------------------------------------------------------------------

int ListCurSel(const QListWidget* l) {
  const auto selected = l->selectedItems();
  return selected.isEmpty() ? LB_ERR : l->row(selected.first());
}

LRESULT ListProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  auto* l = qobject_cast<QListWidget*>(wnd->GetSafeHwnd());
  if (!l) return 0;
  *handled = true;
  const int index = static_cast<int>(wParam);
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      DeliverInputDefault(wnd, message, wParam, lParam);
      SendControlNotification(l, message == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
      if (message == LB_INSERTSTRING && index > l->count()) return LB_ERR;
      QuietScope quiet(l);
      const QString text = TextParam(lParam);
      int at = (message == LB_INSERTSTRING && index >= 0) ? index : l->count();
      if (message == LB_ADDSTRING && (WidgetStyle(l) & LBS_SORT)) {
        QStringList items;
        for (int i = 0; i < l->count(); ++i) items << l->item(i)->text();
        at = SortedPosition(items, text);
      }
      l->insertItem(at, text);
      return at;
    }
    case LB_DELETESTRING: {
      if (index < 0 || index >= l->count()) return LB_ERR;
      QuietScope quiet(l);
      delete l->takeItem(index);
      return l->count();
    }
    case LB_RESETCONTENT: {
      QuietScope quiet(l);
      l->clear();
      return 0;
    }
    case LB_GETCOUNT:
      return l->count();
    case LB_GETCURSEL:
      return ListCurSel(l);
    case LB_SETCURSEL: {
      QuietScope quiet(l);
      if (index < 0 || index >= l->count()) {
        l->clearSelection();
        l->setCurrentRow(-1);
        return LB_ERR;
      }
      l->setCurrentRow(index);
      return index;
    }
    case LB_GETTEXT:
      if (index < 0 || index >= l->count()) return LB_ERR;
      if (lParam) *reinterpret_cast<std::string*>(lParam) = FromQString(l->item(index)->text());
      return static_cast<LRESULT>(l->item(index)->text().toUtf8().size());
    case LB_GETTEXTLEN:
      if (index < 0 || index >= l->count()) return LB_ERR;
      return static_cast<LRESULT>(l->item(index)->text().toUtf8().size());
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
      return FindItem(l->count(), index, TextParam(lParam), message == LB_FINDSTRINGEXACT,
                      [l](int i) { return l->item(i)->text(); });
    case LB_SETITEMDATA:
      if (index < 0 || index >= l->count()) return LB_ERR;
      l->item(index)->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(static_cast<qulonglong>(lParam)));
      return 0;
    case LB_GETITEMDATA:
      if (index < 0 || index >= l->count()) return LB_ERR;
      return static_cast<LRESULT>(l->item(index)->data(Qt::UserRole).toULongLong());
    case LB_GETTOPINDEX: {
      const QModelIndex top = l->indexAt(QPoint(1, 1));
      return top.isValid() ? top.row() : 0;
    }
    case LB_SETTOPINDEX:
      if (index < 0 || index >= l->count()) return LB_ERR;
      l->scrollToItem(l->item(index), QAbstractItemView::PositionAtTop);
      return 0;
    default:
      *handled = false;
      return 0;
  }
}

void RegisterStandardClasses() {
  static const bool done = [] {
    Classes().emplace("Static", &StaticProc);
    Classes().emplace("Edit", &EditProc);
    Classes().emplace("Button", &ButtonProc);
    Classes().emplace("ComboBox", &ComboProc);
    Classes().emplace("ListBox", &ListProc);
    return true;
  }();
  (void)done;
}

// ---- the widgets of the standard controls ------------------------------------------------

QWidget* MakeStatic(QWidget* parent, DWORD style) {
  auto* label = new WndLabel(parent);
  label->setTextFormat(Qt::PlainText);
  // Disabled text in the grey of disabled text (COLOR_GRAYTEXT), readable on a grey cell.
  QPalette palette = label->palette();
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(109, 109, 109));
  label->setPalette(palette);
  const DWORD type = style & SS_TYPEMASK;
  Qt::Alignment align = Qt::AlignLeft;
  if (type == SS_CENTER) align = Qt::AlignHCenter;
  if (type == SS_RIGHT) align = Qt::AlignRight;
  align |= (style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop;
  label->setAlignment(align);
  label->setWordWrap(type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT);
  if (type == SS_BLACKFRAME || type == SS_GRAYFRAME || type == SS_WHITEFRAME || (style & WS_BORDER)) {
    label->setFrameShape(QFrame::Box);
  }
  if (type == SS_ETCHEDHORZ) label->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  if (type == SS_ETCHEDVERT) label->setFrameStyle(QFrame::VLine | QFrame::Sunken);
  if (type == SS_ETCHEDFRAME || (style & SS_SUNKEN)) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setFocusPolicy((style & WS_TABSTOP) ? Qt::TabFocus : Qt::NoFocus);
  // A static without SS_NOTIFY lets clicks through to what lies under it.
  label->setAttribute(Qt::WA_TransparentForMouseEvents, !(style & SS_NOTIFY));
  SetWindowClass(label, "Static");
  return label;
}

QWidget* MakeEdit(QWidget* parent, DWORD style) {
  auto* edit = new QLineEdit(parent);
  edit->setFrame((style & WS_BORDER) != 0);
  if (style & ES_CENTER) edit->setAlignment(Qt::AlignHCenter);
  if (style & ES_RIGHT) edit->setAlignment(Qt::AlignRight);
  if (style & ES_PASSWORD) edit->setEchoMode(QLineEdit::Password);
  edit->setReadOnly((style & ES_READONLY) != 0);
  edit->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] {
    if (!IsQuiet(edit)) SendControlNotification(edit, EN_CHANGE);
  });
  SetWindowClass(edit, "Edit");
  return edit;
}

QWidget* MakeButton(QWidget* parent, DWORD style) {
  const DWORD type = style & BS_TYPEMASK;
  QAbstractButton* button = nullptr;
  switch (type) {
    case BS_GROUPBOX: {
      auto* box = new QGroupBox(parent);
      box->setFocusPolicy(Qt::NoFocus);
      box->setAttribute(Qt::WA_TransparentForMouseEvents, true);
      SetWindowClass(box, "Button");
      return box;
    }
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: {
      auto* check = new WndCheckBox(parent);
      check->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
      button = check;
      break;
    }
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);  // groups follow WS_GROUP, not the parent
      button = radio;
      break;
    }
    default: {
      auto* push = (style & BS_MULTILINE) ? new MultiLineButton(parent) : new QPushButton(parent);
      push->setAutoDefault(false);
      button = push;
      break;
    }
  }
  button->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button, &QAbstractButton::clicked, button, [button] {
    const DWORD t = ButtonType(button);
    const bool manual = t == BS_CHECKBOX || t == BS_RADIOBUTTON;
    if (manual) {
      // The program decides the check state of a non-automatic button.
      QuietScope quiet(button);
      button->setChecked(!button->isChecked());
    }
    SendControlNotification(button, BN_CLICKED);
  });
  SetWindowClass(button, "Button");
  return button;
}

QWidget* MakeCombo(QWidget* parent, DWORD style) {
  auto* combo = new WndComboBox(parent);
  const DWORD type = style & 0x3;
  if (type == CBS_DROPDOWN || type == CBS_SIMPLE) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [combo] {
      // Typed text leaves no item selected.
      combo->setProperty(kEditedProperty, true);
      SendControlNotification(combo, CBN_EDITCHANGE);
    });
  }
  combo->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo](int) {
    if (IsQuiet(combo)) return;
    combo->setProperty(kEditedProperty, false);
    SendControlNotification(combo, CBN_SELCHANGE);
  });
  QObject::connect(combo, &QComboBox::activated, combo, [combo](int index) {
    // Choosing the item the typed text had replaced selects it again.
    if (IsQuiet(combo) || !ComboEdited(combo) || index != combo->currentIndex()) return;
    combo->setProperty(kEditedProperty, false);
    SendControlNotification(combo, CBN_SELCHANGE);
  });
  SetWindowClass(combo, "ComboBox");
  return combo;
}

QWidget* MakeList(QWidget* parent, DWORD style) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setFrameShape((style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
  list->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list] {
    if (IsQuiet(list) || !(WidgetStyle(list) & LBS_NOTIFY)) return;
    SendControlNotification(list, LBN_SELCHANGE);
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, list, [list](QListWidgetItem*) {
    if (WidgetStyle(list) & LBS_NOTIFY) SendControlNotification(list, LBN_DBLCLK);
  });
  SetWindowClass(list, "ListBox");
  return list;
}

}  // namespace

// ---- window classes and notifications ---------------------------------------------------

void RegisterWindowClass(const std::string& className, WindowClassProc proc) {
  RegisterStandardClasses();
  Classes()[className] = proc;
}

void SetWindowClass(QWidget* widget, const std::string& className) {
  if (widget) widget->setProperty(kClassProperty, QString::fromStdString(className));
}

WindowClassProc GetWindowClassProc(const QWidget* widget) {
  if (!widget) return nullptr;
  const QVariant name = widget->property(kClassProperty);
  if (!name.isValid()) return nullptr;
  RegisterStandardClasses();
  auto it = Classes().find(name.toString().toStdString());
  return it == Classes().end() ? nullptr : it->second;
}

void SendControlNotification(QWidget* control, UINT code) {
  if (!control || control->isWindow() || IsDead(control)) return;
  CWnd* parent = CWnd::FromHandlePermanent(control->parentWidget());
  if (!parent) return;
  parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(WidgetId(control)), code),
                      reinterpret_cast<LPARAM>(control));
}

namespace wnd_detail {

void SetLabelText(QLabel* label, const QString& text) {
  const Qt::FocusPolicy policy = label->focusPolicy();
  if (policy == Qt::NoFocus || !dynamic_cast<WndLabel*>(label)) {
    label->setText(text);
    return;
  }
  // QLabel makes a text document for a label that takes the focus.
  label->setFocusPolicy(Qt::NoFocus);
  label->setText(text);
  label->setFocusPolicy(policy);
}

QuietScope::QuietScope(QWidget* w) : widget_(w) {
  if (w) w->setProperty(kQuietProperty, w->property(kQuietProperty).toInt() + 1);
}

QuietScope::~QuietScope() {
  if (widget_) widget_->setProperty(kQuietProperty, widget_->property(kQuietProperty).toInt() - 1);
}

bool IsQuiet(const QWidget* w) { return w && w->property(kQuietProperty).toInt() > 0; }

std::pair<QWidget*, std::unique_ptr<CWnd>> MakeStandardControl(QWidget* parent, const DlgItemTemplate& item) {
  switch (item.kind) {
    case CtlKind::Static:
      return {MakeStatic(parent, item.style), std::make_unique<CStatic>()};
    case CtlKind::Edit:
      if (item.style & ES_MULTILINE) return MakeMultiLineEdit(parent, item);
      return {MakeEdit(parent, item.style), std::make_unique<CEdit>()};
    case CtlKind::Button:
      return {MakeButton(parent, item.style), std::make_unique<CButton>()};
    case CtlKind::ComboBox:
      return {MakeCombo(parent, item.style), std::make_unique<CComboBox>()};
    case CtlKind::ListBox:
      return {MakeList(parent, item.style), std::make_unique<CListBox>()};
    case CtlKind::ScrollBar:
      return MakeScrollBar(parent, item);
    case CtlKind::Custom:
    default:
      // The common controls (progress bar, trackbar, up-down, tab control) by class name.
      if (auto made = MakeCommonControl(parent, item); made.first) return made;
      return {new QWidget(parent), nullptr};
  }
}

}  // namespace wnd_detail

// ---- the control objects -----------------------------------------------------------------

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  DWORD start = 0;
  DWORD end = 0;
  const_cast<CEdit*>(this)->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  nStartChar = static_cast<int>(start);
  nEndChar = static_cast<int>(end);
}

DWORD CEdit::GetSel() const {
  int start = 0;
  int end = 0;
  GetSel(start, end);
  return static_cast<DWORD>(MAKELPARAM(static_cast<unsigned>(start), static_cast<unsigned>(end)));
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), static_cast<LPARAM>(nEndChar));
}

void CEdit::ReplaceSel(const std::string& text, BOOL bCanUndo) {
  SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(text.c_str()));
}

void CEdit::LimitText(int nChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(std::max(0, nChars)), 0); }

UINT CEdit::GetLimitText() const {
  return static_cast<UINT>(const_cast<CEdit*>(this)->SendMessage(EM_GETLIMITTEXT));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
  return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly)));
}

int CButton::GetCheck() const { return static_cast<int>(const_cast<CButton*>(this)->SendMessage(BM_GETCHECK)); }

void CButton::SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }

UINT CButton::GetButtonStyle() const { return m_hWnd ? (WidgetStyle(m_hWnd) & 0xFFFF) : 0; }

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
  if (!m_hWnd) return;
  // Only switching between push and default push button is meaningful after creation.
  const DWORD style = (WidgetStyle(m_hWnd) & ~static_cast<DWORD>(BS_TYPEMASK)) | (nStyle & BS_TYPEMASK);
  SetWidgetStyle(m_hWnd, style);
  if (bRedraw) m_hWnd->update();
}

int CComboBox::AddString(const std::string& text) {
  if (!m_hWnd) return CB_ERR;
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}
void CComboBox::AddStrings(std::span<const std::string> texts) {
  auto* c = qobject_cast<QComboBox*>(m_hWnd);
  if (!c || (WidgetStyle(c) & CBS_SORT)) {
    for (const std::string& text : texts) AddString(text);
    return;
  }
  QStringList items;
  items.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::string& text : texts) items << QString::fromStdString(text);
  QuietScope quiet(c);
  const int current = c->currentIndex();
  const QString editText = c->isEditable() ? c->currentText() : QString();
  c->addItems(items);
  // As with AddString, nothing is selected by the insertion itself.
  if (current == -1 && c->currentIndex() != -1) {
    c->setCurrentIndex(-1);
    if (c->isEditable()) c->setEditText(editText);
  }
}
int CComboBox::InsertString(int nIndex, const std::string& text) {
  if (!m_hWnd) return CB_ERR;
  return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text.c_str())));
}
int CComboBox::DeleteString(UINT nIndex) {
  if (!m_hWnd) return CB_ERR;
  return static_cast<int>(SendMessage(CB_DELETESTRING, nIndex));
}
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::GetCount() const { return m_hWnd ? static_cast<int>(Send(this, CB_GETCOUNT)) : CB_ERR; }
int CComboBox::GetCurSel() const { return m_hWnd ? static_cast<int>(Send(this, CB_GETCURSEL)) : CB_ERR; }
int CComboBox::SetCurSel(int nSelect) {
  if (!m_hWnd) return CB_ERR;
  return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}
int CComboBox::GetLBText(int nIndex, std::string& text) const {
  if (!m_hWnd) return CB_ERR;
  return static_cast<int>(Send(this, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&text)));
}
std::string CComboBox::GetLBText(int nIndex) const {
  std::string text;
  GetLBText(nIndex, text);
  return text;
}
int CComboBox::GetLBTextLen(int nIndex) const {
  return m_hWnd ? static_cast<int>(Send(this, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex))) : CB_ERR;
}
int CComboBox::FindString(int nStartAfter, const std::string& prefix) const {
  if (!m_hWnd) return CB_ERR;
  return static_cast<int>(Send(this, CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(prefix.c_str())));
}
int CComboBox::FindStringExact(int nIndexStart, const std::string& text) const {
  if (!m_hWnd) return CB_ERR;
  return static_cast<int>(
      Send(this, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), reinterpret_cast<LPARAM>(text.c_str())));
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR data) {
  if (!m_hWnd) return CB_ERR;
  return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(data)));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
  return m_hWnd ? static_cast<DWORD_PTR>(Send(this, CB_GETITEMDATA, static_cast<WPARAM>(nIndex))) : 0;
}
void CComboBox::ShowDropDown(BOOL bShowIt) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt)); }
BOOL CComboBox::GetDroppedState() const { return m_hWnd ? static_cast<BOOL>(Send(this, CB_GETDROPPEDSTATE)) : FALSE; }

int CListBox::AddString(const std::string& text) {
  if (!m_hWnd) return LB_ERR;
  return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}
int CListBox::InsertString(int nIndex, const std::string& text) {
  if (!m_hWnd) return LB_ERR;
  return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text.c_str())));
}
int CListBox::DeleteString(UINT nIndex) {
  if (!m_hWnd) return LB_ERR;
  return static_cast<int>(SendMessage(LB_DELETESTRING, nIndex));
}
void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
int CListBox::GetCount() const { return m_hWnd ? static_cast<int>(Send(this, LB_GETCOUNT)) : LB_ERR; }
int CListBox::GetCurSel() const { return m_hWnd ? static_cast<int>(Send(this, LB_GETCURSEL)) : LB_ERR; }
int CListBox::SetCurSel(int nSelect) {
  if (!m_hWnd) return LB_ERR;
  return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}
int CListBox::GetText(int nIndex, std::string& text) const {
  if (!m_hWnd) return LB_ERR;
  return static_cast<int>(Send(this, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&text)));
}
std::string CListBox::GetText(int nIndex) const {
  std::string text;
  GetText(nIndex, text);
  return text;
}
int CListBox::GetTextLen(int nIndex) const {
  return m_hWnd ? static_cast<int>(Send(this, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex))) : LB_ERR;
}
int CListBox::FindString(int nStartAfter, const std::string& prefix) const {
  if (!m_hWnd) return LB_ERR;
  return static_cast<int>(Send(this, LB_FINDSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(prefix.c_str())));
}
int CListBox::FindStringExact(int nStartAfter, const std::string& text) const {
  if (!m_hWnd) return LB_ERR;
  return static_cast<int>(
      Send(this, LB_FINDSTRINGEXACT, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(text.c_str())));
}
int CListBox::SetItemData(int nIndex, DWORD_PTR data) {
  if (!m_hWnd) return LB_ERR;
  return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(data)));
}
DWORD_PTR CListBox::GetItemData(int nIndex) const {
  return m_hWnd ? static_cast<DWORD_PTR>(Send(this, LB_GETITEMDATA, static_cast<WPARAM>(nIndex))) : 0;
}
int CListBox::GetTopIndex() const { return m_hWnd ? static_cast<int>(Send(this, LB_GETTOPINDEX)) : LB_ERR; }
int CListBox::SetTopIndex(int nIndex) {
  if (!m_hWnd) return LB_ERR;
  return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(nIndex)));
}
