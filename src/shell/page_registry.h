// The one place where page classes are made known to the main dialog: each
// page registers a factory under its dialog id, and the main dialog makes the
// page object (once, for the program's life) through it. A dialog id that has
// no page yet gets an empty placeholder page that keys like every page.
#pragma once

#include <functional>
#include <memory>

#include "ui/page/scroll_page.h"
#include "ui/wnd/wnd_layer.h"

using PageFactory = std::function<std::unique_ptr<CDialog>()>;

// Registers (or replaces) the page class of a dialog id.
void RegisterPage(UINT nIDD, PageFactory factory);
bool IsPageRegistered(UINT nIDD);
// Makes the page object of the id: the registered class, else a placeholder.
std::unique_ptr<CDialog> CreatePageObject(UINT nIDD);
// Creates the page's window as a child of the parent (the tab control).
BOOL CreatePageWindow(CDialog& page, UINT nIDD, CWnd* pParent);

// What the zone and group pages offer the main dialog when they switch to one
// another: the index handed to a page before its window is made (its first
// zone, or its zone), and the zone or group the page stands on (-1: none).
class IZoneSubPage {
 public:
  virtual ~IZoneSubPage() = default;
  virtual void SetPageIndex(int index) = 0;
  virtual int GetCurrentIndex() const = 0;
};

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
