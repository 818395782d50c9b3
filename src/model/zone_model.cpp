#include "model/zone_model.h"

#include <array>
#include <bitset>
#include <cstdio>

#include "model/edit_model.h"
#include "model/references.h"
#include "model/zone_fields.h"

namespace {

constexpr std::uint8_t kNone = 255;

bool IsZone(int z) { return z >= 0 && z < kZoneCount; }

int TotalGroups(const CChannelStore& s) {
  int total = 0;
  for (int z = 0; z < kZoneCount; ++z) total += s.groupCount[z];
  return total;
}

std::string Numbered(const char* format, int number) {
  char text[160];
  std::snprintf(text, sizeof text, format, number);
  return text;
}

}  // namespace

namespace zf {

std::string AliasText(CEditModel& model, int z) {
  if (!IsZone(z)) return {};
  const char* alias = model.store.systemNames[z];
  std::size_t n = 0;
  while (n < 8 && alias[n] != '\0') ++n;
  return std::string(alias, n);
}

void SetAliasText(CEditModel& model, int z, const std::string& text) {
  if (!IsZone(z)) return;
  char* alias = model.store.systemNames[z];
  for (std::size_t i = 0; i < 8; ++i) alias[i] = i < text.size() ? text[i] : ' ';
  alias[8] = '\0';
}

}  // namespace zf

void InitGroupRecord(CChannelStore& store, int i, int z, std::uint32_t busyFormat) {
  CGroupRecord* g = store.Group(i);
  if (!g) return;
  g->byte0 = 0x87;
  g->byte1 = g->byte2 = g->byte3 = 0;
  g->byte4 = g->byte5 = 0xFF;
  g->SetDefaultName(i);
  const bool busy = IsZone(z) && ((store.zoneFormat[z] & kZoneFormatMask) >> 2) == busyFormat;
  g->channelWord = busy ? 0x13FF : 0x03FF;
}

bool GroupCountFits(const CChannelStore& store, int z, long requested) {
  if (!IsZone(z)) return false;
  const long free = long(kGroupCount) - TotalGroups(store);
  return free - requested + store.groupCount[z] >= 0;
}

namespace {

// Every channel that a reference still names after the move, but whose record
// the move would write over or free, goes to a record outside every zone's run
// (past the `total` groups, where no format change can bind it to a group)
// that holds no programmed channel and that nothing names: the first such.
// Returns the first channel in the way when one of them finds no place (-1:
// every one found one).
int KeepNamedChannels(const CChannelStore& s, RecordMap& channels, const std::bitset<kChannelCount>& named,
                      int total) {
  std::array<int, kChannelCount> arriving;
  arriving.fill(-1);
  for (int p = 0; p < kChannelCount; ++p)
    if (!channels.Stays(p) && !channels.Gone(p)) arriving[std::size_t(channels.to[std::size_t(p)])] = p;
  std::bitset<kChannelCount> taken;
  auto place = [&](int p) {
    for (int t = total; t < kChannelCount; ++t) {
      const std::size_t i = std::size_t(t);
      if (taken[i]) continue;
      // What would lie there: the record moving in, the one staying, or none.
      const int held = arriving[i] >= 0 ? arriving[i] : channels.Stays(t) ? t : -1;
      if (held >= 0 && (s.channels[held].IsProgrammed() || named[std::size_t(held)])) continue;
      if (held >= 0) channels.to[std::size_t(held)] = RecordMap::kGone;
      channels.to[std::size_t(p)] = t;
      taken.set(i);
      return true;
    }
    return false;
  };
  int first = -1;
  for (int p = 0; p < kChannelCount; ++p) {
    if (!channels.Gone(p) || !named[std::size_t(p)]) continue;
    if (first < 0) first = p;
    if (!place(p)) return first;
  }
  return -1;
}

// A group newly given to zone z, or freed at the end of the pool, whatever the
// record held: a new group's data, out of use, with no talk-group ID of its own.
void RenewGroup(CChannelStore& s, int i, int z, std::uint32_t busyFormat) {
  if (CGroupRecord* g = s.Group(i)) g->Reset(i);
  InitGroupRecord(s, i, z, busyFormat);
  s.ClearGroupInUse(i);
}

}  // namespace

GroupCountResult ApplyGroupCount(CEditModel& model, int z, long requested, const GroupCountRules& rules) {
  GroupCountResult r;
  CChannelStore& s = model.store;
  if (!IsZone(z)) {
    r.refused = true;
    return r;
  }
  const int old = s.groupCount[z];
  const int total = TotalGroups(s);
  // Signed: the records free once the zone has given its own back.
  const long available = long(kGroupCount) - total + old;
  const bool passPort = IsPassPortFormat(s.zoneFormat[z]);
  auto refuse = [&](std::string message) {
    r.refused = true;
    r.count = old;
    r.messages.push_back(std::move(message));
    return r;
  };
  if (requested > available || (rules.passPortLimit && passPort && requested > kPassPortGroupLimit)) {
    return refuse(kTooManyGroups);
  }
  int count = requested < 0 ? 0 : int(requested);
  // The radio keeps at least one group: the zone keeps its first record.
  if (count == 0 && total - old == 0) count = 1;

  if (count != old) {
    // The later zones' records move as whole records so the runs stay
    // contiguous. A group of a Conventional zone uses the channel with its own
    // index, so the channels move with them; the places given to the zone or
    // freed at the end get a new group and a channel's defaults.
    const int end = s.CountGroupsBeforeZone(z) + old;  // just after the zone's old run
    const int later = total - end;                      // records of the zones after z
    const int shift = count - old;
    const int newTotal = total + shift;
    RecordMap groups = RecordMap::Shift(end, end + shift, later);
    // What no record carries on: the zone's removed groups, or what lay past
    // the groups where they now reach.
    const int lostFrom = shift > 0 ? total : end + shift, lostTo = shift > 0 ? newTotal : end;
    for (int i = lostFrom; i < lostTo; ++i)
      if (groups.Stays(i)) groups.to[std::size_t(i)] = RecordMap::kGone;
    const int renewFrom = shift > 0 ? end : newTotal, renewTo = shift > 0 ? end + shift : total;
    // A channel that a repeater (or a group that stays) names is kept, past
    // the groups.
    RecordMap channels = groups;
    const int homeless = KeepNamedChannels(s, channels, NamedChannels(model, groups), newTotal);
    if (homeless >= 0) return refuse(Numbered(kNoFreeChannel, homeless + 1));

    r.messages = s.MoveGroupRecords(groups);
    for (int i = renewFrom; i < renewTo; ++i) RenewGroup(s, i, z, rules.busyFormat);
    s.MoveChannelRecords(channels);
    s.zoneRevertGroup[z] = kNone;
  }
  const std::uint8_t flagsBefore = s.zoneFlags[z];
  s.groupCount[z] = std::uint8_t(count);
  s.UpdateGroupTotals();
  if (count == 0) s.zoneGroupSelection[z] = 0;
  s.zoneFlags[z] = count != 0 ? std::uint8_t(s.zoneFlags[z] | kZoneInUse) : std::uint8_t(s.zoneFlags[z] & ~kZoneInUse);
  r.count = count;
  r.changed = count != old || s.zoneFlags[z] != flagsBefore;
  return r;
}

std::vector<std::string> ReleaseZoneReferences(CEditModel& model, int z, ReferenceWording wording) {
  if (!IsZone(z)) return {};
  return ReleaseZone(model, z, wording == ReferenceWording::Zone ? "Zone" : "System");
}

GroupCountResult CommitGroupCount(CEditModel& model, int z, long requested, const GroupCountRules& rules) {
  GroupCountResult r = ApplyGroupCount(model, z, requested, rules);
  if (r.count == 0) {
    for (std::string& m : ReleaseZoneReferences(model, z, ReferenceWording::System)) {
      r.messages.push_back(std::move(m));
      r.changed = true;
    }
  }
  return r;
}

GroupCountResult SetZoneInUse(CEditModel& model, int z, bool inUse, const GroupCountRules& rules) {
  GroupCountResult r;
  if (!IsZone(z)) return r;
  std::uint8_t& flags = model.store.zoneFlags[z];
  const std::uint8_t before = flags;
  bool released = false;
  if (!inUse) {
    flags &= std::uint8_t(~kZoneInUse);
    r = ApplyGroupCount(model, z, 0, rules);
    // Only a zone that really went out of use stops being the home or emergency zone.
    if (!(flags & kZoneInUse)) {
      for (std::string& m : ReleaseZoneReferences(model, z, ReferenceWording::Zone)) {
        r.messages.push_back(std::move(m));
        released = true;
      }
    }
  } else {
    flags |= kZoneInUse;
    r.count = model.store.groupCount[z];
    if (!(before & kZoneInUse)) {
      r = ApplyGroupCount(model, z, 1, rules);
      // No record to give: the zone stays out of use rather than use another zone's records.
      if (r.refused) flags = before;
    }
  }
  r.changed = r.changed || flags != before || released;
  return r;
}

const IdRange kHomeSystemIdRange{zf::kHomeSystemId, 1, 65535, "Home system ID should be 1 to 65535."};
const IdRange kAffiliatedSystemIdRange{zf::kAffiliatedSystemId, 1, 127, "Affiliated system ID should be 1 to 127."};
const IdRange kMobileIdRange{zf::kMobileId, 1, 65519, "Mobile Identity Number should be 1 to 65519."};

long ParseDecimal(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (v < 10000000000L) v = v * 10 + (text[i] - '0');
  }
  return negative ? -v : v;
}

IdEntryResult EnterZoneId(CEditModel& model, const IdRange& range, int z, const std::string& text) {
  IdEntryResult r;
  if (!IsZone(z)) return r;
  const long v = ParseDecimal(text);
  if (v >= long(range.low) && v <= long(range.high)) {
    range.field.Set(model, z, std::uint32_t(v));
    r.stored = true;
  } else {
    r.message = range.message;
  }
  r.value = range.field.Get(model, z);
  return r;
}
