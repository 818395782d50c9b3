#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/conversions.h"
#include "model/sections.h"
#include "test_support.h"

namespace {

// ---- Radio identity ------------------------------------------------------------------

TEST(RadioIdentity, SerialEsnAndVersionVectors) {
  TestModel m;
  std::vector<std::uint8_t> image = BlankImage();
  std::vector<std::uint8_t> tail(kTailSize, 0);
  image[0] = 0x21;
  image[1] = 0x01;
  const std::uint8_t serial[4] = {0x0C, 0x01, 0x00, 0x00};
  std::memcpy(&tail[380], serial, 4);
  m->identity.UnpackFromImage(image.data(), tail.data());
  EXPECT_STREQ(m->identity.VersionText(), "01.21");
  EXPECT_STREQ(m->identity.SerialText(), "0N010000");
  EXPECT_EQ(m->identity.esnWord1, 1u);
  EXPECT_EQ(m->identity.esnWord2, 0u);
  EXPECT_EQ(m->identity.Esn(), 13633536u);
  EXPECT_EQ(CRadioIdentity::EsnFromWords(0, 0), 13631488u);

  std::fill(image.begin(), image.end(), 0xFF);
  m->identity.PackToImage(image.data(), image.data() + img::kAdjustmentBlock);
  EXPECT_EQ(0, std::memcmp(&image[32892], serial, 4));  // (and nothing else: the image map)

  // ESN words are the digit pairs read in decimal.
  const std::uint8_t other[4] = {0xFF, 0x42, 0x12, 0x34};
  std::memcpy(&tail[380], other, 4);
  m->identity.UnpackFromImage(image.data(), tail.data());
  EXPECT_STREQ(m->identity.SerialText(), "#Q421234");
  EXPECT_EQ(m->identity.esnWord1, 42u);
  EXPECT_EQ(m->identity.esnWord2, 1234u);
  EXPECT_EQ(m->identity.Esn(), 0xD00000u + (42u << 11) + (1234u & 0x7FF));
}

TEST(RadioIdentity, SerialEncodeIsTheExactInverseOfDecode) {
  // Every byte value of each serial byte decodes to a text that encodes back to it.
  for (int pos = 0; pos < 4; ++pos) {
    for (int v = 0; v < 256; ++v) {
      std::uint8_t bytes[4] = {0x5A, 0x12, 0x34, 0x56};
      bytes[pos] = std::uint8_t(v);
      char text[9];
      CRadioIdentity::DecodeSerial(bytes, text);
      std::uint8_t back[4] = {};
      ASSERT_TRUE(CRadioIdentity::EncodeSerial(text, back)) << text;
      EXPECT_EQ(0, std::memcmp(bytes, back, 4)) << text;
    }
  }
  // Every character that no byte decodes to is refused at its position.
  const std::string legal0 = "0123456789ABCD*#";
  const std::string legalHex = "0123456789ABCDEF";
  for (int pos = 0; pos < 8; ++pos) {
    for (int c = 1; c < 256; ++c) {
      char text[9] = "0N010000";
      text[pos] = char(c);
      bool legal;
      if (pos == 0)
        legal = legal0.find(char(c)) != std::string::npos;
      else if (pos == 1)
        legal = c >= 'B' && c <= 'Q';
      else
        legal = legalHex.find(char(c)) != std::string::npos;
      std::uint8_t out[4] = {1, 2, 3, 4};
      EXPECT_EQ(CRadioIdentity::EncodeSerial(text, out), legal) << pos << ' ' << c;
      if (!legal) {
        EXPECT_EQ(out[0], 1);
      }
    }
  }
  std::uint8_t out[4];
  EXPECT_FALSE(CRadioIdentity::EncodeSerial("0N01000", out));    // short
  EXPECT_FALSE(CRadioIdentity::EncodeSerial("0N0100000", out));  // long
  EXPECT_FALSE(CRadioIdentity::EncodeSerial("0n010000", out));   // lower case is not a decoded text
  EXPECT_FALSE(CRadioIdentity::EncodeSerial(nullptr, out));
}

TEST(RadioIdentity, InvalidSerialLeavesTheStoredBytes) {
  TestModel m;
  std::vector<std::uint8_t> area(kTailSize, 0);
  EXPECT_FALSE(m->identity.SetSerialText("00000000"));  // what an empty serial edit gives
  EXPECT_STREQ(m->identity.SerialText(), "0N010000");
  ASSERT_TRUE(m->identity.SetSerialText("0B000000"));
  m->identity.PackToImage(nullptr, area.data());
  EXPECT_EQ(area[380] | area[381] | area[382] | area[383], 0);
  // A text written directly is packed when valid and skipped when no bytes decode to it.
  std::memcpy(m->identity.serial, "*E00000A", 9);
  m->identity.PackToImage(nullptr, area.data());
  EXPECT_EQ(area[380], 0xE3);
  EXPECT_EQ(area[383], 0x0A);
  std::memcpy(m->identity.serial, "0A000000", 9);
  m->identity.PackToImage(nullptr, area.data());
  EXPECT_EQ(area[380], 0xE3);
}

// ---- DTMF --------------------------------------------------------------------------------

TEST(DtmfSettings, DialMemoryLayoutAndGuards) {
  TestModel m;
  CDtmfSettings& d = m->dtmf;
  EXPECT_FALSE(d.AnyPagingDecoding());

  ASSERT_EQ(d.DialMemory(3), d.dialMemory[3]);
  std::uint8_t* s = d.dialMemory[3];
  SetDialLength(s, 15);  // (the digits' layout: the dial strings' tests)
  for (int p = 1; p <= 15; ++p) SetDialDigit(s, p, p);
  EXPECT_EQ(DialDigit(s, 15), 15);
  EXPECT_EQ(DialDigit(s, 0), -1);
  EXPECT_EQ(DialDigit(s, 16), -1);
  SetDialDigit(s, 16, 0);  // ignored
  SetDialLength(s, 0x12);  // low four bits only
  EXPECT_EQ(s[0], 0x21);
  EXPECT_EQ(d.DialMemoryLength(3), 2);
  EXPECT_EQ(d.DialMemory(10), nullptr);
  EXPECT_EQ(d.DialMemoryLength(-1), 0);
}

// (Where the DTMF fields lie is fixed by the saved files of the golden page
// scripts.) The pack forces two bits of the paging byte, in the record too, and
// pads a short tag with blanks; bit 13 of any paging code is reported.
TEST(DtmfSettings, PackForcesThePagingByteAndPadsTags) {
  TestModel m;
  m->dtmf.pagingByte = 0x8F;
  std::strcpy(m->dtmf.dialTag[0], "AB");
  m->dtmf.pagingCode[4] = 0x2123;
  std::vector<std::uint8_t> out = BlankImage();
  EXPECT_EQ(m->dtmf.PackToImage(out.data()), 1);
  EXPECT_EQ(out[385], 0x4F);  // bit 7 cleared, bit 6 set ...
  EXPECT_EQ(m->dtmf.pagingByte, 0x4F);  // ... in the record too
  EXPECT_EQ(0, std::memcmp(&out[482], "AB      ", 8));
  EXPECT_TRUE(m->dtmf.AnyPagingDecoding());
}

// ---- Key assignments -------------------------------------------------------------------

TEST(KeyAssign, UnpackSwapsPairsAndPackWritesOnlyItsBits) {
  TestModel m;
  std::vector<std::uint8_t> image = BlankImage();
  for (int i = 0; i < 12; ++i) image[std::size_t(188 + i)] = std::uint8_t(i + 1);
  image[201] = 0x55;
  image[202] = 0x9A;
  image[203] = 0x36;
  image[208] = 0xF5;
  m->keys.UnpackFromImage(image.data());
  const std::uint8_t slots[13] = {2, 1, 4, 3, 6, 5, 8, 7, 10, 9, 12, 11, 0x55};
  EXPECT_EQ(0, std::memcmp(m->keys.keyFunctionCodes, slots, 13));
  EXPECT_EQ(m->keys.optionCodes[0], 3);
  EXPECT_EQ(m->keys.optionCodes[1], 6);
  EXPECT_EQ(m->keys.optionCodes[2], 9);
  EXPECT_EQ(m->keys.optionBits[0], 1);
  EXPECT_EQ(m->keys.optionBits[1], 0);
  EXPECT_EQ(m->keys.optionBits[2], 1);

  std::vector<std::uint8_t> out(kImageBufferSize, 0);
  out[202] = 0x0C;
  out[208] = 0xA8;
  ASSERT_EQ(m->keys.CheckAndPack(out.data()), 1);
  EXPECT_TRUE(std::equal(image.begin() + 188, image.begin() + 200, out.begin() + 188));
  EXPECT_EQ(out[200], 0);
  EXPECT_EQ(out[201], 0x55);
  EXPECT_EQ(out[202], 0x9C);  // low nibble kept
  EXPECT_EQ(out[203], 0x36);
  EXPECT_EQ(out[208], 0xAD);  // bits 7..3 kept
}

TEST(KeyAssign, IndividualDialZeroCheckOnlyForType11) {
  TestModel m;
  std::vector<std::uint8_t> image(kImageBufferSize, 0);
  m->keys.keyFunctionCodes[12] = CKeyAssignSection::kPhoneInterconnect;  // slot 12 is checked too
  m->store.modelWord = 0x0A00;
  EXPECT_EQ(m->keys.CheckAndPack(image.data()), 1);
  EXPECT_TRUE(m.host.messages.empty());

  m->store.modelWord = 0x0B00;
  image.assign(kImageBufferSize, 0);
  EXPECT_EQ(m->keys.CheckAndPack(image.data()), 0);
  ASSERT_EQ(m.host.messages.size(), 1u);
  EXPECT_EQ(m.host.messages[0],
            "Please set up the Individual Dial memory #0 or disable the Phone Interconnect function.");
  EXPECT_EQ(image[201], 0);  // nothing written

  // Dial memory #0 is record 9; its length nibble decides, not its first digit.
  SetDialDigit(m->dtmf.dialMemory[9], 1, 5);
  EXPECT_EQ(m->keys.CheckAndPack(image.data()), 0);
  SetDialLength(m->dtmf.dialMemory[9], 1);
  EXPECT_EQ(m->keys.CheckAndPack(image.data()), 1);
  EXPECT_EQ(m.host.messages.size(), 2u);

  // Without a phone-interconnect key nothing is asked of the dial memory.
  m->dtmf.Reset();
  m->keys.Reset();
  EXPECT_EQ(m->keys.CheckAndPack(image.data()), 1);
}

TEST(KeyAssign, PresenceMapHasAFlagForEverySlotByte) {
  TestModel m;
  CKeyAssignSection& k = m->keys;
  // A fresh model's map holds its slots' functions.
  for (int code : {1, 10, 11, 12, 13}) EXPECT_TRUE(k.IsFunctionAssigned(code)) << code;

  // Every code 1..255 in one slot, through the unpack: each gets its flag and
  // only that one; code 0 never has a flag.
  std::vector<std::uint8_t> image(kImageBufferSize, 0);
  for (int code = 0; code < 256; ++code) {
    image[189] = std::uint8_t(code);  // slot 0
    k.UnpackFromImage(image.data());
    for (int other = -1; other < 257; other += 1)
      ASSERT_EQ(k.IsFunctionAssigned(other), code != 0 && other == code) << code << " " << other;
  }
  // A flag follows the slots when it is brought in line.
  k.keyFunctionCodes[0] = 0;
  k.UpdatePresence(255);
  EXPECT_FALSE(k.IsFunctionAssigned(255));
  k.keyFunctionCodes[7] = 200;
  k.UpdatePresence(200);
  k.UpdatePresence(1000);  // no such code: ignored
  EXPECT_TRUE(k.IsFunctionAssigned(200));
}

// ---- Decoded-only sections ---------------------------------------------------------

TEST(SmallSections, DecodedSectionsAndGroupIndex) {
  TestModel m;
  std::vector<std::uint8_t> image = BlankImage();
  for (int z = 0; z < 32; ++z) image[std::size_t(44 + z)] = std::uint8_t(z + 1);
  image[140] = 2;
  image[141] = 0x03;  // zone number 4: groups of zones 0..2 = 1 + 2 + 3
  image[208] = 0x10;
  std::memcpy(&image[768], "HELLO   ", 8);
  m->misc.UnpackFromImage(image.data());
  EXPECT_EQ(m->misc.homeZoneNumber, 4u);
  EXPECT_EQ(m->misc.homeGroupIndex, 8u);
  EXPECT_EQ(m->misc.mode208, 2);
  m->message.UnpackFromImage(image.data());
  EXPECT_STREQ(m->message.messageText, "HELLO   ");
  m->message.SetDefaultSplit(5.0);
  m->message.Reset();
  EXPECT_DOUBLE_EQ(m->message.GetDefaultSplit(), 5.0);  // set by the band defaults only

  // A "none" home zone decodes as none, not as zone 32.
  image[141] = 255;
  m->misc.UnpackFromImage(image.data());
  EXPECT_EQ(m->misc.homeZoneNumber, 0u);
  EXPECT_EQ(m->misc.homeGroupIndex, 255u);

  const std::uint8_t* counts = &image[44];
  EXPECT_EQ(GlobalGroupIndex(counts, 1, 5), 5);
  EXPECT_EQ(GlobalGroupIndex(counts, 2, 5), 6);
  EXPECT_EQ(GlobalGroupIndex(counts, 33, 0), 32 * 33 / 2);  // never past the 32 zones
  EXPECT_EQ(GlobalGroupIndex(counts, 3, 255), 255);
  EXPECT_EQ(GlobalGroupIndex(counts, 0, 4), 255);
}

}  // namespace
