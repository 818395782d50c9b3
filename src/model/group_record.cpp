#include "model/group_record.h"

#include <cstdio>
#include <cstring>

#include "model/group_fields.h"
#include "model/image.h"
#include "model/model_host.h"

namespace {

constexpr char kToneMessage[] = "Please set up the CTCSS/DCS information or disable the Horn alert function.";
constexpr char kAniMessage[] =
    "Please set up the ANI code at [DTMF ANI] menu or disable the ANI function at the each Group.";
constexpr char kTpacMessage[] = "DCS code not been programmed for the TPAC function on Zone %d";

}  // namespace

void CGroupRecord::SetDefaultName(int index) {
  // "GROUP%3.3d" of index + 1, without the cost of a format for each of 250 records.
  const unsigned n = unsigned(index + 1) % 1000u;
  std::memcpy(name, "GROUP000", sizeof name);
  name[5] = char('0' + n / 100);
  name[6] = char('0' + n / 10 % 10);
  name[7] = char('0' + n % 10);
}

void CGroupRecord::Reset(int index) {
  byte0 = 135;
  byte1 = byte2 = byte3 = 0;
  byte4 = byte5 = 255;
  channelWord = index == 0 ? 0 : kNoChannel;
  idWord = 1;
  SetDefaultName(index);
  flags = index == 0 ? kGroupInUse : 0;
}

void CGroupRecord::SetDefaultData(std::uint8_t zoneFormat) {
  byte0 = 0x87;
  byte1 = byte2 = byte3 = 0;
  byte4 = byte5 = 0xFF;
  channelWord = IsLtrFormat(zoneFormat) ? 0x13FF : 0x03FF;
}

bool CGroupRecord::HasToneInformation() const {
  const int type = ToneType();
  return type == 8 || type == 16 || type == 24;
}

void CGroupRecord::UnpackFromImage(int g, const std::uint8_t* image, bool idLayout) {
  const std::uint8_t* p = image + GroupOffset(g);
  byte0 = p[0];
  byte1 = p[1];
  byte2 = p[2];
  byte3 = p[3];
  // Bytes 4..5 hold one field or the other; the one they do not hold gets its reset value.
  const CGroupRecord reset;
  if (idLayout) {
    idWord = GetBE16(p + 4);
    byte4 = reset.byte4;
    byte5 = reset.byte5;
  } else {
    byte4 = p[4];
    byte5 = p[5];
    idWord = reset.idWord;
  }
  channelWord = GetBE16(p + 6);
  GetText(p + 8, name, 8);
}

int CGroupRecord::CheckAndPack(int g, std::uint8_t* image, const GroupPackContext& context, IModelHost& host) {
  if (InUse()) {
    const bool hornAlert = (channelWord & kHornAlertMask) >= 0x2000;
    if (hornAlert && !HasToneInformation()) {
      host.ShowMessage(kToneMessage);
      return 0;
    }
    if (!IsLtrFormat(context.zoneFormat) && (byte3 & 0x08) && !HasToneInformation()) {
      host.ShowMessage(kToneMessage);
      return 0;
    }
    if (byte1 & 0x80) {
      const std::uint8_t code = context.aniFromPttOff ? context.aniCode2 : context.aniCode1;
      if (code == 0) {
        host.ShowMessage(kAniMessage);
        return 0;
      }
    }
    if (channelWord & kTpacBit) {
      const int type = ToneType();
      const int subType = byte2 & 0x07;
      if (!((type == 16 || type == 24) && (subType == 2 || subType == 3))) {
        char text[sizeof kTpacMessage + 12];
        std::snprintf(text, sizeof text, kTpacMessage, context.zoneNumber);
        host.ShowMessage(text);
        return 0;
      }
    }
  }

  std::uint8_t* p = image + GroupOffset(g);
  p[0] = byte0;
  if (context.idLayout) {
    SetBE16(p + 4, idWord);
  } else {
    p[4] = byte4;
    p[5] = byte5;
  }
  p[1] = byte1;
  p[2] = byte2;
  byte3 &= std::uint8_t(~0x04);
  p[3] = byte3;
  SetBE16(p + 6, channelWord);
  SetText(p + 8, name, 8);
  return 1;
}

void CDefaultGroupRecord::SetBits(DefaultGroupBits at, std::uint32_t code) {
  if (at.where == group_default::kWord)
    word = WithBits(word, at.mask, code);
  else
    byte[at.where] = WithBits(byte[at.where], std::uint8_t(at.mask), code);
}

void CDefaultGroupRecord::Reset() {
  for (const grp::DefaultGroupInitial& f : grp::kDefaultGroupInitials) SetBits(f.at, f.list.CodeAt(f.list.defaultIndex));
}
