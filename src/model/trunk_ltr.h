// What the LTR system page, the LTR advanced features page and the
// interconnect page do to the model: the LTR group count rules, the cells each
// zone format offers, the LTR ID entries and the dial strings (their Default
// values are zone_defaults.h's). Operations return what they stored and any
// message, which the page shows; none sets g_bModified.
//
// Every operation names its zone: a handler acts on the zone of its own column.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/edit_model.h"
#include "model/ltr_id.h"
#include "model/trunk_fields.h"
#include "model/zone_defaults.h"
#include "model/zone_model.h"

// ---- LTR system page ---------------------------------------------------------------------

// No 16-group limit; a new group of an LTR zone gets channel word 0x13FF.
inline constexpr GroupCountRules kLtrGroupCountRules{false, zf::kLtr};

// The check of each keystroke in a Number of Groups edit: whether the typed
// count fits the free records plus the zone's own. When it does not: "Too many
// groups" and the old count's text for the edit.
struct GroupCountCheck {
  bool fits = true;
  std::string message;
  std::string restoreText;
};
GroupCountCheck CheckLtrGroupCount(const CEditModel& model, int z, const std::string& text);
// The count applied when the edit loses the focus, by the LTR rules. A count
// that does not fit changes nothing and raises no message (the keystroke check
// has). A zone left without groups stops being the home or emergency zone
// ("Delete Emergency System %d", "Delete Home System %d").
GroupCountResult CommitLtrGroupCount(CEditModel& model, int z, const std::string& text);
// The zone on/off choice by the LTR rules, with the notices "Delete Emergency
// System %d" and "Delete Home System %d".
GroupCountResult SetLtrZoneInUse(CEditModel& model, int z, bool inUse);

// A cell of zone z on the LTR system page takes input: the zone is in use, and
// for the trunking rows (Talk Permit Tone, AREA Code, Home Channel Number, Busy
// Call back, Multiple Group Decode, Scan words) it is not Conventional. The
// format cell never takes input there.
bool LtrSystemCellEnabled(const CEditModel& model, int z, bool trunkingRow);

// The text of a Revert Group value (a group's number within zone z, 255 none):
// "None", or "Grp %2d" of the group's number in the radio; for the Default
// column (z = -1), whose value stands for every zone, of the value + 1.
std::string RevertGroupText(const CEditModel& model, int z, std::uint32_t value);

// The group page a zone's "Groups" button opens: an LTR-format zone the LTR
// group page, a PassPort zone under the PassPort captions its talk groups,
// any other the conventional group page.
enum class GroupPage { Conventional, Ltr, TalkGroups };
GroupPage GroupPageOf(const CEditModel& model, int z, bool passPortCaptions);

// ---- LTR advanced features -----------------------------------------------------------------

// A zone cell of the LTR advanced page takes input: the zone is in use and not
// Conventional, and for a row that reaches LTR zones only, the zone is LTR.
bool LtrAdvancedCellEnabled(const CEditModel& model, const ZoneDefault& row, int z);

// ---- LTR IDs ------------------------------------------------------------------------------

// An ID edit of zone z, on every keystroke: a valid ID is stored in the row's
// field; another text raises the message and stores nothing. Only an LTR zone
// takes an ID (in other zones the byte means something else): for any other
// the text is put back silently.
LtrIdEntry EnterLtrId(CEditModel& model, const ZoneDefault& row, int z, const std::string& text);
// The Default ID edit: a valid ID goes into the Default value and every LTR zone.
LtrIdEntry EnterDefaultLtrId(CEditModel& model, const ZoneDefault& row, const std::string& text);

// ---- interconnect --------------------------------------------------------------------------

// What a zone column of the interconnect page shows besides its common cells:
// the LTR ID edit (LTR), the Connect Dial and Interconnect Only Rx (Conventional),
// neither (any other format).
struct InterconnectCells {
  bool ltrId = false;
  bool connectDial = false;
  bool onlyRx = false;
};
InterconnectCells InterconnectLayout(const CEditModel& model, int z);

// The Default Disconnect Dial edit: the code into the Default value and bits
// 4-7 of every zone; bits 0-3 stay.
void EnterDefaultDisconnectDial(CEditModel& model, const std::string& text);
std::string DefaultDisconnectDialText(const CEditModel& model);
