#include "model/trunk_fields.h"

#include <array>

#include "model/dial_string.h"
#include "model/tag_text.h"

namespace {

bool IsZone(int z) { return z >= 0 && z < kZoneCount; }
bool IsConventional(const CEditModel& m, int z) {
  return IsZone(z) && (m.store.zoneFormat[z] & kZoneFormatMask) >> 2 == zf::kConventional;
}

// The eight zone bytes that hold a Conventional zone's Connect Dial, in dial order.
std::array<std::uint8_t*, kDialStringBytes> ConnectDialBytes(CChannelStore& s, int z) {
  return {&s.zoneHomeRepeater[z],     &s.zoneInterconnectLtrId[z], &s.zoneRxIdStart[z],     &s.zoneRxIdStop[z],
          &s.zoneTxInhibitIdStart[z], &s.zoneTxInhibitIdStop[z],  &s.zonePassPortFlags[z], &s.zoneScanWords[z]};
}

}  // namespace

namespace tf {

bool HomeSlotFlagsForced(const CEditModel& model, int key) {
  const CChannelStore& s = model.store;
  if (key < 0 || key >= kZoneCount * kRepeaterSlots) return false;
  const int z = key / kRepeaterSlots;
  return s.IsLtrSystemType() && s.IsZoneLtr(z) && key % kRepeaterSlots == s.HomeRepeater(z) - 1;
}

std::uint16_t* RepeaterWord(CEditModel& model, int key) {
  if (key < 0 || key >= kZoneCount * kRepeaterSlots) return nullptr;
  return &model.store.zoneRepeaters[key / kRepeaterSlots][key % kRepeaterSlots];
}

const CGroupRecord* TalkGroupRecord(const CEditModel& model, int z, int row) {
  const CChannelStore& s = model.store;
  if (!IsZone(z) || row < 0 || row >= kTalkGroupRows || row >= s.groupCount[z]) return nullptr;
  return s.Group(s.CountGroupsBeforeZone(z) + row);
}

CGroupRecord* TalkGroupRecord(CEditModel& model, int z, int row) {
  return const_cast<CGroupRecord*>(TalkGroupRecord(static_cast<const CEditModel&>(model), z, row));
}

std::string ConnectDialText(CEditModel& model, int z) {
  if (!IsZone(z)) return {};
  const auto at = ConnectDialBytes(model.store, z);
  std::uint8_t dial[kDialStringBytes];
  for (int i = 0; i < kDialStringBytes; ++i) dial[i] = *at[i];
  return DialText(dial);
}

void SetConnectDialText(CEditModel& model, int z, const std::string& text) {
  // In the other formats these bytes are LTR IDs and PassPort timers.
  if (!IsConventional(model, z)) return;
  const auto at = ConnectDialBytes(model.store, z);
  std::uint8_t dial[kDialStringBytes];
  for (int i = 0; i < kDialStringBytes; ++i) dial[i] = *at[i];
  SetDialText(dial, text);
  for (int i = 0; i < kDialStringBytes; ++i) *at[i] = dial[i];
}

std::string DisconnectDialText(CEditModel& model, int z) {
  if (!IsZone(z)) return {};
  return std::string(1, DialCharOfCode(int(zf::kDisconnectDial.Get(model, z))));
}

std::uint32_t DisconnectDialCode(std::string_view text) {
  const int code = text.empty() ? 0 : DialCodeOfChar(text[0]);
  return std::uint32_t(code < 0 ? 0 : code);
}

void SetDisconnectDialText(CEditModel& model, int z, const std::string& text) {
  if (IsZone(z)) zf::kDisconnectDial.Set(model, z, DisconnectDialCode(text));
}

std::string TalkGroupAliasText(CEditModel& model, int key) {
  const CGroupRecord* g = TalkGroupAt(model, key);
  return g ? TagText(g->name) : std::string();
}

void SetTalkGroupAliasText(CEditModel& model, int key, const std::string& text) {
  if (CGroupRecord* g = TalkGroupAt(model, key)) SetTagText(g->name, text);
}

}  // namespace tf
