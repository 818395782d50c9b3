// STUB: to be replaced by the record's own implementation.
#pragma once
#include <cstdint>
#include "model/model_part.h"

class CDfaTable : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void UnpackFromImage(const std::uint8_t* image) {}
  void PackToImage(std::uint8_t* image) {}
};
