// The one harness of the page tests: a page made through the page registry in
// an offscreen host window that plays the main dialog, driven by real keys and
// clicks, with the records loaded from a band's default data file. It captures
// the model's messages and beeps (through the scripted prompt service), the
// messages the page sends to the main dialog, and prints sheets through the
// real print dispatch into a PDF that it reads back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include <QPageSize>

#include "model/edit_model.h"
#include "ui/page/field_page.h"
#include "ui/page/page_registry.h"
#include "ui/test_print_support.h"
#include "ui/ui_test_support.h"

namespace page_test {

using namespace ui_test;

// The main dialog's services as a test sets them.
class CFakeHooks : public IMainDlgHooks {
 public:
  bool answer = true;  // the save prompt's answer
  bool modeM = false;
  int asked = 0;
  std::string folder = TQ_BINARY_DIR;  // where Data/ lies
  bool QuerySaveChanges() override;
  std::string StartFolder() override { return folder; }
  bool IsModeM() const override { return modeM; }
};

// The main dialog's stand-in: it records the program's own messages (model
// name, page switches) and the commands the page sends it.
class CHostDlg : public CDialog {
 public:
  struct Sent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  CHostDlg();
  std::vector<Sent> sent;
  void OnOK() override {}
  void OnCancel() override {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A bit range of the image: the byte's offset and the bits under the mask.
struct ImageBits {
  std::size_t offset;
  std::uint8_t mask = 0xFF;
};

enum class Band { Uhf, Vhf };

class PageHarness : public WndTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The records of a band's default data file, as a radio of the production
  // type; nothing unsaved.
  void LoadRadio(Band band = Band::Uhf, std::uint8_t productionType = 11);

  // Makes the registered page of the dialog id in the host and shows it; a
  // zone sub-page given an index first gets it, as the main dialog hands it over
  // (pageIndex when no index is given).
  CDialog& Open(UINT idd, int index = -1);
  int pageIndex = -1;
  template <class Page>
  Page& OpenAs(UINT idd, int index = -1) {
    return dynamic_cast<Page&>(Open(idd, index));
  }
  CFieldPage* FieldPage() { return dynamic_cast<CFieldPage*>(m_page.get()); }
  void Close();
  CDialog& Page() { return *m_page; }

  // ---- input, as a person gives it -----------------------------------------------------------
  void FocusOn(int id);
  // Selects entry `index` of a list: with the keyboard (Home, then Down) when
  // the list can take the focus, else with the list's own notification.
  void Choose(int id, int index);
  // Gives the control the focus and types the text over its whole content.
  void TypeInto(int id, const std::string& text);
  void Tab() { Key(Qt::Key_Tab); }

  // ---- what the page shows -------------------------------------------------------------------
  int Sel(int id);
  std::string Shown(int id);  // a list's selected entry, or a cell's text
  std::vector<std::string> Entries(int id);  // every entry of a combo box or list box
  bool Enabled(int id);
  bool Checked(int id);  // a check box

  // ---- the image ------------------------------------------------------------------------------
  // The records packed into a copy of the image; the pack must succeed.
  std::vector<std::uint8_t> Packed();
  // Packs again and requires that exactly the named bits may differ from
  // `before`: a change anywhere else fails.
  void ExpectImageDiff(const std::vector<std::uint8_t>& before, std::initializer_list<ImageBits> owned);
  void ExpectImageDiff(const std::vector<std::uint8_t>& before, std::span<const ImageBits> owned);

  // ---- sheets ---------------------------------------------------------------------------------
  // Prints the sheet through the print dispatch into a PDF; its words, and the
  // text of each page (pdftotext -layout).
  std::vector<print_test::PdfWord> SheetWords(int sheet);
  std::string SheetText(int sheet);
  int SheetPages() const { return m_sheetPages; }
  const std::string& SheetPdf() const { return m_sheetPdf; }
  // The paper the sheets print on.
  QPageSize::PageSizeId paper = QPageSize::A4;

  // Walks every entry of each listed control (by real keys) and requires that
  // only the fact's bits of the image change, and that the field holds the
  // entry's code.
  struct ImageFact {
    int id;
    std::size_t offset;
    std::uint8_t mask;
  };
  void CheckImageFacts(std::span<const ImageFact> facts);

  CHostDlg host;
  CFakeHooks hooks;
  CPromptModelHost modelHost;

 private:
  std::string PrintToPdf(int sheet);
  std::unique_ptr<CDialog> m_page;
  print_test::TempDir m_dir;
  int m_sheetPages = 0;
  std::string m_sheetPdf;
};

}  // namespace page_test
