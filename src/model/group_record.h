// One group of a zone (250 in CChannelStore) and the group pages' Default
// column template.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class IModelHost;

// Bits of the group flags byte (kept by the store's group bitmaps, not in the
// group's own 16 image bytes).
inline constexpr std::uint8_t kGroupInUse = 0x01;
inline constexpr std::uint8_t kGroupScanUser = 0x02;    // Scan Memory "User"
inline constexpr std::uint8_t kGroupScanDealer = 0x10;  // Scan Memory "Dealer"

// Fields of the channel word.
inline constexpr std::uint16_t kChannelRefMask = 0x03FF;  // channel index, 1023 = none
inline constexpr std::uint16_t kNoChannel = 0x03FF;
inline constexpr std::uint16_t kHornAlertMask = 0x3000;   // on at 0x2000 and above ("Busy Lock Out" on the pages)
inline constexpr std::uint16_t kTimeOutTimerBit = 0x4000;
inline constexpr std::uint16_t kTpacBit = 0x8000;

// Zone formats (the zone record's format byte AND 0x1C).
inline constexpr std::uint8_t kZoneFormatMask = 0x1C;
inline constexpr std::uint8_t kZoneFormatLtr = 0x04;
inline constexpr std::uint8_t kZoneFormatPassPort = 0x10;
inline constexpr bool IsLtrFormat(std::uint8_t format) { return (format & kZoneFormatMask) == kZoneFormatLtr; }
inline constexpr bool IsPassPortFormat(std::uint8_t format) {
  return (format & kZoneFormatMask) == kZoneFormatPassPort;
}

// What a group's check and pack needs to know of the rest of the model.
struct GroupPackContext {
  std::uint8_t zoneFormat = 0;  // format byte of the group's zone
  int zoneNumber = 0;           // 1-based zone number shown in messages
  bool idLayout = false;        // image bytes 4..5 hold the ID word
  bool aniFromPttOff = false;   // ANI selection bit (image 202 bit 0): the second ANI code applies
  std::uint8_t aniCode1 = 0;    // high nibble of image 386 (length of the first ANI code)
  std::uint8_t aniCode2 = 0;    // high nibble of image 394
};

class CGroupRecord {
 public:
  CGroupRecord() = default;
  CGroupRecord(const CGroupRecord&) = default;
  CGroupRecord& operator=(const CGroupRecord&) = default;
  virtual ~CGroupRecord() = default;
  // Every field the same (the pages tell a stored change by it).
  bool operator==(const CGroupRecord&) const = default;

  std::uint8_t byte0 = 135;  // option byte (Monitor, Compander, TX Inhibit, Encryption, 2nd TX power)
  std::uint8_t byte1 = 0;    // bit 7 ANI on
  std::uint8_t byte2 = 0;    // bits 5..3 tone type (8, 16, 24), bits 2..0 DCS sub-type
  std::uint8_t byte3 = 0;    // bit 3 Call Alert (needs a tone); bit 2 cleared by every pack
  std::uint8_t byte4 = 255;  // encode code / TX ID of conventional and LTR groups
  std::uint8_t byte5 = 255;  // decode code / RX ID
  std::uint16_t channelWord = kNoChannel;
  std::uint16_t idWord = 1;  // talk-group ID of PassPort groups (image bytes 4..5)
  char name[9] = {};
  std::uint8_t flags = 0;

  // Reset values; group 0 uses the first channel and is in use.
  void Reset(int index);
  // The options of a group newly given to a zone, keeping the name and the
  // flags: default options, no channel (busy lock-out 1 in an LTR zone).
  void SetDefaultData(std::uint8_t zoneFormat);
  void SetDefaultName(int index);

  // g selects the image record (3,200 + 16 g); idLayout: bytes 4..5 are the ID word.
  void UnpackFromImage(int g, const std::uint8_t* image, bool idLayout);
  // Checks a group in use and writes its 16 bytes; 0 after a refusal, whose
  // message the host has shown (nothing written then).
  int CheckAndPack(int g, std::uint8_t* image, const GroupPackContext& context, IModelHost& host);

  int ToneType() const { return byte2 & 0x38; }
  bool HasToneInformation() const;
  int ChannelRef() const { return channelWord & kChannelRefMask; }
  bool InUse() const { return flags & kGroupInUse; }
};

// Where a field of the Default record lies: byte 0..5, or the word (kWord), and its bits.
struct DefaultGroupBits {
  int where;
  std::uint16_t mask;
};

// The group pages' Default column: the values a Default-column commit copies into
// every group of the zone. Bytes 0..5 and a 16-bit word (bytes 6..7, low byte
// first). It is not packed into the image, saved or printed.
struct CDefaultGroupRecord {
  std::uint8_t byte[6] = {};
  std::uint16_t word = 0;

  bool operator==(const CDefaultGroupRecord&) const = default;
  // Sets every field to the code of its choice list's default entry; bits that no
  // list shows keep their value.
  void Reset();
  void SetBits(DefaultGroupBits at, std::uint32_t code);
};
static_assert(sizeof(CDefaultGroupRecord) == 8);

// The fields of the Default record (grp::def names them for the pages; each
// starts at its list's default entry, grp::kDefaultGroupInitials).
namespace group_default {
inline constexpr int kWord = 6;
// Basic views
inline constexpr DefaultGroupBits kMonitor{0, 0x80};
inline constexpr DefaultGroupBits kCompander{0, 0x40};
inline constexpr DefaultGroupBits kTxInhibit{0, 0x20};
inline constexpr DefaultGroupBits kTimeOutTimer{kWord, kTimeOutTimerBit};
inline constexpr DefaultGroupBits kBusyLockOut{kWord, kHornAlertMask};
inline constexpr DefaultGroupBits kScanMemory{5, 0xFF};  // bits 1 and 4 as the group flags' (grp::kScanMemory)
// Advanced views
inline constexpr DefaultGroupBits kEncryption{0, 0x18};
inline constexpr DefaultGroupBits kSecondTxPower{0, 0x07};
inline constexpr DefaultGroupBits kAniMonitor{1, 0x80};
inline constexpr DefaultGroupBits kSignalingCode{1, 0x60};  // other production types: 0..3
inline constexpr DefaultGroupBits kSignalingLow{1, 0x10};   // production type 11
inline constexpr DefaultGroupBits kSignalingNo{1, 0x0F};
inline constexpr DefaultGroupBits kAni{2, 0x02};
inline constexpr DefaultGroupBits kSignalingHigh11{2, 0x01};
inline constexpr DefaultGroupBits kTalkAroundUser{3, 0x80};
inline constexpr DefaultGroupBits kTalkAroundFixed{3, 0x40};
inline constexpr DefaultGroupBits kCallAlert{3, 0x20};
inline constexpr DefaultGroupBits kCallVerify{3, 0x10};
inline constexpr DefaultGroupBits kDataGroup{3, 0x08};
inline constexpr DefaultGroupBits kBusyLockOutOnTa{3, 0x04};
inline constexpr DefaultGroupBits kExtMic{3, 0x02};  // the LTR advanced view's RX Save is the same bit
inline constexpr DefaultGroupBits kFlatAf{3, 0x01};
inline constexpr DefaultGroupBits kSignalingHighOther{4, 0x02};
inline constexpr DefaultGroupBits kTpac{kWord, kTpacBit};
}  // namespace group_default
