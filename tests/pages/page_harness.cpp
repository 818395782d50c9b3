#include "page_harness.h"

#include <QPrinter>

#include "pages/register_pages.h"
#include "shell/print_sheets.h"
#include "ui/messages.h"

namespace page_test {

namespace {

constexpr UINT kHostId = 9711;

bool IsCombo(CWnd* w) { return w && w->GetSafeHwnd() && w->GetSafeHwnd()->inherits("QComboBox"); }

}  // namespace

bool CFakeHooks::QuerySaveChanges() {
  ++asked;
  if (answer) g_bModified = 0;  // Yes saves, No discards: either way nothing is unsaved
  return answer;
}

CHostDlg::CHostDlg() : CDialog(kHostId) {}

LRESULT CHostDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if ((message >= WM_REPEAT_STEP && message <= WM_SHOWPAGE_PASSPORT_TALKGROUP) || message == WM_COMMAND) {
    sent.push_back({message, wParam, lParam});
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

void PageHarness::SetUp() {
  WndTest::SetUp();
  RegisterVisibleDialog(kHostId, "Host", 390, 320, {});
  RegisterPagesAndSheets();
  SetMainDlgHooks(&hooks);
  TheModel().SetHost(&modelHost);
  LoadRadio();
  ASSERT_TRUE(host.Create(kHostId));
  ASSERT_TRUE(Activate(host));
}

void PageHarness::TearDown() {
  Close();
  host.DestroyWindow();
  SetMainDlgHooks(nullptr);
  TheModel().SetHost(nullptr);
  TheModel().ResetEditModel();
  g_bModified = 0;
  WndTest::TearDown();
}

void PageHarness::LoadRadio(Band band, std::uint8_t productionType) {
  CEditModel& m = TheModel();
  const std::string file =
      std::string(TQ_BINARY_DIR) + (band == Band::Uhf ? "/Data/DEFAULTUP.X417" : "/Data/DEFAULTVP.X417");
  ASSERT_EQ(m.LoadDataFile(file, TQ_BINARY_DIR), 1) << file;
  m.store.modelWord = (m.store.modelWord & 0xFF) | (std::uint32_t(productionType) << 8);
  m.image[3] = productionType;
  g_bModified = 0;
  prompts.Clear();
  if (FieldPage() && FieldPage()->GetSafeHwnd()) FieldPage()->UpdateControls();
}

CDialog& PageHarness::Open(UINT idd, int index) {
  Close();
  m_page = MakeRegisteredPage(idd);
  EXPECT_NE(m_page, nullptr) << "no page registered for " << idd;
  if (!m_page) throw std::runtime_error("no page");
  if (index < 0) index = pageIndex;
  if (auto* sub = dynamic_cast<IZoneSubPage*>(m_page.get()); sub && index >= 0) sub->SetPageIndex(index);
  EXPECT_TRUE(m_page->Create(idd, &host)) << idd;
  m_page->ShowWindow(SW_SHOW);
  Pump();
  return *m_page;
}

void PageHarness::Close() {
  if (m_page && m_page->GetSafeHwnd()) m_page->DestroyWindow();
  m_page.reset();
  Pump();
}

void PageHarness::FocusOn(int id) {
  CWnd* w = Page().GetDlgItem(id);
  ASSERT_NE(w, nullptr) << id;
  if (auto* dialog = dynamic_cast<CDialog*>(&Page())) dialog->GotoDlgCtrl(w);
  else w->SetFocus();
  ASSERT_TRUE(PumpUntil([&] {
    CWnd* f = CWnd::GetFocus();
    return f && f->GetDlgCtrlID() == id;
  })) << id;
}

void PageHarness::Choose(int id, int index) {
  CWnd* list = Page().GetDlgItem(id);
  ASSERT_TRUE(IsCombo(list)) << id;
  if (list->IsWindowVisible() && list->IsWindowEnabled()) {
    FocusOn(id);
    Key(Qt::Key_Home);
    for (int i = 0; i < index; ++i) Key(Qt::Key_Down);
  } else {
    list->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list->GetSafeHwnd()));
  }
  Pump();
}

void PageHarness::TypeInto(int id, const std::string& text) {
  FocusOn(id);
  Pump();  // the select-all posted on focus
  Type(text.c_str());
  Pump();
}

int PageHarness::Sel(int id) { return static_cast<int>(Page().SendDlgItemMessage(id, CB_GETCURSEL)); }

std::string PageHarness::Shown(int id) {
  CWnd* w = Page().GetDlgItem(id);
  if (!w) return {};
  if (!IsCombo(w)) return w->GetWindowText();
  std::string text;
  const WPARAM sel = static_cast<WPARAM>(w->SendMessage(CB_GETCURSEL));
  w->SendMessage(CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(&text));
  return text;
}

std::vector<std::string> PageHarness::Entries(int id) {
  std::vector<std::string> texts;
  CWnd* w = Page().GetDlgItem(id);
  if (!w) return texts;
  const bool combo = IsCombo(w);
  const auto count = static_cast<int>(w->SendMessage(combo ? CB_GETCOUNT : LB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    std::string& text = texts.emplace_back();
    w->SendMessage(combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text));
  }
  return texts;
}

bool PageHarness::Enabled(int id) {
  CWnd* w = Page().GetDlgItem(id);
  return w && w->IsWindowEnabled();
}

bool PageHarness::Checked(int id) { return Page().IsDlgButtonChecked(id) == BST_CHECKED; }

std::vector<std::uint8_t> PageHarness::Packed() {
  std::vector<std::uint8_t> img(TheModel().image.begin(), TheModel().image.end());
  EXPECT_EQ(TheModel().PackImage(img.data()), 1)
      << "the pack refused: " << (prompts.MessageTexts().empty() ? std::string() : prompts.MessageTexts().back());
  return img;
}

void PageHarness::ExpectImageDiff(const std::vector<std::uint8_t>& before, std::initializer_list<ImageBits> owned) {
  ExpectImageDiff(before, std::span<const ImageBits>(owned.begin(), owned.size()));
}

void PageHarness::ExpectImageDiff(const std::vector<std::uint8_t>& before, std::span<const ImageBits> owned) {
  const std::vector<std::uint8_t> after = Packed();
  ASSERT_EQ(before.size(), after.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    std::uint8_t allowed = 0;
    for (const ImageBits& b : owned) {
      if (b.offset == i) allowed |= b.mask;
    }
    const std::uint8_t diff = before[i] ^ after[i];
    EXPECT_EQ(diff & ~allowed, 0) << "image byte " << i << " changed bits " << std::hex << int(diff & ~allowed);
  }
}

void PageHarness::CheckImageFacts(std::span<const ImageFact> facts) {
  for (const ImageFact& f : facts) {
    SCOPED_TRACE(f.id);
    const Binding* b = FindBinding(FieldPage()->Bindings(), f.id);
    ASSERT_NE(b, nullptr);
    ASSERT_NE(b->list, nullptr);
    // From the last entry down, so that every step is a change.
    for (int k = static_cast<int>(b->list->size()) - 1; k >= 0; --k) {
      const auto before = Packed();
      Choose(f.id, k);
      const std::uint32_t maxCode = b->field.IsBits() ? b->field.bits.MaxCode() : ~0u;
      const int entity = EntityOf(*b, FieldPage()->BindingSet().Index());
      EXPECT_EQ(b->field.Get(TheModel(), entity), b->list->CodeAt(k) & maxCode);
      ExpectImageDiff(before, {{f.offset, f.mask}});
    }
  }
}

std::string PageHarness::PrintToPdf(int sheet) {
  const std::string pdf = m_dir.File("sheet" + std::to_string(sheet) + ".pdf");
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(paper));
  printer->setOutputFileName(QString::fromStdString(pdf));
  prompts.AnswerPrinter(printer);
  EXPECT_TRUE(PrintSheets(&host, sheet));
  m_sheetPages = print_test::PdfPageCount(pdf);
  m_sheetPdf = pdf;
  return pdf;
}

std::vector<print_test::PdfWord> PageHarness::SheetWords(int sheet) { return print_test::PdfWords(PrintToPdf(sheet)); }

std::string PageHarness::SheetText(int sheet) {
  return print_test::RunCommand("pdftotext -layout '" + PrintToPdf(sheet) + "' - 2>/dev/null");
}

}  // namespace page_test
