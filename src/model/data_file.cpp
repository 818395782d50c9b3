// Data files: image bytes 0..32,511 followed by the 384 bytes of RadioImageTail.
// A load reads the whole file into a scratch buffer and changes nothing until
// every check has passed, so a refused or short file leaves image and model as
// they were; only regular files are read, and bytes beyond the data file's size
// are ignored. A save packs first and then replaces the file as a whole.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
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

// True for a regular file (through links). Anything else is refused before it is
// opened: a FIFO or a device would hold the program waiting, a folder has no data.
bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

// Reads at most `limit` bytes of a regular file; false when it cannot be opened.
bool ReadFile(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& out) {
  if (!IsRegularFile(path)) return false;
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

// The file a save writes: the end of a chain of symbolic links, so that a link
// stays a link and its target gets the data. Empty for a chain that never ends.
std::filesystem::path SaveTarget(const std::filesystem::path& path) {
  std::filesystem::path p = path;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(p, ec)) return p;
    const std::filesystem::path link = std::filesystem::read_symlink(p, ec);
    if (ec) return {};
    p = link.is_absolute() ? link : p.parent_path() / link;
  }
  return {};
}

// Creates a new file of a name of its own beside `target` (never one that exists)
// and returns it open for writing, with its name; null when none can be made.
std::FILE* CreateTempBeside(const std::filesystem::path& target, std::filesystem::path& temp) {
  static std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
    temp = target;
    temp += suffix;
    // "x": fails when the name exists, so no other file is ever overwritten.
    if (std::FILE* f = std::fopen(temp.c_str(), "wbx")) return f;
    std::error_code ec;
    if (!std::filesystem::exists(temp, ec) || ec) return nullptr;  // not a clash: the folder refuses
  }
  return nullptr;
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
  TakeDataFile(part.data(), part.size(), newTail.data());
  Host().OnFileLoaded(FileLabel(path), identity.SerialText(), identity.Esn(), previousSystemType);
  return 1;
}

void CEditModel::TakeDataFile(const std::uint8_t* part, std::size_t partSize, const std::uint8_t* newTail) {
  std::copy(part, part + std::min(partSize, kFileImagePart), image.begin());
  std::copy(newTail, newTail + kTailSize, tail.begin());
  // The adjustment blocks of the image mirror the tail (image blocks 254..256).
  std::copy(tail.begin(), tail.end(), image.begin() + img::kAdjustmentBlock);
  UnpackImage(image.data());
  UnpackImageTail(image.data(), tail.data(), 1);
  g_bModified = 0;
}

namespace {

// Writes the image part and the tail to a new file beside `target` and puts it
// in the target's place, with the mode of the file it replaces.
bool WriteInPlaceOf(const std::filesystem::path& target, const std::uint8_t* image, const std::uint8_t* tail) {
  std::error_code ec;
  const std::filesystem::file_status existing = std::filesystem::status(target, ec);
  const bool exists = std::filesystem::exists(existing);
  if (exists) {
    if (!std::filesystem::is_regular_file(existing)) return false;
    // A file that cannot be written to is not replaced either.
    std::FILE* check = std::fopen(target.c_str(), "r+b");
    if (!check) return false;
    std::fclose(check);
  }
  std::filesystem::path temp;
  std::FILE* out = CreateTempBeside(target, temp);
  if (!out) return false;
  bool ok = std::fwrite(image, 1, kFileImagePart, out) == kFileImagePart &&
            std::fwrite(tail, 1, kTailSize, out) == kTailSize;
  ok = std::fclose(out) == 0 && ok;
  ec.clear();
  if (ok && exists) std::filesystem::permissions(temp, existing.permissions(), ec);
  if (ok && !ec) std::filesystem::rename(temp, target, ec);
  if (ok && !ec) return true;
  std::filesystem::remove(temp, ec);
  return false;
}

}  // namespace

bool CEditModel::SaveDataFile(const std::string& path) {
  if (!PackImage(image.data())) return false;

  // The file the path names, through its links, gets the data; a link stays a link.
  const std::filesystem::path target = SaveTarget(path);
  if (target.empty() || !WriteInPlaceOf(target, image.data(), tail.data())) {
    Host().ShowMessage(Format("Problem Saving file\n    %s\n\n   Press any key", path));
    return false;
  }
  Host().OnFileSaved(FileLabel(path));
  g_bModified = 0;
  return true;
}
