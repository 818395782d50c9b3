// CChannelStore: the radio's channels, groups, zones and systems, the Sel Call
// entries, seed channels and tuning points, and the tuning tables of the
// adjustment data. Pages edit its fields in place.
//
// Zones are indices 0..31 (shown from 1), groups global indices 0..249 into
// `groups`; the groups of zone z are the groupCount[z] records that follow those
// of zones 0..z-1. Per-zone data is held as parallel arrays indexed by zone.
//
// Every zone array has one name, the one below; the zone pages, sheets and
// tests reach its bits through the fields named in zone_fields.h.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "model/channel_data.h"
#include "model/group_record.h"
#include "model/image.h"
#include "model/model_part.h"
#include "model/references.h"
#include "model/small_records.h"
#include "model/tuning_data.h"

// A choice list or combo box as the fillers see it. The shell adapts its list
// boxes and combo boxes to this; tests use a plain vector.
class IChoiceList {
 public:
  virtual ~IChoiceList() = default;
  virtual void ResetContent() = 0;
  virtual int AddString(const std::string& text) = 0;               // appended; returns its position
  virtual int InsertString(int position, const std::string& text) = 0;  // -1 appends; returns the position
  virtual void SetCurSel(int position) = 0;                         // -1: no selection
  virtual int GetCount() const = 0;
};

// Position -> zone, group or channel for a filled choice list: entry 0 is the
// "None" entry (255 for zones and groups, 1023 for channels). Entries beyond the
// list's items are left as the caller set them.
inline constexpr std::size_t kListIndexMapSize = 251;
using ListIndexMap = std::array<std::uint32_t, kListIndexMapSize>;

// Bits of zoneFlags.
inline constexpr std::uint8_t kZoneInUse = 0x01;
inline constexpr std::uint8_t kZoneScan = 0x10;

// Bits of zoneFlags2 (PassPort option byte, image byte 16 of the zone record).
inline constexpr std::uint8_t kZoneOptionBand5b = 0x01;
inline constexpr std::uint8_t kZoneOptionTxDataNormal = 0x02;  // clear = "Inverted Tx Data"
inline constexpr std::uint8_t kZoneOptionRxDataInverted = 0x04;  // set = "Inverted Rx Data"
inline constexpr std::uint8_t kZoneOptionNarrow = 0x20;

// Repeater words: bits 0..9 channel (1023 none), 10 TX data phase, 11 RX data
// phase, 12 Data Appli., 13 Interconnect, 14 Dispatch.
inline constexpr std::uint16_t kRepeaterInterconnect = 0x2000;
inline constexpr std::uint16_t kRepeaterDispatch = 0x4000;

// SetSystemDefaults kinds.
inline constexpr int kSystemConventional = 2;
inline constexpr int kSystemPassPort = 4;
inline constexpr int kSystemLtr = 1;  // any kind other than 2 and 4

inline constexpr int kDisplayTextCount = 15;

class CChannelStore : public CModelPart {
 public:
  // The model resets the store once every record exists.
  using CModelPart::CModelPart;

  // --- Records -----------------------------------------------------------------
  CChannelData channels[kChannelCount];
  CGroupRecord groups[kGroupCount];
  CSelCallRecord selCalls[kSelCallCount];
  CSeedChannelRecord seedChannels[kSeedChannelCount];
  CTuningPointRecord tuningPoints[kTuningPointCount];
  CTuningData tuning;              // image 14..29 and the tuning tables of RadioImageTail
  std::uint8_t extraBytes[8] = {};  // image 12,920..12,927 as last unpacked
  std::uint32_t modelWord = 0;      // (image 3 << 8) + image 2

  // The group pages' Default column (not part of the image).
  CDefaultGroupRecord DefaultGroupRecord;

  // --- Counts ------------------------------------------------------------------
  std::uint8_t groupCount[kZoneCount] = {};  // image 44 + z
  std::uint32_t groupTotal = 0;              // sum of the counts
  std::uint32_t freeGroupPool = 0;           // 250 - total, at least 0
  std::uint32_t channelCapacity = kChannelCount;
  std::uint32_t groupCapacity = kGroupCount;
  std::uint32_t groupsPerStore = kGroupCount;
  std::uint32_t zoneCapacity = kZoneCount;

  // --- Texts (8 characters and a terminator) ------------------------------------
  char messageText[9] = {};                      // image 768
  char systemNames[kZoneCount][9] = {};          // image 776 + 8 z
  char displayTexts[kDisplayTextCount][9] = {};  // image 1,032 + 8 k

  // --- Per-zone bytes outside the zone records ------------------------------------
  // Zone group selection: 1-based group number within the zone, 0 = none (image
  // 76 + z holds it 0-based, 255 = none). Not written back: the pack writes 255.
  std::uint8_t zoneGroupSelection[kZoneCount] = {};
  std::uint8_t zoneByteB[kZoneCount] = {};  // image 108 + z; the pack writes 0
  std::uint8_t zoneFlags[kZoneCount] = {};  // bit 0 in use (image 142..145), bit 4 zone scan (146..149)

  // --- Zone/system records (image 1,152 + 64 z) -----------------------------------
  // Bytes 0..12 lie one after the other, in this order (the system data copy
  // copies exactly these 13 arrays).
  std::uint8_t zoneTxPower[kZoneCount] = {};            // 0: bits 0-2 power, bit 7 phone interconnect
  std::uint8_t zoneTxTimeout[kZoneCount] = {};          // 1: bits 4-7 zone, 0-3 interconnect TX timeout
  std::uint8_t zoneHomeRepeater[kZoneCount] = {};       // 2: LTR home repeater 1..20 (bits 6-0), bit 7 AREA; else connect dial
  std::uint8_t zoneInterconnectLtrId[kZoneCount] = {};  // 3: LTR interconnect ID (255 none); PassPort roam start delay
  std::uint8_t zoneRxIdStart[kZoneCount] = {};          // 4: LTR block decode start; PassPort roam search speed
  std::uint8_t zoneRxIdStop[kZoneCount] = {};           // 5: LTR block decode end; PassPort registration resume time
  std::uint8_t zoneTxInhibitIdStart[kZoneCount] = {};   // 6: second block decode start; PassPort roam power-up delay
  std::uint8_t zoneTxInhibitIdStop[kZoneCount] = {};    // 7: second block decode end
  std::uint8_t zonePassPortFlags[kZoneCount] = {};      // 8
  std::uint8_t zoneScanWords[kZoneCount] = {};          // 9
  std::uint8_t zoneRevertGroup[kZoneCount] = {};        // 10: number within the zone, 255 none
  std::uint8_t zoneDisconnectDial[kZoneCount] = {};     // 11
  std::uint8_t zoneFormat[kZoneCount] = {};             // 12: AND 0x1C: 0x04 LTR, 0x10 PassPort, else conventional
  std::uint8_t zoneChannelHangTime[kZoneCount] = {};    // 13
  std::uint8_t zoneChannelFadeTime[kZoneCount] = {};    // 14
  std::uint8_t zonePrefixCode[kZoneCount] = {};         // 15
  // PassPort fields (bytes 16..48 while the system type is PassPort).
  std::uint8_t zoneFlags2[kZoneCount] = {};              // 16 (kZoneOption... bits)
  std::uint8_t zoneAffiliatedSystemId[kZoneCount] = {};  // 17
  std::uint32_t zoneHomeSystemId[kZoneCount] = {};       // 18..19
  std::uint32_t zoneMobileId[kZoneCount] = {};           // 20..21
  // Home channel word and its two companions (22, 24, 26), back-up likewise (28, 30, 32).
  std::uint16_t zoneHomeChannelWords[3][kZoneCount] = {};
  std::uint16_t zoneBackupHomeChannelWords[3][kZoneCount] = {};
  std::uint8_t zonePassPortRssiFlags[kZoneCount] = {};  // 34; packed with bits 3 and 1 set
  std::uint8_t zoneRegisteredRssi[kZoneCount] = {};     // 39 (level pair 38/39): RSSI for registered on
  std::uint8_t zoneOsmRssi[kZoneCount] = {};            // 41 (level pair 40/41): RSSI for decoding OSM
  std::uint8_t zoneRssiDuration[kZoneCount] = {};       // 42: minutes
  std::uint8_t zoneLookbackRssi[kZoneCount] = {};       // 47 (level pair 46/47): RSSI for home lookback
  std::uint8_t zoneLookbackTime[kZoneCount] = {};       // 48: minutes
  // LTR repeater words (bytes 16..55 while the system type is LTR).
  std::uint16_t zoneRepeaters[kZoneCount][kRepeatersPerZone] = {};

  // --- Whole-store operations -------------------------------------------------------
  void Reset();
  void UnpackFromImage(const std::uint8_t* image);
  // Writes the counts, bitmaps, texts and zone records after checking every zone
  // in use; 0 after a refusal (message shown, the bytes written so far stay).
  int CheckAndPack(std::uint8_t* image);

  // --- Record movers (index out of range: nothing happens; a pack returns 1) --------
  void UnpackGroup(int g, const std::uint8_t* image);
  void UnpackChannel(int i, const std::uint8_t* image);
  void UnpackTuningPoint(int t, const std::uint8_t* image);
  void UnpackSelCall(int e, const std::uint8_t* image);
  void UnpackSeedChannel(int s, const std::uint8_t* image);
  void UnpackExtraBytes(const std::uint8_t* image);
  int PackGroup(int g, std::uint8_t* image);  // the group's check: 1, or 0 after its message
  void PackChannel(int i, std::uint8_t* image);
  void PackTuningPoint(int t, std::uint8_t* image);
  void PackSelCall(int e, std::uint8_t* image);
  void PackSeedChannel(int s, std::uint8_t* image);
  // Writes back the three spare bytes 12,925..12,927; 12,920..12,924 are channel
  // 219's own bytes and come from its pack.
  void PackExtraBytes(std::uint8_t* image);
  void UnpackTuning(const std::uint8_t* image, const std::uint8_t* tail, int withTail);
  void PackTuning(std::uint8_t* image, std::uint8_t* tail);

  // --- Accessors ---------------------------------------------------------------------
  std::uint8_t ProductionType() const { return std::uint8_t(modelWord >> 8); }
  int GetGroupCount(int z) const { return (z >= 0 && z < kZoneCount) ? groupCount[z] : 0; }
  // Channel record n and group record g; null for an index that names no record
  // (a channel word's bits can name 250..1022, and 1023 is "none").
  CChannelData* Channel(int n) { return (n >= 0 && n < kChannelCount) ? &channels[n] : nullptr; }
  const CChannelData* Channel(int n) const { return (n >= 0 && n < kChannelCount) ? &channels[n] : nullptr; }
  CGroupRecord* Group(int g) { return (g >= 0 && g < kGroupCount) ? &groups[g] : nullptr; }
  const CGroupRecord* Group(int g) const { return (g >= 0 && g < kGroupCount) ? &groups[g] : nullptr; }
  // First group index of zone z: the counts of zones 0..z-1 (all 32 for z >= 32).
  int CountGroupsBeforeZone(int z) const;
  // g (1-based, 0 = none) plus the counts of zones 0..z-1; 0 when g is 0.
  int GetFirstGroupIndex(int z, int g) const;
  // The zone whose run holds group g, or -1 for a group that lies in no zone.
  int ZoneOfGroup(int g) const;
  void SetChannelFreq1(int i, std::int32_t value);  // receive frequency, 10 Hz units
  void SetChannelFreq2(int i, std::int32_t value);  // transmit frequency
  void ClearGroupInUse(int g) { if (g >= 0 && g < kGroupCount) groups[g].flags &= std::uint8_t(~kGroupInUse); }
  bool IsZoneInUse(int z) const { return z >= 0 && z < kZoneCount && (zoneFlags[z] & kZoneInUse); }
  bool IsZoneLtr(int z) const { return z >= 0 && z < kZoneCount && IsLtrFormat(zoneFormat[z]); }
  bool IsZonePassPort(int z) const { return z >= 0 && z < kZoneCount && IsPassPortFormat(zoneFormat[z]); }
  // The zone's home repeater (1..20), 0 for none or a number that names no slot.
  int HomeRepeater(int z) const;
  // System type of the radio (image 249 bit 6): repeater words or PassPort fields.
  bool IsLtrSystemType() const;

  // Default zone/system record bytes for a kind (2 conventional, 4 PassPort, any
  // other LTR) and the 20 repeater words 0x3FF.
  void SetSystemDefaults(int z, int kind);
  // Default options for every group of zone z; names and flags stay.
  void ResetSystemGroups(int z);
  // Moves whole group records by the map (a place that receives none keeps
  // what it held, for the caller to renew); every group reference follows its
  // group (references.h). Returns the notices of the references that named a
  // gone group of their zone.
  std::vector<std::string> MoveGroupRecords(const RecordMap& map);
  // `count` records from index `from` to index `to` (the ranges may overlap),
  // clipped to the 250 records.
  void MoveGroupRecords(int from, int to, int count) { (void)MoveGroupRecords(RecordMap::Shift(from, to, count)); }
  // Moves whole channel records by the map; a place that keeps no record and
  // receives none gets a channel's defaults (ResetChannelRecord), and every
  // channel reference follows its record (a gone one names none).
  void MoveChannelRecords(const RecordMap& map);
  // Channel record c as a reset gives it: the channel defaults of the band
  // and the model's tuning tables, named " CH-%3.3d ", not programmed.
  void ResetChannelRecord(int c);
  // Every reference that names channel c names no channel afterwards (bits
  // 0..9 := 1023, the other bits kept).
  void ClearChannelReferences(int c);
  // Recomputes groupTotal and freeGroupPool from the counts.
  void UpdateGroupTotals();

  // --- Choice fillers ------------------------------------------------------------------
  // "None" at position 0, then "Zone %2d" for every zone in use; does not empty
  // the list first. Selects "None" for 255, else the zone's entry when shown.
  void FillZoneCombo(IChoiceList& combo, ListIndexMap& map, int selected) const;
  // The same without the PassPort zones.
  void FillNonPassPortZoneCombo(IChoiceList& combo, ListIndexMap& map, int selected) const;
  // Empties the list; "None", then "Grp %2d" (global index + 1) for every group in
  // use of the zone, mapped to the global index; "None" selected, then the group's
  // entry when shown. A zone that is no zone gives "None" only.
  void FillGroupCombo(IChoiceList& combo, ListIndexMap& map, int group, int zone) const;
  // As FillGroupCombo, but mapped to the group's number within the zone; selects
  // the entry of `value` (number within the zone, 255 "None"), else nothing.
  void FillGroupList(IChoiceList& list, ListIndexMap& map, int value, int zone) const;
  // Empties the list; "None TX       RX" (map 1023), then every programmed channel;
  // selects the current channel's entry (1023 "None"), else nothing.
  void FillChannelList(IChoiceList& list, ListIndexMap& map, int channel) const;
  // "None" for 255 (and any other index that is no zone), else "Zone %2d".
  std::string FormatZoneName(int zone) const;

 private:
  // A channel's defaults as the last reset or unpack worked them out (the
  // band, its frequency ranges, the default split and the tuning tables).
  CChannelData m_channelDefaults;
  void ResetRecords();
  // Every channel (only those not programmed, keeping their names) as ResetChannelRecord gives it.
  void ResetChannels(bool onlyNotProgrammed);
  void NameChannel(int c);
  // Runs `replace` on channel c's record and gives the record its name back.
  template <class Replace>
  void KeepName(int c, Replace replace) {
    char name[sizeof channels[c].name];
    std::memcpy(name, channels[c].name, sizeof name);
    replace();
    std::memcpy(channels[c].name, name, sizeof name);
  }
  void FillZones(IChoiceList& combo, ListIndexMap& map, int selected, bool withPassPort) const;
  void FillGroups(IChoiceList& list, ListIndexMap& map, int selection, int zone, bool zoneRelative,
                  bool selectNoneFirst) const;
  void UnpackZoneRecord(int z, const std::uint8_t* image, bool ltr);
  void ResetPassPortFields(int z);
  int CheckAndPackZone(int z, std::uint8_t* image, bool ltr, bool interconnectKey);
  void PackPassPortFields(int z, std::uint8_t* record) const;
  bool GroupUsesIdLayout(int g) const;
};
