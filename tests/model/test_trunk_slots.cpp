// The repeater slots of an LTR zone and the LTR system page: what choosing a
// channel or a home repeater writes into the words, what a slot shows (a
// channel number that names no record reads nothing), the grid's window, and
// the group count checked on each keystroke with a signed comparison.
#include <gtest/gtest.h>

#include "model/trunk_ltr.h"
#include "model/trunk_repeaters.h"
#include "test_support.h"
#include "test_trunk_support.h"

TEST(RepeaterSlotTest, ChoosingAChannelSetsAndNoneClearsTheirBitsOnly) {
  struct Case {
    std::uint16_t before;
    std::uint32_t channel;
    bool taken;
    std::uint16_t after;
  };
  const Case cases[] = {
      {0x03FF, 5, true, 0x6405},    // empty slot: Dispatch, Interconnect, TX data "Invert"
      {0x1BFF, 7, true, 0x7C07},    // RX data phase and Data Appli. keep their values
      {0x1807, 7, true, 0x7C07},    // the same channel again forces the three bits again
      {0xEC05, 1023, true, 0x8FFF}, // none: 14, 13, 12 cleared; 15, 11 and 10 stay
      {0x7005, 1023, true, 0x03FF},
      {0x6405, 250, false, 0x6405},  // no channel record: refused, nothing written
      {0x6405, 1022, false, 0x6405},
      {0x6405, 1024, false, 0x6405},
  };
  TestModel m;
  for (const Case& c : cases) {
    m->store.zoneRepeaters[3][19] = c.before;
    EXPECT_EQ(c.taken, ChooseRepeaterChannel(*m, 3, 19, c.channel)) << c.channel;
    EXPECT_EQ(c.after, m->store.zoneRepeaters[3][19]) << std::hex << c.before << " " << c.channel;
  }
  EXPECT_FALSE(ChooseRepeaterChannel(*m, 3, 20, 5));
  EXPECT_FALSE(ChooseRepeaterChannel(*m, 32, 0, 5));
  // A slot outside 0..19 is no slot, not a neighbouring zone's.
  m->store.zoneRepeaters[4][0] = m->store.zoneRepeaters[3][19] = 0x03FF;
  tf::kRepeaterDispatch.Set(*m, tf::RepeaterKey(3, 20), 1);  // would be zone 4's slot 0
  tf::kRepeaterDispatch.Set(*m, tf::RepeaterKey(4, -1), 1);  // would be zone 3's slot 19
  EXPECT_EQ(0x03FF, m->store.zoneRepeaters[4][0]);
  EXPECT_EQ(0x03FF, m->store.zoneRepeaters[3][19]);
  EXPECT_EQ(0u, tf::kRepeaterChannel.Get(*m, tf::RepeaterKey(32, 0)));
}

TEST(RepeaterSlotTest, ASlotShowsItsChannelRecordAndReadsNoneForANumberWithoutOne) {
  TestModel m;
  CChannelStore& s = m->store;
  s.channels[4].txFreq = 45012500;
  s.channels[4].rxFreq = 46012500;
  s.channels[4].modeByte = 0x40;
  s.channels[249].modeByte = 0x00;
  s.zoneRepeaters[1][0] = 0x6404;
  s.zoneRepeaters[1][1] = 0x03FF;
  s.zoneRepeaters[1][2] = 0x6000 | 700;  // written elsewhere: names no record
  s.zoneRepeaters[1][3] = 249;

  const RepeaterSlotView v = ViewRepeaterSlot(*m, 1, 0);
  EXPECT_EQ("  5", v.channel);
  EXPECT_EQ("450.12500", v.txFreq);
  EXPECT_EQ("460.12500", v.rxFreq);
  EXPECT_EQ("Wide", v.space);
  EXPECT_TRUE(v.holdsChannel && v.hasRecord);

  const RepeaterSlotView none = ViewRepeaterSlot(*m, 1, 1);
  EXPECT_EQ("None", none.channel);
  EXPECT_FALSE(none.holdsChannel || none.hasRecord);
  EXPECT_EQ("", none.txFreq + none.rxFreq + none.space);

  const RepeaterSlotView raw = ViewRepeaterSlot(*m, 1, 2);
  EXPECT_EQ("701", raw.channel);
  EXPECT_TRUE(raw.holdsChannel);
  EXPECT_FALSE(raw.hasRecord);
  EXPECT_EQ("", raw.txFreq + raw.rxFreq + raw.space);
  EXPECT_EQ(0x6000 | 700, s.zoneRepeaters[1][2]) << "left as it is until a channel is chosen";
  EXPECT_EQ(-1, RepeaterChannelChoices(*m, 1, 2).selected);

  EXPECT_EQ("Narrow", ViewRepeaterSlot(*m, 1, 3).space);
  EXPECT_EQ("RPT#20", RepeaterCaption(19));
}

TEST(RepeaterSlotTest, TheChannelListOffersProgrammedChannelsAndOpensOnTheSlots) {
  TestModel m;
  CChannelStore& s = m->store;
  for (CChannelData& c : s.channels) c.programmed = 0;
  s.channels[2].programmed = s.channels[9].programmed = 1;
  s.zoneRepeaters[0][4] = 0x6409;
  const OfferedList list = RepeaterChannelChoices(*m, 0, 4);
  ASSERT_EQ(3, list.size());
  EXPECT_EQ("None TX       RX", list.entries[0].text);
  EXPECT_EQ(1023u, *list.CodeAt(0));
  EXPECT_EQ(2u, *list.CodeAt(1));
  EXPECT_EQ(9u, *list.CodeAt(2));
  EXPECT_EQ(2, list.selected);
}

TEST(RepeaterSlotTest, TheWindowStaysWithinItsSixteenOfTwentySlots) {
  RepeaterWindow w;
  EXPECT_FALSE(w.Scroll(-1));
  EXPECT_EQ(0, w.first);
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(w.Scroll(1));
  EXPECT_FALSE(w.Scroll(1));
  EXPECT_EQ(4, w.first);
  EXPECT_EQ(19, w.SlotOf(16));
  EXPECT_EQ(-1, w.SlotOf(17));
  EXPECT_EQ(-1, w.SlotOf(0));
  w.Set(-3);
  EXPECT_EQ(0, w.first);
  w.Set(250);
  EXPECT_EQ(4, w.first);
}

TEST(HomeRepeaterTest, TheListNamesSlotsWithAChannelAndAChoiceMarksItsSlot) {
  TestModel m;
  CChannelStore& s = m->store;
  s.SetSystemDefaults(5, kSystemLtr);
  s.zoneRepeaters[5][2] = 12;
  s.zoneRepeaters[5][5] = 600;  // holds a channel, though no record
  s.zoneHomeRepeater[5] = 0x80 | 4;  // AREA 1, slot 4 holds no channel

  OfferedList list = HomeRepeaterChoices(*m, 5);
  ASSERT_EQ(3, list.size());
  EXPECT_EQ(" 3", list.entries[1].text);
  EXPECT_EQ(6u, *list.CodeAt(2));
  EXPECT_EQ("None", HomeRepeaterText(*m, 5));

  EXPECT_TRUE(ChooseHomeRepeater(*m, 5, 3));
  EXPECT_EQ(0x83, s.zoneHomeRepeater[5]) << "AREA Code stays";
  EXPECT_EQ(0x6000 | 12, s.zoneRepeaters[5][2]);
  EXPECT_EQ(" 3", HomeRepeaterText(*m, 5));
  EXPECT_TRUE(ChooseHomeRepeater(*m, 5, 6));
  EXPECT_EQ(0x6000 | 12, s.zoneRepeaters[5][2]) << "the bits stay when another is chosen";
  const std::uint16_t slot6 = s.zoneRepeaters[5][5];
  EXPECT_TRUE(ChooseHomeRepeater(*m, 5, 0));
  EXPECT_EQ(0x80, s.zoneHomeRepeater[5]);
  EXPECT_EQ(slot6, s.zoneRepeaters[5][5]) << "None writes no slot";
  EXPECT_FALSE(ChooseHomeRepeater(*m, 5, 21));
  EXPECT_EQ(1, HomeRepeaterChoices(*m, -1).size());
}

TEST(LtrGroupCountTest, EachKeystrokeIsCheckedSignedAgainstTheFreeRecords) {
  TestModel m;
  CChannelStore& s = m->store;
  SetGroupCounts(s, {200, 47, 3});
  ASSERT_EQ(0u, s.freeGroupPool);
  struct Case {
    const char* text;
    bool fits;
  };
  // Free 0, zone 2 owns 3: as unsigned numbers 0 - 5 + 3 would wrap and "fit".
  const Case cases[] = {{"3", true}, {"2", true}, {"", true}, {"0", true}, {"4", false}, {"5", false}, {"999", false}};
  for (const Case& c : cases) {
    const GroupCountCheck check = CheckLtrGroupCount(*m, 2, c.text);
    EXPECT_EQ(c.fits, check.fits) << c.text;
    EXPECT_EQ(c.fits ? "" : "Too many groups", check.message) << c.text;
    EXPECT_EQ(c.fits ? "" : "3", check.restoreText) << c.text;
  }
  EXPECT_EQ(0u, s.freeGroupPool);
  EXPECT_EQ(3, s.groupCount[2]);
}

TEST(LtrGroupCountTest, TheCountAppliedOnFocusLossFollowsTheLtrRules) {
  TestModel m;
  CChannelStore& s = m->store;
  SetGroupCounts(s, {2, 1});
  s.SetSystemDefaults(1, kSystemPassPort);
  s.SetSystemDefaults(2, kSystemLtr);

  GroupCountResult r = CommitLtrGroupCount(*m, 1, "20");  // no 16-group limit here
  EXPECT_FALSE(r.refused);
  EXPECT_EQ(20, s.groupCount[1]);
  EXPECT_EQ(0x03FF, s.groups[21].channelWord);
  r = CommitLtrGroupCount(*m, 2, "2");
  EXPECT_EQ(0x13FF, s.groups[22].channelWord) << "a new group of an LTR zone";
  EXPECT_EQ(0x13FF, s.groups[23].channelWord);

  r = CommitLtrGroupCount(*m, 2, "300");
  EXPECT_TRUE(r.refused);
  EXPECT_TRUE(r.messages.empty()) << "the keystroke check has reported it";
  EXPECT_EQ(2, s.groupCount[2]);

  m->global.emergencySystem = 2;
  m->global.homeSystem = 2;
  r = CommitLtrGroupCount(*m, 2, "");
  EXPECT_EQ((std::vector<std::string>{"Delete Emergency System 3", "Delete Home System 3"}), r.messages);
  EXPECT_FALSE(s.IsZoneInUse(2));

  m->global.homeSystem = 1;
  r = SetLtrZoneInUse(*m, 1, false);
  EXPECT_EQ(std::vector<std::string>{"Delete Home System 2"}, r.messages);
  EXPECT_EQ(255, m->global.homeSystem);
  r = SetLtrZoneInUse(*m, 1, true);
  EXPECT_EQ(1, s.groupCount[1]);
  EXPECT_EQ(0x03FF, s.groups[2].channelWord) << "zone 1 is PassPort, not LTR";
}

TEST(LtrSystemPageTest, CellsAndGroupPagesFollowTheZoneFormat) {
  TestModel m;
  CChannelStore& s = m->store;
  struct Case {
    int kind;
    bool inUse;
    bool common, trunking;
    GroupPage ltrPage, passPortPage;
  };
  const Case cases[] = {
      {kSystemLtr, true, true, true, GroupPage::Ltr, GroupPage::Ltr},
      {kSystemConventional, true, true, false, GroupPage::Conventional, GroupPage::Conventional},
      {kSystemPassPort, true, true, true, GroupPage::Conventional, GroupPage::TalkGroups},
      {kSystemLtr, false, false, false, GroupPage::Ltr, GroupPage::Ltr},
  };
  for (const Case& c : cases) {
    s.SetSystemDefaults(7, c.kind);
    s.zoneFlags[7] = c.inUse ? kZoneInUse : 0;
    EXPECT_EQ(c.common, LtrSystemCellEnabled(*m, 7, false)) << c.kind;
    EXPECT_EQ(c.trunking, LtrSystemCellEnabled(*m, 7, true)) << c.kind;
    EXPECT_EQ(c.ltrPage, GroupPageOf(*m, 7, false)) << c.kind;
    EXPECT_EQ(c.passPortPage, GroupPageOf(*m, 7, true)) << c.kind;
  }
}
