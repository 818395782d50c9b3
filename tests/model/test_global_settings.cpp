// The global settings record: its checks and their messages, the bits the pack
// forces, zone-relative group numbers, zones and groups out of range, and the two
// block counters.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

using Image = std::vector<std::uint8_t>;

// A model whose keys call for nothing; zone counts as given, every zone, group
// and channel out of use.
struct GlobalSettingsTest : ::testing::Test {
  TestModel m;
  CGlobalSettings& g = m->global;
  Image image = BlankImage();

  void SetUp() override {
    for (auto& code : m->keys.keyFunctionCodes) code = 0;
    Counts({1});
  }
  void Counts(std::initializer_list<int> counts) {
    int z = 0;
    for (auto& c : m->store.groupCount) c = 0;
    for (int c : counts) m->store.groupCount[z++] = std::uint8_t(c);
    for (auto& f : m->store.zoneFlags) f = 0;
    for (auto& group : m->store.groups) group.flags = 0;
    for (auto& channel : m->store.channels) channel.programmed = 0;
  }
  void Use(std::initializer_list<int> zones, std::initializer_list<int> groups = {}) {
    for (int z : zones) m->store.zoneFlags[z] |= 1;
    for (int k : groups) m->store.groups[k].flags |= 1;
  }
  int Pack0(bool defaults = false) {
    image = BlankImage();
    image[202] = 0x50;
    return defaults ? g.CheckAndPackDefaults(image.data(), 0) : g.CheckAndPack(image.data(), 0);
  }
  std::string Refusal() {
    const bool refused = Pack0() == 0;
    return refused && !m.host.messages.empty() ? m.host.messages.back() : "";
  }
};

using GlobalSettingsChecks = GlobalSettingsTest;

TEST_F(GlobalSettingsChecks, RefusalsComeInOrderWithTheirTexts) {
  Counts({2, 1, 1, 1, 1, 3});
  const std::uint8_t codes[] = {0x13, 0x1A, 0x1B, 0x1C, 0x1D, 0x11};
  std::copy(std::begin(codes), std::end(codes), m->keys.keyFunctionCodes);
  g.byte208 = 0x20;  // power-on status "Zone 1"
  g.homeSystem = g.emergencySystem = g.emergencyGroup = 255;
  g.shortCutZone = {255, 255, 255, 255};

  EXPECT_EQ("Home Zone has not been programmed", Refusal());
  EXPECT_EQ(0x88, image[42]);  // written before the refusal
  EXPECT_EQ(0xFF, image[141]);
  g.homeSystem = 1, Use({1});
  EXPECT_EQ("Please set up the Zone 1/Group 1.", Refusal());
  EXPECT_EQ(1, image[141]);
  EXPECT_EQ(0xFF, image[208]);
  Use({0}, {0});
  for (int n = 0; n < 4; ++n) {
    EXPECT_EQ("Short cut # " + std::to_string(n + 1) + " has not been programmed", Refusal());
    g.shortCutZone[n] = std::uint8_t(n + 1), Use({n + 1});
  }
  EXPECT_EQ("Emergency Zone has not been programmed", Refusal());
  g.emergencySystem = 5, Use({5});
  EXPECT_EQ("Emergency Group has not been programmed", Refusal());
  g.emergencyGroup = 7, Use({}, {7});
  m.host.messages.clear();
  EXPECT_EQ(1, Pack0());
  EXPECT_TRUE(m.host.messages.empty());
  EXPECT_EQ(1, image[234]);  // group 7 is the second group of zone 5
  EXPECT_EQ(5, image[235]);
}

TEST_F(GlobalSettingsChecks, OtherTriggersAndOutOfRangeValues) {
  Counts({2, 3});
  Use({0, 1}, {0, 1, 2, 3, 4});
  g.homeSystem = 40;
  EXPECT_EQ("", Refusal());
  g.byte182 |= 0x20;  // home group scan
  EXPECT_EQ("Home Zone has not been programmed", Refusal());
  g.byte182 &= ~0x20;
  g.byte208 = 0x08;  // revert group mode 01
  EXPECT_EQ("Home Zone has not been programmed", Refusal());
  g.homeSystem = 1;
  m->keys.keyFunctionCodes[1] = 0x1C;
  g.shortCutZone[2] = 200;
  EXPECT_EQ("Short cut # 3 has not been programmed", Refusal());
  g.shortCutZone[2] = 0;
  m->keys.keyFunctionCodes[2] = 0x11;
  g.emergencySystem = 32;
  EXPECT_EQ("Emergency Zone has not been programmed", Refusal());
  g.emergencySystem = 1;
  // 1 is in use but one of zone 0's groups.
  for (int group : {250, 254, 255, 1}) {
    g.emergencyGroup = std::uint8_t(group);
    EXPECT_EQ("Emergency Group has not been programmed", Refusal()) << group;
  }
  g.emergencyGroup = 4;
  EXPECT_EQ(1, Pack0());
  EXPECT_EQ(2, image[234]);
}

TEST_F(GlobalSettingsTest, PackForcesItsBitsAndTheDefaultsVariantDiffers) {
  g.byte30 = 0xC0;
  g.byte186 = 0x17;
  g.byte205 = 0x00;
  g.byte705 = 0x01;
  g.homeGroup = 7;
  g.backLightFlag = 1;
  g.afMinVrLevel = 17;
  ASSERT_EQ(1, Pack0());
  const std::pair<int, int> written[] = {{42, 0x88},  {30, 0xA0},  {213, 0x29}, {202, 0x5A}, {205, 0x30}, {186, 0x07},
                                         {705, 0x41}, {182, 0x58}, {140, 0},    {210, 0},    {214, 0},    {220, 0},
                                         {226, 17},   {33, 0xFF},  {236, 0xFF}, {249, 0xFF}, {252, 0xFF}};
  for (auto [pos, value] : written) EXPECT_EQ(value, image[pos]) << pos;
  EXPECT_EQ(0x88, g.byte42);
  EXPECT_EQ(0xC0, g.byte30);
  EXPECT_EQ(0x28, g.byte213);
  EXPECT_EQ(0x0A, g.byte202);
  EXPECT_EQ(0x30, g.byte205);
  EXPECT_EQ(0x07, g.byte186);

  // What the defaults variant writes of a fresh record is in the default files;
  // it does not force 705 and clears the AF level.
  g.byte705 = 0x01;
  ASSERT_EQ(1, Pack0(true));
  EXPECT_EQ(0x01, image[705]);
  EXPECT_EQ(0, image[226]);
  EXPECT_EQ(0, g.afMinVrLevel);
}

TEST_F(GlobalSettingsTest, DtmfDecodingAndPhoneInterconnectKey) {
  g.byte30 = 0x80;
  m->dtmf.pagingCode[9] = 0x2FFF;
  ASSERT_EQ(1, Pack0());
  EXPECT_EQ(0x20, image[30]);
  EXPECT_EQ(0x00, g.byte30);
  EXPECT_EQ(0x01, image[208]);
  m->keys.keyFunctionCodes[3] = 0x10;
  ASSERT_EQ(1, Pack0());
  EXPECT_EQ(0x19, image[208]);
}

TEST_F(GlobalSettingsTest, UnpackAdjustsItsBits) {
  image[42] = 0xFF, image[140] = 5, image[182] = 0x40, image[205] = 0x00, image[32] = 0x01;
  g.UnpackFromImage(image.data());
  EXPECT_EQ(0xDF, g.byte42);
  EXPECT_EQ(0, g.homeGroup);
  EXPECT_EQ(1u, g.backLightFlag);
  EXPECT_EQ(0x10, g.byte205);
  EXPECT_EQ(0u, g.bandFlag);
}

TEST_F(GlobalSettingsTest, GroupConversions) {
  Counts({10, 6, 5});
  EXPECT_EQ(19, g.GroupIndexOf(3, 2));
  EXPECT_EQ(3, g.GroupInZone(19));
  EXPECT_EQ(255, g.GroupIndexOf(255, 2));
  EXPECT_EQ(255, g.GroupInZone(255));
  // Numbers that name no group give none.
  EXPECT_EQ(255, g.GroupIndexOf(0, 255));
  EXPECT_EQ(255, g.GroupIndexOf(0, 32));
  EXPECT_EQ(255, g.GroupIndexOf(6, 1));  // zone 1 has groups 0..5
  EXPECT_EQ(255, g.GroupIndexOf(0, 3));  // an empty zone
  EXPECT_EQ(255, g.GroupInZone(21));     // beyond the 21 groups in zones
  // Corrupt counts: the sum does not wrap at 256.
  Counts({200, 100});
  EXPECT_EQ(255, g.GroupIndexOf(60, 1));
}

TEST_F(GlobalSettingsTest, ImageGroupNumbersRoundTrip) {
  Counts({10, 6, 5});
  image[234] = 3, image[235] = 2, image[211] = 1, image[219] = 2;
  image[731] = 2, image[732] = 3, image[733] = 255, image[734] = 5;  // zone 2 has no sixth group
  image[182] = image[208] = 0;
  g.UnpackFromImage(image.data());
  EXPECT_EQ(19, g.emergencyGroup);
  EXPECT_EQ(10, g.dataGroup);
  EXPECT_EQ(16, g.shortCutGroup[2]);
  EXPECT_EQ(255, g.shortCutGroup[0]);  // zone 255
  EXPECT_EQ((std::array<int, 3>{19, 255, 255}),
            (std::array<int, 3>{g.groupSwitchGroup[0], g.groupSwitchGroup[1], g.groupSwitchGroup[2]}));

  g.groupSwitchGroup[3] = 9;  // a group of zone 0, not of the list zone
  m->store.groups[19].flags |= kGroupInUse;  // only an in-use group of the list zone is written
  ASSERT_EQ(1, Pack0());
  EXPECT_EQ(3, image[234]);
  EXPECT_EQ(3, image[732]);
  EXPECT_EQ(255, image[733]);
  EXPECT_EQ(255, image[735]);
  // A count change in an earlier zone moves the emergency group into zone 1: it
  // is written as none, never as a number of another zone's group.
  m->store.groupCount[0] = 15;
  ASSERT_EQ(1, Pack0());
  EXPECT_EQ(255, image[234]);
}

TEST(GlobalSettingsModel, SecondUnpackUsesTheLoadedCounts) {
  TestModel m;
  Image image = BlankImage();
  m->PackImageDefaults(image.data());
  std::fill(image.begin() + 44, image.begin() + 76, 0);
  image[44] = 10, image[45] = 6, image[46] = 5, image[234] = 3, image[235] = 2;
  m->UnpackImage(image.data());
  EXPECT_EQ(19, m->global.emergencyGroup);
}

// Zone bytes of 255, group numbers of 255, empty channels everywhere: the
// records index nothing outside, and the pack refuses the image with its reason.
TEST(GlobalSettingsModel, BlankImageUnpacksAndPacksSafely) {
  for (std::uint8_t hardware : {0x61, 0x01}) {
    SCOPED_TRACE(int(hardware));
    TestModel m;
    Image image = BlankImage();
    image[img::kHardware] = hardware;
    m->UnpackImage(image.data());
    m->UnpackImageTail(image.data(), m->tail.data(), 1);
    CGlobalSettings& g = m->global;
    EXPECT_EQ(255, g.homeSystem);
    EXPECT_EQ(255, g.dataGroup);
    EXPECT_EQ(255, g.emergencyGroup);
    for (auto k : g.shortCutGroup) EXPECT_EQ(255, k);
    for (auto k : g.groupSwitchGroup) EXPECT_EQ(255, k);
    EXPECT_EQ(0, m->PackImage(image.data()));  // 182 bit 5 asks for home zone 255
    EXPECT_EQ(m.host.messages, std::vector<std::string>{"Home Zone has not been programmed"});
    g.byte182 = g.byte208 = 0;
    EXPECT_EQ(1, g.CheckAndPack(image.data(), 0));
    for (int pos : {141, 234, 235, 732, 747}) EXPECT_EQ(255, image[pos]) << pos;
  }
}

TEST_F(GlobalSettingsTest, BlockCounters) {
  g.lastChannelBlock = 77;
  g.lastGroupBlock = 33;
  EXPECT_EQ(1, g.CheckAndPack(image.data(), 1));
  EXPECT_EQ(77, image[252]);  // nothing programmed, nothing in use: kept
  EXPECT_EQ(33, image[253]);
  for (auto [channel, block] : {std::pair{4, 57}, std::pair{5, 58}, std::pair{10, 59}, std::pair{249, 106}}) {
    Counts({1});
    m->store.channels[0].programmed = m->store.channels[channel].programmed = 1;
    g.CheckAndPack(image.data(), 1);
    EXPECT_EQ(block, image[252]) << channel;
  }
  for (auto [group, block] : {std::pair{7, 25}, std::pair{8, 26}, std::pair{249, 56}}) {
    Counts({1});
    Use({}, {0, group});
    g.CheckAndPackDefaults(image.data(), 1);
    EXPECT_EQ(block, image[253]) << group;
  }
  m->store.channels[249].programmed = 1;
  m.host.memMap3 = 100;
  g.CheckAndPack(image.data(), 1);
  EXPECT_EQ(100, image[252]);
  m.host.memMap3 = 0;  // none configured: no limit
  g.CheckAndPack(image.data(), 1);
  EXPECT_EQ(106, image[252]);
}

TEST_F(GlobalSettingsTest, OptionBoardCode) {
  const std::pair<int, int> boards[] = {{0x7C, 4}, {0x04, 0}, {0x1B, 3}};
  for (auto [byte, code] : boards) EXPECT_EQ(code, (g.byte247 = std::uint8_t(byte), g.optionBoardCode())) << byte;
  g.SetOptionBoardCode(4);
  EXPECT_EQ(0x7C, g.byte247);
  g.SetOptionBoardCode(0);
  EXPECT_EQ(0x18, g.byte247);
}

}  // namespace
