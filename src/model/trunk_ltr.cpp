#include "model/trunk_ltr.h"

#include <cstdio>

#include "model/dial_string.h"

namespace {

bool IsZone(int z) { return z >= 0 && z < kZoneCount; }
std::uint32_t FormatOf(const CEditModel& m, int z) { return (m.store.zoneFormat[z] & kZoneFormatMask) >> 2; }

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

// ---- LTR advanced features ------------------------------------------------------------------

bool LtrAdvancedCellEnabled(const CEditModel& model, const ZoneDefault& row, int z) {
  if (!model.store.IsZoneInUse(z) || FormatOf(model, z) == zf::kConventional) return false;
  return row.reach == Reach::AllZones || FormatOf(model, z) == zf::kLtr;
}

// ---- LTR IDs -----------------------------------------------------------------------------

LtrIdEntry EnterLtrId(CEditModel& model, const ZoneDefault& row, int z, const std::string& text) {
  LtrIdEntry e;
  if (!IsZone(z)) return e;
  const std::optional<std::uint8_t> id = ParseLtrId(text);
  if (id && Reaches(model, row, z)) {
    e.changed = row.zones.Get(model, z) != *id;
    row.zones.Set(model, z, *id);
    e.stored = true;
    e.text = text;
    return e;
  }
  if (Reaches(model, row, z)) e.message = kLtrIdMessage;
  e.text = LtrIdText(row.zones.Get(model, z));
  return e;
}

LtrIdEntry EnterDefaultLtrId(CEditModel& model, const ZoneDefault& row, const std::string& text) {
  LtrIdEntry e;
  const std::optional<std::uint8_t> id = ParseLtrId(text);
  if (!id) {
    e.message = kLtrIdMessage;
    e.text = LtrIdText(row.value.Get(model));
    return e;
  }
  CommitZoneDefault(model, row, *id);
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

void EnterDefaultDisconnectDial(CEditModel& model, const std::string& text) {
  CommitZoneDefault(model, interconnect::kDisconnectDial, tf::DisconnectDialCode(text));
}

std::string DefaultDisconnectDialText(const CEditModel& model) {
  return std::string(1, DialCharOfCode(int(interconnect::kDisconnectDial.value.Get(model))));
}
