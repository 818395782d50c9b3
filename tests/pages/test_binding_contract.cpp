// The contract every field page keeps, checked over the binding table of each
// registered page: a choice made with the keyboard stores its code into its
// own field and changes no other field and no other image bits; a code no
// entry has shows the list's default entry; the control shows what the sheet
// prints, except where the list itself says otherwise; an edit that changes the
// image sets g_bModified, and a typed or chosen edit that changes nothing
// leaves it clear; after every edit each control of the page shows its field
// and each enable rule holds; two bit fields of the pages hold the same bits
// or none of the same. The rows of a table are one binding at other entities:
// the first row of each is edited, every row is read.
#include <algorithm>
#include <map>
#include <vector>

#include "page_harness.h"

namespace page_test {
namespace {

class BindingContract : public PageHarness {
 protected:
  // Values of the other bindings' fields, to see that a choice left them alone.
  std::map<const Binding*, std::uint32_t> Others(std::span<const Binding> all, const Binding& b) {
    std::map<const Binding*, std::uint32_t> values;
    for (const Binding& o : all) {
      if (&o == &b || !o.field.IsSet() || SharesBits(o, b)) continue;
      values[&o] = o.field.Get(TheModel(), EntityOf(o, index));
    }
    return values;
  }
  static bool SharesBits(const Binding& a, const Binding& b) {
    if (a.index != b.index) return false;  // the rows of a table stand for different entities
    if (a.field.IsBits() && b.field.IsBits())
      return a.field.bits.byte == b.field.bits.byte && (a.field.bits.mask & b.field.bits.mask);
    return a.field.get == b.field.get && !a.field.IsBits() && !b.field.IsBits();
  }
  static bool Settable(const Binding& b) { return b.field.IsBits() || b.field.set; }
  int index = 0;  // the entity the page's fields stand for

  static std::string RightTrimmed(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
  }
  // A control shows its field: a check box its state, every other kind its page
  // text (a cell may drop the blanks that pad a stored text); a list the model
  // works out offers what the model offers now, not what it offered before the
  // last edit.
  void ExpectShowsItsField(std::span<const Binding> all, const Binding& b) {
    if (b.kind == BindKind::Check) EXPECT_EQ(Checked(b.id), b.field.Get(TheModel(), EntityOf(b, index)) != 0) << b.id;
    else EXPECT_EQ(RightTrimmed(Shown(b.id)), RightTrimmed(PageText(all, b, index))) << "control " << b.id;
    if (b.kind == BindKind::Offered) {
      std::vector<std::string> offered;
      for (const OfferedEntry& e : b.offered->offer(TheModel(), b.element).entries) offered.push_back(e.text);
      EXPECT_EQ(Entries(b.id), offered) << "entries of " << b.id;
    }
  }
  // After an edit: every control shows its field, every enable rule holds.
  void ExpectPageShowsTheModel() {
    const std::span<const Binding> all = FieldPage()->Bindings();
    for (const Binding& b : all) ExpectShowsItsField(all, b);
    for (const EnableRule& r : FieldPage()->BindingSet().Rules()) {
      EXPECT_EQ(Enabled(r.id), r.enabledAt ? r.enabledAt(index) : r.enabled && r.enabled()) << "rule of " << r.id;
    }
  }

  // An edit sets g_bModified when it changes the image and, with onlyWhenChanged, only then.
  template <class Edit>
  void ExpectFlagFollowsImage(Edit edit, bool onlyWhenChanged = true) {
    g_bModified = 0;
    const auto before = Packed();
    edit();
    const bool changed = Packed() != before;
    if (changed || onlyWhenChanged) {
      EXPECT_EQ(g_bModified != 0, changed);
    }
    ExpectPageShowsTheModel();
  }

  static bool SameField(const Binding& a, const Binding& b) {
    return a.kind == b.kind && a.typed == b.typed && a.chooser == b.chooser && a.text.get == b.text.get &&
           a.field.get == b.field.get && a.field.bits.byte == b.field.bits.byte && a.field.bits.mask == b.field.bits.mask;
  }
  static bool FirstOfItsField(std::span<const Binding> all, const Binding& b) {
    for (const Binding& o : all) {
      if (SameField(o, b)) return &o == &b;
    }
    return false;
  }

  // Texts typed over the cell and left with Tab. A typed field stored when its
  // cell loses the focus sets the flag only when the model changed; the others
  // may store a text that leaves the image as it was, or store the keys between.
  void CheckTyping(const Binding& b) {
    const bool onlyWhenChanged = b.typed && !(b.flags & kBindEveryKey);
    for (const char* typed : {"12", "460", "7"}) {
      SCOPED_TRACE(typed);
      ExpectFlagFollowsImage(
          [&] {
            TypeInto(b.id, typed);
            Tab();
            Pump();
          },
          onlyWhenChanged);
    }
  }

  // Every entry of a list cell's list, chosen with Enter, Home, Down and Enter.
  void CheckChooser(std::span<const Binding> all, const Binding& b) {
    const int entity = EntityOf(b, index);
    const OfferedList offered = b.chooser->offer(TheModel(), entity);
    for (int k = offered.size() - 1; k >= 0; --k) {
      SCOPED_TRACE("entry " + std::to_string(k));
      ExpectFlagFollowsImage([&] {
        FocusOn(b.id);
        Key(Qt::Key_Return);
        ASSERT_TRUE(FieldPage()->IsChooserOpen());
        Key(Qt::Key_Home);
        for (int i = 0; i < k; ++i) Key(Qt::Key_Down);
        Key(Qt::Key_Return);
        Pump();
      });
      EXPECT_FALSE(FieldPage()->IsChooserOpen());
      EXPECT_EQ(b.field.Get(TheModel(), entity), *offered.CodeAt(k));
      EXPECT_EQ(Shown(b.id), PageText(all, b, index));
    }
  }

  // The lists whose entries the model works out (zones, groups, offered
  // functions): every entry chosen by keys (Home, then Down), from the last one
  // down; the keys pass over the entries above, which may store them.
  void CheckModelList(const Binding& b) {
    for (int k = static_cast<int>(Entries(b.id).size()) - 1; k >= 0; --k) {
      SCOPED_TRACE("entry " + std::to_string(k));
      ExpectFlagFollowsImage([&] { Choose(b.id, k); }, false);
    }
  }

  void CheckCombo(std::span<const Binding> all, const Binding& b) {
    index = FieldPage()->BindingSet().Index();
    const ChoiceList& list = *b.list;
    ASSERT_GT(list.size(), 0u);
    ASSERT_TRUE(list.defaultIndex >= -1 && list.defaultIndex < static_cast<int>(list.size()));
    const std::uint32_t maxCode = b.field.IsBits() ? b.field.bits.MaxCode() : ~0u;

    // Every entry, chosen by keys from the last one down.
    for (int k = static_cast<int>(list.size()) - 1; k >= 0 && Settable(b); --k) {
      SCOPED_TRACE("entry " + std::to_string(k));
      if (list.CodeAt(k) > maxCode) continue;
      const auto others = Others(all, b);
      const auto before = Packed();
      g_bModified = 0;
      Choose(b.id, k);
      EXPECT_EQ(b.field.Get(TheModel(), EntityOf(b, index)), list.CodeAt(k));
      EXPECT_EQ(Shown(b.id), list.TextAt(k));
      for (const auto& [o, value] : others) {
        EXPECT_EQ(o->field.Get(TheModel(), EntityOf(*o, index)), value) << "field of " << o->id;
      }
      ExpectPageShowsTheModel();
      // A bit field's choice changes bits of one image byte, under its mask.
      if (b.field.IsBits()) {
        const auto after = Packed();
        if (after != before) {
          EXPECT_EQ(g_bModified, 1u);
        }
        int bytes = 0;
        for (std::size_t i = 0; i < after.size(); ++i) {
          const std::uint8_t diff = before[i] ^ after[i];
          if (!diff) continue;
          ++bytes;
          EXPECT_EQ(diff & ~b.field.bits.mask, 0) << "image byte " << i;
        }
        EXPECT_LE(bytes, 1);
      }
    }

    // Screen and paper for every listed code and for the first code no entry has.
    if (!Settable(b)) return;
    std::vector<std::uint32_t> codes;
    for (const Choice& c : list.choices) codes.push_back(c.code);
    for (std::uint32_t code = 0; code <= std::min<std::uint32_t>(maxCode, 255); ++code) {
      if (list.Find(code) < 0) {
        codes.push_back(code);
        break;
      }
    }
    for (std::uint32_t code : codes) {
      SCOPED_TRACE("code " + std::to_string(code));
      b.field.Set(TheModel(), EntityOf(b, index), code);
      if (b.field.Get(TheModel(), EntityOf(b, index)) != code) continue;  // a field that takes only some codes
      FieldPage()->UpdateControls();
      const bool listed = list.Find(code) >= 0;
      EXPECT_EQ(Sel(b.id), listed ? list.Find(code) : list.defaultIndex);
      EXPECT_EQ(Shown(b.id), PageText(all, b, index));
      if (listed || !list.printOther) EXPECT_EQ(PrintText(all, b, index), Shown(b.id));
      else EXPECT_EQ(PrintText(all, b, index), list.printOther);
    }
  }

  void CheckPage(UINT idd) {
    SCOPED_TRACE("page " + std::to_string(idd));
    Open(idd);
    CFieldPage* page = FieldPage();
    if (!page) return;  // grid pages keep their own contract
    const std::span<const Binding> all = page->Bindings();
    index = page->BindingSet().Index();
    for (const Binding& b : all) {
      SCOPED_TRACE("control " + std::to_string(b.id));
      ASSERT_NE(Page().GetDlgItem(b.id), nullptr) << "the template has no such control";
      if (b.kind == BindKind::Combo) CheckCombo(all, b);
      else ExpectShowsItsField(all, b);
      const bool modelList =
          b.kind == BindKind::ZoneList || b.kind == BindKind::GroupList || b.kind == BindKind::Offered;
      if (FirstOfItsField(all, b) && Enabled(b.id)) {
        if (b.kind == BindKind::Chooser) CheckChooser(all, b);
        if (b.kind == BindKind::Text || b.kind == BindKind::Dial || b.kind == BindKind::Number) CheckTyping(b);
        if (modelList) CheckModelList(b);
        if (b.kind == BindKind::Check) ExpectFlagFollowsImage([&] { Click(Page().GetDlgItem(b.id)); Pump(); }, false);
      }
      LoadRadio();
    }
    // No two bindings name one control.
    std::map<int, int> ids;
    for (const Binding& b : all) EXPECT_EQ(++ids[b.id], 1) << b.id;
  }
};

TEST_F(BindingContract, EveryFieldPageOfEveryBand) {
  for (UINT idd : RegisteredPageIds()) {
    for (auto [band, type] : {std::pair{Band::Uhf, 11}, std::pair{Band::Vhf, 0}}) {
      LoadRadio(band, static_cast<std::uint8_t>(type));
      CheckPage(idd);
    }
  }
}

// A field's mask that reaches into another field's bits shows as two bindings
// of one byte whose masks overlap and differ, on one page or on two.
TEST_F(BindingContract, NoTwoBitFieldsOfThePagesOverlap) {
  std::vector<const Binding*> bits;  // the tables are the pages' static arrays
  for (UINT idd : RegisteredPageIds()) {
    Open(idd);
    if (!FieldPage()) continue;
    for (const Binding& b : FieldPage()->Bindings()) {
      if (b.field.IsBits()) bits.push_back(&b);
    }
  }
  ASSERT_FALSE(bits.empty());
  for (std::size_t i = 0; i < bits.size(); ++i) {
    for (std::size_t j = i + 1; j < bits.size(); ++j) {
      if (!SharesBits(*bits[i], *bits[j])) continue;
      EXPECT_EQ(bits[i]->field.bits.mask, bits[j]->field.bits.mask) << "controls " << bits[i]->id << ", " << bits[j]->id;
    }
  }
}

}  // namespace
}  // namespace page_test
