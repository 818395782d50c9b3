// Every operation of the trunked-system sub-pages on images with every zone
// format, in both system types, with arbitrary bytes everywhere else (repeater
// channels that name no record, group runs that end at the last record, zones
// without groups), and on zones, slots and rows outside their ranges. The
// sanitizer build catches any read or write outside the records; the test
// checks that the group pool stays whole and that a slot names a record
// exactly when its channel is one.
#include <gtest/gtest.h>

#include <random>

#include "model/trunk_ltr.h"
#include "model/trunk_passport.h"
#include "model/trunk_repeaters.h"
#include "test_support.h"

namespace {

using Image = std::array<std::uint8_t, kImageBufferSize>;

Image ImageWithEveryFormat(std::mt19937& rng, bool ltrSystem) {
  Image image{};
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = std::uint8_t(rng());
  image[img::kHardware] = ltrSystem ? 0x61 : 0x01;
  image[img::kSystemType] = std::uint8_t(ltrSystem ? image[img::kSystemType] | 0x40 : image[img::kSystemType] & ~0x40);
  // Group counts that use up the 250 records, some zones without any.
  int left = kGroupCount;
  for (int z = 0; z < kZoneCount; ++z) {
    const int count = z == kZoneCount - 1 ? left : std::min(left, int(rng() % 3 == 0 ? 0 : rng() % 20));
    image[44 + std::size_t(z)] = std::uint8_t(count);
    left -= count;
  }
  for (int z = 0; z < kZoneCount; ++z) {
    std::uint8_t& format = image[ZoneOffset(z) + 12];
    format = std::uint8_t((format & ~kZoneFormatMask) | ((z % 8) << 2));
  }
  return image;
}

const DefaultRow* const kRows[] = {
    &ltradv::kDataRiseTime,     &ltradv::kPrefixCode,          &ltradv::kHangTime,         &ltradv::kFadeTime,
    &ltradv::kDecodeResumeTime, &ltradv::kTxInhibitResumeTime, &ltradv::kRxIdStart,        &ltradv::kRxIdStop,
    &ltradv::kTxInhibitIdStart, &ltradv::kTxInhibitIdStop,     &interconnect::kTxTimeout,  &interconnect::kPhoneInterconnect,
    &interconnect::kOnlyRx,     &interconnect::kAutoInterconnect, &interconnect::kEndOfTxTone,
    &interconnect::kDisconnectDial, &interconnect::kLtrId};

const Field* const kTalkGroupFields[] = {&tf::kTalkGroupOnOff,   &tf::kTalkGroupInUse,     &tf::kTalkGroupScan,
                                         &tf::kTalkGroupCompander, &tf::kTalkGroupDisableTx, &tf::kTalkGroupEncryption,
                                         &tf::kTalkGroupTot,     &tf::kTalkGroupId};

const Field kFeatureFields[] = {tf::kPreferLastChannel, tf::kInvertedTxData,   tf::kHomeLookback,
                                tf::kStrongestSiteSearch, tf::kLookbackRssiOn, tf::kSingleSitePerFrequency,
                                tf::kRssiAutoEnable,    tf::kRssiDisableInThresholdArea,
                                tf::kRssiDisableDuringReceive, tf::kRssiThreshold};

const PassPortTimer* const kTimers[] = {&kRoamStartDelayTimer, &kRoamSearchSpeedTimer, &kRegResumeTimer,
                                        &kRoamPowerUpDelayTimer};

void RunEveryOperation(CEditModel& m, int z, std::mt19937& rng) {
  const std::string texts[] = {"", "0", "7", "250", "999", "12#", "*"};
  const std::string& text = texts[rng() % std::size(texts)];

  for (int slot = -1; slot <= tf::kRepeaterSlots; ++slot) {
    const RepeaterSlotView v = ViewRepeaterSlot(m, z, slot);
    if (z >= 0 && z < kZoneCount && slot >= 0 && slot < tf::kRepeaterSlots) {
      const int channel = m.store.zoneRepeaters[z][slot] & 0x3FF;
      EXPECT_EQ(channel < kChannelCount, v.hasRecord);
    }
    if (rng() % 64 == 0) RepeaterChannelChoices(m, z, slot);  // each builds a list of every channel
    if (rng() % 4 == 0) ChooseRepeaterChannel(m, z, slot, rng() % 1100);
    const int key = tf::RepeaterKey(z, slot);
    for (const Field* f : {&tf::kRepeaterChannel, &tf::kTxDataPhase, &tf::kRxDataPhase, &tf::kDataAppli,
                           &tf::kRepeaterInterconnect, &tf::kRepeaterDispatch})
      f->Set(m, key, f->Get(m, key));
  }
  HomeRepeaterChoices(m, z);
  HomeRepeaterText(m, z);
  ChooseHomeRepeater(m, z, rng() % 22);

  CheckLtrGroupCount(m, z, text);
  if (rng() % 3 == 0) CommitLtrGroupCount(m, z, text);
  if (rng() % 5 == 0) SetLtrZoneInUse(m, z, rng() % 2);
  LtrSystemCellEnabled(m, z, true);
  GroupPageOf(m, z, true);

  ZoneDefaults defaults = LtrAdvancedDefaults();
  for (const DefaultRow* row : kRows) {
    LtrAdvancedCellEnabled(m, *row, z);
    EnterLtrId(m, *row, z, text);
    if (rng() % 8 == 0) EnterDefaultLtrId(m, defaults, *row, text);
  }
  InterconnectLayout(m, z);
  tf::kConnectDial.set(m, z, tf::kConnectDial.get(m, z) + text);
  tf::kDisconnectDial.set(m, z, text + tf::kDisconnectDial.get(m, z));

  OpenTalkGroups(m, z);
  for (int row = -1; row <= tf::kTalkGroupRows; ++row) {
    TalkGroupRow(m, z, row);
    TalkGroupEnableText(m, z, row);
    TalkGroupIdText(m, z, row);
    EnterTalkGroupId(m, z, row, text);
    const int key = tf::TalkGroupKey(z, row);
    for (const Field* f : kTalkGroupFields) f->Set(m, key, f->Get(m, key) ^ 1);
    tf::kTalkGroupAlias.set(m, key, tf::kTalkGroupAlias.get(m, key) + "Q");
  }

  NormalisePassPortLevels(m, z);
  PassPortEnableStates(m, z);
  for (const PassPortTimer* t : kTimers) EnterPassPortTimer(m, *t, z, text);
  for (const Field& f : kFeatureFields)
    if (z >= 0 && z < kZoneCount) f.Set(m, z, f.Get(m, z) ^ 1);
}

}  // namespace

TEST(TrunkFormatsTest, EveryOperationOnEveryZoneFormatStaysWithinTheRecords) {
  std::mt19937 rng(1405);
  TestModel m;
  for (int run = 0; run < 4; ++run) {
    const Image image = ImageWithEveryFormat(rng, run % 2 == 0);
    m->UnpackImage(image.data());
    for (int z = -1; z <= kZoneCount; ++z) {
      RunEveryOperation(*m, z, rng);
      int total = 0;
      for (int k = 0; k < kZoneCount; ++k) total += m->store.groupCount[k];
      ASSERT_EQ(kGroupCount, total + int(m->store.freeGroupPool)) << "run " << run << " zone " << z;
    }
    ZoneDefaults defaults = InterconnectDefaults();
    for (const DefaultRow* row : kRows) CommitDefault(*m, defaults, *row, rng() % 256);
    EnterDefaultDisconnectDial(*m, defaults, "#");
    Image packed = image;
    m->PackImage(packed.data());
  }
}
