// Modal and modeless dialogs, their lifetimes, and templates in dialog units.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "ui_test_support.h"
#include "ui/wnd/fonts.h"

using namespace ui_test;

namespace {

constexpr UINT kModalId = 9401;
constexpr UINT kHostId = 9402;
constexpr UINT kPageId = 9403;
constexpr UINT kUnitsId = 9404;
constexpr int kName = 1201;
constexpr int kPageEdit = 1301;

void RegisterTemplates() {
  DialogTemplate modal;
  modal.id = kModalId;
  modal.caption = "Modal";
  modal.cx = 160;
  modal.cy = 80;
  modal.items = {dlg::EditText(kName, 4, 4, 80, 12), dlg::DefPushButton("OK", IDOK, 50, 60, 40, 14),
                 dlg::PushButton("Cancel", IDCANCEL, 100, 60, 40, 14)};
  RegisterDialogTemplate(modal);

  DialogTemplate host;
  host.id = kHostId;
  host.caption = "Host";
  host.style |= WS_VISIBLE;
  host.cx = 240;
  host.cy = 160;
  RegisterDialogTemplate(host);

  DialogTemplate page;
  page.id = kPageId;
  page.style = WS_CHILD | WS_VISIBLE;
  page.x = 10;
  page.y = 20;
  page.cx = 200;
  page.cy = 100;
  page.items = {dlg::EditText(kPageEdit, 4, 4, 60, 12)};
  RegisterDialogTemplate(page);
}

class CModalProbe : public CDialog {
 public:
  CModalProbe() : CDialog(kModalId) {}
  Log log;
  std::string name = "initial";
  int endInInit = 0;
  bool endOnOk = true;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (endInInit) EndDialog(endInInit);
    return TRUE;
  }
  void OnOK() override {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
    // The window is still there until this handler returns.
    log.push_back(std::string("after end: ") + (IsWindowVisible() ? "shown" : "hidden") + ", " +
                  GetDlgItemText(kName));
  }
  void OnCancel() override {
    log.push_back("cancel");
    CDialog::OnCancel();
  }

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, kName, name); }
  void OnShowWindow(BOOL bShow, UINT) { log.push_back(bShow ? "show" : "hide"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CModalProbe, CDialog)
  ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

class CPageProbe : public CDialog {
 public:
  CPageProbe() : CDialog(kPageId) {}
  Log log;
  CEdit edit;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    log.push_back("init");
    return FALSE;
  }

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kPageEdit, edit); }
  void OnShowWindow(BOOL bShow, UINT) { log.push_back(bShow ? "show" : "hide"); }
  void OnDestroy() { log.push_back("destroy"); }
  void PostNcDestroy() override { log.push_back("post nc destroy"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPageProbe, CDialog)
  ON_WM_SHOWWINDOW()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

// A modeless top-level dialog that deletes itself when its window goes.
class CSelfDeleting : public CDialog {
 public:
  explicit CSelfDeleting(bool* gone) : CDialog(kHostId), gone_(gone) {}

 protected:
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override {
    *gone_ = true;
    delete this;
  }

 private:
  bool* gone_;
};

class DialogTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterTemplates();
  }
};

TEST_F(DialogTest, EndDialogTakesEffectWhenTheHandlerHasReturned) {
  CModalProbe dlg;
  const INT_PTR result = RunModal(dlg, [&] {
    EXPECT_EQ(dlg.GetDlgItemText(kName), "initial");
    dlg.SetDlgItemText(kName, "typed");
    Click(dlg.GetDlgItem(IDOK), QPoint(8, 6));
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dlg.log, (Log{"show", "after end: shown, typed"}));
  EXPECT_EQ(dlg.name, "typed");
  EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

TEST_F(DialogTest, EndDialogDuringInitialisationNeverShowsTheWindow) {
  CModalProbe dlg;
  dlg.endInInit = 7;
  EXPECT_EQ(dlg.DoModal(), 7);
  EXPECT_TRUE(dlg.log.empty());
}

TEST_F(DialogTest, ClosingTheWindowIsCancel) {
  CModalProbe dlg;
  const INT_PTR result = RunModal(dlg, [&] { dlg.GetSafeHwnd()->close(); });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(dlg.log.back(), "cancel");
}

TEST_F(DialogTest, AMissingTemplateFailsWithoutAWindow) {
  CDialog missing(12345);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_FALSE(missing.Create(12345));
  EXPECT_EQ(missing.GetSafeHwnd(), nullptr);
}

TEST_F(DialogTest, APageObjectOutlivesItsWindowAndCanBeCreatedAgain) {
  CDialog host(kHostId);
  ASSERT_TRUE(host.Create(kHostId));
  CPageProbe page;
  ASSERT_TRUE(page.Create(kPageId, &host));
  EXPECT_EQ(page.log, (Log{"init", "show"}));
  EXPECT_EQ(page.GetParent(), &host);
  EXPECT_NE(page.edit.GetSafeHwnd(), nullptr);
  EXPECT_EQ(page.GetDlgItem(kPageEdit), &page.edit);

  // The page keeps the position of its template, in its own dialog units.
  CRect rect;
  page.GetWindowRect(&rect);
  host.ScreenToClient(&rect);
  const CSize units = page.GetBaseUnits();
  EXPECT_EQ(rect.left, MulDiv(10, units.cx, 4));
  EXPECT_EQ(rect.top, MulDiv(20, units.cy, 8));
  EXPECT_EQ(rect.Width(), MulDiv(200, units.cx, 4));

  page.log.clear();
  EXPECT_TRUE(page.DestroyWindow());
  EXPECT_EQ(page.log, (Log{"destroy", "post nc destroy"}));
  EXPECT_EQ(page.GetSafeHwnd(), nullptr);
  EXPECT_EQ(page.edit.GetSafeHwnd(), nullptr);
  EXPECT_FALSE(page.DestroyWindow());

  page.log.clear();
  ASSERT_TRUE(page.Create(kPageId, &host));
  EXPECT_EQ(page.log, (Log{"init", "show"}));
  EXPECT_NE(page.edit.GetSafeHwnd(), nullptr);
  page.MoveWindow(CRect(0, 0, 150, 90));
  page.GetClientRect(&rect);
  EXPECT_EQ(rect, CRect(0, 0, 150, 90));
  host.DestroyWindow();  // takes the page's window with it
  EXPECT_EQ(page.GetSafeHwnd(), nullptr);
  EXPECT_EQ(page.edit.GetSafeHwnd(), nullptr);
}

TEST_F(DialogTest, ASelfDeletingDialogGoesWithItsWindow) {
  bool gone = false;
  auto* dlg = new CSelfDeleting(&gone);
  ASSERT_TRUE(dlg->Create(kHostId));
  dlg->SendMessage(WM_CLOSE);  // Cancel comes after the close request
  EXPECT_FALSE(gone);
  Pump();
  EXPECT_TRUE(gone);
}

TEST(DialogUnits, ConvertWithTheFontsBaseUnitsRoundingToNearest) {
  EXPECT_EQ(MulDiv(394, 6, 4), 591);
  EXPECT_EQ(MulDiv(357, 13, 8), 580);  // 580.125
  EXPECT_EQ(MulDiv(5, 13, 8), 8);      // 8.125
  EXPECT_EQ(MulDiv(3, 6, 4), 5);       // 4.5 rounds up
  EXPECT_EQ(MulDiv(-3, 6, 4), -5);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(DialogUnitsToPixels(CRect(5, 29, 385, 351), CSize(6, 13)), CRect(8, 47, 578, 570));
}

TEST_F(DialogTest, TemplatesArePlacedInTheUnitsOfTheirFont) {
  if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) GTEST_SKIP() << "DejaVu Sans missing";
  // DejaVu Sans at 96 dpi: 7 pt gives 6 x 10 pixel base units, 8 pt 7 x 13.
  EXPECT_EQ(DialogBaseUnits(DialogFont({7, "DejaVu Sans", 400})), CSize(6, 10));
  EXPECT_EQ(DialogBaseUnits(DialogFont({8, "DejaVu Sans", 400})), CSize(7, 13));

  DialogTemplate t;
  t.id = kUnitsId;
  t.font = {8, "DejaVu Sans", 400};
  t.cx = 100;
  t.cy = 50;
  t.items = {dlg::EditText(1401, 10, 5, 40, 12), dlg::PushButton("OK", IDOK, 55, 30, 40, 14)};
  RegisterDialogTemplate(t);
  CDialog dlg(kUnitsId);
  ASSERT_TRUE(dlg.Create(kUnitsId));
  CRect client;
  dlg.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 175, 81));  // 100 x 7 / 4, 50 x 13 / 8
  const QRect edit = dlg.GetDlgItem(1401)->GetSafeHwnd()->geometry();
  EXPECT_EQ(edit, QRect(18, 8, 70, 20));
  const QRect ok = dlg.GetDlgItem(IDOK)->GetSafeHwnd()->geometry();
  EXPECT_EQ(ok, QRect(96, 49, 70, 23));
  CRect mapped(55, 30, 95, 44);
  dlg.MapDialogRect(&mapped);
  EXPECT_EQ(mapped, CRect(96, 49, 166, 72));
  dlg.DestroyWindow();
}

TEST_F(DialogTest, TheTemplateFaceIsDrawnInItsStandInAtTheSizesItHas) {
  // "MS Sans Serif" at 8 points: the stand-in face, with the original's dialog
  // base units at 96 dots per inch (6 x 13 pixels).
  const QFont dialog = DialogFont({8, "MS Sans Serif", 400});
  EXPECT_EQ(QFontInfo(dialog).family(), InstalledFamilyOf("MS Sans Serif"));
  EXPECT_EQ(QFontInfo(dialog).family(), QStringLiteral("Carlito"));
  EXPECT_EQ(DialogBaseUnits(dialog), CSize(6, 13));
  // Its smallest size is 8 points: the main dialog's 7 points give the same font.
  const QFont main = DialogFont({7, "MS Sans Serif", 700});
  EXPECT_EQ(QFontInfo(main).pointSize(), 8);
  EXPECT_TRUE(QFontInfo(main).bold());
  // Any other face keeps its size; a missing one falls back to a sans font,
  // a missing fixed-pitch one to a fixed-pitch font.
  const QFont other = DialogFont({7, "No Such Face", 400});
  EXPECT_EQ(QFontInfo(other).pointSize(), 7);
  EXPECT_FALSE(QFontInfo(other).family().isEmpty());
  const QFontMetrics fixed(FontOfFace("Courier New"));
  EXPECT_EQ(fixed.horizontalAdvance(QLatin1Char('i')), fixed.horizontalAdvance(QLatin1Char('W')));
  // Text is set letter by letter: no ligature swallows the "ti" of a caption.
  EXPECT_EQ(dialog.styleStrategy() & QFont::PreferNoShaping, QFont::PreferNoShaping);
}

}  // namespace
