#include "model/global_settings.h"

#include <algorithm>
#include <string>

#include "model/edit_model.h"
#include "model/mobile_special.h"

namespace {

constexpr std::uint8_t kNone = 255;

// Image positions of the zone and group bytes the record converts.
constexpr std::size_t kHomeGroup = 140;
constexpr std::size_t kHomeZone = 141;
constexpr std::size_t kDataGroup = 210;
constexpr std::size_t kDataZone = 211;
constexpr std::size_t kShortCutGroup1 = 214;  // group, zone pairs up to 221
constexpr std::size_t kEmergencyGroup = 234;
constexpr std::size_t kEmergencyZone = 235;
constexpr std::size_t kEmergencyCode = 646;
constexpr std::size_t kAccOutput = 719;
constexpr std::size_t kAccInput[5] = {725, 726, 727, 728, 730};
constexpr std::size_t kGroupSwitchZone = 731;
constexpr std::size_t kGroupSwitchGroups = 732;
constexpr std::size_t kLastChannelBlock = 252;
constexpr std::size_t kLastGroupBlock = 253;

// The image blocks where the channel and group areas begin.
constexpr int kFirstChannelBlock = int(img::kChannels / kBlockSize);  // 57
constexpr int kFirstGroupBlock = int(img::kGroups / kBlockSize);      // 25

}  // namespace

CGlobalSettings::CGlobalSettings(CEditModel& model) : CModelPart(model) { Reset(); }

void CGlobalSettings::Reset() {
  byte30 = 32;
  byte31 = 159;
  byte33 = 0;
  password.fill(0);
  byte42 = 8;
  byte43 = 136;
  homeGroup = kNone;
  homeSystem = 0;
  byte182 = 24;
  byte183 = 51;
  byte184 = 7;
  byte185 = 60;
  byte186 = 0;
  byte187 = 10;
  byte200 = 17;
  byte202 = 8;
  byte204 = 76;
  byte205 = 48;
  byte206 = 51;
  byte207 = 2;
  byte208 = 1;
  byte209 = 77;
  dataGroup = kNone;
  dataZone = 0;
  byte212 = 153;
  byte213 = 40;
  shortCutGroup.fill(kNone);
  shortCutZone.fill(0);
  byte222 = 180;
  byte223 = 64;
  byte224 = 255;
  byte225 = 255;
  afMinVrLevel = 0;
  byte227 = 254;
  byte228 = 255;
  byte229 = 255;
  byte230 = 51;
  byte231 = 254;
  byte232 = 15;
  byte233 = 37;
  emergencyGroup = kNone;
  emergencySystem = 0;
  byte236 = 55;
  lastChannelBlock = 184;
  lastGroupBlock = 0;
  emergencyCode.fill(0);
}

void CGlobalSettings::UnpackFromImage(const std::uint8_t* image) {
  byte9 = image[9];
  byte11 = image[11];
  byte30 = image[30];
  byte31 = image[31];
  hardwareByte = image[img::kHardware];
  bandFlag = hardwareByte & 0xE0;
  byte33 = image[33];
  std::copy_n(image + img::kPassword, password.size(), reinterpret_cast<std::uint8_t*>(password.data()));
  byte42 = image[42] & 0xDF;
  byte43 = image[43];
  homeGroup = 0;
  homeSystem = image[kHomeZone];
  byte182 = image[182];
  byte183 = image[183];
  byte184 = image[184];
  byte185 = image[185];
  byte186 = image[186];
  byte187 = image[187];
  byte200 = image[200];
  byte202 = image[202];
  byte204 = image[204];
  byte205 = image[205] | 0x10;
  byte206 = image[206];
  byte207 = image[207];
  byte208 = image[208];
  byte209 = image[209];
  dataZone = image[kDataZone];
  dataGroup = GroupIndexOf(0, dataZone);
  byte212 = image[212];
  byte213 = image[213];
  for (int n = 0; n < 4; ++n) {
    shortCutZone[n] = image[kShortCutGroup1 + 2 * n + 1];
    shortCutGroup[n] = GroupIndexOf(0, shortCutZone[n]);
  }
  byte222 = image[222];
  byte223 = image[223];
  byte224 = image[224];
  byte225 = image[225];
  afMinVrLevel = image[226];
  byte227 = image[227];
  byte228 = image[228];
  byte229 = image[229];
  byte230 = image[230];
  byte231 = image[231];
  byte232 = image[232];
  byte233 = image[233];
  emergencySystem = image[kEmergencyZone];
  emergencyGroup = GroupIndexOf(image[kEmergencyGroup], emergencySystem);
  byte236 = image[236];
  byte244 = image[244];
  byte246 = image[246];
  byte247 = image[247];
  systemType = image[img::kSystemType];
  byte251 = image[251];
  lastChannelBlock = image[kLastChannelBlock];
  lastGroupBlock = image[kLastGroupBlock];
  std::copy_n(image + kEmergencyCode, emergencyCode.size(), emergencyCode.begin());
  backLightFlag = (byte182 & 0x40) ? 1 : 0;
  byte704 = image[704];
  byte705 = image[705];
  std::copy_n(image + kAccOutput, accOutputFunction.size(), accOutputFunction.begin());
  for (int k = 0; k < 5; ++k) accInputFunction[k] = image[kAccInput[k]];
  groupSwitchZone = image[kGroupSwitchZone];
  if (groupSwitchZone >= kZoneCount) groupSwitchZone = kNone;  // a zone no radio has
  for (int k = 0; k < 16; ++k) groupSwitchGroup[k] = GroupIndexOf(image[kGroupSwitchGroups + k], groupSwitchZone);
  byte748 = image[748];
  byte755 = image[755];
  byte756 = image[756];
  byte757 = image[757];
  extMicSense = image[758];
}

int CGlobalSettings::CheckAndPack(std::uint8_t* image, int pass) {
  if (pass == 0) return PackPass0(image, false);
  PackPass1(image);
  return 1;
}

int CGlobalSettings::CheckAndPackDefaults(std::uint8_t* image, int pass) {
  if (pass == 0) return PackPass0(image, true);
  PackPass1(image);
  return 1;
}

int CGlobalSettings::PackPass0(std::uint8_t* image, bool defaults) {
  const CChannelStore& store = Model().store;
  const CKeyAssignSection& keys = Model().keys;

  // Bits the radio needs whatever the pages set.
  byte42 = std::uint8_t((byte42 & ~0x10) | 0x80);
  byte182 = WithBits(byte182, 0x40, backLightFlag ? 1 : 0);
  byte205 |= 0x10;

  // Paging decode in any DTMF word turns bit 7 of byte 30 off.
  if (Model().dtmf.AnyPagingDecoding()) byte30 &= 0x7F;
  image[30] = std::uint8_t((byte30 & ~0x40) | 0x20);
  image[31] = byte31;
  image[img::kHardware] = std::uint8_t(hardwareByte);
  if (defaults) image[33] = byte33;
  std::copy_n(password.begin(), password.size(), image + img::kPassword);
  image[42] = byte42;
  image[43] = byte43;

  // The home zone is needed by a home key, home group scan and revert group mode 01.
  if (keys.HasFunction(CKeyAssignSection::kHomeZone) || (byte182 & 0x20) || (byte208 & 0x18) == 0x08) {
    if (!store.IsZoneInUse(homeSystem)) {
      Host().ShowMessage("Home Zone has not been programmed");
      return 0;
    }
  }
  image[kHomeGroup] = 0;
  image[kHomeZone] = homeSystem;

  image[182] = byte182;
  image[183] = byte183;
  image[184] = byte184;
  image[185] = byte185;
  byte186 &= 0xEF;
  image[186] = byte186;
  image[187] = byte187;
  image[200] = byte200;
  byte202 |= 0x02;
  image[202] = defaults ? byte202 : std::uint8_t((image[202] & 0xF0) | (byte202 & 0x0F));
  image[204] = byte204;
  byte205 |= 0x20;
  image[205] = byte205;
  image[206] = byte206;
  image[207] = byte207;

  // Power-on status "Zone 1" needs zone 1 and its group 1.
  if ((byte208 & 0xE0) == 0x20 && (!store.IsZoneInUse(0) || !GroupInUse(0))) {
    Host().ShowMessage("Please set up the Zone 1/Group 1.");
    return 0;
  }

  if (keys.HasFunction(CKeyAssignSection::kPhoneInterconnect)) byte208 |= 0x18;
  image[208] = byte208;
  image[209] = byte209;
  image[kDataGroup] = 0;
  image[kDataZone] = dataZone;
  image[212] = byte212;
  image[213] = std::uint8_t((byte213 & ~0x06) | 0x09);

  for (int n = 0; n < 4; ++n) {
    if (keys.HasFunction(CKeyAssignSection::kShortCut1 + n) && !store.IsZoneInUse(shortCutZone[n])) {
      Host().ShowMessage("Short cut # " + std::to_string(n + 1) + " has not been programmed");
      return 0;
    }
    image[kShortCutGroup1 + 2 * n] = 0;
    image[kShortCutGroup1 + 2 * n + 1] = shortCutZone[n];
  }

  if (defaults) afMinVrLevel = 0;
  image[222] = byte222;
  image[223] = byte223;
  image[224] = byte224;
  image[225] = byte225;
  image[226] = afMinVrLevel;
  image[227] = byte227;
  image[228] = byte228;
  image[229] = byte229;
  image[230] = byte230;
  image[231] = byte231;
  image[232] = byte232;
  image[233] = byte233;

  // The emergency group is written as its number within the emergency zone; a
  // group that does not lie in that zone is written as none and refused when the
  // emergency key needs it.
  const std::uint8_t emergencyNumber = GroupNumberIn(emergencyGroup, emergencySystem);
  if (keys.HasFunction(CKeyAssignSection::kEmergency)) {
    if (!store.IsZoneInUse(emergencySystem)) {
      Host().ShowMessage("Emergency Zone has not been programmed");
      return 0;
    }
    if (emergencyNumber == kNone || !GroupInUse(emergencyGroup)) {
      Host().ShowMessage("Emergency Group has not been programmed");
      return 0;
    }
  }
  image[kEmergencyGroup] = emergencyNumber;
  image[kEmergencyZone] = emergencySystem;
  if (defaults) image[236] = byte236;

  image[244] = byte244;
  image[246] = byte246;
  image[247] = byte247;
  if (defaults) image[img::kSystemType] = systemType;
  image[704] = byte704;
  if (!defaults) byte705 |= 0x40;
  image[705] = byte705;
  std::copy_n(accOutputFunction.begin(), accOutputFunction.size(), image + kAccOutput);
  for (int k = 0; k < 5; ++k) image[kAccInput[k]] = accInputFunction[k];
  // A switch zone that is no zone, and a position that is no in-use group of
  // the switch zone, are none.
  NormaliseSwitchTable(Model());
  image[kGroupSwitchZone] = groupSwitchZone;
  for (int k = 0; k < 16; ++k) image[kGroupSwitchGroups + k] = GroupNumberIn(groupSwitchGroup[k], groupSwitchZone);
  image[748] = byte748;
  image[755] = byte755;
  image[756] = byte756;
  image[757] = byte757;
  image[758] = extMicSense;
  std::copy_n(emergencyCode.begin(), emergencyCode.size(), image + kEmergencyCode);
  return 1;
}

// The last image blocks that hold a programmed channel and a group in use; the
// send skips the blocks beyond them.
void CGlobalSettings::PackPass1(std::uint8_t* image) {
  const CChannelStore& store = Model().store;
  for (int i = kChannelCount - 1; i >= 0; --i) {
    if (!store.channels[i].IsProgrammed()) continue;
    int block = kFirstChannelBlock;
    if (i >= 5) block += (25 * (i + 1) + 3 * (i / 5)) / int(kBlockSize);
    // The configured memory map may end earlier; 0 means none is configured.
    const int limit = Host().GetMemMap3();
    if (limit > 0 && block > limit) block = limit;
    lastChannelBlock = std::uint8_t(std::clamp(block, 0, 255));
    break;
  }
  for (int g = kGroupCount - 1; g >= 0; --g) {
    if (!GroupInUse(g)) continue;
    lastGroupBlock = std::uint8_t(kFirstGroupBlock + 16 * g / int(kBlockSize));
    break;
  }
  image[kLastChannelBlock] = lastChannelBlock;
  image[kLastGroupBlock] = lastGroupBlock;
}

std::uint8_t CGlobalSettings::optionBoardCode() const {
  if ((byte247 & 0x07) == 4 && (byte247 >> 5) == 3) return 4;
  if ((byte247 & 0x07) == 3) return 3;
  return 0;
}

void CGlobalSettings::SetOptionBoardCode(std::uint8_t code) {
  const std::uint8_t kept = byte247 & 0x18;
  if (code == 4)
    byte247 = kept | 0x64;
  else if (code == 3)
    byte247 = kept | 0x03;
  else
    byte247 = kept;
}

std::string CGlobalSettings::PasswordText() const {
  std::string text;
  for (char c : password) {
    if (c == '\0') break;
    text += c;
  }
  return text;
}

void CGlobalSettings::SetPasswordText(const std::string& text) {
  for (std::size_t i = 0; i < password.size(); ++i) {
    if (text.empty()) password[i] = '\0';
    else password[i] = i < text.size() ? text[i] : ' ';
  }
}

std::uint8_t CGlobalSettings::GroupIndexOf(int g, int z) const {
  if (g < 0 || g == kNone || z < 0 || z >= kZoneCount) return kNone;
  if (g >= Model().store.GetGroupCount(z)) return kNone;
  const int index = Model().store.CountGroupsBeforeZone(z) + g;
  return index < kGroupCount ? std::uint8_t(index) : kNone;
}

std::uint8_t CGlobalSettings::GroupInZone(int g) const {
  if (g < 0 || g >= kGroupCount) return kNone;
  for (int z = 0; z < kZoneCount; ++z) {
    const int count = Model().store.GetGroupCount(z);
    if (g < count) return std::uint8_t(g);
    g -= count;
  }
  return kNone;
}

// Global group index g as a number within zone z; 255 when g is not one of z's groups.
std::uint8_t CGlobalSettings::GroupNumberIn(int g, int z) const {
  if (g < 0 || g >= kGroupCount || z < 0 || z >= kZoneCount) return kNone;
  const int first = Model().store.CountGroupsBeforeZone(z);
  if (g < first || g >= first + Model().store.GetGroupCount(z)) return kNone;
  return std::uint8_t(g - first);
}

bool CGlobalSettings::GroupInUse(int g) const { return g >= 0 && g < kGroupCount && Model().store.groups[g].InUse(); }
