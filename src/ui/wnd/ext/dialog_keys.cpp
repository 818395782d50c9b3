#include "ui/wnd/ext/dialog_keys.h"

#include <QLabel>
#include <QWidget>

#include <cctype>
#include <string>
#include <vector>

#include "ui/wnd/dialog.h"
#include "ui/wnd/wnd_internal.h"

namespace {

bool Usable(CWnd* w) {
  const DWORD style = w->GetStyle();
  return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

UINT DlgCode(CWnd* w) { return static_cast<UINT>(w->SendMessage(WM_GETDLGCODE)); }

// The dialog's controls in template order.
std::vector<CWnd*> Controls(CDialog* dialog) {
  std::vector<CWnd*> controls;
  for (QObject* o : dialog->GetSafeHwnd()->children()) {
    if (!o->isWidgetType()) continue;
    auto* w = static_cast<QWidget*>(o);
    if (w->isWindow() || wnd_detail::IsDead(w)) continue;
    if (CWnd* p = CWnd::FromHandlePermanent(w)) controls.push_back(p);
  }
  return controls;
}

// The position of the dialog's control that holds the window, or -1.
int IndexOfHolder(CDialog* dialog, const std::vector<CWnd*>& controls, CWnd* wnd) {
  QWidget* w = wnd ? wnd->GetSafeHwnd() : nullptr;
  while (w && w->parentWidget() != dialog->GetSafeHwnd()) w = w->isWindow() ? nullptr : w->parentWidget();
  for (std::size_t i = 0; w && i < controls.size(); ++i) {
    if (controls[i]->GetSafeHwnd() == w) return static_cast<int>(i);
  }
  return -1;
}

bool HasMnemonic(const std::string& text, char upper) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;  // "&&" is a plain '&'
      continue;
    }
    return std::toupper(static_cast<unsigned char>(text[i + 1])) == upper;
  }
  return false;
}

bool IsAutoRadio(CWnd* w) { return (w->GetStyle() & BS_TYPEMASK) == BS_AUTORADIOBUTTON; }

}  // namespace

namespace wnd_detail {

BOOL MoveInGroup(CDialog* dialog, CWnd* control, UINT vk) {
  if (!dialog || !dialog->GetSafeHwnd() || !control) return FALSE;
  const std::vector<CWnd*> controls = Controls(dialog);
  const int at = IndexOfHolder(dialog, controls, control);
  if (at < 0) return FALSE;
  int first = at;
  while (first > 0 && !(controls[static_cast<std::size_t>(first)]->GetStyle() & WS_GROUP)) --first;
  int last = at;
  while (last + 1 < static_cast<int>(controls.size()) &&
         !(controls[static_cast<std::size_t>(last + 1)]->GetStyle() & WS_GROUP)) {
    ++last;
  }
  const int size = last - first + 1;
  const bool previous = vk == VK_LEFT || vk == VK_UP;
  for (int k = 1; k < size; ++k) {
    const int step = previous ? -k : k;
    const int j = first + ((at - first + step) % size + size) % size;
    CWnd* next = controls[static_cast<std::size_t>(j)];
    if (!Usable(next) || (DlgCode(next) & DLGC_STATIC)) continue;
    if (DlgCode(next) & DLGC_RADIOBUTTON) {
      next->SetFocus();
      // An automatic radio button reached by the keys is chosen, as by a click.
      if (IsAutoRadio(next) && next->SendMessage(BM_GETCHECK) != BST_CHECKED) next->SendMessage(BM_CLICK);
    } else {
      dialog->GotoDlgCtrl(next);
    }
    return TRUE;
  }
  return TRUE;  // nothing else in the group: the key is used up
}

BOOL GoToMnemonic(CDialog* dialog, CWnd* focus, UINT ch) {
  if (!dialog || !dialog->GetSafeHwnd() || ch >= 0x80 || !std::isalnum(static_cast<int>(ch))) return FALSE;
  const char upper = static_cast<char>(std::toupper(static_cast<int>(ch)));
  const std::vector<CWnd*> controls = Controls(dialog);
  const int n = static_cast<int>(controls.size());
  const int from = IndexOfHolder(dialog, controls, focus);
  for (int k = 1; k <= n; ++k) {
    const int i = ((from < 0 ? -1 : from) + k) % n;
    CWnd* c = controls[static_cast<std::size_t>(i)];
    if (!Usable(c)) continue;
    auto* label = qobject_cast<QLabel*>(c->GetSafeHwnd());
    if (label && (c->GetStyle() & SS_NOPREFIX)) continue;
    if (!HasMnemonic(c->GetWindowText(), upper)) continue;
    const UINT code = DlgCode(c);
    if (code & DLGC_STATIC) {
      // A label names the control after it.
      for (int m = 1; m < n; ++m) {
        CWnd* next = controls[static_cast<std::size_t>((i + m) % n)];
        if (Usable(next) && !(DlgCode(next) & DLGC_STATIC)) {
          dialog->GotoDlgCtrl(next);
          return TRUE;
        }
      }
      return TRUE;
    }
    if (code & DLGC_BUTTON) {
      const DWORD type = c->GetStyle() & BS_TYPEMASK;
      if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) c->SetFocus();
      c->SendMessage(BM_CLICK);
      return TRUE;
    }
    dialog->GotoDlgCtrl(c);
    return TRUE;
  }
  return FALSE;
}

}  // namespace wnd_detail
