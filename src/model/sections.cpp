#include "model/sections.h"

#include <cstring>

#include "model/conversions.h"
#include "model/edit_model.h"

// ---- Group index -----------------------------------------------------------------

int GlobalGroupIndex(const std::uint8_t* zoneGroupCounts, int zoneNumber, int groupNumber) {
  if (groupNumber == 255 || zoneNumber <= 0) return 255;
  int index = groupNumber;
  for (int z = 0; z <= zoneNumber - 2 && z < kZoneCount; ++z) index += zoneGroupCounts[z];
  return index;
}

// ---- CMiscOptionSection -------------------------------------------------------------

void CMiscOptionSection::Reset() {
  flag182Bit4 = 1;
  byte184 = 10;
  byte187 = 10;
  mode208 = 0;
}

void CMiscOptionSection::UnpackFromImage(const std::uint8_t* image) {
  const std::uint8_t zone = image[141];
  homeZoneNumber = zone == 255 ? 0 : (zone & 0x1Fu) + 1;
  // The counts come from the image being unpacked: the store still holds the
  // previous model's counts at this point of the unpack.
  homeGroupIndex = std::uint32_t(GlobalGroupIndex(image + 44, int(homeZoneNumber), image[140]));
  flag182Bit5 = (image[182] >> 5) & 1;
  flag182Bit4 = (image[182] >> 4) & 1;
  byte184 = image[184];
  byte187 = image[187];
  mode208 = (image[208] >> 3) & 3;
}

// ---- CDtmfSettings --------------------------------------------------------------------

void CDtmfSettings::Reset() {
  pauseByte = 0xAD;
  pagingByte = 0x42;
  std::memset(aniCode, 0, sizeof aniCode);
  std::memset(aniCodePttOff, 0, sizeof aniCodePttOff);
  std::memset(dialMemory, 0, sizeof dialMemory);
  for (int r = 0; r < kDialCount; ++r) {
    std::memcpy(dialTag[r], "DIAL    ", kDialBytes + 1);
    dialTag[r][7] = char(r == kIndividualDialZero ? '0' : '1' + r);
    pagingCode[r] = 0x0FFF;
  }
}

void CDtmfSettings::UnpackFromImage(const std::uint8_t* image) {
  pauseByte = image[384];
  pagingByte = image[385];
  std::memcpy(aniCode, image + 386, kDialBytes);
  std::memcpy(aniCodePttOff, image + 394, kDialBytes);
  for (int r = 0; r < kDialCount; ++r) {
    std::memcpy(dialMemory[r], image + 402 + kDialBytes * r, kDialBytes);
    GetText(image + 482 + kDialBytes * r, dialTag[r], kDialBytes);
    pagingCode[r] = GetBE16(image + 562 + 2 * r);
  }
}

int CDtmfSettings::PackToImage(std::uint8_t* image) {
  // Answer Back always goes out off and Auto Reset on.
  pagingByte = std::uint8_t((pagingByte & 0x3F) | 0x40);
  image[384] = pauseByte;
  image[385] = pagingByte;
  std::memcpy(image + 386, aniCode, kDialBytes);
  std::memcpy(image + 394, aniCodePttOff, kDialBytes);
  for (int r = 0; r < kDialCount; ++r) {
    std::memcpy(image + 402 + kDialBytes * r, dialMemory[r], kDialBytes);
    SetText(image + 482 + kDialBytes * r, dialTag[r], kDialBytes);
    SetBE16(image + 562 + 2 * r, pagingCode[r]);
  }
  return 1;
}

const std::uint8_t* CDtmfSettings::DialMemory(int r) const {
  return (r >= 0 && r < kDialCount) ? dialMemory[r] : nullptr;
}

int CDtmfSettings::DialMemoryLength(int r) const {
  const std::uint8_t* s = DialMemory(r);
  return s ? DialLength(s) : 0;
}

bool CDtmfSettings::AnyPagingDecoding() const {
  for (std::uint16_t w : pagingCode)
    if (w & 0x2000) return true;
  return false;
}

// ---- CKeyAssignSection ----------------------------------------------------------------

void CKeyAssignSection::Reset() {
  static const std::uint8_t kDefaults[kSlotCount] = {0, 1, 11, 10, 0, 13, 12, 0, 0, 0, 0, 0, 0};
  std::memcpy(keyFunctionCodes, kDefaults, kSlotCount);
  std::memset(optionCodes, 0, sizeof optionCodes);
  optionBits[0] = 1;
  optionBits[1] = 0;
  optionBits[2] = 0;
  RebuildPresenceMap();
}

void CKeyAssignSection::UnpackFromImage(const std::uint8_t* image) {
  for (int k = 0; k < kPageSlotCount; k += 2) {
    keyFunctionCodes[k] = image[188 + k + 1];
    keyFunctionCodes[k + 1] = image[188 + k];
  }
  keyFunctionCodes[12] = image[201];
  optionCodes[0] = image[203] >> 4;
  optionCodes[1] = image[203] & 0x0F;
  optionCodes[2] = image[202] >> 4;
  for (int b = 0; b < 3; ++b) optionBits[b] = (image[208] >> b) & 1;
  RebuildPresenceMap();
}

int CKeyAssignSection::CheckAndPack(std::uint8_t* image) {
  if (IsProductionType11(Model().store.ProductionType()) && HasFunction(kPhoneInterconnect) &&
      Model().dtmf.DialMemoryLength(CDtmfSettings::kIndividualDialZero) == 0) {
    Host().ShowMessage(
        "Please set up the Individual Dial memory #0 or disable the Phone Interconnect function.");
    return 0;
  }
  for (int k = 0; k < kPageSlotCount; k += 2) {
    image[188 + k + 1] = keyFunctionCodes[k];
    image[188 + k] = keyFunctionCodes[k + 1];
  }
  image[201] = keyFunctionCodes[12];
  image[202] = std::uint8_t((image[202] & 0x0F) | ((optionCodes[2] & 0x0F) << 4));
  image[203] = std::uint8_t(((optionCodes[0] & 0x0F) << 4) | (optionCodes[1] & 0x0F));
  image[208] = std::uint8_t((image[208] & 0xF8) | (optionBits[0] & 1) | ((optionBits[1] & 1) << 1) |
                            ((optionBits[2] & 1) << 2));
  return 1;
}

bool CKeyAssignSection::HasFunction(int code) const {
  for (std::uint8_t c : keyFunctionCodes)
    if (c == code) return true;
  return false;
}

bool CKeyAssignSection::IsFunctionAssigned(int code) const {
  return code > 0 && code < kCodeCount && m_keyFunctionAssigned[code] != 0;
}

void CKeyAssignSection::UpdatePresence(int code) {
  if (code > 0 && code < kCodeCount) m_keyFunctionAssigned[code] = HasFunction(code) ? 1 : 0;
}

void CKeyAssignSection::RebuildPresenceMap() {
  std::memset(m_keyFunctionAssigned, 0, sizeof m_keyFunctionAssigned);
  for (std::uint8_t c : keyFunctionCodes)
    if (c != 0) m_keyFunctionAssigned[c] = 1;
}

// ---- CFlagSection and CMessageSection ----------------------------------------------------

void CFlagSection::Reset() { flag207Bit7 = 1; }

void CFlagSection::UnpackFromImage(const std::uint8_t* image) { flag207Bit7 = image[207] >> 7; }

void CMessageSection::Reset() {
  flag186Bit3 = 1;
  flag209Bit4 = 0;
  otherBytes[0] = 1;
  otherBytes[1] = 0;
  otherBytes[2] = 10;
  std::memcpy(messageText, "SELFTEST", sizeof messageText);
}

void CMessageSection::UnpackFromImage(const std::uint8_t* image) {
  // No image byte holds the default split: it is the band's, as a model reset
  // for the band holds it, whatever the data before were.
  defaultSplit = BandDefaultSplit(Model().global.bandFlag);
  flag182Bit6 = (image[182] >> 6) & 1;
  flag186Bit3 = (image[186] >> 3) & 1;
  flag205Bit1 = (image[205] >> 1) & 1;
  flag209Bit4 = (image[209] >> 4) & 1;
  GetText(image + 768, messageText, 8);
}

// ---- CRadioIdentity ---------------------------------------------------------------------

void CRadioIdentity::DecodeSerial(const std::uint8_t* bytes, char* out) {
  out[0] = DialCharOfCode(bytes[0] >> 4);
  out[1] = char('B' + (bytes[0] & 0x0F));
  for (int i = 1; i < 4; ++i) {
    out[2 * i] = NibbleToHexChar(bytes[i] >> 4);
    out[2 * i + 1] = NibbleToHexChar(bytes[i] & 0x0F);
  }
  out[8] = '\0';
}

bool CRadioIdentity::EncodeSerial(const char* text, std::uint8_t* bytes) {
  if (!text) return false;
  int nibble[8];
  for (int i = 0; i < 8; ++i) {
    const char c = text[i];
    if (c == '\0') return false;
    if (i == 0)
      nibble[i] = c >= 'a' && c <= 'z' ? -1 : DialCodeOfChar(c);  // upper case only
    else if (i == 1)
      nibble[i] = (c >= 'B' && c <= 'Q') ? c - 'B' : -1;
    else
      nibble[i] = ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) ? HexCharToValue(c) : -1;
    if (nibble[i] < 0) return false;
  }
  if (text[8] != '\0') return false;
  for (int i = 0; i < 4; ++i) bytes[i] = std::uint8_t((nibble[2 * i] << 4) | nibble[2 * i + 1]);
  return true;
}

bool CRadioIdentity::SetSerialText(const std::string& text) {
  std::uint8_t bytes[4];
  if (!EncodeSerial(text.c_str(), bytes)) return false;
  std::memcpy(serial, text.c_str(), sizeof serial);
  return true;
}

void CRadioIdentity::UnpackFromImage(const std::uint8_t* image, const std::uint8_t* tail) {
  version[0] = NibbleToHexChar(image[1] >> 4);
  version[1] = NibbleToHexChar(image[1] & 0x0F);
  version[2] = '.';
  version[3] = NibbleToHexChar(image[0] >> 4);
  version[4] = NibbleToHexChar(image[0] & 0x0F);
  version[5] = '\0';

  const std::uint8_t* s = tail + kSerialOffset;
  DecodeSerial(s, serial);
  esnWord1 = std::uint32_t((s[1] >> 4) * 10 + (s[1] & 0x0F));
  esnWord2 = std::uint32_t((s[2] >> 4) * 1000 + (s[2] & 0x0F) * 100 + (s[3] >> 4) * 10 + (s[3] & 0x0F));
}

void CRadioIdentity::PackToImage(std::uint8_t* image, std::uint8_t* area) {
  std::uint8_t bytes[4];
  if (EncodeSerial(serial, bytes)) std::memcpy(area + kSerialOffset, bytes, 4);
}
