// Every check of the whole-model pack, one case each: its trigger, its exact
// message, the result 0, and the image left with the records before the refusing
// one written and every later one untouched.
#include <gtest/gtest.h>

#include <functional>

#include "test_support.h"

namespace {

using Image = std::array<std::uint8_t, kImageBufferSize>;
constexpr std::uint8_t kFill = 0x5A;

// The records of the pack, in pack order.
enum Stage { kGlobal, kStore, kDtmf, kKeys, kGroups, kChannels, kBlockCounters, kLater };

// Zone 0 with three groups in use, so that a group check can refuse at group 2.
void ThreeGroups(CEditModel& m) {
  m.store.groupCount[0] = 3;
  for (int g = 0; g < 3; ++g) m.store.groups[g].flags |= kGroupInUse;
}

void LtrZone0(CEditModel& m) {
  m.store.SetSystemDefaults(0, kSystemLtr);
  m.store.zoneRepeaters[0][0] = 0;  // home repeater 1 on channel 0
}

struct Case {
  const char* message;
  Stage stage;
  std::function<void(CEditModel&)> setUp;
  int group = 0;  // the refusing group of a group check
};

const Case kCases[] = {
    {"Home Zone has not been programmed", kGlobal,
     [](CEditModel& m) { m.keys.keyFunctionCodes[0] = 0x13, m.global.homeSystem = 255; }},
    {"Please set up the Zone 1/Group 1.", kGlobal,
     [](CEditModel& m) { m.global.byte208 = 0x21, m.store.groups[0].flags = 0; }},
    {"Short cut # 1 has not been programmed", kGlobal,
     [](CEditModel& m) { m.keys.keyFunctionCodes[0] = 0x1A, m.global.shortCutZone[0] = 255; }},
    {"Short cut # 2 has not been programmed", kGlobal,
     [](CEditModel& m) { m.keys.keyFunctionCodes[0] = 0x1B, m.global.shortCutZone[1] = 4; }},
    {"Short cut # 3 has not been programmed", kGlobal,
     [](CEditModel& m) { m.keys.keyFunctionCodes[0] = 0x1C, m.global.shortCutZone[2] = 255; }},
    {"Short cut # 4 has not been programmed", kGlobal,
     [](CEditModel& m) { m.keys.keyFunctionCodes[0] = 0x1D, m.global.shortCutZone[3] = 31; }},
    {"Emergency Zone has not been programmed", kGlobal,
     [](CEditModel& m) { m.keys.keyFunctionCodes[0] = 0x11, m.global.emergencySystem = 3; }},
    {"Emergency Group has not been programmed", kGlobal,
     [](CEditModel& m) { m.keys.keyFunctionCodes[0] = 0x11, m.global.emergencyGroup = 255; }},
    {"Please set up the Connect Dial or disable the Phone Interconnect function.", kStore,
     [](CEditModel& m) {
       m.keys.keyFunctionCodes[0] = 0x10;
       m.store.zoneTxPower[0] = 0x80;
       m.store.zoneHomeRepeater[0] = 0x0F;
     }},
    {"Please set up the Interconnect ID or disable the Phone Interconnect function.", kStore,
     [](CEditModel& m) {
       LtrZone0(m);
       m.keys.keyFunctionCodes[0] = 0x10;
       m.store.zoneTxPower[0] = 0x80;
     }},
    {"Home Channel of SYS # 1 has not been programmed", kStore,
     [](CEditModel& m) { m.store.SetSystemDefaults(0, kSystemLtr); }},
    {"LTR Block decode Start ID must be less than Block decode End ID on System 1 ", kStore,
     [](CEditModel& m) {
       LtrZone0(m);
       m.store.zoneTxInhibitIdStart[0] = 20;
       m.store.zoneTxInhibitIdStop[0] = 10;
     }},
    {"Please set up the Individual Dial memory #0 or disable the Phone Interconnect function.", kKeys,
     [](CEditModel& m) { m.store.modelWord = 11 << 8, m.keys.keyFunctionCodes[12] = 0x10; }},
    {"Please set up the CTCSS/DCS information or disable the Horn alert function.", kGroups,
     [](CEditModel& m) { ThreeGroups(m), m.store.groups[2].channelWord = 0x2000; }, 2},
    {"Please set up the CTCSS/DCS information or disable the Horn alert function.", kGroups,
     [](CEditModel& m) { ThreeGroups(m), m.store.groups[1].byte3 = 0x08; }, 1},
    {"Please set up the ANI code at [DTMF ANI] menu or disable the ANI function at the each Group.", kGroups,
     [](CEditModel& m) { ThreeGroups(m), m.store.groups[2].byte1 = 0x80; }, 2},
    {"DCS code not been programmed for the TPAC function on Zone 1", kGroups,
     [](CEditModel& m) { ThreeGroups(m), m.store.groups[0].channelWord = 0x8000; }, 0},
};

// One byte each record certainly writes on this model (none of them 0x5A).
struct Marker {
  Stage stage;
  std::size_t at;
  int group = -1;
};
const Marker kMarkers[] = {
    {kGlobal, 30},          {kStore, 44},          {kDtmf, 384},           {kKeys, 189},
    {kGroups, GroupOffset(0), 0}, {kGroups, GroupOffset(1), 1}, {kGroups, GroupOffset(2), 2},
    {kChannels, ChannelOffset(0)}, {kBlockCounters, 253}, {kLater, 23682}, {kLater, 32892},
};

TEST(ReviewPackChecks, EachRefusalStopsThePackAtItsRecord) {
  for (bool defaults : {false, true}) {
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(c.message) + (defaults ? " (defaults pack)" : ""));
      TestModel m;
      c.setUp(*m);
      auto image = std::make_unique<Image>();
      image->fill(kFill);
      ASSERT_EQ(0, defaults ? m->PackImageDefaults(image->data()) : m->PackImage(image->data()));
      ASSERT_EQ(1u, m.host.messages.size());
      EXPECT_EQ(c.message, m.host.messages[0]);
      EXPECT_EQ(0, m.host.beeps);
      for (const Marker& mark : kMarkers) {
        // Within the refusing record: the global and store passes have written
        // their first bytes, the key section nothing, the groups those before it.
        bool written = mark.stage < c.stage;
        if (mark.stage == c.stage) written = c.stage == kGlobal || c.stage == kStore || (c.stage == kGroups && mark.group < c.group);
        if (defaults && mark.stage == kLater && mark.at != 23682) written = false;  // no identity
        EXPECT_EQ(written, (*image)[mark.at] != kFill) << "image byte " << mark.at;
      }
    }
  }
}

}  // namespace
