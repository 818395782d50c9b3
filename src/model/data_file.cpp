// Data files: image bytes 0..32,511 followed by the 384 bytes of RadioImageTail.
// A load reads the whole file into a scratch buffer and changes nothing until
// every check has passed, so a refused or short file leaves image and model as
// they were. A save packs first and then replaces the file as a whole.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "model/conversions.h"
#include "model/edit_model.h"

namespace {

constexpr std::size_t kHeaderSize = 1152;
constexpr std::size_t kLegacySize = img::kFiveToneBlock;  // a data file without the 5-Tone block and what follows
// The ".Q58" default file: a skipped part, the 5-Tone block, image 24,576..32,511, the tail.
constexpr std::size_t kQ58Skip = 21504;
constexpr std::size_t kQ58RestSize = (kFileImagePart - img::kFiveToneBlock - img::kFiveToneBlockSize);
constexpr std::size_t kQ58Size = kQ58Skip + img::kFiveToneBlockSize + kQ58RestSize + kTailSize;

std::string Format(const char* pattern, const std::string& arg) {
  std::string out;
  for (const char* p = pattern; *p; ++p) {
    if (p[0] == '%' && p[1] == 's') {
      out += arg;
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

// Reads at most `limit` bytes of a file; false when it cannot be opened.
bool ReadFile(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(limit, 0);
  in.read(reinterpret_cast<char*>(out.data()), std::streamsize(limit));
  out.resize(std::size_t(in.gcount()));
  return true;
}

// "File:" followed by the part of the path after its last separator.
std::string FileLabel(const std::string& path) {
  std::size_t cut = path.find_last_of("/\\");
  return "File:" + (cut == std::string::npos ? path : path.substr(cut + 1));
}

std::string JoinPath(const std::string& dir, const std::string& rel) {
  if (dir.empty()) return rel;
  return (std::filesystem::path(dir) / rel).string();
}

}  // namespace

int CEditModel::LoadDataFile(const std::string& path, const std::string& startDirectory) {
  std::vector<std::uint8_t> file;
  if (!ReadFile(path, kDataFileSize, file)) {
    Host().ShowMessage(Format("Problem opening file\n    %s\n\n   Press any key", path));
    return 0;
  }
  if (file.size() < kHeaderSize) {
    Host().ShowMessage("Problem reading from file");
    return 0;
  }
  const std::uint8_t hardware = file[img::kHardware];
  if (hardware != kUhfHardware && hardware != kVhfHardware) {
    Host().Beep();
    Host().ShowMessage("Hardware configuration mismatched!");
    return 0;
  }

  // The image part and the tail as they will be committed.
  std::vector<std::uint8_t> part(file.begin(), file.begin() + std::min(file.size(), kFileImagePart));
  std::vector<std::uint8_t> newTail;
  if (file.size() == kDataFileSize) {
    newTail.assign(file.begin() + kFileImagePart, file.end());
  } else if (file.size() == kLegacySize && !IsProductionType11(file[img::kProductionType])) {
    // An older data file: the 5-Tone block and the rest come from the band's default file.
    const char* q58 = hardware == kUhfHardware ? "Data/DEFAULTUP.Q58" : "Data/DEFAULTVP.Q58";
    std::vector<std::uint8_t> def;
    if (!ReadFile(JoinPath(startDirectory, q58), kQ58Size, def) || def.size() < kQ58Size) {
      Host().ShowMessage("Problem reading from file");
      return 0;
    }
    part.insert(part.end(), def.begin() + kQ58Skip, def.begin() + kQ58Skip + img::kFiveToneBlockSize + kQ58RestSize);
    newTail.assign(def.begin() + (kQ58Size - kTailSize), def.end());
  } else {
    Host().ShowMessage("Problem reading from file");
    return 0;
  }

  const std::uint8_t previousSystemType = global.systemType;
  std::copy(part.begin(), part.end(), image.begin());
  std::copy(newTail.begin(), newTail.end(), tail.begin());
  // The adjustment blocks of the image mirror the tail (image blocks 254..256).
  std::copy(tail.begin(), tail.end(), image.begin() + img::kAdjustmentBlock);

  UnpackImage(image.data());
  UnpackImageTail(image.data(), tail.data(), 1);
  g_bModified = 0;
  Host().OnFileLoaded(FileLabel(path), identity.SerialText(), identity.Esn(), previousSystemType);
  return 1;
}

bool CEditModel::SaveDataFile(const std::string& path) {
  if (!PackImage(image.data())) return false;

  // Write a complete new file beside the old one, then put it in its place.
  const std::string temp = path + ".tmp";
  bool ok = false;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(kFileImagePart));
      out.write(reinterpret_cast<const char*>(tail.data()), std::streamsize(kTailSize));
      out.flush();
      ok = bool(out);
    }
  }
  if (ok) {
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    ok = !ec;
  }
  if (!ok) {
    std::remove(temp.c_str());
    Host().ShowMessage(Format("Problem Saving file\n    %s\n\n   Press any key", path));
    return false;
  }
  Host().OnFileSaved(FileLabel(path));
  g_bModified = 0;
  return true;
}
