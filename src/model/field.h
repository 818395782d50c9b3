// The vocabulary in which the model names its fields once, for the pages, the
// sheets, the packs and the tests:
//
//  - BitField: some bits of one record byte or 16-bit word under a mask. Its
//    code is the bits shifted down to bit 0; a store writes only the bits under
//    the mask. Made in one syntax from the member that holds it (below: Bits,
//    ArrayBits, RecordBits).
//  - Field: a BitField, or a getter and a setter where a field is not bits of
//    one member (a byte with a conversion, a value spread over bytes, a rule).
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
#include <type_traits>
#include <utility>

class CEditModel;

// The byte or the 16-bit word of a record that holds a field, for entity `index`.
using FieldByteFn = std::uint8_t& (*)(CEditModel& model, int index);
using FieldWordFn = std::uint16_t& (*)(CEditModel& model, int index);

// What a field of a record that does not exist reads and writes: a byte or a
// word that is 0 at every use.
inline std::uint8_t& NoRecordByte() {
  static std::uint8_t none;
  none = 0;
  return none;
}
inline std::uint16_t& NoRecordWord() {
  static std::uint16_t none;
  none = 0;
  return none;
}

// Bits of a byte (`byte`) or of a 16-bit word (`word`) under a mask.
struct BitField {
  FieldByteFn byte = nullptr;
  std::uint16_t mask = 0xFF;
  FieldWordFn word = nullptr;

  constexpr bool IsSet() const { return byte != nullptr || word != nullptr; }
  constexpr int Shift() const { return mask ? std::countr_zero(static_cast<unsigned>(mask)) : 0; }
  // The largest code the bits hold.
  constexpr std::uint32_t MaxCode() const { return static_cast<std::uint32_t>(mask) >> Shift(); }
  std::uint32_t Get(CEditModel& model, int index = 0) const {
    const unsigned raw = word ? word(model, index) : byte(model, index);
    return (raw & mask) >> Shift();
  }
  // A read of a const model (the accessors hand out references; a read writes nothing).
  std::uint32_t Get(const CEditModel& model, int index = 0) const {
    return Get(const_cast<CEditModel&>(model), index);  // NOLINT: read only
  }
  // Writes the code's bits that fit under the mask; the other bits stay.
  void Set(CEditModel& model, int index, std::uint32_t code) const {
    const unsigned bits = (code << Shift()) & mask;
    if (word) {
      std::uint16_t& w = word(model, index);
      w = static_cast<std::uint16_t>((w & ~mask) | bits);
    } else {
      std::uint8_t& b = byte(model, index);
      b = static_cast<std::uint8_t>((b & ~mask) | bits);
    }
  }
  // Whether two fields share a stored bit (the same accessor and overlapping masks).
  constexpr bool Overlaps(const BitField& other) const {
    return IsSet() && byte == other.byte && word == other.word && (mask & other.mask) != 0;
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

  constexpr bool IsBits() const { return bits.IsSet(); }
  constexpr bool IsSet() const { return bits.IsSet() || get != nullptr; }
  std::uint32_t Get(CEditModel& model, int index = 0) const {
    if (bits.IsSet()) return bits.Get(model, index);
    return get ? get(model, index) : 0;
  }
  std::uint32_t Get(const CEditModel& model, int index = 0) const {
    return Get(const_cast<CEditModel&>(model), index);  // NOLINT: read only
  }
  void Set(CEditModel& model, int index, std::uint32_t code) const {
    if (bits.IsSet()) bits.Set(model, index, code);
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
//
// One syntax for every bit field: the member (a byte or a uint16_t word) and,
// where it is not a whole member, the mask.

// A member of a record of the model: Bits<&CEditModel::global, &CGlobalSettings::byte185>(0x10).
template <auto Record, auto Member>
auto& MemberOf(CEditModel& model, int) {
  return (model.*Record).*Member;
}

// Element `index` of a per-entity array of a record (the zone tables of the store).
template <auto Record, auto Array>
auto& ArrayElement(CEditModel& model, int index) {
  return ((model.*Record).*Array)[index];
}

// A member of the record `Find` finds for an index (null: none, which reads 0
// and takes no write); with no member, the found byte or word itself.
template <auto Find, auto Member = nullptr>
auto& FoundMember(CEditModel& model, int index) {
  auto* record = Find(model, index);
  if constexpr (std::is_null_pointer_v<decltype(Member)>) {
    using T = std::remove_pointer_t<decltype(record)>;
    if constexpr (sizeof(T) == 1) return record ? *record : NoRecordByte();
    else return record ? *record : NoRecordWord();
  } else {
    using T = std::remove_reference_t<decltype(record->*Member)>;
    if constexpr (sizeof(T) == 1) return record ? record->*Member : NoRecordByte();
    else return record ? record->*Member : NoRecordWord();
  }
}

// The bit field of an accessor of a byte or a word (the whole of it by default).
template <auto Accessor>
constexpr BitField BitsOf(std::uint16_t mask) {
  using T = std::remove_reference_t<decltype(Accessor(std::declval<CEditModel&>(), 0))>;
  static_assert(sizeof(T) == 1 || sizeof(T) == 2, "a bit field is of a byte or a 16-bit word");
  if constexpr (sizeof(T) == 1) return {Accessor, mask, nullptr};
  else return {nullptr, mask, Accessor};
}
template <auto Accessor>
constexpr BitField BitsOf() {
  using T = std::remove_reference_t<decltype(Accessor(std::declval<CEditModel&>(), 0))>;
  return BitsOf<Accessor>(sizeof(T) == 1 ? 0xFF : 0xFFFF);
}

template <auto Record, auto Member, typename... Mask>
constexpr BitField Bits(Mask... mask) {
  return BitsOf<&MemberOf<Record, Member>>(mask...);
}
template <auto Record, auto Array, typename... Mask>
constexpr BitField ArrayBits(Mask... mask) {
  return BitsOf<&ArrayElement<Record, Array>>(mask...);
}
// Bits of a member of an indexed record: RecordBits<&GroupAt, &CGroupRecord::channelWord>(0x4000).
template <auto Find, auto Member = nullptr, typename... Mask>
constexpr BitField RecordBits(Mask... mask) {
  return BitsOf<&FoundMember<Find, Member>>(mask...);
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

