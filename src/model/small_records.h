// Sel Call entries, seed channels and tuning points: the small records the
// channel store holds in arrays. Each takes the whole image and its own index.
#pragma once

#include <cstdint>

class CTuningData;

// A selective-call entry (image 15,232 + 16 e): 0..1 target MIN (big-endian),
// 2 zone code, 3..7 code, 8..15 alias.
class CSelCallRecord {
 public:
  virtual ~CSelCallRecord() = default;
  std::uint8_t code[5] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  std::uint32_t targetMin = 1;  // the image keeps 16 bits
  std::uint8_t zoneCode = 0xFF; // 0 Global, 1..32 zone number, 255 Disable
  char alias[9] = "        ";   // 8 characters, blank padded
  void UnpackFromImage(const std::uint8_t* image, int e);
  void PackToImage(std::uint8_t* image, int e) const;
  bool operator==(const CSelCallRecord&) const = default;
};

// A seed channel (image 13,696 + 6 s): three big-endian channel words
// (bits 0..10 channel number, bits 12..15 band code; 0xF7FF blank).
class CSeedChannelRecord {
 public:
  static constexpr std::uint16_t kBlankWord = 0xF7FF;
  virtual ~CSeedChannelRecord() = default;
  std::uint16_t channelWord[3] = {0x4320, kBlankWord, kBlankWord};
  void UnpackFromImage(const std::uint8_t* image, int s);
  void PackToImage(std::uint8_t* image, int s) const;
  bool operator==(const CSeedChannelRecord&) const = default;
};

// A tuning point (image 13,824 + 16 t): 16 raw bytes. The pack recomputes the
// records that have a test frequency pair in the band from the tuning data.
class CTuningPointRecord {
 public:
  virtual ~CTuningPointRecord() = default;
  std::uint8_t b[16] = {};
  void UnpackFromImage(const std::uint8_t* image, int t);
  void PackToImage(std::uint8_t* image, int t, std::uint32_t bandFlag, const CTuningData& tuning);
  bool operator==(const CTuningPointRecord&) const = default;

  // The test pair of record t in the band, in 10 Hz units; false when it has none.
  static bool TestPair(int t, std::uint32_t bandFlag, std::int32_t& rx, std::int32_t& tx);
};
