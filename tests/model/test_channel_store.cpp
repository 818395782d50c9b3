#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "model/channel_store.h"
#include "test_support.h"

namespace {

using Image = std::vector<std::uint8_t>;

std::uint8_t* Zone(Image& image, int z) { return image.data() + ZoneOffset(z); }

constexpr char kHomeText5[] = "Home Channel of SYS # 5 has not been programmed";
constexpr char kBlockText5[] = "LTR Block decode Start ID must be less than Block decode End ID on System 5 ";

// Zone z as a valid LTR zone in use: home repeater 1 on channel 0, no block decode.
void MakeLtrZone(CChannelStore& s, int z) {
  s.SetSystemDefaults(z, kSystemLtr);
  s.zoneFlags[z] |= kZoneInUse;
  s.zoneRepeaters[z][0] = 0x0000;
}

}  // namespace

TEST(ChannelStoreTest, ResetGivesOneGroupInZoneZero) {
  TestModel m;
  CChannelStore& s = m->store;
  s.groupCount[4] = 9;
  s.zoneFlags[4] = kZoneInUse;
  s.selCalls[7].targetMin = 5;
  s.seedChannels[3].channelWord[0] = 0x1234;
  s.tuningPoints[2].b[0] = 9;
  s.Reset();

  EXPECT_EQ(s.groupCount[0], 1);
  EXPECT_EQ(s.groupCount[4], 0);
  EXPECT_EQ(s.groupTotal, 1u);
  EXPECT_EQ(s.freeGroupPool, 249u);
  EXPECT_TRUE(s.IsZoneInUse(0));
  EXPECT_FALSE(s.IsZoneInUse(4));
  // (The records' fresh values are those of the default data files.) A model
  // change resets the small records too, as a fresh model has them.
  EXPECT_EQ(s.selCalls[7].targetMin, 1u);
  EXPECT_EQ(s.seedChannels[3].channelWord[0], 0x4320);
  EXPECT_EQ(s.tuningPoints[2].b[0], 0);
  EXPECT_EQ(s.DefaultGroupRecord.word & 0xF000, 0x4000);
}

TEST(ChannelStoreTest, ZoneBitmapPositionsAndPolarities) {
  struct { int zone; std::size_t byte; int bit; } vectors[] = {
      {0, 1, 7}, {7, 1, 0}, {8, 0, 7}, {15, 0, 0}, {16, 3, 7}, {23, 3, 0}, {24, 2, 7}, {31, 2, 0}};
  for (const auto& v : vectors) {
    TestModel m;
    CChannelStore& s = m->store;
    Image image = BlankImage(0);
    std::memset(image.data() + 142, 0xFF, 8);  // no zone in use, no second flag
    image[142 + v.byte] &= std::uint8_t(~(1 << v.bit));
    image[146 + v.byte] &= std::uint8_t(~(1 << v.bit));
    s.UnpackFromImage(image.data());
    for (int z = 0; z < kZoneCount; ++z) {
      EXPECT_EQ(s.zoneFlags[z], z == v.zone ? (kZoneInUse | kZoneScan) : 0) << "zone " << z;
    }

    // Packing gives the same bitmaps back.
    Image out = BlankImage(0x5A);
    ASSERT_EQ(s.CheckAndPack(out.data()), 1);
    EXPECT_EQ(std::memcmp(out.data() + 142, image.data() + 142, 8), 0) << "zone " << v.zone;
  }
}

TEST(ChannelStoreTest, GroupBitmapsCombineInOrder) {
  TestModel m;
  CChannelStore& s = m->store;
  Image image = BlankImage(0);
  image[614 + 1] = 0x02;   // group 9: the scan-dealer bitmap assigns the whole flag byte ...
  image[582 + 1] = 0x04;   // group 10: not in use
  image[150 + 31] = 0x02;  // group 249: scan-user bit cleared
  s.UnpackFromImage(image.data());
  EXPECT_EQ(s.groups[0].flags, 0x13);  // ... so the other two bitmaps must come after it
  EXPECT_EQ(s.groups[9].flags, 0x03);
  EXPECT_EQ(s.groups[10].flags, 0x12);
  EXPECT_EQ(s.groups[249].flags, 0x11);

  // (That packing gives the bits back, and which bits of groups 250..255 each
  // bitmap keeps, is checked by the image round trips and the image map.)
}

TEST(ChannelStoreTest, GroupCountRepair) {
  struct Case { std::vector<std::pair<int, int>> counts; int zone0; int total; };
  const Case cases[] = {
      {{}, 250, 250},                    // no group at all
      {{{0, 200}, {3, 100}}, 250, 250},  // more than the store holds
      {{{2, 255}}, 250, 250},
      {{{0, 240}, {31, 10}}, 240, 250},  // exactly full: kept
      {{{5, 10}}, 0, 10},                // zone 0 empty but others not: kept
  };
  for (const Case& c : cases) {
    TestModel m;
    Image image = BlankImage(0);
    for (auto [z, n] : c.counts) image[44 + z] = std::uint8_t(n);
    m->store.UnpackFromImage(image.data());
    EXPECT_EQ(m->store.groupCount[0], c.zone0);
    EXPECT_EQ(int(m->store.groupTotal), c.total);
    EXPECT_EQ(int(m->store.freeGroupPool), 250 - c.total);
    if (c.zone0 == 250) {
      for (int z = 1; z < kZoneCount; ++z) EXPECT_EQ(m->store.groupCount[z], 0);
    }
  }
}

// (What each format's defaults pack to is fixed by the saved files of the golden
// page scripts.) The PassPort fields leave bytes 35 and 50 of a zone alone, and
// defaults for a number past the zones change nothing.
TEST(ChannelStoreTest, PassPortFieldGapsAndZonesPastTheLast) {
  TestModel m;
  CChannelStore& s = m->store;
  m->global.systemType = 0x00;
  s.SetSystemDefaults(4, kSystemPassPort);
  Image image = BlankImage(0xEE);
  ASSERT_EQ(s.CheckAndPack(image.data()), 1);
  EXPECT_EQ(Zone(image, 4)[35], 0xEE);
  EXPECT_EQ(Zone(image, 4)[50], 0xEE);
  s.SetSystemDefaults(32, kSystemLtr);
  s.SetSystemDefaults(-1, kSystemLtr);
  Image again = BlankImage(0xEE);
  ASSERT_EQ(s.CheckAndPack(again.data()), 1);
  EXPECT_EQ(again, image);
}

TEST(ChannelStoreTest, ZoneRecordTransforms) {
  TestModel m;
  CChannelStore& s = m->store;
  m->global.systemType = 0x00;  // PassPort fields
  Image image = BlankImage(0);
  const std::uint8_t timeouts[][2] = {{0x00, 0x66}, {0x05, 0x65}, {0x0F, 0x6F}, {0x08, 0x68}, {0x10, 0x16},
                                      {0x30, 0x36}, {0x47, 0x47}, {0x80, 0x86}, {0xF8, 0xF8}};
  for (int z = 0; z < 9; ++z) Zone(image, z)[1] = timeouts[z][0];
  // Level codes the radio does not use, per field.
  const std::uint8_t levels[][4] = {
      // 39 in, 39 out, 41 in, 41 out
      {140, 141, 140, 141}, {5, 4, 5, 5}, {11, 10, 150, 147}, {255, 255, 255, 147}, {134, 135, 146, 146}};
  for (int z = 0; z < 5; ++z) {
    Zone(image, z)[39] = levels[z][0];
    Zone(image, z)[47] = levels[z][0];
    Zone(image, z)[41] = levels[z][2];
  }
  const std::uint8_t minutes[][4] = {{7, 3, 255, 3}, {45, 45, 7, 7}, {255, 3, 60, 60}};  // 42 in/out, 48 in/out
  for (int z = 0; z < 3; ++z) {
    Zone(image, z)[42] = minutes[z][0];
    Zone(image, z)[48] = minutes[z][2];
  }
  s.UnpackFromImage(image.data());
  for (int z = 0; z < 9; ++z) EXPECT_EQ(s.zoneTxTimeout[z], timeouts[z][1]) << "zone " << z;
  for (int z = 0; z < 5; ++z) {
    EXPECT_EQ(s.zoneRegisteredRssi[z], levels[z][1]) << "zone " << z;
    EXPECT_EQ(s.zoneLookbackRssi[z], levels[z][1]) << "zone " << z;
    EXPECT_EQ(s.zoneOsmRssi[z], levels[z][3]) << "zone " << z;
  }
  for (int z = 0; z < 3; ++z) {
    EXPECT_EQ(s.zoneRssiDuration[z], minutes[z][1]);
    EXPECT_EQ(s.zoneLookbackTime[z], minutes[z][3]);
  }

  // Level pairs: base byte 11 plus the code as sign and magnitude, within a byte;
  // 255 packs as 0 (registered, lookback) or 148 (OSM).
  m->global.byte11 = 110;
  s.zoneRegisteredRssi[0] = 0x8F;
  s.zoneOsmRssi[0] = 255;
  s.zoneLookbackRssi[0] = 255;
  s.zonePassPortRssiFlags[0] = 0x41;
  Image out = BlankImage(0xEE);
  ASSERT_EQ(s.CheckAndPack(out.data()), 1);
  const std::uint8_t* r = Zone(out, 0);
  EXPECT_EQ(r[38], 95);
  EXPECT_EQ(r[39], 0x8F);
  EXPECT_EQ(r[40], 90);
  EXPECT_EQ(r[41], 148);
  EXPECT_EQ(r[46], 110);
  EXPECT_EQ(r[47], 0);
  EXPECT_EQ(r[34], 0x4B);
  EXPECT_EQ(s.zoneOsmRssi[0], 255);  // the record keeps its value

  m->global.byte11 = 250;
  s.zoneRegisteredRssi[0] = 14;
  ASSERT_EQ(s.CheckAndPack(out.data()), 1);
  EXPECT_EQ(r[38], 255);
  m->global.byte11 = 5;
  s.zoneRegisteredRssi[0] = 0x8F;
  ASSERT_EQ(s.CheckAndPack(out.data()), 1);
  EXPECT_EQ(r[38], 0);
}

TEST(ChannelStoreTest, RepeaterWordsOnlyWithLtrSystemType) {
  Image image = BlankImage(0);
  for (int k = 0; k < kRepeatersPerZone; ++k) SetBE16(Zone(image, 2) + 16 + 2 * k, std::uint16_t(0x1000 + k));
  {
    TestModel m;
    m->global.systemType = 0x40;
    m->store.zoneFlags2[2] = 0x77;
    m->store.UnpackFromImage(image.data());
    EXPECT_EQ(m->store.zoneRepeaters[2][0], 0x1000);
    EXPECT_EQ(m->store.zoneRepeaters[2][19], 0x1013);
    EXPECT_EQ(m->store.zoneFlags2[2], 0);  // the PassPort fields are not read: reset
  }
  {
    TestModel m;
    m->global.systemType = 0x00;
    m->store.zoneRepeaters[2][0] = 0x0123;
    m->store.UnpackFromImage(image.data());
    EXPECT_EQ(m->store.zoneRepeaters[2][0], 0x03FF);  // the repeater words are not read: none
    EXPECT_EQ(m->store.zoneFlags2[2], 0x10);
    EXPECT_EQ(m->store.zoneAffiliatedSystemId[2], 0x00);
    EXPECT_EQ(m->store.zoneHomeSystemId[2], 0x1001u);

    // An LTR zone's home repeater keeps its word when the words are not packed.
    MakeLtrZone(m->store, 2);
    Image out = BlankImage(0xEE);
    ASSERT_EQ(m->store.CheckAndPack(out.data()), 1);
    EXPECT_EQ(m->store.zoneRepeaters[2][0], 0x0000);
    EXPECT_EQ(Zone(out, 2)[16], m->store.zoneFlags2[2]);
  }
  {
    // Only LTR zones get interconnect and dispatch on their home repeater, only
    // on a slot that exists.
    TestModel m;
    CChannelStore& s = m->store;
    s.SetSystemDefaults(1, kSystemConventional);
    s.zoneHomeRepeater[1] = 0x35;  // connect dial byte of a conventional zone
    s.SetSystemDefaults(2, kSystemPassPort);
    s.SetSystemDefaults(3, kSystemLtr);
    s.zoneHomeRepeater[3] = 0x80 | 20;  // AREA bit and repeater 20
    s.SetSystemDefaults(4, kSystemLtr);
    s.zoneHomeRepeater[4] = 0;
    Image out = BlankImage(0);
    ASSERT_EQ(s.CheckAndPack(out.data()), 1);
    for (int z : {1, 2, 4})
      for (int k = 0; k < kRepeatersPerZone; ++k) EXPECT_EQ(s.zoneRepeaters[z][k], 0x03FF) << z << "/" << k;
    EXPECT_EQ(s.zoneRepeaters[3][19], 0x63FF);
    EXPECT_EQ(s.zoneRepeaters[3][0], 0x03FF);
  }
}

TEST(ChannelStoreTest, InterconnectChecksNeedTheKey) {
  TestModel m;
  CChannelStore& s = m->store;
  s.zoneTxPower[0] = 0x80;
  s.zoneHomeRepeater[0] = 0x0F;  // connect dial shorter than one digit
  Image image = BlankImage(0);
  EXPECT_EQ(s.CheckAndPack(image.data()), 1);  // no phone interconnect key

  m->keys.keyFunctionCodes[3] = 0x10;
  EXPECT_EQ(s.CheckAndPack(image.data()), 0);
  ASSERT_EQ(m.host.messages.size(), 1u);
  EXPECT_EQ(m.host.messages[0], "Please set up the Connect Dial or disable the Phone Interconnect function.");
  s.zoneHomeRepeater[0] = 0x10;
  EXPECT_EQ(s.CheckAndPack(image.data()), 1);

  MakeLtrZone(s, 0);
  s.zoneTxPower[0] = 0x80;
  EXPECT_EQ(s.CheckAndPack(image.data()), 0);
  EXPECT_EQ(m.host.messages.back(), "Please set up the Interconnect ID or disable the Phone Interconnect function.");
  s.zoneInterconnectLtrId[0] = 7;
  EXPECT_EQ(s.CheckAndPack(image.data()), 1);
}

TEST(ChannelStoreTest, HomeRepeaterChecks) {
  struct Case { std::uint8_t home; std::uint16_t word; bool ok; };
  const Case cases[] = {
      {1, 0x0000, true},   {20, 0x0005, true},  {0x81, 0x00F9, true},  // AREA bit is not part of the number
      {0, 0x0000, false},  {21, 0x0000, false}, {127, 0x0000, false}, {255, 0x0000, false},
      {1, 0x03FF, false},  {1, 0x07FF, false},  {1, 0x63FF, false},    // flags without a channel
  };
  for (const Case& c : cases) {
    TestModel m;
    CChannelStore& s = m->store;
    MakeLtrZone(s, 4);
    s.zoneHomeRepeater[4] = c.home;
    const int slot = (c.home & 0x7F) - 1;
    if (slot >= 0 && slot < kRepeatersPerZone) s.zoneRepeaters[4][slot] = c.word;
    Image image = BlankImage(0xEE);
    EXPECT_EQ(s.CheckAndPack(image.data()), c.ok ? 1 : 0) << int(c.home) << " " << c.word;
    if (c.ok) {
      EXPECT_TRUE(m.host.messages.empty());
      EXPECT_EQ(GetBE16(Zone(image, 4) + 16 + 2 * slot), c.word | 0x6000);
    } else {
      ASSERT_EQ(m.host.messages.size(), 1u);
      EXPECT_EQ(m.host.messages[0], kHomeText5);
      // The zones before are written, this one only up to byte 1, the later ones not.
      EXPECT_EQ(Zone(image, 3)[12], 136);
      EXPECT_EQ(Zone(image, 4)[1], 0x66);
      EXPECT_EQ(Zone(image, 4)[2], 0xEE);
      EXPECT_EQ(Zone(image, 5)[0], 0xEE);
    }
  }
}

TEST(ChannelStoreTest, LtrBlockDecodeTable) {
  struct Case { int start, end; bool ok; };
  const Case cases[] = {{255, 255, true}, {1, 250, true},   {10, 10, true},  {0, 10, false},
                        {10, 251, false}, {10, 9, false},   {255, 10, false}, {0, 0, false}};
  for (const Case& c : cases) {
    for (int pair = 0; pair < 2; ++pair) {
      TestModel m;
      CChannelStore& s = m->store;
      MakeLtrZone(s, 4);
      (pair == 0 ? s.zoneRxIdStart : s.zoneTxInhibitIdStart)[4] = std::uint8_t(c.start);
      (pair == 0 ? s.zoneRxIdStop : s.zoneTxInhibitIdStop)[4] = std::uint8_t(c.end);
      Image image = BlankImage(0);
      EXPECT_EQ(s.CheckAndPack(image.data()), c.ok ? 1 : 0) << c.start << "/" << c.end << " pair " << pair;
      if (!c.ok) {
        ASSERT_EQ(m.host.messages.size(), 1u);
        EXPECT_EQ(m.host.messages[0], kBlockText5);
      }
    }
  }
}

TEST(ChannelStoreTest, ZonesNotInUseAreNeverChecked) {
  TestModel m;
  CChannelStore& s = m->store;
  m->keys.keyFunctionCodes[0] = 0x10;
  for (int z = 1; z < kZoneCount; ++z) {
    s.SetSystemDefaults(z, z % 2 ? kSystemLtr : kSystemConventional);
    s.zoneTxPower[z] = 0x80;
    s.zoneHomeRepeater[z] = 0;
    s.zoneInterconnectLtrId[z] = 255;
    s.zoneRxIdStart[z] = 0;
    s.zoneRxIdStop[z] = 0;
  }
  Image image = BlankImage(0);
  EXPECT_EQ(s.CheckAndPack(image.data()), 1);
  EXPECT_TRUE(m.host.messages.empty());
}

TEST(ChannelStoreTest, SelectionsAndBytesBAreNotWrittenBack) {
  TestModel m;
  CChannelStore& s = m->store;
  Image image = BlankImage(0);
  image[44] = 5;
  image[45] = 4;
  image[76 + 1] = 2;    // third group of zone 1
  image[76 + 2] = 255;  // none
  image[108 + 1] = 0x42;
  s.UnpackFromImage(image.data());
  EXPECT_EQ(s.zoneGroupSelection[1], 3);
  EXPECT_EQ(s.zoneGroupSelection[2], 0);
  EXPECT_EQ(s.zoneByteB[1], 0x42);

  ASSERT_EQ(s.CheckAndPack(image.data()), 1);
  EXPECT_EQ(image[76 + 1], 255);
  EXPECT_EQ(image[108 + 1], 0);
  EXPECT_EQ(image[44], 5);
  EXPECT_EQ(image[45], 4);
}

TEST(ChannelStoreTest, GroupLayoutFollowsZoneAndSystemType) {
  for (std::uint8_t systemType : {0x40, 0x00}) {
    TestModel m;
    CChannelStore& s = m->store;
    m->global.systemType = systemType;
    s.groupCount[0] = 5;
    s.groupCount[1] = 5;
    s.zoneFormat[1] = 0x90;  // PassPort zone: groups 5..9
    s.UpdateGroupTotals();
    Image image = BlankImage(0);
    for (int g : {2, 7, 20}) {
      image[GroupOffset(g) + 4] = 0x12;
      image[GroupOffset(g) + 5] = 0x34;
    }
    for (int g = 0; g < kGroupCount; ++g) s.UnpackGroup(g, image.data());
    EXPECT_EQ(s.groups[2].byte4, 0x12);
    EXPECT_EQ(s.groups[7].idWord, 0x1234);
    // A group in no zone reads and writes by the same rule, so it keeps its bytes.
    Image out = BlankImage(0xEE);
    for (int g = 0; g < kGroupCount; ++g) ASSERT_EQ(s.PackGroup(g, out.data()), 1);
    for (int g : {2, 7, 20}) {
      EXPECT_EQ(out[GroupOffset(g) + 4], 0x12) << g;
      EXPECT_EQ(out[GroupOffset(g) + 5], 0x34) << g;
    }
  }
}

TEST(ChannelStoreTest, GroupChecksTakeZoneAndDtmfFromTheModel) {
  TestModel m;
  CChannelStore& s = m->store;
  s.groupCount[0] = 5;
  s.groupCount[1] = 5;
  s.groupCount[2] = 5;
  s.UpdateGroupTotals();
  s.groups[12].flags = kGroupInUse;
  s.groups[12].channelWord = 0x8000;
  Image image = BlankImage(0);
  EXPECT_EQ(s.PackGroup(12, image.data()), 0);
  EXPECT_EQ(m.host.messages.back(), "DCS code not been programmed for the TPAC function on Zone 3");

  s.groups[12].channelWord = 0;
  s.groups[12].byte1 = 0x80;
  EXPECT_EQ(s.PackGroup(12, image.data()), 0);
  m->dtmf.aniCode[0] = 0x30;  // a first ANI code of three digits
  EXPECT_EQ(s.PackGroup(12, image.data()), 1);
  m->global.byte202 |= 0x01;  // the ANI code sent with PTT released applies
  EXPECT_EQ(s.PackGroup(12, image.data()), 0);

  EXPECT_EQ(s.PackGroup(250, image.data()), 1);  // no such group: nothing to do
  EXPECT_EQ(s.PackGroup(-1, image.data()), 1);
}

TEST(ChannelStoreTest, GroupRunsResetsAndClippedMoves) {
  TestModel m;
  CChannelStore& s = m->store;
  s.groupCount[0] = 3;
  s.groupCount[1] = 0;
  s.groupCount[2] = 4;
  s.groupCount[31] = 2;
  s.UpdateGroupTotals();
  EXPECT_EQ(s.CountGroupsBeforeZone(0), 0);
  EXPECT_EQ(s.CountGroupsBeforeZone(2), 3);
  EXPECT_EQ(s.CountGroupsBeforeZone(40), 9);
  EXPECT_EQ(s.ZoneOfGroup(2), 0);
  EXPECT_EQ(s.ZoneOfGroup(3), 2);
  EXPECT_EQ(s.ZoneOfGroup(8), 31);
  EXPECT_EQ(s.ZoneOfGroup(9), -1);
  EXPECT_EQ(s.ZoneOfGroup(250), -1);
  EXPECT_EQ(s.GetFirstGroupIndex(2, 0), 0);
  EXPECT_EQ(s.GetFirstGroupIndex(2, 1), 4);
  EXPECT_EQ(s.freeGroupPool, 241u);

  // ResetSystemGroups touches only the zone's own run and keeps names and flags.
  for (CGroupRecord& g : s.groups) g.byte1 = 0x55;
  s.zoneFormat[2] = 0x84;
  s.groups[4].flags = kGroupInUse;
  s.ResetSystemGroups(2);
  EXPECT_EQ(s.groups[2].byte1, 0x55);
  EXPECT_EQ(s.groups[3].byte1, 0);
  EXPECT_EQ(s.groups[6].channelWord, 0x13FF);
  EXPECT_EQ(s.groups[7].byte1, 0x55);
  EXPECT_EQ(s.groups[4].flags, kGroupInUse);
  EXPECT_STREQ(s.groups[4].name, "GROUP005");

  // Moves are clipped at the end of the store (the zone pool's tests move records either way).
  for (int g = 0; g < kGroupCount; ++g) s.groups[g].idWord = std::uint16_t(g);
  s.MoveGroupRecords(240, 245, 10);
  EXPECT_EQ(s.groups[249].idWord, 244);
  s.MoveGroupRecords(245, 300, 5);  // nowhere to go
  EXPECT_EQ(s.groups[249].idWord, 244);
  for (int g = 0; g < kGroupCount; ++g) s.groups[g].idWord = std::uint16_t(g);
  s.MoveGroupRecords(248, 240, 5);  // only two records to read
  EXPECT_EQ(s.groups[241].idWord | s.groups[242].idWord << 16, 249 | 242 << 16);
}

TEST(ChannelStoreTest, ImagesWithOutOfRangeIndicesAreSafe) {
  // A blank image: zone bytes 255, channel words 0xFFFF, counts repaired.
  std::mt19937 random(4711);
  for (int round = 0; round < 12; ++round) {
    TestModel m;
    Image image = BlankImage(0xFF);
    if (round > 0)
      for (std::size_t k = 0; k < kImageSize; ++k) image[k] = std::uint8_t(random());
    image[img::kHardware] = round % 2 ? 0x61 : 0x01;
    m->UnpackImage(image.data());
    m->UnpackImageTail(image.data(), m->tail.data(), 1);
    CChannelStore& s = m->store;
    EXPECT_LE(s.groupTotal, 250u);
    for (int z = 0; z < kZoneCount; ++z) {
      EXPECT_LE(s.HomeRepeater(z), kRepeatersPerZone);
    }
    // The store's own pass and every group, as the pack runs them.
    Image out = image;
    s.CheckAndPack(out.data());
    for (int g = 0; g < kGroupCount; ++g) s.PackGroup(g, out.data());
    m->PackImage(out.data());
    for (int c : {0, 249, 250, 1022, 1023}) s.ClearChannelReferences(c);
  }
}
