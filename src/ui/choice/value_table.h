// A value table ties the positions of a choice list to the codes a record
// stores: a default position, for a code that no entry has, and one code per
// list entry in list order. Most tables hold 32-bit codes; the CTCSS and DCS
// tables hold bytes. A code may occur twice; the first entry wins.
//
//   constexpr ValueTable<3> kSquelchTable{0, {0, 1, 3}};
//   constexpr ValueTable<50, std::uint8_t> kToneTable{...};
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

template <std::size_t N, class V = std::uint32_t>
struct ValueTable {
  static_assert(N > 0, "a choice list has at least one entry");
  using value_type = V;

  std::int32_t defaultIndex = 0;
  std::array<V, N> values{};

  static constexpr std::size_t size() { return N; }

  // The first position whose code is the given one, or -1.
  constexpr int Find(std::uint32_t code) const {
    for (std::size_t i = 0; i < N; ++i) {
      if (static_cast<std::uint32_t>(values[i]) == code) return static_cast<int>(i);
    }
    return -1;
  }
  // The position a list shows for the code: its first entry, else the default.
  constexpr int PositionOf(std::uint32_t code) const {
    const int i = Find(code);
    return i >= 0 ? i : defaultIndex;
  }
  // The code of a list position; nothing for a position outside the table
  // (no selection is -1).
  constexpr std::optional<std::uint32_t> ValueAt(int position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= N) return std::nullopt;
    return static_cast<std::uint32_t>(values[static_cast<std::size_t>(position)]);
  }
};
