// Feeds arbitrary bytes as a data file to the loader, then packs and saves what
// was loaded. The sanitizers report any access outside the image or the records.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/edit_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string dir = [] {
    char pattern[] = "/tmp/fuzz_data_file.XXXXXX";
    return std::string(mkdtemp(pattern));
  }();
  static CEditModel& model = TheModel();
  const std::string in = dir + "/in.X417";
  {
    std::ofstream f(in, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  }
  if (model.LoadDataFile(in, dir)) {
    model.PackImage(model.image.data());
    model.SaveDataFile(dir + "/out.X417");
  }
  return 0;
}
