// The vocabulary in which the model names its fields once, for the pages, the
// sheets, the packs and the tests:
//
//  - BitField: some bits of one record byte under a mask. Its code is the bits
//    shifted down to bit 0; a store writes only the bits under the mask.
//  - Field: a BitField, or a getter and a setter where a field is not bits of
//    one byte (a word, a byte with a conversion, a value spread over bytes).
//  - TextField: a text (tags, aliases, dial strings) with its getter and setter.
//  - TypedField: a text typed into a number cell that the model itself turns
//    into what it stores (a frequency into channel words, a number brought
//    into its range), telling whether it changed a record and whether the
//    entry was refused or corrected.
//  - ChoiceList: the {text, code} pairs of a list, its default entry and, where a
//    sheet prints a text of its own for a code no entry has, that text.
//
// Every field takes an index: the entity of an indexed record (zone, group,
// channel, entry). Fields of the single records ignore it.
#pragma once

#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class CEditModel;

// The byte of a record that holds a field, for entity `index`.
using FieldByteFn = std::uint8_t& (*)(CEditModel& model, int index);

struct BitField {
  FieldByteFn byte = nullptr;
  std::uint8_t mask = 0xFF;

  constexpr int Shift() const { return mask ? std::countr_zero(static_cast<unsigned>(mask)) : 0; }
  // The largest code the bits hold.
  constexpr std::uint32_t MaxCode() const { return static_cast<std::uint32_t>(mask) >> Shift(); }
  std::uint32_t Get(CEditModel& model, int index = 0) const {
    return static_cast<std::uint32_t>(byte(model, index) & mask) >> Shift();
  }
  // Writes the code's bits that fit under the mask; the byte's other bits stay.
  void Set(CEditModel& model, int index, std::uint32_t code) const {
    std::uint8_t& b = byte(model, index);
    b = static_cast<std::uint8_t>((b & ~mask) | ((code << Shift()) & mask));
  }
};

struct Field {
  using Getter = std::uint32_t (*)(CEditModel& model, int index);
  using Setter = void (*)(CEditModel& model, int index, std::uint32_t code);

  BitField bits{};
  Getter get = nullptr;
  Setter set = nullptr;

  constexpr Field() = default;
  constexpr Field(BitField b) : bits(b) {}  // NOLINT: a BitField is a Field
  constexpr Field(Getter g, Setter s) : get(g), set(s) {}

  constexpr bool IsBits() const { return bits.byte != nullptr; }
  constexpr bool IsSet() const { return bits.byte != nullptr || get != nullptr; }
  std::uint32_t Get(CEditModel& model, int index = 0) const {
    if (bits.byte) return bits.Get(model, index);
    return get ? get(model, index) : 0;
  }
  void Set(CEditModel& model, int index, std::uint32_t code) const {
    if (bits.byte) bits.Set(model, index, code);
    else if (set) set(model, index, code);
  }
};

struct TextField {
  using Getter = std::string (*)(CEditModel& model, int index);
  using Setter = void (*)(CEditModel& model, int index, const std::string& text);
  Getter get = nullptr;
  Setter set = nullptr;
};

// The outcome of a typed entry: a stored value changed; the entry was refused
// or stored otherwise than typed (the cell beeps).
struct TypedEntry {
  bool changed = false;
  bool beep = false;
};

struct TypedField {
  using Getter = std::string (*)(CEditModel& model, int index);
  using Enter = TypedEntry (*)(CEditModel& model, int index, std::string_view text);
  Getter get = nullptr;
  Enter enter = nullptr;
};

// ---- making fields from record members --------------------------------------------------

// Byte `Byte` of the record `Record` of the model: Bits<&CEditModel::global, &CGlobalSettings::byte185>(0x10).
template <auto Record, auto Byte>
std::uint8_t& MemberByte(CEditModel& model, int) {
  return (model.*Record).*Byte;
}
template <auto Record, auto Byte>
constexpr BitField Bits(std::uint8_t mask = 0xFF) {
  return {&MemberByte<Record, Byte>, mask};
}

// Element `index` of a per-entity byte array of a record (the zone tables of the store).
template <auto Record, auto Array>
std::uint8_t& ArrayByte(CEditModel& model, int index) {
  return ((model.*Record).*Array)[index];
}
template <auto Record, auto Array>
constexpr BitField ArrayBits(std::uint8_t mask = 0xFF) {
  return {&ArrayByte<Record, Array>, mask};
}

// ---- choice lists ------------------------------------------------------------------------

struct Choice {
  std::string_view text;
  std::uint32_t code;
};

struct ChoiceList {
  std::span<const Choice> choices;
  int defaultIndex = 0;
  // What a sheet prints for a code no entry has; null: the text the page shows.
  const char* printOther = nullptr;

  constexpr std::size_t size() const { return choices.size(); }
  // The first position whose code is the given one, or -1.
  constexpr int Find(std::uint32_t code) const {
    for (std::size_t i = 0; i < choices.size(); ++i) {
      if (choices[i].code == code) return static_cast<int>(i);
    }
    return -1;
  }
  // The position a list shows for the code: its first entry, else the default.
  constexpr int PositionOf(std::uint32_t code) const {
    const int i = Find(code);
    return i >= 0 ? i : defaultIndex;
  }
  // The text of a position; empty for a position the list does not have.
  constexpr std::string_view TextAt(int position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= choices.size()) return {};
    return choices[static_cast<std::size_t>(position)].text;
  }
  // The code of a position; `fallback` for a position the list does not have.
  constexpr std::uint32_t CodeAt(int position, std::uint32_t fallback = 0) const {
    if (position < 0 || static_cast<std::size_t>(position) >= choices.size()) return fallback;
    return choices[static_cast<std::size_t>(position)].code;
  }
  // The text a page shows for a code.
  constexpr std::string_view PageText(std::uint32_t code) const { return TextAt(PositionOf(code)); }
  // The text a sheet prints for a code.
  constexpr std::string_view PrintText(std::uint32_t code) const {
    if (printOther && Find(code) < 0) return printOther;
    return PageText(code);
  }
};

// The text of a choice field, on the page and on its sheet alike: the entry
// whose code the field holds, else the list's default entry.
inline std::string_view ChoiceText(CEditModel& model, const Field& field, const ChoiceList& list, int index = 0) {
  return list.PageText(field.Get(model, index));
}
