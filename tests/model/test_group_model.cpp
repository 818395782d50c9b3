// The group pages' model: every named field reaches only its own record (and
// none for an index past the records), the texts of codes no list holds, the
// grid's limits, the channel binding and in-use rule of Conventional zones, the
// type, enable, Default-column, signalling and LTR ID rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/group_fields.h"
#include "model/group_model.h"
#include "model/zone_model.h"
#include "test_support.h"

namespace {

// Zones: 0 Conventional (groups 0..2), 1 LTR (3..4), 2 PassPort (5), 3 Conventional (6..9).
void FourZones(CEditModel& m) {
  CChannelStore& s = m.store;
  for (auto& c : s.groupCount) c = 0;
  const int counts[] = {3, 2, 1, 4};
  const int formats[] = {kSystemConventional, kSystemLtr, kSystemPassPort, kSystemConventional};
  for (int z = 0; z < 4; ++z) {
    s.groupCount[z] = std::uint8_t(counts[z]);
    s.SetSystemDefaults(z, formats[z]);
  }
  s.UpdateGroupTotals();
  for (int g = 0; g < kGroupCount; ++g) InitGroupRecord(s, g, s.ZoneOfGroup(g), zf::kLtr);
}

// Every group field reaches only the record its index names and shares no bit
// with another; an index that names no record (a word's channel 250..1022, a
// first group of 250) reads 0 and writes nothing.
TEST(GroupFields, EachFieldReachesOnlyItsOwnBitsOfTheRecordItNames) {
  const Field fields[] = {
      grp::kMonitor,        grp::kCompander,     grp::kTxInhibit,      grp::kEncryption,       grp::kSecondTxPower,
      grp::kAni,            grp::kSignalingHigh11, grp::kAniMonitor,   grp::kSignalingLow,     grp::kSignalingNo,
      grp::kRxSave,         grp::kFlatAf,        grp::kRxToneType,     grp::kTxToneType,       grp::kSignalingHighOther,
      grp::kTalkAroundUser, grp::kTalkAroundFixed, grp::kCallAlert,    grp::kCallVerify,       grp::kDataGroup,
      grp::kBusyLockOutOnTa, grp::kEncodeCode,   grp::kDecodeCode,     grp::kChannel,          grp::kExtMic,
      grp::kBusyLockOut,    grp::kTimeOutTimer,  grp::kTpac,           grp::kTalkGroupId,      grp::kInUse,
      grp::kScanUser,       grp::kScanDealer,
  };
  TestModel m;
  CChannelStore& s = m->store;
  auto records = [&](int except) {
    std::string all(reinterpret_cast<const char*>(s.groups), sizeof s.groups);
    return except < 0 ? all : all.erase(sizeof(CGroupRecord) * std::size_t(except), sizeof(CGroupRecord));
  };
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    for (std::uint8_t start : {0x00, 0xFF}) {
      for (CGroupRecord& r : s.groups) {
        r.byte0 = r.byte1 = r.byte2 = r.byte3 = r.byte4 = r.byte5 = r.flags = start;
        r.channelWord = r.idWord = std::uint16_t(start * 0x101);
      }
      std::vector<std::uint32_t> values;
      for (const Field& f : fields) values.push_back(f.Get(*m, 7));
      const std::string others = records(7);
      fields[i].Set(*m, 7, start ? 0 : 0xFFFF);
      EXPECT_EQ(records(7), others) << i;
      // No two fields share a bit.
      for (std::size_t j = 0; j < std::size(fields); ++j) {
        if (j != i) {
          EXPECT_EQ(fields[j].Get(*m, 7), values[j]) << i << " moved " << j;
        }
      }
      const std::string all = records(-1);
      for (int g : {-1, 250, 1022}) {
        fields[i].Set(*m, g, 0x55);
        EXPECT_EQ(fields[i].Get(*m, g), 0u) << i;
      }
      EXPECT_EQ(records(-1), all) << i;
    }
  }
  grp::kTag.set(*m, 250, "ABC");
  EXPECT_EQ(grp::kTag.get(*m, 250), "");
  grp::kTag.set(*m, 9, "ab c");
  EXPECT_EQ(std::string(s.groups[9].name, 9), std::string("AB C    \0", 9));
}

// Scan memory bits only stored data hold, and codes outside the tone tables.
// (Busy Lock Out 3, tone types 4..7 and the second power lists of each model
// are shown through the group pages.)
TEST(GroupFields, TextsOfCodesNoListEntryHolds) {
  TestModel m;
  CGroupRecord& r = m->store.groups[4];
  const std::pair<std::uint8_t, const char*> scans[] = {
      {0x12, "Enable"}, {0x02, "User"}, {0x10, "Dealer"}, {0, "Disable"}};
  for (const auto& [bits, text] : scans) {
    r.flags = std::uint8_t(bits | kGroupInUse);
    EXPECT_EQ(grp::ScanMemoryText(grp::kScanMemory.Get(*m, 4)), text);
  }
  grp::kScanMemory.Set(*m, 4, 0);
  EXPECT_EQ(r.flags, 0x13);
  r.byte2 = 0x0A;  // CTCSS, DCS
  r.byte4 = 200;   // outside the table: its first text
  EXPECT_EQ(grp::ToneCodeText(*m, 4, false), "023");
  EXPECT_EQ(grp::ToneCodeText(0, 3), "  Off");
}

TEST(GroupGrid, LimitsCaptionsAndColumnsStayInsideTheRecords) {
  TestModel m;
  CChannelStore& s = m->store;
  for (auto& c : s.groupCount) c = 0;
  s.groupCount[0] = 3;    // 0..2
  s.groupCount[1] = 10;   // 3..12
  s.groupCount[2] = 237;  // 13..249; zone 3 and after begin at 250 with no group
  s.UpdateGroupTotals();
  const int limits[][2] = {{0, 0}, {3, 7}, {13, 244}, {250, 250}};
  for (int z = 0; z < 4; ++z) {
    EXPECT_EQ(FirstVisibleMin(s, z), limits[z][0]) << z;
    EXPECT_EQ(FirstVisibleMax(s, z), limits[z][1]) << z;
  }
  EXPECT_TRUE(IsPastZone(ZoneGroups(s, 0), 4));
  EXPECT_FALSE(IsPastZone(ZoneGroups(s, 0), 3));
  EXPECT_EQ(ColumnGroup(244, 6), 249);
  EXPECT_EQ(ColumnGroup(250, 1), -1);  // a first group of 250: even column 1 is skipped
  EXPECT_EQ(GroupCaption(249), "GRP. 250");
  EXPECT_EQ(GroupCaption(250), "");
  s.SetSystemDefaults(1, kSystemLtr);
  EXPECT_EQ(GroupPageFormatText(s, 1, true) + GroupPageFormatText(s, 0, true), "LTRConv");
}

TEST(GroupChannels, OnlyAConventionalZoneBindsAndOnlyItsOwnGroups) {
  g_bModified = 0;
  TestModel m;
  FourZones(*m);
  CChannelStore& s = m->store;
  std::vector<std::uint16_t> before;
  for (CGroupRecord& r : s.groups) before.push_back(r.channelWord = std::uint16_t(r.channelWord | 0x5800));
  EXPECT_FALSE(BindZoneChannels(*m, 1));  // LTR: its 0x13FF words stay
  EXPECT_FALSE(BindZoneChannels(*m, 2));  // PassPort
  EXPECT_TRUE(BindZoneChannels(*m, 3));
  EXPECT_FALSE(BindZoneChannels(*m, 3));
  for (int g = 0; g < kGroupCount; ++g) {
    const bool own = g >= 6 && g <= 9;
    EXPECT_EQ(s.groups[g].channelWord, own ? std::uint16_t((before[g] & 0xFC00) | g) : before[g]) << g;
  }
  // The in-use rule: only for the zone's own groups; a word naming no record is no channel.
  BindZoneChannels(*m, 0);
  for (int g : {1, 2, 3}) s.groups[g].flags |= kGroupInUse;
  for (auto [word, channel] : {std::pair{249, 249}, {250, -1}, {1022, -1}, {1023, -1}}) {
    s.groups[2].channelWord = std::uint16_t((s.groups[2].channelWord & 0xFC00) | word);
    EXPECT_EQ(GroupChannel(s, 2), channel) << word;
  }
  s.groups[2].channelWord = (s.groups[2].channelWord & 0xFC00) | 250;  // one past the last channel
  s.channels[2].programmed = 1;
  s.channels[3].programmed = 0;
  EXPECT_TRUE(SyncChannelInUse(*m, 0, 1));
  EXPECT_TRUE(SyncChannelInUse(*m, 0, 2));
  EXPECT_FALSE(SyncChannelInUse(*m, 0, 3));  // the next zone's group: channel 3 untouched
  EXPECT_FALSE(SyncChannelInUse(*m, 1, 3));  // nor from its own LTR zone
  EXPECT_TRUE(s.channels[1].IsProgrammed() && !s.channels[2].IsProgrammed() && !s.channels[3].IsProgrammed());
  EXPECT_FALSE(SyncChannelInUse(*m, 0, 1));
  EXPECT_EQ(ChannelTextsOfGroup(*m, 2).channel, "None");
  EXPECT_TRUE(CompanderEditable(*m, 2));  // no channel record: nothing narrows it
  s.channels[1].rxFreq = 45012500;
  s.channels[1].modeByte = 0x40;
  const GroupChannelTexts shown = ChannelTextsOfGroup(*m, 1);
  EXPECT_EQ(shown.channel + "|" + shown.rx + "|" + shown.space, "  2|450.12500|Wide");
  EXPECT_FALSE(CompanderEditable(*m, 1));  // wide
  EXPECT_EQ(g_bModified, 0u) << "the model reports a change; the page sets the flag";
}

TEST(GroupRules, SubAudibleTypesSetTheirCodes) {
  struct Case {
    bool rx;
    std::uint8_t byte2, byte4, byte5;
    std::uint32_t type;
    std::uint8_t wantByte2, wantByte4, wantByte5;
  };
  const Case cases[] = {
      {true, 0x00, 255, 255, 1, 0x09, 0, 0},   // none to CTCSS, no encode code: the transmit side follows
      {true, 0x00, 12, 255, 1, 0x08, 12, 0},   // an encode code: only the receive side
      {true, 0x10, 255, 40, 3, 0x18, 255, 0},  // DCS to DCS Invert: the first code
      {true, 0x0A, 3, 9, 0, 0x02, 3, 255},     // to none: no decode code
      {false, 0x08, 7, 9, 2, 0x0A, 0, 9},
      {false, 0x0A, 7, 9, 0, 0x08, 255, 9},
  };
  TestModel m;
  CGroupRecord& r = m->store.groups[20];
  for (const Case& c : cases) {
    r.byte2 = c.byte2, r.byte4 = c.byte4, r.byte5 = c.byte5;
    (c.rx ? grp::kRxSubAudible : grp::kTxSubAudible).Set(*m, 20, c.type);
    EXPECT_EQ(r.byte2 | r.byte4 << 8 | r.byte5 << 16, c.wantByte2 | c.wantByte4 << 8 | c.wantByte5 << 16)
        << int(c.byte2) << " to " << c.type;
  }
  r.flags = kGroupInUse;
  EXPECT_TRUE(ToneCodeEditable(*m, 20, true) && !ToneCodeEditable(*m, 20, false));
}

// (Disabling a group of a Conventional zone, with its channel, revert group and
// reference, is tested through the group pages.)
TEST(GroupRules, EnableBindsAChannelOnlyInAConventionalZone) {
  TestModel m;
  FourZones(*m);
  CChannelStore& s = m->store;
  s.channels[3].programmed = 0;
  EXPECT_TRUE(SetGroupEnabled(*m, 3, true));  // zone 1 is LTR
  EXPECT_FALSE(s.channels[3].IsProgrammed());
  EXPECT_FALSE(SetGroupEnabled(*m, 100, true));  // a group in no zone is left alone
  EXPECT_FALSE(s.groups[100].InUse());
}

TEST(Signaling, GroupCommitsByModelAndOptionModule) {
  struct Case {  // byte 1: bit 7 ANI, 6 high (type 11), 4 low, 0-3 number; byte 3 bit 7 high (other types)
    bool type11, module;
    std::uint8_t byte0, byte1, byte3;
    std::uint32_t code;
    std::uint8_t wantByte1, wantByte3;
  };
  const Case cases[] = {
      {true, true, 0x07, 0x85, 0, 2, 0x41, 0},  // "Option": ANI and bit 4 off, bit 6 on, number 1
      {true, true, 0x0F, 0x85, 0, 2, 0x50, 0},  // with encryption the entry stores "Signaling"
      {true, false, 0x07, 0x13, 0, 3, 0x50, 0},  // "Paging" to "Signaling": number 0
      {true, false, 0x07, 0x53, 0, 3, 0x53, 0},  // unchanged: number kept
      {true, false, 0x07, 0x53, 0, 1, 0x10, 0},
      {false, true, 0x07, 0x85, 0, 2, 0x90, 0x80},  // other types: byte 3 bit 7, never bit 6 nor ANI
      {false, false, 0x07, 0x95, 0x80, 0, 0x80, 0},
      {false, false, 0x07, 0x13, 0, 3, 0x13, 0x80},
  };
  TestModel m;
  CGroupRecord& r = m->store.groups[30];
  for (const Case& c : cases) {
    m->store.modelWord = c.type11 ? 11 << 8 : 0;
    m->global.SetOptionBoardCode(c.module ? 4 : 0);
    r.byte0 = c.byte0, r.byte1 = c.byte1, r.byte3 = c.byte3;
    grp::kSignalingFunction.Set(*m, 30, c.code);
    EXPECT_EQ(r.byte1 | r.byte3 << 8, c.wantByte1 | c.wantByte3 << 8) << int(c.byte1) << " code " << c.code;
  }
}

// An ID entry and the copy report a change only when a byte changed. (Which
// texts an ID entry takes is tested through the LTR group page.)
TEST(LtrIds, EntriesAndTheCopyReportOnlyRealChanges) {
  TestModel m;
  CGroupRecord& r = m->store.groups[40];
  r.byte4 = 12;
  EXPECT_FALSE(EnterGroupLtrId(*m, 40, true, "12").changed);
  EXPECT_TRUE(EnterGroupLtrId(*m, 40, true, "").changed);
  EXPECT_EQ(r.byte4, 255);
  const LtrIdEntry refused = EnterGroupLtrId(*m, 40, false, "0");
  EXPECT_EQ(refused.message + "|" + refused.text, std::string(kLtrIdMessage) + "|" + LtrIdText(r.byte5));
  EXPECT_FALSE(EnterGroupLtrId(*m, 250, true, "5").stored);
  // The copy acts on the group it is given; its neighbour keeps its RX ID.
  r.byte4 = 12;
  m->store.groups[41].byte5 = 40;
  const LtrIdCopy copy = CopyTxIdToRxId(*m, 40);
  EXPECT_TRUE(copy.changed);
  EXPECT_EQ(copy.rxText, "12");
  EXPECT_EQ(m->store.groups[41].byte5, 40);
  EXPECT_FALSE(CopyTxIdToRxId(*m, 40).changed);
}

}  // namespace
