// The main dialog's side of the page registry: the page object of a dialog id
// (the registered class, else a placeholder) and the making of its window.
#pragma once

#include <memory>

#include "ui/page/page_registry.h"
#include "ui/page/scroll_page.h"
#include "ui/wnd/wnd_layer.h"

// Makes the page object of the id: the registered class, else a placeholder.
std::unique_ptr<CDialog> CreatePageObject(UINT nIDD);
// Creates the page's window as a child of the parent (the tab control).
BOOL CreatePageWindow(CDialog& page, UINT nIDD, CWnd* pParent);

// The page shown for a dialog id whose page is not built: an empty page of the
// framework, so it keys like every page (Enter and Esc swallowed, F1 to F7
// passed up to the main dialog, Shift+F9 for the memory editor) and scrolls.
class CPlaceholderPage : public CScrollPage {
 public:
  explicit CPlaceholderPage(UINT nIDD);
  BOOL CreatePage(CWnd* pParent);
  UINT GetPageId() const { return m_nPageId; }

 private:
  UINT m_nPageId;
  DialogTemplate m_template;
};
