#include "model/zone_defaults.h"

void ResetZoneDefaults(CEditModel& model, std::span<const ZoneDefault> values) {
  for (const ZoneDefault& v : values) v.value.Set(model, 0, v.initial);
}

bool Reaches(const CEditModel& model, const ZoneDefault& value, int z) {
  if (z < 0 || z >= kZoneCount) return false;
  return value.reach == Reach::AllZones || zf::kFormat.Get(model, z) == zf::kLtr;
}

void CommitZoneDefault(CEditModel& model, const ZoneDefault& value, std::uint32_t code) {
  value.value.Set(model, 0, code);
  for (int z = 0; z < kZoneCount; ++z)
    if (Reaches(model, value, z)) value.zones.Set(model, z, code);
}
