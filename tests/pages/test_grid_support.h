// The grid pages on the page harness: clicks on cells, double-clicks on the
// items of their popup lists, the red mark of the cell being edited, and the
// page-switch messages the host received.
#pragma once

#include <QListWidget>

#include <string>
#include <vector>

#include "page_harness.h"
#include "pages/grid/grid_page.h"
#include "ui/cells/cell_colors.h"
#include "ui/messages.h"

namespace grid_test {

using namespace ui_test;

class GridTest : public page_test::PageHarness {
 protected:
  void SetUp() override {
    PageHarness::SetUp();
    TheModel().ResetEditModel();
    g_bModified = 0;
  }

  void ClickCell(int id) { Click(Page().GetDlgItem(id), QPoint(3, 3)); }
  void ClickButton(int id) { Click(Page().GetDlgItem(id)); }
  QListWidget* List(int id) { return qobject_cast<QListWidget*>(Page().GetDlgItem(id)->GetSafeHwnd()); }
  bool ListShown(int id) { return Page().GetDlgItem(id)->IsWindowVisible() != FALSE; }
  // A double-click arrives as a click and then the double-click.
  void DoubleClickItem(int listId, const char* text) {
    QListWidget* list = List(listId);
    ASSERT_NE(list, nullptr);
    const auto items = list->findItems(QString::fromLatin1(text), Qt::MatchExactly);
    ASSERT_FALSE(items.isEmpty()) << text;
    list->scrollToItem(items.first());
    Pump();
    const QPoint at = list->visualItemRect(items.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    DoubleClick(list->viewport(), at);
    Pump();
  }
  // A list cell clicked and the item of its popup list double-clicked (the
  // harness's Choose by keys stays beside it).
  using PageHarness::Choose;
  void Choose(int cell, int list, const char* item) {
    ClickCell(cell);
    ASSERT_TRUE(ListShown(list)) << cell;
    DoubleClickItem(list, item);
  }
  // Types into an edit and leaves it with Tab.
  void Enter(int id, const std::string& text) {
    TypeInto(id, text);
    Tab();
    Pump();
  }
  std::string Text(int id) { return Page().GetDlgItemText(id); }
  // The state (and so the colour) of a cell as the page works it out now.
  grid::State StateOf(int id) {
    auto& page = dynamic_cast<grid::CGridPage&>(Page());
    int column = 0;
    const grid::Row* row = page.RowOfCell(id, &column);
    return row ? page.StateOf(*row, column) : grid::State::Inactive;
  }
  bool IsRed(int id) {
    auto* label = dynamic_cast<CColorLabel*>(Page().GetDlgItem(id));
    return label && label->GetTextColor() == cell_colors::kRed;
  }
  static int FocusedId() {
    CWnd* f = CWnd::GetFocus();
    return f ? f->GetDlgCtrlID() : 0;
  }
  struct Switch {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Switch&) const = default;
  };
  std::vector<Switch> Sent() const {
    std::vector<Switch> sent;
    for (const auto& s : host.sent) sent.push_back({s.message, s.wParam, s.lParam});
    return sent;
  }
};

}  // namespace grid_test
