#include "model/mobile_special.h"

#include <cstdio>
#include <span>

#include "model/edit_model.h"

namespace {

constexpr std::uint8_t kNone = 255;
constexpr int kAcc5 = 4;
constexpr int kAcc6 = 5;
constexpr int kPairedPorts = 4;  // ACC1..ACC4 have both sides

std::span<const Choice> FunctionsOf(PortSide side) {
  return side == PortSide::kInput ? std::span<const Choice>(ms::kInputFunctions)
                                  : std::span<const Choice>(ms::kOutputFunctions);
}

PortSide OtherSide(PortSide side) { return side == PortSide::kInput ? PortSide::kOutput : PortSide::kInput; }

// True when a port of the side other than `port` holds the code.
bool HeldByAnotherPort(const CGlobalSettings& global, PortSide side, int port, std::uint32_t code) {
  for (int p = 0; p < kAccPortCount; ++p) {
    const std::uint8_t* field = PortField(global, side, p);
    if (p != port && field && *field == code) return true;
  }
  return false;
}

std::string GroupText(int g) {
  char text[16];
  std::snprintf(text, sizeof text, "Grp %2d", g + 1);
  return text;
}

}  // namespace

// ---- Accessory ports ----------------------------------------------------------------------------

const std::uint8_t* PortField(const CGlobalSettings& global, PortSide side, int port) {
  if (side == PortSide::kInput) {
    if (port >= 0 && port < kPairedPorts) return &global.accInputFunction[std::size_t(port)];
    return port == kAcc6 ? &global.accInputFunction[kPairedPorts] : nullptr;
  }
  return port >= 0 && port <= kAcc5 ? &global.accOutputFunction[std::size_t(port)] : nullptr;
}

std::uint8_t* PortField(CGlobalSettings& global, PortSide side, int port) {
  return const_cast<std::uint8_t*>(PortField(static_cast<const CGlobalSettings&>(global), side, port));
}

OfferedList PortChoices(const CGlobalSettings& global, PortSide side, int port) {
  OfferedList list;
  const std::uint8_t* field = PortField(global, side, port);
  if (!field) {
    list.selected = -1;
    return list;
  }
  for (const Choice& c : FunctionsOf(side)) {
    if (c.code != 0 && c.code != *field && HeldByAnotherPort(global, side, port, c.code)) continue;
    if (side == PortSide::kInput && c.code == kDataModeInput && port != kAcc6) continue;
    list.Add(std::string(c.text), c.code);
  }
  const int own = list.Find(*field);
  list.selected = own < 0 ? 0 : own;
  return list;
}

bool ChoosePortFunction(CGlobalSettings& global, PortSide side, int port, int position) {
  std::uint8_t* field = PortField(global, side, port);
  if (!field || position < 0) return false;
  const std::uint8_t code = std::uint8_t(PortChoices(global, side, port).CodeAt(position).value_or(0));
  *field = code;
  if (code != 0 && port < kPairedPorts) *PortField(global, OtherSide(side), port) = 0;
  return true;
}

std::string PortDirectionText(const CGlobalSettings& global, int port) {
  const std::uint8_t* in = PortField(global, PortSide::kInput, port);
  const std::uint8_t* out = PortField(global, PortSide::kOutput, port);
  if (in && *in != 0) return "Input";
  if (out && *out != 0) return "Output";
  return "---";
}

std::string PortFunctionText(const CGlobalSettings& global, int port) {
  const std::string direction = PortDirectionText(global, port);
  if (direction == "---") return direction;
  const PortSide side = direction == "Input" ? PortSide::kInput : PortSide::kOutput;
  const OfferedList list = PortChoices(global, side, port);
  const int i = list.Find(*PortField(global, side, port));
  return i < 0 ? "None" : list.entries[std::size_t(i)].text;
}

// ---- Group switch table -------------------------------------------------------------------------

std::uint8_t SwitchZone(const CGlobalSettings& global) {
  return global.groupSwitchZone < kZoneCount ? global.groupSwitchZone : kNone;
}

bool IsSwitchZoneGroup(const CEditModel& model, int group) {
  const std::uint8_t z = SwitchZone(model.global);
  if (z == kNone || group < 0 || group >= kGroupCount) return false;
  const int first = model.store.CountGroupsBeforeZone(z);
  return group >= first && group < first + model.store.GetGroupCount(z) && model.store.groups[group].InUse();
}

OfferedList SwitchZoneChoices(const CEditModel& model) {
  OfferedList list;
  list.Add("None", kNone);
  for (int z = 0; z < kZoneCount; ++z)
    if (model.store.IsZoneInUse(z)) list.Add(model.store.FormatZoneName(z), std::uint32_t(z));
  list.selected = list.Find(SwitchZone(model.global));
  return list;
}

bool ChooseSwitchZone(CEditModel& model, int position) {
  const auto zone = SwitchZoneChoices(model).CodeAt(position);
  if (!zone) return false;
  CGlobalSettings& g = model.global;
  if (*zone != g.groupSwitchZone) {
    g.groupSwitchZone = std::uint8_t(*zone);
    g.groupSwitchGroup.fill(kNone);
  }
  return true;
}

OfferedList SwitchGroupChoices(const CEditModel& model, int slot) {
  OfferedList list;
  if (slot < 0 || slot >= kSwitchPositions) {
    list.selected = -1;
    return list;
  }
  list.Add("None", kNone);
  const auto& slots = model.global.groupSwitchGroup;
  const std::uint8_t own = slots[std::size_t(slot)];
  const std::uint8_t z = SwitchZone(model.global);
  if (z != kNone) {
    const int first = model.store.CountGroupsBeforeZone(z);
    for (int g = first; g < first + model.store.GetGroupCount(z) && g < kGroupCount; ++g) {
      if (!model.store.groups[g].InUse()) continue;
      bool takenElsewhere = false;
      for (int s = 0; s < kSwitchPositions; ++s) takenElsewhere |= s != slot && slots[std::size_t(s)] == g;
      if (takenElsewhere && g != own) continue;
      list.Add(GroupText(g), std::uint32_t(g));
    }
  }
  const int i = list.Find(own);
  list.selected = i < 0 ? 0 : i;
  return list;
}

bool ChooseSwitchGroup(CEditModel& model, int slot, int position) {
  if (slot < 0 || slot >= kSwitchPositions || position < 0) return false;
  const std::uint32_t group = SwitchGroupChoices(model, slot).CodeAt(position).value_or(kNone);
  model.global.groupSwitchGroup[std::size_t(slot)] = std::uint8_t(group);
  return true;
}

std::string SwitchZoneText(const CEditModel& model) { return model.store.FormatZoneName(SwitchZone(model.global)); }

std::string SwitchGroupText(const CEditModel& model, int slot) {
  if (slot < 0 || slot >= kSwitchPositions) return "None";
  const int g = model.global.groupSwitchGroup[std::size_t(slot)];
  return IsSwitchZoneGroup(model, g) ? GroupText(g) : "None";
}

bool NormaliseSwitchTable(CEditModel& model) {
  CGlobalSettings& g = model.global;
  bool changed = false;
  if (g.groupSwitchZone != SwitchZone(g)) {
    g.groupSwitchZone = kNone;
    changed = true;
  }
  for (std::uint8_t& slot : g.groupSwitchGroup) {
    if (slot == kNone || IsSwitchZoneGroup(model, slot)) continue;
    slot = kNone;
    changed = true;
  }
  return changed;
}

// ---- AF Min VR level ------------------------------------------------------------------------------

std::optional<std::uint8_t> ParseAfMinVrLevel(std::string_view text) {
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kAfMinVrMax) return std::nullopt;
  }
  return std::uint8_t(value);
}
