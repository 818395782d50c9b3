// The image map as a whole: which bytes each pack variant writes, keeps in part
// or never touches, and that no unpack reads a byte that no record owns.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

#include "model/default_image.h"
#include "test_support.h"

namespace {

using Image = std::array<std::uint8_t, kImageBufferSize>;

// What a pack does to one image byte: never touches it, writes it whole, or
// writes some of its bits and keeps the others.
enum Footprint : char { kUntouched = 'U', kWritten = 'W', kPartial = 'P' };

bool In(std::size_t i, std::size_t first, std::size_t last) { return i >= first && i <= last; }

// The footprint of the 5-Tone block, 23,680..24,575, for a pack that writes it.
Footprint FiveToneFootprint(std::size_t i) {
  const std::size_t system = img::kFiveToneBlock, encode = 23696, decode = 23840;
  if (In(i, system, system + 15)) {
    const std::size_t k = i - system;
    if (k == 3 || k == 10 || k >= 12) return kPartial;  // single fields in a byte of other bits
    return (k == 9 || k == 11) ? kUntouched : kWritten;
  }
  if (In(i, encode, decode - 1)) {
    const std::size_t k = (i - encode) % 18;
    if (k == 0 || In(k, 5, 12)) return kPartial;  // flag bits 3..1 and the aliases' top bits are kept
    return k <= 4 ? kWritten : kUntouched;
  }
  if (In(i, decode, decode + 8 * 13 - 1)) {
    const std::size_t entry = (i - decode) / 13, k = (i - decode) % 13;
    if (k <= 1) return kPartial;
    if (k <= 4) return kWritten;
    return entry < 5 ? kWritten : kUntouched;  // only the named entries' aliases
  }
  if (i == 23993 || i == 24006 || i == 24019) return kPartial;
  if (In(i, 24072, 24103) || In(i, 24168, 24172) || In(i, 24175, 24179) || In(i, 24444, 24507)) return kWritten;
  return kUntouched;
}

// The footprint of PackImage (defaults = false) or PackImageDefaults (true) on a
// model whose system type is LTR, as the image map gives it.
Footprint Expected(std::size_t i, bool defaults) {
  // Header and option bytes.
  if (i < 384) {
    if (In(i, 30, 32) || In(i, 34, 235) || i == 244 || i == 246 || i == 247 || i == 252 || i == 253) return kWritten;
    if (defaults && (i == 33 || i == 236 || i == 249 || In(i, 256, 375))) return kWritten;
    return kUntouched;
  }
  if (In(i, 384, 653)) return (i == 613 || i == 645) ? kPartial : kWritten;  // bits of groups 250..255 kept
  if (In(i, 654, 767)) {
    const bool owned = i == 704 || i == 705 || In(i, 719, 723) || In(i, 725, 728) || In(i, 730, 748) ||
                       In(i, 755, 758);
    return owned ? kWritten : kUntouched;
  }
  if (In(i, 768, 1151)) return kWritten;
  if (In(i, img::kZoneRecords, img::kGroups - 1)) return (i - img::kZoneRecords) % 64 < 56 ? kWritten : kUntouched;
  if (In(i, img::kGroups, 7199)) return kWritten;
  if (In(i, 7200, 7295)) return kUntouched;
  if (In(i, img::kChannels, img::kSeedChannels - 1)) {
    // Five channels a block and three spare bytes; the store carries the spare
    // bytes of channel 219's block.
    const bool spare = (i - img::kChannels) % 128 >= 125;
    return (!spare || In(i, 12925, 12927)) ? kWritten : kUntouched;
  }
  if (In(i, img::kSeedChannels, 13815)) return kWritten;
  if (In(i, 13816, 13823)) return kUntouched;
  if (In(i, img::kTuningPoints, 20351)) return kWritten;  // tuning points, Sel Call entries
  if (In(i, 20352, 22275)) return defaults ? kUntouched : kWritten;  // the DFA table
  if (In(i, 22276, 23679)) return kUntouched;
  if (In(i, img::kFiveToneBlock, 24575)) {
    // The defaults pack writes the system data only.
    if (defaults && i >= 23696) return kUntouched;
    return FiveToneFootprint(i);
  }
  if (In(i, 32892, 32895)) return defaults ? kUntouched : kWritten;  // the serial number
  return kUntouched;
}

Footprint Observed(std::uint8_t fromZeros, std::uint8_t fromOnes) {
  if (fromZeros == 0x00 && fromOnes == 0xFF) return kUntouched;
  return fromZeros == fromOnes ? kWritten : kPartial;
}

// Packs the model into an image of zeros and one of 0xFF bytes and compares
// every byte's footprint with the map.
std::string FootprintMismatches(CEditModel& m, bool defaults) {
  auto packed = [&](std::uint8_t fill) {
    auto image = std::make_unique<Image>();
    image->fill(fill);
    const auto tail = m.tail;
    EXPECT_EQ(1, defaults ? m.PackImageDefaults(image->data()) : m.PackImage(image->data()));
    if (!defaults) {
      EXPECT_TRUE(tail == m.tail);  // only the defaults pack writes the tail
    }
    return image;
  };
  const auto zeros = packed(0x00), ones = packed(0xFF);
  std::ostringstream out;
  int count = 0;
  for (std::size_t i = 0; i < kImageBufferSize; ++i) {
    const Footprint want = Expected(i, defaults), got = Observed((*zeros)[i], (*ones)[i]);
    if (want != got && count++ < 12) out << " " << i << ":" << char(want) << "->" << char(got);
  }
  if (count) out << " (" << count << " bytes)";
  return out.str();
}

TEST(ReviewImageMap, EachPackWritesExactlyTheBytesOfItsRecords) {
  for (bool uhf : {true, false}) {
    TestModel m;
    if (!uhf) {
      m->global.hardwareByte = 0x01;
      m->global.bandFlag = 0;
      m->ResetEditModel();
    }
    SCOPED_TRACE(uhf ? "UHF" : "VHF");
    EXPECT_EQ("", FootprintMismatches(*m, false));
    EXPECT_EQ("", FootprintMismatches(*m, true));
    EXPECT_TRUE(m.host.messages.empty());
  }
}

TEST(ReviewImageMap, ChannelTwoNineteensOwnBytesWinOverTheCarriedSpareBytes) {
  std::vector<std::uint8_t> file;
  ASSERT_TRUE(BuildDefaultDataFile(true, file));
  TestModel m;
  auto image = std::make_unique<Image>();
  image->fill(0);
  std::copy(file.begin(), file.begin() + kFileImagePart, image->begin());
  for (std::size_t i = 12920; i < 12928; ++i) (*image)[i] = std::uint8_t(0xC0 + i % 8);
  m->UnpackImage(image->data());

  // Channel 219 programmed with a new frequency: its tuning bytes 4..8 are its own.
  CChannelData& ch = m->store.channels[219];
  ch.programmed = 1;
  ch.rxFreq = 48000000;
  ch.txFreq = 48500000;
  ch.modeByte = 0x45;
  ASSERT_EQ(1, m->PackImage(image->data()));
  for (int k = 0; k < 5; ++k) EXPECT_EQ(ch.tuning[3 + k], (*image)[12920 + k]) << k;
  for (std::size_t i = 12925; i < 12928; ++i) EXPECT_EQ(0xC0 + i % 8, (*image)[i]) << i;
  // Sel Call entry 104 lies under the DFA table: the table's word is what the image keeps.
  m->store.selCalls[104].targetMin = 0xABCD;
  m->dfa.SetEntry(0, 0x01020304);
  ASSERT_EQ(1, m->PackImage(image->data()));
  EXPECT_EQ(0x01020304u, GetBE32(image->data() + img::kDfaTable));
}

// Bytes that no unpack reads: what an unpack of the image gives is the same
// whatever they hold. (Bytes that only an unpack reads, such as the model word,
// the version and the band parameters, are read and so not among them.)
bool ReadByNoUnpack(std::size_t i, bool ltr) {
  if (i >= kImageSize) return false;
  const bool unpackOnly = i <= 3 || i == 9 || i == 11 || In(i, 14, 29) || i == 33 || i == 236 || i == 249 ||
                          i == 251 || i == 256 || i == 293 || i == 294 || In(i, 325, 334) || i == 375 ||
                          In(i, 24183, 24187);
  if (unpackOnly) return false;
  if (In(i, img::kZoneRecords, img::kGroups - 1)) {
    const std::size_t k = (i - img::kZoneRecords) % 64;
    if (ltr) return k >= 56;
    return !(k <= 34 || (k >= 38 && k <= 42) || (k >= 46 && k <= 48));
  }
  if (In(i, 32512, 32895)) return true;  // the tail is read from RadioImageTail
  if (In(i, 23840 + 5 * 13, 23840 + 8 * 13 - 1)) return false;  // aliases unpacked but never packed
  return Expected(i, false) == kUntouched;
}

TEST(ReviewImageMap, NoUnpackReadsABytesThatNoRecordOwns) {
  std::mt19937 rng(1101);
  for (bool ltr : {true, false}) {
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(BuildDefaultDataFile(true, file));
    auto base = std::make_unique<Image>();
    base->fill(0xFF);
    std::copy(file.begin(), file.begin() + kFileImagePart, base->begin());
    (*base)[img::kSystemType] = ltr ? 0x40 : 0x00;
    auto noisy = std::make_unique<Image>(*base);
    int randomized = 0;
    for (std::size_t i = 0; i < kImageSize; ++i) {
      if (!ReadByNoUnpack(i, ltr)) continue;
      (*noisy)[i] = std::uint8_t(rng());
      ++randomized;
    }
    EXPECT_GT(randomized, 10000);

    auto packOf = [&](const Image& source, bool defaults) {
      TestModel m;
      m->UnpackImage(source.data());
      auto out = std::make_unique<Image>();
      out->fill(0x5A);
      EXPECT_EQ(1, defaults ? m->PackImageDefaults(out->data()) : m->PackImage(out->data()));
      EXPECT_TRUE(m.host.messages.empty());
      return out;
    };
    SCOPED_TRACE(ltr ? "LTR" : "PassPort");
    for (bool defaults : {false, true}) {
      const auto a = packOf(*base, defaults), b = packOf(*noisy, defaults);
      std::size_t first = kImageBufferSize;
      for (std::size_t i = 0; i < kImageBufferSize && first == kImageBufferSize; ++i)
        if ((*a)[i] != (*b)[i]) first = i;
      EXPECT_EQ(kImageBufferSize, first) << "first difference at " << first << (defaults ? " (defaults)" : "");
    }
  }
}

}  // namespace
