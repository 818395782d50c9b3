#include "ui/wnd/ext/help.h"

#include <QCursor>
#include <QWidget>

#include "ui/wnd/wnd.h"
#include "ui/wnd/wnd_internal.h"

namespace wnd_detail {

bool SendHelpForKey(CWnd* wnd) {
  HWND h = wnd ? wnd->GetSafeHwnd() : nullptr;
  if (!h) return false;
  HELPINFO info;
  info.iCtrlId = wnd->GetDlgCtrlID();
  info.hItemHandle = h;
  const QPoint cursor = QCursor::pos();
  info.MousePos = {cursor.x(), cursor.y()};
  wnd->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  return true;
}

LRESULT PassHelpUp(CWnd* wnd, LPARAM helpInfo) {
  static int depth = 0;
  HWND h = wnd ? wnd->GetSafeHwnd() : nullptr;
  if (!h || depth > 32) return 0;
  CWnd* next = h->isWindow() ? wnd->GetOwner() : NearestWindowObject(h->parentWidget());
  if (!next || next == wnd || !next->GetSafeHwnd()) return 0;
  ++depth;
  const LRESULT r = next->SendMessage(WM_HELP, 0, helpInfo);
  --depth;
  return r;
}

}  // namespace wnd_detail

BOOL CWnd::OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
