// NoOpHook: an empty routine that returns at once. Notifications routed to it
// (the selection changes of lists whose selection means nothing until it is
// committed) do nothing:
//
//   BEGIN_MESSAGE_MAP(CMyPage, CScrollPage)
//     ON_NOOPHOOK(LBN_SELCHANGE, 1496)
//   END_MESSAGE_MAP()
#pragma once

#include "ui/wnd/msg_map.h"

void NoOpHook();
// NoOpHook as a message-map handler.
LRESULT NoOpHookHandler(CWnd* wnd, WPARAM wParam, LPARAM lParam);

#define ON_NOOPHOOK(code, id) \
  {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), &::NoOpHookHandler},
