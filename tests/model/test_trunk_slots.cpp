// Repeater slots and the LTR system page: what choosing a channel or a home
// repeater writes, what a slot shows (a channel that names no record reads
// none), the grid's window, and the group count checked signed per keystroke.
#include <gtest/gtest.h>

#include "model/trunk_ltr.h"
#include "model/trunk_repeaters.h"
#include "test_support.h"
#include "test_trunk_support.h"

TEST(RepeaterSlotTest, ChoosingAChannelSetsAndNoneClearsTheirBitsOnly) {
  const struct {
    std::uint16_t before;
    std::uint32_t channel;
    std::uint16_t after;  // == before: refused
  } cases[] = {
      {0x03FF, 5, 0x6405},     // Dispatch, Interconnect, TX data "Invert"
      {0x1BFF, 7, 0x7C07},     // RX data phase and Data Appli. stay
      {0x1807, 7, 0x7C07},     // the same channel again forces the three bits again
      {0xEC05, 1023, 0x8FFF},  // none: 14, 13, 12 cleared; 15, 11, 10 stay
      {0x6405, 250, 0x6405},   // no channel record
      {0x6405, 1024, 0x6405},
  };
  TestModel m;
  for (const auto& c : cases) {
    m->store.zoneRepeaters[3][19] = c.before;
    EXPECT_EQ(c.after != c.before, ChooseRepeaterChannel(*m, 3, 19, c.channel)) << c.channel;
    EXPECT_EQ(c.after, m->store.zoneRepeaters[3][19]) << c.channel;
  }
  // A slot outside 0..19 is no slot, not a neighbouring zone's.
  m->store.zoneRepeaters[4][0] = m->store.zoneRepeaters[3][19] = 0x03FF;
  tf::kRepeaterDispatch.Set(*m, tf::RepeaterKey(3, 20), 1);
  tf::kRepeaterDispatch.Set(*m, tf::RepeaterKey(4, -1), 1);
  EXPECT_EQ(0x03FF, m->store.zoneRepeaters[4][0] | m->store.zoneRepeaters[3][19]);
}

TEST(RepeaterSlotTest, ASlotShowsItsRecordAndAChannelWithoutOneAsItsNumberOnly) {
  TestModel m;
  CChannelStore& s = m->store;
  s.channels[4].txFreq = 45012500;
  s.channels[4].rxFreq = 46012500;
  s.channels[4].modeByte = 0x40;
  s.zoneRepeaters[1][0] = 0x6404;
  s.zoneRepeaters[1][1] = 0x6000 | 700;  // written elsewhere: names no record

  const RepeaterSlotView v = ViewRepeaterSlot(*m, 1, 0);
  EXPECT_EQ("  5 450.12500 460.12500 Wide", v.channel + " " + v.txFreq + " " + v.rxFreq + " " + v.space);
  EXPECT_TRUE(v.holdsChannel && v.hasRecord);
  const RepeaterSlotView raw = ViewRepeaterSlot(*m, 1, 1);
  EXPECT_EQ("701", raw.channel + raw.txFreq + raw.rxFreq + raw.space);
  EXPECT_TRUE(raw.holdsChannel && !raw.hasRecord);
  EXPECT_EQ(-1, RepeaterChannelChoices(*m, 1, 1).selected);
  EXPECT_EQ(0x6000 | 700, s.zoneRepeaters[1][1]) << "left until a channel is chosen";
  EXPECT_EQ("None", ViewRepeaterSlot(*m, 1, 2).channel);

  RepeaterWindow w;  // the page's, whatever the zone
  EXPECT_FALSE(w.Scroll(-1));
  w.Set(9);
  EXPECT_FALSE(w.Scroll(1));
  EXPECT_EQ(19, w.SlotOf(16));
  EXPECT_EQ(-1, w.SlotOf(17));
}

TEST(HomeRepeaterTest, TheListNamesSlotsWithAChannelAndAChoiceMarksItsSlot) {
  TestModel m;
  CChannelStore& s = m->store;
  s.SetSystemDefaults(5, kSystemLtr);
  s.zoneRepeaters[5][2] = 12;
  s.zoneRepeaters[5][5] = 600;
  s.zoneHomeRepeater[5] = 0x80 | 4;  // AREA 1; slot 4 holds no channel

  const OfferedList list = HomeRepeaterChoices(*m, 5);
  ASSERT_EQ(3, list.size());
  EXPECT_EQ(" 3", list.entries[1].text);
  EXPECT_EQ(6u, *list.CodeAt(2));
  EXPECT_EQ("None", HomeRepeaterText(*m, 5));
  EXPECT_TRUE(ChooseHomeRepeater(*m, 5, 3));
  EXPECT_TRUE(ChooseHomeRepeater(*m, 5, 6));
  EXPECT_EQ(0x86, s.zoneHomeRepeater[5]) << "AREA Code stays";
  EXPECT_EQ(0x6000 | 12, s.zoneRepeaters[5][2]) << "set, and kept when another is chosen";
  const std::uint16_t slot6 = s.zoneRepeaters[5][5];
  EXPECT_TRUE(ChooseHomeRepeater(*m, 5, 0));
  EXPECT_EQ(slot6, s.zoneRepeaters[5][5]) << "None writes no slot";
  EXPECT_FALSE(ChooseHomeRepeater(*m, 5, 21));
}

TEST(LtrGroupCountTest, KeystrokesAreCheckedSignedAndFocusLossAppliesTheLtrRules) {
  TestModel m;
  CChannelStore& s = m->store;
  SetGroupCounts(s, {200, 47, 3});
  // No record free: as unsigned numbers 0 - 5 + 3 would wrap and "fit".
  for (const char* text : {"3", "", "4", "5"}) {
    const GroupCountCheck c = CheckLtrGroupCount(*m, 2, text);
    const bool fits = text[0] != '4' && text[0] != '5';
    EXPECT_EQ(fits, c.fits) << text;
    EXPECT_EQ(fits ? "" : "Too many groups", c.message);
    EXPECT_EQ(fits ? "" : "3", c.restoreText);
  }
  EXPECT_TRUE(CommitLtrGroupCount(*m, 2, "4").refused);
  EXPECT_TRUE(CommitLtrGroupCount(*m, 2, "4").messages.empty()) << "reported by the keystroke check";

  SetGroupCounts(s, {2});
  s.SetSystemDefaults(1, kSystemPassPort);
  s.SetSystemDefaults(2, kSystemLtr);
  EXPECT_EQ(20, CommitLtrGroupCount(*m, 1, "20").count) << "no 16-group limit";
  CommitLtrGroupCount(*m, 2, "1");
  EXPECT_EQ(0x03FF, s.groups[21].channelWord);
  EXPECT_EQ(0x13FF, s.groups[22].channelWord) << "a new group of an LTR zone";
  m->global.emergencySystem = m->global.homeSystem = 2;
  EXPECT_EQ((std::vector<std::string>{"Delete Emergency System 3", "Delete Home System 3"}),
            SetLtrZoneInUse(*m, 2, false).messages);
}
