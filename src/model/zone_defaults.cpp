#include "model/zone_defaults.h"

void ResetZoneDefaults(CEditModel& model, std::span<const ZoneDefault> values) {
  for (const ZoneDefault& v : values) v.value.Set(model, 0, v.initial);
}

bool Reaches(const CEditModel& model, const ZoneDefault& value, int z) {
  if (z < 0 || z >= kZoneCount) return false;
  const std::uint32_t format = zf::kFormat.Get(model, z);
  switch (value.reach) {
    case Reach::LtrZones: return format == zf::kLtr;
    case Reach::TrunkedZones: return format != zf::kConventional;
    default: return true;
  }
}

void CommitZoneDefault(CEditModel& model, const ZoneDefault& value, std::uint32_t code) {
  value.value.Set(model, 0, code);
  for (int z = 0; z < kZoneCount; ++z)
    if (Reaches(model, value, z)) value.zones.Set(model, z, code);
}
