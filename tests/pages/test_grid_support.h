// Grid pages in an offscreen top-level host that plays the main dialog: it
// records the program's own messages it receives (the page-switch messages);
// the prompts are scripted; helpers click and double-click cells and list items.
#pragma once

#include <QListWidget>

#include <cstdint>
#include <utility>
#include <vector>

#include "model/edit_model.h"
#include "pages/grid/grid_page.h"
#include "ui/cells/cell_colors.h"
#include "ui/messages.h"
#include "ui/page/page_registry.h"
#include "ui/ui_test_support.h"

namespace grid_test {

using namespace ui_test;

inline constexpr UINT kGridHostId = 9790;

class CGridHost : public CDialog {
 public:
  CGridHost() : CDialog(kGridHostId) {}
  std::vector<std::pair<UINT, std::pair<WPARAM, LPARAM>>> received;  // messages from WM_USER on
  void OnOK() override {}
  void OnCancel() override {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_USER && message < WM_USER + 0x100) received.push_back({message, {wParam, lParam}});
    return CDialog::WindowProc(message, wParam, lParam);
  }
};

class GridTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    DialogTemplate t;
    t.id = kGridHostId;
    t.caption = "Host";
    t.style |= WS_VISIBLE;
    t.cx = 400;
    t.cy = 330;
    RegisterDialogTemplate(t);
    TheModel().ResetEditModel();
    g_bModified = 0;
    ASSERT_TRUE(host.Create(kGridHostId));
    ASSERT_TRUE(Activate(host));
  }
  void TearDown() override {
    if (page && page->GetSafeHwnd()) page->DestroyWindow();
    host.DestroyWindow();
    TheModel().ResetEditModel();
    g_bModified = 0;
    WndTest::TearDown();
  }
  void Show(grid::CGridPage& p, UINT idd) {
    page = &p;
    ASSERT_TRUE(p.Create(idd, &host));
    p.ShowWindow(SW_SHOW);
    Pump();
  }

  static int FocusedId() {
    CWnd* f = CWnd::GetFocus();
    return f ? f->GetDlgCtrlID() : 0;
  }
  void FocusOn(int id) {
    page->GotoDlgCtrl(page->GetDlgItem(id));
    ASSERT_TRUE(PumpUntil([&] { return FocusedId() == id; })) << id;
    Pump();  // the edit's posted select-all
  }
  void ClickCell(int id) { Click(page->GetDlgItem(id), QPoint(3, 3)); }
  QListWidget* List(int id) { return qobject_cast<QListWidget*>(page->GetDlgItem(id)->GetSafeHwnd()); }
  bool ListShown(int id) { return page->GetDlgItem(id)->IsWindowVisible() != FALSE; }
  void DoubleClickItem(int listId, const char* text) {
    QListWidget* list = List(listId);
    ASSERT_NE(list, nullptr);
    const auto items = list->findItems(QString::fromLatin1(text), Qt::MatchExactly);
    ASSERT_FALSE(items.isEmpty()) << text;
    list->scrollToItem(items.first());
    Pump();
    const QRect r = list->visualItemRect(items.first());
    // A double-click arrives as a click and then the double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    DoubleClick(list->viewport(), r.center());
    Pump();
  }
  std::string Text(int id) { return page->GetDlgItemText(id); }
  bool IsRed(int id) {
    auto* label = dynamic_cast<CColorLabel*>(CWnd::FromHandlePermanent(page->GetDlgItem(id)->GetSafeHwnd()));
    return label && label->GetTextColor() == cell_colors::kRed;
  }
  bool Enabled(int id) { return page->GetDlgItem(id)->IsWindowEnabled() != FALSE; }
  std::vector<UINT> Received() const {
    std::vector<UINT> ids;
    for (const auto& m : host.received) ids.push_back(m.first);
    return ids;
  }

  CGridHost host;
  grid::CGridPage* page = nullptr;
};

}  // namespace grid_test
