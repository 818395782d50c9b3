// The fields that name another record by its index, listed once: a channel
// record by its index 0..249 (bits 0..9 of a group's channel word or of a
// repeater word, 1023 none), a group by its global index 0..249 (255 none)
// and a zone by its index 0..31 (255 none). Whatever moves, drops or resets
// records rewrites the references through these lists, so that each names
// afterwards the record it named before, and a zone that leaves use leaves
// every zone reference; a reference added to the model is added here, and
// every move keeps it.
#pragma once

#include <array>
#include <bitset>
#include <span>
#include <string>
#include <vector>

#include "model/field.h"
#include "model/image.h"

class CEditModel;

static_assert(kChannelCount == kGroupCount, "one record map serves both stores");

// Where a reference is kept.
enum class RefHolder {
  Group,  // in a group record (entity = its global index): it moves with its group and goes with it
  Fixed,  // in a record that stays where it is
};

struct ReferenceList {
  Field field;  // the index that entity k names
  int count;    // entities 0..count-1
  RefHolder holder;
  // A group reference that a removed group leaves with a notice ("... %d" of
  // the group's number), when the group lay in the zone `zone` names; a zone
  // reference that its zone leaves, with the wording and the zone's number
  // ("Delete Home %s %d": "Zone" or "System").
  const char* notice = nullptr;
  Field zone{};
};

// The group channel words and the repeater words.
std::span<const ReferenceList> ChannelReferences();
// The emergency, home, data and short-cut groups, the sixteen group switch
// positions and the home group the image's header gives.
std::span<const ReferenceList> GroupReferences();
// The emergency, home, data and four short-cut zones, the group switch
// table's zone and the home zone the image's header gives.
std::span<const ReferenceList> ZoneReferences();

// Where each record goes: its new index, or kGone when its content is lost. A
// place that keeps no record of its own and receives none is left empty.
struct RecordMap {
  static constexpr int kGone = -1;
  std::array<int, kGroupCount> to;

  RecordMap();  // every record stays
  // `count` records from `from` go to `to` (clipped to the store); those they
  // write over are gone.
  static RecordMap Shift(int from, int to, int count);
  bool Stays(int i) const { return to[std::size_t(i)] == i; }
  bool Gone(int i) const { return to[std::size_t(i)] == kGone; }
};

// Every channel reference to a record of the map names its new index
// afterwards, none for a gone one; the other bits of its word stay, and a
// reference to no record (250..1023) stays as it is.
void FollowChannels(CEditModel& model, const RecordMap& channels);
// Every group reference likewise (255 for a gone group). Returns the notices
// of the references that named a gone group of their zone, in list order.
std::vector<std::string> FollowGroups(CEditModel& model, const RecordMap& groups);

// The channels that a reference names: every repeater word, and the channel
// word of each group of the zones' runs that `groups` keeps.
std::bitset<kChannelCount> NamedChannels(const CEditModel& model, const RecordMap& groups = {});
// How many references of any record name channel c.
int ChannelReferenceCount(const CEditModel& model, int c);

// The notices of the group references with a notice that name group g, which
// become none ("Delete Emergency Group %d", "Delete Home Group %d").
std::vector<std::string> ReleaseGroup(CEditModel& model, int g);

// Every zone reference that names zone z becomes none. Returns the notices of
// those with one, in list order, with `wording` ("Zone" or "System") and z + 1.
std::vector<std::string> ReleaseZone(CEditModel& model, int z, const char* wording);
