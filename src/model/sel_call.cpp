#include "model/sel_call.h"

#include <algorithm>
#include <cstdio>

int SelCallRecordIndex(int block, int row) {
  if (row < 1 || row > kSelCallRows || block < 0) return -1;
  const int index = kSelCallRows * block + row - 1;
  return index < kSelCallCount ? index : -1;
}

std::string SelCallRowCaption(int block, int row) {
  const int index = SelCallRecordIndex(block, row);
  if (index < 0) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%4s", std::string("#").append(std::to_string(index + 1)).c_str());
  return text;
}

std::string SelCallZoneText(std::uint32_t zoneCode) {
  if (zoneCode == kSelCallGlobal) return "Global";
  if (zoneCode >= 1 && zoneCode <= std::uint32_t(kZoneCount)) return "Zone " + std::to_string(zoneCode);
  return "Disable";
}

OfferedList SelCallZoneChoices(const CChannelStore& store, std::uint32_t currentCode) {
  OfferedList list;
  list.Add(SelCallZoneText(kSelCallGlobal), kSelCallGlobal);
  for (int z = 0; z < kZoneCount; ++z)
    if (store.IsZonePassPort(z)) list.Add(SelCallZoneText(std::uint32_t(z + 1)), std::uint32_t(z + 1));
  list.Add(SelCallZoneText(kSelCallDisable), kSelCallDisable);
  const std::string current = SelCallZoneText(currentCode);
  list.selected = 0;
  for (int i = 0; i < list.size(); ++i)
    if (list.entries[std::size_t(i)].text == current) list.selected = i;
  return list;
}

TargetMinEntry ParseTargetMin(std::string_view text) {
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = std::min<std::uint64_t>(value * 10 + std::uint64_t(c - '0'), kTargetMinHigh + 1);
  }
  if (value < kTargetMinLow) return {kTargetMinLow, true};
  if (value > kTargetMinHigh) return {kTargetMinHigh, true};
  return {std::uint32_t(value), false};
}
