// Layout anchoring: the arithmetic, the refusals, and a resizable dialog that
// keeps its tab control stretched and its size grip in the corner.
#include <QSizeGrip>

#include "ui/layout/anchor_layout.h"
#include "ui/page/page_pattern.h"
#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kMainId = 9741;
constexpr UINT kMainMenuId = 9742;
constexpr int kTabs = 1024, kLabel = 1519, kGrip = IDC_PAGE_SIZEGRIP;

AnchorItem Item(UINT flags, LONG l, LONG t, LONG r, LONG b) {
  AnchorItem item;
  item.flags = flags;
  item.left = l;
  item.top = t;
  item.right = r;
  item.bottom = b;
  return item;
}

TEST(AnchorArithmetic, EachFlagMovesItsEdgeAndKeepSizeMovesTheOther) {
  const CRect client(0, 0, 500, 400);
  const CRect child(10, 20, 110, 70);  // 100 x 50
  EXPECT_EQ(AnchoredRect(Item(ANCHOR_RIGHT | ANCHOR_BOTTOM, 10, 20, 30, 40), client, child), CRect(10, 20, 470, 360));
  EXPECT_EQ(AnchoredRect(Item(ANCHOR_LEFT | ANCHOR_RIGHT, 5, 0, 5, 0), client, child), CRect(5, 20, 495, 70));
  EXPECT_EQ(AnchoredRect(Item(ANCHOR_RIGHT | ANCHOR_KEEPWIDTH, 0, 0, 30, 0), client, child), CRect(370, 20, 470, 70));
  EXPECT_EQ(AnchoredRect(Item(ANCHOR_LEFT | ANCHOR_KEEPWIDTH, 40, 0, 0, 0), client, child), CRect(40, 20, 140, 70));
  EXPECT_EQ(AnchoredRect(Item(ANCHOR_BOTTOM | ANCHOR_KEEPHEIGHT, 0, 0, 0, 10), client, child), CRect(10, 340, 110, 390));
  EXPECT_EQ(AnchoredRect(Item(ANCHOR_TOP | ANCHOR_BOTTOM, 0, 7, 0, 8), client, child), CRect(10, 7, 110, 392));
  EXPECT_EQ(AnchoredRect(Item(0, 1, 2, 3, 4), client, child), child);  // no flag: nothing moves
  // A client area smaller than the margins gives an inverted rectangle, as the arithmetic says.
  EXPECT_EQ(AnchoredRect(Item(ANCHOR_RIGHT, 0, 0, 600, 0), client, child).right, -100);
}

TEST(AnchorArray, GrowsByItsStepAndFreesAtZero) {
  CAnchorArray a;
  a.SetSize(1);
  EXPECT_EQ(a.GetCapacity(), 4);  // size / 8 is 0: at least 4
  a.SetSize(5);
  EXPECT_EQ(a.GetCapacity(), 8);
  a.SetSize(80);
  EXPECT_EQ(a.GetCapacity(), 80);  // more than one step asked for: exactly that
  a.SetSize(81);
  EXPECT_EQ(a.GetCapacity(), 90);  // 80 / 8
  a.SetSize(3);
  EXPECT_EQ(a.GetCapacity(), 90);
  a.SetSize(0);
  EXPECT_EQ(a.GetSize(), 0);
  EXPECT_EQ(a.GetCapacity(), 0);
  a.SetSize(2, 10);
  EXPECT_EQ(a.GetCapacity(), 10);
  a.SetSize(11, -1);  // keeps the step
  EXPECT_EQ(a.GetCapacity(), 20);
  EXPECT_EQ(a.GetGrowBy(), 10);
  EXPECT_EQ(a[10].flags, 0u);  // new entries are empty
  EXPECT_EQ(a[10].hWnd, nullptr);
  a.SetSize(-1);
  EXPECT_EQ(a.GetSize(), 11);

  // Stored and read back: the margins and flags, no windows; a bad archive changes nothing.
  a.SetSize(0);
  a.Add(Item(10, 1, 2, 3, -4));
  a.Add(Item(5, 6, 7, 8, 9));
  std::vector<std::uint8_t> archive;
  a.Serialize(archive, TRUE);
  EXPECT_EQ(archive.size(), 4u + 2u * 20u);
  CAnchorArray b;
  ASSERT_TRUE(b.Serialize(archive, FALSE));
  ASSERT_EQ(b.GetSize(), 2);
  EXPECT_EQ(b[0].bottom, -4);
  EXPECT_EQ(b[1].flags, 5u);
  std::vector<std::uint8_t> shortArchive(archive.begin(), archive.end() - 1);
  EXPECT_FALSE(b.Serialize(shortArchive, FALSE));
  std::vector<std::uint8_t> huge = {0xFF, 0xFF, 0xFF, 0x7F};
  EXPECT_FALSE(b.Serialize(huge, FALSE));
  EXPECT_EQ(b.GetSize(), 2);
}

void RegisterMain() {
  MenuTemplate m;
  m.id = kMainMenuId;
  m.items = {mnu::Popup("&Files", {mnu::Item("E&xit", 32779)})};
  RegisterMenuTemplate(m);
  DialogTemplate t;
  t.id = kMainId;
  t.caption = "Main";
  t.style |= WS_THICKFRAME;
  t.cx = 200;
  t.cy = 150;
  t.items = {dlg::LText("file", kLabel, 5, 2, 100, 8),
             dlg::Control("", kTabs, WC_TABCONTROL, WS_CHILD | WS_VISIBLE, 5, 15, 180, 120)};
  RegisterDialogTemplate(t);
}

// The main dialog's share of the anchoring (with a menu bar, as it has).
class CMainLike : public CDialog {
 public:
  CMainLike() : CDialog(kMainId) {}
  CAnchorLayout layout;
  CScrollBar grip;
  CMenu menu;
  BOOL registered = FALSE;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    menu.LoadMenu(kMainMenuId);
    SetMenu(&menu);
    CRect client;
    GetClientRect(&client);
    client.left = client.right - GetSystemMetrics(SM_CXHSCROLL);
    client.top = client.bottom - GetSystemMetrics(SM_CYVSCROLL);
    grip.Create(WS_CHILD | WS_VISIBLE | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN | SBS_SIZEGRIP, client, this, kGrip);
    registered = layout.AddAnchor(GetDlgItem(kTabs), kAnchorEmptyRect, ANCHOR_RIGHT | ANCHOR_BOTTOM);
    return TRUE;
  }
  void OnSize(UINT nType, int cx, int cy) {
    CDialog::OnSize(nType, cx, cy);
    if (layout.OnSize(this, nType)) PlaceSizeGrip(this, IDC_PAGE_SIZEGRIP);
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMainLike, CDialog)
  ON_WM_SIZE()
END_MESSAGE_MAP()

class LayoutTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterMain();
    g_rcPage = CRect();
    ASSERT_TRUE(main.Create(kMainId));
    ASSERT_TRUE(Activate(main));
    Pump();
  }
  void TearDown() override {
    main.DestroyWindow();
    g_rcPage = CRect();
    WndTest::TearDown();
  }
  CRect InClient(int id) {
    CRect r;
    main.GetDlgItem(id)->GetWindowRect(&r);
    main.ScreenToClient(&r);
    return r;
  }
  void Resize(int dw, int dh) {
    CRect outer;
    main.GetWindowRect(&outer);
    main.MoveWindow(outer.left, outer.top, outer.Width() + dw, outer.Height() + dh);
    Pump();
  }

  CMainLike main;
};

TEST_F(LayoutTest, RegisteringUpdatingRemovingAndTheRefusals) {
  ASSERT_TRUE(main.registered);
  CAnchorLayout& layout = main.layout;
  ASSERT_EQ(layout.Items().GetSize(), 1);
  CRect client;
  main.GetClientRect(&client);
  const CRect tabs = InClient(kTabs);
  const AnchorItem& item = layout.Items()[0];
  EXPECT_EQ(item.left, tabs.left);
  EXPECT_EQ(item.top, tabs.top);
  EXPECT_EQ(item.right, client.right - tabs.right);
  EXPECT_EQ(item.bottom, client.bottom - tabs.bottom);
  EXPECT_EQ(item.flags, 10u);

  CWnd* label = main.GetDlgItem(kLabel);
  EXPECT_FALSE(layout.AddAnchor(static_cast<CWnd*>(nullptr), kAnchorEmptyRect, ANCHOR_LEFT));
  EXPECT_FALSE(layout.AddAnchor(label, kAnchorEmptyRect, 0));  // not registered
  EXPECT_FALSE(layout.AddAnchor(label, kAnchorEmptyRect, ANCHOR_LEFT | ANCHOR_RIGHT | ANCHOR_KEEPWIDTH));
  EXPECT_FALSE(layout.AddAnchor(label, kAnchorEmptyRect, ANCHOR_TOP | ANCHOR_BOTTOM | ANCHOR_KEEPHEIGHT));
  EXPECT_FALSE(layout.AddAnchor(&main, kAnchorEmptyRect, ANCHOR_RIGHT));  // no parent
  EXPECT_EQ(layout.Items().GetSize(), 1);

  // A given rectangle is taken as the four margins; a second registration updates.
  EXPECT_TRUE(layout.AddAnchor(label, CRect(1, 2, 3, 4), ANCHOR_LEFT | ANCHOR_KEEPWIDTH));
  EXPECT_TRUE(layout.AddAnchor(label, CRect(5, 6, 7, 8), ANCHOR_RIGHT | ANCHOR_KEEPWIDTH));
  ASSERT_EQ(layout.Items().GetSize(), 2);
  EXPECT_EQ(layout.Items()[1].left, 5);
  EXPECT_EQ(layout.Items()[1].bottom, 8);
  EXPECT_EQ(layout.Items()[1].flags, ANCHOR_RIGHT | ANCHOR_KEEPWIDTH);
  EXPECT_TRUE(layout.AddAnchor(label, kAnchorEmptyRect, 0));
  EXPECT_EQ(layout.Items().GetSize(), 1);

  // With a page rectangle set, the empty rectangle takes its margins from it.
  g_rcPage = CRect(3, 4, 100, 90);
  EXPECT_TRUE(layout.AddAnchor(label, kAnchorEmptyRect, ANCHOR_BOTTOM));
  EXPECT_EQ(layout.Items()[1].left, 3);
  EXPECT_EQ(layout.Items()[1].bottom, client.bottom - 90);
}

TEST_F(LayoutTest, AResizeStretchesTheTabControlAndPutsTheGripInTheCorner) {
  const CRect before = InClient(kTabs);
  const CRect label = InClient(kLabel);
  Resize(40, 30);
  const CRect after = InClient(kTabs);
  EXPECT_EQ(after.TopLeft(), before.TopLeft());
  EXPECT_EQ(after.Width(), before.Width() + 40);
  EXPECT_EQ(after.Height(), before.Height() + 30);
  EXPECT_EQ(InClient(kLabel), label);  // not registered: it stays
  CRect client;
  main.GetClientRect(&client);
  EXPECT_EQ(InClient(kGrip).BottomRight(), client.BottomRight());
  EXPECT_TRUE(main.GetDlgItem(kGrip)->IsWindowVisible());
  EXPECT_EQ(main.GetDlgItem(kGrip)->SendMessage(WM_NCHITTEST), HTBOTTOMRIGHT);

  Resize(-60, -50);
  EXPECT_EQ(InClient(kTabs).Width(), before.Width() - 20);
  EXPECT_EQ(InClient(kTabs).Height(), before.Height() - 20);
  main.GetClientRect(&client);
  EXPECT_EQ(InClient(kGrip).BottomRight(), client.BottomRight());
}

TEST_F(LayoutTest, DraggingTheGripWidensTheTabControlByWhatTheWindowGained) {
  QWidget* grip = main.GetDlgItem(kGrip)->GetSafeHwnd();
  ASSERT_NE(dynamic_cast<QSizeGrip*>(grip), nullptr);
  CRect client0;
  main.GetClientRect(&client0);
  const CRect tabs0 = InClient(kTabs);
  const QPoint from(grip->width() / 2, grip->height() / 2);
  QTest::mousePress(grip, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(grip, from + QPoint(25, 15));
  QTest::mouseRelease(grip, Qt::LeftButton, Qt::NoModifier, from + QPoint(25, 15));
  Pump();
  CRect client1;
  main.GetClientRect(&client1);
  const int gained = client1.Width() - client0.Width();
  EXPECT_GT(gained, 0);
  EXPECT_EQ(InClient(kTabs).Width(), tabs0.Width() + gained);
  EXPECT_EQ(InClient(kTabs).Height(), tabs0.Height() + client1.Height() - client0.Height());
  EXPECT_EQ(InClient(kGrip).BottomRight(), client1.BottomRight());
}

TEST_F(LayoutTest, MaximisingMovesNothing) {
  const CRect tabs = InClient(kTabs);
  const CRect grip = InClient(kGrip);
  main.ShowWindow(SW_SHOWMAXIMIZED);
  ASSERT_TRUE(PumpUntil([&] { return main.IsZoomed(); }));
  Pump(10);
  EXPECT_EQ(InClient(kTabs), tabs);
  EXPECT_EQ(InClient(kGrip), grip);
  main.ShowWindow(SW_RESTORE);
  Pump(10);
}

}  // namespace
