// Band parameters (image 256..375) and the frequency checks of the pages.
#include <gtest/gtest.h>

#include <vector>

#include "model/channel_data.h"
#include "test_support.h"

// The band parameters a fresh radio of each band packs (their bytes are those of
// the default data files) read back into a model as the band's values, with the
// flag of byte 256, and pack to the same bytes again.
TEST(FreqRangeDefaults, PackedBandBytesUnpackToTheBandsValues) {
  for (bool uhf : {true, false}) {
    TestModel m;
    if (!uhf) MakeVhf(*m);
    EXPECT_EQ(m->message.GetDefaultSplit(), uhf ? 5.0 : 0.0);
    std::vector<std::uint8_t> image(kImageSize, 0xFF);
    ASSERT_EQ(m->freqRange.PackToImage(image.data()), 1);
    image[256] |= 0x20;  // the flag of byte 256 travels too

    CFreqRangeSection& r = m->freqRange;
    r.stepIndex = 1;
    r.value5 = 0;
    r.referenceMHz = 0;
    r.optionByte = r.byte333 = r.nibbleHigh = r.byte375 = 0;
    r.UnpackFromImage(image.data());
    EXPECT_EQ(r.stepIndex, uhf ? 0 : 2);
    EXPECT_EQ(r.flag, 1);
    EXPECT_EQ(r.value5, 13);
    EXPECT_NEAR(r.referenceMHz, uhf ? 14.6 : 21.6, 1e-9);
    EXPECT_EQ(r.optionByte, 16);
    EXPECT_EQ(r.byte333, 47);
    EXPECT_EQ(r.nibbleHigh, 2);
    EXPECT_EQ(r.byte375, 132);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(r.OffsetUnits(k), uhf ? 4425000 : 2205000) << k;
    // 44.25 MHz in 0.00125 MHz units does not fit 15 bits: the bytes stay as the
    // radio knows them and read back as their 15 bits say.
    EXPECT_EQ(r.OffsetUnits(3), uhf ? -329000 : 2205000);

    std::vector<std::uint8_t> again(kImageSize, 0xFF);
    r.PackToImage(again.data());
    EXPECT_TRUE(std::equal(image.begin() + 256, image.begin() + 376, again.begin() + 256));
  }
}

TEST(FreqRangeCheck, UhfRaster) {
  TestModel m;
  CFreqRangeSection& r = m->freqRange;
  const struct {
    int stepIndex;
    double in;
    int result;
    double out;
  } cases[] = {
      {0, 450.00625, 1, 450.00625},  // on the 6.25 kHz raster
      {0, 450.01, 0, 450.01},        // on the 5 kHz raster only
      {0, 450.003, 0, 450.005},      // 450.005 is nearer than 450.00625
      {0, 450.0059, 1, 450.00625},
      {0, 450.0001, 0, 450.0},       // the nearest point may lie below
      {0, 450.0025, 0, 450.005},     // a tie goes to the 5 kHz raster, then upwards
      {0, 511.9999, 0, 512.0},
      {3, 450.0125, 1, 450.0125},    // 12.5 and 10 kHz
      {3, 450.011, 0, 450.01},
      {3, 450.012, 1, 450.0125},
  };
  for (const auto& c : cases) {
    r.stepIndex = std::uint8_t(c.stepIndex);
    double f = c.in;
    EXPECT_EQ(r.CheckFrequency(f, 4), c.result) << c.in;
    EXPECT_NEAR(f, c.out, 1e-9) << c.in;
  }
  r.stepIndex = 0;
  double unchanged = 450.00625;
  r.CheckFrequency(unchanged, 4);
  EXPECT_EQ(unchanged, 450.00625);
}

TEST(FreqRangeCheck, ClampsByHardwareProductionTypeAndKind) {
  TestModel m;
  const struct {
    bool uhf;
    std::uint8_t productionType;
    int kind;
    double in, out;
    int result;
  } cases[] = {
      {true, 0, 4, 600.0, 512.0, 1},
      {true, 0, 2, 449.0, 450.0, 1},
      {true, 0, 4, 0.0, 450.0, 1},  // 0 is raised to the lower edge like any value below
      {true, 11, 4, 140.0, 450.0, 1},  // the hardware byte decides before the production type
      {false, 0, 4, 134.0, 150.775, 0},
      {false, 0, 4, 0.0, 150.775, 0},
      {false, 0, 4, 180.0, 173.39625, 0},
      {false, 0, 4, 160.0013, 160.0013, 0},  // kind 4 on VHF: clamped only
      {false, 0, 2, 140.0, 146.0, 1},
      {false, 0, 2, 180.0, 174.0, 1},
      {false, 0, 2, 160.0025, 160.0025, 2},  // the 2.5 kHz raster
      {false, 0, 2, 160.0013, 160.0, 0},
      {false, 11, 4, 120.0, 134.0, 0},
      {false, 11, 2, 180.0, 174.0, 1},
  };
  for (const auto& c : cases) {
    if (c.uhf) {
      m->global.hardwareByte = 0x61;
      m->global.bandFlag = 96;
      m->store.modelWord = std::uint32_t(c.productionType) << 8;
      m->freqRange.Reset();
    } else {
      MakeVhf(*m, c.productionType);
    }
    double f = c.in;
    EXPECT_EQ(m->freqRange.CheckFrequency(f, c.kind), c.result) << c.in << " kind " << c.kind;
    EXPECT_NEAR(f, c.out, 1e-9) << c.in << " kind " << c.kind;
  }
}

TEST(FreqRangeValidity, LimitsAreInclusiveAtBothEnds) {
  TestModel m;
  CFreqRangeSection& r = m->freqRange;
  EXPECT_TRUE(r.IsSeedFrequencyValid(0.0, 1, 4));
  EXPECT_FALSE(r.IsSeedFrequencyValid(0.0, 0, 4));
  EXPECT_TRUE(r.IsHomeFrequencyValid(0.0, 1, 2));
  EXPECT_TRUE(r.IsSeedFrequencyValid(450.0, 0, 4));
  EXPECT_FALSE(r.IsSeedFrequencyValid(449.99999, 0, 4));
  EXPECT_TRUE(r.IsSeedFrequencyValid(512.0, 0, 4));
  EXPECT_FALSE(r.IsSeedFrequencyValid(512.00001, 0, 4));
  EXPECT_TRUE(r.IsHomeFrequencyValid(511.9875, 0, 4));
  EXPECT_FALSE(r.IsHomeFrequencyValid(511.98751, 0, 4));

  MakeVhf(*m);
  // {system type, kind, lowest valid, highest valid}
  const struct {
    std::uint8_t systemType;
    int kind;
    double low, high;
  } ranges[] = {{0x00, 4, 150.775, 173.39625}, {0x00, 2, 146.0, 174.0}, {0x40, 4, 134.0, 174.0}, {0x40, 2, 134.0, 174.0}};
  for (auto valid : {&CFreqRangeSection::IsSeedFrequencyValid, &CFreqRangeSection::IsHomeFrequencyValid}) {
    for (const auto& c : ranges) {
      m->global.systemType = c.systemType;
      EXPECT_TRUE((r.*valid)(c.low, 0, c.kind)) << c.low;
      EXPECT_FALSE((r.*valid)(c.low - 0.00001, 0, c.kind)) << c.low;
      EXPECT_TRUE((r.*valid)(c.high, 0, c.kind)) << c.high;
      EXPECT_FALSE((r.*valid)(c.high + 0.00001, 0, c.kind)) << c.high;
    }
  }
}

TEST(FreqRangeNear, Vectors) {
  for (double f : {450.0, 450.00999, 450.99001}) EXPECT_TRUE(IsNearWholeMHz(f)) << f;
  for (double f : {450.01, 450.99, 150.775}) EXPECT_FALSE(IsNearWholeMHz(f)) << f;
  // 500 x 921,600 Hz = 460.8 MHz; 15 kHz widened by 0.0001 of the frequency.
  for (double f : {460.8, 460.86, 460.74}) EXPECT_TRUE(CFreqRangeSection::IsNear921600Multiple(f)) << f;
  for (double f : {0.0, 460.87, 460.73, 450.0}) EXPECT_FALSE(CFreqRangeSection::IsNear921600Multiple(f)) << f;
  // 1,875 x 80,139.13 Hz = 150.26087 MHz; 10 kHz widened by 0.00005.
  for (double f : {150.26087, 150.275, 150.245}) EXPECT_TRUE(CFreqRangeSection::IsNear80139Multiple(f)) << f;
  for (double f : {0.0, 150.28, 150.24}) EXPECT_FALSE(CFreqRangeSection::IsNear80139Multiple(f)) << f;
}
