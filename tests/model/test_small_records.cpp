// Sel Call entries, seed channels, tuning points and the tuning tables of the tail.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/image.h"
#include "model/small_records.h"
#include "model/tuning_data.h"
#include "test_support.h"

namespace {

// Row k byte j holds k << 4 | j, so that every field names its row and byte.
CTuningData TaggedTables(std::uint32_t bandFlag) {
  CTuningData t;
  t.Reset(bandFlag);
  for (int k = 0; k < CTuningData::kRowCount; ++k)
    for (int j = 0; j < CTuningData::kRowSize; ++j) t.rows[k][j] = std::uint8_t(k << 4 | j);
  return t;
}

}  // namespace

// A Sel Call entry's bytes: Target MIN high byte first, the zone, the five
// codes, the alias padded with blanks (the default files hold one zone value in
// every entry, so the golden scripts cannot place the zone byte). The image
// keeps 16 bits of a Target MIN, and an index outside its table touches nothing.
TEST(SmallRecords, SelCallLayoutAndIndexesOutsideTheTablesTouchNothing) {
  CSelCallRecord e;
  e.targetMin = 0x1234;
  e.zoneCode = 5;
  const std::uint8_t code[5] = {1, 2, 3, 4, 5};
  std::copy(code, code + 5, e.code);
  std::snprintf(e.alias, sizeof e.alias, "ABC");
  auto image = BlankImage();
  e.PackToImage(image.data(), 7);
  const std::uint8_t selCall[16] = {0x12, 0x34, 5, 1, 2, 3, 4, 5, 'A', 'B', 'C', ' ', ' ', ' ', ' ', ' '};
  EXPECT_TRUE(std::equal(selCall, selCall + 16, image.begin() + 15232 + 16 * 7));
  CSelCallRecord back;
  back.UnpackFromImage(image.data(), 7);
  EXPECT_EQ(back.zoneCode, 5);

  e.targetMin = 0x12345;
  e.PackToImage(image.data(), 319);
  EXPECT_EQ(image[20336], 0x23);
  EXPECT_EQ(image[20337], 0x45);

  const auto before = image;
  e.PackToImage(image.data(), 320);
  e.PackToImage(image.data(), -1);
  CSeedChannelRecord().PackToImage(image.data(), 20);
  CTuningPointRecord().PackToImage(image.data(), 88, 96, CTuningData());
  EXPECT_EQ(image, before);
}

TEST(SmallRecordsTuningPoint, UhfRecordsFromTheirTestPairs) {
  const CTuningData t = TaggedTables(96);
  auto image = BlankImage();
  CTuningPointRecord records[kTuningPointCount];
  for (int i = 0; i < kTuningPointCount; ++i) records[i].PackToImage(image.data(), i, 96, t);
  // (Bytes 0, 14 and 15 of each record, the same whatever the tables hold, are in
  // the default files.)
  // The pairs the tables are built around.
  const struct {
    int index;
    std::int32_t rx, tx;
  } pairs[] = {{8, 42001250, 42501250}, {16, 44001250, 44501250}, {48, 47001250, 47301250}, {80, 40001250, 40501250}};
  for (const auto& p : pairs) {
    std::int32_t rx = 0, tx = 0;
    ASSERT_TRUE(CTuningPointRecord::TestPair(p.index, 96, rx, tx));
    EXPECT_EQ(rx, p.rx);
    EXPECT_EQ(tx, p.tx);
  }
  // Record 48: receive 470.0125 MHz in row 7, transmit 473.0125 MHz in row 9.
  const std::uint8_t expected[16] = {8,    0x70, 0x91, 0x72, 0x73, 0x95, 0x96, 0x97,
                                     0x99, 0x9A, 0x9B, 0x9C, 0x9D, 100,  0x70, 0};
  EXPECT_TRUE(std::equal(expected, expected + 16, image.begin() + 13824 + 16 * 48));
  EXPECT_TRUE(std::equal(expected, expected + 16, records[48].b));
  // Record 8: 420.0125 MHz lies below the table (row 0) and far below the reference.
  EXPECT_EQ(image[13824 + 16 * 8 + 1], 0x00);
  EXPECT_EQ(image[13824 + 16 * 8 + 13], 0);
}

TEST(SmallRecordsTuningPoint, VhfLeavesRecordsWithoutATestPair) {
  auto image = BlankImage();
  for (int i = 0; i < kTuningPointCount * 16; ++i) image[13824 + i] = std::uint8_t(i * 13 + 1);
  const auto before = image;
  const CTuningData t = TaggedTables(0);
  CTuningPointRecord records[kTuningPointCount];
  for (int i = 0; i < kTuningPointCount; ++i) records[i].UnpackFromImage(image.data(), i);
  for (int i = 0; i < kTuningPointCount; ++i) records[i].PackToImage(image.data(), i, 0, t);
  EXPECT_TRUE(std::equal(before.begin() + 13824 + 16 * 15, before.begin() + 15232, image.begin() + 13824 + 16 * 15));
  std::int32_t rx = 0, tx = 0;
  EXPECT_FALSE(CTuningPointRecord::TestPair(15, 0, rx, tx));
  ASSERT_TRUE(CTuningPointRecord::TestPair(1, 0, rx, tx));
  EXPECT_EQ(rx, 15350750);
  EXPECT_EQ(tx, rx);
  ASSERT_TRUE(CTuningPointRecord::TestPair(9, 0, rx, tx));
  EXPECT_EQ(rx, 17339625);
}

TEST(TuningData, ResetByBandKeepsTheRadiosBytes) {
  CTuningData t;
  t.imageBytes[3] = 9;
  t.Reset(0);
  EXPECT_EQ(t.referenceWord, 1620);
  EXPECT_EQ(t.frequencies[0], 1500);   // 17 rising frequencies, 150.0 ..
  EXPECT_EQ(t.frequencies[16], 1740);  // .. 174.0 MHz
  EXPECT_EQ(t.imageBytes[3], 9);
}

TEST(TuningData, TailLayoutRoundTrips) {
  std::vector<std::uint8_t> tail(kTailSize, 0xEE);
  for (std::size_t i = 0; i < CTuningData::kTailBytes; ++i) tail[i] = std::uint8_t(i * 7 + 3);
  auto image = BlankImage(0);
  for (int i = 0; i < 16; ++i) image[14 + i] = std::uint8_t(0xC0 + i);

  // (Where each table lies in the tail is fixed by the default files' bytes in
  // the golden page scripts.)
  CTuningData t;
  t.Unpack(image.data(), tail.data(), 1);
  EXPECT_EQ(t.imageBytes[0], 0xC0);
  EXPECT_EQ(t.imageBytes[15], 0xCF);

  std::vector<std::uint8_t> out(kTailSize, 0);
  t.Pack(out.data());
  EXPECT_TRUE(std::equal(tail.begin(), tail.begin() + 263, out.begin()));
  EXPECT_TRUE(std::all_of(out.begin() + 263, out.end(), [](std::uint8_t b) { return b == 0; }));

  // Without the tail (after a radio read) only image 14..29 is taken.
  CTuningData u;
  image[14] = 0x01;
  u.Unpack(image.data(), tail.data(), 0);
  EXPECT_EQ(u.imageBytes[0], 0x01);
  EXPECT_EQ(u.referenceWord, 4700);
}
