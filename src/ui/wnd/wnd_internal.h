// Shared inside the window layer: what a widget carries for its window (control
// id, style, text) and a few lookups. Not for use outside src/ui/wnd.
#pragma once

#include <QWidget>

#include <string>

#include "ui/wnd/win_types.h"

class QLabel;

namespace wnd_detail {

// Control id, style bits and "destroyed" mark are kept on the widget itself,
// because they belong to the window, not to the object bound to it.
int WidgetId(const QWidget* w);
void SetWidgetId(QWidget* w, int id);
DWORD WidgetStyle(const QWidget* w);  // the stored bits, without the live ones
void SetWidgetStyle(QWidget* w, DWORD style);
bool IsDead(const QWidget* w);
void MarkDead(QWidget* w);

// The text of a window: caption of a top-level window, text of a control.
std::string WidgetText(const QWidget* w);
void SetWidgetText(QWidget* w, const std::string& text);
// "&Open" shows as "Open"; "&&" shows one "&".
QString StripMnemonic(const QString& text);
// Sets a static's text (controls.cpp); a static that takes the focus keeps no
// text document for it, as it draws its text itself.
void SetLabelText(QLabel* label, const QString& text);

// The nearest widget from w upwards, inside w's own top-level window, that has
// a window object; null when there is none.
CWnd* NearestWindowObject(QWidget* w);

// Where the client area starts inside the widget of a window: below its menu
// bar, if it has one (ext/menu.cpp).
QPoint ClientOrigin(const QWidget* w);
// Help (ext/help.cpp): F1 sends WM_HELP to the window it was pressed in; a
// window that does not handle WM_HELP passes it to its parent (a top-level
// window to its owner).
bool SendHelpForKey(CWnd* wnd);
LRESULT PassHelpUp(CWnd* wnd, LPARAM helpInfo);

// SendMessage from a const member of a control class: the message only reads
// the window's state.
template <class T>
LRESULT Send(const T* self, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return const_cast<T*>(self)->SendMessage(message, wParam, lParam);
}

QString ToQString(const std::string& s);
std::string FromQString(const QString& s);

}  // namespace wnd_detail
