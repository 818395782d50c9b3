#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
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

// A format's defaults keep the group's name and flags.
TEST(GroupRecordTest, DefaultDataByZoneFormat) {
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
}

// (Where the fields lie in either layout is fixed by the golden page scripts.)
// The pack pads a short name with blanks, clears bit 2 of byte 3 in the image
// and the record, and leaves the next group alone.
TEST(GroupRecordTest, PackPadsTheNameAndClearsByte3Bit2) {
  CGroupRecord group;
  group.Reset(7);
  std::strcpy(group.name, "AB");
  group.byte3 = 0xFF;
  GroupPack pack;
  pack.context.idLayout = true;
  EXPECT_EQ(pack.Pack(group, 7), 1);
  EXPECT_EQ(std::memcmp(pack.Bytes(7) + 8, "AB      ", 8), 0);
  EXPECT_EQ(pack.Bytes(7)[3], 0xFB);
  EXPECT_EQ(group.byte3, 0xFB);
  EXPECT_EQ(pack.image[GroupOffset(7) + 16], 0xEE);
}

// Each check of a group in use, by its trigger, with its text; the first that
// fails speaks and nothing is written. A group not in use is packed unchecked.
TEST(GroupRecordTest, ChecksInOrderWithTheirTexts) {
  constexpr char kTpacText[] = "DCS code not been programmed for the TPAC function on Zone 7";
  struct Case {
    std::uint16_t word;
    std::uint8_t byte1, byte2, byte3;
    std::uint8_t zoneFormat;
    std::uint8_t aniCode1, aniCode2;
    bool aniFromPttOff;
    const char* refusal;  // nullptr: packed
  };
  const Case cases[] = {
      {0x2000, 0, 0, 0, 0x88, 0, 0, false, kToneText},  // horn alert without tone information
      {0x1000, 0, 0, 0, 0x88, 0, 0, false, nullptr},    // below the horn threshold
      {0x3000, 0, 0x08, 0, 0x88, 0, 0, false, nullptr},  // CTCSS, DCS and DCS inverted carry it
      {0x3000, 0, 0x10, 0, 0x88, 0, 0, false, nullptr},
      {0x3000, 0, 0x18, 0, 0x88, 0, 0, false, nullptr},
      {0x3000, 0, 0x20, 0, 0x88, 0, 0, false, kToneText},  // a type that carries none
      {0, 0, 0, 0x08, 0x88, 0, 0, false, kToneText},       // call alert needs a tone ...
      {0, 0, 0, 0x08, 0x84, 0, 0, false, nullptr},         // ... except in an LTR zone
      {0, 0x80, 0, 0, 0x88, 0, 5, false, kAniText},        // ANI: the code its selection bit chooses
      {0, 0x80, 0, 0, 0x88, 0, 5, true, nullptr},
      {0, 0x80, 0, 0, 0x88, 5, 0, true, kAniText},
      {0x8000, 0, 0x0A, 0, 0x88, 0, 0, false, kTpacText},  // TPAC (every byte 2 in the next test)
      {0xA000, 0x80, 0, 0, 0x88, 0, 0, false, kToneText},  // horn before ANI before TPAC
      {0x8000, 0x80, 0, 0, 0x88, 0, 0, false, kAniText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.word << " " << int(c.byte1) << " " << int(c.byte2) << " "
                                    << int(c.byte3) << " " << int(c.zoneFormat));
    GroupPack pack;
    pack.context = {c.zoneFormat, 7, false, c.aniFromPttOff, c.aniCode1, c.aniCode2};
    CGroupRecord group = InUse();
    group.channelWord = c.word;
    group.byte1 = c.byte1, group.byte2 = c.byte2, group.byte3 = c.byte3;
    EXPECT_EQ(pack.Pack(group), c.refusal ? 0 : 1);
    EXPECT_EQ(pack.host.messages, c.refusal ? std::vector<std::string>{c.refusal} : std::vector<std::string>{});
    EXPECT_EQ(pack.Bytes()[0] == 0xEE, c.refusal != nullptr);  // nothing written
    group.flags = 0;  // out of use: packed without any check
    EXPECT_EQ(pack.Pack(group), 1);
    EXPECT_EQ(pack.Bytes()[6], c.word >> 8);
  }
}

// TPAC takes a DCS tone type (16 or 24) with sub-type 2 or 3 and no other pair
// of byte 2, whatever its two top bits hold; a refusal names the zone.
TEST(GroupRecordTest, TpacWantsDcsWithSubType2Or3) {
  const std::set<int> accepted = {0x12, 0x13, 0x1A, 0x1B};
  for (int top : {0x00, 0xC0}) {
    for (int typeAndSub = 0; typeAndSub < 0x40; ++typeAndSub) {
      SCOPED_TRACE(testing::Message() << "byte 2 = 0x" << std::hex << (top | typeAndSub));
      GroupPack pack;
      pack.context = {0x88, 32, false, false, 0, 0};
      CGroupRecord group = InUse();
      group.channelWord = 0x8005;
      group.byte2 = std::uint8_t(top | typeAndSub);
      const bool takes = accepted.count(typeAndSub) != 0;
      EXPECT_EQ(pack.Pack(group), takes ? 1 : 0);
      EXPECT_EQ(pack.host.messages,
                takes ? std::vector<std::string>{}
                      : std::vector<std::string>{"DCS code not been programmed for the TPAC function on Zone 32"});
    }
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
