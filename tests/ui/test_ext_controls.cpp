// The controls beyond the standard ones, driven with real keys and clicks:
// each reports exactly what the person does, in the original order, and
// nothing of what the program does.
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabBar>

#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kDialogId = 9701;
constexpr UINT kPageId = 9702;
constexpr int kDump = 1014, kNotes = 1015, kBar = 1010, kSlider = 1066, kBuddy = 1277, kSpin = 1046;
constexpr int kScroll = 1070, kTabs = 1024, kWrapSpin = 1047, kWrapBuddy = 1278;

void RegisterTemplates() {
  RegisterVisibleDialog(
      kDialogId, "Controls", 400, 260,
      {dlg::EditText(kDump, 4, 4, 150, 40, ES_MULTILINE | ES_READONLY | WS_VSCROLL),
       dlg::EditText(kNotes, 4, 50, 150, 40, ES_MULTILINE | ES_WANTRETURN),
       dlg::Control("", kBar, PROGRESS_CLASS, WS_CHILD | WS_VISIBLE | PBS_VERTICAL, 160, 4, 10, 80),
       dlg::Control("", kSlider, TRACKBAR_CLASS, WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_VERT | TBS_AUTOTICKS, 180, 4,
                    30, 120),
       dlg::LText("0", kBuddy, 220, 4, 30, 12),
       dlg::Control("", kSpin, UPDOWN_CLASS, WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ALIGNRIGHT,
                    250, 4, 11, 12),
       dlg::LText("0", kWrapBuddy, 220, 20, 30, 12),
       dlg::Control("", kWrapSpin, UPDOWN_CLASS, WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_WRAP,
                    250, 20, 11, 12),
       dlg::ScrollBar(kScroll, 270, 4, 10, 100, SBS_VERT),
       dlg::Control("", kTabs, WC_TABCONTROL, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 4, 130, 250, 120),
       dlg::DefPushButton("OK", IDOK, 300, 230, 40, 14), dlg::PushButton("Cancel", IDCANCEL, 350, 230, 40, 14)});

  DialogTemplate page;
  page.id = kPageId;
  page.style = WS_CHILD | WS_VISIBLE;
  page.x = 10;
  page.y = 20;
  page.cx = 100;
  page.cy = 50;
  RegisterDialogTemplate(page);
}

// A tab control that hears of the pages made in it.
class CPageTabs : public CTabCtrl {
 public:
  std::vector<std::pair<UINT, HWND>> created;

 protected:
  void OnParentNotify(UINT message, LPARAM lParam) {
    CTabCtrl::OnParentNotify(message, lParam);
    created.emplace_back(message, reinterpret_cast<HWND>(lParam));
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPageTabs, CTabCtrl)
  ON_WM_PARENTNOTIFY()
END_MESSAGE_MAP()

// What the parent heard, with the position the control had at that moment.
struct Heard {
  std::string what;
  int pos;
  bool operator==(const Heard&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Heard& h) { return os << h.what << "@" << h.pos; }

class CExtDialog : public CDialog {
 public:
  CExtDialog() : CDialog(kDialogId) {}
  std::vector<Heard> heard;
  std::vector<std::pair<int, UINT>> commands;
  bool refuseSpinStep = false;
  bool refuseTabChange = false;
  bool scrollFollows = false;
  int oks = 0;
  CPageTabs tabs;

  CSliderCtrl* Slider() { return static_cast<CSliderCtrl*>(GetDlgItem(kSlider)); }
  CSpinButtonCtrl* Spin(int id = kSpin) { return static_cast<CSpinButtonCtrl*>(GetDlgItem(id)); }
  CScrollBar* Scroll() { return static_cast<CScrollBar*>(GetDlgItem(kScroll)); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kTabs, tabs); }
  void OnOK() override { ++oks; }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam) commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return CDialog::OnCommand(wParam, lParam);
  }
  void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
    const int id = pScrollBar ? pScrollBar->GetDlgCtrlID() : 0;
    int pos = 0;
    if (id == kSlider) pos = Slider()->GetPos();
    if (id == kSpin || id == kWrapSpin) pos = Spin(id)->GetPos();
    if (id == kScroll) {
      pos = Scroll()->GetScrollPos();
      if (scrollFollows && nSBCode == SB_LINEDOWN) Scroll()->SetScrollPos(pos + 1);
      if (scrollFollows && nSBCode == SB_THUMBPOSITION) Scroll()->SetScrollPos(static_cast<int>(nPos));
    }
    heard.push_back({std::to_string(id) + " v" + std::to_string(nSBCode) + ":" + std::to_string(nPos), pos});
  }
  void OnSpinDelta(NMHDR* pHdr, LRESULT* pResult) {
    auto* nm = reinterpret_cast<NMUPDOWN*>(pHdr);
    heard.push_back({"delta " + std::to_string(nm->iPos) + (nm->iDelta > 0 ? "+" : "") + std::to_string(nm->iDelta),
                     Spin()->GetPos()});
    *pResult = refuseSpinStep ? 1 : 0;
  }
  void OnTabChanging(NMHDR*, LRESULT* pResult) {
    heard.push_back({"changing", tabs.GetCurSel()});
    *pResult = refuseTabChange ? 1 : 0;
  }
  void OnTabChange(NMHDR*, LRESULT*) { heard.push_back({"change", tabs.GetCurSel()}); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CExtDialog, CDialog)
  ON_WM_VSCROLL()
  ON_NOTIFY(UDN_DELTAPOS, kSpin, OnSpinDelta)
  ON_NOTIFY(TCN_SELCHANGING, kTabs, OnTabChanging)
  ON_NOTIFY(TCN_SELCHANGE, kTabs, OnTabChange)
END_MESSAGE_MAP()

class ExtControlTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplates();
    ASSERT_TRUE(dlg.Create(kDialogId));
    ASSERT_TRUE(Activate(dlg));
    Pump();
    Forget();
  }
  void TearDown() override {
    dlg.DestroyWindow();
    WndTest::TearDown();
  }
  void Forget() {
    dlg.heard.clear();
    dlg.commands.clear();
  }
  void FocusOn(int id) {
    dlg.GotoDlgCtrl(dlg.GetDlgItem(id));
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() && CWnd::GetFocus()->GetDlgCtrlID() == id; }));
    Forget();
  }
  QWidget* W(int id) { return dlg.GetDlgItem(id)->GetSafeHwnd(); }
  CEdit* Edit(int id) { return static_cast<CEdit*>(dlg.GetDlgItem(id)); }
  std::pair<int, int> Sel(int id) {
    int start = 0, end = 0;
    Edit(id)->GetSel(start, end);
    return {start, end};
  }

  CExtDialog dlg;
};

TEST_F(ExtControlTest, MultiLineEditCountsBothCharactersOfALineEnd) {
  CEdit* dump = Edit(kDump);
  dump->SetWindowText("0123456\r\nABCDEFG\r\nabcdefg");
  EXPECT_EQ(dump->GetWindowText(), "0123456\r\nABCDEFG\r\nabcdefg");
  EXPECT_EQ(dlg.GetDlgItem(kDump)->GetStyle() & ES_READONLY, ES_READONLY);

  // The caret moved by real keys reads back in model offsets: 9 characters a line.
  FocusOn(kDump);
  dump->SetSel(3, 3);
  Key(Qt::Key_Down);
  EXPECT_EQ(Sel(kDump), std::make_pair(12, 12));
  Key(Qt::Key_Down);
  Key(Qt::Key_End);
  EXPECT_EQ(Sel(kDump), std::make_pair(25, 25));
  dump->SetSel(9, 16);
  EXPECT_EQ(static_cast<QPlainTextEdit*>(W(kDump))->textCursor().selectedText(), "ABCDEFG");

  // A read-only edit takes no characters; Enter without ES_WANTRETURN is the dialog's.
  Type("x");
  Key(Qt::Key_Return);
  EXPECT_EQ(dump->GetWindowText(), "0123456\r\nABCDEFG\r\nabcdefg");
  EXPECT_EQ(dlg.oks, 1);

  // The program's replacement keeps the line ends and says nothing.
  Forget();
  dump->SetSel(7, 9);
  dump->ReplaceSel("|");
  EXPECT_EQ(dump->GetWindowText(), "0123456|ABCDEFG\r\nabcdefg");
  EXPECT_EQ(Sel(kDump), std::make_pair(8, 8));
  EXPECT_TRUE(dlg.commands.empty());

  EXPECT_EQ(MultiLineEditShownOffset("AB\r\nCD", 3), 2);  // between CR and LF: at the line end
  EXPECT_EQ(MultiLineEditShownOffset("AB\r\nCD", 4), 3);
  EXPECT_EQ(MultiLineEditModelOffset("AB\r\nCD", 3), 4);
  EXPECT_EQ(MultiLineEditModelOffset("AB\r\nCD", 99), 6);
}

TEST_F(ExtControlTest, MultiLineEditTypingNotifiesAndHonoursTheLimit) {
  CEdit* notes = Edit(kNotes);
  FocusOn(kNotes);
  Type("ab");
  Key(Qt::Key_Return);  // ES_WANTRETURN: a new line, not the default button
  Type("c");
  EXPECT_EQ(notes->GetWindowText(), "ab\r\nc");
  EXPECT_EQ(Sel(kNotes), std::make_pair(5, 5));
  EXPECT_EQ(dlg.oks, 0);
  EXPECT_EQ(std::count(dlg.commands.begin(), dlg.commands.end(), std::make_pair(kNotes, EN_CHANGE)), 4);

  notes->LimitText(5);
  Forget();
  Type("d");
  Key(Qt::Key_Return);
  EXPECT_EQ(notes->GetWindowText(), "ab\r\nc");
  EXPECT_EQ(dlg.commands, (std::vector<std::pair<int, UINT>>{{kNotes, EN_MAXTEXT}, {kNotes, EN_MAXTEXT}}));
  Key(Qt::Key_Backspace);
  EXPECT_EQ(notes->GetWindowText(), "ab\r\n");
}

TEST_F(ExtControlTest, ProgressBarClampsAndNeverNotifies) {
  auto* bar = static_cast<CProgressCtrl*>(dlg.GetDlgItem(kBar));
  bar->SetRange(0, 256);
  EXPECT_EQ(bar->SetPos(257), 0);  // the transfer's last block: past the end
  EXPECT_EQ(bar->GetPos(), 256);
  EXPECT_EQ(bar->SetPos(-3), 256);
  EXPECT_EQ(bar->GetPos(), 0);
  bar->SetRange32(10, 20);
  EXPECT_EQ(bar->GetPos(), 10);  // a new range pulls the position in
  int lo = 0, hi = 0;
  bar->GetRange(lo, hi);
  EXPECT_EQ(std::make_pair(lo, hi), std::make_pair(10, 20));
  bar->SetStep(6);
  bar->SetPos(18);
  EXPECT_EQ(bar->StepIt(), 18);
  EXPECT_EQ(bar->GetPos(), 10);  // past the end it starts again
  bar->SetRange(5, 5);           // an empty range shows an empty bar
  EXPECT_EQ(bar->GetPos(), 5);
  EXPECT_EQ(static_cast<QProgressBar*>(W(kBar))->orientation(), Qt::Vertical);
  EXPECT_TRUE(dlg.heard.empty());
  EXPECT_TRUE(dlg.commands.empty());
}

TEST_F(ExtControlTest, VerticalTrackbarHasPositionZeroAtTheTop) {
  CSliderCtrl* slider = dlg.Slider();
  slider->SetRange(0, 100);
  slider->SetPos(0);
  CRect thumb;
  slider->GetThumbRect(&thumb);
  CRect client;
  slider->GetClientRect(&client);
  EXPECT_LT(thumb.bottom, client.Height() / 3);
  slider->SetPos(100);
  slider->GetThumbRect(&thumb);
  EXPECT_GT(thumb.top, client.Height() * 2 / 3);
  slider->SetPos(150);
  EXPECT_EQ(slider->GetPos(), 100);
  EXPECT_TRUE(dlg.heard.empty());  // the program's moves are not reported

  // Keys: Down goes towards the maximum, Up towards 0; each move is reported
  // after it happened and ends with TB_ENDTRACK.
  const std::string id = std::to_string(kSlider) + " v";
  FocusOn(kSlider);
  slider->SetPos(0);
  Key(Qt::Key_Down);
  Key(Qt::Key_End);
  Key(Qt::Key_Up);
  Key(Qt::Key_PageUp);
  Key(Qt::Key_Home);
  EXPECT_EQ(dlg.heard, (std::vector<Heard>{{id + "1:0", 1}, {id + "8:0", 1}, {id + "7:0", 100}, {id + "8:0", 100},
                                           {id + "0:0", 99}, {id + "8:0", 99}, {id + "2:0", 79}, {id + "8:0", 79},
                                           {id + "6:0", 0}, {id + "8:0", 0}}));

  // A click on the channel above the thumb pages towards the top.
  slider->SetPos(50);
  Forget();
  slider->GetThumbRect(&thumb);
  Click(slider, QPoint((thumb.left + thumb.right) / 2, thumb.top - 6));
  EXPECT_EQ(dlg.heard, (std::vector<Heard>{{id + "2:0", 30}, {id + "8:0", 30}}));

  // Dragging the thumb down: tracking, then the final position, then the end.
  Forget();
  slider->GetThumbRect(&thumb);
  const QPoint grip((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
  QTest::mousePress(W(kSlider), Qt::LeftButton, Qt::NoModifier, grip);
  QTest::mouseMove(W(kSlider), grip + QPoint(0, 25));
  QTest::mouseRelease(W(kSlider), Qt::LeftButton, Qt::NoModifier, grip + QPoint(0, 25));
  ASSERT_GE(dlg.heard.size(), 3u);
  const int end = slider->GetPos();
  EXPECT_GT(end, 30);
  EXPECT_EQ(dlg.heard[0].what.substr(0, id.size() + 2), id + "5:");
  EXPECT_EQ(dlg.heard[dlg.heard.size() - 2], (Heard{id + "4:" + std::to_string(end), end}));
  EXPECT_EQ(dlg.heard.back(), (Heard{id + "8:0", end}));
}

// A trackbar that draws its own thumb, as the alignment slider does.
class COwnThumbSlider : public CSliderCtrl {
 public:
  std::vector<std::pair<DWORD, DWORD_PTR>> stages;
  CRect lastThumb;

 protected:
  void OnCustomDraw(NMHDR* pHdr, LRESULT* pResult) {
    auto* nm = reinterpret_cast<NMCUSTOMDRAW*>(pHdr);
    stages.emplace_back(nm->dwDrawStage, nm->dwItemSpec);
    *pResult = CDRF_DODEFAULT;
    if (nm->dwDrawStage == CDDS_PREPAINT) *pResult = CDRF_NOTIFYITEMDRAW;
    if (nm->dwDrawStage == CDDS_ITEMPREPAINT && nm->dwItemSpec == TBCD_THUMB) {
      CDC* dc = CDC::FromHandle(nm->hdc);
      dc->FillSolidRect(nm->rc, RGB(255, 0, 0));
      lastThumb = nm->rc;
      *pResult = CDRF_SKIPDEFAULT;
    }
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(COwnThumbSlider, CSliderCtrl)
  ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

TEST_F(ExtControlTest, TrackbarCustomDrawReachesItsOwnHandler) {
  COwnThumbSlider own;
  ASSERT_TRUE(own.SubclassDlgItem(kSlider, &dlg));
  own.SetRange(0, 255);
  own.SetPos(128);
  own.RedrawWindow();
  ASSERT_FALSE(own.stages.empty());
  EXPECT_EQ(own.stages[0], std::make_pair(CDDS_PREPAINT, DWORD_PTR{0}));
  std::vector<DWORD_PTR> parts;
  for (const auto& [stage, spec] : own.stages) {
    if (stage == CDDS_ITEMPREPAINT) parts.push_back(spec);
  }
  EXPECT_EQ(parts, (std::vector<DWORD_PTR>{TBCD_TICS, TBCD_CHANNEL, TBCD_THUMB}));
  CRect thumb;
  own.GetThumbRect(&thumb);
  EXPECT_EQ(own.lastThumb, thumb);
  const QImage image = own.GetSafeHwnd()->grab().toImage();
  const QPoint centre((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
  EXPECT_EQ(image.pixelColor(centre * image.devicePixelRatio()), QColor(255, 0, 0));
  own.UnsubclassWindow();
}

TEST_F(ExtControlTest, SpinAsksThenStepsThenReports) {
  CSpinButtonCtrl* spin = dlg.Spin();
  spin->SetRange(0, 250);
  EXPECT_EQ(spin->SetPos(1), 0);
  EXPECT_EQ(dlg.GetDlgItemText(kBuddy), "1");  // UDS_SETBUDDYINT with the control made before it
  EXPECT_TRUE(dlg.heard.empty());
  // UDS_ALIGNRIGHT: the arrows sit against the buddy's right edge.
  CRect b, s;
  dlg.GetDlgItem(kBuddy)->GetWindowRect(&b);
  spin->GetWindowRect(&s);
  EXPECT_EQ(s.left, b.right);
  EXPECT_EQ(s.top, b.top);

  QWidget* w = spin->GetSafeHwnd();
  const QPoint up(w->width() / 2, 2), down(w->width() / 2, w->height() - 3);
  const std::string v = std::to_string(kSpin) + " v";
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, up);
  EXPECT_EQ(dlg.heard, (std::vector<Heard>{{"delta 1+1", 1}, {v + "4:2", 2}, {v + "8:2", 2}}));
  EXPECT_EQ(dlg.GetDlgItemText(kBuddy), "2");

  // At the lower end the step is still offered, and the position stays.
  spin->SetPos(0);
  Forget();
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, down);
  EXPECT_EQ(dlg.heard, (std::vector<Heard>{{"delta 0-1", 0}, {v + "4:0", 0}, {v + "8:0", 0}}));

  // A refused step changes nothing and reports nothing more.
  dlg.refuseSpinStep = true;
  Forget();
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, up);
  EXPECT_EQ(dlg.heard, (std::vector<Heard>{{"delta 0+1", 0}, {v + "8:0", 0}}));
  EXPECT_EQ(spin->GetPos(), 0);

  // The default range runs from 100 down to 0, so the up arrow counts down;
  // UDS_WRAP goes round at the ends.
  CSpinButtonCtrl* wrap = dlg.Spin(kWrapSpin);
  int lower = 0, upper = 0;
  wrap->GetRange(lower, upper);
  EXPECT_EQ(std::make_pair(lower, upper), std::make_pair(100, 0));
  wrap->SetPos(0);
  QWidget* ww = wrap->GetSafeHwnd();
  QTest::mouseClick(ww, Qt::LeftButton, Qt::NoModifier, up);
  EXPECT_EQ(wrap->GetPos(), 100);
  EXPECT_EQ(dlg.GetDlgItemText(kWrapBuddy), "100");
  QTest::mouseClick(ww, Qt::LeftButton, Qt::NoModifier, down);
  EXPECT_EQ(wrap->GetPos(), 0);
}

TEST_F(ExtControlTest, ScrollBarLeavesItsPositionToTheParent) {
  CScrollBar* bar = dlg.Scroll();
  bar->SetScrollRange(0, 100);
  EXPECT_EQ(bar->SetScrollPos(10), 0);
  EXPECT_TRUE(dlg.heard.empty());
  QWidget* w = bar->GetSafeHwnd();
  const std::string v = std::to_string(kScroll) + " v";
  const QPoint downArrow(w->width() / 2, w->height() - 4);
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, downArrow);
  EXPECT_EQ(dlg.heard, (std::vector<Heard>{{v + "1:0", 10}, {v + "8:0", 10}}));
  EXPECT_EQ(bar->GetScrollPos(), 10);  // nobody moved it

  dlg.scrollFollows = true;
  Forget();
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, downArrow);
  EXPECT_EQ(bar->GetScrollPos(), 11);

  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = 99;
  info.nPage = 10;
  info.nPos = 95;
  bar->SetScrollInfo(&info);
  EXPECT_EQ(bar->GetScrollPos(), 90);  // the last page starts at 90
  SCROLLINFO back;
  bar->GetScrollInfo(&back);
  EXPECT_EQ(back.nPage, 10u);
  EXPECT_EQ(back.nMax, 99);
}

TEST_F(ExtControlTest, TabControlAsksBeforeAndTellsAfterAClick) {
  CPageTabs& tabs = dlg.tabs;
  EXPECT_EQ(tabs.InsertItem(0, "Global 1"), 0);
  EXPECT_EQ(tabs.InsertItem(1, "Global 2"), 1);
  EXPECT_EQ(tabs.InsertItem(7, "Zone"), 2);  // past the end: appended
  EXPECT_EQ(tabs.GetItemCount(), 3);
  EXPECT_EQ(tabs.GetCurSel(), 0);
  EXPECT_EQ(tabs.SetCurSel(2), 0);
  EXPECT_EQ(tabs.SetCurSel(5), -1);
  EXPECT_TRUE(dlg.heard.empty());

  CRect item;
  ASSERT_TRUE(tabs.GetItemRect(1, &item));
  Click(&tabs, QPoint((item.left + item.right) / 2, (item.top + item.bottom) / 2));
  EXPECT_EQ(dlg.heard, (std::vector<Heard>{{"changing", 2}, {"change", 1}}));
  Forget();
  Click(&tabs, QPoint((item.left + item.right) / 2, (item.top + item.bottom) / 2));  // the current tab again
  EXPECT_TRUE(dlg.heard.empty());

  dlg.refuseTabChange = true;
  ASSERT_TRUE(tabs.GetItemRect(0, &item));
  Click(&tabs, QPoint((item.left + item.right) / 2, (item.top + item.bottom) / 2));
  EXPECT_EQ(dlg.heard, (std::vector<Heard>{{"changing", 1}}));
  EXPECT_EQ(tabs.GetCurSel(), 1);
  EXPECT_EQ(static_cast<QTabBar*>(tabs.GetSafeHwnd()->findChild<QTabBar*>())->currentIndex(), 1);

  dlg.refuseTabChange = false;
  FocusOn(kTabs);
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);  // already the last
  EXPECT_EQ(dlg.heard, (std::vector<Heard>{{"changing", 1}, {"change", 2}}));

  // The display area lies under the tab row, and the two conversions agree.
  CRect client;
  tabs.GetClientRect(&client);
  CRect display = client;
  tabs.AdjustRect(FALSE, &display);
  EXPECT_GE(display.top, item.bottom);
  EXPECT_LT(display.right, client.right);
  tabs.AdjustRect(TRUE, &display);
  EXPECT_EQ(display, client);

  std::string text;
  TCITEM get;
  get.pszText = &text;
  ASSERT_TRUE(tabs.GetItem(2, &get));
  EXPECT_EQ(text, "Zone");

  Forget();
  EXPECT_TRUE(tabs.DeleteAllItems());
  EXPECT_EQ(tabs.GetItemCount(), 0);
  EXPECT_EQ(tabs.GetCurSel(), -1);
  EXPECT_TRUE(dlg.heard.empty());
}

TEST_F(ExtControlTest, PagesMadeInTheTabControlAreAnnounced) {
  CDialog page;
  ASSERT_TRUE(page.Create(kPageId, &dlg.tabs));
  ASSERT_EQ(dlg.tabs.created.size(), 1u);
  EXPECT_EQ(LOWORD(dlg.tabs.created[0].first), WM_CREATE);
  EXPECT_EQ(dlg.tabs.created[0].second, page.GetSafeHwnd());
  page.DestroyWindow();
}

}  // namespace
