// Writes the default data files of both bands from the model's own defaults:
//   <dir>/Data/DEFAULTUP.X417, DEFAULTVP.X417  (32,896 bytes: image 0..32,511 + tail)
//   <dir>/Data/DEFAULTUP.Q58,  DEFAULTVP.Q58   (the layout older data files take their 5-Tone block from)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <vector>

#include "model/default_image.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  if (!out) std::cerr << "cannot write " << path << "\n";
  return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_default_files <folder>\n";
    return 2;
  }
  const std::filesystem::path dir = std::filesystem::path(argv[1]) / "Data";
  std::filesystem::create_directories(dir);

  struct Band { bool uhf; const char* x417; const char* q58; };
  for (Band band : {Band{true, "DEFAULTUP.X417", "DEFAULTUP.Q58"}, Band{false, "DEFAULTVP.X417", "DEFAULTVP.Q58"}}) {
    std::vector<std::uint8_t> file;
    if (!BuildDefaultDataFile(band.uhf, file)) {
      std::cerr << "the defaults of the " << (band.uhf ? "UHF" : "VHF") << " band were refused by the pack\n";
      return 1;
    }
    if (!WriteFile(dir / band.x417, file) || !WriteFile(dir / band.q58, DataFileToQ58(file))) return 1;
  }
  return 0;
}
