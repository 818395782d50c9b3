// The LTR advanced features and interconnect pages' model: the ID rule of each
// keystroke, the Default column and the zones it reaches (LTR bytes only into
// LTR zones, so no Connect Dial or PassPort timer is overwritten), which cells
// take input, and the dial strings.
#include <gtest/gtest.h>

#include <array>

#include "model/trunk_ltr.h"
#include "test_support.h"

namespace {

// Zone z gets format kinds in turn: LTR, Conventional, PassPort, and a format
// code no list has (0).
void MixFormats(CEditModel& m) {
  const int kinds[] = {kSystemLtr, kSystemConventional, kSystemPassPort};
  for (int z = 0; z < kZoneCount; ++z) {
    m.store.SetSystemDefaults(z, kinds[z % 3]);
    m.store.zoneFlags[z] = kZoneInUse;
  }
  m.store.zoneFormat[31] &= std::uint8_t(~kZoneFormatMask);
}

std::array<std::uint8_t, 16> ZoneBytes(const CEditModel& m, int z) {
  const CChannelStore& s = m.store;
  return {s.zoneTxPower[z],       s.zoneTxTimeout[z],        s.zoneHomeRepeater[z],     s.zoneInterconnectLtrId[z],
          s.zoneRxIdStart[z],     s.zoneRxIdStop[z],         s.zoneTxInhibitIdStart[z], s.zoneTxInhibitIdStop[z],
          s.zonePassPortFlags[z], s.zoneScanWords[z],        s.zoneRevertGroup[z],      s.zoneDisconnectDial[z],
          s.zoneFormat[z],        s.zoneChannelHangTime[z],  s.zoneChannelFadeTime[z],  s.zonePrefixCode[z]};
}

bool IsLtr(const CEditModel& m, int z) { return (m.store.zoneFormat[z] & kZoneFormatMask) == kZoneFormatLtr; }

}  // namespace

TEST(LtrIdTest, EachKeystrokeStoresAValidIdOrRestoresTheStoredOne) {
  struct Case {
    const char* text;
    int id;  // -1: refused
  };
  const Case cases[] = {{"", 255}, {" ", 255}, {"1", 1},     {"25", 25},   {"250", 250},
                        {"0", -1}, {"251", -1}, {"999", -1}, {"00", -1}};
  for (const Case& c : cases) {
    const auto id = ParseLtrId(c.text);
    EXPECT_EQ(c.id, id ? int(*id) : -1) << c.text;
  }

  TestModel m;
  MixFormats(*m);
  m->store.zoneRxIdStart[3] = 255;
  EXPECT_TRUE(EnterLtrId(*m, ltradv::kRxIdStart, 3, "2").stored);
  EXPECT_TRUE(EnterLtrId(*m, ltradv::kRxIdStart, 3, "25").stored);
  const LtrIdEntry refused = EnterLtrId(*m, ltradv::kRxIdStart, 3, "251");
  EXPECT_FALSE(refused.stored);
  EXPECT_EQ("The code you set up is wrong.\nYou can set up between 1 to 250.", refused.message);
  EXPECT_EQ("25", refused.restoreText);
  EXPECT_EQ(25, m->store.zoneRxIdStart[3]);
  EXPECT_TRUE(EnterLtrId(*m, ltradv::kRxIdStart, 3, "").stored);
  EXPECT_EQ(255, m->store.zoneRxIdStart[3]);
  EXPECT_EQ("", LtrIdText(255));

  // Zone 4 is Conventional: its byte is Connect Dial byte 2 and takes no ID.
  m->store.zoneRxIdStart[4] = 0x12;
  const LtrIdEntry conventional = EnterLtrId(*m, ltradv::kRxIdStart, 4, "7");
  EXPECT_FALSE(conventional.stored);
  EXPECT_EQ("", conventional.message);
  EXPECT_EQ(0x12, m->store.zoneRxIdStart[4]);
  // Each edit acts on its own zone only.
  EXPECT_TRUE(EnterLtrId(*m, interconnect::kLtrId, 6, "9").stored);
  EXPECT_EQ(9, m->store.zoneInterconnectLtrId[6]);
  EXPECT_EQ(255, m->store.zoneInterconnectLtrId[3]);
}

TEST(ZoneDefaultTest, ADefaultReachesTheZonesItsBytesMeanTheSameIn) {
  struct Case {
    const DefaultRow* row;
    std::uint32_t code;
  };
  const Case cases[] = {
      {&ltradv::kDataRiseTime, 7},     {&ltradv::kPrefixCode, 204},           {&ltradv::kHangTime, 60},
      {&ltradv::kFadeTime, 8},         {&ltradv::kDecodeResumeTime, 15},      {&ltradv::kTxInhibitResumeTime, 3},
      {&ltradv::kRxIdStart, 17},       {&ltradv::kRxIdStop, 250},             {&ltradv::kTxInhibitIdStart, 1},
      {&ltradv::kTxInhibitIdStop, 2},  {&interconnect::kTxTimeout, 14},       {&interconnect::kPhoneInterconnect, 1},
      {&interconnect::kOnlyRx, 1},     {&interconnect::kAutoInterconnect, 1}, {&interconnect::kDisconnectDial, 14},
  };
  for (const Case& c : cases) {
    TestModel m;
    MixFormats(*m);
    for (int z = 0; z < kZoneCount; ++z) m->store.zoneScanWords[z] = m->store.zonePassPortFlags[z] = std::uint8_t(z);
    std::array<std::array<std::uint8_t, 16>, kZoneCount> before;
    for (int z = 0; z < kZoneCount; ++z) before[std::size_t(z)] = ZoneBytes(*m, z);
    ZoneDefaults defaults = LtrAdvancedDefaults();
    const ZoneDefaults other = defaults;

    CommitDefault(*m, defaults, *c.row, c.code);

    EXPECT_EQ(c.code, DefaultCode(defaults, *c.row));
    for (std::size_t k = 0; k < defaults.size(); ++k)
      EXPECT_TRUE(int(k) == c.row->slot || other[k] == defaults[k]) << "only the row's Default byte";
    for (int z = 0; z < kZoneCount; ++z) {
      const bool reached = c.row->reach == Reach::AllZones || IsLtr(*m, z);
      EXPECT_EQ(reached, Reaches(*m, *c.row, z));
      std::array<std::uint8_t, 16> expected = before[std::size_t(z)];
      if (reached) {
        EXPECT_EQ(c.code, c.row->field.Get(*m, z)) << "zone " << z;
        // Only the row's bits of its byte change.
        const std::array<std::uint8_t, 16> now = ZoneBytes(*m, z);
        for (std::size_t i = 0; i < now.size(); ++i)
          if (now[i] != expected[i]) expected[i] = std::uint8_t((expected[i] & ~c.row->field.mask) | (now[i] & c.row->field.mask));
      }
      EXPECT_EQ(expected, ZoneBytes(*m, z)) << "zone " << z << " slot " << c.row->slot;
    }
  }
}

TEST(ZoneDefaultTest, TheDefaultIdEditStoresIntoLtrZonesOnlyAndRefusesLikeAZoneEdit) {
  TestModel m;
  MixFormats(*m);
  ZoneDefaults defaults = LtrAdvancedDefaults();
  EXPECT_EQ("", EnterDefaultLtrId(*m, defaults, ltradv::kTxInhibitIdStop, "0").restoreText);
  EXPECT_TRUE(EnterDefaultLtrId(*m, defaults, ltradv::kTxInhibitIdStop, "42").stored);
  const LtrIdEntry refused = EnterDefaultLtrId(*m, defaults, ltradv::kTxInhibitIdStop, "420");
  EXPECT_EQ(kLtrIdMessage, refused.message);
  EXPECT_EQ("42", refused.restoreText);
  for (int z = 0; z < kZoneCount; ++z) {
    const int expected = IsLtr(*m, z) ? 42 : z % 3 == 1 ? 0 : 5;  // LTR; else the Connect Dial or PassPort default
    EXPECT_EQ(expected, m->store.zoneTxInhibitIdStop[z]) << z;
  }
}

TEST(ZoneDefaultTest, PagesStartFromTheirListsDefaultEntries) {
  const ZoneDefaults a = LtrAdvancedDefaults();
  EXPECT_EQ(2u, DefaultCode(a, ltradv::kDataRiseTime));
  EXPECT_EQ(255u, DefaultCode(a, ltradv::kPrefixCode));
  EXPECT_EQ(10u, DefaultCode(a, ltradv::kHangTime));
  EXPECT_EQ(6u, DefaultCode(a, ltradv::kFadeTime));
  EXPECT_EQ(1u, DefaultCode(a, ltradv::kDecodeResumeTime));
  EXPECT_EQ(1u, DefaultCode(a, ltradv::kTxInhibitResumeTime));
  EXPECT_EQ(255u, DefaultCode(a, ltradv::kRxIdStart));
  EXPECT_EQ(255u, DefaultCode(a, ltradv::kTxInhibitIdStop));
  const ZoneDefaults i = InterconnectDefaults();
  EXPECT_EQ(6u, DefaultCode(i, interconnect::kTxTimeout));
  EXPECT_EQ(0u, DefaultCode(i, interconnect::kPhoneInterconnect) + DefaultCode(i, interconnect::kAutoInterconnect));
  EXPECT_EQ("#", DefaultDisconnectDialText(i));
  EXPECT_EQ(255u, DefaultCode(i, interconnect::kLtrId));
}

TEST(LtrAdvancedPageTest, IdResumeAndRiseCellsTakeInputInLtrZonesOnly) {
  TestModel m;
  MixFormats(*m);
  m->store.zoneFlags[30] = 0;  // zone 30: LTR, not in use
  const DefaultRow* ltrOnly[] = {&ltradv::kDataRiseTime, &ltradv::kRxIdStart, &ltradv::kDecodeResumeTime,
                                 &ltradv::kTxInhibitIdStop, &ltradv::kTxInhibitResumeTime};
  const DefaultRow* common[] = {&ltradv::kPrefixCode, &ltradv::kHangTime, &ltradv::kFadeTime};
  // zone: 0 LTR, 1 Conventional, 2 PassPort, 30 LTR out of use, 31 format 0.
  const struct {
    int z;
    bool ltrRows, commonRows;
  } cases[] = {{0, true, true}, {1, false, false}, {2, false, true}, {30, false, false}, {31, false, true}};
  for (const auto& c : cases) {
    for (const DefaultRow* row : ltrOnly) EXPECT_EQ(c.ltrRows, LtrAdvancedCellEnabled(*m, *row, c.z)) << c.z;
    for (const DefaultRow* row : common) EXPECT_EQ(c.commonRows, LtrAdvancedCellEnabled(*m, *row, c.z)) << c.z;
  }
}

TEST(InterconnectTest, ConnectDialTextsAreStoredAsDialStringsInConventionalZonesOnly) {
  TestModel m;
  MixFormats(*m);
  CChannelStore& s = m->store;
  tf::kConnectDial.set(*m, 1, "12#");
  EXPECT_EQ(0x31, s.zoneHomeRepeater[1]);  // length 3, digit 1
  EXPECT_EQ(0x2F, s.zoneInterconnectLtrId[1]);
  for (const std::uint8_t b : {s.zoneRxIdStart[1], s.zoneRxIdStop[1], s.zoneTxInhibitIdStart[1], s.zoneTxInhibitIdStop[1],
                               s.zonePassPortFlags[1], s.zoneScanWords[1]})
    EXPECT_EQ(0, b);
  EXPECT_EQ("12#", tf::kConnectDial.get(*m, 1));
  // A blank that a padded text left behind ends nothing: the digits are what is stored.
  tf::kConnectDial.set(*m, 1, "12            ");
  EXPECT_EQ("12", tf::kConnectDial.get(*m, 1));
  EXPECT_EQ(0x21, s.zoneHomeRepeater[1]);
  tf::kConnectDial.set(*m, 1, "0123456789ABCD*#");
  EXPECT_EQ("0123456789ABCD*", tf::kConnectDial.get(*m, 1));

  const std::array<std::uint8_t, 16> ltr = ZoneBytes(*m, 0), passPort = ZoneBytes(*m, 2);
  tf::kConnectDial.set(*m, 0, "1");
  tf::kConnectDial.set(*m, 2, "1");
  EXPECT_EQ(ltr, ZoneBytes(*m, 0));
  EXPECT_EQ(passPort, ZoneBytes(*m, 2));
}

TEST(InterconnectTest, TheDisconnectDialIsOneDigitInTheHighNibble) {
  TestModel m;
  CChannelStore& s = m->store;
  const struct {
    const char* text;
    std::uint8_t after;
    const char* shown;
  } cases[] = {{"", 0x05, "0"}, {" ", 0x05, "0"}, {"*", 0xE5, "*"}, {"#", 0xF5, "#"}, {"c", 0xC5, "C"}, {"9", 0x95, "9"}};
  for (const auto& c : cases) {
    s.zoneDisconnectDial[4] = 0xA5;
    tf::kDisconnectDial.set(*m, 4, c.text);
    EXPECT_EQ(c.after, s.zoneDisconnectDial[4]) << c.text;
    EXPECT_EQ(c.shown, tf::kDisconnectDial.get(*m, 4));
  }
  ZoneDefaults defaults = InterconnectDefaults();
  for (int z = 0; z < kZoneCount; ++z) s.zoneDisconnectDial[z] = std::uint8_t(z);
  EnterDefaultDisconnectDial(*m, defaults, "*");
  EXPECT_EQ("*", DefaultDisconnectDialText(defaults));
  for (int z = 0; z < kZoneCount; ++z) EXPECT_EQ(0xE0 | (z & 0x0F), s.zoneDisconnectDial[z]) << z;
}

TEST(InterconnectTest, EachFormatShowsItsOwnCells) {
  TestModel m;
  MixFormats(*m);
  const struct {
    int z;
    bool ltrId, connectDial, onlyRx;
  } cases[] = {{0, true, false, false}, {1, false, true, true}, {2, false, false, false}, {31, false, false, false}};
  for (const auto& c : cases) {
    const InterconnectCells cells = InterconnectLayout(*m, c.z);
    EXPECT_EQ(c.ltrId, cells.ltrId) << c.z;
    EXPECT_EQ(c.connectDial, cells.connectDial) << c.z;
    EXPECT_EQ(c.onlyRx, cells.onlyRx) << c.z;
  }
}
