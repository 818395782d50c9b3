// One channel (CChannelData) and the band parameters that encode its
// frequencies and check the frequencies the pages take in (CFreqRangeSection).
#pragma once

#include <cstdint>

#include "model/model_part.h"

class CEditModel;
class CTuningData;

// A channel: receive and transmit frequency with their synthesizer encoding,
// spacing, tuning values and a name. The store holds 250 of them; the model
// holds one more as a scratch record.
//
// Image layout of a channel, relative to its first byte (image + ChannelOffset(i)):
//  0 mode byte; 1..3 receive divider; 4..5 option word A (high byte first);
//  6 option byte A; 7..8 receive tune word; 9..11 transmit divider;
//  12..13 option word B; 14 option byte B; 15..16 transmit tune word;
//  17..24 the eight tuning bytes.
class CChannelData {
 public:
  // Mode byte: bits 7..6 spacing (01 Wide), bits 3..2 receive step set, 1..0 transmit step set.
  static constexpr std::uint8_t kSpacingMask = 0xC0;
  static constexpr std::uint8_t kSpacingWide = 0x40;
  static constexpr std::uint8_t kRxStepMask = 0x0C;
  static constexpr std::uint8_t kTxStepMask = 0x03;
  // The frequency flag byte (tuning byte 2, tuning[1]); the tuning routines leave these bits alone.
  static constexpr std::uint8_t kFlagNearWholeMHz = 0x80;  // receive frequency
  static constexpr std::uint8_t kFlagNear80139 = 0x40;     // transmit frequency, VHF
  static constexpr std::uint8_t kFlagNear921600 = 0x20;    // receive frequency
  static constexpr std::uint8_t kFrequencyFlagMask = 0xE0;
  // Receive word of an empty channel; its high byte 0xFF is the empty test.
  static constexpr std::uint16_t kEmptyRxWord = 0xFF2E;

  virtual ~CChannelData() = default;
  // Every field the same (the pages tell a stored change by it).
  bool operator==(const CChannelData&) const = default;

  std::uint8_t modeByte = 0;
  std::uint16_t rxWord = kEmptyRxWord;  // receive divider word: 0x2000 | divider / 64
  std::uint8_t rxFraction = 0;          // (divider % 64) << 2 | 1
  std::uint16_t optionWordA = 0;
  std::uint8_t optionByteA = 0;
  std::uint16_t txWord = kEmptyRxWord;
  std::uint8_t txFraction = 0;
  std::uint16_t optionWordB = 0;
  std::uint8_t optionByteB = 0;
  std::uint8_t tuning[8] = {};  // tuning bytes 1..8 (image 17..24); tuning[1] is the frequency flag byte
  std::int32_t rxFreq = 0;      // 10 Hz units (450.0 MHz = 45,000,000)
  std::int32_t txFreq = 0;
  char name[11] = {};
  std::uint8_t programmed = 0;  // bit 0: channel in use

  // The channel defaults of the model's band (name 8 blanks, not programmed).
  void SetDefaults(const CEditModel& model);
  // p points at the channel's first byte: image + ChannelOffset(i).
  void UnpackFromImage(const std::uint8_t* p, const CEditModel& model);
  // Writes the channel's 25 bytes; recomputes the tuning fields from the store's
  // tuning data on the way.
  void PackToImage(std::uint8_t* p, const CEditModel& model);

  // Receive side: tuning byte 1, option word A and option byte A for a receive
  // frequency in MHz.
  void InterpolateTuning(double rxMHz, const CTuningData& tuningData);
  // Transmit side: option word B, option byte B and tuning bytes 2..8 (bits 7..5
  // of tuning byte 2 kept) for a transmit frequency in MHz.
  void SetTuningForFrequency(double txMHz, const CTuningData& tuningData);

  int RxStepSet() const { return (modeByte >> 2) & 3; }
  int TxStepSet() const { return modeByte & 3; }
  bool IsWide() const { return (modeByte & kSpacingMask) == kSpacingWide; }
  bool IsProgrammed() const { return (programmed & 1) != 0; }
  std::uint8_t& FrequencyFlags() { return tuning[1]; }
  std::uint8_t FrequencyFlags() const { return tuning[1]; }

  // MHz to stored 10 Hz units: MHz x 100,000 truncated, plus 1 when the result
  // is not a multiple of 5 (restores a product that fell a hair short).
  static std::int32_t MHzToUnits(double mhz);
};

// Band and step parameters (image 256..375) and the frequency checks of the
// channel, group, seed and zone pages.
class CFreqRangeSection : public CModelPart {
 public:
  using CModelPart::CModelPart;

  std::uint8_t stepIndex = 0;      // image 256 bits 7..6: column of the step tables
  std::uint8_t flag = 0;           // image 256 bit 5
  std::uint8_t value5 = 13;        // image 256 bits 4..0
  double referenceMHz = 14.6;      // image 293 low nibble and 294, 0.04 MHz units
  std::uint8_t signBits = 0x08;    // bit k set: offset k is negative
  double offsets[4] = {44.25, 44.25, 44.25, 44.25};  // MHz, by step set
  std::uint8_t optionByte = 16;    // image 333 bit 7 as bit 4, bit 6 as bit 0
  std::uint8_t byte333 = 47;       // image 333 bits 5..0
  std::uint8_t nibbleHigh = 2;     // image 334 bits 7..4
  std::uint8_t nibbleLow = 8;      // image 334 bits 3..0
  std::uint8_t byte375 = 132;

  // Band defaults, then the reset values.
  void Reset();
  // Offsets, reference, step index and the default split of the model's band.
  void SetBandDefaults();
  void UnpackFromImage(const std::uint8_t* image);
  // Writes all of 256..375 (the defaults pack only). Returns 1.
  int PackToImage(std::uint8_t* image);

  // Brings f (MHz) into the radio's range and, on UHF or for kind 2, onto the
  // nearest channel raster point. Returns the step set: 1 for the 6.25 kHz raster,
  // 0 for the 5 kHz raster, 2 for a VHF kind-2 frequency on the 2.5 kHz raster.
  int CheckFrequency(double& f, int kind) const;
  // Range checks of the seed page and of the zone pages' home channel (inclusive).
  bool IsSeedFrequencyValid(double f, int allowZero, int kind) const;
  bool IsHomeFrequencyValid(double f, int allowZero, int kind) const;
  static bool IsNearWholeMHz(double f);
  static bool IsNear921600Multiple(double f);
  static bool IsNear80139Multiple(double f);

  // The step of a step set at the section's step index, in 10 Hz units.
  int StepUnits(int stepSet) const;
  // Offset k in 10 Hz units, negative when its sign bit is set.
  std::int64_t OffsetUnits(int k) const;

 private:
  bool IsFrequencyValid(double f, int allowZero, int kind, std::int64_t uhfTop) const;
};

inline bool IsNearWholeMHz(double f) { return CFreqRangeSection::IsNearWholeMHz(f); }
