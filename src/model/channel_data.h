// STUB: to be replaced by the record's own implementation.
#pragma once
#include <cstdint>
#include "model/model_part.h"

// CChannelData: one channel (250 in CChannelStore, one spare in the model).
class CChannelData {
 public:
  virtual ~CChannelData() = default;
  std::uint8_t modeByte = 0;
  std::uint16_t rxWord = 0xFF2E;
  std::uint8_t rxFraction = 0;
  std::uint16_t optionWordA = 0;
  std::uint8_t optionByteA = 0;
  std::uint16_t txWord = 0xFF2E;
  std::uint8_t txFraction = 0;
  std::uint16_t optionWordB = 0;
  std::uint8_t optionByteB = 0;
  std::uint8_t tuning[8] = {};
  std::uint32_t rxFreq = 0;  // 10 Hz units
  std::uint32_t txFreq = 0;
  char name[11] = {};
  std::uint8_t programmed = 0;  // bit 0
  void UnpackFromImage(const std::uint8_t* p) {}
  void PackToImage(std::uint8_t* p) {}
};
class CFreqRangeSection : public CModelPart {
 public:
  using CModelPart::CModelPart;
  void Reset() {}
  void SetBandDefaults() {}
  void UnpackFromImage(const std::uint8_t* image) {}
  int PackToImage(std::uint8_t* image) { return 1; }
};
