#include "model/trunk_ltr.h"

#include <cstdio>

#include "model/dial_string.h"

namespace {

bool IsZone(int z) { return z >= 0 && z < kZoneCount; }
std::uint32_t FormatOf(const CEditModel& m, int z) { return (m.store.zoneFormat[z] & kZoneFormatMask) >> 2; }

// Writes a code into the row's bits of its Default byte, where the zone byte has them.
void SetDefaultBits(ZoneDefaults& d, const DefaultRow& row, std::uint32_t code) {
  std::uint8_t& b = d[std::size_t(row.slot)];
  b = std::uint8_t((b & ~row.field.mask) | ((code << row.field.Shift()) & row.field.mask));
}

std::uint32_t DefaultEntry(const ChoiceList& list) { return list.CodeAt(list.defaultIndex); }

}  // namespace

// ---- LTR system page ----------------------------------------------------------------------

GroupCountCheck CheckLtrGroupCount(const CEditModel& model, int z, const std::string& text) {
  GroupCountCheck c;
  if (!IsZone(z)) return c;
  // Signed: the free records less the request plus the zone's own may be negative.
  c.fits = GroupCountFits(model.store, z, ParseDecimal(text));
  if (!c.fits) {
    c.message = kTooManyGroups;
    c.restoreText = std::to_string(model.store.groupCount[z]);
  }
  return c;
}

GroupCountResult CommitLtrGroupCount(CEditModel& model, int z, const std::string& text) {
  const long requested = ParseDecimal(text);
  if (!IsZone(z) || !GroupCountFits(model.store, z, requested)) {
    GroupCountResult r;
    r.refused = true;
    r.count = IsZone(z) ? model.store.groupCount[z] : 0;
    return r;
  }
  return CommitGroupCount(model, z, requested, kLtrGroupCountRules);
}

GroupCountResult SetLtrZoneInUse(CEditModel& model, int z, bool inUse) {
  if (!IsZone(z)) return {};
  if (inUse) return SetZoneInUse(model, z, true, kLtrGroupCountRules);
  std::uint8_t& flags = model.store.zoneFlags[z];
  const std::uint8_t before = flags;
  flags &= std::uint8_t(~kZoneInUse);
  GroupCountResult r = ApplyGroupCount(model, z, 0, kLtrGroupCountRules);
  // The only zone with groups keeps one and stays in use, and keeps its references.
  if (!(flags & kZoneInUse)) {
    for (std::string& m : ReleaseZoneReferences(model, z, ReferenceWording::System)) {
      r.messages.push_back(std::move(m));
      r.changed = true;
    }
  }
  r.changed = r.changed || flags != before;
  return r;
}

bool LtrSystemCellEnabled(const CEditModel& model, int z, bool trunkingRow) {
  if (!model.store.IsZoneInUse(z)) return false;
  return !trunkingRow || FormatOf(model, z) != zf::kConventional;
}

std::string RevertGroupText(const CEditModel& model, int z, std::uint32_t value) {
  if (value == 255) return "None";
  const int first = IsZone(z) ? model.store.CountGroupsBeforeZone(z) : 0;
  char text[16];
  std::snprintf(text, sizeof text, "Grp %2d", first + int(value) + 1);
  return text;
}

GroupPage GroupPageOf(const CEditModel& model, int z, bool passPortCaptions) {
  if (!IsZone(z)) return GroupPage::Conventional;
  const std::uint32_t format = FormatOf(model, z);
  if (format == zf::kLtr) return GroupPage::Ltr;
  if (format == zf::kPassPort && passPortCaptions) return GroupPage::TalkGroups;
  return GroupPage::Conventional;
}

// ---- Default column ----------------------------------------------------------------------

ZoneDefaults LtrAdvancedDefaults() {
  ZoneDefaults d{};
  SetDefaultBits(d, ltradv::kDataRiseTime, DefaultEntry(tf::kDataRiseTimeList));
  SetDefaultBits(d, ltradv::kPrefixCode, DefaultEntry(tf::kPrefixCodeList));
  SetDefaultBits(d, ltradv::kHangTime, DefaultEntry(tf::kHangTimeList));
  SetDefaultBits(d, ltradv::kFadeTime, DefaultEntry(tf::kFadeTimeList));
  SetDefaultBits(d, ltradv::kDecodeResumeTime, DefaultEntry(tf::kResumeTimeList));
  SetDefaultBits(d, ltradv::kTxInhibitResumeTime, DefaultEntry(tf::kResumeTimeList));
  for (const DefaultRow* id : {&ltradv::kRxIdStart, &ltradv::kRxIdStop, &ltradv::kTxInhibitIdStart,
                               &ltradv::kTxInhibitIdStop})
    SetDefaultBits(d, *id, kNoLtrId);
  return d;
}

ZoneDefaults InterconnectDefaults() {
  ZoneDefaults d{};  // every switch "Disable"
  SetDefaultBits(d, interconnect::kTxTimeout, DefaultEntry(zf::kTimerList));
  SetDefaultBits(d, interconnect::kDisconnectDial, 15);  // "#"
  SetDefaultBits(d, interconnect::kLtrId, kNoLtrId);
  return d;
}

std::uint32_t DefaultCode(const ZoneDefaults& defaults, const DefaultRow& row) {
  return std::uint32_t(defaults[std::size_t(row.slot)] & row.field.mask) >> row.field.Shift();
}

bool Reaches(const CEditModel& model, const DefaultRow& row, int z) {
  if (!IsZone(z)) return false;
  return row.reach == Reach::AllZones || FormatOf(model, z) == zf::kLtr;
}

void CommitDefault(CEditModel& model, ZoneDefaults& defaults, const DefaultRow& row, std::uint32_t code) {
  SetDefaultBits(defaults, row, code);
  for (int z = 0; z < kZoneCount; ++z)
    if (Reaches(model, row, z)) row.field.Set(model, z, code);
}

bool LtrAdvancedCellEnabled(const CEditModel& model, const DefaultRow& row, int z) {
  if (!model.store.IsZoneInUse(z) || FormatOf(model, z) == zf::kConventional) return false;
  return row.reach == Reach::AllZones || FormatOf(model, z) == zf::kLtr;
}

// ---- LTR IDs -----------------------------------------------------------------------------

LtrIdEntry EnterLtrId(CEditModel& model, const DefaultRow& row, int z, const std::string& text) {
  LtrIdEntry e;
  if (!IsZone(z)) return e;
  const std::optional<std::uint8_t> id = ParseLtrId(text);
  if (id && Reaches(model, row, z)) {
    e.changed = row.field.Get(model, z) != *id;
    row.field.Set(model, z, *id);
    e.stored = true;
    e.text = text;
    return e;
  }
  if (Reaches(model, row, z)) e.message = kLtrIdMessage;
  e.text = LtrIdText(row.field.Get(model, z));
  return e;
}

LtrIdEntry EnterDefaultLtrId(CEditModel& model, ZoneDefaults& defaults, const DefaultRow& row,
                             const std::string& text) {
  LtrIdEntry e;
  const std::optional<std::uint8_t> id = ParseLtrId(text);
  if (!id) {
    e.message = kLtrIdMessage;
    e.text = LtrIdText(DefaultCode(defaults, row));
    return e;
  }
  CommitDefault(model, defaults, row, *id);
  e.stored = true;
  e.changed = true;
  e.text = text;
  return e;
}

// ---- interconnect -------------------------------------------------------------------------

InterconnectCells InterconnectLayout(const CEditModel& model, int z) {
  InterconnectCells c;
  if (!IsZone(z)) return c;
  const std::uint32_t format = FormatOf(model, z);
  c.ltrId = format == zf::kLtr;
  c.connectDial = c.onlyRx = format == zf::kConventional;
  return c;
}

void EnterDefaultDisconnectDial(CEditModel& model, ZoneDefaults& defaults, const std::string& text) {
  CommitDefault(model, defaults, interconnect::kDisconnectDial, tf::DisconnectDialCode(text));
}

std::string DefaultDisconnectDialText(const ZoneDefaults& defaults) {
  return std::string(1, DialCharOfCode(int(DefaultCode(defaults, interconnect::kDisconnectDial))));
}
