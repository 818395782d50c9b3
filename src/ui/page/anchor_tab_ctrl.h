// CAnchorTabCtrl: the main dialog's tab control (id 1024), in which the pages
// are created as child windows. When a page window is created under it, it
// remembers the page's distances to its own client edges (from g_rcPage when
// that is set, else from where the page stands); when the tab control itself
// is resized (the main dialog anchors it to its right and bottom edges), it
// keeps the page's right and bottom distances, so the page stretches or
// shrinks with it while its top-left corner stays. Only the page created last
// is remembered.
//
// A page is placed inside the display area (below the row of tabs, inside the
// frame): PlacePage moves a new page there and takes its margins from where it
// then stands, so the page, and the scroll bars it shows when it is smaller
// than it was designed, stay in view at every size of the window.
#pragma once

#include "ui/layout/anchor_layout.h"
#include "ui/wnd/ext/tab_ctrl.h"

class CAnchorTabCtrl : public CTabCtrl {
 public:
  CAnchorTabCtrl();
  ~CAnchorTabCtrl() override;

  // The remembered page: at most one item, flags right and bottom.
  const CAnchorArray& Items() const { return m_items; }

  // The display area in client coordinates: the client area less the row of
  // tabs and the frame.
  CRect GetDisplayRect() const;
  // The rectangle a page takes for the one asked for (in client coordinates):
  // moved right and down into the display area when it starts left of or
  // above it, then cut at the display area's right and bottom edges.
  CRect FitToDisplay(const CRect& rect) const;
  // Moves the page (a child window just created) to the rectangle asked for,
  // fitted into the display area (its own rectangle when the one given is
  // empty), and remembers its margins from there. A scrolling page that has
  // not set up its scrolling gets it (CScrollPage::EnsureScrolling).
  void PlacePage(CWnd* pPage, const CRect& rect);

 protected:
  // WM_PARENTNOTIFY: a child window was just created.
  void OnParentNotify(UINT message, LPARAM lParam);
  // WM_SIZE: for SIZE_RESTORED the remembered page keeps its margins.
  void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  CAnchorArray m_items;
};
