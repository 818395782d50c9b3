// What the zone pages do to the model: the pool of the 250 group records that
// the 32 zones share, a zone going in and out of use with the references to
// it, and the range checks of the PassPort identity. Each operation returns
// what it stored and the messages it raises, in order; the page shows them.
// None of them sets g_bModified: the page does, for every change it stores.
//
// The pool: zone z owns the groupCount[z] records that begin at
// CountGroupsBeforeZone(z); the runs lie zone after zone without gaps, and
// freeGroupPool is 250 less the sum of the counts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/field.h"

class CEditModel;
class CChannelStore;

inline constexpr char kTooManyGroups[] = "Too many groups";
// A count change that would lose a channel a repeater uses, with no free channel to move it to.
inline constexpr char kNoFreeChannel[] =
    "Channel %d, which a repeater uses, has no free channel to move to: the number of groups stays as it was.";
// A PassPort zone holds at most this many talk groups.
inline constexpr int kPassPortGroupLimit = 16;

// Writes the data of a group newly given to zone z into record i: bytes 0x87,
// 0, 0, 0, IDs 0xFF, name "GROUP%3.3d" of i + 1, channel word 0x13FF when the
// zone's format is `busyFormat` (the PassPort format on the zone overview, the
// LTR format on the LTR page), else 0x03FF. The flags byte and the talk-group
// ID stay. A record index outside 0..249 is ignored.
void InitGroupRecord(CChannelStore& store, int i, int z, std::uint32_t busyFormat = 4);

struct GroupCountRules {
  bool passPortLimit = true;        // a PassPort zone takes at most 16 groups
  std::uint32_t busyFormat = 4;     // new records of a zone of this format get 0x13FF
};

struct GroupCountResult {
  bool refused = false;   // "Too many groups": nothing changed
  int count = 0;          // what the zone's count edit shows afterwards
  bool changed = false;   // the records or the count changed
  std::vector<std::string> messages;
};

// Gives zone z `requested` group records (a negative request is 0). Refused
// ("Too many groups") when the request exceeds the free records plus the
// zone's own, or a PassPort zone's limit. Otherwise the later zones' records
// move as whole records so the runs stay contiguous, and their channel records
// with them; every channel and group reference follows its record
// (references.h), and a group reference whose group is removed becomes none,
// with its notice. A channel that a repeater still names keeps its data when
// its record is written over or freed: it moves to a free record (refused,
// kNoFreeChannel, when there is none). New or freed records get a new group's
// data, out of use, and a channel's defaults; the zone's revert group becomes
// none when the count changes, the in-use bit follows the count and the
// primary group is cleared for a count of 0. A request that would leave the
// radio with no group at all gives the zone one group, keeping its first
// record as it was. A refusal changes nothing.
GroupCountResult ApplyGroupCount(CEditModel& model, int z, long requested, const GroupCountRules& rules = {});

// Whether `requested` records fit zone z: the free records plus the zone's own.
bool GroupCountFits(const CChannelStore& store, int z, long requested);

// The wording of the notices when a zone stops being the home or emergency zone.
enum class ReferenceWording { Zone, System };

// A zone that left use: every zone reference that names zone z becomes none
// (references.h); returns the notices of the emergency and then the home zone,
// "Delete Emergency Zone %d" / "Delete Home Zone %d" (or "... System %d") with z + 1.
std::vector<std::string> ReleaseZoneReferences(CEditModel& model, int z, ReferenceWording wording);

// The count edit's commit: applies the count, and when the zone has no group
// afterwards releases its references ("... System %d").
GroupCountResult CommitGroupCount(CEditModel& model, int z, long requested, const GroupCountRules& rules = {});

// The zone on/off choice. Disabling gives the zone's records back (a zone that
// is the only one with groups keeps one and stays in use, and keeps its
// references); a zone that went out of use loses its references ("... Zone %d").
// Enabling a zone that was out of use gives it one group; when no record is
// free ("Too many groups") the zone stays out of use.
GroupCountResult SetZoneInUse(CEditModel& model, int z, bool inUse, const GroupCountRules& rules = {});

// A numeric entry of the zone pages: the field, its range and its message.
struct IdRange {
  Field field;
  std::uint32_t low;
  std::uint32_t high;
  const char* message;
};
extern const IdRange kHomeSystemIdRange;        // 1..65535
extern const IdRange kAffiliatedSystemIdRange;  // 1..127
extern const IdRange kMobileIdRange;            // 1..65519

struct IdEntryResult {
  bool stored = false;
  std::string message;  // empty when stored
  std::uint32_t value = 0;  // the field afterwards
};
// The text as a decimal number (blank or empty: 0); stored when inside the
// range, else the message and nothing stored.
IdEntryResult EnterZoneId(CEditModel& model, const IdRange& range, int z, const std::string& text);

// The leading decimal number of a text after blanks, with an optional sign;
// 0 for none; saturates far outside every field's range.
long ParseDecimal(const std::string& text);
