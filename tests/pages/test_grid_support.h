// The grid pages on the page harness: clicks on cells, double-clicks on the
// items of their popup lists, the red mark of the cell being edited, and the
// page-switch messages the host received.
#pragma once

#include <QApplication>
#include <bit>
#include <QListWidget>

#include <string>
#include <vector>

#include "model/group_model.h"
#include "model/zone_fields.h"
#include "model/zone_model.h"
#include "page_harness.h"
#include "pages/column_pages/grid_page.h"
#include "ui/cells/cell_colors.h"
#include "ui/messages.h"

namespace grid_test {

using namespace ui_test;

// A row's value as the model holds it, for an entity of the page or the
// Default column (grid::kDefaultEntity). Every test that reads or writes a
// row's value or its Default goes through here.
struct RowValue {
  // The page's protected mapping from an entity to its field index and the
  // Default scope, reached through a class that is never made.
  struct Access : grid::CGridPage {
    static int FieldIndexOf(const grid::CGridPage& p, int entity) { return (p.*&Access::FieldIndex)(entity); }
    static int ScopeBeginOf(const grid::CGridPage& p) { return (p.*&Access::ScopeBegin)(); }
    static int ScopeEndOf(const grid::CGridPage& p) { return (p.*&Access::ScopeEnd)(); }
  };
  static std::uint32_t Get(grid::CGridPage& page, const grid::Row& row, int entity) {
    if (entity == grid::kDefaultEntity) return page.DefaultCode(row);
    return row.field.Get(TheModel(), Access::FieldIndexOf(page, entity));
  }
  static void Set(grid::CGridPage& page, const grid::Row& row, int entity, std::uint32_t code) {
    if (entity == grid::kDefaultEntity) page.SetDefaultCode(row, code);
    else row.field.Set(TheModel(), Access::FieldIndexOf(page, entity), code);
  }
  // The code as the row's bits keep it (a bit field keeps the bits under its mask).
  static std::uint32_t Kept(const grid::Row& row, int entity, std::uint32_t code) {
    const Field& f = entity == grid::kDefaultEntity ? row.defaultField : row.field;
    return f.IsBits() ? code & f.bits.MaxCode() : code;
  }
  // The entities a Default commit of the row writes beside the Default value.
  static std::pair<int, int> Scope(grid::CGridPage& page, const grid::Row& row) {
    if (row.scope != grid::Scope::Entities) return {0, 0};
    return {Access::ScopeBeginOf(page), std::min(Access::ScopeEndOf(page), page.GetAxis().entities)};
  }
};

// A radio of one kind: zones 1-3 in use with that format and three groups
// each, every group enabled, and the caption mode of the kind.
struct RadioSetup {
  const char* name;
  int kind;
  page_test::Band band = page_test::Band::Uhf;
  bool ltrRadio = false;  // the LTR system type whatever the zones' format
};
inline constexpr RadioSetup kKindSetups[] = {
    {"conventional", kSystemConventional}, {"LTR", kSystemLtr}, {"PassPort", kSystemPassPort}};

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
  static CChannelStore& S() { return TheModel().store; }
  static CGlobalSettings& G() { return TheModel().global; }
  // Zone z with the defaults of a format and n groups (later zones' records
  // move); an LTR zone's home repeater on channel 1, so that the image packs.
  static void UseZone(int z, int kind, int n = 1, const GroupCountRules& rules = {}) {
    S().SetSystemDefaults(z, kind);
    if (kind == kSystemLtr) S().zoneRepeaters[z][0] = 0;
    ASSERT_FALSE(ApplyGroupCount(TheModel(), z, n, rules).refused) << z;
  }
  // Every group of zone z enabled, as the enable list leaves it.
  static void EnableGroups(int z) {
    const ZoneGroupRun run = ZoneGroups(S(), z);
    for (int g = run.first; g < run.End(); ++g) SetGroupEnabled(TheModel(), g, true);
  }
  static void SetProductionType(int type) { S().modelWord = (S().modelWord & 0xFF) | (std::uint32_t(type) << 8); }
  // Channel record n programmed with frequencies in 10 Hz units.
  static void Program(int n, std::int32_t tx, std::int32_t rx) {
    CChannelData& c = S().channels[n];
    c.txFreq = tx;
    c.rxFreq = rx;
    c.programmed |= 1;
  }
  // A page opened on an index (a zone, a first zone) as the main dialog opens
  // it; nothing heard from it yet.
  template <class P = CDialog>
  P& Show(UINT idd, int index = 0) {
    P& page = OpenAs<P>(idd, index);
    prompts.Clear();
    host.sent.clear();
    return page;
  }
  // The page's window made again on the same page object, after the index is
  // handed over (as the main dialog does before it makes a zone sub-page).
  void Reopen(UINT idd, int index) {
    Page().DestroyWindow();
    dynamic_cast<IZoneSubPage&>(Page()).SetPageIndex(index);
    ASSERT_TRUE(Page().Create(idd, &host));
    Page().ShowWindow(SW_SHOW);
    Pump();
    prompts.Clear();
    host.sent.clear();
  }
  // Shows rows the template keeps hidden, to reach them with the mouse.
  void Unhide(std::initializer_list<int> ids) {
    for (int id : ids) Page().GetDlgItem(id)->ShowWindow(SW_SHOW);
    Pump();
  }
  // An arrow held down for the ticks, then released.
  void Hold(int arrow, int ticks) {
    CHandTicks hand;
    CRepeatButton::SetDefaultTickSource(&hand);
    QTest::mousePress(Page().GetDlgItem(arrow)->GetSafeHwnd(), Qt::LeftButton);
    hand.Tick(ticks);
    QTest::mouseRelease(Page().GetDlgItem(arrow)->GetSafeHwnd(), Qt::LeftButton);
    CRepeatButton::SetDefaultTickSource(nullptr);
    Pump();
  }
  // No page switch reached the main dialog (0x40A is also a page switch).
  bool NoPageSwitch() const {
    for (const auto& s : host.sent) {
      if (s.message != WM_COMMAND) return false;
    }
    return true;
  }

  // The radio of the setup, as a radio of the production type (-1: 11 on UHF,
  // 0 on VHF), with the first zones in use, three groups each.
  void Prepare(const RadioSetup& s, int productionType = -1, int zones = 3) {
    if (productionType < 0) productionType = s.band == page_test::Band::Uhf ? 11 : 0;
    LoadRadio(s.band, static_cast<std::uint8_t>(productionType));
    CEditModel& m = TheModel();
    const bool ltr = s.kind == kSystemLtr;
    m.global.systemType = std::uint8_t(ltr || s.ltrRadio ? m.global.systemType | 0x40 : m.global.systemType & ~0x40);
    for (int z = 0; z < zones; ++z) UseZone(z, s.kind, 3, ltr ? GroupCountRules{false, zf::kLtr} : GroupCountRules{});
    for (int g = 0; g < 3 * zones; ++g) SetGroupEnabled(m, g, true);
    // Programmed channels past the ones the channel table's first columns
    // show, for the LTR zones' home repeaters.
    for (int n = 100; n < 101 + 3 * zones; ++n) {
      CChannelData& c = m.store.channels[n];
      c.rxFreq = (s.band == page_test::Band::Uhf ? 45000000 : 15000000) + 2500 * n;
      c.txFreq = c.rxFreq + 500000;
      c.programmed |= 1;
    }
    if (ltr) {
      for (int z = 0; z < zones; ++z) {
        for (int r = 0; r < 3; ++r) m.store.zoneRepeaters[z][r] = std::uint16_t(100 + 3 * z + r);
      }
    }
    g_bModified = 0;
    prompts.Clear();
  }
  // Opens a list cell as a person does (Enter, or a click where Enter does not
  // open it), moves to entry k with the arrow keys and commits it with Enter;
  // a row that commits on each selection change is opened again after each
  // step. k < 0: the entry after the one the list opens on. False when no list
  // opened or the entry was not reached. `openedOn`, when given, takes the
  // entry the list first opened on.
  bool ChooseByKeys(int cell, int k, int* openedOn = nullptr) {
    auto& page = dynamic_cast<grid::CGridPage&>(Page());
    int column = 0;
    const grid::Row* row = page.RowOfCell(cell, &column);
    if (!row) return false;
    for (int step = 0; step < 300; ++step) {
      if (!TryFocus(cell)) return false;
      if (row->enterOpens) Key(Qt::Key_Return);
      else ClickCell(cell);
      Pump();
      QListWidget* list = OpenList();
      if (!page.OpenRow() || !list || list->count() == 0) return false;
      if (openedOn && step == 0) *openedOn = list->currentRow();
      if (k < 0) k = (list->currentRow() + 1) % list->count();
      if (k >= list->count()) return false;
      while (page.OpenRow() && list->currentRow() != k) Key(list->currentRow() < k ? Qt::Key_Down : Qt::Key_Up);
      if (!page.OpenRow()) continue;  // committed on the selection change: open it again
      Key(Qt::Key_Return);
      Pump();
      return true;
    }
    return false;
  }
  // Gives a control the focus as the dialog does; false when the focus does
  // not stay there (a cell that an edit left behind closed).
  bool TryFocus(int id) {
    CWnd* w = Page().GetDlgItem(id);
    if (!w || !w->IsWindowEnabled() || !w->IsWindowVisible()) return false;
    dynamic_cast<CDialog&>(Page()).GotoDlgCtrl(w);
    // Waited on generously: a loaded machine must not turn a slow focus into a skipped cell.
    return PumpUntil([&] { return FocusedId() == id; }, 5000);
  }
  // The list that has the focus (an open popup list).
  static QListWidget* OpenList() { return qobject_cast<QListWidget*>(QApplication::focusWidget()); }
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
