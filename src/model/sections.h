// The small global records of the edit model: DTMF ANI settings, key
// assignments, the radio identity (serial number, ESN, version) and three
// sections that are only decoded from the image.
#pragma once

#include <cstdint>
#include <string>

#include "model/dial_string.h"
#include "model/image.h"
#include "model/model_part.h"

// Global group index of group `groupNumber` of zone `zoneNumber` (1-based): the
// group number plus the group counts of zones 0..zoneNumber - 2; below 2 the group
// number itself. 255 as group number, and zone number 0 (none), give 255.
int GlobalGroupIndex(const std::uint8_t* zoneGroupCounts, int zoneNumber, int groupNumber);  // 32 counts

// Decoded from the image, never packed.
class CMiscOptionSection : public CModelPart {
 public:
  using CModelPart::CModelPart;
  std::uint32_t homeGroupIndex = 255;  // from image 140 (group) and 141 (zone); 255 none
  std::uint32_t homeZoneNumber = 0;    // image 141 bits 4..0 plus 1; 0 when image 141 is 255 (none)
  std::uint8_t flag182Bit5 = 0;
  std::uint8_t flag182Bit4 = 1;
  std::uint8_t byte184 = 10;
  std::uint8_t byte187 = 10;
  std::uint8_t mode208 = 0;  // image 208 bits 4..3
  void Reset();
  void UnpackFromImage(const std::uint8_t* image);
};

// DTMF ANI settings, image 384..581.
//
// Dial strings (the two ANI codes and the ten dial memories) are 8 bytes: byte 0
// bits 7..4 the length 0..15, digit 1 in byte 0 bits 3..0, digit 2m in byte m bits
// 7..4 and digit 2m + 1 in byte m bits 3..0 (m = 1..7). Digits are digit codes:
// 0..9, 10..13 "A".."D", 14 "*", 15 "#".
class CDtmfSettings : public CModelPart {
 public:
  static constexpr int kDialCount = 10;
  static constexpr int kDialBytes = 8;
  static constexpr int kDialDigits = 15;
  static constexpr int kIndividualDialZero = 9;  // record 9 is "Individual Dial memory #0"

  using CModelPart::CModelPart;

  std::uint8_t pauseByte = 0xAD;   // image 384
  std::uint8_t pagingByte = 0x42;  // image 385; the pack forces bit 7 to 0 and bit 6 to 1
  std::uint8_t aniCode[kDialBytes] = {};        // image 386..393
  std::uint8_t aniCodePttOff[kDialBytes] = {};  // image 394..401
  std::uint8_t dialMemory[kDialCount][kDialBytes] = {};  // image 402 + 8 r
  char dialTag[kDialCount][kDialBytes + 1] = {};          // image 482 + 8 r, 8 characters
  std::uint16_t pagingCode[kDialCount] = {};  // image 562 + 2 r: bit 13 decoding, digits in 11..8, 7..4, 3..0

  void Reset();
  void UnpackFromImage(const std::uint8_t* image);
  int PackToImage(std::uint8_t* image);  // always 1


  // Dial memory r (0..9), nullptr outside.
  const std::uint8_t* DialMemory(int r) const;
  int DialMemoryLength(int r) const;  // 0 outside 0..9
  int AniCodeLength() const { return DialLength(aniCode); }
  int AniCodePttOffLength() const { return DialLength(aniCodePttOff); }
  // True when any paging code has decoding on (bit 13).
  bool AnyPagingDecoding() const;
};

// Key assignments: 13 key slots (slots 0..11 the short press and press-and-hold
// of six keys, slot 12 one more key code), three option codes and three option bits.
class CKeyAssignSection : public CModelPart {
 public:
  static constexpr int kSlotCount = 13;
  static constexpr int kPageSlotCount = 12;  // the slots the key pages edit
  static constexpr int kCodeCount = 256;  // every value a slot byte can hold
  static constexpr std::uint8_t kPhoneInterconnect = 0x10;
  static constexpr std::uint8_t kEmergency = 0x11;
  static constexpr std::uint8_t kHomeZone = 0x13;
  static constexpr std::uint8_t kShortCut1 = 0x1A;  // short cuts 1..4 are 0x1A..0x1D

  using CModelPart::CModelPart;

  // Slots 0..11 from image 188..199 with each byte pair swapped; slot 12 image 201.
  std::uint8_t keyFunctionCodes[kSlotCount] = {0, 1, 11, 10, 0, 13, 12, 0, 0, 0, 0, 0, 0};
  std::uint8_t optionCodes[3] = {};  // image 203 high nibble, 203 low nibble, 202 high nibble
  std::uint8_t optionBits[3] = {1, 0, 0};  // image 208 bits 0, 1, 2

  void Reset();
  void UnpackFromImage(const std::uint8_t* image);
  // Refuses (message, 0) a phone-interconnect key on a production-type-11 radio
  // whose Individual Dial memory #0 is empty; otherwise writes the section, 1.
  int CheckAndPack(std::uint8_t* image);

  // True when any of the 13 slots holds `code`.
  bool HasFunction(int code) const;

  // Presence map: one flag per slot code 1..255, set exactly when some slot
  // holds that code (a slot byte from a radio or a file may hold any value).
  // Code 0, no function, has no flag; codes outside 0..255 read as not assigned.
  bool IsFunctionAssigned(int code) const;
  // Brings the flag of `code` in line with the slots.
  void UpdatePresence(int code);
  void RebuildPresenceMap();

 private:
  std::uint8_t m_keyFunctionAssigned[kCodeCount] = {};
};

// Decoded from the image, never packed.
class CFlagSection : public CModelPart {
 public:
  using CModelPart::CModelPart;
  std::uint8_t flag207Bit7 = 1;
  void Reset();
  void UnpackFromImage(const std::uint8_t* image);
};

// Decoded from the image, never packed, except the default split that the band
// defaults set.
class CMessageSection : public CModelPart {
 public:
  using CModelPart::CModelPart;
  double defaultSplit = 0.0;  // MHz: 0.0 VHF, 5.0 UHF
  std::uint8_t flag182Bit6 = 0;
  std::uint8_t flag186Bit3 = 1;
  std::uint8_t flag205Bit1 = 0;
  std::uint8_t flag209Bit4 = 0;
  std::uint8_t otherBytes[3] = {1, 0, 10};
  char messageText[9] = "SELFTEST";  // image 768..775
  // The band's default split: 5.0 MHz for UHF, none for VHF.
  static double BandDefaultSplit(std::uint32_t bandFlag) { return bandFlag == kUhfBandFlag ? 5.0 : 0.0; }
  void SetDefaultSplit(double mhz) { defaultSplit = mhz; }
  double GetDefaultSplit() const { return defaultSplit; }
  void Reset();
  void UnpackFromImage(const std::uint8_t* image);
};

// The radio's identity: version (image 0..1), serial number and ESN (tail
// 380..383). Not reset with the other records.
class CRadioIdentity : public CModelPart {
 public:
  static constexpr std::size_t kSerialOffset = 380;  // in the tail and the adjustment area

  using CModelPart::CModelPart;

  std::uint32_t field0 = 0;
  char version[6] = "00.00";
  // A digit code character ("0".."9", "A".."D", "*", "#"), a letter "B".."Q",
  // six hexadecimal digits.
  char serial[9] = "0N010000";
  std::uint32_t esnWord1 = 1;  // the ESN words of the default serial
  std::uint32_t esnWord2 = 0;

  void UnpackFromImage(const std::uint8_t* image, const std::uint8_t* tail);
  // Writes the serial number into area bytes 380..383; a serial text that no
  // bytes decode to leaves them as they are.
  void PackToImage(std::uint8_t* image, std::uint8_t* area);

  const char* SerialText() const { return serial; }
  const char* VersionText() const { return version; }
  // The ESN shown to the user: 0xD00000 + ((word 1 & 0x7F) << 11) + (word 2 & 0x7FF).
  std::uint32_t Esn() const { return EsnFromWords(esnWord1, esnWord2); }
  static std::uint32_t EsnFromWords(std::uint32_t word1, std::uint32_t word2) {
    return 0xD00000u + ((word1 & 0x7Fu) << 11) + (word2 & 0x7FFu);
  }

  // Takes a serial text when it is valid (EncodeSerial); false leaves it unchanged.
  bool SetSerialText(const std::string& text);
  // Serial bytes to text and back; EncodeSerial is the exact inverse of
  // DecodeSerial and refuses (false, `out` untouched) any other text.
  static void DecodeSerial(const std::uint8_t* bytes, char* out);  // out: 9 characters
  static bool EncodeSerial(const char* text, std::uint8_t* bytes);  // bytes: 4
};
