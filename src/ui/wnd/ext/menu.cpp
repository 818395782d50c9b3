#include "ui/wnd/ext/menu.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <map>
#include <unordered_map>

#include "ui/wnd/message_loop.h"
#include "ui/wnd/wnd.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

constexpr const char* kClientTop = "tq_clientTop";

std::map<UINT, MenuTemplate>& MenuTemplates() {
  static std::map<UINT, MenuTemplate> templates;
  return templates;
}

// Window -> the menu it shows.
std::unordered_map<const QWidget*, CMenu*>& WindowMenus() {
  static std::unordered_map<const QWidget*, CMenu*> menus;
  return menus;
}

// Keeps the bar across the top of its window.
class BarKeeper : public QObject {
 public:
  BarKeeper(QMenuBar* bar, QWidget* window) : QObject(bar), bar_(bar) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Resize && bar_ && o == bar_->parentWidget()) {
      bar_->setGeometry(0, 0, bar_->parentWidget()->width(), ClientOrigin(bar_->parentWidget()).y());
    }
    return false;
  }

 private:
  QPointer<QMenuBar> bar_;
};

// Moves the client area to start `top` pixels down, keeping its size and the
// children's client positions.
void SetClientTop(QWidget* window, int top, const QWidget* bar) {
  const int old = ClientOrigin(window).y();
  const int delta = top - old;
  if (delta == 0) return;
  window->setProperty(kClientTop, top);
  for (QObject* o : window->children()) {
    if (!o->isWidgetType() || o == bar) continue;
    auto* child = static_cast<QWidget*>(o);
    if (!child->isWindow()) child->move(child->x(), child->y() + delta);
  }
  window->resize(window->width(), std::max(0, window->height() + delta));
}

QString MenuText(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

namespace wnd_detail {

QPoint ClientOrigin(const QWidget* w) {
  if (!w) return {};
  const QVariant top = w->property(kClientTop);
  return top.isValid() ? QPoint(0, top.toInt()) : QPoint();
}

}  // namespace wnd_detail

namespace mnu {
MenuItemTemplate Item(std::string text, UINT id, UINT flags) { return {std::move(text), id, flags, {}}; }
MenuItemTemplate Popup(std::string text, std::vector<MenuItemTemplate> items, UINT flags) {
  return {std::move(text), 0, flags | MF_POPUP, std::move(items)};
}
MenuItemTemplate Separator() { return {{}, 0, MF_SEPARATOR, {}}; }
}  // namespace mnu

void RegisterMenuTemplate(const MenuTemplate& menuTemplate) { MenuTemplates()[menuTemplate.id] = menuTemplate; }

const MenuTemplate* FindMenuTemplate(UINT id) {
  auto it = MenuTemplates().find(id);
  return it == MenuTemplates().end() ? nullptr : &it->second;
}

// ---- CMenu ------------------------------------------------------------------------

CMenu::CMenu() = default;

CMenu::~CMenu() { Hide(); }

BOOL CMenu::LoadMenu(UINT nIDResource) {
  const MenuTemplate* t = FindMenuTemplate(nIDResource);
  return t ? LoadMenuIndirect(*t) : FALSE;
}

BOOL CMenu::LoadMenuIndirect(const MenuTemplate& menuTemplate) {
  if (m_loaded) return FALSE;
  Fill(menuTemplate.items);
  m_loaded = true;
  return TRUE;
}

void CMenu::Fill(const std::vector<MenuItemTemplate>& items) {
  m_items.clear();
  for (const MenuItemTemplate& t : items) {
    Item item;
    item.text = t.text;
    item.id = t.id;
    item.separator = (t.flags & MF_SEPARATOR) != 0;
    item.state = t.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    if (t.flags & MF_POPUP) {
      item.popup = std::make_unique<CMenu>();
      item.popup->Fill(t.items);
      item.popup->m_loaded = true;
      item.id = 0;
    }
    m_items.push_back(std::move(item));
  }
}

BOOL CMenu::DestroyMenu() {
  if (!m_loaded) return FALSE;
  Hide();
  m_items.clear();
  m_loaded = false;
  return TRUE;
}

int CMenu::GetMenuItemCount() const { return m_loaded ? static_cast<int>(m_items.size()) : -1; }

UINT CMenu::GetMenuItemID(int nPos) const {
  if (nPos < 0 || nPos >= static_cast<int>(m_items.size())) return MENU_ITEM_NONE;
  const Item& item = m_items[static_cast<std::size_t>(nPos)];
  if (item.popup) return MENU_ITEM_NONE;
  return item.separator ? 0 : item.id;
}

CMenu* CMenu::GetSubMenu(int nPos) const {
  if (nPos < 0 || nPos >= static_cast<int>(m_items.size())) return nullptr;
  return m_items[static_cast<std::size_t>(nPos)].popup.get();
}

CMenu::Item* CMenu::Find(UINT nID, UINT nFlags, CMenu** owner) {
  if (nFlags & MF_BYPOSITION) {
    if (nID >= m_items.size()) return nullptr;
    if (owner) *owner = this;
    return &m_items[nID];
  }
  for (Item& item : m_items) {
    if (!item.popup && !item.separator && item.id == nID) {
      if (owner) *owner = this;
      return &item;
    }
    if (item.popup) {
      if (Item* inner = item.popup->Find(nID, nFlags, owner)) return inner;
    }
  }
  return nullptr;
}

const CMenu::Item* CMenu::Find(UINT nID, UINT nFlags) const {
  return const_cast<CMenu*>(this)->Find(nID, nFlags, nullptr);
}

UINT CMenu::GetMenuState(UINT nIDItem, UINT nFlags) const {
  const Item* item = Find(nIDItem, nFlags);
  if (!item) return MENU_ITEM_NONE;
  UINT state = item->state;
  if (item->separator) state |= MF_SEPARATOR;
  if (item->popup) state |= MF_POPUP | (static_cast<UINT>(item->popup->m_items.size() & 0xFF) << 8);
  return state;
}

int CMenu::GetMenuString(UINT nIDItem, std::string& text, UINT nFlags) const {
  const Item* item = Find(nIDItem, nFlags);
  text = item ? item->text : std::string();
  return static_cast<int>(text.size());
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  Item* item = Find(nIDEnableItem, nEnable, nullptr);
  if (!item) return MENU_ITEM_NONE;
  const UINT previous = item->state & (MF_GRAYED | MF_DISABLED);
  item->state = (item->state & ~(MF_GRAYED | MF_DISABLED)) | (nEnable & (MF_GRAYED | MF_DISABLED));
  SyncAction(*item);
  return previous;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  Item* item = Find(nIDCheckItem, nCheck, nullptr);
  if (!item) return MENU_ITEM_NONE;
  const UINT previous = item->state & MF_CHECKED;
  item->state = (item->state & ~MF_CHECKED) | (nCheck & MF_CHECKED);
  SyncAction(*item);
  return previous;
}

void CMenu::SyncAction(Item& item) {
  auto* action = qobject_cast<QAction*>(item.action.data());
  if (!action) return;
  action->setEnabled(!(item.state & (MF_GRAYED | MF_DISABLED)));
  if (item.state & MF_CHECKED) action->setCheckable(true);
  action->setChecked((item.state & MF_CHECKED) != 0);
}

QMenuBar* CMenu::Bar() const { return qobject_cast<QMenuBar*>(m_bar.data()); }

void CMenu::AddItem(Item& item, int index, QWidget* container, QWidget* window) {
  auto* bar = qobject_cast<QMenuBar*>(container);
  auto* menu = qobject_cast<QMenu*>(container);
  if (item.separator) {
    item.action = bar ? bar->addSeparator() : menu->addSeparator();
    return;
  }
  if (item.popup) {
    QMenu* sub = bar ? bar->addMenu(MenuText(item.text)) : menu->addMenu(MenuText(item.text));
    item.action = sub->menuAction();
    CMenu* popup = item.popup.get();
    QPointer<QWidget> owner(window);
    QObject::connect(sub, &QMenu::aboutToShow, sub, [popup, index, owner] {
      // The window sets up the items before they are shown.
      if (CWnd* w = owner ? CWnd::FromHandlePermanent(owner) : nullptr) {
        w->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(static_cast<unsigned>(index), 0));
      }
    });
    popup->BuildInto(sub, window);
    SyncAction(item);
    return;
  }
  QAction* action = bar ? bar->addAction(MenuText(item.text)) : menu->addAction(MenuText(item.text));
  item.action = action;
  const UINT id = item.id;
  QPointer<QWidget> owner(window);
  QObject::connect(action, &QAction::triggered, action, [id, owner] {
    // Like a menu choice, the command arrives after the menu has closed.
    if (owner && !IsDead(owner)) ::PostMessage(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  });
  SyncAction(item);
}

void CMenu::BuildInto(QMenu* qmenu, QWidget* window) {
  for (std::size_t i = 0; i < m_items.size(); ++i) AddItem(m_items[i], static_cast<int>(i), qmenu, window);
}

void CMenu::Show(QWidget* window) {
  Hide();
  if (!window) return;
  auto* bar = new QMenuBar(window);
  bar->setNativeMenuBar(false);
  m_bar = bar;
  m_window = window;
  for (std::size_t i = 0; i < m_items.size(); ++i) AddItem(m_items[i], static_cast<int>(i), bar, window);
  new BarKeeper(bar, window);
  WindowMenus()[window] = this;
  QObject::connect(bar, &QObject::destroyed, [window] { WindowMenus().erase(window); });
  const int top = std::max(1, bar->sizeHint().height());
  SetClientTop(window, top, bar);
  bar->setGeometry(0, 0, window->width(), top);
  bar->show();
}

void CMenu::Hide() {
  QWidget* window = m_window;
  if (QMenuBar* bar = Bar()) {
    m_bar = nullptr;
    bar->hide();
    delete bar;
  }
  if (window) {
    WindowMenus().erase(window);
    SetClientTop(window, 0, nullptr);
  }
  m_window = nullptr;
}

// ---- the CWnd members ----------------------------------------------------------------

CMenu* CWnd::GetMenu() const {
  if (!m_hWnd) return nullptr;
  auto it = WindowMenus().find(m_hWnd);
  return it == WindowMenus().end() ? nullptr : it->second;
}

BOOL CWnd::SetMenu(CMenu* pMenu) {
  if (!m_hWnd || !m_hWnd->isWindow()) return FALSE;  // only top-level windows have a menu bar
  if (CMenu* old = GetMenu(); old && old != pMenu) old->Hide();
  if (pMenu) pMenu->Show(m_hWnd);
  return TRUE;
}

void CWnd::DrawMenuBar() {
  if (CMenu* menu = GetMenu(); menu && menu->Bar()) menu->Bar()->update();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
