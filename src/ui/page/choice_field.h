// The refresh and the commit of a page's combo boxes. A combo box shows a
// field of a record: some bits of one byte (under a mask), or the whole byte.
// The refresh empties the box, fills it with its texts with the value table's
// default entry selected, then selects the first entry whose code is the
// field's; a code no entry has leaves the default. The commit takes the
// selected entry's code from the table, writes it into the field's bits,
// leaving the other bits of the byte as they were, and sets g_bModified.
// Nothing is checked here: the record's checks run when the model is packed.
//
// A page lists its fields once, as data:
//
//   constexpr std::string_view kOnOff[] = {"Disable", "Enable"};
//   constexpr ValueTable<2> kOnOffCodes{0, {0, 1}};
//   std::uint8_t& Byte185() { return TheModel().global.byte185; }
//   const ComboField kFields[] = {{1039, kOnOff, kOnOffCodes, &Byte185, 0x10}, ...};
//
// and calls RefreshComboFields(this, kFields) from its refresh and
// CommitComboField(this, kFields, id) from its CBN_SELCHANGE handler.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "ui/choice/value_table.h"
#include "ui/wnd/wnd.h"

// A value table of any length and code width, so that one list of fields can
// hold the tables of lists of different lengths. It refers to the table,
// which must outlive it (the tables are constants of the page).
class ValueTableRef {
 public:
  template <std::size_t N, class V>
  constexpr ValueTableRef(const ValueTable<N, V>& table)  // NOLINT: converts implicitly on purpose
      : m_table(&table), m_size(N), m_defaultIndex(table.defaultIndex), m_codeAt(&CodeAt<N, V>) {}

  constexpr std::size_t size() const { return m_size; }
  constexpr int DefaultIndex() const { return m_defaultIndex; }
  // The code of a list position; nothing for a position outside the table.
  std::optional<std::uint32_t> ValueAt(int position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= m_size) return std::nullopt;
    return m_codeAt(m_table, static_cast<std::size_t>(position));
  }
  // The first position whose code is the given one, or -1.
  int Find(std::uint32_t code) const {
    for (std::size_t i = 0; i < m_size; ++i) {
      if (m_codeAt(m_table, i) == code) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  template <std::size_t N, class V>
  static std::uint32_t CodeAt(const void* table, std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<const ValueTable<N, V>*>(table)->values[i]);
  }

  const void* m_table;
  std::size_t m_size;
  int m_defaultIndex;
  std::uint32_t (*m_codeAt)(const void*, std::size_t);
};

// The code a field holds: the bits under the mask, shifted down to bit 0.
// A mask of 0 holds nothing (0).
constexpr std::uint32_t FieldCode(std::uint8_t byte, std::uint8_t mask) {
  if (mask == 0) return 0;
  return static_cast<std::uint32_t>(byte & mask) >> std::countr_zero(static_cast<unsigned>(mask));
}
// Writes the code into the bits under the mask, shifted up to the mask's
// lowest bit (bits of the code that do not fit are dropped); the other bits of
// the byte stay. Sets g_bModified. A mask of 0 writes nothing and sets nothing.
void StoreFieldCode(std::uint8_t& byte, std::uint8_t mask, std::uint32_t code);

// The refresh of one combo box for a stored code.
void RefreshCombo(CWnd* combo, std::span<const std::string_view> texts, ValueTableRef table, std::uint32_t code);
// The code of the entry selected in the combo box; nothing when no entry is
// selected or the entry lies beyond the table.
std::optional<std::uint32_t> ChosenCode(CWnd* combo, ValueTableRef table);

// A combo box of a page and the field it shows.
struct ComboField {
  int id;                                   // the combo box's control id
  std::span<const std::string_view> texts;  // its entries, in list order
  ValueTableRef table;                      // the code of each entry, and the default entry
  std::uint8_t& (*byte)();                  // the record byte that holds the field
  std::uint8_t mask = 0xFF;                 // the field's bits in that byte
};

// Refreshes every listed combo box of the page from its field, in list order.
// A control the page does not have is passed over.
void RefreshComboFields(CWnd* page, std::span<const ComboField> fields);
// The commit of a choice in the combo box with the id. FALSE, with nothing
// stored, when no field has the id or no entry of the table is selected.
BOOL CommitComboField(CWnd* page, std::span<const ComboField> fields, int id);
