#include "ui/wnd/ext/common_controls.h"

#include <QWidget>

#include <cctype>
#include <string>

#include "ui/wnd/controls.h"
#include "ui/wnd/wnd_internal.h"

namespace wnd_detail {

namespace {
bool SameClass(const std::string& a, const char* b) {
  const std::string bb(b);
  if (a.size() != bb.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(bb[i]))) return false;
  }
  return true;
}
}  // namespace

MadeControl MakeCommonControl(QWidget* parent, const DlgItemTemplate& item) {
  if (SameClass(item.className, PROGRESS_CLASS)) return MakeProgress(parent, item);
  if (SameClass(item.className, TRACKBAR_CLASS)) return MakeTrackbar(parent, item);
  if (SameClass(item.className, UPDOWN_CLASS)) return MakeUpDown(parent, item);
  if (SameClass(item.className, WC_TABCONTROL)) return MakeTabControl(parent, item);
  return {nullptr, nullptr};
}

BOOL CreateControlWindow(CWnd& object, CtlKind kind, const char* className, DWORD style, const CRect& rect,
                         CWnd* pParentWnd, UINT nID) {
  QWidget* parent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
  if (!parent || object.GetSafeHwnd()) return FALSE;
  DlgItemTemplate item;
  item.kind = kind;
  item.className = className ? className : "";
  item.id = static_cast<int>(nID);
  item.style = style | WS_CHILD;
  auto made = MakeStandardControl(parent, item);
  QWidget* w = made.first;
  if (!w) return FALSE;
  SetWidgetId(w, static_cast<int>(nID));
  SetWidgetStyle(w, item.style);
  const QPoint origin = ClientOrigin(parent);
  w->setGeometry(rect.left + origin.x(), rect.top + origin.y(), std::max(0, rect.Width()), std::max(0, rect.Height()));
  w->setEnabled(!(style & WS_DISABLED));
  w->setVisible((style & WS_VISIBLE) != 0);
  if (!object.Attach(w)) {
    delete w;
    return FALSE;
  }
  return TRUE;
}

void SendScrollNotification(QWidget* control, bool vertical, UINT code, int pos) {
  if (!control || control->isWindow() || IsDead(control)) return;
  CWnd* parent = CWnd::FromHandlePermanent(control->parentWidget());
  if (!parent) return;
  parent->SendMessage(vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<unsigned>(pos)),
                      reinterpret_cast<LPARAM>(control));
}

LRESULT SendNotify(QWidget* control, UINT code, NMHDR* header) {
  if (!control || !header || control->isWindow() || IsDead(control)) return 0;
  CWnd* parent = CWnd::FromHandlePermanent(control->parentWidget());
  if (!parent) return 0;
  header->hwndFrom = control;
  header->idFrom = static_cast<UINT_PTR>(WidgetId(control));
  header->code = code;
  return parent->SendMessage(WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

}  // namespace wnd_detail
