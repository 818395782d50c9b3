#include "ui/page/anchor_tab_ctrl.h"

#include <vector>

BEGIN_MESSAGE_MAP(CAnchorTabCtrl, CTabCtrl)
  ON_WM_PARENTNOTIFY()
  ON_WM_SIZE()
END_MESSAGE_MAP()

CAnchorTabCtrl::CAnchorTabCtrl() = default;

CAnchorTabCtrl::~CAnchorTabCtrl() { m_items.RemoveAll(); }

void CAnchorTabCtrl::OnParentNotify(UINT message, LPARAM lParam) {
  CTabCtrl::OnParentNotify(message, lParam);
  if (LOWORD(message) != WM_CREATE) return;

  m_items.RemoveAll();
  auto* child = reinterpret_cast<HWND>(lParam);
  if (!child) return;
  CWnd* pChild = CWnd::FromHandle(child);
  CWnd* pParent = pChild ? pChild->GetParent() : nullptr;
  if (!pParent) return;
  int at = m_items.Find(child);
  if (at < 0) at = m_items.GetSize();

  CRect r = g_rcPage;
  if (g_rcPage == CRect()) {
    pChild->GetWindowRect(&r);
    pParent->ScreenToClient(&r);
  }
  CRect client;
  pParent->GetClientRect(&client);
  AnchorItem item;
  item.hWnd = child;
  item.left = r.left;
  item.top = r.top;
  item.right = client.Width() - r.right;
  item.bottom = client.Height() - r.bottom;
  item.flags = ANCHOR_RIGHT | ANCHOR_BOTTOM;
  m_items.SetAtGrow(at, item);
}

void CAnchorTabCtrl::OnSize(UINT nType, int cx, int cy) {
  CTabCtrl::OnSize(nType, cx, cy);
  if (nType != SIZE_RESTORED || !m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  // A copy: moving a page runs its own size handler first.
  std::vector<AnchorItem> items;
  for (int i = 0; i < m_items.GetSize(); ++i) items.push_back(m_items[i]);
  for (const AnchorItem& item : items) {
    if (!item.hWnd) continue;  // the page window is gone
    CWnd* pChild = CWnd::FromHandle(item.hWnd);
    CRect r;
    pChild->GetWindowRect(&r);
    ScreenToClient(&r);
    pChild->MoveWindow(AnchoredRect(item, client, r), TRUE);
  }
}
