// Every operation of the trunked-system sub-pages on images of every zone
// format in both system types, arbitrary bytes elsewhere (channels that name
// no record, group runs ending at the last record, zones without groups), and
// on zones, slots and rows out of range. The sanitizer build catches a read or
// write outside the records; the pool stays whole.
#include <gtest/gtest.h>

#include <random>

#include "model/trunk_ltr.h"
#include "model/trunk_passport.h"
#include "model/trunk_repeaters.h"
#include "test_support.h"

namespace {

const ZoneDefault* const kRows[] = {
    &ltradv::kDataRiseTime, &ltradv::kPrefixCode, &ltradv::kHangTime, &ltradv::kFadeTime, &ltradv::kDecodeResumeTime,
    &ltradv::kTxInhibitResumeTime, &ltradv::kRxIdStart, &ltradv::kRxIdStop, &ltradv::kTxInhibitIdStart,
    &ltradv::kTxInhibitIdStop, &interconnect::kTxTimeout, &interconnect::kOnlyRx, &interconnect::kDisconnectDial,
    &interconnect::kLtrId};
const Field kFields[] = {tf::kTalkGroupOnOff, tf::kTalkGroupScan, tf::kTalkGroupTot, tf::kTalkGroupId,
                         tf::kRepeaterChannel, tf::kRepeaterDispatch, tf::kTxDataPhase};
const PassPortTimer* const kTimers[] = {&kRoamStartDelayTimer, &kRoamSearchSpeedTimer, &kRegResumeTimer,
                                        &kRoamPowerUpDelayTimer};

void RunEveryOperation(CEditModel& m, int z, std::mt19937& rng) {
  const std::string texts[] = {"", "0", "7", "250", "999", "12#", "*"};
  const std::string& text = texts[rng() % std::size(texts)];
  for (int k = -1; k <= tf::kRepeaterSlots; ++k) {  // slots and talk-group rows
    ViewRepeaterSlot(m, z, k);
    if (rng() % 64 == 0) RepeaterChannelChoices(m, z, k);  // lists every channel
    ChooseRepeaterChannel(m, z, k, rng() % 1100);
    TalkGroupRow(m, z, k);
    TalkGroupEnableText(m, z, k);
    EnterTalkGroupId(m, z, k, text);
    for (const int key : {tf::RepeaterKey(z, k), tf::TalkGroupKey(z, k)}) {
      for (const Field& f : kFields) f.Set(m, key, f.Get(m, key) ^ 1);
      tf::kTalkGroupAlias.set(m, key, tf::kTalkGroupAlias.get(m, key) + "Q");
    }
  }
  HomeRepeaterText(m, z);
  ChooseHomeRepeater(m, z, rng() % 22);
  CheckLtrGroupCount(m, z, text);
  if (rng() % 3 == 0) CommitLtrGroupCount(m, z, text);
  if (rng() % 5 == 0) SetLtrZoneInUse(m, z, rng() % 2);
  ResetZoneDefaults(m, ltradv::kValues);
  for (const ZoneDefault* row : kRows) {
    LtrAdvancedCellEnabled(m, *row, z);
    EnterLtrId(m, *row, z, text);
    if (rng() % 8 == 0) EnterDefaultLtrId(m, *row, text);
  }
  tf::kConnectDial.set(m, z, tf::kConnectDial.get(m, z) + text);
  tf::kDisconnectDial.set(m, z, text + tf::kDisconnectDial.get(m, z));
  OpenTalkGroups(m, z);
  NormalisePassPortLevels(m, z);
  PassPortEnableStates(m, z);
  if (z >= 0 && z < kZoneCount) {  // as the features page stores a typed timer of its zone
    for (const PassPortTimer* t : kTimers) t->field.Set(m, z, PassPortTimerCode(*t, text));
  }
}

}  // namespace

TEST(TrunkFormatsTest, EveryOperationOnEveryZoneFormatStaysWithinTheRecords) {
  std::mt19937 rng(1405);
  TestModel m;
  for (int run = 0; run < 4; ++run) {
    std::array<std::uint8_t, kImageBufferSize> image{};
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = std::uint8_t(rng());
    image[img::kSystemType] = std::uint8_t(run % 2 ? image[img::kSystemType] | 0x40 : image[img::kSystemType] & ~0x40);
    int left = kGroupCount;  // counts that use up the records, some zones without any
    for (int z = 0; z < kZoneCount; ++z) {
      const int count = z == kZoneCount - 1 ? left : std::min(left, int(rng() % 3 == 0 ? 0 : rng() % 20));
      image[44 + std::size_t(z)] = std::uint8_t(count);
      left -= count;
      std::uint8_t& format = image[ZoneOffset(z) + 12];
      format = std::uint8_t((format & ~kZoneFormatMask) | ((z % 8) << 2));
    }
    m->UnpackImage(image.data());
    for (int z = -1; z <= kZoneCount; ++z) {
      RunEveryOperation(*m, z, rng);
      int total = 0;
      for (int k = 0; k < kZoneCount; ++k) total += m->store.groupCount[k];
      ASSERT_EQ(kGroupCount, total + int(m->store.freeGroupPool)) << "run " << run << " zone " << z;
    }
    m->PackImage(image.data());
  }
}
