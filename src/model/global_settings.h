// STUB: to be replaced by the record's own implementation.
#pragma once
#include <cstdint>
#include "model/model_part.h"

class CGlobalSettings : public CModelPart {
 public:
  using CModelPart::CModelPart;
  std::uint32_t bandFlag = 96;
  std::uint32_t hardwareByte = 0x61;
  std::uint8_t systemType = 0x40;  // image 249
  void Reset() {}
  void UnpackFromImage(const std::uint8_t* image) {}
  int CheckAndPack(std::uint8_t* image, int pass) { return 1; }
  int CheckAndPackDefaults(std::uint8_t* image, int pass) { return 1; }
};
