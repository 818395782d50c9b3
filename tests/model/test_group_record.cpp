#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/group_record.h"
#include "test_support.h"

namespace {

constexpr char kToneText[] = "Please set up the CTCSS/DCS information or disable the Horn alert function.";
constexpr char kAniText[] =
    "Please set up the ANI code at [DTMF ANI] menu or disable the ANI function at the each Group.";

struct GroupPack {
  RecordingHost host;
  std::vector<std::uint8_t> image = std::vector<std::uint8_t>(kImageBufferSize, 0xEE);
  GroupPackContext context;

  int Pack(CGroupRecord& group, int g = 3) { return group.CheckAndPack(g, image.data(), context, host); }
  const std::uint8_t* Bytes(int g = 3) const { return image.data() + GroupOffset(g); }
};

CGroupRecord InUse() {
  CGroupRecord group;
  group.Reset(3);
  group.flags = kGroupInUse;
  return group;
}

}  // namespace

TEST(GroupRecordTest, ResetAndDefaultData) {
  CGroupRecord first, other;
  first.Reset(0);
  other.Reset(41);
  EXPECT_EQ(first.channelWord, 0);
  EXPECT_EQ(first.flags, kGroupInUse);
  EXPECT_STREQ(first.name, "GROUP001");
  EXPECT_EQ(other.channelWord, 0x3FF);
  EXPECT_EQ(other.flags, 0);
  EXPECT_STREQ(other.name, "GROUP042");
  EXPECT_EQ(other.byte0, 135);
  EXPECT_EQ(other.byte4, 255);
  EXPECT_EQ(other.idWord, 1);

  CGroupRecord group = InUse();
  group.byte1 = 0x80;
  std::strcpy(group.name, "KEEP ME ");
  group.SetDefaultData(0x84);  // LTR zone
  EXPECT_EQ(group.channelWord, 0x13FF);
  EXPECT_EQ(group.byte1, 0);
  EXPECT_STREQ(group.name, "KEEP ME ");
  EXPECT_EQ(group.flags, kGroupInUse);
  group.SetDefaultData(0x90);  // PassPort zone: no busy lock-out
  EXPECT_EQ(group.channelWord, 0x03FF);

  group.InitDefault(9, 0x84);
  EXPECT_STREQ(group.name, "GROUP010");
  EXPECT_EQ(group.flags, 0);
  EXPECT_EQ(group.channelWord, 0x13FF);
}

TEST(GroupRecordTest, UnpackAndPackLayouts) {
  std::vector<std::uint8_t> image(kImageBufferSize, 0);
  std::uint8_t* p = image.data() + GroupOffset(7);
  const std::uint8_t bytes[16] = {0x81, 0x82, 0x13, 0x08, 0x12, 0x34, 0x80, 0x05, 'T', 'A', 'G', ' ', 'O', 'N', 'E', ' '};
  std::memcpy(p, bytes, 16);

  CGroupRecord conventional, passPort;
  conventional.UnpackFromImage(7, image.data(), false);
  passPort.UnpackFromImage(7, image.data(), true);
  EXPECT_EQ(conventional.byte4, 0x12);
  EXPECT_EQ(conventional.byte5, 0x34);
  EXPECT_EQ(conventional.idWord, 1);  // untouched
  EXPECT_EQ(passPort.idWord, 0x1234);
  EXPECT_EQ(passPort.byte4, 255);
  EXPECT_EQ(passPort.channelWord, 0x8005);
  EXPECT_STREQ(passPort.name, "TAG ONE ");

  // Packed back by the same layout, a group not in use gives its bytes again.
  GroupPack pack;
  EXPECT_EQ(pack.Pack(conventional, 7), 1);
  EXPECT_EQ(std::memcmp(pack.Bytes(7), bytes, 16), 0);
  pack.context.idLayout = true;
  passPort.idWord = 0xBEEF;
  EXPECT_EQ(pack.Pack(passPort, 7), 1);
  EXPECT_EQ(pack.Bytes(7)[4], 0xBE);
  EXPECT_EQ(pack.Bytes(7)[5], 0xEF);

  // A short name is padded with blanks; bit 2 of byte 3 is cleared in the image and the record.
  std::strcpy(passPort.name, "AB");
  passPort.byte3 = 0xFF;
  EXPECT_EQ(pack.Pack(passPort, 7), 1);
  EXPECT_EQ(std::memcmp(pack.Bytes(7) + 8, "AB      ", 8), 0);
  EXPECT_EQ(pack.Bytes(7)[3], 0xFB);
  EXPECT_EQ(passPort.byte3, 0xFB);
  EXPECT_EQ(pack.image[GroupOffset(7) + 16], 0xEE);  // the next group is untouched
}

TEST(GroupRecordTest, ChecksInOrderWithTheirTexts) {
  // Horn alert without tone information.
  {
    GroupPack pack;
    CGroupRecord group = InUse();
    group.channelWord = 0x2000;
    EXPECT_EQ(pack.Pack(group), 0);
    ASSERT_EQ(pack.host.messages.size(), 1u);
    EXPECT_EQ(pack.host.messages[0], kToneText);
    EXPECT_EQ(pack.Bytes()[0], 0xEE);  // nothing written
    group.channelWord = 0x1000;        // below the horn threshold
    EXPECT_EQ(pack.Pack(group), 1);
    group.channelWord = 0x3000;
    for (std::uint8_t type : {0x08, 0x10, 0x18}) {
      group.byte2 = type;
      EXPECT_EQ(pack.Pack(group), 1) << int(type);
    }
    group.byte2 = 0x20;  // a type that carries no tone information
    EXPECT_EQ(pack.Pack(group), 0);
  }
  // Call alert needs a tone, except in an LTR zone.
  {
    GroupPack pack;
    CGroupRecord group = InUse();
    group.byte3 = 0x08;
    pack.context.zoneFormat = 0x88;
    EXPECT_EQ(pack.Pack(group), 0);
    EXPECT_EQ(pack.host.messages.back(), kToneText);
    pack.context.zoneFormat = 0x84;
    EXPECT_EQ(pack.Pack(group), 1);
  }
  // ANI: the code chosen by the ANI selection bit must be programmed.
  {
    GroupPack pack;
    CGroupRecord group = InUse();
    group.byte1 = 0x80;
    pack.context.aniCode1 = 0;
    pack.context.aniCode2 = 5;
    EXPECT_EQ(pack.Pack(group), 0);
    EXPECT_EQ(pack.host.messages.back(), kAniText);
    pack.context.aniFromPttOff = true;
    EXPECT_EQ(pack.Pack(group), 1);
    pack.context.aniCode2 = 0;
    EXPECT_EQ(pack.Pack(group), 0);
  }
  // TPAC needs a DCS code: type 16 or 24, sub-type 2 or 3; the zone is named.
  {
    GroupPack pack;
    CGroupRecord group = InUse();
    group.channelWord = 0x8000;
    pack.context.zoneNumber = 7;
    group.byte2 = 0x12;
    EXPECT_EQ(pack.Pack(group), 1);
    group.byte2 = 0x1B;
    EXPECT_EQ(pack.Pack(group), 1);
    group.byte2 = 0x11;
    EXPECT_EQ(pack.Pack(group), 0);
    group.byte2 = 0x0A;
    EXPECT_EQ(pack.Pack(group), 0);
    ASSERT_EQ(pack.host.messages.size(), 2u);
    EXPECT_EQ(pack.host.messages[0], "DCS code not been programmed for the TPAC function on Zone 7");
  }
  // The first failing check speaks: horn before ANI before TPAC.
  {
    GroupPack pack;
    CGroupRecord group = InUse();
    group.channelWord = 0xA000;
    group.byte1 = 0x80;
    EXPECT_EQ(pack.Pack(group), 0);
    EXPECT_EQ(pack.host.messages.back(), kToneText);
    group.channelWord = 0x8000;
    EXPECT_EQ(pack.Pack(group), 0);
    EXPECT_EQ(pack.host.messages.back(), kAniText);
  }
  // A group not in use is packed without any check.
  {
    GroupPack pack;
    CGroupRecord group = InUse();
    group.flags = 0;
    group.channelWord = 0xA000;
    group.byte1 = 0x80;
    group.byte3 = 0x08;
    EXPECT_EQ(pack.Pack(group), 1);
    EXPECT_TRUE(pack.host.messages.empty());
    EXPECT_EQ(pack.Bytes()[6], 0xA0);
  }
}

TEST(GroupRecordTest, DefaultTemplateTakesEachListsDefaultCode) {
  CDefaultGroupRecord record;
  record.Reset();
  const std::uint8_t expected[6] = {0x87, 0x00, 0x00, 0x00, 0x00, 0x01};
  EXPECT_EQ(std::memcmp(record.byte, expected, 6), 0);
  EXPECT_EQ(record.word, 0x4000);

  // Bits that no list shows keep their value; the fields do not (byte 3 is all
  // fields once the LTR advanced view's rows are counted).
  std::memset(record.byte, 0xFF, 6);
  record.word = 0xFFFF;
  record.Reset();
  EXPECT_EQ(record.byte[0], 0x87);
  EXPECT_EQ(record.byte[1], 0x00);
  EXPECT_EQ(record.byte[2], 0xFC);
  EXPECT_EQ(record.byte[3], 0x00);
  EXPECT_EQ(record.byte[4], 0xFD);
  EXPECT_EQ(record.byte[5], 0x01);
  EXPECT_EQ(record.word, 0x4FFF);
}
