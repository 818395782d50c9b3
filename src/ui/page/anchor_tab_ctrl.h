// CAnchorTabCtrl: the main dialog's tab control (id 1024), in which the pages
// are created as child windows. When a page window is created under it, it
// remembers the page's distances to its own client edges (from g_rcPage when
// that is set, else from where the page stands); when the tab control itself
// is resized (the main dialog anchors it to its right and bottom edges), it
// keeps the page's right and bottom distances, so the page stretches or
// shrinks with it while its top-left corner stays. Only the page created last
// is remembered.
#pragma once

#include "ui/layout/anchor_layout.h"
#include "ui/wnd/ext/tab_ctrl.h"

class CAnchorTabCtrl : public CTabCtrl {
 public:
  CAnchorTabCtrl();
  ~CAnchorTabCtrl() override;

  // The remembered page: at most one item, flags right and bottom.
  const CAnchorArray& Items() const { return m_items; }

 protected:
  // WM_PARENTNOTIFY: a child window was just created.
  void OnParentNotify(UINT message, LPARAM lParam);
  // WM_SIZE: for SIZE_RESTORED the remembered page keeps its margins.
  void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  CAnchorArray m_items;
};
