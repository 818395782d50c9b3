// The Mobile Special settings as the Mobile Special page and its sheet see
// them: the lists of the plain fields, the accessory ports of the DSUB-15
// connector and the group switch table, with the invariants their choices keep.
// The fields themselves are named in model/global_fields.h.
//
// Ports: port 0..5 is ACC Port1..Port6. Ports 0..3 have an input and an
// output, port 4 (ACC5) an output only, port 5 (ACC6) an input only. A choice
// keeps, for codes other than 0: no input code on two inputs, no output code on
// two outputs, and no port with both an input and an output.
//
// Group switch table: a zone (0..31, 255 none; a stored zone of 32 or more is
// none) and sixteen positions, each a global group index of an in-use group of
// that zone or 255. A choice keeps every group in one position at most.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/enable_lists.h"
#include "model/field.h"
#include "model/offered_list.h"

class CEditModel;
class CGlobalSettings;

namespace ms {

inline constexpr Choice kExtMicSenses[] = {{"+10db", 253}, {"+6db", 160}, {"+3db", 113}, {"Standard", 80},
                                           {"-3db", 57},   {"-6db", 40},  {"-10db", 25}};
inline constexpr Choice kHornAlertTimes[] = {{"No Limited", 0}, {"10 sec", 1}, {"20 sec", 2}, {"30 sec", 3},
                                             {"40 sec", 4},     {"50 sec", 5}, {"60 sec", 6}, {"3 min", 7}};
inline constexpr Choice kInputFunctions[] = {
    {"None", 0},     {"MON", 1},        {"Dimmer", 2},        {"Hook", 3},
    {"Scan", 4},     {"Emergency", 6},  {"CH SW0", 8},        {"CH SW1", 9},
    {"CH SW2", 10},  {"CH SW3", 11},    {"TX Low power", 13}, {"Call 1", 14},
    {"Call 2", 15},  {"AF Min VR", 19}, {"Ext Beep", 21},     {"MIC PTT Inhibit", 22},
    {"AF MUTE", 24}, {"Data mode", 25}};
inline constexpr Choice kOutputFunctions[] = {
    {"None", 0},           {"Busy", 1},           {"AF Mute", 2},       {"ACC1", 3},     {"ACC2", 4},
    {"Horn Alert", 5},     {"Public Address", 6}, {"PTT", 7},           {"TX Power", 8}, {"Short cut GP1", 14},
    {"Short cut GP2", 15}, {"Short cut GP3", 16}, {"Short cut GP4", 17}};

// A code no entry has shows the first entry, on the page and on the sheet.
inline constexpr ChoiceList kExtMicSenseList{kExtMicSenses, 0};
inline constexpr ChoiceList kHornAlertTimeList{kHornAlertTimes, 0};
inline constexpr ChoiceList kIgnitionSenseList = kDisable0Enable1List;
inline constexpr ChoiceList kExternalPttList = kDisable0Enable1List;
inline constexpr ChoiceList kInputFunctionList{kInputFunctions, 0};
inline constexpr ChoiceList kOutputFunctionList{kOutputFunctions, 0};

}  // namespace ms

// ---- Accessory ports ------------------------------------------------------------------------

inline constexpr int kAccPortCount = 6;
inline constexpr std::uint32_t kDataModeInput = 25;  // ACC6's own input function
enum class PortSide { kInput, kOutput };

// The record byte of a port's side; nullptr for ACC5's input and ACC6's output.
std::uint8_t* PortField(CGlobalSettings& global, PortSide side, int port);
const std::uint8_t* PortField(const CGlobalSettings& global, PortSide side, int port);

// The list of a port's side: "None", then every function of the side that no
// other port of the side holds (the port's own function always), "Data mode"
// on ACC6 only. It opens on the port's function, on "None" when it does not
// offer it. An empty list for a side the port does not have.
OfferedList PortChoices(const CGlobalSettings& global, PortSide side, int port);
// Stores the function at `position` of the list as PortChoices offers it now
// (a position past its end stores 0). A function other than "None" on an
// input of ports 0..3 sets the same port's output to 0, and the other way
// round. False, storing nothing, for a negative position or a side the port
// does not have.
bool ChoosePortFunction(CGlobalSettings& global, PortSide side, int port, int position);

// Sheet texts of a port: "Input" when it has a non-zero input, else "Output"
// when it has a non-zero output, else "---"; and the function's text as the
// port's list shows it ("None" for a code the port's list does not have), "---"
// for neither.
std::string PortDirectionText(const CGlobalSettings& global, int port);
std::string PortFunctionText(const CGlobalSettings& global, int port);

// ---- Group switch table ---------------------------------------------------------------------

inline constexpr int kSwitchPositions = 16;

// The switch zone: the stored zone, 255 for none and for any value of 32 or more.
std::uint8_t SwitchZone(const CGlobalSettings& global);
// True when `group` is an in-use group of the switch zone.
bool IsSwitchZoneGroup(const CEditModel& model, int group);

// The zone list: "None" (255), then "Zone %2d" for every zone in use. It opens
// on "None" for no zone, on the zone's entry when it is in use, else on no entry.
OfferedList SwitchZoneChoices(const CEditModel& model);
// Stores the zone at `position`; a zone other than the stored one sets all
// sixteen positions to 255. False, storing nothing, for a position the list
// does not have.
bool ChooseSwitchZone(CEditModel& model, int position);

// The list of position `slot` (0..15): "None" (255), then "Grp %2d" (global
// index + 1) for every in-use group of the switch zone that no other position
// holds. It opens on the position's group, on "None" when it does not offer it.
OfferedList SwitchGroupChoices(const CEditModel& model, int slot);
// Stores the group at `position` of the list as SwitchGroupChoices offers it
// now (a position past its end stores 255). False, storing nothing, for a
// negative position or a slot outside 0..15.
bool ChooseSwitchGroup(CEditModel& model, int slot, int position);

// Texts on the page and the sheet: the switch zone ("None", "Zone %2d") and a
// position's group ("Grp %2d" when it is an in-use group of the switch zone,
// else "None").
std::string SwitchZoneText(const CEditModel& model);
std::string SwitchGroupText(const CEditModel& model, int slot);

// What the pack writes: a switch zone of 32 or more becomes 255, and every
// position that is not an in-use group of the switch zone becomes 255. True
// when the record changed.
bool NormaliseSwitchTable(CEditModel& model);

// ---- AF Min VR level --------------------------------------------------------------------------

inline constexpr int kAfMinVrMax = 31;
// A level typed on the page: the decimal value of the text (an empty text 0)
// when it lies in 0..31; nothing otherwise (the stored level stays).
std::optional<std::uint8_t> ParseAfMinVrLevel(std::string_view text);
