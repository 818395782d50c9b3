// STUB: to be replaced by the record's own implementation.
#pragma once
#include <cstdint>
#include "model/model_part.h"

#include "model/channel_data.h"
#include "model/image.h"
#include "model/small_records.h"
#include "model/tuning_data.h"
class CGroupRecord {
 public:
  virtual ~CGroupRecord() = default;
  std::uint8_t flags = 0;
};
class CChannelStore : public CModelPart {
 public:
  using CModelPart::CModelPart;
  CChannelData channels[kChannelCount];
  CGroupRecord groups[kGroupCount];
  std::uint8_t groupCount[kZoneCount] = {};
  std::uint8_t zoneFlags[kZoneCount] = {};
  std::uint32_t modelWord = 0;  // (image 3 << 8) + image 2
  CSelCallRecord selCalls[kSelCallCount];
  CSeedChannelRecord seedChannels[kSeedChannelCount];
  CTuningPointRecord tuningPoints[kTuningPointCount];
  CTuningData tuning;
  std::uint8_t ProductionType() const { return std::uint8_t(modelWord >> 8); }
  void Reset() {}
  void UnpackFromImage(const std::uint8_t* image) {}
  int CheckAndPack(std::uint8_t* image) { return 1; }
  int GetGroupCount(int z) const { return (z >= 0 && z < kZoneCount) ? groupCount[z] : 0; }
  void UnpackGroup(int g, const std::uint8_t* image) {}
  void UnpackChannel(int i, const std::uint8_t* image) {}
  void UnpackTuningPoint(int t, const std::uint8_t* image) {}
  void UnpackSelCall(int e, const std::uint8_t* image) {}
  void UnpackSeedChannel(int s, const std::uint8_t* image) {}
  void UnpackExtraBytes(const std::uint8_t* image) {}
  int PackGroup(int g, std::uint8_t* image) { return 1; }
  void PackChannel(int i, std::uint8_t* image) {}
  void PackTuningPoint(int t, std::uint8_t* image) {}
  void PackSelCall(int e, std::uint8_t* image) {}
  void PackSeedChannel(int s, std::uint8_t* image) {}
  void PackExtraBytes(std::uint8_t* image) {}
  void UnpackTuning(const std::uint8_t* image, const std::uint8_t* tail, int withTail) {}
  void PackTuning(std::uint8_t* image, std::uint8_t* tail) {}
  void ClearGroupInUse(int g) { if (g >= 0 && g < kGroupCount) groups[g].flags &= 0xFE; }
};
