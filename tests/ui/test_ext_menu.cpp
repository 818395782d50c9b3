// Menus on a dialog and help requests, with real clicks and keys.
#include <QMenu>
#include <QMenuBar>

#include "ui/wnd/ext/help.h"
#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kDialogId = 9721;
constexpr UINT kMenuId = 9722;
constexpr UINT kHelpDialogId = 9723;
constexpr UINT kOpen = 32775, kSave = 32776, kExit = 32779, kGlobal = 32800, kSelCall = 32821, kAbout = 32794;
constexpr int kPress = 1101, kHelpEdit = 1002;

void RegisterTemplates() {
  MenuTemplate m;
  m.id = kMenuId;
  m.items = {mnu::Popup("&Files", {mnu::Item("&Open", kOpen), mnu::Item("&Save", kSave), mnu::Separator(),
                                   mnu::Item("&Exit", kExit)}),
             mnu::Popup("&Print", {mnu::Item("&Global", kGlobal), mnu::Item("&Sel Call\tF6", kSelCall, MF_GRAYED)}),
             mnu::Popup("&Help", {mnu::Item("&About PX417...", kAbout)})};
  RegisterMenuTemplate(m);

  DialogTemplate t;
  t.id = kDialogId;
  t.caption = "Menu";
  t.cx = 200;
  t.cy = 100;
  t.items = {dlg::PushButton("Press", kPress, 10, 10, 50, 14)};
  RegisterDialogTemplate(t);

  DialogTemplate h;
  h.id = kHelpDialogId;
  h.caption = "Help";
  h.style |= WS_VISIBLE;
  h.cx = 150;
  h.cy = 60;
  h.items = {dlg::EditText(kHelpEdit, 4, 4, 60, 12), dlg::PushButton("OK", IDOK, 90, 40, 50, 14)};
  RegisterDialogTemplate(h);
}

class CMenuDialog : public CDialog {
 public:
  explicit CMenuDialog(bool withMenu) : CDialog(kDialogId), m_withMenu(withMenu) {}
  CMenu menu;
  std::vector<UINT> commands;
  std::vector<std::pair<CMenu*, UINT>> popups;
  std::vector<CPoint> downs;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (m_withMenu) {
      menu.LoadMenu(kMenuId);
      SetMenu(&menu);
    }
    return TRUE;
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    commands.push_back(LOWORD(wParam));
    return CDialog::OnCommand(wParam, lParam);
  }
  void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL) {
    popups.emplace_back(pPopupMenu, nIndex);
    if (nIndex == 0) pPopupMenu->EnableMenuItem(kSave, MF_GRAYED);  // set up as it opens
  }
  void OnLButtonDown(UINT nFlags, CPoint point) {
    downs.push_back(point);
    CDialog::OnLButtonDown(nFlags, point);
  }
  DECLARE_MESSAGE_MAP()

 private:
  bool m_withMenu;
};
BEGIN_MESSAGE_MAP(CMenuDialog, CDialog)
  ON_WM_INITMENUPOPUP()
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

QPoint Centre(const QRect& r) { return r.center(); }

TEST_F(WndTest, MenuItemsAreEnabledCheckedAndChosenByCommandId) {
  RegisterTemplates();
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(kMenuId));
  EXPECT_FALSE(menu.LoadMenu(kMenuId));  // once
  EXPECT_EQ(menu.GetMenuItemCount(), 3);
  EXPECT_EQ(menu.GetMenuItemID(0), MENU_ITEM_NONE);  // a popup
  ASSERT_NE(menu.GetSubMenu(0), nullptr);
  EXPECT_EQ(menu.GetSubMenu(0)->GetMenuItemID(2), 0u);  // the separator
  EXPECT_EQ(menu.GetSubMenu(0)->GetMenuItemID(3), kExit);
  std::string text;
  menu.GetMenuString(kSelCall, text, MF_BYCOMMAND);
  EXPECT_EQ(text, "&Sel Call\tF6");

  // Enabling through the whole menu by command id, with the previous state back.
  EXPECT_EQ(menu.GetMenuState(kSelCall, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_EQ(menu.EnableMenuItem(kSelCall, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
  EXPECT_EQ(menu.EnableMenuItem(kSelCall, MF_BYCOMMAND | MF_ENABLED), MF_ENABLED);
  EXPECT_EQ(menu.EnableMenuItem(32871, MF_GRAYED), MENU_ITEM_NONE);  // no item carries it
  EXPECT_EQ(menu.CheckMenuItem(32796, MF_CHECKED), MENU_ITEM_NONE);
  EXPECT_EQ(menu.CheckMenuItem(kSave, MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(menu.GetMenuState(kSave, MF_BYCOMMAND), MF_CHECKED);
  EXPECT_EQ(menu.CheckMenuItem(kSave, MF_UNCHECKED), MF_CHECKED);
  EXPECT_EQ(menu.EnableMenuItem(1, MF_BYPOSITION | MF_GRAYED), MF_ENABLED);  // the Print popup
  EXPECT_EQ(menu.GetMenuState(1, MF_BYPOSITION) & (MF_POPUP | MF_GRAYED), MF_POPUP | MF_GRAYED);
}

TEST_F(WndTest, AMenuBarSitsAboveAClientAreaThatKeepsItsSizeAndCoordinates) {
  RegisterTemplates();
  CMenuDialog plain(false), withMenu(true);
  ASSERT_TRUE(plain.Create(kDialogId));
  ASSERT_TRUE(withMenu.Create(kDialogId));
  ASSERT_TRUE(Activate(withMenu));
  CRect a, b;
  plain.GetClientRect(&a);
  withMenu.GetClientRect(&b);
  EXPECT_EQ(a, b);
  ASSERT_NE(withMenu.GetMenu(), nullptr);
  EXPECT_EQ(withMenu.GetMenu(), &withMenu.menu);
  QMenuBar* bar = withMenu.menu.Bar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());

  // A control keeps its client position, below the bar on the screen.
  CRect button;
  withMenu.GetDlgItem(kPress)->GetWindowRect(&button);
  withMenu.ScreenToClient(&button);
  CRect plainButton;
  plain.GetDlgItem(kPress)->GetWindowRect(&plainButton);
  plain.ScreenToClient(&plainButton);
  EXPECT_EQ(button, plainButton);
  EXPECT_GE(withMenu.GetDlgItem(kPress)->GetSafeHwnd()->y(), bar->height());
  withMenu.GetDlgItem(kPress)->MoveWindow(0, 0, 20, 10);
  EXPECT_EQ(withMenu.GetDlgItem(kPress)->GetSafeHwnd()->y(), bar->height());

  // A click on the client area arrives in client coordinates.
  QTest::mouseClick(withMenu.GetSafeHwnd(), Qt::LeftButton, Qt::NoModifier, QPoint(150, bar->height() + 60));
  ASSERT_EQ(withMenu.downs.size(), 1u);
  EXPECT_EQ(withMenu.downs[0], CPoint(150, 60));

  withMenu.SetMenu(nullptr);  // taken off: the client area takes the whole window again
  EXPECT_EQ(withMenu.GetMenu(), nullptr);
  EXPECT_EQ(withMenu.GetDlgItem(kPress)->GetSafeHwnd()->y(), 0);
  plain.DestroyWindow();
  withMenu.DestroyWindow();
}

TEST_F(WndTest, ChoosingAMenuItemPostsItsCommandAfterTheSetUpOfThePopup) {
  RegisterTemplates();
  CMenuDialog dlg(true);
  ASSERT_TRUE(dlg.Create(kDialogId));
  ASSERT_TRUE(Activate(dlg));
  QMenuBar* bar = dlg.menu.Bar();
  ASSERT_NE(bar, nullptr);
  QAction* files = bar->actions().value(0);
  ASSERT_NE(files, nullptr);
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, Centre(bar->actionGeometry(files)));
  QMenu* popup = files->menu();
  ASSERT_TRUE(PumpUntil([&] { return popup->isVisible(); }));
  ASSERT_EQ(dlg.popups.size(), 1u);
  EXPECT_EQ(dlg.popups[0], std::make_pair(dlg.menu.GetSubMenu(0), 0u));
  EXPECT_EQ(dlg.menu.GetMenuState(kSave, MF_BYCOMMAND), MF_GRAYED);

  // The greyed item does nothing; the enabled one gives its command, once the menu has closed.
  QAction* save = popup->actions().value(1);
  QAction* open = popup->actions().value(0);
  QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, Centre(popup->actionGeometry(save)));
  Pump();
  EXPECT_TRUE(dlg.commands.empty());
  QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, Centre(popup->actionGeometry(open)));
  EXPECT_TRUE(dlg.commands.empty());  // posted, not sent
  Pump();
  EXPECT_EQ(dlg.commands, std::vector<UINT>{kOpen});
  dlg.DestroyWindow();
}

// F1 goes to the window it is pressed in and up to the first that handles it.
class CHelpDialog : public CDialog {
 public:
  CHelpDialog() : CDialog(kHelpDialogId) {}
  std::vector<int> helpIds;
  bool swallowF1 = false;

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (swallowF1 && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
  }

 protected:
  BOOL OnHelpInfo(HELPINFO* pHelpInfo) {
    helpIds.push_back(pHelpInfo->iCtrlId);
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHelpDialog, CDialog)
  ON_WM_HELPINFO()
END_MESSAGE_MAP()

TEST_F(WndTest, F1AsksForHelpOnTheFocusedControlUnlessItIsTakenOnTheWay) {
  RegisterTemplates();
  CHelpDialog dlg;
  ASSERT_TRUE(dlg.Create(kHelpDialogId));
  ASSERT_TRUE(Activate(dlg));
  dlg.GotoDlgCtrl(dlg.GetDlgItem(kHelpEdit));
  ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == dlg.GetDlgItem(kHelpEdit); }));
  Key(Qt::Key_F1);
  EXPECT_EQ(dlg.helpIds, std::vector<int>{kHelpEdit});
  Type("a");  // other keys go on as before
  EXPECT_EQ(dlg.GetDlgItemText(kHelpEdit), "a");

  dlg.swallowF1 = true;  // as the main dialog and the pages do
  Key(Qt::Key_F1);
  EXPECT_EQ(dlg.helpIds.size(), 1u);
  dlg.DestroyWindow();
}

}  // namespace
