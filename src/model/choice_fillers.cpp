// The zone, group and channel choice lists that pages fill from the store.
#include <cstdio>

#include "model/channel_store.h"

namespace {

constexpr std::uint32_t kNoZoneOrGroup = 255;
constexpr std::uint32_t kNoChannelEntry = 1023;

std::string ZoneText(int z) {
  char text[24];
  std::snprintf(text, sizeof text, "Zone %2d", z + 1);
  return text;
}

}  // namespace

std::string CChannelStore::FormatZoneName(int zone) const {
  if (zone < 0 || zone >= kZoneCount) return "None";
  return ZoneText(zone);
}

void CChannelStore::FillZones(IChoiceList& combo, ListIndexMap& map, int selected, bool withPassPort) const {
  combo.InsertString(0, "None");
  map[0] = kNoZoneOrGroup;
  int selection = selected == int(kNoZoneOrGroup) ? 0 : -1;
  int position = 1;
  for (int z = 0; z < kZoneCount; ++z) {
    if (!IsZoneInUse(z) || (!withPassPort && IsZonePassPort(z))) continue;
    combo.InsertString(position, ZoneText(z));
    map[std::size_t(position)] = std::uint32_t(z);
    if (z == selected) selection = position;
    ++position;
  }
  // A zone the list does not show leaves the selection as it was.
  if (selection >= 0) combo.SetCurSel(selection);
}

void CChannelStore::FillZoneCombo(IChoiceList& combo, ListIndexMap& map, int selected) const {
  FillZones(combo, map, selected, true);
}

void CChannelStore::FillNonPassPortZoneCombo(IChoiceList& combo, ListIndexMap& map, int selected) const {
  FillZones(combo, map, selected, false);
}

void CChannelStore::FillGroups(IChoiceList& list, ListIndexMap& map, int selection, int zone, bool zoneRelative,
                               bool selectNoneFirst) const {
  list.ResetContent();
  list.AddString("None");
  map[0] = kNoZoneOrGroup;
  int count = 1;
  if (zone >= 0 && zone < kZoneCount) {
    const int first = CountGroupsBeforeZone(zone);
    for (int k = 0; k < groupCount[zone]; ++k) {
      const int g = first + k;
      if (g >= kGroupCount) break;
      if (!groups[g].InUse()) continue;
      char text[24];
      std::snprintf(text, sizeof text, "Grp %2d", g + 1);
      list.AddString(text);
      map[std::size_t(count)] = std::uint32_t(zoneRelative ? k : g);
      ++count;
    }
  }
  if (selectNoneFirst) list.SetCurSel(0);
  for (int position = 0; position < count; ++position) {
    if (map[std::size_t(position)] == std::uint32_t(selection)) {
      if (position != 0 || !selectNoneFirst) list.SetCurSel(position);
      break;
    }
  }
}

void CChannelStore::FillGroupCombo(IChoiceList& combo, ListIndexMap& map, int group, int zone) const {
  FillGroups(combo, map, group, zone, false, true);
}

void CChannelStore::FillGroupList(IChoiceList& list, ListIndexMap& map, int value, int zone) const {
  FillGroups(list, map, value, zone, true, false);
}

void CChannelStore::FillChannelList(IChoiceList& list, ListIndexMap& map, int channel) const {
  list.ResetContent();
  list.AddString("None TX       RX");
  map[0] = kNoChannelEntry;
  int selection = channel == int(kNoChannelEntry) ? 0 : -1;
  int position = 1;
  for (int i = 0; i < kChannelCount; ++i) {
    const CChannelData& c = channels[i];
    if (!(c.programmed & 0x01)) continue;
    const bool wide = (c.modeByte & 0xC0) == 0x40;
    char text[64];
    std::snprintf(text, sizeof text, "%3d   %9.5f %9.5f%s", i + 1, double(c.txFreq) * 0.00001,
                  double(c.rxFreq) * 0.00001, wide ? " Wide" : " Narrow");
    list.AddString(text);
    map[std::size_t(position)] = std::uint32_t(i);
    if (i == channel) selection = position;
    ++position;
  }
  if (selection >= 0) list.SetCurSel(selection);
}
