#include "model/references.h"

#include <algorithm>
#include <cstdio>

#include "model/edit_model.h"
#include "model/global_fields.h"
#include "model/group_fields.h"
#include "model/trunk_fields.h"

namespace {

constexpr std::uint32_t kNoChannelRef = kNoChannel;
constexpr std::uint32_t kNoGroup = 255;
constexpr std::uint32_t kNoZone = 255;

// The home group the header's bytes 140 and 141 give, kept beside the options decoded from them.
constexpr Field kDecodedHomeGroup{[](CEditModel& m, int) { return m.misc.homeGroupIndex; },
                                  [](CEditModel& m, int, std::uint32_t g) { m.misc.homeGroupIndex = g; }};

// The home zone the header's byte 141 gives, as its number (0 none).
constexpr Field kDecodedHomeZone{
    [](CEditModel& m, int) { return m.misc.homeZoneNumber == 0 ? kNoZone : m.misc.homeZoneNumber - 1; },
    [](CEditModel& m, int, std::uint32_t z) { m.misc.homeZoneNumber = z < std::uint32_t(kZoneCount) ? z + 1 : 0; }};

constexpr ReferenceList kChannelReferences[] = {
    {grp::kChannel, kGroupCount, RefHolder::Group},
    {tf::kRepeaterChannel, kZoneCount * tf::kRepeaterSlots, RefHolder::Fixed},
};

constexpr ReferenceList kGroupReferences[] = {
    {gf::kEmergencyGroup, 1, RefHolder::Fixed, "Delete Emergency Group %d", gf::kEmergencyZone},
    {gf::kHomeGroup, 1, RefHolder::Fixed, "Delete Home Group %d", gf::kHomeZone},
    {gf::kDataGroup, 1, RefHolder::Fixed},
    {gf::kShortCutGroup[0], 1, RefHolder::Fixed},
    {gf::kShortCutGroup[1], 1, RefHolder::Fixed},
    {gf::kShortCutGroup[2], 1, RefHolder::Fixed},
    {gf::kShortCutGroup[3], 1, RefHolder::Fixed},
    {gf::kGroupSwitchGroup, 16, RefHolder::Fixed},
    {kDecodedHomeGroup, 1, RefHolder::Fixed},
};

constexpr ReferenceList kZoneReferences[] = {
    {gf::kEmergencyZone, 1, RefHolder::Fixed, "Delete Emergency %s %d"},
    {gf::kHomeZone, 1, RefHolder::Fixed, "Delete Home %s %d"},
    {gf::kDataZone, 1, RefHolder::Fixed},
    {gf::kShortCutZone[0], 1, RefHolder::Fixed},
    {gf::kShortCutZone[1], 1, RefHolder::Fixed},
    {gf::kShortCutZone[2], 1, RefHolder::Fixed},
    {gf::kShortCutZone[3], 1, RefHolder::Fixed},
    {gf::kGroupSwitchZone, 1, RefHolder::Fixed},
    {kDecodedHomeZone, 1, RefHolder::Fixed},
};

// Calls f(list, k, index named) for every reference of the lists.
template <class F>
void ForEach(std::span<const ReferenceList> lists, const CEditModel& model, F f) {
  for (const ReferenceList& list : lists)
    for (int k = 0; k < list.count; ++k) f(list, k, list.field.Get(model, k));
}

// Rewrites every reference of the lists that names a record of the map; gone
// ones become `none`. `gone(list, k, index)` is told of each such reference first.
template <class F>
void Follow(std::span<const ReferenceList> lists, CEditModel& model, const RecordMap& map, std::uint32_t none,
            F gone) {
  ForEach(lists, model, [&](const ReferenceList& list, int k, std::uint32_t index) {
    if (index >= std::uint32_t(kGroupCount) || map.Stays(int(index))) return;
    if (map.Gone(int(index))) gone(list, k, index);
    list.field.Set(model, k, map.Gone(int(index)) ? none : std::uint32_t(map.to[index]));
  });
}

std::string Notice(const char* format, std::uint32_t g) {
  char text[64];
  std::snprintf(text, sizeof text, format, int(g) + 1);
  return text;
}

}  // namespace

std::span<const ReferenceList> ChannelReferences() { return kChannelReferences; }
std::span<const ReferenceList> GroupReferences() { return kGroupReferences; }
std::span<const ReferenceList> ZoneReferences() { return kZoneReferences; }

RecordMap::RecordMap() {
  for (int i = 0; i < kGroupCount; ++i) to[std::size_t(i)] = i;
}

RecordMap RecordMap::Shift(int from, int to, int count) {
  RecordMap map;
  if (from < 0 || to < 0 || count <= 0 || from == to) return map;
  count = std::min({count, kGroupCount - from, kGroupCount - to});
  for (int k = 0; k < count; ++k) {
    // The place written over loses its record unless that record moves on too.
    if (to + k < from || to + k >= from + count) map.to[std::size_t(to + k)] = kGone;
  }
  for (int k = 0; k < count; ++k) map.to[std::size_t(from + k)] = to + k;
  return map;
}

void FollowChannels(CEditModel& model, const RecordMap& channels) {
  Follow(kChannelReferences, model, channels, kNoChannelRef, [](const ReferenceList&, int, std::uint32_t) {});
}

std::vector<std::string> FollowGroups(CEditModel& model, const RecordMap& groups) {
  std::vector<std::string> notices;
  Follow(kGroupReferences, model, groups, kNoGroup, [&](const ReferenceList& list, int, std::uint32_t g) {
    if (list.notice && model.store.ZoneOfGroup(int(g)) == int(list.zone.Get(model))) {
      notices.push_back(Notice(list.notice, g));
    }
  });
  return notices;
}

std::bitset<kChannelCount> NamedChannels(const CEditModel& model, const RecordMap& groups) {
  std::bitset<kChannelCount> named;
  const int total = model.store.CountGroupsBeforeZone(kZoneCount);
  ForEach(kChannelReferences, model, [&](const ReferenceList& list, int k, std::uint32_t c) {
    if (c >= std::uint32_t(kChannelCount)) return;
    if (list.holder == RefHolder::Group && (k >= total || groups.Gone(k))) return;
    named.set(c);
  });
  return named;
}

int ChannelReferenceCount(const CEditModel& model, int c) {
  int n = 0;
  ForEach(kChannelReferences, model, [&](const ReferenceList&, int, std::uint32_t named) { n += int(named) == c; });
  return n;
}

std::vector<std::string> ReleaseGroup(CEditModel& model, int g) {
  std::vector<std::string> notices;
  if (g < 0 || g >= kGroupCount) return notices;
  for (const ReferenceList& list : kGroupReferences) {
    if (!list.notice) continue;
    for (int k = 0; k < list.count; ++k) {
      if (list.field.Get(model, k) != std::uint32_t(g)) continue;
      notices.push_back(Notice(list.notice, std::uint32_t(g)));
      list.field.Set(model, k, kNoGroup);
    }
  }
  return notices;
}

std::vector<std::string> ReleaseZone(CEditModel& model, int z, const char* wording) {
  std::vector<std::string> notices;
  ForEach(kZoneReferences, model, [&](const ReferenceList& list, int k, std::uint32_t named) {
    if (named != std::uint32_t(z)) return;
    if (list.notice) {
      char text[64];
      std::snprintf(text, sizeof text, list.notice, wording, z + 1);
      notices.push_back(text);
    }
    list.field.Set(model, k, kNoZone);
  });
  return notices;
}
