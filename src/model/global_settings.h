// The radio-wide settings scattered over the image header (bytes 9..253,
// 646..653 and 704..758): hardware byte and band, password, home, emergency,
// short-cut and data zones, the group switch table, the system type and the
// option bytes the Global, Mobile Special and DTMF pages edit bit by bit.
//
// Representation: every option byte is held whole, as the image carries it, in a
// member named after its image position (byte185 is image byte 185). A byte that
// the pages know by a name carries that name as the member itself (homeSystem,
// afMinVrLevel, extMicSense, ...). The fields within the bytes are named once,
// in model/global_fields.h.
//
// Zones are indices 0..31, 255 none. Groups are held as global group indices
// 0..249, 255 none; the image holds a group as its number within its zone.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/image.h"
#include "model/model_part.h"

class CGlobalSettings : public CModelPart {
 public:
  // Band 96 and hardware 0x61 (UHF), the fields below their construction values,
  // then Reset().
  explicit CGlobalSettings(CEditModel& model);

  // Fields, in image order. Reset() gives each its default, except those marked
  // "kept": they hold their construction values until an unpack.
  std::uint8_t byte9 = 0;   // kept; unpacked only
  std::uint8_t byte11 = 0;  // kept; unpacked only; base of the PassPort level pairs (an RSSI offset)
  std::uint8_t byte30 = 0;  // bit 5 system scan
  std::uint8_t byte31 = 0;
  std::uint32_t bandFlag = kUhfBandFlag;      // kept; hardware byte AND 0xE0: 96 UHF, 0 VHF
  std::uint32_t hardwareByte = kUhfHardware;  // kept; image 32: 0x61 UHF, 0x01 VHF
  std::uint8_t byte33 = 0;                    // written by the defaults pack only
  std::array<char, 8> password{};             // image 34..41, no terminator
  std::uint8_t byte42 = 0;
  std::uint8_t byte43 = 0;
  std::uint8_t homeGroup = 0;   // image 140 is always written 0
  std::uint8_t homeSystem = 0;  // image 141: the home zone
  std::uint8_t byte182 = 0;     // bit 6 mirrors backLightFlag
  std::uint8_t byte183 = 0;
  std::uint8_t byte184 = 0;
  std::uint8_t byte185 = 0;
  std::uint8_t byte186 = 0;
  std::uint8_t byte187 = 0;
  std::uint8_t byte200 = 0;
  std::uint8_t byte202 = 0;  // the low nibble; the high nibble is the key section's
  std::uint8_t byte204 = 0;
  std::uint8_t byte205 = 0;
  std::uint8_t byte206 = 0;
  std::uint8_t byte207 = 0;
  std::uint8_t byte208 = 0;  // bits 7..5 power-on status, 4..3 revert group; 2..0 the key section's
  std::uint8_t byte209 = 0;
  std::uint8_t dataGroup = 0;  // first group of dataZone; image 210 is written 0
  std::uint8_t dataZone = 0;   // image 211
  std::uint8_t byte212 = 0;
  std::uint8_t byte213 = 0;
  std::array<std::uint8_t, 4> shortCutGroup{};  // first group of each zone; image 214, 216, 218, 220 written 0
  std::array<std::uint8_t, 4> shortCutZone{};   // image 215, 217, 219, 221
  std::uint8_t byte222 = 0;
  std::uint8_t byte223 = 0;
  std::uint8_t byte224 = 0;
  std::uint8_t byte225 = 0;
  std::uint8_t afMinVrLevel = 0;  // image 226, 0..31
  std::uint8_t byte227 = 0;
  std::uint8_t byte228 = 0;
  std::uint8_t byte229 = 0;
  std::uint8_t byte230 = 0;
  std::uint8_t byte231 = 0;
  std::uint8_t byte232 = 0;
  std::uint8_t byte233 = 0;
  std::uint8_t emergencyGroup = 0;                  // global index; image 234 holds its number within emergencySystem
  std::uint8_t emergencySystem = 0;                 // image 235: the emergency zone
  std::uint8_t byte236 = 0;                         // written by the defaults pack only
  std::uint8_t byte244 = 0;                         // kept
  std::uint8_t byte246 = 0;                         // kept
  std::uint8_t byte247 = 0;                         // kept; the option-board byte
  std::uint8_t systemType = 0x40;                   // kept; image 249: bit 6 set = LTR, clear = PassPort
  std::uint8_t byte251 = 0;                         // kept; unpacked only
  std::uint8_t lastChannelBlock = 0;                // image 252
  std::uint8_t lastGroupBlock = 0;                  // image 253
  std::array<std::uint8_t, 8> emergencyCode{};      // image 646..653
  std::uint32_t backLightFlag = 0;                  // kept; image 182 bit 6: 0 continuous, 1 on key press and call
  std::uint8_t byte704 = 0;                         // kept
  std::uint8_t byte705 = 0;                         // kept
  std::array<std::uint8_t, 5> accOutputFunction{};  // kept; image 719..723
  std::array<std::uint8_t, 5> accInputFunction{};   // kept; image 725, 726, 727, 728, 730
  std::uint8_t groupSwitchZone = 255;               // kept; image 731
  // Kept; global indices, image 732..747 hold the numbers within groupSwitchZone.
  std::array<std::uint8_t, 16> groupSwitchGroup{255, 255, 255, 255, 255, 255, 255, 255,
                                                255, 255, 255, 255, 255, 255, 255, 255};
  std::uint8_t byte748 = 0;       // kept
  std::uint8_t byte755 = 0;       // kept; user LED on time, 10 ms units
  std::uint8_t byte756 = 0;       // kept; user LED off time, 10 ms units
  std::uint8_t byte757 = 0x02;    // kept; emergency LED blink off, colour red
  std::uint8_t extMicSense = 80;  // kept; image 758, "Standard"

  // Image 247 as a choice: 4 for the module (bits 0-2 = 4 with bits 5-7 = 3),
  // 3 for the board (bits 0-2 = 3), else 0. Setting 4, 3 or 0 keeps bits 3-4.
  std::uint8_t optionBoardCode() const;
  void SetOptionBoardCode(std::uint8_t code);
  // The password as text: its characters up to the first zero byte. A typed
  // password is stored padded with blanks to eight (a longer text is cut); an
  // empty one clears every byte.
  std::string PasswordText() const;
  void SetPasswordText(const std::string& text);

  // --- Record operations ------------------------------------------------------
  void Reset();
  // UnpackImage runs this twice: the group conversions need the store's counts.
  void UnpackFromImage(const std::uint8_t* image);
  // Pass 0 checks and writes the fields: 1, or 0 after a refusal (its message
  // shown, the bytes written so far left in the image). Pass 1 writes the two
  // block counters (252, 253) and returns 1.
  int CheckAndPack(std::uint8_t* image, int pass);
  // The same for an image built from defaults: also writes 33, 236 and 249, the
  // whole of 202, 226 as 0, and 705 as it stands.
  int CheckAndPackDefaults(std::uint8_t* image, int pass);

  // Group g (numbered within zone z) -> global group index; 255 when g is 255,
  // z is no zone or g is not one of z's groups.
  std::uint8_t GroupIndexOf(int g, int z) const;
  // Global group index -> its number within the zone that holds it; 255 for 255
  // and for an index that lies in no zone.
  std::uint8_t GroupInZone(int g) const;

 private:
  int PackPass0(std::uint8_t* image, bool defaults);
  void PackPass1(std::uint8_t* image);
  std::uint8_t GroupNumberIn(int g, int z) const;
  bool GroupInUse(int g) const;
};
