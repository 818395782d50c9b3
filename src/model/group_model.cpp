#include "model/group_model.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/channel_fields.h"
#include "model/channel_model.h"
#include "model/conversions.h"
#include "model/edit_model.h"
#include "model/group_fields.h"
#include "model/zone_fields.h"
#include "model/zone_model.h"

namespace {

constexpr std::uint8_t kNone = 255;

bool IsZone(int z) { return z >= 0 && z < kZoneCount; }

// The Default record and the zone's groups as they were, to tell whether a
// Default-column commit changed anything.
class ZoneSnapshot {
 public:
  ZoneSnapshot(const CChannelStore& s, int z) : m_default(s.DefaultGroupRecord), m_run(ZoneGroups(s, z)) {
    for (int g = m_run.first; g < m_run.End(); ++g) m_groups.push_back(s.groups[g]);
  }
  bool Changed(const CChannelStore& s) const {
    if (!(s.DefaultGroupRecord == m_default)) return true;
    for (int g = m_run.first; g < m_run.End(); ++g)
      if (!(s.groups[g] == m_groups[std::size_t(g - m_run.first)])) return true;
    return false;
  }

 private:
  CDefaultGroupRecord m_default;
  ZoneGroupRun m_run;
  std::vector<CGroupRecord> m_groups;
};

// Every group of zone z, the count read again after each one.
template <typename Fn>
void ForEachZoneGroup(CChannelStore& s, int z, Fn fn) {
  if (!IsZone(z)) return;
  const int first = s.CountGroupsBeforeZone(z);
  for (int g = first; g < first + s.groupCount[z] && g < kGroupCount; ++g) fn(g);
}

// The function bits of every group of zone z from the Default's: bit 4 and, on
// production type 11, bit 6 of byte 1, on other types bit 7 of byte 3.
void SpreadDefaultSignaling(CEditModel& m, int z) {
  const bool type11 = IsType11(m);
  const std::uint32_t low = type11 ? grp::def::kSignalingLow.Get(m) : (grp::def::kSignalingCode.Get(m) & 1);
  const std::uint32_t high = type11 ? grp::def::kSignalingHigh11.Get(m) : grp::def::kSignalingHighOther.Get(m);
  ForEachZoneGroup(m.store, z, [&](int g) {
    grp::kSignalingLow.Set(m, g, low);
    (type11 ? grp::kSignalingHigh11 : grp::kSignalingHighOther).Set(m, g, high);
  });
}

}  // namespace

// ---- the grid ---------------------------------------------------------------------------

ZoneGroupRun ZoneGroups(const CChannelStore& store, int z) {
  ZoneGroupRun run;
  if (!IsZone(z)) {
    run.first = kGroupCount;
    return run;
  }
  run.first = std::min(store.CountGroupsBeforeZone(z), kGroupCount);
  run.count = std::clamp(int(store.groupCount[z]), 0, kGroupCount - run.first);
  return run;
}

int FirstVisibleMin(const CChannelStore& store, int z) { return ZoneGroups(store, z).first; }

int FirstVisibleMax(const CChannelStore& store, int z) {
  const ZoneGroupRun run = ZoneGroups(store, z);
  return std::max(run.first, std::min(run.End() - kGroupColumns, kLastFirstVisibleGroup));
}

int ColumnGroup(int firstVisible, int column) {
  if (column < 1 || column > kGroupColumns) return -1;
  const int g = firstVisible + column - 1;
  return g >= 0 && g < kGroupCount ? g : -1;
}

std::string GroupCaption(int g) {
  if (g < 0 || g >= kGroupCount) return {};
  char text[16];
  std::snprintf(text, sizeof text, "GRP. %3d", g + 1);
  return text;
}

std::string GroupPageFormatText(const CChannelStore& store, int z, bool ltrPage) {
  if (!ltrPage) return "Conventional";
  return store.IsZoneLtr(z) ? "LTR" : "Conv";
}

bool IsConventionalZone(const CChannelStore& store, int z) {
  return IsZone(z) && !store.IsZoneLtr(z) && !store.IsZonePassPort(z);
}

// ---- the channels of a Conventional zone ------------------------------------------------

bool BindZoneChannels(CEditModel& model, int z) {
  if (!IsConventionalZone(model.store, z)) return false;
  bool changed = false;
  ForEachZoneGroup(model.store, z, [&](int g) {
    changed = changed || grp::kChannel.Get(model, g) != std::uint32_t(g);
    grp::kChannel.Set(model, g, std::uint32_t(g));
  });
  return changed;
}

int GroupChannel(const CChannelStore& store, int g) {
  const CGroupRecord* r = store.Group(g);
  if (!r) return -1;
  const int ch = r->ChannelRef();
  return ch < kChannelCount ? ch : -1;
}

bool SyncChannelInUse(CEditModel& model, int z, int g) {
  if (!IsConventionalZone(model.store, z) || !ZoneGroups(model.store, z).Holds(g)) return false;
  const std::uint32_t inUse = GroupEnabled(model, g) && GroupChannel(model.store, g) >= 0 ? 1 : 0;
  const bool changed = cf::kInUse.Get(model, g) != inUse;
  cf::kInUse.Set(model, g, inUse);
  return changed;
}

GroupChannelTexts ChannelTextsOfGroup(const CEditModel& model, int g) {
  GroupChannelTexts t;
  const int ch = GroupChannel(model.store, g);
  if (ch < 0 || !GroupEnabled(model, g)) return t;
  const CChannelData& c = model.store.channels[ch];
  char number[16];
  std::snprintf(number, sizeof number, "%3d", ch + 1);
  t.channel = number;
  t.rx = FrequencyCellText(c.rxFreq);
  t.tx = FrequencyCellText(c.txFreq);
  t.space = std::string(cf::kSpacingList.PageText(cf::SpacingCode(c)));
  return t;
}

// ---- basic views ------------------------------------------------------------------------

bool GroupEnabled(const CEditModel& model, int g) {
  const CGroupRecord* r = model.store.Group(g);
  return r && r->InUse();
}

bool SetGroupEnabled(CEditModel& model, int g, bool enabled) {
  CChannelStore& s = model.store;
  const int z = s.ZoneOfGroup(g);
  if (z < 0) return false;
  const CGroupRecord group = s.groups[g];
  const CChannelData channel = s.channels[g];
  const std::uint8_t revert = s.zoneRevertGroup[z], reference = s.zoneGroupSelection[z];

  grp::kInUse.Set(model, g, enabled ? 1 : 0);
  if (IsConventionalZone(s, z)) cf::kInUse.Set(model, g, enabled ? 1 : 0);
  s.zoneRevertGroup[z] = kNone;
  // The reference is compared as the zone-relative number it holds.
  if (!enabled && reference != 0 && reference + s.CountGroupsBeforeZone(z) == g) s.zoneGroupSelection[z] = 0;

  return !(s.groups[g] == group) || !(s.channels[g] == channel) || s.zoneRevertGroup[z] != revert ||
         s.zoneGroupSelection[z] != reference;
}

bool SetRxToneType(CEditModel& model, int g, std::uint32_t type) {
  CGroupRecord* r = model.store.Group(g);
  if (!r) return false;
  const CGroupRecord before = *r;
  type &= 7;
  const std::uint32_t old = grp::kRxToneType.Get(model, g);
  grp::kRxToneType.Set(model, g, type);
  if (type == 0) {
    grp::kDecodeCode.Set(model, g, kNone);
  } else {
    grp::kDecodeCode.Set(model, g, 0);
    if (old == 0 && grp::kEncodeCode.Get(model, g) == kNone) {
      grp::kTxToneType.Set(model, g, type);
      grp::kEncodeCode.Set(model, g, 0);
    }
  }
  return !(*r == before);
}

bool SetTxToneType(CEditModel& model, int g, std::uint32_t type) {
  CGroupRecord* r = model.store.Group(g);
  if (!r) return false;
  const CGroupRecord before = *r;
  type &= 7;
  grp::kTxToneType.Set(model, g, type);
  grp::kEncodeCode.Set(model, g, type != 0 ? 0 : kNone);
  return !(*r == before);
}

bool ToneCodeEditable(const CEditModel& model, int g, bool rx) {
  if (!GroupEnabled(model, g)) return false;
  return (rx ? grp::kRxToneType : grp::kTxToneType).Get(model, g) != 0;
}

bool CompanderEditable(const CEditModel& model, int g) {
  if (!GroupEnabled(model, g)) return false;
  const int ch = GroupChannel(model.store, g);
  return ch < 0 || cf::kSpacing.Get(model, ch) == 0;
}

// ---- advanced views: signalling ---------------------------------------------------------

bool IsType11(const CEditModel& model) { return IsProductionType11(model.store.ProductionType()); }
bool OptionModuleFitted(const CEditModel& model) { return model.global.optionBoardCode() == 4; }
bool OptionBoardCode3(const CEditModel& model) { return model.global.optionBoardCode() == 3; }

std::uint32_t SignalingFunction(const CEditModel& model, int g) {
  const std::uint32_t high = (IsType11(model) ? grp::kSignalingHigh11 : grp::kSignalingHighOther).Get(model, g);
  return 2 * high + grp::kSignalingLow.Get(model, g);
}

std::uint32_t DefaultSignalingFunction(const CEditModel& model) {
  if (IsType11(model)) return 2u * grp::def::kSignalingHigh11.Get(model) + grp::def::kSignalingLow.Get(model);
  return 2u * grp::def::kSignalingHighOther.Get(model) + grp::def::kSignalingCode.Get(model);
}

namespace {
std::uint32_t EncryptionOf(const CEditModel& model, int g) {
  return g == kDefaultColumnGroup ? grp::def::kEncryption.Get(model) : grp::kEncryption.Get(model, g);
}
// "Option" is offered, and stored, only on a type 11 radio with the module and no encryption.
bool OptionOffered(const CEditModel& model, int g) {
  return IsType11(model) && OptionModuleFitted(model) && EncryptionOf(model, g) == 0;
}
std::uint32_t FunctionOf(const CEditModel& model, int g) {
  return g == kDefaultColumnGroup ? DefaultSignalingFunction(model) : SignalingFunction(model, g);
}
}  // namespace

const ChoiceList& SignalingFunctionList(const CEditModel& model, int g) {
  return OptionOffered(model, g) ? grp::kSignalingFunctionListOption : grp::kSignalingFunctionList;
}

bool CommitSignalingFunction(CEditModel& model, int g, std::uint32_t code) {
  CGroupRecord* r = model.store.Group(g);
  if (!r) return false;
  const CGroupRecord before = *r;
  auto pattern = [&] { return grp::kSignalingLow.Get(model, g) + 4 * grp::kSignalingHigh11.Get(model, g); };
  const std::uint32_t old = pattern();
  if (IsType11(model)) {
    if (code >= 2) {
      grp::kAni.Set(model, g, 0);
      const bool option = code == 2 && OptionOffered(model, g);
      grp::kSignalingLow.Set(model, g, option ? 0 : 1);
      grp::kSignalingHigh11.Set(model, g, 1);
    } else {
      grp::kSignalingLow.Set(model, g, code);
      grp::kSignalingHigh11.Set(model, g, 0);
    }
  } else {
    grp::kSignalingLow.Set(model, g, code >= 2 ? 1 : code);
    grp::kSignalingHighOther.Set(model, g, code >= 2 ? 1 : 0);
  }
  const std::uint32_t now = pattern();
  if (now != old) grp::kSignalingNo.Set(model, g, now == 4 ? 1 : 0);
  return !(*r == before);
}

bool CommitDefaultSignalingFunction(CEditModel& model, int z, std::uint32_t code) {
  const ZoneSnapshot before(model.store, z);
  if (IsType11(model)) {
    if (code >= 2) {
      ForEachZoneGroup(model.store, z, [&](int g) { grp::kAni.Set(model, g, 0); });
      grp::def::kSignalingLow.Set(model, 0, code == 2 && OptionOffered(model, kDefaultColumnGroup) ? 0 : 1);
      grp::def::kSignalingHigh11.Set(model, 0, 1);
    } else {
      grp::def::kSignalingLow.Set(model, 0, code);
      grp::def::kSignalingHigh11.Set(model, 0, 0);
    }
  } else {
    grp::def::kSignalingCode.Set(model, 0, code >= 2 ? 1 : code);
    grp::def::kSignalingHighOther.Set(model, 0, code >= 2 ? 1 : 0);
  }
  SpreadDefaultSignaling(model, z);
  return before.Changed(model.store);
}

bool CommitLtrSignalingFunction(CEditModel& model, int g, std::uint32_t code) {
  CGroupRecord* r = model.store.Group(g);
  if (!r) return false;
  const CGroupRecord before = *r;
  const std::uint32_t s = code != 0 ? 1 : 0;
  grp::kSignalingLow.Set(model, g, s);
  (IsType11(model) ? grp::kSignalingHigh11 : grp::kSignalingHighOther).Set(model, g, s);
  return !(*r == before);
}

bool CommitDefaultLtrSignalingFunction(CEditModel& model, int z, std::uint32_t code) {
  const ZoneSnapshot before(model.store, z);
  const std::uint32_t s = code != 0 ? 1 : 0;
  if (IsType11(model)) {
    grp::def::kSignalingLow.Set(model, 0, s);
    grp::def::kSignalingHigh11.Set(model, 0, s);
  } else {
    grp::def::kSignalingCode.Set(model, 0, s);  // "Signaling" is the code 1 in bits 5-6
    grp::def::kSignalingHighOther.Set(model, 0, s);
  }
  SpreadDefaultSignaling(model, z);
  return before.Changed(model.store);
}

const ChoiceList& SignalingNoList(const CEditModel& model, int g) {
  return FunctionOf(model, g) == 1 ? grp::kPagingLocationList : grp::kSignalingSystemList;
}

std::string SignalingNoText(const CEditModel& model, int g) {
  const std::uint32_t v = FunctionOf(model, g);
  const std::uint32_t n =
      g == kDefaultColumnGroup ? grp::def::kSignalingNo.Get(model) : grp::kSignalingNo.Get(model, g);
  if ((v == 0 || v == 3) && n == 0) return "Disable";
  return std::string(SignalingNoList(model, g).PageText(n));
}

bool AniEditable(const CEditModel& model, int g) {
  return !IsType11(model) || (model.store.Group(g) && !grp::kSignalingHigh11.Get(model, g));
}

bool EncryptionEditable(const CEditModel& model, int g) {
  if (!IsType11(model)) return true;
  return FunctionOf(model, g) != 2 && !OptionBoardCode3(model);
}

bool SignalingNoEditable(const CEditModel& model, int g) {
  const std::uint32_t v = FunctionOf(model, g);
  return IsType11(model) ? v == 1 || v == 2 : v != 3;
}

// ---- LTR IDs ----------------------------------------------------------------------------

LtrIdEntry EnterGroupLtrId(CEditModel& model, int g, bool tx, const std::string& text) {
  LtrIdEntry e;
  if (!model.store.Group(g)) return e;
  const BitField& id = tx ? grp::kTxId : grp::kRxId;
  if (const std::optional<std::uint8_t> parsed = ParseLtrId(text)) {
    e.stored = true;
    e.changed = id.Get(model, g) != *parsed;
    id.Set(model, g, *parsed);
    e.text = text;
  } else {
    e.message = kLtrIdMessage;
    e.text = LtrIdText(id.Get(model, g));
  }
  return e;
}

LtrIdCopy CopyTxIdToRxId(CEditModel& model, int g) {
  LtrIdCopy c;
  if (!model.store.Group(g)) return c;
  const std::uint32_t tx = grp::kTxId.Get(model, g);
  c.changed = grp::kRxId.Get(model, g) != tx;
  grp::kRxId.Set(model, g, tx);
  c.rxText = LtrIdText(tx);
  return c;
}
