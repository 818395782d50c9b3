// The Sel Call entries as the Sel Call pages and sheet see them: the rows of a
// block, the zone chooser, the zone, alias and Target MIN texts, and the Target
// MIN limits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/edit_model.h"
#include "model/field.h"
#include "model/offered_list.h"
#include "model/tag_text.h"

inline constexpr int kSelCallRows = 20;   // rows of a block
inline constexpr int kSelCallBlocks = 5;  // blocks "#1 - #20" .. "#81 - #100"
inline constexpr std::uint8_t kSelCallGlobal = 0;
inline constexpr std::uint8_t kSelCallDisable = 255;
inline constexpr std::uint32_t kTargetMinLow = 1;
inline constexpr std::uint32_t kTargetMinHigh = 65519;

// The record of row `row` (1..20) of block `block` (0..15): 20 block + row - 1;
// -1 for a row or block outside.
int SelCallRecordIndex(int block, int row);
// The caption of that row: "#" and the entry number, right-aligned in four
// characters ("  #1", " #20", "#100").
std::string SelCallRowCaption(int block, int row);

// Zone code text, on the page and on the sheet: 0 "Global", 1..32 "Zone 1" ..
// "Zone 32", anything else "Disable".
std::string SelCallZoneText(std::uint32_t zoneCode);
// The zone chooser: "Global" (0), "Zone n" (n) for every zone whose format is
// PassPort (bits 2-4 of its format byte = 4), in zone order, then "Disable"
// (255). It opens on the entry whose text is the current code's text, else on
// "Global".
OfferedList SelCallZoneChoices(const CChannelStore& store, std::uint32_t currentCode);

// A Target MIN typed on the page: the decimal value of the text (an empty text
// 0), brought into 1..65519; `clamped` when it had to be.
struct TargetMinEntry {
  std::uint32_t value;
  bool clamped;
};
TargetMinEntry ParseTargetMin(std::string_view text);

namespace sc {
// Fields of Sel Call record `index` (0..319).
inline constexpr BitField kZoneCode{[](CEditModel& m, int i) -> std::uint8_t& { return m.store.selCalls[i].zoneCode; }};
// The zone in its list cell, chosen from SelCallZoneChoices.
inline constexpr ChooserField kZone{
    kZoneCode, [](std::uint32_t code) { return SelCallZoneText(code); },
    [](CEditModel& m, int i) { return SelCallZoneChoices(m.store, m.store.selCalls[i].zoneCode); }};
// "%d"; a typed text is brought into 1..65519, with a beep when it had to be.
inline constexpr TypedField kTargetMin{
    [](CEditModel& m, int i) { return std::to_string(m.store.selCalls[i].targetMin); },
    [](CEditModel& m, int i, std::string_view text) {
      const TargetMinEntry entry = ParseTargetMin(text);
      std::uint32_t& stored = m.store.selCalls[i].targetMin;
      const bool changed = stored != entry.value;
      stored = entry.value;
      return TypedEntry{changed, entry.clamped};
    }};
inline constexpr TextField kAlias{
    [](CEditModel& m, int i) { return TagText(m.store.selCalls[i].alias); },
    [](CEditModel& m, int i, const std::string& text) { SetTagText(m.store.selCalls[i].alias, text); }};
// The caption of the entry's row: "#" and the entry number in four characters.
inline constexpr TextField kCaption{
    [](CEditModel&, int i) { return SelCallRowCaption(i / kSelCallRows, i % kSelCallRows + 1); }, nullptr};
}  // namespace sc
