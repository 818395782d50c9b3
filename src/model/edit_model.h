// The edit model: every record of the radio's programming, moved as a whole
// between the memory image and the records, reset to defaults, and loaded from
// and saved to data files.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/channel_data.h"
#include "model/channel_store.h"
#include "model/dfa_table.h"
#include "model/five_tone.h"
#include "model/global_settings.h"
#include "model/image.h"
#include "model/model_host.h"
#include "model/sections.h"
#include "model/zone_default_record.h"

// Set by every edit, cleared by a successful load, a save or a discard.
extern std::uint32_t g_bModified;

class CEditModel {
 public:
  CEditModel();
  CEditModel(const CEditModel&) = delete;
  CEditModel& operator=(const CEditModel&) = delete;

  // The records, in their order of construction: the band flag and the default
  // split they set are read by the records constructed after them.
  CGlobalSettings global;
  CMessageSection message;
  CFreqRangeSection freqRange;
  CMiscOptionSection misc;
  CDtmfSettings dtmf;
  CKeyAssignSection keys;
  CFlagSection flags;
  CRadioIdentity identity;
  CChannelStore store;
  CChannelData spareChannel;
  CFiveToneSystemData fiveToneSystem;
  CFiveToneEncodeList fiveToneEncode;
  CFiveToneDecodeList fiveToneDecode;
  CFiveToneTableData fiveToneTable;
  CDfaTable dfa;
  // The zone pages' Default values (no part of the image; not reset with the records).
  CZoneDefaultRecord zoneDefaults;

  // RadioImage (first kImageSize bytes 0xFF at start) and RadioImageTail.
  std::array<std::uint8_t, kImageBufferSize> image;
  std::array<std::uint8_t, kTailSize> tail;

  IModelHost& Host() const { return *m_host; }
  void SetHost(IModelHost* host) { m_host = host ? host : &NullModelHost(); }

  void UnpackImage(const std::uint8_t* img);
  // The same for an image a transfer filled only in part: what it did not bring
  // is read as a fresh start of the radio's band holds it, a group as its reset
  // value (the image keeps its 0xFF).
  void UnpackImage(const std::uint8_t* img, const ImageBlocks& received);
  void UnpackImageTail(const std::uint8_t* img, const std::uint8_t* tl, int withTail);
  void ResetEditModel();
  int PackImage(std::uint8_t* img);
  int PackImageDefaults(std::uint8_t* img);

  // Begins anew from the default data of the band of a hardware code (0x61 UHF,
  // else VHF), keeping the system type: the record's hardware code and band,
  // the production type 11, the band's frequency ranges, the band's default data
  // file under startFolder (the built-in defaults of the band when it cannot be
  // loaded, the first channel and the kept system type then packed into the
  // image), and the first channel's frequencies for the band.
  void ChangeModel(std::uint32_t hardwareCode, const std::string& startFolder);

  // Takes the band's built-in defaults as a default data file of the band holds
  // them (the same bytes the build writes into Data/): image, tail and every
  // record, so that a file saved from them loads back as saved. Clears
  // g_bModified; nothing is reported, no file name goes with these data.
  void UseBuiltInDefaults(bool uhf);

  // Data files: the image's bytes 0..32,511 followed by the tail (32,896 bytes).
  int LoadDataFile(const std::string& path, const std::string& startDirectory);
  // Packs the model and writes the file; false when a check refused or the file
  // could not be written (the message has been shown; the old file is intact).
  bool SaveDataFile(const std::string& path);

 private:
  void MarkGroupsBeyondCounts();
  // Puts a data file's image part and tail in place and unpacks them.
  void TakeDataFile(const std::uint8_t* part, std::size_t partSize, const std::uint8_t* newTail);
  int PackRecords(std::uint8_t* img, bool defaults);
  IModelHost* m_host;
};

// The program's one edit model.
CEditModel& TheModel();
inline std::uint8_t* RadioImage() { return TheModel().image.data(); }
inline std::uint8_t* RadioImageTail() { return TheModel().tail.data(); }
