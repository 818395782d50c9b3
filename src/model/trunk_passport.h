// What the PassPort talk-group page and the PassPort system features page do
// to the model: the rows of a zone's talk groups and which of them take input,
// the primary group, the Talk Group ID entry; the roaming timers with their
// clamps, the RSSI levels made valid when the page opens, and the enable
// cascades of the feature switches. Operations return what they stored and any
// message, which the page shows; none sets g_bModified.
#pragma once

#include <cstdint>
#include <string>

#include "model/edit_model.h"
#include "model/trunk_fields.h"
#include "model/zone_model.h"

// ---- talk groups ----------------------------------------------------------------------------

// Row `row` (0..15) of zone z's talk groups. A row past the zone's groups (or
// past the last record) has no record: it shows nothing and takes no input.
struct TalkGroupRowState {
  bool hasRecord = false;
  bool enableCell = false;  // the enable cell takes input (rows 2..16 with a record)
  bool editable = false;    // the ID, alias and check boxes take input (the group is in use)
};
TalkGroupRowState TalkGroupRow(const CEditModel& model, int z, int row);

// Opening the page: the primary group (the zone's first) is put in use when
// the zone has a group at all; true when that changed the record.
bool OpenTalkGroups(CEditModel& model, int z);

// The enable cell: "PRIMARY" on row 0, else "Enable" or "Disable"; empty for a
// row without a record.
std::string TalkGroupEnableText(CEditModel& model, int z, int row);
// "%d" of the Talk Group ID; empty for a row without a record.
std::string TalkGroupIdText(CEditModel& model, int z, int row);

inline constexpr char kTalkGroupIdMessage[] = "Talk Group ID should be 1 to 65519.";
inline constexpr long kTalkGroupIdHigh = 65519;
// The ID edit losing the focus: the text as a decimal number (blank or empty 0)
// is stored when inside 1..65519, else the message and nothing stored. A row
// without a record stores nothing and raises nothing.
IdEntryResult EnterTalkGroupId(CEditModel& model, int z, int row, const std::string& text);

// ---- PassPort features ------------------------------------------------------------------------

// A roaming timer: its byte, the seconds it takes and the seconds a stored unit is.
struct PassPortTimer {
  BitField field;
  int low;
  int high;
  int unit;
};
inline constexpr PassPortTimer kRoamStartDelayTimer{tf::kRoamStartDelay, 10, 255, 1};
inline constexpr PassPortTimer kRoamSearchSpeedTimer{tf::kRoamSearchSpeed, 1, 30, 1};
inline constexpr PassPortTimer kRegResumeTimer{tf::kRegResumeTime, 0, 7650, 30};
inline constexpr PassPortTimer kRoamPowerUpDelayTimer{tf::kRoamPowerUpDelay, 10, 255, 1};

// "%4d sec" of the stored code in seconds.
std::string PassPortTimerText(const PassPortTimer& timer, std::uint32_t code);
// The code a typed text stores: its leading decimal number (0 for none) brought
// into the timer's seconds, rounded down to whole units, in units.
std::uint32_t PassPortTimerCode(const PassPortTimer& timer, const std::string& text);

// The three RSSI level bytes of zone z: a 255 (never set) becomes 0 (-110 dBm)
// when the page opens; true when one changed. The page does not count this as
// the user's change.
bool NormalisePassPortLevels(CEditModel& model, int z);

// Which controls take input, from the zone's switches and the radio's band.
struct PassPortEnables {
  bool rssiThreshold = false;  // the three RSSI switches, Duration time and the two level lists
  bool homeLookback = false;   // Lookback time and the "RSSI for home lookback" check box
  bool lookbackRssi = false;   // the home lookback level list: both switches on
  bool band5b = false;         // "Enable UHF Band 5b": a UHF radio
};
PassPortEnables PassPortEnableStates(CEditModel& model, int z);

// The reference beside an RSSI list: "%d" of the dBm of the entry the list
// shows for the code, plus the radio's RSSI offset (image byte 11).
std::string RssiReferenceText(const CEditModel& model, const ChoiceList& list, std::uint32_t code);
