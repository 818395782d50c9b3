#include "pages/settings/sel_call_page.h"

#include <array>

#include "model/sel_call.h"

namespace {

constexpr const char* kBlockCaptions[kSelCallBlocks] = {"#1 - #20", "#21 - #40", "#41 - #60", "#61 - #80",
                                                         "#81 - #100"};
constexpr int kColumns = 4;  // caption, zone, alias, Target MIN

// Row r of the page is entry 20 x block + r: the table's index is the block's first entry.
constexpr auto kBindings = [] {
  std::array<Binding, kColumns * kSelCallPageRows> bindings{};
  for (int r = 0; r < kSelCallPageRows; ++r) {
    Binding* row = &bindings[std::size_t(kColumns * r)];
    row[0] = Label(IDC_SC_CAPTION[r], sc::kCaption).Row(r);
    row[1] = Chooser(IDC_SC_ZONE[r], sc::kZone).Row(r);
    row[2] = Text(IDC_SC_ALIAS[r], sc::kAlias, kTagLength).With(kBindBlank).Row(r);
    row[3] = Number(IDC_SC_TARGET[r], sc::kTargetMin, 5).With(kBindEveryKey).Row(r);
  }
  return bindings;
}();

}  // namespace

BEGIN_MESSAGE_MAP(CSelCallPage, CFieldPage)
  ON_NOTIFY(TCN_SELCHANGE, IDC_SC_TAB, OnSelchangeTab)
END_MESSAGE_MAP()

CSelCallPage::CSelCallPage(CWnd* pParent) : CFieldPage(IDD_SEL_CALL, kBindings, {}, pParent) {
  RegisterSelCallTemplate();
  SetChooserList(IDC_SC_CHOOSER, CPopupList::KeyPolicy::kKeepOpen);
}

CSelCallPage::~CSelCallPage() {
  if (m_tab.GetSafeHwnd()) m_tab.UnsubclassWindow();
}

BOOL CSelCallPage::OnInitDialog() {
  if (m_tab.GetSafeHwnd()) m_tab.UnsubclassWindow();
  m_tab.SubclassDlgItem(IDC_SC_TAB, this);
  for (int b = 0; b < kSelCallBlocks; ++b) m_tab.InsertItem(b, kBlockCaptions[b]);
  // The block shown when the tab was last left.
  m_tab.SetCurSel(m_block);
  BindingSet().SetIndex(kSelCallRows * m_block);
  return CFieldPage::OnInitDialog();
}

void CSelCallPage::SetBlock(int block) {
  if (block < 0 || block >= kSelCallBlocks) return;
  m_block = block;
  BindingSet().SetIndex(kSelCallRows * block);
  if (!GetSafeHwnd()) return;
  CloseChooser();
  UpdateControls();
}

void CSelCallPage::OnSelchangeTab(NMHDR*, LRESULT* pResult) {
  SetBlock(m_tab.GetCurSel());
  *pResult = 0;
}

CRect CSelCallPage::ChooserRect(const Binding& b, const CRect& cell) {
  const int top = cell.top - (b.index < 16 ? 10 : 60);
  return {cell.right - 5, top, cell.right + cell.Width(), top + 5 * cell.Height()};
}
