#include "model/edit_model.h"

#include <algorithm>
#include <vector>

#include "model/conversions.h"
#include "model/default_image.h"

std::uint32_t g_bModified = 0;

IModelHost& NullModelHost() {
  static IModelHost host;
  return host;
}

IModelHost& CModelPart::Host() const { return m_model.Host(); }

CEditModel::CEditModel()
    : global(*this),
      message(*this),
      freqRange(*this),
      misc(*this),
      dtmf(*this),
      keys(*this),
      flags(*this),
      identity(*this),
      store(*this),
      fiveToneSystem(*this),
      fiveToneEncode(*this),
      fiveToneDecode(*this),
      fiveToneTable(*this),
      dfa(*this),
      m_host(&NullModelHost()) {
  image.fill(0);
  std::fill(image.begin(), image.begin() + kImageSize, 0xFF);
  tail.fill(0);
  // Every record is constructed by now, so the defaults can read each other.
  ResetEditModel();
}

CEditModel& TheModel() {
  static CEditModel model;
  return model;
}

void CEditModel::UnpackImage(const std::uint8_t* img) { UnpackImage(img, AllImageBlocks()); }

void CEditModel::UnpackImage(const std::uint8_t* img, const ImageBlocks& received) {
  // A block that did not arrive is read as a fresh start of the radio's band
  // holds it: its 0xFF is no data. (The image itself keeps the 0xFF.)
  std::vector<std::uint8_t> merged;
  if (!received.all()) {
    std::vector<std::uint8_t> fresh;
    const bool uhf = !received[0] || (img[img::kHardware] & 0xE0) == kUhfBandFlag;
    if (BuildDefaultDataFile(uhf, fresh)) {
      merged.assign(img, img + kImageSize);
      for (std::size_t b = 0; b < received.size(); ++b) {
        const long at = long(b * kBlockSize);
        if (!received[b]) std::copy_n(fresh.begin() + at, kBlockSize, merged.begin() + at);
      }
      img = merged.data();
    }
  }

  freqRange.UnpackFromImage(img);
  global.UnpackFromImage(img);
  misc.UnpackFromImage(img);
  dtmf.UnpackFromImage(img);
  keys.UnpackFromImage(img);
  flags.UnpackFromImage(img);
  message.UnpackFromImage(img);
  store.UnpackFromImage(img);

  // A group whose block did not arrive (eight lie in a block) keeps the reset
  // value the store's unpack gave it: the fresh start's bytes lie in the layout
  // of its zones, not the radio's.
  for (int g = 0; g < kGroupCount; ++g)
    if (received[GroupOffset(g) / kBlockSize]) store.UnpackGroup(g, img);
  for (int i = 0; i < kChannelCount; ++i) store.UnpackChannel(i, img);
  for (int t = 0; t < kTuningPointCount; ++t) store.UnpackTuningPoint(t, img);
  for (int e = 0; e < kSelCallCount; ++e) store.UnpackSelCall(e, img);
  for (int s = 0; s < kSeedChannelCount; ++s) store.UnpackSeedChannel(s, img);
  store.UnpackExtraBytes(img);

  // Again, now that the store holds the group counts its group numbers need.
  global.UnpackFromImage(img);

  fiveToneSystem.UnpackFromImage(img);
  fiveToneEncode.UnpackFromImage(img);
  fiveToneDecode.UnpackFromImage(img);
  fiveToneTable.UnpackFromImage(img);
  dfa.UnpackFromImage(img);
}

void CEditModel::UnpackImageTail(const std::uint8_t* img, const std::uint8_t* tl, int withTail) {
  store.UnpackTuning(img, tl, withTail);
  identity.UnpackFromImage(img, tl);
}

void CEditModel::ResetEditModel() {
  freqRange.Reset();
  global.Reset();
  misc.Reset();
  dtmf.Reset();
  keys.Reset();
  flags.Reset();
  message.Reset();
  store.Reset();
  global.Reset();
}

// Groups beyond the total of the zones' counts are not in use, whatever a page set.
void CEditModel::MarkGroupsBeyondCounts() {
  int total = 0;
  for (int z = 0; z < kZoneCount; ++z) total += store.GetGroupCount(z);
  if (total > kGroupCount) total = kGroupCount;
  for (int g = total; g < kGroupCount; ++g) store.ClearGroupInUse(g);
}

// The checked pack of the records both variants share; the first refusal ends it
// with 0, leaving the records packed before it in the image.
int CEditModel::PackRecords(std::uint8_t* img, bool defaults) {
  auto globalPass = [&](int pass) {
    return defaults ? global.CheckAndPackDefaults(img, pass) : global.CheckAndPack(img, pass);
  };
  MarkGroupsBeyondCounts();
  if (!globalPass(0)) return 0;
  if (!store.CheckAndPack(img)) return 0;
  if (!dtmf.PackToImage(img)) return 0;
  if (!keys.CheckAndPack(img)) return 0;
  for (int g = 0; g < kGroupCount; ++g)
    if (!store.PackGroup(g, img)) return 0;
  for (int i = 0; i < kChannelCount; ++i) store.PackChannel(i, img);
  for (int t = 0; t < kTuningPointCount; ++t) store.PackTuningPoint(t, img);
  for (int e = 0; e < kSelCallCount; ++e) store.PackSelCall(e, img);
  for (int s = 0; s < kSeedChannelCount; ++s) store.PackSeedChannel(s, img);
  store.PackExtraBytes(img);
  globalPass(1);  // the block counters; this pass never refuses
  return 1;
}

int CEditModel::PackImage(std::uint8_t* img) {
  if (!PackRecords(img, false)) return 0;
  identity.PackToImage(img, img + img::kAdjustmentBlock);
  const int r = fiveToneSystem.PackToImage(img);
  if (!r) return 0;
  fiveToneEncode.PackToImage(img);
  fiveToneDecode.PackToImage(img);
  fiveToneTable.PackToImage(img);
  dfa.PackToImage(img);
  return r;
}

// The image of a model built from defaults: also the band parameters and the
// tuning tables, but not the identity, the 5-Tone lists or the DFA table.
int CEditModel::PackImageDefaults(std::uint8_t* img) {
  freqRange.PackToImage(img);
  if (!PackRecords(img, true)) return 0;
  store.PackTuning(img, tail.data());
  return fiveToneSystem.PackToImage(img);
}

void CEditModel::ChangeModel(std::uint32_t hardwareCode, const std::string& startFolder) {
  global.hardwareByte = hardwareCode;
  global.bandFlag = hardwareCode & 0xE0;
  const std::uint32_t band = global.bandFlag;
  store.modelWord |= 0x0B00;
  const std::uint8_t systemType = global.systemType;
  freqRange.SetBandDefaults();

  const bool uhf = band == kUhfBandFlag;
  const int loaded = LoadDataFile(uhf ? "Data/DEFAULTUP.X417" : "Data/DEFAULTVP.X417", startFolder);
  // Without the file, the same data as the build writes into it: every byte the
  // records leave unwritten (5-Tone scale, tuning, identity) as the records hold it.
  if (!loaded) UseBuiltInDefaults(uhf);

  std::int32_t first;
  if (uhf) first = hardwareCode == 0x61 ? 45000000 : 48000000;
  else first = (hardwareCode == 0x01 || IsProductionType11(store.ProductionType())) ? 13400000 : 14600000;
  store.SetChannelFreq1(0, first);
  store.SetChannelFreq2(0, first);

  global.bandFlag = band;
  global.systemType = systemType;
  global.hardwareByte = hardwareCode;
  // The kept system type goes into the image too: a save's pack never writes
  // byte 249, and the next load reads the zones by it.
  image[img::kSystemType] = systemType;

  // The image holds what the records hold, on both paths: the first channel,
  // and the zones laid out by the kept system type, which the band's file may
  // not share. The whole pack, so that the tables it shares image bytes with
  // (the VHF frequency table) are written last.
  (void)PackImage(image.data());
}
