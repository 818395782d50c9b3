#include "ui/page/anchor_tab_ctrl.h"

#include <algorithm>
#include <vector>

#include "ui/page/scroll_page.h"

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

CRect CAnchorTabCtrl::GetDisplayRect() const {
  CRect r;
  GetClientRect(&r);
  AdjustRect(FALSE, &r);
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

CRect CAnchorTabCtrl::FitToDisplay(const CRect& rect) const {
  const CRect area = GetDisplayRect();
  CRect r = rect;
  r.OffsetRect(std::max(0, area.left - r.left), std::max(0, area.top - r.top));
  r.right = std::max(r.left, std::min(r.right, area.right));
  r.bottom = std::max(r.top, std::min(r.bottom, area.bottom));
  return r;
}

void CAnchorTabCtrl::PlacePage(CWnd* pPage, const CRect& rect) {
  if (!pPage || !pPage->GetSafeHwnd() || !m_hWnd) return;
  CRect r = rect;
  if (r.IsRectEmpty()) {
    pPage->GetWindowRect(&r);
    ScreenToClient(&r);
  }
  r = FitToDisplay(r);
  // Every page scrolls where the display area is smaller than the page.
  if (auto* scroll = dynamic_cast<CScrollPage*>(pPage)) scroll->EnsureScrolling();
  pPage->MoveWindow(r, TRUE);
  CRect client;
  GetClientRect(&client);
  AnchorItem item;
  item.hWnd = pPage->GetSafeHwnd();
  item.left = r.left;
  item.top = r.top;
  item.right = client.Width() - r.right;
  item.bottom = client.Height() - r.bottom;
  item.flags = ANCHOR_RIGHT | ANCHOR_BOTTOM;
  m_items.RemoveAll();
  m_items.SetAtGrow(0, item);
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
    // A window made smaller than the page's margins leaves the page empty, not inverted.
    CRect to = AnchoredRect(item, client, r);
    to.right = std::max(to.left, to.right);
    to.bottom = std::max(to.top, to.bottom);
    pChild->MoveWindow(to, TRUE);
  }
}
