// The Key Assignment pages of both key layouts, driven by clicks and keys: the
// function list under a button, choices that keep every function on one slot,
// the panel's shared Emergency and its hold button, bytes no function has,
// ways out that store nothing, and a page that leaves the focus alone.
#include <random>
#include <set>

#include "page_harness.h"
#include "pages/settings/key_assign_page.h"
#include "pages/settings/mobile_special_page.h"

namespace page_test {
namespace {

CKeyAssignSection& Keys() { return TheModel().keys; }
std::size_t SlotByte(int slot) { return std::size_t(188 + (slot ^ 1)); }

class KeyAssign : public PageHarness {
 protected:
  CKeyAssignPage& OpenLayout(KeyLayout layout) {
    LoadRadio(Band::Uhf, layout == KeyLayout::kPanel ? 11 : 0);
    return OpenAs<CKeyAssignPage>(layout == KeyLayout::kPanel ? IDD_KEY_ASSIGN_PANEL : IDD_KEY_ASSIGN_SIDE);
  }
  CKeyAssignPage& Keypage() { return dynamic_cast<CKeyAssignPage&>(Page()); }
  CWnd* List() { return Page().GetDlgItem(IDC_KEY_FUNCTION_LIST); }
  bool ListOpen() { return List()->IsWindowVisible(); }
  std::vector<std::string> ListTexts() {
    std::vector<std::string> texts;
    for (int i = 0; i < static_cast<int>(List()->SendMessage(LB_GETCOUNT)); ++i) {
      std::string text;
      List()->SendMessage(LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text));
      texts.push_back(text);
    }
    return texts;
  }
  // Opens a slot's list with Enter on its button and picks an entry with the keys.
  void ChooseByKeys(int slot, int position) {
    FocusOn(Keypage().ButtonOf(slot));
    Key(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    Key(Qt::Key_Home);
    for (int i = 0; i < position; ++i) Key(Qt::Key_Down);
    Key(Qt::Key_Return);
  }
  std::vector<std::string> Texts(const OfferedList& list) {
    std::vector<std::string> texts;
    for (const OfferedEntry& e : list.entries) texts.push_back(e.text);
    return texts;
  }
};

TEST_F(KeyAssign, TheListUnderAButtonIsTheOneTheModelOffers) {
  for (KeyLayout layout : {KeyLayout::kPanel, KeyLayout::kSide}) {
    for (std::uint8_t board : {0, 3}) {
      SCOPED_TRACE(int(layout) * 10 + board);
      CKeyAssignPage& page = OpenLayout(layout);
      TheModel().global.SetOptionBoardCode(board);
      for (int slot : {0, 3, 6, 11}) {
        Click(Page().GetDlgItem(page.ButtonOf(slot)));
        ASSERT_TRUE(ListOpen());
        const OfferedList offered = KeyFunctionChoices(Keys(), layout, slot, board);
        EXPECT_EQ(ListTexts(), Texts(offered));
        EXPECT_EQ(List()->SendMessage(LB_GETCURSEL), offered.selected);
        // Under the button, at least twice as wide.
        CRect button, list;
        Page().GetDlgItem(page.ButtonOf(slot))->GetWindowRect(&button);
        List()->GetWindowRect(&list);
        EXPECT_EQ(list.top, button.bottom);
        EXPECT_GE(list.Width(), 2 * button.Width());
        EXPECT_EQ(CWnd::GetFocus(), List());
      }
      const auto texts = ListTexts();
      EXPECT_EQ(std::count(texts.begin(), texts.end(), "Option SW"), layout == KeyLayout::kPanel && board == 3);
      EXPECT_EQ(prompts.Beeps(), 4);
      EXPECT_EQ(g_bModified, 0u);
    }
  }
}

// Choices, and ways out of the list, in a random order: every non-zero code
// on one slot at most (a panel pair code on both slots of one key), the flags
// equal to the held codes, captions and hold buttons as the model says, and
// g_bModified set by a stored choice only.
TEST_F(KeyAssign, RandomChoicesByKeysKeepEveryFunctionOnOneSlot) {
  for (KeyLayout layout : {KeyLayout::kPanel, KeyLayout::kSide}) {
    CKeyAssignPage& page = OpenLayout(layout);
    std::mt19937 random(layout == KeyLayout::kPanel ? 142u : 215u);
    for (int step = 0; step < 80; ++step) {
      const int slot = int(random() % kKeySlotCount);
      if (!Page().GetDlgItem(page.ButtonOf(slot))->IsWindowEnabled()) continue;
      const OfferedList offered = KeyFunctionChoices(Keys(), layout, slot, 0);
      const int position = int(random() % std::uint32_t(offered.size()));
      const auto before = std::vector<std::uint8_t>(Keys().keyFunctionCodes, Keys().keyFunctionCodes + 12);
      g_bModified = 0;
      const int way = int(random() % 6);
      if (way < 3) {
        ChooseByKeys(slot, position);
        ASSERT_EQ(Keys().keyFunctionCodes[slot], *offered.CodeAt(position));
        EXPECT_EQ(g_bModified, 1u);
      } else {
        Click(Page().GetDlgItem(page.ButtonOf(slot)));
        Key(Qt::Key_Down);
        if (way == 3) Key(Qt::Key_Escape);
        if (way == 4) Key(Qt::Key_Tab);
        if (way == 5) Click(&Page(), QPoint(2, 2));
        EXPECT_FALSE(ListOpen());
        EXPECT_EQ(std::vector<std::uint8_t>(Keys().keyFunctionCodes, Keys().keyFunctionCodes + 12), before);
        EXPECT_EQ(g_bModified, 0u);
      }
      std::set<int> held;
      for (int s = 0; s < kKeySlotCount; ++s) {
        const int c = Keys().keyFunctionCodes[s];
        held.insert(c);
        for (int t = s + 1; t < kKeySlotCount && c != 0; ++t) {
          const bool pair = layout == KeyLayout::kPanel && (c == 17 || c == 75 || c == 78) && t == PartnerSlot(s);
          ASSERT_TRUE(Keys().keyFunctionCodes[t] != c || pair) << c << " on " << s << " and " << t;
        }
        EXPECT_EQ(Shown(page.ButtonOf(s)), KeyFunctionName(layout, c));
        if (IsHoldSlot(s)) {
          EXPECT_EQ(Enabled(page.ButtonOf(s)), IsHoldButtonEnabled(Keys(), layout, s - 6));
        }
      }
      for (int c = 1; c < 256; ++c) ASSERT_EQ(Keys().IsFunctionAssigned(c), held.count(c) == 1) << c;
    }
  }
}

TEST_F(KeyAssign, EmergencyOnP2PressTakesTheHoldSlotUntilMonitorReplacesIt) {
  CKeyAssignPage& page = OpenLayout(KeyLayout::kPanel);
  // The pack wants an emergency group once a key has Emergency.
  TheModel().store.groups[0].flags |= kGroupInUse;
  TheModel().global.emergencySystem = 0;
  TheModel().global.emergencyGroup = 0;
  const int hold = page.ButtonOf(7);
  const auto before = Packed();
  ChooseByKeys(1, KeyFunctionChoices(Keys(), KeyLayout::kPanel, 1, 0).Find(17));
  EXPECT_EQ(Keys().keyFunctionCodes[1], 17);
  EXPECT_EQ(Keys().keyFunctionCodes[7], 17);
  EXPECT_FALSE(Enabled(hold));
  EXPECT_EQ(Shown(hold), "Emergency");
  ExpectImageDiff(before, {{SlotByte(1)}, {SlotByte(7)}});

  ChooseByKeys(1, KeyFunctionChoices(Keys(), KeyLayout::kPanel, 1, 0).Find(1));
  EXPECT_EQ(Keys().keyFunctionCodes[7], 17);
  EXPECT_TRUE(Enabled(hold));
  Click(Page().GetDlgItem(hold));
  EXPECT_EQ(ListTexts()[std::size_t(List()->SendMessage(LB_GETCURSEL))], "Emergency");
  Key(Qt::Key_Escape);
  EXPECT_EQ(CWnd::GetFocus(), Page().GetDlgItem(hold));  // back on its button
}

TEST_F(KeyAssign, AByteNoFunctionHasShowsEmptyAndItsListOpensOnNone) {
  TheModel().image[SlotByte(0)] = 200;
  TheModel().UnpackImage(TheModel().image.data());
  CKeyAssignPage& page = OpenAs<CKeyAssignPage>(IDD_KEY_ASSIGN_PANEL);
  EXPECT_EQ(Shown(page.ButtonOf(0)), "");
  EXPECT_TRUE(Keys().IsFunctionAssigned(200));
  Click(Page().GetDlgItem(page.ButtonOf(0)));
  EXPECT_EQ(List()->SendMessage(LB_GETCURSEL), 0);
  Key(Qt::Key_Return);  // kept: Enter on "None" stores it
  EXPECT_EQ(Keys().keyFunctionCodes[0], 0);
  EXPECT_FALSE(Keys().IsFunctionAssigned(200));
  EXPECT_EQ(Shown(page.ButtonOf(0)), "None");
}

// The page takes the focus once, when it is made; showing and painting it
// again refresh the captions and move nothing.
TEST_F(KeyAssign, ShowingAndPaintingRefreshCaptionsAndLeaveTheFocus) {
  CKeyAssignPage& page = OpenLayout(KeyLayout::kSide);
  EXPECT_EQ(CWnd::GetFocus(), Page().GetDlgItem(page.ButtonOf(0)));
  AssignKeyFunction(Keys(), KeyLayout::kSide, 2, 3);
  Page().ShowWindow(SW_HIDE);
  Page().ShowWindow(SW_SHOW);
  FocusOn(page.ButtonOf(9));
  for (int i = 0; i < 3; ++i) {
    Page().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(60);
  }
  EXPECT_EQ(Shown(page.ButtonOf(2)), "Scan");
  EXPECT_EQ(CWnd::GetFocus(), Page().GetDlgItem(page.ButtonOf(9)));
  EXPECT_EQ(g_bModified, 0u);
}

}  // namespace
}  // namespace page_test

namespace page_test {
namespace {

// Both pages of this tab and the Mobile Special page on each band's default
// data and on bytes as any radio may hold them: every control shows its field.
using SettingsPages = PageHarness;

TEST_F(SettingsPages, ComeUpOnBothBandsAndOnARadiosBytes) {
  std::mt19937 random(8);
  for (int kind = 0; kind < 3; ++kind) {
    LoadRadio(kind == 1 ? Band::Vhf : Band::Uhf);
    if (kind == 2) {
      auto& image = TheModel().image;
      for (std::size_t at = 188; at < 200; ++at) image[at] = std::uint8_t(random());
      for (std::size_t at : {226u, 704u, 748u, 758u}) image[at] = std::uint8_t(random());
      for (std::size_t at = 719; at < 748; ++at) image[at] = std::uint8_t(random());
      TheModel().UnpackImage(image.data());
    }
    for (UINT idd : {IDD_KEY_ASSIGN_PANEL, IDD_KEY_ASSIGN_SIDE}) {
      SCOPED_TRACE(std::to_string(kind) + "/" + std::to_string(idd));
      auto& page = OpenAs<CKeyAssignPage>(idd);
      for (int slot = 0; slot < kKeySlotCount; ++slot) {
        EXPECT_EQ(Shown(page.ButtonOf(slot)), KeyFunctionName(page.Layout(), TheModel().keys.keyFunctionCodes[slot]));
      }
    }
    Open(IDD_MOBILE_SPECIAL);
    for (const Binding& b : FieldPage()->Bindings()) EXPECT_EQ(Shown(b.id), PageText(FieldPage()->Bindings(), b));
  }
}

}  // namespace
}  // namespace page_test
