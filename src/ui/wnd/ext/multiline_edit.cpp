// The multi-line edit (an edit with ES_MULTILINE). Without ES_AUTOHSCROLL (or
// WS_HSCROLL) its lines wrap at its right edge. Its text keeps the original
// model: lines end in "\r\n", and every character offset (selection, caret,
// limits) counts both of them, so a caret offset p in a block of fixed lines of
// n characters is at line p / n, column p % n. The widget shows the lines; the
// offsets are mapped between the two.
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

#include "ui/wnd/controls.h"
#include "ui/wnd/ext/common_controls.h"
#include "ui/wnd/ext/multiline_edit.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/ext/control_factory.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

constexpr const char* kMultiLineClass = "Edit.MultiLine";
constexpr int kDefaultLimit = 32767;
constexpr int kNoLimit = 0x7FFFFFFE;

class WndMultiLineEdit : public QPlainTextEdit {
 public:
  explicit WndMultiLineEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    QObject::connect(this, &QPlainTextEdit::textChanged, this, [this] {
      if (IsQuiet(this)) return;
      // The person changed the text: the model follows, then the parent hears.
      text = ToModelText(toPlainText());
      {
        QuietScope quiet(this);
        SetWidgetText(this, text.toStdString());
      }
      SendControlNotification(this, EN_CHANGE);
    });
  }

  QString text;  // the model text, with "\r\n" line ends
  int limit = kDefaultLimit;

  void SetReadOnlyLook(bool readOnly) {
    setReadOnly(readOnly);
    // A read-only edit still has a caret and a keyboard selection.
    if (readOnly) setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }

  // Shows the model text; the caret goes to the start.
  void ShowModel() {
    QuietScope quiet(this);
    setPlainText(ToShownText(text));
    QTextCursor c = textCursor();
    c.setPosition(0);
    setTextCursor(c);
  }

  int ShownPos(int modelPos) const { return MultiLineEditShownOffset(text, modelPos); }
  int ModelPos(int shownPos) const { return MultiLineEditModelOffset(text, shownPos); }

  static QString ToShownText(const QString& model) {
    QString shown = model;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
  }
  static QString ToModelText(const QString& shown) {
    QString model = shown;
    model.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    model.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return model;
  }

 protected:
  bool event(QEvent* e) override {
    // SetWindowText stores the text on the widget; take it into the model.
    if (e->type() == QEvent::DynamicPropertyChange && !IsQuiet(this)) {
      const QString stored = QString::fromStdString(WidgetText(this));
      if (stored != text) {
        text = stored;
        ShowModel();
      }
    }
    return QPlainTextEdit::event(e);
  }
};

WndMultiLineEdit* EditOf(CWnd* wnd) { return dynamic_cast<WndMultiLineEdit*>(wnd->GetSafeHwnd()); }

void GetSelection(const WndMultiLineEdit* e, int* start, int* end) {
  const QTextCursor c = e->textCursor();
  *start = e->ModelPos(c.selectionStart());
  *end = e->ModelPos(c.selectionEnd());
}

LRESULT MultiLineEditProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  WndMultiLineEdit* e = EditOf(wnd);
  if (!e) return 0;
  *handled = true;
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      DeliverInputDefault(wnd, message, wParam, lParam);
      SendControlNotification(e, message == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE: {
      UINT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
      // Enter makes a new line only with ES_WANTRETURN; otherwise it is the dialog's.
      if (wParam == VK_RETURN && (WidgetStyle(e) & ES_WANTRETURN) && !e->isReadOnly()) code |= DLGC_WANTALLKEYS;
      return code;
    }
    case WM_CHAR: {
      const UINT ch = static_cast<UINT>(wParam);
      if ((ch >= 0x20 || ch == '\r') && !e->isReadOnly()) {
        int start = 0;
        int end = 0;
        GetSelection(e, &start, &end);
        const int added = ch == '\r' ? 2 : 1;
        if (e->text.size() - (end - start) + added > e->limit) {
          SendControlNotification(e, EN_MAXTEXT);
          return 0;
        }
      }
      DeliverInputDefault(wnd, WM_CHAR, ch, lParam);
      return 0;
    }
    case WM_GETTEXTLENGTH:
      return e->text.size();
    case EM_GETSEL: {
      int start = 0;
      int end = 0;
      GetSelection(e, &start, &end);
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
      return static_cast<LRESULT>(MAKELPARAM(static_cast<unsigned>(start), static_cast<unsigned>(end)));
    }
    case EM_SETSEL: {
      const int length = static_cast<int>(e->text.size());
      int start = static_cast<int>(wParam);
      int end = static_cast<int>(lParam);
      QTextCursor c = e->textCursor();
      if (start < 0) {
        c.clearSelection();
      } else {
        if (end < 0 || end > length) end = length;
        start = std::min(start, length);
        c.setPosition(e->ShownPos(start));
        c.setPosition(e->ShownPos(end), QTextCursor::KeepAnchor);
      }
      e->setTextCursor(c);
      return 0;
    }
    case EM_REPLACESEL: {
      const QString insert = lParam ? QString::fromUtf8(reinterpret_cast<const char*>(lParam)) : QString();
      int start = 0;
      int end = 0;
      GetSelection(e, &start, &end);
      e->text = e->text.left(start) + insert + e->text.mid(end);
      {
        QuietScope quiet(e);
        SetWidgetText(e, e->text.toStdString());
      }
      e->ShowModel();
      QTextCursor c = e->textCursor();
      c.setPosition(e->ShownPos(start + static_cast<int>(insert.size())));
      e->setTextCursor(c);
      return 0;
    }
    case EM_LIMITTEXT:
      e->limit = wParam == 0 ? kNoLimit : static_cast<int>(std::min<WPARAM>(wParam, kNoLimit));
      return 0;
    case EM_GETLIMITTEXT:
      return e->limit;
    case EM_SETREADONLY: {
      e->SetReadOnlyLook(wParam != 0);
      const DWORD style = WidgetStyle(e);
      SetWidgetStyle(e, wParam ? (style | ES_READONLY) : (style & ~ES_READONLY));
      return TRUE;
    }
    case EM_SCROLLCARET:
      e->ensureCursorVisible();
      return TRUE;
    default:
      *handled = false;
      return 0;
  }
}

}  // namespace

int MultiLineEditShownOffset(const QString& model, int modelOffset) {
  int shown = 0;
  const int end = std::clamp(modelOffset, 0, static_cast<int>(model.size()));
  for (int i = 0; i < end; ++i) {
    // The "\r" of a line end takes no place of its own.
    if (model[i] == QLatin1Char('\r') && i + 1 < model.size() && model[i + 1] == QLatin1Char('\n')) continue;
    ++shown;
  }
  return shown;
}

int MultiLineEditModelOffset(const QString& model, int shownOffset) {
  int shown = 0;
  int i = 0;
  const int n = static_cast<int>(model.size());
  while (i < n && shown < shownOffset) {
    if (model[i] == QLatin1Char('\r') && i + 1 < n && model[i + 1] == QLatin1Char('\n')) i += 2;
    else ++i;
    ++shown;
  }
  return i;
}

namespace wnd_detail {

MadeControl MakeMultiLineEdit(QWidget* parent, const DlgItemTemplate& item) {
  RegisterWindowClassOnce<&MultiLineEditProc>(kMultiLineClass);
  auto* edit = new WndMultiLineEdit(parent);
  edit->setFrameShape((item.style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
  edit->SetReadOnlyLook((item.style & ES_READONLY) != 0);
  edit->setVerticalScrollBarPolicy((item.style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy((item.style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  // Without horizontal scrolling the lines wrap at the edit's right edge, at a
  // blank where there is one.
  if (!(item.style & (ES_AUTOHSCROLL | WS_HSCROLL))) {
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  }
  edit->setFocusPolicy(Qt::StrongFocus);
  return TagControl<CEdit>(edit, kMultiLineClass);
}

}  // namespace wnd_detail
