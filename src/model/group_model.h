// What the group pages do to the model: the grid over a zone's groups, the
// channel binding of a Conventional zone, the enable commit, the sub-audible
// type rules, the Default column, the advanced views' signalling, the LTR IDs,
// and the rules that say which cells can be edited. Each operation takes the
// group (global index 0..249) or the zone explicitly, checks it, and returns
// whether it changed a stored byte, so that the page sets g_bModified where it
// should; none of them sets the flag itself.
//
// A zone's groups are the records first .. first + count - 1 (ZoneGroups); an
// operation on a group outside the zone it is asked about, or on an index that
// names no record, reads nothing and writes nothing.
#pragma once

#include <cstdint>
#include <string>

#include "model/field.h"
#include "model/ltr_id.h"

class CEditModel;
class CChannelStore;

// ---- the grid ---------------------------------------------------------------------------

inline constexpr int kGroupColumns = 6;
// The last first visible group: column 6 then shows record 249.
inline constexpr int kLastFirstVisibleGroup = 244;

struct ZoneGroupRun {
  int first = 0;  // the zone's first group (250 for a zone after all the records)
  int count = 0;
  int End() const { return first + count; }
  bool Holds(int g) const { return g >= first && g < End(); }
};
ZoneGroupRun ZoneGroups(const CChannelStore& store, int z);

// The scroll limits of the first visible group: the zone's first group, and
// first + count - 6 but at most 244, never below the first.
int FirstVisibleMin(const CChannelStore& store, int z);
int FirstVisibleMax(const CChannelStore& store, int z);
// The group of column 1..6 for a first visible group; -1 when that is no record
// (250 or more) or the column is no group column: such a column is not written.
int ColumnGroup(int firstVisible, int column);
// A column past the zone's groups (greyed, never written).
inline bool IsPastZone(const ZoneGroupRun& run, int column) { return column > run.count; }
// "GRP. %3d" of the group number (g + 1); empty for a group that is no record,
// whose caption keeps its text.
std::string GroupCaption(int g);
// The header's "Zone format": "Conventional" on the conventional pages; on the
// LTR pages "LTR" for an LTR zone, else "Conv".
std::string GroupPageFormatText(const CChannelStore& store, int z, bool ltrPage);
// A zone neither LTR nor PassPort: its groups use the channel with their own index.
bool IsConventionalZone(const CChannelStore& store, int z);

// ---- the channels of a Conventional zone ------------------------------------------------

// Opening the conventional view: each group of a Conventional zone names the
// channel with its own index (bits 0-9 of its word := g; the other bits stay).
// Groups of other zones, and every group of an LTR or PassPort zone, keep their
// words. True when a word changed.
bool BindZoneChannels(CEditModel& model, int z);
// The refresh's in-use rule for group g of Conventional zone z: channel g is in
// use exactly when the group is enabled and names a channel. Only for the
// zone's own groups. True when the bit changed.
bool SyncChannelInUse(CEditModel& model, int z, int g);
// The channel record a group's word names, or -1 (1023 none, 250..1022 no record).
int GroupChannel(const CChannelStore& store, int g);

// The channel rows of a group column: "RF Channel #" ("%3d" of the channel
// number, or "None"), the frequencies ("%9.5f" MHz) and the spacing ("Wide" or
// "Narrow"), all empty (and "None") when the group is not enabled or names no
// channel record.
struct GroupChannelTexts {
  std::string channel = "None";
  std::string rx, tx, space;
};
GroupChannelTexts ChannelTextsOfGroup(const CEditModel& model, int g);

// ---- basic views ------------------------------------------------------------------------

// The enable commit of group g: its in-use bit; in a Conventional zone also
// channel g's in-use bit; the zone's revert group := none; a disable of the
// group the zone's group reference names (reference + the zone's first group,
// compared as stored) clears the reference. Nothing for a group in no zone.
bool SetGroupEnabled(CEditModel& model, int g, bool enabled);
// The receive type rule: type 0 leaves no decode code (255), any other the first
// code (0); a receive type set where there was none, on a group with no encode
// code, sets the transmit side to the same type with its first code.
bool SetRxToneType(CEditModel& model, int g, std::uint32_t type);
// The transmit type rule: the encode code 0 for a type, 255 for none.
bool SetTxToneType(CEditModel& model, int g, std::uint32_t type);
// Whether the decode (rx) or encode cell takes input: the group enabled and the
// side's type not 0.
bool ToneCodeEditable(const CEditModel& model, int g, bool rx);
// Compander: the group enabled and its channel narrow (spacing bits 0); a group
// that names no channel keeps it editable.
bool CompanderEditable(const CEditModel& model, int g);
bool GroupEnabled(const CEditModel& model, int g);

// ---- advanced views: signalling ---------------------------------------------------------

// The group index that stands for the Default column in the functions below
// (the grid's Default entity).
inline constexpr int kDefaultColumnGroup = -1;

// The option module (OPM-410) fitted, and the OPB-83 board.
bool OptionModuleFitted(const CEditModel& model);
bool OptionBoardCode3(const CEditModel& model);
bool IsType11(const CEditModel& model);

// The function value of group g: type 11 2 x byte 1 bit 6 + byte 1 bit 4; other
// types 2 x byte 3 bit 7 + byte 1 bit 4.
std::uint32_t SignalingFunction(const CEditModel& model, int g);
std::uint32_t DefaultSignalingFunction(const CEditModel& model);
// The list a Signaling Function cell shows and offers: with "Option" when the
// radio is type 11 with the option module and the column's Encryption is 0.
// kDefaultColumnGroup: the Default column (its Encryption the Default's).
const ChoiceList& SignalingFunctionList(const CEditModel& model, int g);
// The group commit of a function code (the entry's value): type 11: 2 or 3
// clear ANI and store "Option" (2, when offered) or "Signaling"; other types
// store "Signaling" for 2 or 3. A changed function resets the Signaling No. to 1
// for "Option", else 0.
bool CommitSignalingFunction(CEditModel& model, int g, std::uint32_t code);
// The Default column's commit into DefaultGroupRecord and every group of zone z;
// on type 11 a code of 2 or 3 also clears every group's ANI. Neither the Default
// ANI nor any Signaling No. changes.
bool CommitDefaultSignalingFunction(CEditModel& model, int z, std::uint32_t code);
// The LTR view: a code other than 0 sets both bits, 0 clears them; the Default
// keeps its code in bits 5-6 (1 for "Signaling") on other types.
bool CommitLtrSignalingFunction(CEditModel& model, int g, std::uint32_t code);
bool CommitDefaultLtrSignalingFunction(CEditModel& model, int z, std::uint32_t code);

// Signaling No.: the paging locations for function 1 ("Paging"), else the
// systems; the cell shows "Disable" for function 0 or 3 with number 0. The
// Default column follows the same rule with its own function value, and stores
// the entry's value in its own kSignalingNo field.
const ChoiceList& SignalingNoList(const CEditModel& model, int g);
std::string SignalingNoText(const CEditModel& model, int g);

// Which advanced cells of an enabled group take input (the page greys them
// otherwise). On type 11: ANI not while the function uses bit 6 ("Option" or
// "Signaling"); Encryption not for "Option" nor with the OPB-83 board;
// Signaling No. only for "Paging" and "Option". On other types ANI and
// Encryption are editable, and Signaling No. is not for "Signaling".
// kDefaultColumnGroup: the Default column (Encryption only).
bool AniEditable(const CEditModel& model, int g);
bool EncryptionEditable(const CEditModel& model, int g);
bool SignalingNoEditable(const CEditModel& model, int g);

// ---- LTR IDs ----------------------------------------------------------------------------

// A TX ID (tx) or RX ID text of group g: empty or blank stores 255; 1..250 is
// stored; anything else (0, above 250) is refused. (The basic view sets
// g_bModified either way, the advanced only when stored.)
LtrIdEntry EnterGroupLtrId(CEditModel& model, int g, bool tx, const std::string& text);
// Leaving a TX ID edit: the RX ID of group g := its TX ID. Returns the RX ID
// edit's text; `changed` when the RX ID changed.
struct LtrIdCopy {
  bool changed = false;
  std::string rxText;
};
LtrIdCopy CopyTxIdToRxId(CEditModel& model, int g);
