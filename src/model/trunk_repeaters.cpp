#include "model/trunk_repeaters.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool IsSlot(int z, int slot) { return z >= 0 && z < kZoneCount && slot >= 0 && slot < tf::kRepeaterSlots; }

template <typename T>
std::string Format(const char* format, T value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// A list filler's items, gathered as texts; the codes come from its map.
class CollectedList : public IChoiceList {
 public:
  std::vector<std::string> texts;
  int selected = -1;
  void ResetContent() override {
    texts.clear();
    selected = -1;
  }
  int AddString(const std::string& text) override {
    texts.push_back(text);
    return int(texts.size()) - 1;
  }
  int InsertString(int position, const std::string& text) override {
    if (position < 0 || position > int(texts.size())) return AddString(text);
    texts.insert(texts.begin() + position, text);
    return position;
  }
  void SetCurSel(int position) override { selected = position; }
  int GetCount() const override { return int(texts.size()); }
};

constexpr std::uint16_t kChannelMask = 0x03FF;
constexpr std::uint16_t kSetOnChannel = 0x4000 | 0x2000 | 0x0400;  // Dispatch, Interconnect, TX data "Invert"
constexpr std::uint16_t kClearOnNone = 0x4000 | 0x2000 | 0x1000;   // Dispatch, Interconnect, Data Appli.

}  // namespace

std::string RepeaterCaption(int slot) { return Format("RPT#%d", slot + 1); }

RepeaterSlotView ViewRepeaterSlot(const CEditModel& model, int z, int slot) {
  RepeaterSlotView v;
  v.channel = "None";
  if (!IsSlot(z, slot)) return v;
  const int n = model.store.zoneRepeaters[z][slot] & kChannelMask;
  if (n == tf::kNoRepeaterChannel) return v;
  v.holdsChannel = true;
  v.channel = Format("%3d", n + 1);
  const CChannelData* c = model.store.Channel(n);
  if (!c) return v;
  v.hasRecord = true;
  v.txFreq = Format("%9.5f", double(c->txFreq) * 0.00001);
  v.rxFreq = Format("%9.5f", double(c->rxFreq) * 0.00001);
  v.space = c->IsWide() ? "Wide" : "Narrow";
  return v;
}

OfferedList RepeaterChannelChoices(const CEditModel& model, int z, int slot) {
  const int channel = IsSlot(z, slot) ? model.store.zoneRepeaters[z][slot] & kChannelMask : tf::kNoRepeaterChannel;
  CollectedList collected;
  ListIndexMap map{};
  model.store.FillChannelList(collected, map, channel);
  OfferedList list;
  for (std::size_t i = 0; i < collected.texts.size() && i < map.size(); ++i) list.Add(collected.texts[i], map[i]);
  list.selected = collected.selected;
  return list;
}

bool ChooseRepeaterChannel(CEditModel& model, int z, int slot, std::uint32_t channel) {
  if (!IsSlot(z, slot)) return false;
  if (channel != tf::kNoRepeaterChannel && !model.store.Channel(int(channel))) return false;
  std::uint16_t& w = model.store.zoneRepeaters[z][slot];
  w = std::uint16_t((w & ~kChannelMask) | channel);
  if (channel == tf::kNoRepeaterChannel) w = std::uint16_t(w & ~kClearOnNone);
  else w = std::uint16_t(w | kSetOnChannel);
  return true;
}

OfferedList HomeRepeaterChoices(const CEditModel& model, int z) {
  OfferedList list;
  list.Add("None", 0);
  if (z >= 0 && z < kZoneCount) {
    for (int r = 1; r <= tf::kRepeaterSlots; ++r)
      if ((model.store.zoneRepeaters[z][r - 1] & kChannelMask) != tf::kNoRepeaterChannel)
        list.Add(Format("%2d", r), std::uint32_t(r));
  }
  list.selected = z >= 0 && z < kZoneCount ? list.Find(model.store.zoneHomeRepeater[z] & 0x7F) : 0;
  return list;
}

std::string HomeRepeaterText(const CEditModel& model, int z) {
  const OfferedList list = HomeRepeaterChoices(model, z);
  return list.entries[std::size_t(std::max(list.selected, 0))].text;
}

bool ChooseHomeRepeater(CEditModel& model, int z, std::uint32_t repeater) {
  if (z < 0 || z >= kZoneCount || repeater > std::uint32_t(tf::kRepeaterSlots)) return false;
  CChannelStore& s = model.store;
  s.zoneHomeRepeater[z] = std::uint8_t((s.zoneHomeRepeater[z] & 0x80) | repeater);
  if (repeater != 0) s.zoneRepeaters[z][repeater - 1] |= kRepeaterDispatch | kRepeaterInterconnect;
  return true;
}
