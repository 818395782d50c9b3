// The group pool of the zones and a zone going in and out of use: random count
// changes keep the pool whole and the runs contiguous with every record moved
// intact with its channel, every repeater on its channel's data and every
// group reference on its group; the
// limits, the fixes of the pool's faults and the notices in their order; the
// ranges of the zone and talk-group IDs at both ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <optional>
#include <string>
#include <vector>

#include "model/references.h"
#include "model/trunk_passport.h"
#include "model/zone_fields.h"
#include "model/zone_model.h"
#include "test_support.h"
#include "test_trunk_support.h"

namespace {

// The receive frequency of the channel a word names, -1 for none: the
// channels are marked so that it tells them apart.
long NamedChannel(const CChannelStore& s, std::uint16_t word) {
  const CChannelData* c = s.Channel(word & kChannelRefMask);
  return c ? long(c->rxFreq) : -1L;
}

// A record's whole content with the channel it names, to compare records that moved.
std::string Content(const CChannelStore& s, const CGroupRecord& g) {
  char text[112];
  std::snprintf(text, sizeof text, "%02X%02X%02X%02X%02X%02X/%X:%ld/%u/%s/%02X", g.byte0, g.byte1, g.byte2, g.byte3,
                g.byte4, g.byte5, g.channelWord & ~kChannelRefMask, NamedChannel(s, g.channelWord),
                unsigned(g.idWord), g.name, g.flags);
  return text;
}

std::vector<std::string> ZoneRecords(CChannelStore& s, int z) {
  std::vector<std::string> records;
  const int first = s.CountGroupsBeforeZone(z);
  for (int k = 0; k < s.groupCount[z]; ++k) records.push_back(Content(s, s.groups[first + k]));
  return records;
}

int Sum(const CChannelStore& s) {
  int total = 0;
  for (int z = 0; z < kZoneCount; ++z) total += s.groupCount[z];
  return total;
}

// Every record different, so that a move that loses or mixes records shows;
// each group on its own channel with a frequency of its own, two channels in
// three programmed.
void MarkRecords(CChannelStore& s) {
  for (int g = 0; g < kGroupCount; ++g) {
    s.groups[g].byte4 = std::uint8_t(g);
    s.groups[g].idWord = std::uint16_t(1000 + g);
    s.groups[g].flags = kGroupInUse | kGroupScanUser;
    s.groups[g].channelWord = std::uint16_t(0x4000 | g);
    s.channels[g].rxFreq = 46000000 + 100 * g;
    s.channels[g].programmed = g % 3 != 0;
  }
}

// What every repeater word names (nothing for a word past the records), and
// every group reference.
std::vector<std::optional<CChannelData>> RepeaterChannels(const CChannelStore& s) {
  std::vector<std::optional<CChannelData>> named;
  for (const auto& zone : s.zoneRepeaters) {
    for (std::uint16_t word : zone) {
      const CChannelData* c = s.Channel(word & kChannelRefMask);
      named.push_back(c ? std::optional(*c) : std::nullopt);
    }
  }
  return named;
}
std::vector<std::uint32_t> GroupIndexes(CEditModel& m) {
  std::vector<std::uint32_t> indexes;
  for (const ReferenceList& l : GroupReferences())
    for (int k = 0; k < l.count; ++k) indexes.push_back(l.field.Get(m, k));
  return indexes;
}

}  // namespace

TEST(ZonePoolTest, RandomCountChangesKeepThePoolWholeAndTheRecordsIntact) {
  TestModel m;
  CChannelStore& s = m->store;
  MarkRecords(s);
  std::mt19937 random(7);
  int relocated = 0, homeless = 0;
  for (int step = 0; step < 800; ++step) {
    SCOPED_TRACE(step);
    const int z = int(random() % kZoneCount);
    if (step % 5 == 0) s.SetSystemDefaults(z, random() % 2 ? kSystemPassPort : kSystemConventional);
    const long requested = long(random() % 70) - 5;
    // A few repeaters each step on any channel (past the records too), so that most
    // channels are named by none, and group references to any group.
    for (auto& zone : s.zoneRepeaters) std::ranges::fill(zone, std::uint16_t(kNoChannel));
    for (int k = 0; k < 6; ++k) {
      s.zoneRepeaters[random() % kZoneCount][random() % kRepeatersPerZone] =
          std::uint16_t(random() % 8 ? random() % 256 : kNoChannel);
    }
    // A group of the zones names a channel too (a record past them names its own).
    for (int k = 0; k < 3; ++k)
      s.groups[random() % unsigned(Sum(s))].channelWord = std::uint16_t(0x4000 | random() % kChannelCount);
    for (int g = Sum(s); g < kGroupCount; ++g) s.groups[g].channelWord = std::uint16_t(0x4000 | g);
    // Whether a repeater or a group of the zones names channel c.
    auto named = [&](int c) {
      for (const auto& zone : s.zoneRepeaters)
        if (std::ranges::any_of(zone, [&](std::uint16_t w) { return (w & kChannelRefMask) == c; })) return true;
      for (int g = 0; g < Sum(s); ++g)
        if ((s.groups[g].channelWord & kChannelRefMask) == c) return true;
      return false;
    };
    const ReferenceList& list = GroupReferences()[random() % GroupReferences().size()];
    list.field.Set(*m, int(random() % unsigned(list.count)), random() % 4 ? random() % 250 : 255);
    // The emergency and home groups, each in its zone or another, mostly near z.
    CGlobalSettings& gl = m->global;
    for (std::uint8_t* ref : {&gl.emergencyGroup, &gl.homeGroup}) {
      if (random() % 2) *ref = std::uint8_t(s.CountGroupsBeforeZone(z) + int(random() % 8));
    }
    gl.emergencySystem = std::uint8_t(random() % 3 ? z : random() % kZoneCount);
    gl.homeSystem = std::uint8_t(random() % 3 ? z : random() % kZoneCount);
    const int emergencyZone = s.ZoneOfGroup(gl.emergencyGroup), homeZone = s.ZoneOfGroup(gl.homeGroup);
    const int emergencyWas = gl.emergencyGroup, homeWas = gl.homeGroup;
    const auto repeaters = RepeaterChannels(s);
    std::vector<std::uint16_t> repeaterWords;
    for (const auto& zone : s.zoneRepeaters) repeaterWords.insert(repeaterWords.end(), std::begin(zone), std::end(zone));
    const std::vector<std::uint32_t> groupRefs = GroupIndexes(*m);
    std::vector<std::string> referenced;
    for (std::uint32_t g : groupRefs) referenced.push_back(g < 250 ? Content(s, s.groups[g]) : "");
    std::vector<std::vector<std::string>> before;
    for (int k = 0; k < kZoneCount; ++k) before.push_back(ZoneRecords(s, k));
    const int old = s.groupCount[z], oldTotal = Sum(s), first = s.CountGroupsBeforeZone(z);
    const std::uint8_t selection = std::uint8_t(1 + step % 5);
    s.zoneGroupSelection[z] = selection;
    s.zoneRevertGroup[z] = 3;
    const bool inUse = s.IsZoneInUse(z);

    const GroupCountResult r = ApplyGroupCount(*m, z, requested);

    ASSERT_EQ(Sum(s) + int(s.freeGroupPool), kGroupCount);
    // Every repeater names the data it named, wherever that went; every group
    // reference the record it named, none when that group went, and one past
    // the zones' groups the place it named.
    ASSERT_TRUE(RepeaterChannels(s) == repeaters);
    const int count = s.groupCount[z];
    const std::vector<std::uint32_t> groupRefsNow = GroupIndexes(*m);
    for (std::size_t n = 0; n < groupRefs.size(); ++n) {
      const int g = int(groupRefs[n]);
      const bool went = (g >= first + std::min(old, count) && g < first + old) || (g >= oldTotal && g < Sum(s));
      if (went) ASSERT_EQ(groupRefsNow[n], 255u) << n;
      else if (g >= oldTotal) ASSERT_EQ(int(groupRefsNow[n]), g) << n;
      else ASSERT_EQ(Content(s, s.groups[groupRefsNow[n]]), referenced[n]) << n;
    }
    for (int k = 0; k < kZoneCount; ++k) {
      ASSERT_EQ(s.IsZoneInUse(k), s.groupCount[k] != 0) << k;
      if (k != z) {
        ASSERT_EQ(ZoneRecords(s, k), before[std::size_t(k)]) << "zone " << k;
      }
    }
    // A repeater's channel stays, moves with the later zones' groups, or, kept
    // from a record the move took, lies outside every zone's run.
    for (std::size_t n = 0; n < repeaterWords.size(); ++n) {
      const int was = repeaterWords[n] & kChannelRefMask, end = first + old, shift = s.groupCount[z] - old;
      const int now = s.zoneRepeaters[n / kRepeatersPerZone][n % kRepeatersPerZone] & kChannelRefMask;
      if (was >= kChannelCount || now == was || (was >= end && was < oldTotal && now == was + shift)) continue;
      ASSERT_GE(now, Sum(s)) << n;
      ++relocated;
      // The first free record: none before it is free afterwards.
      for (int u = Sum(s); u < now; ++u) ASSERT_TRUE(s.channels[u].IsProgrammed() || named(u)) << u << " " << n;
    }
    if (r.refused) {
      // A zone that grows is refused for fewer free records past its new groups than channels in the way.
      const int newTotal = oldTotal - old + int(requested);
      int inTheWay = 0, free = 0;
      for (int c = oldTotal; c < newTotal; ++c) inTheWay += named(c);
      for (int u = newTotal; u < kChannelCount; ++u) free += !s.channels[u].IsProgrammed() && !named(u);
      homeless += r.messages.front() != kTooManyGroups;
      if (r.messages.front() != kTooManyGroups && requested > old) {
        ASSERT_LT(free, inTheWay);
      }
      ASSERT_EQ(s.groupCount[z], old);
      ASSERT_EQ(ZoneRecords(s, z), before[std::size_t(z)]);
      continue;
    }
    ASSERT_EQ(r.count, count);
    ASSERT_EQ(r.changed, count != old || s.IsZoneInUse(z) != inUse);
    // A notice for the emergency or home group only when it went and lay in its own zone.
    std::vector<std::string> notices;
    for (const auto& [was, zone, name] : {std::tuple(emergencyWas, emergencyZone == gl.emergencySystem, "Emergency"),
                                          std::tuple(homeWas, homeZone == gl.homeSystem, "Home")}) {
      if (zone && was >= first + count && was < first + old)
        notices.push_back(std::string("Delete ") + name + " Group " + std::to_string(was + 1));
    }
    ASSERT_EQ(r.messages, notices);
    // A new count makes the revert group none; the group reference goes with the last group.
    ASSERT_EQ(s.zoneRevertGroup[z], count != old ? 255 : 3);
    ASSERT_EQ(s.zoneGroupSelection[z], count == 0 ? 0 : selection);
    const std::vector<std::string> now = ZoneRecords(s, z);
    for (int k = 0; k < std::min(old, count); ++k) ASSERT_EQ(now[std::size_t(k)], before[std::size_t(z)][std::size_t(k)]);
    // New records of the zone hold a new group's data, out of use, on a
    // channel not programmed; the records a shrink freed at the end of the
    // pool the same, unless a repeater's channel moved there.
    auto fresh = [&](int i) {
      const CGroupRecord& g = s.groups[i];
      char name[24];
      std::snprintf(name, sizeof name, "GROUP%03d", i + 1);
      return g.name == std::string(name) && g.byte0 == 0x87 && g.byte4 == 0xFF && !g.InUse() && g.idWord == 1 &&
             g.channelWord == (s.IsZonePassPort(z) ? 0x13FF : 0x03FF);
    };
    for (int i = first + old; i < first + count; ++i) {
      ASSERT_TRUE(fresh(i) && !s.channels[i].IsProgrammed()) << i;
    }
    for (int i = Sum(s); i < oldTotal; ++i) {
      ASSERT_TRUE(fresh(i)) << "freed record " << i;
    }
  }
  // The random steps did move repeaters' channels, and found no place for some.
  EXPECT_GT(relocated, 0);
  EXPECT_GT(homeless, 0);
}

// Counts checked as signed numbers, with every record given out. (The PassPort
// zone's limit and the notices are tested through the zone overview.)
TEST(ZonePoolTest, WithEveryRecordGivenOutAnyRaiseIsRefused) {
  TestModel m;
  CChannelStore& s = m->store;
  SetGroupCounts(s, {4, 6, 5, 2, 3, 1});
  const int rest = int(s.freeGroupPool);
  EXPECT_FALSE(ApplyGroupCount(*m, 7, rest).refused);
  EXPECT_EQ(s.freeGroupPool, 0u);
  const GroupCountResult refused = ApplyGroupCount(*m, 0, 5);
  EXPECT_TRUE(refused.refused && !refused.changed);
  EXPECT_EQ(refused.messages, std::vector<std::string>{kTooManyGroups});
  EXPECT_FALSE(GroupCountFits(s, 0, 5));
  EXPECT_TRUE(GroupCountFits(s, 0, 4));
  const GroupCountResult r = ApplyGroupCount(*m, 7, -3);  // a negative count is 0
  EXPECT_EQ(r.count, 0);
  EXPECT_FALSE(s.IsZoneInUse(7));
  EXPECT_EQ(s.freeGroupPool, unsigned(rest));
}

TEST(ZonePoolTest, TheLastGroupOfTheRadioKeepsItsRecord) {
  TestModel m;
  CChannelStore& s = m->store;
  MarkRecords(s);
  SetGroupCounts(s, {0, 0, 5});
  s.zoneGroupSelection[2] = 3;
  const std::string first = Content(s, s.groups[0]);
  const GroupCountResult r = CommitGroupCount(*m, 2, 0);
  EXPECT_EQ(r.count, 1);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(Content(s, s.groups[0]), first);
  EXPECT_TRUE(s.groups[0].InUse());
  EXPECT_TRUE(s.IsZoneInUse(2));
  EXPECT_EQ(s.freeGroupPool, 249u);
}

// The notices of a count of 0 in their order, and on and off reporting only
// real changes. (On and off with their notices by real keys are tested through
// the zone overview.)
TEST(ZonePoolTest, ReferencesGoInOrderAndOnAndOffReportOnlyRealChanges) {
  TestModel m;
  CChannelStore& s = m->store;
  CGlobalSettings& g = m->global;
  SetGroupCounts(s, {3, 2, 0, 4});
  // Every zone reference names zone 4 (the header's home zone by its number).
  g.homeSystem = g.emergencySystem = g.dataZone = g.groupSwitchZone = 3;
  g.shortCutZone.fill(3);
  m->misc.homeZoneNumber = 4;
  GroupCountResult r = CommitGroupCount(*m, 3, 0);
  EXPECT_EQ(r.messages, (std::vector<std::string>{"Delete Emergency System 4", "Delete Home System 4"}));
  EXPECT_EQ(std::vector<int>({g.homeSystem, g.emergencySystem, g.dataZone, g.groupSwitchZone, g.shortCutZone[0],
                              g.shortCutZone[1], g.shortCutZone[2], g.shortCutZone[3], int(m->misc.homeZoneNumber)}),
            std::vector<int>({255, 255, 255, 255, 255, 255, 255, 255, 0}));

  EXPECT_TRUE(SetZoneInUse(*m, 1, false).changed);
  EXPECT_TRUE(SetZoneInUse(*m, 1, true).changed);
  r = SetZoneInUse(*m, 1, true);
  EXPECT_EQ(s.groupCount[1], 1);
  EXPECT_FALSE(r.changed);
  ASSERT_FALSE(ApplyGroupCount(*m, 0, 3 + int(s.freeGroupPool)).refused);
  r = SetZoneInUse(*m, 5, true);
  EXPECT_TRUE(r.refused && !r.changed);
  EXPECT_FALSE(s.IsZoneInUse(5));
}

// Each ID entry takes both ends of its range and refuses the numbers just
// outside with its message, leaving the stored ID as it was.
TEST(ZoneIdTest, EachIdTakesBothEndsOfItsRangeAndNothingOutside) {
  using Entry = std::function<IdEntryResult(CEditModel&, const std::string&)>;
  auto zoneId = [](const IdRange& range) {
    return Entry([&range](CEditModel& m, const std::string& text) { return EnterZoneId(m, range, 3, text); });
  };
  const struct {
    Entry enter;
    long high;
    const char* message;
  } ids[] = {
      {zoneId(kHomeSystemIdRange), 65535, "Home system ID should be 1 to 65535."},
      {zoneId(kAffiliatedSystemIdRange), 127, "Affiliated system ID should be 1 to 127."},
      {zoneId(kMobileIdRange), 65519, "Mobile Identity Number should be 1 to 65519."},
      {[](CEditModel& m, const std::string& text) { return EnterTalkGroupId(m, 0, 0, text); }, 65519,
       "Talk Group ID should be 1 to 65519."},
  };
  for (const auto& id : ids) {
    SCOPED_TRACE(id.message);
    TestModel m;
    for (const long stored : {1L, id.high}) {
      const IdEntryResult r = id.enter(*m, std::to_string(stored));
      EXPECT_TRUE(r.stored && r.message.empty());
      EXPECT_EQ(r.value, std::uint32_t(stored));
      for (const std::string& refused : {std::string("0"), std::string("-1"), std::to_string(id.high + 1)}) {
        const IdEntryResult no = id.enter(*m, refused);
        EXPECT_FALSE(no.stored) << refused;
        EXPECT_EQ(no.message, id.message) << refused;
        EXPECT_EQ(no.value, std::uint32_t(stored)) << refused;
      }
    }
  }
}
