#include "ui/layout/anchor_layout.h"

#include <algorithm>

#include "ui/wnd/wnd.h"

CRect g_rcPage;

// ---- CAnchorArray ---------------------------------------------------------------

void CAnchorArray::SetSize(int nNewSize, int nGrowBy) {
  if (nGrowBy != -1) m_nGrowBy = std::max(0, nGrowBy);
  if (nNewSize < 0) return;
  if (nNewSize == 0) {
    m_items.clear();
    m_items.shrink_to_fit();
    m_nMaxSize = 0;
    return;
  }
  if (nNewSize > m_nMaxSize) {
    int step = m_nGrowBy;
    if (step == 0) step = std::clamp(GetSize() / 8, 4, 1024);
    m_nMaxSize = std::max(m_nMaxSize + step, nNewSize);
    m_items.reserve(static_cast<std::size_t>(m_nMaxSize));
  }
  m_items.resize(static_cast<std::size_t>(nNewSize));  // new entries are empty
}

void CAnchorArray::SetAtGrow(int nIndex, const AnchorItem& item) {
  if (nIndex < 0) return;
  if (nIndex >= GetSize()) SetSize(nIndex + 1);
  m_items[static_cast<std::size_t>(nIndex)] = item;
}

int CAnchorArray::Add(const AnchorItem& item) {
  const int index = GetSize();
  SetAtGrow(index, item);
  return index;
}

void CAnchorArray::RemoveAt(int nIndex) {
  if (nIndex < 0 || nIndex >= GetSize()) return;
  m_items.erase(m_items.begin() + nIndex);
}

int CAnchorArray::Find(const QWidget* hWnd) const {
  if (!hWnd) return -1;
  for (int i = 0; i < GetSize(); ++i) {
    if (m_items[static_cast<std::size_t>(i)].hWnd == hWnd) return i;
  }
  return -1;
}

namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

bool Get32(const std::vector<std::uint8_t>& in, std::size_t& pos, std::uint32_t& v) {
  if (pos > in.size() || in.size() - pos < 4) return false;
  v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(in[pos + static_cast<std::size_t>(i)]) << (8 * i);
  pos += 4;
  return true;
}

constexpr std::size_t kItemBytes = 5 * 4;

}  // namespace

BOOL CAnchorArray::Serialize(std::vector<std::uint8_t>& archive, BOOL bStoring) {
  if (bStoring) {
    Put32(archive, static_cast<std::uint32_t>(GetSize()));
    for (const AnchorItem& item : m_items) {
      Put32(archive, static_cast<std::uint32_t>(item.left));
      Put32(archive, static_cast<std::uint32_t>(item.top));
      Put32(archive, static_cast<std::uint32_t>(item.right));
      Put32(archive, static_cast<std::uint32_t>(item.bottom));
      Put32(archive, item.flags);
    }
    return TRUE;
  }
  std::size_t pos = 0;
  std::uint32_t count = 0;
  if (!Get32(archive, pos, count)) return FALSE;
  // The count must match what follows; no allocation for a count the archive cannot hold.
  if (count > (archive.size() - pos) / kItemBytes) return FALSE;
  std::vector<AnchorItem> items(count);
  for (AnchorItem& item : items) {
    std::uint32_t v[5] = {};
    for (std::uint32_t& x : v) Get32(archive, pos, x);
    item.left = static_cast<LONG>(v[0]);
    item.top = static_cast<LONG>(v[1]);
    item.right = static_cast<LONG>(v[2]);
    item.bottom = static_cast<LONG>(v[3]);
    item.flags = v[4];
  }
  SetSize(0);
  if (count > 0) SetSize(static_cast<int>(count));
  for (std::size_t i = 0; i < items.size(); ++i) m_items[i] = items[i];
  return TRUE;
}

// ---- the arithmetic -----------------------------------------------------------------

CRect AnchoredRect(const AnchorItem& item, const CRect& client, const CRect& child) {
  CRect r = child;
  const int w = child.Width();
  const int h = child.Height();
  if (item.flags & ANCHOR_LEFT) {
    r.left = client.left + item.left;
    if (item.flags & ANCHOR_KEEPWIDTH) r.right = r.left + w;
  }
  if (item.flags & ANCHOR_RIGHT) {
    r.right = client.right - item.right;
    if (item.flags & ANCHOR_KEEPWIDTH) r.left = r.right - w;
  }
  if (item.flags & ANCHOR_TOP) {
    r.top = client.top + item.top;
    if (item.flags & ANCHOR_KEEPHEIGHT) r.bottom = r.top + h;
  }
  if (item.flags & ANCHOR_BOTTOM) {
    r.bottom = client.bottom - item.bottom;
    if (item.flags & ANCHOR_KEEPHEIGHT) r.top = r.bottom - h;
  }
  return r;
}

// ---- CAnchorLayout ----------------------------------------------------------------------

namespace {

// The window's rectangle in its parent's client coordinates.
CRect RectInParent(QWidget* w) {
  CWnd* child = CWnd::FromHandle(w);
  CWnd* parent = CWnd::FromHandle(w->parentWidget());
  CRect r;
  if (!child || !parent) return r;
  child->GetWindowRect(&r);
  parent->ScreenToClient(&r);
  return r;
}

}  // namespace

BOOL CAnchorLayout::AddAnchor(CWnd* pWnd, const CRect& rect, UINT flags) {
  return AddAnchor(pWnd ? pWnd->GetSafeHwnd() : nullptr, rect, flags);
}

BOOL CAnchorLayout::AddAnchor(QWidget* hWnd, const CRect& rect, UINT flags) {
  if (!hWnd) return FALSE;
  const int index = m_items.Find(hWnd);
  if (flags == 0) {
    if (index < 0) return FALSE;
    m_items.RemoveAt(index);
    return TRUE;
  }
  const bool bothSidesKeepWidth = (flags & (ANCHOR_LEFT | ANCHOR_RIGHT)) == (ANCHOR_LEFT | ANCHOR_RIGHT) &&
                                  (flags & ANCHOR_KEEPWIDTH);
  const bool bothEndsKeepHeight = (flags & (ANCHOR_TOP | ANCHOR_BOTTOM)) == (ANCHOR_TOP | ANCHOR_BOTTOM) &&
                                  (flags & ANCHOR_KEEPHEIGHT);
  if (bothSidesKeepWidth || bothEndsKeepHeight) return FALSE;

  AnchorItem item;
  item.hWnd = hWnd;
  item.flags = flags;
  if (IsAnchorEmptyRect(rect)) {
    QWidget* parentWidget = hWnd->isWindow() ? nullptr : hWnd->parentWidget();
    CWnd* parent = parentWidget ? CWnd::FromHandle(parentWidget) : nullptr;
    if (!parent) return FALSE;
    CRect client;
    parent->GetClientRect(&client);
    const CRect r = g_rcPage == CRect() ? RectInParent(hWnd) : g_rcPage;
    item.left = r.left;
    item.top = r.top;
    item.right = client.right - r.right;
    item.bottom = client.bottom - r.bottom;
  } else {
    item.left = rect.left;
    item.top = rect.top;
    item.right = rect.right;
    item.bottom = rect.bottom;
  }
  if (index < 0) m_items.Add(item);
  else m_items[index] = item;
  return TRUE;
}

BOOL CAnchorLayout::OnSize(CWnd* pOwner, UINT nType) {
  if (!pOwner || !pOwner->GetSafeHwnd() || nType != SIZE_RESTORED) return FALSE;
  CRect client;
  pOwner->GetClientRect(&client);
  // Every new place is worked out first, then all windows move together.
  std::vector<std::pair<QPointer<QWidget>, CRect>> moves;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    const AnchorItem& item = m_items[i];
    if (!item.hWnd || item.hWnd->isWindow()) continue;  // a window that is gone is left out
    moves.emplace_back(item.hWnd, AnchoredRect(item, client, RectInParent(item.hWnd)));
  }
  for (const auto& [w, r] : moves) {
    if (!w) continue;
    if (CWnd* child = CWnd::FromHandle(w)) child->MoveWindow(r, TRUE);
  }
  return TRUE;
}

void PlaceSizeGrip(CWnd* pOwner, int nGripId) {
  if (!pOwner || !pOwner->GetSafeHwnd() || pOwner->IsZoomed()) return;
  CWnd* grip = pOwner->GetDlgItem(nGripId);
  if (!grip) return;
  CRect client;
  pOwner->GetClientRect(&client);
  CRect r;
  grip->GetWindowRect(&r);
  grip->ShowWindow(SW_HIDE);
  grip->MoveWindow(client.right - r.Width(), client.bottom - r.Height(), r.Width(), r.Height(), TRUE);
  grip->ShowWindow(SW_SHOW);
}
