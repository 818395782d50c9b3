#include "model/key_assign.h"

#include "model/conversions.h"
#include "model/sections.h"

namespace {

struct KeyName {
  std::uint8_t code;
  std::string_view panel;
  std::string_view side;  // empty: no name on the side layout
};

constexpr KeyName kNames[] = {
    {0, "None", "None"},
    {1, "Monitor", "Monitor"},
    {2, "Lighting", "Lighting"},
    {3, "Scan", "Scan"},
    {4, "Dual Watch", "Dual Watch"},
    {5, "TX Low Power", "TX Low Power"},
    {6, "Talk Around", "Talk Around"},
    {7, "TXSAVE Disable", "TXSAVE Disable"},
    {8, "Encryption", "Encryption Disable"},
    {9, "Follow-Me DW", "Follow-Me DW"},
    {10, "Zone Up", "Zone Up"},
    {11, "Zone Down", "Zone Down"},
    {12, "Group Up", "Group Up"},
    {13, "Group Down", "Group Down"},
    {14, "SCAN A/D", "SCAN A/D"},
    {15, "Call / Reset", "Call / Reset"},
    {16, "PP interconnect", "PP_Interconnect"},
    {17, "Emergency", "Emergency"},
    {18, "LCD Invert", "LCD Invert"},
    {19, "Home", "Home Zone"},
    {20, "Horn", "Horn"},
    {21, "Transponder", "Transponder"},
    {22, "Display Information", "Display Information"},
    {23, "KeyLock", "KeyLock"},
    {24, "Aux 1", "Aux 1"},
    {25, "Home Set", "Home Zone set"},
    {26, "Short cut to GP1", "Short cut to GP1"},
    {27, "Short cut to GP2", "Short cut to GP2"},
    {28, "Short cut to GP3", "Short cut to GP3"},
    {29, "Short cut to GP4", "Short cut to GP4"},
    {30, "Follow-Me Scan", "Follow-Me Scan"},
    {31, "External PTT", "External PTT"},
    {64, "NSQ", "NSQ"},
    {65, "Continuous zone up", "Continuous zone up"},
    {66, "Continuous zone down", "Continuous zone down"},
    {67, "Continuous group up", "Continuous group up"},
    {68, "Continuous group down", "Continuous group down"},
    {69, "Call 1", "Call 1"},
    {70, "Call 2", "Call 2"},
    {71, "Code Set", "Code set"},
    {72, "Code up", "Code up"},
    {73, "Code down", "Code down"},
    {74, "Public Address", ""},
    {75, "Ext ACC1", ""},
    {76, "Ext ACC2", ""},
    {77, "AF min Vr", ""},
    {78, "Option SW", ""},
    {81, "PP_Roam Request", "PP_Roam Request"},
    {82, "PP_Cancel Roam Request", "PP_Cancel Roam Request"},
    {83, "PP_Home Site Revert", "PP_Home Site Revert"},
    {84, "PP_Roam Lock", "PP_Roam Lock"},
    {85, "PP_Roam Manual", "PP_Roam Manual"},
    {86, "PP_Site Information", "PP_Site Information"},
    {87, "PP_Selective Call", "PP_Selective Call"},
    {88, "PP_Disconnect Sele Call", "PP_Disconnect Sele Call"},
    {89, "PP_Clear Almanac", "PP_Clear Almanac"},
    {90, "PP_Disconnect Interconnect", "PP_Disconnect Interconnect"},
    {91, "RSSI Display", ""},
};

// How a visited code is offered. The drop rules hold before the presence rule,
// even for the slot that holds the code; the "while free" rules hold for a
// code that no slot holds.
enum : std::uint8_t {
  kOffered = 0,
  kDropOnPress = 1,      // never on a press slot
  kDropOnHold = 2,       // never on a hold slot
  kDropAlways = 4,       // never listed
  kNotWhileFree = 8,     // only to the slot that holds it
  kHoldWhileFree = 16,   // while free, to hold slots only
  kBoardWhileFree = 32,  // while free, only with the option board fitted
};

struct Rule {
  std::uint8_t code;
  std::uint8_t rule;
};

// The codes each layout's list visits, in list order, and the rules of the codes
// that are not simply offered.
constexpr std::uint8_t kPanelOrder[] = {1,  10, 11, 12, 13, 3,  14, 19, 25, 26, 27, 28, 29, 5,  6,  4,  9,
                                        15, 16, 17, 20, 23, 2,  8,  31, 64, 65, 66, 67, 68, 69, 70, 71, 72,
                                        73, 74, 75, 76, 77, 78, 7,  81, 82, 83, 84, 86, 87, 88, 89, 90, 91};
constexpr Rule kPanelRules[] = {{4, kNotWhileFree},   {7, kNotWhileFree},    {9, kNotWhileFree},   {31, kNotWhileFree},
                                {64, kHoldWhileFree}, {65, kHoldWhileFree},  {66, kHoldWhileFree}, {67, kHoldWhileFree},
                                {68, kHoldWhileFree}, {78, kBoardWhileFree}, {81, kDropOnHold},    {82, kDropOnPress},
                                {89, kDropAlways}};
constexpr std::uint8_t kSideOrder[] = {1,  10, 11, 12, 13, 3,  14, 19, 25, 26, 27, 28, 29, 5,  6,  4,  9,  15, 16, 17,
                                       20, 23, 2,  22, 18, 31, 64, 65, 66, 67, 68, 81, 82, 83, 84, 86, 87, 88, 89, 90};
constexpr std::uint8_t kSideHoldOnly = kDropOnPress | kNotWhileFree;
constexpr Rule kSideRules[] = {{4, kNotWhileFree},   {9, kNotWhileFree},  {14, kHoldWhileFree}, {15, kNotWhileFree},
                               {17, kHoldWhileFree}, {18, kNotWhileFree}, {20, kNotWhileFree},  {22, kNotWhileFree},
                               {25, kHoldWhileFree}, {26, kNotWhileFree}, {27, kNotWhileFree},  {28, kNotWhileFree},
                               {29, kNotWhileFree},  {31, kNotWhileFree}, {64, kDropOnPress},   {65, kSideHoldOnly},
                               {66, kSideHoldOnly},  {67, kSideHoldOnly}, {68, kSideHoldOnly},  {81, kDropOnHold},
                               {82, kDropOnPress},   {89, kDropAlways}};

template <std::size_t N>
std::uint8_t RuleOf(const Rule (&rules)[N], int code) {
  for (const Rule& r : rules)
    if (r.code == code) return r.rule;
  return kOffered;
}

constexpr std::uint8_t kEmergency = 17;
constexpr bool IsPairCode(int code) { return code == kEmergency || code == 75 || code == 78; }
constexpr std::uint8_t kOptionBoardFitted = 3;

bool IsOffered(const CKeyAssignSection& keys, int slot, int code, std::uint8_t rule, std::uint8_t optionBoard) {
  const bool hold = IsHoldSlot(slot);
  if ((rule & kDropAlways) || ((rule & kDropOnPress) && !hold) || ((rule & kDropOnHold) && hold)) return false;
  if (keys.IsFunctionAssigned(code)) return keys.keyFunctionCodes[slot] == code;
  if (rule & kNotWhileFree) return false;
  if ((rule & kHoldWhileFree) && !hold) return false;
  if ((rule & kBoardWhileFree) && optionBoard != kOptionBoardFitted) return false;
  return true;
}

}  // namespace

std::string_view KeyFunctionName(KeyLayout layout, int code) {
  for (const KeyName& n : kNames)
    if (n.code == code) return layout == KeyLayout::kPanel ? n.panel : n.side;
  return {};
}

OfferedList KeyFunctionChoices(const CKeyAssignSection& keys, KeyLayout layout, int slot, std::uint8_t optionBoard) {
  OfferedList list;
  list.Add("None", 0);
  if (slot < 0 || slot >= kKeySlotCount) return list;
  const auto visit = [&](const auto& order, const auto& rules) {
    for (std::uint8_t code : order)
      if (IsOffered(keys, slot, code, RuleOf(rules, code), optionBoard))
        list.Add(std::string(KeyFunctionName(layout, code)), code);
  };
  if (layout == KeyLayout::kPanel)
    visit(kPanelOrder, kPanelRules);
  else
    visit(kSideOrder, kSideRules);
  const int own = list.Find(keys.keyFunctionCodes[slot]);
  list.selected = own < 0 ? 0 : own;
  return list;
}

void AssignKeyFunction(CKeyAssignSection& keys, KeyLayout layout, int slot, std::uint8_t code) {
  if (slot < 0 || slot >= kKeySlotCount) return;
  const std::uint8_t old = keys.keyFunctionCodes[slot];
  keys.keyFunctionCodes[slot] = code;
  if (layout == KeyLayout::kPanel && IsPairCode(code)) {
    std::uint8_t& partner = keys.keyFunctionCodes[PartnerSlot(slot)];
    const std::uint8_t oldPartner = partner;
    partner = code;
    keys.UpdatePresence(oldPartner);
  }
  keys.UpdatePresence(old);
  keys.UpdatePresence(code);
}

bool ChooseKeyFunction(CKeyAssignSection& keys, KeyLayout layout, int slot, const OfferedList& offered, int position) {
  const auto code = offered.CodeAt(position);
  if (!code || slot < 0 || slot >= kKeySlotCount) return false;
  AssignKeyFunction(keys, layout, slot, std::uint8_t(*code));
  return true;
}

bool IsHoldButtonEnabled(const CKeyAssignSection& keys, KeyLayout layout, int key) {
  if (layout != KeyLayout::kPanel || key < 0 || key >= kKeyCount) return true;
  const std::uint8_t press = keys.keyFunctionCodes[key];
  return press == 0 || keys.keyFunctionCodes[key + kKeyCount] != press;
}
