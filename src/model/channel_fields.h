// The fields of the 250 channel records as the channel table and the group
// pages see them, named once, with their choice lists. A channel field takes
// the channel index (0..249); an index that names no record reads 0 and writes
// nothing.
#pragma once

#include <cstdint>

#include "model/edit_model.h"
#include "model/field.h"
#include "model/zone_fields.h"

namespace cf {

inline CChannelData* ChannelAt(CEditModel& m, int c) { return m.store.Channel(c); }

using C = CChannelData;
// Mode byte.
inline constexpr BitField kSpacing = RecordBits<&ChannelAt, &C::modeByte>(C::kSpacingMask);  // 0 Narrow, 1 Wide
inline constexpr BitField kRxStepSet = RecordBits<&ChannelAt, &C::modeByte>(C::kRxStepMask);
inline constexpr BitField kTxStepSet = RecordBits<&ChannelAt, &C::modeByte>(C::kTxStepMask);
// In use ("programmed"): the channel table's "Enable".
inline constexpr BitField kInUse = RecordBits<&ChannelAt, &C::programmed>(0x01);
// Frequencies in 10 Hz units.
inline constexpr Field kRxFrequency{
    [](CEditModel& m, int c) -> std::uint32_t {
      const CChannelData* r = m.store.Channel(c);
      return r ? std::uint32_t(r->rxFreq) : 0;
    },
    [](CEditModel& m, int c, std::uint32_t v) {
      if (CChannelData* r = m.store.Channel(c)) r->rxFreq = std::int32_t(v);
    }};
inline constexpr Field kTxFrequency{
    [](CEditModel& m, int c) -> std::uint32_t {
      const CChannelData* r = m.store.Channel(c);
      return r ? std::uint32_t(r->txFreq) : 0;
    },
    [](CEditModel& m, int c, std::uint32_t v) {
      if (CChannelData* r = m.store.Channel(c)) r->txFreq = std::int32_t(v);
    }};
// The spacing code of a channel (kSpacing's, for a record at hand).
inline std::uint32_t SpacingCode(const CChannelData& ch) { return std::uint32_t(ch.modeByte & C::kSpacingMask) >> 6; }
// The enable list's code: 0 in use, 1 not (read only: the commits are
// EnableChannel and ClearChannel, channel_model.h).
inline constexpr Field kEnable{[](CEditModel& m, int c) -> std::uint32_t { return kInUse.Get(m, c) ? 0 : 1; },
                               nullptr};

// ---- choice lists -----------------------------------------------------------------------
// Spacing: the pages show "Narrow" for the codes 2 and 3, the channel table
// sheet prints "Wide" for every code but 0.
inline constexpr Choice kSpacings[] = {{"Narrow", 0}, {"Wide", 1}};
inline constexpr ChoiceList kSpacingList{kSpacings, 0, "Wide"};
inline constexpr ChoiceList kEnableList = zf::kOnOffList;  // "Enable" 0, "Disable" 1

}  // namespace cf
