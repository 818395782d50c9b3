// Menus as data and the menu bar of a top-level window.
//
// A menu template is a tree of items: commands with ids, popups, separators,
// each text with its '&' mnemonic and an accelerator text after a tab
// ("&Open\tCtrl+O"). CMenu loads a template by id; CWnd::SetMenu shows it as
// the window's menu bar above the client area (the client area keeps its size
// and its coordinates). Choosing a command posts WM_COMMAND (the id, code 0) to
// the window; a popup about to open sends WM_INITMENUPOPUP first, so the window
// can enable and check its items. EnableMenuItem and CheckMenuItem work on the
// data and on the bar alike; a command id that no item carries is no error.
#pragma once

#include <QPointer>

#include <memory>
#include <string>
#include <vector>

#include "ui/wnd/win_types.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;
// The result of the menu calls for an item that does not exist.
inline constexpr UINT MENU_ITEM_NONE = 0xFFFFFFFFu;

struct MenuItemTemplate {
  std::string text;
  UINT id = 0;
  UINT flags = MF_STRING;  // MF_GRAYED, MF_CHECKED, MF_POPUP, MF_SEPARATOR
  std::vector<MenuItemTemplate> items;  // a popup's items
};

struct MenuTemplate {
  UINT id = 0;
  std::vector<MenuItemTemplate> items;
};

// The resource-script statements of a menu.
namespace mnu {
MenuItemTemplate Item(std::string text, UINT id, UINT flags = MF_STRING);
MenuItemTemplate Popup(std::string text, std::vector<MenuItemTemplate> items, UINT flags = 0);
MenuItemTemplate Separator();
}  // namespace mnu

// The program's menus by id; registering an id again replaces it.
void RegisterMenuTemplate(const MenuTemplate& menuTemplate);
const MenuTemplate* FindMenuTemplate(UINT id);

class CMenu {
 public:
  CMenu();
  ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  // Builds the menu from the registered template; FALSE when there is none or
  // the menu is already loaded.
  BOOL LoadMenu(UINT nIDResource);
  BOOL LoadMenuIndirect(const MenuTemplate& menuTemplate);
  // Empties the menu (and takes it off the window showing it).
  BOOL DestroyMenu();
  CMenu* GetSafeHmenu() { return m_loaded ? this : nullptr; }

  int GetMenuItemCount() const;
  // The command id at the position; MENU_ITEM_NONE for a popup or no item, 0 for a separator.
  UINT GetMenuItemID(int nPos) const;
  CMenu* GetSubMenu(int nPos) const;
  // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_SEPARATOR, MF_POPUP of the item
  // (a popup's item count in the high byte); MENU_ITEM_NONE when none.
  UINT GetMenuState(UINT nIDItem, UINT nFlags) const;
  // The text of the item; the length, 0 when there is none.
  int GetMenuString(UINT nIDItem, std::string& text, UINT nFlags) const;
  // MF_BYCOMMAND looks through the popups too. Both return the item's previous
  // state (MF_ENABLED/MF_GRAYED/MF_DISABLED; MF_CHECKED/MF_UNCHECKED), or
  // MENU_ITEM_NONE when there is no such item.
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);

  // The window showing the menu; for the layer.
  void Show(QWidget* window);
  void Hide();
  QMenuBar* Bar() const;

 private:
  struct Item {
    std::string text;
    UINT id = 0;
    UINT state = 0;  // MF_GRAYED | MF_DISABLED | MF_CHECKED
    bool separator = false;
    std::unique_ptr<CMenu> popup;
    QPointer<QObject> action;  // the QAction
  };
  void Fill(const std::vector<MenuItemTemplate>& items);
  void BuildInto(QMenu* qmenu, QWidget* window);
  void AddItem(Item& item, int index, QWidget* container, QWidget* window);
  Item* Find(UINT nID, UINT nFlags, CMenu** owner);
  const Item* Find(UINT nID, UINT nFlags) const;
  void SyncAction(Item& item);

  bool m_loaded = false;
  std::vector<Item> m_items;
  QPointer<QObject> m_bar;  // the QMenuBar
  QPointer<QWidget> m_window;
};
