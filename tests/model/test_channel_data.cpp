// Channel records: defaults, the 25-byte encoding and the tuning computation.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "model/channel_data.h"
#include "model/tuning_data.h"
#include "test_support.h"

namespace {

using Bytes = std::array<std::uint8_t, 25>;

Bytes Pack(CChannelData& ch, CEditModel& m) {
  Bytes b;
  b.fill(0xAA);
  ch.PackToImage(b.data(), m);
  return b;
}

CChannelData Programmed(std::int32_t rx, std::int32_t tx, std::uint8_t mode) {
  CChannelData ch;
  ch.programmed = 1;
  ch.rxFreq = rx;
  ch.txFreq = tx;
  ch.modeByte = mode;
  return ch;
}

// Divider bytes and tune word of one side: {b1, b2, b3, tune high, tune low}.
std::array<int, 5> Side(const Bytes& b, bool tx) {
  const int d = tx ? 9 : 1, t = tx ? 15 : 7;
  return {b[d], b[d + 1], b[d + 2], b[t], b[t + 1]};
}

}  // namespace

// (The dividers of the default channel, 450.0 and 455.0 MHz on the 6.25 kHz
// raster, are in the default files.) 450.0 MHz on the 5 kHz steps:
TEST(ChannelDataDefaults, UhfPacksTheKnownDividers) {
  TestModel m;
  CChannelData ch;
  ch.SetDefaults(*m);
  ch.programmed = 1;
  ch.modeByte &= std::uint8_t(~CChannelData::kRxStepMask);
  const Bytes b = Pack(ch, *m);
  EXPECT_EQ(Side(b, false), (std::array<int, 5>{0x24, 0xF3, 0xF9, 0x9C, 0xFE}));
  EXPECT_EQ(ch.rxWord, 0x24F3);
}

TEST(ChannelDataDefaults, VhfTransmitsInsideTheBand) {
  TestModel m;
  MakeVhf(*m);
  CChannelData ch;
  ch.SetDefaults(*m);
  EXPECT_EQ(ch.rxFreq, 15077500);  // 134.0 raised to the band edge
  EXPECT_EQ(ch.txFreq, 15077500);  // no split: transmit where it receives
  EXPECT_EQ(ch.modeByte, 0x40);

  MakeVhf(*m, 11);  // 134.0 is in this model's band; a split to an 80,139 Hz multiple sets its flag
  m->message.SetDefaultSplit(150.26085 - 134.0);
  ch.SetDefaults(*m);
  EXPECT_EQ(ch.rxFreq, 13400000);
  EXPECT_EQ(ch.txFreq, 15026085);
  EXPECT_EQ(ch.FrequencyFlags(), CChannelData::kFlagNearWholeMHz | CChannelData::kFlagNear80139);
}

TEST(ChannelDataCodec, EveryStepSetRoundTrips) {
  for (bool uhf : {true, false}) {
    for (int stepIndex : {0, 3}) {
      for (int set = 0; set < 4; ++set) {
        for (std::uint8_t signs : {0x00, 0x0F}) {
          TestModel m;
          if (!uhf) MakeVhf(*m);
          m->freqRange.stepIndex = std::uint8_t(stepIndex);
          m->freqRange.signBits = signs;
          // On every raster, and so is the offset.
          const std::int32_t rx = uhf ? 46010000 : 16010000, tx = uhf ? 46510000 : 16110000;
          CChannelData ch = Programmed(rx, tx, std::uint8_t(0x40 | set << 2 | set));
          Bytes b = Pack(ch, *m);
          CChannelData back;
          // Bits 5..4 are neither the record's before nor the image's: they take their reset value.
          back.modeByte = 0x30;
          Bytes image = b;
          image[0] |= 0x30;
          back.UnpackFromImage(image.data(), *m);
          SCOPED_TRACE(testing::Message() << "uhf " << uhf << " index " << stepIndex << " set " << set
                                          << " signs " << int(signs));
          EXPECT_EQ(back.rxFreq, rx);
          EXPECT_EQ(back.txFreq, tx);
          EXPECT_EQ(back.modeByte, ch.modeByte);
          EXPECT_TRUE(back.IsProgrammed());
          EXPECT_EQ(back.optionWordA, ch.optionWordA);
          EXPECT_EQ(std::uint16_t(b[4] << 8 | b[5]), ch.optionWordA);  // high byte first
          EXPECT_EQ(back.optionWordB, ch.optionWordB);
          EXPECT_EQ(0, std::memcmp(back.tuning, ch.tuning, 8));
          back.modeByte = ch.modeByte;
          EXPECT_EQ(Pack(back, *m), b);
        }
      }
    }
  }
}

TEST(ChannelDataCodec, EmptyChannel) {
  TestModel m;
  CChannelData ch = Programmed(45000000, 45500000, 0x45);
  ch.programmed = 0;
  Bytes expected{};
  expected[1] = 0xFF;
  expected[2] = 0x2E;
  EXPECT_EQ(Pack(ch, *m), expected);
  EXPECT_EQ(ch.rxWord, CChannelData::kEmptyRxWord);

  // Unpacked, it holds the channel defaults of the band, whatever it held before.
  for (bool uhf : {true, false}) {
    if (!uhf) MakeVhf(*m);
    CChannelData back = Programmed(1, 2, 0x85);
    back.UnpackFromImage(expected.data(), *m);
    CChannelData defaults;
    defaults.SetDefaults(*m);
    EXPECT_FALSE(back.IsProgrammed());
    EXPECT_TRUE(back == defaults) << uhf;
    EXPECT_EQ(back.rxFreq, uhf ? 45000000 : 15077500);
  }
}

TEST(ChannelDataCodec, ZeroFrequenciesRoundTrip) {
  for (bool uhf : {true, false}) {
    TestModel m;
    if (!uhf) MakeVhf(*m);
    CChannelData ch = Programmed(0, 0, 0x45);
    Bytes b = Pack(ch, *m);
    EXPECT_EQ(Side(b, false), (std::array<int, 5>{0, 0, 0, 0xFF, 0xFF}));
    EXPECT_EQ(Side(b, true), (std::array<int, 5>{0, 0, 0, 0xFF, 0xFF}));
    CChannelData back;
    back.UnpackFromImage(b.data(), *m);
    EXPECT_TRUE(back.IsProgrammed());
    EXPECT_EQ(back.rxFreq, 0);
    EXPECT_EQ(back.txFreq, 0);
    ch.txFreq = uhf ? 45500000 : 15500000;  // one side only
    back.UnpackFromImage(Pack(ch, *m).data(), *m);
    EXPECT_EQ(back.rxFreq, 0);
    EXPECT_EQ(back.txFreq, ch.txFreq);
  }
}

TEST(ChannelDataCodec, VhfTuneWordsFollowTheirOwnStepSet) {
  TestModel m;
  MakeVhf(*m);  // step index 2, offsets +22.05 MHz; 160.0 MHz receives on 137.95 MHz
  const struct {
    int rxSet, txSet, rxTune, txTune;
  } cases[] = {
      {0, 0, 0x6BC6, 0x7D00},  // 27,590 and 32,000: no base
      {2, 2, 0x578C, 0x7A00},  // 55,180 and 64,000, less 32,768
      {3, 3, 0xAF18, 0xB400},  // 110,360 less 131,072 (low 16 bits); 128,000 less 81,920
      {3, 0, 0xAF18, 0x7D00},  // the transmit word does not follow the receive set
  };
  for (const auto& c : cases) {
    CChannelData ch = Programmed(16000000, 16000000, std::uint8_t(0x40 | c.rxSet << 2 | c.txSet));
    const Bytes b = Pack(ch, *m);
    EXPECT_EQ(b[7] << 8 | b[8], c.rxTune) << c.rxSet << c.txSet;
    EXPECT_EQ(b[15] << 8 | b[16], c.txTune) << c.rxSet << c.txSet;
  }
}

TEST(ChannelDataTuning, InterpolationAndSegments) {
  CTuningData t;  // UHF: reference 470.0 MHz, base 100, 40 above and 35 below per 10 MHz
  CChannelData ch;
  const struct {
    double mhz;
    int value;
  } cases[] = {{450.0, 30}, {470.0, 100}, {480.0, 140}, {490.0, 180}, {400.0, 0}, {512.0, 255}};
  for (const auto& c : cases) {
    ch.InterpolateTuning(c.mhz, t);
    EXPECT_EQ(ch.tuning[0], c.value) << c.mhz;
  }
  EXPECT_EQ(t.Segment(440.0), 0);
  EXPECT_EQ(t.Segment(452.5), 0);  // the segment's upper frequency belongs to it
  EXPECT_EQ(t.Segment(452.6), 1);
  EXPECT_EQ(t.Segment(453.7), 1);
  EXPECT_EQ(t.Segment(600.0), 15);  // above the table: the last row
}

TEST(ChannelDataTuning, RowBytesReachTheirFields) {
  CTuningData t;
  const std::uint8_t r[14] = {0x2B, 0x1D, 0x9C, 0x33, 0x44, 0x55, 10, 0xF6, 0, 0x91, 0x92, 0x93, 0x94, 0x99};
  std::memcpy(t.rows[1], r, 14);  // 452.6 .. 455.0 MHz
  t.imageBytes[0] = 250;
  t.imageBytes[1] = 5;

  CChannelData ch;
  ch.modeByte = CChannelData::kSpacingWide;
  ch.optionWordA = 0xFFFF;
  ch.tuning[1] = 0xFF;
  ch.InterpolateTuning(453.0, t);
  EXPECT_EQ(ch.optionWordA, 0xF5CF);  // 15..14, 2 set; 13, 1, 0 kept; r0's fields; r2's high nibble
  EXPECT_EQ(ch.optionByteA, 0x33);
  ch.SetTuningForFrequency(453.0, t);
  EXPECT_EQ(ch.optionWordB, 0xCEE4);  // r1's fields, r2's low nibble
  EXPECT_EQ(ch.optionByteB, 0x55);
  // Flags kept; r4; 250 + 10 held at 255; 5 - 10 held at 0; Wide: r9, r11; r13.
  const std::uint8_t wide[7] = {0xE0, 0x44, 255, 0, 0x91, 0x93, 0x99};
  EXPECT_EQ(0, std::memcmp(ch.tuning + 1, wide, 7));
  ch.modeByte = 0;  // Narrow: r10, r12
  ch.SetTuningForFrequency(453.0, t);
  EXPECT_EQ(ch.tuning[5], 0x92);
  EXPECT_EQ(ch.tuning[6], 0x94);
}

TEST(ChannelDataTuning, FrequencyFlagsSurviveAPack) {
  TestModel m;
  CChannelData ch;
  ch.SetDefaults(*m);
  ch.programmed = 1;
  ch.FrequencyFlags() |= CChannelData::kFlagNear921600;
  EXPECT_EQ(Pack(ch, *m)[18] & CChannelData::kFrequencyFlagMask, 0xA0);

  MakeVhf(*m);
  ch.SetDefaults(*m);
  ch.programmed = 1;
  ch.FrequencyFlags() |= CChannelData::kFlagNear80139;
  EXPECT_EQ(Pack(ch, *m)[18] & CChannelData::kFrequencyFlagMask, 0x40);
  EXPECT_EQ(CChannelData::MHzToUnits(450.0062499999), 45000625);  // a hair short is restored
}
