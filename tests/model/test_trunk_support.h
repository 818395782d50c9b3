// Shared pieces of the trunked-system model tests.
#pragma once

#include <initializer_list>

#include "model/channel_store.h"

// Zones 0, 1, ... get the counts, every other zone none; a zone is in use
// exactly when it has groups.
inline void SetGroupCounts(CChannelStore& s, std::initializer_list<int> counts) {
  int z = 0;
  for (auto& c : s.groupCount) c = 0;
  for (int c : counts) s.groupCount[z++] = std::uint8_t(c);
  for (int k = 0; k < kZoneCount; ++k)
    s.zoneFlags[k] = std::uint8_t(s.groupCount[k] ? s.zoneFlags[k] | kZoneInUse : s.zoneFlags[k] & ~kZoneInUse);
  s.UpdateGroupTotals();
}
