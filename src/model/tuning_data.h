// STUB: to be replaced. The adjustment data's tuning tables (image 14..29 and RadioImageTail).
#pragma once
#include <cstdint>
class CEditModel;
class CTuningData {
 public:
  std::uint8_t imageBytes[16] = {};
  void Reset(std::uint32_t bandFlag) {}
  void Unpack(const std::uint8_t* image, const std::uint8_t* tail, int withTail) {}
  void Pack(std::uint8_t* image, std::uint8_t* tail) const {}
};
