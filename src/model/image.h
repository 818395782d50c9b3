// The radio's memory image and the byte helpers every record uses.
#pragma once

#include <bit>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

// Sizes of the memory image and its buffers.
inline constexpr std::size_t kBlockSize = 128;
inline constexpr std::size_t kImageSize = 32896;        // 257 blocks
inline constexpr std::size_t kImageBufferSize = 33024;  // 258 blocks; the last one is written by a file load only
inline constexpr std::size_t kTailSize = 384;           // adjustment data, the radio's last three blocks
inline constexpr std::size_t kFileImagePart = 32512;    // image bytes a data file stores before the tail
inline constexpr std::size_t kDataFileSize = kFileImagePart + kTailSize;

inline constexpr int kZoneCount = 32;
inline constexpr int kGroupCount = 250;
inline constexpr int kChannelCount = 250;
inline constexpr int kTuningPointCount = 88;
inline constexpr int kSelCallCount = 320;
inline constexpr int kSeedChannelCount = 20;
inline constexpr int kRepeatersPerZone = 20;

// The hardware byte (image 32) of the two radios, and its band bits (AND 0xE0).
inline constexpr std::uint32_t kUhfHardware = 0x61;
inline constexpr std::uint32_t kVhfHardware = 0x01;
inline constexpr std::uint32_t kUhfBandFlag = 96;

// Fixed image positions shared by several records.
namespace img {
inline constexpr std::size_t kModelWordLow = 2;
inline constexpr std::size_t kProductionType = 3;
inline constexpr std::size_t kHardware = 32;
inline constexpr std::size_t kPassword = 34;
inline constexpr std::size_t kSystemType = 249;
inline constexpr std::size_t kZoneRecords = 1152;
inline constexpr std::size_t kZoneRecordSize = 64;
inline constexpr std::size_t kGroups = 3200;
inline constexpr std::size_t kGroupSize = 16;
inline constexpr std::size_t kChannels = 7296;
inline constexpr std::size_t kChannelSize = 25;
inline constexpr std::size_t kExtraBytes = 12920;
inline constexpr std::size_t kSeedChannels = 13696;
inline constexpr std::size_t kSeedChannelSize = 6;
inline constexpr std::size_t kTuningPoints = 13824;
inline constexpr std::size_t kTuningPointSize = 16;
inline constexpr std::size_t kSelCalls = 15232;
inline constexpr std::size_t kSelCallSize = 16;
inline constexpr std::size_t kDfaTable = 16896;
inline constexpr std::size_t kFiveToneBlock = 23680;
inline constexpr std::size_t kFiveToneBlockSize = 896;
inline constexpr std::size_t kAdjustmentBlock = 32512;
}  // namespace img

// Channel i: five 25-byte channels a block, the block's last three bytes spare.
constexpr std::size_t ChannelOffset(int i) { return img::kChannels + 25 * std::size_t(i) + 3 * std::size_t(i / 5); }
constexpr std::size_t GroupOffset(int g) { return img::kGroups + img::kGroupSize * std::size_t(g); }
constexpr std::size_t ZoneOffset(int z) { return img::kZoneRecords + img::kZoneRecordSize * std::size_t(z); }

// The image blocks a transfer filled. A read leaves the blocks it skips 0xFF,
// which the unpack does not take for data.
using ImageBlocks = std::bitset<kImageSize / kBlockSize>;
inline ImageBlocks AllImageBlocks() { return ImageBlocks().set(); }
static_assert(kBlockSize % img::kGroupSize == 0, "a group lies in one block");

static_assert(ChannelOffset(5) == 7424);
static_assert(ChannelOffset(249) + img::kChannelSize <= img::kSeedChannels);
static_assert(GroupOffset(kGroupCount) == 7200);
static_assert(ZoneOffset(kZoneCount) == img::kGroups);
static_assert(img::kSelCalls + kSelCallCount * img::kSelCallSize == 20352);
static_assert(img::kTuningPoints + kTuningPointCount * img::kTuningPointSize == img::kSelCalls);

// Big-endian numbers, as the image holds them.
inline std::uint16_t GetBE16(const std::uint8_t* p) { return std::uint16_t((p[0] << 8) | p[1]); }
inline void SetBE16(std::uint8_t* p, std::uint16_t v) {
  p[0] = std::uint8_t(v >> 8);
  p[1] = std::uint8_t(v);
}
inline std::uint32_t GetBE32(const std::uint8_t* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
inline void SetBE32(std::uint8_t* p, std::uint32_t v) {
  p[0] = std::uint8_t(v >> 24);
  p[1] = std::uint8_t(v >> 16);
  p[2] = std::uint8_t(v >> 8);
  p[3] = std::uint8_t(v);
}

// Copies an n-character text from the image into a terminated buffer of n + 1 bytes.
inline void GetText(const std::uint8_t* p, char* out, std::size_t n) {
  std::memcpy(out, p, n);
  out[n] = '\0';
}
// Writes a text of up to n characters into n image bytes, padding a short text with blanks.
inline void SetText(std::uint8_t* p, const char* text, std::size_t n) {
  std::size_t len = 0;
  while (len < n && text[len] != '\0') ++len;
  std::memcpy(p, text, len);
  std::memset(p + len, ' ', n - len);
}

// `value` with the bits of `mask` replaced by `field`, shifted up to the mask's lowest bit.
template <typename T>
constexpr T WithBits(T value, std::type_identity_t<T> mask, unsigned field) {
  const int shift = std::countr_zero(unsigned(mask));
  return T((value & ~mask) | ((field << shift) & mask));
}
