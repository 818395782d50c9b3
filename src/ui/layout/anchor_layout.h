// Layout anchoring: child windows registered with a window keep fixed
// distances to chosen edges of its client area when it is resized. The main
// dialog anchors its tab control this way (right and bottom: the tab control
// grows and shrinks with the window) and puts its size grip back into the
// bottom-right corner; the tab control keeps its page the same way with an
// item array of its own.
#pragma once

#include <QPointer>
#include <QWidget>

#include <climits>
#include <cstdint>
#include <vector>

#include "ui/wnd/win_types.h"

class CWnd;

// The page area shared by all pages, in the tab control's client coordinates;
// all zeros until the first page has been left. Kept by the main dialog.
extern CRect g_rcPage;

// Anchor flags.
inline constexpr UINT ANCHOR_LEFT = 1;
inline constexpr UINT ANCHOR_RIGHT = 2;
inline constexpr UINT ANCHOR_TOP = 4;
inline constexpr UINT ANCHOR_BOTTOM = 8;
inline constexpr UINT ANCHOR_KEEPWIDTH = 16;
inline constexpr UINT ANCHOR_KEEPHEIGHT = 32;

// The empty rectangle: the window's margins are taken from g_rcPage or from
// where the window stands.
inline constexpr CRect kAnchorEmptyRect{INT_MIN, INT_MIN, INT_MIN, INT_MIN};
constexpr bool IsAnchorEmptyRect(const CRect& r) { return r == kAnchorEmptyRect; }

// One registered child window.
struct AnchorItem {
  QPointer<QWidget> hWnd;  // null once the window is gone
  LONG left = 0;    // distance of its left edge from the client area's left edge
  LONG top = 0;     // of its top edge from the client area's top edge
  LONG right = 0;   // of its right edge from the client area's right edge
  LONG bottom = 0;  // of its bottom edge from the client area's bottom edge
  UINT flags = 0;
};

// A growable array of anchor items.
class CAnchorArray {
 public:
  int GetSize() const { return static_cast<int>(m_items.size()); }
  int GetCapacity() const { return m_nMaxSize; }
  int GetGrowBy() const { return m_nGrowBy; }
  // New entries are empty; size 0 frees the storage. When the array has to
  // grow, it grows by the growth step (0: a size / 8, at least 4 and at most
  // 1024), or to the size asked for when that is more. A growth step of -1
  // keeps the current one. A negative size does nothing.
  void SetSize(int nNewSize, int nGrowBy = -1);
  AnchorItem& operator[](int nIndex) { return m_items[static_cast<std::size_t>(nIndex)]; }
  const AnchorItem& operator[](int nIndex) const { return m_items[static_cast<std::size_t>(nIndex)]; }
  // Stores the item at the index, growing the array when needed.
  void SetAtGrow(int nIndex, const AnchorItem& item);
  int Add(const AnchorItem& item);
  // Later items move up.
  void RemoveAt(int nIndex);
  void RemoveAll() { SetSize(0); }
  // The index of the window's item, or -1.
  int Find(const QWidget* hWnd) const;
  // Storing appends the count and then each item's margins and flags (the
  // windows are not stored: a handle means nothing outside this run); loading
  // reads them back from the start of the archive, without windows, and fails
  // (FALSE, array unchanged) on a short or malformed archive.
  BOOL Serialize(std::vector<std::uint8_t>& archive, BOOL bStoring);

 private:
  std::vector<AnchorItem> m_items;
  int m_nMaxSize = 0;
  int m_nGrowBy = 0;
};

// Where an anchored child goes: its rectangle `child` (in client coordinates)
// after the client area became `client`.
CRect AnchoredRect(const AnchorItem& item, const CRect& client, const CRect& child);

class CAnchorLayout {
 public:
  // Registers the child window with its margins, updates it when it is
  // registered, or removes it with flags 0. With kAnchorEmptyRect the margins
  // come from g_rcPage when that is set, else from where the window stands in
  // its parent's client area; any other rectangle gives the four margins as
  // they stand. Refused (FALSE): no window; flags 0 for a window not
  // registered; left, right and keep width together, or top, bottom and keep
  // height together; the empty rectangle for a window without a parent.
  BOOL AddAnchor(CWnd* pWnd, const CRect& rect, UINT flags);
  BOOL AddAnchor(QWidget* hWnd, const CRect& rect, UINT flags);
  // The resize: for SIZE_RESTORED moves every registered window (that still
  // exists) to its anchored place in pOwner's client area, and returns TRUE;
  // maximising or minimising moves nothing.
  BOOL OnSize(CWnd* pOwner, UINT nType);
  const CAnchorArray& Items() const { return m_items; }

 private:
  CAnchorArray m_items;
};

// Puts the size grip (the child with the id) into the bottom-right corner of
// the owner's client area, keeping its size: hidden, moved, shown again.
// Nothing while the owner is maximised.
void PlaceSizeGrip(CWnd* pOwner, int nGripId);
