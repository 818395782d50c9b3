#include "model/trunk_passport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

bool IsZone(int z) { return z >= 0 && z < kZoneCount; }

}  // namespace

// ---- talk groups ----------------------------------------------------------------------------

TalkGroupRowState TalkGroupRow(const CEditModel& model, int z, int row) {
  TalkGroupRowState s;
  const CGroupRecord* g = tf::TalkGroupRecord(model, z, row);
  if (!g) return s;
  s.hasRecord = true;
  s.enableCell = row > 0;
  s.editable = g->InUse();
  return s;
}

bool OpenTalkGroups(CEditModel& model, int z) {
  CGroupRecord* primary = tf::TalkGroupRecord(model, z, 0);
  if (!primary || primary->InUse()) return false;
  primary->flags |= kGroupInUse;
  return true;
}

std::string TalkGroupEnableText(CEditModel& model, int z, int row) {
  if (!tf::TalkGroupRecord(model, z, row)) return {};
  if (row == 0) return "PRIMARY";
  return std::string(zf::kOnOffList.PageText(tf::kTalkGroupOnOff.Get(model, tf::TalkGroupKey(z, row))));
}

std::string TalkGroupIdText(CEditModel& model, int z, int row) {
  if (!tf::TalkGroupRecord(model, z, row)) return {};
  return std::to_string(tf::kTalkGroupId.Get(model, tf::TalkGroupKey(z, row)));
}

IdEntryResult EnterTalkGroupId(CEditModel& model, int z, int row, const std::string& text) {
  CGroupRecord* g = tf::TalkGroupRecord(model, z, row);
  if (!g) return {};
  const long id = ParseDecimal(text);
  const bool inRange = id >= 1 && id <= kTalkGroupIdHigh;
  if (inRange) g->idWord = std::uint16_t(id);
  return {inRange, inRange ? "" : kTalkGroupIdMessage, g->idWord};
}

// ---- PassPort features ------------------------------------------------------------------------

std::string PassPortTimerText(const PassPortTimer& timer, std::uint32_t code) {
  char text[32];
  std::snprintf(text, sizeof text, "%4ld sec", long(code) * timer.unit);
  return text;
}

std::uint32_t PassPortTimerCode(const PassPortTimer& timer, const std::string& text) {
  const long seconds = std::clamp(ParseDecimal(text), long(timer.low), long(timer.high));
  return std::uint32_t(seconds / timer.unit);
}

bool NormalisePassPortLevels(CEditModel& model, int z) {
  if (!IsZone(z)) return false;
  bool changed = false;
  for (const BitField& level : {tf::kLookbackRssi, tf::kRegisteredRssi, tf::kOsmRssi}) {
    if (level.Get(model, z) == 255) {
      level.Set(model, z, 0);
      changed = true;
    }
  }
  return changed;
}

PassPortEnables PassPortEnableStates(CEditModel& model, int z) {
  PassPortEnables e;
  e.band5b = model.global.bandFlag != 0;
  if (!IsZone(z)) return e;
  e.rssiThreshold = tf::kRssiThreshold.Get(model, z) != 0;
  e.homeLookback = tf::kHomeLookback.Get(model, z) != 0;
  e.lookbackRssi = e.homeLookback && tf::kLookbackRssiOn.Get(model, z) != 0;
  return e;
}

std::string RssiReferenceText(const CEditModel& model, const ChoiceList& list, std::uint32_t code) {
  const std::string entry(list.PageText(code));
  return std::to_string(std::atoi(entry.c_str()) + int(model.global.byte11));
}
