// The Key Assignment pages of both key layouts, driven by clicks and keys: the
// function list under a button, choices that keep every function on one slot
// and the hold buttons as the model says, bytes no function has, ways out that
// store nothing, and a page that leaves the focus alone.
#include <random>
#include <set>

#include "page_harness.h"
#include "pages/settings/key_assign_page.h"
#include "pages/settings/mobile_special_page.h"

namespace page_test {
namespace {

CKeyAssignSection& Keys() { return TheModel().keys; }

class KeyAssign : public PageHarness {
 protected:
  CKeyAssignPage& OpenLayout(KeyLayout layout) {
    LoadRadio(Band::Uhf, layout == KeyLayout::kPanel ? 11 : 0);
    return OpenAs<CKeyAssignPage>(layout == KeyLayout::kPanel ? IDD_KEY_ASSIGN_PANEL : IDD_KEY_ASSIGN_SIDE);
  }
  CKeyAssignPage& Keypage() { return dynamic_cast<CKeyAssignPage&>(Page()); }
  CWnd* Button(int slot) { return Page().GetDlgItem(Keypage().ButtonOf(slot)); }
  CWnd* List() { return Page().GetDlgItem(IDC_KEY_FUNCTION_LIST); }
  int ListSel() { return static_cast<int>(List()->SendMessage(LB_GETCURSEL)); }
  // Enter on a slot's button, then an entry picked with the keys.
  void ChooseByKeys(int slot, int position) {
    FocusOn(Keypage().ButtonOf(slot));
    Key(Qt::Key_Return);
    ASSERT_TRUE(List()->IsWindowVisible());
    Key(Qt::Key_Home);
    for (int i = 0; i < position; ++i) Key(Qt::Key_Down);
    Key(Qt::Key_Return);
  }
  // A click on a slot's button beeps and opens, under the button, the list the
  // model offers for the slot, on the held function, with the focus.
  void ClickAndExpectTheOfferedList(KeyLayout layout, int slot) {
    prompts.Clear();
    Click(Button(slot));
    EXPECT_EQ(prompts.Beeps(), 1);
    const OfferedList offered = KeyFunctionChoices(Keys(), layout, slot, TheModel().global.optionBoardCode());
    std::vector<std::string> texts;
    for (const OfferedEntry& e : offered.entries) texts.push_back(e.text);
    EXPECT_EQ(Entries(IDC_KEY_FUNCTION_LIST), texts);
    EXPECT_EQ(ListSel(), offered.selected);
    CRect button, list;
    Button(slot)->GetWindowRect(&button);
    List()->GetWindowRect(&list);
    EXPECT_EQ(list.top, button.bottom);
    EXPECT_GE(list.Width(), 2 * button.Width());
    EXPECT_EQ(CWnd::GetFocus(), List());
  }
};

// Choices, and the ways out of the list, in a random order, with the option
// board fitted: every non-zero code on one slot at most (a panel pair code on
// both slots of one key), the flags equal to the held codes, captions and hold
// buttons as the model says, g_bModified set by a stored choice only; Esc goes
// back to the button. (The model's own tests hold the lists and the pairs.)
TEST_F(KeyAssign, RandomChoicesByKeysKeepEveryFunctionOnOneSlot) {
  for (KeyLayout layout : {KeyLayout::kPanel, KeyLayout::kSide}) {
    CKeyAssignPage& page = OpenLayout(layout);
    TheModel().global.SetOptionBoardCode(3);
    std::mt19937 random(layout == KeyLayout::kPanel ? 142u : 215u);
    for (int step = 0; step < 80; ++step) {
      const int slot = int(random() % kKeySlotCount);
      if (!Button(slot)->IsWindowEnabled()) continue;
      const OfferedList offered = KeyFunctionChoices(Keys(), layout, slot, 3);
      const int position = int(random() % std::uint32_t(offered.size()));
      const std::vector<std::uint8_t> before(Keys().keyFunctionCodes, Keys().keyFunctionCodes + 12);
      g_bModified = 0;
      const int way = int(random() % 6);
      if (way < 3) {
        ChooseByKeys(slot, position);
        ASSERT_EQ(Keys().keyFunctionCodes[slot], *offered.CodeAt(position));
      } else {
        ClickAndExpectTheOfferedList(layout, slot);
        Key(Qt::Key_Down);
        if (way == 3) {
          Key(Qt::Key_Escape);
          EXPECT_EQ(CWnd::GetFocus(), Button(slot));  // back on its button
        }
        if (way == 4) Key(Qt::Key_Tab);
        if (way == 5) Click(&Page(), QPoint(2, 2));
        EXPECT_FALSE(List()->IsWindowVisible());
        EXPECT_EQ(std::vector<std::uint8_t>(Keys().keyFunctionCodes, Keys().keyFunctionCodes + 12), before);
      }
      EXPECT_EQ(g_bModified, way < 3 ? 1u : 0u);
      std::set<int> held;
      for (int s = 0; s < kKeySlotCount; ++s) {
        const int c = Keys().keyFunctionCodes[s];
        held.insert(c);
        for (int t = s + 1; t < kKeySlotCount && c != 0; ++t) {
          const bool pair = layout == KeyLayout::kPanel && (c == 17 || c == 75 || c == 78) && t == PartnerSlot(s);
          ASSERT_TRUE(Keys().keyFunctionCodes[t] != c || pair) << c << " on " << s << " and " << t;
        }
        EXPECT_EQ(Shown(page.ButtonOf(s)), KeyFunctionName(layout, c));
        EXPECT_EQ(Enabled(page.ButtonOf(s)), !IsHoldSlot(s) || IsHoldButtonEnabled(Keys(), layout, s - 6));
      }
      for (int c = 1; c < 256; ++c) ASSERT_EQ(Keys().IsFunctionAssigned(c), held.count(c) == 1) << c;
    }
  }
}

// The page takes the focus once, when it is made, and paints move it nowhere.
// Bytes as any radio may hold them, a code no function has on slot 0: showing
// the page again refreshes its captions, and these pages and the Mobile Special
// page show every field. That slot's list opens on "None"; Enter with no entry
// selected stores nothing, on "None" it stores it.
TEST_F(KeyAssign, FocusAndCaptionsOnARadiosBytesAndACodeNoFunctionHas) {
  OpenLayout(KeyLayout::kSide);
  EXPECT_EQ(CWnd::GetFocus(), Button(0));
  FocusOn(Keypage().ButtonOf(9));
  for (int i = 0; i < 3; ++i) {
    Page().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(60);
  }
  EXPECT_EQ(CWnd::GetFocus(), Button(9));

  std::mt19937 random(8);
  auto& image = TheModel().image;
  std::vector<std::size_t> bytes = {226, 704, 748, 758};  // and the key slots and the DSUB-15 tables
  for (std::size_t at = 188; at < 200; ++at) bytes.push_back(at);
  for (std::size_t at = 719; at < 748; ++at) bytes.push_back(at);
  for (std::size_t at : bytes) image[at] = std::uint8_t(random());
  image[189] = 200;  // slot 0
  TheModel().UnpackImage(image.data());
  g_bModified = 0;
  const auto expectCaptions = [&] {
    for (int s = 0; s < kKeySlotCount; ++s) {
      EXPECT_EQ(Shown(Keypage().ButtonOf(s)), KeyFunctionName(Keypage().Layout(), Keys().keyFunctionCodes[s])) << s;
    }
  };
  Page().ShowWindow(SW_HIDE);
  Page().ShowWindow(SW_SHOW);
  expectCaptions();
  Open(IDD_MOBILE_SPECIAL);
  for (const Binding& b : FieldPage()->Bindings()) EXPECT_EQ(Shown(b.id), PageText(FieldPage()->Bindings(), b));
  Open(IDD_KEY_ASSIGN_PANEL);
  expectCaptions();
  EXPECT_EQ(Button(0)->GetWindowText(), "");
  Click(Button(0));
  EXPECT_EQ(ListSel(), 0);  // "None"
  List()->SendMessage(LB_SETCURSEL, static_cast<WPARAM>(-1));
  Key(Qt::Key_Return);
  EXPECT_EQ(Keys().keyFunctionCodes[0], 200);
  EXPECT_EQ(g_bModified, 0u);
  Click(Button(0));
  Key(Qt::Key_Return);
  EXPECT_EQ(Keys().keyFunctionCodes[0], 0);
  EXPECT_FALSE(Keys().IsFunctionAssigned(200));
  EXPECT_EQ(Button(0)->GetWindowText(), "None");
}

}  // namespace
}  // namespace page_test
