// The colour pass, WM_PAINT and RedrawWindow: a control asks its parent (and
// through it, itself) for its colours before it paints; a parent may enable or
// disable cells while it answers; nothing repaints for ever.
#include <QLabel>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>

#include "ui_test_support.h"

using namespace ui_test;

namespace {

constexpr UINT kDialogId = 9711;
constexpr int kCell = 1001, kLabel = 1002, kOwnColours = 1003, kPlain = 1004, kSelfPaint = 1005;

void RegisterTemplates() {
  RegisterVisibleDialog(kDialogId, "Colours", 200, 120,
                        {dlg::EditText(kCell, 4, 4, 60, 12), dlg::LText("Label", kLabel, 4, 20, 60, 10, SS_NOTIFY),
                         dlg::EditText(kOwnColours, 4, 34, 60, 12), dlg::EditText(kPlain, 4, 50, 60, 12),
                         dlg::LText("", kSelfPaint, 80, 4, 40, 40), dlg::PushButton("OK", IDOK, 140, 100, 50, 14)});
}

// A label that answers its own colour request, as the grid cells do.
class CSelfColouredLabel : public CStatic {
 public:
  CSelfColouredLabel() { m_brush.CreateSolidBrush(GetSysColor(COLOR_BTNFACE)); }
  COLORREF m_text = RGB(0, 0, 0);
  void SetTextColor(COLORREF c) {
    m_text = c;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }

 protected:
  HBRUSH CtlColor(CDC* pDC, UINT) {
    pDC->SetTextColor(m_text);
    pDC->SetBkMode(TRANSPARENT);
    return m_brush;
  }
  DECLARE_MESSAGE_MAP()

 private:
  CBrush m_brush;
};
BEGIN_MESSAGE_MAP(CSelfColouredLabel, CStatic)
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// A window that paints itself.
class CSelfPainted : public CWnd {
 public:
  bool paintItself = true;
  int paints = 0;

 protected:
  void OnPaint() {
    ++paints;
    if (!paintItself) {
      Default();
      return;
    }
    CPaintDC dc(this);
    CRect r;
    GetClientRect(&r);
    dc.FillSolidRect(r, RGB(0, 0, 255));
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelfPainted, CWnd)
  ON_WM_PAINT()
END_MESSAGE_MAP()

// A page that colours and enables its cell by its data at every paint.
class CColourPage : public CDialog {
 public:
  CColourPage() : CDialog(kDialogId) {
    m_grey.CreateSolidBrush(RGB(0xC0, 0xC0, 0xC0));
    m_white.CreateSolidBrush(RGB(255, 255, 255));
  }
  bool cellInUse = true;
  bool redrawWhileAnswering = false;
  bool markPlain = false;  // the plain cell is coloured only while this is set
  COLORREF labelTextSeen = 0xFFFFFFFF;
  std::vector<UINT> kinds;  // the kinds of request about the cell
  CSelfColouredLabel label;
  CSelfPainted selfPainted;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kLabel, label);
    DDX_Control(pDX, kSelfPaint, selfPainted);
  }
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);  // the control's own answer first
    const int id = pWnd->GetDlgCtrlID();
    if (id == kLabel) labelTextSeen = pDC->GetTextColor();
    if (id == kPlain && markPlain) {
      pDC->SetTextColor(RGB(255, 0, 0));
      return m_grey;
    }
    if (id != kCell) return brush;
    kinds.push_back(nCtlColor);
    pWnd->EnableWindow(cellInUse);
    if (redrawWhileAnswering) pWnd->RedrawWindow();
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 128));
    return cellInUse ? m_white : m_grey;
  }
  DECLARE_MESSAGE_MAP()

 private:
  CBrush m_grey;
  CBrush m_white;
};
BEGIN_MESSAGE_MAP(CColourPage, CDialog)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class ColourPassTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplates();
    ASSERT_TRUE(page.Create(kDialogId));
    ASSERT_TRUE(Activate(page));
    Pump(20);
  }
  void TearDown() override {
    page.DestroyWindow();
    WndTest::TearDown();
  }
  QWidget* W(int id) { return page.GetDlgItem(id)->GetSafeHwnd(); }
  // Paints until nothing more is pending; the number of paints it took.
  int Settle(PaintCounter& counter) {
    const int before = counter.paints;
    for (int i = 0; i < 10; ++i) Pump(10);
    return counter.paints - before;
  }

  CColourPage page;
};

TEST_F(ColourPassTest, ThePageColoursAndDisablesACellWithoutARepaintLoop) {
  QWidget* cell = W(kCell);
  PaintCounter counter(cell);
  EXPECT_EQ(cell->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 255));
  EXPECT_EQ(cell->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 128));
  EXPECT_FALSE(page.kinds.empty());
  EXPECT_EQ(page.kinds.back(), CTLCOLOR_EDIT);

  page.cellInUse = false;
  page.GetDlgItem(kCell)->RedrawWindow();
  const int paints = Settle(counter);
  EXPECT_FALSE(page.GetDlgItem(kCell)->IsWindowEnabled());
  EXPECT_EQ(cell->palette().color(QPalette::Disabled, QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(page.kinds.back(), CTLCOLOR_STATIC);  // a disabled edit asks as a static
  EXPECT_GE(paints, 1);
  EXPECT_LE(paints, 4);
  EXPECT_EQ(Settle(counter), 0);  // and then it is quiet

  // Back in use; a handler that also asks for a redraw while answering does not loop.
  page.cellInUse = true;
  page.redrawWhileAnswering = true;
  page.GetDlgItem(kCell)->RedrawWindow();
  EXPECT_LE(Settle(counter), 4);
  EXPECT_TRUE(page.GetDlgItem(kCell)->IsWindowEnabled());
  EXPECT_EQ(Settle(counter), 0);

  // What the pass applied is what the screen shows.
  const QImage image = cell->grab().toImage();
  EXPECT_EQ(image.pixelColor(cell->width() / 2, cell->height() - 3), QColor(255, 255, 255));
}

TEST_F(ColourPassTest, TheControlsOwnAnswerComesFirstAndIsApplied) {
  QWidget* label = W(kLabel);
  page.label.SetTextColor(RGB(255, 0, 0));  // redraws at once
  EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(page.labelTextSeen, RGB(255, 0, 0));  // the page saw the label's colour already set
  const QImage image = label->grab().toImage();
  EXPECT_EQ(image.pixelColor(label->width() - 2, label->height() - 2), ToQColor(GetSysColor(COLOR_BTNFACE)));
  page.label.SetTextColor(RGB(0, 0, 0));
  EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(ColourPassTest, ControlsLeftToTheDefaultsKeepTheirOwnLook) {
  // A control that colours itself by other means is not repainted in the
  // system colours by a pass that brings nothing but the defaults.
  QWidget* own = W(kOwnColours);
  QPalette p = own->palette();
  p.setColor(QPalette::Base, QColor(255, 255, 225));
  own->setPalette(p);
  page.GetDlgItem(kOwnColours)->RedrawWindow();
  Pump(10);
  EXPECT_EQ(own->palette().color(QPalette::Base), QColor(255, 255, 225));
  EXPECT_TRUE(page.GetDlgItem(kPlain)->IsWindowEnabled());
}

TEST_F(ColourPassTest, ACellColouredOnlyInSomeStatesGetsItsOwnColoursBack) {
  QWidget* plain = W(kPlain);
  const QColor base = plain->palette().color(QPalette::Active, QPalette::Base);
  const QColor text = plain->palette().color(QPalette::Active, QPalette::Text);
  page.markPlain = true;
  page.GetDlgItem(kPlain)->RedrawWindow();
  Pump(10);
  EXPECT_EQ(plain->palette().color(QPalette::Active, QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(plain->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
  page.markPlain = false;
  page.GetDlgItem(kPlain)->RedrawWindow();
  Pump(10);
  EXPECT_EQ(plain->palette().color(QPalette::Active, QPalette::Base), base);
  EXPECT_EQ(plain->palette().color(QPalette::Active, QPalette::Text), text);
}

TEST_F(ColourPassTest, AReadOnlyEditShowsTheDialogFaceAndAnEditableOneTheWindowColour) {
  QWidget* plain = W(kPlain);
  const QColor window = plain->palette().color(QPalette::Base);
  auto middle = [plain] { return plain->grab().toImage().pixelColor(plain->width() / 2, plain->height() / 2); };
  static_cast<CEdit*>(page.GetDlgItem(kPlain))->SetReadOnly(TRUE);
  page.GetDlgItem(kPlain)->RedrawWindow();
  EXPECT_EQ(middle(), ToQColor(GetSysColor(COLOR_BTNFACE)));
  static_cast<CEdit*>(page.GetDlgItem(kPlain))->SetReadOnly(FALSE);
  page.GetDlgItem(kPlain)->RedrawWindow();
  EXPECT_EQ(middle(), window);
}

TEST_F(ColourPassTest, AWindowWithAPaintHandlerPaintsItself) {
  QWidget* w = W(kSelfPaint);
  QImage image = w->grab().toImage();
  EXPECT_EQ(image.pixelColor(w->width() / 2, w->height() / 2), QColor(0, 0, 255));
  EXPECT_GT(page.selfPainted.paints, 0);

  page.selfPainted.paintItself = false;  // only the default processing: the label paints as usual
  image = w->grab().toImage();
  EXPECT_NE(image.pixelColor(w->width() / 2, w->height() / 2), QColor(0, 0, 255));
  // A paint DC made outside a paint draws nothing and does no harm.
  CPaintDC outside(&page.selfPainted);
  EXPECT_EQ(outside.GetPainter(), nullptr);
}

// What the layer's own controls draw: a check box's focus mark however the
// focus came, a disabled box fainter than an enabled one, and a static's
// ideographic space as a blank.
TEST(DrawnControls, CheckBoxFocusAndDisabledLookAndBlanksInStatics) {
  ui_test::EnsureApp();
  constexpr UINT kId = 9712;
  constexpr int kOn = 1001, kOff = 1002, kOnDisabled = 1003, kOffDisabled = 1004, kWide = 1005, kPlainBlank = 1006;
  RegisterVisibleDialog(kId, "Drawn", 120, 80,
                        {dlg::AutoCheckBox("", kOn, 4, 4, 12, 10), dlg::AutoCheckBox("", kOff, 20, 4, 12, 10),
                         dlg::AutoCheckBox("", kOnDisabled, 36, 4, 12, 10, WS_DISABLED),
                         dlg::AutoCheckBox("", kOffDisabled, 52, 4, 12, 10, WS_DISABLED),
                         dlg::LText("AF\u3000level", kWide, 4, 20, 60, 10), dlg::LText("AF level", kPlainBlank, 4, 32, 60, 10),
                         dlg::PushButton("OK", IDOK, 60, 60, 50, 14)});
  CDialog dialog(kId);
  ASSERT_TRUE(dialog.Create(kId));
  ASSERT_TRUE(Activate(dialog));
  for (int id : {kOn, kOnDisabled}) dialog.GetDlgItem(id)->SendMessage(BM_SETCHECK, BST_CHECKED);
  auto image = [&](int id) { return dialog.GetDlgItem(id)->GetSafeHwnd()->grab().toImage(); };
  auto darkest = [&](int id) {
    const QImage i = image(id);
    int dark = 255;
    for (int y = 0; y < i.height(); ++y) {
      for (int x = 0; x < i.width(); ++x) dark = std::min(dark, qGray(i.pixel(x, y)));
    }
    return dark;
  };
  // Frame and mark of a disabled box are lighter than an enabled one's.
  EXPECT_GT(darkest(kOffDisabled), darkest(kOff));
  EXPECT_GT(darkest(kOnDisabled), darkest(kOn));

  dialog.GetDlgItem(kOff)->SetFocus();
  const QImage unfocused = image(kOn);
  dialog.GetDlgItem(kOn)->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == dialog.GetDlgItem(kOn); }));
  EXPECT_NE(image(kOn), unfocused);

  EXPECT_EQ(dialog.GetDlgItem(kWide)->GetWindowText(), "AF\u3000level");  // the text stays as written
  EXPECT_EQ(image(kWide), image(kPlainBlank));
  dialog.DestroyWindow();
}

}  // namespace

namespace {

TEST(Fonts, PointFontsAndTheirFallbacks) {
  ui_test::EnsureApp();
  // The About title: the dialog font made bold at 15 points.
  LOGFONT lf = GetStockLogFont(DEFAULT_GUI_FONT);
  EXPECT_EQ(lf.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(lf.lfHeight, -11);
  lf.lfWeight = FW_BOLD;
  lf.lfHeight = 150;
  CFont title;
  ASSERT_TRUE(title.CreatePointFontIndirect(&lf));
  EXPECT_FALSE(title.CreatePointFontIndirect(&lf));  // once, until deleted
  EXPECT_EQ(title.GetQFont().pointSizeF(), 15.0);
  EXPECT_TRUE(title.GetQFont().bold());
  LOGFONT back;
  ASSERT_EQ(title.GetLogFont(&back), 1);
  EXPECT_EQ(back.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(back.lfWeight, FW_BOLD);
  // A fixed-pitch face that is not installed falls back to a monospace font.
  CFont dump;
  ASSERT_TRUE(dump.CreatePointFont(80, "Courier New"));
  const QFontInfo info(dump.GetQFont());
  EXPECT_TRUE(info.fixedPitch() || !QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).fixedPitch());
  EXPECT_TRUE(title.DeleteObject());
  EXPECT_EQ(title.GetLogFont(&back), 0);
}

}  // namespace
