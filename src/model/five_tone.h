// STUB: to be replaced by the record's own implementation.
#pragma once
#include <cstdint>
#include "model/model_part.h"

class CFiveToneSystemData : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void UnpackFromImage(const std::uint8_t* image) {}
  int PackToImage(std::uint8_t* image) { return 1; }
};
class CFiveToneEncodeList : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void UnpackFromImage(const std::uint8_t* image) {}
  void PackToImage(std::uint8_t* image) {}
};
class CFiveToneDecodeList : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void UnpackFromImage(const std::uint8_t* image) {}
  void PackToImage(std::uint8_t* image) {}
};
class CFiveToneTableData : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void UnpackFromImage(const std::uint8_t* image) {}
  void PackToImage(std::uint8_t* image) {}
};
