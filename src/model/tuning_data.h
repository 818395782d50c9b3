// The tuning tables of the radio's adjustment data: 16 bytes of image 14..29 and
// the tables at the start of RadioImageTail. The channel and tuning-point packs
// compute their tuning bytes from them.
//
// Tail layout (263 bytes): 0..1 reference word (big-endian, 0.1 MHz units),
// 2 interpolation base, 3 slope above the reference, 4 slope below it, then for
// k = 0..15 a big-endian tuning frequency (0.1 MHz) at 5 + 16 k followed by the
// 14 bytes of row k; the 17th tuning frequency at 261..262.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/image.h"

class CTuningData {
 public:
  static constexpr int kRowCount = 16;
  static constexpr int kRowSize = 14;
  static constexpr int kFrequencyCount = kRowCount + 1;
  static constexpr std::size_t kImageFirst = 14;  // image 14..29
  static constexpr std::size_t kImageCount = 16;
  static constexpr std::size_t kTailBytes = 5 + kRowCount * (2 + kRowSize) + 2;  // 263

  // Starts with the UHF tables, so that records built before the first reset
  // already interpolate on a sane table.
  CTuningData() { Reset(kUhfBandFlag); }

  std::uint8_t imageBytes[kImageCount] = {};  // image 14..29, read only
  std::uint16_t referenceWord = 0;            // 0.1 MHz
  std::uint8_t base = 0;                      // interpolated value at the reference
  std::uint8_t slopeAbove = 0;                // per 100 units of 0.1 MHz above the reference
  std::uint8_t slopeBelow = 0;                // per 100 units of 0.1 MHz below it
  std::uint16_t frequencies[kFrequencyCount] = {};  // 0.1 MHz, rising
  std::uint8_t rows[kRowCount][kRowSize] = {};

  // The band's tables: UHF for band flag 96, VHF otherwise. imageBytes stay.
  void Reset(std::uint32_t bandFlag);
  // imageBytes from image 14..29 always; the tail's tables only when withTail is 1.
  void Unpack(const std::uint8_t* image, const std::uint8_t* tail, int withTail);
  // Writes the tail's 263 bytes. Image 14..29 belongs to the radio and is not written.
  void Pack(std::uint8_t* tail) const;

  // The segment (row) of a frequency in MHz: the first k whose upper tuning
  // frequency k + 1 is not below it; the last row above the table.
  int Segment(double mhz) const;
  const std::uint8_t* Row(double mhz) const { return rows[Segment(mhz)]; }
  // The receive tuning value of a frequency in MHz: base plus or minus the
  // distance from the reference times the slope of its side, within 0..255.
  int Interpolate(double mhz) const;

  // A frequency in MHz as whole 0.1 MHz units (truncated).
  static long TenthsOfMHz(double mhz);
};
