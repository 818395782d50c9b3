// Repeater slots and the LTR system page's model: what a channel choice writes
// at the edges (a channel number past the records, the same channel again, a
// slot past the zone's twenty), a channel number with no record, the grid's
// window, a home repeater slot that holds no channel, and a refused group count
// reported once. (The slots' texts, the choices by real keys and the group
// count's keystroke check are tested through the repeater and LTR system pages.)
#include <gtest/gtest.h>

#include "model/trunk_ltr.h"
#include "model/trunk_repeaters.h"
#include "test_support.h"
#include "test_trunk_support.h"

TEST(RepeaterSlotTest, ChoicesAtTheEdgesOfTheChannelsSlotsAndCounts) {
  const struct {
    std::uint16_t before;
    std::uint32_t channel;
    std::uint16_t after;  // == before: refused
  } cases[] = {
      {0x1807, 7, 0x7C07},     // the same channel again forces the three bits again
      {0x6405, 249, 0x64F9},   // the last channel record
      {0x6405, 250, 0x6405},   // no channel record
      {0x6405, 1024, 0x6405},
  };
  TestModel m;
  CChannelStore& s = m->store;
  for (const auto& c : cases) {
    s.zoneRepeaters[3][19] = c.before;
    EXPECT_EQ(c.after != c.before, ChooseRepeaterChannel(*m, 3, 19, c.channel)) << c.channel;
    EXPECT_EQ(c.after, s.zoneRepeaters[3][19]) << c.channel;
  }
  // A slot outside 0..19 is no slot, not a neighbouring zone's.
  s.zoneRepeaters[4][0] = s.zoneRepeaters[3][19] = 0x03FF;
  tf::kRepeaterDispatch.Set(*m, tf::RepeaterKey(3, 20), 1);
  tf::kRepeaterDispatch.Set(*m, tf::RepeaterKey(4, -1), 1);
  EXPECT_EQ(0x03FF, s.zoneRepeaters[4][0] | s.zoneRepeaters[3][19]);

  // A channel number past the records is shown as it is, with no record behind it.
  s.zoneRepeaters[1][1] = 0x6000 | 700;
  const RepeaterSlotView raw = ViewRepeaterSlot(*m, 1, 1);
  EXPECT_TRUE(raw.channel == "701" && raw.holdsChannel && !raw.hasRecord);

  // A home repeater whose slot holds no channel reads "None"; there is no slot 21.
  s.SetSystemDefaults(5, kSystemLtr);
  s.zoneHomeRepeater[5] = 0x80 | 4;
  EXPECT_EQ("None", HomeRepeaterText(*m, 5));
  EXPECT_FALSE(ChooseHomeRepeater(*m, 5, 21));

  // A count the keystroke check refused is not reported again when the edit is left.
  SetGroupCounts(s, {200, 47, 3});
  const GroupCountResult r = CommitLtrGroupCount(*m, 2, "4");
  EXPECT_TRUE(r.refused && r.messages.empty());
}
