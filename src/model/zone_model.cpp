#include "model/zone_model.h"

#include <cstdio>

#include "model/edit_model.h"
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
  char text[64];
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
  if (requested > available || (rules.passPortLimit && passPort && requested > kPassPortGroupLimit)) {
    r.refused = true;
    r.count = old;
    r.messages.push_back(kTooManyGroups);
    return r;
  }
  int count = requested < 0 ? 0 : int(requested);
  // The radio keeps at least one group: the zone keeps its first record.
  if (count == 0 && total - old == 0) count = 1;

  const int end = s.CountGroupsBeforeZone(z) + old;  // just after the zone's old run
  const int later = total - end;                      // records of the zones after z
  // A group of a Conventional zone uses the channel with its own index: the
  // later zones' channels move with their groups, and a new or freed place
  // gets a new group and a channel not programmed.
  auto move = [&](int to) {
    s.MoveGroupRecords(end, to, later);
    s.MoveChannelRecords(end, to, later);
  };
  auto renew = [&](int i) {
    InitGroupRecord(s, i, z, rules.busyFormat);
    s.ClearGroupInUse(i);
    s.ResetChannel(i);
  };
  if (count > old) {
    const int grow = count - old;
    move(end + grow);
    for (int i = end; i < end + grow; ++i) renew(i);
  } else if (count < old) {
    const int shrink = old - count;
    move(end - shrink);
    for (int i = end + later - shrink; i < end + later; ++i) renew(i);
  }
  const std::uint8_t flagsBefore = s.zoneFlags[z];
  if (count != old) s.zoneRevertGroup[z] = kNone;
  s.groupCount[z] = std::uint8_t(count);
  s.UpdateGroupTotals();
  if (count == 0) s.zoneGroupSelection[z] = 0;
  s.zoneFlags[z] = count != 0 ? std::uint8_t(s.zoneFlags[z] | kZoneInUse) : std::uint8_t(s.zoneFlags[z] & ~kZoneInUse);
  r.count = count;
  r.changed = count != old || s.zoneFlags[z] != flagsBefore;
  return r;
}

std::vector<std::string> ReleaseZoneReferences(CEditModel& model, int z, ReferenceWording wording) {
  std::vector<std::string> messages;
  if (!IsZone(z)) return messages;
  CGlobalSettings& g = model.global;
  const bool zone = wording == ReferenceWording::Zone;
  if (g.emergencySystem == z) {
    messages.push_back(Numbered(zone ? "Delete Emergency Zone %d" : "Delete Emergency System %d", z + 1));
    g.emergencySystem = kNone;
  }
  if (g.homeSystem == z) {
    messages.push_back(Numbered(zone ? "Delete Home Zone %d" : "Delete Home System %d", z + 1));
    g.homeSystem = kNone;
  }
  return messages;
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
