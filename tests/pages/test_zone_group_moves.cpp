// A zone's group count moves the groups of the zones after it, and a group of
// a Conventional zone uses the channel with its own index. Zone 1 (or zone 3)
// changes by the zone overview's keys before zone 2, whose two groups have
// names, settings and channels of their own: whether or not zone 2's page was
// opened before the save, the saved file and zone 2's page show its groups as
// they were, each on the channel with its new index. The emergency and data
// groups and two switch positions name zone 2's groups and follow them; the repeaters of
// an LTR zone 3 keep their channels' data wherever a move writes over or
// frees their records, and when no free record is left the change is refused.
#include <cstring>
#include <fstream>
#include <iterator>

#include "model/channel_model.h"
#include "pages/groups/conv_basic_page.h"
#include "pages/trunk/zone_overview_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One thing done on the zone overview (its column 1 shows zone 1), or zone
// 1's Groups page opened and left.
struct Step {
  enum Kind { Count, OnOff, GroupsPage } kind;
  int column = 0;
  const char* text = "";
};

struct MoveCase {
  const char* name;
  int firstKind;   // zone 1's format
  int firstCount;  // and its groups at the start
  std::vector<Step> steps;
  int laterFirst;  // zone 2's first group afterwards
  int ltrCount = 0;                    // zone 3's groups (LTR), none when 0
  std::vector<int> repeaterChannels;   // zone 3's slot k on this channel record at the start
  bool fullStore = false;              // every channel record programmed: the steps are refused
  int spare = 0;                       // but this many at the end
};
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

const MoveCase kCases[] = {
    {"CountUp", kSystemConventional, 1, {{Step::Count, 0, "2"}}, 2, 0, {}, false},
    {"CountDown", kSystemConventional, 3, {{Step::Count, 0, "1"}}, 1, 0, {}, false},
    {"UpThenDownWithItsPageOpened", kSystemConventional, 1,
     {{Step::Count, 0, "3"}, {Step::GroupsPage, 0}, {Step::Count, 0, "2"}}, 2, 0, {}, false},
    {"OnOffCommit", kSystemConventional, 2, {{Step::OnOff, 0, "Disable"}}, 0, 0, {}, false},
    {"PassPortZoneBefore", kSystemPassPort, 1, {{Step::Count, 0, "3"}}, 3, 0, {}, false},
    {"LastZonesCount", kSystemConventional, 1, {{Step::Count, 1, "3"}}, 1, 0, {}, false},
    // Repeaters on the LTR zone's own records, its count down.
    {"LtrZonesOwnRecords", kSystemConventional, 1, {{Step::Count, 2, "1"}}, 1, 3, {4, 5}, false},
    // Repeaters past the last group, an earlier zone growing over them.
    {"EarlierZoneGrowsOverRepeaters", kSystemConventional, 1, {{Step::Count, 0, "12"}}, 12, 1, {10, 11}, false},
    // A repeater on the record just past the groups, a zone switched on after the last.
    {"ZoneSwitchedOnAfterTheLast", kSystemConventional, 1, {{Step::OnOff, 3, "Enable"}}, 1, 1, {4}, false},
    // A channel that a repeater and a removed conventional group share.
    {"SharedWithARemovedGroup", kSystemConventional, 3, {{Step::Count, 0, "1"}}, 1, 2, {2}, false},
    // No record free for the repeater's channel: nothing changes.
    {"FullStore", kSystemConventional, 1, {{Step::Count, 0, "12"}}, 1, 1, {10}, true},
    // A free record for the first of two channels in the way: the refusal names the first.
    {"FullStoreButOne", kSystemConventional, 1, {{Step::Count, 0, "12"}}, 1, 1, {10, 11}, true, 1},
};

// Zone 2's groups: tag, frequencies (10 Hz) and spacing.
const struct {
  const char* tag;
  std::int32_t rx, tx;
  bool wide;
} kLater[] = {{"Z2G01   ", 45200000, 45700000, true}, {"Z2G02   ", 45300000, 45800000, false}};

class ZoneGroupMoveTest : public GridTest, public testing::WithParamInterface<std::tuple<MoveCase, bool>> {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    LoadRadio();
  }
  Bytes Saved() {
    EXPECT_TRUE(TheModel().SaveDataFile(dir.File("moves.X417")));
    std::ifstream in(dir.File("moves.X417"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void Do(const Step& s) {
    if (s.kind == Step::GroupsPage) {
      Show<CConvGroupBasicPage>(IDD_CONV_GROUP_BASIC, s.column);
      Show<CZoneOverviewPage>(IDD_ZONE_OVERVIEW);
    } else if (s.kind == Step::OnOff) {
      Choose(zone_ids::kOnOff[s.column], zone_ids::kPopupList, s.text);
    } else {
      Enter(zone_ids::kGroupCounts[s.column], s.text);
    }
  }
  void ExpectPageShowsZone2() {
    using namespace conv_basic_ids;
    Show<CConvGroupBasicPage>(IDD_CONV_GROUP_BASIC, 1);
    for (int k = 0; k < 2; ++k) {
      EXPECT_EQ(Text(group_ids::kTag[k]), kLater[k].tag) << k;
      EXPECT_EQ(Text(kRxFreq[k]), FrequencyCellText(kLater[k].rx)) << k;
      EXPECT_EQ(Text(kTxFreq[k]), FrequencyCellText(kLater[k].tx)) << k;
      EXPECT_EQ(Text(kChannelSpace[k]), kLater[k].wide ? "Wide" : "Narrow") << k;
    }
  }
  print_test::TempDir dir;
};

TEST_P(ZoneGroupMoveTest, LaterZonesGroupsKeepTheirChannels) {
  const auto& [c, pageOpened] = GetParam();
  CEditModel& m = TheModel();
  m.global.systemType |= 0x40;  // the repeater words are the radio's
  UseZone(0, c.firstKind, c.firstCount);
  UseZone(1, kSystemConventional, 2);
  if (c.ltrCount) UseZone(2, kSystemLtr, c.ltrCount);
  ASSERT_EQ(S().groupTotal, unsigned(c.firstCount + 2 + c.ltrCount));
  EnableGroups(0);
  EnableGroups(1);
  BindZoneChannels(m, 0);
  BindZoneChannels(m, 1);
  if (c.firstKind == kSystemConventional) EnterRxFrequency(m, 0, "451.5", BlankRx::Ignore);
  const int was = c.firstCount;  // zone 2's first group
  for (int k = 0; k < 2; ++k) {
    std::memcpy(S().groups[was + k].name, kLater[k].tag, 8);
    EnterRxFrequency(m, was + k, FrequencyEditText(kLater[k].rx), BlankRx::Ignore);
    EnterTxFrequency(m, was + k, FrequencyEditText(kLater[k].tx));
    CChannelData& ch = S().channels[was + k];
    ch.modeByte = std::uint8_t((ch.modeByte & 0x3F) | (kLater[k].wide ? 0x40 : 0));
  }
  S().groups[was].byte2 = 0x09;  // CTCSS both ways
  S().groups[was].byte4 = S().groups[was].byte5 = 3;
  S().groups[was + 1].byte0 ^= 0x20;  // TX inhibit
  // The emergency group is Z2G02, switch position #0 Z2G02 and #15 Z2G01, the data group Z2G01.
  m.global.emergencySystem = m.global.groupSwitchZone = m.global.dataZone = 1;
  m.global.emergencyGroup = m.global.groupSwitchGroup[0] = std::uint8_t(was + 1);
  m.global.groupSwitchGroup[15] = m.global.dataGroup = std::uint8_t(was);
  if (c.fullStore) {
    for (int n = 0; n < kChannelCount - c.spare; ++n) S().channels[n].programmed |= 1;
  }
  for (int k = 0; k < int(c.repeaterChannels.size()); ++k) {
    const int n = c.repeaterChannels[std::size_t(k)];
    EnterRxFrequency(m, n, FrequencyEditText(46100000 + 12500 * k), BlankRx::Ignore);
    S().zoneRepeaters[2][k] = std::uint16_t(n);
  }
  const Bytes before = Saved();

  Show<CZoneOverviewPage>(IDD_ZONE_OVERVIEW);
  for (const Step& s : c.steps) Do(s);
  const int now = S().CountGroupsBeforeZone(1);
  ASSERT_EQ(now, c.laterFirst);
  ASSERT_EQ(S().groupCount[1], c.steps.back().column == 1 ? 3 : 2);
  const std::vector<std::string> messages = prompts.MessageTexts();
  const bool marked = g_bModified != 0;
  if (pageOpened) ExpectPageShowsZone2();
  const Bytes after = Saved();
  ASSERT_EQ(after.size(), before.size());
  // Refused with its message, and nothing changed or marked changed.
  EXPECT_TRUE(!c.fullStore ||
              (messages.size() == 1 && messages[0].starts_with("Channel 11, ") && after == before && !marked));
  // Group bytes 6-7 are its channel word: the channel follows the group's index.
  auto group = [](const Bytes& file, int g) {
    Bytes record(file.begin() + long(GroupOffset(g)), file.begin() + long(GroupOffset(g) + img::kGroupSize));
    const int channel = (record[6] << 8 | record[7]) & kChannelRefMask;
    record[6] &= 0xFC;
    record[7] = 0;
    return std::pair(record, channel);
  };
  auto channel = [](const Bytes& file, int n) {
    return Bytes(file.begin() + long(ChannelOffset(n)), file.begin() + long(ChannelOffset(n) + img::kChannelSize));
  };
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE(kLater[k].tag);
    EXPECT_EQ(group(after, now + k), std::pair(group(before, was + k).first, now + k));
    EXPECT_EQ(channel(after, now + k), channel(before, was + k));
  }
  // The emergency group and the switch positions name zone 2's groups by their
  // numbers in the zone; the data group (the image holds its zone only) its group.
  EXPECT_EQ(std::vector<int>({after[234], after[235], after[731], after[732], after[747]}),
            std::vector<int>({1, 1, 1, 1, 0}));
  EXPECT_EQ(std::pair(int(m.global.emergencyGroup), int(m.global.dataGroup)), std::pair(now + 1, now));
  // Each repeater names the data its channel held, wherever that lies now.
  const int zone3 = S().CountGroupsBeforeZone(2);
  for (int k = 0; k < int(c.repeaterChannels.size()); ++k) {
    SCOPED_TRACE(k);
    const int named = S().zoneRepeaters[2][k] & kChannelRefMask;
    ASSERT_LT(named, kChannelCount);
    EXPECT_EQ(channel(after, named), channel(before, c.repeaterChannels[std::size_t(k)]));
    EXPECT_TRUE(named >= zone3) << named;  // never on a group of a Conventional zone
  }
  ASSERT_EQ(m.LoadDataFile(dir.File("moves.X417"), TQ_BINARY_DIR), 1);
  ExpectPageShowsZone2();
}

INSTANTIATE_TEST_SUITE_P(Rows, ZoneGroupMoveTest, testing::Combine(testing::ValuesIn(kCases), testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "_PageOpened" : "_PageNotOpened");
                         });

}  // namespace
}  // namespace grid_test
