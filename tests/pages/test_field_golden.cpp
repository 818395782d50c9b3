// One fixed script of real keys over every registered page that is not a grid
// page, on the radios of the grid script as radios of production type 0 and
// 11, in the -m mode and out of it, and the data file it saves. Each enabled
// and visible control is passed once, in the order of the ids: a list moves to
// its next entry, a check box takes a space, an edit takes a text made from
// its id that is one character longer than the edit allows, then Tab. A field
// at other bits, another enable rule or another length limit saves other
// bytes from the same keys: they are compared with the bytes recorded from a
// known-good build (tests/pages/golden/field; test_golden_support.h says how
// they are recorded).
#include <algorithm>
#include <map>
#include <string_view>

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
    CWnd* w = Page().GetDlgItem(id);
    if (!w || !w->IsWindowEnabled() || !w->IsWindowVisible()) return false;
    dynamic_cast<CDialog&>(Page()).GotoDlgCtrl(w);
    const bool focused = PumpUntil([&] { return FocusedId() == id; }, 30000);
    EXPECT_TRUE(focused) << "control " << id << " did not take the focus";
    return focused;
  }

  void Drive(CFieldPage& page, Band band) {
    std::map<int, const Binding*> byId;
    for (const Binding& b : page.Bindings()) byId[b.id] = &b;
    for (const auto& [id, b] : byId) {
      // A list the table only shows (its choice is the page's own command) is passed over.
      const bool shownOnly = b->kind == BindKind::Combo && !b->field.IsBits() && !b->field.set;
      if (b->kind == BindKind::Label || shownOnly || !Focus(id)) continue;
      switch (b->kind) {
        case BindKind::Check:
          Key(Qt::Key_Space);
          break;
        case BindKind::Chooser:
          Key(Qt::Key_Return);
          Key(Qt::Key_Down);
          Key(Qt::Key_Return);
          break;
        case BindKind::Text:
        case BindKind::Dial:
        case BindKind::Number:
          Pump();  // the select-all posted on focus
          Type(Overlong(*b, band).c_str());
          Tab();
          break;
        default:  // the next entry; after the last, the first
          Key(Sel(id) + 1 < static_cast<int>(Page().SendDlgItemMessage(id, CB_GETCOUNT)) ? Qt::Key_Down : Qt::Key_Home);
          break;
      }
      Pump();
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

  // The files saved before and after the script.
  std::pair<FileBytes, FileBytes> Run(const RadioSetup& s, int productionType, bool modeM) {
    FileBytes before = SavedBefore([&] {
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
    });
    hooks.modeM = modeM;
    for (UINT idd : RegisteredPageIds()) {
      // The zones' list opens the PassPort page on a PassPort zone only (its
      // timers hold the bytes of another kind's settings).
      if (idd == IDD_PASSPORT_FEATURES && s.kind != kSystemPassPort) continue;
      pageIndex = 0;
      CDialog& page = Open(idd);
      SCOPED_TRACE("page " + std::to_string(idd));
      if (CFieldPage* fields = FieldPage()) Drive(*fields, s.band);
      else if (auto* keys = dynamic_cast<CKeyAssignPage*>(&page)) Drive(*keys);
      else if (dynamic_cast<CFiveToneTablePage*>(&page)) DriveToneGrid();
    }
    Close();
    return {std::move(before), SavedAfter()};
  }
};

TEST_F(FieldGolden, TheSameInputSavesTheSameBytes) {
  // The -m mode on the VHF radios only: the option board's list follows the
  // mode, not the production type.
  const struct {
    RadioSetup setup;
    int productionType;
  } cases[] = {
      {{"conventional UHF", kSystemConventional, Band::Uhf}, 0},
      {{"conventional UHF", kSystemConventional, Band::Uhf}, 11},
      {{"conventional VHF", kSystemConventional, Band::Vhf}, 0},
      {{"conventional VHF", kSystemConventional, Band::Vhf}, 11},
      {{"LTR UHF", kSystemLtr, Band::Uhf}, 0},
      {{"LTR UHF", kSystemLtr, Band::Uhf}, 11},
      {{"LTR VHF", kSystemLtr, Band::Vhf}, 0},
      {{"LTR VHF", kSystemLtr, Band::Vhf}, 11},
      {{"PassPort UHF", kSystemPassPort, Band::Uhf}, 0},
      {{"PassPort UHF", kSystemPassPort, Band::Uhf}, 11},
      {{"PassPort VHF", kSystemPassPort, Band::Vhf}, 0},
      {{"PassPort VHF", kSystemPassPort, Band::Vhf}, 11},
  };
  for (const auto& c : cases) {
    const std::string name = std::string(c.setup.name) + ", type " + std::to_string(c.productionType);
    SCOPED_TRACE(name);
    const auto [before, after] = Run(c.setup, c.productionType, c.setup.band == Band::Vhf);
    ExpectRecorded("field", name, before, after);
  }
}

}  // namespace
}  // namespace grid_test
