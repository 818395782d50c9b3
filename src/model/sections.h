// STUB: to be replaced by the record's own implementation.
#pragma once
#include <cstdint>
#include <string>
#include "model/model_part.h"

class CMiscOptionSection : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void Reset() {}
  void UnpackFromImage(const std::uint8_t* image) {}
};
class CDtmfSettings : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void Reset() {}
  void UnpackFromImage(const std::uint8_t* image) {}
  int PackToImage(std::uint8_t* image) { return 1; }
};
class CKeyAssignSection : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void Reset() {}
  void UnpackFromImage(const std::uint8_t* image) {}
  int CheckAndPack(std::uint8_t* image) { return 1; }
};
class CFlagSection : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void Reset() {}
  void UnpackFromImage(const std::uint8_t* image) {}
};
class CMessageSection : public CModelPart {
 public:
  using CModelPart::CModelPart;
  double defaultSplit = 0.0;  // MHz
  void SetDefaultSplit(double mhz) { defaultSplit = mhz; }
  double GetDefaultSplit() const { return defaultSplit; }
  void Reset() {}
  void UnpackFromImage(const std::uint8_t* image) {}
};
class CRadioIdentity : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void UnpackFromImage(const std::uint8_t* image, const std::uint8_t* tail) {}
  void PackToImage(std::uint8_t* image, std::uint8_t* area) {}
  const char* SerialText() const { return ""; }
  std::uint32_t Esn() const { return 0; }
};
