// One fixed script of real keys over every registered page that is not a grid
// page, on the radios of the grid script as radios of production type 0 and
// 11, in the -m mode and out of it, and the data file it saves. Each enabled
// and visible control is driven in the order of the ids (a control another
// one enables or fills is driven once that one has been): a list moves to its
// next entry, a check box takes a space, an edit takes a text made from its
// id that is one character longer than the edit allows, then Tab; a control
// whose field another control has moved already is left as it is. A field at
// other bits, another enable rule or another length limit saves other bytes
// from the same keys: they are compared with the bytes recorded from a
// known-good build (tests/pages/golden/field; test_golden_support.h says how
// they are recorded). Then the controls no key reaches (hidden, or disabled on
// that radio) are shown, enabled and driven the same way, against a record of
// their own; and every control that offers another value must have taken one.
#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <vector>

#include "pages/fivetone/five_tone_page.h"
#include "pages/settings/key_assign_page.h"
#include "res/page_passport_features.h"
#include "test_golden_support.h"

namespace grid_test {
namespace {

using page_test::Band;

constexpr std::string_view kDigits = "0123456789";

// `length` characters of the alphabet, from the place the id sets.
std::string Spelled(int id, int length, std::string_view alphabet) {
  std::string text;
  for (int i = 0; i < length; ++i) text += alphabet[static_cast<std::size_t>(id + i) % alphabet.size()];
  return text;
}

// The text typed into an edit: one character more than it allows. A number
// with decimals is a frequency of the band, its whole part led by zeros.
std::string Overlong(const Binding& b, Band band) {
  switch (b.kind) {
    case BindKind::Text:
      return Spelled(b.id, b.maxLength + 1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    case BindKind::Dial:
      return Spelled(b.id, b.maxLength + 1, "0123456789ABCD*#");
    default: {
      if (b.decimals == 0) return "1" + Spelled(b.id, b.maxLength, kDigits);
      std::string whole = (band == Band::Uhf ? "45" : "15") + Spelled(b.id, 1, kDigits);
      whole.insert(0, static_cast<std::size_t>(std::max(b.maxLength - 3, 0)), '0');
      std::string fraction = "0125";
      fraction.resize(static_cast<std::size_t>(b.decimals + 1), '0');
      return whole + "." + fraction;
    }
  }
}

class FieldGolden : public GoldenTest {
 protected:
  // Gives a control the focus; false for one disabled or hidden. An enabled,
  // shown control must take it, however long the events take: one passed over
  // would save other bytes on a loaded machine.
  bool Focus(int id) {
    if (!Reachable(id)) return false;
    dynamic_cast<CDialog&>(Page()).GotoDlgCtrl(Page().GetDlgItem(id));
    const bool focused = PumpUntil([&] { return FocusedId() == id; }, 30000);
    EXPECT_TRUE(focused) << "control " << id << " did not take the focus";
    return focused;
  }
  bool Reachable(int id) {
    CWnd* w = Page().GetDlgItem(id);
    return w && w->IsWindowEnabled() && w->IsWindowVisible();
  }

  // What a binding stands for now: its field's code, else the text it shows.
  static std::string ValueOf(CFieldPage& page, const Binding& b) {
    const int index = page.BindingSet().Index();
    if (b.field.IsSet()) return std::to_string(b.field.Get(TheModel(), EntityOf(b, index)));
    return PageText(page.Bindings(), b, index);
  }
  // The bindings the script drives, by control id: a label, or a list the
  // table only shows (its choice is the page's own command), is passed over.
  static std::map<int, const Binding*> Driven(CFieldPage& page) {
    std::map<int, const Binding*> byId;
    for (const Binding& b : page.Bindings()) {
      const bool shownOnly = b.kind == BindKind::Combo && !b.field.IsBits() && !b.field.set;
      if (b.kind != BindKind::Label && !shownOnly) byId[b.id] = &b;
    }
    return byId;
  }

  // One binding, from the value it had when the page opened: left alone when
  // another binding of the same field has moved it already; else a list moves
  // to its next entry (after the last, the first), and on while that stores
  // the value it had; a check box takes a space; an edit takes a text made from
  // its id that is one character longer than the edit allows, then Tab.
  // Whether the binding shows a new value.
  bool DriveBinding(CFieldPage& page, const Binding& b, Band band, const std::string& start) {
    if (ValueOf(page, b) != start) return true;
    if (!Focus(b.id)) return false;
    switch (b.kind) {
      case BindKind::Check:
        movable.insert({currentPage, b.id});
        Key(Qt::Key_Space);
        break;
      case BindKind::Chooser:
        Key(Qt::Key_Return);
        Pump();
        if (auto* list = qobject_cast<QListWidget*>(QApplication::focusWidget())) {
          if (list->count() > 1) movable.insert({currentPage, b.id});
          if (list->currentRow() + 1 < list->count()) {
            Key(Qt::Key_Down);
          } else {
            for (int up = list->currentRow(); up > 0; --up) Key(Qt::Key_Up);
          }
        }
        Key(Qt::Key_Return);
        break;
      case BindKind::Text:
      case BindKind::Dial:
      case BindKind::Number:
        movable.insert({currentPage, b.id});
        Pump();  // the select-all posted on focus
        Type(Overlong(b, band).c_str());
        Tab();
        break;
      default: {
        const int count = static_cast<int>(Page().SendDlgItemMessage(b.id, CB_GETCOUNT));
        if (count > 1) movable.insert({currentPage, b.id});
        for (int step = 0; step < std::max(count - 1, 1) && (step == 0 || ValueOf(page, b) == start); ++step) {
          Key(Sel(b.id) + 1 < count ? Qt::Key_Down : Qt::Key_Home);
          Pump();
        }
        break;
      }
    }
    Pump();
    return ValueOf(page, b) != start;
  }

  // Every binding of the page a person can reach (DriveInOrder), those in
  // `last` after the others. Returns the control that closed others, or 0.
  // The bindings that take a new value are noted.
  int Drive(CFieldPage& page, Band band, const std::set<int>& last) {
    const std::map<int, const Binding*> driven = Driven(page);
    std::map<int, std::string> start;
    std::vector<int> ids;
    for (const auto& [id, b] : driven) {
      start[id] = ValueOf(page, *b);
      ids.push_back(id);
    }
    std::set<std::pair<UINT, int>> moved;
    const int closer = DriveInOrder(ids, last, [&](int id) { return Reachable(id); },
                                    [&](int id) {
                                      if (!DriveBinding(page, *driven.at(id), band, start.at(id))) return false;
                                      moved.insert({currentPage, id});
                                      return true;
                                    });
    if (!closer) changed.insert(moved.begin(), moved.end());
    for (const auto& [id, b] : driven) met.insert({currentPage, id});
    return closer;
  }

  // The bindings no person reaches on the radio as it is (a control hidden
  // or disabled): each shown and enabled for its drive, then as it was.
  void DriveUnreachable(CFieldPage& page, Band band) {
    for (const auto& [id, b] : Driven(page)) {
      CWnd* w = Page().GetDlgItem(id);
      if (!w || Reachable(id)) continue;
      const BOOL shown = w->IsWindowVisible(), enabled = w->IsWindowEnabled();
      const std::string start = ValueOf(page, *b);
      w->ShowWindow(SW_SHOW);
      w->EnableWindow(TRUE);
      if (DriveBinding(page, *b, band, start)) changed.insert({currentPage, id});
      w->ShowWindow(shown ? SW_SHOW : SW_HIDE);
      w->EnableWindow(enabled);
    }
  }

  // Each key's button: Enter opens its list of functions, Down and Enter take
  // the next one.
  void Drive(CKeyAssignPage& page) {
    for (int slot = 0; slot < kKeySlotCount; ++slot) {
      if (!Focus(page.ButtonOf(slot))) continue;
      Key(Qt::Key_Return);
      Key(Qt::Key_Down);
      Key(Qt::Key_Return);
      Pump();
    }
  }

  // Every cell of the tone grid, reached with the arrow keys: a digit (which
  // opens the editor where the cell takes one), digits to one more than the
  // editor allows, Enter.
  void DriveToneGrid() {
    auto& grid = *static_cast<CMSFlexGrid*>(Page().GetDlgItem(IDC_FT_TONE_GRID));
    ASSERT_TRUE(Focus(IDC_FT_TONE_GRID));
    for (long r = grid.GetFixedRows(); r < grid.GetRows(); ++r) {
      for (long c = grid.GetFixedCols(); c < grid.GetCols(); ++c) {
        for (int step = 0; step < 40 && (grid.GetRow() != r || grid.GetCol() != c); ++step) {
          Key(grid.GetRow() != r ? (grid.GetRow() < r ? Qt::Key_Down : Qt::Key_Up)
                                 : (grid.GetCol() < c ? Qt::Key_Right : Qt::Key_Left));
        }
        ASSERT_EQ(grid.GetRow(), r);
        ASSERT_EQ(grid.GetCol(), c);
        Type((std::to_string((r + c) % 2) + Spelled(static_cast<int>(r * 7 + c), 4, kDigits)).c_str());
        Key(Qt::Key_Return);
        Pump();
      }
    }
  }

  // The page, opened on the records as they are: the control that switched
  // others off, or 0.
  int DrivePage(UINT idd, Band band) {
    pageIndex = 0;
    CDialog& page = Open(idd);
    if (CFieldPage* fields = FieldPage()) return Drive(*fields, band, lastControls[idd]);
    if (auto* keys = dynamic_cast<CKeyAssignPage*>(&page)) Drive(*keys);
    else if (dynamic_cast<CFiveToneTablePage*>(&page)) DriveToneGrid();
    return 0;
  }

  // The pages the radio shows: the zones' list opens the PassPort page on a
  // PassPort zone only (its timers hold the bytes of another kind's settings).
  static std::vector<UINT> Pages(const RadioSetup& s) {
    std::vector<UINT> pages;
    for (UINT idd : RegisteredPageIds()) {
      if (idd != IDD_PASSPORT_FEATURES || s.kind == kSystemPassPort) pages.push_back(idd);
    }
    return pages;
  }

  // The script on every page, checked against the case's record (a control
  // that switches others off is put among its page's last controls, and the
  // script starts again); then the controls it could not reach, checked
  // against a record of their own.
  void Run(const std::string& name, const RadioSetup& s, int productionType, bool modeM) {
    const auto prepare = [&] {
      Prepare(s, productionType);
      if (s.kind != kSystemPassPort) return;
      // The emergency key, which the key pages may assign, calls on a zone of
      // another kind: zone 4 conventional, with one group, which the Global
      // page's lists choose (the entries after None).
      CEditModel& m = TheModel();
      m.store.SetSystemDefaults(3, kSystemConventional);
      m.store.zoneFlags[3] |= kZoneInUse;
      EXPECT_FALSE(ApplyGroupCount(m, 3, 1).refused);
      SetGroupEnabled(m, 9, true);
      m.global.emergencySystem = 255;
      m.global.emergencyGroup = 255;
      g_bModified = 0;
    };
    const FileBytes before = SavedBefore(prepare);
    hooks.modeM = modeM;
    for (bool again = true; again;) {
      again = false;
      for (UINT idd : Pages(s)) {
        SCOPED_TRACE("page " + std::to_string(idd));
        currentPage = idd;
        if (const int closer = DrivePage(idd, s.band)) {
          lastControls[idd].insert(closer);
          Close();
          prepare();
          again = true;
          break;
        }
      }
    }
    Close();
    const FileBytes after = SavedAfter();
    ExpectRecorded("field", name, before, after);

    for (UINT idd : Pages(s)) {
      SCOPED_TRACE("page " + std::to_string(idd));
      currentPage = idd;
      pageIndex = 0;
      Open(idd);
      if (CFieldPage* fields = FieldPage()) DriveUnreachable(*fields, s.band);
    }
    Close();
    ExpectRecorded("field", name + ", hidden and disabled controls", after, SavedAfter());
  }

  UINT currentPage = 0;                        // the page being driven
  std::map<UINT, std::set<int>> lastControls;  // by page: the controls that switch others off
  std::set<std::pair<UINT, int>> met;          // every binding driven: its page and control
  std::set<std::pair<UINT, int>> movable;      // those that offered another value
  std::set<std::pair<UINT, int>> changed;      // those that took a new value
};

TEST_F(FieldGolden, TheSameInputSavesTheSameBytes) {
  // The -m mode on the VHF radios only: the option board's list follows the
  // mode, not the production type.
  for (const RadioSetup& radio : kGoldenRadios) {
    for (const int productionType : {0, 11}) {
      const std::string name = std::string(radio.name) + ", type " + std::to_string(productionType);
      SCOPED_TRACE(name);
      Run(name, radio, productionType, radio.band == Band::Vhf);
    }
  }
  // A binding that offers another value but never takes one is one no record covers.
  for (const auto& [idd, id] : met) {
    if (!movable.count({idd, id})) continue;
    EXPECT_TRUE(changed.count({idd, id})) << "page " << idd << ": control " << id << " never took a new value";
  }
}

}  // namespace
}  // namespace grid_test
