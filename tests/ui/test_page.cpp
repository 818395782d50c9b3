// The page framework: scrolling in real pixels against the reference page,
// the anchored tab control stretching only the page created last, the page
// pattern with real key presses (Enter and Esc swallowed, F1 to F7 left to
// the main dialog, Shift+F9 carried to it, the cells' field moves), and a
// sample page made of nothing but a template and tables, refreshed from the
// global settings record and committing choices into bits of its bytes.
#include <QImage>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

#include <tuple>
#include <vector>

#include "model/edit_model.h"
#include "ui/cells/color_label.h"
#include "ui/messages.h"
#include "ui/page/page.h"
#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kMainId = 9801, kPageId = 9802;
constexpr int kTabs = 1024, kEdit1 = 1001, kEdit2 = 1002, kLabel = 1010, kEdit3 = 1003, kCorner = 1021,
              kList = 1030;

void RegisterTemplates() {
  DialogTemplate m;
  m.id = kMainId;
  m.style |= WS_THICKFRAME;
  m.cx = 320;
  m.cy = 230;
  m.items = {dlg::Control("", kTabs, WC_TABCONTROL, WS_CHILD | WS_VISIBLE, 4, 4, 300, 210)};
  RegisterDialogTemplate(m);
  DialogTemplate p;
  p.id = kPageId;
  p.style = WS_CHILD | WS_VISIBLE;
  p.x = 2;
  p.y = 16;
  p.cx = 200;
  p.cy = 120;
  p.items = {dlg::EditText(kEdit1, 4, 12, 60, 12), dlg::EditText(kEdit2, 4, 28, 60, 12),
             dlg::LText("None", kLabel, 80, 12, 50, 10, SS_NOTIFY | WS_TABSTOP), dlg::EditText(kEdit3, 80, 28, 60, 12),
             dlg::DefPushButton("OK", IDOK, 140, 80, 50, 14), dlg::LText("corner", kCorner, 150, 110, 50, 10),
             dlg::ComboBox(kList, 4, 50, 60, 60)};
  RegisterDialogTemplate(p);
}

class CMainHost : public CDialog {
 public:
  CMainHost() : CDialog(kMainId) {}
  CAnchorTabCtrl tabs;
  std::vector<UINT> functionKeys;
  int romEditor = 0, oks = 0, cancels = 0;

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam >= VK_F1 && pMsg->wParam <= VK_F7) {
      functionKeys.push_back(static_cast<UINT>(pMsg->wParam));
      return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
  }
  void OnOK() override { ++oks; }
  void OnCancel() override { ++cancels; }

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    tabs.SubclassDlgItem(kTabs, this);
    return TRUE;
  }
  void OnRomEditor() { ++romEditor; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMainHost, CDialog)
  ON_COMMAND(ID_ROM_EDITOR, OnRomEditor)
END_MESSAGE_MAP()

// A page of the pattern with the grid cells' field moves mapped.
class CTestPage : public CScrollPage {
 public:
  explicit CTestPage(UINT id = kPageId) : CScrollPage(id) {}
  CColorLabel label;
  int oks = 0, cancels = 0, listChanges = 0;
  void OnOK() override { ++oks; }
  void OnCancel() override { ++cancels; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kLabel, label); }
  void OnListChange() { ++listChanges; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestPage, CScrollPage)
  ON_MESSAGE(WM_LABEL_TAB, OnNextField)
  ON_MESSAGE(WM_LABEL_BACKTAB, OnPrevField)
  ON_CBN_SELCHANGE(kList, OnListChange)
END_MESSAGE_MAP()

// A window's rectangle in its parent's client coordinates.
CRect InParent(CWnd& wnd) {
  CRect r;
  wnd.GetWindowRect(&r);
  wnd.GetParent()->ScreenToClient(&r);
  return r;
}

int FocusedId() {
  CWnd* f = CWnd::GetFocus();
  return f ? f->GetDlgCtrlID() : 0;
}

class PageTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplates();
    g_rcPage = CRect();
    g_bTakePageRef = 1;  // as the main dialog does while it initialises
    ASSERT_TRUE(main.Create(kMainId));
    ASSERT_TRUE(Activate(main));
  }
  void TearDown() override {
    main.DestroyWindow();
    g_rcPage = CRect();
    g_bTakePageRef = 0;
    WndTest::TearDown();
  }
  void FocusOn(CDialog& dlg, int id) {
    dlg.GotoDlgCtrl(dlg.GetDlgItem(id));
    ASSERT_TRUE(PumpUntil([&] { return FocusedId() == id; }));
  }

  CMainHost main;
};

// ---- scrolling ----------------------------------------------------------------------------------

class ScrollTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    ASSERT_TRUE(ref.Create(kPageId, &main.tabs));  // the first page: the reference
    W = g_rcPageRef.Width();
    H = g_rcPageRef.Height();
    ASSERT_TRUE(page.Create(kPageId, &main.tabs));
    origin = Corner();
    cx = GetSystemMetrics(SM_CXVSCROLL);
    cy = GetSystemMetrics(SM_CYHSCROLL);
    ASSERT_TRUE(W > 100 && cx > 0 && cy > 4 && cy < 40);
  }
  void Resize(int width, int height) {
    const CRect r = InParent(page);
    page.MoveWindow(r.left, r.top, width, height);
  }
  CPoint Corner() {
    CRect r;
    page.GetDlgItem(kCorner)->GetWindowRect(&r);
    page.ScreenToClient(&r);
    return r.TopLeft();
  }
  // How far the content has moved from where the template put it.
  CPoint Moved() { return {Corner().x - origin.x, Corner().y - origin.y}; }
  // The positions and maxima of both bars.
  std::vector<int> Bars() {
    int lo = 0, hmax = 0, vmax = 0;
    page.GetScrollRange(CScrollPage::SB_HORZ, &lo, &hmax);
    page.GetScrollRange(CScrollPage::SB_VERT, &lo, &vmax);
    return {page.GetScrollPos(CScrollPage::SB_HORZ), hmax, page.GetScrollPos(CScrollPage::SB_VERT), vmax};
  }
  void HS(UINT code, UINT pos = 0) { page.SendMessage(WM_HSCROLL, MAKEWPARAM(code, pos), 0); }
  void VS(UINT code) { page.SendMessage(WM_VSCROLL, MAKEWPARAM(code, 0), 0); }

  CTestPage ref, page;
  int W = 0, H = 0, cx = 0, cy = 0;
  CPoint origin;
};

TEST_F(ScrollTest, LargerThanTheReferenceGivesNegativeRangesAndNothingToScroll) {
  Resize(W + 30, H + 30);
  EXPECT_EQ(page.GetHorzRange(), -3);  // -30 / 8, truncated toward zero
  EXPECT_EQ(page.GetVertRange(), -7);
  HS(SB_RIGHT);
  VS(SB_PAGEDOWN);
  EXPECT_EQ(Bars(), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(Moved(), CPoint(0, 0));
  EXPECT_FALSE(page.IsScrollBarShown(CScrollPage::SB_HORZ) || page.IsScrollBarShown(CScrollPage::SB_VERT));
}

TEST_F(ScrollTest, TwentyPixelsNarrowerScrollsTwoColumnsOfEightPixels) {
  Resize(W - 20, H + 40);  // tall enough that the horizontal bar costs no row
  EXPECT_EQ(Bars(), (std::vector<int>{0, 2, 0, 0}));
  HS(SB_LINERIGHT);
  EXPECT_EQ(Moved(), CPoint(-8, 0));
  HS(SB_PAGERIGHT);  // 8 columns, clamped
  EXPECT_EQ(Moved(), CPoint(-16, 0));
  HS(SB_THUMBTRACK, 1);
  HS(SB_THUMBPOSITION, 2);
  EXPECT_EQ(Bars(), (std::vector<int>{1, 2, 0, 0}));
  HS(SB_LEFT);
  EXPECT_EQ(Moved(), CPoint(0, 0));

  // A click on the bar's right arrow is a line step; the bar lies along the bottom.
  QScrollBar* bar = nullptr;
  for (QScrollBar* s : page.GetSafeHwnd()->findChildren<QScrollBar*>()) {
    if (s->orientation() == Qt::Horizontal) bar = s;
  }
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->geometry(), QRect(0, H + 40 - cy, W - 20, cy));
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() - 4, bar->height() / 2));
  EXPECT_EQ(Moved(), CPoint(-8, 0));
}

TEST_F(ScrollTest, AVerticalPageStepGoesToTheEnd) {
  Resize(W + 40, H - 40);
  VS(SB_PAGEDOWN);
  EXPECT_EQ(Bars(), (std::vector<int>{0, 0, 10, 10}));
  EXPECT_EQ(Moved(), CPoint(0, -40));
  VS(SB_PAGEUP);
  VS(SB_LINEDOWN);
  EXPECT_EQ(Moved(), CPoint(0, -4));
}

TEST_F(ScrollTest, TheBarsTakeTheirRoomFromTheClientAreaAndTheGripSitsInItsCorner) {
  // Narrower only: the horizontal bar costs rows, so a vertical bar follows,
  // which costs columns in turn.
  Resize(W - 20, H);
  EXPECT_EQ(page.GetVertRange(), cy / 4);
  EXPECT_EQ(page.GetHorzRange(), (20 + cx) / 8);
  CRect client;
  page.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, W - 20 - cx, H - cy));
  CWnd* grip = page.GetDlgItem(static_cast<int>(IDC_PAGE_SIZEGRIP));
  ASSERT_NE(grip, nullptr);
  EXPECT_FALSE(grip->IsWindowVisible());
  EXPECT_EQ(InParent(*grip).BottomRight(), client.BottomRight());
  EXPECT_EQ(grip->SendMessage(WM_NCHITTEST), HTBOTTOMRIGHT);
  // The corner between the two bars is the page's face: nothing of the content
  // (here a red panel under every control) shows through.
  QWidget content(page.GetSafeHwnd());
  content.setGeometry(0, 0, W, H);
  content.setAutoFillBackground(true);
  QPalette red = content.palette();
  red.setColor(QPalette::Window, Qt::red);
  content.setPalette(red);
  content.lower();
  content.show();
  const QImage shot = page.GetSafeHwnd()->grab().toImage();
  const QColor face = page.GetSafeHwnd()->palette().color(QPalette::Window);
  for (int x = client.right; x < client.right + cx; ++x) {
    for (int y = client.bottom; y < client.bottom + cy; ++y) ASSERT_EQ(shot.pixelColor(x, y), face) << x << "," << y;
  }
}

TEST_F(ScrollTest, AResizeAndANewWindowStartAtTheOrigin) {
  Resize(W - 40, H - 40);
  HS(SB_RIGHT);
  VS(SB_BOTTOM);
  ASSERT_NE(Moved(), CPoint(0, 0));
  Resize(W - 12, H + 40);
  EXPECT_EQ(Moved(), CPoint(0, 0));
  EXPECT_EQ(Bars(), (std::vector<int>{0, 1, 0, 0}));

  HS(SB_RIGHT);
  page.DestroyWindow();
  ASSERT_TRUE(page.Create(kPageId, &main.tabs));
  EXPECT_EQ(Moved(), CPoint(0, 0));
  EXPECT_EQ(Bars(), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(g_rcPageRef, CRect(0, 0, W, H));  // taken once
}

TEST_F(ScrollTest, AScrollControlOnThePageDoesNotScrollIt) {
  Resize(W - 20, H + 40);
  CScrollBar other;
  ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 60, 12), &page, 1500));
  page.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(other.GetSafeHwnd()));
  EXPECT_EQ(Moved(), CPoint(0, 0));
}

// One notch of the wheel turned over a control, as the mouse delivers it
// (it goes on to the parents while nothing takes it).
void Wheel(CWnd* over, int notches, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QWidget* w = over->GetSafeHwnd();
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QWheelEvent wheel(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, mods,
                    Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&wheel);  // from the mouse: it may go on to the parents
  QApplication::instance()->notify(w, &wheel);
}

TEST_F(ScrollTest, TheWheelScrollsThePageAndChangesAListOnlyWhileItHasTheFocus) {
  Resize(W - 60, H - 60);
  CComboBox* list = static_cast<CComboBox*>(page.GetDlgItem(kList));
  for (const char* text : {"Disable", "Enable", "Middle", "High"}) list->AddString(text);
  list->SetCurSel(1);
  FocusOn(page, kEdit1);

  Wheel(list, -1);  // down, over the list without the focus: the page moves
  EXPECT_EQ(list->GetCurSel(), 1);
  EXPECT_EQ(page.listChanges, 0);
  EXPECT_EQ(Moved(), CPoint(0, -4 * CScrollPage::kWheelRows));
  Wheel(page.GetDlgItem(kLabel), 1);  // up, over a label
  EXPECT_EQ(Moved(), CPoint(0, 0));
  Wheel(page.GetDlgItem(kEdit2), -1, Qt::ShiftModifier);  // sideways
  EXPECT_EQ(Moved(), CPoint(-8 * CScrollPage::kWheelColumns, 0));
  Wheel(page.GetDlgItem(kEdit2), -100);  // far down: to the end of the range and no further
  EXPECT_EQ(Bars()[2], Bars()[3]);

  // With the focus the list takes the wheel, and the page stays.
  FocusOn(page, kList);
  const CPoint before = Moved();
  Wheel(list, -1);
  EXPECT_EQ(list->GetCurSel(), 2);
  EXPECT_EQ(page.listChanges, 1);
  EXPECT_EQ(Moved(), before);
}

TEST_F(PageTest, AListWithTheFocusShowsItsTextSelected) {
  CTestPage page;
  ASSERT_TRUE(page.Create(kPageId, &main.tabs));
  CComboBox* list = static_cast<CComboBox*>(page.GetDlgItem(kList));
  list->AddString("Enable");
  list->SetCurSel(0);
  QWidget* w = list->GetSafeHwnd();
  const QRgb highlight = w->palette().color(QPalette::Highlight).rgb();
  auto highlighted = [&] {
    const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == highlight;
    }
    return n;
  };
  FocusOn(page, kEdit1);
  EXPECT_LT(highlighted(), w->width());  // at most a thin outline
  FocusOn(page, kList);
  EXPECT_GT(highlighted(), w->width() * w->height() / 4);  // the text field is filled
  FocusOn(page, kEdit1);
  EXPECT_LT(highlighted(), w->width());
  page.DestroyWindow();
}

TEST_F(PageTest, TheTabControlStretchesOnlyThePageCreatedLast) {
  CTestPage a, b;
  ASSERT_TRUE(a.Create(kPageId, &main.tabs));
  const CRect aRect = InParent(a);
  ASSERT_TRUE(b.Create(kPageId, &main.tabs));
  b.MoveWindow(aRect.left + 3, aRect.top + 5, aRect.Width(), aRect.Height());
  const CRect bRect = InParent(b);
  ASSERT_EQ(main.tabs.Items().GetSize(), 1);
  EXPECT_EQ(main.tabs.Items()[0].hWnd, b.GetSafeHwnd());

  // b keeps its top-left corner and the right and bottom margins it was
  // created with; its own size handler gives it the 3 columns it lacks.
  const CRect tabs = InParent(main.tabs);
  main.tabs.MoveWindow(tabs.left, tabs.top, tabs.Width() - 24, tabs.Height() + 40);
  const CRect stretched(bRect.left, bRect.top, aRect.right - 24, aRect.bottom + 40);
  EXPECT_EQ(InParent(b), stretched);
  EXPECT_EQ(InParent(a), aRect);
  EXPECT_EQ(b.GetHorzRange(), 3);

  b.MoveWindow(bRect);
  main.tabs.SendMessage(WM_SIZE, SIZE_MAXIMIZED, 0);
  EXPECT_EQ(InParent(b), bRect);
  main.tabs.SendMessage(WM_SIZE, SIZE_RESTORED, 0);
  EXPECT_EQ(InParent(b), stretched);

  // With g_rcPage set, a new page's margins come from it; a page gone is no longer moved.
  CRect client;
  main.tabs.GetClientRect(&client);
  g_rcPage = CRect(4, 30, client.right - 10, client.bottom - 6);
  b.DestroyWindow();
  ASSERT_TRUE(b.Create(kPageId, &main.tabs));
  b.MoveWindow(g_rcPage);
  a.DestroyWindow();
  main.tabs.MoveWindow(tabs);
  EXPECT_EQ(InParent(b), CRect(4, 30, tabs.Width() - 10, tabs.Height() - 6));
}

// ---- the page pattern --------------------------------------------------------------------------

TEST_F(PageTest, EnterAndEscAreSwallowedAndFunctionKeysGoToTheMainDialog) {
  CTestPage page;
  ASSERT_TRUE(page.Create(kPageId, &main.tabs));
  FocusOn(page, kEdit1);
  Key(Qt::Key_Return);  // would press the page's OK button
  Key(Qt::Key_Escape);  // would cancel (hide) the page
  EXPECT_EQ(page.oks + page.cancels + main.oks + main.cancels, 0);
  EXPECT_TRUE(page.IsWindowVisible());

  for (Qt::Key k : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7}) Key(k);
  EXPECT_EQ(main.functionKeys, (std::vector<UINT>{VK_F1, VK_F1 + 1, VK_F1 + 2, VK_F1 + 3, VK_F1 + 4, VK_F1 + 5,
                                                  VK_F1 + 6}));
  Key(Qt::Key_F9, Qt::ShiftModifier);  // the accelerator; its command goes on to the main dialog
  Key(Qt::Key_F9);
  EXPECT_EQ(main.romEditor, 1);

  Key(Qt::Key_Tab);  // the rest meets the dialog keyboard
  EXPECT_EQ(FocusedId(), kEdit2);
  FocusOn(page, kLabel);
  Key(Qt::Key_Tab);  // WM_LABEL_TAB -> OnNextField
  EXPECT_EQ(FocusedId(), kEdit3);
  FocusOn(page, kLabel);
  Key(Qt::Key_Tab, Qt::ShiftModifier);  // WM_LABEL_BACKTAB -> OnPrevField
  EXPECT_EQ(FocusedId(), kEdit2);
  page.DestroyWindow();
}

// ---- a sample field page ------------------------------------------------------------------------

constexpr UINT kSampleId = 9803;
constexpr int kPowerOnTone = 1039, kControlTones = 1040, kOffHookHorn = 1055, kResumeTime = 1060, kMicSense = 1033,
              kWide = 1041;

// Lists of the sample page's own: a bit, an inverted bit, a nibble's sixteen
// steps, and whole-byte codes.
constexpr Choice kOffOn[] = {{"Off", 0}, {"On", 1}};
constexpr ChoiceList kOffOnList{kOffOn, 0};
constexpr Choice kOnOff[] = {{"On", 0}, {"Off", 1}};
constexpr ChoiceList kOnOffList{kOnOff, 0};
constexpr Choice kSteps[] = {{"s0", 0},   {"s1", 1},   {"s2", 2},   {"s3", 3},  {"s4", 4},   {"s5", 5},
                             {"s6", 6},   {"s7", 7},   {"s8", 8},   {"s9", 9},  {"s10", 10}, {"s11", 11},
                             {"s12", 12}, {"s13", 13}, {"s14", 14}, {"s15", 15}};
constexpr ChoiceList kStepList{kSteps, 3};
constexpr Choice kByteCodes[] = {{"b253", 253}, {"b160", 160}, {"b113", 113}, {"b80", 80}, {"b57", 57}, {"b25", 25}};
constexpr ChoiceList kByteList{kByteCodes, 0};
// A list whose second code is wider than its field's two bits.
constexpr Choice kWideCodes[] = {{"one", 1}, {"seven", 7}};
constexpr ChoiceList kWideList{kWideCodes, 0};

template <auto Byte>
constexpr BitField Global(std::uint8_t mask) {
  return Bits<&CEditModel::global, Byte>(mask);
}
const Binding kSampleBindings[] = {
    Combo(kPowerOnTone, Global<&CGlobalSettings::byte185>(0x10), kOffOnList),
    Combo(kControlTones, Global<&CGlobalSettings::byte185>(0x08), kOffOnList),
    Combo(kOffHookHorn, Global<&CGlobalSettings::byte185>(0x20), kOnOffList),
    Combo(kResumeTime, Global<&CGlobalSettings::byte183>(0x0F), kStepList),
    Combo(kMicSense, Global<&CGlobalSettings::byte222>(0xFF), kByteList),
    Combo(kWide, Global<&CGlobalSettings::byte186>(0x30), kWideList),
};

void RegisterSample() {
  DialogTemplate t;
  t.id = kSampleId;
  t.style = WS_CHILD | WS_VISIBLE;
  t.cx = 200;
  t.cy = 120;
  int y = 4;
  for (const Binding& b : kSampleBindings) {
    t.items.push_back(dlg::ComboBox(b.id, 70, y, 70, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP));
    y += 16;
  }
  RegisterDialogTemplate(t);
}

class SamplePageTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    RegisterSample();
    CGlobalSettings& g = TheModel().global;
    saved = {g.byte183, g.byte185, g.byte186, g.byte222, g_bModified};
    g.byte183 = 0x35;  // the high nibble is the TX resume time, not this page's
    g.byte185 = 0x90;  // bit 7 Off Hook Scan, bit 4 Power on Tone
    g.byte186 = 0x85;
    g.byte222 = 100;   // no code of the microphone list
    g_bModified = 0;
    ASSERT_TRUE(page.Create(kSampleId, &main.tabs));
  }
  void TearDown() override {
    page.DestroyWindow();
    CGlobalSettings& g = TheModel().global;
    std::tie(g.byte183, g.byte185, g.byte186, g.byte222, g_bModified) = saved;
    PageTest::TearDown();
  }
  std::string Shown(int id) {
    std::string text;
    const WPARAM sel = static_cast<WPARAM>(page.SendDlgItemMessage(id, CB_GETCURSEL));
    page.SendDlgItemMessage(id, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(&text));
    return text;
  }
  std::vector<std::string> AllShown() {
    std::vector<std::string> shown;
    for (const Binding& b : kSampleBindings) shown.push_back(Shown(b.id));
    return shown;
  }
  void Choose(int id, Qt::Key key) {
    FocusOn(page, id);
    Key(key);
  }
  bool CommitOf(int id) { return page.BindingSet().Commit(*FindBinding(kSampleBindings, id)); }

  CFieldPage page{kSampleId, kSampleBindings};
  std::tuple<std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t, std::uint32_t> saved;
};

// (That a choice stores its code under its mask and marks the data changed,
// and that every code shows its entry or the list's default, is the binding
// contract's, over every real field page.)
TEST_F(SamplePageTest, AWideCodeKeepsTheBitsOutsideTheMaskAndShowingAgainRefreshesQuietly) {
  // A code wider than the field keeps every bit outside the mask (and reads back as 3,
  // which the list does not have).
  Choose(kWide, Qt::Key_Down);
  EXPECT_EQ(TheModel().global.byte186, 0xB5);

  // The record changes elsewhere (a file load, a radio read): the next showing shows it.
  TheModel().global.byte185 = 0x20;
  TheModel().global.byte183 = 0xFF;
  g_bModified = 0;
  page.ShowWindow(SW_HIDE);
  page.ShowWindow(SW_SHOW);
  EXPECT_EQ(AllShown(), (std::vector<std::string>{"Off", "Off", "Off", "s15", "b253", "one"}));
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_EQ(TheModel().global.byte183, 0xFF);
}

TEST_F(SamplePageTest, NoSelectionOrAnEntryBeyondTheListStoresNothing) {
  page.SendDlgItemMessage(kPowerOnTone, CB_SETCURSEL, static_cast<WPARAM>(-1));
  EXPECT_FALSE(CommitOf(kPowerOnTone));
  CWnd* combo = page.GetDlgItem(kControlTones);
  combo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Extra"));
  combo->SendMessage(CB_SETCURSEL, 2);
  EXPECT_FALSE(CommitOf(kControlTones));
  EXPECT_EQ(TheModel().global.byte185, 0x90);
  EXPECT_EQ(g_bModified, 0u);
}

}  // namespace
