#include "model/channel_store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "model/edit_model.h"
#include "model/global_fields.h"
#include "model/trunk_fields.h"

namespace {

// Image positions of the store's own data.
constexpr std::size_t kGroupCounts = 44;
constexpr std::size_t kZoneSelections = 76;
constexpr std::size_t kZoneBytesB = 108;
constexpr std::size_t kZoneNotInUse = 142;    // zone bitmap: set = not in use
constexpr std::size_t kZoneSecondFlag = 146;  // zone bitmap: set = zone flag bit 4 clear
constexpr std::size_t kGroupFlagBit1 = 150;   // group bitmap: set = flag bit 1 clear
constexpr std::size_t kGroupNotInUse = 582;   // group bitmap: set = not in use
constexpr std::size_t kGroupFlagBit4 = 614;   // group bitmap: set = flag bit 4 clear
constexpr std::size_t kMessageText = 768;
constexpr std::size_t kSystemNames = 776;
constexpr std::size_t kDisplayTexts = 1032;

constexpr char kConnectDialMessage[] =
    "Please set up the Connect Dial or disable the Phone Interconnect function.";
constexpr char kInterconnectIdMessage[] =
    "Please set up the Interconnect ID or disable the Phone Interconnect function.";
constexpr char kHomeChannelMessage[] = "Home Channel of SYS # %d has not been programmed";
constexpr char kBlockDecodeMessage[] =
    "LTR Block decode Start ID must be less than Block decode End ID on System %d ";

constexpr int kLastLtrId = 250;

constexpr const char* kDisplayTextDefaults[kDisplayTextCount - 1] = {
    "-CALLED-", "-TAKARD-", "-TXSAVE-", "- SCAN -", "-S SCAN-", "- SKIP -", "- STOP -",
    "-DW ON -", "-DW OFF-", "-FDW ON-", "-TA ON -", "-TA OFF-", "-TS ON -", "-TS OFF-"};

constexpr std::uint8_t kMinuteValues[] = {3, 5, 10, 15, 30, 45, 60};

// Zone z's bit in a 32-zone bitmap: two little-endian 16-bit words, most
// significant bit first.
std::size_t ZoneBitmapByte(int z) { return std::size_t(2 * (z / 16) + 1 - (z / 8) % 2); }
std::uint8_t ZoneBitmapMask(int z) { return std::uint8_t(0x80 >> (z % 8)); }

// Group g's bit in a 250-group bitmap: eight groups a byte, least significant bit first.
bool GroupBit(const std::uint8_t* bitmap, int g) { return (bitmap[g / 8] >> (g % 8)) & 1; }
void SetGroupBit(std::uint8_t* bitmap, int g, bool set) {
  const std::uint8_t mask = std::uint8_t(1 << (g % 8));
  bitmap[g / 8] = set ? std::uint8_t(bitmap[g / 8] | mask) : std::uint8_t(bitmap[g / 8] & ~mask);
}

// Level codes the radio does not use are moved to their neighbours.
std::uint8_t MapLevel(std::uint8_t v, bool osm) {
  switch (v) {
    case 140: case 138: case 136: case 134: return std::uint8_t(v + 1);
    default: break;
  }
  if (osm) return v >= 147 ? 147 : v;
  switch (v) {
    case 5: case 7: case 9: case 11: return std::uint8_t(v - 1);
    default: return v;
  }
}

std::uint8_t MinutesOrDefault(std::uint8_t v) {
  for (std::uint8_t m : kMinuteValues)
    if (v == m) return v;
  return 3;
}

// The first byte of a level pair: the RSSI base of image byte 11 plus the level
// code read as sign and magnitude, kept within a byte.
std::uint8_t LevelBase(std::uint8_t base, std::uint8_t code) {
  const int level = (code & 0x80) ? -(code & 0x7F) : code;
  return std::uint8_t(std::clamp(base + level, 0, 255));
}

// Up to eight characters into a nine-byte field, the rest zero.
void CopyText(char* out, const char* text) {
  std::memset(out, 0, 9);
  std::copy(text, std::find(text, text + 8, '\0'), out);
}

}  // namespace

// ---------------------------------------------------------------------------
// Counts and accessors

void CChannelStore::UpdateGroupTotals() {
  int total = 0;
  for (int z = 0; z < kZoneCount; ++z) total += groupCount[z];
  groupTotal = std::uint32_t(total);
  freeGroupPool = std::uint32_t(std::max(0, kGroupCount - total));
}

int CChannelStore::CountGroupsBeforeZone(int z) const {
  int first = 0;
  for (int k = 0; k < z && k < kZoneCount; ++k) first += groupCount[k];
  return first;
}

int CChannelStore::GetFirstGroupIndex(int z, int g) const { return g == 0 ? 0 : g + CountGroupsBeforeZone(z); }

int CChannelStore::ZoneOfGroup(int g) const {
  if (g < 0 || g >= kGroupCount) return -1;
  int end = 0;
  for (int z = 0; z < kZoneCount; ++z) {
    end += groupCount[z];
    if (g < end) return z;
  }
  return -1;
}

void CChannelStore::SetChannelFreq1(int i, std::int32_t value) {
  if (i >= 0 && i < kChannelCount) channels[i].rxFreq = value;
}

void CChannelStore::SetChannelFreq2(int i, std::int32_t value) {
  if (i >= 0 && i < kChannelCount) channels[i].txFreq = value;
}

int CChannelStore::HomeRepeater(int z) const {
  if (z < 0 || z >= kZoneCount) return 0;
  const int home = zoneHomeRepeater[z] & 0x7F;
  return home <= kRepeatersPerZone ? home : 0;
}

bool CChannelStore::IsLtrSystemType() const { return gf::kLtrCaptions.Get(Model()) != 0; }

bool CChannelStore::GroupUsesIdLayout(int g) const {
  const int z = ZoneOfGroup(g);
  if (z >= 0) return IsPassPortFormat(zoneFormat[z]);
  // A group outside every zone: by the radio's system type, the same way in and out.
  return !IsLtrSystemType();
}

// ---------------------------------------------------------------------------
// Defaults

void CChannelStore::SetSystemDefaults(int z, int kind) {
  if (z < 0 || z >= kZoneCount) return;
  zoneTxPower[z] = 0;
  zoneTxTimeout[z] = 0x66;
  for (std::uint16_t& word : zoneRepeaters[z]) word = kNoChannel;

  if (kind == kSystemConventional) {
    zoneHomeRepeater[z] = 0;
    zoneInterconnectLtrId[z] = 0;
    zoneRxIdStart[z] = 0;
    zoneRxIdStop[z] = 0;
    zoneTxInhibitIdStart[z] = 0;
    zoneTxInhibitIdStop[z] = 0;
    zonePassPortFlags[z] = 0;
    zoneScanWords[z] = 0;
    zoneRevertGroup[z] = 255;
    zoneDisconnectDial[z] = 240;
    zoneFormat[z] = 136;
    zoneChannelHangTime[z] = 0;
    zoneChannelFadeTime[z] = 0;
    zonePrefixCode[z] = 0;
  } else if (kind == kSystemPassPort) {
    zoneHomeRepeater[z] = 255;
    zoneInterconnectLtrId[z] = 20;
    zoneRxIdStart[z] = 5;
    zoneRxIdStop[z] = 4;
    zoneTxInhibitIdStart[z] = 20;
    zoneTxInhibitIdStop[z] = 5;
    zonePassPortFlags[z] = 0;
    zoneScanWords[z] = 255;
    zoneRevertGroup[z] = 0;
    zoneDisconnectDial[z] = 255;
    zoneFormat[z] = 144;
    zoneChannelHangTime[z] = 3;
    zoneChannelFadeTime[z] = 3;
    zonePrefixCode[z] = 255;
    zoneFlags2[z] = 34;
    zoneAffiliatedSystemId[z] = 1;
    zoneHomeSystemId[z] = 1;
    zoneMobileId[z] = 1;
    for (int k = 0; k < 3; ++k) {
      zoneHomeChannelWords[k][z] = k == 0 ? 0x5001 : 0xFFFF;
      zoneBackupHomeChannelWords[k][z] = k == 0 ? 0x5001 : 0xFFFF;
    }
    zonePassPortRssiFlags[z] = 255;
    zoneRssiDuration[z] = 255;
    zoneLookbackTime[z] = 255;
  } else {
    zoneHomeRepeater[z] = 1;
    zoneInterconnectLtrId[z] = 255;
    zoneRxIdStart[z] = 255;
    zoneRxIdStop[z] = 255;
    zoneTxInhibitIdStart[z] = 255;
    zoneTxInhibitIdStop[z] = 255;
    zonePassPortFlags[z] = 17;
    zoneScanWords[z] = 42;
    zoneRevertGroup[z] = 255;
    zoneDisconnectDial[z] = 240;
    zoneFormat[z] = 132;
    zoneChannelHangTime[z] = 40;
    zoneChannelFadeTime[z] = 4;
    zonePrefixCode[z] = 10;
  }
}

void CChannelStore::ResetSystemGroups(int z) {
  if (z < 0 || z >= kZoneCount) return;
  const int first = CountGroupsBeforeZone(z);
  const int end = std::min(first + int(groupCount[z]), kGroupCount);
  for (int g = first; g < end; ++g) groups[g].SetDefaultData(zoneFormat[z]);
}

namespace {

// Moves whole records by the map; the places that keep no record and receive
// none are handed to `empty`.
template <class Record, std::size_t N, class Empty>
void MoveByMap(Record (&records)[N], const RecordMap& map, Empty empty) {
  static_assert(N == std::size_t(kGroupCount));
  std::vector<std::pair<int, Record>> moving;
  std::bitset<N> filled;
  for (int i = 0; i < int(N); ++i) {
    if (map.Stays(i)) filled.set(std::size_t(i));
    else if (!map.Gone(i)) moving.emplace_back(map.to[std::size_t(i)], records[i]);
  }
  for (auto& [to, record] : moving) {
    records[to] = std::move(record);
    filled.set(std::size_t(to));
  }
  for (int i = 0; i < int(N); ++i)
    if (!filled[std::size_t(i)]) empty(i);
}

}  // namespace

std::vector<std::string> CChannelStore::MoveGroupRecords(const RecordMap& map) {
  MoveByMap(groups, map, [](int) {});
  return FollowGroups(Model(), map);
}

void CChannelStore::MoveChannelRecords(const RecordMap& map) {
  MoveByMap(channels, map, [this](int c) { ResetChannelRecord(c); });
  FollowChannels(Model(), map);
}

void CChannelStore::ResetChannelRecord(int c) {
  if (c < 0 || c >= kChannelCount) return;
  channels[c].SetDefaults(Model());
  NameChannel(c);
}

void CChannelStore::NameChannel(int c) {
  // " CH-%3.3d " of c + 1, without the cost of a format for each of 250 records.
  char* name = channels[c].name;
  const unsigned n = unsigned(c + 1) % 1000u;
  std::memcpy(name, " CH-000 ", 9);
  name[4] = char('0' + n / 100);
  name[5] = char('0' + n / 10 % 10);
  name[6] = char('0' + n % 10);
}

void CChannelStore::ResetChannels(bool onlyNotProgrammed) {
  m_channelDefaults.SetDefaults(Model());
  for (int c = 0; c < kChannelCount; ++c) {
    if (onlyNotProgrammed && channels[c].IsProgrammed()) continue;
    KeepName(c, [&] { channels[c] = m_channelDefaults; });
    if (!onlyNotProgrammed) NameChannel(c);
  }
}

void CChannelStore::ClearChannelReferences(int c) {
  if (c < 0 || c >= kChannelCount) return;
  RecordMap map;
  map.to[std::size_t(c)] = RecordMap::kGone;
  FollowChannels(Model(), map);
}

void CChannelStore::Reset() {
  // The channel defaults interpolate on the tuning tables: reset those first.
  tuning.Reset(Model().global.bandFlag);
  ResetRecords();
  DefaultGroupRecord.Reset();
}

// Everything but the tuning tables and the group pages' Default column.
void CChannelStore::ResetRecords() {
  std::fill(std::begin(groupCount), std::end(groupCount), 0);
  std::fill(std::begin(zoneFlags), std::end(zoneFlags), 0);
  std::fill(std::begin(zoneGroupSelection), std::end(zoneGroupSelection), 0);
  std::fill(std::begin(zoneByteB), std::end(zoneByteB), 0);
  groupCount[0] = 1;
  zoneFlags[0] = kZoneInUse;
  UpdateGroupTotals();
  channelCapacity = kChannelCount;
  groupCapacity = kGroupCount;
  groupsPerStore = kGroupCount;
  zoneCapacity = kZoneCount;

  for (int g = 0; g < kGroupCount; ++g) groups[g].Reset(g);
  ResetChannels(false);
  channels[0].programmed = 1;

  CopyText(messageText, "SELFTEST");
  for (int z = 0; z < kZoneCount; ++z) {
    std::snprintf(systemNames[z], sizeof systemNames[z], "SYSTEM%2.2u", unsigned(z + 1) % 100u);
    SetSystemDefaults(z, kSystemConventional);
    ResetPassPortFields(z);
  }
  for (int k = 0; k < kDisplayTextCount - 1; ++k) CopyText(displayTexts[k], kDisplayTextDefaults[k]);
  CopyText(displayTexts[kDisplayTextCount - 1], "");

  // A reset model is the same whether it was just built or reset later.
  for (CSelCallRecord& entry : selCalls) entry = CSelCallRecord();
  for (CSeedChannelRecord& seed : seedChannels) seed = CSeedChannelRecord();
  for (CTuningPointRecord& point : tuningPoints) point = CTuningPointRecord();
  std::fill(std::begin(extraBytes), std::end(extraBytes), std::uint8_t(0));
}

// The PassPort fields of a zone as a model just built holds them.
void CChannelStore::ResetPassPortFields(int z) {
  zoneFlags2[z] = 0;
  zoneAffiliatedSystemId[z] = 0;
  zoneHomeSystemId[z] = 0;
  zoneMobileId[z] = 0;
  for (int k = 0; k < 3; ++k) {
    zoneHomeChannelWords[k][z] = 0;
    zoneBackupHomeChannelWords[k][z] = 0;
  }
  zonePassPortRssiFlags[z] = 0;
  zoneRegisteredRssi[z] = 0;
  zoneOsmRssi[z] = 0;
  zoneRssiDuration[z] = 3;  // what a PassPort image gives for a byte that holds no minutes
  zoneLookbackRssi[z] = 0;
  zoneLookbackTime[z] = 0;
}

// ---------------------------------------------------------------------------
// Unpack

void CChannelStore::UnpackFromImage(const std::uint8_t* image) {
  // Whatever the image does not give holds its reset value: nothing of the data
  // held before reaches these. The tuning tables are the tail's (UnpackTuning).
  // The channel defaults the reset works out read the production type and the
  // image's tuning bytes: those of this image, not of the data before.
  modelWord = (std::uint32_t(image[img::kProductionType]) << 8) + image[img::kModelWordLow];
  std::memcpy(tuning.imageBytes, image + CTuningData::kImageFirst, CTuningData::kImageCount);
  ResetRecords();
  channelCapacity = kChannelCount;
  groupCapacity = kGroupCount;
  groupsPerStore = kGroupCount;
  zoneCapacity = kZoneCount;
  freeGroupPool = kGroupCount;

  // Group flags from the three bitmaps, in this order.
  for (int g = 0; g < kGroupCount; ++g) {
    std::uint8_t flags = GroupBit(image + kGroupFlagBit4, g) ? 0 : kGroupScanDealer;
    if (GroupBit(image + kGroupNotInUse, g))
      flags &= 0xF0;
    else
      flags |= kGroupInUse;
    if (GroupBit(image + kGroupFlagBit1, g))
      flags &= std::uint8_t(~kGroupScanUser);
    else
      flags |= kGroupScanUser;
    groups[g].flags = flags;
  }

  for (int z = 0; z < kZoneCount; ++z) {
    const std::size_t at = ZoneBitmapByte(z);
    const std::uint8_t mask = ZoneBitmapMask(z);
    std::uint8_t flags = (image[kZoneSecondFlag + at] & mask) ? 0 : kZoneScan;
    if (image[kZoneNotInUse + at] & mask)
      flags &= std::uint8_t(~kZoneInUse);
    else
      flags |= kZoneInUse;
    zoneFlags[z] = flags;
  }

  GetText(image + kMessageText, messageText, 8);
  for (int z = 0; z < kZoneCount; ++z) GetText(image + kSystemNames + 8 * z, systemNames[z], 8);
  for (int k = 0; k < kDisplayTextCount; ++k) GetText(image + kDisplayTexts + 8 * k, displayTexts[k], 8);

  // Group counts; a total beyond the store or no group at all gives zone 0 every group.
  int total = 0;
  for (int z = 0; z < kZoneCount; ++z) {
    groupCount[z] = image[kGroupCounts + z];
    total += groupCount[z];
  }
  if (total > kGroupCount) {
    total = 0;
    groupCount[0] = 0;
  }
  if (total == 0 && groupCount[0] == 0) {
    std::fill(std::begin(groupCount), std::end(groupCount), 0);
    groupCount[0] = kGroupCount;
  }
  UpdateGroupTotals();

  const bool ltr = IsLtrSystemType();
  for (int z = 0; z < kZoneCount; ++z) {
    const std::uint8_t selection = image[kZoneSelections + z];
    zoneGroupSelection[z] = selection == 255 ? 0 : std::uint8_t(selection + 1);
    zoneByteB[z] = image[kZoneBytesB + z];
    UnpackZoneRecord(z, image, ltr);
  }
}

void CChannelStore::UnpackZoneRecord(int z, const std::uint8_t* image, bool ltr) {
  const std::uint8_t* r = image + ZoneOffset(z);
  zoneTxPower[z] = r[0];
  std::uint8_t timeout = r[1];
  if (timeout < 16) timeout = std::uint8_t((timeout & 0x0F) | 0x60);
  if ((timeout & 0x0F) == 0) timeout = std::uint8_t((timeout & 0xF6) | 0x06);
  zoneTxTimeout[z] = timeout;
  zoneHomeRepeater[z] = r[2];
  zoneInterconnectLtrId[z] = r[3];
  zoneRxIdStart[z] = r[4];
  zoneRxIdStop[z] = r[5];
  zoneTxInhibitIdStart[z] = r[6];
  zoneTxInhibitIdStop[z] = r[7];
  zonePassPortFlags[z] = r[8];
  zoneScanWords[z] = r[9];
  zoneRevertGroup[z] = r[10];
  zoneDisconnectDial[z] = r[11];
  zoneFormat[z] = r[12];
  zoneChannelHangTime[z] = r[13];
  zoneChannelFadeTime[z] = r[14];
  zonePrefixCode[z] = r[15];

  // Bytes 16.. hold one layout or the other; the fields of the layout the image
  // does not hold are reset, so that nothing of an earlier file stays behind.
  if (ltr) {
    for (int k = 0; k < kRepeatersPerZone; ++k) zoneRepeaters[z][k] = GetBE16(r + 16 + 2 * k);
    ResetPassPortFields(z);
    return;
  }
  for (std::uint16_t& word : zoneRepeaters[z]) word = kNoChannel;
  zoneFlags2[z] = r[16];
  zoneAffiliatedSystemId[z] = r[17];
  zoneHomeSystemId[z] = GetBE16(r + 18);
  zoneMobileId[z] = GetBE16(r + 20);
  for (int k = 0; k < 3; ++k) {
    zoneHomeChannelWords[k][z] = GetBE16(r + 22 + 2 * k);
    zoneBackupHomeChannelWords[k][z] = GetBE16(r + 28 + 2 * k);
  }
  zonePassPortRssiFlags[z] = r[34];
  zoneRegisteredRssi[z] = MapLevel(r[39], false);
  zoneOsmRssi[z] = MapLevel(r[41], true);
  zoneRssiDuration[z] = MinutesOrDefault(r[42]);
  zoneLookbackRssi[z] = MapLevel(r[47], false);
  zoneLookbackTime[z] = r[48] == 255 ? 3 : r[48];
}

// ---------------------------------------------------------------------------
// Check and pack

int CChannelStore::CheckAndPack(std::uint8_t* image) {
  for (int g = 0; g < kGroupCount; ++g) {
    SetGroupBit(image + kGroupFlagBit4, g, !(groups[g].flags & kGroupScanDealer));
    SetGroupBit(image + kGroupNotInUse, g, !(groups[g].flags & kGroupInUse));
  }
  // The last byte of this bitmap holds no bits for the non-existent groups 250..255.
  image[kGroupFlagBit1 + 31] &= 0x03;
  for (int g = 0; g < kGroupCount; ++g) SetGroupBit(image + kGroupFlagBit1, g, !(groups[g].flags & kGroupScanUser));

  for (int z = 0; z < kZoneCount; ++z) {
    const std::size_t at = ZoneBitmapByte(z);
    const std::uint8_t mask = ZoneBitmapMask(z);
    std::uint8_t& second = image[kZoneSecondFlag + at];
    second = (zoneFlags[z] & kZoneScan) ? std::uint8_t(second & ~mask) : std::uint8_t(second | mask);
    std::uint8_t& notInUse = image[kZoneNotInUse + at];
    notInUse = (zoneFlags[z] & kZoneInUse) ? std::uint8_t(notInUse & ~mask) : std::uint8_t(notInUse | mask);
  }

  SetText(image + kMessageText, messageText, 8);
  for (int z = 0; z < kZoneCount; ++z) SetText(image + kSystemNames + 8 * z, systemNames[z], 8);
  for (int k = 0; k < kDisplayTextCount; ++k) SetText(image + kDisplayTexts + 8 * k, displayTexts[k], 8);

  for (int z = 0; z < kZoneCount; ++z) {
    image[kZoneSelections + z] = 255;
    image[kZoneBytesB + z] = 0;
    image[kGroupCounts + z] = groupCount[z];
  }

  const bool ltr = IsLtrSystemType();
  const bool interconnectKey = Model().keys.HasFunction(CKeyAssignSection::kPhoneInterconnect);
  for (int z = 0; z < kZoneCount; ++z)
    if (!CheckAndPackZone(z, image, ltr, interconnectKey)) return 0;
  return 1;
}

int CChannelStore::CheckAndPackZone(int z, std::uint8_t* image, bool ltrSystem, bool interconnectKey) {
  std::uint8_t* r = image + ZoneOffset(z);
  const bool inUse = IsZoneInUse(z);
  const bool ltr = IsLtrFormat(zoneFormat[z]);
  char text[128];

  if (interconnectKey && inUse && (zoneTxPower[z] & 0x80)) {
    if (!ltr && zoneHomeRepeater[z] < 16) {
      Host().ShowMessage(kConnectDialMessage);
      return 0;
    }
    if (ltr && zoneInterconnectLtrId[z] == 255) {
      Host().ShowMessage(kInterconnectIdMessage);
      return 0;
    }
  }
  r[0] = zoneTxPower[z];
  r[1] = zoneTxTimeout[z];

  const int home = HomeRepeater(z);
  if (inUse && ltr) {
    if (home == 0 || (zoneRepeaters[z][home - 1] & kChannelRefMask) == kNoChannel) {
      std::snprintf(text, sizeof text, kHomeChannelMessage, z + 1);
      Host().ShowMessage(text);
      return 0;
    }
    const std::uint8_t pairs[2][2] = {{zoneRxIdStart[z], zoneRxIdStop[z]},
                                      {zoneTxInhibitIdStart[z], zoneTxInhibitIdStop[z]}};
    for (const auto& pair : pairs) {
      const int start = pair[0], end = pair[1];
      if (start == 255 && end == start) continue;
      if (start == 0 || start > end || end > kLastLtrId) {
        std::snprintf(text, sizeof text, kBlockDecodeMessage, z + 1);
        Host().ShowMessage(text);
        return 0;
      }
    }
  }

  r[2] = zoneHomeRepeater[z];
  r[3] = zoneInterconnectLtrId[z];
  r[4] = zoneRxIdStart[z];
  r[5] = zoneRxIdStop[z];
  r[6] = zoneTxInhibitIdStart[z];
  r[7] = zoneTxInhibitIdStop[z];
  r[8] = zonePassPortFlags[z];
  r[9] = zoneScanWords[z];
  r[10] = zoneRevertGroup[z];
  r[11] = zoneDisconnectDial[z];
  r[12] = zoneFormat[z];
  r[13] = zoneChannelHangTime[z];
  r[14] = zoneChannelFadeTime[z];
  r[15] = zonePrefixCode[z];

  if (ltrSystem) {
    // The home repeater of an LTR zone always carries interconnect and dispatch.
    if (home != 0 && tf::HomeSlotFlagsForced(Model(), tf::RepeaterKey(z, home - 1)))
      zoneRepeaters[z][home - 1] |= kRepeaterInterconnect | kRepeaterDispatch;
    for (int k = 0; k < kRepeatersPerZone; ++k) SetBE16(r + 16 + 2 * k, zoneRepeaters[z][k]);
  } else {
    PackPassPortFields(z, r);
  }
  return 1;
}

void CChannelStore::PackPassPortFields(int z, std::uint8_t* r) const {
  r[16] = zoneFlags2[z];
  r[17] = zoneAffiliatedSystemId[z];
  SetBE16(r + 18, std::uint16_t(zoneHomeSystemId[z]));
  SetBE16(r + 20, std::uint16_t(zoneMobileId[z]));
  for (int k = 0; k < 3; ++k) {
    SetBE16(r + 22 + 2 * k, zoneHomeChannelWords[k][z]);
    SetBE16(r + 28 + 2 * k, zoneBackupHomeChannelWords[k][z]);
  }
  r[34] = std::uint8_t(zonePassPortRssiFlags[z] | 0x0A);

  const std::uint8_t base = Model().global.byte11;
  auto pair = [&](std::size_t at, std::uint8_t code, std::uint8_t unset) {
    if (code == 255) code = unset;
    r[at] = LevelBase(base, code);
    r[at + 1] = code;
  };
  pair(38, zoneRegisteredRssi[z], 0);
  pair(40, zoneOsmRssi[z], 148);
  pair(46, zoneLookbackRssi[z], 0);
  r[42] = zoneRssiDuration[z];
  r[48] = zoneLookbackTime[z];
}

// ---------------------------------------------------------------------------
// Record movers

void CChannelStore::UnpackGroup(int g, const std::uint8_t* image) {
  if (g < 0 || g >= kGroupCount) return;
  groups[g].UnpackFromImage(g, image, GroupUsesIdLayout(g));
}

int CChannelStore::PackGroup(int g, std::uint8_t* image) {
  if (g < 0 || g >= kGroupCount) return 1;
  const int z = ZoneOfGroup(g);
  GroupPackContext context;
  context.zoneFormat = z >= 0 ? zoneFormat[z] : 0;
  context.zoneNumber = z + 1;
  context.idLayout = GroupUsesIdLayout(g);
  context.aniFromPttOff = gf::kAniTransmission.Get(Model()) != 0;
  context.aniCode1 = std::uint8_t(Model().dtmf.AniCodeLength());
  context.aniCode2 = std::uint8_t(Model().dtmf.AniCodePttOffLength());
  return groups[g].CheckAndPack(g, image, context, Host());
}

void CChannelStore::UnpackChannel(int i, const std::uint8_t* image) {
  if (i < 0 || i >= kChannelCount) return;
  const std::uint8_t* p = image + ChannelOffset(i);
  // A channel that is not programmed: the defaults this unpack's reset worked out once.
  if (p[1] == 0xFF) KeepName(i, [&] { channels[i] = m_channelDefaults; });
  else channels[i].UnpackFromImage(p, Model());
}

void CChannelStore::PackChannel(int i, std::uint8_t* image) {
  if (i >= 0 && i < kChannelCount) channels[i].PackToImage(image + ChannelOffset(i), Model());
}

void CChannelStore::UnpackTuningPoint(int t, const std::uint8_t* image) {
  if (t >= 0 && t < kTuningPointCount) tuningPoints[t].UnpackFromImage(image, t);
}

void CChannelStore::PackTuningPoint(int t, std::uint8_t* image) {
  if (t >= 0 && t < kTuningPointCount) tuningPoints[t].PackToImage(image, t, Model().global.bandFlag, tuning);
}

void CChannelStore::UnpackSelCall(int e, const std::uint8_t* image) {
  if (e >= 0 && e < kSelCallCount) selCalls[e].UnpackFromImage(image, e);
}

void CChannelStore::PackSelCall(int e, std::uint8_t* image) {
  if (e >= 0 && e < kSelCallCount) selCalls[e].PackToImage(image, e);
}

void CChannelStore::UnpackSeedChannel(int s, const std::uint8_t* image) {
  if (s >= 0 && s < kSeedChannelCount) seedChannels[s].UnpackFromImage(image, s);
}

void CChannelStore::PackSeedChannel(int s, std::uint8_t* image) {
  if (s >= 0 && s < kSeedChannelCount) seedChannels[s].PackToImage(image, s);
}

void CChannelStore::UnpackExtraBytes(const std::uint8_t* image) {
  std::memcpy(extraBytes, image + img::kExtraBytes, sizeof extraBytes);
}

void CChannelStore::PackExtraBytes(std::uint8_t* image) {
  constexpr std::size_t kSpare = ChannelOffset(219) + img::kChannelSize - img::kExtraBytes;  // 5
  static_assert(kSpare == 5);
  std::memcpy(image + img::kExtraBytes + kSpare, extraBytes + kSpare, sizeof extraBytes - kSpare);
}

void CChannelStore::UnpackTuning(const std::uint8_t* image, const std::uint8_t* tail, int withTail) {
  tuning.Unpack(image, tail, withTail);
  // The defaults of a channel that is not programmed interpolate on the tables just read.
  if (withTail == 1) ResetChannels(true);
}

void CChannelStore::PackTuning(std::uint8_t* image, std::uint8_t* tail) {
  (void)image;  // the radio's own bytes 14..29 are never written
  tuning.Pack(tail);
}
