// Choice lists: filling, selecting by stored code, the text of a code, the
// drop-down list over a cell, and the model's fillers on real controls.
#include "model/edit_model.h"
#include "test_cells_support.h"
#include "ui/choice/choice_list_adapter.h"
#include "ui/choice/choice_lists.h"

using namespace cells_test;

namespace {

using Texts = std::vector<std::string>;
Texts Items(CComboBox& combo) {
  Texts items;
  for (int i = 0; i < combo.GetCount(); ++i) items.push_back(combo.GetLBText(i));
  return items;
}
Texts Items(CListBox& list) {
  Texts items;
  for (int i = 0; i < list.GetCount(); ++i) items.push_back(list.GetText(i));
  return items;
}

using ChoiceTest = CellTest;

TEST_F(ChoiceTest, AComboRefreshSelectsTheFirstMatchElseKeepsWhatIsSelected) {
  constexpr ValueTable<2> kOnOff{0, {0, 1}};
  auto refresh = [&](std::uint32_t code) {
    host.combo.ResetContent();
    FillCombo2(host.combo, "Off", "On", kOnOff.defaultIndex);
    SelectComboByValue2(host.combo, kOnOff, code);
    return host.combo.GetCurSel();
  };
  EXPECT_EQ(refresh(1), 1);
  EXPECT_EQ(refresh(7), 0);

  constexpr ValueTable<3> kTwice{2, {5, 3, 3}};
  host.combo.AddString("x");  // filling inserts in front and never empties
  FillCombo3(&host.combo, "A", "B", std::string("C"), kTwice.defaultIndex);
  EXPECT_EQ(Items(host.combo), (Texts{"A", "B", "C", "Off", "On", "x"}));
  SelectComboByValue3(&host.combo, kTwice, 3);
  EXPECT_EQ(host.combo.GetCurSel(), 1);  // the first of the two

  // A match beyond the entries the combo holds keeps the selection, so a commit
  // always reads a position of the table.
  constexpr ValueTable<4> kModes{0, {0, 1, 2, 3}};
  host.combo.ResetContent();
  FillCombo2(host.combo, "Mode 0", "Mode 1", 1);
  SelectComboByValue4(host.combo, kModes, 3);
  EXPECT_EQ(kModes.ValueAt(host.combo.GetCurSel()), 1u);
  EXPECT_FALSE(kModes.ValueAt(-1).has_value());

  constexpr ValueTable<1> kSpecial{0, {4}};
  host.combo.ResetContent();
  FillCombo1(host.combo, "Special", -1);
  SelectComboByValue1(&host.combo, kSpecial, 4, 10);
  SelectComboByValue1(&host.combo, kSpecial, 5, 11);
  EXPECT_EQ(host.combo.GetCurSel(), CB_ERR);
  SelectComboByValue1(&host.combo, kSpecial, 4, 11);
  EXPECT_EQ(host.combo.GetCurSel(), 0);

  EXPECT_EQ(Count(kCombo, CBN_SELCHANGE), 0);  // the program's changes raise nothing
}

TEST_F(ChoiceTest, ListTextOfACodeWithDefaultsNoneAndPositionsOutOfRange) {
  constexpr ValueTable<2> kWidth{0, {0, 1}};
  EXPECT_EQ(ListTextByValue2(host.list, kWidth, 1), "");
  EXPECT_EQ(ListTextByValue21(host.list, ValueTable<21>{}, 0), "None");

  host.list.AddString("x");
  FillList2(host.list, "Narrow", "Wide", 1);  // added at the end
  FillList3(host.list, "a", "b", "c", 0);     // inserted in front
  EXPECT_EQ(Items(host.list), (Texts{"a", "b", "c", "x", "Narrow", "Wide"}));
  host.list.ResetContent();
  FillList2(host.list, "Narrow", "Wide", 0);
  EXPECT_EQ(ListTextByValue2(host.list, kWidth, 1), "Wide");
  EXPECT_EQ(ListTextByValue2(host.list, kWidth, 7), "Narrow");
  // Default positions the list does not hold, and a match beyond its entries.
  EXPECT_EQ(ListTextByValue3(host.list, ValueTable<3>{5, {7, 8, 9}}, 0), "");
  EXPECT_EQ(ListTextByValue3(host.list, ValueTable<3>{-1, {7, 8, 9}}, 0), "");
  EXPECT_EQ(ListTextByValue3(host.list, ValueTable<3>{0, {7, 8, 9}}, 9), "");
  // Entries longer than 51 characters come back whole.
  host.list.AddString(std::string(80, 'L'));
  EXPECT_EQ(ListTextByValue3(host.list, ValueTable<3>{0, {7, 8, 9}}, 9), std::string(80, 'L'));

  ValueTable<50, std::uint8_t> tones{3, {}};
  Texts texts;
  for (int i = 0; i < 50; ++i) {
    tones.values[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 2);
    texts.push_back("T" + std::to_string(i));
  }
  host.list.ResetContent();
  FillList(&host.list, std::vector<std::string_view>(texts.begin(), texts.end()), 0);
  EXPECT_EQ(ListTextByValue50(host.list, tones, 98), "T49");
  EXPECT_EQ(ListTextByValue50(host.list, tones, 98 + 256), "T3");  // codes are not cut to a byte
  EXPECT_EQ(Count(kList, LBN_SELCHANGE), 0);
}

TEST_F(ChoiceTest, ShowListEditorDropsTheListOverTheCellAndSelectsCaseSensitively) {
  FillList3(host.list, "Low", "High", "HIGH", 0);
  ASSERT_FALSE(host.list.IsWindowVisible());
  ShowListEditor(&host.list, 30, 40, 70, 50, "HIGH", 1);
  EXPECT_TRUE(host.list.IsWindowVisible());
  EXPECT_EQ(host.list.GetSafeHwnd()->geometry(), QRect(30, 40, 70, 50));
  EXPECT_EQ(host.list.GetCurSel(), 2);
  EXPECT_TRUE(PumpUntil([] { return FocusedId() == kList; }));
  ShowListEditor(&host.list, 30, 40, 70, 50, "high", 0);
  EXPECT_EQ(host.list.GetCurSel(), 0);
  host.list.SetCurSel(1);
  ShowListEditor(&host.list, 30, 40, 70, 50, "Medium", 0);
  EXPECT_EQ(host.list.GetCurSel(), 0);
  EXPECT_EQ(Count(kList, LBN_SELCHANGE), 0);

  host.list.ResetContent();
  ShowListEditor(&host.list, 0, 0, 70, 50, "None", 1);
  EXPECT_EQ(host.list.GetCurSel(), LB_ERR);
}

TEST_F(ChoiceTest, TheModelFillersFillRealCombosAndLists) {
  CEditModel model;
  for (std::uint8_t& flags : model.store.zoneFlags) flags &= static_cast<std::uint8_t>(~kZoneInUse);
  model.store.zoneFlags[2] |= kZoneInUse;
  ListIndexMap map{};
  CChoiceListAdapter combo(host.combo);
  model.store.FillZoneCombo(combo, map, 2);
  EXPECT_EQ(Items(host.combo), (Texts{"None", "Zone  3"}));
  EXPECT_EQ(host.combo.GetCurSel(), 1);
  EXPECT_EQ(map[1], 2u);

  CChoiceListAdapter list(host.list);
  model.store.FillZoneCombo(list, map, 255);
  EXPECT_EQ(Items(host.list), (Texts{"None", "Zone  3"}));
  EXPECT_EQ(host.list.GetCurSel(), 0);
  list.ResetContent();
  EXPECT_EQ(list.GetCount(), 0);
}

}  // namespace
