// The repeater slots of an LTR zone as the repeater grid and the LTR system
// page use them: the 16-slot window the grid shows, what a slot shows, the
// channel and home-repeater choices and what choosing one writes.
//
// A slot's channel (bits 0-9 of its word) names channel record 0..249, or none
// (1023). Bits 250..1022 (from an image written elsewhere) name no record: such
// a slot shows its raw number and no frequencies, and its word is left as it is
// until the user chooses a channel.
#pragma once

#include <cstdint>
#include <string>

#include "model/edit_model.h"
#include "model/offered_list.h"
#include "model/trunk_fields.h"

inline constexpr int kRepeaterColumns = 16;
inline constexpr int kFirstRepeaterMax = tf::kRepeaterSlots - kRepeaterColumns;  // 4

// "RPT#%d" of slot + 1.
std::string RepeaterCaption(int slot);

struct RepeaterSlotView {
  std::string channel;  // "None" for 1023, else "%3d" of the channel + 1
  std::string txFreq;   // "%9.5f" MHz; empty without a channel record
  std::string rxFreq;
  std::string space;    // "Wide" (spacing bits 01) or "Narrow"; empty without a record
  bool holdsChannel = false;  // not 1023: the flag cells take input
  bool hasRecord = false;     // 0..249: the frequency cells are filled and enabled
};
// What slot `slot` of zone z shows. It reads no channel record for a channel
// that names none.
RepeaterSlotView ViewRepeaterSlot(const CEditModel& model, int z, int slot);

// The channel list of a slot: "None TX       RX" (1023), then every programmed
// channel; it opens on the slot's channel when the list has it.
OfferedList RepeaterChannelChoices(const CEditModel& model, int z, int slot);

// Choosing a channel for slot `slot` of zone z: bits 0-9 := the channel; a
// channel sets Dispatch, Interconnect and TX data phase "Invert" (bits 14, 13,
// 10), "None" (1023) clears Dispatch, Interconnect and Data Appli. (bits 14,
// 13, 12); the other bits stay. Only a channel record (0..249) or 1023 is
// taken: false, and nothing written, for any other value or slot.
bool ChooseRepeaterChannel(CEditModel& model, int z, int slot, std::uint32_t channel);

// The Home Channel Number list of zone z: "None" (0), then "%2d" of r for each
// slot r (1..20) that holds a channel; the Default column (z = -1) offers
// "None" only. It opens on the zone's home repeater, else on nothing.
OfferedList HomeRepeaterChoices(const CEditModel& model, int z);
// The text of the zone's home repeater (bits 0-6) in that list; "None" for a
// number the list does not have.
std::string HomeRepeaterText(const CEditModel& model, int z);
// Choosing home repeater r (0..20): bits 0-6 := r (AREA Code, bit 7, stays);
// r = 1..20 also sets Dispatch and Interconnect of slot r - 1, and "None" (0)
// writes no slot. False, and nothing written, for another value or zone.
bool ChooseHomeRepeater(CEditModel& model, int z, std::uint32_t repeater);
