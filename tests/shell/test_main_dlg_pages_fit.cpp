// Every page the main dialog hosts, on every tab of both tab sets and every
// Zone sub-page, lies inside the tab's display area; at the default window size
// and at a smaller one, every control of it can be brought into view with the
// page's own scroll bars; and no caption it shows is wider than its control.
#include <QScrollBar>

#include <sstream>

#include "test_main_dlg_support.h"
#include "ui/messages.h"
#include "ui/test_fit_support.h"

namespace main_dlg_test {
namespace {

QRect InView(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

class PagesFitTest : public MainDlgTest {
 protected:
  // The page's scroll bar of the orientation while it shows, else null.
  static QScrollBar* Bar(QWidget* page, Qt::Orientation orientation) {
    for (QScrollBar* bar : page->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly)) {
      if (bar->orientation() == orientation && bar->isVisibleTo(page) && CWnd::FromHandle(bar)->GetDlgCtrlID() == 0) {
        return bar;
      }
    }
    return nullptr;
  }

  // The controls a person can see on the page (not its scroll bars, the corner
  // between them or its size grip).
  static std::vector<QWidget*> Controls(QWidget* page) {
    std::vector<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (w->isWindow() || !w->isVisibleTo(page) || !CWnd::FromHandlePermanent(w)) continue;
      const int id = CWnd::FromHandle(w)->GetDlgCtrlID();
      if (id == static_cast<int>(IDC_PAGE_SIZEGRIP) || (qobject_cast<QScrollBar*>(w) && id == 0)) continue;
      controls.push_back(w);
    }
    return controls;
  }

  // Moves both of the page's bars to one end, as a person does.
  static void ScrollToEnd(QWidget* page, bool toMaximum) {
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
      if (QScrollBar* bar = Bar(page, o)) {
        bar->triggerAction(toMaximum ? QAbstractSlider::SliderToMaximum : QAbstractSlider::SliderToMinimum);
      }
    }
    ui_test::Pump();
  }

  // Checks the page shown now; `where` names it in the messages.
  void CheckCurrentPage(const std::string& where) {
    CDialog* page = dlg->GetCurrentPage();
    ASSERT_NE(page, nullptr) << where;
    CAnchorTabCtrl& tab = dlg->GetTabCtrl();
    CRect rect;
    page->GetWindowRect(&rect);
    tab.ScreenToClient(&rect);
    const CRect area = tab.GetDisplayRect();
    EXPECT_TRUE(InView(area).contains(InView(rect))) << where << ": the page lies outside the tab's display area";

    QWidget* w = page->GetSafeHwnd();
    for (const std::string& line : fit_test::CutCaptions(w, where, true)) ADD_FAILURE() << line;
    auto* scroll = dynamic_cast<CScrollPage*>(page);
    CRect view;
    if (scroll) {
      scroll->GetClientRect(&view);
    } else {
      page->GetClientRect(&view);
    }
    ScrollToEnd(w, false);
    std::map<QWidget*, QRect> atStart;
    for (QWidget* c : Controls(w)) atStart[c] = c->geometry();
    ScrollToEnd(w, true);
    for (QWidget* c : Controls(w)) {
      // Between the two ends every part of the control passes through the view.
      const QRect start = atStart[c];
      const QRect end = c->geometry();
      std::ostringstream name;
      name << where << ": control " << CWnd::FromHandle(c)->GetDlgCtrlID() << " \""
           << CWnd::FromHandle(c)->GetWindowText() << "\"";
      EXPECT_GE(start.left(), view.left) << name.str();
      EXPECT_GE(start.top(), view.top) << name.str();
      EXPECT_LE(end.left() + end.width(), view.right) << name.str() << " cannot be scrolled into view sideways";
      EXPECT_LE(end.top() + end.height(), view.bottom) << name.str() << " cannot be scrolled into view downwards";
    }
    ScrollToEnd(w, false);
  }

  // Every tab of the tab set in use, and every Zone sub-page.
  void CheckEveryPage(const std::string& size) {
    const std::vector<PageSlot> tabSlots = dlg->TabSet();
    for (std::size_t i = 0; i < tabSlots.size(); ++i) {
      dlg->SelectPage(tabSlots[i]);
      ui_test::Pump();
      CheckCurrentPage(size + ", tab " + std::to_string(i));
    }
    dlg->SelectPage(PageSlot::Zone);
    const std::pair<UINT, WPARAM> subPages[] = {
        {WM_SHOWPAGE_LTR_ADVANCED, 0},   {WM_SHOWPAGE_INTERCONNECT, 0},    {WM_SHOWPAGE_REPEATERS, 0},
        {WM_SHOWPAGE_GROUP_BASIC, 0},    {WM_SHOWPAGE_GROUP_ADVANCED, 0},  {WM_SHOWPAGE_CONV_BASIC, 0},
        {WM_SHOWPAGE_CONV_ADVANCED, 0},  {WM_SHOWPAGE_PASSPORT_SYSTEM, 0}, {WM_SHOWPAGE_PASSPORT_TALKGROUP, 0},
        {WM_SHOWPAGE_ZONE, 255},
    };
    for (const auto& [message, param] : subPages) {
      dlg->SendMessage(message, 0, static_cast<LPARAM>(param));
      ui_test::Pump();
      CheckCurrentPage(size + ", zone sub-page " + std::to_string(dlg->GetZoneSubPageId()));
    }
  }

  void Resize(int width, int height) {
    CRect r;
    dlg->GetWindowRect(&r);
    dlg->MoveWindow(r.left, r.top, width, height);
    ui_test::Pump();
  }
};

TEST_F(PagesFitTest, EveryPageLiesInTheTabAndScrollsToEveryControlAtEverySize) {
  for (const int productionType : {0, 11}) {
    TheModel().store.modelWord = static_cast<std::uint32_t>(productionType) << 8;
    Start();
    CRect full;
    dlg->GetWindowRect(&full);
    const std::string set = productionType == 11 ? "model 11" : "other models";
    CheckEveryPage(set + ", default size");
    // The page shown while the window is made smaller, and every page made after.
    dlg->BuildTabs();
    Resize(full.Width() * 3 / 5, full.Height() / 2);
    CheckCurrentPage(set + ", made smaller");
    CheckEveryPage(set + ", smaller");
    // Global 1 made again (as after a read) at the smaller size.
    dlg->BuildTabs();
    CheckCurrentPage(set + ", smaller, tabs rebuilt");
    dlg.reset();
    g_rcPage = CRect();
  }
}

}  // namespace
}  // namespace main_dlg_test
