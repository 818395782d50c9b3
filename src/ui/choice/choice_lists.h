// The helpers that fill choice lists (combo boxes and list boxes), select an
// entry by its stored code, give the text of a stored code, and drop a list
// down over a grid cell. Each family is one generic routine; the numbered
// names the pages use (FillCombo7, SelectComboByValue16, ListTextByValue21 ...)
// are that routine for N texts or an N-entry table.
//
// None of them empties a list first: a page's refresh of a combo box is
// CB_RESETCONTENT, FillComboN with the table's default index, then
// SelectComboByValueN with the record's code. The lists are passed as the
// window objects of the controls (a CComboBox or CListBox, or the CWnd that
// GetDlgItem gives).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "ui/choice/value_table.h"
#include "ui/wnd/wnd.h"

// ---- the generic routines ---------------------------------------------------------------

// Inserts the texts at positions 0 to N - 1 and selects the position.
void FillCombo(CWnd* combo, std::span<const std::string_view> texts, int selection);
// The same for a list box; with `append` the texts are added at the end instead.
void FillList(CWnd* list, std::span<const std::string_view> texts, int selection, bool append = false);

// Selects the first position whose code is the given one. With no such
// position, or one the combo box does not hold, the selection stays as it was.
void SelectComboPosition(CWnd* combo, int position);
template <std::size_t N, class V>
void SelectComboByValue(CWnd* combo, const ValueTable<N, V>& table, std::uint32_t code) {
  SelectComboPosition(combo, table.Find(code));
}
// The one-entry table of the model-gated choice: position 0 is selected only
// when its code is the given one and the model code is 11.
void SelectComboByValue1(CWnd* combo, const ValueTable<1>& table, std::uint32_t code, std::uint32_t modelCode);

// The text of a list box entry; empty for a position the list does not hold.
std::string ListTextAt(CWnd* list, int position);
// The text of the first entry whose code is the given one, else of the
// default entry. An empty list gives "None" when noneWhenEmpty is set, else "".
template <std::size_t N, class V>
std::string ListTextByValue(CWnd* list, const ValueTable<N, V>& table, std::uint32_t code,
                            bool noneWhenEmpty = false) {
  if (noneWhenEmpty && list && list->SendMessage(LB_GETCOUNT) <= 0) return "None";
  return ListTextAt(list, table.PositionOf(code));
}

// Shows the list at (x, y) with the size given, in its parent's client
// coordinates, over the cells; selects the first entry whose text is exactly
// (also in case) the cell's text, else entry 0; when bRedraw is 1 redraws the
// list's owner (its parent when it has none) at once; gives the list the focus.
void ShowListEditor(CWnd* list, int x, int y, int width, int height, const std::string& cellText, int bRedraw);

// ---- the numbered members ----------------------------------------------------------------

namespace choice_detail {

template <std::size_t N>
struct FillComboFn {
  // combo, N texts, selection index
  template <class... Args>
  void operator()(CWnd* combo, const Args&... args) const {
    static_assert(sizeof...(Args) == N + 1, "N texts and the selection index");
    const auto all = std::forward_as_tuple(args...);
    const auto texts = [&]<std::size_t... I>(std::index_sequence<I...>) {
      return std::array<std::string_view, N>{std::string_view(std::get<I>(all))...};
    }(std::make_index_sequence<N>{});
    FillCombo(combo, texts, static_cast<int>(std::get<N>(all)));
  }
  template <class... Args>
  void operator()(CWnd& combo, const Args&... args) const {
    (*this)(&combo, args...);
  }
};

template <std::size_t N, bool Append>
struct FillListFn {
  // list, N texts, selection index
  template <class... Args>
  void operator()(CWnd* list, const Args&... args) const {
    static_assert(sizeof...(Args) == N + 1, "N texts and the selection index");
    const auto all = std::forward_as_tuple(args...);
    const auto texts = [&]<std::size_t... I>(std::index_sequence<I...>) {
      return std::array<std::string_view, N>{std::string_view(std::get<I>(all))...};
    }(std::make_index_sequence<N>{});
    FillList(list, texts, static_cast<int>(std::get<N>(all)), Append);
  }
  template <class... Args>
  void operator()(CWnd& list, const Args&... args) const {
    (*this)(&list, args...);
  }
};

template <std::size_t N>
struct SelectComboByValueFn {
  template <class V>
  void operator()(CWnd* combo, const ValueTable<N, V>& table, std::uint32_t code) const {
    SelectComboByValue(combo, table, code);
  }
  template <class V>
  void operator()(CWnd& combo, const ValueTable<N, V>& table, std::uint32_t code) const {
    SelectComboByValue(&combo, table, code);
  }
};

template <std::size_t N, bool NoneWhenEmpty>
struct ListTextByValueFn {
  template <class V>
  std::string operator()(CWnd* list, const ValueTable<N, V>& table, std::uint32_t code) const {
    return ListTextByValue(list, table, code, NoneWhenEmpty);
  }
  template <class V>
  std::string operator()(CWnd& list, const ValueTable<N, V>& table, std::uint32_t code) const {
    return ListTextByValue(&list, table, code, NoneWhenEmpty);
  }
};

}  // namespace choice_detail

inline constexpr choice_detail::FillComboFn<1> FillCombo1{};
inline constexpr choice_detail::FillComboFn<2> FillCombo2{};
inline constexpr choice_detail::FillComboFn<3> FillCombo3{};
inline constexpr choice_detail::FillComboFn<4> FillCombo4{};
inline constexpr choice_detail::FillComboFn<5> FillCombo5{};
inline constexpr choice_detail::FillComboFn<7> FillCombo7{};
inline constexpr choice_detail::FillComboFn<8> FillCombo8{};
inline constexpr choice_detail::FillComboFn<9> FillCombo9{};
inline constexpr choice_detail::FillComboFn<13> FillCombo13{};
inline constexpr choice_detail::FillComboFn<16> FillCombo16{};
inline constexpr choice_detail::FillComboFn<23> FillCombo23{};

// FillList2 adds its texts at the end; the others insert at positions 0 to N - 1.
inline constexpr choice_detail::FillListFn<2, true> FillList2{};
inline constexpr choice_detail::FillListFn<3, false> FillList3{};
inline constexpr choice_detail::FillListFn<4, false> FillList4{};
inline constexpr choice_detail::FillListFn<6, false> FillList6{};
inline constexpr choice_detail::FillListFn<10, false> FillList10{};
inline constexpr choice_detail::FillListFn<14, false> FillList14{};
inline constexpr choice_detail::FillListFn<16, false> FillList16{};

inline constexpr choice_detail::SelectComboByValueFn<2> SelectComboByValue2{};
inline constexpr choice_detail::SelectComboByValueFn<3> SelectComboByValue3{};
inline constexpr choice_detail::SelectComboByValueFn<4> SelectComboByValue4{};
inline constexpr choice_detail::SelectComboByValueFn<5> SelectComboByValue5{};
inline constexpr choice_detail::SelectComboByValueFn<7> SelectComboByValue7{};
inline constexpr choice_detail::SelectComboByValueFn<8> SelectComboByValue8{};
inline constexpr choice_detail::SelectComboByValueFn<9> SelectComboByValue9{};
inline constexpr choice_detail::SelectComboByValueFn<13> SelectComboByValue13{};
inline constexpr choice_detail::SelectComboByValueFn<16> SelectComboByValue16{};
inline constexpr choice_detail::SelectComboByValueFn<23> SelectComboByValue23{};

// ListTextByValue21 gives "None" for an empty list; 50 and 106 take the byte tables.
inline constexpr choice_detail::ListTextByValueFn<2, false> ListTextByValue2{};
inline constexpr choice_detail::ListTextByValueFn<3, false> ListTextByValue3{};
inline constexpr choice_detail::ListTextByValueFn<4, false> ListTextByValue4{};
inline constexpr choice_detail::ListTextByValueFn<6, false> ListTextByValue6{};
inline constexpr choice_detail::ListTextByValueFn<10, false> ListTextByValue10{};
inline constexpr choice_detail::ListTextByValueFn<14, false> ListTextByValue14{};
inline constexpr choice_detail::ListTextByValueFn<16, false> ListTextByValue16{};
inline constexpr choice_detail::ListTextByValueFn<21, true> ListTextByValue21{};
inline constexpr choice_detail::ListTextByValueFn<50, false> ListTextByValue50{};
inline constexpr choice_detail::ListTextByValueFn<106, false> ListTextByValue106{};
