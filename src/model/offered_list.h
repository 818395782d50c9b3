// A list whose entries the model works out when it opens: the key functions a
// slot may take, the zones a Sel Call entry may name, the functions an
// accessory port may take, the zones and groups of the group switch table.
// A page shows the texts in order and opens the list on `selected`; a choice
// is handed back to the model as a position of the list as it was offered.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/field.h"

struct OfferedEntry {
  std::string text;
  std::uint32_t code;
};

struct OfferedList {
  std::vector<OfferedEntry> entries;
  int selected = 0;  // the position the list opens on; -1: none

  int size() const { return static_cast<int>(entries.size()); }
  // The code of a position; nothing for a position the list does not have (no selection).
  std::optional<std::uint32_t> CodeAt(int position) const {
    if (position < 0 || position >= size()) return std::nullopt;
    return entries[static_cast<std::size_t>(position)].code;
  }
  // The first position holding the code, or -1.
  int Find(std::uint32_t code) const {
    for (int i = 0; i < size(); ++i)
      if (entries[static_cast<std::size_t>(i)].code == code) return i;
    return -1;
  }
  void Add(std::string text, std::uint32_t code) { entries.push_back({std::move(text), code}); }
};

// A field chosen from an offered list that drops down over its cell: the text
// the cell shows for a code (also one the list does not offer), and the list
// offered for an entity, opening on its current code.
struct ChooserField {
  Field field{};
  std::string (*text)(std::uint32_t code) = nullptr;
  OfferedList (*offer)(CEditModel& model, int index) = nullptr;
};
