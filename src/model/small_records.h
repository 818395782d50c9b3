// STUB: to be replaced. Sel Call entries, seed channels and tuning points.
#pragma once
#include <cstdint>
class CSelCallRecord {
 public:
  virtual ~CSelCallRecord() = default;
  void UnpackFromImage(const std::uint8_t* image, int e) {}
  void PackToImage(std::uint8_t* image, int e) const {}
};
class CSeedChannelRecord {
 public:
  virtual ~CSeedChannelRecord() = default;
  void UnpackFromImage(const std::uint8_t* image, int s) {}
  void PackToImage(std::uint8_t* image, int s) const {}
};
class CTuningPointRecord {
 public:
  virtual ~CTuningPointRecord() = default;
  void UnpackFromImage(const std::uint8_t* image, int t) {}
  void PackToImage(std::uint8_t* image, int t) const {}
};
