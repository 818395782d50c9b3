// The key assignments as the two Key Assignment pages see them: the function
// names of each key layout, the functions a slot's list offers, a choice and
// the presence flags it keeps, and the state of the hold buttons.
//
// Slots: slot k (0..5) is the short press of key k, slot k + 6 its press and
// hold. Invariant kept by every choice: a non-zero code sits on one slot at
// most, except the pair codes of the panel layout (17, 75, 78), which a choice
// puts on both slots of one key; and the section's presence flags are set for
// exactly the codes the slots hold.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/offered_list.h"

class CKeyAssignSection;

// The panel layout (keys "P1".."P4", "Up", "Down") for a production-type-11
// radio, the side layout ("Side 1 switch", "Side 2 switch", "A".."D") otherwise.
enum class KeyLayout { kPanel, kSide };

inline constexpr int kKeyCount = 6;
inline constexpr int kKeySlotCount = 12;
constexpr bool IsHoldSlot(int slot) { return slot >= kKeyCount; }
// The other slot of the same key.
constexpr int PartnerSlot(int slot) { return IsHoldSlot(slot) ? slot - kKeyCount : slot + kKeyCount; }

// The function name of a code in a layout, the caption of its button and the
// text of its list entry; empty for a code that has no name in that layout.
std::string_view KeyFunctionName(KeyLayout layout, int code);

// The list for `slot`: "None" (code 0) first, then the functions the slot may
// take, in the layout's order. A function another slot holds is not offered;
// the slot's own function is, unless the slot may never hold it. `optionBoard`
// is the Option Board code (3 offers "Option SW" on the panel layout). The list
// opens on the slot's function, on "None" when it does not offer it.
OfferedList KeyFunctionChoices(const CKeyAssignSection& keys, KeyLayout layout, int slot, std::uint8_t optionBoard);

// Stores the entry at `position` of `offered` (the list as it was opened for
// the slot) in the slot; on the panel layout a pair code goes to the partner
// slot as well. Brings the presence flags in line. False, storing nothing, for
// a position the list does not have (no selection) or a slot outside 0..11.
bool ChooseKeyFunction(CKeyAssignSection& keys, KeyLayout layout, int slot, const OfferedList& offered, int position);
// The same for a code: what a choice of that code stores.
void AssignKeyFunction(CKeyAssignSection& keys, KeyLayout layout, int slot, std::uint8_t code);

// False for the hold button of key k on the panel layout while its press slot
// holds a function that its hold slot shares; true otherwise.
bool IsHoldButtonEnabled(const CKeyAssignSection& keys, KeyLayout layout, int key);
